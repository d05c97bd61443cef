// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// The pictures as designed, and as the executable carries them: decoded when
// it was built.
#include "baked_art.h"

#include <QFile>
#include <QImageReader>
#include <QTest>

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
    const QByteArray ico = bytesOf(":/art/zunkel.ico");
    QCOMPARE(quint8(ico[4]), quint8(2)); // two images
    for (int entry = 0; entry < 2; ++entry) {
        const char *e = ico.constData() + 6 + 16 * entry;
        const int size = quint8(e[0]);
        QCOMPARE(size, entry == 0 ? 32 : 16);
        QCOMPARE(quint8(e[1]), quint8(size));
        QCOMPARE(quint8(e[6]), quint8(8)); // 8 bits a pixel: a 256-colour palette
    }
    QImageReader reader(":/art/zunkel.ico");
    QCOMPARE(reader.imageCount(), 2);
    std::set<int> sizes;
    for (int i = 0; i < 2; ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        sizes.insert(image.width());
        QCOMPARE(image.width(), image.height());
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0); // rounded corner, see-through
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }
    QCOMPARE(sizes, (std::set<int>{16, 32}));
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
