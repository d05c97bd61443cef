// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Saves the settings file in a folder a given number of times, as the tool's
// Save does, each time with the next counter in the seventh value. Crash tests
// kill it at chosen system calls and check what is left on disk.
// Usage: save_harness FOLDER SAVES
// Exit status: 0 done, 3 the file could not be read, 4 a save failed.
#include "settings_file.h"

#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    const SettingsFile file(QFile::decodeName(argv[1]) + u'/' + QLatin1StringView(SettingsFileName));
    const int saves = std::atoi(argv[2]);
    for (int i = 0; i < saves; ++i) {
        const ParseResult read = file.read();
        if (!read.settings) {
            std::fprintf(stderr, "cannot read: %s\n", qPrintable(read.error.reason));
            return 3;
        }
        GameSettings next = *read.settings;
        const int counter = next.Extra.toInt() + 1;
        next.Extra = QByteArray::number(counter);
        // Alternate the lengths too, so that a torn file cannot pass for a whole one.
        next.Width = counter % 2 ? "1024" : "640";
        next.Height = counter % 2 ? "768" : "480";
        if (const std::optional<SettingsError> error = file.write(next)) {
            std::fprintf(stderr, "cannot save: %s\n", qPrintable(error->reason));
            return 4;
        }
    }
    return 0;
}
