// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <cstdlib>
#include <memory>
#include <optional>

#include <xcb/xcb.h>

// Reading the X server's window properties as the window-manager conventions
// use them.
namespace X11
{

struct Free {
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, Free>;

xcb_atom_t atom(xcb_connection_t *c, const char *name);

Reply<xcb_get_property_reply_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, uint32_t longs);

// The running window manager's name (empty when it gives none), or nothing
// when none runs: the window it names on the root window names itself, and
// one that has quit leaves its mark behind, naming a window gone.
std::optional<QByteArray> windowManager(xcb_connection_t *c, xcb_window_t root);

} // namespace X11
