// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "game_settings.h"

#include <QStringView>
#include <Qt>

#include <array>
#include <optional>

struct Resolution {
    const char *label;
    const char *width;
    const char *height;
};

// The resolutions the game offers, in the order the chooser lists them.
inline constexpr std::array<Resolution, 5> ResolutionTable{{
    {"320x240", "320", "240"},
    {"512x384", "512", "384"},
    {"640x480", "640", "480"},
    {"800x600", "800", "600"},
    {"1024x768", "1024", "768"},
}};

// The label to show for a stored width; the stored height is not consulted.
std::optional<QString> labelForWidth(QByteArrayView storedWidth);

// Sets Width and Height from a chosen label; leaves both as they were when the
// text is no label (nothing chosen, so the stored values are kept).
void applyChosenLabel(QStringView chooserText, GameSettings &settings);

// True when a windowed game at the chosen resolution would be taller than the
// desktop. The chosen height is the text's last three digits; the desktop
// height is in device pixels, the unit of the game's resolution.
// Only an unchecked Fullscreen box (not a greyed one) counts as windowed.
bool DesktopFitCheck(QStringView chooserText, Qt::CheckState fullscreen, double desktopHeight);
