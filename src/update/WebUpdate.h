// TmxWebUpdate: reads the maker's update page, compares versions and, when the owner agrees,
// downloads, unpacks and starts the new package, then ends the program. It shows nothing
// itself: every step is reported to the owner through the optional event callbacks below.
#pragma once

#include <functional>

#include <QNetworkAccessManager>
#include <QObject>
#include <QString>

#include "update/HttpTransfer.h"
#include "update/UpdateEnvironment.h"
#include "update/UpdatePage.h"
#include "update/UpdateSettings.h"

class TmxWebUpdate : public QObject {
    Q_OBJECT

  public:
    // Redirections named by update pages are followed at most this deep.
    static constexpr int kMaxRedirections = 5;
    // A package is refused when it is larger than the page announces (mxSize), or than this
    // when the page announces nothing; a page larger than kMaxPageBytes is refused too.
    static constexpr qint64 kMaxPackageBytes = qint64(512) * 1024 * 1024;
    static constexpr qint64 kMaxPageBytes = qint64(1024) * 1024;

    explicit TmxWebUpdate(QObject* parent = nullptr);
    ~TmxWebUpdate() override;  // aborts a running transfer

    TmxProductInfo ProductInfo;
    TmxTagInfo TagInfo;
    TmxInfoCaption InfoCaption;
    QString UserName;
    QString Password;
    TmxUpdateOptions Options = TmxUpdateOption::uoRunUpdate | TmxUpdateOption::uoTerminate;
    bool Inplace = false;
    // Every page and package address must be https. Off, plain http is allowed, except after a
    // page read over https: what such a page names must be https as well.
    bool SecureOnly = true;
    int IdleTimeoutMs = 30000;  // a transfer that receives nothing for this long fails
    TUpdateEnvironment Environment;

    // The component's own version, "1.1"; it cannot be assigned.
    QString Version() const;
    void SetVersion(const QString&) {}

    using TNotify = std::function<void(TmxWebUpdate& sender)>;
    TNotify OnBeforeGetInfo;
    TNotify OnAfterGetInfo;
    TNotify OnNoUpdateFound;
    std::function<void(TmxWebUpdate& sender, const QString& actualVersion, const QString& newVersion,
                       bool& canUpdate)>
        OnUpdateAvailable;
    std::function<void(TmxWebUpdate& sender, bool& showInfo, bool& checkForUpdate)> OnBeforeShowInfo;
    std::function<void(TmxWebUpdate& sender, bool checkForUpdate)> OnAfterShowInfo;
    std::function<void(TmxWebUpdate& sender, QString& fileName)> OnGetClientFileName;
    std::function<void(TmxWebUpdate& sender, QString& fileName, bool& overwrite)> OnClientFileExists;
    std::function<void(TmxWebUpdate& sender, const QString& fileName)> OnBeforeDownload;
    std::function<void(TmxWebUpdate& sender, qint64 total, qint64 downloaded)> OnDownload;
    TNotify OnDownloadError;
    std::function<void(TmxWebUpdate& sender, const QString& fileName)> OnAfterDownload;
    TNotify OnCannotExecute;

    // Runs one whole check; false, doing nothing, when a check is already running.
    bool CheckForUpdate();
    // A running transfer stops at its next block and fails without OnDownloadError.
    void Abort();

    bool Busy() const { return m_busy; }
    const TUpdatePageInfo& PageInfo() const { return m_page; }
    const QString& LocalFileName() const { return m_localFile; }
    const QString& LocalUtilFileName() const { return m_localUtil; }
    const QString& UnpackFolder() const { return m_unpackFolder; }  // with a trailing "/", or empty
    qint64 Total() const { return m_transfer.Total(); }
    qint64 Downloaded() const { return m_transfer.Downloaded(); }
    // Why the last step that failed did so, for logs and the batch tool.
    const QString& LastError() const { return m_lastError; }

  private:
    template <class THandler, class... TArgs> void Raise(const THandler& handler, TArgs&&... args)
    {
        if (!handler)
            return;
        const THandler call = handler;  // a handler may detach itself
        call(*this, std::forward<TArgs>(args)...);
    }
    void RaiseError(const QString& why);

    bool ReadInfo();  // false when a page transfer was aborted
    TTransferResult Transfer(const QString& address, const QString& filePath, qint64 maxBytes);
    bool PackageLimit(qint64& maxBytes);  // false, with the error raised, when mxSize is unreadable
    bool Download();
    bool Unpack(const QString& packagePath);
    void Start();

    QNetworkAccessManager m_network;
    THttpTransfer m_transfer{m_network};
    bool m_busy = false;
    TUpdatePageInfo m_page;
    QString m_localFile;
    QString m_localUtil;
    QString m_unpackFolder;
    QString m_startFile;
    QString m_lastError;
    bool m_secureChain = false;  // the first page was asked for over https
};
