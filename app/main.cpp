#include "command_line.h"
#include "settings_file.h"
#include "start_tool.h"
#include "window_system.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The command line's modes need no display: they are settled before any
    // window system is touched.
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        return *runCommandLine(QCoreApplication::arguments().mid(1), SettingsFile::besideExecutable());
    }
    const QByteArray windowSystem =
        preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (!windowSystem.isEmpty())
        qputenv("QT_QPA_PLATFORM", windowSystem);
    QApplication app(argc, argv);
    return startTool();
}
