#include "dialog_platform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextDocument>
#include <qpa/qplatformscreen.h>

#include <cstdlib>

void SystemPlatform::showMessage(QWidget *parent, const Message &message)
{
    QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok, parent);
    // The texts carry paths and the system's words, which are no markup: a
    // folder named "Zunkel <h1>Beta" must not turn into a heading. The text
    // format reaches only the main text, so the detail comes as rich text
    // that shows the plain one as it is.
    box.setTextFormat(Qt::PlainText);
    if (!message.detail.isEmpty())
        box.setInformativeText(Qt::convertFromPlainText(message.detail));
    box.exec();
}

void SystemPlatform::endProgram(int status)
{
    // At once, without closing the window or running further handlers.
    std::exit(status);
}

double SystemPlatform::desktopHeight() const
{
    // The screen's own pixel count: a scaled screen's logical height is
    // rounded, and multiplied back it can fall short (768 / 1.25 * 1.25 is
    // 767.5).
    return QGuiApplication::primaryScreen()->handle()->geometry().height();
}
