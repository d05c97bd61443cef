// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Start-up baseline: a bare Qt program showing an empty widget, ending at its
// first painted frame.
#include "first_frame.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(280, 180);
    quitAtFirstFrame(window);
    window.show();
    return app.exec();
}
