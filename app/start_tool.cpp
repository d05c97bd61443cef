#include "start_tool.h"

#include "dialog_platform.h"
#include "frm_config.h"

#include <QApplication>
#include <QStyle>

int startTool(const std::function<void(QWidget &)> &beforeShow)
{
    // The window is drawn to its own design, not to the desktop's theme.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    SystemPlatform platform;
    frmConfig window(platform, SettingsFile::besideExecutable());
    if (!window.Form_Load())
        return 1;
    if (beforeShow)
        beforeShow(window);
    window.showCentred();
    return QApplication::exec();
}
