// The project commands: New, Open, Save, Save As, Exit and the close request, the save prompt,
// the modified flag and the caption, the logo buttons, the recent projects and dropped files.
#include <memory>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUndoStack>
#include <QUrl>

#include "core/Today.h"
#include "core/Units.h"
#include "core/UserDefaults.h"
#include "ui/MainWindow.h"
#include "ui/NumericEdit.h"
#include "ui/Platform.h"
#include "ui/RecentProjects.h"

namespace {

const QDate kDayZero(1899, 12, 30);
const char* const kProductCaption = "Korvane Pelmark";
const char* const kSavePrompt = "File is not saved. Do you want to save it now?";
const char* const kProjectFilter = "Korvane Pelmark files (*.kpm);;All Files (*.*)";
const char* const kLogoFilter = "JPEG files (*.jpg; *.jpeg)";
const char* const kDamagedDefaults =
    "Your default project \"%1\" cannot be read (%2). The new project starts from the factory defaults.";

// File names as the file system spells them.
std::string NativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The one local file of a drag, or empty.
QString DroppedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1 || !mime->urls().first().isLocalFile())
        return {};
    return mime->urls().first().toLocalFile();
}

}  // namespace

QString TfrmPMMain::Caption() const
{
    return FileName_.isEmpty() ? QString(kProductCaption)
                               : QString(kProductCaption) + " - " + QFileInfo(FileName_).fileName();
}

void TfrmPMMain::UpdateCaption()
{
    setWindowTitle(Caption() + "[*]");
    setWindowModified(Modified_);
}

void TfrmPMMain::SetModified(bool modified)
{
    Modified_ = modified;
    Control<QPushButton>("Button3")->setEnabled(!Logo_->pixmap().isNull());
    setWindowModified(modified);
}

// "No" keeps the modified mark: the project stays on screen, and stays modified, until another
// project has been read in its place.
bool TfrmPMMain::ConfirmReplace()
{
    if (!Modified_)
        return true;
    const int answer =
        Platform().MessageBox(this, TMsgKind::Confirmation, kSavePrompt, mbYes | mbNo | mbCancel);
    if (answer == mbYes)
        FileSaveExecute();  // an error goes to the caller, which abandons its command
    return answer == mbNo || !Modified_;
}

bool TfrmPMMain::ConfirmSave()
{
    if (!ConfirmReplace())
        return false;
    SetModified(false);
    return true;
}

void TfrmPMMain::CommitFocusedInput()
{
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this)
        return;
    if (auto* date = qobject_cast<QDateEdit*>(focus->parentWidget()))
        focus = date;
    if (auto* edit = qobject_cast<TNumericEdit*>(focus)) {
        if (!edit->IsResult() && !edit->isReadOnly())
            InputExit(edit);
        return;
    }
    const QString name = focus->objectName();
    if (qobject_cast<QDateEdit*>(focus) || name == "Edit28" || name == "Edit33" || name == "Edit29" ||
        name == "Edit27")
        InputExit(focus);
}

void TfrmPMMain::FileNewExecute()
{
    if (!ConfirmSave())
        return;
    TPMData& d = *Data_;
    // One's own defaults when they can be read, otherwise the example project.
    const TNewProjectSource source = LoadNewProject(d, NativePath(UserDefaultsFile()));
    FileName_.clear();
    for (const char* name : {"Edit28", "Edit33", "Edit27", "Edit29"})
        SetTextSilently(Control<QLineEdit>(name), {});
    LogoBytes_.clear();
    Logo_->clear();
    LayoutLogo();
    {
        auto* date = Control<QDateEdit>("DateTimePicker1");
        const QSignalBlocker blocker(date);
        date->setDate(kDayZero.addDays(static_cast<qint64>(TodayDayCount())));
    }
    for (const char* name : {"ComboBox1", "ComboBox2"}) {
        auto* list = Control<QComboBox>(name);
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(0);
    }
    // Every tagged edit starts at the lower bound of its tag.
    const TInputLimitsTable& limits = ActiveInputLimits();
    for (TNumericEdit* edit : findChildren<TNumericEdit*>()) {
        if (edit->Tag() >= 1 && edit->Tag() <= kInputTagCount)
            ShowInput(edit, limits[edit->Tag()].Min);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    InputSection("pnlGeneralData")->Expand(true);
    ResultSection("pnlBearingCapacity")->Expand(true);
    Recalculate();
    ReadInputs();
    SetModified(false);
    if (isVisible()) {
        auto* units = Control<QComboBox>("ComboBox1");
        (units->isEnabled() ? units : Control<QComboBox>("ComboBox2"))->setFocus();
    }
    UpdateCaption();
    StartHistory();
    if (!source.UserDefaultsError.empty())
        Platform().MessageBox(this, TMsgKind::Warning,
                              QString(kDamagedDefaults)
                                  .arg(QDir::toNativeSeparators(UserDefaultsFile()),
                                       QString::fromUtf8(source.UserDefaultsError.c_str())),
                              mbOK);
}

void TfrmPMMain::FileOpenExecute()
{
    if (!ConfirmReplace())
        return;
    const QString path = Platform().OpenFileDialog(
        this, {"Open", kProjectFilter, "kpm", DocumentsFolder_, FileName_.isEmpty() ? "*.kpm" : FileName_});
    if (path.isEmpty())
        return;
    OpenProject(path);
}

void TfrmPMMain::OpenProject(const QString& path)
{
    // Read into a fresh record: a damaged or foreign file leaves the open project, its name, its
    // modified mark and every control as they were.
    auto loaded = std::make_unique<TPMData>();
    try {
        loaded->LoadProject(NativePath(path));
    } catch (const std::exception& error) {
        Data_->SetUnitSystem(Data_->Units);  // the fresh record made its own input limits active
        Platform().MessageBox(this, TMsgKind::Error, QString::fromUtf8(error.what()), mbOK);
        return;
    }
    *Data_ = std::move(*loaded);
    InputSection("pnlGeneralData")->Expand(true);
    ResultSection("pnlBearingCapacity")->Expand(true);
    FileName_ = path;
    // A computation error does not undo the load: it is shown once the project is on screen.
    QString computeError;
    auto attempt = [&](auto&& step) {
        try {
            step();
        } catch (const std::exception& error) {
            if (computeError.isEmpty())
                computeError = QString::fromUtf8(error.what());
        }
    };
    attempt([&] {
        Recalculate();
        SetModified(false);
    });

    // The change handling of the units list shows the record and recomputes.
    auto* units = Control<QComboBox>("ComboBox1");
    (units->isEnabled() ? units : Control<QComboBox>("ComboBox2"))->setFocus();
    attempt([&] { InputChange(units); });
    UpdateCaption();
    SetModified(false);
    StartHistory();
    Recent_->Add(path);
    RebuildRecentMenu();
    if (!computeError.isEmpty())
        Platform().MessageBox(this, TMsgKind::Error, computeError, mbOK);
}

void TfrmPMMain::FileSaveExecute()
{
    CommitFocusedInput();
    if (FileName_.isEmpty())
        FileSaveAsExecute();
    else
        SaveTo(FileName_);
}

void TfrmPMMain::FileSaveAsExecute()
{
    const QString path = Platform().SaveFileDialog(
        this, {"Save", kProjectFilter, "kpm", DocumentsFolder_, FileName_.isEmpty() ? "*.kpm" : FileName_});
    if (path.isEmpty())
        return;
    CommitFocusedInput();
    SaveTo(path);
}

// The project takes the new name only once it is written: a save that fails keeps the previous
// name, the previous file whole and the project modified.
void TfrmPMMain::SaveTo(const QString& path)
{
    Data_->SaveProject(NativePath(path));
    FileName_ = path;
    RecordChange();  // a value committed by this command is the step the saved state follows
    History_->setClean();
    SetModified(false);
    UpdateCaption();
    Recent_->Add(path);
    RebuildRecentMenu();
}

void TfrmPMMain::FileExitExecute()
{
    close();
}

void TfrmPMMain::closeEvent(QCloseEvent* event)
{
    bool mayClose = false;
    try {
        mayClose = !Data_ || ConfirmSave();
    } catch (const std::exception& error) {
        ShowError(error);
    }
    if (mayClose)
        event->accept();
    else
        event->ignore();
}

// --- Logo ---

void TfrmPMMain::ShowLogoFromRecord()
{
    LogoBytes_ = Data_->Logo;
    QPixmap picture;
    if (!LogoBytes_.empty())
        picture.loadFromData(LogoBytes_.data(), static_cast<uint>(LogoBytes_.size()), "JPEG");
    if (picture.isNull())
        Logo_->clear();
    else
        Logo_->setPixmap(picture);
    LayoutLogo();
}

void TfrmPMMain::Button1Click()
{
    const QString path = Platform().OpenFileDialog(this, {"Open", kLogoFilter, "", DocumentsFolder_, ""});
    if (path.isEmpty())
        return;
    // The record proves the picture decodes before taking it; otherwise the previous logo stays.
    Data_->LoadLogoFile(NativePath(path));
    ShowLogoFromRecord();
    SetModified(true);
}

void TfrmPMMain::Button3Click()
{
    Data_->SetLogo({});
    LogoBytes_.clear();
    Logo_->clear();
    LayoutLogo();
    SetModified(true);
}

// --- Recent projects and dropped files ---

void TfrmPMMain::RebuildRecentMenu()
{
    RecentMenu_->clear();
    const QStringList items = Recent_->Items();
    for (int i = 0; i < items.size(); ++i) {
        const QString path = items[i];
        QString name = QFileInfo(path).fileName();
        name.replace('&', "&&");
        QAction* action = RecentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(name));
        action->setObjectName(QString("RecentProject%1").arg(i + 1));
        action->setToolTip(path);
        action->setStatusTip(path);
        action->setData(path);
        connect(action, &QAction::triggered, this,
                [this, path] { Guarded([&] { OpenRecentProject(path); }); });
    }
    RecentMenu_->setEnabled(!items.isEmpty());
}

void TfrmPMMain::OpenRecentProject(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        Recent_->Remove(path);
        RebuildRecentMenu();
        Platform().MessageBox(
            this, TMsgKind::Warning,
            QString("The project \"%1\" no longer exists. It is removed from the recent projects.")
                .arg(QDir::toNativeSeparators(path)),
            mbOK);
        return;
    }
    if (ConfirmReplace())
        OpenProject(path);
}

// A project file dragged over any part of the window, an edit included, is taken by the window.
bool TfrmPMMain::HandleFileDrag(QEvent* event)
{
    auto* drag = static_cast<QDropEvent*>(event);  // the enter and move events derive from it
    const QString path = DroppedFile(drag->mimeData());
    if (path.isEmpty())
        return false;
    drag->acceptProposedAction();
    if (event->type() == QEvent::Drop)
        // Opened once the drop has finished, so that the save prompt does not hold the dragging program.
        QMetaObject::invokeMethod(
            this,
            [this, path] {
                Guarded([&] {
                    if (ConfirmReplace())
                        OpenProject(path);
                });
            },
            Qt::QueuedConnection);
    return true;
}
