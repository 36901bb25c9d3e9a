// The ACI 318-19 strength checks of the isolated footing beyond flexure: one-way shear (22.5.5.1c),
// minimum steel on the gross section (8.6.1.1), two-way shear (22.6), column bearing (22.8.3.2) and
// the development length of the footing bars (25.4.2.3), with every intermediate value, so that the
// design writes the results and the listing shows how they came about from the same arithmetic.
//
// English: lengths in in, strengths in ksi, forces in kips; SI: mm, MPa, kN. Normal-weight concrete
// (lambda = 1); the size effect factor lambda_s = 1, as 13.2.6.2 permits for isolated footings.
#pragma once

#include "core/Globals.h"

class TPMData;

// sqrt(f'c), never above 100 psi (8.3 MPa) (22.5.3.1, 22.6.3.1, 25.4.1.4): in psi for English
// units (f'c given in ksi), in MPa for SI. A negative strength has no root: not applicable.
Real RootFc(Real fc, bool si);

// One-way shear of a section without shear reinforcement, 22.5.5.1(c):
// Vc = min(8 rho^(1/3), 5) sqrt(f'c) b d (psi), or min(0.66 rho^(1/3), 0.42) sqrt(f'c) b d (MPa).
struct TOneWayShear {
    Real Coefficient =
        0;           // min(8 rho^(1/3), 5) or min(0.66 rho^(1/3), 0.42); a ratio not positive counts as 0
    Real PhiVc = 0;  // 0.75 Vc: kips ; kN
};
TOneWayShear OneWayShear(Real fc, Real rho, Real width, Real depth, bool si);

// Two-way shear at d/2 from the faces of an interior column, 22.6.4.1 and Table 22.6.5.2.
struct TPunchingShear {
    Real Depth = 0;      // d = (d1 + d2) / 2
    Real Side1 = 0;      // c1 + d, at most B1: the side of the critical section along B1
    Real Side2 = 0;      // c2 + d, at most B2
    Real Perimeter = 0;  // bo: the sides of the critical section that lie within the footing
    Real Beta = 0;       // longer over shorter column side
    Real CoefLimit = 0;  // 4 (0.33)
    Real CoefBeta = 0;   // 2 + 4 / beta (0.17 (1 + 2 / beta))
    Real CoefAlpha = 0;  // 2 + 40 d / bo (0.083 (2 + 40 d / bo)); none when bo is 0
    Real Stress = 0;     // vc = min of the three x sqrt(f'c): psi ; MPa
    Real PhiVc = 0;      // 0.75 vc bo d: kips ; kN
    Real Vu = 0;         // qu on the footing outside the critical section; 0 when it lies beyond the edge
};
struct TPunchingInput {
    Real B1, B2, C1, C2;  // footing and column sides
    Real D1, D2;          // effective depths
    Real Fc, Qu;          // f'c; factored soil pressure (ksf ; kPa)
};
TPunchingShear PunchingShear(const TPunchingInput& in, bool si);

// Bearing of the column on the footing, 22.8.3.2: the column's concrete taken at the footing's f'c;
// the footing side with its factor sqrt(A2/A1) >= 1 is never the weaker.
struct TColumnBearing {
    Real Pu = 0;     // 1.2 D + 1.6 L (5.3.1b): kips ; kN
    Real PhiBn = 0;  // 0.65 x 0.85 f'c c1 c2: kips ; kN
};
TColumnBearing ColumnBearing(Real dead, Real live, Real fc, Real c1, Real c2, bool si);

// Development length of straight, uncoated bottom bars in tension, Table 25.4.2.3 (psi_t = psi_e = 1).
struct TDevelopment {
    Real PsiG = 0;  // Table 25.4.2.5: 1.0 up to 60 ksi (420 MPa), 1.15 up to 80 ksi (550 MPa), 1.3 above
    bool SmallBar = false;    // No. 6 and smaller (db <= 0.75 in), No. 19 / 20M and smaller (db <= 19.5 mm)
    bool WellSpaced = false;  // clear spacing >= 2 db and clear cover >= db
    Real Divisor = 0;         // 25 / 20 or 50/3 / 40/3 (SI 2.1 / 1.7 or 1.4 / 1.1)
    Real Length = 0;          // ld = fy psi_g / (divisor sqrt(f'c)) db, at least 12 in (300 mm)
    Real Available = 0;       // (B - c) / 2 - cc: from the column face to the bar end
};
struct TDevelopmentInput {
    Real Fc, Fy;     // ksi ; MPa
    Real Db;         // bar diameter
    Real Spacing;    // clear spacing between the bars
    Real Cover;      // clear cover
    Real Span, Col;  // footing side the bars span and the column side along it
};
TDevelopment Development(const TDevelopmentInput& in, bool si);

// Every check of the record's footing, from its inputs and the section results the design has
// written (QFactored, EffDepth1/2, Rho1/2, BarSpacing1/2): what the design stores and the listing shows.
struct TSquareFootingAci {
    bool Si = false;
    Real RootFc = 0;
    TOneWayShear Shear1, Shear2;
    Real AsMin1 = 0, AsMin2 = 0;  // 0.0018 x the gross section: 0.0018 B2 T and 0.0018 B1 T
    TPunchingShear Punch;
    TColumnBearing Bearing;
    TDevelopment Dev1, Dev2;
};
TSquareFootingAci SquareFootingAci(const TPMData& record);

// The minimum steel ratio of the gross section, 8.6.1.1 and 24.4.3.2.
inline constexpr Real kMinSteelRatio = 0.0018L;
