// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Under an X11 window manager, or none, the tool moves the window itself,
// with every button. The window managers' own moves (_NET_WM_MOVERESIZE)
// cannot be kept exact there: xfwm4 ends one at a press of another button,
// mutter never ends one begun by the right button, and icewm may begin one
// after a quick click has ended, so that the window follows the pointer until
// the next click. Every X11 window manager tried keeps a window where its
// program moves it.
#include "moves_linux.h"
#include "window_log.h"
#include "x11.h"

namespace X11Move
{

SystemMove::Mover start(xcb_connection_t *c, QWindow &, Qt::MouseButton)
{
    if (windowLog().isInfoEnabled()) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        const std::optional<QByteArray> manager = X11::windowManager(c, root);
        qCInfo(windowLog, "X11, window manager %s: the tool moves the window",
               manager ? manager->constData() : "none");
    }
    return SystemMove::Mover::Tool;
}

} // namespace X11Move
