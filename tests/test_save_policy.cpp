// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// The save's decisions over a system made up here: one folder in memory whose
// replace answers as a real system may when another program holds the old
// file, when its ACL forbids deleting it, or when the new file cannot be
// moved in, which no file system here does on demand; and whose settings file
// another program rewrites while it is read, cut for a moment each time.
#include "file_system.h"
#include "settings_file.h"

#include <QTest>

#include <map>

using namespace FileSystem;

namespace
{

// Each name's content and identity; how the next replaces answer (the last
// answer stays), and how many were asked.
std::map<Path, std::pair<QByteArray, int>> folder;
QList<Result> answers;
int replaces = 0;
// How many more reads find the file cut while it is rewritten (changing
// with every read), or looks at its state find it cut while its writer pauses halfway
// (not changing meanwhile); and how often it has changed.
int rewrites = 0;
int pausedLooks = 0;
int changes = 0;

struct Named {
    Path name;
};
struct FakeOpened : Opened, Named {
};
struct FakeNewFile : NewFile, Named {
    bool placed = false;
    ~FakeNewFile() override
    {
        if (!placed)
            folder.erase(name);
    }
};
struct FakeLeftover : Leftover, Named {
};

template <typename Handle> QByteArray &bytesOf(Handle &file)
{
    return folder[dynamic_cast<Named &>(file).name].first;
}

// The settings file as a reader finds it: cut short while another program
// rewrites it, or while that program pauses halfway through.
template <typename Handle> QByteArray visible(Handle &file)
{
    QByteArray content = bytesOf(file);
    if (rewrites > 0 || pausedLooks > 0)
        content.chop(10);
    return content;
}

template <typename Handle>
Outcome writeSome(Handle &file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    written = qMin<qsizetype>(bytes.size(), 5); // a part at a time, as a system may
    QByteArray &content = bytesOf(file);
    content.resize(qMax(content.size(), at + written));
    std::copy_n(bytes.data(), written, content.data() + at);
    return {};
}

} // namespace

namespace FileSystem
{
Path executableFolder() { return {}; }
Path fromQt(const QString &path) { return path.toStdString(); }
QString toDisplay(const Path &path) { return QString::fromStdString(path.string()); }
Outcome find(const Path &, const Path &name, std::unique_ptr<Found> &found)
{
    found = std::make_unique<Found>();
    found->name = name;
    found->missing = !folder.contains(name);
    found->regular = !found->missing;
    return found->missing ? Outcome{Result::Failed, {"missing"}} : Outcome{};
}
Outcome open(const Found &found, Access, std::unique_ptr<Opened> &opened)
{
    auto file = std::make_unique<FakeOpened>();
    file->name = found.name;
    opened = std::move(file);
    return {};
}
Outcome tryLock(Opened &, Lock) { return {}; }
Outcome readAt(Opened &file, qint64 at, qsizetype limit, QByteArray &bytes)
{
    bytes = visible(file).mid(at, limit);
    if (at == 0 && rewrites > 0) {
        --rewrites;
        ++changes;
    }
    return {};
}
Outcome stateOf(Opened &file, State &state)
{
    state = {visible(file).size(), changes};
    if (pausedLooks > 0 && --pausedLooks == 0)
        ++changes;
    return {};
}
Outcome reserve(Opened &, qint64) { return {Result::Unsupported, {}}; }
Outcome truncate(Opened &file, qint64 size)
{
    bytesOf(file).truncate(size);
    return {};
}
Outcome writeAt(Opened &file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    return writeSome(file, bytes, at, written);
}
Outcome writeAt(NewFile &file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    return writeSome(file, bytes, at, written);
}
Outcome sync(Opened &) { return {}; }
Outcome sync(NewFile &) { return {}; }
Outcome makeNew(const Found &, const Path &name, bool, std::unique_ptr<NewFile> &made)
{
    auto file = std::make_unique<FakeNewFile>();
    file->name = name;
    folder[name] = {{}, int(folder.size()) + 1};
    made = std::move(file);
    return {};
}
Outcome copyIdentity(Opened &, NewFile &) { return {}; }
Outcome replace(const Found &found, Opened *, NewFile &made)
{
    ++replaces;
    if (const Result answer = answers.size() > 1 ? answers.takeFirst() : answers.first();
        answer != Result::Done)
        return {answer, {"no"}};
    auto &file = static_cast<FakeNewFile &>(made);
    folder[found.name] = folder[file.name];
    folder.erase(file.name);
    file.placed = true;
    return {};
}
std::vector<Path> namesBeside(const Found &)
{
    std::vector<Path> names;
    for (const auto &entry : folder)
        names.push_back(entry.first);
    return names;
}
Outcome take(const Found &, const Path &name, std::unique_ptr<Leftover> &leftover)
{
    auto held = std::make_unique<FakeLeftover>();
    held->name = name;
    held->ours = true;
    leftover = std::move(held);
    return {};
}
Outcome readAt(Leftover &file, qint64 at, qsizetype limit, QByteArray &bytes)
{
    bytes = bytesOf(file).mid(at, limit);
    return {};
}
Outcome putBack(const Found &found, Leftover &leftover)
{
    folder[found.name] = folder[dynamic_cast<Named &>(leftover).name];
    folder.erase(dynamic_cast<Named &>(leftover).name);
    return {};
}
void remove(Leftover &leftover) { folder.erase(dynamic_cast<Named &>(leftover).name); }
Outcome hold(const Found &, std::unique_ptr<Held> &) { return {Result::Unsupported, {}}; }
} // namespace FileSystem

class TestSavePolicy : public QObject
{
    Q_OBJECT

  private slots:
    void replaceAnswers_data();
    void replaceAnswers();
    void fileRewrittenWhileRead();
};

void TestSavePolicy::replaceAnswers_data()
{
    QTest::addColumn<QList<Result>>("given");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("inPlace");
    QTest::addColumn<int>("tries");

    // Windows' error 32: another program holds the old file, for a moment or for good
    // (tried again for a second, as a lock is waited for: -1).
    QTest::newRow("held briefly") << QList{Result::Busy, Result::Busy, Result::Done} << true << false << 3;
    QTest::newRow("held for good") << QList{Result::Busy} << true << true << -1;
    // 5 or 1175: the old file may not be deleted or moved aside, and is as it was.
    QTest::newRow("refused") << QList{Result::Refused} << true << true << 1;
    // 1176, and 1177 once the old file is back under its name.
    QTest::newRow("failed") << QList{Result::Failed} << false << false << 1;
}

void TestSavePolicy::replaceAnswers()
{
    QFETCH(QList<Result>, given);
    QFETCH(bool, saved);
    QFETCH(bool, inPlace);
    QFETCH(int, tries);
    const QByteArray old(
        "TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\nan old value longer than the new one\r\n");
    const GameSettings settings{"FALSE", "640", "480", "TRUE", "FALSE", "FALSE", "0"};
    folder = {{SettingsFileName, {old, 0}}, {".zunkel.cfg.zunkel-config-0123456789abcdef", {"killed", 1}}};
    answers = given;
    replaces = 0;

    const std::optional<SettingsError> error = SettingsFile(SettingsFileName).write(settings);
    QCOMPARE(!error, saved);
    QCOMPARE(folder.at(SettingsFileName).first, saved ? *serializeSettings(settings) : old);
    QCOMPARE(folder.at(SettingsFileName).second == 0, !saved || inPlace);
    if (tries < 0)
        QVERIFY2(replaces > 10, qPrintable(QString::number(replaces)));
    else
        QCOMPARE(replaces, tries);
    // The new file is gone whatever the answer; a killed save's after a save.
    QCOMPARE(folder.size(), saved ? 1u : 2u);
}

// Another program rewrites the file while it is read, cut for a moment each
// time, or pauses halfway through a rewrite, the file cut the while: a cut
// read is never taken; a file that never settles is refused, and a change
// (--set) of it saves nothing.
void TestSavePolicy::fileRewrittenWhileRead()
{
    const QByteArray whole(
        "TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\nan old value longer than the new one\r\n");
    folder = {{SettingsFileName, {whole, 0}}};
    const SettingsFile file(SettingsFileName);
    for (int *cut : {&rewrites, &pausedLooks}) {
        *cut = 4;
        const ParseResult read = file.read();
        QVERIFY(read.settings);
        QCOMPARE(read.settings->Extra, QByteArray("an old value longer than the new one"));
    }

    rewrites = 1000;
    const auto failure = file.change([](GameSettings &settings) { settings.Music = "TRUE"; });
    rewrites = 0;
    QVERIFY(failure && failure->part == SettingsFile::ChangeFailure::Part::Read);
    QCOMPARE(failure->error.reason, QStringLiteral("the file kept changing while it was read"));
    QCOMPARE(folder, (std::map<Path, std::pair<QByteArray, int>>{{SettingsFileName, {whole, 0}}}));
}

QTEST_GUILESS_MAIN(TestSavePolicy)
#include "test_save_policy.moc"
