// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QRegion>

// The window's shape from its skin picture: one one-pixel-high rectangle per
// horizontal run of pixels whose colour differs from the top-left pixel's
// (compared as 24-bit RGB, alpha ignored). Empty when every pixel has the key
// colour, and then the window is left unshaped.
QRegion BuildSkinRegion(const QImage &skin);
