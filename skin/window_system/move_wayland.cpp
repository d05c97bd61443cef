// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Natively on Wayland a program cannot place its window: the compositor's own
// move (xdg_toplevel.move, Qt's startSystemMove) is the only one, anchored at
// the press whose serial it takes, and it ends at that button's release. Not
// under mutter for the other buttons: a move begun by the right or middle one
// never ends there, and the window would follow the pointer until the next
// click. There only the left button moves the window. (The tool runs
// through XWayland under mutter, where every button moves it; natively only
// where the player asks for it, or XWayland is missing.)
#include "moves_linux.h"
#include "wayland_compositor.h"
#include "window_log.h"

#include <QGuiApplication>
#include <QWindow>

using namespace std::chrono_literals;

namespace WaylandMove
{

SystemMove::Mover start(QWindow &window, Qt::MouseButton button)
{
    // Asked once, on a connection of its own: Qt's is not offered in public.
    static const std::optional<WaylandCompositor> compositor = waylandCompositor(1s);
    if (button != Qt::LeftButton && compositor == WaylandCompositor::Mutter) {
        qCInfo(windowLog, "Wayland, mutter: button %d does not move the window", int(button));
        return SystemMove::Mover::Nobody;
    }
    // The button still down, as far as the input read says: the compositor
    // would begin a move for a release's serial too.
    const bool handedOver = (QGuiApplication::mouseButtons() & button) && window.startSystemMove();
    qCInfo(windowLog, "Wayland: move %s", handedOver ? "handed over" : "not taken");
    return handedOver ? SystemMove::Mover::WindowSystem : SystemMove::Mover::Nobody;
}

} // namespace WaylandMove
