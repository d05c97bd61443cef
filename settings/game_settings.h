// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The game's settings file: seven text values, one per line, in this order.
// Values are kept as the bytes that were read, so that whatever the game or a
// player put there (a resolution this tool does not offer, a non-ASCII seventh
// value) is written back exactly.
struct GameSettings {
    QByteArray Fullscreen;
    QByteArray Width;
    QByteArray Height;
    QByteArray Music;
    QByteArray Filtering;
    QByteArray RenderFlat;
    QByteArray Extra;

    friend bool operator==(const GameSettings &, const GameSettings &) = default;
};

inline constexpr char SettingsFileName[] = "zunkel.cfg";
inline constexpr QByteArrayView FlagTrue = "TRUE";
inline constexpr QByteArrayView FlagFalse = "FALSE";

// A flag counts as set only when its text is exactly "TRUE".
bool isFlagSet(QByteArrayView text);
QByteArray flagText(bool set);

// A value longer than this is treated as a broken file rather than read into
// memory without bound.
inline constexpr qsizetype MaxFieldBytes = 1024 * 1024;
// What a field may hold besides its value: its quotes and a few blanks
// around them. A field that spans more is refused as too long as well.
inline constexpr qsizetype MaxFieldPadding = 16;

// An editor may put a UTF-8 byte-order mark first; it is no part of the values.
inline constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";

// A mark and seven fields of the greatest span, each with a two-byte line
// end, always fit; reading more could only find a field that is too long
// anyway.
inline constexpr qsizetype MaxSettingsTextBytes =
    ByteOrderMark.size() + 7 * (MaxFieldBytes + MaxFieldPadding + 2);

// Why a read or write failed, in words for the player.
struct SettingsError {
    QString reason;
    // The system does not let this user read or write the file: only someone
    // with more rights, or a copy in a folder of the player's own, can help.
    bool deniedToUser = false;
};

struct ParseResult {
    std::optional<GameSettings> settings;
    SettingsError error;
};

// Reads seven delimited fields: leading blanks skipped; an unquoted field ends
// at a comma or line end (CR LF, CR or LF) and loses its trailing blanks; a
// field that starts with a double quote runs to the next quote, across line
// ends, and one that is never closed makes the file unreadable. Anything
// after the seventh field is ignored. UTF-16 text, with a byte-order mark or
// without, is refused.
ParseResult parseSettings(QByteArrayView text);

// Seven CR LF terminated lines. A value is written bare when that reads back
// the same, otherwise in double quotes. Empty when a value cannot be written
// so that it reads back (it holds a quote and needs quoting: a comma, a line
// break or blanks at its ends).
std::optional<QByteArray> serializeSettings(const GameSettings &settings);
