// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "mod_main.h"

#include <QRandomGenerator>
#include <QTest>

namespace
{

// Pictures written as rows of characters: '.' is the colour of the top-left
// pixel when it starts the picture, any other character another colour.
QImage picture(const QStringList &rows, QImage::Format format = QImage::Format_RGB32)
{
    const QHash<QChar, QRgb> colours{
        {u'.', qRgb(0, 0, 0)}, {u'g', qRgb(0, 128, 0)}, {u'w', qRgb(255, 255, 255)}, {u'n', qRgb(0, 0, 1)}};
    QImage image(int(rows.front().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colours.value(rows[y][x]));
    return image.convertToFormat(format);
}

QRegion rects(std::initializer_list<QRect> list)
{
    QRegion region;
    for (const QRect &r : list)
        region += r;
    return region;
}

// Coverage, not rectangle lists: equal areas may be cut into rectangles differently.
bool sameCoverage(const QRegion &a, const QRegion &b) { return (a ^ b).isEmpty(); }

} // namespace

class TestModMain : public QObject
{
    Q_OBJECT

  private slots:
    void designedCases_data();
    void designedCases();
    void runsAreOnePixelHigh();
    void keyIgnoresAlpha();
    void matchesPixelTestOnRandomPictures();
};

void TestModMain::designedCases_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QRegion>("expected");

    QTest::newRow("all key gives no region") << QStringList{"...", "..."} << QRegion();
    QTest::newRow("one pixel run") << QStringList{"...", ".g.", "..."} << rects({QRect(1, 1, 1, 1)});
    QTest::newRow("hole inside") << QStringList{".....", ".ggg.", ".g.g.", ".ggg."}
                                 << rects({QRect(1, 1, 3, 3)}) - QRegion(2, 2, 1, 1);
    QTest::newRow("run to the right edge stays in its row")
        << QStringList{"..gg", "g..."} << rects({QRect(2, 0, 2, 1), QRect(0, 1, 1, 1)});
    QTest::newRow("left column key, 3 x 2")
        << QStringList{".gg", ".gg"} << rects({QRect(1, 0, 2, 1), QRect(1, 1, 2, 1)});
    QTest::newRow("key is the top-left colour, not black")
        << QStringList{"g..", "gg."} << rects({QRect(1, 0, 2, 1), QRect(2, 1, 1, 1)});
    QTest::newRow("exact colour: one step off black is kept")
        << QStringList{".n", "n."} << rects({QRect(1, 0, 1, 1), QRect(0, 1, 1, 1)});
    QTest::newRow("several runs in a row")
        << QStringList{".g.ww.g"} << rects({QRect(1, 0, 1, 1), QRect(3, 0, 2, 1), QRect(6, 0, 1, 1)});
}

void TestModMain::designedCases()
{
    QFETCH(QStringList, rows);
    QFETCH(QRegion, expected);
    for (QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_Indexed8, QImage::Format_RGB888}) {
        const QRegion region = BuildSkinRegion(picture(rows, format));
        QVERIFY2(sameCoverage(region, expected), qPrintable(QString::number(format)));
        QCOMPARE(region.isEmpty(), expected.isEmpty());
    }
}

void TestModMain::runsAreOnePixelHigh()
{
    const QRegion region = BuildSkinRegion(picture({".gg.g", "ggggg", "....."}));
    QCOMPARE(region.rectCount(), 3);
    for (const QRect &r : region)
        QCOMPARE(r.height(), 1);
}

void TestModMain::keyIgnoresAlpha()
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 255));
    image.setPixel(1, 0, qRgba(10, 20, 30, 0));
    QVERIFY(BuildSkinRegion(image).isEmpty());
}

void TestModMain::matchesPixelTestOnRandomPictures()
{
    QRandomGenerator random(4242);
    const QRgb palette[] = {qRgb(0, 0, 0), qRgb(0, 64, 0), qRgb(0, 0, 1), qRgb(255, 255, 255)};
    for (int round = 0; round < 300; ++round) {
        QImage image(1 + random.bounded(40), 1 + random.bounded(30), QImage::Format_RGB32);
        // Mostly the key, so that runs of every length and holes appear.
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, palette[random.bounded(10) < 5 ? 0 : random.bounded(4)]);
        const QRgb key = image.pixel(0, 0);
        const QRegion region =
            BuildSkinRegion(round % 2 ? image : image.convertToFormat(QImage::Format_Indexed8));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(region.contains(QPoint(x, y)), image.pixel(x, y) != key);
        QVERIFY(!region.contains(QPoint(image.width(), 0)));
    }
}

QTEST_GUILESS_MAIN(TestModMain)
#include "test_mod_main.moc"
