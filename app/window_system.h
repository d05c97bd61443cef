// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The Qt platform to ask for, or empty to leave Qt's own choice. A platform
// the player chose (QT_QPA_PLATFORM) is kept.
//
// On Linux: a skinned window needs a shape and must place itself, which
// Wayland does not allow a client; in a Wayland session with XWayland the
// tool runs on X11 for that, and natively on Wayland when no X server
// answers. On Windows the displays are not asked about.
QByteArray preferredPlatform(const QByteArray &chosenPlatform, const QByteArray &waylandDisplay,
                             const QByteArray &x11Display);
