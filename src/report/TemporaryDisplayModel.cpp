// TEMPORARY stand-in for the display model library, built into pelmark_report on this branch
// only: it fills the display model from the window's row tables so that the report can be
// composed and tested. It is deleted when pelmark_display is linked instead.
#include <algorithm>
#include <cmath>

#include "core/InputCatalogue.h"
#include "core/PMClasses.h"
#include "core/Units.h"
#include "design/ContinuousChecks.h"
#include "design/RebarTables.h"
#include "design/SquareFootingChecks.h"
#include "display/DisplayModel.h"
#include "ui/PanelRows.h"
#include "ui/RecordFields.h"

namespace {

const char* const kShapes[] = {"Continuous", "Square", "Circle", "Rectangle"};
const char* const kFamilies[] = {"US", "European", "Canadian"};

std::string ListText(const TPMData& d, const std::string& control)
{
    const std::int32_t family = d.Square.RebarFamily;
    auto bar = [&](std::int32_t designation) { return RebarName(designation, family, d.Units); };
    if (control == "ComboBox1")
        return d.Units == usSI ? "SI" : "English";
    if (control == "ComboBox2")
        return d.Shape < 4 ? kShapes[d.Shape] : "";
    if (control == "ComboBox3")
        return family >= 0 && family < 3 ? kFamilies[family] : "";
    if (control == "ComboBox4")
        return bar(d.Square.FootingBarSize);
    if (control == "ComboBox7")
        return bar(d.Continuous.StemWall.VertBarSize);
    if (control == "ComboBox8")
        return std::to_string(std::clamp(d.Continuous.StemWall.Layers, 1, 2));
    if (control == "ComboBox9")
        return bar(d.Continuous.StemWall.HorBarSize);
    if (control == "ComboBox10")
        return bar(d.Continuous.Footing.FootBarSize);
    if (control == "ComboBox11")
        return bar(d.Continuous.Footing.StBarSize);
    return {};
}

std::string UnitOf(int unit, const TPMData& d)
{
    return unit == kNoUnit ? std::string() : UnitText(static_cast<TUnitKind>(unit), d.Units);
}

TDisplayRow InputRow(const TRowSpec& spec, TPMData& d)
{
    TDisplayRow row{spec.Caption, UnitOf(spec.Unit, d), spec.Hint, {}, true};
    switch (spec.Kind) {
    case TRowKind::Input:
        if (const TInputField* input = FindInput(spec.Control))
            row.Cells.push_back({spec.Control, FormatInput(input->Field(d), input->Tag)});
        break;
    case TRowKind::Result:
        if (Real* field = FindRealField(d, spec.Field))
            row.Cells.push_back({spec.Control, FormatInput(*field, spec.Tag)});
        break;
    case TRowKind::List:
        row.Cells.push_back({spec.Control, ListText(d, spec.Control)});
        break;
    case TRowKind::Check: {
        const bool on = std::string(spec.Control) == "chkUseReinforcement"
                            ? d.Square.UseSquareReinforcement != 0
                            : d.Continuous.UseContinuousReinforcement != 0;
        row.Cells.push_back({spec.Control, on ? "Yes" : "No"});
        break;
    }
    default:
        break;
    }
    return row;
}

TVerdict Judge(bool pass)
{
    return pass ? TVerdict::Pass : TVerdict::Fail;
}

// The verdict of a result control, as the window colours it.
TVerdict VerdictOf(const std::string& control, const TPMData& d)
{
    const TSquareFootingChecks square = SquareFootingChecks(d);
    if (control == "Edit71")
        return Judge(square.QService);
    if (control == "Edit75")
        return Judge(square.Rho1);
    if (control == "Edit76")
        return Judge(square.Rho2);
    if (control == "Edit77")
        return Judge(square.Spacing1);
    if (control == "Edit78")
        return Judge(square.Spacing2);
    if (control == "Edit81")
        return Judge(square.Moment1);
    if (control == "Edit82")
        return Judge(square.Moment2);
    if (control == "Edit85")
        return Judge(square.Shear1);
    if (control == "Edit86")
        return Judge(square.Shear2);
    if (control.rfind("Edit_CRR", 0) == 0) {
        const std::string rest = control.substr(8);
        const auto underscore = rest.find('_');
        if (underscore == std::string::npos) {
            const int number = std::stoi(rest);
            if (number == 17)
                return Judge(MomentUtilizationCheckPasses(d));
            if (number == 18)
                return Judge(ShearUtilizationCheckPasses(d));
            if (number == 25)
                return Judge(FootingRatioCheckPasses(d));
            if (number == 26)
                return Judge(FootingMomentCheckPasses(d));
            return TVerdict::NotApplicable;
        }
        const int lc = std::stoi(rest.substr(0, underscore)) - 1;
        switch (std::stoi(rest.substr(underscore + 1))) {
        case 3:
            return Judge(SlidingCheckPasses(d, lc));
        case 7:
            return Judge(OverturningCheckPasses(d, lc));
        case 8:
            return Judge(EccentricityCheckPasses(d, lc));
        case 28:
            return Judge(ToePressureCheckPasses(d, lc));
        case 29:
            return Judge(HeelPressureCheckPasses(d, lc));
        default:
            return TVerdict::NotApplicable;
        }
    }
    return TVerdict::NotApplicable;
}

bool IsSafetyFactor(const std::string& control)
{
    return control == "Edit97" || control == "Edit98" || control == "Edit99" || control == "Edit100" ||
           control == "Edit101";
}

bool IsCornerPressure(const std::string& control)
{
    return control == "Edit105" || control == "Edit106" || control == "Edit107" || control == "Edit108";
}

TDisplayRow ResultRow(const TResultRowSpec& spec, TPMData& d)
{
    TDisplayRow row{spec.Caption, UnitOf(spec.Unit, d), spec.Hint, {}, true};
    if (std::string(spec.Controls[0]) == "Edit40") {
        const bool continuous = d.Shape == shContinuous;
        row.Caption = continuous ? "Allowable Wall Load (P/b)" : "Allowable Column Load (P)";
        row.Unit = UnitText(continuous ? TUnitKind::LineLoadKip : TUnitKind::ForceKip, d.Units);
    }
    for (int i = 0; i < 3 && spec.Controls[i]; ++i) {
        const std::string control = spec.Controls[i];
        Real* field = FindRealField(d, spec.Fields[i]);
        Real value = field ? *field : NaN();
        TVerdict verdict = VerdictOf(control, d);
        if (IsSafetyFactor(control)) {
            verdict = Judge(!IsNaN(value) && value >= 1.5);
            if (!IsNaN(value))
                value = MinValid({10, value});
        } else if (IsCornerPressure(control)) {
            verdict = Judge(!IsNaN(value) && value < d.Stability.QAllowStab);
        }
        row.Cells.push_back({control, FormatInput(value, spec.Tag), verdict});
    }
    return row;
}

}  // namespace

const TDisplaySection* TDisplayModel::FindSection(std::string_view name) const
{
    for (const auto* column : {&Inputs, &Results})
        for (const TDisplaySection& section : *column)
            if (section.Name == name)
                return &section;
    return nullptr;
}

TDisplayModel BuildDisplayModel(const TPMData& record)
{
    TPMData d = record;  // the field finder needs a mutable record; the caller's stays untouched
    ActivateInputLimits(d.Units);
    SelectRebarTable(d);
    const bool stability = d.Shape != shContinuous;
    const bool square = d.Square.UseSquareReinforcement != 0;
    const bool continuous = d.Continuous.UseContinuousReinforcement != 0;
    auto visible = [&](const std::string& name) {
        if (name == "pnlStabilityAnalysis" || name == "pnlStabilityResults")
            return stability;
        if (name == "pnlSquareReinforcement" || name == "pnlLoading" || name == "pnlSquareResults")
            return square;
        if (name == "pnlGeneralData" || name == "pnlBearingCapacity")
            return true;
        return continuous;
    };

    TDisplayModel model;
    for (const TSectionSpec& spec : InputSections()) {
        TDisplaySection section{spec.Name, spec.Title, {}, {}, visible(spec.Name)};
        for (const TRowSpec& row : spec.Rows)
            section.Rows.push_back(InputRow(row, d));
        model.Inputs.push_back(std::move(section));
        if (std::string(spec.Name) == "pnlContinuousReinforcement") {
            TDisplaySection loads{"pnlLoadCombinations", "Loading (input service level)", {}, {}, continuous};
            for (int n = 1; n <= 3; ++n)
                for (const TRowSpec& row : LoadCombinationRows(n))
                    loads.Rows.push_back(InputRow(row, d));
            model.Inputs.push_back(std::move(loads));
        }
    }
    for (const TResultSectionSpec& spec : ResultSections()) {
        TDisplaySection section{spec.Name, spec.Title, {}, {}, visible(spec.Name)};
        for (const char* title : spec.ColumnTitles)
            section.ColumnTitles.push_back(title);
        for (const TResultRowSpec& row : spec.Rows)
            section.Rows.push_back(ResultRow(row, d));
        model.Results.push_back(std::move(section));
    }
    return model;
}
