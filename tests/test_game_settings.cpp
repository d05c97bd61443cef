// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "settings_file.h"
#include "test_files.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <QSemaphore>
#include <QThread>

#include <csignal>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

GameSettings designedExample() { return {"FALSE", "640", "480", "TRUE", "FALSE", "FALSE", "0"}; }

ParseResult readFile(const QString &path) { return SettingsFile(path).read(); }

std::optional<SettingsError> writeFile(const QString &path, const GameSettings &settings)
{
    return SettingsFile(path).write(settings);
}

struct stat statOf(const QString &path)
{
    struct stat info {
    };
    lstat(QFile::encodeName(path).constData(), &info);
    return info;
}

// Lowers the file size limit for this process, as a full disk would stop a
// write, and puts it back afterwards.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(GameSettings)

class TestGameSettings : public QObject
{
    Q_OBJECT

  private slots:
    void parse_data();
    void parse();
    void parseFailures_data();
    void parseFailures();
    void flagsAreExactUpperCase();
    void serialize_data();
    void serialize();
    void serializeRefusesWhatCannotReadBack();
    void byteOrderMarkOnlyAtTheStart();
    void roundTripOfRandomInput();
    void readRefusesWhatIsNoRegularFile();
    void readIsBoundedOnHugeFile();
    void writeReplacesAndKeepsModeAndLink();
    void saveTouchesNoOtherFile();
    void newFileAsTheFolderMakesThem();
    void hardLinksStayOneFile();
    void anotherUsersLinksAndLeftoversAreTheirs();
    void fuseFatSavesInPlace();
    void mountsAndAppendOnlyFoldersSavedInPlace();
    void leftoverPutBackWhenTheFileIsMissing();
    void changesTakeTurnsAndLocksAreWaitedForASecond();
    void failedWriteKeepsOldFile();
    void fullDiskKeepsOldFile();
};

void TestGameSettings::parse_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<GameSettings>("expected");

    const GameSettings example = designedExample();
    QTest::newRow("as written, CR LF")
        << QByteArray("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n") << example;
    QTest::newRow("LF ends") << QByteArray("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\n0\n") << example;
    QTest::newRow("lone CR ends") << QByteArray("FALSE\r640\r480\rTRUE\rFALSE\rFALSE\r0\r") << example;
    QTest::newRow("no final line end") << QByteArray("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\n0") << example;
    QTest::newRow("lines after the seventh ignored")
        << QByteArray("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\n0\nmore\n\"x\n") << example;
    QTest::newRow("blanks around unquoted fields")
        << QByteArray(" \tFALSE \t\n640 \n\t480\nTRUE\nFALSE\nFALSE\n  0  \n") << example;
    QTest::newRow("commas split fields") << QByteArray("FALSE,640,480\nTRUE,FALSE\nFALSE\n0\n") << example;
    QTest::newRow("quoted fields") << QByteArray("\"FALSE\"\n\"640\"  \n480\nTRUE\nFALSE\nFALSE\n\"0\"\n")
                                   << example;

    GameSettings withExtra = example;
    withExtra.Extra = "hello";
    QTest::newRow("seventh value up to its comma")
        << QByteArray("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\nhello,world\n") << withExtra;
    QTest::newRow("quote then text starts the next field")
        << QByteArray("FALSE\n640\n480\nTRUE\nFALSE\n\"FALSE\"hello\n") << withExtra;
    withExtra.Extra = "a, b ";
    QTest::newRow("quoted comma and blanks kept")
        << QByteArray("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\n\"a, b \"\n") << withExtra;
    withExtra.Extra = "ab\"c";
    QTest::newRow("quote inside unquoted field is ordinary")
        << QByteArray("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\nab\"c\n") << withExtra;
    withExtra.Extra = "";
    QTest::newRow("blank line is an empty value")
        << QByteArray("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\n\n") << withExtra;
    withExtra.Extra = "a\r\nb,";
    QTest::newRow("quoted value across line ends")
        << QByteArray("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\n\"a\r\nb,\"\n") << withExtra;
    withExtra.Extra = QByteArrayLiteral("caf\xc3\xa9 \xff\x00z");
    QTest::newRow("bytes outside ASCII kept")
        << QByteArrayLiteral("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\ncaf\xc3\xa9 \xff\x00z\r\n") << withExtra;
}

void TestGameSettings::parse()
{
    QFETCH(QByteArray, text);
    QFETCH(GameSettings, expected);
    const ParseResult result = parseSettings(text);
    QVERIFY2(result.settings, qPrintable(result.error.reason));
    QCOMPARE(*result.settings, expected);
}

void TestGameSettings::parseFailures_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("reason");

    QTest::newRow("empty file") << QByteArray() << "the file ends after 0 of its 7 values";
    QTest::newRow("six lines") << QByteArray("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n")
                               << "the file ends after 6 of its 7 values";
    QTest::newRow("UTF-16, little-endian")
        << QByteArray("\xFF\xFET\0R\0U\0E\0\r\0\n\0", 14) << "the file is UTF-16 text";
    QTest::newRow("UTF-16, big-endian")
        << QByteArray("\xFE\xFF\0T\0R\0U\0E", 10) << "the file is UTF-16 text";
    QTest::newRow("UTF-16, little-endian, no mark")
        << QByteArray("T\0R\0U\0E\0\r\0\n\0", 12) << "the file is UTF-16 text";
    QTest::newRow("UTF-16, big-endian, no mark")
        << QByteArray("\0T\0R\0U\0E", 8) << "the file is UTF-16 text";
    QTest::newRow("quote never closed") << QByteArray("FALSE\n640\n\"480\nTRUE\nFALSE\nFALSE\n0\n")
                                        << "value 3 of the file has a quote that is never closed";
    QTest::newRow("field over 1 MiB")
        << QByteArray("FALSE\n640\n") + QByteArray(MaxFieldBytes + 1, 'x') + QByteArray("\nTRUE\nA\nB\nC\n")
        << "value 3 of the file is longer than 1 MiB";
}

void TestGameSettings::parseFailures()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, reason);
    const ParseResult result = parseSettings(text);
    QVERIFY(!result.settings);
    QCOMPARE(result.error.reason, reason);

    // The limit is the value's size, not more: 1 MiB itself is read, quoted
    // as well as bare.
    for (const QByteArray &quote : {QByteArray(), QByteArray("\"")}) {
        const QByteArray atLimit = "1\n2\n3\n4\n5\n6\n" + quote + QByteArray(MaxFieldBytes, 'x') + quote;
        QVERIFY(parseSettings(atLimit).settings);
    }
}

void TestGameSettings::flagsAreExactUpperCase()
{
    QVERIFY(isFlagSet("TRUE"));
    for (const char *other : {"true", "True", "TRUE ", "", "1", "FALSE"})
        QVERIFY2(!isFlagSet(other), other);
    QCOMPARE(flagText(true), QByteArray("TRUE"));
    QCOMPARE(flagText(false), QByteArray("FALSE"));
}

void TestGameSettings::serialize_data()
{
    QTest::addColumn<QByteArray>("extra");
    QTest::addColumn<QByteArray>("lastLine");

    QTest::newRow("plain value bare") << QByteArray("0") << QByteArray("0\r\n");
    QTest::newRow("empty value bare") << QByteArray() << QByteArray("\r\n");
    QTest::newRow("quote inside bare") << QByteArray("ab\"c") << QByteArray("ab\"c\r\n");
    QTest::newRow("comma quoted") << QByteArray("a,b") << QByteArray("\"a,b\"\r\n");
    QTest::newRow("leading blank quoted") << QByteArray(" a") << QByteArray("\" a\"\r\n");
    QTest::newRow("trailing tab quoted") << QByteArray("a\t") << QByteArray("\"a\t\"\r\n");
    QTest::newRow("line ends quoted") << QByteArray("a\r\nb") << QByteArray("\"a\r\nb\"\r\n");
    QTest::newRow("bytes outside ASCII as they are")
        << QByteArrayLiteral("\xe9\xff\x00") << QByteArrayLiteral("\xe9\xff\x00\r\n");
}

void TestGameSettings::serialize()
{
    QFETCH(QByteArray, extra);
    QFETCH(QByteArray, lastLine);
    GameSettings settings = designedExample();
    settings.Extra = extra;
    const std::optional<QByteArray> bytes = serializeSettings(settings);
    QVERIFY(bytes);
    QCOMPARE(*bytes, "FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n" + lastLine);
    QCOMPARE(*parseSettings(*bytes).settings, settings);
}

void TestGameSettings::serializeRefusesWhatCannotReadBack()
{
    for (const QByteArray &extra : {QByteArray("a\"\nb"), QByteArray("\"a,b\"")}) {
        GameSettings settings = designedExample();
        settings.Extra = extra;
        QVERIFY2(!serializeSettings(settings), extra.constData());
    }
}

void TestGameSettings::byteOrderMarkOnlyAtTheStart()
{
    const QByteArray bom("\xEF\xBB\xBF");
    GameSettings settings = designedExample();
    settings.Fullscreen = bom + "T\"RUE"; // read from a file that began with two marks
    settings.Extra = bom + "x";
    // The game reads bytes: a blank keeps the value from being taken for a
    // mark, which the game would read as text.
    const std::optional<QByteArray> bytes = serializeSettings(settings);
    QVERIFY(bytes);
    QVERIFY(bytes->startsWith(" " + bom + "T\"RUE\r\n"));
    QVERIFY(bytes->endsWith("\r\n" + bom + "x\r\n"));
    QCOMPARE(*parseSettings(*bytes).settings, settings);
    QCOMPARE(serializeSettings(*parseSettings(*bytes).settings), bytes);

    // A first value that begins like a UTF-16 mark is no UTF-16 file, nor is
    // one whose NUL bytes make the first line look like two-byte text.
    for (const QByteArray &first : {QByteArray("\xFF\xFEx"), QByteArray("\0A\0\nB", 5)}) {
        settings.Fullscreen = first;
        const std::optional<QByteArray> marked = serializeSettings(settings);
        QVERIFY(marked && marked->startsWith(' ') && !marked->contains(bom + first));
        QCOMPARE(*parseSettings(*marked).settings, settings);
    }
}

void TestGameSettings::roundTripOfRandomInput()
{
    // Inputs built from the bytes that matter to the reader, so that quotes,
    // commas, blanks and line ends meet in every combination.
    const QByteArray alphabet(QByteArrayLiteral("\"\", \t\r\n\nab\xe9\x00"));
    QRandomGenerator random(20261207);
    int parsed = 0;
    for (int round = 0; round < 20000; ++round) {
        QByteArray text;
        const int length = random.bounded(60);
        for (int i = 0; i < length; ++i)
            text += alphabet[random.bounded(alphabet.size())];
        const ParseResult first = parseSettings(text);
        if (!first.settings)
            continue;
        ++parsed;
        const std::optional<QByteArray> written = serializeSettings(*first.settings);
        QVERIFY2(written, text.toPercentEncoding().constData());
        const ParseResult second = parseSettings(*written);
        QVERIFY2(second.settings && *second.settings == *first.settings,
                 text.toPercentEncoding().constData());
        QCOMPARE(serializeSettings(*second.settings), written);
    }
    QVERIFY(parsed > 1000);
}

void TestGameSettings::readRefusesWhatIsNoRegularFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);

    ParseResult missing = readFile(path);
    QVERIFY(!missing.settings);
    QCOMPARE(missing.error.reason, QStringLiteral("No such file or directory"));

    QVERIFY(QDir(dir.path()).mkdir(SettingsFileName));
    QVERIFY(!readFile(path).settings);
    QVERIFY(QDir(dir.path()).rmdir(SettingsFileName));

    // A FIFO without a writer would block an ordinary open for ever.
    QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    QCOMPARE(readFile(path).error.reason, QStringLiteral("it is not a regular file"));
    QVERIFY(QFile::remove(path));

    QVERIFY(QFile::link("/dev/zero", path));
    QCOMPARE(readFile(path).error.reason, QStringLiteral("it is not a regular file"));
    QVERIFY(QFile::remove(path));

    QVERIFY(QFile::link(dir.filePath("nowhere"), path));
    QVERIFY(!readFile(path).settings);
    QVERIFY(!QFile::exists(dir.filePath("nowhere")));
    QVERIFY(QFile::remove(path));

    // A file named as a folder is none, as the system has it.
    const QByteArray old("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\nold\r\n");
    writeBytes(dir.filePath("target.cfg"), old);
    QCOMPARE(symlink("target.cfg/", QFile::encodeName(path).constData()), 0);
    QCOMPARE(readFile(path).error.reason, QStringLiteral("Not a directory"));
    QCOMPARE(writeFile(path, designedExample())->reason, QStringLiteral("Not a directory"));
    QCOMPARE(fileBytes(dir.filePath("target.cfg")), old);
}

void TestGameSettings::readIsBoundedOnHugeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write("FALSE\n640\n480\nTRUE\nFALSE\nFALSE\n0\n") > 0);
    // A sparse gigabyte of NUL bytes after the seven values: read stops early.
    QVERIFY(file.resize(qint64(1) << 30));
    file.close();
    const ParseResult afterValues = readFile(path);
    QVERIFY(afterValues.settings);
    QCOMPARE(*afterValues.settings, designedExample());

    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QVERIFY(file.resize(qint64(1) << 30));
    file.close();
    QCOMPARE(readFile(path).error.reason, QStringLiteral("value 1 of the file is longer than 1 MiB"));

    // A byte-order mark and seven values of the greatest length: the seventh
    // is read whole, not one byte short.
    QByteArray largest = ByteOrderMark.toByteArray();
    for (char value = '1'; value <= '7'; ++value)
        largest += QByteArray(MaxFieldBytes, value) + "\r\n";
    writeBytes(path, largest);
    const ParseResult full = readFile(path);
    QVERIFY2(full.settings, qPrintable(full.error.reason));
    QCOMPARE(full.settings->Extra, QByteArray(MaxFieldBytes, '7'));
}

void TestGameSettings::writeReplacesAndKeepsModeAndLink()
{
    QTemporaryDir dir;
    const QString target = dir.filePath("real.cfg");
    const QString path = dir.filePath(SettingsFileName);
    writeBytes(target, "old\n");
    QCOMPARE(chmod(QFile::encodeName(target).constData(), 0640), 0);
    QVERIFY(QFile::link(target, path));

    QCOMPARE(writeFile(path, designedExample()), std::nullopt);
    QCOMPARE(fileBytes(path), QByteArray("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n"));
    QCOMPARE(QFileInfo(path).symLinkTarget(), target);
    struct stat info {
    };
    QCOMPARE(stat(QFile::encodeName(target).constData(), &info), 0);
    QCOMPARE(info.st_mode & 07777, mode_t(0640));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 2);
}

void TestGameSettings::saveTouchesNoOtherFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    writeBytes(path, "FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
    // A player's own copies, and those beside the file a link leads to.
    QVERIFY(QDir(dir.path()).mkdir("elsewhere"));
    const QStringList players{"zunkel.cfg.backup",
                              "zunkel.cfg.old123",
                              "zunkel.cfg.before",
                              "zunkel.cfg.Ab12Cd",
                              "elsewhere/settings.txt.backup",
                              "elsewhere/settings.txt.draft1"};
    for (const QString &name : players)
        writeBytes(dir.filePath(name), name.toUtf8());

    QCOMPARE(writeFile(path, designedExample()), std::nullopt);
    QVERIFY(QFile::rename(path, dir.filePath("elsewhere/settings.txt")));
    QVERIFY(QFile::link("elsewhere/settings.txt", path));
    QCOMPARE(writeFile(path, designedExample()), std::nullopt);

    for (const QString &name : players)
        QCOMPARE(fileBytes(dir.filePath(name)), name.toUtf8());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 6);
    QCOMPARE(QDir(dir.filePath("elsewhere"))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)
                 .size(),
             3);
}

// A file deleted while the window is open is made anew on Save, with what any
// new file in its folder gets: the umask, or the folder's default ACL.
void TestGameSettings::newFileAsTheFolderMakesThem()
{
    QTemporaryDir dir;
    if (QProcess::execute("setfacl", {"-d", "-m", "u:65534:rw", dir.path()}) != 0)
        QSKIP("setfacl cannot give the folder a default ACL");
    const QString path = dir.filePath(SettingsFileName);
    QCOMPARE(writeFile(path, designedExample()), std::nullopt);
    QFile other(dir.filePath("other"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    QCOMPARE(statOf(path).st_mode, statOf(other.fileName()).st_mode);
    QCOMPARE(fileBytes(path), QByteArray("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n"));
}

void TestGameSettings::hardLinksStayOneFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    const QString other = dir.filePath("game-copy.cfg");
    writeBytes(path, "TRUE\r\n800\r\n600\r\nTRUE\r\nTRUE\r\nTRUE\r\nan old value longer than the new\r\n");
    QCOMPARE(link(QFile::encodeName(path).constData(), QFile::encodeName(other).constData()), 0);
    const ino_t inode = statOf(path).st_ino;
    // Left by a save that was killed: a save in place clears it as well.
    const QString leftover = dir.filePath(".zunkel.cfg.zunkel-config-0123456789abcdef");
    writeBytes(leftover, "torn");

    QCOMPARE(writeFile(path, designedExample()), std::nullopt);
    QCOMPARE(fileBytes(other), QByteArray("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n"));
    QCOMPARE(statOf(path).st_ino, inode);
    QCOMPARE(statOf(path).st_nlink, nlink_t(2));
    QVERIFY(!QFile::exists(leftover));
}

void TestGameSettings::anotherUsersLinksAndLeftoversAreTheirs()
{
    if (geteuid() != 0)
        QSKIP("making a link owned by another user needs root");
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    const QString target = dir.filePath("system.conf");
    const QByteArray system("FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\nroot's own\r\n");
    writeBytes(target, system);
    QVERIFY(QFile::link(target, path));
    QCOMPARE(lchown(QFile::encodeName(path).constData(), 65534, 65534), 0);

    const QString refusal =
        QStringLiteral("it is a link that another user made to a file that is not theirs");
    QCOMPARE(readFile(path).error.reason, refusal);
    GameSettings changed = designedExample();
    changed.Extra = "planted";
    QCOMPARE(writeFile(path, changed)->reason, refusal);
    QCOMPARE(fileBytes(target), system);

    // The same link to a file of its owner's is theirs to follow.
    QCOMPARE(chown(QFile::encodeName(target).constData(), 65534, 65534), 0);
    QVERIFY(readFile(path).settings);
    QCOMPARE(writeFile(path, changed), std::nullopt);
    QCOMPARE(*readFile(target).settings, changed);
    QCOMPARE(statOf(target).st_uid, uid_t(65534));
    QVERIFY(S_ISLNK(statOf(path).st_mode));

    // Root's own link into a player's folder, where the player's link leads
    // on, to root's file or through a link to root's folder: every link on
    // the way is judged, not only the first.
    const QString player = dir.filePath("player");
    QVERIFY(QDir(dir.path()).mkpath("player") && QDir(dir.path()).mkpath("root-only"));
    QCOMPARE(chown(QFile::encodeName(player).constData(), 65534, 65534), 0);
    const QString secret = dir.filePath("root-only/secret.conf");
    writeBytes(secret, system);
    QVERIFY(QFile::link(secret, player + "/zunkel.cfg"));
    QVERIFY(QFile::link(dir.filePath("root-only"), player + "/folder"));
    for (const char *name : {"/zunkel.cfg", "/folder"})
        QCOMPARE(lchown(QFile::encodeName(player + name).constData(), 65534, 65534), 0);
    for (const QString &via : {player + "/zunkel.cfg", player + "/folder/secret.conf"}) {
        QVERIFY(QFile::remove(path) && QFile::link(via, path));
        QCOMPARE(readFile(path).error.reason, refusal);
        QCOMPARE(writeFile(path, changed)->reason, refusal);
        QCOMPARE(fileBytes(secret), system);
    }
    // A player's own chain to their own file is theirs to follow.
    QCOMPARE(chown(QFile::encodeName(secret).constData(), 65534, 65534), 0);
    QVERIFY(QFile::remove(path) && QFile::link(player + "/zunkel.cfg", path));
    QCOMPARE(writeFile(path, designedExample()), std::nullopt);
    QCOMPARE(*readFile(path).settings, designedExample());

    // Files of the tool's name form that another user owns are not its
    // left-overs, wherever they are.
    const QString players = dir.filePath(".system.conf.zunkel-config-0123456789abcdef");
    writeBytes(players, "a player's");
    QCOMPARE(chown(QFile::encodeName(players).constData(), 65534, 65534), 0);
    QCOMPARE(writeFile(target, designedExample()), std::nullopt);
    QCOMPARE(fileBytes(players), QByteArray("a player's"));
}

void TestGameSettings::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    const QByteArray old("TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\nkeep me\r\n");
    writeBytes(path, old);
    {
        FileSizeLimit limit(8);
        const std::optional<SettingsError> error = writeFile(path, designedExample());
        QVERIFY(error);
        QCOMPARE(error->reason, QStringLiteral("File too large"));
    }
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{SettingsFileName});

    GameSettings unwritable = designedExample();
    unwritable.Extra = "a \"quoted\"\nline";
    QVERIFY(writeFile(path, unwritable));
    QCOMPARE(fileBytes(path), old);
}

void TestGameSettings::fullDiskKeepsOldFile()
{
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    if (mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=8k") != 0)
        QSKIP("mounting a small tmpfs needs root");
    const QString path = dir.filePath(SettingsFileName);
    const QByteArray old("FALSE\r\n320\r\n240\r\nFALSE\r\nFALSE\r\nFALSE\r\nold\r\n");
    writeBytes(path, old);
    {
        QFile filler(dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size()) {
        }
    }
    const std::optional<SettingsError> error = writeFile(path, designedExample());
    const QByteArray after = fileBytes(path);
    const QStringList entries = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    // Rewritten in place, for its second name: a new content that needs
    // another block is refused before the old one is touched.
    const QString second = dir.filePath("second.cfg");
    const bool linked = link(QFile::encodeName(path).constData(), QFile::encodeName(second).constData()) == 0;
    GameSettings longer = designedExample();
    longer.Extra = QByteArray(5000, 'x');
    const std::optional<SettingsError> inPlaceError = writeFile(path, longer);
    const QByteArray afterInPlace = fileBytes(second);
    umount(mountPoint.constData());

    QVERIFY(error);
    QCOMPARE(error->reason, QStringLiteral("No space left on device"));
    QCOMPARE(after, old);
    QCOMPARE(entries, (QStringList{"filler", SettingsFileName}));
    // Checked once the small file system is gone: without the second name
    // the save below would not be one in place.
    QVERIFY(linked);
    QVERIFY(inPlaceError);
    QCOMPARE(inPlaceError->reason, QStringLiteral("No space left on device"));
    QCOMPARE(afterInPlace, old);
}

// fusefat refuses a write that starts at the end of a file and a size that is
// not smaller: saves in place must grow, keep and shrink the file all the same.
void TestGameSettings::fuseFatSavesInPlace()
{
    const QStringList sbin{"/usr/sbin", "/sbin"};
    const QString fusefat = QStandardPaths::findExecutable("fusefat");
    const QString mkfs = QStandardPaths::findExecutable("mkfs.vfat", sbin);
    if (fusefat.isEmpty() || mkfs.isEmpty() || !QFile::exists("/dev/fuse"))
        QSKIP("fusefat, mkfs.vfat (dosfstools) or /dev/fuse is missing");
    QTemporaryDir dir;
    const QString image = dir.filePath("fat.img");
    const QString mounted = dir.filePath("mounted");
    QVERIFY(QDir(dir.path()).mkdir("mounted"));
    QFile file(image);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(4 << 20));
    file.close();
    QCOMPARE(QProcess::execute(mkfs, {image}), 0);
    if (QProcess::execute(fusefat, {"-o", "rw+", image, mounted}) != 0)
        QSKIP("fusefat cannot mount here");
    const auto unmount = qScopeGuard([&] { QProcess::execute("fusermount", {"-u", mounted}); });
    const QString path = mounted + "/zunkel.cfg";
    writeBytes(path, "TRUE\r\n800\r\n600\r\nTRUE\r\nTRUE\r\nTRUE\r\n1\r\n");
    for (const QByteArray &extra :
         {QByteArray("grown a little"), QByteArray("same size here"), QByteArray("cut")}) {
        GameSettings settings = designedExample();
        settings.Extra = extra;
        QCOMPARE(writeFile(path, settings), std::nullopt);
        QCOMPARE(*readFile(path).settings, settings);
    }
    QCOMPARE(QDir(mounted).entryList(QDir::Files | QDir::Hidden), QStringList{SettingsFileName});
}

// Where a new file cannot be renamed over the old one (a file bound in by a
// container: EBUSY), cannot be made (a folder mounted read-only around a file
// bound in writable: EROFS), or could be made but never taken away again (a
// folder marked append-only), the file is written in place and nothing is
// left beside it.
void TestGameSettings::mountsAndAppendOnlyFoldersSavedInPlace()
{
    QTemporaryDir dir;
    const QString game = dir.filePath("game"), view = dir.filePath("view"),
                  outside = dir.filePath("outside.cfg");
    QVERIFY(QDir(dir.path()).mkdir("game") && QDir(dir.path()).mkdir("view"));
    const QString path = game + "/zunkel.cfg";
    writeBytes(path, "TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\nold\r\n");
    writeBytes(outside, fileBytes(path));
    const auto bind = [](const QString &from, const QString &to, unsigned long flags = 0) {
        return mount(QFile::encodeName(from).constData(), QFile::encodeName(to).constData(), nullptr,
                     MS_BIND | flags, nullptr) == 0;
    };
    if (!bind(outside, path))
        QSKIP("bind mounts need root");
    GameSettings settings = designedExample();
    const std::optional<SettingsError> mountPoint = writeFile(path, settings);
    const QByteArray boundIn = fileBytes(outside);
    umount2(QFile::encodeName(path).constData(), MNT_DETACH);
    QCOMPARE(mountPoint, std::nullopt);
    QCOMPARE(boundIn, *serializeSettings(settings));

    const QString seen = view + "/zunkel.cfg";
    QVERIFY(bind(game, view) && bind(view, view, MS_REMOUNT | MS_RDONLY) && bind(outside, seen));
    settings.Extra = "1";
    const std::optional<SettingsError> readOnlyFolder = writeFile(seen, settings);
    const QByteArray written = fileBytes(outside);
    umount2(QFile::encodeName(seen).constData(), MNT_DETACH);
    umount2(QFile::encodeName(view).constData(), MNT_DETACH);
    QCOMPARE(readOnlyFolder, std::nullopt);
    QCOMPARE(written, *serializeSettings(settings));

    if (QProcess::execute("chattr", {"+a", game}) != 0)
        QSKIP("this file system has no append-only folders");
    settings.Extra = "2";
    const std::optional<SettingsError> appendOnly = writeFile(path, settings);
    QProcess::execute("chattr", {"-a", game});
    QCOMPARE(appendOnly, std::nullopt);
    QCOMPARE(fileBytes(path), *serializeSettings(settings));
    QCOMPARE(QDir(game).entryList(QDir::Files | QDir::Hidden), QStringList{SettingsFileName});
}

// A save killed while the settings stood under one of the tool's names (as
// Windows' two-step replace left them): the next start puts the oldest whole
// one back, never a torn one, and the next save clears the rest.
void TestGameSettings::leftoverPutBackWhenTheFileIsMissing()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    const QByteArray old("TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\nold\r\n");
    const QList<std::pair<QString, QByteArray>> leftovers{
        {"0000000000000001", "FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\nnew\r\n"},
        {"0000000000000002", old},
        {"0000000000000003", "FALSE\r\n640\r\n480\r\nTRUE\r\nFALSE\r\nFALSE\r\nto"}};
    for (qsizetype i = 0; i < leftovers.size(); ++i) {
        const QString name = dir.filePath(".zunkel.cfg.zunkel-config-" + leftovers[i].first);
        writeBytes(name, leftovers[i].second);
        // The old file moved aside is the oldest; the torn one older still.
        const timespec times[2]{{0, UTIME_OMIT}, {1000000 - 1000 * i, 0}};
        QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(name).constData(), times, 0), 0);
    }
    const ParseResult read = readFile(path);
    QVERIFY2(read.settings, qPrintable(read.error.reason));
    QCOMPARE(fileBytes(path), old);
    QCOMPARE(writeFile(path, designedExample()), std::nullopt);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{SettingsFileName});
}

// Changes (--set) hold the file from their read to their save: two at once
// both land, one after the other. A change held longer than a second, or a
// lock on a file saved in place, is left to its holder: the save fails
// with the reason, and the file stays as it was.
void TestGameSettings::changesTakeTurnsAndLocksAreWaitedForASecond()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(SettingsFileName);
    writeBytes(path, "FALSE\r\n0\r\n0\r\nTRUE\r\nFALSE\r\nFALSE\r\n0\r\n");
    const SettingsFile file(path);
    const auto count = [&](QByteArray GameSettings::*field) {
        for (int i = 0; i < 40; ++i) {
            const auto failure = file.change([&](GameSettings &settings) {
                settings.*field = QByteArray::number((settings.*field).toInt() + 1);
            });
            QVERIFY2(!failure, failure ? qPrintable(failure->error.reason) : "");
        }
    };
    QThread *other = QThread::create(count, &GameSettings::Width);
    other->start();
    count(&GameSettings::Height);
    other->wait();
    delete other;
    QCOMPARE(readFile(path).settings->Width, QByteArray("40"));
    QCOMPARE(readFile(path).settings->Height, QByteArray("40"));

    const QByteArray before = fileBytes(path);
    const QString reason = QStringLiteral("another program held the file for more than a second");
    for (const int heldFor : {1500, 300}) {
        QSemaphore holding;
        QThread *holder = QThread::create([&] {
            file.change([&](GameSettings &) {
                holding.release();
                QThread::msleep(heldFor);
            });
        });
        holder->start();
        holding.acquire();
        const auto failure = file.change([](GameSettings &settings) { settings.Extra = "second"; });
        holder->wait();
        delete holder;
        QCOMPARE(failure ? failure->error.reason : QString(), heldFor > 1000 ? reason : QString());
        QCOMPARE(fileBytes(path) == before, heldFor > 1000);
    }

    // In place, for its second name, while another program locks it.
    QCOMPARE(link(QFile::encodeName(path).constData(), QFile::encodeName(dir.filePath("second")).constData()),
             0);
    const QByteArray inPlace = fileBytes(path);
    QFile locked(path);
    QVERIFY(locked.open(QIODevice::ReadOnly) && flock(locked.handle(), LOCK_EX) == 0);
    const std::optional<SettingsError> error = writeFile(path, designedExample());
    QCOMPARE(error ? error->reason : QString(), reason);
    QCOMPARE(fileBytes(path), inPlace);
}

QTEST_GUILESS_MAIN(TestGameSettings)
#include "test_game_settings.moc"
