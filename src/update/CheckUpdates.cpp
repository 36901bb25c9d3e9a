#include "update/CheckUpdates.h"

#include <cmath>
#include <memory>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include "update/MakerAddresses.h"
#include "update/ShortenedPath.h"
#include "update/UpdatePicture.h"

namespace {

const QString kChecking = QStringLiteral("Checking...");
const QString kDownloading = QStringLiteral("Downloading...");
const QString kCurrentVersion = QStringLiteral("Current version: %1");
const QString kNewVersion = QStringLiteral("New version: %1");
const QString kLatestVersion = QStringLiteral("You have the latest version");
const QString kWebError = QStringLiteral("Error accessing data from the web!");
const QString kCannotExecute = QStringLiteral("Error executing downloaded file!");
const QString kAbortQuestion = QStringLiteral("Are you sure you want to abort downloading?");

QString MajorVersionWarning()
{
    return QStringLiteral("There is new major version of software available.\n"
                          "Major updates are not free. Please visit our website for more information.");
}

QString InstallQuestion()
{
    return QStringLiteral("There is new version of software available for \ndownload at the ") +
           QLatin1String(MakerAddresses::SiteName) +
           QStringLiteral(" website.\n\nDo you want to install new version? Program will be restarted.");
}

// Rounded to the nearest integer, halves to the even neighbour (the default rounding mode).
qint64 Nearest(double value)
{
    return static_cast<qint64>(std::nearbyint(value));
}

QString MajorPart(const QString& version)
{
    return version.trimmed().section(QLatin1Char('.'), 0, 0);
}

bool QtMessage(QWidget* parent, TUpdateMessageKind kind, const QString& text, bool yesNo)
{
    QMessageBox box(parent);
    box.setIcon(kind == TUpdateMessageKind::Warning        ? QMessageBox::Warning
                : kind == TUpdateMessageKind::Confirmation ? QMessageBox::Question
                                                           : QMessageBox::NoIcon);
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setText(text);
    box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    return box.exec() == (yesNo ? QMessageBox::Yes : QMessageBox::Ok);
}

QLabel* MakeLine(QWidget* parent, const char* name, const QString& text, const QRect& place, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setAlignment(Qt::AlignCenter);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

bool IsMajorUpdate(const QString& running, const QString& offered)
{
    return MajorPart(running) != MajorPart(offered);
}

TfrmCheckUpdates::TfrmCheckUpdates(QWidget* parent, TUpdateDialogHost host)
    : QDialog(parent), Host_(std::move(host)), wupd(this)
{
    setObjectName(QStringLiteral("frmCheckUpdates"));
    wupd.setObjectName(QStringLiteral("wupd"));
    wupd.Options = TmxUpdateOption::uoRunUpdate | TmxUpdateOption::uoTerminate | TmxUpdateOption::uoOverwrite;
    if (!Host_.AppDataFolder.isEmpty())
        wupd.Environment.AppDataFolder = Host_.AppDataFolder;
    // The program ends through its event loops, so the main window is destroyed in order.
    wupd.Environment.Terminate = [](int exitCode) { QCoreApplication::exit(exitCode); };
    BuildWindow();
    AttachHandlers();
}

TfrmCheckUpdates::~TfrmCheckUpdates()
{
    wupd.Abort();
}

void TfrmCheckUpdates::BuildWindow()
{
    setWindowTitle(QStringLiteral("Check for updates"));
    setFixedSize(465, 332);
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) & ~Qt::WindowContextHelpButtonHint);

    imgPicture = new QLabel(this);
    imgPicture->setObjectName(QStringLiteral("imgPicture"));
    imgPicture->setGeometry(9, 9, 164, 314);
    imgPicture->setPixmap(DrawUpdatePicture(imgPicture->size()));

    const int left = 184;
    const int width = 465 - left - 9;
    lblTitle = MakeLine(this, "lblTitle", QStringLiteral("Check for updates"), {left, 10, width, 30}, true);
    QFont titleFont = lblTitle->font();
    titleFont.setPixelSize(19);
    lblTitle->setFont(titleFont);
    lblTitle->setStyleSheet(QStringLiteral("color: #800000;"));
    shpTitleBar = new QFrame(this);
    shpTitleBar->setObjectName(QStringLiteral("shpTitleBar"));
    shpTitleBar->setGeometry(left, 42, width, 9);
    shpTitleBar->setStyleSheet(QStringLiteral("background: #000080;"));

    lblStatus = MakeLine(this, "lblStatus", kChecking, {left, 74, width, 20}, true);
    lblAddress = MakeLine(this, "lblAddress", QString(), {left, 98, width, 20}, false);
    lblCurrentVersion =
        MakeLine(this, "lblCurrentVersion", QStringLiteral("Current version:"), {left, 140, width, 20}, true);
    lblNewVersion =
        MakeLine(this, "lblNewVersion", QStringLiteral("New version:"), {left, 164, width, 20}, true);
    lblNewVersion->hide();
    lblSize = MakeLine(this, "lblSize", QStringLiteral("0 / 0 KB"), {left, 214, width, 20}, false);
    lblSize->hide();
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(left + 10, 238, width - 20, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);  // a smooth bar
    ProgressBar1->hide();

    btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(465 - 9 - 84, 332 - 9 - 21, 84, 21);
    btnCancel->setAutoDefault(false);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmCheckUpdates::btnCancelClick);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(kStartDelayMs);
    connect(Timer1, &QTimer::timeout, this, &TfrmCheckUpdates::Timer1Timer);
    Timer1->start();
}

void TfrmCheckUpdates::AttachHandlers()
{
    wupd.OnBeforeGetInfo = [](TmxWebUpdate&) {};
    wupd.OnNoUpdateFound = [this](TmxWebUpdate&) { wupdNoUpdateFound(); };
    wupd.OnDownloadError = [this](TmxWebUpdate&) { wupdDownloadError(); };
    wupd.OnUpdateAvailable = [this](TmxWebUpdate&, const QString& actual, const QString& offered,
                                    bool& canUpdate) { wupdUpdateAvailable(actual, offered, canUpdate); };
    wupd.OnAfterShowInfo = [this](TmxWebUpdate&, bool checkForUpdate) { wupdAfterShowInfo(checkForUpdate); };
    wupd.OnGetClientFileName = [this](TmxWebUpdate&, QString& fileName) { wupdGetClientFileName(fileName); };
    wupd.OnBeforeDownload = [this](TmxWebUpdate&, const QString& fileName) { wupdBeforeDownload(fileName); };
    wupd.OnDownload = [this](TmxWebUpdate&, qint64 total, qint64 downloaded) {
        wupdDownload(total, downloaded);
    };
    wupd.OnAfterDownload = [this](TmxWebUpdate&, const QString&) { wupdAfterDownload(); };
    wupd.OnCannotExecute = [this](TmxWebUpdate&) { wupdCannotExecute(); };
}

bool TfrmCheckUpdates::Ask(TUpdateMessageKind kind, const QString& text)
{
    return Host_.Message ? Host_.Message(this, kind, text, true) : QtMessage(this, kind, text, true);
}

void TfrmCheckUpdates::Tell(TUpdateMessageKind kind, const QString& text)
{
    if (Host_.Message)
        Host_.Message(this, kind, text, false);
    else
        QtMessage(this, kind, text, false);
}

void TfrmCheckUpdates::SetShortenedText(QLabel* label, const QString& text)
{
    label->setText(ShortenedPath(text, label->fontMetrics(), label->width()));
}

void TfrmCheckUpdates::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmCheckUpdates::FormShow()
{
    SetShortenedText(lblAddress, wupd.ProductInfo.URL());
    lblCurrentVersion->setText(kCurrentVersion.arg(Host_.RunningVersion));
}

void TfrmCheckUpdates::Timer1Timer()
{
    Timer1->stop();
    wupd.ProductInfo.Version = Host_.RunningVersion;
    wupd.CheckForUpdate();
}

void TfrmCheckUpdates::btnCancelClick()
{
    if (wupd.Busy() && !Ask(TUpdateMessageKind::Confirmation, kAbortQuestion))
        return;
    wupd.OnDownloadError = nullptr;  // the aborted transfer is no error to show
    wupd.Abort();
    done(QDialog::Rejected);
}

void TfrmCheckUpdates::reject()
{
    btnCancelClick();
}

void TfrmCheckUpdates::done(int result)
{
    Timer1->stop();
    wupd.Abort();
    QDialog::done(result);
}

void TfrmCheckUpdates::wupdNoUpdateFound()
{
    if (Automatic) {
        done(QDialog::Rejected);
        return;
    }
    lblNewVersion->setText(kLatestVersion);
    lblNewVersion->show();
    btnCancel->setText(QStringLiteral("&Close"));
}

void TfrmCheckUpdates::wupdDownloadError()
{
    wupd.OnDownloadError = nullptr;  // one check shows at most one error
    if (Automatic)
        done(QDialog::Rejected);
    else
        Tell(TUpdateMessageKind::Information, kWebError);
}

void TfrmCheckUpdates::wupdUpdateAvailable(const QString& /*actualVersion*/, const QString& newVersion,
                                           bool& canUpdate)
{
    lblNewVersion->setText(kNewVersion.arg(newVersion));
    lblNewVersion->show();
    if (IsMajorUpdate(Host_.RunningVersion, newVersion)) {
        canUpdate = false;
        Tell(TUpdateMessageKind::Warning, MajorVersionWarning());
        wupd.Abort();
        done(QDialog::Rejected);
        return;
    }
    // The program ends once the installer starts: unsaved work is offered for saving first,
    // and declining that declines the update.
    canUpdate =
        Ask(TUpdateMessageKind::Warning, InstallQuestion()) && (!Host_.ConfirmSave || Host_.ConfirmSave());
    if (!canUpdate) {
        wupd.Abort();
        done(QDialog::Rejected);
    }
}

void TfrmCheckUpdates::wupdAfterShowInfo(bool checkForUpdate)
{
    if (!checkForUpdate)
        done(QDialog::Rejected);
}

void TfrmCheckUpdates::wupdGetClientFileName(QString& fileName)
{
    const QDir folder(QDir(wupd.Environment.AppDataFolder).filePath(QStringLiteral("Pelmark/Update")));
    QDir().mkpath(folder.path());  // a folder that cannot be made fails the download, which is shown
    fileName = folder.filePath(QFileInfo(fileName).fileName());
}

void TfrmCheckUpdates::wupdBeforeDownload(const QString& fileName)
{
    lblStatus->setText(kDownloading);
    SetShortenedText(lblAddress, QDir::toNativeSeparators(fileName));
    lblAddress->setToolTip(QDir::toNativeSeparators(fileName));
    lblSize->show();
    ProgressBar1->show();
}

void TfrmCheckUpdates::wupdDownload(qint64 total, qint64 downloaded)
{
    lblSize->setText(QStringLiteral("%1 / %2 KB")
                         .arg(Nearest(double(downloaded) / 1024))
                         .arg(Nearest(double(total) / 1024)));
    if (total != 0)
        ProgressBar1->setValue(int(Nearest(double(downloaded) / double(total) * 100)));
    repaint();  // the component processes the pending events after each block
}

void TfrmCheckUpdates::wupdAfterDownload()
{
    lblSize->hide();
    ProgressBar1->hide();
}

void TfrmCheckUpdates::wupdCannotExecute()
{
    Tell(TUpdateMessageKind::Information, kCannotExecute);
}

void ShowUpdateDialog(QWidget* parent, bool automatic, const QString& pageAddress, bool inplace,
                      const TUpdateDialogHost& host)
{
    // Owned here rather than deleted on close: a closing dialog may still be inside its check.
    auto dialog = std::make_unique<TfrmCheckUpdates>(parent, host);
    dialog->Automatic = automatic;
    dialog->Component().Inplace = inplace;
    dialog->Component().ProductInfo.SetURL(pageAddress);
    dialog->exec();
}
