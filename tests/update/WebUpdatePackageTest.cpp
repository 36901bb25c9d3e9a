// Downloading, unpacking and starting the package, against the loopback server.
#include <QTimer>

#include "WebUpdateTestFixture.h"

namespace {

// SHA-256 of "abc" (FIPS 180-2, appendix B.1).
const QString kAbcSha256 = "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD";

QByteArray ZipWithProgram()
{
    return MakeZip(
        {{"readme.txt", "read me"}, {"setup.sh", kPackage, S_IFREG | 0755}, {"docs/", {}, 0, true}});
}

TEST_F(WebUpdateTest, PackageOutcomes)
{
    const struct {
        const char* Why;
        QString ClientName;
        TCannedResponse Package;
        QStringList ExtraMeta;
        QStringList Tail;  // after BeforeDownload
    } cases[] = {
        {"shorter than its length", "setup.sh", TTestHttpServer::Short("abc", 10), {}, {"DownloadError"}},
        {"without a length", "setup.sh", TTestHttpServer::OkWithoutLength(kPackage), {}, {"DownloadError"}},
        {"error page",
         "setup.sh",
         TTestHttpServer::Status(500, "Internal Server Error"),
         {},
         {"DownloadError"}},
        {"missing", "setup.sh", TTestHttpServer::Status(404, "Not Found"), {}, {"DownloadError"}},
        {"checksum matches",
         "setup.sh",
         TTestHttpServer::Ok("abc"),
         {Meta("mxSHA256", kAbcSha256)},
         Started("setup.sh")},
        {"checksum differs",
         "setup.sh",
         TTestHttpServer::Ok("abd"),
         {Meta("mxSHA256", kAbcSha256)},
         {"DownloadError"}},
        {"zip with a program",
         "update.zip",
         TTestHttpServer::Ok(ZipWithProgram()),
         {},
         Started("KorvaneUpdate/setup.sh")},
        {"zip without a program",
         "update.zip",
         TTestHttpServer::Ok(MakeZip({{"readme.txt", "read me"}})),
         {},
         {"AfterDownload()", "CannotExecute", "Terminate(0)"}},
        {"zip that is no archive",
         "update.zip",
         TTestHttpServer::Ok("<html>oops</html>"),
         {},
         {"DownloadError"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        QDir(temp.path()).removeRecursively();
        QDir().mkpath(temp.path());
        log.Events.clear();
        ServePage("3.0.2", c.ExtraMeta, c.ClientName);
        server.Serve("/pkg/" + c.ClientName, c.Package);
        EXPECT_TRUE(web.CheckForUpdate());
        EXPECT_EQ(log.WithoutDownloads(), UpTo(c.ClientName) + c.Tail);
        // A package that failed its transfer or its check is not left behind.
        if (c.Tail == QStringList{"DownloadError"} && !c.ClientName.endsWith(".zip")) {
            EXPECT_TRUE(Entries().isEmpty()) << Entries().join(",").toStdString();
        }
    }
}

TEST_F(WebUpdateTest, NewZipReplacesTheOlderUnpackedUpdate)
{
    ASSERT_TRUE(QDir().mkpath(temp.filePath("KorvaneUpdate/old")));
    QFile stale(temp.filePath("KorvaneUpdate/a-stale.sh"));  // would be found first if it stayed
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.close();
    ServePage("3.0.2", {}, "update.zip");
    server.Serve("/pkg/update.zip", TTestHttpServer::Ok(ZipWithProgram()));
    EXPECT_TRUE(web.CheckForUpdate());
    EXPECT_EQ(log.WithoutDownloads(), UpTo("update.zip") + Started("KorvaneUpdate/setup.sh"));
    EXPECT_EQ(Entries("KorvaneUpdate"), QStringList({"docs", "readme.txt", "setup.sh"}));
    EXPECT_EQ(FileBytes("KorvaneUpdate/setup.sh"), kPackage);
    EXPECT_EQ(web.UnpackFolder(), temp.filePath("KorvaneUpdate") + "/");
}

TEST_F(WebUpdateTest, ZipSlipArchiveIsRefusedWhole)
{
    ServePage("3.0.2", {}, "update.zip");
    server.Serve("/pkg/update.zip", TTestHttpServer::Ok(MakeZip({{"setup.sh", kPackage, S_IFREG | 0755},
                                                                 {"../evil.sh", "rm -rf ~"}})));
    EXPECT_TRUE(web.CheckForUpdate());
    EXPECT_EQ(log.WithoutDownloads(), UpTo("update.zip") + QStringList{"DownloadError"});
    EXPECT_EQ(Entries(), QStringList({"KorvaneUpdate", "update.zip"}));
    EXPECT_TRUE(Entries("KorvaneUpdate").isEmpty());
    EXPECT_FALSE(QFileInfo::exists(QDir(temp.path()).filePath("../evil.sh")));
}

TEST_F(WebUpdateTest, BlocksAreAtMost1025Bytes)
{
    const QByteArray package(2500, 'x');
    ServePage("3.0.2");
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(package));
    EXPECT_TRUE(web.CheckForUpdate());
    ASSERT_FALSE(log.PackageBlocks.isEmpty());
    qint64 before = 0;
    for (const auto& [total, downloaded] : log.PackageBlocks) {
        EXPECT_EQ(total, 2500);
        EXPECT_GT(downloaded - before, 0);
        EXPECT_LE(downloaded - before, 1025);
        before = downloaded;
    }
    EXPECT_EQ(before, 2500);
    EXPECT_GE(log.PackageBlocks.size(), 3);  // 2500 bytes need at least three blocks of 1025
}

TEST_F(WebUpdateTest, OwnerAnswers)
{
    const auto existing = [this] {
        QFile file(temp.filePath("setup.sh"));
        file.open(QIODevice::WriteOnly);
        file.write("older");
    };
    const QStringList head = UpTo("setup.sh").mid(0, 6);  // up to GetClientFileName
    const struct {
        const char* Why;
        std::function<void()> Arrange;
        QStringList Expected;
    } cases[] = {
        {"declines the update", [&] { log.CanUpdate = false; }, UpTo("setup.sh").mid(0, 3)},
        {"shows no information", [&] { log.ShowInfo = false; },
         QStringList{"BeforeGetInfo", "AfterGetInfo", "UpdateAvailable(3.0.1,3.0.2,true)",
                     "BeforeShowInfo(true,true)", "GetClientFileName(setup.sh)", "BeforeDownload(setup.sh)"} +
             Started("setup.sh")},
        {"does not run the update", [&] { web.Options = {}; },
         UpTo("setup.sh") + QStringList{"AfterDownload(setup.sh)"}},
        {"keeps the program running", [&] { web.Options = TmxUpdateOption::uoRunUpdate; },
         UpTo("setup.sh") + Started("setup.sh").mid(0, 2)},
        {"program cannot start", [&] { log.StartSucceeds = false; },
         UpTo("setup.sh") + QStringList{"AfterDownload(setup.sh)", "Start(setup.sh|/S|shown)",
                                        "CannotExecute", "Terminate(0)"}},
        {"existing file kept", existing,
         head + QStringList{"ClientFileExists(setup.sh,false)", "DownloadError"}},
        {"existing file overwritten by option",
         [&] {
             existing();
             web.Options |= TmxUpdateOption::uoOverwrite;
         },
         head + QStringList{"ClientFileExists(setup.sh,true)", "BeforeDownload(setup.sh)"} +
             Started("setup.sh")},
        {"existing file overwritten by the owner",
         [&] {
             existing();
             log.Overwrite = true;
         },
         head + QStringList{"ClientFileExists(setup.sh,false)", "BeforeDownload(setup.sh)"} +
             Started("setup.sh")},
        {"owner chooses the file", [&] { log.ChosenFile = temp.filePath("chosen.sh"); },
         head + QStringList{"BeforeDownload(chosen.sh)"} + Started("chosen.sh")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        QDir(temp.path()).removeRecursively();
        QDir().mkpath(temp.path());
        log = TEventLog{};
        log.Attach(web, temp.path());
        web.Options = TmxUpdateOption::uoRunUpdate | TmxUpdateOption::uoTerminate;
        ServePage("3.0.2");
        server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
        c.Arrange();
        EXPECT_TRUE(web.CheckForUpdate());
        EXPECT_EQ(log.WithoutDownloads(), c.Expected);
    }
}

TEST_F(WebUpdateTest, PageNamesOnlyAFileInTheFolder)
{
    QStringList page{Meta("mxProduct", "Pelmark"), Meta("mxVersion", "3.0.2"),
                     Meta("mxClientSideName", "../../escaped.sh"),
                     Meta("mxDownload", server.Url("/pkg/setup.sh"))};
    server.Serve(kPagePath, TTestHttpServer::Ok(page.join("\n").toUtf8()));
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
    web.Options = {};
    EXPECT_TRUE(web.CheckForUpdate());
    EXPECT_EQ(log.WithoutDownloads(), UpTo("escaped.sh") + QStringList{"AfterDownload(escaped.sh)"});
    EXPECT_EQ(FileBytes("escaped.sh"), kPackage);
}

TEST_F(WebUpdateTest, StalledPackageFails)
{
    web.IdleTimeoutMs = 100;
    ServePage("3.0.2");
    server.Serve("/pkg/setup.sh",
                 TTestHttpServer::Short(QByteArray(2000, 'p'), 5000, true));  // the rest never comes
    EXPECT_TRUE(web.CheckForUpdate());
    EXPECT_EQ(log.WithoutDownloads(), UpTo("setup.sh") + QStringList{"DownloadError"});
    EXPECT_TRUE(Entries().isEmpty());
}

TEST_F(WebUpdateTest, UnwritableLocalFileIsADownloadError)
{
    ServePage("3.0.2");
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
    log.ChosenFile = temp.filePath("no/such/folder/setup.sh");
    EXPECT_TRUE(web.CheckForUpdate());
    const QStringList tail{"BeforeDownload(no/such/folder/setup.sh)", "DownloadError"};
    EXPECT_EQ(log.WithoutDownloads(), UpTo("setup.sh").mid(0, 6) + tail);
    EXPECT_FALSE(web.Busy());
}

TEST_F(WebUpdateTest, PageWithoutAClientFileNameDownloadsNothing)
{
    QStringList page{Meta("mxProduct", "Pelmark"), Meta("mxVersion", "3.0.2"),
                     Meta("mxDownload", server.Url("/pkg/setup.sh"))};
    server.Serve(kPagePath, TTestHttpServer::Ok(page.join("\n").toUtf8()));
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kPackage));
    EXPECT_TRUE(web.CheckForUpdate());
    // The local path is the folder itself: nothing can be written there.
    const QStringList tail{"GetClientFileName(" + temp.path() + ")", "DownloadError"};
    EXPECT_EQ(log.WithoutDownloads(), UpTo("").mid(0, 5) + tail);
    EXPECT_EQ(server.RequestedPaths, QStringList{kPagePath});
}

TEST_F(WebUpdateTest, AbortStopsTheTransferQuietly)
{
    const QByteArray part(2000, 'p');
    const struct {
        const char* Why;
        std::function<void()> Arrange;
        QStringList Expected;  // without OnDownload
    } cases[] = {
        {"cancel after a block of the package",
         [&] { log.WhenPackageBlock = [](TmxWebUpdate& sender) { sender.Abort(); }; }, UpTo("setup.sh")},
        {"cancel while the package waits for its rest",
         [&] {
             server.OnServed = [&](const QString& path) {
                 if (path == "/pkg/setup.sh")
                     QTimer::singleShot(0, [&] { web.Abort(); });
             };
         },
         UpTo("setup.sh")},
        {"cancel while the page is read",
         [&] {
             server.Serve(kPagePath, TTestHttpServer::Short(Page("3.0.2"), 100000, true));
             server.OnServed = [&](const QString&) { QTimer::singleShot(0, [&] { web.Abort(); }); };
         },
         {"BeforeGetInfo", "AfterGetInfo"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        log = TEventLog{};
        log.Attach(web, temp.path());
        server.OnServed = nullptr;
        ServePage("3.0.2");
        server.Serve("/pkg/setup.sh", TTestHttpServer::Short(part, 5000, true));  // the rest never comes
        c.Arrange();
        EXPECT_TRUE(web.CheckForUpdate());
        EXPECT_EQ(log.WithoutDownloads(), c.Expected);
        EXPECT_FALSE(web.Busy());
        EXPECT_TRUE(Entries().isEmpty());
    }
    server.OnServed = nullptr;
}

TEST_F(WebUpdateTest, InplaceModeStartsTheUtilityOnTheUnpackedPackage)
{
    web.Inplace = true;
    ServePage("3.0.2",
              {Meta("mxDownloadInplace", server.Url("/pkg/inplace.zip")),
               Meta("mxInplaceUtil", server.Url("/util/inplace.sh"))},
              "update.zip");
    server.Serve("/util/inplace.sh", TTestHttpServer::Ok("#!/bin/sh\n"));
    server.Serve("/pkg/inplace.zip", TTestHttpServer::Ok(ZipWithProgram()));
    EXPECT_TRUE(web.CheckForUpdate());
    // Three quoted texts: the unpack folder, the program's folder and its name, inner quotes doubled.
    const QString parameters = QStringLiteral("\"%1/KorvaneUpdate/\" \"/opt/pel\"\"mark/\" \"pelmark\"")
                                   .arg(QDir::toNativeSeparators(temp.path()));
    const QStringList tail{"AfterDownload(KorvaneUpdate/setup.sh)",
                           "Start(inplace.sh|" + parameters + "|hidden)", "Terminate(0)"};
    EXPECT_EQ(log.WithoutDownloads(), UpTo("update.zip") + tail);
    EXPECT_EQ(server.RequestedPaths, QStringList({kPagePath, "/util/inplace.sh", "/pkg/inplace.zip"}));
    EXPECT_EQ(FileBytes("inplace.sh"), "#!/bin/sh\n");
    EXPECT_EQ(web.LocalUtilFileName(), temp.filePath("inplace.sh"));
}

TEST_F(WebUpdateTest, InplaceModeStopsWithoutItsUtility)
{
    web.Inplace = true;
    ServePage("3.0.2",
              {Meta("mxDownloadInplace", server.Url("/pkg/inplace.zip")),
               Meta("mxInplaceUtil", server.Url("/util/inplace.sh"))},
              "update.zip");
    server.Serve("/pkg/inplace.zip", TTestHttpServer::Ok(ZipWithProgram()));
    EXPECT_TRUE(web.CheckForUpdate());
    EXPECT_EQ(log.WithoutDownloads(), UpTo("update.zip") + QStringList{"DownloadError"});
    EXPECT_EQ(server.RequestedPaths, QStringList({kPagePath, "/util/inplace.sh"}));
}

}  // namespace
