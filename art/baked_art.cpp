// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "baked_art.h"

namespace
{

struct BakedImage {
    const char *file;
    int width;
    int height;
    int bytesPerLine;
    QImage::Format format;
    const uchar *bits;
    const QRgb *colours;
    int colourCount;
};

#include "baked_art.inc"

} // namespace

QList<QImage> bakedArt(QStringView fileName)
{
    QList<QImage> images;
    for (const BakedImage &baked : Baked)
        if (fileName == QLatin1StringView(baked.file)) {
            QImage image(baked.bits, baked.width, baked.height, baked.bytesPerLine, baked.format);
            image.setColorTable(QList<QRgb>(baked.colours, baked.colours + baked.colourCount));
            images << image;
        }
    return images;
}
