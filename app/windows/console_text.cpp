// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "console_text.h"

#include <string>

namespace
{

bool writeToConsole(HANDLE console, std::wstring_view text)
{
    while (!text.empty()) {
        DWORD written = 0;
        // A console takes a bounded amount per call.
        const DWORD chunk = DWORD(std::min<size_t>(text.size(), 8192));
        if (!WriteConsoleW(console, text.data(), chunk, &written, nullptr) || written == 0)
            return false;
        text.remove_prefix(written);
    }
    return true;
}

bool writeBytes(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<size_t>(bytes.size(), 1 << 20));
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

} // namespace

bool writeConsoleText(HANDLE handle, std::wstring_view text)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        SetLastError(ERROR_INVALID_HANDLE);
        return false;
    }
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode))
        return writeToConsole(handle, text);

    std::wstring lines;
    lines.reserve(text.size());
    for (const wchar_t c : text) {
        if (c == L'\n')
            lines += L'\r';
        lines += c;
    }
    std::string utf8;
    if (!lines.empty()) {
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, lines.data(), int(lines.size()), nullptr, 0, nullptr, nullptr);
        utf8.resize(size_t(size));
        WideCharToMultiByte(CP_UTF8, 0, lines.data(), int(lines.size()), utf8.data(), size, nullptr, nullptr);
    }
    return writeBytes(handle, utf8);
}
