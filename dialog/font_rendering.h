// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

class QString;

// The captions are laid out to the pixel: full hinting widens them until
// "Bilinear Filtering" loses its last letter, and a desktop without
// antialiasing makes them jagged. Both functions make the carried faces render
// as on a stock Linux desktop (grey antialiasing, slight hinting), whatever
// the desktop asks for, in this process only: each system is told so its own
// way, per face or per font.

// Called once for each face that is loaded.
void renderAlikeOnEveryDesktop(const QString &family);
// `font` as the window uses it.
QFont renderedAlike(QFont font);
