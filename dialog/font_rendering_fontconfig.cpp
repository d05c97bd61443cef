// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "font_rendering.h"

#include <QString>

#include <fontconfig/fontconfig.h>

// Qt takes these settings from fontconfig for each face, so rules added here,
// after the desktop's own, decide.
void renderAlikeOnEveryDesktop(const QString &family)
{
    const QByteArray rules = QStringLiteral(R"(<?xml version="1.0"?>
<fontconfig>
  <match target="font">
    <test name="family"><string>%1</string></test>
    <edit name="antialias" mode="assign"><bool>true</bool></edit>
    <edit name="rgba" mode="assign"><const>none</const></edit>
    <edit name="hinting" mode="assign"><bool>true</bool></edit>
    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>
    <edit name="autohint" mode="assign"><bool>false</bool></edit>
  </match>
</fontconfig>)")
                                 .arg(family.toHtmlEscaped())
                                 .toUtf8();
    FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8 *>(rules.constData()),
                                   FcFalse);
}

QFont renderedAlike(QFont font) { return font; }
