// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "standard_streams.h"

// The C runtime keeps the numbers 0 to 2 for the standard streams whether or
// not the program was given them: nothing else can take them.
void reserveStandardStreams() {}
