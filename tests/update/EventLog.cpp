#include "EventLog.h"

namespace {
QString Flag(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}
}  // namespace

QString TEventLog::Relative(const QString& path) const
{
    return path.startsWith(m_root + '/') ? path.mid(m_root.size() + 1) : path;
}

QStringList TEventLog::WithoutDownloads() const
{
    QStringList kept = Events;
    kept.removeAll(QStringLiteral("Download"));
    return kept;
}

void TEventLog::Attach(TmxWebUpdate& web, const QString& root)
{
    m_root = root;
    web.OnBeforeGetInfo = [this](TmxWebUpdate&) { Events << "BeforeGetInfo"; };
    web.OnAfterGetInfo = [this](TmxWebUpdate&) { Events << "AfterGetInfo"; };
    web.OnNoUpdateFound = [this](TmxWebUpdate&) { Events << "NoUpdateFound"; };
    web.OnUpdateAvailable = [this](TmxWebUpdate& sender, const QString& actual, const QString& offered,
                                   bool& canUpdate) {
        Events << QStringLiteral("UpdateAvailable(%1,%2,%3)").arg(actual, offered, Flag(canUpdate));
        canUpdate = CanUpdate;
        if (WhenUpdateAvailable)
            WhenUpdateAvailable(sender);
    };
    web.OnBeforeShowInfo = [this](TmxWebUpdate&, bool& showInfo, bool& checkAgain) {
        Events << QStringLiteral("BeforeShowInfo(%1,%2)").arg(Flag(showInfo), Flag(checkAgain));
        showInfo = ShowInfo;
        checkAgain = false;  // not passed on: OnAfterShowInfo hears true
    };
    web.OnAfterShowInfo = [this](TmxWebUpdate&, bool checkAgain) {
        Events << QStringLiteral("AfterShowInfo(%1)").arg(Flag(checkAgain));
    };
    web.OnGetClientFileName = [this](TmxWebUpdate&, QString& fileName) {
        Events << QStringLiteral("GetClientFileName(%1)").arg(Relative(fileName));
        if (ChosenFile)
            fileName = *ChosenFile;
    };
    web.OnClientFileExists = [this](TmxWebUpdate&, QString& fileName, bool& overwrite) {
        Events << QStringLiteral("ClientFileExists(%1,%2)").arg(Relative(fileName), Flag(overwrite));
        if (Overwrite)
            overwrite = *Overwrite;
    };
    web.OnBeforeDownload = [this](TmxWebUpdate&, const QString& fileName) {
        Events << QStringLiteral("BeforeDownload(%1)").arg(Relative(fileName));
        m_inPackage = true;
    };
    web.OnDownload = [this](TmxWebUpdate& sender, qint64 total, qint64 downloaded) {
        // A new transfer starts again from below or announces another length.
        if (Events.isEmpty() || Events.last() != "Download" || downloaded <= m_lastDownloaded ||
            total != m_lastTotal)
            Events << "Download";
        m_lastDownloaded = downloaded;
        m_lastTotal = total;
        if (m_inPackage) {
            PackageBlocks.append({total, downloaded});
            if (WhenPackageBlock)
                WhenPackageBlock(sender);
        }
    };
    web.OnDownloadError = [this](TmxWebUpdate&) { Events << "DownloadError"; };
    web.OnAfterDownload = [this](TmxWebUpdate&, const QString& fileName) {
        Events << QStringLiteral("AfterDownload(%1)").arg(Relative(fileName));
    };
    web.OnCannotExecute = [this](TmxWebUpdate&) { Events << "CannotExecute"; };
    web.Environment.StartProgram = [this](const QString& file, const QString& parameters, bool hidden) {
        Events
            << QStringLiteral("Start(%1|%2|%3)").arg(Relative(file), parameters, hidden ? "hidden" : "shown");
        return StartSucceeds;
    };
    web.Environment.Terminate = [this](int exitCode) {
        Events << QStringLiteral("Terminate(%1)").arg(exitCode);
    };
}
