#include <gtest/gtest.h>

#include <limits>

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
    // tw = 2/3 ft, tf = 1 ft, hp = 4 - 1 - 1 = 2 ft, D = 1 + 1 + 0 = 2 ft.
    // StabWeight = 0.9 (3*1*150 + 500 + 800 + 0 + (2/3)*6*150 + (3 - 2/3)*120*(1 + 4)/2)
    //            = 0.9 (450 + 1300 + 600 + 700) = 2745 plf; StabMoment = 2745 * 1.5 = 4117.5.
    // Resisting = tan 30 * 2745 + 250 * (2 + 1)/2 * (2 - 1) = 1584.826 + 375 = 1959.826 plf.
    // Soil drive 1.6 * 35 * 2^2 / 2 = 112 plf.
    // 1: Driving = 112 + WF (135.146804) = 247.1468; OT = (3.75 + 1) * 135.146804 = 641.9473.
    // 2: Fp = 0.2 * 150 * 6 * 2/3 = 120: Driving = 232; OT = (3 + 1) * 120 = 480.
    // 3: Vdl = WF, Vht = 3.75: Driving = 112 + 1.2 WF = 274.1762; OT = 1.2 WF * 4.75 = 770.3368.
    struct Case {
        Real driving, sliding, ot, otSafety, e;
    };
    const Case cases[] = {
        {247.146804L, 7.92980713L, 641.947319L, 6.41407773L, 0.233860590L},
        {232.0L, 8.44752797L, 480.0L, 8.578125L, 0.174863388L},
        {274.1761648L, 7.14805567L, 770.3367828L, 5.34506477L, 0.280632708L},
    };
    RunLoadCases(r);
    for (int j = 0; j < 3; ++j) {
        const TLoadCase& lc = r.Continuous.LoadCases[j];
        SCOPED_TRACE(j);
        EXPECT_TRUE(NearRelative(lc.StabWeight, 2745, 1e-15L));
        EXPECT_TRUE(NearRelative(lc.StabMoment, 4117.5L, 1e-15L));
        EXPECT_TRUE(NearRelative(lc.Resisting, 1959.82648893L, 1e-10L));
        EXPECT_TRUE(NearRelative(lc.Driving, cases[j].driving, 1e-12L));
        EXPECT_TRUE(NearRelative(lc.SlidingRatio, cases[j].sliding, 1e-8L));
        EXPECT_TRUE(NearRelative(lc.OTMoment, cases[j].ot, 1e-12L));
        EXPECT_TRUE(NearRelative(lc.OTSafety, cases[j].otSafety, 1e-8L));
        EXPECT_TRUE(NearRelative(lc.Eccentricity, cases[j].e, 1e-8L));
        EXPECT_TRUE(SlidingCheckPasses(r, j));
        EXPECT_TRUE(OverturningCheckPasses(r, j));
        EXPECT_TRUE(EccentricityCheckPasses(r, j));  // e < W/6 = 0.5
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
    // W = 2 ft, P = 1000 plf, allowable 2 ksf = 2000 psf. P/W = 500.
    struct Case {
        Real m, heel, toe;
        bool toePasses;
    };
    const Real inf = std::numeric_limits<Real>::infinity();
    const Case cases[] = {
        {100, 350, 650, true},           // 6M/W^2 = 150: 500 -/+ 150
        {1000.0L / 3, 0, 1000, true},    // e = W/6: heel exactly 0, toe 2P/W by either formula
        {500, 0, 4000.0L / 3, true},     // e = 0.5: 2 * 1000 / (3 * (1 - 0.5))
        {1000, 0, inf, false},           // e = W/2: no contact length left
        {1500, 0, -4000.0L / 3, false},  // e = 1.5: resultant beyond the toe
    };
    r.Continuous.W = 2;
    for (const Case& c : cases) {
        for (TLoadCase& lc : r.Continuous.LoadCases) {
            lc.StabWeight = 1000;
            lc.OTMoment = c.m;
            lc.Eccentricity = c.m / 1000;
        }
        ContinuousBearingPressures(r);
        const TLoadCase& lc = r.Continuous.LoadCases[lcSeismic];
        SCOPED_TRACE(static_cast<double>(c.m));
        EXPECT_TRUE(NearRelative(lc.HeelPressure, c.heel, 1e-15L));
        EXPECT_TRUE(NearRelative(lc.ToePressure, c.toe, 1e-15L));
        EXPECT_EQ(ToePressureCheckPasses(r, lcSeismic), c.toePasses);
        EXPECT_TRUE(HeelPressureCheckPasses(r, lcSeismic));
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
        {0, 2, 1999, true},   {0, 2, 2000, false},   {1, 150, 149.9L, true},
        {1, 150, 150, false}, {1, 150, NaN(), true},
    };
    for (const Case& c : cases) {
        r.Units = c.units;
        r.Continuous.QAll = c.qall;
        r.Continuous.LoadCases[lcGeneral].HeelPressure = c.pressure;
        EXPECT_EQ(HeelPressureCheckPasses(r, lcGeneral), c.passes) << double(c.pressure);
    }
}
