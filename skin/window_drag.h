// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class QMouseEvent;
class QWidget;

// Moves a window that has no title bar with the pointer.
class WindowDrag : public QObject
{
    Q_OBJECT

  public:
    explicit WindowDrag(QWidget &window);

    // Called on a press of any button on `pressed`, a widget inside the
    // window. The window follows the pointer until that button is released;
    // a drag with the left button is handed to the window manager, where
    // there is one to take it, once the pointer moves.
    void StartWindowDrag(QWidget &pressed, const QMouseEvent &press);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void stop();

    QWidget &window;
    QPointer<QWidget> pressed;
    Qt::MouseButton button = Qt::NoButton;
    QPoint pointerToWindow;
    bool handOverTried = false;
};
