// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QStringList>

// Shows the tool's texts, and the few of Qt's own that it shows, in the first
// language of `preferred` (BCP 47 names, the most wanted first) that the tool
// offers, or failing that one of the same language and script made for
// another country (Portuguese for Portugal from Brazil's). Names Qt does not
// know are passed over. English, or no language offered, leaves the texts
// as written, in English. The default QLocale becomes the language shown.
// Takes effect for what is made afterwards; a later call replaces an earlier
// one.
void useLanguage(const QStringList &preferred = QLocale::system().uiLanguages());

// The languages offered besides English, named as the translations' files
// are ("de", "pt_BR").
QStringList offeredLanguages();
