// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <functional>

// The Qt platform to ask for, or empty to leave Qt's own choice. A platform
// the player chose (QT_QPA_PLATFORM) is kept.
//
// On Linux: a skinned window needs a shape and must place itself, which
// Wayland does not allow a client; in a Wayland session with XWayland the
// tool runs on X11 for that, and natively on Wayland when no X server
// answers. Not so where XWayland's window manager is wlroots' (sway and the
// other wlroots compositors): it begins a move the tool asks for without
// looking at the buttons and cannot be told to cancel one, so a quick click
// could leave the window following the pointer, and sway puts X11 windows
// back where it placed them. Natively the compositor's move takes the
// press's serial. `x11WindowManager` gives the name the X server's window
// manager calls itself and is asked only there. On Windows the displays are
// not asked about.
QByteArray preferredPlatform(const QByteArray &chosenPlatform, const QByteArray &waylandDisplay,
                             const QByteArray &x11Display,
                             const std::function<QByteArray()> &x11WindowManager);

// The name the running X server's window manager gives itself, empty when
// none answers within a second (XWayland started for this call has its
// window manager a moment later). Asked only in a Wayland session.
QByteArray x11WindowManagerName();
