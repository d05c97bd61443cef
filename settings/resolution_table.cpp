// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "resolution_table.h"

std::optional<QString> labelForWidth(QByteArrayView storedWidth)
{
    for (const Resolution &entry : ResolutionTable) {
        if (storedWidth == QByteArrayView(entry.width))
            return QString::fromLatin1(entry.label);
    }
    return std::nullopt;
}

void applyChosenLabel(QStringView chooserText, GameSettings &settings)
{
    for (const Resolution &entry : ResolutionTable) {
        if (chooserText == QLatin1StringView(entry.label)) {
            settings.Width = entry.width;
            settings.Height = entry.height;
            return;
        }
    }
}

bool DesktopFitCheck(QStringView chooserText, Qt::CheckState fullscreen, double desktopHeight)
{
    if (fullscreen != Qt::Unchecked || chooserText.size() < 3)
        return false;
    const QStringView digits = chooserText.right(3);
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return digits.toInt() > desktopHeight;
}
