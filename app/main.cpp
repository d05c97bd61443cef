#include "start_tool.h"
#include "window_system.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const QByteArray windowSystem =
        preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"));
    if (!windowSystem.isEmpty())
        qputenv("QT_QPA_PLATFORM", windowSystem);
    QApplication app(argc, argv);
    return startTool();
}
