// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "settings_file.h"

#include "file_system.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>

using namespace FileSystem;

namespace
{

QString notRegular() { return QCoreApplication::translate("SettingsFile", "it is not a regular file"); }

Outcome failed(const QString &reason) { return {Result::Failed, {reason}}; }

Outcome heldTooLong()
{
    return failed(
        QCoreApplication::translate("SettingsFile", "another program held the file for more than a second"));
}

// What another program holds (a lock, or the file itself opened without
// sharing what a step needs) is waited for, but not for long: any user who
// may read the file may hold it, and the player is waiting. One read or save
// waits for a second at most, all its waits together.
class Patience
{
  public:
    template <typename Step> Outcome waitFor(Step step)
    {
        Outcome outcome = step();
        while (outcome.result == Result::Busy && !deadline_.hasExpired()) {
            QThread::msleep(10);
            outcome = step();
        }
        return outcome;
    }

  private:
    QDeadlineTimer deadline_{1000};
};

template <typename File> Outcome writeAll(File &file, QByteArrayView bytes, qint64 at)
{
    while (!bytes.isEmpty()) {
        qsizetype written = 0;
        if (Outcome outcome = writeAt(file, bytes, at, written); !outcome.done())
            return outcome;
        if (written <= 0)
            return failed(QCoreApplication::translate("SettingsFile", "the system wrote nothing"));
        bytes = bytes.sliced(written);
        at += written;
    }
    return {};
}

// A file is read a piece at a time, so that reading one of any size takes
// little more memory than what a settings file may hold.
constexpr qsizetype ReadPiece = 64 * 1024;

// Hands `take` each piece of the file from its start, with where it starts,
// as far as a settings file may reach or until `take` says no more.
template <typename File, typename Take> Outcome readPieces(File &file, Take take)
{
    QByteArray part;
    for (qsizetype at = 0; at < MaxSettingsTextBytes; at += part.size()) {
        if (Outcome outcome = readAt(file, at, qMin(ReadPiece, MaxSettingsTextBytes - at), part);
            !outcome.done())
            return outcome;
        if (part.isEmpty() || !take(at, part))
            break;
    }
    return {};
}

// As much as a settings file may hold that can be read.
template <typename File> Outcome readAll(File &file, QByteArray &text)
{
    text.truncate(0);
    return readPieces(file, [&](qsizetype, const QByteArray &part) {
        text += part;
        return true;
    });
}

// Whether the file reads as `text` again, as far as a settings file may
// reach.
Outcome readsAgainAs(Opened &file, QByteArrayView text, bool &same)
{
    qsizetype read = 0;
    same = true;
    const Outcome outcome = readPieces(file, [&](qsizetype at, const QByteArray &part) {
        same = part.size() <= text.size() - at && text.sliced(at, part.size()) == part;
        read = at + part.size();
        return same;
    });
    same = same && read == text.size();
    return outcome;
}

// Seven values with a line end after the last, as every save writes them.
bool isWhole(const QByteArray &bytes)
{
    return (bytes.endsWith('\n') || bytes.endsWith('\r')) && parseSettings(bytes).settings;
}

// Another program may rewrite the file while it is read, without a lock (a
// game writing its defaults, a sync tool): what is read counts only when a
// second read gives the same bytes, as many as the file holds, and the file's
// size and change time stayed as they were. A writer that paused halfway
// leaves a file that reads the same twice but is cut short, and its change
// time is no help (Linux may leave it as it was for seconds while a file is
// rewritten): a content that is not whole counts only once it has read the
// same for 0.3 seconds. A file that does not settle within half a second is
// refused rather than taken cut.
ParseResult readSettled(Opened &file)
{
    constexpr qint64 StillFor = 300, SettleFor = 500;
    QByteArray text;
    QByteArray unsettled; // the digest of a content read alike twice that is not whole
    QElapsedTimer still, settling;
    settling.start();
    for (bool first = true; first || !settling.hasExpired(SettleFor); first = false) {
        if (!first)
            QThread::msleep(10);
        State before, after;
        bool same = false;
        Outcome outcome = stateOf(file, before);
        if (outcome.done()) {
            text.reserve(qMin(before.size, MaxSettingsTextBytes)); // room once, not grown piece by piece
            outcome = readAll(file, text);
        }
        if (outcome.done())
            outcome = readsAgainAs(file, text, same);
        if (outcome.done())
            outcome = stateOf(file, after);
        if (!outcome.done())
            return {std::nullopt, outcome.error};
        if (before == after && same && text.size() == qMin(before.size, MaxSettingsTextBytes)) {
            if (isWhole(text))
                return parseSettings(text);
            const QByteArray digest = QCryptographicHash::hash(text, QCryptographicHash::Sha256);
            if (digest == unsettled && still.elapsed() >= StillFor)
                return parseSettings(text);
            if (digest != unsettled) {
                unsettled = digest;
                still.start();
            }
        }
    }
    return {std::nullopt,
            {QCoreApplication::translate("SettingsFile", "the file kept changing while it was read")}};
}

ParseResult readFound(const Found &found, Patience &patience)
{
    if (!found.regular)
        return {std::nullopt, {notRegular()}};
    std::unique_ptr<Opened> file;
    if (const Outcome outcome = patience.waitFor([&] { return open(found, Access::Read, file); });
        !outcome.done())
        return {std::nullopt, outcome.error};
    // A save in place is waited for, so that the file is not read half
    // written; others may read it at the same time.
    patience.waitFor([&] { return tryLock(*file, Lock::Shared); });
    return readSettled(*file);
}

// Room for `bytes` in the file, so that a full disk is found before the old
// content is touched. Where the file system cannot reserve room (ntfs-3g,
// exFAT, Windows), the part of the new content beyond the old end is written
// first, and cut off again when it does not fit.
Outcome makeRoom(Opened &file, QByteArrayView bytes, qint64 size)
{
    const Outcome reserved = reserve(file, bytes.size());
    if (reserved.result != Result::Unsupported)
        return reserved;
    if (bytes.size() <= size)
        return {};
    Outcome grown = writeAll(file, bytes.sliced(size), size);
    if (grown.result == Result::Refused && size > 0) {
        // Some file systems (fusefat) refuse a write that starts at the end:
        // the growth is written from the old last byte, written again as it was.
        QByteArray last;
        if (readAt(file, size - 1, 1, last).done() && last.size() == 1)
            grown = writeAll(file, last.append(bytes.sliced(size)), size - 1);
    }
    if (!grown.done()) {
        if (Outcome cut = truncate(file, size); !cut.done())
            return cut;
    }
    return grown;
}

// Rewrites the file opened for writing: a full disk is found before the old
// content is touched, but a save killed midway can tear it.
Outcome writeInPlace(Opened &file, QByteArrayView bytes, Patience &patience)
{
    // Reads take turns with it, so that none finds it half written. Another
    // program's lock is waited for as long as the save may wait, and then
    // left to it: on Windows a locked file could not be written anyway.
    if (patience.waitFor([&] { return tryLock(file, Lock::Exclusive); }).result == Result::Busy)
        return heldTooLong();
    State state;
    if (Outcome outcome = stateOf(file, state); !outcome.done())
        return outcome;
    if (Outcome outcome = makeRoom(file, bytes, state.size); !outcome.done())
        return outcome;
    if (Outcome outcome = writeAll(file, bytes, 0); !outcome.done())
        return outcome;
    // Only a longer old content is cut: some file systems (fusefat) refuse to
    // set a size that is not smaller.
    if (state.size > bytes.size()) {
        if (Outcome outcome = truncate(file, bytes.size()); !outcome.done())
            return outcome;
    }
    return sync(file);
}

// A new file beside the found one, given what the old file has (if there is
// one), holding `bytes`, made durable and put in its place in one step:
// either the old file stays byte for byte or the new one is whole, and the
// settings file's name never lacks a file. The new file is held until then,
// and taken away again on any failure.
Outcome replaceWithNew(const Found &found, Opened *old, QByteArrayView bytes, Patience &patience)
{
    const TemporaryNames names(found.name);
    std::unique_ptr<NewFile> made;
    Outcome outcome;
    // Another save, or another program, may hold a name: another is tried.
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Kept private until it is given the old file's owner, ACL and mode.
        outcome = makeNew(found, names.next(), old != nullptr, made);
        if (outcome.result != Result::Busy)
            break;
    }
    if (outcome.result == Result::Busy)
        return {Result::Failed, outcome.error};
    if (!outcome.done())
        return outcome;
    if (old) {
        if (outcome = copyIdentity(*old, *made); !outcome.done())
            return outcome;
    }
    if (outcome = writeAll(*made, bytes, 0); !outcome.done())
        return outcome;
    if (outcome = sync(*made); !outcome.done())
        return outcome;
    return patience.waitFor([&] { return replace(found, old, *made); });
}

Outcome save(const Found &found, QByteArrayView bytes, Patience &patience)
{
    if (found.missing)
        return replaceWithNew(found, nullptr, bytes, patience);
    if (!found.regular)
        return failed(notRegular());
    // Opening it for writing asks the system whether this user may write it;
    // a file they may not write is not replaced either.
    std::unique_ptr<Opened> file;
    if (Outcome outcome = patience.waitFor([&] { return open(found, Access::Write, file); }); !outcome.done())
        return outcome;
    // A new file would part it from its other names.
    if (file->links > 1)
        return writeInPlace(*file, bytes, patience);
    const Outcome replaced = replaceWithNew(found, file.get(), bytes, patience);
    // A new file that may not be made beside it, or not be made like it (its
    // owner, mode, ACL, attributes), or not be put in its place (another
    // program holds it without letting it be replaced, its ACL forbids that,
    // it is a mount point): the file is written in place, changing no more
    // than its content.
    if (replaced.result == Result::Refused || replaced.result == Result::Busy)
        return writeInPlace(*file, bytes, patience);
    return replaced;
}

// A save that is killed before its new file is in place leaves it behind.
// Only a file that no running save holds is taken away: every save holds its
// new file from the start, for as long as it runs. This runs only once a
// save has put the settings in place, so what it takes away is never the
// only copy of the settings.
void removeLeftovers(const Found &found)
{
    const TemporaryNames names(found.name);
    for (const Path &name : namesBeside(found)) {
        std::unique_ptr<Leftover> leftover;
        if (names.isOurs(name) && take(found, name, leftover).done() && leftover->ours)
            remove(*leftover);
    }
}

std::optional<SettingsError> saveSerialized(const Found &found, QByteArrayView bytes, Patience &patience)
{
    if (const Outcome outcome = save(found, bytes, patience); !outcome.done())
        return outcome.error;
    // Files left by saves that were killed, after saves in place as well.
    removeLeftovers(found);
    return std::nullopt;
}

std::optional<QByteArray> serialized(const GameSettings &settings, SettingsError &error)
{
    std::optional<QByteArray> bytes = serializeSettings(settings);
    if (!bytes)
        error = {QCoreApplication::translate("SettingsFile", "a value cannot be written to the file")};
    return bytes;
}

// A save killed while the settings stood under one of the tool's own names
// (as Windows' two-step replace, which the tool once used, moved the old file
// aside before moving the new one in) leaves no settings file: the oldest
// whole file of those names goes back, the file as it was before that save.
bool putBackLeftover(const Found &found)
{
    const TemporaryNames names(found.name);
    std::unique_ptr<Leftover> oldest;
    for (const Path &name : namesBeside(found)) {
        std::unique_ptr<Leftover> leftover;
        QByteArray bytes;
        if (names.isOurs(name) && take(found, name, leftover).done() && leftover->ours &&
            readAll(*leftover, bytes).done() && isWhole(bytes) &&
            (!oldest || leftover->written < oldest->written))
            oldest = std::move(leftover);
    }
    return oldest && putBack(found, *oldest).done();
}

// Finds the settings file, putting back what a killed save left where it is missing.
Outcome locate(const Path &folder, const Path &name, std::unique_ptr<Found> &found)
{
    Outcome outcome = find(folder, name, found);
    if (!outcome.done() && found && found->missing && putBackLeftover(*found))
        outcome = find(folder, name, found);
    return outcome;
}

constexpr qsizetype TemporaryMarkLength = 16;

} // namespace

FileSystem::TemporaryNames::TemporaryNames(const Path &target) : prefix_(".")
{
    prefix_ += target;
    prefix_ += ".zunkel-config-";
}

Path FileSystem::TemporaryNames::next() const
{
    Path name = prefix_;
    name += QByteArray::number(QRandomGenerator::global()->generate64(), 16)
                .rightJustified(TemporaryMarkLength, '0')
                .toStdString();
    return name;
}

bool FileSystem::TemporaryNames::isOurs(const Path &name) const
{
    const auto &text = name.native();
    const auto &prefix = prefix_.native();
    if (text.size() != prefix.size() + TemporaryMarkLength || text.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(text.begin() + prefix.size(), text.end(),
                       [](auto c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

SettingsFile SettingsFile::besideExecutable()
{
    SettingsFile file;
    file.folder_ = FileSystem::executableFolder();
    file.name_ = SettingsFileName;
    return file;
}

SettingsFile::SettingsFile(const QString &path)
{
    const Path native = FileSystem::fromQt(path);
    folder_ = native.has_parent_path() ? native.parent_path() : Path(".");
    name_ = native.filename();
}

QString SettingsFile::displayPath() const
{
    return FileSystem::toDisplay(folder_.empty() ? name_ : folder_ / name_);
}

ParseResult SettingsFile::read() const
{
    Patience patience;
    std::unique_ptr<Found> found;
    if (const Outcome outcome = locate(folder_, name_, found); !outcome.done())
        return {std::nullopt, outcome.error};
    return readFound(*found, patience);
}

std::optional<SettingsError> SettingsFile::write(const GameSettings &settings) const
{
    Patience patience;
    SettingsError error;
    const std::optional<QByteArray> bytes = serialized(settings, error);
    if (!bytes)
        return error;
    std::unique_ptr<Found> found;
    if (const Outcome outcome = find(folder_, name_, found); !outcome.done() && !(found && found->missing))
        return outcome.error;
    return saveSerialized(*found, *bytes, patience);
}

std::optional<SettingsFile::ChangeFailure>
SettingsFile::change(const std::function<void(GameSettings &)> &edit) const
{
    Patience patience;
    std::unique_ptr<Found> found;
    std::unique_ptr<Held> held;
    // Found again while the file held is no longer the one under its name:
    // a change that held it meanwhile has put its own in place. While it
    // waits it lets go of the file, which the change holding it may have to
    // rename over (where a file that is open cannot be replaced).
    Outcome located;
    const Outcome holding = patience.waitFor([&] {
        located = locate(folder_, name_, found);
        if (!located.done())
            return Outcome{};
        const Outcome outcome = hold(*found, held);
        if (outcome.result == Result::Busy)
            found.reset();
        return outcome;
    });
    if (!located.done())
        return ChangeFailure{ChangeFailure::Part::Read, located.error};
    if (holding.result == Result::Busy)
        return ChangeFailure{ChangeFailure::Part::Save, heldTooLong().error};
    // A file that cannot be held (no locks there, or one this user may not
    // write, whose save then fails with the reason) is changed all the same.
    ParseResult read = readFound(*found, patience);
    if (!read.settings)
        return ChangeFailure{ChangeFailure::Part::Read, read.error};
    edit(*read.settings);
    SettingsError error;
    const std::optional<QByteArray> bytes = serialized(*read.settings, error);
    if (!bytes)
        return ChangeFailure{ChangeFailure::Part::Save, error};
    if (std::optional<SettingsError> saveError = saveSerialized(*found, *bytes, patience))
        return ChangeFailure{ChangeFailure::Part::Save, *saveError};
    return std::nullopt;
}
