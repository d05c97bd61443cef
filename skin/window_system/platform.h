// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "wayland_compositor.h"

#include <QByteArray>

#include <optional>

// The Qt platform the tool asks for before Qt starts, or empty to leave Qt
// its own choice. A platform the player chose (QT_QPA_PLATFORM) is kept. It
// never waits long for a display: one that does not answer soon counts as
// absent.
QByteArray preferredPlatform();

// The choice itself, from what preferredPlatform() finds: the platform the
// player chose, the Wayland compositor that answered, if any, and whether an
// X server answered (asked only where the choice depends on it).
struct Displays {
    QByteArray chosen;
    std::optional<WaylandCompositor> wayland;
    bool x11Answers = false;
};
bool choiceNeedsX11(const Displays &found);
QByteArray preferredPlatform(const Displays &found);
