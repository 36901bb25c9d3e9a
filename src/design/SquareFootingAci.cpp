#include "design/SquareFootingAci.h"

#include <algorithm>
#include <cmath>

#include "core/PMClasses.h"
#include "core/Units.h"
#include "design/RebarTables.h"

namespace {

constexpr Real kPhiShear = 0.75L;    // 21.2.1(b)
constexpr Real kPhiBearing = 0.65L;  // 21.2.1(d)
constexpr Real kAlphaS = 40;         // interior column, 22.6.5.3

// A ratio that is not positive (or not defined) gives no steel term.
Real PositiveOrZero(Real v)
{
    return v > 0 ? v : 0;
}

}  // namespace

Real RootFc(Real fc, bool si)
{
    if (fc < 0)
        return NaN();
    const Real root = si ? std::sqrt(fc) : std::sqrt(1000 * fc);
    const Real cap = si ? 8.3L : 100;
    return root > cap ? cap : root;
}

TOneWayShear OneWayShear(Real fc, Real rho, Real width, Real depth, bool si)
{
    TOneWayShear r;
    const Real cubeRoot = std::cbrt(PositiveOrZero(rho));
    r.Coefficient = si ? std::min(0.66L * cubeRoot, 0.42L) : std::min(8 * cubeRoot, Real(5));
    r.PhiVc = kPhiShear * r.Coefficient * RootFc(fc, si) * width * depth / 1000;
    return r;
}

TPunchingShear PunchingShear(const TPunchingInput& in, bool si)
{
    TPunchingShear r;
    r.Depth = (in.D1 + in.D2) / 2;
    const Real full1 = in.C1 + r.Depth, full2 = in.C2 + r.Depth;
    r.Side1 = std::min(full1, in.B1);
    r.Side2 = std::min(full2, in.B2);
    // A side of the critical section exists only where it lies inside the footing: the sides along
    // B1 sit at (c2 + d) / 2 from the centre, those along B2 at (c1 + d) / 2.
    r.Perimeter = (full2 < in.B2 ? 2 * r.Side1 : 0) + (full1 < in.B1 ? 2 * r.Side2 : 0);

    const Real shorter = std::min(in.C1, in.C2), longer = std::max(in.C1, in.C2);
    r.Beta = shorter > 0 ? longer / shorter : NaN();
    const Real alphaTerm = r.Perimeter > 0 ? kAlphaS * r.Depth / r.Perimeter : NaN();
    r.CoefLimit = si ? 0.33L : 4;
    r.CoefBeta = si ? 0.17L * (1 + 2 / r.Beta) : 2 + 4 / r.Beta;
    r.CoefAlpha = si ? 0.083L * (2 + alphaTerm) : 2 + alphaTerm;
    r.Stress = MinValid({r.CoefLimit, r.CoefBeta, r.CoefAlpha}) * RootFc(in.Fc, si);
    r.PhiVc = kPhiShear * r.Stress * r.Perimeter * r.Depth / 1000;

    const Real areaFactor = si ? 1000000 : 144;  // mm^2 per m^2 ; in^2 per ft^2
    r.Vu = in.Qu * (in.B1 * in.B2 - r.Side1 * r.Side2) / areaFactor;
    return r;
}

TColumnBearing ColumnBearing(Real dead, Real live, Real fc, Real c1, Real c2, bool si)
{
    TColumnBearing r;
    r.Pu = 1.2L * dead + 1.6L * live;
    r.PhiBn = kPhiBearing * 0.85L * fc * c1 * c2 / (si ? 1000 : 1);
    return r;
}

TDevelopment Development(const TDevelopmentInput& in, bool si)
{
    TDevelopment r;
    const Real grade60 = si ? 420 : 60, grade80 = si ? 550 : 80;
    r.PsiG = in.Fy <= grade60 ? 1.0L : in.Fy <= grade80 ? 1.15L : 1.3L;
    r.SmallBar = in.Db <= (si ? 19.5L : 0.75L);
    r.WellSpaced = in.Spacing >= 2 * in.Db && in.Cover >= in.Db;
    if (si)
        r.Divisor = r.WellSpaced ? (r.SmallBar ? 2.1L : 1.7L) : (r.SmallBar ? 1.4L : 1.1L);
    else
        r.Divisor = r.WellSpaced ? (r.SmallBar ? 25 : 20) : (r.SmallBar ? 50 / 3.0L : 40 / 3.0L);
    const Real fy = si ? in.Fy : 1000 * in.Fy;  // MPa ; psi
    const Real length = fy * r.PsiG / (r.Divisor * RootFc(in.Fc, si)) * in.Db;
    const Real minimum = si ? 300 : 12;  // 25.4.2.1(b)
    r.Length = length < minimum ? minimum : length;
    r.Available = (in.Span - in.Col) / 2 - in.Cover;
    return r;
}

TSquareFootingAci SquareFootingAci(const TPMData& record)
{
    const TSquareFootingData& q = record.Square;
    TSquareFootingAci a;
    a.Si = record.Units == usSI;
    a.RootFc = RootFc(q.Fc, a.Si);
    const Real b1 = q.FootingDim1, b2 = q.FootingDim2;
    a.Shear1 = OneWayShear(q.Fc, q.Rho1, b2, q.EffDepth1, a.Si);
    a.Shear2 = OneWayShear(q.Fc, q.Rho2, b1, q.EffDepth2, a.Si);
    a.AsMin1 = kMinSteelRatio * b2 * q.FootingThickness;
    a.AsMin2 = kMinSteelRatio * b1 * q.FootingThickness;
    a.Punch = PunchingShear({b1, b2, q.ColumnDim1, q.ColumnDim2, q.EffDepth1, q.EffDepth2, q.Fc, q.QFactored},
                            a.Si);
    a.Bearing = ColumnBearing(q.AxialDeadLoad, q.AxialLiveLoad, q.Fc, q.ColumnDim1, q.ColumnDim2, a.Si);
    const Real db = FindRebar(record, q.FootingBarSize).Diameter;
    a.Dev1 = Development({q.Fc, q.Fy, db, q.BarSpacing1, q.ClearCover, b1, q.ColumnDim1}, a.Si);
    a.Dev2 = Development({q.Fc, q.Fy, db, q.BarSpacing2, q.ClearCover, b2, q.ColumnDim2}, a.Si);
    return a;
}
