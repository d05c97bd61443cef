// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <Qt>

class QWindow;

// The move of a window by the pointer, as each window system allows it: one
// file for each (move_x11.cpp for an X11 window manager or none,
// move_xwayland.cpp, move_wayland.cpp, move_windows.cpp), and the platform
// the tool asks Qt for (platform.h) beside them.
namespace SystemMove
{

enum class Mover {
    WindowSystem, // it took the move, anchored at the press
    Tool,         // the tool moves the window with the pointer
    Nobody,       // the window cannot move by this button here
};

// Who moves `window` while `button`, pressed at `pressGlobal`, is down. The
// window ends where the pointer's offset from the press says.
Mover start(QWindow &window, QPointF pressGlobal, Qt::MouseButton button);

// The release reached the tool after the window system took the move: it
// had not begun the move yet, and must not begin one that would follow the
// pointer until the next click. Where it already ended the move, nothing
// happens.
void cancel(QWindow &window);

} // namespace SystemMove
