// Showing the record: inputs back into their controls, the compute-all cycle, every result, the
// checks, the sections that apply, and the diagrams.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include "core/InputCatalogue.h"
#include "core/NumberFormat.h"
#include "core/Units.h"
#include "design/RebarTables.h"
#include "diagrams/DiagramDraw.h"
#include "display/DisplayModel.h"
#include "listings/ComputationListing.h"
#include "ui/Computations.h"
#include "ui/DiagramImage.h"
#include "ui/IconSet.h"
#include "ui/InputColumn.h"
#include "ui/MainWindow.h"
#include "ui/ModalRunner.h"
#include "ui/NumericEdit.h"
#include "ui/PageControl.h"
#include "ui/ResultColumn.h"

namespace {

const QDate kDayZero(1899, 12, 30);

void SelectSilently(QComboBox* list, int index)
{
    const QSignalBlocker blocker(list);
    list->setCurrentIndex(index);
}

}  // namespace

void TfrmPMMain::SetUnits()
{
    const std::uint8_t units = Control<QComboBox>("ComboBox1")->currentIndex() == 1 ? usSI : usEnglish;
    UnitLabels_.Apply(units);
    // The allowable load is per unit length for a continuous footing.
    const bool continuous = Control<QComboBox>("ComboBox2")->currentIndex() == shContinuous;
    Control<QLabel>("Label64Unit")
        ->setText(UnitText(continuous ? TUnitKind::LineLoadKip : TUnitKind::ForceKip, units));
}

void TfrmPMMain::FillRebarLists()
{
    for (QComboBox* list : RebarLists()) {
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->itemText(i).toStdString());
        const TRebarListFill fill = FillRebarSizeItems(items, list->currentText().toStdString());
        if (!fill.Refilled)
            continue;
        const QSignalBlocker blocker(list);
        list->clear();
        for (const std::string& item : fill.Items)
            list->addItem(QString::fromStdString(item));
        list->setCurrentIndex(fill.Selected);
    }
}

void TfrmPMMain::ShowInputs(TInputSection section)
{
    TPMData& d = *Data_;
    for (const TInputTarget& input : InputEdits_)
        if (input.Field->Section == section)
            ShowInput(input.Edit, input.Field->Field(d));
}

void TfrmPMMain::Recalculate()
{
    const QScopedValueRollback<bool> busy(Busy_, true);
    TPMData& d = *Data_;

    // 1. Units, the rebar table, and the bar-size lists that were emptied.
    SetUnits();
    SelectRebarTable(d);
    FillRebarLists();

    // 2. The stability footing defaults to the bearing footing.
    if (d.Stability.StabB == 0)
        d.Stability.StabB = d.B;
    if (d.Stability.StabL == 0)
        d.Stability.StabL = d.L;
    if (d.Stability.StabT == 0)
        d.Stability.StabT = d.Df;

    // 3. Project texts, logo, units and shape.
    SetTextSilently(Control<QLineEdit>("Edit28"), QString::fromStdString(d.Organization));
    if (LogoBytes_ != d.Logo)
        ShowLogoFromRecord();
    LayoutLogo();
    SetTextSilently(Control<QLineEdit>("Edit33"), QString::fromStdString(d.ProjectName));
    SetTextSilently(Control<QLineEdit>("Edit27"), QString::fromStdString(d.JobNumber));
    SetTextSilently(Control<QLineEdit>("Edit29"), QString::fromStdString(d.DesignBy));
    {
        auto* date = Control<QDateEdit>("DateTimePicker1");
        const QSignalBlocker blocker(date);
        date->setDate(kDayZero.addDays(static_cast<qint64>(d.Date)));
    }
    SelectSilently(Control<QComboBox>("ComboBox1"), d.Units == usSI ? 1 : 0);
    SelectSilently(Control<QComboBox>("ComboBox2"), d.Shape);

    // 4. The bearing inputs.
    ShowInputs(TInputSection::GeneralData);

    // 5. The compute-all cycle; an error leaves the results of the previous run on show.
    d.ComputeAll();

    // 6.-9., 12., 16. Every result, its verdict and what is visible, from the display model; the
    // inputs are shown in their documented steps around it.
    const TDisplayModel model = BuildDisplayModel(d);
    ShowDisplayModel(model);

    // 7. The stability inputs.
    ShowInputs(TInputSection::StabilityAnalysis);

    // 10. The design switches.
    for (auto [name, value] :
         {std::pair{"chkUseReinforcement", d.Square.UseSquareReinforcement},
          std::pair{"chkUseContReinforcement", d.Continuous.UseContinuousReinforcement}}) {
        auto* box = Control<QCheckBox>(name);
        const QSignalBlocker blocker(box);
        box->setChecked(value != 0);
        box->setEnabled(true);
    }

    // 11.-12. The square footing: inputs, results and checks.
    {
        auto* list = Control<QComboBox>("ComboBox4");
        SelectSilently(list, RebarItemIndex(
                                 [&] {
                                     std::vector<std::string> items;
                                     for (int i = 0; i < list->count(); ++i)
                                         items.push_back(list->itemText(i).toStdString());
                                     return items;
                                 }(),
                                 d.Square.FootingBarSize));
    }
    SelectSilently(Control<QComboBox>("ComboBox3"), d.Square.RebarFamily);
    ShowInputs(TInputSection::SquareReinforcement);
    ShowInputs(TInputSection::Loading);

    // 13.-14. What applies to the shape and the switches, in design order.
    SetResultVisibility(model);
    StackPanels(Inputs_->ScrollBox(), InputPanels_);
    StackPanels(Results_->ScrollBox(), ResultPanels_);

    // 15.-16. The continuous footing.
    ShowInputs(TInputSection::ContinuousReinforcement);
    ShowInputs(TInputSection::LoadCombinations);
    ShowInputs(TInputSection::GeotechnicalProperties);
    ShowInputs(TInputSection::StemWallAndFooting);
    SelectSilently(Control<QComboBox>("ComboBox8"), std::clamp(d.Continuous.StemWall.Layers - 1, 0, 1));
    for (auto [name, designation] : {std::pair{"ComboBox7", d.Continuous.StemWall.VertBarSize},
                                     std::pair{"ComboBox9", d.Continuous.StemWall.HorBarSize},
                                     std::pair{"ComboBox10", d.Continuous.Footing.FootBarSize},
                                     std::pair{"ComboBox11", d.Continuous.Footing.StBarSize}}) {
        auto* list = Control<QComboBox>(name);
        std::vector<std::string> items;
        for (int i = 0; i < list->count(); ++i)
            items.push_back(list->itemText(i).toStdString());
        SelectSilently(list, RebarItemIndex(items, designation));
    }

    // 17.-19. Header icons, diagrams, alignment.
    SetSectionHeaderIcons(model);
    DrawDiagrams();
    Inputs_->ScrollBox()->Realign();
    Results_->ScrollBox()->Realign();
}

void TfrmPMMain::ShowDisplayModel(const TDisplayModel& model)
{
    const auto show = [](const std::vector<TDisplaySection>& sections,
                         const std::vector<TSectionTarget>& targets) {
        for (std::size_t i = 0; i < targets.size(); ++i) {
            const TDisplaySection& section = sections[i];
            for (const TCellTarget& target : targets[i].Cells) {
                const TDisplayRow& row = section.Rows[target.Row];
                const TDisplayCell& cell = row.Cells[target.Cell];
                ShowWholeText(target.Edit, QString::fromStdString(cell.Text));
                if (target.Icon)
                    target.Icon->SetPass(cell.Verdict != TVerdict::Fail);
                else
                    target.Edit->SetFailing(cell.Verdict == TVerdict::Fail);
                if (target.Edit->Hint().toStdString() != row.Hint)
                    target.Edit->SetHint(QString::fromStdString(row.Hint));
            }
            for (const TLabelTarget& label : targets[i].Labels)
                label.Label->setVisible(section.Rows[label.Row].Visible);
        }
    };
    show(model.Inputs, InputTargets_);
    show(model.Results, ResultTargets_);
    // The allowable load's caption follows the shape.
    const TDisplaySection& bearing = model.Results.front();
    Control<QLabel>("Label64")->setText(QString::fromStdString(bearing.Rows.back().Caption));
}

void TfrmPMMain::SetSectionHeaderIcons(const TDisplayModel& model)
{
    for (std::size_t i = 0; i < ResultTargets_.size(); ++i) {
        const TSectionTarget& target = ResultTargets_[i];
        bool allPass = true;
        for (const TCellTarget& cell : target.Cells)
            if (cell.Icon)
                allPass =
                    allPass && model.Results[i].Rows[cell.Row].Cells[cell.Cell].Verdict != TVerdict::Fail;
        target.Panel->HeaderIcon()->setVisible(target.HasIcons);
        if (target.HasIcons)
            target.Panel->HeaderIcon()->setPixmap(CheckIconPixmap(allPass ? ciPass : ciFail));
    }
}

void TfrmPMMain::SetResultVisibility(const TDisplayModel& model)
{
    for (const auto& [sections, targets] :
         {std::pair{&model.Inputs, &InputTargets_}, std::pair{&model.Results, &ResultTargets_}})
        for (std::size_t i = 0; i < targets->size(); ++i)
            (*targets)[i].Panel->setVisible((*sections)[i].Visible);
    TPageControl* pages = Results_->Pages();
    pages->setTabVisible(TResultColumn::pgBearing,
                         pages->isTabVisible(TResultColumn::pgDiagram) && model.BearingDiagramVisible);
    Diagrams_->Pages()->setTabVisible(TDiagramColumn::pgBearing, model.BearingDiagramVisible);
    // The stem wall section has its own tab while the continuous design is on.
    Diagrams_->Pages()->setTabVisible(TDiagramColumn::pgContinuous, model.StemWallDiagramVisible);
    pages->setTabVisible(TResultColumn::pgContinuous,
                         pages->isTabVisible(TResultColumn::pgDiagram) && model.StemWallDiagramVisible);
}

void TfrmPMMain::DrawDiagrams()
{
    for (int i : {0, 1, 3}) {
        TDiagramImage* image = Images_[i];
        QImage bitmap(image->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        DrawDiagramToBitmap(bitmap, *Data_, DiagramKindOf(i));
        image->SetImage(bitmap);
    }
}

void TfrmPMMain::PageControlChange()
{
    DrawDiagrams();
}

TfrmComputations* TfrmPMMain::BuildBearingListing()
{
    auto* window = new TfrmComputations(this);
    window->AddRows(::BuildBearingListing(*Data_));
    return window;
}

TfrmComputations* TfrmPMMain::BuildStabilityListing()
{
    auto* window = new TfrmComputations(this);
    window->AddRows(::BuildStabilityListing(*Data_));
    return window;
}

TfrmComputations* TfrmPMMain::BuildSquareFootingListing()
{
    auto* window = new TfrmComputations(this);
    window->AddRows(::BuildSquareFootingListing(*Data_));
    return window;
}

TfrmComputations* TfrmPMMain::BuildContinuousListing()
{
    auto* window = new TfrmComputations(this);
    window->AddRows(::BuildContinuousListing(*Data_));
    return window;
}

void TfrmPMMain::ShowListing(TfrmComputations* (TfrmPMMain::*build)())
{
    std::unique_ptr<TfrmComputations> window((this->*build)());
    RunModal(*window);
}

void TfrmPMMain::Label18Click()
{
    ShowListing(&TfrmPMMain::BuildBearingListing);
}

void TfrmPMMain::Label196Click()
{
    ShowListing(&TfrmPMMain::BuildStabilityListing);
}
