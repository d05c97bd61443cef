// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>

// The Wayland compositor that WAYLAND_DISPLAY names, known by the protocols
// only it offers.
enum class WaylandCompositor {
    Wlroots, // sway, and the other compositors built on wlroots
    Mutter,  // GNOME
    KWin,    // KDE Plasma
    Other,
};

// Nothing when no Wayland session is named, or its compositor does not
// answer within `bound`.
std::optional<WaylandCompositor> waylandCompositor(std::chrono::milliseconds bound);
