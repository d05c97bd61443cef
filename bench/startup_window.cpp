// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Start-up harness: the tool's real window with its skin and the settings
// beside this executable, on the platform the tool chooses, shown, ending at
// its first painted frame.
#include "first_frame.h"
#include "platform.h"
#include "start_tool.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const QByteArray platform = preferredPlatform(); !platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
    QApplication app(argc, argv);
    return startTool(quitAtFirstFrame);
}
