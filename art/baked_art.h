// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QList>
#include <QStringView>

// The pictures of art/, decoded by Qt's own readers when the program was
// built: showing them needs no image reader or plugin at start-up. Every
// image of the named file (as "skin.gif"), in the file's order; none for a
// name the program does not carry. A picture of no more than 256 colours
// comes with a palette: converted to the format the reader gives, its pixels
// are the reader's. The images read the executable's data in place.
QList<QImage> bakedArt(QStringView fileName);
