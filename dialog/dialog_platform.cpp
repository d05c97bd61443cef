// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "dialog_platform.h"

#include "desktop_height.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextDocument>
#include <QWidget>

void SystemPlatform::showMessage(QWidget *parent, const Message &message)
{
    QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok, parent);
    // The texts carry paths and the system's words, which are no markup: a
    // folder named "Zunkel <h1>Beta" must not turn into a heading. The text
    // format reaches only the main text, so the detail comes as rich text
    // that shows the plain one as it is, free to wrap at its spaces (by
    // default every space would become a no-break one, and the box as wide
    // as the longest line).
    box.setTextFormat(Qt::PlainText);
    if (!message.detail.isEmpty())
        box.setInformativeText(Qt::convertFromPlainText(message.detail, Qt::WhiteSpaceNormal));
    box.exec();
}

void SystemPlatform::endProgram(int status)
{
    // Without closing the window or running further handlers; main's event
    // loop returns the status, and the window, the application and Qt's
    // threads are then taken down in order.
    QCoreApplication::exit(status);
}

double SystemPlatform::desktopHeight(const QWidget &window) const
{
    if (const std::optional<int> height = monitorPixelHeight(window))
        return *height;
    // Where the window system cannot tell (Qt's offscreen platform), Qt's
    // scaled height multiplied back, which is near.
    const QScreen *screen = window.screen();
    return qRound(screen->geometry().height() * screen->devicePixelRatio());
}
