// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "settings_file.h"

#include "file_system.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QThread>

#include <algorithm>

using namespace FileSystem;

namespace
{

QString notRegular() { return QCoreApplication::translate("SettingsFile", "it is not a regular file"); }

Outcome failed(const QString &reason) { return {Result::Failed, {reason}}; }

// What another program holds (a lock, or the file itself opened without
// sharing what a step needs) is waited for, but not for long: any user who
// may read the file may hold it, and the player is waiting.
template <typename Step> Outcome waitFor(Step step)
{
    Outcome outcome = step();
    for (int wait = 1; wait < 100 && outcome.result == Result::Busy; ++wait) {
        QThread::msleep(10);
        outcome = step();
    }
    return outcome;
}

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
Outcome writeInPlace(Opened &file, QByteArrayView bytes)
{
    // Reads take turns with it, so that none finds it half written.
    waitFor([&] { return tryLock(file, Lock::Exclusive); });
    qint64 size = 0;
    if (Outcome outcome = sizeOf(file, size); !outcome.done())
        return outcome;
    if (Outcome outcome = makeRoom(file, bytes, size); !outcome.done())
        return outcome;
    if (Outcome outcome = writeAll(file, bytes, 0); !outcome.done())
        return outcome;
    // Only a longer old content is cut: some file systems (fusefat) refuse to
    // set a size that is not smaller.
    if (size > bytes.size()) {
        if (Outcome outcome = truncate(file, bytes.size()); !outcome.done())
            return outcome;
    }
    return sync(file);
}

// A new file beside the found one, given what the old file has (if there is
// one), holding `bytes`, made durable and put in its place: either the old
// file stays byte for byte or the new one is whole. The new file is held
// until then, and taken away again on any failure.
Outcome replaceWithNew(const Found &found, Opened *old, QByteArrayView bytes)
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
    return waitFor([&] { return replace(found, old, *made); });
}

Outcome save(const Found &found, QByteArrayView bytes)
{
    if (found.missing)
        return replaceWithNew(found, nullptr, bytes);
    if (!found.regular)
        return failed(notRegular());
    // Opening it for writing asks the system whether this user may write it;
    // a file they may not write is not replaced either.
    std::unique_ptr<Opened> file;
    if (Outcome outcome = waitFor([&] { return open(found, Access::Write, file); }); !outcome.done())
        return outcome;
    // A new file would part it from its other names.
    if (file->links > 1)
        return writeInPlace(*file, bytes);
    const Outcome replaced = replaceWithNew(found, file.get(), bytes);
    // A new file that may not be made beside it, or not be made like it (its
    // owner, mode, ACL, attributes), or not be put in its place (another
    // program holds it without letting it be replaced, or its ACL forbids
    // that): the file is written in place, changing no more than its content.
    if (replaced.result == Result::Refused || replaced.result == Result::Busy)
        return writeInPlace(*file, bytes);
    return replaced;
}

// A save that is killed before its new file is in place leaves it behind.
// Only a file that no running save holds is taken away: every save holds its
// new file from the start, for as long as it runs.
void removeLeftovers(const Found &found)
{
    const TemporaryNames names(found.name);
    for (const Path &name : namesBeside(found)) {
        std::unique_ptr<Leftover> leftover;
        if (names.isOurs(name) && take(found, name, leftover).done() && leftover->ours)
            remove(*leftover);
    }
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
    std::unique_ptr<Found> found;
    if (const Outcome outcome = find(folder_, name_, found); !outcome.done())
        return {std::nullopt, outcome.error};
    if (!found->regular)
        return {std::nullopt, {notRegular()}};
    std::unique_ptr<Opened> file;
    if (const Outcome outcome = waitFor([&] { return open(*found, Access::Read, file); }); !outcome.done())
        return {std::nullopt, outcome.error};
    // A save in place is waited for, so that the file is not read half
    // written; others may read it at the same time.
    waitFor([&] { return tryLock(*file, Lock::Shared); });
    QByteArray text;
    while (text.size() < MaxSettingsTextBytes) {
        QByteArray part;
        if (const Outcome outcome = readAt(*file, text.size(), MaxSettingsTextBytes - text.size(), part);
            !outcome.done())
            return {std::nullopt, outcome.error};
        if (part.isEmpty())
            break;
        text += part;
    }
    return parseSettings(text);
}

std::optional<SettingsError> SettingsFile::write(const GameSettings &settings) const
{
    const std::optional<QByteArray> bytes = serializeSettings(settings);
    if (!bytes)
        return SettingsError{
            QCoreApplication::translate("SettingsFile", "a value cannot be written to the file")};
    std::unique_ptr<Found> found;
    if (const Outcome outcome = find(folder_, name_, found); !outcome.done() && !(found && found->missing))
        return outcome.error;
    if (const Outcome outcome = save(*found, *bytes); !outcome.done())
        return outcome.error;
    // Files left by saves that were killed, after saves in place as well.
    removeLeftovers(*found);
    return std::nullopt;
}
