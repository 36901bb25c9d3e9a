#include "design/SquareFootingDesign.h"

#include <cmath>

#include "core/PMClasses.h"
#include "core/Units.h"
#include "design/RebarTables.h"
#include "design/SquareFootingAci.h"

namespace {

// Section results of one bar direction: the bars span `span` (B1 for direction 1), are spread
// across `width` (B2), sit at effective depth `depth` and resist the cantilever beyond the column
// face of dimension `column` (c1).
struct TDirection {
    Real Rho, Spacing, PhiMn, Mu, Vu;
};

struct TSectionData {
    Real k;           // in/ft or mm/m
    Real m;           // kip-in per kip-ft or N-mm per kN-m
    Real db, Ab;      // bar diameter and area
    Real fc, fy, cc;  // material strengths, clear cover
    Real qu;          // factored soil pressure: ksf ; kPa
};

TDirection Direction(const TSectionData& s, Real span, Real width, Real column, Real depth, Real bars)
{
    TDirection r;
    const Real as = bars * s.Ab;
    // A zero effective depth leaves no section to reinforce: the ratio does not apply.
    r.Rho = depth == 0 ? NaN() : as / (width * depth);
    // Bar centres spread between the covers; a single bar has no spacing.
    r.Spacing = bars == 1 ? NaN() : (width - 2 * s.cc - s.db) / (bars - 1) - s.db;
    // phi Mn = 0.9 As Fy (d - a/2), a/2 = As Fy / (1.7 f'c b).
    r.PhiMn = 0.9L * as * s.fy * (depth - as * s.fy / (1.7L * s.fc * width)) / s.m;
    // The overhang beyond the column face is a cantilever under the uniform factored pressure.
    const Real overhang = (span - column) / (2 * s.k);
    const Real strip = s.qu * (width / s.k);
    r.Mu = strip * overhang * overhang / 2;
    // Shear at d from the column face; none when that section lies beyond the footing edge.
    r.Vu = MaxValid({0, strip * (overhang - depth / s.k)});
    return r;
}

}  // namespace

bool SquareFootingDesignApplies(const TPMData& record)
{
    const TSquareFootingData& q = record.Square;
    return q.UseSquareReinforcement != 0 && q.FootingDim1 * q.FootingDim2 * q.Fy * q.Fc != 0;
}

void TPMData::SquareFootingDesign()
{
    if (!SquareFootingDesignApplies(*this))
        return;
    TSquareFootingData& q = Square;

    const RebarSize bar = FindRebar(*this, q.FootingBarSize);
    TSectionData s;
    s.k = UnitValue(1000, 12);
    s.m = UnitValue(1000000, 12);
    s.db = bar.Diameter;
    s.Ab = bar.Area;
    s.fc = q.Fc;
    s.fy = q.Fy;
    s.cc = q.ClearCover;

    const Real b1 = q.FootingDim1, b2 = q.FootingDim2, t = q.FootingThickness;
    const Real gammaC = UnitValue(23.5, 0.15);        // kN/m^3 ; kcf
    const Real areaFactor = UnitValue(1000000, 144);  // mm^2/m^2 ; in^2/ft^2
    const Real ownWeight = b1 * b2 * t * gammaC / (s.k * s.k * s.k);
    const Real dead = q.AxialDeadLoad, live = q.AxialLiveLoad;
    q.QService = (dead + live + ownWeight) * areaFactor / (b1 * b2);
    q.QFactored = (1.2L * (dead + ownWeight) + 1.6L * live) * areaFactor / (b1 * b2);
    s.qu = q.QFactored;

    // The bars parallel to Dimension 1 form the bottom layer; the second layer lies on them.
    q.EffDepth1 = t - s.cc - s.db / 2;
    q.EffDepth2 = t - s.cc - 3 * s.db / 2;

    const TDirection d1 = Direction(s, b1, b2, q.ColumnDim1, q.EffDepth1, q.NumBars1);
    const TDirection d2 = Direction(s, b2, b1, q.ColumnDim2, q.EffDepth2, q.NumBars2);
    q.Rho1 = d1.Rho;
    q.Rho2 = d2.Rho;
    q.BarSpacing1 = d1.Spacing;
    q.BarSpacing2 = d2.Spacing;
    q.PhiMn1 = d1.PhiMn;
    q.PhiMn2 = d2.PhiMn;
    q.Mu1 = d1.Mu;
    q.Mu2 = d2.Mu;
    q.Vu1 = d1.Vu;
    q.Vu2 = d2.Vu;

    // The ACI 318-19 strength checks beyond flexure, from the section results written above.
    const TSquareFootingAci aci = SquareFootingAci(*this);
    q.PhiVc1 = aci.Shear1.PhiVc;
    q.PhiVc2 = aci.Shear2.PhiVc;
    q.As1 = q.NumBars1 * s.Ab;
    q.As2 = q.NumBars2 * s.Ab;
    q.AsMin1 = aci.AsMin1;
    q.AsMin2 = aci.AsMin2;
    q.PunchPerimeter = aci.Punch.Perimeter;
    q.PhiVcPunch = aci.Punch.PhiVc;
    q.VuPunch = aci.Punch.Vu;
    q.PuColumn = aci.Bearing.Pu;
    q.PhiBearing = aci.Bearing.PhiBn;
    q.DevLength1 = aci.Dev1.Length;
    q.DevLength2 = aci.Dev2.Length;
    q.DevAvail1 = aci.Dev1.Available;
    q.DevAvail2 = aci.Dev2.Available;
}
