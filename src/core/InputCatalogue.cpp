#include "core/InputCatalogue.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "core/PMClasses.h"
#include "core/Units.h"

namespace {

using S = TInputSection;
using R = TBoundsRule;
using U = TUnitKind;

#define PM_FIELD(expr) [](TPMData& d) -> Real& { return d.expr; }

std::vector<TInputField> BuildCatalogue()
{
    std::vector<TInputField> c = {
        {"B", "Edit1", 1, R::FootingPlan, S::GeneralData, PM_FIELD(B), U::Length},
        {"L", "Edit2", 2, R::FootingPlan, S::GeneralData, PM_FIELD(L), U::Length},
        {"Df", "Edit3", 3, R::FootingDepth, S::GeneralData, PM_FIELD(Df), U::Length},
        {"C", "Edit4", 4, R::Table, S::GeneralData, PM_FIELD(C), U::Pressure},
        {"Phi", "Edit5", 5, R::Table, S::GeneralData, PM_FIELD(Phi), U::Angle},
        {"Gamma", "Edit6", 6, R::Table, S::GeneralData, PM_FIELD(Gamma), U::UnitWeight},
        {"Dw", "Edit7", 7, R::Table, S::GeneralData, PM_FIELD(Dw), U::Length},
        {"FS", "Edit8", 8, R::Table, S::GeneralData, PM_FIELD(FS), std::nullopt},
        {"Stability.StabL", "Edit90", 1, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.StabL),
         U::Length},
        {"Stability.StabB", "Edit87", 1, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.StabB),
         U::Length},
        {"Stability.StabT", "Edit88", 2, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.StabT),
         U::Length},
        {"Stability.GammaC", "Edit89", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.GammaC),
         U::UnitWeightKcf},
        {"Stability.SoilCover", "Edit91", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.SoilCover),
         U::Length},
        {"Stability.GammaS", "Edit92", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.GammaS),
         U::UnitWeightKcf},
        {"Stability.Kp", "Edit93", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.Kp), std::nullopt},
        {"Stability.SlidingFriction", "Edit94", 41, R::Table, S::StabilityAnalysis,
         PM_FIELD(Stability.SlidingFriction), std::nullopt},
        {"Stability.Surcharge", "Edit95", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.Surcharge),
         U::StressKsf},
        {"Stability.QAllowStab", "Edit96", 41, R::Table, S::StabilityAnalysis, PM_FIELD(Stability.QAllowStab),
         U::StressKsf},
        {"Square.Fc", "Edit61", 28, R::Table, S::SquareReinforcement, PM_FIELD(Square.Fc), U::Strength},
        {"Square.Fy", "Edit58", 29, R::Table, S::SquareReinforcement, PM_FIELD(Square.Fy), U::Strength},
        {"Square.FootingDim1", "Edit59", 30, R::Table, S::SquareReinforcement, PM_FIELD(Square.FootingDim1),
         U::SmallLength},
        {"Square.FootingDim2", "Edit60", 31, R::Table, S::SquareReinforcement, PM_FIELD(Square.FootingDim2),
         U::SmallLength},
        {"Square.ColumnDim1", "Edit62", 32, R::Table, S::SquareReinforcement, PM_FIELD(Square.ColumnDim1),
         U::SmallLength},
        {"Square.ColumnDim2", "Edit63", 33, R::Table, S::SquareReinforcement, PM_FIELD(Square.ColumnDim2),
         U::SmallLength},
        {"Square.FootingThickness", "Edit64", 34, R::Table, S::SquareReinforcement,
         PM_FIELD(Square.FootingThickness), U::SmallLength},
        {"Square.AxialDeadLoad", "Edit65", 35, R::Table, S::Loading, PM_FIELD(Square.AxialDeadLoad),
         U::ForceKips},
        {"Square.AxialLiveLoad", "Edit66", 36, R::Table, S::Loading, PM_FIELD(Square.AxialLiveLoad),
         U::ForceKips},
        {"Square.ClearCover", "Edit67", 37, R::Table, S::Loading, PM_FIELD(Square.ClearCover),
         U::SmallLength},
        {"Square.NumBars1", "Edit68", 38, R::Table, S::Loading, PM_FIELD(Square.NumBars1), std::nullopt},
        {"Square.NumBars2", "Edit69", 39, R::Table, S::Loading, PM_FIELD(Square.NumBars2), std::nullopt},
        {"AllowNetBearing", "Edit70", 27, R::Table, S::Loading, PM_FIELD(AllowNetBearing), U::StressKsf},
        {"Continuous.Fc", "Edit_CR1", 43, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Fc),
         U::Strength},
        {"Continuous.Fy", "Edit_CR2", 44, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Fy),
         U::Strength},
        {"Continuous.Gc", "Edit_CR3", 45, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Gc),
         U::UnitWeight},
        {"Continuous.H", "Edit_CR4", 46, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.H),
         U::Length},
        {"Continuous.Tw", "Edit_CR5", 47, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Tw),
         U::SmallLength},
        {"Continuous.W", "Edit_CR6", 48, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.W),
         U::Length},
        {"Continuous.Tf", "Edit_CR7", 49, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.Tf),
         U::SmallLength},
        {"Continuous.GrH", "Edit_CR8", 50, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.GrH),
         U::Length},
        {"Continuous.GrL", "Edit_CR9", 51, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.GrL),
         U::Length},
        {"Continuous.K", "Edit_CR10", 52, R::Table, S::ContinuousReinforcement, PM_FIELD(Continuous.K),
         U::Length},
    };

    // The load combinations: 1 wind, 2 seismic, 3 general; Vdl and Vht of combination 3 are results.
    struct TLoadInput {
        const char* Name;
        int Column;
        int Tag;
        Real TLoadCase::*Field;
        int Combinations;  // bit n-1 set when combination n has a control for it
        std::optional<TUnitKind> Unit;
    };
    static const TLoadInput kLoadInputs[] = {
        {"Pll", 1, 53, &TLoadCase::Pll, 7, U::LineLoad},
        {"Pdl", 2, 53, &TLoadCase::Pdl, 7, U::LineLoad},
        {"Mll", 3, 54, &TLoadCase::Mll, 7, U::LineMoment},
        {"Mdl", 4, 54, &TLoadCase::Mdl, 7, U::LineMoment},
        {"Vll", 5, 55, &TLoadCase::Vll, 7, U::LineLoad},
        {"Vdl", 6, 55, &TLoadCase::Vdl, 3, U::LineLoad},
        {"Vht", 7, 56, &TLoadCase::Vht, 3, U::Length},
        {"V", 8, 57, &TLoadCase::V, 1, U::Speed},
        {"Kz", 9, 58, &TLoadCase::Kz, 1, {}},
        {"Kzt", 10, 59, &TLoadCase::Kzt, 1, {}},
        {"Cf", 11, 60, &TLoadCase::Cf, 1, {}},
        {"Sds", 8, 64, &TLoadCase::Sds, 2, {}},
    };
    for (int n = 1; n <= 3; ++n) {
        for (const TLoadInput& in : kLoadInputs) {
            if (!(in.Combinations & (1 << (n - 1))))
                continue;
            auto member = in.Field;
            c.push_back({"Continuous.LoadCases[" + std::to_string(n - 1) + "]." + in.Name,
                         "EditLC" + std::to_string(n) + "_" + std::to_string(in.Column), in.Tag, R::Table,
                         S::LoadCombinations,
                         [n, member](TPMData& d) -> Real& { return d.Continuous.LoadCases[n - 1].*member; },
                         in.Unit});
        }
    }

    const std::vector<TInputField> tail = {
        {"Continuous.Gamma", "Edit_CR11", 6, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Gamma),
         U::UnitWeight},
        {"Continuous.Pa", "Edit_CR12", 67, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Pa),
         U::UnitWeight},
        {"Continuous.Pp", "Edit_CR13", 68, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Pp),
         U::UnitWeight},
        {"Continuous.Ign", "Edit_CR14", 69, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Ign),
         U::Length},
        {"Continuous.Phi", "Edit_CR15", 70, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.Phi),
         U::Angle},
        {"Continuous.C", "Edit_CR16", 4, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.C),
         U::CohesionGeo},
        {"Continuous.QAll", "Edit_CR17", 71, R::Table, S::GeotechnicalProperties, PM_FIELD(Continuous.QAll),
         U::StressKsf},
        {"Continuous.StemWall.VertCover", "Edit_CR18", 72, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.StemWall.VertCover), U::SmallLength},
        {"Continuous.StemWall.VertSpacing", "Edit_CR19", 73, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.StemWall.VertSpacing), U::Length},
        {"Continuous.StemWall.HorSpacing", "Edit_CR20", 73, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.StemWall.HorSpacing), U::Length},
        {"Continuous.Footing.FootCover", "Edit_CR21", 72, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.Footing.FootCover), U::SmallLength},
        {"Continuous.Footing.FootSpacing", "Edit_CR22", 73, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.Footing.FootSpacing), U::Length},
        {"Continuous.Footing.StCover", "Edit_CR23", 72, R::Table, S::StemWallAndFooting,
         PM_FIELD(Continuous.Footing.StCover), U::SmallLength},
        {"Continuous.Footing.StSpacing", "Edit_CR24", 73, R::ShrinkageSpacing, S::StemWallAndFooting,
         PM_FIELD(Continuous.Footing.StSpacing), U::Length},
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

const std::vector<TPedestalInput>& PedestalInputs()
{
    using U = TUnitKind;
    using P = TPedestal;
    static const std::vector<TPedestalInput> inputs = {
        {"Xp", &P::Xp, 41, U::Length},      {"Yp", &P::Yp, 41, U::Length},
        {"Lpx", &P::Lpx, 41, U::Length},    {"Lpy", &P::Lpy, 41, U::Length},
        {"H", &P::H, 41, U::Length},        {"PzD", &P::PzD, 41, U::ForceKips},
        {"PzL", &P::PzL, 41, U::ForceKips}, {"PzW", &P::PzW, 1, U::ForceKips},
        {"HxD", &P::HxD, 1, U::ForceKips},  {"HxL", &P::HxL, 1, U::ForceKips},
        {"HxW", &P::HxW, 1, U::ForceKips},  {"HyD", &P::HyD, 1, U::ForceKips},
        {"HyL", &P::HyL, 1, U::ForceKips},  {"HyW", &P::HyW, 1, U::ForceKips},
        {"MxD", &P::MxD, 41, U::MomentKft}, {"MxL", &P::MxL, 41, U::MomentKft},
        {"MxW", &P::MxW, 41, U::MomentKft}, {"MyD", &P::MyD, 41, U::MomentKft},
        {"MyL", &P::MyL, 41, U::MomentKft}, {"MyW", &P::MyW, 41, U::MomentKft},
    };
    return inputs;
}

TBounds ExplicitBounds(const TInputField& input, const TPMData& data)
{
    if (input.Rule == TBoundsRule::Table)
        return {};
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

namespace {
// The bytes that hold a Real's value; an x87 extended value is padded beyond its 10 bytes.
constexpr std::size_t kRealValueBytes = std::numeric_limits<Real>::digits == 64 ? 10 : sizeof(Real);
}  // namespace

Real TShownInputsMemo::Shown(std::size_t input, Real value, int shownTag, int tag, const TBounds& bounds,
                             const TInputLimitsTable& limits)
{
    if (input >= Entries_.size())
        Entries_.resize(input + 1);
    TEntry& e = Entries_[input];
    // The same bits of the value (the sign of zero and a NaN's payload included): cheaper than x87
    // comparisons and NaN tests, and never takes two different values for one.
    const bool sameValue = std::memcmp(&e.Value, &value, kRealValueBytes) == 0;
    if (!(e.Valid && sameValue && e.ShownTag == shownTag && e.Bounds.Minimum == bounds.Minimum &&
          e.Bounds.Maximum == bounds.Maximum && e.Limits == &limits)) {
        e = {true,   value,   shownTag,
             bounds, &limits, ShowAndReadInput(value, shownTag, tag, bounds.Minimum, bounds.Maximum, limits)};
    }
    return e.Shown;
}

void NormalizeInputsAsShown(TPMData& data, TShownInputsMemo* memo)
{
    // The record's own table, not the window's: records are shown on several threads at once.
    const TInputLimitsTable& limits = InputLimitsOf(data.Units);
    DefaultStabilityFooting(data);
    const std::vector<TInputField>& catalogue = InputCatalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const TInputField& input = catalogue[i];
        Real& field = input.Field(data);
        const TBounds bounds = ExplicitBounds(input, data);
        // A disabled length control shows the width's text; a continuous footing is computed per unit length.
        const bool length = input.Path == "L";
        const Real shown = (length && data.Shape != shRectangle) ? data.B : field;
        const int shownTag = (length && data.Shape != shRectangle) ? 1 : input.Tag;
        field = memo ? memo->Shown(i, shown, shownTag, input.Tag, bounds, limits)
                     : ShowAndReadInput(shown, shownTag, input.Tag, bounds.Minimum, bounds.Maximum, limits);
        if (length && data.Shape == shContinuous)
            field = 1.0;
    }
    // The display after the read applies the defaults again, now from the read bearing inputs.
    DefaultStabilityFooting(data);
}
