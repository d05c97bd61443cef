// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// The settings file on Windows: read and saved in place of the old one with
// the designed bytes and its attributes, also in a folder of 250 characters;
// a file marked read-only refused and kept; the tool's own left-overs cleared
// and nothing else, not even a running save's new file, and the oldest whole
// one put back when the file is missing; a file with a second name, or
// held by another program that shares writing but not deleting, rewritten in
// place; one held without shared writing refused; a full disk and a link to
// nothing refused with nothing left beside the file.
#include "settings_file.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <tuple>
#include <windows.h>

namespace
{

const GameSettings Designed{"FALSE", "640", "480", "TRUE", "FALSE", "FALSE", "0"};
const QByteArray DesignedBytes("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
const QByteArray Old("TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\n\"kept, as read\"\r\n");

LPCWSTR wide(const QString &path) { return reinterpret_cast<LPCWSTR>(path.utf16()); }

DWORD attributesOf(const QString &path) { return GetFileAttributesW(wide(path)); }

// Opened as the game, a backup or a sync tool may hold it.
HANDLE hold(const QString &path, DWORD access, DWORD share, DWORD disposition = OPEN_EXISTING)
{
    return CreateFileW(wide(path), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
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
    void leftoverPutBackWhenTheFileIsMissing();
    void secondNameRewrittenInPlace();
    void heldFileWrittenInPlaceOrRefused();
    void fullDiskLeavesNothing();
    void linkToNothingRefused();
};

void TestSettingsFileWindows::readAndReplace()
{
    QTemporaryDir top(QDir::tempPath() + QStringLiteral("/Spiele \u00e4 \u30b2\u30fc\u30e0-XXXXXX"));
    // Longer than Windows allowed paths to be, once the new file's name is added.
    const QString folder = top.filePath(QString(249 - top.path().size(), u'x'));
    QCOMPARE(QDir::toNativeSeparators(folder).size(), 250);
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + u'/' + SettingsFileName;
    writeBytes(path, Old);
    QVERIFY(SetFileAttributesW(wide(path), FILE_ATTRIBUTE_HIDDEN));
    const SettingsFile file(path);
    const ParseResult read = file.read();
    QVERIFY2(read.settings, qPrintable(read.error.reason));
    QCOMPARE(read.settings->Extra, QByteArray("kept, as read"));
    QCOMPARE(file.write(Designed), std::nullopt);
    QCOMPARE(fileBytes(path), DesignedBytes);
    QVERIFY(attributesOf(path) & FILE_ATTRIBUTE_HIDDEN);
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
             QStringList{SettingsFileName});
    QCOMPARE(file.displayPath(), QDir::toNativeSeparators(path));

    const ParseResult missing = SettingsFile(folder + "/nowhere.cfg").read();
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
    // Held, as a save that runs at the same time holds its new file.
    const QString running = dir.filePath(".zunkel.cfg.zunkel-config-fedcba9876543210");
    const HANDLE held = hold(running, GENERIC_WRITE | DELETE, 0, CREATE_NEW);
    QVERIFY(held != INVALID_HANDLE_VALUE);

    const std::optional<SettingsError> error = SettingsFile(path).write(Designed);
    CloseHandle(held);
    QCOMPARE(error, std::nullopt);
    QStringList expected = players + QStringList{SettingsFileName, QFileInfo(running).fileName()};
    expected.sort();
    QStringList left = entries(dir);
    left.sort();
    QCOMPARE(left, expected);
    for (const QString &name : players)
        QCOMPARE(fileBytes(dir.filePath(name)), name.toUtf8());
}

// As Windows' two-step replace left them, killed between its steps: the old
// file under one of the tool's names, the new one under another.
void TestSettingsFileWindows::leftoverPutBackWhenTheFileIsMissing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    for (const auto &[name, bytes, age] :
         {std::tuple{"0000000000000001", DesignedBytes, 1}, std::tuple{"0000000000000002", Old, 2}}) {
        const QString leftover = dir.filePath(QStringLiteral(".zunkel.cfg.zunkel-config-") + name);
        writeBytes(leftover, bytes);
        const HANDLE file = hold(leftover, FILE_WRITE_ATTRIBUTES, 0);
        FILETIME written{};
        GetSystemTimeAsFileTime(&written);
        written.dwHighDateTime -= age;
        QVERIFY(SetFileTime(file, nullptr, nullptr, &written));
        CloseHandle(file);
    }
    const ParseResult read = SettingsFile(path).read();
    QVERIFY2(read.settings, qPrintable(read.error.reason));
    QCOMPARE(fileBytes(path), Old);
    QCOMPARE(SettingsFile(path).write(Designed), std::nullopt);
    QCOMPARE(entries(dir), QStringList{SettingsFileName});
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

void TestSettingsFileWindows::heldFileWrittenInPlaceOrRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    writeBytes(path, Old);
    // As the C runtime's fopen holds a file: it cannot be replaced, but written.
    HANDLE holder = hold(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE);
    QVERIFY(holder != INVALID_HANDLE_VALUE);
    std::optional<SettingsError> error = SettingsFile(path).write(Designed);
    CloseHandle(holder);
    QCOMPARE(error, std::nullopt);
    QCOMPARE(fileBytes(path), DesignedBytes);
    QCOMPARE(entries(dir), QStringList{SettingsFileName});

    // Not even writing shared: refused after a short wait, nothing changed.
    writeBytes(path, Old);
    holder = hold(path, GENERIC_READ, FILE_SHARE_READ);
    error = SettingsFile(path).write(Designed);
    CloseHandle(holder);
    QVERIFY(error);
    QVERIFY(!error->reason.isEmpty());
    QCOMPARE(fileBytes(path), Old);
    QCOMPARE(entries(dir), QStringList{SettingsFileName});
}

// windows_full_disk runs this under a file size limit, as a full disk would
// stop a write; without one, the long value is simply saved.
void TestSettingsFileWindows::fullDiskLeavesNothing()
{
    const qsizetype limit = qEnvironmentVariableIntValue("ZUNKEL_FILE_SIZE_LIMIT");
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    writeBytes(path, Old);
    GameSettings longer = Designed;
    longer.Extra = QByteArray(5000, 'x');
    const std::optional<SettingsError> error = SettingsFile(path).write(longer);
    QCOMPARE(bool(error), limit > 0 && limit < 5000);
    QCOMPARE(fileBytes(path), error ? Old : *serializeSettings(longer));
    QCOMPARE(entries(dir), QStringList{SettingsFileName});
}

void TestSettingsFileWindows::linkToNothingRefused()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    CreateSymbolicLinkW(wide(path), L"nowhere.cfg", SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE);
    if (!QFileInfo(path).isSymLink())
        QSKIP("no symbolic link can be made here (Wine 8 makes none, and says it did)");
    QVERIFY(SettingsFile(path).write(Designed));
    QVERIFY(QFileInfo(path).isSymLink());
    QVERIFY(!QFile::exists(dir.filePath("nowhere.cfg")));
}

QTEST_GUILESS_MAIN(TestSettingsFileWindows)
#include "test_settings_file_windows.moc"
