// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// The save's decisions over a system made up here: one folder in memory, whose
// replace can answer as a busy or refusing system does (another program holds
// the old file without sharing its deletion; its ACL forbids deleting it; the
// old file is moved aside and the new one is not moved in), which no real
// file system here does on demand.
#include "file_system.h"
#include "settings_file.h"

#include <QTest>

#include <map>

using namespace FileSystem;

namespace
{

struct Entry {
    QByteArray bytes;
    int identity = 0;
};

// The folder, and how the next replaces answer; the last answer stays.
std::map<Path, Entry> folder;
int identities = 0;
QList<Result> replaceAnswers;
int replaces = 0;

struct FakeOpened : Opened {
    Path name;
};
struct FakeNewFile : NewFile {
    Path name;
    bool placed = false;
    ~FakeNewFile() override
    {
        if (!placed)
            folder.erase(name);
    }
};
struct FakeLeftover : Leftover {
    Path name;
};

Entry &entryOf(Opened &file) { return folder[static_cast<FakeOpened &>(file).name]; }
Entry &entryOf(NewFile &file) { return folder[static_cast<FakeNewFile &>(file).name]; }

Outcome writeInto(Entry &entry, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    // A part at a time, as a system may.
    written = qMin<qsizetype>(bytes.size(), 5);
    if (entry.bytes.size() < at + written)
        entry.bytes.resize(at + written);
    std::copy_n(bytes.data(), written, entry.bytes.data() + at);
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
    bytes = entryOf(file).bytes.mid(at, limit);
    return {};
}
Outcome sizeOf(Opened &file, qint64 &size)
{
    size = entryOf(file).bytes.size();
    return {};
}
Outcome reserve(Opened &, qint64) { return {Result::Unsupported, {}}; }
Outcome truncate(Opened &file, qint64 size)
{
    entryOf(file).bytes.truncate(size);
    return {};
}
Outcome writeAt(Opened &file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    return writeInto(entryOf(file), bytes, at, written);
}
Outcome writeAt(NewFile &file, QByteArrayView bytes, qint64 at, qsizetype &written)
{
    return writeInto(entryOf(file), bytes, at, written);
}
Outcome sync(Opened &) { return {}; }
Outcome sync(NewFile &) { return {}; }
Outcome makeNew(const Found &, const Path &name, bool, std::unique_ptr<NewFile> &made)
{
    auto file = std::make_unique<FakeNewFile>();
    file->name = name;
    folder[name] = {{}, ++identities};
    made = std::move(file);
    return {};
}
Outcome copyIdentity(Opened &, NewFile &) { return {}; }
Outcome replace(const Found &found, Opened *, NewFile &made)
{
    ++replaces;
    const Result answer = replaceAnswers.size() > 1 ? replaceAnswers.takeFirst() : replaceAnswers.value(0);
    if (answer != Result::Done)
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
    for (const auto &[name, entry] : folder)
        names.push_back(name);
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
void remove(Leftover &leftover) { folder.erase(static_cast<FakeLeftover &>(leftover).name); }
} // namespace FileSystem

class TestSavePolicy : public QObject
{
    Q_OBJECT

  private slots:
    void replaceAnswers_data();
    void replaceAnswers();
};

void TestSavePolicy::replaceAnswers_data()
{
    QTest::addColumn<QList<Result>>("answers");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("inPlace");
    QTest::addColumn<int>("tries");

    // Error 32: held for a moment, then let go.
    QTest::newRow("held briefly") << QList{Result::Busy, Result::Busy, Result::Done} << true << false << 3;
    // Held for good: waited for about a second, as a lock is, then in place.
    QTest::newRow("held for good") << QList{Result::Busy} << true << true << 100;
    // 5 or 1175: the old file may not be deleted or moved aside; nothing changed.
    QTest::newRow("refused") << QList{Result::Refused} << true << true << 1;
    // 1176, and 1177 once the old file is back under its name.
    QTest::newRow("failed") << QList{Result::Failed} << false << false << 1;
}

void TestSavePolicy::replaceAnswers()
{
    QFETCH(QList<Result>, answers);
    QFETCH(bool, saved);
    QFETCH(bool, inPlace);
    QFETCH(int, tries);
    const QByteArray old(
        "TRUE\r\n800\r\n600\r\nFALSE\r\nTRUE\r\nTRUE\r\nan old value longer than the new one\r\n");
    const GameSettings settings{"FALSE", "640", "480", "TRUE", "FALSE", "FALSE", "0"};
    const Path name = SettingsFileName;
    folder = {{name, {old, 0}}, {".zunkel.cfg.zunkel-config-0123456789abcdef", {"left by a killed save", 1}}};
    ::replaceAnswers = answers;
    replaces = 0;

    const std::optional<SettingsError> error = SettingsFile(SettingsFileName).write(settings);
    QCOMPARE(!error, saved);
    QCOMPARE(folder.at(name).bytes, saved ? *serializeSettings(settings) : old);
    QCOMPARE(folder.at(name).identity == 0, !saved || inPlace);
    QCOMPARE(replaces, tries);
    // The new file is gone whatever the answer; a killed save's after a save.
    QCOMPARE(folder.size(), saved ? 1u : 2u);
}

QTEST_GUILESS_MAIN(TestSavePolicy)
#include "test_save_policy.moc"
