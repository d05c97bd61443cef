#include "game_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

constexpr int FieldCount = 7;

// Seven fields that each span at most MaxFieldBytes plus a two-byte line end
// always fit; reading more could only find a field that is too long anyway.
constexpr qint64 ReadLimit = FieldCount * (MaxFieldBytes + 2);

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

class FieldReader
{
  public:
    enum class Status { Ok, EndOfInput, TooLong };

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
        if (fieldEnd_ - start > MaxFieldBytes)
            return Status::TooLong;
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

    void readQuoted(QByteArray &value)
    {
        const qsizetype begin = ++pos_;
        while (!atEnd() && text_[pos_] != '"' && !isLineEnd(text_[pos_]))
            ++pos_;
        value = text_.sliced(begin, pos_ - begin).toByteArray();
        if (!atEnd() && text_[pos_] == '"') {
            ++pos_;
            skipBlanks();
            // Text after the closing quote that is not a delimiter starts the
            // next field, so the terminator is only taken when it is one.
            terminatorAllowed_ = atEnd() || text_[pos_] == ',' || isLineEnd(text_[pos_]);
        }
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
};

// QSaveFile gives its temporary file the old file's mode but ignores a
// failure to; the player's file must not come back with other permissions.
// Returns 0 or the errno of the failed change.
int keepMode(const QString &path, int fd)
{
    struct stat old {
    }, fresh{};
    if (::stat(QFile::encodeName(path).constData(), &old) != 0)
        return 0; // a new file: the default mode is right
    if (::fstat(fd, &fresh) != 0)
        return errno;
    if ((old.st_mode & 07777) != (fresh.st_mode & 07777) && ::fchmod(fd, old.st_mode & 07777) != 0)
        return errno;
    return 0;
}

// Returns 0 or the errno of the failed write.
int writeAll(int fd, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t written = ::write(fd, bytes.data(), size_t(bytes.size()));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        bytes = bytes.sliced(written);
    }
    return 0;
}

// The seven fields in file order, for reading (GameSettings) or writing (const).
template <typename Settings> auto fieldsOf(Settings &s)
{
    return std::array{&s.Fullscreen, &s.Width, &s.Height, &s.Music, &s.Filtering, &s.RenderFlat, &s.Extra};
}

constexpr QByteArrayView ByteOrderMark = "\xEF\xBB\xBF";

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
    // A quoted field runs to the next quote on its line: there is no escape.
    if (value.contains('"') || value.contains('\r') || value.contains('\n'))
        return std::nullopt;
    return '"' + value.toByteArray() + '"';
}

// A save links its finished temporary file in as "<name>.XXXXXX" and then
// renames it over the file. A save killed between the two leaves that name
// behind; the next save that succeeds clears such leftovers away.
void removeLeftoverTemporaries(const QFileInfo &target)
{
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + "\\.[A-Za-z0-9]{6}"));
    QDir directory = target.absoluteDir();
    for (const QFileInfo &entry :
         directory.entryInfoList({target.fileName() + ".??????"}, QDir::Files | QDir::Hidden)) {
        if (!entry.isSymLink() && leftover.match(entry.fileName()).hasMatch())
            directory.remove(entry.fileName());
    }
}

} // namespace

bool isFlagSet(QByteArrayView text) { return text == FlagTrue; }

QByteArray flagText(bool set) { return (set ? FlagTrue : FlagFalse).toByteArray(); }

ParseResult parseSettings(QByteArrayView text)
{
    // An editor may put a byte-order mark first; it is no part of the value,
    // and left there it would turn a "TRUE" into something else.
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
                    {QStringLiteral("the file ends after %1 of its %2 values").arg(index).arg(FieldCount)}};
        case FieldReader::Status::TooLong:
            return {std::nullopt,
                    {QStringLiteral("value %1 of the file is longer than 1 MiB").arg(index + 1)}};
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
    // A first value that begins like a byte-order mark (its file began with
    // two) would lose it to the reader: a mark of the file's own keeps it.
    if (out.startsWith(ByteOrderMark))
        out.prepend(ByteOrderMark.data(), ByteOrderMark.size());
    return out;
}

ParseResult readSettingsFile(const QString &path)
{
    // Non-blocking so that a FIFO without a writer cannot hang the open; it is
    // then refused below with every other kind of file that is not a regular one.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return {std::nullopt, {systemReason(errno)}};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {std::nullopt, {file.errorString()}};
    }
    struct stat info {
    };
    if (::fstat(fd, &info) != 0)
        return {std::nullopt, {systemReason(errno)}};
    if (!S_ISREG(info.st_mode))
        return {std::nullopt, {QStringLiteral("it is not a regular file")}};

    const QByteArray text = file.read(ReadLimit);
    if (file.error() != QFileDevice::NoError)
        return {std::nullopt, {file.errorString()}};
    return parseSettings(text);
}

std::optional<SettingsError> writeSettingsFile(const QString &path, const GameSettings &settings)
{
    const std::optional<QByteArray> bytes = serializeSettings(settings);
    if (!bytes)
        return SettingsError{QStringLiteral("a value cannot be written to the file")};

    QSaveFile file(path);
    // The fallback would truncate and rewrite the player's file in place when
    // no temporary file can be made next to it: exactly what must not happen.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return SettingsError{file.errorString()};
    // Straight to the descriptor: QSaveFile would keep a small write in its
    // buffer until commit(), which then reports success on a full disk for a
    // file it installed empty. Here every failure is seen, with its reason.
    // commit() syncs as well but ignores a failed sync, hence the own one.
    if (const int error = keepMode(path, file.handle()); error != 0) {
        file.cancelWriting();
        return SettingsError{systemReason(error)};
    }
    if (const int error = writeAll(file.handle(), *bytes); error != 0 || ::fdatasync(file.handle()) != 0) {
        const QString reason = systemReason(error != 0 ? error : errno);
        file.cancelWriting();
        return SettingsError{reason};
    }
    if (!file.commit())
        return SettingsError{file.errorString()};

    const QFileInfo target(QFileInfo(path).canonicalFilePath());
    removeLeftoverTemporaries(target);
    // Make the rename itself durable. The new content is already in place, so
    // a failure here cannot be undone and is not reported.
    const int dirFd =
        ::open(QFile::encodeName(target.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return std::nullopt;
}
