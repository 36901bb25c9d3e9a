#include "LocalCertificate.h"

#include <QFile>
#include <QProcess>
#include <QSslKey>
#include <QTemporaryDir>

TLocalCertificate::TLocalCertificate() : m_previousDefault(QSslConfiguration::defaultConfiguration())
{
    QTemporaryDir folder;
    const QString keyPath = folder.filePath("key.pem");
    const QString certPath = folder.filePath("cert.pem");
    QProcess openssl;
    openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                              "-nodes", "-keyout", keyPath, "-out", certPath, "-days", "2", "-subj",
                              "/CN=127.0.0.1", "-addext", "subjectAltName=IP:127.0.0.1"});
    if (!openssl.waitForFinished(30000) || openssl.exitCode() != 0) {
        m_error = "openssl could not make a certificate: " +
                  QString::fromLocal8Bit(openssl.readAllStandardError()) + openssl.errorString();
        return;
    }
    QFile keyFile(keyPath);
    QFile certFile(certPath);
    if (!keyFile.open(QIODevice::ReadOnly) || !certFile.open(QIODevice::ReadOnly)) {
        m_error = "the certificate files cannot be read";
        return;
    }
    const QSslCertificate certificate(&certFile, QSsl::Pem);
    const QSslKey key(&keyFile, QSsl::Ec, QSsl::Pem);
    if (certificate.isNull() || key.isNull()) {
        m_error = "the certificate or its key cannot be read";
        return;
    }
    m_server = QSslConfiguration::defaultConfiguration();
    m_server.setLocalCertificate(certificate);
    m_server.setPrivateKey(key);
    m_server.setPeerVerifyMode(QSslSocket::VerifyNone);

    QSslConfiguration trusting = m_previousDefault;
    trusting.addCaCertificate(certificate);
    QSslConfiguration::setDefaultConfiguration(trusting);
}

TLocalCertificate::~TLocalCertificate()
{
    QSslConfiguration::setDefaultConfiguration(m_previousDefault);
}
