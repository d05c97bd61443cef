// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "resolution_table.h"

#include <QTest>

class TestResolutionTable : public QObject
{
    Q_OBJECT

  private slots:
    void labelForStoredWidth();
    void chosenLabelSetsBothTexts();
    void desktopFit_data();
    void desktopFit();
};

void TestResolutionTable::labelForStoredWidth()
{
    QCOMPARE(labelForWidth("640"), QStringLiteral("640x480"));
    QCOMPARE(labelForWidth("1024"), QStringLiteral("1024x768"));
    for (const char *other : {"1280", "0640", " 640", "", "640x480", "6"})
        QVERIFY2(!labelForWidth(other), other);
}

void TestResolutionTable::chosenLabelSetsBothTexts()
{
    GameSettings settings{"FALSE", "640", "400", "TRUE", "FALSE", "FALSE", "0"};
    applyChosenLabel(u"640x480", settings);
    QCOMPARE(settings.Width, QByteArray("640"));
    QCOMPARE(settings.Height, QByteArray("480"));

    applyChosenLabel(u"1024x768", settings);
    QCOMPARE(settings.Width, QByteArray("1024"));
    QCOMPARE(settings.Height, QByteArray("768"));

    // Nothing chosen: a width the table lacks is kept with its height.
    settings.Width = "1280";
    settings.Height = "1024";
    for (const char16_t *text : {u"", u"1280x1024", u"640X480"}) {
        applyChosenLabel(text, settings);
        QCOMPARE(settings.Width, QByteArray("1280"));
        QCOMPARE(settings.Height, QByteArray("1024"));
    }
}

void TestResolutionTable::desktopFit_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<Qt::CheckState>("fullscreen");
    QTest::addColumn<double>("desktopHeight");
    QTest::addColumn<bool>("warns");

    QTest::newRow("equal height fits") << "1024x768" << Qt::Unchecked << 768.0 << false;
    QTest::newRow("800x600 on 600") << "800x600" << Qt::Unchecked << 600.0 << false;
    QTest::newRow("1024x768 on 600") << "1024x768" << Qt::Unchecked << 600.0 << true;
    QTest::newRow("wide but short desktop") << "1024x768" << Qt::Unchecked << 720.0 << true;
    QTest::newRow("fullscreen never warns") << "1024x768" << Qt::Checked << 600.0 << false;
    QTest::newRow("greyed is not windowed") << "1024x768" << Qt::PartiallyChecked << 600.0 << false;
    QTest::newRow("fractional desktop") << "640x480" << Qt::Unchecked << 479.5 << true;
    QTest::newRow("nothing chosen") << "" << Qt::Unchecked << 100.0 << false;
    QTest::newRow("no three digits at the end") << "640x48a" << Qt::Unchecked << 100.0 << false;
    QTest::newRow("sign is no digit") << "x+99" << Qt::Unchecked << 10.0 << false;
}

void TestResolutionTable::desktopFit()
{
    QFETCH(QString, chosen);
    QFETCH(Qt::CheckState, fullscreen);
    QFETCH(double, desktopHeight);
    QFETCH(bool, warns);
    QCOMPARE(DesktopFitCheck(chosen, fullscreen, desktopHeight), warns);
}

QTEST_GUILESS_MAIN(TestResolutionTable)
#include "test_resolution_table.moc"
