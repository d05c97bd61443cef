// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "window_log.h"

Q_LOGGING_CATEGORY(windowLog, "zunkel.window", QtWarningMsg)
