// A self-signed certificate for 127.0.0.1, made by the openssl tool when a test asks for it,
// and trusted by this process's TLS connections while it lives.
#pragma once

#include <QSslCertificate>
#include <QSslConfiguration>
#include <QString>

class TLocalCertificate {
  public:
    TLocalCertificate();
    ~TLocalCertificate();  // the process trusts what it trusted before

    bool Valid() const { return !m_server.localCertificate().isNull(); }
    const QString& Error() const { return m_error; }
    // Certificate and key for a TLS server.
    const QSslConfiguration& Server() const { return m_server; }

  private:
    QSslConfiguration m_server;
    QSslConfiguration m_previousDefault;
    QString m_error;
};
