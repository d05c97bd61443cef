// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "game_settings.h"

#include <filesystem>
#include <memory>
#include <vector>

// The small steps that reading and saving the settings file ask of the
// system, each with no policy of its own: the order of the steps, the waits
// and retries, and which refusals lead to writing in place are decided once,
// by SettingsFile. Each system has its own implementation, chosen by the
// build (file_system_linux.cpp, file_system_windows.cpp).
//
// Each step that needs an earlier one takes what that step gave: a file is
// written only once opened, opened only once found.
namespace FileSystem
{

using Path = std::filesystem::path;

enum class Result {
    Done,
    // Someone else holds what the step needs, for now: worth another try soon.
    Busy,
    // The system does not let this user do it, or cannot do it here at all.
    Refused,
    // This file system has no such operation; nothing was done.
    Unsupported,
    Failed,
};

struct Outcome {
    Result result = Result::Done;
    SettingsError error;

    bool done() const { return result == Result::Done; }
};

// The settings file, once the links on the way to it are followed: the
// folder that holds it stays held, so that later steps reach the same one.
struct Found {
    virtual ~Found() = default;
    // Its own name in the folder that holds it.
    Path name;
    // Nothing has that name: a new file may be made in its place.
    bool missing = false;
    bool regular = false;
};

// The file that was found, opened for reading or writing.
struct Opened {
    virtual ~Opened() = default;
    // How many names it has.
    quint64 links = 1;
};

// A new file beside the settings file, held for as long as it lives, and
// taken away again when it goes, unless it was put in place.
struct NewFile {
    virtual ~NewFile() = default;
};

// A file of the tool's name form beside the settings file, held so that no
// save takes it meanwhile.
struct Leftover {
    virtual ~Leftover() = default;
    // A regular file that the running user owns: only such files can be the
    // tool's own.
    bool ours = false;
    // When it was last written, comparable with the others beside it.
    qint64 written = 0;
};

// Held while one change of the settings (read, changed, saved) runs, so that
// another change of the same file waits for it.
struct Held {
    virtual ~Held() = default;
};

// What tells one content of an opened file from the next: its size and when
// it last changed, as the system counts time.
struct State {
    qint64 size = 0;
    qint64 changed = 0;

    friend bool operator==(const State &, const State &) = default;
};

// The folder that holds the running executable, or empty when it cannot be found.
Path executableFolder();
// A path as Qt spells it, as the system does.
Path fromQt(const QString &path);
// A path as a message shows it to the player.
QString toDisplay(const Path &path);
// The C library's reason for an errno value, as the player reads it.
QString errnoReason(int error);

// Finds `name` in `folder`, following links only where the system's rules let
// this user. Fails with `missing` set when nothing has that name.
Outcome find(const Path &folder, const Path &name, std::unique_ptr<Found> &found);

enum class Access { Read, Write };
// Busy while another program holds the file in a way that keeps this access out.
Outcome open(const Found &found, Access access, std::unique_ptr<Opened> &opened);
enum class Lock { Shared, Exclusive };
// Busy while another lock stands in the way; Unsupported where there are none.
Outcome tryLock(Opened &file, Lock lock);
// At most `limit` bytes from `at`.
Outcome readAt(Opened &file, qint64 at, qsizetype limit, QByteArray &bytes);
Outcome stateOf(Opened &file, State &state);
// Room for `size` bytes, without changing the file's size.
Outcome reserve(Opened &file, qint64 size);
Outcome truncate(Opened &file, qint64 size);

// Some of `bytes` at `at`: how many is set in `written`. Refused where the
// file system does not allow a write there.
Outcome writeAt(Opened &file, QByteArrayView bytes, qint64 at, qsizetype &written);
Outcome writeAt(NewFile &file, QByteArrayView bytes, qint64 at, qsizetype &written);
// The content made durable; for a new file, all that it was given as well.
Outcome sync(Opened &file);
Outcome sync(NewFile &file);

// A new file of `name` beside the found one, with what the system gives new
// files, or readable by this user alone when `private_`. Busy when the name is
// taken, or held by another program. Refused when this user may not make it.
Outcome makeNew(const Found &found, const Path &name, bool private_, std::unique_ptr<NewFile> &made);
// Gives the new file what the old one has besides its content (owner, mode,
// ACL, attributes). Refused when the system refuses or cannot do it.
Outcome copyIdentity(Opened &old, NewFile &made);
// Puts the new file in place of the found one, durably. Busy while another
// program holds the old file in a way that keeps it from being replaced;
// Refused when this user may not replace it.
Outcome replace(const Found &found, Opened *old, NewFile &made);

// The names in the folder that holds the found file, where it may be listed.
std::vector<Path> namesBeside(const Found &found);
// Busy while another program, or a running save, holds it.
Outcome take(const Found &found, const Path &name, std::unique_ptr<Leftover> &leftover);
Outcome readAt(Leftover &file, qint64 at, qsizetype limit, QByteArray &bytes);
// Gives it the found file's name, durably, unless something has that name now.
Outcome putBack(const Found &found, Leftover &leftover);
void remove(Leftover &leftover);

// Holds the found file for one change. Busy while another change holds it,
// or when the found file is no longer under its name; Unsupported where the
// system cannot hold it.
Outcome hold(const Found &found, std::unique_ptr<Held> &held);

// The tool's own names for the new files of saves of one settings file, which
// no player or other program would choose: a dot, the file's name,
// ".zunkel-config-" and 16 hex digits.
class TemporaryNames
{
  public:
    explicit TemporaryNames(const Path &target);
    Path next() const;
    bool isOurs(const Path &name) const;

  private:
    Path prefix_;
};

} // namespace FileSystem
