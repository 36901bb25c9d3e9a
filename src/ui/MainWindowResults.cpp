// Showing the record: inputs back into their controls, the compute-all cycle, every result, the
// checks, the sections that apply, and the diagrams.
#include <QScopedValueRollback>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "core/InputCatalogue.h"
#include "core/NumberFormat.h"
#include "core/Units.h"
#include "design/RebarTables.h"
#include "listings/ComputationListing.h"
#include "ui/Computations.h"
#include "ui/DiagramImage.h"
#include "ui/IconSet.h"
#include "ui/InputColumn.h"
#include "ui/MainWindow.h"
#include "ui/NumericEdit.h"
#include "ui/PageControl.h"
#include "ui/ResultColumn.h"
#if __has_include("design/SquareFootingChecks.h")
#include "design/SquareFootingChecks.h"
#define PELMARK_HAVE_SQUARE_CHECKS 1
#endif
#ifdef PELMARK_HAVE_DIAGRAMS
#include "diagrams/DiagramDraw.h"
#endif

namespace {

const QDate kDayZero(1899, 12, 30);

constexpr const char* kSafetyFactorEdits[] = {"Edit97", "Edit98", "Edit99", "Edit100", "Edit101"};
constexpr const char* kCornerPressureEdits[] = {"Edit105", "Edit106", "Edit107", "Edit108"};

bool IsSafetyFactorEdit(const QString& name)
{
    for (const char* n : kSafetyFactorEdits)
        if (name == n)
            return true;
    return false;
}

Real ZeroForNaN(Real v) { return IsNaN(v) ? 0 : v; }

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

void TfrmPMMain::ShowInputs(const QString& sectionName)
{
    TPMData& d = *Data_;
    for (const TInputField& input : InputCatalogue()) {
        TNumericEdit* edit = Edit(QString::fromStdString(input.Control));
        TSectionPanel* section = qobject_cast<TSectionPanel*>(edit->parentWidget());
        for (QWidget* w = edit->parentWidget(); w && !section; w = w->parentWidget())
            section = qobject_cast<TSectionPanel*>(w);
        if (section && section->objectName() == sectionName)
            ShowInput(edit, input.Field(d));
    }
}

void TfrmPMMain::ShowResults(const QString& sectionName)
{
    for (const TResultBinding& b : ResultBindings_) {
        if (b.Section != sectionName)
            continue;
        if (!b.Field) {
            SetTextSilently(b.Edit, {});
            continue;
        }
        Real value = *b.Field;
        // A factor of safety above 10 shows as 10.
        if (!IsNaN(value) && IsSafetyFactorEdit(b.Edit->objectName()))
            value = MinValid({10, value});
        ShowInput(b.Edit, value);
    }
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
    ShowInputs("pnlGeneralData");

    // 5. The compute-all cycle; an error leaves the results of the previous run on show.
    d.ComputeAll();

    // 6. Bearing results.
    ShowResults("pnlBearingCapacity");
    Control<QLabel>("Label64")->setText(d.Shape == shContinuous ? "Allowable Wall Load (P/b)"
                                                                 : "Allowable Column Load (P)");

    // 7.-9. Stability inputs, results and colours.
    ShowInputs("pnlStabilityAnalysis");
    ShowResults("pnlStabilityResults");
    for (const char* name : kSafetyFactorEdits) {
        const Real* field = nullptr;
        for (const TResultBinding& b : ResultBindings_)
            if (b.Edit->objectName() == name)
                field = b.Field;
        Edit(name)->SetFailing(!field || IsNaN(*field) || *field < 1.5);
    }
    for (const char* name : kCornerPressureEdits) {
        const Real* field = nullptr;
        for (const TResultBinding& b : ResultBindings_)
            if (b.Edit->objectName() == name)
                field = b.Field;
        Edit(name)->SetFailing(!field || IsNaN(*field) || !(*field < d.Stability.QAllowStab));
    }

    // 10. The design switches.
    for (auto [name, value] : {std::pair{"chkUseReinforcement", d.Square.UseSquareReinforcement},
                               std::pair{"chkUseContReinforcement", d.Continuous.UseContinuousReinforcement}}) {
        auto* box = Control<QCheckBox>(name);
        const QSignalBlocker blocker(box);
        box->setChecked(value != 0);
        box->setEnabled(true);
    }

    // 11.-12. The square footing: inputs, results and checks.
    {
        auto* list = Control<QComboBox>("ComboBox4");
        SelectSilently(list, RebarItemIndex([&] {
                               std::vector<std::string> items;
                               for (int i = 0; i < list->count(); ++i)
                                   items.push_back(list->itemText(i).toStdString());
                               return items;
                           }(),
                                            d.Square.FootingBarSize));
    }
    SelectSilently(Control<QComboBox>("ComboBox3"), d.Square.RebarFamily);
    ShowInputs("pnlSquareReinforcement");
    ShowInputs("pnlLoading");
    ShowResults("pnlLoading");
    ShowResults("pnlSquareResults");
    ShowSquareChecks();

    // 13.-14. What applies to the shape and the switches, in design order.
    SetResultVisibility();
    StackPanels(Inputs_->ScrollBox(), InputPanels_);
    StackPanels(Results_->ScrollBox(), ResultPanels_);

    // 15.-16. The continuous footing.
    ShowInputs("pnlContinuousReinforcement");
    ShowInputs("pnlLoadCombinations");
    ShowInputs("pnlGeotechnical");
    ShowInputs("pnlStemWallAndFooting");
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
    ShowResults("pnlLoadCombinations");
    ShowResults("pnlContinuousResults");
    ShowResults("pnlStemWallResults");
    ShowResults("pnlFootingResults");
    ShowContinuousChecks();

    // 17.-19. Header icons, diagrams, alignment.
    SetSectionHeaderIcons();
    DrawDiagrams();
    Inputs_->ScrollBox()->Realign();
    Results_->ScrollBox()->Realign();
}

void TfrmPMMain::ShowSquareChecks()
{
    TPMData& d = *Data_;
    const TSquareFootingData& s = d.Square;
    if (d.Square.Fy == 0)
        d.Square.Fy = 0.001;
#ifdef PELMARK_HAVE_SQUARE_CHECKS
    const TSquareFootingChecks checks = SquareFootingChecks(d);
    Edit("Edit71")->SetFailing(!checks.QService);
    Edit("Edit75")->SetFailing(!checks.Rho1);
    Edit("Edit76")->SetFailing(!checks.Rho2);
    Edit("Edit77")->SetFailing(!checks.Spacing1);
    Edit("Edit78")->SetFailing(!checks.Spacing2);
#endif
    Edit("Edit81")->SetFailing(!(s.Mu1 <= s.PhiMn1));
    Edit("Edit82")->SetFailing(!(s.Mu2 <= s.PhiMn2));
    Edit("Edit85")->SetFailing(!(s.Vu1 <= s.PhiVc1 || s.Vu1 == 0));
    Edit("Edit86")->SetFailing(!(s.Vu2 <= s.PhiVc2 || s.Vu2 == 0));
    Control<QLabel>("Label149")->setVisible(s.Vu1 == 0);
    Control<QLabel>("Label160")->setVisible(s.Vu2 == 0);
}

void TfrmPMMain::ShowContinuousChecks()
{
    const TPMData& d = *Data_;
    const TContinuousData& c = d.Continuous;
    auto icon = [this](const QString& name, bool pass) { Control<TCheckIconLabel>(name)->SetPass(pass); };
    const Real allowable = d.Units == usSI ? c.QAll : c.QAll * 1000;
    for (int n = 1; n <= 3; ++n) {
        const TLoadCase& lc = c.LoadCases[n - 1];
        icon(QString("imCR%1_1").arg(n), ZeroForNaN(lc.SlidingRatio) > 1);
        icon(QString("imCR%1_2").arg(n), ZeroForNaN(lc.OTSafety) > 1);
        icon(QString("imCR%1_3").arg(n), ZeroForNaN(lc.Eccentricity) < c.W / 6);
        icon(QString("imCR%1_7").arg(n), ZeroForNaN(lc.ToePressure) < allowable);
        icon(QString("imCR%1_8").arg(n), ZeroForNaN(lc.HeelPressure) < allowable);
        Edit(QString("Edit_CRR%1_8").arg(n))
            ->SetHint(QString("Within kern if e < %1 ft").arg(QString::fromStdString(FormatFixed(c.W / 6, 2))));
    }
    icon("imCR_4", c.StemWall.MomentUtilization < 99.99L);
    icon("imCR_5", c.StemWall.ShearUtilization < 99.99L);
    icon("imCR_7", std::fabs(c.Footing.RhoFoot) > 0.18L && std::fabs(c.Footing.RhoFoot) < 1.15L);
    icon("imCR_6", std::fabs(c.Footing.PhiMnFoot) > std::fabs(c.Footing.MuFoot));
}

void TfrmPMMain::SetSectionHeaderIcons()
{
    for (TSectionPanel* section : Results_->ScrollBox()->Sections()) {
        bool any = false, allPass = true;
        const std::function<void(QWidget*)> collect = [&](QWidget* parent) {
            for (QObject* o : parent->children()) {
                if (auto* icon = qobject_cast<TCheckIconLabel*>(o); icon && !icon->isHidden()) {
                    any = true;
                    allPass = allPass && icon->Tag() == ciPass;
                } else if (auto* panel = qobject_cast<QWidget*>(o);
                           panel && panel != section->Header() && !panel->isHidden() && !qobject_cast<QLabel*>(o)) {
                    collect(panel);
                }
            }
        };
        collect(section);
        section->HeaderIcon()->setVisible(any);
        if (any)
            section->HeaderIcon()->setPixmap(CheckIconPixmap(allPass ? ciPass : ciFail));
    }
}

void TfrmPMMain::SetResultVisibility()
{
    const TPMData& d = *Data_;
    const bool stability = d.Shape != shContinuous;
    const bool square = d.Square.UseSquareReinforcement != 0;
    const bool continuous = d.Continuous.UseContinuousReinforcement != 0;
    InputSection("pnlStabilityAnalysis")->setVisible(stability);
    ResultSection("pnlStabilityResults")->setVisible(stability);
    TPageControl* pages = Results_->Pages();
    pages->setTabVisible(TResultColumn::pgBearing, pages->isTabVisible(TResultColumn::pgDiagram) && stability);
    Diagrams_->Pages()->setTabVisible(TDiagramColumn::pgBearing, stability);
    for (const char* name : {"pnlSquareReinforcement", "pnlLoading"})
        InputSection(name)->setVisible(square);
    ResultSection("pnlSquareResults")->setVisible(square);
    for (const char* name : {"pnlContinuousReinforcement", "pnlLoadCombinations", "pnlGeotechnical",
                             "pnlStemWallAndFooting"})
        InputSection(name)->setVisible(continuous);
    for (const char* name : {"pnlContinuousResults", "pnlStemWallResults", "pnlFootingResults"})
        ResultSection(name)->setVisible(continuous);
}

void TfrmPMMain::DrawDiagrams()
{
#ifdef PELMARK_HAVE_DIAGRAMS
    for (int i = 0; i < 2; ++i) {
        TDiagramImage* image = Images_[i];
        QImage bitmap(image->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        DrawDiagramToBitmap(bitmap, *Data_, i == 0);
        image->SetImage(bitmap);
    }
#endif
}

void TfrmPMMain::PageControlChange() { DrawDiagrams(); }

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

void TfrmPMMain::Label18Click()
{
    std::unique_ptr<TfrmComputations> window(BuildBearingListing());
    window->exec();
}

void TfrmPMMain::Label196Click()
{
    std::unique_ptr<TfrmComputations> window(BuildStabilityListing());
    window->exec();
}
