// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "standard_streams.h"

#include "console_text.h"

#include <cerrno>
#include <io.h>

// The C runtime keeps the numbers 0 to 2 for the standard streams whether or
// not the program was given them: nothing else can take them.
void reserveStandardStreams() {}

bool writeText(std::FILE *stream, const QString &text)
{
    // Whatever the C runtime still holds goes first, in its order.
    if (std::fflush(stream) != 0)
        return false;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    if (writeConsoleText(handle, {reinterpret_cast<const wchar_t *>(text.utf16()), size_t(text.size())}))
        return true;
    // The system's reason is not errno's; a closed stream or a full disk is
    // what a script meets.
    errno = GetLastError() == ERROR_DISK_FULL ? ENOSPC : EBADF;
    return false;
}
