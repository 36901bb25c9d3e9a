// Reading the update page and comparing versions, against the loopback server.
#include "WebUpdateTestFixture.h"

namespace {

TEST_F(WebUpdateTest, VersionFormatsDecideWhetherToUpdate)
{
    using F = TmxVersionFormat;
    const struct {
        F Format;
        const char* Installed;
        const char* Offered;
        bool Newer;
    } cases[] = {
        {F::vfStandard, "3.0.1", "3.0.2", true},  {F::vfStandard, "3.0.2", "3.0.2", false},
        {F::vfStandard, "3.1.0", "3.0.9", false}, {F::vfString, "3.0.1", "3.0.2", true},
        {F::vfString, "3.0.2", "3.0.2", false},   {F::vfString, "3.0.9", "3.0.10", false},
        {F::vfNumber, "1.5", "2.25", true},       {F::vfNumber, "2", "2.0", false},
        {F::vfNumber, "2.5", "2.25", false},      {F::vfNumber, "2.5", "latest", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Installed) + " -> " + c.Offered);
        log.Events.clear();
        ServePage(c.Offered);
        QFile::remove(temp.filePath("setup.sh"));
        server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
        web.ProductInfo.Version = c.Installed;
        web.ProductInfo.VersionFormat = c.Format;
        ASSERT_TRUE(web.CheckForUpdate());
        QStringList expected{"BeforeGetInfo", "AfterGetInfo"};
        if (c.Newer)
            expected << QStringLiteral("UpdateAvailable(%1,%2,true)").arg(c.Installed, c.Offered)
                     << "BeforeShowInfo(true,true)"
                     << "AfterShowInfo(true)"
                     << "GetClientFileName(setup.sh)"
                     << "BeforeDownload(setup.sh)" << Started("setup.sh");
        else
            expected << "NoUpdateFound";
        EXPECT_EQ(log.WithoutDownloads(), expected);
        EXPECT_EQ(FileBytes("setup.sh"), c.Newer ? kPackage : QByteArray());
        EXPECT_FALSE(web.Busy());
    }
}

TEST_F(WebUpdateTest, EventsOfANewerVersionInOrder)
{
    ServePage("3.0.2");
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
    EXPECT_TRUE(web.CheckForUpdate());
    EXPECT_EQ(log.Events,
              QStringList({"BeforeGetInfo", "Download", "AfterGetInfo", "UpdateAvailable(3.0.1,3.0.2,true)",
                           "BeforeShowInfo(true,true)", "AfterShowInfo(true)", "GetClientFileName(setup.sh)",
                           "BeforeDownload(setup.sh)", "Download", "AfterDownload(setup.sh)",
                           "Start(setup.sh|/S|shown)", "Terminate(0)"}));
    EXPECT_EQ(FileBytes("setup.sh"), kPackage);
    EXPECT_EQ(web.PageInfo().ProductName, "Pelmark");
    EXPECT_EQ(web.PageInfo().VerDate, QDate(2026, 1, 31));
    EXPECT_EQ(server.RequestedPaths, QStringList({kPagePath, "/pkg/setup.sh"}));
}

TEST_F(WebUpdateTest, RequestAsksForAnythingFreshWithCredentials)
{
    ServePage("3.0.1");
    web.UserName = "user";
    web.Password = "pass";
    web.CheckForUpdate();
    ASSERT_EQ(server.RequestHeads.size(), 1);
    const QByteArray head = server.RequestHeads[0].toLower();
    EXPECT_TRUE(head.startsWith("get /updates/pm/pm.html http/1.")) << head.toStdString();
    EXPECT_TRUE(head.contains("\r\naccept: */*\r\n")) << head.toStdString();
    EXPECT_TRUE(head.contains("\r\nuser-agent: tmxwebupdate\r\n")) << head.toStdString();
    EXPECT_TRUE(head.contains("\r\ncache-control: no-cache")) << head.toStdString();
    // base64 of "user:pass"
    EXPECT_TRUE(server.RequestHeads[0].contains("\r\nAuthorization: Basic dXNlcjpwYXNz"))
        << head.toStdString();
}

TEST_F(WebUpdateTest, PagesThatCannotBeUsed)
{
    const struct {
        const char* Why;
        std::function<void()> Arrange;
        QStringList Expected;
        int Requests;
    } cases[] = {
        {"no product",
         [&] { server.Serve(kPagePath, TTestHttpServer::Ok(Meta("mxVersion", "3.0.2").toUtf8())); },
         {"BeforeGetInfo", "AfterGetInfo", "DownloadError"},
         1},
        {"no version",
         [&] { server.Serve(kPagePath, TTestHttpServer::Ok(Meta("mxProduct", "Pelmark").toUtf8())); },
         {"BeforeGetInfo", "AfterGetInfo", "DownloadError"},
         1},
        {"page not found", [] {}, {"BeforeGetInfo", "DownloadError", "AfterGetInfo", "DownloadError"}, 1},
        {"server error page",
         [&] { server.Serve(kPagePath, TTestHttpServer::Status(500, "Internal Server Error")); },
         {"BeforeGetInfo", "DownloadError", "AfterGetInfo", "DownloadError"},
         1},
        {"empty page",
         [&] { server.Serve(kPagePath, TTestHttpServer::Ok("")); },
         {"BeforeGetInfo", "DownloadError", "AfterGetInfo", "DownloadError"},
         1},
        {"address without a path",
         [&] { web.ProductInfo.SetURL(server.Url("")); },
         {"BeforeGetInfo", "DownloadError", "AfterGetInfo", "DownloadError"},
         0},
        {"server never answers",
         [&] {
             server.Serve(kPagePath, TTestHttpServer::Silent());
             web.IdleTimeoutMs = 50;
         },
         {"BeforeGetInfo", "DownloadError", "AfterGetInfo", "DownloadError"},
         1},
        {"redirection to a missing page",
         [&] {
             server.Serve(kPagePath,
                          TTestHttpServer::Ok(Meta("mxRedirection", server.Url("/gone.html")).toUtf8()));
         },
         {"BeforeGetInfo", "DownloadError", "AfterGetInfo", "DownloadError"},
         2},
        // The first page and five redirections are read, the sixth is refused.
        {"redirection loop",
         [&] {
             server.Serve(kPagePath,
                          TTestHttpServer::Ok(Meta("mxRedirection", server.Url("/b.html")).toUtf8()));
             server.Serve("/b.html",
                          TTestHttpServer::Ok(Page("3.0.2", {Meta("mxRedirection", server.Url(kPagePath))})));
         },
         {"BeforeGetInfo", "AfterGetInfo", "DownloadError"},
         6},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        server.RequestedPaths.clear();
        log.Events.clear();
        web.IdleTimeoutMs = 10000;
        web.ProductInfo.SetURL(server.Url(kPagePath));
        server.Serve(kPagePath, TTestHttpServer::Status(404, "Not Found"));
        c.Arrange();
        EXPECT_TRUE(web.CheckForUpdate());
        EXPECT_EQ(log.WithoutDownloads(), c.Expected);
        EXPECT_EQ(server.RequestedPaths.size(), c.Requests);
        EXPECT_TRUE(web.PageInfo().ProductName.isEmpty() || web.PageInfo().Version.isEmpty());
        EXPECT_TRUE(Entries().isEmpty());
        EXPECT_FALSE(web.Busy());
    }
}

TEST_F(WebUpdateTest, PagesReadInOtherWays)
{
    const struct {
        const char* Why;
        std::function<void()> Arrange;
    } cases[] = {
        {"page without a length",
         [&] { server.Serve(kPagePath, TTestHttpServer::OkWithoutLength(Page("3.0.2"))); }},
        {"server redirect",
         [&] {
             server.Serve(kPagePath, TTestHttpServer::Found(server.Url("/moved.html")));
             server.Serve("/moved.html", TTestHttpServer::Ok(Page("3.0.2")));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        log.Events.clear();
        QFile::remove(temp.filePath("setup.sh"));
        server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
        c.Arrange();
        EXPECT_TRUE(web.CheckForUpdate());
        EXPECT_EQ(log.WithoutDownloads(), UpTo("setup.sh") + Started("setup.sh"));
    }
}

TEST_F(WebUpdateTest, RedirectionReplacesTheFirstPage)
{
    server.Serve(kPagePath,
                 TTestHttpServer::Ok(QStringList{Meta("mxProduct", "Old"), Meta("mxVersion", "9.9.9"),
                                                 Meta("mxAuthor", "first page"),
                                                 Meta("mxRedirection", server.Url("/moved.html"))}
                                         .join("\n")
                                         .toUtf8()));
    server.Serve("/moved.html", TTestHttpServer::Ok(Page("3.0.1")));
    EXPECT_TRUE(web.CheckForUpdate());
    EXPECT_EQ(log.Events,
              QStringList({"BeforeGetInfo", "Download", "Download", "AfterGetInfo", "NoUpdateFound"}));
    EXPECT_EQ(server.RequestedPaths, QStringList({kPagePath, "/moved.html"}));
    EXPECT_EQ(web.PageInfo().ProductName, "Pelmark");
    EXPECT_EQ(web.PageInfo().Version, "3.0.1");
    EXPECT_TRUE(web.PageInfo().Author.isEmpty());
    EXPECT_TRUE(web.PageInfo().Redirection.isEmpty());
}

TEST_F(WebUpdateTest, ErrorHandlerMayDetachItself)
{
    int errors = 0;
    web.OnDownloadError = [&](TmxWebUpdate& sender) {
        ++errors;
        sender.OnDownloadError = nullptr;
    };
    EXPECT_TRUE(web.CheckForUpdate());  // 404: two errors, the second unheard
    EXPECT_EQ(errors, 1);
    EXPECT_FALSE(web.OnDownloadError);
}

TEST_F(WebUpdateTest, SecondCheckDuringACheckIsRefused)
{
    ServePage("3.0.2");
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
    log.WhenUpdateAvailable = [this](TmxWebUpdate& sender) {
        log.Events << QStringLiteral("Busy(%1)").arg(sender.Busy() ? "true" : "false");
        log.Events << QStringLiteral("Again(%1)").arg(sender.CheckForUpdate() ? "true" : "false");
    };
    EXPECT_TRUE(web.CheckForUpdate());
    QStringList expected = UpTo("setup.sh") + Started("setup.sh");
    expected.insert(3, "Busy(true)");
    expected.insert(4, "Again(false)");
    EXPECT_EQ(log.WithoutDownloads(), expected);
    EXPECT_FALSE(web.Busy());
}

}  // namespace
