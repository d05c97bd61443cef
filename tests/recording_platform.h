// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include "dialog_platform.h"

#include <vector>

// Records what the window asks of the desktop instead of doing it.
class RecordingPlatform final : public DialogPlatform
{
  public:
    void showMessage(QWidget *, const Message &message) override { messages.push_back(message); }
    void endProgram(int status) override { endStatuses.push_back(status); }
    double desktopHeight(const QWidget &) const override { return height; }

    std::vector<Message> messages;
    std::vector<int> endStatuses;
    double height = 768;
};
