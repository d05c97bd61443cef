#include "dialog_platform.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstdlib>

void SystemPlatform::showMessage(QWidget *parent, const Message &message)
{
    QMessageBox box(message.icon, message.title, message.text, QMessageBox::Ok, parent);
    box.setInformativeText(message.detail);
    // The texts carry paths and the system's words, which are no markup: a
    // folder named "Zunkel <h1>Beta" must not turn into a heading. Set after
    // the informative text, whose label is made only then.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void SystemPlatform::endProgram(int status)
{
    // At once, without closing the window or running further handlers.
    std::exit(status);
}

double SystemPlatform::desktopHeight() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen->geometry().height() * screen->devicePixelRatio();
}
