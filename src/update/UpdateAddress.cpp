#include "update/UpdateAddress.h"

QUrl SplitUpdateAddress(const QString& address)
{
    QString rest = address.trimmed();
    QString scheme = QStringLiteral("http");
    if (rest.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
        scheme = QStringLiteral("https");
        rest.remove(0, 8);
    } else if (rest.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)) {
        rest.remove(0, 7);
    }
    const qsizetype slash = rest.indexOf(QLatin1Char('/'));
    const QString host = slash < 0 ? QString() : rest.left(slash);
    if (host.isEmpty())
        return {};
    QUrl url(scheme + QStringLiteral("://") + host + rest.mid(slash), QUrl::TolerantMode);
    if (!url.isValid() || url.host().isEmpty())
        return {};
    return url;
}

QString LastAddressSegment(const QString& address)
{
    return address.mid(address.lastIndexOf(QLatin1Char('/')) + 1);
}
