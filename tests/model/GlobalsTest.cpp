#include <gtest/gtest.h>

#include "core/Globals.h"

TEST(RoundHalfEven, TakesHalvesToTheEvenNeighbour)
{
    struct Case {
        Real in, out;
    };
    for (Case c : {Case{0.5L, 0}, {1.5L, 2}, {2.5L, 2}, {-0.5L, 0}, {-1.5L, -2}, {2.4999L, 2}, {2.5001L, 3}})
        EXPECT_EQ(RoundHalfEven(c.in), c.out) << static_cast<double>(c.in);
}

TEST(ValidExtremes, SkipNaNAndGiveNaNWhenNothingCounts)
{
    EXPECT_EQ(MinValid({3, NaN(), 2}), 2);
    EXPECT_EQ(MaxValid({3, NaN(), 2}), 3);
    EXPECT_TRUE(IsNaN(MinValid({NaN(), NaN()})));
    EXPECT_TRUE(IsNaN(MaxValid({})));
}

TEST(CheckedDiv, RaisesTheFloatingPointMessages)
{
    EXPECT_EQ(CheckedDiv(6, 3), 2);
    try {
        CheckedDiv(1, 0);
        FAIL();
    } catch (const EPelmarkError& e) {
        EXPECT_STREQ(e.what(), "Floating point division by zero");
    }
    try {
        CheckedDiv(0, 0);
        FAIL();
    } catch (const EPelmarkError& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
}

TEST(RoundDecimals, RoundsAtTheDecimalWithHalvesToEven)
{
    EXPECT_EQ(RoundDecimals(2.125L, 2), 2.12L);  // 2.125 is exact in binary: a true half
    EXPECT_EQ(RoundDecimals(2.375L, 2), 2.38L);
    EXPECT_EQ(RoundDecimals(-1.5L, 0), -2);
    EXPECT_EQ(RoundDecimals(1.2345678L, 6), 1.234568L);
}
