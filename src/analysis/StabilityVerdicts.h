// Pass and fail of the stability analysis with pedestals: the factors of safety against the
// smallest acceptable factor, the corner pressures against the allowable bearing capacity.
#pragma once

#include <array>

#include "core/Globals.h"
#include "core/Verdict.h"

class TPMData;

// The smallest factor of safety that passes (overturning, sliding and uplift alike).
inline constexpr Real kMinStabilitySafetyFactor = 1.5L;

struct TStabilityChecks {
    TVerdict OverturningX = TVerdict::NotApplicable, OverturningY = TVerdict::NotApplicable;
    TVerdict SlidingX = TVerdict::NotApplicable, SlidingY = TVerdict::NotApplicable;
    TVerdict Uplift = TVerdict::NotApplicable;
    std::array<TVerdict, 4> Corners{};  // P1 to P4

    bool AllPass() const;
};

// A factor passes when it is defined and at least kMinStabilitySafetyFactor; an undefined one fails.
TVerdict SafetyFactorVerdict(Real factor);
// A corner pressure passes when it is defined and strictly below the allowable bearing capacity.
TVerdict CornerPressureVerdict(Real pressure, Real allowable);
// The checks of the stability results held in the record; the record is not changed.
TStabilityChecks StabilityChecks(const TPMData& record);
