// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "window_system.h"

#include "x11.h"

#include <QThread>

#include <memory>

QByteArray preferredPlatform(const QByteArray &chosenPlatform, const QByteArray &waylandDisplay,
                             const QByteArray &x11Display,
                             const std::function<QByteArray()> &x11WindowManager)
{
    if (!chosenPlatform.isEmpty() || waylandDisplay.isEmpty() || x11Display.isEmpty())
        return {};
    // Qt tries these in turn: a DISPLAY left over from another session, with
    // no X server behind it, falls back to the Wayland compositor.
    if (x11WindowManager() == "wlroots wm")
        return "wayland;xcb";
    return "xcb;wayland";
}

QByteArray x11WindowManagerName()
{
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> c(xcb_connect(nullptr, nullptr),
                                                                         &xcb_disconnect);
    if (xcb_connection_has_error(c.get()))
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c.get())).data->root;
    // XWayland started for this connection (sway starts it when the first X11
    // program comes) has its window manager a moment later.
    for (int tries = 0; tries < 50; ++tries) {
        if (const std::optional<QByteArray> name = X11::windowManager(c.get(), root))
            return *name;
        QThread::msleep(20);
    }
    return {};
}
