#include "analysis/StabilityVerdicts.h"

#include "core/PMClasses.h"

bool TStabilityChecks::AllPass() const
{
    for (TVerdict v : {OverturningX, OverturningY, SlidingX, SlidingY, Uplift, Corners[0], Corners[1],
                       Corners[2], Corners[3]})
        if (v == TVerdict::Fail)
            return false;
    return true;
}

TVerdict SafetyFactorVerdict(Real factor)
{
    return VerdictOf(!IsNaN(factor) && factor >= kMinStabilitySafetyFactor);
}

TVerdict CornerPressureVerdict(Real pressure, Real allowable)
{
    return VerdictOf(!IsNaN(pressure) && pressure < allowable);
}

TStabilityChecks StabilityChecks(const TPMData& record)
{
    const TStabilityData& s = record.Stability;
    TStabilityChecks c;
    c.OverturningX = SafetyFactorVerdict(s.FSOverturningX);
    c.OverturningY = SafetyFactorVerdict(s.FSOverturningY);
    c.SlidingX = SafetyFactorVerdict(s.FSSlidingX);
    c.SlidingY = SafetyFactorVerdict(s.FSSlidingY);
    c.Uplift = SafetyFactorVerdict(s.FSUplift);
    const Real corners[4] = {s.P1, s.P2, s.P3, s.P4};
    for (int i = 0; i < 4; ++i)
        c.Corners[i] = CornerPressureVerdict(corners[i], s.QAllowStab);
    return c;
}
