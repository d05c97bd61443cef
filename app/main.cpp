#include "dialog_platform.h"
#include "frm_config.h"
#include "window_system.h"

#include <QApplication>
#include <QDir>
#include <QStyle>

int main(int argc, char *argv[])
{
    const QByteArray windowSystem =
        preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (!windowSystem.isEmpty())
        qputenv("QT_QPA_PLATFORM", windowSystem);
    QApplication app(argc, argv);
    // The window is drawn to its own design, not to the desktop's theme.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    SystemPlatform platform;
    frmConfig window(platform, QDir(QCoreApplication::applicationDirPath()).filePath(SettingsFileName));
    if (!window.Form_Load())
        return 1;
    window.showCentred();
    return app.exec();
}
