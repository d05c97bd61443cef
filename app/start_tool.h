// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

// Creates the configuration window for the settings beside the executable,
// loads it, shows it and runs the event loop; returns the exit status.
// `beforeShow` lets a harness watch the window (the start-up benchmark).
int startTool(const std::function<void(QWidget &)> &beforeShow = {});
