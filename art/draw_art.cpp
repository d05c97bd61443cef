// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Draws the tool's pictures into a folder as indexed PNG files; make-art.sh
// turns them into the GIF and ICO files that the executable carries.
// Everything is drawn without anti-aliasing, so that each picture keeps a
// small exact palette and the skin's black stays exactly where it is meant.

#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <set>

namespace
{

QColor mix(QColor a, QColor b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

bool insideRounded(int x, int y, const QRect &r, int radius)
{
    const int cx = std::clamp(x, r.left() + radius, r.right() - radius);
    const int cy = std::clamp(y, r.top() + radius, r.bottom() - radius);
    const double dx = x - cx, dy = y - cy;
    return r.contains(x, y) && dx * dx + dy * dy <= (radius + 0.25) * (radius + 0.25);
}

void fillRounded(QImage &image, const QRect &r, int radius, const std::function<QColor(int, int)> &colourAt)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (insideRounded(x, y, r, radius))
                image.setPixelColor(x, y, colourAt(x, y));
}

// A one-pixel bevel just inside the edge of a rounded shape: light where the
// shape faces up or left, dark where it faces down or right.
void bevel(QImage &image, const QRect &r, int radius, QColor light, QColor dark)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            if (!insideRounded(x, y, r, radius))
                continue;
            const bool up = !insideRounded(x, y - 1, r, radius), left = !insideRounded(x - 1, y, r, radius);
            const bool down = !insideRounded(x, y + 1, r, radius),
                       right = !insideRounded(x + 1, y, r, radius);
            if (down || right)
                image.setPixelColor(x, y, dark);
            else if (up || left)
                image.setPixelColor(x, y, light);
        }
}

void hline(QImage &image, int x1, int x2, int y, QColor c)
{
    for (int x = x1; x <= x2; ++x)
        image.setPixelColor(x, y, c);
}

void vline(QImage &image, int x, int y1, int y2, QColor c)
{
    for (int y = y1; y <= y2; ++y)
        image.setPixelColor(x, y, c);
}

// A sunken box: dark above and left, light below and right.
void recess(QImage &image, const QRect &r, QColor dark, QColor light)
{
    hline(image, r.left(), r.right(), r.top(), dark);
    vline(image, r.left(), r.top(), r.bottom(), dark);
    hline(image, r.left() + 1, r.right(), r.bottom(), light);
    vline(image, r.right(), r.top() + 1, r.bottom(), light);
}

QImage drawSkin()
{
    const QColor body(0, 64, 0), edgeLight(96, 184, 96), edgeDark(0, 24, 0);
    const QColor innerLight(40, 120, 40), innerDark(0, 40, 0);
    const QColor titleTop(120, 216, 120), titleBottom(24, 150, 24);
    QImage skin(280, 180, QImage::Format_RGB32);
    skin.fill(Qt::black);

    const QRect panel(4, 2, 271, 174); // pixels 4 to 274 across, 2 to 175 down
    fillRounded(skin, panel, 7, [&](int, int) { return body; });
    // Title band, where the icon, the title and the close button sit.
    const int titleEnd = 23;
    fillRounded(skin, panel, 7, [&](int x, int y) {
        if (y > titleEnd)
            return skin.pixelColor(x, y);
        return mix(titleTop, titleBottom, double(y - panel.top()) / (titleEnd - panel.top()));
    });
    hline(skin, 5, 273, titleEnd + 1, innerDark);
    hline(skin, 5, 273, titleEnd + 2, innerLight);
    bevel(skin, panel, 7, edgeLight, edgeDark);
    bevel(skin, panel.adjusted(1, 1, -1, -1), 6, innerLight, innerDark);

    // The recess behind the preview monitor and an etched rule above the
    // music option, in the places the window's own lines have.
    recess(skin, QRect(14, 31, 135, 108), edgeDark, innerLight);
    recess(skin, QRect(15, 32, 133, 106), innerDark, QColor(24, 96, 24));
    hline(skin, 20, 143, 146, innerDark);
    hline(skin, 20, 143, 147, innerLight);

    // Grips along the top edge and a detached runner left of the panel; the
    // picture's own outer border stays black.
    for (const auto &[x1, x2] : {std::pair{26, 64}, {72, 118}, {162, 206}, {214, 252}})
        hline(skin, x1, x2, 1, edgeLight);
    for (int x : {1, 2})
        vline(skin, x, 64, 116, x == 1 ? edgeLight : innerLight);
    return skin;
}

QImage drawPreviewFrame()
{
    const QColor clear(255, 0, 255), light(200, 210, 200), mid(150, 162, 150), dark(88, 100, 88),
        shadow(40, 48, 40), glass(16, 20, 16), led(80, 255, 80);
    QImage frame(131, 104, QImage::Format_RGB32);
    frame.fill(clear);
    const QRect bezel(0, 0, 131, 98);
    fillRounded(frame, bezel, 5, [&](int, int) { return mid; });
    bevel(frame, bezel, 5, light, shadow);
    bevel(frame, bezel.adjusted(1, 1, -1, -1), 4, light, dark);
    // The screen, where the scene shows through; its edge is the glass.
    recess(frame, QRect(10, 8, 111, 84), dark, light);
    for (int y = 9; y <= 90; ++y)
        hline(frame, 11, 119, y, clear);
    hline(frame, 111, 115, 93, glass);
    for (int y = 94; y <= 95; ++y)
        hline(frame, 112, 114, y, led);
    hline(frame, 16, 40, 94, dark);
    hline(frame, 16, 40, 95, light);
    // Neck and foot.
    for (int y = 98; y <= 100; ++y)
        hline(frame, 56, 74, y, y == 98 ? shadow : dark);
    fillRounded(frame, QRect(36, 101, 59, 3), 1, [&](int, int y) { return y == 101 ? light : mid; });
    return frame;
}

QImage drawPreviewScreen()
{
    QImage scene(109, 82, QImage::Format_RGB32);
    const QColor skyTop(20, 10, 70), skyMid(170, 40, 120), skyLow(255, 170, 60);
    const int horizon = 46;
    for (int y = 0; y < horizon; ++y) {
        const double t = double(y) / (horizon - 1);
        const QColor c = t < 0.6 ? mix(skyTop, skyMid, t / 0.6) : mix(skyMid, skyLow, (t - 0.6) / 0.4);
        hline(scene, 0, 108, y, c);
    }
    // Stars in the dark part of the sky.
    for (const auto &[x, y] :
         {std::pair{8, 4}, {23, 11}, {41, 3}, {60, 9}, {87, 5}, {99, 14}, {15, 19}, {72, 17}})
        scene.setPixelColor(x, y, QColor(255, 255, 220));
    // A striped setting sun.
    const QPoint sun(72, 34);
    for (int y = sun.y() - 16; y < horizon; ++y)
        for (int x = sun.x() - 16; x <= sun.x() + 16; ++x) {
            const int dx = x - sun.x(), dy = y - sun.y();
            if (dx * dx + dy * dy > 16 * 16 || (y > sun.y() - 4 && (y - sun.y()) % 4 == 0))
                continue;
            scene.setPixelColor(x, y,
                                mix(QColor(255, 240, 120), QColor(255, 90, 60), (y - sun.y() + 16) / 24.0));
        }
    // Two ranges of hills.
    for (int x = 0; x < 109; ++x) {
        const int far = horizon - 8 - int(6 * std::sin(x * 0.11) + 3 * std::sin(x * 0.31 + 1));
        const int near = horizon - 3 - int(5 * std::sin(x * 0.07 + 2) + 2 * std::sin(x * 0.23));
        for (int y = far; y < horizon; ++y)
            scene.setPixelColor(x, y, QColor(70, 20, 90));
        for (int y = near; y < horizon; ++y)
            scene.setPixelColor(x, y, QColor(36, 12, 56));
    }
    // The ground: a grid running to the horizon.
    for (int y = horizon; y < 82; ++y) {
        const double depth = double(y - horizon) / (82 - horizon);
        hline(scene, 0, 108, y, mix(QColor(0, 30, 10), QColor(0, 70, 20), depth));
    }
    const QColor grid(60, 255, 120);
    for (int row = 1; row < 12; ++row) {
        const int y = horizon + int(std::pow(row / 11.0, 1.8) * (82 - horizon - 1));
        hline(scene, 0, 108, y, mix(QColor(0, 90, 40), grid, double(y - horizon) / (82 - horizon)));
    }
    for (int column = -12; column <= 12; ++column) {
        for (int y = horizon; y < 82; ++y) {
            const double depth = double(y - horizon) / (82 - horizon);
            const int x = 54 + int(column * (2 + depth * 16));
            if (x >= 0 && x < 109)
                scene.setPixelColor(x, y, mix(QColor(0, 90, 40), grid, depth));
        }
    }
    // Zunkel himself: a round green fellow with big eyes, and his shadow.
    const QPoint hero(40, 66);
    for (int y = hero.y() - 9; y <= hero.y() + 9; ++y)
        for (int x = hero.x() - 9; x <= hero.x() + 9; ++x) {
            const int dx = x - hero.x(), dy = y - hero.y();
            if (dx * dx + dy * dy <= 81)
                scene.setPixelColor(x, y,
                                    mix(QColor(170, 255, 120), QColor(20, 130, 20), (dx + dy + 18) / 36.0));
        }
    hline(scene, 32, 48, 76, QColor(0, 20, 6));
    hline(scene, 34, 46, 77, QColor(0, 20, 6));
    for (int eye : {-3, 3}) {
        for (int y = 61; y <= 64; ++y)
            hline(scene, hero.x() + eye - 1, hero.x() + eye + 1, y, Qt::white);
        scene.setPixelColor(hero.x() + eye + 1, 63, Qt::black);
        scene.setPixelColor(hero.x() + eye + 1, 62, Qt::black);
    }
    hline(scene, 37, 43, 70, QColor(0, 60, 0));
    return scene;
}

// A green badge with a bold white Z, drawn for its size rather than scaled.
QImage drawIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    const QRect badge(0, 0, size, size);
    const int radius = size / 6;
    fillRounded(icon, badge, radius, [&](int, int y) {
        return mix(QColor(110, 220, 110), QColor(0, 110, 0), double(y) / (size - 1));
    });
    bevel(icon, badge, radius, QColor(190, 250, 190), QColor(0, 50, 0));
    const double u = size / 16.0;
    QPainterPath z;
    z.moveTo(4 * u, 3.5 * u);
    z.lineTo(12.5 * u, 3.5 * u);
    z.lineTo(12.5 * u, 5.5 * u);
    z.lineTo(7 * u, 10.5 * u);
    z.lineTo(12.5 * u, 10.5 * u);
    z.lineTo(12.5 * u, 12.5 * u);
    z.lineTo(3.5 * u, 12.5 * u);
    z.lineTo(3.5 * u, 10.5 * u);
    z.lineTo(9 * u, 5.5 * u);
    z.lineTo(4 * u, 5.5 * u);
    z.closeSubpath();
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillPath(z.translated(u * 0.75, u * 0.75), QColor(0, 60, 0));
    painter.fillPath(z, Qt::white);
    return icon;
}

// The icon at a size, crisp as pixel art is: the small sizes drawn for
// themselves, each larger one the largest drawn size that divides it, each
// pixel a square block.
QImage iconAt(int size)
{
    for (const int drawn : {48, 32, 24, 20, 16})
        if (size == drawn)
            return drawIcon(size);
    for (const int drawn : {32, 24, 20, 16})
        if (size % drawn == 0)
            return drawIcon(drawn).scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    std::fprintf(stderr, "no icon at %d pixels\n", size);
    std::exit(1);
}

// Converts to a palette of exactly the colours used, failing loudly when a
// picture has more than it may.
QImage indexed(const QImage &image, int maxColours, std::optional<QRgb> transparent = std::nullopt)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    if (int(colours.size()) > maxColours) {
        std::fprintf(stderr, "%d colours, at most %d allowed\n", int(colours.size()), maxColours);
        std::exit(1);
    }
    QList<QRgb> table(colours.begin(), colours.end());
    for (QRgb &c : table)
        if (transparent && qRgb(qRed(c), qGreen(c), qBlue(c)) == *transparent)
            c = qRgba(qRed(c), qGreen(c), qBlue(c), 0);
    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(table);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            out.setPixel(x, y, uint(std::distance(colours.begin(), colours.find(image.pixel(x, y)))));
    return out;
}

// One 8-bit palette image of an icon file: header, palette, pixels, mask.
QByteArray bitmapEntry(const QImage &image)
{
    QByteArray entry;
    QDataStream out(&entry, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    auto rowBytes = [](int bits) { return ((bits + 31) / 32) * 4; };
    const int w = image.width(), h = image.height();
    out << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(8) << quint32(0)
        << quint32(h * (rowBytes(w * 8) + rowBytes(w))) << qint32(0) << qint32(0) << quint32(256) << quint32(0);
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < image.colorCount() ? image.color(i) : 0;
        out << quint8(qBlue(c)) << quint8(qGreen(c)) << quint8(qRed(c)) << quint8(0);
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < rowBytes(w * 8); ++x)
            out << quint8(x < w ? image.pixelIndex(x, y) : 0);
    }
    for (int y = h - 1; y >= 0; --y) {
        QByteArray mask(rowBytes(w), 0);
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.color(image.pixelIndex(x, y))) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        out.writeRawData(mask.constData(), int(mask.size()));
    }
    return entry;
}

// An icon file: 8-bit palette images, which neither Qt nor ImageMagick
// writes (both store 32-bit colour), their transparent palette entries in
// the mask; and from 256 pixels on PNG, which Windows takes at that size.
QByteArray encodeIcon(const QList<QImage> &pictures)
{
    QList<QByteArray> entries;
    for (const QImage &picture : pictures) {
        QByteArray entry;
        if (picture.width() >= 256) {
            QBuffer buffer(&entry);
            buffer.open(QIODevice::WriteOnly);
            picture.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG", 0); // 0: the most compressed
        } else {
            entry = bitmapEntry(indexed(picture, 256));
        }
        entries.append(entry);
    }
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(pictures.size());
    quint32 offset = 6 + 16 * quint32(pictures.size());
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const bool png = pictures[i].width() >= 256;
        // 0 stands for 256 in the directory's one-byte sizes.
        out << quint8(pictures[i].width()) << quint8(pictures[i].height()) << quint8(0) << quint8(0)
            << quint16(1) << quint16(png ? 32 : 8) << quint32(entries[i].size()) << offset;
        offset += quint32(entries[i].size());
    }
    for (const QByteArray &entry : entries)
        out.writeRawData(entry.constData(), int(entry.size()));
    return file;
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool writeFile(const QByteArray &bytes, const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_art OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    // Explorer's views and every scale of Windows' screens: 16 to 48 for
    // lists and details at 100 % to 300 %, 64 and 256 for the large views.
    // The 256 one is stored as PNG, as Windows expects an icon that size. The
    // window's title shows the first, the 32 pixel one.
    QList<QImage> iconImages;
    for (const int size : {32, 16, 20, 24, 40, 48, 64, 256})
        iconImages.append(iconAt(size));
    const bool ok =
        save(indexed(drawSkin(), 256), out.filePath("skin.png")) &&
        save(indexed(drawPreviewFrame(), 8, qRgb(255, 0, 255)), out.filePath("preview_frame.png")) &&
        save(indexed(drawPreviewScreen(), 256), out.filePath("preview_screen.png")) &&
        writeFile(encodeIcon(iconImages), out.filePath("zunkel.ico"));
    // For desktops, whose icon themes take PNG at these sizes.
    bool icons = true;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icons = icons && save(iconAt(size), out.filePath(QStringLiteral("icon-%1.png").arg(size)));
    return ok && icons ? 0 : 1;
}
