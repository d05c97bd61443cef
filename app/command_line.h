// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "settings_file.h"

#include <QStringList>

#include <optional>

// The tool's command line, for scripts, packagers and players without a
// desktop. It reads and saves the same settings file as the window, with the
// same rules, and touches no window system. `arguments` are the program's,
// its own name first.

// Whether the arguments ask for one of the tool's options (--print, --set,
// --help, --version), which need no display. Without one they belong to the
// window, and Qt takes its own options (-platform, -style...) from them.
bool asksForCommandLineMode(const QStringList &arguments);

// Runs the option asked for; returns the exit status.
int runCommandLine(const QStringList &arguments, const SettingsFile &settings);

// For the window, once Qt has taken its own options: the exit status when
// anything else is left, having said what; nothing when the window may show.
std::optional<int> refuseWindowArguments(const QStringList &arguments);
