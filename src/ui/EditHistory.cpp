// Undo and redo: each committed change of the record's inputs is one step holding the inputs
// before and after it (a project image of the record; results are recomputed on restore).
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QStyle>
#include <QToolBar>
#include <QUndoCommand>
#include <QUndoStack>

#include "design/RebarTables.h"
#include "display/DisplayModel.h"
#include "ui/MainWindow.h"
#include "ui/NumericEdit.h"

namespace {

class TInputsStep : public QUndoCommand {
  public:
    TInputsStep(TfrmPMMain* window, const QString& name, std::vector<std::uint8_t> before,
                std::vector<std::uint8_t> after)
        : QUndoCommand(name), Window_(window), Before_(std::move(before)), After_(std::move(after))
    {
    }
    void undo() override { Window_->RestoreInputs(Before_); }
    // The first redo comes from the push, when the change is already made.
    void redo() override
    {
        if (Pushed_)
            Window_->RestoreInputs(After_);
        Pushed_ = true;
    }

  private:
    TfrmPMMain* Window_;
    std::vector<std::uint8_t> Before_, After_;
    bool Pushed_ = false;
};

// The identification texts, named as their labels.
struct TTextField {
    std::string TPMData::*Field;
    const char* Name;
};
const TTextField kTextFields[] = {{&TPMData::Organization, "Organization"},
                                  {&TPMData::ProjectName, "Project Name"},
                                  {&TPMData::DesignBy, "Design by"},
                                  {&TPMData::JobNumber, "Job #"}};

}  // namespace

void TfrmPMMain::BuildEditCommands()
{
    History_ = new QUndoStack(this);
    History_->setObjectName("History");
    QAction* undo = History_->createUndoAction(this, "&Undo");
    undo->setObjectName("EditUndo");
    undo->setShortcut(QKeySequence::Undo);
    undo->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    QAction* redo = History_->createRedoAction(this, "&Redo");
    redo->setObjectName("EditRedo");
    redo->setShortcuts({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")});
    redo->setIcon(style()->standardIcon(QStyle::SP_ArrowForward));
    // Undoing back to the saved state clears the modified mark, redoing away sets it again.
    // (The stack clears itself once more as the window is destroyed, after the record.)
    connect(History_, &QUndoStack::indexChanged, this, [this] {
        if (Data_)
            SetModified(!History_->isClean());
    });

    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("mnuEdit");
    edit->addActions({undo, redo});
}

void TfrmPMMain::StartHistory()
{
    const bool modified = Modified_;
    History_->clear();
    SetModified(modified);  // the clear does not judge the project
    Baseline_ = Data_->SaveProjectToBytes();
    StepName_.clear();
}

void TfrmPMMain::RecordChange()
{
    if (Restoring_ || !History_)
        return;
    std::vector<std::uint8_t> now = Data_->SaveProjectToBytes();
    if (now == Baseline_ || Baseline_.empty()) {
        StepName_.clear();
        Baseline_ = std::move(now);
        return;
    }
    const QString name = StepName_.isEmpty() ? ChangeName(Baseline_) : StepName_;
    // Reading the previous inputs selected their tables: the record's own are active again.
    Data_->SetUnitSystem(Data_->Units);
    SelectRebarTable(*Data_);
    StepName_.clear();
    std::vector<std::uint8_t> before = std::move(Baseline_);
    Baseline_ = now;
    History_->push(new TInputsStep(this, name, std::move(before), std::move(now)));
}

void TfrmPMMain::RestoreInputs(const std::vector<std::uint8_t>& snapshot)
{
    const QScopedValueRollback<bool> restoring(Restoring_, true);
    ShowHintBelow(nullptr, {});
    TPMData& d = *Data_;
    // Undo and Redo are not handlers of the event boundary: an error is shown here.
    try {
        d.ResetRecord();
        d.LoadProjectFromBytes(snapshot);
        d.SetUnitSystem(d.Units);
        // Shown as after opening a project: the lists refill from the record's family and units.
        EmptyRebarLists();
        LastUnits_ = d.Units;
        Recalculate();
        Edit("Edit2")->setEnabled(d.Shape == shRectangle);
    } catch (const std::exception& error) {
        ShowError(error);
    }
    Baseline_ = d.SaveProjectToBytes();
}

// The caption of the first input shown differently, or the identification field that changed.
QString TfrmPMMain::ChangeName(const std::vector<std::uint8_t>& before) const
{
    TPMData previous;
    previous.ResetRecord();
    previous.LoadProjectFromBytes(before);
    const TPMData& d = *Data_;
    if (previous.Logo != d.Logo)
        return "Logo";
    if (previous.Date != d.Date)
        return "Date";
    for (const TTextField& text : kTextFields)
        if (previous.*text.Field != d.*text.Field)
            return text.Name;
    const TDisplayModel was = BuildDisplayModel(previous);
    const TDisplayModel is = BuildDisplayModel(d);
    for (std::size_t s = 0; s < is.Inputs.size() && s < was.Inputs.size(); ++s) {
        const auto& rowsWas = was.Inputs[s].Rows;
        const auto& rowsIs = is.Inputs[s].Rows;
        for (std::size_t r = 0; r < rowsIs.size() && r < rowsWas.size(); ++r) {
            const auto& cellsWas = rowsWas[r].Cells;
            const auto& cellsIs = rowsIs[r].Cells;
            for (std::size_t c = 0; c < cellsIs.size() && c < cellsWas.size(); ++c) {
                const QObject* control = NamedControl(QString::fromStdString(cellsIs[c].Control));
                const auto* edit = qobject_cast<const TNumericEdit*>(control);
                if (edit && edit->IsResult())
                    continue;
                if (cellsIs[c].Text != cellsWas[c].Text)
                    return QString::fromStdString(rowsIs[r].Caption);
            }
        }
    }
    return "Change";
}
