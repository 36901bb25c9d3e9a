// The square footing listing: every value with its ACI 318-19 clause and each check's verdict.
#include <gtest/gtest.h>

#include <string>

#include "SquareFootingTestRecord.h"
#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "design/RebarTables.h"
#include "design/SquareFootingChecks.h"
#include "listings/ComputationListing.h"

namespace {

class SquareFootingListingTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        SetNumberSeparators('.', ',');
        ApplySquareFooting(record, kEnglishSquareFooting);
    }
    void TearDown() override { SelectRebarTable(rfUS, 0); }

    std::string Listing()
    {
        record.SquareFootingDesign();
        return ListingText(BuildSquareFootingListing(record));
    }
    TPMData record;
};

}  // namespace

TEST_F(SquareFootingListingTest, EnglishFootingShowsEachValueWithItsClause)
{
    // Values by hand in the design tests: phi Vc1 = 98.049, As,min = 4.1472, bo = 145,
    // phi Vc = 557.114, Vu = 311.276, Pu = 340, phi Bn = 565.76, ld = 28.4605, available 37.
    const std::string text = Listing();
    for (const char* line : {
             "# One-Way Shear, 22.5.5.1(c)\n",
             "lambda s\t1.00 (isolated footing, 13.2.6.2)\n",
             "sqrt(f'c)\t63.246 psi (sqrt(f'c) <= 100 psi)\n",
             "8 rho^(1/3) (1)\t1.044 (<= 5, 22.5.5.1.1)\n",
             "phi Vc1\t98.05 kips (phi = 0.75, 21.2.1)\n",
             "Vu1\t73.27 kips (at d from column face, 13.2.7.2)\n",
             "Vu1 <= phi Vc1: OK\n",
             "As,min1\t4.147 in^2 (0.0018 B2 T, 24.4.3.2)\n",
             "As1 >= As,min1: OK\n",
             "# Two-Way Shear, 22.6\n",
             "d\t20.25 in ((d1 + d2)/2)\n",
             "bo\t145.00 in (at d/2 from column faces, 22.6.4.1)\n",
             "4\t4.000 (Table 22.6.5.2a)\n",
             "2 + 4/beta\t6.000 (Table 22.6.5.2b)\n",
             "2 + 40d/bo\t7.586 (Table 22.6.5.2c, alpha s = 40)\n",
             "vc\t252.98 psi (least of the three x sqrt(f'c))\n",
             "phi Vc\t557.11 kips (phi = 0.75, 21.2.1)\n",
             "Vu\t311.28 kips (qu outside the section)\n",
             "Vu <= phi Vc: OK\n",
             "Pu\t340.00 kips (1.2D + 1.6L, 5.3.1b)\n",
             "phi Bn\t565.76 kips (0.65 x 0.85 f'c A1, 21.2.1)\n",
             "Pu <= phi Bn: OK\n",
             "psi g\t1.00 (Grade of Fy, Table 25.4.2.5)\n",
             "divisor 1\t25.000 (No. 6 and smaller, s1 >= 2db, cc >= db)\n",
             "ld1\t28.46 in (>= 12 in, 25.4.2.1)\n",
             "available 1\t37.00 in ((B1 - c1)/2 - cc)\n",
             "ld1 <= available 1: OK\n",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
    EXPECT_EQ(text.find("dowels"), std::string::npos);
    EXPECT_EQ(text.find("NOT OK"), std::string::npos);
}

TEST_F(SquareFootingListingTest, FailuresAndEdgesSayWhatFollows)
{
    // A 12 in column: phi Bn = 0.5525 x 4 x 144 = 318.24 kips < Pu = 340: 21.76 kips for dowels.
    record.Square.ColumnDim1 = record.Square.ColumnDim2 = 12;
    std::string text = Listing();
    EXPECT_NE(text.find("Pu > phi Bn: NOT OK, dowels must carry the excess (16.3.1.1)\n"), std::string::npos);
    EXPECT_NE(text.find("Excess\t21.76 kips (Pu - phi Bn, to dowels)\n"), std::string::npos) << text;

    // A 30 in footing: both sections lie beyond its edges.
    record.Square.ColumnDim1 = record.Square.ColumnDim2 = 16;
    record.Square.FootingDim1 = record.Square.FootingDim2 = 30;
    text = Listing();
    EXPECT_NE(text.find(std::string(kPunchingBeyondEdgeText) + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find(std::string(kShearPlaneBeyondEdgeText) + "\n"), std::string::npos);
}

TEST_F(SquareFootingListingTest, SIFootingUsesMetricFormsAndUnits)
{
    // 2000 mm square, 400 mm column, 500 mm thick, 75 mm cover, ten 16 mm bars, D = 400 kN,
    // L = 200 kN, f'c = 25 MPa, Fy = 500 MPa: 0.66 x 0.0024101^(1/3) = 0.0885,
    // phi Vc1 = 276.748 kN; ld = 500 x 1.15 / (2.1 x 5) x 16 = 876.19 mm > 725 mm.
    record.Units = 1;
    TSquareFootingData& q = record.Square;
    q.RebarFamily = rfEuropean;
    q.FootingBarSize = 16;
    q.FootingDim1 = q.FootingDim2 = 2000;
    q.ColumnDim1 = q.ColumnDim2 = 400;
    q.FootingThickness = 500;
    q.ClearCover = 75;
    q.AxialDeadLoad = 400;
    q.AxialLiveLoad = 200;
    q.Fc = 25;
    q.Fy = 500;
    SelectRebarTable(record);
    const std::string text = Listing();
    for (const char* line : {
             "sqrt(f'c)\t5.000 MPa (sqrt(f'c) <= 8.3 MPa)\n",
             "0.66 rho^(1/3) (1)\t0.088 (<= 0.42, 22.5.5.1.1)\n",
             "phi Vc1\t276.75 kN (phi = 0.75, 21.2.1)\n",
             "0.33\t0.330 (Table 22.6.5.2a)\n",
             "psi g\t1.15 (Grade of Fy, Table 25.4.2.5)\n",
             "divisor 1\t2.100 (No. 19 and smaller, s1 >= 2db, cc >= db)\n",
             "ld1\t876.19 mm (>= 300 mm, 25.4.2.1)\n",
             "ld1 <= available 1: NOT OK\n",
         })
        EXPECT_NE(text.find(line), std::string::npos) << line << "\nin\n" << text;
}
