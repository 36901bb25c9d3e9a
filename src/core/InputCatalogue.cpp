#include "core/InputCatalogue.h"

#include <algorithm>

#include "core/PMClasses.h"
#include "core/Units.h"

namespace {

using S = TInputSection;
using R = TBoundsRule;

#define PM_FIELD(expr) [](TPMData& d) -> Real& { return d.expr; }

std::vector<TInputField> BuildCatalogue()
{
    std::vector<TInputField> c = {
        {"B", "Edit1", 1, R::FootingPlan, S::GeneralData, PM_FIELD(B)},
        {"L", "Edit2", 2, R::FootingPlan, S::GeneralData, PM_FIELD(L)},
        {"Df", "Edit3", 3, R::FootingDepth, S::GeneralData, PM_FIELD(Df)},
        {"C", "Edit4", 4, R::Table, S::GeneralData, PM_FIELD(C)},
        {"Phi", "Edit5", 5, R::Table, S::GeneralData, PM_FIELD(Phi)},
        {"Gamma", "Edit6", 6, R::Table, S::GeneralData, PM_FIELD(Gamma)},
        {"Dw", "Edit7", 7, R::Table, S::GeneralData, PM_FIELD(Dw)},
        {"FS", "Edit8", 8, R::Table, S::GeneralData, PM_FIELD(FS)},
        {"Stability.StabL", "Edit90", 1, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.StabL)},
        {"Stability.StabB", "Edit87", 1, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.StabB)},
        {"Stability.StabT", "Edit88", 2, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.StabT)},
        {"Stability.GammaC", "Edit89", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.GammaC)},
        {"Stability.SoilCover", "Edit91", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.SoilCover)},
        {"Stability.GammaS", "Edit92", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.GammaS)},
        {"Stability.Kp", "Edit93", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.Kp)},
        {"Stability.SlidingFriction", "Edit94", 41, R::Table, S::StabilityAnalysis,
         PM_FIELD(Stability.SlidingFriction)},
        {"Stability.Surcharge", "Edit95", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.Surcharge)},
        {"Stability.QAllowStab", "Edit96", 41, R::Table, S::StabilityAnalysis,
         PM_FIELD(Stability.QAllowStab)},
        {"Square.Fc", "Edit61", 28, R::Table, S::SquareReinforcement, PM_FIELD(Square.Fc)},
        {"Square.Fy", "Edit58", 29, R::Table, S::SquareReinforcement, PM_FIELD(Square.Fy)},
        {"Square.FootingDim1", "Edit59", 30, R::Table, S::SquareReinforcement, PM_FIELD(Square.FootingDim1)},
        {"Square.FootingDim2", "Edit60", 31, R::Table, S::SquareReinforcement, PM_FIELD(Square.FootingDim2)},
        {"Square.ColumnDim1", "Edit62", 32, R::Table, S::SquareReinforcement, PM_FIELD(Square.ColumnDim1)},
        {"Square.ColumnDim2", "Edit63", 33, R::Table, S::SquareReinforcement, PM_FIELD(Square.ColumnDim2)},
        {"Square.FootingThickness", "Edit64", 34, R::Table, S::SquareReinforcement,
         PM_FIELD(Square.FootingThickness)},
        {"Square.AxialDeadLoad", "Edit65", 35, R::Table, S::Loading, PM_FIELD(Square.AxialDeadLoad)},
        {"Square.AxialLiveLoad", "Edit66", 36, R::Table, S::Loading, PM_FIELD(Square.AxialLiveLoad)},
        {"Square.ClearCover", "Edit67", 37, R::Table, S::Loading, PM_FIELD(Square.ClearCover)},
        {"Square.NumBars1", "Edit68", 38, R::Table, S::Loading, PM_FIELD(Square.NumBars1)},
        {"Square.NumBars2", "Edit69", 39, R::Table, S::Loading, PM_FIELD(Square.NumBars2)},
        {"AllowNetBearing", "Edit70", 27, R::Table, S::Loading, PM_FIELD(AllowNetBearing)},
        {"Continuous.Fc", "Edit_CR1", 43, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Fc)},
        {"Continuous.Fy", "Edit_CR2", 44, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Fy)},
        {"Continuous.Gc", "Edit_CR3", 45, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Gc)},
        {"Continuous.H", "Edit_CR4", 46, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.H)},
        {"Continuous.Tw", "Edit_CR5", 47, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Tw)},
        {"Continuous.W", "Edit_CR6", 48, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.W)},
        {"Continuous.Tf", "Edit_CR7", 49, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Tf)},
        {"Continuous.GrH", "Edit_CR8", 50, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.GrH)},
        {"Continuous.GrL", "Edit_CR9", 51, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.GrL)},
        {"Continuous.K", "Edit_CR10", 52, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.K)},
    };

    // The load combinations: 1 wind, 2 seismic, 3 general; Vdl and Vht of combination 3 are results.
    struct TLoadInput {
        const char* Name;
        int Column;
        int Tag;
        Real TLoadCase::*Field;
        int Combinations;  // bit n-1 set when combination n has a control for it
    };
    static const TLoadInput kLoadInputs[] = {
        {"Pll", 1, 53, &TLoadCase::Pll, 7}, {"Pdl", 2, 53, &TLoadCase::Pdl, 7},
        {"Mll", 3, 54, &TLoadCase::Mll, 7}, {"Mdl", 4, 54, &TLoadCase::Mdl, 7},
        {"Vll", 5, 55, &TLoadCase::Vll, 7}, {"Vdl", 6, 55, &TLoadCase::Vdl, 3},
        {"Vht", 7, 56, &TLoadCase::Vht, 3}, {"V", 8, 57, &TLoadCase::V, 1},
        {"Kz", 9, 58, &TLoadCase::Kz, 1},   {"Kzt", 10, 59, &TLoadCase::Kzt, 1},
        {"Cf", 11, 60, &TLoadCase::Cf, 1},  {"Sds", 8, 64, &TLoadCase::Sds, 2},
    };
    for (int n = 1; n <= 3; ++n) {
        for (const TLoadInput& in : kLoadInputs) {
            if (!(in.Combinations & (1 << (n - 1))))
                continue;
            auto member = in.Field;
            c.push_back({"Continuous.LoadCases[" + std::to_string(n - 1) + "]." + in.Name,
                         "EditLC" + std::to_string(n) + "_" + std::to_string(in.Column), in.Tag, R::Table,
                         S::LoadCombinations,
                         [n, member](TPMData& d) -> Real& { return d.Continuous.LoadCases[n - 1].*member; }});
        }
    }

    const std::vector<TInputField> tail = {
        {"Continuous.Gamma", "Edit_CR11", 6, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Gamma)},
        {"Continuous.Pa", "Edit_CR12", 67, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Pa)},
        {"Continuous.Pp", "Edit_CR13", 68, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Pp)},
        {"Continuous.Ign", "Edit_CR14", 69, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Ign)},
        {"Continuous.Phi", "Edit_CR15", 70, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Phi)},
        {"Continuous.C", "Edit_CR16", 4, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.C)},
        {"Continuous.QAll", "Edit_CR17", 71, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.QAll)},
        {"Continuous.StemWall.VertCover", "Edit_CR18", 72, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.StemWall.VertCover)},
        {"Continuous.StemWall.VertSpacing", "Edit_CR19", 73, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.StemWall.VertSpacing)},
        {"Continuous.StemWall.HorSpacing", "Edit_CR20", 73, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.StemWall.HorSpacing)},
        {"Continuous.Footing.FootCover", "Edit_CR21", 72, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.Footing.FootCover)},
        {"Continuous.Footing.FootSpacing", "Edit_CR22", 73, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.Footing.FootSpacing)},
        {"Continuous.Footing.StCover", "Edit_CR23", 72, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.Footing.StCover)},
        {"Continuous.Footing.StSpacing", "Edit_CR24", 73, R::ShrinkageSpacing, S::StemWallAndFooting,
         PM_FIELD(Continuous.Footing.StSpacing)},
    };
    c.insert(c.end(), tail.begin(), tail.end());
    return c;
}

#undef PM_FIELD

}  // namespace

const std::vector<TInputField>& InputCatalogue()
{
    static const std::vector<TInputField> catalogue = BuildCatalogue();
    return catalogue;
}

const TInputField* FindInput(const std::string& pathOrControl)
{
    for (const TInputField& input : InputCatalogue())
        if (input.Path == pathOrControl || input.Control == pathOrControl)
            return &input;
    return nullptr;
}

TBounds ExplicitBounds(const TInputField& input, const TPMData& data)
{
    const double minimum = static_cast<double>(data.UnitValue(0.3, 1.0));
    const double f = data.Units == usSI ? 1000.0 : 12.0;
    switch (input.Rule) {
    case TBoundsRule::FootingPlan:
        return {minimum, data.Shape == shSquare ? 150.0 : 50.0};
    case TBoundsRule::FootingDepth:
        return {minimum, data.Shape == shSquare ? 150.0 : 20.0};
    case TBoundsRule::ShrinkageSpacing: {
        const double cover = static_cast<double>(data.Continuous.Footing.StCover) / f;
        const double upper = static_cast<double>(data.UnitValue(0.45, 1.5));
        return {std::max(cover, 0.01), std::min(upper, static_cast<double>(data.Continuous.W) - 2 * cover)};
    }
    case TBoundsRule::Table:
        break;
    }
    return {};
}

namespace {
// Before every display, a zero stability footing plan or thickness takes the bearing inputs.
void DefaultStabilityFooting(TPMData& data)
{
    if (data.Stability.StabB == 0)
        data.Stability.StabB = data.B;
    if (data.Stability.StabL == 0)
        data.Stability.StabL = data.L;
    if (data.Stability.StabT == 0)
        data.Stability.StabT = data.Df;
}
}  // namespace

void NormalizeInputsAsShown(TPMData& data)
{
    data.SetUnitSystem(data.Units);
    DefaultStabilityFooting(data);
    for (const TInputField& input : InputCatalogue()) {
        Real& field = input.Field(data);
        const TBounds bounds = ExplicitBounds(input, data);
        // A disabled length control shows the width's text; a continuous footing is computed per unit length.
        const Real shown = (input.Path == "L" && data.Shape != shRectangle) ? data.B : field;
        const int shownTag = (input.Path == "L" && data.Shape != shRectangle) ? 1 : input.Tag;
        field = ParseInput(FormatInput(shown, shownTag), input.Tag, bounds.Minimum, bounds.Maximum);
        if (input.Path == "L" && data.Shape == shContinuous)
            field = 1.0;
    }
    // The display after the read applies the defaults again, now from the read bearing inputs.
    DefaultStabilityFooting(data);
}
