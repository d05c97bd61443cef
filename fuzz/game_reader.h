// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "game_settings.h"

#include <optional>

// The settings file as the game reads it, byte for byte, with none of the
// tool's own care: no byte-order mark skipped and no UTF-16 recognised;
// leading spaces skipped; a field ends at a comma or a line end; one that
// begins with a quote runs to the next quote. Where the game's reading is
// not known (blanks at a value's end, text after a closing quote), the file
// the tool writes must not depend on it, so this reader keeps trailing
// blanks and lets such text start the next field.
inline std::optional<GameSettings> readAsTheGame(QByteArrayView text)
{
    GameSettings settings;
    qsizetype at = 0;
    const auto lineEnd = [&](qsizetype i) { return text[i] == '\r' || text[i] == '\n'; };
    for (QByteArray *field : {&settings.Fullscreen, &settings.Width, &settings.Height, &settings.Music,
                              &settings.Filtering, &settings.RenderFlat, &settings.Extra}) {
        if (at >= text.size())
            return std::nullopt;
        while (at < text.size() && text[at] == ' ')
            ++at;
        qsizetype end = at;
        if (at < text.size() && text[at] == '"') {
            end = text.indexOf('"', at + 1);
            if (end < 0)
                return std::nullopt;
            *field = text.sliced(at + 1, end - at - 1).toByteArray();
            at = ++end;
            if (at < text.size() && text[at] != ',' && !lineEnd(at))
                continue;
        } else {
            while (end < text.size() && text[end] != ',' && !lineEnd(end))
                ++end;
            *field = text.sliced(at, end - at).toByteArray();
            at = end;
        }
        if (at < text.size())
            at += text.sliced(at).startsWith("\r\n") ? 2 : 1;
    }
    return settings;
}
