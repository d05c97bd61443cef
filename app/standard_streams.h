// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdio>

// Keeps the numbers of standard input, output and error taken when the tool
// was started with one of them closed (`zunkel-config --print >&-`):
// otherwise the next file or pipe opened, by the tool or by Qt, would get
// that number, and the output would be written into it. A closed stream stays
// one that cannot be written, so the output's failure is still reported.
void reserveStandardStreams();

// Writes text to standard output or error (`stream`) in the encoding that
// whatever reads it expects, and flushes it; false when not all of it could
// be written (errno then says why).
bool writeText(std::FILE *stream, const QString &text);
