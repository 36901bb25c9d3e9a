#include <gtest/gtest.h>

#include "ContinuousTestRecord.h"
#include "design/ContinuousChecks.h"
#include "design/StemWallDesign.h"

TEST_F(ContinuousDesignTest, StemWallExamplePrintsItsDigits)
{
    // One #5 bar (0.31 in^2) every 1 ft in one layer, Tw = 8 in, f'c = 3 ksi:
    // AsVert = 0.31 in^2/ft, RhoVert = 0.3229 %, PhiVn = 0.75 * 2 * sqrt(3000) * 12 * 8 = 7887 plf,
    // Ec = 57 sqrt(3000) = 3122 ksi, Ig = 12 * 8^3 / 12 = 512 in^4, Ie = 179.2 in^4.
    r.ContinuousFootingDesign();
    const TStemWallReinforcement& sw = r.Continuous.StemWall;
    EXPECT_TRUE(NearRelative(sw.AsVert, 0.31L, 1e-15L));
    EXPECT_TRUE(MatchesPrinted(sw.RhoVert, 0.3229L, 4));
    EXPECT_TRUE(MatchesPrinted(sw.PhiVn, 7887, 0));
    EXPECT_TRUE(MatchesPrinted(sw.Ec, 3122, 0));
    EXPECT_TRUE(MatchesPrinted(sw.Ig, 512, 0));
    EXPECT_TRUE(MatchesPrinted(sw.Ie, 179.2L, 1));
    // #4 (0.20 in^2) at 1 ft on both faces: 100 * 2 * 0.2 / (1 * 8 * 12) = 0.4167 %.
    EXPECT_TRUE(MatchesPrinted(sw.RhoHor, 0.4167L, 4));
}

TEST_F(ContinuousDesignTest, SiShearStrengthAndModulus)
{
    // f'c = 25 MPa, Tw = 200 mm: PhiVn = 0.75 * 0.17 * 5 * 1000 * 200 / 1000 = 127.5 kN/m;
    // Ec = 4700 * 5 = 23500 MPa; Ig = 1000 * 200^3 / 12 = 6.6667e8 mm^4.
    r.Units = 1;
    r.Continuous.Fc = 25;
    r.Continuous.Tw = 200;
    StemShearStrength(r);
    StemDeflections(r);
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.PhiVn, 127.5L, 1e-15L));
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.Ec, 23500, 1e-15L));
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.Ig, 8e9L / 12, 1e-15L));
}

TEST_F(ContinuousDesignTest, DemandsUtilisationsAndDeflectionsOfEachCombination)
{
    // Soil term 250 * (4 - 1)^3 / 6 = 1125 lb-ft/ft in every combination.
    // Mu1 = 1125 + 24.46096 * 0.85 * 1.3 * 6^2 / 2 = 1611.528; Mu2 = 1125 + 120 * 6 / 2 = 1485;
    // Mu3 = 1125 + 1.2 * 135.146804 * 3.75 = 1733.161.
    // Pu = 1.2 (2/3 * 6 * 150 + 800) + 500 = 2180 (1, 2) and 1680 + 1.6 * 500 = 2480 (3).
    // Both fall in the first segment of the diagram (0 .. 7735.445 plf, 5156.029 .. 7252.152):
    // PhiMn(2180) = 5156.029 + 2096.123 * 2180 / 7735.445 = 5746.758, PhiMn(2480) = 5828.051.
    // Vu = Driving (247.1468, 232, 274.1762), PhiVn = 7887.2048.
    // Deflection, Ec Ie = 3122.0186 * 179.2 = 559465.7:
    //   1: 0.001 * 0.6 WF * (12 * 3.75)^2 * 12 * (18 - 3.75) / (6 Ec Ie) = 0.0083648 in
    //   2: 0.001 * 0.6 * 120 * 36^2 * 12 * 15 / (6 Ec Ie) = 0.0050036 in
    //   3: 0.001 * WF * 45^2 * 12 * 14.25 / (6 Ec Ie) = 0.0139413 in
    struct Case {
        Real mu, pu, phiMn, momentUtil, shearUtil, deflection;
    };
    const Case cases[] = {
        {1611.5284944L, 2180, 5746.75794L, 28.0423938L, 3.13351573L, 0.00836475893L},
        {1485, 2180, 5746.75794L, 25.8406568L, 2.94147299L, 0.00500363088L},
        {1733.160618L, 2480, 5828.05086L, 29.7382549L, 3.47621459L, 0.0139412649L},
    };
    r.ContinuousFootingDesign();
    for (int j = 0; j < 3; ++j) {
        const TLoadCase& lc = r.Continuous.LoadCases[j];
        SCOPED_TRACE(j);
        EXPECT_TRUE(NearRelative(lc.Mu, cases[j].mu, 1e-10L));
        EXPECT_TRUE(NearRelative(lc.Pu, cases[j].pu, 1e-15L));
        EXPECT_EQ(lc.Vu, lc.Driving);
        EXPECT_TRUE(NearRelative(lc.PhiMnAtPu, cases[j].phiMn, 1e-8L));
        EXPECT_TRUE(NearRelative(lc.MomentUtil, cases[j].momentUtil, 1e-8L));
        EXPECT_TRUE(NearRelative(lc.ShearUtil, cases[j].shearUtil, 1e-8L));
        EXPECT_TRUE(NearRelative(lc.Deflection, cases[j].deflection, 1e-8L));
    }
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.MomentUtilization, 29.7382549L, 1e-8L));
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.ShearUtilization, 3.47621459L, 1e-8L));
    EXPECT_TRUE(MomentUtilizationCheckPasses(r));
    EXPECT_TRUE(ShearUtilizationCheckPasses(r));
}

TEST(GoverningUtilization, IsTheLargestAndUndefinedWhenAnyCombinationIs)
{
    struct Case {
        Real wind, seismic, general, governing;
    };
    const Case cases[] = {
        {10, 20, 30, 30},       {30, 20, 10, 30},       {10, 30, 20, 30},       {20, 20, 20, 20},
        {10, NaN(), 30, NaN()}, {NaN(), 20, 30, NaN()}, {10, 20, NaN(), NaN()},
    };
    for (const Case& c : cases) {
        const Real g = GoverningUtilization(c.wind, c.seismic, c.general);
        if (IsNaN(c.governing))
            EXPECT_TRUE(IsNaN(g));
        else
            EXPECT_EQ(g, c.governing);
    }
}

TEST_F(ContinuousDesignTest, UtilisationChecksFailAtTheLimitAndWhenUndefined)
{
    struct Case {
        Real util;
        bool passes;
    };
    for (Case c : {Case{99.98L, true}, {99.99L, false}, {150, false}, {NaN(), false}}) {
        r.Continuous.StemWall.MomentUtilization = c.util;
        r.Continuous.StemWall.ShearUtilization = c.util;
        EXPECT_EQ(MomentUtilizationCheckPasses(r), c.passes) << double(c.util);
        EXPECT_EQ(ShearUtilizationCheckPasses(r), c.passes) << double(c.util);
    }
}

TEST_F(ContinuousDesignTest, FootingFlexureAndTheConservativeFootingMoment)
{
    // #5 at 1 ft, Tf = 12 in, cover 3 in: AsFoot = 0.31 in^2/ft, RhoFoot = 31 / 144 = 0.2153 %,
    // PhiMnFoot = 0.9 * 0.31 * 60 * (12 - 3 - 18.6 / (1.7 * 3 * 12)) * 1000 / 12 = 12131.03 lb-ft/ft.
    // Largest pressure: the toe of combination 3, 2745/3 + 6 * 770.3368 / 9 = 1428.558 psf;
    // MuFoot = 1428.558 * 1.5^2 / 2 = 1607.128 lb-ft/ft.
    r.ContinuousFootingDesign();
    const TFootingReinforcement& ft = r.Continuous.Footing;
    EXPECT_TRUE(NearRelative(ft.AsFoot, 0.31L, 1e-15L));
    EXPECT_TRUE(NearRelative(ft.RhoFoot, 0.31L / 1.44L, 1e-15L));
    EXPECT_TRUE(NearRelative(ft.PhiMnFoot, 12131.0294118L, 1e-10L));
    EXPECT_TRUE(NearRelative(ft.MuFoot, 1607.1275871L, 1e-10L));
    EXPECT_TRUE(FootingMomentCheckPasses(r));
    EXPECT_TRUE(FootingRatioCheckPasses(r));
}

TEST_F(ContinuousDesignTest, FootingChecksAtTheirLimits)
{
    struct Case {
        Real phiMn, mu, rho;
        bool momentPasses, ratioPasses;
    };
    const Case cases[] = {
        {1000, 999, 0.5L, true, true},   {1000, 1000, 0.18L, false, false},
        {-1000, 999, -0.5L, true, true}, {1000, -1001, 1.15L, false, false},
        {NaN(), 1, NaN(), false, false}, {1000, 0, 1.14L, true, true},
    };
    for (const Case& c : cases) {
        r.Continuous.Footing.PhiMnFoot = c.phiMn;
        r.Continuous.Footing.MuFoot = c.mu;
        r.Continuous.Footing.RhoFoot = c.rho;
        EXPECT_EQ(FootingMomentCheckPasses(r), c.momentPasses);
        EXPECT_EQ(FootingRatioCheckPasses(r), c.ratioPasses);
    }
}
