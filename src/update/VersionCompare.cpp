#include "update/VersionCompare.h"

#include <QLocale>
#include <QStringList>

namespace {

int PartValue(const QStringList& parts, qsizetype index)
{
    if (index >= parts.size())
        return 0;
    bool ok = false;
    const int value = parts[index].trimmed().toInt(&ok);
    return ok ? value : 0;
}

bool IsNewerStandard(const QString& installed, const QString& page)
{
    const QStringList have = installed.split(QLatin1Char('.'));
    const QStringList offered = page.split(QLatin1Char('.'));
    const qsizetype count = std::max(have.size(), offered.size());
    for (qsizetype i = 0; i < count; ++i) {
        const int a = PartValue(have, i);
        const int b = PartValue(offered, i);
        if (a != b)
            return a < b;
    }
    return false;
}

bool IsNewerNumber(const QString& installed, const QString& page)
{
    const QLocale c = QLocale::c();
    bool okInstalled = false;
    bool okPage = false;
    const double a = c.toDouble(installed.trimmed(), &okInstalled);
    const double b = c.toDouble(page.trimmed(), &okPage);
    return okInstalled && okPage && b > a;
}

}  // namespace

bool IsNewerVersion(const QString& installed, const QString& page, TmxVersionFormat format)
{
    switch (format) {
    case TmxVersionFormat::vfStandard:
        return IsNewerStandard(installed, page);
    case TmxVersionFormat::vfString:
        return QString::compare(page, installed, Qt::CaseSensitive) > 0;
    case TmxVersionFormat::vfNumber:
        return IsNewerNumber(installed, page);
    }
    return false;
}
