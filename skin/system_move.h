// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QPointF>
#include <Qt>

class QWindow;

// The window system's own move of a window by the pointer, as a title bar
// press starts it: one file per system.
namespace SystemMove
{

// Hands the move of `window` to the window system while `button`, pressed at
// `pressGlobal`, is still down. The move is anchored at the press, so that the
// window ends where the pointer's offset from the press says. False where no
// window manager or compositor takes it: the tool then moves the window.
bool start(QWindow &window, QPointF pressGlobal, Qt::MouseButton button);

// Whether the window stays where the tool moves it. A Wayland compositor
// places its windows itself, those it shows through XWayland too, which it
// puts back (sway centres them again).
bool toolPlacesWindow(QWindow &window);

// The release reached the tool after start(): the window system had not begun
// the move yet, and must not begin one that would follow the pointer until the
// next click. Where it already ended the move, nothing happens.
void cancel(QWindow &window);

} // namespace SystemMove
