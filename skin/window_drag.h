// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
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
    // window. The window ends where the pointer's offset from the press says
    // when that button is released. The window system moves it where it
    // takes the move; elsewhere the tool does, once the pointer has gone
    // further than the system's drag distance, so that a click that slips
    // moves nothing.
    void StartWindowDrag(QWidget &pressed, const QMouseEvent &press);

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void handOver(unsigned press);
    // Moves the window by the pointer's offset from the press, once that has
    // gone past the system's drag distance.
    void follow(QPointF pointerGlobal);
    void stop();

    enum class State {
        Idle,
        Deciding,   // pressed; the hand-over waits for the input already read
        HandedOver, // the window system moves the window
        Following,  // the tool moves the window
        Still,      // nothing moves it: the release is awaited
    };

    QWidget &window;
    QPointer<QWidget> pressed;
    State state = State::Idle;
    Qt::MouseButton button = Qt::NoButton;
    QPointF pressGlobal;
    QPoint windowAtPress;
    bool moving = false;
    // Tells a press's hand-over from that of a later one.
    unsigned presses = 0;
};
