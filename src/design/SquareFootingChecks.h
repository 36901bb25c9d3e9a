// Pass and fail of the square footing results, as the results display colours them and the
// report prints them. A NaN operand fails its check.
#pragma once

#include "core/Globals.h"

class TPMData;

// The note shown under a direction whose shear section lies beyond the footing edge (Vu = 0).
inline constexpr const char* kShearPlaneBeyondEdgeText = "Shear Plane beyond edge of footing, OK";
// The note shown when the two-way shear section lies beyond the footing edges (VuPunch = 0).
inline constexpr const char* kPunchingBeyondEdgeText = "Punching section beyond edge of footing, OK";

struct TSquareFootingLimits {
    Real RhoMin = 0;      // minimum steel over the gross section b x T (ACI 318-19 8.6.1.1, 24.4.3.2): 0.0018
    Real SpacingMin = 0;  // the larger of the bar diameter and 1 in (25 mm)
    Real SpacingMax = 0;  // the smaller of 3 x footing thickness and 18 in (450 mm)
};

struct TSquareFootingChecks {
    bool QService = false;                                    // qs <= qa (AllowNetBearing)
    bool Rho1 = false, Rho2 = false;                          // minimum steel: As >= AsMin = 0.0018 b T
    bool Spacing1 = false, Spacing2 = false;                  // SpacingMin <= s <= SpacingMax
    bool Moment1 = false, Moment2 = false;                    // Mu <= phi Mn
    bool Shear1 = false, Shear2 = false;                      // Vu <= phi Vc, or Vu = 0
    bool ShearBeyondEdge1 = false, ShearBeyondEdge2 = false;  // Vu = 0: show kShearPlaneBeyondEdgeText
    bool Punch = false;                                       // VuPunch <= PhiVcPunch, or VuPunch = 0
    bool PunchBeyondEdge = false;                             // VuPunch = 0: show kPunchingBeyondEdgeText
    bool Bearing = false;                             // PuColumn <= PhiBearing; else dowels carry the excess
    bool Development1 = false, Development2 = false;  // DevLength <= DevAvail
    TSquareFootingLimits Limits;

    bool AllPass() const
    {
        return QService && Rho1 && Rho2 && Spacing1 && Spacing2 && Moment1 && Moment2 && Shear1 && Shear2 &&
               Punch && Bearing && Development1 && Development2;
    }
};

// The limits of the record's units, thickness and bar (looked up in the active table).
TSquareFootingLimits SquareFootingLimits(const TPMData& record);
// The checks of the results held in the record; the record is not changed.
TSquareFootingChecks SquareFootingChecks(const TPMData& record);
