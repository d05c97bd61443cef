// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "game_settings.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace
{

constexpr int FieldCount = 7;

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

class FieldReader
{
  public:
    enum class Status { Ok, EndOfInput, TooLong, Unclosed };

    explicit FieldReader(QByteArrayView text) : text_(text) {}

    Status next(QByteArray &value)
    {
        const qsizetype start = pos_;
        if (atEnd())
            return Status::EndOfInput;
        skipBlanks();
        if (!atEnd() && text_[pos_] == '"')
            readQuoted(value);
        else
            readUnquoted(value);
        if (value.size() > MaxFieldBytes || fieldEnd_ - start > MaxFieldBytes + MaxFieldPadding)
            return Status::TooLong;
        if (unclosed_)
            return Status::Unclosed;
        consumeTerminator();
        return Status::Ok;
    }

  private:
    bool atEnd() const { return pos_ >= text_.size(); }

    void skipBlanks()
    {
        while (!atEnd() && isBlank(text_[pos_]))
            ++pos_;
    }

    // Runs to the next quote, across line ends, as the game's own reader
    // does: a quote that is never closed leaves the file unreadable.
    void readQuoted(QByteArray &value)
    {
        const qsizetype begin = ++pos_;
        const qsizetype close = text_.indexOf('"', begin);
        if (close < 0) {
            pos_ = fieldEnd_ = text_.size();
            unclosed_ = true;
            return;
        }
        value = text_.sliced(begin, close - begin).toByteArray();
        pos_ = close + 1;
        skipBlanks();
        // Text after the closing quote that is not a delimiter starts the
        // next field, so the terminator is only taken when it is one.
        terminatorAllowed_ = atEnd() || text_[pos_] == ',' || isLineEnd(text_[pos_]);
        fieldEnd_ = pos_;
    }

    void readUnquoted(QByteArray &value)
    {
        const qsizetype begin = pos_;
        while (!atEnd() && text_[pos_] != ',' && !isLineEnd(text_[pos_]))
            ++pos_;
        qsizetype end = pos_;
        while (end > begin && isBlank(text_[end - 1]))
            --end;
        value = text_.sliced(begin, end - begin).toByteArray();
        fieldEnd_ = pos_;
    }

    void consumeTerminator()
    {
        const bool allowed = terminatorAllowed_;
        terminatorAllowed_ = true;
        if (!allowed || atEnd())
            return;
        if (text_[pos_] == ',') {
            ++pos_;
        } else if (text_[pos_] == '\r') {
            ++pos_;
            if (!atEnd() && text_[pos_] == '\n')
                ++pos_;
        } else if (text_[pos_] == '\n') {
            ++pos_;
        }
    }

    QByteArrayView text_;
    qsizetype pos_ = 0;
    qsizetype fieldEnd_ = 0;
    bool terminatorAllowed_ = true;
    bool unclosed_ = false;
};

// The seven fields in file order, for reading (GameSettings) or writing (const).
template <typename Settings> auto fieldsOf(Settings &s)
{
    return std::array{&s.Fullscreen, &s.Width, &s.Height, &s.Music, &s.Filtering, &s.RenderFlat, &s.Extra};
}

// Notepad's "Unicode": a file of two-byte characters that an 8-bit reader
// would take for values with NUL bytes in them.
constexpr std::array<QByteArrayView, 2> Utf16Marks{"\xFF\xFE", "\xFE\xFF"};

// The same without a mark, as some tools write it: NUL in every second byte
// of the first line (ASCII text in two-byte characters, either byte order).
bool isUnmarkedUtf16(QByteArrayView text)
{
    const qsizetype lineEnd = text.indexOf('\n');
    const QByteArrayView line = text.first(lineEnd < 0 ? text.size() : lineEnd + 1);
    if (line.size() < 4)
        return false;
    for (const int nulAt : {0, 1}) {
        bool alternates = true;
        for (qsizetype i = 0; i < line.size() && alternates; ++i)
            alternates = (line[i] == '\0') == (i % 2 == nulAt);
        if (alternates)
            return true;
    }
    return false;
}

bool startsWithMark(QByteArrayView text)
{
    return text.startsWith(ByteOrderMark) || text.startsWith(Utf16Marks[0]) || text.startsWith(Utf16Marks[1]);
}

bool readsBackBare(QByteArrayView value)
{
    if (value.isEmpty())
        return true;
    return !value.contains(',') && !value.contains('\r') && !value.contains('\n') && value.front() != '"' &&
           !isBlank(value.front()) && !isBlank(value.back());
}

std::optional<QByteArray> encodeField(QByteArrayView value)
{
    if (readsBackBare(value))
        return value.toByteArray();
    // A quoted field runs to the next quote: there is no escape for one.
    if (value.contains('"'))
        return std::nullopt;
    return '"' + value.toByteArray() + '"';
}

} // namespace

bool isFlagSet(QByteArrayView text) { return text == FlagTrue; }

QByteArray flagText(bool set) { return (set ? FlagTrue : FlagFalse).toByteArray(); }

ParseResult parseSettings(QByteArrayView text)
{
    const bool marked = std::any_of(Utf16Marks.begin(), Utf16Marks.end(),
                                    [&](QByteArrayView mark) { return text.startsWith(mark); });
    if (marked || isUnmarkedUtf16(text))
        return {std::nullopt, {QCoreApplication::translate("SettingsFile", "the file is UTF-16 text")}};
    // Left there, a UTF-8 mark would turn a "TRUE" into something else.
    if (text.startsWith(ByteOrderMark))
        text = text.sliced(ByteOrderMark.size());
    GameSettings settings;
    FieldReader reader(text);
    int index = 0;
    for (QByteArray *field : fieldsOf(settings)) {
        switch (reader.next(*field)) {
        case FieldReader::Status::Ok:
            break;
        case FieldReader::Status::EndOfInput:
            return {std::nullopt,
                    {QCoreApplication::translate("SettingsFile", "the file ends after %1 of its %2 values")
                         .arg(index)
                         .arg(FieldCount)}};
        case FieldReader::Status::TooLong:
            return {std::nullopt,
                    {QCoreApplication::translate("SettingsFile", "value %1 of the file is longer than 1 MiB")
                         .arg(index + 1)}};
        case FieldReader::Status::Unclosed:
            return {std::nullopt,
                    {QCoreApplication::translate("SettingsFile",
                                                 "value %1 of the file has a quote that is never closed")
                         .arg(index + 1)}};
        }
        ++index;
    }
    return {settings, {}};
}

std::optional<QByteArray> serializeSettings(const GameSettings &settings)
{
    QByteArray out;
    for (const QByteArray *field : fieldsOf(settings)) {
        const std::optional<QByteArray> encoded = encodeField(*field);
        if (!encoded)
            return std::nullopt;
        out += *encoded;
        out += "\r\n";
    }
    // A first value that begins like a byte-order mark (its file began with a
    // UTF-8 mark and then another), or a quoted first value whose NUL bytes
    // make its first line look like two-byte text (its file had a blank before
    // the quote), would be lost to this reader or refused by it. A blank
    // before it keeps it for both readers: each skips leading blanks, and
    // the file then starts with no mark and its first line with two bytes
    // that are not NUL. A mark would not do: the game reads it as text.
    if (startsWithMark(out) || isUnmarkedUtf16(out))
        out.prepend(' ');
    return out;
}
