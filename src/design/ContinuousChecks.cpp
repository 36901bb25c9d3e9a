#include "design/ContinuousChecks.h"

#include <cmath>

#include "core/PMClasses.h"
#include "design/RebarTables.h"

namespace {

// An undefined value takes part in the load-case comparisons as 0.
Real OrZero(Real v)
{
    return IsNaN(v) ? 0 : v;
}

const TLoadCase& Combination(const TPMData& record, int combination)
{
    return record.Continuous.LoadCases.at(static_cast<std::size_t>(combination));
}

// A pressure passes when it lies below the allowable one. An undefined pressure (the resultant
// at or beyond the toe) and a negative one (the toe lifting under a moment towards the heel) fail.
bool PressurePasses(const TPMData& record, Real pressure)
{
    return !IsNaN(pressure) && pressure >= 0 && pressure < AllowableBearingPressure(record);
}

// The smaller minimum ratio applies to bars of at most 0.625 in (16 mm) with Fy >= 60 ksi (420 MPa).
bool SmallHighStrengthBar(const TPMData& record, std::int32_t designation)
{
    const RebarSize bar = FindRebar(record, designation);
    const Real largest = record.UnitValue(16, 0.625L);
    const Real fyMin = record.UnitValue(420, 60);
    return bar.Diameter <= largest && record.Continuous.Fy >= fyMin;
}

}  // namespace

bool SlidingCheckPasses(const TPMData& record, int combination)
{
    return OrZero(Combination(record, combination).SlidingRatio) > 1;
}

bool OverturningCheckPasses(const TPMData& record, int combination)
{
    return OrZero(Combination(record, combination).OTSafety) > 1;
}

bool EccentricityCheckPasses(const TPMData& record, int combination)
{
    // Either side of the centre: a moment towards the heel (negative) leaves the kern as well.
    return std::fabs(OrZero(Combination(record, combination).Eccentricity)) < KernLimit(record);
}

bool ToePressureCheckPasses(const TPMData& record, int combination)
{
    return PressurePasses(record, Combination(record, combination).ToePressure);
}

bool HeelPressureCheckPasses(const TPMData& record, int combination)
{
    return PressurePasses(record, Combination(record, combination).HeelPressure);
}

Real KernLimit(const TPMData& record)
{
    return record.Continuous.W / 6;
}

Real AllowableBearingPressure(const TPMData& record)
{
    return record.Continuous.QAll * record.UnitValue(1, 1000);  // ksf to psf in English units
}

bool MomentUtilizationCheckPasses(const TPMData& record)
{
    return record.Continuous.StemWall.MomentUtilization < 99.99L;
}

bool ShearUtilizationCheckPasses(const TPMData& record)
{
    return record.Continuous.StemWall.ShearUtilization < 99.99L;
}

bool FootingMomentCheckPasses(const TPMData& record)
{
    const TFootingReinforcement& ft = record.Continuous.Footing;
    return std::fabs(ft.PhiMnFoot) > std::fabs(ft.MuFoot);
}

bool FootingRatioCheckPasses(const TPMData& record)
{
    const Real rho = std::fabs(record.Continuous.Footing.RhoFoot);
    return 0.18L < rho && rho < 1.15L;
}

Real MinimumVerticalRatio(const TPMData& record)
{
    return SmallHighStrengthBar(record, record.Continuous.StemWall.VertBarSize) ? 0.12L : 0.15L;
}

Real MinimumHorizontalRatio(const TPMData& record)
{
    return SmallHighStrengthBar(record, record.Continuous.StemWall.HorBarSize) ? 0.20L : 0.25L;
}

bool VerticalReinforcementCheckPasses(const TPMData& record)
{
    return record.Continuous.StemWall.RhoVert >= MinimumVerticalRatio(record);
}

bool HorizontalReinforcementCheckPasses(const TPMData& record)
{
    return record.Continuous.StemWall.RhoHor >= MinimumHorizontalRatio(record);
}

bool TContinuousChecks::AllPass() const
{
    for (const TCombinationChecks& c : Combinations)
        for (TVerdict v : {c.Sliding, c.Overturning, c.Eccentricity, c.ToePressure, c.HeelPressure})
            if (v == TVerdict::Fail)
                return false;
    for (TVerdict v : {MomentUtilization, ShearUtilization, FootingMoment, FootingRatio,
                       VerticalReinforcement, HorizontalReinforcement})
        if (v == TVerdict::Fail)
            return false;
    return true;
}

TContinuousChecks ContinuousChecks(const TPMData& record)
{
    TContinuousChecks c;
    for (int n = 0; n < 3; ++n) {
        TCombinationChecks& lc = c.Combinations[static_cast<std::size_t>(n)];
        lc.Sliding = VerdictOf(SlidingCheckPasses(record, n));
        lc.Overturning = VerdictOf(OverturningCheckPasses(record, n));
        lc.Eccentricity = VerdictOf(EccentricityCheckPasses(record, n));
        lc.ToePressure = VerdictOf(ToePressureCheckPasses(record, n));
        lc.HeelPressure = VerdictOf(HeelPressureCheckPasses(record, n));
    }
    c.MomentUtilization = VerdictOf(MomentUtilizationCheckPasses(record));
    c.ShearUtilization = VerdictOf(ShearUtilizationCheckPasses(record));
    c.FootingMoment = VerdictOf(FootingMomentCheckPasses(record));
    c.FootingRatio = VerdictOf(FootingRatioCheckPasses(record));
    c.VerticalReinforcement = VerdictOf(VerticalReinforcementCheckPasses(record));
    c.HorizontalReinforcement = VerdictOf(HorizontalReinforcementCheckPasses(record));
    return c;
}
