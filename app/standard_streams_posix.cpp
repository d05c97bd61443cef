// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "standard_streams.h"

#include <cerrno>
#include <fcntl.h>

void reserveStandardStreams()
{
    for (int fd = 0; fd <= 2; ++fd)
        // Opened for reading only: writing to it fails as writing to a closed
        // stream does. The lowest free number is the one just found closed.
        if (::fcntl(fd, F_GETFD) < 0 && errno == EBADF)
            ::open("/dev/null", O_RDONLY | O_NOCTTY);
}

bool writeText(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream) == size_t(bytes.size()) &&
           std::fflush(stream) == 0;
}
