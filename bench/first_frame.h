// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QObject>
#include <QWidget>

// Ends the program once the window has painted for the first time. With
// ZUNKEL_SMAPS set to a file name, first copies the process's memory map,
// with what each mapping holds in memory, to that file.
inline void quitAtFirstFrame(QWidget &window)
{
    struct Watcher : QObject {
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() != QEvent::Paint)
                return false;
            if (qEnvironmentVariableIsSet("ZUNKEL_SMAPS"))
                QMetaObject::invokeMethod(
                    qApp,
                    [] {
                        QFile map(QStringLiteral("/proc/self/smaps"));
                        QFile copy(qEnvironmentVariable("ZUNKEL_SMAPS"));
                        if (map.open(QIODevice::ReadOnly) && copy.open(QIODevice::WriteOnly))
                            copy.write(map.readAll());
                    },
                    Qt::QueuedConnection);
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            return false;
        }
    };
    window.installEventFilter(new Watcher);
}
