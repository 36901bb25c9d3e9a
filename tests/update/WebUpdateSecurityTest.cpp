// What the component refuses to download or start: plain http where https is required, an
// https-to-http step, a package larger than allowed, an unreadable length.
#include <algorithm>
#include <functional>
#include <memory>

#include "LocalCertificate.h"
#include "WebUpdateTestFixture.h"

namespace {

bool AnythingStarted(const QStringList& events)
{
    return std::any_of(events.begin(), events.end(), [](const QString& e) { return e.startsWith("Start("); });
}

TEST_F(WebUpdateTest, PackageSizeLimits)
{
    // kPackage is 26 bytes: "#!/bin/sh" (9) + LF + "echo installing" (15) + LF.
    ASSERT_EQ(kPackage.size(), 26);
    const qint64 overDefault = qint64(512) * 1024 * 1024 + 1;
    const struct {
        const char* Why;
        QStringList ExtraMeta;
        TCannedResponse Package;
        QStringList Expected;
    } cases[] = {
        {"as large as the page announces",
         {Meta("mxSize", "26")},
         TTestHttpServer::Ok(kPackage),
         UpTo("setup.sh") + Started("setup.sh")},
        {"larger than the page announces",
         {Meta("mxSize", "25")},
         TTestHttpServer::Ok(kPackage),
         UpTo("setup.sh") + QStringList{"DownloadError"}},
        {"over 512 MiB with no size on the page",
         {},
         TTestHttpServer::Short("abc", overDefault),
         UpTo("setup.sh") + QStringList{"DownloadError"}},
        {"an unreadable size on the page",
         {Meta("mxSize", "big")},
         TTestHttpServer::Ok(kPackage),
         UpTo("setup.sh").mid(0, 6) + QStringList{"DownloadError"}},
        {"an unreadable length of the package",
         {},
         {"HTTP/1.1 200 OK\r\nContent-Length: 2x6\r\nConnection: close\r\n\r\n" + kPackage},
         UpTo("setup.sh") + QStringList{"DownloadError"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        QDir(temp.path()).removeRecursively();
        QDir().mkpath(temp.path());
        log.Events.clear();
        ServePage("3.0.2", c.ExtraMeta);
        server.Serve("/pkg/setup.sh", c.Package);
        EXPECT_TRUE(web.CheckForUpdate());
        EXPECT_EQ(log.WithoutDownloads(), c.Expected);
        if (!AnythingStarted(c.Expected)) {
            EXPECT_TRUE(Entries().isEmpty()) << Entries().join(",").toStdString();
        }
    }
}

TEST_F(WebUpdateTest, SecureOnlyAsksNothingOverPlainHttp)
{
    web.SecureOnly = true;
    ServePage("3.0.2");
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
    EXPECT_TRUE(web.CheckForUpdate());
    EXPECT_EQ(log.WithoutDownloads(),
              QStringList({"BeforeGetInfo", "DownloadError", "AfterGetInfo", "DownloadError"}));
    EXPECT_TRUE(server.RequestedPaths.isEmpty());
}

// The page and the package over TLS, with a certificate made for this test.
class WebUpdateTlsTest : public WebUpdateTest {
  protected:
    void SetUp() override
    {
        WebUpdateTest::SetUp();
        ASSERT_TRUE(certificate.Valid()) << certificate.Error().toStdString();
        secure = std::make_unique<TTestHttpServer>(certificate.Server());
        web.SecureOnly = true;
        web.ProductInfo.SetURL(secure->Url(kPagePath));
    }

    // A page on the TLS server whose package lies at `packageAddress`.
    void ServeSecurePage(const QString& packageAddress)
    {
        QStringList lines{Meta("mxProduct", "Pelmark"), Meta("mxVersion", "3.0.2"),
                          Meta("mxClientSideName", "setup.sh"), Meta("mxDownload", packageAddress),
                          Meta("mxRunParameters", "/S")};
        secure->Serve(kPagePath, TTestHttpServer::Ok(lines.join("\r\n").toUtf8()));
    }

    TLocalCertificate certificate;
    std::unique_ptr<TTestHttpServer> secure;
};

TEST_F(WebUpdateTlsTest, PageAndPackageOverHttpsAreInstalled)
{
    ServeSecurePage(secure->Url("/pkg/setup.sh"));
    secure->Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
    EXPECT_TRUE(web.CheckForUpdate());
    EXPECT_EQ(log.WithoutDownloads(), UpTo("setup.sh") + Started("setup.sh"));
    EXPECT_EQ(FileBytes("setup.sh"), kPackage);
}

TEST_F(WebUpdateTlsTest, StepsFromHttpsToHttpAreRefused)
{
    const struct {
        const char* Why;
        std::function<void()> Arrange;
        QStringList Expected;
    } cases[] = {
        {"the page redirects to http",
         [&] {
             secure->Serve(kPagePath, TTestHttpServer::Found(server.Url(kPagePath)));
             ServePage("3.0.2");
         },
         {"BeforeGetInfo", "DownloadError", "AfterGetInfo", "DownloadError"}},
        {"the package redirects to http",
         [&] {
             ServeSecurePage(secure->Url("/pkg/setup.sh"));
             secure->Serve("/pkg/setup.sh", TTestHttpServer::Found(server.Url("/pkg/setup.sh")));
         },
         UpTo("setup.sh") + QStringList{"DownloadError"}},
        {"the page names an http package, with the plain rule off",
         [&] {
             web.SecureOnly = false;
             ServeSecurePage(server.Url("/pkg/setup.sh"));
         },
         UpTo("setup.sh") + QStringList{"DownloadError"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        log.Events.clear();
        server.RequestedPaths.clear();
        web.SecureOnly = true;
        server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
        c.Arrange();
        EXPECT_TRUE(web.CheckForUpdate());
        EXPECT_EQ(log.WithoutDownloads(), c.Expected);
        EXPECT_TRUE(server.RequestedPaths.isEmpty());  // the plain server is never asked
        EXPECT_TRUE(Entries().isEmpty()) << Entries().join(",").toStdString();
    }
}

}  // namespace
