// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "window_drag.h"

#include "system_move.h"

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
    button = press.button();
    pressGlobal = press.globalPosition();
    windowAtPress = window.pos();
    moving = false;
    deciding = true;
    placesWindow = window.windowHandle() && SystemMove::toolPlacesWindow(*window.windowHandle());
    pressed->installEventFilter(this);
    // Handed over at the press: some window managers and compositors anchor
    // the move at the pointer's position when the request reaches them, not
    // at the press the request names, and the pointer has not gone far yet.
    // But only once the events already come in are handled: a release among
    // them (a quick click, a busy machine) ends the drag first. A Wayland
    // compositor takes the latest input's serial, and that release's would
    // start a move that follows the pointer until the next click.
    QTimer::singleShot(0, this, [this, press = ++presses] {
        QWindow *handle = window.windowHandle();
        if (press != presses || !pressed)
            return;
        deciding = false;
        handedOver = handle && SystemMove::start(*handle, pressGlobal, button);
    });
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != pressed)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        if (handedOver || deciding || !placesWindow)
            return true;
        follow(static_cast<QMouseEvent *>(event)->globalPosition());
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto *release = static_cast<QMouseEvent *>(event);
        if (release->button() != button)
            return true;
        // The release came before the window system began the move, which
        // it would otherwise begin now and never end.
        if (handedOver && window.windowHandle())
            SystemMove::cancel(*window.windowHandle());
        // What the drag had come to is done here instead.
        if (placesWindow)
            follow(release->globalPosition());
        stop();
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // A window system that took the move may have kept its release: a
        // press with the button up is a new one, for the window to handle.
        if (handedOver && !(static_cast<QMouseEvent *>(event)->buttons() & button)) {
            stop();
            return false;
        }
        // Another button pressed during the drag neither ends nor restarts it.
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
    handedOver = false;
    ++presses;
}
