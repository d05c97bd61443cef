// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>

class QString;

// Keeps the numbers of standard input, output and error taken when the tool
// was started with one of them closed (`zunkel-config --print >&-`):
// otherwise the next file or pipe opened, by the tool or by Qt, would get
// that number, and the output would be written into it. A closed stream stays
// one that cannot be written, so the output's failure is still reported.
void reserveStandardStreams();

// Writes text in the player's language to standard output or error
// (`stream`) as the system shows it: the locale's encoding on Linux; on
// Windows, where a console's code page is not the one programs write in,
// as Unicode to a console and in the locale's encoding to files and pipes.
// False when it was not written whole.
bool writeText(std::FILE *stream, const QString &text);
