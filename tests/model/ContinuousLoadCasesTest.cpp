#include <gtest/gtest.h>

#include <array>

#include "ContinuousTestRecord.h"
#include "design/ContinuousChecks.h"
#include "design/ContinuousLoadCases.h"

namespace {

void RunLoadCases(TPMData& r)
{
    ContinuousDerivedLoads(r);
    ContinuousStabilityChecks(r);
}

}  // namespace

TEST_F(ContinuousDesignTest, WindOfTheExampleWallPrintsItsDigits)
{
    // V = 115 mph, Kz = 0.85, Kzt = 1.0, Cf = 1.3, H = 6 ft, GrL = 1 ft:
    // qz = 0.00256 * 115^2 * 0.85 * 1.0 * 0.85 = 24.46 psf, WF = 135.1 plf, WFht = 3.75 ft.
    ContinuousDerivedLoads(r);
    const TLoadCase& wind = r.Continuous.LoadCases[lcWind];
    EXPECT_TRUE(MatchesPrinted(wind.Qz, 24.46L, 2));
    EXPECT_TRUE(MatchesPrinted(wind.WF, 135.1L, 1));
    EXPECT_TRUE(MatchesPrinted(wind.WFht, 3.75L, 2));
    EXPECT_TRUE(NearRelative(r.Continuous.TwLen, 8.0L / 12, 1e-18L));
    EXPECT_TRUE(NearRelative(r.Continuous.TfLen, 1, 1e-18L));
}

TEST_F(ContinuousDesignTest, SeismicCoefficientHasItsFloor)
{
    // Fp = X * gc * H * tw = X * 150 * 6 * (8/12) = 600 X, X = max(0.4 Sds, 0.1); Sht = H / 2.
    struct Case {
        Real sds, fp;
    };
    for (Case c : {Case{0.2L, 60}, {0.5L, 120}, {0, 60}, {1.0L, 240}}) {
        r.Continuous.LoadCases[lcSeismic].Sds = c.sds;
        ContinuousDerivedLoads(r);
        EXPECT_TRUE(NearRelative(r.Continuous.LoadCases[lcSeismic].Fp, c.fp, 1e-15L))
            << "Sds " << double(c.sds);
        EXPECT_EQ(r.Continuous.LoadCases[lcSeismic].Sht, 3);
    }
}

TEST_F(ContinuousDesignTest, GeneralCombinationFollowsTheWindOfCombinationOne)
{
    // WF = 0.00256 V^2 * 0.85 * 1.0 * 0.85 * 0.85 * 1.3 * (6 - 1): 135.15 at 115 mph,
    // 0.00256 * 8100 * 0.7225 * 5.525 = 82.77 at 90 mph; the height stays 1 + 0.55 * 5 = 3.75 ft.
    struct Case {
        Real v, wf;
    };
    for (Case c : {Case{115, 135.15L}, {90, 82.77L}, {0, 0}}) {
        r.Continuous.LoadCases[lcWind].V = c.v;
        ContinuousDerivedLoads(r);
        const TLoadCase& general = r.Continuous.LoadCases[lcGeneral];
        EXPECT_TRUE(MatchesPrinted(general.Vdl, c.wf, 2)) << double(c.v);
        EXPECT_TRUE(MatchesPrinted(general.Vht, 3.75L, 2));
    }
}

TEST_F(ContinuousDesignTest, SlidingAndOverturningOfEachCombination)
{
    // tw = 2/3 ft, tf = 1 ft, ha = GrH + tf = 5 ft, D = GrL + tf + K = 2 ft, ign = 1 ft.
    // Dw = 3*1*150 + 800 + 0 + (2/3)*6*150 + (3 - 2/3)*120*(1 + 4)/2 = 450 + 800 + 600 + 700 = 2550 plf
    // (no live load). StabWeight = 0.9 Dw = 2295 (1, 3) and (0.9 - 0.2*0.5) Dw = 2040 (2);
    // StabMoment = 1.5 StabWeight = 3442.5, 3060.
    // Resisting = tan 30 * StabWeight + 250 (2^2 - 1^2)/2 = 1325.018868 + 375 = 1700.018868 (1, 3);
    //   1177.794549 + 375 = 1552.794549 (2).
    // Soil: drive 1.6 * 35 * 5^2 / 2 = 700 plf; overturning 1.6 * 35 * 5^3 / 6 = 1166.666667.
    // 1: Driving = 700 + WF (135.146804) = 835.146804; OT = 1166.666667 + (3.75 + 1) * WF = 1808.613986.
    // 2: Fp = 0.2 * 150 * 6 * 2/3 = 120: Driving = 820; OT = 1166.666667 + (3 + 1) * 120 = 1646.666667.
    // 3: Vdl = WF, Vht = 3.75: Driving = 700 + 1.2 WF = 862.1761648; OT = 1166.666667 + 1.2 WF * 4.75
    //    = 1937.003449.
    // Service eccentricity e = Ms / Ps with Ms = 35 * 5^3 / 6 = 729.166667 plus
    //   1: 0.6 WF * 4.75 = 385.168391 -> 1114.335058, Ps = 2550 + 500 = 3050, e = 0.3653557567;
    //   2: 0.7 * 120 * 4 = 336 -> 1065.166667, Ps = 1.07 * 2550 + 500 = 3228.5, e = 0.3299261783;
    //   3: WF * 4.75 = 641.947319 -> 1371.113986, Ps = 3050, e = 0.4495455691.
    struct Case {
        Real stabWeight, resisting, driving, sliding, ot, otSafety, e;
    };
    const Case cases[] = {
        {2295, 1700.018868L, 835.146804L, 2.035592856L, 1808.613986L, 1.903391231L, 0.3653557567L},
        {2040, 1552.794549L, 820.0L, 1.893651889L, 1646.666667L, 1.858299595L, 0.3299261783L},
        {2295, 1700.018868L, 862.1761648L, 1.971776694L, 1937.003449L, 1.777229669L, 0.4495455691L},
    };
    RunLoadCases(r);
    for (int j = 0; j < 3; ++j) {
        const TLoadCase& lc = r.Continuous.LoadCases[j];
        SCOPED_TRACE(j);
        EXPECT_TRUE(NearRelative(lc.StabWeight, cases[j].stabWeight, 1e-15L));
        EXPECT_TRUE(NearRelative(lc.StabMoment, 1.5L * cases[j].stabWeight, 1e-15L));
        EXPECT_TRUE(NearRelative(lc.Resisting, cases[j].resisting, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.Driving, cases[j].driving, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.SlidingRatio, cases[j].sliding, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.OTMoment, cases[j].ot, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.OTSafety, cases[j].otSafety, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.Eccentricity, cases[j].e, 1e-9L));
        EXPECT_TRUE(SlidingCheckPasses(r, j));
        EXPECT_TRUE(OverturningCheckPasses(r, j));
        EXPECT_TRUE(EccentricityCheckPasses(r, j));  // e < W/6 = 0.5
    }
}

TEST_F(ContinuousDesignTest, LiveLoadDoesNotHoldTheWallUp)
{
    // Doubling the live load leaves the factored stability alone and raises only the service
    // axial load: Ps = 2550 + 1000 = 3550, e = 1114.335058 / 3550 = 0.3138971994 (combination 1).
    RunLoadCases(r);
    const TLoadCase before = r.Continuous.LoadCases[lcWind];
    for (TLoadCase& lc : r.Continuous.LoadCases)
        lc.Pll = 1000;
    RunLoadCases(r);
    const TLoadCase& lc = r.Continuous.LoadCases[lcWind];
    EXPECT_EQ(lc.StabWeight, before.StabWeight);
    EXPECT_EQ(lc.SlidingRatio, before.SlidingRatio);
    EXPECT_EQ(lc.OTSafety, before.OTSafety);
    EXPECT_TRUE(NearRelative(lc.Eccentricity, 0.3138971994L, 1e-9L));
}

TEST_F(ContinuousDesignTest, PassiveResistanceIsNeverNegative)
{
    // D = GrL + tf + K = 2 ft. The passive term Pp (D^2 - min(ign, D)^2) / 2 with Pp = 250:
    // ign = 0: 500; ign = 1: 375; ign = 2 = D: 0; ign = 5 > D: 0, not 250 (4 - 25) / 2 = -2625.
    // The friction term stays tan 30 * 2295 = 1325.018868 (combination 1).
    struct Case {
        Real ign, passive;
    };
    for (Case c : {Case{0, 500}, {1, 375}, {2, 0}, {5, 0}}) {
        r.Continuous.Ign = c.ign;
        RunLoadCases(r);
        EXPECT_TRUE(NearRelative(r.Continuous.LoadCases[lcWind].Resisting, 1325.018868L + c.passive, 1e-9L))
            << double(c.ign);
    }
    // The ignored depth no longer reduces the active push: the driving force stays 835.146804.
    EXPECT_TRUE(NearRelative(r.Continuous.LoadCases[lcWind].Driving, 835.146804L, 1e-9L));
}

TEST_F(ContinuousDesignTest, TopMomentsOverturnTheWall)
{
    // Mdl = 100, Mll = 50 in every combination add 1.2*100 + 50 = 170 (1, 2) and
    // 1.2*100 + 1.6*50 = 200 (3) to the overturning moment, and 150 to the service moment.
    RunLoadCases(r);
    std::array<Real, 3> ot{}, e{};
    for (int j = 0; j < 3; ++j) {
        ot[j] = r.Continuous.LoadCases[j].OTMoment;
        e[j] = r.Continuous.LoadCases[j].Eccentricity;
    }
    for (TLoadCase& lc : r.Continuous.LoadCases) {
        lc.Mdl = 100;
        lc.Mll = 50;
    }
    RunLoadCases(r);
    const Real added[] = {170, 170, 200};
    const Real ps[] = {3050, 3228.5L, 3050};
    for (int j = 0; j < 3; ++j) {
        EXPECT_TRUE(NearRelative(r.Continuous.LoadCases[j].OTMoment, ot[j] + added[j], 1e-15L)) << j;
        EXPECT_TRUE(NearRelative(r.Continuous.LoadCases[j].Eccentricity, e[j] + 150 / ps[j], 1e-15L)) << j;
    }
}

TEST_F(ContinuousDesignTest, ZeroDivisorsGiveUndefinedRatiosThatFailTheirChecks)
{
    // No wind and no active pressure: combinations 1 and 3 have no driving force and no
    // overturning moment; combination 2 keeps its seismic floor.
    r.Continuous.LoadCases[lcWind].V = 0;
    r.Continuous.Pa = 0;
    RunLoadCases(r);
    for (int j : {lcWind, lcGeneral}) {
        const TLoadCase& lc = r.Continuous.LoadCases[j];
        EXPECT_TRUE(IsNaN(lc.SlidingRatio));
        EXPECT_TRUE(IsNaN(lc.OTSafety));
        EXPECT_EQ(lc.Eccentricity, 0);
        EXPECT_FALSE(SlidingCheckPasses(r, j));
        EXPECT_FALSE(OverturningCheckPasses(r, j));
        EXPECT_TRUE(EccentricityCheckPasses(r, j));
    }
    EXPECT_FALSE(IsNaN(r.Continuous.LoadCases[lcSeismic].SlidingRatio));

    // A weightless wall: the eccentricity is undefined and counts as 0.
    r.Continuous.Gc = r.Continuous.Gamma = 0;
    r.Continuous.LoadCases[lcWind].Pll = r.Continuous.LoadCases[lcWind].Pdl = 0;
    RunLoadCases(r);
    EXPECT_TRUE(IsNaN(r.Continuous.LoadCases[lcWind].Eccentricity));
}

TEST_F(ContinuousDesignTest, BearingPressuresTrapezoidalThenTriangular)
{
    // A weightless wall on W = 2 ft without soil or lateral loads: Ps = Pdl = 1000 plf and
    // Ms = Mdl in every combination (Sds = 0 gives Ps = 1.0 * Dw in combination 2, and Fp = 0).
    // Allowable 2 ksf = 2000 psf. P/W = 500.
    struct Case {
        Real m, heel, toe;
        bool toePasses;
    };
    const Case cases[] = {
        {100, 350, 650, true},         // 6M/W^2 = 150: 500 -/+ 150
        {1000.0L / 3, 0, 1000, true},  // e = W/6: heel exactly 0, toe 2P/W by either formula
        {500, 0, 4000.0L / 3, true},   // e = 0.5: 2 * 1000 / (3 * (1 - 0.5))
        {1000, 0, NaN(), false},       // e = W/2: no contact length left, undefined
        {1500, 0, NaN(), false},       // e = 1.5: resultant beyond the toe, undefined
    };
    TContinuousData& cd = r.Continuous;
    cd.W = 2;
    cd.Gc = cd.Gamma = cd.Pa = 0;
    cd.LoadCases[lcWind].V = 0;
    cd.LoadCases[lcSeismic].Sds = 0;
    for (const Case& c : cases) {
        for (TLoadCase& lc : cd.LoadCases) {
            lc.Pll = 0;
            lc.Pdl = 1000;
            lc.Mdl = c.m;
        }
        RunLoadCases(r);
        ContinuousBearingPressures(r);
        SCOPED_TRACE(static_cast<double>(c.m));
        for (int j = 0; j < 3; ++j) {
            const TLoadCase& lc = cd.LoadCases[j];
            EXPECT_TRUE(NearRelative(lc.HeelPressure, c.heel, 1e-15L));
            EXPECT_TRUE(NearRelative(lc.ToePressure, c.toe, 1e-15L));
            EXPECT_EQ(ToePressureCheckPasses(r, j), c.toePasses);
            EXPECT_TRUE(HeelPressureCheckPasses(r, j));
        }
    }
}

TEST_F(ContinuousDesignTest, KernCheckLooksAtBothSidesOfTheCentre)
{
    // W = 3 ft: W / 6 = 0.5 ft. A moment towards the heel gives a negative eccentricity.
    struct Case {
        Real e;
        bool passes;
    };
    for (Case c :
         {Case{0.49L, true}, {0.5L, false}, {-0.49L, true}, {-0.5L, false}, {-1.2L, false}, {NaN(), true}}) {
        r.Continuous.LoadCases[lcWind].Eccentricity = c.e;
        EXPECT_EQ(EccentricityCheckPasses(r, lcWind), c.passes) << double(c.e);
    }
}

TEST_F(ContinuousDesignTest, BearingCheckComparesWithTheAllowablePressureInItsUnit)
{
    struct Case {
        std::uint8_t units;
        Real qall, pressure;
        bool passes;
    };
    const Case cases[] = {
        {0, 2, 1999, true},   {0, 2, 2000, false},    {1, 150, 149.9L, true},
        {1, 150, 150, false}, {1, 150, NaN(), false},  // undefined: the resultant left the footing
        {0, 2, -1, false},                             // the edge lifting
    };
    for (const Case& c : cases) {
        r.Units = c.units;
        r.Continuous.QAll = c.qall;
        r.Continuous.LoadCases[lcGeneral].HeelPressure = c.pressure;
        EXPECT_EQ(HeelPressureCheckPasses(r, lcGeneral), c.passes) << double(c.pressure);
    }
}
