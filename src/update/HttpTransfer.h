// One HTTP GET of an update page or package into memory or a file, read block by block.
#pragma once

#include <functional>

#include <QByteArray>
#include <QString>

class QEventLoop;
class QNetworkAccessManager;

enum class TTransferResult {
    Ok,
    Failed,   // the transfer did not deliver: the owner is told (OnDownloadError)
    Aborted,  // stopped by Abort: nobody is told
    Faulted,  // a local fault (an unwritable file, an unreadable length): the owner is told too
};

struct TTransferRequest {
    QString Address;
    QString UserName;
    QString Password;
    QString FilePath;  // empty: into memory
    bool LengthRequired = false;
    qint64 MaxBytes = 0;        // more than this, announced or received, fails the transfer; 0: no bound
    int IdleTimeoutMs = 30000;  // fail when nothing arrives for this long
};

class THttpTransfer {
  public:
    // Blocks are read at most this large; the owner hears of each one.
    static constexpr qint64 kBlockSize = 1025;

    using TBlockHandler = std::function<void(qint64 total, qint64 downloaded)>;

    explicit THttpTransfer(QNetworkAccessManager& network) : m_network(network) {}

    // Clears the abort flag and runs the transfer; while it waits and after each block the
    // pending events of the program are processed, so Abort can come from a Cancel button.
    TTransferResult Run(const TTransferRequest& request, const TBlockHandler& onBlock);

    // Stops a running transfer at its next block; it then counts as aborted.
    void Abort();

    const QByteArray& Body() const { return m_body; }  // memory target only
    qint64 Total() const { return m_total; }
    qint64 Downloaded() const { return m_downloaded; }
    const QString& ErrorText() const { return m_errorText; }

  private:
    TTransferResult Fail(TTransferResult result, const QString& why);

    QNetworkAccessManager& m_network;
    QEventLoop* m_waitLoop = nullptr;
    bool m_abort = false;
    QByteArray m_body;
    qint64 m_total = 0;
    qint64 m_downloaded = 0;
    QString m_errorText;
};

// Installs on `network` the system's proxy settings, never used for loopback addresses.
void UseSystemProxy(QNetworkAccessManager& network);
