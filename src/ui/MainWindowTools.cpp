// The Tools commands: converting the project to the other unit system, and one's own defaults for
// a new project (saved from the open project, or removed to restore the factory defaults).
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "core/UserDefaults.h"
#include "design/UnitConversion.h"
#include "ui/MainWindow.h"
#include "ui/Platform.h"

namespace {

const char* const kDefaultSaved = "New projects now start from the inputs of this project.";
const char* const kRestorePrompt =
    "New projects will start from the factory defaults again, and your own defaults will be removed. "
    "Do you want to restore the factory defaults?";

std::string NativePath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QString TfrmPMMain::UserDefaultsFile() const
{
    return QString::fromStdString(UserDefaultsPath(NativePath(Platform().AppDataDir())));
}

void TfrmPMMain::UpdateToolsCommands()
{
    const bool si = Data_ && Data_->Units == usSI;
    findChild<QAction*>("ToolsConvertSI")->setEnabled(!si);
    findChild<QAction*>("ToolsConvertEnglish")->setEnabled(si);
    const QString defaults = UserDefaultsFile();
    findChild<QAction*>("ToolsFactoryDefaults")
        ->setEnabled(!defaults.isEmpty() && QFileInfo::exists(defaults));
}

void TfrmPMMain::ConvertUnitsExecute(std::uint8_t units)
{
    CommitFocusedInput();
    if (Data_->Units == units)
        return;
    const std::vector<std::string> notes = ConvertProject(*Data_, units);
    // Shown in the new system and read back as the change of an input is.
    EmptyRebarLists();
    Recalculate();
    ReadInputs();
    SetModified(true);
    if (!notes.empty()) {
        QString text = "The conversion changed these values beyond rounding:";
        for (const std::string& note : notes)
            text += "\n" + QString::fromStdString(note);
        Platform().MessageBox(this, TMsgKind::Information, text, mbOK);
    }
}

void TfrmPMMain::ToolsSaveDefaultExecute()
{
    CommitFocusedInput();
    const QString path = UserDefaultsFile();
    if (path.isEmpty())
        throw EPelmarkError("There is no folder for application data.");
    SaveUserDefaults(*Data_, NativePath(path));
    Platform().MessageBox(this, TMsgKind::Information, kDefaultSaved, mbOK);
}

void TfrmPMMain::ToolsFactoryDefaultsExecute()
{
    if (Platform().MessageBox(this, TMsgKind::Confirmation, kRestorePrompt, mbYes | mbNo) != mbYes)
        return;
    RemoveUserDefaults(NativePath(UserDefaultsFile()));
}
