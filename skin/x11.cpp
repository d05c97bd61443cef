// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "x11.h"

#include <cstring>

namespace X11
{

namespace
{

std::optional<xcb_window_t> windowProperty(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name)
{
    const auto value = property(c, window, name, XCB_ATOM_WINDOW, 1);
    if (!value || xcb_get_property_value_length(value.get()) != 4)
        return std::nullopt;
    return *static_cast<xcb_window_t *>(xcb_get_property_value(value.get()));
}

} // namespace

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, false, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, uint32_t longs)
{
    return Reply<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, false, window, name, type, 0, longs), nullptr));
}

std::optional<QByteArray> windowManager(xcb_connection_t *c, xcb_window_t root)
{
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
    const std::optional<xcb_window_t> named = windowProperty(c, root, check);
    if (!named || windowProperty(c, *named, check) != named)
        return std::nullopt;
    const auto name = property(c, *named, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 64);
    if (!name)
        return QByteArray();
    return QByteArray(static_cast<const char *>(xcb_get_property_value(name.get())),
                      xcb_get_property_value_length(name.get()));
}

} // namespace X11
