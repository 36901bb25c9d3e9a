#include "update/UpdateSettings.h"

void TmxProductInfo::SetURL(const QString& url)
{
    const bool hasScheme = url.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
                           url.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
    m_url = hasScheme ? url : QStringLiteral("http://") + url;
}
