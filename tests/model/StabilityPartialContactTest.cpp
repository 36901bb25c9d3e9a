#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/PMClasses.h"

namespace {

// A weightless footing carrying one weightless pedestal: SumPz and the eccentricities are exactly
// the load and moments given.
TPMData LoadedFooting(Real L, Real B, Real load, Real ex, Real ey)
{
    TPMData r;
    TStabilityData& s = r.Stability;
    s.StabL = L;
    s.StabB = B;
    s.StabT = 1;
    s.SoilCover = 1;
    s.PedestalCount = 1;
    s.Pedestals[0].PzD = -load;
    s.Pedestals[0].MyD = load * ex;
    s.Pedestals[0].MxD = -load * ey;
    return r;
}

// The pressure plane through the corners, integrated over the footing where it is positive:
// total force and its centroid, by the midpoint rule.
struct TIntegral {
    double Force, X, Y;
};

TIntegral IntegratePressure(const TStabilityData& s)
{
    const double L = static_cast<double>(s.StabL), B = static_cast<double>(s.StabB);
    const double p1 = static_cast<double>(s.P1), p2 = static_cast<double>(s.P2),
                 p3 = static_cast<double>(s.P3);
    // P1 (+x, -y), P2 (+x, +y), P3 (-x, +y).
    const double slopeX = (p2 - p3) / L, slopeY = (p2 - p1) / B;
    const int n = 600;
    double force = 0, mx = 0, my = 0;
    for (int i = 0; i < n; ++i) {
        const double x = -L / 2 + (i + 0.5) * L / n;
        for (int j = 0; j < n; ++j) {
            const double y = -B / 2 + (j + 0.5) * B / n;
            const double q = std::max(0.0, p2 + slopeX * (x - L / 2) + slopeY * (y - B / 2));
            force += q;
            mx += q * x;
            my += q * y;
        }
    }
    const double cell = L * B / (double(n) * n);
    return {force * cell, mx / force, my / force};
}

}  // namespace

TEST(StabilityPartialContact, SearchTakesTheFirstStepWhereBothInterceptsSettle)
{
    // L = 12, B = 8 ft, 100 kips at ex = 2.5, ey = 1.0 ft: kern sum 6 x 1 / 8 + 6 x 2.5 / 12 = 2.
    // The first step leaves Y = 2B standing while X moves from 24 to 14.4; the search goes on
    // until both settle, with qmax = 3.466 ksf at the (+x, +y) corner and one corner lifted.
    TPMData r = LoadedFooting(12, 8, 100, 2.5L, 1.0L);
    r.StabilityAnalysis();
    const TStabilityData& s = r.Stability;
    EXPECT_NEAR(static_cast<double>(s.PressurePartial.KernSum), 2.0, 1e-15);
    EXPECT_EQ(s.Iterations[0].dY, 0);
    EXPECT_NE(s.Iterations[0].dX, 0);
    EXPECT_TRUE(IsNaN(s.Iterations[0].qmax));
    EXPECT_GT(s.ContactStep, 1);
    EXPECT_NEAR(static_cast<double>(s.P2), 3.466, 0.0005);
    EXPECT_NEAR(static_cast<double>(s.QGross), 3.466, 0.0005);
    EXPECT_EQ(s.BiaxialCase, 1);
    EXPECT_GT(s.DistX, 12);
    EXPECT_GT(s.DistY, 8);
    EXPECT_LT(s.P4, 0);  // the lifted corner shows a negative pressure
    const TIntegral carried = IntegratePressure(s);
    EXPECT_NEAR(carried.Force, 100, 0.5);
    EXPECT_NEAR(carried.X, 2.5, 0.0125);
    EXPECT_NEAR(carried.Y, 1.0, 0.005);
}

TEST(StabilityPartialContact, ConvergedPressuresCarryTheResultantAtItsEccentricity)
{
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> side(2, 20), fraction(-0.49, 0.49), load(10, 500);
    int converged = 0, partial = 0;
    int cases[5] = {};
    for (int k = 0; k < 300; ++k) {
        const double L = side(random), B = side(random);
        TPMData r = LoadedFooting(L, B, load(random), fraction(random) * L, fraction(random) * B);
        ASSERT_NO_THROW(r.StabilityAnalysis());
        const TStabilityData& s = r.Stability;
        if (s.Ex == 0 || s.Ey == 0 || s.PressurePartial.KernSum <= 1)
            continue;
        ++partial;
        if (s.ContactStep == 0) {
            // No settled step: every pressure result reads N.A.
            EXPECT_TRUE(IsNaN(s.P1) && IsNaN(s.QGross) && IsNaN(s.DistX) && IsNaN(s.BearingAreaPct));
            continue;
        }
        ++converged;
        ++cases[s.BiaxialCase];
        // The corner pressures lie in one plane.
        EXPECT_NEAR(static_cast<double>(s.P1 + s.P3 - s.P2 - s.P4), 0,
                    1e-9 * std::fabs(static_cast<double>(s.QGross)));
        const TIntegral carried = IntegratePressure(s);
        const double pz = static_cast<double>(s.SumPz);
        const double ex = static_cast<double>(s.Ex), ey = static_cast<double>(s.Ey);
        EXPECT_NEAR(carried.Force, pz, 0.005 * pz) << "L " << L << " B " << B << " ex " << ex << " ey " << ey;
        EXPECT_NEAR(carried.X, ex, 0.005 * std::fabs(ex)) << "L " << L << " B " << B << " ey " << ey;
        EXPECT_NEAR(carried.Y, ey, 0.005 * std::fabs(ey)) << "L " << L << " B " << B << " ex " << ex;
    }
    // The sample reaches every contact shape and nearly always settles.
    EXPECT_GT(converged, partial * 9 / 10);
    for (int c = 1; c <= 4; ++c)
        EXPECT_GT(cases[c], 0) << "case " << c;
}
