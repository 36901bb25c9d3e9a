// The recently used projects of the File menu: the last eight, newest first, kept in the per-user
// settings store.
#pragma once

#include <QStringList>

class IPlatform;

class TRecentProjects {
  public:
    static constexpr int kMaxCount = 8;
    static constexpr const char* kSettingKey = "RecentProjects/Files";

    explicit TRecentProjects(IPlatform& platform);

    QStringList Items() const { return Items_; }
    // Puts a project first (an entry of the same file moves up) and stores the list.
    void Add(const QString& path);
    // Removes a project from the list and stores it.
    void Remove(const QString& path);

  private:
    void Store();

    IPlatform& Platform_;
    QStringList Items_;
};
