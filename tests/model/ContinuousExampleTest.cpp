// The shipped English example's continuous footing against a hand calculation, and the minimum
// wall reinforcement verdicts.
#include <gtest/gtest.h>

#include "ContinuousTestRecord.h"
#include "design/ContinuousChecks.h"
#include "design/StemWallDesign.h"

namespace {

// The continuous inputs of resources/examples/example-english.json.
TPMData EnglishExample()
{
    TPMData r = ContinuousTestRecord();
    TContinuousData& cd = r.Continuous;
    cd.Pa = 40;
    cd.Pp = 300;
    cd.QAll = 3;
    for (TLoadCase& lc : cd.LoadCases) {
        lc.Pll = 500;
        lc.Pdl = 1000;
    }
    cd.Footing.StCover = 2;
    return r;
}

}  // namespace

TEST_F(ContinuousDesignTest, EnglishExampleMatchesTheHandCalculation)
{
    // Inputs: f'c 3 ksi, Fy 60 ksi, gc 150 pcf, H 6 ft, tw 8 in, W 3 ft, tf 12 in, GrH 4, GrL 1,
    // K 0, gamma 120, Pa 40, Pp 300, ign 1 ft, phi 30 deg, c 0; Pll 500, Pdl 1000 plf, no moments
    // or user lateral loads; V 115 mph, Kz 0.85, Kzt 1.0, Cf 1.3; Sds 0.5; #5 at 1 ft (one layer,
    // and bottom bars with 3 in cover).
    // Derived: qz = 0.00256 * 115^2 * 0.85 * 0.85 = 24.46096 psf, WF = qz * 0.85 * 1.3 * 5
    // = 135.146804 plf at WFht = 3.75 ft; Fp = max(0.4 * 0.5, 0.1) * 150 * 6 * 8/12 = 120 plf at 3 ft.
    // Heights: hs = 3, ha = 4 + 1 = 5, D = 1 + 1 + 0 = 2 ft.
    // Dw = 3*1*150 + 1000 + 0 + (8/12)*6*150 + (3 - 8/12)*120*(1 + 4)/2 = 450 + 1000 + 600 + 700 = 2750.
    // StabWeight: 0.9 * 2750 = 2475 (1, 3); (0.9 - 0.2*0.5) * 2750 = 2200 (2).
    // Resisting = tan 30 * StabWeight + 300 (2^2 - 1^2) / 2 = 1428.9419 + 450 = 1878.9419 (1, 3);
    //   1270.1706 + 450 = 1720.1706 (2).
    // Soil: 1.6 * 40 * 5^2 / 2 = 800 drive, 1.6 * 40 * 5^3 / 6 = 1333.3333 overturning.
    // Driving: 800 + WF = 935.1468; 800 + 120 = 920; 800 + 1.2 WF = 962.1762.
    // SlidingRatio: 1878.9419 / 935.1468 = 2.00925; 1720.1706 / 920 = 1.86975; 1878.9419 / 962.1762
    // = 1.95280. OTMoment: 1333.3333 + WF (3.75 + 1) = 1975.2807; 1333.3333 + 120 (3 + 1) = 1813.3333;
    //   1333.3333 + 1.2 WF (3.75 + 1) = 2103.6701.
    // (Written to 10 digits below.)
    // OTSafety = 1.5 StabWeight / OTMoment: 3712.5 / 1975.2807 = 1.8795; 3300 / 1813.3333 = 1.8199;
    //   3712.5 / 2103.6701 = 1.7648.
    // Service: Ps = 2750 + 500 = 3250 (1, 3), 1.07 * 2750 + 500 = 3442.5 (2);
    //   Ms = 40 * 125 / 6 = 833.3333 plus 0.6 WF * 4.75 = 385.1684 -> 1218.5017 (1),
    //   0.7 * 120 * 4 = 336 -> 1169.3333 (2), WF * 4.75 = 641.9473 -> 1475.2807 (3).
    //   e = Ms / Ps = 0.37492, 0.33967, 0.45393 (all < W/6 = 0.5, trapezoidal):
    //   toe/heel = Ps/3 +/- 6 Ms / 9: 1083.3333 +/- 812.3345 = 1895.668 / 270.999;
    //   1147.5 +/- 779.5556 = 1927.056 / 367.944; 1083.3333 +/- 983.5205 = 2066.854 / 99.813.
    // Stem: soil moment 1.6 * 40 * 3^3 / 6 = 288, shear 1.6 * 40 * 3^2 / 2 = 288.
    //   Mu = 288 + qz 0.85 * 1.3 * 36 / 2 = 288 + 486.5285 = 774.5285; 288 + 120 * 3 = 648;
    //   288 + 1.2 WF * 3.75 = 896.1606. Vu = 288 + WF = 423.1468; 288 + 120 = 408; 288 + 1.2 WF = 450.1762.
    // PhiVn: d = 4 in, rho w = 0.31 / 48, lambda s = 1, 0.75 * 8 * 0.186175 * sqrt(3000) * 48 = 2937.604.
    // PhiMnFoot: d = 12 - 3 - 0.3125 = 8.6875, 0.9 * 0.31 * 60 * (8.6875 - 18.6 / 61.2) * 1000 / 12 =
    // 11695.09. MuFoot = 1.6 * 2066.8538 * 1.5^2 / 2 = 3720.3368. PhiPnTension = -0.9 * 0.31 * 60 * 1000 =
    // -16740. Every value agrees with the table of the issue that introduced this method.
    struct Case {
        Real stabWeight, driving, sliding, ot, otSafety, e, toe, heel, mu, vu;
    };
    const Case cases[] = {
        {2475, 935.146804L, 2.009248075L, 1975.280652L, 1.879479757L, 0.3749236076L, 1895.667816L,
         270.9988502L, 774.5284944L, 423.146804L},
        {2200, 920, 1.869750644L, 1813.333333L, 1.819852941L, 0.3396756233L, 1927.055556L, 367.9444444L, 648,
         408},
        {2475, 962.1761648L, 1.952804471L, 2103.670116L, 1.764772895L, 0.4539325084L, 2066.853768L,
         99.81289844L, 896.160618L, 450.1761648L},
    };
    // The table as printed: SlidingRatio, OTSafety, Eccentricity, ToePressure, HeelPressure.
    const Real kPrinted[3][5] = {{2.009L, 1.879L, 0.3749L, 1895.7L, 271.0L},
                                 {1.870L, 1.820L, 0.3397L, 1927.1L, 367.9L},
                                 {1.953L, 1.765L, 0.4539L, 2066.9L, 99.8L}};
    r = EnglishExample();
    r.ContinuousFootingDesign();
    const TContinuousData& cd = r.Continuous;
    for (int j = 0; j < 3; ++j) {
        const TLoadCase& lc = cd.LoadCases[j];
        const Case& c = cases[j];
        SCOPED_TRACE(j);
        EXPECT_TRUE(NearRelative(lc.StabWeight, c.stabWeight, 1e-15L));
        EXPECT_TRUE(NearRelative(lc.Driving, c.driving, 1e-8L));
        EXPECT_TRUE(NearRelative(lc.SlidingRatio, c.sliding, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.OTMoment, c.ot, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.OTSafety, c.otSafety, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.Eccentricity, c.e, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.ToePressure, c.toe, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.HeelPressure, c.heel, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.Mu, c.mu, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.Vu, c.vu, 1e-8L));
        EXPECT_TRUE(MatchesPrinted(lc.SlidingRatio, kPrinted[j][0], 3));
        EXPECT_TRUE(MatchesPrinted(lc.OTSafety, kPrinted[j][1], 3));
        EXPECT_TRUE(MatchesPrinted(lc.Eccentricity, kPrinted[j][2], 4));
        EXPECT_TRUE(MatchesPrinted(lc.ToePressure, kPrinted[j][3], 1));
        EXPECT_TRUE(MatchesPrinted(lc.HeelPressure, kPrinted[j][4], 1));
        EXPECT_TRUE(SlidingCheckPasses(r, j));
        EXPECT_TRUE(OverturningCheckPasses(r, j));
        EXPECT_TRUE(EccentricityCheckPasses(r, j));
        EXPECT_TRUE(ToePressureCheckPasses(r, j));  // below 3000 psf
    }
    EXPECT_TRUE(NearRelative(cd.StemWall.PhiVn, 2937.604111L, 1e-9L));
    EXPECT_TRUE(NearRelative(cd.Footing.PhiMnFoot, 11695.09191L, 1e-9L));
    EXPECT_TRUE(NearRelative(cd.Footing.MuFoot, 3720.336783L, 1e-9L));
    EXPECT_TRUE(MatchesPrinted(cd.StemWall.PhiVn, 2937.6L, 1));
    EXPECT_TRUE(MatchesPrinted(cd.Footing.MuFoot, 3720.3L, 1));
    EXPECT_TRUE(NearRelative(cd.StemWall.PhiPnTension, -16740, 1e-12L));
    EXPECT_TRUE(FootingMomentCheckPasses(r));
}

TEST_F(ContinuousDesignTest, RaisingTheRetainedGradeLowersTheSafety)
{
    // The English example with GrH = 6 ft: ha = 7, soil overturning 1.6 * 40 * 7^3 / 6 = 3658.6667
    // and the stabilising weight grows by (3 - 2/3) * 120 * 2 / 2 = 280 to Dw = 3030:
    // combination 3: OTMoment = 3658.6667 + 770.3368 = 4429.0035, OTSafety = 0.9 * 3030 * 1.5
    // / 4429.0035 = 0.9236 < 1 (the terms that left the soil out gave 0.9 * 3530 * 1.5 / 770.3368 = 6.19).
    r = EnglishExample();
    r.Continuous.GrH = 6;
    r.ContinuousFootingDesign();
    const TLoadCase& lc = r.Continuous.LoadCases[lcGeneral];
    EXPECT_TRUE(NearRelative(lc.OTSafety, 4090.5L / 4429.003449L, 1e-9L));
    EXPECT_FALSE(OverturningCheckPasses(r, lcGeneral));
}

TEST_F(ContinuousDesignTest, MinimumWallReinforcementFollowsBarSizeAndGrade)
{
    // ACI 318-19 Table 11.6.1: bars <= #5 (16 mm) with Fy >= 60 ksi (420 MPa): 0.12 % vertical,
    // 0.20 % horizontal; otherwise 0.15 % and 0.25 %.
    // Tw = 8 in: RhoVert = 100 Ab / (s * 96), RhoHor = 200 Ab / (s * 96).
    struct Case {
        const char* name;
        std::uint8_t units;
        int family, vertBar, horBar;
        Real fy, vertSpacing, horSpacing, tw;
        Real minVert, minHor;
        bool vertPasses, horPasses;
    };
    const Case cases[] = {
        // #5 at 2 ft: 0.31 / 1.92 = 0.1615 % >= 0.12; #4 at 2 ft: 0.40 / 1.92 = 0.2083 % >= 0.20.
        {"#5 and #4, Grade 60", 0, rfUS, 5, 4, 60, 2, 2, 8, 0.12L, 0.20L, true, true},
        // Grade 40: the larger minimums 0.15 % and 0.25 %; 0.1615 passes, 0.2083 fails.
        {"Grade 40", 0, rfUS, 5, 4, 40, 2, 2, 8, 0.15L, 0.25L, true, false},
        // #6 (0.44 in^2, 0.75 in) at 3 ft: 0.44 / 2.88 = 0.1528 % vertical, larger bar: 0.15 %;
        // #4 at 2.5 ft: 0.40 / 2.4 = 0.1667 % < 0.20 horizontal.
        {"#6 vertical", 0, rfUS, 6, 4, 60, 3, 2.5L, 8, 0.15L, 0.20L, true, false},
        // #5 at 3 ft: 0.31 / 2.88 = 0.1076 % < 0.12.
        {"too sparse", 0, rfUS, 5, 5, 60, 3, 1, 8, 0.12L, 0.20L, false, true},
        // SI, European 16 mm (201 mm^2) at 0.6 m in 200 mm: 100 * 335 / 200000 = 0.1675 %;
        // 20 mm horizontal (314 mm^2) at 0.6 m: 200 * 523.3 / 200000 = 0.5233 %, larger bar: 0.25 %.
        {"SI 16 and 20 mm", 1, rfEuropean, 16, 20, 420, 0.6L, 0.6L, 200, 0.12L, 0.25L, true, true},
        // SI below 420 MPa: 0.15 %.
        {"SI 400 MPa", 1, rfEuropean, 16, 20, 400, 0.6L, 0.6L, 200, 0.15L, 0.25L, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPMData rec = ContinuousTestRecord();
        rec.Units = c.units;
        rec.Square.RebarFamily = c.family;
        SelectRebarTable(rec);
        TContinuousData& cd = rec.Continuous;
        cd.Fy = c.fy;
        cd.Tw = c.tw;
        cd.StemWall.VertBarSize = c.vertBar;
        cd.StemWall.HorBarSize = c.horBar;
        cd.StemWall.VertSpacing = c.vertSpacing;
        cd.StemWall.HorSpacing = c.horSpacing;
        StemVerticalSteel(rec);
        StemHorizontalSteel(rec);
        EXPECT_EQ(MinimumVerticalRatio(rec), c.minVert);
        EXPECT_EQ(MinimumHorizontalRatio(rec), c.minHor);
        EXPECT_EQ(VerticalReinforcementCheckPasses(rec), c.vertPasses) << double(cd.StemWall.RhoVert);
        EXPECT_EQ(HorizontalReinforcementCheckPasses(rec), c.horPasses) << double(cd.StemWall.RhoHor);
    }
    // An undefined ratio fails.
    r.Continuous.StemWall.RhoVert = NaN();
    EXPECT_FALSE(VerticalReinforcementCheckPasses(r));
}
