// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "standard_streams.h"

#include <QString>

#include <windows.h>

// The C runtime keeps the numbers 0 to 2 for the standard streams whether or
// not the program was given them: nothing else can take them.
void reserveStandardStreams() {}

bool writeText(std::FILE *stream, const QString &text)
{
    const HANDLE handle = ::GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        // What the stream holds comes first. A console starts a new line at
        // a line feed.
        std::fflush(stream);
        DWORD written = 0;
        return ::WriteConsoleW(handle, reinterpret_cast<const wchar_t *>(text.utf16()), DWORD(text.size()),
                               &written, nullptr) &&
               written == DWORD(text.size());
    }
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}
