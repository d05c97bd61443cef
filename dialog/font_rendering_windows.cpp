// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "font_rendering.h"

// The faces are drawn by Qt's FreeType engine here (see the window system
// chosen in app/window_system_windows.cpp), which asks no desktop settings of
// a face; it takes them from each font. Left alone it would hint fully, and
// use ClearType's coloured subpixels where Windows has them on.
void renderAlikeOnEveryDesktop(const QString &) {}

QFont renderedAlike(QFont font)
{
    font.setHintingPreference(QFont::PreferVerticalHinting);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoSubpixelAntialias));
    return font;
}
