// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "settings_file.h"

// What the player is told when the settings file cannot be read or saved, in
// the window and on the command line alike.

// The file the failure is about: where the system keeps the player out, the
// file a link leads to, which is the one whoever installed the game has to
// change (a package's link beside the tool leads to the file under
// /var/games); otherwise the file as the tool names it.
QString failedPath(const SettingsFile &file, const SettingsError &error);

// For a player the system keeps out: what they can do; empty otherwise.
QString adviceFor(const SettingsError &error);
