// Pass or fail of the continuous footing's checks, as the results display and the report ask
// them. `combination` indexes TContinuousData::LoadCases (lcWind, lcSeismic, lcGeneral).
#pragma once

#include <array>

#include "core/Globals.h"
#include "core/Verdict.h"

class TPMData;

bool SlidingCheckPasses(const TPMData& record, int combination);       // SlidingRatio > 1
bool OverturningCheckPasses(const TPMData& record, int combination);   // OTSafety > 1
bool EccentricityCheckPasses(const TPMData& record, int combination);  // |e| < W / 6
// Service pressure below the allowable one; an undefined pressure (the resultant at or beyond
// the toe) fails.
bool ToePressureCheckPasses(const TPMData& record, int combination);
bool HeelPressureCheckPasses(const TPMData& record, int combination);

// The kern limit W / 6 shown in the eccentricity hint, ft; m.
Real KernLimit(const TPMData& record);
// The allowable bearing pressure in the unit of the computed pressures: psf; kPa.
Real AllowableBearingPressure(const TPMData& record);

bool MomentUtilizationCheckPasses(const TPMData& record);  // governing utilisation < 99.99 %
bool ShearUtilizationCheckPasses(const TPMData& record);
bool FootingMomentCheckPasses(const TPMData& record);  // |PhiMnFoot| > |MuFoot|
bool FootingRatioCheckPasses(const TPMData& record);   // 0.18 % < |RhoFoot| < 1.15 %

// Minimum wall reinforcement, ACI 318-19 Table 11.6.1, in percent of the gross section: 0.12 %
// vertical and 0.20 % horizontal for bars of at most 0.625 in (16 mm) with Fy of at least 60 ksi
// (420 MPa), otherwise 0.15 % and 0.25 %. The bar is the record's vertical or horizontal bar.
Real MinimumVerticalRatio(const TPMData& record);
Real MinimumHorizontalRatio(const TPMData& record);
bool VerticalReinforcementCheckPasses(const TPMData& record);    // RhoVert >= its minimum
bool HorizontalReinforcementCheckPasses(const TPMData& record);  // RhoHor >= its minimum

// The verdicts of one load combination (a member of TContinuousChecks).
struct TCombinationChecks {
    TVerdict Sliding = TVerdict::NotApplicable;
    TVerdict Overturning = TVerdict::NotApplicable;
    TVerdict Eccentricity = TVerdict::NotApplicable;
    TVerdict ToePressure = TVerdict::NotApplicable;
    TVerdict HeelPressure = TVerdict::NotApplicable;
};

// Every check of the continuous footing at once, from the functions above.
struct TContinuousChecks {
    std::array<TCombinationChecks, 3> Combinations;  // lcWind, lcSeismic, lcGeneral
    TVerdict MomentUtilization = TVerdict::NotApplicable;
    TVerdict ShearUtilization = TVerdict::NotApplicable;
    TVerdict FootingMoment = TVerdict::NotApplicable;
    TVerdict FootingRatio = TVerdict::NotApplicable;
    TVerdict VerticalReinforcement = TVerdict::NotApplicable;  // wall minimum, ACI 318-19 Table 11.6.1
    TVerdict HorizontalReinforcement = TVerdict::NotApplicable;

    bool AllPass() const;
};

// The checks of the results held in the record; the record is not changed.
TContinuousChecks ContinuousChecks(const TPMData& record);
