// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "window_system.h"

QByteArray preferredPlatform(const QByteArray &chosenPlatform, const QByteArray &waylandDisplay,
                             const QByteArray &x11Display)
{
    if (!chosenPlatform.isEmpty() || waylandDisplay.isEmpty() || x11Display.isEmpty())
        return {};
    // Qt tries these in turn: a DISPLAY left over from another session, with
    // no X server behind it, falls back to the Wayland compositor.
    return "xcb;wayland";
}
