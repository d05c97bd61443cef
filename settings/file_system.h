// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "game_settings.h"

#include <filesystem>
#include <memory>

// What reading and saving the settings file ask of the system. Each system
// has its own implementation, chosen by the build (file_system_posix.cpp,
// file_system_windows.cpp); the decisions, which file, when to write in place
// and which names are the tool's own, are made once, by SettingsFile.
namespace FileSystem
{

using Path = std::filesystem::path;

// A step that failed, and whether it failed because a new file cannot be
// made beside the old one, or not be made like it (its owner, mode, ACL,
// attributes): the system refuses it or cannot do it.
struct Failure {
    SettingsError error;
    bool newFileRefused = false;
};
using Outcome = std::optional<Failure>;

// The folder that holds the running executable, or empty when it cannot be found.
Path executableFolder();
// A path as Qt spells it, as the system does.
Path fromQt(const QString &path);
// A path as a message shows it to the player.
QString toDisplay(const Path &path);

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

// The settings file, once found, and the operations on it.
class SettingsTarget
{
  public:
    SettingsTarget();
    ~SettingsTarget();

    // Finds `name` in `folder`, following links only where the system's rules
    // let this user. When nothing has that name, fails with missing() true,
    // and a new file may be made in its place.
    Outcome find(const Path &folder, const Path &name);
    bool missing() const;
    // The file's own name in the folder that holds it, once links are followed.
    Path name() const;
    bool isRegularFile() const;

    // At most `limit` bytes of it. Others may read it at the same time; a
    // save in place is waited for, but not for long.
    Outcome read(qsizetype limit, QByteArray &bytes) const;

    // Fails when this user may not write the file.
    Outcome openForWriting();
    bool hasOtherNames() const;

    // A new file of one of `names` made beside it and given what the old file
    // has (if there is one), holding `bytes`, made durable and put in its
    // place. Either the old file stays byte for byte or the new one is whole.
    Outcome replaceWith(QByteArrayView bytes, const TemporaryNames &names);
    // The file opened for writing rewritten to `bytes`: a full disk is found
    // before the old content is touched, but a save killed midway can tear it.
    Outcome rewriteInPlace(QByteArrayView bytes);

    // Removes the files of `names` beside it that no running save holds.
    void clearLeftovers(const TemporaryNames &names) const;

  private:
    struct State;
    std::unique_ptr<State> d;
};

} // namespace FileSystem
