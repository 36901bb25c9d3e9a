// The ACI 318-19 checks of the isolated footing beyond flexure: one-way shear 22.5.5.1(c), minimum
// steel 8.6.1.1, two-way shear 22.6, column bearing 22.8.3.2 and development length 25.4.2.3.
#include <gtest/gtest.h>

#include <cmath>

#include "SquareFootingTestRecord.h"
#include "core/PMClasses.h"
#include "design/RebarTables.h"
#include "design/SquareFootingAci.h"
#include "design/SquareFootingChecks.h"

namespace {

void EnglishExample(TPMData& r)
{
    ApplySquareFooting(r, kEnglishSquareFooting);
}
void SIExample(TPMData& r)
{
    ApplySquareFooting(r, kSISquareFooting);
}

class SquareFootingAciTest : public ::testing::Test {
  protected:
    void TearDown() override { SelectRebarTable(rfUS, 0); }
    TPMData record;
};

}  // namespace

TEST_F(SquareFootingAciTest, EnglishExampleByHand)
{
    // Hand calculation (sqrt(4000) = 63.2456 psi; qu = 5.6725 ksf, d1 = 20.625, d2 = 19.875 in):
    // rho1 = 4.40 / (96 x 20.625) = 0.0022222, 8 rho1^(1/3) = 1.04396 (< 5);
    //   phi Vc1 = 0.75 x 1.04396 x 63.2456 x 96 x 20.625 / 1000 = 98.049 kips (Vu1 = 73.27);
    //   rho2 = 4.40 / (96 x 19.875) = 0.0023061, phi Vc2 = 95.657 kips.
    // As = 10 x 0.44 = 4.40 in^2 >= As,min = 0.0018 x 96 x 24 = 4.1472 in^2.
    // d = 20.25 in, bo = 4 x 36.25 = 145 in; beta = 1: min(4, 6, 2 + 40 x 20.25 / 145 = 7.586) = 4;
    //   phi Vc = 0.75 x 4 x 63.2456 x 145 x 20.25 / 1000 = 557.114 kips;
    //   Vu = 5.6725 x (9216 - 36.25^2) / 144 = 311.276 kips.
    // Pu = 1.2 x 150 + 1.6 x 100 = 340 kips; phi Bn = 0.65 x 0.85 x 4 x 16 x 16 = 565.76 kips.
    // #6 (No. 6 and smaller), s = 9.167 >= 1.5 in and cc = 3 >= 0.75 in: divisor 25, psi_g = 1;
    //   ld = 60000 / (25 x 63.2456) x 0.75 = 28.4605 in; available (96 - 16) / 2 - 3 = 37 in.
    EnglishExample(record);
    record.SquareFootingDesign();
    const TSquareFootingData& q = record.Square;
    EXPECT_NEAR(double(q.PhiVc1), 98.0488, 5e-4);
    EXPECT_NEAR(double(q.PhiVc2), 95.6572, 5e-4);
    EXPECT_NEAR(double(q.As1), 4.40, 1e-12);
    EXPECT_NEAR(double(q.AsMin1), 4.1472, 1e-12);
    EXPECT_NEAR(double(q.AsMin2), 4.1472, 1e-12);
    EXPECT_NEAR(double(q.PunchPerimeter), 145, 1e-12);
    EXPECT_NEAR(double(q.PhiVcPunch), 557.1143, 5e-4);
    EXPECT_NEAR(double(q.VuPunch), 311.2760, 5e-4);
    EXPECT_NEAR(double(q.PuColumn), 340, 1e-12);
    EXPECT_NEAR(double(q.PhiBearing), 565.76, 1e-9);
    EXPECT_NEAR(double(q.DevLength1), 28.4605, 5e-4);
    EXPECT_NEAR(double(q.DevLength2), 28.4605, 5e-4);
    EXPECT_NEAR(double(q.DevAvail1), 37, 1e-12);
    EXPECT_NEAR(double(q.DevAvail2), 37, 1e-12);

    record.AllowNetBearing = 4.5;
    const TSquareFootingChecks c = SquareFootingChecks(record);
    EXPECT_TRUE(c.Shear1 && c.Rho1 && c.Punch && c.Bearing && c.Development1 && c.Development2);
    EXPECT_FALSE(c.PunchBeyondEdge);
    EXPECT_TRUE(c.AllPass());
}

TEST_F(SquareFootingAciTest, SIExampleByHand)
{
    // Hand calculation (sqrt(25) = 5 MPa; qu = 214.1 kPa; d1 = 417, d2 = 401 mm; As = 2010 mm^2):
    // rho1 = 2010 / (2000 x 417) = 0.0024101, 0.66 rho1^(1/3) = 0.088489 (< 0.42);
    //   phi Vc1 = 0.75 x 0.088489 x 5 x 2000 x 417 / 1000 = 276.748 kN; phi Vc2 = 269.623 kN.
    // As,min = 0.0018 x 2000 x 500 = 1800 mm^2.
    // d = 409 mm, bo = 4 x 809 = 3236 mm; min(0.33, 0.17 x 3 = 0.51, 0.083 x (2 + 40 x 409 / 3236)
    //   = 0.5856) = 0.33; phi Vc = 0.75 x 0.33 x 5 x 3236 x 409 / 1000 = 1637.861 kN;
    //   Vu = 214.1 x (4e6 - 809^2) / 1e6 = 716.276 kN.
    // Pu = 1.2 x 400 + 1.6 x 200 = 800 kN; phi Bn = 0.65 x 0.85 x 25 x 400 x 400 / 1000 = 2210 kN.
    // 16 mm (small), s = 187.8 >= 32 mm, cc = 75 >= 16 mm: divisor 2.1; Fy = 500 MPa: psi_g = 1.15;
    //   ld = 500 x 1.15 / (2.1 x 5) x 16 = 876.19 mm > available (2000 - 400) / 2 - 75 = 725 mm.
    SIExample(record);
    record.SquareFootingDesign();
    const TSquareFootingData& q = record.Square;
    EXPECT_NEAR(double(q.PhiVc1), 276.7481, 5e-4);
    EXPECT_NEAR(double(q.PhiVc2), 269.6229, 5e-4);
    EXPECT_NEAR(double(q.AsMin1), 1800, 1e-9);
    EXPECT_NEAR(double(q.PunchPerimeter), 3236, 1e-9);
    EXPECT_NEAR(double(q.PhiVcPunch), 1637.8610, 5e-4);
    EXPECT_NEAR(double(q.VuPunch), 716.2756, 5e-4);
    EXPECT_NEAR(double(q.PuColumn), 800, 1e-9);
    EXPECT_NEAR(double(q.PhiBearing), 2210, 1e-9);
    EXPECT_NEAR(double(q.DevLength1), 876.1905, 5e-4);
    EXPECT_NEAR(double(q.DevAvail1), 725, 1e-9);

    const TSquareFootingChecks c = SquareFootingChecks(record);
    EXPECT_TRUE(c.Shear1 && c.Shear2 && c.Rho1 && c.Rho2 && c.Punch && c.Bearing);
    EXPECT_FALSE(c.Development1);
    EXPECT_FALSE(c.Development2);
}

TEST_F(SquareFootingAciTest, TextbookFootingThatTheOldShearRulePassed)
{
    // A textbook footing: 134 in (11 ft 2 in) square, 32 in thick, 3 in cover, #8 bars,
    // f'c = 3000 psi, Fy = 60 ksi; d1 = 32 - 3 - 0.5 = 28.5 in, sqrt(3000) = 54.772 psi.
    // The ACI 318-14 form 0.75 x 2 x 54.772 x 134 x 28.5 / 1000 = 313.76 kips. ACI 318-19 (c):
    //   11 #8 (8.69 in^2): rho = 8.69 / (134 x 28.5) = 0.0022755, 8 rho^(1/3) = 1.05224,
    //   phi Vc = 0.75 x 1.05224 x 54.772 x 134 x 28.5 / 1000 = 165.08 kips, below Vu of about 204.
    //   9 #8 (7.11 in^2) against As,min = 0.0018 x 134 x 32 = 7.7184 in^2: too little steel, though
    //   rho = 7.11 / (134 x 28.5) = 0.00186 passed the old ratio rule of 0.0018.
    const TOneWayShear eleven = OneWayShear(3, 8.69L / (134 * 28.5L), 134, 28.5L, false);
    EXPECT_NEAR(double(eleven.Coefficient), 1.05224, 5e-5);
    EXPECT_NEAR(double(eleven.PhiVc), 165.076, 5e-3);

    TPMData r;
    EnglishExample(r);
    TSquareFootingData& q = r.Square;
    q.FootingDim1 = q.FootingDim2 = 134;
    q.FootingThickness = 32;
    q.FootingBarSize = 8;
    q.Fc = 3;
    q.NumBars1 = q.NumBars2 = 9;
    r.SquareFootingDesign();
    EXPECT_NEAR(double(q.As1), 7.11, 1e-9);
    EXPECT_NEAR(double(q.AsMin1), 7.7184, 1e-9);
    EXPECT_FALSE(SquareFootingChecks(r).Rho1);
    EXPECT_FALSE(SquareFootingChecks(r).Rho2);
}

TEST_F(SquareFootingAciTest, OneWayShearCapsAndRatios)
{
    struct Case {
        const char* name;
        Real fc, rho;
        bool si;
        Real coefficient, phiVc;  // for b = 100, d = 10
    };
    // English: 8 x 0.3^(1/3) = 5.36 is capped at 5 (22.5.5.1.1); f'c = 12 ksi gives
    // sqrt(12000) = 109.5, capped at 100 psi: 0.75 x 5 x 100 x 1000 / 1000 = 375 kips.
    // rho = 0.001: 8 x 0.1 = 0.8; 0.75 x 0.8 x 63.2456 x 1000 / 1000 = 37.947 kips.
    // SI: 0.66 x 0.3^(1/3) = 0.4418 is capped at 0.42; f'c = 80 MPa: sqrt = 8.94, capped at 8.3:
    // 0.75 x 0.42 x 8.3 x 1000 / 1000 = 2.6145 kN. rho = 0.001: 0.066 x 5 x 0.75 = 0.2475 kN.
    // A ratio that is zero, negative or not defined gives no concrete term.
    const Case cases[] = {
        {"English cap on rho term", 4, 0.3L, false, 5, 0.75L * 5 * std::sqrt(4000.0L)},
        {"English cap on sqrt(f'c)", 12, 0.3L, false, 5, 375},
        {"English small rho", 4, 0.001L, false, 0.8L, 37.9473L},
        {"SI cap on rho term", 80, 0.3L, true, 0.42L, 2.6145L},
        {"SI small rho", 25, 0.001L, true, 0.066L, 0.2475L},
        {"zero rho", 4, 0, false, 0, 0},
        {"negative rho", 4, -0.002L, false, 0, 0},
        {"undefined rho", 4, NaN(), true, 0, 0},
    };
    for (const Case& c : cases) {
        const TOneWayShear s = OneWayShear(c.fc, c.rho, 100, 10, c.si);
        EXPECT_NEAR(double(s.Coefficient), double(c.coefficient), 1e-4) << c.name;
        EXPECT_NEAR(double(s.PhiVc), double(c.phiVc), 1e-3) << c.name;
    }
    EXPECT_TRUE(IsNaN(OneWayShear(-4, 0.002L, 100, 10, false).PhiVc));
}

TEST_F(SquareFootingAciTest, PunchingShearByColumnShapeAndEdge)
{
    struct Case {
        const char* name;
        TPunchingInput in;
        bool si;
        Real perimeter, beta, phiVc, vu;
    };
    const Real root4 = std::sqrt(4000.0L);
    // beta = 1 (English example): 4 governs; see EnglishExampleByHand.
    // beta = 3: c = 12 x 36 in, d = 20, B = 120: bo = 2 x 32 + 2 x 56 = 176; 2 + 4/3 = 3.333 governs
    //   over 4 and 2 + 40 x 20 / 176 = 6.545; phi Vc = 0.75 x 3.333 x 63.2456 x 176 x 20 / 1000 = 556.561;
    //   Vu = 1 ksf x (14400 - 32 x 56) / 144 = 87.556 kips.
    // alpha_s governs: c = 60 in, d = 10, B = 200: bo = 280, 2 + 400 / 280 = 3.4286;
    //   phi Vc = 0.75 x 3.4286 x 63.2456 x 280 x 10 / 1000 = 455.368; Vu = (40000 - 4900) / 144.
    // SI beta = 3: c = 300 x 900 mm, d = 500, B = 3000: bo = 4400; 0.17 (1 + 2/3) = 0.28333 governs
    //   over 0.33 and 0.083 x (2 + 40 x 500 / 4400) = 0.5433; phi Vc = 0.75 x 0.28333 x 5 x 4400 x 500
    //   / 1000 = 2337.5 kN; Vu = 100 kPa x (9e6 - 800 x 1400) / 1e6 = 788 kN.
    // One side beyond the edge: B1 = 30, B2 = 96, c = 16, d = 20.25 (c + d = 36.25): only the two
    //   sides along B1 remain, each cut to 30 in: bo = 60; min(4, 6, 2 + 40 x 20.25 / 60) = 4;
    //   phi Vc = 0.75 x 4 x 63.2456 x 60 x 20.25 / 1000 = 230.530; Vu = 5.6725 x (2880 - 30 x 36.25)
    //   / 144 = 70.611 kips.
    // Both beyond: B = 30: nothing is left outside the section, Vu = 0 and bo = 0.
    const Case cases[] = {
        {"beta = 3", {120, 120, 12, 36, 20, 20, 4, 1}, false, 176, 3, 556.5609L, 87.5556L},
        {"alpha_s governs",
         {200, 200, 60, 60, 10, 10, 4, 1},
         false,
         280,
         1,
         455.3680L,
         (40000 - 4900) / 144.0L},
        {"SI beta = 3", {3000, 3000, 300, 900, 500, 500, 25, 100}, true, 4400, 3, 2337.5L, 788},
        {"one side beyond",
         {30, 96, 16, 16, 20.625L, 19.875L, 4, 5.6725L},
         false,
         60,
         1,
         0.75L * 4 * root4 * 60 * 20.25L / 1000,
         70.6108L},
        {"both beyond", {30, 30, 16, 16, 20.625L, 19.875L, 4, 5.6725L}, false, 0, 1, 0, 0},
    };
    for (const Case& c : cases) {
        const TPunchingShear p = PunchingShear(c.in, c.si);
        EXPECT_NEAR(double(p.Perimeter), double(c.perimeter), 1e-9) << c.name;
        EXPECT_NEAR(double(p.Beta), double(c.beta), 1e-12) << c.name;
        EXPECT_NEAR(double(p.PhiVc), double(c.phiVc), 5e-4) << c.name;
        EXPECT_NEAR(double(p.Vu), double(c.vu), 5e-4) << c.name;
    }

    // In the design: the 30 in footing shows the section beyond the edge and passes.
    EnglishExample(record);
    record.Square.FootingDim1 = record.Square.FootingDim2 = 30;
    record.SquareFootingDesign();
    EXPECT_EQ(record.Square.VuPunch, 0);
    const TSquareFootingChecks checks = SquareFootingChecks(record);
    EXPECT_TRUE(checks.Punch && checks.PunchBeyondEdge);
    EXPECT_STREQ(kPunchingBeyondEdgeText, "Punching section beyond edge of footing, OK");
}

TEST_F(SquareFootingAciTest, ColumnBearingPassesAtItsStrengthAndFailsAbove)
{
    // English: 0.65 x 0.85 x 4 x 16 x 16 = 565.76 kips. SI: 0.65 x 0.85 x 25 x 400 x 400 / 1000 = 2210 kN.
    EXPECT_NEAR(double(ColumnBearing(150, 100, 4, 16, 16, false).PhiBn), 565.76, 1e-9);
    EXPECT_NEAR(double(ColumnBearing(400, 200, 25, 400, 400, true).PhiBn), 2210, 1e-9);
    EXPECT_NEAR(double(ColumnBearing(400, 200, 25, 400, 400, true).Pu), 800, 1e-9);

    // Pu equal to phi Bn passes.
    EnglishExample(record);
    record.SquareFootingDesign();
    TPMData atLimit = record;
    atLimit.Square.PuColumn = atLimit.Square.PhiBearing;
    EXPECT_TRUE(SquareFootingChecks(atLimit).Bearing);
    // A 12 in column: phi Bn = 0.5525 x 4 x 144 = 318.24 kips < Pu = 340: dowels must carry 21.76 kips.
    record.Square.ColumnDim1 = record.Square.ColumnDim2 = 12;
    record.SquareFootingDesign();
    EXPECT_NEAR(double(record.Square.PhiBearing), 318.24, 1e-9);
    EXPECT_FALSE(SquareFootingChecks(record).Bearing);
    EXPECT_FALSE(SquareFootingChecks(record).AllPass());
}

TEST_F(SquareFootingAciTest, DevelopmentLengthByBarSizeSpacingAndGrade)
{
    struct Case {
        const char* name;
        TDevelopmentInput in;
        bool si;
        Real psiG, divisor, length;
    };
    // ld = fy psi_g / (divisor sqrt(f'c)) db, f'c = 4 ksi (63.2456 psi) or 25 MPa (5 MPa); at least
    // 12 in or 300 mm. English: 60000 / (25 x 63.2456) x 0.75 = 28.4605; / (50/3) = 42.6907;
    // #8: 60000 / (20 x 63.2456) = 47.4342, / (40/3) = 71.1512. Grades with #6, divisor 25:
    // 40 ksi 18.9737; 80 ksi x 1.15 = 43.6394; 100 ksi x 1.3 = 61.6644; #3 at 40 ksi 9.49 -> 12.
    // SI: 420 / (2.1 x 5) x 16 = 640; 20 mm is a large bar: 420 / (1.7 x 5) x 20 = 988.235;
    // 25 mm, tight: 420 / (1.1 x 5) x 25 = 1909.091; 16 mm tight: 420 / (1.4 x 5) x 16 = 960;
    // 550 MPa x 1.15: 963.810; 690 MPa x 1.3: 1366.857; 10 mm: 400; 8 mm: 320; 6 mm: 240 -> 300.
    const Case cases[] = {
        {"#6, 2db spacing", {4, 60, 0.75L, 9, 3, 96, 16}, false, 1, 25, 28.4605L},
        {"#6, tight spacing", {4, 60, 0.75L, 1.4L, 3, 96, 16}, false, 1, 50 / 3.0L, 42.6907L},
        {"#6, spacing exactly 2db", {4, 60, 0.75L, 1.5L, 3, 96, 16}, false, 1, 25, 28.4605L},
        {"#8, 2db spacing", {4, 60, 1, 2, 3, 96, 16}, false, 1, 20, 47.4342L},
        {"#8, tight spacing", {4, 60, 1, 1.9L, 3, 96, 16}, false, 1, 40 / 3.0L, 71.1512L},
        {"#8, cover below db", {4, 60, 1, 9, 0.75L, 96, 16}, false, 1, 40 / 3.0L, 71.1512L},
        {"Fy 40", {4, 40, 0.75L, 9, 3, 96, 16}, false, 1, 25, 18.9737L},
        {"Fy 80", {4, 80, 0.75L, 9, 3, 96, 16}, false, 1.15L, 25, 43.6394L},
        {"Fy 100", {4, 100, 0.75L, 9, 3, 96, 16}, false, 1.3L, 25, 61.6644L},
        {"12 in minimum", {4, 40, 0.375L, 9, 3, 96, 16}, false, 1, 25, 12},
        {"SI 16 mm", {25, 420, 16, 180, 75, 2000, 400}, true, 1, 2.1L, 640},
        {"SI 20 mm is large", {25, 420, 20, 180, 75, 2000, 400}, true, 1, 1.7L, 988.2353L},
        {"SI 25 mm tight", {25, 420, 25, 40, 75, 2000, 400}, true, 1, 1.1L, 1909.0909L},
        {"SI 16 mm tight", {25, 420, 16, 31, 75, 2000, 400}, true, 1, 1.4L, 960},
        {"SI 550 MPa", {25, 550, 16, 180, 75, 2000, 400}, true, 1.15L, 2.1L, 963.8095L},
        {"SI 690 MPa", {25, 690, 16, 180, 75, 2000, 400}, true, 1.3L, 2.1L, 1366.8571L},
        {"SI 300 mm minimum", {25, 420, 6, 180, 75, 2000, 400}, true, 1, 2.1L, 300},
    };
    for (const Case& c : cases) {
        const TDevelopment d = Development(c.in, c.si);
        EXPECT_NEAR(double(d.PsiG), double(c.psiG), 1e-15) << c.name;
        EXPECT_NEAR(double(d.Divisor), double(c.divisor), 1e-12) << c.name;
        EXPECT_NEAR(double(d.Length), double(c.length), 5e-4) << c.name;
    }
    // Available: (96 - 16) / 2 - 3 = 37 in; (2000 - 400) / 2 - 75 = 725 mm.
    EXPECT_NEAR(double(Development(cases[0].in, false).Available), 37, 1e-12);
    EXPECT_NEAR(double(Development(cases[10].in, true).Available), 725, 1e-12);

    // In the design: #8 bars under 0.75 in cover (less than db) take 40/3 and need 71.15 in, more
    // than the 37 in available.
    EnglishExample(record);
    record.Square.FootingBarSize = 8;
    record.Square.ClearCover = 0.75L;
    record.SquareFootingDesign();
    EXPECT_NEAR(double(record.Square.DevLength1), 71.1512, 5e-4);
    EXPECT_FALSE(SquareFootingChecks(record).Development1);
}
