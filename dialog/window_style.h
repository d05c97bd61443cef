// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QFont;

// Gives the whole program the window's look: Qt's Fusion style, with the
// push buttons and the framed group drawn to the design, and the carried
// face for every text, the message boxes and tooltips included, chosen for
// the language the texts are in. The fonts must be loaded first.
void useWindowStyle();

// The fonts again, for the window's scale (its device pixel ratio): some
// faces are drawn otherwise at the sizes they carry bitmaps for.
void useWindowFonts(qreal scale);

// The face of the window's title and of every push button: bold, but for
// the languages whose faces have none.
QFont captionFont();

// The face of the close button's cross, a sign rather than a word: the Latin
// caption's in every language. The East Asian faces have no cross, and the
// Latin face's, drawn as theirs are at their sizes, differs between systems.
QFont symbolFont();
