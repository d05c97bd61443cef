#pragma once

#include "settings_file.h"

#include <QStringList>

#include <optional>

// The tool's command line, for scripts, packagers and players without a
// desktop. It reads and saves the same settings file as the window, with the
// same rules, and touches no window system.
//
// Returns the exit status when `arguments` (without the program's name) ask
// for a command-line mode, or nothing when there are none and the window is
// to be shown.
std::optional<int> runCommandLine(const QStringList &arguments, const SettingsFile &settings);
