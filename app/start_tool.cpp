// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "start_tool.h"

#include "dialog_platform.h"
#include "frm_config.h"

#include <QApplication>

int startTool(const std::function<void(QWidget &)> &beforeShow)
{
    SystemPlatform platform;
    frmConfig window(platform, SettingsFile::besideExecutable());
    if (!window.Form_Load())
        return 1;
    if (beforeShow)
        beforeShow(window);
    window.showCentred();
    return QApplication::exec();
}
