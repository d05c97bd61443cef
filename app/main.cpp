// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "command_line.h"
#include "language.h"
#include "settings_file.h"
#include "standard_streams.h"
#include "start_tool.h"
#include "platform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    reserveStandardStreams();
    // The tool's own options need no display: they are settled before any
    // window system is touched.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (asksForCommandLineMode(arguments)) {
        QCoreApplication app(argc, argv);
        useLanguage();
        return runCommandLine(QCoreApplication::arguments(), SettingsFile::besideExecutable());
    }
    const QByteArray windowSystem = preferredPlatform();
    if (!windowSystem.isEmpty())
        qputenv("QT_QPA_PLATFORM", windowSystem);
    // Takes Qt's own options (-platform, -style...) out of the arguments.
    QApplication app(argc, argv);
    useLanguage();
    if (const std::optional<int> refused = refuseWindowArguments(QCoreApplication::arguments()))
        return *refused;
    return startTool();
}
