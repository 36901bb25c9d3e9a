#include "TestHttpServer.h"

#include <QSslServer>
#include <QTcpSocket>

namespace {

QByteArray Head(int code, const QByteArray& reason, const QList<QByteArray>& headers)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(code) + " " + reason + "\r\n";
    for (const QByteArray& header : headers)
        head += header + "\r\n";
    return head + "Connection: close\r\n\r\n";
}

}  // namespace

TTestHttpServer::TTestHttpServer() : m_server(std::make_unique<QTcpServer>())
{
    Listen();
}

TTestHttpServer::TTestHttpServer(const QSslConfiguration& tls) : m_secure(true)
{
    auto server = std::make_unique<QSslServer>();
    server->setSslConfiguration(tls);
    m_server = std::move(server);
    Listen();
}

TTestHttpServer::~TTestHttpServer() = default;

void TTestHttpServer::Listen()
{
    m_server->listen(QHostAddress::LocalHost, 0);
    // A TLS connection becomes pending once its handshake is done.
    connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            socket->setParent(this);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Answer(socket); });
            if (socket->bytesAvailable() > 0)
                Answer(socket);
        }
    });
}

QString TTestHttpServer::Url(const QString& path) const
{
    return QStringLiteral("%1://127.0.0.1:%2%3")
        .arg(m_secure ? QStringLiteral("https") : QStringLiteral("http"))
        .arg(m_server->serverPort())
        .arg(path);
}

void TTestHttpServer::Answer(QTcpSocket* socket)
{
    QByteArray& request = m_pending[socket];
    request += socket->readAll();
    const qsizetype end = request.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QByteArray head = request.left(end);
    m_pending.remove(socket);
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString path = QString::fromLatin1(requestLine.value(1));
    RequestedPaths << path;
    RequestHeads << head;
    const TCannedResponse response = m_routes.value(path, Status(404, "Not Found"));
    socket->write(response.Raw);
    if (!response.KeepOpen)
        socket->disconnectFromHost();
    if (OnServed)
        OnServed(path);
}

TCannedResponse TTestHttpServer::Ok(const QByteArray& body, const QByteArray& contentType)
{
    return {Head(200, "OK",
                 {"Content-Type: " + contentType, "Content-Length: " + QByteArray::number(body.size())}) +
            body};
}

TCannedResponse TTestHttpServer::OkWithoutLength(const QByteArray& body)
{
    return {Head(200, "OK", {"Content-Type: application/octet-stream"}) + body};
}

TCannedResponse TTestHttpServer::Status(int code, const QByteArray& reason)
{
    const QByteArray body = "<html><body>" + reason + "</body></html>";
    return {Head(code, reason,
                 {"Content-Type: text/html", "Content-Length: " + QByteArray::number(body.size())}) +
            body};
}

TCannedResponse TTestHttpServer::Found(const QString& location)
{
    return {Head(302, "Found", {"Location: " + location.toLatin1(), "Content-Length: 0"})};
}

TCannedResponse TTestHttpServer::Short(const QByteArray& body, qint64 announced, bool hold)
{
    return {
        Head(200, "OK",
             {"Content-Type: application/octet-stream", "Content-Length: " + QByteArray::number(announced)}) +
            body,
        hold};
}

TCannedResponse TTestHttpServer::Silent()
{
    return {QByteArray(), true};
}
