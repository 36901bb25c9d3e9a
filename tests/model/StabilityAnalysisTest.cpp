#include <gtest/gtest.h>

#include <cmath>

#include "core/PMClasses.h"

namespace {

void ExpectClose(Real actual, double expected, double tolerance, const char* what)
{
    if (std::isnan(expected)) {
        EXPECT_TRUE(IsNaN(actual)) << what << ": actual " << static_cast<double>(actual) << ", expected N.A.";
        return;
    }
    EXPECT_NEAR(static_cast<double>(actual), expected, tolerance) << what;
}

const double kNA = std::nan("");

TPMData Footing(Real L, Real B, Real T, Real D, Real gc, Real gs)
{
    TPMData r;
    TStabilityData& s = r.Stability;
    s.StabL = L;
    s.StabB = B;
    s.StabT = T;
    s.SoilCover = D;
    s.GammaC = gc;
    s.GammaS = gs;
    return r;
}

// L = 8, B = 6, T = 1.5, D = 1 ft, concrete 0.15 kcf, soil 0.11 kcf, no surcharge.
TPMData ExampleFooting()
{
    return Footing(8, 6, 1.5L, 1, 0.15L, 0.11L);
}

// One centred 1.5 x 1.5 ft pedestal, 2 ft tall (above the 1 ft cover), 100 kips dead load.
TPedestal& AddCentredPedestal(TPMData& r)
{
    TPedestal& p = r.Stability.Pedestals[r.Stability.PedestalCount++];
    p.Lpx = 1.5L;
    p.Lpy = 1.5L;
    p.H = 2;
    p.PzD = -100;
    return p;
}

struct TExpected {
    const char* Name;
    Real TStabilityData::*Field;
    double Value;
};

void ExpectAll(const TStabilityData& s, std::initializer_list<TExpected> expected, double tolerance = 5e-7)
{
    for (const TExpected& e : expected)
        ExpectClose(s.*e.Field, e.Value, tolerance, e.Name);
}

}  // namespace

TEST(StabilityAnalysis, FootingAloneGivesUniformPressureAndNoFactors)
{
    TPMData r = ExampleFooting();
    r.StabilityAnalysis();
    // 8 x 6 x 1.5 x 0.15 = 10.8; 8 x 6 x 1 x 0.11 = 5.28; 16.08 / 48 = 0.335; 0.335 - 2.5 x 0.11 = 0.06.
    ExpectAll(r.Stability, {{"WeightFooting", &TStabilityData::WeightFooting, 10.8},
                            {"WeightSoil", &TStabilityData::WeightSoil, 5.28},
                            {"SumPz", &TStabilityData::SumPz, 16.08},
                            {"Ex", &TStabilityData::Ex, 0},
                            {"Ey", &TStabilityData::Ey, 0},
                            {"P1", &TStabilityData::P1, 0.335},
                            {"P2", &TStabilityData::P2, 0.335},
                            {"P3", &TStabilityData::P3, 0.335},
                            {"P4", &TStabilityData::P4, 0.335},
                            {"BrgLx", &TStabilityData::BrgLx, 8},
                            {"BrgLy", &TStabilityData::BrgLy, 6},
                            {"BearingAreaPct", &TStabilityData::BearingAreaPct, 100},
                            {"QGross", &TStabilityData::QGross, 0.335},
                            {"QNet", &TStabilityData::QNet, 0.06},
                            {"FSOverturningX", &TStabilityData::FSOverturningX, kNA},
                            {"FSOverturningY", &TStabilityData::FSOverturningY, kNA},
                            {"FSSlidingX", &TStabilityData::FSSlidingX, kNA},
                            {"FSSlidingY", &TStabilityData::FSSlidingY, kNA},
                            {"FSUplift", &TStabilityData::FSUplift, kNA},
                            {"DistX", &TStabilityData::DistX, kNA},
                            {"DistY", &TStabilityData::DistY, kNA}});
    EXPECT_EQ(r.Stability.BiaxialCase, 0);
}

TEST(StabilityAnalysis, CentredPedestalWithWindAlongX)
{
    TPMData r = ExampleFooting();
    r.Stability.Kp = 3;
    r.Stability.SlidingFriction = 0.4L;
    AddCentredPedestal(r).HxW = 5;
    r.StabilityAnalysis();
    const TPedestal& p = r.Stability.Pedestals[0];
    // Weight = 2.25 x (0.04 x 1 + 1 x 0.15) = 0.4275; Fz = 100.4275; SumPz = 116.5075;
    // SumMy = (2 + 1.5) x 5 = 17.5; Ex = 17.5 / 116.5075 = 0.1502 -> 0.15.
    ExpectClose(p.Weight, 0.4275, 1e-12, "Weight");
    ExpectClose(p.Fz, 100.4275, 1e-12, "Fz");
    ExpectClose(p.MyWind, 17.5, 1e-12, "MyWind");
    // N = 116.5075 / 48 = 2.4272396; one-way x: qmax = (6 x 0.15 / 8 + 1) N, qmin = (1 - 0.1125) N.
    // Overturning about y (Ex >= 0): 100.4275 x 4 + 16.08 x 4 = 466.03 against 17.5.
    // Sliding x: Pass = (3 x 0.11 x 2.5 + 3 x 0.11 x 1) x 1.5 / 2 x 6 = 5.1975, Frict = 116.5075 x 0.4,
    // both negative for a wind along +x; FS = (5.1975 + 46.603) / 5.
    ExpectAll(r.Stability, {{"SumPz", &TStabilityData::SumPz, 116.5075},
                            {"SumMy", &TStabilityData::SumMy, 17.5},
                            {"Ex", &TStabilityData::Ex, 0.15},
                            {"Ey", &TStabilityData::Ey, 0},
                            {"P1", &TStabilityData::P1, 2.7003040},
                            {"P2", &TStabilityData::P2, 2.7003040},
                            {"P3", &TStabilityData::P3, 2.1541751},
                            {"P4", &TStabilityData::P4, 2.1541751},
                            {"QGross", &TStabilityData::QGross, 2.7003040},
                            {"QNet", &TStabilityData::QNet, 2.4253040},
                            {"SumMrx", &TStabilityData::SumMrx, 349.5225},
                            {"SumMox", &TStabilityData::SumMox, 0},
                            {"FSOverturningX", &TStabilityData::FSOverturningX, kNA},
                            {"SumMry", &TStabilityData::SumMry, 466.03},
                            {"SumMoy", &TStabilityData::SumMoy, 17.5},
                            {"FSOverturningY", &TStabilityData::FSOverturningY, 26.6302857},
                            {"PassX", &TStabilityData::PassX, -5.1975},
                            {"FrictX", &TStabilityData::FrictX, -46.603},
                            {"FSSlidingX", &TStabilityData::FSSlidingX, 10.3601},
                            {"PassY", &TStabilityData::PassY, -6.93},
                            {"FrictY", &TStabilityData::FrictY, -46.603},
                            {"FSSlidingY", &TStabilityData::FSSlidingY, kNA},
                            {"SumPzDown", &TStabilityData::SumPzDown, 116.5075},
                            {"FSUplift", &TStabilityData::FSUplift, kNA},
                            {"BrgLx", &TStabilityData::BrgLx, 8},
                            {"BrgLy", &TStabilityData::BrgLy, 6},
                            {"BearingAreaPct", &TStabilityData::BearingAreaPct, 100}});
    ExpectClose(r.Stability.PressureX.QMaxOrX, 2.7003040, 5e-7, "PressureX qmax");
    ExpectClose(r.Stability.PressureX.QMinOrY, 2.1541751, 5e-7, "PressureX qmin");
    EXPECT_TRUE(IsNaN(r.Stability.PressureUniform.P1));
}

TEST(StabilityAnalysis, BiaxialFullContact)
{
    TPMData r = ExampleFooting();
    TPedestal& p = AddCentredPedestal(r);
    p.MyD = 15;
    p.MxD = -10;
    r.StabilityAnalysis();
    // Ex = 15 / 116.5075 = 0.1287 -> 0.13; Ey = 10 / 116.5075 = 0.0858 -> 0.09;
    // kern sum 6 x 0.09 / 6 + 6 x 0.13 / 8 = 0.1875; N = 2.42723958.
    ExpectAll(r.Stability, {{"Ex", &TStabilityData::Ex, 0.13},
                            {"Ey", &TStabilityData::Ey, 0.09},
                            {"P1", &TStabilityData::P1, 2.42723958 * 1.0075},
                            {"P2", &TStabilityData::P2, 2.42723958 * 1.1875},
                            {"P3", &TStabilityData::P3, 2.42723958 * 0.9925},
                            {"P4", &TStabilityData::P4, 2.42723958 * 0.8125},
                            {"QGross", &TStabilityData::QGross, 2.42723958 * 1.1875},
                            {"BearingAreaPct", &TStabilityData::BearingAreaPct, 100},
                            // Resisting about x with Ey >= 0: 100.4275 x 3 - (-10) + 16.08 x 3.
                            {"SumMrx", &TStabilityData::SumMrx, 359.5225}});
    ExpectClose(r.Stability.PressureBiaxial.KernSum, 0.1875, 1e-12, "kern sum");
    ExpectClose(r.Stability.PressurePartial.KernSum, 0.1875, 1e-12, "kern sum, partial block");
    EXPECT_EQ(r.Stability.BiaxialCase, 0);
}

// A footing with binary-exact weights: 8 x 4 x 1 ft, 0.125 kcf concrete and soil, 1 ft cover,
// 8 kips; a weightless centred pedestal brings 56 kips, so SumPz = 64 and N = 2 ksf.
TEST(StabilityAnalysis, PressureCasesFollowTheRoundedEccentricities)
{
    struct Case {
        const char* Name;
        Real MyD, MxD;
        double Ex, Ey, P1, P2, P3, P4, Length1, Length2, AreaPct;
    };
    const Case cases[] = {
        // 8 / 64 = 0.125 -> 0.12 (half to even): (1 +- 6 x 0.12 / 8) x 2.
        {"half to even down", 8, 0, 0.12, 0, 2.18, 2.18, 1.82, 1.82, 8, 4, 100},
        // 24 / 64 = 0.375 -> 0.38: (1 +- 0.285) x 2.
        {"half to even up", 24, 0, 0.38, 0, 2.57, 2.57, 1.43, 1.43, 8, 4, 100},
        // 0.3 / 64 = 0.0047 -> 0: uniform.
        {"below 0.005", 0.3L, 0, 0, 0, 2, 2, 2, 2, 8, 4, 100},
        // Ex = -2 > L/6: triangle 2 x 64 / (2 x 3 x 4) = 5.333 over 3 x 2 = 6 ft, 6 x 4 / 32 = 75 %.
        {"triangular x", -128, 0, -2, 0, 0, 0, 16.0 / 3, 16.0 / 3, 6, 4, 75},
        // Ey = 32 / 64 = 0.5 <= B/6: (1 +- 6 x 0.5 / 4) x 2 = 3.5 and 0.5 on the +y side.
        {"one-way y", 0, -32, 0, 0.5, 0.5, 3.5, 3.5, 0.5, 8, 4, 100},
        // Ey = -1 > B/6: 2 x 64 / (1 x 3 x 8) = 5.333 over 3 x (2 - 1) = 3 ft, 8 x 3 / 32 = 75 %.
        {"triangular y", 0, 64, 0, -1, 16.0 / 3, 0, 0, 16.0 / 3, 8, 3, 75},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TPMData r = Footing(8, 4, 1, 1, 0.125L, 0.125L);
        TPedestal& p = r.Stability.Pedestals[r.Stability.PedestalCount++];
        p.PzD = -56;
        p.MyD = c.MyD;
        p.MxD = c.MxD;
        r.StabilityAnalysis();
        const TStabilityData& s = r.Stability;
        ExpectAll(s,
                  {{"SumPz", &TStabilityData::SumPz, 64},
                   {"Ex", &TStabilityData::Ex, c.Ex},
                   {"Ey", &TStabilityData::Ey, c.Ey},
                   {"P1", &TStabilityData::P1, c.P1},
                   {"P2", &TStabilityData::P2, c.P2},
                   {"P3", &TStabilityData::P3, c.P3},
                   {"P4", &TStabilityData::P4, c.P4},
                   {"BrgLx", &TStabilityData::BrgLx, c.Length1},
                   {"BrgLy", &TStabilityData::BrgLy, c.Length2},
                   {"BearingAreaPct", &TStabilityData::BearingAreaPct, c.AreaPct}},
                  1e-12);
    }
}

TEST(StabilityAnalysis, KernSumOfExactlyOneIsFullContact)
{
    // 6 x 6 x 1 ft at 0.125 kcf with 1 ft cover: 9 kips; 55 kips more gives 64; Ex = Ey = 32 / 64.
    TPMData r = Footing(6, 6, 1, 1, 0.125L, 0.125L);
    TPedestal& p = r.Stability.Pedestals[r.Stability.PedestalCount++];
    p.PzD = -55;
    p.MyD = 32;
    p.MxD = -32;
    r.StabilityAnalysis();
    const double n = 64.0 / 36;
    ExpectAll(r.Stability,
              {{"P1", &TStabilityData::P1, n},
               {"P2", &TStabilityData::P2, 2 * n},
               {"P3", &TStabilityData::P3, n},
               {"P4", &TStabilityData::P4, 0},
               {"BearingAreaPct", &TStabilityData::BearingAreaPct, 100}},
              1e-12);
    EXPECT_EQ(r.Stability.BiaxialCase, 0);
}

TEST(StabilityAnalysis, ResultantOutsideTheFootingHasNoPressureButKeepsItsFactors)
{
    // Ex = 256 / 64 = 4 = L/2 (one-way) and 320 / 64 = 5 (beyond); Ey = 2 = B/2 with Ex = 1.
    struct Case {
        Real MyD, MxD;
    };
    for (const Case& c : {Case{256, 0}, Case{320, 0}, Case{64, -128}, Case{-64, 160}}) {
        TPMData r = Footing(8, 4, 1, 1, 0.125L, 0.125L);
        TPedestal& p = r.Stability.Pedestals[r.Stability.PedestalCount++];
        p.PzD = -56;
        p.MyD = c.MyD;
        p.MxD = c.MxD;
        p.HxW = 1;
        ASSERT_NO_THROW(r.StabilityAnalysis());
        const TStabilityData& s = r.Stability;
        for (Real v :
             {s.P1, s.P2, s.P3, s.P4, s.BrgLx, s.BrgLy, s.BearingAreaPct, s.DistX, s.DistY, s.QGross, s.QNet})
            EXPECT_TRUE(IsNaN(v)) << static_cast<double>(c.MyD);
        EXPECT_FALSE(IsNaN(s.FSSlidingX));
        EXPECT_FALSE(IsNaN(s.FSOverturningY));
        EXPECT_EQ(s.BiaxialCase, 0);
    }
}

TEST(StabilityAnalysis, UpliftAndSurchargeSums)
{
    // Dead -100, live -30, wind +20 (upward), surcharge 0.5 ksf on 48 ft^2 = 24 kips:
    // SumPz = 16.08 + 24 + 0.4275 + 100 + 30 - 20 = 150.5075;
    // Sum(Pz(down)) = 150.5075 + 20 + (-30) - 24 = 116.5075; FS(uplift) = 116.5075 / 20.
    TPMData r = ExampleFooting();
    r.Stability.Surcharge = 0.5L;
    r.Stability.SlidingFriction = 0.5L;
    TPedestal& p = AddCentredPedestal(r);
    p.PzL = -30;
    p.PzW = 20;
    r.StabilityAnalysis();
    ExpectAll(r.Stability,
              {{"SurchargeLoad", &TStabilityData::SurchargeLoad, 24},
               {"SumPz", &TStabilityData::SumPz, 150.5075},
               {"SumPzDownLoads", &TStabilityData::SumPzDownLoads, -100},
               {"SumPzWindUp", &TStabilityData::SumPzWindUp, 20},
               {"SumPzDown", &TStabilityData::SumPzDown, 116.5075},
               {"SumPzUplift", &TStabilityData::SumPzUplift, 20},
               {"FSUplift", &TStabilityData::FSUplift, 5.825375},
               // Friction leaves the surcharge out: (150.5075 - 24) x 0.5, negative.
               {"FrictX", &TStabilityData::FrictX, -63.25375}},
              1e-9);
    EXPECT_EQ(r.Stability.Pedestals[0].PzWUp, 20);
    EXPECT_EQ(r.Stability.Pedestals[0].PzWDown, 0);
}

TEST(StabilityAnalysis, PedestalCountStaysWithinTheFourSlots)
{
    struct Case {
        std::int32_t Count;
        double SumPedestalFz;
    };
    for (Case c : {Case{-3, 0}, Case{0, 0}, Case{2, 20}, Case{4, 40}, Case{7, 40}}) {
        TPMData r = ExampleFooting();
        for (TPedestal& p : r.Stability.Pedestals)
            p.PzD = -10;
        r.Stability.PedestalCount = c.Count;
        r.StabilityAnalysis();
        ExpectClose(r.Stability.SumPedestalFz, c.SumPedestalFz, 1e-12, "SumPedestalFz");
    }
}

TEST(StabilityAnalysis, SumsAreRoundedToSixDecimals)
{
    // 56.0000004 kips of load: SumPedestalFz = 56.000000, so SumPz is exactly 64.
    TPMData r = Footing(8, 4, 1, 1, 0.125L, 0.125L);
    r.Stability.PedestalCount = 1;
    r.Stability.Pedestals[0].PzD = -56.0000004L;
    r.StabilityAnalysis();
    EXPECT_EQ(r.Stability.SumPz, 64);
}

TEST(StabilityAnalysis, NoFootingPlanKeepsThePreviousResults)
{
    TPMData r = ExampleFooting();
    r.StabilityAnalysis();
    r.Stability.StabB = 0;
    AddCentredPedestal(r);
    r.StabilityAnalysis();
    EXPECT_NEAR(static_cast<double>(r.Stability.SumPz), 16.08, 1e-12);
    EXPECT_NEAR(static_cast<double>(r.Stability.P1), 0.335, 1e-12);
}
