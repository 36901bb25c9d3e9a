// The main window: it owns the design record and composes the identification panel, the input
// column, the result column and the diagram column. Its operations read the controls into the
// record (ReadInputs), recompute and show everything (Recalculate), and run the commands.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>
#include <vector>

#include "core/PMClasses.h"
#include "ui/SectionPanel.h"
#include "ui/UnitLabels.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class TDiagramColumn;
class TDiagramImage;
class TfrmComputations;
class TInputColumn;
class TNumericEdit;
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
    void SetModified(bool modified);

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

    // Controls by their layout name.
    template <class T> T* Control(const QString& name) const { return findChild<T*>(name); }
    TNumericEdit* Edit(const QString& name) const;

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

    // Redraws the footing section and the bearing diagram.
    void DrawDiagrams();
    // Moves the diagrams between the result column and the diagram column by the window width.
    void ArrangeColumns();
    bool DiagramsInResultColumn() const { return NarrowLayout_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildWindow();
    void ConnectInputs();
    void BindResults();
    void ShowError(const std::exception& error);
    void LayoutLogo();
    void EmptyRebarLists();
    void FillRebarLists();
    QList<QComboBox*> RebarLists() const;
    void FootingLengthFollowsShape();
    void ShowInputs(const QString& sectionName);
    void ShowResults(const QString& sectionName);
    void ShowSquareChecks();
    void ShowContinuousChecks();
    void SetSectionHeaderIcons();
    void SetResultVisibility();
    bool WheelOverColumn(QWheelEvent* event);

    std::unique_ptr<TPMData> Data_;
    bool Modified_ = false;
    QString FileName_;
    QString DocumentsFolder_;
    std::uint8_t LastUnits_ = 0;  // the unit system applied at the last read of the inputs
    bool Busy_ = false;           // inside ReadInputs or Recalculate
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

    struct TResultBinding {
        TNumericEdit* Edit;
        Real* Field;  // nullptr while the record has no such field
        QString Section;
    };
    std::vector<TResultBinding> ResultBindings_;
};

template <class F> void TfrmPMMain::Guarded(F&& handler)
{
    if (!Data_)
        return;  // the window is being destroyed
    try {
        handler();
    } catch (const std::exception& error) {
        ShowError(error);
    }
}
