// The main window: it owns the design record and composes the identification panel, the input
// column, the result column and the diagram column. Its operations read the controls into the
// record (ReadInputs), recompute and show everything (Recalculate), and run the commands.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include "core/InputCatalogue.h"
#include "core/PMClasses.h"
#include "diagrams/DiagramDraw.h"
#include "ui/SectionPanel.h"
#include "ui/UnitLabels.h"

class QAction;
class QCheckBox;
class QMenu;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QUndoStack;
class TCheckIconLabel;
class TDiagramColumn;
struct TDisplayModel;
class TDiagramImage;
class TfrmComputations;
class TInputColumn;
class TNumericEdit;
class TRecentProjects;
class TResultColumn;

class TfrmPMMain : public QMainWindow {
    Q_OBJECT
  public:
    explicit TfrmPMMain(QWidget* parent = nullptr);
    ~TfrmPMMain() override;

    TPMData& Data() { return *Data_; }
    bool Modified() const { return Modified_; }
    QString FileName() const { return FileName_; }
    QString DocumentsFolder() const { return DocumentsFolder_; }

    // --- The record and the controls ---
    void ReadInputs();
    void Recalculate();
    void SetUnits();

    // --- Commands ---
    void FileNewExecute();
    void FileOpenExecute();
    void FileSaveExecute();
    void FileSaveAsExecute();
    void FileExitExecute();
    void HelpAboutExecute();
    void HelpWebsiteExecute();
    // Update commands (UpdateCommands.cpp).
    void HelpAutoUpdatesExecute();
    void HelpCheckUpdatesExecute();
    void UpdateTimerTimer();  // the one-shot automatic check after the window is first shown
    QTimer* UpdateTimer() const { return UpdateTimer_; }
    static bool AutoUpdatesStored();
    // Tools: the project converted to a unit system (0 English, 1 SI), one's own new-project defaults.
    void ConvertUnitsExecute(std::uint8_t units);
    void ToolsSaveDefaultExecute();
    void ToolsFactoryDefaultsExecute();
    // Sizes the isolated footing (aspect 1) and fills its inputs, as one undo step.
    void ToolsSizeFootingExecute();
    // The user's new-project file in the per-user application data; empty without such a folder.
    QString UserDefaultsFile() const;
    // Prints the report of the current print choice (the last one chosen in the print menu).
    void FilePrintExecute();
    // The print menu: the choices that apply are enabled as it opens; a choice is kept and printed.
    void PrintMenuPopup();
    void PrintChoiceClick(int tag);
    int PrintChoice() const { return PrintChoice_; }
    QMenu* PrintMenu() const { return PrintMenu_; }
    // Whether the current project may be discarded; asks to save it when it is modified.
    bool ConfirmSave();
    // The same question before another project is read; "No" keeps the modified mark until it is.
    bool ConfirmReplace();
    void SetModified(bool modified);
    // Reads a project file into a fresh record and shows it, as Open does after its dialog; a file that
    // cannot be read is reported and leaves the open project as it was.
    void OpenProject(const QString& path);
    // Opens an entry of the recent projects list (a missing file is reported and removed).
    void OpenRecentProject(const QString& path);
    // The caption by FileName; the title bar shows it with the modified mark of the platform.
    QString Caption() const;
    QMenu* RecentMenu() const { return RecentMenu_; }
    // The leave handling of the control that has the focus, so that a value being typed is read.
    void CommitFocusedInput();

    // --- Undo and redo (EditHistory.cpp) ---
    // Every committed change passes the event boundary (Guarded): there the record's inputs are
    // compared with those after the previous step, and a change becomes one undo step.
    QUndoStack* History() const { return History_; }
    // An empty history whose clean state is the record as it is now (New, Open).
    void StartHistory();
    // Records the change since the previous step, if any; the step is named after the change.
    void RecordChange();
    // Puts a snapshot of the inputs into the record, redisplays them and recomputes.
    void RestoreInputs(const std::vector<std::uint8_t>& snapshot);

    // --- Sections and hints ---
    TSectionPanel* InputSection(const QString& name) const;
    TSectionPanel* ResultSection(const QString& name) const;
    void ShowHintBelow(QWidget* control, const QString& text);
    QLabel* HintWindow() const { return HintWindow_; }

    // --- Placement ---
    void LoadWindowPlacement();
    void SaveWindowPlacement();

    // --- Listings ---
    // The stability listing, filled and not shown; the caller owns it.
    TfrmComputations* BuildStabilityListing();
    TfrmComputations* BuildBearingListing();
    TfrmComputations* BuildSquareFootingListing();
    TfrmComputations* BuildContinuousListing();

    // Controls by their layout name, from the table made when the window was built; a name the
    // window does not have raises.
    template <class T> T* Control(const QString& name) const { return qobject_cast<T*>(NamedControl(name)); }
    TNumericEdit* Edit(const QString& name) const;
    QObject* NamedControl(const QString& name) const;

    // The event boundary: runs a handler and shows an error it raises in a message box.
    template <class F> void Guarded(F&& handler);

    // --- Handlers (named after the control and the event) ---
    void InputChange(QObject* control);
    void InputExit(QObject* control);
    void CheckBoxClick(QCheckBox* box);
    void btnPedestalsClick();
    void ComboBox5Change();
    void PageControl3Change(int index);
    void CollapsibleCaptionClick(TSectionPanel* section);
    void PageControlChange();
    void Label18Click();
    void Label196Click();
    // Opens the listing a "View Computations" link names (ShowListing: the window's own builder).
    void ShowListing(TfrmComputations* (TfrmPMMain::*build)());
    void Button1Click();  // "Logo", or a click on the logo
    void Button3Click();  // "Clear"
    void imgDiagClick(TDiagramImage* image);

    // Redraws the footing section and the bearing diagram.
    void DrawDiagrams();
    // The drawing of each diagram image: the footing section, the bearing plan, (the loading
    // illustration,) the stem wall section.
    static TDiagramKind DiagramKindOf(int image)
    {
        return image == 1   ? TDiagramKind::BearingPlan
               : image == 3 ? TDiagramKind::StemWallSection
                            : TDiagramKind::Section;
    }
    // Moves the diagrams between the result column and the diagram column by the window width.
    void ArrangeColumns();
    bool DiagramsInResultColumn() const { return NarrowLayout_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void BuildWindow();
    void BuildCommands();
    void BuildEditCommands();
    QString ChangeName(const std::vector<std::uint8_t>& before) const;
    void ConnectCommands();
    void RebuildRecentMenu();
    void UpdateToolsCommands();
    void UpdateCaption();
    void OpenUpdateDialog(bool automatic);
    void SaveTo(const QString& path);
    void ShowLogoFromRecord();
    bool HandleFileDrag(QEvent* event);
    void ConnectInputs();
    void IndexControls();
    void BindDisplay();
    void ShowDisplayModel(const TDisplayModel& model);
    void SetSectionHeaderIcons(const TDisplayModel& model);
    void SetResultVisibility(const TDisplayModel& model);
    void ShowError(const std::exception& error);
    void LayoutLogo();
    void EmptyRebarLists();
    void FillRebarLists();
    QList<QComboBox*> RebarLists() const;
    void FootingLengthFollowsShape();
    void ShowInputs(TInputSection section);
    bool WheelOverColumn(QWheelEvent* event);

    std::unique_ptr<TPMData> Data_;
    bool Modified_ = false;
    QString FileName_;
    QString DocumentsFolder_;
    std::uint8_t LastUnits_ = 0;  // the unit system applied at the last read of the inputs
    int PrintChoice_ = 0;         // kept for the session, not in the project
    QMenu* PrintMenu_ = nullptr;
    bool Busy_ = false;  // inside ReadInputs or Recalculate
    bool NarrowLayout_ = false;

    TUnitLabelSet UnitLabels_;
    TInputColumn* Inputs_ = nullptr;
    TResultColumn* Results_ = nullptr;
    TDiagramColumn* Diagrams_ = nullptr;
    QWidget* Columns_ = nullptr;
    QWidget* IdentPanel_ = nullptr;
    QLabel* Logo_ = nullptr;
    std::vector<std::uint8_t> LogoBytes_;  // the JPEG data of the picture shown in Logo_
    QLabel* HintWindow_ = nullptr;
    TDiagramImage* Images_[4] = {};
    QList<TSectionPanel*> InputPanels_, ResultPanels_;
    std::unique_ptr<TRecentProjects> Recent_;
    QMenu* RecentMenu_ = nullptr;
    QAction* AutoUpdates_ = nullptr;
    QTimer* UpdateTimer_ = nullptr;
    bool ShownOnce_ = false;

    QUndoStack* History_ = nullptr;
    std::vector<std::uint8_t> Baseline_;  // the inputs after the last step (or New, Open, Undo)
    QString StepName_;                    // the name a command gives the step it makes
    int GuardDepth_ = 0;                  // nesting of the event boundary
    bool Restoring_ = false;              // inside Undo or Redo

    QHash<QString, QObject*> Controls_;  // every named control of the window

    // Where the display model is shown, resolved once when the window is built: the cells of
    // both columns in the model's order, the rows that are labels, and the section panels.
    struct TCellTarget {
        TNumericEdit* Edit;
        TCheckIconLabel* Icon;  // the cell's verdict icon, or nullptr for a verdict by text colour
        int Row, Cell;          // in the model's section
    };
    struct TLabelTarget {
        QLabel* Label;
        int Row;
    };
    struct TSectionTarget {
        TSectionPanel* Panel;
        std::vector<TCellTarget> Cells;    // the result cells (inputs are shown through the catalogue)
        std::vector<TLabelTarget> Labels;  // rows without cells that carry a label
        bool HasIcons = false;
    };
    std::vector<TSectionTarget> InputTargets_, ResultTargets_;
    struct TInputTarget {
        const TInputField* Field;
        TNumericEdit* Edit;
    };
    std::vector<TInputTarget> InputEdits_;
};

template <class F> void TfrmPMMain::Guarded(F&& handler)
{
    if (!Data_)
        return;  // the window is being destroyed
    ++GuardDepth_;
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(error);
    }
    --GuardDepth_;
    if (GuardDepth_ == 0) {
        try {
            RecordChange();
        } catch (const std::exception& error) {
            ShowError(error);
        }
    }
}
