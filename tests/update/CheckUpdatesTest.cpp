// The update dialog against the loopback server: what the user sees and is asked, in the
// automatic and the on-demand check. The dialog's timer is driven directly.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include "EventLog.h"  // prints texts in failures
#include "LocalCertificate.h"
#include "TestHttpServer.h"
#include "update/CheckUpdates.h"

namespace {

const QString kPagePath = QStringLiteral("/updates/pm/pm.html");
const QString kWebError = "Error accessing data from the web!";
const QString kCannotExecute = "Error executing downloaded file!";
const QString kMajorWarning = "There is new major version of software available.\n"
                              "Major updates are not free. Please visit our website for more information.";
const QString kInstallQuestion = "There is new version of software available for \n"
                                 "download at the www.korvane.com website.\n\n"
                                 "Do you want to install new version? Program will be restarted.";
const QString kAbortQuestion = "Are you sure you want to abort downloading?";
const QByteArray kInstaller = "#!/bin/sh\necho installing\n";

class CheckUpdatesTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(temp.isValid()); }

    QByteArray Page(const QString& version, const QStringList& extra = {}) const
    {
        QStringList lines{"<html><head>", Meta("mxProduct", "Pelmark"), Meta("mxVersion", version),
                          Meta("mxClientSideName", "setup.sh"),
                          Meta("mxDownload", server.Url("/pkg/setup.sh"))};
        return (lines + extra + QStringList{"</head></html>"}).join("\r\n").toUtf8();
    }
    static QString Meta(const QString& name, const QString& content)
    {
        return QStringLiteral("<META NAME=\"%1\" CONTENT=\"%2\">").arg(name, content);
    }

    // A dialog as ShowUpdateDialog makes it, shown without its modal loop.
    std::unique_ptr<TfrmCheckUpdates> Open(bool automatic)
    {
        TUpdateDialogHost host;
        host.RunningVersion = "3.0.1";
        host.AppDataFolder = temp.filePath("appdata");
        host.Message = [this](QWidget*, TUpdateMessageKind, const QString& text, bool yesNo) {
            Messages << text;
            return yesNo && !Answers.isEmpty() ? Answers.takeFirst() : !yesNo;
        };
        host.ConfirmSave = [this] {
            ++SaveOffers;
            return SaveAnswer;
        };
        auto dialog = std::make_unique<TfrmCheckUpdates>(nullptr, host);
        dialog->Automatic = automatic;
        TmxWebUpdate& web = dialog->Component();
        web.SecureOnly = false;  // the loopback server speaks plain http
        web.IdleTimeoutMs = 10000;
        web.ProductInfo.SetURL(server.Url(kPagePath));
        web.Environment.StartProgram = [this](const QString& file, const QString&, bool) {
            Started << file;
            return StartSucceeds;
        };
        web.Environment.Terminate = [this](int) { ++Terminations; };
        dialog->show();
        return dialog;
    }

    static QString Text(TfrmCheckUpdates& dialog, const char* name)
    {
        return dialog.findChild<QLabel*>(name)->text();
    }
    static bool Shown(TfrmCheckUpdates& dialog, const char* name)
    {
        return dialog.findChild<QWidget*>(name)->isVisibleTo(&dialog);  // also once the dialog is closed
    }
    static QString Button(TfrmCheckUpdates& dialog)
    {
        return dialog.findChild<QPushButton*>("btnCancel")->text();
    }

    QString PackagePath() const { return temp.filePath("appdata/Pelmark/Update/setup.sh"); }

    QTemporaryDir temp;
    TTestHttpServer server;
    QStringList Messages;
    QList<bool> Answers;  // Yes/No questions, in order; none left answers No
    int SaveOffers = 0;
    bool SaveAnswer = true;
    QStringList Started;
    bool StartSucceeds = true;
    int Terminations = 0;
    QString PageAddress;  // set by a case that asks elsewhere than the server
};

TEST_F(CheckUpdatesTest, OpensCheckingAndStartsAfterHalfASecond)
{
    server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.1")));
    auto dialog = Open(false);
    EXPECT_EQ(dialog->windowTitle(), "Check for updates");
    EXPECT_EQ(dialog->size(), QSize(465, 332));
    EXPECT_EQ(Text(*dialog, "lblStatus"), "Checking...");
    EXPECT_EQ(Text(*dialog, "lblCurrentVersion"), "Current version: 3.0.1");
    EXPECT_TRUE(Text(*dialog, "lblAddress").endsWith("pm.html")) << Text(*dialog, "lblAddress").toStdString();
    EXPECT_FALSE(Shown(*dialog, "lblNewVersion"));
    EXPECT_FALSE(Shown(*dialog, "lblSize"));
    EXPECT_FALSE(Shown(*dialog, "ProgressBar1"));
    EXPECT_EQ(Button(*dialog), "&Cancel");
    QTimer* timer = dialog->Timer();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 500);
    EXPECT_TRUE(server.RequestedPaths.isEmpty());  // nothing is asked before the timer's tick

    dialog->Timer1Timer();
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(server.RequestedPaths, QStringList{kPagePath});
    EXPECT_EQ(dialog->Component().ProductInfo.Version, "3.0.1");
}

// Each situation of a check, opened automatically and on demand.
TEST_F(CheckUpdatesTest, OutcomesOfAutomaticAndOnDemandChecks)
{
    struct TOutcome {
        bool Closed;
        QStringList Messages;
        QString NewVersionLine;  // empty: the line stays hidden
        QString Button;
    };
    const struct {
        const char* Why;
        std::function<void()> Arrange;
        TOutcome Automatic, OnDemand;
        int Terminations;
    } cases[] = {
        {"page unreachable",
         [&] {
             QTcpServer closed;  // a port where nobody listens any more
             closed.listen(QHostAddress::LocalHost, 0);
             const quint16 port = closed.serverPort();
             closed.close();
             server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.2")));
             PageAddress = QStringLiteral("http://127.0.0.1:%1%2").arg(port).arg(kPagePath);
         },
         {true, {}, {}, "&Cancel"},
         {false, {kWebError}, {}, "&Cancel"},
         0},
        {"page missing", [&] {}, {true, {}, {}, "&Cancel"}, {false, {kWebError}, {}, "&Cancel"}, 0},
        {"page empty",
         [&] { server.Serve(kPagePath, TTestHttpServer::Ok("")); },
         {true, {}, {}, "&Cancel"},
         {false, {kWebError}, {}, "&Cancel"},
         0},
        {"page without a version",
         [&] { server.Serve(kPagePath, TTestHttpServer::Ok(Meta("mxProduct", "Pelmark").toUtf8())); },
         {true, {}, {}, "&Cancel"},
         {false, {kWebError}, {}, "&Cancel"},
         0},
        {"no newer version",
         [&] { server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.1"))); },
         {true, {}, {}, "&Cancel"},
         {false, {}, "You have the latest version", "&Close"},
         0},
        {"major version",
         [&] { server.Serve(kPagePath, TTestHttpServer::Ok(Page("4.0.0"))); },
         {true, {kMajorWarning}, "New version: 4.0.0", "&Cancel"},
         {true, {kMajorWarning}, "New version: 4.0.0", "&Cancel"},
         0},
        {"user answers No",
         [&] { server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.2"))); },
         {true, {kInstallQuestion}, "New version: 3.0.2", "&Cancel"},
         {true, {kInstallQuestion}, "New version: 3.0.2", "&Cancel"},
         0},
        {"download failed",
         [&] {
             server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.2")));
             Answers = {true};
         },
         {true, {kInstallQuestion}, "New version: 3.0.2", "&Cancel"},
         {false, {kInstallQuestion, kWebError}, "New version: 3.0.2", "&Cancel"},
         0},
        {"package cannot be written",
         [&] {
             server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.2")));
             server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kInstaller));
             QFile blocker(temp.filePath("appdata"));  // a file where the folders should be made
             blocker.open(QIODevice::WriteOnly);
             Answers = {true};
         },
         {true, {kInstallQuestion}, "New version: 3.0.2", "&Cancel"},
         {false, {kInstallQuestion, kWebError}, "New version: 3.0.2", "&Cancel"},
         0},
        {"installer cannot be started",
         [&] {
             server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.2")));
             server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kInstaller));
             StartSucceeds = false;
             Answers = {true};
         },
         {false, {kInstallQuestion, kCannotExecute}, "New version: 3.0.2", "&Cancel"},
         {false, {kInstallQuestion, kCannotExecute}, "New version: 3.0.2", "&Cancel"},
         1},
    };
    for (const auto& c : cases) {
        for (const bool automatic : {true, false}) {
            SCOPED_TRACE(std::string(c.Why) + (automatic ? ", automatic" : ", on demand"));
            QDir(temp.path()).removeRecursively();
            QDir().mkpath(temp.path());
            server.Serve(kPagePath, TTestHttpServer::Status(404, "Not Found"));
            server.Serve("/pkg/setup.sh", TTestHttpServer::Status(404, "Not Found"));
            Messages.clear();
            Answers.clear();
            Started.clear();
            StartSucceeds = true;
            Terminations = 0;
            PageAddress.clear();
            c.Arrange();
            auto dialog = Open(automatic);
            if (!PageAddress.isEmpty())
                dialog->Component().ProductInfo.SetURL(PageAddress);
            dialog->Timer1Timer();

            const TOutcome& expected = automatic ? c.Automatic : c.OnDemand;
            EXPECT_EQ(!dialog->isVisible(), expected.Closed);
            EXPECT_EQ(Messages, expected.Messages);
            EXPECT_EQ(Shown(*dialog, "lblNewVersion") ? Text(*dialog, "lblNewVersion") : QString(),
                      expected.NewVersionLine);
            EXPECT_EQ(Button(*dialog), expected.Button);
            EXPECT_EQ(Terminations, c.Terminations);
            EXPECT_FALSE(dialog->Component().Busy());
            if (c.Terminations == 0) {
                EXPECT_TRUE(Started.isEmpty());
            }
        }
    }
}

// The first number of the version decides: 3.0.1 to 3.1.0 is an ordinary update, while 4.0.0 and
// 10.0.0 are major ones (10.0.0 shares its first character with no 3.x, but 1.x would).
TEST_F(CheckUpdatesTest, MajorVersionIsAskedAboutNeverInstalled)
{
    const struct {
        const char* Offered;
        QString FirstMessage;
    } cases[] = {{"3.1.0", kInstallQuestion}, {"4.0.0", kMajorWarning}, {"10.0.0", kMajorWarning}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Offered);
        Messages.clear();
        server.RequestedPaths.clear();
        server.Serve(kPagePath, TTestHttpServer::Ok(Page(c.Offered)));
        auto dialog = Open(false);
        dialog->Timer1Timer();
        ASSERT_FALSE(Messages.isEmpty());
        EXPECT_EQ(Messages.first(), c.FirstMessage);
        EXPECT_EQ(server.RequestedPaths, QStringList{kPagePath});
    }
    EXPECT_FALSE(IsMajorUpdate("3.0.1", "3.1.0"));
    EXPECT_TRUE(IsMajorUpdate("3.0.1", "4.0.0"));
    EXPECT_TRUE(IsMajorUpdate("3.0.1", "10.0.0"));
    EXPECT_TRUE(IsMajorUpdate("10.0.1", "100.0.0"));  // the same first two characters
}

TEST_F(CheckUpdatesTest, DownloadShowsItsProgressThenStartsTheInstaller)
{
    // 2560 bytes are 2.5 KB, shown as 2 (halves go to the even neighbour).
    const QByteArray installer = kInstaller + QByteArray(2560 - kInstaller.size(), '#');
    server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.2")));
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(installer));
    Answers = {true};
    auto dialog = Open(false);
    dialog->Timer1Timer();
    EXPECT_EQ(Messages, QStringList{kInstallQuestion});
    EXPECT_EQ(SaveOffers, 1);
    EXPECT_EQ(Text(*dialog, "lblStatus"), "Downloading...");
    EXPECT_EQ(dialog->findChild<QLabel*>("lblAddress")->toolTip(), QDir::toNativeSeparators(PackagePath()));
    EXPECT_EQ(Text(*dialog, "lblSize"), "2 / 2 KB");
    EXPECT_EQ(dialog->findChild<QProgressBar*>("ProgressBar1")->value(), 100);
    EXPECT_FALSE(Shown(*dialog, "lblSize"));  // hidden again after the download
    EXPECT_FALSE(Shown(*dialog, "ProgressBar1"));
    EXPECT_EQ(Started, QStringList{PackagePath()});
    EXPECT_EQ(Terminations, 1);
    QFile written(PackagePath());
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), installer);
}

TEST_F(CheckUpdatesTest, SaveOfferAnsweredCancelDeclinesTheUpdate)
{
    server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.2")));
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kInstaller));
    Answers = {true};
    SaveAnswer = false;
    auto dialog = Open(false);
    dialog->Timer1Timer();
    EXPECT_EQ(SaveOffers, 1);
    EXPECT_EQ(Messages, QStringList{kInstallQuestion});
    EXPECT_EQ(server.RequestedPaths, QStringList{kPagePath});  // the package is not asked for
    EXPECT_TRUE(Started.isEmpty());
    EXPECT_EQ(Terminations, 0);
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(CheckUpdatesTest, CancelDuringTheDownloadAsksFirst)
{
    const QByteArray installer = kInstaller + QByteArray(3000, '#');
    for (const bool confirm : {false, true}) {
        SCOPED_TRACE(confirm ? "answered Yes" : "answered No");
        QDir(temp.path()).removeRecursively();
        QDir().mkpath(temp.path());
        Messages.clear();
        Started.clear();
        Terminations = 0;
        server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.2")));
        server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(installer));
        Answers = {true, confirm};
        auto dialog = Open(false);
        bool busyAtClick = false;
        // The click arrives while the package is on its way.
        server.OnServed = [&](const QString& path) {
            if (path == "/pkg/setup.sh")
                QTimer::singleShot(0, dialog.get(), [&] {
                    busyAtClick = dialog->Component().Busy();
                    dialog->findChild<QPushButton*>("btnCancel")->click();
                });
        };
        dialog->Timer1Timer();
        server.OnServed = nullptr;
        EXPECT_TRUE(busyAtClick);
        EXPECT_EQ(Messages, QStringList({kInstallQuestion, kAbortQuestion}));  // no error message
        if (confirm) {
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_TRUE(Started.isEmpty());
            EXPECT_FALSE(QFile::exists(PackagePath()));
        } else {
            EXPECT_TRUE(dialog->isVisible());
            EXPECT_EQ(Started, QStringList{PackagePath()});
            EXPECT_EQ(Terminations, 1);
        }
    }
}

TEST_F(CheckUpdatesTest, WrongDigestIsRefusedWithNothingStarted)
{
    // SHA-256 of "abc" (FIPS 180-2, appendix B.1); the package is something else.
    server.Serve(kPagePath,
                 TTestHttpServer::Ok(Page(
                     "3.0.2", {Meta("mxSHA256",
                                    "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad")})));
    server.Serve("/pkg/setup.sh", TTestHttpServer::Ok(kInstaller));
    Answers = {true};
    auto dialog = Open(false);
    dialog->Timer1Timer();
    EXPECT_EQ(Messages, QStringList({kInstallQuestion, kWebError}));
    EXPECT_TRUE(Started.isEmpty());
    EXPECT_EQ(Terminations, 0);
    EXPECT_FALSE(QFile::exists(PackagePath()));
}

TEST_F(CheckUpdatesTest, CloseButtonAfterTheResultClosesWithoutAsking)
{
    server.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.1")));
    auto dialog = Open(false);
    dialog->Timer1Timer();
    ASSERT_EQ(Button(*dialog), "&Close");
    dialog->findChild<QPushButton*>("btnCancel")->click();
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_TRUE(Messages.isEmpty());
}

// The whole path of an automatic start-up check with nothing new: the modal dialog starts its
// check on its own timer, reads the page over https and closes itself without a word.
TEST_F(CheckUpdatesTest, AutomaticCheckWithNothingNewClosesByItself)
{
    TLocalCertificate certificate;
    ASSERT_TRUE(certificate.Valid()) << certificate.Error().toStdString();
    TTestHttpServer secure(certificate.Server());
    secure.Serve(kPagePath, TTestHttpServer::Ok(Page("3.0.1")));
    TUpdateDialogHost host;
    host.RunningVersion = "3.0.1";
    host.Message = [this](QWidget*, TUpdateMessageKind, const QString& text, bool) {
        Messages << text;
        return false;
    };
    bool stuck = false;
    QTimer guard;  // only fires when the dialog fails to close itself
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        stuck = true;
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->hide();  // ends the modal loop without asking
    });
    guard.start(20000);
    ShowUpdateDialog(nullptr, true, secure.Url(kPagePath), false, host);
    EXPECT_FALSE(stuck);
    EXPECT_EQ(secure.RequestedPaths, QStringList{kPagePath});
    EXPECT_TRUE(Messages.isEmpty());
}

}  // namespace
