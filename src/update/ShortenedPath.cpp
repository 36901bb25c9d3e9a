#include "update/ShortenedPath.h"

#include <QFontMetrics>
#include <QStringList>

namespace {

// Where the first part of a path ends: after the host of an address, after a drive, or at once.
qsizetype HeadLength(const QString& path, QChar separator)
{
    const qsizetype scheme = path.indexOf(QLatin1String("://"));
    if (scheme >= 0) {
        const qsizetype hostEnd = path.indexOf(separator, scheme + 3);
        return hostEnd < 0 ? path.size() : hostEnd;
    }
    if (path.size() >= 2 && path.at(1) == QLatin1Char(':'))
        return 2;
    return 0;
}

}  // namespace

QString ShortenedPath(const QString& path, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(path) <= width)
        return path;
    const QChar separator = path.contains(QLatin1Char('\\')) && !path.contains(QLatin1Char('/'))
                                ? QLatin1Char('\\')
                                : QLatin1Char('/');
    const qsizetype headLength = HeadLength(path, separator);
    const QString head = path.left(headLength);
    QStringList folders = path.mid(headLength).split(separator, Qt::SkipEmptyParts);
    const QString name = folders.isEmpty() ? QString() : folders.takeLast();
    QString shortened = path;
    for (qsizetype dropped = 1; dropped <= folders.size(); ++dropped) {
        const QStringList kept = folders.mid(dropped) << name;
        shortened = head + separator + QStringLiteral("...") + separator + kept.join(separator);
        if (metrics.horizontalAdvance(shortened) <= width)
            return shortened;
    }
    return metrics.elidedText(shortened, Qt::ElideLeft, width);
}
