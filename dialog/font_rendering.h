#pragma once

class QString;

// Makes `family` render as on a stock desktop (grey antialiasing, slight
// hinting) whatever hinting, antialiasing or subpixel order the desktop's
// fontconfig asks for, in this process only.
void renderAlikeOnEveryDesktop(const QString &family);
