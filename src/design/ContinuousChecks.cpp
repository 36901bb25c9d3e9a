#include "design/ContinuousChecks.h"

#include <cmath>

#include "core/PMClasses.h"

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

// A pressure passes when it lies below the allowable one. A negative pressure only arises from
// the triangular formula with the resultant outside the footing, which fails.
bool PressurePasses(const TPMData& record, Real pressure)
{
    const Real q = OrZero(pressure);
    return q >= 0 && q < AllowableBearingPressure(record);
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
    return OrZero(Combination(record, combination).Eccentricity) < KernLimit(record);
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

bool TContinuousChecks::AllPass() const
{
    for (const TCombinationChecks& c : Combinations)
        for (TVerdict v : {c.Sliding, c.Overturning, c.Eccentricity, c.ToePressure, c.HeelPressure})
            if (v == TVerdict::Fail)
                return false;
    for (TVerdict v : {MomentUtilization, ShearUtilization, FootingMoment, FootingRatio})
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
    return c;
}
