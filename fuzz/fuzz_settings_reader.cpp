// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Fuzz target for the settings file reader. Beyond "no crash": whatever reads
// is written and read again to the same seven values, and writing it again
// gives the same bytes; and the game, which reads bytes with none of the
// tool's care, reads the written file as the same seven values too.
#include "game_reader.h"
#include "game_settings.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace
{

[[noreturn]] void fault(const char *what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ParseResult first =
        parseSettings(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!first.settings) {
        if (first.error.reason.isEmpty())
            fault("a failed read gave no reason");
        return 0;
    }
    const std::optional<QByteArray> written = serializeSettings(*first.settings);
    if (!written)
        fault("values that were read cannot be written");
    if (readAsTheGame(*written) != first.settings)
        fault("the game reads the written values differently");
    const ParseResult second = parseSettings(*written);
    if (!second.settings || !(*second.settings == *first.settings))
        fault("written values read back differently");
    if (serializeSettings(*second.settings) != written)
        fault("writing what was read back gives other bytes");
    return 0;
}
