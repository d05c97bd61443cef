// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "system_move.h"

#include <xcb/xcb.h>

// The window systems a Linux desktop may have, each in a file of its own;
// system_move_linux.cpp tells which one the window is on.

namespace X11Move
{
SystemMove::Mover start(xcb_connection_t *c, QWindow &window, Qt::MouseButton button);
}

namespace XWaylandMove
{
SystemMove::Mover start(xcb_connection_t *c, QWindow &window, QPointF pressGlobal, Qt::MouseButton button);
void cancel(xcb_connection_t *c, QWindow &window);
} // namespace XWaylandMove

namespace WaylandMove
{
SystemMove::Mover start(QWindow &window, Qt::MouseButton button);
}
