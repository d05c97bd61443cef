// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "language.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace
{

const QString Folder = QStringLiteral(":/i18n");
const QString Own = QStringLiteral("zunkel");

} // namespace

// The translations are compiled into a static library, whose resources are
// registered only on request, from outside any namespace.
static void registerTranslations()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(translations);
        return true;
    }();
    Q_UNUSED(registered);
}

void useLanguage(const QStringList &preferred)
{
    registerTranslations();
    static QTranslator own, qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    for (const QString &name : preferred) {
        const QLocale locale(name);
        // The texts as written are English: a player who puts English before
        // another language gets them, not the other.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            return;
        // Tries the name with its country ("pt_BR"), then without ("de").
        if (own.load(locale, Own, QStringLiteral("_"), Folder)) {
            QCoreApplication::installTranslator(&own);
            if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), Folder))
                QCoreApplication::installTranslator(&qt);
            return;
        }
    }
}

QStringList offeredLanguages()
{
    registerTranslations();
    QStringList languages;
    for (const QString &file :
         QDir(Folder).entryList({Own + QStringLiteral("_*.qm")}, QDir::Files, QDir::Name))
        languages << file.sliced(Own.size() + 1).chopped(3);
    return languages;
}
