// An HTTP or HTTPS server on 127.0.0.1 inside the test process that answers each path with canned bytes.
#pragma once

#include <functional>
#include <memory>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QSslConfiguration;
class QTcpSocket;

struct TCannedResponse {
    QByteArray Raw;         // status line, headers and body as sent
    bool KeepOpen = false;  // leave the connection open after writing (a stalled or held transfer)
};

class TTestHttpServer : public QObject {
  public:
    TTestHttpServer();
    // Speaks https with the certificate and key of `tls`.
    explicit TTestHttpServer(const QSslConfiguration& tls);
    ~TTestHttpServer() override;

    QString Url(const QString& path) const;
    void Serve(const QString& path, const TCannedResponse& response) { m_routes[path] = response; }

    QStringList RequestedPaths;                         // in order of arrival
    QList<QByteArray> RequestHeads;                     // request line and headers, in order of arrival
    std::function<void(const QString& path)> OnServed;  // after a response was written

    static TCannedResponse Ok(const QByteArray& body, const QByteArray& contentType = "text/html");
    static TCannedResponse OkWithoutLength(const QByteArray& body);
    static TCannedResponse Status(int code, const QByteArray& reason);
    static TCannedResponse Found(const QString& location);
    // Announces `announced` bytes, sends `body`, then closes (or, held, keeps the line open).
    static TCannedResponse Short(const QByteArray& body, qint64 announced, bool hold = false);
    static TCannedResponse Silent();  // accepts the request and never answers

  private:
    void Answer(QTcpSocket* socket);

    void Listen();

    std::unique_ptr<QTcpServer> m_server;
    bool m_secure = false;
    QHash<QString, TCannedResponse> m_routes;
    QHash<QTcpSocket*, QByteArray> m_pending;
};
