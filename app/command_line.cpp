#include "command_line.h"

#include "game_settings.h"
#include "resolution_table.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace
{

// Exit statuses: 1 when the settings file cannot be read or saved, as in the
// window; 2 when the command line itself is wrong.
constexpr int FileFailed = 1;
constexpr int UsageError = 2;

const char Usage[] = "Usage: zunkel-config [--print | --set KEY=VALUE... | --help | --version]\n"
                     "Shows the Zunkel configuration window, or with an option works on the settings\n"
                     "file zunkel.cfg beside this program without a window:\n"
                     "  --print              prints the settings, one KEY=VALUE a line\n"
                     "  --set KEY=VALUE...   changes the given settings and saves the file\n"
                     "  --help               prints this help\n"
                     "  --version            prints the version\n"
                     "Keys: fullscreen, filtering, flat and music take on or off (or true or false);\n"
                     "resolution takes 320x240, 512x384, 640x480, 800x600 or 1024x768.\n";

void print(const QByteArray &text) { std::fwrite(text.constData(), 1, size_t(text.size()), stdout); }

int refuse(const QString &problem, int status = UsageError)
{
    std::fprintf(stderr, "zunkel-config: %s\n", problem.toLocal8Bit().constData());
    return status;
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

QByteArray onOff(QByteArrayView flag) { return isFlagSet(flag) ? "on" : "off"; }

struct ReadOutcome {
    std::optional<GameSettings> settings;
    int status = 0;
};

ReadOutcome readOrRefuse(const SettingsFile &file)
{
    const ParseResult read = file.read();
    if (!read.settings)
        return {std::nullopt,
                refuse(QStringLiteral("cannot read %1: %2").arg(file.displayPath(), read.error.reason),
                       FileFailed)};
    return {read.settings, 0};
}

int printSettings(const SettingsFile &file)
{
    const ReadOutcome read = readOrRefuse(file);
    if (!read.settings)
        return read.status;
    const GameSettings &settings = *read.settings;
    QByteArray out;
    out += "fullscreen=" + onOff(settings.Fullscreen) + '\n';
    out += "resolution=" + settings.Width + 'x' + settings.Height + '\n';
    out += "filtering=" + onOff(settings.Filtering) + '\n';
    out += "flat=" + onOff(settings.RenderFlat) + '\n';
    out += "music=" + onOff(settings.Music) + '\n';
    print(out);
    return 0;
}

int setSettings(const QStringList &assignments, const SettingsFile &file)
{
    if (assignments.isEmpty())
        return refuse(QStringLiteral("--set needs at least one KEY=VALUE"));
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
            return refuse(QStringLiteral("'%1' is not KEY=VALUE").arg(assignment));
        const QString key = assignment.left(equals);
        const QString value = assignment.mid(equals + 1);
        if (key == u"resolution") {
            const bool offered = std::any_of(ResolutionTable.begin(), ResolutionTable.end(),
                                             [&](const Resolution &entry) { return value == entry.label; });
            if (!offered)
                return refuse(QStringLiteral("the game does not offer the resolution '%1'").arg(value));
            changes.push_back({nullptr, false, value});
            continue;
        }
        const auto flagKey = std::find_if(FlagKeys.begin(), FlagKeys.end(),
                                          [&](const FlagKey &entry) { return key == entry.key; });
        if (flagKey == FlagKeys.end())
            return refuse(QStringLiteral("unknown setting '%1'").arg(key));
        const std::optional<bool> flag = parseFlag(value);
        if (!flag)
            return refuse(QStringLiteral("%1 takes on or off, not '%2'").arg(key, value));
        changes.push_back({flagKey->field, *flag, {}});
    }

    ReadOutcome read = readOrRefuse(file);
    if (!read.settings)
        return read.status;
    GameSettings &settings = *read.settings;
    for (const Change &change : changes) {
        if (change.field)
            settings.*change.field = flagText(change.flag);
        else
            applyChosenLabel(change.label, settings);
    }
    if (const std::optional<SettingsError> error = file.write(settings))
        return refuse(QStringLiteral("cannot save %1: %2").arg(file.displayPath(), error->reason),
                      FileFailed);
    return 0;
}

} // namespace

std::optional<int> runCommandLine(const QStringList &arguments, const SettingsFile &file)
{
    if (arguments.isEmpty())
        return std::nullopt;
    const QString &option = arguments.front();
    const QStringList rest = arguments.mid(1);
    if (option == u"--set")
        return setSettings(rest, file);
    if (!rest.isEmpty() && (option == u"--help" || option == u"--version" || option == u"--print"))
        return refuse(QStringLiteral("%1 takes no arguments").arg(option));
    if (option == u"--help") {
        print(Usage);
        return 0;
    }
    if (option == u"--version") {
        print("zunkel-config " ZUNKEL_VERSION "\n");
        return 0;
    }
    if (option == u"--print")
        return printSettings(file);
    return refuse(QStringLiteral("unknown option '%1' (try --help)").arg(option));
}
