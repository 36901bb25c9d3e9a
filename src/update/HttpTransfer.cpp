#include "update/HttpTransfer.h"

#include <memory>

#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopeGuard>
#include <QTimer>

#include "update/UpdateAddress.h"

namespace {

class TSystemProxyFactory : public QNetworkProxyFactory {
  public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        const QString host = query.peerHostName();
        if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ||
            QHostAddress(host).isLoopback())
            return {QNetworkProxy(QNetworkProxy::NoProxy)};
        return systemProxyForQuery(query);
    }
};

QNetworkRequest MakeRequest(const QUrl& url, const TTransferRequest& request)
{
    QNetworkRequest http(url);
    http.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("TmxWebUpdate"));
    http.setRawHeader("Accept", "*/*");
    // The announced length must be the length read: no transparent decompression.
    http.setRawHeader("Accept-Encoding", "identity");
    http.setRawHeader("Cache-Control", "no-cache");
    http.setRawHeader("Pragma", "no-cache");
    http.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    http.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    http.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
    // An HTTP redirection from https to http is not followed: the transfer fails.
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    http.setMaximumRedirectsAllowed(5);
    if (!request.UserName.isEmpty()) {
        const QByteArray credentials = (request.UserName + QLatin1Char(':') + request.Password).toUtf8();
        http.setRawHeader("Authorization", "Basic " + credentials.toBase64());
    }
    return http;
}

struct TReplyDeleter {
    void operator()(QNetworkReply* reply) const
    {
        reply->disconnect();
        reply->abort();
        delete reply;
    }
};

}  // namespace

void UseSystemProxy(QNetworkAccessManager& network)
{
    network.setProxyFactory(new TSystemProxyFactory);
}

void THttpTransfer::Abort()
{
    m_abort = true;
    if (m_waitLoop)
        m_waitLoop->quit();
}

TTransferResult THttpTransfer::Fail(TTransferResult result, const QString& why)
{
    m_errorText = why;
    return result;
}

TTransferResult THttpTransfer::Run(const TTransferRequest& request, const TBlockHandler& onBlock)
{
    m_abort = false;
    m_body.clear();
    m_downloaded = 0;
    m_errorText.clear();

    const QUrl url = SplitUpdateAddress(request.Address);
    if (!url.isValid())
        return Fail(TTransferResult::Failed,
                    QStringLiteral("No host in address \"%1\"").arg(request.Address));

    std::unique_ptr<QNetworkReply, TReplyDeleter> reply(m_network.get(MakeRequest(url, request)));

    // Runs the program's events until the reply has news, the wait times out or Abort comes.
    bool timedOut = false;
    auto waitForReply = [&] {
        QEventLoop loop;
        QTimer idle;
        idle.setSingleShot(true);
        QObject::connect(&idle, &QTimer::timeout, &loop, [&] {
            timedOut = true;
            loop.quit();
        });
        QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, &QEventLoop::quit);
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        idle.start(request.IdleTimeoutMs);
        m_waitLoop = &loop;
        loop.exec();
        m_waitLoop = nullptr;
        return !timedOut;
    };
    auto hasNews = [&] { return reply->bytesAvailable() > 0 || reply->isFinished(); };

    while (!hasNews() && !m_abort)
        if (!waitForReply())
            return Fail(TTransferResult::Failed, QStringLiteral("No answer from %1").arg(url.host()));
    if (m_abort)
        return Fail(TTransferResult::Aborted, QStringLiteral("Aborted"));

    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid())
        return Fail(TTransferResult::Failed, reply->errorString());
    if (status.toInt() < 200 || status.toInt() > 299)
        return Fail(TTransferResult::Failed,
                    QStringLiteral("HTTP status %1 from %2").arg(status.toInt()).arg(url.toString()));

    if (reply->hasRawHeader("Content-Length")) {
        bool ok = false;
        m_total = reply->rawHeader("Content-Length").trimmed().toLongLong(&ok);
        if (!ok || m_total < 0)
            return Fail(TTransferResult::Faulted, QStringLiteral("Unreadable content length"));
    } else {
        m_total = 0;
        if (request.LengthRequired)
            return Fail(TTransferResult::Failed,
                        QStringLiteral("No content length from %1").arg(url.toString()));
    }

    // A body larger than allowed is refused before anything of it is written.
    if (request.MaxBytes > 0 && m_total > request.MaxBytes)
        return Fail(TTransferResult::Failed, QStringLiteral("%1 announces %2 bytes, more than the %3 allowed")
                                                 .arg(url.toString())
                                                 .arg(m_total)
                                                 .arg(request.MaxBytes));

    QFile file(request.FilePath);
    const bool toFile = !request.FilePath.isEmpty();
    bool keepFile = false;
    auto removePartial = qScopeGuard([&] {
        if (toFile && file.isOpen()) {
            file.close();
            if (!keepFile)
                file.remove();
        }
    });
    if (toFile && !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Fail(TTransferResult::Faulted, QStringLiteral("Cannot write %1").arg(request.FilePath));

    char block[kBlockSize];
    for (;;) {
        if (m_abort)
            return Fail(TTransferResult::Aborted, QStringLiteral("Aborted"));
        if (reply->bytesAvailable() == 0) {
            if (reply->isFinished())
                break;
            if (!waitForReply())
                return Fail(TTransferResult::Failed,
                            QStringLiteral("Transfer from %1 stalled").arg(url.host()));
            continue;
        }
        const qint64 count = reply->read(block, kBlockSize);
        if (count <= 0)
            break;
        if (request.MaxBytes > 0 && m_downloaded + count > request.MaxBytes)
            return Fail(TTransferResult::Failed, QStringLiteral("%1 sends more than the %2 bytes allowed")
                                                     .arg(url.toString())
                                                     .arg(request.MaxBytes));
        if (toFile) {
            if (file.write(block, count) != count)
                return Fail(TTransferResult::Faulted,
                            QStringLiteral("Cannot write %1").arg(request.FilePath));
        } else {
            m_body.append(block, count);
        }
        m_downloaded += count;
        if (onBlock)
            onBlock(m_total, m_downloaded);
        QCoreApplication::processEvents();
    }

    if (reply->error() != QNetworkReply::NoError)
        return Fail(TTransferResult::Failed, reply->errorString());
    const bool complete = toFile ? m_downloaded == m_total : m_downloaded > 0;
    if (!complete)
        return Fail(TTransferResult::Failed, QStringLiteral("Received %1 of %2 bytes from %3")
                                                 .arg(m_downloaded)
                                                 .arg(m_total)
                                                 .arg(url.toString()));
    if (toFile && !file.flush())
        return Fail(TTransferResult::Faulted, QStringLiteral("Cannot write %1").arg(request.FilePath));
    keepFile = true;
    return TTransferResult::Ok;
}
