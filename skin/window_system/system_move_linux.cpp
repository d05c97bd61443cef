// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "moves_linux.h"
#include "x11.h"

#include <QGuiApplication>

namespace
{

xcb_connection_t *x11()
{
    auto *application = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return application ? application->connection() : nullptr;
}

// Asked of the server once: it stays what it is.
bool onXWayland(xcb_connection_t *c)
{
    static const bool xwayland = X11::isXWayland(c);
    return xwayland;
}

} // namespace

namespace SystemMove
{

Mover start(QWindow &window, QPointF pressGlobal, Qt::MouseButton button)
{
    if (xcb_connection_t *c = x11())
        return onXWayland(c) ? XWaylandMove::start(c, window, pressGlobal, button)
                             : X11Move::start(c, window, button);
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return WaylandMove::start(window, button);
    return Mover::Tool;
}

void cancel(QWindow &window)
{
    if (xcb_connection_t *c = x11(); c && onXWayland(c))
        XWaylandMove::cancel(c, window);
}

} // namespace SystemMove
