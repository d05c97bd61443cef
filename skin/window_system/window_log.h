// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// How the tool met the window system: the platform it chose and why, and what
// became of each drag. Silent unless asked for, so that a player's report can
// carry it: QT_LOGGING_RULES="zunkel.window.info=true".
Q_DECLARE_LOGGING_CATEGORY(windowLog)
