#include "dialog_platform.h"
#include "frm_config.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    SystemPlatform platform;
    frmConfig window(platform, QDir(QCoreApplication::applicationDirPath()).filePath(SettingsFileName));
    if (!window.Form_Load())
        return 1;
    window.showCentred();
    return app.exec();
}
