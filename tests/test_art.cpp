// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// The pictures as designed, and as the executable carries them: decoded when
// it was built.
#include "baked_art.h"

#include <QFile>
#include <QImageReader>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <set>

namespace
{

QImage load(const QString &path)
{
    QImage image(path);
    if (image.isNull())
        qFatal("cannot read %s", qPrintable(path));
    return image;
}

int distinctColours(const QImage &image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

// What Qt does not report of a GIF file: its palette's size, whether its
// first image is interlaced, and whether a palette entry is transparent.
struct GifFacts {
    int paletteSize = 0;
    bool interlaced = false;
    bool transparentEntry = false;
};

GifFacts gifFacts(const QByteArray &gif)
{
    GifFacts facts;
    qsizetype pos = 13;
    const auto flags = quint8(gif[10]);
    if (flags & 0x80) {
        facts.paletteSize = 1 << ((flags & 7) + 1);
        pos += 3 * facts.paletteSize;
    }
    while (pos + 1 < gif.size() && gif[pos] == '!') {
        // A graphic control extension carries the transparency flag.
        if (quint8(gif[pos + 1]) == 0xF9 && pos + 3 < gif.size())
            facts.transparentEntry = quint8(gif[pos + 3]) & 1;
        pos += 2;
        while (pos < gif.size() && gif[pos] != 0)
            pos += quint8(gif[pos]) + 1;
        ++pos;
    }
    facts.interlaced = pos + 9 < gif.size() && gif[pos] == ',' && (quint8(gif[pos + 9]) & 0x40);
    return facts;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestArt : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { Q_INIT_RESOURCE(art); }
    void skin();
    void previewFrame();
    void previewScreen();
    void icon();
    void carriedAsQtReadsThem();
};

void TestArt::skin()
{
    const QString path(":/art/skin.gif");
    QCOMPARE(QImageReader(path).format(), QByteArray("gif"));
    const GifFacts facts = gifFacts(bytesOf(path));
    QVERIFY(facts.interlaced);
    QVERIFY(facts.paletteSize > 0 && facts.paletteSize <= 256);
    const QImage skin = load(path);
    QCOMPARE(skin.size(), QSize(280, 180));
    QVERIFY(distinctColours(skin) <= facts.paletteSize);

    const QRgb black = qRgb(0, 0, 0);
    QCOMPARE(skin.pixel(0, 0), black);
    for (int y = 0; y < 180; ++y) {
        QCOMPARE(skin.pixel(0, y), black);
        for (int x = 275; x < 280; ++x)
            QCOMPARE(skin.pixel(x, y), black);
    }
    for (int x = 0; x < 280; ++x) {
        QCOMPARE(skin.pixel(x, 0), black);
        QCOMPARE(skin.pixel(x, 179), black);
    }
    // The panel, its rounded corners aside, has no black: black would cut a
    // hole into the window.
    for (int y = 2; y <= 175; ++y)
        for (int x = 4; x <= 274; ++x) {
            const bool nearCorner = (x < 12 || x > 266) && (y < 10 || y > 167);
            if (!nearCorner)
                QVERIFY2(skin.pixel(x, y) != black, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    // Corners are rounded: the panel's bounding corners are cut away.
    QCOMPARE(skin.pixel(4, 2), black);
    QCOMPARE(skin.pixel(274, 175), black);
    // Strips along the top edge and a detached one left of the panel.
    QVERIFY(skin.pixel(40, 1) != black);
    QCOMPARE(skin.pixel(3, 90), black);
    QVERIFY(skin.pixel(1, 90) != black);
}

void TestArt::previewFrame()
{
    const GifFacts facts = gifFacts(bytesOf(":/art/preview_frame.gif"));
    QCOMPARE(facts.paletteSize, 8);
    QVERIFY(facts.transparentEntry);
    const QImage frame = load(":/art/preview_frame.gif");
    QCOMPARE(frame.size(), QSize(131, 104));
    QVERIFY(distinctColours(frame) <= 8);
    // The screen inside the bezel is see-through, the bezel is not.
    QCOMPARE(qAlpha(frame.pixel(60, 50)), 0);
    QCOMPARE(qAlpha(frame.pixel(5, 50)), 255);
}

void TestArt::previewScreen()
{
    QCOMPARE(gifFacts(bytesOf(":/art/preview_screen.gif")).paletteSize, 256);
    const QImage screen = load(":/art/preview_screen.gif");
    QCOMPARE(screen.size(), QSize(109, 82));
    QVERIFY(distinctColours(screen) <= 256);
    QVERIFY2(distinctColours(screen) > 64, "a scene, not a flat picture");
}

void TestArt::icon()
{
    // Every size Explorer's views ask for at every scale; from 256 on PNG.
    const QList<int> expected{32, 16, 20, 24, 40, 48, 64, 256};
    const QByteArray ico = bytesOf(":/art/zunkel.ico");
    QCOMPARE(quint16(quint8(ico[4]) | quint8(ico[5]) << 8), quint16(expected.size()));
    QImageReader reader(":/art/zunkel.ico");
    QCOMPARE(reader.imageCount(), expected.size());
    const std::set<int> drawn{16, 20, 24, 32, 48};
    std::set<QRgb> drawnColours;
    for (int entry = 0; entry < expected.size(); ++entry) {
        const char *e = ico.constData() + 6 + 16 * entry;
        const int size = expected[entry];
        QCOMPARE(quint8(e[0]), quint8(size)); // 0 stands for 256
        QCOMPARE(quint8(e[1]), quint8(size));
        const quint32 offset = qFromLittleEndian<quint32>(e + 12);
        QCOMPARE(ico.mid(offset, 4) == "\x89PNG", size >= 256);
        if (size < 256)
            QCOMPARE(quint8(e[6]), quint8(8)); // 8 bits a pixel: a 256-colour palette

        QVERIFY(reader.jumpToImage(entry));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // rounded corner, see-through
        QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        // Crisp: a picture scaled up has no colour that the drawn ones lack,
        // as a smooth scaling's blends would be.
        std::set<QRgb> colours;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                colours.insert(image.pixel(x, y));
        if (drawn.contains(size))
            drawnColours.insert(colours.begin(), colours.end());
        else
            QVERIFY2(std::includes(drawnColours.begin(), drawnColours.end(), colours.begin(), colours.end()),
                     qPrintable(QString::number(size)));
    }
}

void TestArt::carriedAsQtReadsThem()
{
    for (const char *file : {"skin.gif", "preview_frame.gif", "preview_screen.gif", "zunkel.ico"}) {
        QImageReader reader(QStringLiteral(":/art/") + QLatin1StringView(file));
        const QList<QImage> carried = bakedArt(QString::fromLatin1(file));
        QCOMPARE(carried.size(), qMax(reader.imageCount(), 1));
        for (const QImage &image : carried) {
            const QImage read = reader.read();
            QVERIFY2(image.convertToFormat(read.format()) == read, file);
            reader.jumpToNextImage();
        }
    }
    QVERIFY(bakedArt(u"missing.gif").isEmpty());
}

QTEST_GUILESS_MAIN(TestArt)
#include "test_art.moc"
