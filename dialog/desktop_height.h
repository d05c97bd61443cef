// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

class QWidget;

// The height in device pixels of the monitor that shows `window`, as the
// window system itself counts it; nothing where it cannot tell. Qt gives a
// scaled screen's size in whole scaled pixels, which multiplied back is off by
// up to half a scale step (768 at 2.25 is 341 scaled pixels, 767.25 device
// pixels): only the window system knows the true count.
//
// X11 answers with the RandR monitor Qt made the window's screen from,
// Wayland with the current mode of the window's output, Windows with the size
// of the monitor the window is on.
std::optional<int> monitorPixelHeight(const QWidget &window);
