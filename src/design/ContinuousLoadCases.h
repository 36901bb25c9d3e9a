// The load combinations of the continuous footing: derived lateral loads, sliding and
// overturning of the footing (factored), and the soil pressures under toe and heel (service).
#pragma once

#include "core/Globals.h"

class TPMData;

// Wall and footing thickness in ft or m, wind of combination 1, seismic force of combination 2,
// and combination 3's lateral dead load and height taken from combination 1's wind.
void ContinuousDerivedLoads(TPMData& record);

// Stabilising weight and moment, resisting and driving forces, overturning moment, the safety
// ratios, and the service eccentricity of every combination. Needs the derived loads.
void ContinuousStabilityChecks(TPMData& record);

// Heel and toe pressures of every combination at service level (trapezoidal, or triangular once
// the heel lifts; undefined once the resultant leaves the footing).
void ContinuousBearingPressures(TPMData& record);

// The heights the earth pressures act over, ft; m.
Real UnbalancedHeight(const TPMData& record);  // hs = GrH - GrL, the soil on the stem
Real ActiveHeight(const TPMData& record);      // ha = GrH + tf, high-side grade to footing bottom
Real PassiveDepth(const TPMData& record);      // D = GrL + tf + K, low-side grade to keyway bottom

// The unfactored dead weight Dw of a combination per unit length: footing, the wall's axial dead
// load, keyway, stem and the soil on both sides of the stem averaged over the two grades. The
// live load is not in it: it does not hold the wall up.
Real ContinuousDeadWeight(const TPMData& record, int combination);

// The terms one combination's stability and bearing are summed from, for the design and its
// listing alike. Needs the derived loads (ContinuousDerivedLoads).
struct TCombinationTerms {
    Real StabFactor = 0;          // 0.9, or 0.9 - 0.2 Sds in combination 2
    Real Friction = 0;            // tan(phi) * StabWeight
    Real Passive = 0;             // Pp (D^2 - min(ign, D)^2) / 2, never negative
    Real Cohesion = 0;            // W * c
    Real SoilDriving = 0;         // 1.6 Pa ha^2 / 2
    Real LateralDriving = 0;      // the combination's factored lateral loads
    Real SoilOverturning = 0;     // 1.6 Pa ha^3 / 6
    Real LateralOverturning = 0;  // the lateral loads times their heights above the footing bottom
    Real TopMoments = 0;          // 1.2 Mdl + Mll (1, 2) or 1.2 Mdl + 1.6 Mll (3)
    Real ServiceAxial = 0;        // Ps: Dw + Pll, (1 + 0.14 Sds) Dw + Pll in combination 2
    Real ServiceMoment = 0;       // Ms about the footing's centre line at its bottom
};
TCombinationTerms CombinationTerms(const TPMData& record, int combination);
