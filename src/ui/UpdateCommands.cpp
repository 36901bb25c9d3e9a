// The Help menu's update commands and the automatic check after the window is first shown.
#include "ui/UpdateCommands.h"

#include <QAction>
#include <QShowEvent>
#include <QTimer>

#include "core/Version.h"
#include "ui/MainWindow.h"
#include "ui/Platform.h"
#include "update/MakerAddresses.h"
#include "update/UpdateBuildSettings.h"

namespace {

TUpdateLauncher& Launcher()
{
    static TUpdateLauncher launcher = ShowUpdateDialog;
    return launcher;
}

TMsgKind PlatformKind(TUpdateMessageKind kind)
{
    switch (kind) {
    case TUpdateMessageKind::Warning:
        return TMsgKind::Warning;
    case TUpdateMessageKind::Confirmation:
        return TMsgKind::Confirmation;
    case TUpdateMessageKind::Information:
        break;
    }
    return TMsgKind::Information;
}

}  // namespace

void SetUpdateLauncher(TUpdateLauncher launcher)
{
    Launcher() = launcher ? std::move(launcher) : TUpdateLauncher(ShowUpdateDialog);
}

const TUpdateLauncher& UpdateLauncher()
{
    return Launcher();
}

bool TfrmPMMain::AutoUpdatesStored()
{
    IPlatform& platform = Platform();
    return !platform.HasSetting(kAutoUpdatesKey) || platform.ReadSetting(kAutoUpdatesKey).toInt() != 0;
}

void TfrmPMMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (ShownOnce_ || event->spontaneous())
        return;
    ShownOnce_ = true;
    // The layout decision once every column has its first real size (a restored size is applied
    // before the window is shown, when the columns are not laid out yet).
    QMetaObject::invokeMethod(
        this, [this] { ArrangeColumns(); }, Qt::QueuedConnection);
    AutoUpdates_->setChecked(AutoUpdatesStored());
    UpdateTimer_->start();
}

void TfrmPMMain::UpdateTimerTimer()
{
    UpdateTimer_->stop();
    if (AutoUpdates_->isChecked())
        OpenUpdateDialog(true);
}

void TfrmPMMain::HelpAutoUpdatesExecute()
{
    // The action has toggled its check mark already.
    Platform().WriteSetting(kAutoUpdatesKey, AutoUpdates_->isChecked() ? 1 : 0);
}

void TfrmPMMain::HelpCheckUpdatesExecute()
{
    OpenUpdateDialog(false);
}

void TfrmPMMain::OpenUpdateDialog(bool automatic)
{
    TUpdateDialogHost host;
    host.RunningVersion = VersionText;
    host.AppDataFolder = Platform().AppDataDir();
    host.Message = [](QWidget* parent, TUpdateMessageKind kind, const QString& text, bool yesNo) {
        const int answer =
            Platform().MessageBox(parent, PlatformKind(kind), text, yesNo ? mbYes | mbNo : mbOK);
        return answer == (yesNo ? mbYes : mbOK);
    };
    host.ConfirmSave = [this] {
        bool mayLeave = false;
        Guarded([&] { mayLeave = ConfirmSave(); });  // a failed save declines the update
        return mayLeave;
    };
    UpdateLauncher()(this, automatic, MakerAddresses::UpdatePageUrl, UpdateBuildSettings::UpdateInplace,
                     host);
}
