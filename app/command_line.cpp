// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "command_line.h"

#include "file_failure.h"
#include "file_system.h"
#include "game_settings.h"
#include "resolution_table.h"
#include "standard_streams.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <numeric>
#include <vector>

namespace
{

// Exit statuses: 1 when the settings file cannot be read or saved, as in the
// window, or the output cannot be written; 2 when the command line itself is
// wrong.
constexpr int FileFailed = 1;
constexpr int UsageError = 2;

// Whether Qt is linked into the program (the Windows build) rather than
// being the system's own libraries; set by the build.
constexpr bool qtBuiltIn = ZUNKEL_QT_BUILT_IN;

QString versionText()
{
    return QStringLiteral(
               "zunkel-config " ZUNKEL_VERSION "\n"
               "Copyright (C) 2026 The Zunkel configuration tool's authors\n"
               "License MIT: the terms are in the file LICENSE that comes with it.\n"
               "This is free software: you are free to change and redistribute it.\n"
               "There is NO WARRANTY, to the extent permitted by law.\n"
               "The faces it carries keep their own licences: DejaVu in LICENSE.DejaVu,\n"
               "WenQuanYi Zen Hei Sharp in LICENSE.WenQuanYi, Baekmuk Gulim in LICENSE.Baekmuk.\n"
               "It uses Qt %1 under the GNU Lesser General Public License version 3.\n")
               .arg(QString::fromLatin1(qVersion())) +
           (qtBuiltIn ? QStringLiteral("Qt is built into the program: its licences and notices, where its source is\n"
                                       "and how to relink the program with another Qt are in the folder Qt beside\n"
                                       "LICENSE.\n")
                      : QStringLiteral("Qt's licences and notices, and where its source is, come with Qt.\n"));
}

// The messages and the help, in the player's language. What scripts rely on
// (options, keys, values) is never translated.
class CommandLine
{
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

// Whether a terminal gives `c` two columns: the ideographs, kana, hangul and
// full-width forms of East Asian text, with their punctuation and marks (the
// ranges of East Asian Width's Wide and Fullwidth that terminals use).
bool isWide(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF && u != 0x303F) ||
           (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) ||
           (u >= 0xFF00 && u <= 0xFF60) || (u >= 0xFFE0 && u <= 0xFFE6);
}

qsizetype columnsOf(QStringView text)
{
    return std::accumulate(text.begin(), text.end(), qsizetype(0),
                           [](qsizetype sum, QChar c) { return sum + (isWide(c) ? 2 : 1); });
}

// `text` in lines of at most `columns` terminal columns (a longer word keeps
// a line of its own), broken at spaces, and where East Asian text allows,
// between its characters.
QString wrapped(const QString &text, qsizetype columns = 80)
{
    QString result, line;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    for (qsizetype at = 1; at <= text.size(); ++at) {
        // After every space (Qt's rules keep "320x240, 512x384" together),
        // and between East Asian characters where the rules allow; not
        // inside words such as "-platform", which a hyphen may break.
        breaks.setPosition(at);
        if (at < text.size() && !text[at - 1].isSpace() &&
            !((isWide(text[at - 1]) || isWide(text[at])) && breaks.isAtBoundary()))
            continue;
        const QString piece = text.mid(start, at - start);
        start = at;
        if (!line.isEmpty() && columnsOf(QString(line + piece).trimmed()) > columns) {
            result += line.trimmed() + u'\n';
            line.clear();
        }
        line += piece;
    }
    return result + line.trimmed();
}

// The options, parsed; errors and the help text come from Qt's parser.
struct Options {
    explicit Options(const QStringList &arguments)
    {
        // Qt prints the description as it is: it is wrapped here, in whatever
        // language it comes, to the 80 columns of a terminal.
        parser.setApplicationDescription(wrapped(CommandLine::tr(
            "Shows the Zunkel configuration window, or with an option works on the settings file "
            "zunkel.cfg beside this program without a window. Qt's own options (-platform, "
            "-style, -reverse...) apply to the window.")));
        // "-platform" is one option, as Qt reads it, not eight letters.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOptions({help, version, print, set});
        addArgument(
            QStringLiteral("KEY=VALUE"),
            CommandLine::tr(
                "With --set: fullscreen, filtering, flat and music take on or off (or true or false); "
                "resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768."),
            QStringLiteral("[--set KEY=VALUE...]"));
        parsed = parser.parse(arguments);
    }

    // Qt wraps the descriptions of options and arguments to 79 characters,
    // counting one column for each, where East Asian text takes two; it keeps
    // the line ends it is given. The description is wrapped here to the
    // columns Qt leaves it beside the names, measured in Qt's own help.
    void addArgument(const QString &name, const QString &description, const QString &syntax)
    {
        parser.addPositionalArgument(name, QStringLiteral("."), syntax);
        const QString help = parser.helpText();
        const qsizetype line = help.indexOf(QStringLiteral("\n  ") + name + u' ') + 1;
        const qsizetype indent = help.indexOf(u'.', line) - line;
        parser.clearPositionalArguments();
        parser.addPositionalArgument(name, wrapped(description, 79 - indent), syntax);
    }

    QCommandLineParser parser;
    const QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                                  CommandLine::tr("Prints this help.")};
    const QCommandLineOption version{{QStringLiteral("V"), QStringLiteral("version")},
                                     CommandLine::tr("Prints the version and the licence.")};
    const QCommandLineOption print{QStringLiteral("print"),
                                   CommandLine::tr("Prints the settings, one KEY=VALUE a line.")};
    const QCommandLineOption set{QStringLiteral("set"),
                                 CommandLine::tr("Changes the given settings and saves the file.")};
    bool parsed = false;
};

// The bidirectional format characters (U+202E and its kin), which would let
// a crafted value reorder what a terminal shows around it.
bool isBidirectionalFormat(char16_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

// Control characters, such as a newline in a refused value, are shown as
// escapes: a message is one line, which scripts can rely on, and shows what
// it holds in the order it holds it.
QString oneLine(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        if (category != QChar::Other_Control && category != QChar::Separator_Line &&
            category != QChar::Separator_Paragraph && !isBidirectionalFormat(c.unicode()))
            shown += c;
        else if (c == u'\n')
            shown += u"\\n";
        else if (c == u'\r')
            shown += u"\\r";
        else if (c == u'\t')
            shown += u"\\t";
        else
            shown += c.unicode() < 0x100 ? QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'))
                                         : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QChar(u'0'));
    }
    return shown;
}

int refuse(const QString &problem, int status = UsageError)
{
    writeText(stderr, QStringLiteral("zunkel-config: %1\n").arg(oneLine(problem)));
    return status;
}

// A file that cannot be read or saved: the file and the system's reason, and
// on a line of its own what a player the system keeps out can do.
int refuseFile(const QString &problem, const SettingsError &error)
{
    refuse(problem, FileFailed);
    if (const QString advice = adviceFor(error); !advice.isEmpty())
        refuse(advice);
    return FileFailed;
}

// Output that does not reach standard output whole (closed, a full disk) is
// a failure: a script that keeps it must not take an empty file for success.
int outputLost()
{
    return refuse(CommandLine::tr("cannot write to standard output: %1").arg(FileSystem::errnoReason(errno)),
                  FileFailed);
}

int print(const QString &text)
{
    if (writeText(stdout, text))
        return 0;
    return outputLost();
}

// Anything the parser could not place, or an argument where none belongs.
std::optional<int> refuseMistakes(const Options &options, bool takesArguments)
{
    if (!options.parsed)
        return refuse(CommandLine::tr("%1 Try --help.").arg(options.parser.errorText()));
    const QStringList arguments = options.parser.positionalArguments();
    if (!takesArguments && !arguments.isEmpty())
        return refuse(CommandLine::tr("unexpected argument '%1' (settings to change go after --set)")
                          .arg(arguments.front()));
    return std::nullopt;
}

// The flags a key names, in the order --print lists them.
struct FlagKey {
    const char *key;
    QByteArray GameSettings::*field;
};
constexpr std::array<FlagKey, 4> FlagKeys{{
    {"fullscreen", &GameSettings::Fullscreen},
    {"filtering", &GameSettings::Filtering},
    {"flat", &GameSettings::RenderFlat},
    {"music", &GameSettings::Music},
}};

std::optional<bool> parseFlag(const QString &value)
{
    const QString lower = value.toLower();
    if (lower == u"on" || lower == u"true")
        return true;
    if (lower == u"off" || lower == u"false")
        return false;
    return std::nullopt;
}

QString onOff(QByteArrayView flag) { return isFlagSet(flag) ? QStringLiteral("on") : QStringLiteral("off"); }

struct ReadOutcome {
    std::optional<GameSettings> settings;
    int status = 0;
};

ReadOutcome readOrRefuse(const SettingsFile &file)
{
    const ParseResult read = file.read();
    if (!read.settings)
        return {
            std::nullopt,
            refuseFile(
                CommandLine::tr("cannot read %1: %2").arg(failedPath(file, read.error), read.error.reason),
                read.error)};
    return {read.settings, 0};
}

int printSettings(const SettingsFile &file)
{
    const ReadOutcome read = readOrRefuse(file);
    if (!read.settings)
        return read.status;
    const GameSettings &settings = *read.settings;
    // A quoted value may hold a line end, which would start a line that is
    // no KEY=VALUE.
    const auto shown = [](const QByteArray &value) { return oneLine(QString::fromLocal8Bit(value)); };
    return print(QStringLiteral("fullscreen=%1\nresolution=%2x%3\nfiltering=%4\nflat=%5\nmusic=%6\n")
                     .arg(onOff(settings.Fullscreen), shown(settings.Width), shown(settings.Height),
                          onOff(settings.Filtering), onOff(settings.RenderFlat), onOff(settings.Music)));
}

int setSettings(const QStringList &assignments, const SettingsFile &file)
{
    if (assignments.isEmpty())
        return refuse(CommandLine::tr("--set needs at least one KEY=VALUE"));
    // Every assignment is checked before the file is even read, so that a
    // mistake anywhere changes nothing.
    struct Change {
        QByteArray GameSettings::*field = nullptr; // a flag, or null for the resolution
        bool flag = false;
        QString label;
    };
    std::vector<Change> changes;
    for (const QString &assignment : assignments) {
        const qsizetype equals = assignment.indexOf(u'=');
        if (equals < 0)
            return refuse(CommandLine::tr("'%1' is not KEY=VALUE").arg(assignment));
        const QString key = assignment.left(equals);
        const QString value = assignment.mid(equals + 1);
        if (key == u"resolution") {
            const bool offered = std::any_of(ResolutionTable.begin(), ResolutionTable.end(),
                                             [&](const Resolution &entry) { return value == entry.label; });
            if (!offered)
                return refuse(CommandLine::tr("the game does not offer the resolution '%1'").arg(value));
            changes.push_back({nullptr, false, value});
            continue;
        }
        const auto flagKey = std::find_if(FlagKeys.begin(), FlagKeys.end(),
                                          [&](const FlagKey &entry) { return key == entry.key; });
        if (flagKey == FlagKeys.end())
            return refuse(CommandLine::tr("unknown setting '%1'").arg(key));
        const std::optional<bool> flag = parseFlag(value);
        if (!flag)
            return refuse(CommandLine::tr("%1 takes on or off, not '%2'").arg(key, value));
        changes.push_back({flagKey->field, *flag, {}});
    }

    // Held from its read to its save: another --set at the same time changes
    // the file before this one reads it, or after this one has saved.
    const std::optional<SettingsFile::ChangeFailure> failure = file.change([&](GameSettings &settings) {
        for (const Change &change : changes) {
            if (change.field)
                settings.*change.field = flagText(change.flag);
            else
                applyChosenLabel(change.label, settings);
        }
    });
    if (!failure)
        return 0;
    const SettingsError &error = failure->error;
    const QString problem = failure->part == SettingsFile::ChangeFailure::Part::Read
                                ? CommandLine::tr("cannot read %1: %2")
                                : CommandLine::tr("cannot save %1: %2");
    return refuseFile(problem.arg(failedPath(file, error), error.reason), error);
}

} // namespace

bool asksForCommandLineMode(const QStringList &arguments)
{
    // Parsed leniently: an option of Qt's, unknown here, does not hide ours.
    const Options options(arguments);
    const QCommandLineParser &parser = options.parser;
    return parser.isSet(options.help) || parser.isSet(options.version) || parser.isSet(options.print) ||
           parser.isSet(options.set);
}

int runCommandLine(const QStringList &arguments, const SettingsFile &file)
{
    const Options options(arguments);
    const QCommandLineParser &parser = options.parser;
    const bool setting = parser.isSet(options.set);
    if (const std::optional<int> refused = refuseMistakes(options, setting))
        return *refused;
    if (parser.isSet(options.help))
        return print(parser.helpText());
    if (parser.isSet(options.version))
        return print(versionText());
    if (setting && parser.isSet(options.print))
        return refuse(CommandLine::tr("--print and --set go one at a time"));
    if (setting)
        return setSettings(parser.positionalArguments(), file);
    return printSettings(file);
}

std::optional<int> refuseWindowArguments(const QStringList &arguments)
{
    return refuseMistakes(Options(arguments), false);
}
