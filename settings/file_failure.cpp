// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "file_failure.h"

#include <QCoreApplication>
#include <QFileInfo>

QString failedPath(const SettingsFile &file, const SettingsError &error)
{
    const QString path = file.displayPath();
    if (!error.deniedToUser)
        return path;
    // Empty where the way to the file cannot be followed (a folder the
    // player may not enter), and then the link is all there is to show.
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() ? path : target;
}

QString adviceFor(const SettingsError &error)
{
    if (!error.deniedToUser)
        return {};
    return QCoreApplication::translate(
        "SettingsFile",
        "Ask whoever installed the game to let you change this file, or copy this program and "
        "zunkel.cfg into a folder of your own and start it from there.");
}
