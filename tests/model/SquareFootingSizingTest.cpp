// Sizing the isolated footing: the smallest plan, then thickness, then bars that pass every check.
#include <gtest/gtest.h>

#include <cmath>

#include "core/PMClasses.h"
#include "design/SquareFootingChecks.h"
#include "design/SquareFootingSizing.h"

namespace {

// English units: 16 in column, D = 150 kips, L = 100 kips, f'c = 4 ksi, Fy = 60 ksi, #6 bars,
// 3 in cover, allowable net bearing 4 ksf.
TPMData ColumnFooting()
{
    TPMData r;
    r.Units = 0;
    r.Shape = shSquare;
    TSquareFootingData& q = r.Square;
    q.UseSquareReinforcement = 1;
    q.RebarFamily = 0;
    q.FootingBarSize = 6;
    q.ColumnDim1 = q.ColumnDim2 = 16;
    q.ClearCover = 3;
    q.AxialDeadLoad = 150;
    q.AxialLiveLoad = 100;
    q.Fc = 4;
    q.Fy = 60;
    r.AllowNetBearing = 4;
    return r;
}

bool Passes(TPMData r, Real b1, Real b2, Real t, int n1, int n2)
{
    TSizingResult size;
    size.B1 = b1, size.B2 = b2, size.Thickness = t, size.Bars1 = n1, size.Bars2 = n2;
    ApplySquareFootingSize(r, size);
    r.SquareFootingDesign();
    return SquareFootingChecks(r).AllPass();
}

// Whether any thickness and bar count within the limits passes for a plan.
bool AnySizePasses(const TPMData& r, Real b1, Real aspect, const TSizingLimits& limits, Real maxThickness)
{
    for (Real t = limits.MinThickness; t <= maxThickness; t += limits.Step)
        for (int n1 = limits.MinBars; n1 <= limits.MaxBars; ++n1)
            for (int n2 = limits.MinBars; n2 <= limits.MaxBars; ++n2)
                if (Passes(r, b1, aspect * b1, t, n1, n2))
                    return true;
    return false;
}

TEST(SquareFootingSizing, TheSizedFootingPassesAndEverySmallerStepFails)
{
    for (Real aspect : {1.0L, 1.5L}) {
        const TPMData r = ColumnFooting();
        TSizingLimits limits = SizingLimits(r, aspect);
        limits.MaxThickness = 48;  // keeps the exhaustive check below short
        const TSizingResult size = SizeSquareFooting(r, aspect, limits);
        ASSERT_TRUE(size.Found) << size.Failing;
        EXPECT_EQ(size.B2, aspect * size.B1);
        EXPECT_EQ(std::fmod(size.B1, 1.0L), 0);
        EXPECT_TRUE(Passes(r, size.B1, size.B2, size.Thickness, size.Bars1, size.Bars2));

        // The next smaller plan fails for every thickness and bar count.
        EXPECT_FALSE(AnySizePasses(r, size.B1 - 1, aspect, limits, limits.MaxThickness)) << aspect;
        // At the chosen plan, the next thinner footing fails for every bar count, and one bar
        // fewer either way fails.
        if (size.Thickness > limits.MinThickness)
            EXPECT_FALSE(AnySizePasses(r, size.B1, aspect, limits, size.Thickness - 1)) << aspect;
        EXPECT_FALSE(Passes(r, size.B1, size.B2, size.Thickness, size.Bars1 - 1, size.Bars2));
        EXPECT_FALSE(Passes(r, size.B1, size.B2, size.Thickness, size.Bars1, size.Bars2 - 1));

        // Service pressure alone needs B1 x B2 >= 36000 in^2 / (4 - 0.0125 T ksf) (250 kips over
        // 4 ksf less the self weight of 0.15 kcf x T / 12): with T = 12 in, B1 x B2 >= 9351 in^2.
        // Every plan below that is rejected for the service pressure.
        ASSERT_EQ(size.Rejected.size(), static_cast<std::size_t>(size.B1 - limits.MinPlan));
        for (const TSizingStep& step : size.Rejected)
            if (step.B1 * step.B1 * aspect < 9351)
                EXPECT_NE(step.Failing.find("service pressure"), std::string::npos)
                    << step.B1 << " " << step.Failing;
    }
}

// With #8 bars the development length sets the plan: ld = 60000 / (20 x 63.2456) x 1.0 = 47.43 in
// (No. 7 and larger, clear spacing and cover of at least db and 2 db at the fewest bars) against
// (B1 - 16) / 2 - 3 available, so B1 >= 116.87 in; from 97 in (97^2 = 9409 >= 9351 in^2) the
// service pressure passes and every plan up to 116 in fails the development length alone.
TEST(SquareFootingSizing, DevelopmentLengthSetsThePlanOfLargeBars)
{
    TPMData r = ColumnFooting();
    r.Square.FootingBarSize = 8;
    TSizingLimits limits = SizingLimits(r, 1);
    limits.MaxThickness = 36;
    const TSizingResult size = SizeSquareFooting(r, 1, limits);
    ASSERT_TRUE(size.Found) << size.Failing;
    EXPECT_EQ(size.B1, 117);
    EXPECT_TRUE(Passes(r, size.B1, size.B2, size.Thickness, size.Bars1, size.Bars2));
    EXPECT_FALSE(AnySizePasses(r, 116, 1, limits, limits.MaxThickness));
    for (const TSizingStep& step : size.Rejected)
        if (step.B1 >= 97)
            EXPECT_NE(step.Failing.find("development length"), std::string::npos)
                << step.B1 << " " << step.Failing;
}

TEST(SquareFootingSizing, AFootingThatCannotBeMetNamesItsCheck)
{
    TPMData r = ColumnFooting();
    // 0.01 ksf cannot carry 250 kips on the largest plan of 150 ft square (22 500 ft^2 x 0.01 = 225 kips).
    r.AllowNetBearing = 0.01L;
    TSizingLimits limits = SizingLimits(r, 1);
    limits.MaxThickness = 14;
    const TSizingResult size = SizeSquareFooting(r, 1, limits);
    EXPECT_FALSE(size.Found);
    EXPECT_NE(size.Failing.find("service pressure"), std::string::npos) << size.Failing;
    EXPECT_EQ(size.Rejected.back().B1, 1800);

    r = ColumnFooting();
    r.Square.Fy = 0;
    EXPECT_FALSE(SizeSquareFooting(r).Found);
}

}  // namespace
