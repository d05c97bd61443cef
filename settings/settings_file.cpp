// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "settings_file.h"

#include "file_system.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <algorithm>

using FileSystem::Failure;
using FileSystem::Outcome;
using FileSystem::Path;
using FileSystem::SettingsTarget;
using FileSystem::TemporaryNames;

namespace
{

QString notRegular() { return QCoreApplication::translate("SettingsFile", "it is not a regular file"); }

Outcome save(SettingsTarget &target, const Path &folder, const Path &name, QByteArrayView bytes)
{
    if (Outcome failure = target.find(folder, name)) {
        if (!target.missing())
            return failure;
        return target.replaceWith(bytes, TemporaryNames(target.name()));
    }
    if (!target.isRegularFile())
        return Failure{{notRegular()}};
    // Opening it for writing asks the system whether this user may write it;
    // a file they may not write is not replaced either.
    if (Outcome failure = target.openForWriting())
        return failure;
    // A new file would part it from its other names.
    if (target.hasOtherNames())
        return target.rewriteInPlace(bytes);
    Outcome failure = target.replaceWith(bytes, TemporaryNames(target.name()));
    if (failure && failure->newFileRefused)
        return target.rewriteInPlace(bytes);
    return failure;
}

constexpr qsizetype TemporaryMarkLength = 16;

} // namespace

FileSystem::TemporaryNames::TemporaryNames(const Path &target) : prefix_(".")
{
    prefix_ += target;
    prefix_ += ".zunkel-config-";
}

Path FileSystem::TemporaryNames::next() const
{
    Path name = prefix_;
    name += QByteArray::number(QRandomGenerator::global()->generate64(), 16)
                .rightJustified(TemporaryMarkLength, '0')
                .toStdString();
    return name;
}

bool FileSystem::TemporaryNames::isOurs(const Path &name) const
{
    const auto &text = name.native();
    const auto &prefix = prefix_.native();
    if (text.size() != prefix.size() + TemporaryMarkLength || text.compare(0, prefix.size(), prefix) != 0)
        return false;
    return std::all_of(text.begin() + prefix.size(), text.end(),
                       [](auto c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

SettingsFile SettingsFile::besideExecutable()
{
    SettingsFile file;
    file.folder_ = FileSystem::executableFolder();
    file.name_ = SettingsFileName;
    return file;
}

SettingsFile::SettingsFile(const QString &path)
{
    const Path native = FileSystem::fromQt(path);
    folder_ = native.has_parent_path() ? native.parent_path() : Path(".");
    name_ = native.filename();
}

QString SettingsFile::displayPath() const
{
    return FileSystem::toDisplay(folder_.empty() ? name_ : folder_ / name_);
}

ParseResult SettingsFile::read() const
{
    SettingsTarget target;
    if (const Outcome failure = target.find(folder_, name_))
        return {std::nullopt, failure->error};
    if (!target.isRegularFile())
        return {std::nullopt, {notRegular()}};
    QByteArray text;
    if (const Outcome failure = target.read(MaxSettingsTextBytes, text))
        return {std::nullopt, failure->error};
    return parseSettings(text);
}

std::optional<SettingsError> SettingsFile::write(const GameSettings &settings) const
{
    const std::optional<QByteArray> bytes = serializeSettings(settings);
    if (!bytes)
        return SettingsError{
            QCoreApplication::translate("SettingsFile", "a value cannot be written to the file")};
    SettingsTarget target;
    if (const Outcome failure = save(target, folder_, name_, *bytes))
        return failure->error;
    // Files left by saves that were killed, after saves in place as well.
    target.clearLeftovers(TemporaryNames(target.name()));
    return std::nullopt;
}
