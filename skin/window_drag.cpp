// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "window_drag.h"

#include "system_move.h"
#include "window_log.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QTimer>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget &window) : QObject(&window), window(window) {}

void WindowDrag::StartWindowDrag(QWidget &pressedWidget, const QMouseEvent &press)
{
    stop();
    // The pressed widget keeps receiving the pointer's events until the release.
    pressed = &pressedWidget;
    pressed->installEventFilter(this);
    state = State::Deciding;
    button = press.button();
    pressGlobal = press.globalPosition();
    // Where the press says the window is: the window system's own figures
    // of the moment. window.pos() may still hold an earlier place, from a
    // window manager's late report of one of the last drag's moves.
    windowAtPress = (pressGlobal - press.scenePosition()).toPoint();
    moving = false;
    // Handed over at the press: some window systems anchor the move at the
    // pointer's position when the request reaches them, not at the press the
    // request names, and the pointer has not gone far yet. But only once the
    // press's own handling is over.
    QTimer::singleShot(0, this, [this, press = ++presses] { handOver(press); });
}

void WindowDrag::handOver(unsigned press)
{
    if (press != presses)
        return;
    // The input already read is handled first: a release among it (a quick
    // click, a busy machine) ends the drag here. A Wayland compositor takes
    // the serial of the latest input read, and that release's would begin a
    // move that follows the pointer until the next click.
    QCoreApplication::processEvents();
    QWindow *handle = window.windowHandle();
    if (press != presses || !handle)
        return;
    const SystemMove::Mover mover = SystemMove::start(*handle, pressGlobal, button);
    if (press != presses)
        return;
    state = mover == SystemMove::Mover::WindowSystem ? State::HandedOver
            : mover == SystemMove::Mover::Tool       ? State::Following
                                                     : State::Still;
    qCInfo(windowLog, "press of button %d: %s", int(button),
           state == State::HandedOver  ? "moved by the window system"
           : state == State::Following ? "moved by the tool"
                                       : "left where it is");
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != pressed)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (state == State::Following)
            follow(static_cast<QMouseEvent *>(event)->globalPosition());
        return true;
    case QEvent::MouseButtonRelease: {
        const auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() != button)
            return true;
        // The release came before the window system began the move, which
        // it might otherwise begin now and never end.
        if (state == State::HandedOver && window.windowHandle())
            SystemMove::cancel(*window.windowHandle());
        // What the drag had come to is done here instead.
        if (state == State::Following || state == State::Deciding)
            follow(release->globalPosition());
        stop();
        return true;
    }
    case QEvent::MouseButtonPress: {
        // A press of the drag's own button, or of another with that one up,
        // is a new press: the window system that moved the window kept the
        // release. Only another button pressed while the drag's is down
        // neither ends nor restarts it.
        const auto *press = static_cast<QMouseEvent *>(event);
        if (press->button() == button || !(press->buttons() & button)) {
            stop();
            return false;
        }
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // Comes after the press it doubles, which was handled as a press.
        return true;
    default:
        return false;
    }
}

void WindowDrag::follow(QPointF pointerGlobal)
{
    const QPointF offset = pointerGlobal - pressGlobal;
    moving = moving || offset.manhattanLength() >= QGuiApplication::styleHints()->startDragDistance();
    if (moving)
        window.move(windowAtPress + offset.toPoint());
}

void WindowDrag::stop()
{
    if (pressed)
        pressed->removeEventFilter(this);
    pressed = nullptr;
    state = State::Idle;
    ++presses;
}
