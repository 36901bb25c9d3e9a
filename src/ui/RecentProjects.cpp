#include "ui/RecentProjects.h"

#include <QDir>
#include <QFileInfo>

#include "ui/Platform.h"

namespace {
// One spelling per file, so that the same project reached by two paths is listed once.
QString Normalised(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}
}  // namespace

TRecentProjects::TRecentProjects(IPlatform& platform) : Platform_(platform)
{
    for (const QString& item : Platform_.ReadSetting(kSettingKey).toStringList()) {
        if (item.isEmpty())
            continue;
        const QString path = Normalised(item);
        if (!Items_.contains(path) && Items_.size() < kMaxCount)
            Items_.append(path);
    }
}

void TRecentProjects::Add(const QString& path)
{
    const QString normalised = Normalised(path);
    Items_.removeAll(normalised);
    Items_.prepend(normalised);
    while (Items_.size() > kMaxCount)
        Items_.removeLast();
    Store();
}

void TRecentProjects::Remove(const QString& path)
{
    if (Items_.removeAll(Normalised(path)) > 0)
        Store();
}

void TRecentProjects::Store()
{
    Platform_.WriteSetting(kSettingKey, Items_);
}
