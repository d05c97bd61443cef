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

namespace
{

// The translation for `locale`: its own, by the name with its country
// ("pt_BR") or without ("de"); else one of the same language in the same
// script made for another country (Brazil's Portuguese for Portugal's,
// Taiwan's characters for Hong Kong's).
bool loadFor(QTranslator &own, const QLocale &locale)
{
    if (own.load(locale, Own, QStringLiteral("_"), Folder))
        return true;
    for (const QString &offered : offeredLanguages()) {
        const QLocale other(offered);
        if (other.language() == locale.language() && other.script() == locale.script())
            return own.load(Folder + u'/' + Own + u'_' + offered);
    }
    return false;
}

} // namespace

void useLanguage(const QStringList &preferred)
{
    registerTranslations();
    static QTranslator own, qt;
    QCoreApplication::removeTranslator(&own);
    QCoreApplication::removeTranslator(&qt);
    // The texts as written are English, the language chosen when none of
    // those asked for is offered.
    QLocale::setDefault(QLocale(QLocale::English));
    for (const QString &name : preferred) {
        const QLocale locale(name);
        // A name Qt does not know is the C locale: the next one may be known.
        if (locale.language() == QLocale::C)
            continue;
        // A player who puts English before another language gets it.
        if (locale.language() == QLocale::English)
            return;
        if (loadFor(own, locale)) {
            QCoreApplication::installTranslator(&own);
            const QLocale language(own.language());
            if (qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"), Folder))
                QCoreApplication::installTranslator(&qt);
            // What is drawn and said follows the texts' language: the
            // window's face is chosen by its script.
            QLocale::setDefault(language);
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
