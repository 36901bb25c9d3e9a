// Reading the controls into the record, and the handlers of the input column.
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>

#include "core/InputCatalogue.h"
#include "core/Units.h"
#include "design/RebarTables.h"
#include "ui/InputColumn.h"
#include "ui/MainWindow.h"
#include "ui/NumericEdit.h"
#include "ui/PageControl.h"
#include "ui/Pedastals.h"
#include "ui/ResultColumn.h"

namespace {

const QDate kDayZero(1899, 12, 30);

std::vector<std::string> ItemsOf(const QComboBox* list)
{
    std::vector<std::string> items;
    for (int i = 0; i < list->count(); ++i)
        items.push_back(list->itemText(i).toStdString());
    return items;
}

// A list emptied by this read (a new family or unit system) has nothing to read: the record keeps
// its designation, and the next display selects it in the refilled list (or the first bar when the
// new table has no such bar). Taking the first bar instead would change the bars of every project
// opened in another unit system.
std::int32_t ReadRebarList(const QComboBox* list, std::int32_t current)
{
    if (list->count() == 0)
        return current;
    return ReadRebarSizeList(ItemsOf(list), list->currentIndex());
}

bool IsRebarOrUnitsList(const QObject* control)
{
    return control->objectName() == "ComboBox1" || control->objectName() == "ComboBox3";
}

}  // namespace

QList<QComboBox*> TfrmPMMain::RebarLists() const
{
    return {Control<QComboBox>("ComboBox4"), Control<QComboBox>("ComboBox7"), Control<QComboBox>("ComboBox9"),
            Control<QComboBox>("ComboBox10"), Control<QComboBox>("ComboBox11")};
}

void TfrmPMMain::EmptyRebarLists()
{
    for (QComboBox* list : RebarLists()) {
        const QSignalBlocker blocker(list);
        list->clear();
    }
}

void TfrmPMMain::ReadInputs()
{
    const QScopedValueRollback<bool> busy(Busy_, true);

    TPMData& d = *Data_;
    auto field = [&](const char* control) -> Real& { return FindInput(control)->Field(d); };
    auto read = [&](const char* control) {
        const TInputField* input = FindInput(control);
        const TBounds bounds = ExplicitBounds(*input, d);
        input->Field(d) = ReadInput(Edit(control), bounds.Minimum, bounds.Maximum);
    };
    auto readSection = [&](TInputSection section, std::initializer_list<const char*> except = {}) {
        for (const TInputField& input : InputCatalogue()) {
            if (input.Section != section)
                continue;
            bool skip = false;
            for (const char* e : except)
                skip = skip || input.Control == e;
            if (!skip)
                read(input.Control.c_str());
        }
    };

    // 1. Identification, logo and date.
    d.Organization = Control<QLineEdit>("Edit28")->text().toStdString();
    d.ProjectName = Control<QLineEdit>("Edit33")->text().toStdString();
    d.JobNumber = Control<QLineEdit>("Edit27")->text().toStdString();
    d.DesignBy = Control<QLineEdit>("Edit29")->text().toStdString();
    if (LogoBytes_ != d.Logo)
        d.SetLogo(LogoBytes_);
    d.Date = kDayZero.daysTo(Control<QDateEdit>("DateTimePicker1")->date());

    // 2. The unit system; a switch redisplays every input clamped to the new limits before reading.
    const std::uint8_t units = Control<QComboBox>("ComboBox1")->currentIndex() == 1 ? usSI : usEnglish;
    d.SetUnitSystem(units);
    if (units != LastUnits_)
        Recalculate();
    const Real f = units == usSI ? 1000 : 12;

    // 3.-4. Shape and the footing plan.
    d.Shape = static_cast<std::uint8_t>(std::max(0, Control<QComboBox>("ComboBox2")->currentIndex()));
    TNumericEdit* lengthEdit = Edit("Edit2");
    lengthEdit->setEnabled(d.Shape == shRectangle);
    read("Edit1");
    if (!lengthEdit->isEnabled())
        SetTextSilently(lengthEdit, Edit("Edit1")->text());
    read("Edit2");
    read("Edit3");
    if (d.Shape == shContinuous)
        d.L = 1.0;
    // 5. The soil.
    for (const char* control : {"Edit4", "Edit5", "Edit6", "Edit7", "Edit8"})
        read(control);

    // 6.-7. The stability footing; with its section open it is the source of the square footing plan.
    if (InputSection("pnlStabilityAnalysis")->IsOpen()) {
        read("Edit90");
        read("Edit87");
        d.Square.FootingDim1 = f * d.Stability.StabL;
        d.Square.FootingDim2 = f * d.Stability.StabB;
    }
    readSection(TInputSection::StabilityAnalysis, {"Edit90", "Edit87"});

    // 8. A new family or unit system empties the bar-size lists; the next display refills them.
    auto* family = Control<QComboBox>("ComboBox3");
    if (family->currentIndex() != d.Square.RebarFamily || units != LastUnits_)
        EmptyRebarLists();
    LastUnits_ = units;

    // 9.-12. The square footing.
    d.Square.FootingBarSize = ReadRebarList(Control<QComboBox>("ComboBox4"), d.Square.FootingBarSize);
    read("Edit61");
    read("Edit58");
    if (InputSection("pnlSquareReinforcement")->IsOpen()) {
        read("Edit59");
        read("Edit60");
        d.Stability.StabL = d.Square.FootingDim1 / f;
        d.Stability.StabB = d.Square.FootingDim2 / f;
    }
    for (const char* control : {"Edit62", "Edit63", "Edit64"})
        read(control);
    readSection(TInputSection::Loading);

    // 13. The continuous footing, its load combinations and the soil.
    readSection(TInputSection::ContinuousReinforcement);
    readSection(TInputSection::LoadCombinations);
    readSection(TInputSection::GeotechnicalProperties);

    // 14. Stem wall.
    TContinuousData& c = d.Continuous;
    c.StemWall.VertBarSize = ReadRebarList(Control<QComboBox>("ComboBox7"), c.StemWall.VertBarSize);
    c.StemWall.Layers = Control<QComboBox>("ComboBox8")->currentIndex() + 1;
    read("Edit_CR18");
    read("Edit_CR19");
    c.StemWall.HorBarSize = ReadRebarList(Control<QComboBox>("ComboBox9"), c.StemWall.HorBarSize);
    read("Edit_CR20");
    // 15. Footing bars; the shrinkage spacing is bounded by the cover and the footing width.
    c.Footing.FootBarSize = ReadRebarList(Control<QComboBox>("ComboBox10"), c.Footing.FootBarSize);
    read("Edit_CR21");
    read("Edit_CR22");
    c.Footing.StBarSize = ReadRebarList(Control<QComboBox>("ComboBox11"), c.Footing.StBarSize);
    read("Edit_CR23");
    read("Edit_CR24");
    (void)field;

    // 16.
    Recalculate();
}

void TfrmPMMain::FootingLengthFollowsShape()
{
    const int shape = Control<QComboBox>("ComboBox2")->currentIndex();
    TNumericEdit* length = Edit("Edit2");
    if (shape == shContinuous)
        ShowInput(length, 1.0);
    else
        SetTextSilently(length, Edit("Edit1")->text());
    length->setEnabled(shape == shRectangle);
}

void TfrmPMMain::InputChange(QObject* control)
{
    if (Busy_)
        return;
    SetModified(true);
    if (control->objectName() == "ComboBox2")
        FootingLengthFollowsShape();
    if (qobject_cast<QComboBox*>(control))
        InputExit(control);
}

void TfrmPMMain::InputExit(QObject* control)
{
    if (Busy_)
        return;
    ShowHintBelow(nullptr, {});
    auto* family = Control<QComboBox>("ComboBox3");
    const int chosenFamily = family->currentIndex();  // the display below shows the record's family
    ReadInputs();
    if (IsRebarOrUnitsList(control)) {
        // The family follows the unit system: English is US only, SI takes a metric family.
        auto* units = Control<QComboBox>("ComboBox1");
        {
            const QSignalBlocker blocker(family);
            family->setCurrentIndex(chosenFamily);
            if (units->currentIndex() == 0)
                family->setCurrentIndex(rfUS);
            else if (family->currentIndex() == rfUS)
                family->setCurrentIndex(rfEuropean);
        }
        Data_->SetUnitSystem(units->currentIndex() == 1 ? usSI : usEnglish);
        Data_->Square.RebarFamily = family->currentIndex();
        // The read above refilled the bar-size lists from the table before the family rule; the
        // display that follows refills them from the family now chosen.
        EmptyRebarLists();
        Recalculate();
        ReadInputs();
    }
}

void TfrmPMMain::CheckBoxClick(QCheckBox* box)
{
    SetModified(true);
    const std::uint8_t checked = box->isChecked() ? 1 : 0;
    if (box->objectName() == "chkUseReinforcement")
        Data_->Square.UseSquareReinforcement = checked;
    else
        Data_->Continuous.UseContinuousReinforcement = checked;
    Recalculate();
}

void TfrmPMMain::btnPedestalsClick()
{
    if (EditPedestals(*Data_, this)) {
        StepName_ = "Pedestals";
        SetModified(true);
        Recalculate();
    }
}

void TfrmPMMain::ComboBox5Change()
{
    Inputs_->CombinationPages()->setCurrentIndex(Inputs_->CombinationList()->currentIndex());
}

void TfrmPMMain::PageControl3Change(int index)
{
    if (index < 0)
        return;
    Inputs_->CombinationPages()->setCurrentIndex(index);
    Inputs_->CombinationList()->setCurrentIndex(index);
    Inputs_->FitCombinationPage();
}

void TfrmPMMain::CollapsibleCaptionClick(TSectionPanel* section)
{
    section->Toggle();
}
