#include "mod_main.h"

#include <vector>

namespace {

template <typename IsKey>
void collectRuns(const QImage &image, IsKey isKey, std::vector<QRect> &runs)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && isKey(image, x, y))
                ++x;
            const int start = x;
            while (x < width && !isKey(image, x, y))
                ++x;
            if (x > start)
                runs.emplace_back(start, y, x - start, 1);
        }
    }
}

} // namespace

QRegion BuildSkinRegion(const QImage &skin)
{
    if (skin.isNull())
        return {};
    std::vector<QRect> runs;
    if (skin.format() == QImage::Format_Indexed8) {
        // A palette picture (the shipped GIF) is compared by index: a table of
        // which palette entries have the key colour saves a lookup per pixel.
        const QList<QRgb> palette = skin.colorTable();
        const QRgb key = palette.value(skin.pixelIndex(0, 0)) & RGB_MASK;
        std::vector<bool> keyIndex(256, false);
        for (int i = 0; i < palette.size(); ++i)
            keyIndex[size_t(i)] = (palette[i] & RGB_MASK) == key;
        collectRuns(
            skin, [&](const QImage &image, int x, int y) { return keyIndex[image.constScanLine(y)[x]]; }, runs);
    } else {
        const QImage image = skin.convertToFormat(QImage::Format_RGB32);
        const QRgb key = image.pixel(0, 0) & RGB_MASK;
        collectRuns(
            image,
            [&](const QImage &img, int x, int y) {
                return (reinterpret_cast<const QRgb *>(img.constScanLine(y))[x] & RGB_MASK) == key;
            },
            runs);
    }
    QRegion region;
    // The runs are already sorted top to bottom and left to right, each row
    // its own band, which is the form setRects takes as it is.
    if (!runs.empty())
        region.setRects(runs.data(), int(runs.size()));
    return region;
}
