// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "mod_main.h"

#include <array>
#include <cstring>
#include <vector>

namespace
{

// A row of 32-bit pixels compared with the key colour, alpha ignored.
struct RgbRow {
    const QRgb *pixels;
    QRgb key;

    bool isKey(int x) const { return (pixels[x] & RGB_MASK) == key; }

    // The first pixel at or after x whose key-ness is `wantKey`, or `width`.
    // Whole runs are skipped eight pixels at a time: a skin's runs are long,
    // and this loop is most of the builder's time.
    int findNext(int x, int width, bool wantKey) const
    {
        using Lanes = quint32 __attribute__((vector_size(16)));
        const Lanes rgb = {RGB_MASK, RGB_MASK, RGB_MASK, RGB_MASK};
        const Lanes keys = {key, key, key, key};
        const auto keyLanes = [&](int at) {
            Lanes four;
            std::memcpy(&four, pixels + at, sizeof four);
            return Lanes((four & rgb) == keys);
        };
        if (wantKey) {
            for (; x + 8 <= width; x += 8) {
                const Lanes any = keyLanes(x) | keyLanes(x + 4);
                if (any[0] | any[1] | any[2] | any[3])
                    break;
            }
        } else {
            for (; x + 8 <= width; x += 8) {
                const Lanes all = keyLanes(x) & keyLanes(x + 4);
                if (!(all[0] & all[1] & all[2] & all[3]))
                    break;
            }
        }
        while (x < width && isKey(x) != wantKey)
            ++x;
        return x;
    }
};

// A row of palette indexes, with a table of the entries that have the key colour.
struct IndexedRow {
    const uchar *indexes;
    const std::array<bool, 256> *keyEntries;

    int findNext(int x, int width, bool wantKey) const
    {
        while (x < width && (*keyEntries)[indexes[x]] != wantKey)
            ++x;
        return x;
    }
};

// One rectangle per run of non-key pixels, rows top to bottom, runs left to right.
template <typename RowAt> std::vector<QRect> collectRuns(int width, int height, RowAt rowAt)
{
    std::vector<QRect> runs;
    for (int y = 0; y < height; ++y) {
        const auto row = rowAt(y);
        for (int x = 0; x < width;) {
            const int start = row.findNext(x, width, false);
            x = row.findNext(start, width, true);
            if (x > start)
                runs.emplace_back(start, y, x - start, 1);
        }
    }
    return runs;
}

} // namespace

QRegion BuildSkinRegion(const QImage &skin)
{
    if (skin.isNull())
        return {};
    std::vector<QRect> runs;
    if (skin.format() == QImage::Format_Indexed8) {
        const QList<QRgb> palette = skin.colorTable();
        const QRgb key = palette.value(skin.pixelIndex(0, 0)) & RGB_MASK;
        std::array<bool, 256> keyEntries{};
        for (int i = 0; i < palette.size() && i < 256; ++i)
            keyEntries[size_t(i)] = (palette[i] & RGB_MASK) == key;
        runs = collectRuns(skin.width(), skin.height(), [&](int y) {
            return IndexedRow{skin.constScanLine(y), &keyEntries};
        });
    } else {
        // 32-bit pixels are read as they are; other formats, premultiplied
        // alpha among them (it alters the colours), are converted once.
        const bool direct = skin.format() == QImage::Format_RGB32 || skin.format() == QImage::Format_ARGB32;
        const QImage image = direct ? skin : skin.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = image.pixel(0, 0) & RGB_MASK;
        runs = collectRuns(image.width(), image.height(), [&](int y) {
            return RgbRow{reinterpret_cast<const QRgb *>(image.constScanLine(y)), key};
        });
    }
    QRegion region;
    // The runs are already sorted top to bottom and left to right, each row
    // its own band: the form setRects takes as it is, without a union per run.
    if (!runs.empty())
        region.setRects(runs.data(), int(runs.size()));
    return region;
}
