// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>
#include <windows.h>

// Writes text to a standard handle as its reader expects it: to a console in
// UTF-16 (WriteConsoleW), whose own code page would turn "ゲーム" into "???";
// anywhere else (a file, a pipe) in UTF-8 with CR LF line ends, as Windows'
// own tools end lines. False, with GetLastError() set, when not all of it
// was written.
bool writeConsoleText(HANDLE handle, std::wstring_view text);
