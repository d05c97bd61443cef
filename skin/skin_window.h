// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

class QImage;
class QLabel;
class QPixmap;
class QWidget;

// Turns `window` into a borderless window exactly the size of `skin`, shown by
// `skinBox` at its top-left corner, and cut to the skin's non-key pixels.
// Call before the window is first shown, and again when its device pixel
// ratio changes.
void ApplySkin(QWidget &window, QLabel &skinBox, const QImage &skin);

// The picture enlarged for a scaled screen pixel by pixel, without the blur
// that a label's own smooth scaling would give pixel art.
QPixmap scaledPixelArt(const QPixmap &picture, qreal ratio);
