// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "window_system.h"

QByteArray preferredPlatform(const QByteArray &chosenPlatform, const QByteArray &, const QByteArray &,
                             const std::function<QByteArray()> &)
{
    if (!chosenPlatform.isEmpty())
        return {};
    // The carried faces drawn by FreeType, as on Linux, rather than by
    // DirectWrite: the captions are laid out to the pixel, and the window
    // looks the same on every system.
    return "windows:fontengine=freetype";
}

QByteArray x11WindowManagerName() { return {}; }
