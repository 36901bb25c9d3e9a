// Widths that follow the texts they must hold, so that a caption is never cut and columns fit
// their content in whatever font the platform gives.
#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

// The advance of the widest of the texts in the font, in pixels.
inline int WidestText(const QFont& font, const QStringList& texts)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest;
}
