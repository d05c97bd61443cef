#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

// Ends the program once the window has painted for the first time.
inline void quitAtFirstFrame(QWidget &window)
{
    struct Watcher : QObject {
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            return false;
        }
    };
    window.installEventFilter(new Watcher);
}
