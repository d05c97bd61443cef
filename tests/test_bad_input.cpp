// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Broken or hostile settings files at start: each gives the seven values or a
// read failure, never a crash, a hang or memory without bound.
#include "settings_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(GameSettings)

namespace
{

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

const GameSettings Sample{"FALSE", "640", "480", "TRUE", "FALSE", "FALSE", "0"};

ParseResult readFile(const QString &path) { return SettingsFile(path).read(); }

GameSettings withExtra(QByteArray extra)
{
    GameSettings s = Sample;
    s.Extra = std::move(extra);
    return s;
}

} // namespace

class TestBadInput : public QObject
{
    Q_OBJECT

  private slots:
    void fixtures_data();
    void fixtures();
    void notRegularFiles();
    void hugeSingleLine();
};

void TestBadInput::fixtures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<std::optional<GameSettings>>("expected");

    GameSettings nul = Sample;
    nul.Width = QByteArray("6\0"
                           "40",
                           4);
    nul.Extra = QByteArray("\0\0", 2);
    GameSettings bom = Sample;
    bom.Fullscreen = "TRUE";

    QTest::newRow("empty") << "empty.cfg" << std::optional<GameSettings>();
    QTest::newRow("six lines") << "six_lines.cfg" << std::optional<GameSettings>();
    QTest::newRow("no final line end") << "no_final_line_end.cfg" << std::optional(withExtra("last"));
    QTest::newRow("NUL bytes") << "nul_bytes.cfg" << std::optional(nul);
    QTest::newRow("invalid UTF-8") << "invalid_utf8.cfg" << std::optional(withExtra("\xc3\x28\xff\xfe"));
    QTest::newRow("byte-order mark") << "utf8_bom.cfg" << std::optional(bom);
    QTest::newRow("lone CR") << "lone_cr.cfg" << std::optional(Sample);
    QTest::newRow("lone LF") << "lone_lf.cfg" << std::optional(Sample);
    // A quoted value runs on to the next quote; the seventh's is never closed.
    QTest::newRow("unclosed quotes") << "unclosed_quotes.cfg" << std::optional<GameSettings>();
    // "FALSE"x gives two values, so the file ends after six.
    QTest::newRow("quotes then text") << "quotes_then_text.cfg" << std::optional<GameSettings>();
}

void TestBadInput::fixtures()
{
    QFETCH(QString, file);
    QFETCH(std::optional<GameSettings>, expected);
    const ParseResult result = readFile(QStringLiteral(FIXTURES "/") + file);
    QCOMPARE(result.settings.has_value(), expected.has_value());
    if (expected) {
        QCOMPARE(*result.settings, *expected);
        // Whatever was read can be written and reads back the same.
        const std::optional<QByteArray> written = serializeSettings(*result.settings);
        QVERIFY(written);
        QCOMPARE(*parseSettings(*written).settings, *expected);
    } else {
        QVERIFY(!result.error.reason.isEmpty());
    }
}

void TestBadInput::notRegularFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    const QByteArray encoded = QFile::encodeName(path);

    QVERIFY(QDir(dir.path()).mkdir(SettingsFileName));
    QVERIFY(!readFile(path).settings);
    QVERIFY(QDir(dir.path()).rmdir(SettingsFileName));

    QCOMPARE(mkfifo(encoded.constData(), 0600), 0); // no writer: an open would wait for ever
    QVERIFY(!readFile(path).settings);
    QVERIFY(QFile::remove(path));

    for (const char *device : {"/dev/zero", "/dev/null", "/dev/urandom"}) {
        QVERIFY(QFile::link(device, path));
        QVERIFY2(!readFile(path).settings, device);
        QVERIFY(QFile::remove(path));
    }
}

void TestBadInput::hugeSingleLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray block(1 << 20, 'x');
    for (int i = 0; i < 100; ++i)
        QCOMPARE(file.write(block), block.size());
    file.close();

    const long before = peakKiB();
    const ParseResult result = readFile(path);
    QVERIFY(!result.settings);
    QCOMPARE(result.error.reason, QStringLiteral("value 1 of the file is longer than 1 MiB"));
    // Reading is bounded by what a settings file may hold (7 MiB), read once:
    // not the file's 100 MiB, nor a copy for each read while it settles.
    QVERIFY2(peakKiB() - before < 24 * 1024, qPrintable(QString::number(peakKiB() - before)));
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "test_bad_input.moc"
