#include <gtest/gtest.h>

#include "ContinuousTestRecord.h"
#include "design/ContinuousChecks.h"
#include "design/StemWallDesign.h"

TEST_F(ContinuousDesignTest, StemWallExamplePrintsItsDigits)
{
    // One #5 bar (0.31 in^2) every 1 ft in one layer, Tw = 8 in, f'c = 3 ksi:
    // AsVert = 0.31 in^2/ft, RhoVert = 0.3229 %, Ec = 57 sqrt(3000) = 3122 ksi,
    // Ig = 12 * 8^3 / 12 = 512 in^4, Ie = 179.2 in^4.
    // ACI 318-19 22.5.5.1(c): d = 4 in, rho w = 0.31 / 48 = 0.0064583, lambda s = min(1,
    // sqrt(2 / 1.4)) = 1, 8 * 0.0064583^(1/3) = 1.48940 < 5:
    // PhiVn = 0.75 * 1.48940 * sqrt(3000) * 12 * 4 = 2937.6 plf.
    r.ContinuousFootingDesign();
    const TStemWallReinforcement& sw = r.Continuous.StemWall;
    EXPECT_TRUE(NearRelative(sw.AsVert, 0.31L, 1e-15L));
    EXPECT_TRUE(MatchesPrinted(sw.RhoVert, 0.3229L, 4));
    EXPECT_TRUE(NearRelative(sw.PhiVn, 2937.604111L, 1e-9L));
    EXPECT_TRUE(MatchesPrinted(sw.Ec, 3122, 0));
    EXPECT_TRUE(MatchesPrinted(sw.Ig, 512, 0));
    EXPECT_TRUE(MatchesPrinted(sw.Ie, 179.2L, 1));
    // #4 (0.20 in^2) at 1 ft on both faces: 100 * 2 * 0.2 / (1 * 8 * 12) = 0.4167 %.
    EXPECT_TRUE(MatchesPrinted(sw.RhoHor, 0.4167L, 4));
}

TEST_F(ContinuousDesignTest, SiShearStrengthAndModulus)
{
    // f'c = 25 MPa, Tw = 200 mm: Ec = 4700 * 5 = 23500 MPa; Ig = 1000 * 200^3 / 12 = 6.6667e8 mm^4.
    r.Units = 1;
    r.Continuous.Fc = 25;
    r.Continuous.Tw = 200;
    StemDeflections(r);
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.Ec, 23500, 1e-15L));
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.Ig, 8e9L / 12, 1e-15L));
}

TEST_F(ContinuousDesignTest, ShearStrengthOfTheWallWithItsSizeEffectAndLimits)
{
    // ACI 318-19 22.5.5.1(c): PhiVn = 0.75 min(8 ls rho^(1/3), 5) sqrt(f'c) b d (0.66 and 0.42 in
    // SI), ls = min(1, sqrt(2 / (1 + d / 10 in))) (0.004 d in mm), sqrt(f'c) at most 100 psi (8.3 MPa).
    struct Case {
        const char* name;
        std::uint8_t units;
        Real fc, d, as1, phiVn;
    };
    const Case cases[] = {
        // d = 100 mm, rho = 0.005, ls = 1: 0.75 * 0.66 * 0.170998 * 5 * 100 = 42.3219 kN/m.
        {"SI", 1, 25, 100, 500, 42.32190468L},
        // d = 1000 mm, rho = 0.005, ls = sqrt(2/5) = 0.632456: 0.75 * 0.0713826 * 5 * 1000 = 267.667.
        {"SI deep wall", 1, 25, 1000, 5000, 267.6672274L},
        // f'c = 12 ksi: sqrt(12000) = 109.5 limited to 100: 0.75 * 1.48940 * 100 * 48 = 5363.31 plf.
        {"root of f'c limited", 0, 12, 4, 0.31L, 5363.306788L},
        // rho = 20 / 48: 8 * 0.416667^(1/3) = 5.975 limited to 5: 0.75 * 5 * 54.7723 * 48 = 9859.01.
        {"coefficient limited", 0, 3, 4, 20, 9859.006035L},
        {"no depth", 0, 3, 0, 0.31L, 0},
        {"no steel", 0, 3, 4, 0, 0},
    };
    for (const Case& c : cases) {
        r.Units = c.units;
        r.Continuous.Fc = c.fc;
        r.Continuous.Interaction.D = static_cast<double>(c.d);
        r.Continuous.Interaction.As1 = static_cast<double>(c.as1);
        StemShearStrength(r);
        EXPECT_TRUE(NearRelative(r.Continuous.StemWall.PhiVn, c.phiVn, 1e-9L)) << c.name;
    }
}

TEST_F(ContinuousDesignTest, DemandsUtilisationsAndDeflectionsOfEachCombination)
{
    // Soil term 1.6 Pa hs^3 / 6 = 1.6 * 35 * (4 - 1)^3 / 6 = 252 lb-ft/ft in every combination.
    // Mu1 = 252 + 24.46096 * 0.85 * 1.3 * 6^2 / 2 = 738.5285; Mu2 = 252 + 120 * 6 / 2 = 612;
    // Mu3 = 252 + 1.2 * 135.146804 * 3.75 = 860.1606.
    // Pu = 1.2 (2/3 * 6 * 150 + 800) + 500 = 2180 (1, 2) and 1680 + 1.6 * 500 = 2480 (3).
    // Both fall in the first segment of the diagram (0 .. 7735.445 plf, 5156.029 .. 7252.152;
    // phi 0.9 at both points: et = 0.01378 and 0.00848 >= 60/29000 + 0.003 = 0.00507):
    // PhiMn(2180) = 5156.029 + 2096.123 * 2180 / 7735.445 = 5746.758, PhiMn(2480) = 5828.051.
    // Vu = 1.6 * 35 * 3^2 / 2 + lateral = 252 + WF = 387.1468, 252 + 120 = 372,
    // 252 + 1.2 WF = 414.1762; PhiVn = 2937.6041.
    // Deflection, Ec Ie = 3122.0186 * 179.2 = 559465.7:
    //   1: 0.001 * 0.6 WF * (12 * 3.75)^2 * 12 * (18 - 3.75) / (6 Ec Ie) = 0.0083648 in
    //   2: 0.001 * 0.6 * 120 * 36^2 * 12 * 15 / (6 Ec Ie) = 0.0050036 in
    //   3: 0.001 * WF * 45^2 * 12 * 14.25 / (6 Ec Ie) = 0.0139413 in
    struct Case {
        Real mu, pu, vu, phiMn, momentUtil, shearUtil, deflection;
    };
    const Case cases[] = {
        {738.5284944L, 2180, 387.146804L, 5746.75794L, 12.8512198L, 13.1789986L, 0.00836475893L},
        {612, 2180, 372, 5746.75794L, 10.6494828L, 12.663381L, 0.00500363088L},
        {860.160618L, 2480, 414.1761648L, 5828.05086L, 14.7589758L, 14.0991144L, 0.0139412649L},
    };
    r.ContinuousFootingDesign();
    for (int j = 0; j < 3; ++j) {
        const TLoadCase& lc = r.Continuous.LoadCases[j];
        SCOPED_TRACE(j);
        EXPECT_TRUE(NearRelative(lc.Mu, cases[j].mu, 1e-10L));
        EXPECT_TRUE(NearRelative(lc.Pu, cases[j].pu, 1e-15L));
        EXPECT_TRUE(NearRelative(lc.Vu, cases[j].vu, 1e-9L));
        EXPECT_TRUE(NearRelative(lc.PhiMnAtPu, cases[j].phiMn, 1e-8L));
        EXPECT_TRUE(NearRelative(lc.MomentUtil, cases[j].momentUtil, 1e-8L));
        EXPECT_TRUE(NearRelative(lc.ShearUtil, cases[j].shearUtil, 1e-8L));
        EXPECT_TRUE(NearRelative(lc.Deflection, cases[j].deflection, 1e-8L));
    }
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.MomentUtilization, 14.7589758L, 1e-8L));
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.ShearUtilization, 14.0991144L, 1e-8L));
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
    // d = 12 - 3 - 0.625 / 2 = 8.6875 in,
    // PhiMnFoot = 0.9 * 0.31 * 60 * (8.6875 - 18.6 / (1.7 * 3 * 12)) * 1000 / 12 = 11695.09 lb-ft/ft.
    // Largest service pressure: the toe of combination 3, Ps = 3050, Ms = 1371.113986:
    // 3050 / 3 + 6 * 1371.113986 / 9 = 1930.742657 psf;
    // MuFoot = 1.6 * 1930.742657 * 1.5^2 / 2 = 3475.336783 lb-ft/ft.
    r.ContinuousFootingDesign();
    const TFootingReinforcement& ft = r.Continuous.Footing;
    EXPECT_TRUE(NearRelative(ft.AsFoot, 0.31L, 1e-15L));
    EXPECT_TRUE(NearRelative(ft.RhoFoot, 0.31L / 1.44L, 1e-15L));
    EXPECT_TRUE(NearRelative(ft.PhiMnFoot, 11695.0919118L, 1e-10L));
    EXPECT_TRUE(NearRelative(ft.MuFoot, 3475.336783L, 1e-9L));
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
