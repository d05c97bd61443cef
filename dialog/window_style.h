// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

class QFont;

// Gives the whole program the window's look: Qt's Fusion style, with the
// push buttons and the framed group drawn to the design, and the carried
// face for every text, the message boxes and tooltips included. The fonts
// must be loaded first.
void useWindowStyle();

// The bold face of the window's title and of every push button.
QFont captionFont();
