// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "platform.h"

bool choiceNeedsX11(const Displays &) { return false; }

QByteArray preferredPlatform(const Displays &found)
{
    if (!found.chosen.isEmpty())
        return {};
    // The carried faces drawn by FreeType, as on Linux, rather than by
    // DirectWrite: the captions are laid out to the pixel, and the window
    // looks the same on every system.
    return "windows:fontengine=freetype";
}

QByteArray preferredPlatform() { return preferredPlatform(Displays{qgetenv("QT_QPA_PLATFORM"), {}, false}); }
