// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "window_drag.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

WindowDrag::WindowDrag(QWidget &window) : QObject(&window), window(window) {}

void WindowDrag::StartWindowDrag(QWidget &pressedWidget, const QMouseEvent &press)
{
    stop();
    // The pressed widget keeps receiving the pointer's events until the release.
    pressed = &pressedWidget;
    button = press.button();
    pointerToWindow = press.globalPosition().toPoint() - window.pos();
    handOverTried = false;
    pressed->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != pressed)
        return false;
    switch (event->type()) {
    case QEvent::MouseMove: {
        window.move(static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - pointerToWindow);
        // The window manager's own move is asked for only now that the press
        // is a drag, and only for the left button, which it follows: on
        // Windows (and Wine) a move asked for on a plain click starts after
        // the button is up, and the window then follows the pointer until
        // the next click.
        if (!handOverTried && button == Qt::LeftButton) {
            handOverTried = true;
            QWindow *handle = window.windowHandle();
            if (handle && handle->startSystemMove())
                stop();
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent *>(event)->button() == button)
            stop();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Another button pressed during the drag neither ends nor restarts it.
        return true;
    default:
        return false;
    }
}

void WindowDrag::stop()
{
    if (pressed)
        pressed->removeEventFilter(this);
    pressed = nullptr;
}
