// Records every event of an update component, in order, as short texts.
#pragma once

#include <functional>
#include <optional>
#include <ostream>

#include <QStringList>

#include "update/WebUpdate.h"

// Failures show texts, not bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

class TEventLog {
  public:
    // Paths below `root` are recorded relative to it. Also takes over starting and ending.
    void Attach(TmxWebUpdate& web, const QString& root);

    // Runs of OnDownload within one transfer are recorded once, as "Download".
    QStringList Events;
    QStringList WithoutDownloads() const;
    QList<std::pair<qint64, qint64>> PackageBlocks;  // (Total, Downloaded) after BeforeDownload

    // The owner's answers.
    bool CanUpdate = true;
    bool ShowInfo = true;
    std::optional<bool> Overwrite;
    std::optional<QString> ChosenFile;
    bool StartSucceeds = true;
    std::function<void(TmxWebUpdate&)> WhenUpdateAvailable;
    std::function<void(TmxWebUpdate&)> WhenPackageBlock;

  private:
    QString Relative(const QString& path) const;

    QString m_root;
    qint64 m_lastDownloaded = -1;
    qint64 m_lastTotal = -1;
    bool m_inPackage = false;
};
