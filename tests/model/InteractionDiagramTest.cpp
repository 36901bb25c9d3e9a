#include <gtest/gtest.h>

#include "ContinuousTestRecord.h"
#include "design/InteractionDiagram.h"
#include "design/StemWallDesign.h"

namespace {

void BuildDiagram(TPMData& r)
{
    StemVerticalSteel(r);
    BuildInteractionDiagram(r);
}

}  // namespace

TEST_F(ContinuousDesignTest, InteractionPointsOfTheExampleWall)
{
    // Tw = 8 in, one #5 at 1 ft at mid-depth: d = 4 in, As1 = 0.31 in^2/ft; f'c = 3 ksi: beta1 = 0.85
    // (0.90 limited), f85 = 2.55 ksi; Fy = 60 ksi, Es = 29000 ksi.
    // Point 0: c0 = 0.31 * 60 / (12 * 2.55 * 0.85) = 0.715110 in, es = 0.003 (0.71511 - 4) / 0.71511
    //   = -0.013781, phi 0.9, Ac = 7.294118, Cc = 18.6 = -Ts, yc = 0.3039216 (a/2), PhiPn = 0,
    //   PhiMn = 18600 * (4 - 0.303922) * 0.9 / 12 = 5156.029 lb-ft/ft.
    // Point 5: cb = 0.003 * 4 / (60/29000 + 0.003) = 2.367347 in, es = -Fy/Es, fs = -60,
    //   phi = 0.48 + 83 * 0.0020690 = 0.651724, Cc = 2.55 * 12 * 0.85 * 2.367347 = 61.574694,
    //   PhiPn = 1000 (61.574694 - 18.6) 0.651724 = 28007.645 plf, PhiMn = 10011.954.
    // Point 10: c = 8.8 in, es = 0.003 * 4.8 / 8.8 = 0.0016364, fs = 47.454545, Ac = 89.76 - 0.31,
    //   Cc = 2.55 * 89.45 + 0.31 * 47.454545 = 242.808409, yc = (2.55 * 89.45 * 0.85 * 4.4
    //   + 0.31 * 47.454545 * 4) / 242.808409 = 3.755752, phi 0.65, PhiPn = 157825.466,
    //   PhiMn = 1000 * 242.808409 * (4 - 3.755752) * 0.65 / 12 = 3212.373.
    BuildDiagram(r);
    const TInteractionDiagram& g = r.Continuous.Interaction;
    EXPECT_EQ(g.D, 4);
    EXPECT_EQ(g.As1, 0.31);
    EXPECT_EQ(g.Beta1, 0.85);
    EXPECT_TRUE(NearRelative(g.RadiusOfGyration, 2.309401077L, 1e-9L));
    struct Case {
        int i;
        Real c, eps, fs, cc, ts, yc, phi, phiPn, phiMn;
    };
    const Case cases[] = {
        {0, 0.715110L, -0.0137810L, -60, 18.6L, -18.6L, 0.3039216L, 0.9L, 0, 5156.029L},
        {5, 2.367347L, -0.0020690L, -60, 61.574694L, -18.6L, 1.006122L, 0.651724L, 28007.645L, 10011.954L},
        {10, 8.8L, 0.0016364L, 47.454545L, 242.808409L, 0, 3.755752L, 0.65L, 157825.466L, 3212.373L},
    };
    for (const Case& c : cases) {
        const TInteractionPoint& p = g.Points[c.i];
        SCOPED_TRACE(c.i);
        EXPECT_TRUE(NearRelative(p.C, c.c, 1e-6L));
        EXPECT_TRUE(NearRelative(p.EpsS, c.eps, 1e-4L));
        EXPECT_TRUE(NearRelative(p.Fs, c.fs, 1e-7L));
        EXPECT_TRUE(NearRelative(p.Cc, c.cc, 1e-7L));
        EXPECT_TRUE(NearRelative(p.Ts, c.ts, 1e-12L));
        EXPECT_TRUE(NearRelative(p.Yc, c.yc, 1e-6L));
        EXPECT_TRUE(NearRelative(p.Phi, c.phi, 1e-6L));
        EXPECT_NEAR(p.PhiPn, static_cast<double>(c.phiPn), 1e-3);
        EXPECT_NEAR(p.PhiMn, static_cast<double>(c.phiMn), 1e-3);
    }
    EXPECT_EQ(r.Continuous.StemWall.PhiMn0, g.Points[0].PhiMn);
    // 0.65 * 0.8 * (2.55 * 1000 * (12 * 8 - 0.31) + 1000 * 60 * 0.31) = 136556.94 plf.
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.PhiPnMax, 136556.94L, 1e-12L));
}

TEST_F(ContinuousDesignTest, TwoLayersUseTheOuterLayerOnly)
{
    // Two layers of #5 at 1 ft, cover 2 in: AsVert = 0.62, As1 = 0.31, d = 8 - 2 - 0.625/2 = 5.6875 in.
    // PhiPnMax is the same as with one layer: it takes As1.
    r.Continuous.StemWall.Layers = 2;
    BuildDiagram(r);
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.AsVert, 0.62L, 1e-15L));
    EXPECT_EQ(r.Continuous.Interaction.As1, 0.31);
    EXPECT_EQ(r.Continuous.Interaction.D, 5.6875);
    EXPECT_TRUE(NearRelative(r.Continuous.StemWall.PhiPnMax, 136556.94L, 1e-12L));
}

TEST_F(ContinuousDesignTest, OneLayerCarriesNoSteelForceWithTheAxisAtTheBars)
{
    // With the bars at mid-depth the strain changes sign at c = d = 4 in, between points 6
    // (c = 3.654, es = -0.000284) and 7 (c = 4.940, es = 0.000571): from point 7 on the steel
    // is in compression, carries no tension force and displaces concrete.
    BuildDiagram(r);
    const auto& pts = r.Continuous.Interaction.Points;
    EXPECT_LT(pts[6].EpsS, 0);
    EXPECT_LT(pts[6].Ts, 0);
    EXPECT_GT(pts[7].EpsS, 0);
    EXPECT_EQ(pts[7].Ts, 0);
    EXPECT_EQ(pts[7].Yt, 0);
    EXPECT_TRUE(NearRelative(pts[7].Ac, 12 * 0.85L * pts[7].C - 0.31L, 1e-15L));
}

TEST_F(ContinuousDesignTest, ConcreteFactorBeta1FollowsStrength)
{
    struct Case {
        std::uint8_t units;
        Real fc, beta1;
    };
    const Case cases[] = {{0, 4, 0.85L},  {0, 6, 0.75L},  {0, 9, 0.65L}, {0, 3, 0.85L},
                          {1, 28, 0.85L}, {1, 35, 0.80L}, {1, 70, 0.65L}};
    for (const Case& c : cases) {
        r.Units = c.units;
        r.Continuous.Fc = c.fc;
        if (c.units == 1) {
            r.Continuous.Tw = 200;
            r.Continuous.Fy = 420;
        }
        SelectRebarTable(rfEuropean, c.units);
        BuildDiagram(r);
        EXPECT_TRUE(NearRelative(r.Continuous.Interaction.Beta1, c.beta1, 1e-15L)) << double(c.fc);
    }
}

TEST_F(ContinuousDesignTest, ConvergenceStartsFromTheDepthThePointHolds)
{
    // Point 10: es = 0.003 (8.8 - 4) / 8.8 = 0.00163636, elastic (fs = 29000 es).
    // A held depth whose strain lies within 1e-5 ends after one pass: the stress stays that of
    // the held strain. A held depth further away takes a second pass from the new depth.
    BuildDiagram(r);
    const double eps10 = r.Continuous.Interaction.Points[10].EpsS;
    struct Case {
        double offset;
        double fs;
    };
    for (Case c : {Case{5e-6, 29000 * (eps10 - 5e-6)}, {2e-5, 29000 * eps10}}) {
        TInteractionPoint& p = r.Continuous.Interaction.Points[10];
        const double target = eps10 - c.offset;
        p.C = 0.003 * 4 / (0.003 - target);  // the depth at which es = target
        BuildInteractionDiagram(r);
        EXPECT_NEAR(p.Fs, c.fs, 1e-9) << c.offset;
        EXPECT_EQ(p.C, 8.8);
        EXPECT_EQ(p.EpsS, eps10);
    }
}

TEST(MomentStrengthAtLoad, InterpolatesBetweenPointsAndIsUndefinedAtTheTop)
{
    // A diagram with PhiPn = 1000 i and PhiMn = 100 i (0 .. 10); PhiPnMax 9500.
    TContinuousData cd;
    for (int i = 0; i < kInteractionPoints; ++i) {
        cd.Interaction.Points[i].PhiPn = 1000.0 * i;
        cd.Interaction.Points[i].PhiMn = 100.0 * i;
    }
    cd.Interaction.Points[10].PhiMn = 500;  // the last segment falls: 900 at 9000, 500 at 10000
    cd.StemWall.PhiPnMax = 9500;
    struct Case {
        Real p, phiMn;
    };
    const Case cases[] = {
        {0, 0},        {2500, 250},    {3000, 300},    {8999, 899.9L}, {9000, 900}, {9250, 800},
        {9500, NaN()}, {12000, NaN()}, {NaN(), NaN()}, {-500, -50},  // net tension follows the first segment
    };
    for (const Case& c : cases) {
        const Real m = MomentStrengthAtLoad(cd, c.p);
        if (IsNaN(c.phiMn))
            EXPECT_TRUE(IsNaN(m)) << double(c.p);
        else
            EXPECT_TRUE(NearRelative(m, c.phiMn, 1e-15L)) << double(c.p);
    }
    // Beyond point 10 the last segment extrapolates.
    cd.StemWall.PhiPnMax = 20000;
    EXPECT_TRUE(NearRelative(MomentStrengthAtLoad(cd, 11000), 100, 1e-15L));
}

TEST_F(ContinuousDesignTest, AxialLoadAtOrAboveTheMaximumLeavesTheMomentUtilisationUndefined)
{
    // PhiPnMax = 136556.94 plf; Pu3 = 1.2 (600 + Pdl) + 1.6 * 500 reaches it with a large Pdl.
    r.Continuous.LoadCases[lcGeneral].Pdl = 120000;
    r.ContinuousFootingDesign();
    const TLoadCase& lc = r.Continuous.LoadCases[lcGeneral];
    EXPECT_GE(lc.Pu, r.Continuous.StemWall.PhiPnMax);
    EXPECT_TRUE(IsNaN(lc.PhiMnAtPu));
    EXPECT_TRUE(IsNaN(lc.MomentUtil));
    EXPECT_TRUE(IsNaN(r.Continuous.StemWall.MomentUtilization));
    EXPECT_FALSE(IsNaN(r.Continuous.LoadCases[lcWind].MomentUtil));
}
