// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>

#include <xcb/xcb.h>

// What the tool asks of an X server: its window manager's properties as the
// window-manager conventions give them, and what kind of server it is.
namespace X11
{

struct Free {
    void operator()(void *reply) const { std::free(reply); }
};
// A reply of the X server, freed as xcb asks.
template <typename T> using Reply = std::unique_ptr<T, Free>;

xcb_atom_t atom(xcb_connection_t *c, const char *name);

Reply<xcb_get_property_reply_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, uint32_t longs);

// The running window manager's name (empty when it gives none), or nothing
// when none runs: the window it names on the root window names itself, and
// one that has quit leaves its mark behind, naming a window gone.
std::optional<QByteArray> windowManager(xcb_connection_t *c, xcb_window_t root);

// Whether the server is XWayland, as the server itself says: versions from
// 23.1 have an extension of that name, and every version names its RandR
// outputs XWAYLAND0, XWAYLAND1... An X server started from a Wayland
// session's terminal (Xvfb, Xephyr) inherits WAYLAND_DISPLAY but is none.
bool isXWayland(xcb_connection_t *c);

// Whether the X server that DISPLAY names takes a connection and answers it
// within `bound`. One that accepts and never answers (stopped, hung, or a
// forwarded display left over) would keep xcb_connect, and a Qt that asked
// it, waiting for ever.
bool answers(std::chrono::milliseconds bound);

} // namespace X11
