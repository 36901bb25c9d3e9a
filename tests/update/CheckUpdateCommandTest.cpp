// pelmark-calc check-update against the loopback server; the event loop runs while it works.
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QProcess>

#include "TestHttpServer.h"

#ifdef PELMARK_CALC

namespace {

struct TRun {
    int ExitCode = -1;
    QString Out;
    QString Err;
};

TRun RunCalc(const QStringList& arguments)
{
    QProcess process;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    process.start(PELMARK_CALC, QStringList{"check-update"} + arguments);
    loop.exec();  // the server in this process answers while the tool waits
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QByteArray Page(const QString& version, const QString& download)
{
    return QStringLiteral(
               "<html><head>\n<META NAME=\"mxProduct\" CONTENT=\"Pelmark\">\n"
               "<META NAME=\"mxVersion\" CONTENT=\"%1\">\n<META NAME=\"mxDownload\" CONTENT=\"%2\">\n"
               "<META NAME=\"mxVerDate\" CONTENT=\"20260131\">\n</head></html>\n")
        .arg(version, download)
        .toUtf8();
}

TEST(CheckUpdateCommand, PrintsWhatThePageOffers)
{
    const struct {
        const char* Installed;
        const char* Newer;
    } cases[] = {{"4.1.0", "yes"}, {"4.1.2", "no"}, {"5.0.0", "no"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Installed);
        TTestHttpServer server;
        server.Serve("/pm.html", TTestHttpServer::Ok(Page("4.1.2", "http://h/PelmarkSetup.exe")));
        const TRun run = RunCalc({server.Url("/pm.html"), "--installed", c.Installed});
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(run.Out,
                  QStringLiteral("product: Pelmark\nversion: 4.1.2\ninstalled: %1\n"
                                 "download: http://h/PelmarkSetup.exe\ndate: 2026-01-31\nnewer: %2\n")
                      .arg(c.Installed, c.Newer));
        EXPECT_EQ(server.RequestedPaths, QStringList{"/pm.html"});  // the package is never fetched
    }
}

TEST(CheckUpdateCommand, FailuresAndUsage)
{
    TTestHttpServer server;
    const TRun missing = RunCalc({server.Url("/missing.html"), "--installed", "4.1.0"});
    EXPECT_EQ(missing.ExitCode, 1);
    EXPECT_TRUE(missing.Out.isEmpty());
    EXPECT_TRUE(missing.Err.contains("Cannot read the update page")) << missing.Err.toStdString();
    EXPECT_EQ(RunCalc({}).ExitCode, 2);
    EXPECT_EQ(RunCalc({server.Url("/a"), "--installed"}).ExitCode, 2);
    EXPECT_EQ(RunCalc({server.Url("/a"), "--bogus"}).ExitCode, 2);
}

}  // namespace

#endif
