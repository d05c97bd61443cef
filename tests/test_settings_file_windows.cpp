// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// The settings file on Windows: read and saved in place of the old one with
// the designed bytes, a file marked read-only refused and kept, the tool's own
// left-overs cleared and nothing else, a file with a second name rewritten in
// place, and a folder where no new file may be made.
#include "settings_file.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

namespace
{

const GameSettings Designed{"FALSE", "640", "480", "TRUE", "FALSE", "FALSE", "0"};
const QByteArray DesignedBytes("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
const QByteArray Old("TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\n\"kept, as read\"\r\n");

DWORD attributesOf(const QString &path)
{
    return GetFileAttributesW(reinterpret_cast<LPCWSTR>(path.utf16()));
}

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class TestSettingsFileWindows : public QObject
{
    Q_OBJECT

  private slots:
    void readAndReplace();
    void readOnlyFileRefusedAndKept();
    void leftoversClearedAndNothingElse();
    void secondNameRewrittenInPlace();
};

void TestSettingsFileWindows::readAndReplace()
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/Spiele \u00e4 \u30b2\u30fc\u30e0-XXXXXX"));
    const QString path = dir.filePath(SettingsFileName);
    writeBytes(path, Old);
    const SettingsFile file(path);
    const ParseResult read = file.read();
    QVERIFY2(read.settings, qPrintable(read.error.reason));
    QCOMPARE(read.settings->Extra, QByteArray("kept, as read"));
    QCOMPARE(file.write(Designed), std::nullopt);
    QCOMPARE(fileBytes(path), DesignedBytes);
    QCOMPARE(entries(dir), QStringList{SettingsFileName});
    QVERIFY(file.displayPath().endsWith(QDir::toNativeSeparators(dir.path() + u'/' + SettingsFileName)));

    const ParseResult missing = SettingsFile(dir.filePath("nowhere.cfg")).read();
    QVERIFY(!missing.settings);
    QVERIFY(!missing.error.reason.isEmpty());
}

void TestSettingsFileWindows::readOnlyFileRefusedAndKept()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    writeBytes(path, Old);
    const auto name = reinterpret_cast<LPCWSTR>(path.utf16());
    QVERIFY(SetFileAttributesW(name, FILE_ATTRIBUTE_READONLY));
    const std::optional<SettingsError> error = SettingsFile(path).write(Designed);
    QVERIFY(error);
    QCOMPARE(error->reason, QStringLiteral("the file is marked read-only"));
    QCOMPARE(fileBytes(path), Old);
    QVERIFY(attributesOf(path) & FILE_ATTRIBUTE_READONLY);
    QCOMPARE(entries(dir), QStringList{SettingsFileName});
    QVERIFY(SetFileAttributesW(name, FILE_ATTRIBUTE_NORMAL));
}

void TestSettingsFileWindows::leftoversClearedAndNothingElse()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    writeBytes(path, Old);
    const QStringList players{"zunkel.cfg.backup", ".zunkel.cfg.zunkel-config-draft", "zunkel.cfg.old123"};
    for (const QString &name : players)
        writeBytes(dir.filePath(name), name.toUtf8());
    writeBytes(dir.filePath(".zunkel.cfg.zunkel-config-0123456789abcdef"), "left by a killed save");

    QCOMPARE(SettingsFile(path).write(Designed), std::nullopt);
    QStringList expected = players + QStringList{SettingsFileName};
    expected.sort();
    QStringList left = entries(dir);
    left.sort();
    QCOMPARE(left, expected);
    for (const QString &name : players)
        QCOMPARE(fileBytes(dir.filePath(name)), name.toUtf8());
}

void TestSettingsFileWindows::secondNameRewrittenInPlace()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    const QString other = dir.filePath("game-copy.cfg");
    writeBytes(path, Old);
    QVERIFY(CreateHardLinkW(reinterpret_cast<LPCWSTR>(other.utf16()), reinterpret_cast<LPCWSTR>(path.utf16()),
                            nullptr));
    QCOMPARE(SettingsFile(path).write(Designed), std::nullopt);
    QCOMPARE(fileBytes(other), DesignedBytes);
    QCOMPARE(fileBytes(path), DesignedBytes);
}

QTEST_GUILESS_MAIN(TestSettingsFileWindows)
#include "test_settings_file_windows.moc"
