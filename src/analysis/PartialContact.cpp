// Partial contact under a biaxial eccentricity. The pressure is linear,
// q = qmax (1 - x'/X - y'/Y), with x', y' measured from the most loaded corner and X, Y the
// intercepts of the zero-pressure line; X and Y are refined by a fixed-point search that starts
// from X = 2L, Y = 2B and runs 30 steps.
#include <cmath>
#include <limits>

#include "analysis/StabilityStages.h"

namespace stability {

namespace {

// Truncation toward zero without switching the rounding mode: adding 2^(digits-1) rounds the
// magnitude to an integer (ties to even), which is then stepped down when it rounded up.
Real TruncTowardZero(Real v)
{
    constexpr int kDigits = std::numeric_limits<Real>::digits;
    if constexpr (kDigits > 64)
        return std::trunc(v);
    constexpr Real kIntegerStep = static_cast<Real>(1ULL << (kDigits > 64 ? 63 : kDigits - 1));
    const Real magnitude = std::fabs(v);
    if (!(magnitude < kIntegerStep))
        return std::trunc(v);  // already whole, or NaN
    Real whole = (magnitude + kIntegerStep) - kIntegerStep;
    if (whole > magnitude)
        whole -= 1;
    return v < 0 ? -whole : whole;
}

// Change of an intercept in its fourth decimal, truncated toward zero.
Real FourthDecimalChange(Real next, Real current)
{
    return TruncTowardZero(next * 10000) - TruncTowardZero(current * 10000);
}

// Properties of the contact area (the pressure triangle cut by the footing) and the new intercepts.
void Step(const TStabilityData& s, TContactIteration& r)
{
    const Real L = s.StabL, B = s.StabB, X = r.X, Y = r.Y;
    const Real perX = Div(1, X), perY = Div(1, Y);
    // The larger of 0 and the ratio, a NaN ratio counting as 0 (MaxValid of the two).
    const Real ratioY = (Y - B) * perY, ratioX = (X - L) * perX;
    r.a = ratioY > 0 ? ratioY : 0;
    r.b = ratioX > 0 ? ratioX : 0;
    const Real a = r.a, b = r.b;
    const Real a2 = a * a, b2 = b * b, a3 = a2 * a, b3 = b2 * b, a4 = a2 * a2, b4 = b2 * b2;
    const Real XY = X * Y;
    constexpr Real sixth = 1.0L / 6, twelfth = 1.0L / 12, twentyFourth = 1.0L / 24;
    r.A0 = (1 - b2 - a2) * XY / 2;
    r.Sx = Y * XY * (1 - b3 - a3 - 3 * a2 * B * perY) * sixth;
    r.Sy = X * XY * (1 - b3 - a3 - 3 * b2 * L * perX) * sixth;
    r.Ixx = (1 - b4 - a4 - 2 * a2 * B * (2 * Y + B) * perY * perY) * (Y * Y) * XY * twelfth;
    r.Iyy = (1 - b4 - a4 - 2 * b2 * L * (2 * X + L) * perX * perX) * (X * X) * XY * twelfth;
    r.Ixy = XY * XY * (1 - b4 - a4 - 4 * b3 * L * perX - 4 * a3 * B * perY) * twentyFourth;
    r.ux = L / 2 - std::fabs(s.Ex);
    r.uy = B / 2 - std::fabs(s.Ey);
    r.c1 = r.Ixy - r.uy * r.Sy;
    r.c2 = r.Ixy - r.ux * r.Sx;
    r.c3 = r.Ixx - r.uy * r.Sx;
    r.c4 = r.Iyy - r.ux * r.Sy;
    r.c5 = r.Sx - r.uy * r.A0;
    r.c6 = r.Sy - r.ux * r.A0;
    const Real numerator = r.c1 * r.c2 - r.c3 * r.c4;
    r.Xnew = Div(numerator, r.c2 * r.c5 - r.c3 * r.c6);
    r.Ynew = Div(numerator, r.c1 * r.c6 - r.c4 * r.c5);
    r.dY = FourthDecimalChange(r.Ynew, Y);
    r.dX = FourthDecimalChange(r.Xnew, X);
}

// Pressures of a settled step: at the most loaded corner, a width B away along y, at the
// opposite corner, and a length L away along x. A lifted corner shows a negative pressure.
void SettledPressures(const TStabilityData& s, TContactIteration& r)
{
    const Real L = s.StabL, B = s.StabB;
    r.qmax = Div(s.SumPz, r.A0 - Div(r.Sy, r.X) - Div(r.Sx, r.Y));
    r.q0B = (1 - B / r.Y) * r.qmax;
    r.qLB = (1 - B / r.Y - L / r.X) * r.qmax;
    r.qL0 = (1 - L / r.X) * r.qmax;
}

}  // namespace

bool SearchPartialContact(TStabilityData& s)
{
    const Real L = s.StabL, B = s.StabB;
    int settled = 0;
    Real X = 2 * L, Y = 2 * B;
    for (int i = 0; i < kContactSteps; ++i) {
        TContactIteration& r = s.Iterations[i];
        r.X = X;
        r.Y = Y;
        Step(s, r);
        // A step counts only when both intercepts have settled: one intercept standing still
        // while the other moves is no solution.
        if (r.dX == 0 && r.dY == 0) {
            SettledPressures(s, r);
            if (settled == 0)
                settled = i + 1;
        }
        X = r.Xnew;
        Y = r.Ynew;
    }
    if (settled == 0)
        return false;

    const TContactIteration& r = s.Iterations[settled - 1];
    TPressureCase& c = s.PressurePartial;
    // The most loaded corner lies toward the resultant.
    const bool plusX = s.Ex > 0, plusY = s.Ey > 0;
    if (plusX && plusY) {
        c.P1 = r.q0B, c.P2 = r.qmax, c.P3 = r.qL0, c.P4 = r.qLB;
    } else if (!plusX && plusY) {
        c.P1 = r.qLB, c.P2 = r.qL0, c.P3 = r.qmax, c.P4 = r.q0B;
    } else if (!plusX && !plusY) {
        c.P1 = r.qL0, c.P2 = r.qLB, c.P3 = r.q0B, c.P4 = r.qmax;
    } else {
        c.P1 = r.qmax, c.P2 = r.q0B, c.P3 = r.qLB, c.P4 = r.qL0;
    }
    const Real X0 = r.Xnew, Y0 = r.Ynew;
    c.QMaxOrX = X0;
    c.QMinOrY = Y0;
    const Real area = L * B;
    if (X0 > L && Y0 > B) {
        // One corner lifted.
        c.Length1 = X0 * Div(Y0 - B, Y0);
        c.Length2 = Y0 * Div(X0 - L, X0);
        c.AreaPct = (area - (L - c.Length1) * (B - c.Length2) / 2) / area * 100;
        s.BiaxialCase = 1;
    } else if (X0 > L) {
        // Trapezoid across x.
        c.Length1 = Y0 * Div(X0 - L, X0);
        c.Length2 = Y0;
        c.AreaPct = (c.Length1 + c.Length2) * L / 2 / area * 100;
        s.BiaxialCase = 2;
    } else if (Y0 > B) {
        // Trapezoid across y.
        c.Length1 = X0 * Div(Y0 - B, Y0);
        c.Length2 = X0;
        c.AreaPct = (c.Length1 + c.Length2) * B / 2 / area * 100;
        s.BiaxialCase = 3;
    } else {
        // Triangle.
        c.Length1 = X0;
        c.Length2 = Y0;
        c.AreaPct = X0 * Y0 / 2 / area * 100;
        s.BiaxialCase = 4;
    }
    s.ContactStep = settled;
    return true;
}

}  // namespace stability
