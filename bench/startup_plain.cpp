// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Start-up baseline: a plain dialog with the same controls as the tool's
// window at the same places, in Qt's default style, with no pictures, no
// embedded fonts, no style sheet and no shape; ends at its first painted
// frame. What the tool costs beyond this is what its design costs.
#include "first_frame.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Config");
    window.resize(280, 180);
    (new QLabel("Zunkel Configuration", &window))->setGeometry(33, 6, 124, 15);
    (new QPushButton(QStringLiteral("✕"), &window))->setGeometry(256, 6, 17, 15);
    auto *chooser = new QComboBox(&window);
    chooser->addItems({"320x240", "512x384", "640x480", "800x600", "1024x768"});
    chooser->setGeometry(163, 45, 92, 21);
    auto *frame = new QGroupBox("Graphics", &window);
    frame->setGeometry(156, 27, 105, 116);
    (new QCheckBox("Bilinear Filtering", frame))->setGeometry(8, 46, 93, 15);
    (new QCheckBox("Render Flat", frame))->setGeometry(8, 66, 90, 14);
    (new QCheckBox("Fullscreen", frame))->setGeometry(8, 91, 92, 22);
    (new QCheckBox("Play Music", &window))->setGeometry(41, 151, 82, 13);
    (new QPushButton("Save", &window))->setGeometry(162, 147, 47, 24);
    (new QPushButton("Quit", &window))->setGeometry(213, 147, 47, 24);
    quitAtFirstFrame(window);
    window.show();
    return app.exec();
}
