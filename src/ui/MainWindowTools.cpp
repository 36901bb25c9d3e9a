// The Tools commands: converting the project to the other unit system, sizing the isolated
// footing, and one's own defaults for a new project (saved from the open project, or removed to
// restore the factory defaults).
#include <QFile>
#include <QFileInfo>
#include <QMenu>

#include "core/NumberFormat.h"
#include "core/Units.h"
#include "core/UserDefaults.h"
#include "design/SquareFootingSizing.h"
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

// A footing dimension (in ; mm) as the batch tool's size prints it.
QString SizeLength(Real value, std::uint8_t units)
{
    return QString::fromStdString(FormatFixed(value, units == usSI ? 0 : 1) + " " +
                                  UnitText(TUnitKind::SmallLength, units));
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
    RecordChange();  // a value just committed is a step of its own
    const std::vector<std::string> notes = ConvertProject(*Data_, units);
    StepName_ = units == usSI ? "Convert to SI Units" : "Convert to English Units";
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

void TfrmPMMain::ToolsSizeFootingExecute()
{
    CommitFocusedInput();
    RecordChange();  // a value just committed is a step of its own
    const TSizingResult size = SizeSquareFooting(*Data_, 1);
    if (!size.Found) {
        Platform().MessageBox(this, TMsgKind::Warning,
                              QString("No footing up to the input limits passes: %1 cannot be met.")
                                  .arg(QString::fromStdString(size.Failing)),
                              mbOK);
        return;
    }
    ApplySquareFootingSize(*Data_, size);
    StepName_ = "Size Footing";
    // Shown and read back as the change of an input is.
    Recalculate();
    ReadInputs();
    SetModified(true);
    const std::uint8_t units = Data_->Units;
    Platform().MessageBox(
        this, TMsgKind::Information,
        QString("Sized: B1 = %1, B2 = %2, T = %3, bars %4 x %5")
            .arg(SizeLength(size.B1, units), SizeLength(size.B2, units), SizeLength(size.Thickness, units))
            .arg(size.Bars1)
            .arg(size.Bars2),
        mbOK);
}
