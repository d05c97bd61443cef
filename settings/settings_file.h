// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "game_settings.h"

#include <filesystem>
#include <functional>

// The game's settings file on disk, named as the system names it (the bytes
// of its path on Linux, UTF-16 on Windows), so that a folder whose name is not
// valid in the locale's encoding (Latin-1 on a UTF-8 desktop) is still found.
// Each read or write opens the folder anew by that name; the working
// directory is never used.
//
// On Linux a symlink on the way to the file is followed only when the user
// running the tool owns it, or when the link's owner also owns what it leads
// to (the next link, a folder or the file); otherwise the read or write fails
// and nothing is read or written.
class SettingsFile
{
  public:
    // "zunkel.cfg" in the folder that holds the running executable. Should
    // that folder not be found, every read and write fails and says so.
    static SettingsFile besideExecutable();

    // The file at `path`, as Qt spells it.
    explicit SettingsFile(const QString &path);

    // The path as a message shows it to the player.
    QString displayPath() const;

    ParseResult read() const;

    // Writes the settings as the file's whole new content, which is synced
    // before success is reported; the file's owner, group, mode, ACL and
    // extended attributes stay as they were wherever the system lets the
    // saving user keep them.
    //
    // The file is replaced atomically by a new one made beside it (either
    // the old content stays byte for byte or the new one is complete) unless
    // that would change more than its content; then it is rewritten in place:
    // - it has other hard links;
    // - the new file cannot be given its owner and group, its ACL or its
    //   extended attributes (the system refuses or does not support it);
    // - no new file may be made in its folder, but the file may be written.
    // A file that the saving user may not write is never replaced. No file but
    // the settings file is changed; the only ones removed are the tool's own
    // temporaries, left behind by a save that was killed.
    std::optional<SettingsError> write(const GameSettings &settings) const;

    // Which part of a change failed, and why.
    struct ChangeFailure {
        enum class Part { Read, Save } part;
        SettingsError error;
    };

    // Reads the file, lets `edit` change the values and saves them as write()
    // does, holding the file throughout: another change of the same file
    // waits for this one, for a second at most, and then starts from its
    // result, so that both land (or the second fails, saying why).
    std::optional<ChangeFailure> change(const std::function<void(GameSettings &)> &edit) const;

  private:
    SettingsFile() = default;

    std::filesystem::path folder_;
    std::filesystem::path name_;
};
