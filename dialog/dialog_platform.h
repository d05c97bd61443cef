// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// What the window asks of the desktop: message boxes, ending the process and
// the screen's height. Behaviour tests put a recording stand-in here.
class DialogPlatform
{
  public:
    struct Message {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QString detail;
    };

    virtual ~DialogPlatform() = default;

    // Modal: returns when the player has dismissed the box.
    virtual void showMessage(QWidget *parent, const Message &message) = 0;
    // Ends the program without unloading the window: the event loop ends
    // with that status once the caller has returned, which it does at once.
    // Before the event loop runs (while the window loads) it does nothing,
    // and the caller's failure ends the program.
    virtual void endProgram(int status) = 0;
    // Height in device pixels of the screen that shows `window`.
    virtual double desktopHeight(const QWidget &window) const = 0;
};

class SystemPlatform final : public DialogPlatform
{
  public:
    void showMessage(QWidget *parent, const Message &message) override;
    void endProgram(int status) override;
    double desktopHeight(const QWidget &window) const override;
};
