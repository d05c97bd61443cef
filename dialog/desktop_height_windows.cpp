// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "desktop_height.h"

#include <QWidget>

#include <windows.h>

std::optional<int> monitorPixelHeight(const QWidget &window)
{
    // Qt makes the process aware of each monitor's scale, so the system
    // answers in the monitor's own pixels.
    const HMONITOR monitor =
        MonitorFromWindow(reinterpret_cast<HWND>(window.winId()), MONITOR_DEFAULTTONEAREST);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!monitor || !GetMonitorInfoW(monitor, &info))
        return std::nullopt;
    return int(info.rcMonitor.bottom - info.rcMonitor.top);
}
