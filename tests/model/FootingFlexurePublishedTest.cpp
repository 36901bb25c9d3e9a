// The continuous footing's bottom-bar moment strength pinned to a published worked example:
//
//   J. K. Wight and J. G. MacGregor, Reinforced Concrete: Mechanics and Design, Example 15-2,
//   5th ed., Prentice Hall, 2009 (Example 15-2, p. 825, of the 7th ed., Pearson, 2016).
//
// The example's footing section is 134 in wide with 11 #8 bars (As = 8.69 in^2) at d = 28 in,
// f'c = 3 ksi, Fy = 60 ksi: a = 8.69 x 60 / (0.85 x 3 x 134) = 1.53 in and phi Mn = 0.9 x 8.69 x
// 60 x (28 - 1.53/2) = 1065 kip-ft. The rectangular section and its formula are those of the
// continuous footing's PhiMnFoot (per foot of wall), so the same section taken per foot must give
// 1065 / (134 / 12) = 95.37 kip-ft/ft.
#include <gtest/gtest.h>

#include "ContinuousTestRecord.h"
#include "design/FootingFlexure.h"

TEST(FootingFlexurePublishedTest, WightExample15_2SectionPerFoot)
{
    TPMData r = ContinuousTestRecord();
    TContinuousData& cd = r.Continuous;
    cd.Fc = 3;
    cd.Fy = 60;
    // d = Tf - cover - db / 2 = 31.5 - 3 - 0.5 = 28 in, the example's depth.
    cd.Tf = 31.5L;
    cd.Footing.FootCover = 3;
    cd.Footing.FootBarSize = 8;
    cd.Footing.FootSpacing = 134.0L / 11 / 12;  // 11 bars over 134 in, in ft
    FootingFlexure(r);
    EXPECT_DOUBLE_EQ(double(FootingEffectiveDepth(r)), 28.0);
    // As = 0.79 / 1.01515 = 0.77821 in^2/ft = 8.69 in^2 / 11.167 ft.
    EXPECT_NEAR(double(cd.Footing.AsFoot), 8.69 / (134.0 / 12), 1e-9);
    // Published 1065 kip-ft (rounded to 1 kip-ft, i.e. +-45 lb-ft per foot); per foot 95 373 lb-ft.
    // Exact: a/2 = 0.77821 x 60 / (1.7 x 3 x 12) = 0.76295 in;
    //   0.9 x 0.77821 x 60 x (28 - 0.76295) / 12 x 1000 = 95 382.5 lb-ft/ft.
    EXPECT_NEAR(double(cd.Footing.PhiMnFoot), 1065.0 / (134.0 / 12) * 1000, 45);
    EXPECT_NEAR(double(cd.Footing.PhiMnFoot), 95382.5, 0.1);
}
