// Start-up harness: the tool's real window with its skin and the settings
// beside this executable, shown, ending at its first painted frame.
#include "dialog_platform.h"
#include "first_frame.h"
#include "frm_config.h"

#include <QApplication>
#include <QDir>
#include <QStyle>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    SystemPlatform platform;
    frmConfig window(platform, QDir(QCoreApplication::applicationDirPath()).filePath(SettingsFileName));
    if (!window.Form_Load())
        return 1;
    quitAtFirstFrame(window);
    window.showCentred();
    return app.exec();
}
