#include <gtest/gtest.h>

#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "core/Units.h"

namespace {

// Each test starts in English with the point as decimal separator and restores that.
class UnitsTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        SetNumberSeparators('.', ',');
        ActivateInputLimits(usEnglish);
    }
    void TearDown() override { SetUp(); }
};

TEST_F(UnitsTest, UnitValuePicksBySystemThroughDouble)
{
    TPMData data;
    EXPECT_EQ(data.UnitValue(200000, 29000), 29000);
    data.SetUnitSystem(usSI);
    EXPECT_EQ(data.UnitValue(200000, 29000), 200000);
    // 0.45 comes back as the double nearest to 0.45, not the extended one.
    EXPECT_EQ(data.UnitValue(0.45L, 1.5L), static_cast<Real>(0.45));
    EXPECT_NE(data.UnitValue(0.45L, 1.5L), 0.45L);
}

TEST_F(UnitsTest, TablesDifferOnlyAtCohesionAndUnitWeight)
{
    const auto& en = EnglishInputLimits();
    const auto& si = SIInputLimits();
    for (int tag = 1; tag <= kInputTagCount; ++tag) {
        EXPECT_EQ(en[tag].Decimals, si[tag].Decimals) << tag;
        if (tag != 4 && tag != 6) {
            EXPECT_EQ(en[tag].Min, si[tag].Min) << tag;
            EXPECT_EQ(en[tag].Max, si[tag].Max) << tag;
        }
    }
    EXPECT_EQ(en[4].Max, 1200);
    EXPECT_EQ(si[4].Max, 200);
    EXPECT_EQ(en[6].Min, 90);
    EXPECT_EQ(si[6].Max, 25);
}

TEST_F(UnitsTest, DecimalsByTag)
{
    struct Case {
        int tag, decimals;
    };
    for (Case c : {Case{11, 0}, {29, 0}, {74, 0}, {38, 0}, {17, 0}, {28, 1}, {42, 1}, {75, 1},
                   {4, 1},      {6, 1},  {8, 1},  {23, 3}, {26, 3}, {41, 3}, {77, 3}, {40, 4},
                   {1, 2},      {7, 2},  {10, 2}, {27, 2}, {73, 2}, {76, 2}, {0, 2},  {78, 2}})
        EXPECT_EQ(InputDecimals(c.tag), c.decimals) << "tag " << c.tag;
}

TEST_F(UnitsTest, FormatInputClampsTheTextOnly)
{
    EXPECT_EQ(FormatInput(115, 6), "115.0");
    EXPECT_EQ(FormatInput(2.5, 1), "2.50");
    EXPECT_EQ(FormatInput(NaN(), 6), "N.A.");
    EXPECT_EQ(FormatInput(1.23456, 0), "1.23");  // no entry: 2 decimals, no clamping
    EXPECT_EQ(FormatInput(1.23456, 99), "1.23");
    EXPECT_EQ(FormatInput(-0.001, 1), "0.00");  // no "-0.00"
    EXPECT_EQ(FormatInput(1234567.5, 40), "1234567.5000");
    // A 400-digit value typed into an edit without bounds is shown whole, rounded to 10 digits.
    EXPECT_EQ(FormatInput(-1.2345678912e400L, 1), "-1234567891" + std::string(391, '0') + ".00");
    EXPECT_EQ(FormatInput(98765432109876543210.0L, 1), "98765432110000000000.00");
    ActivateInputLimits(usSI);
    EXPECT_EQ(FormatInput(115, 6), "25.0");
    SetNumberSeparators(',', '.');
    EXPECT_EQ(FormatInput(2.5, 1), "2,50");
}

TEST_F(UnitsTest, ParseInputWithPointSeparator)
{
    EXPECT_EQ(ParseInput("1,250.5", 1), 1250.5L);
    EXPECT_EQ(ParseInput("1,250.5", 4), 1200);  // English cohesion maximum
    EXPECT_EQ(ParseInput("abc", 8), 3);         // 0, clamped up to the minimum
    EXPECT_EQ(ParseInput("abc", 7), 0);
    EXPECT_EQ(ParseInput("", 8), 3);
    EXPECT_EQ(ParseInput("0.5", 1, 1, 50), 1);  // explicit bounds replace the table
    EXPECT_EQ(ParseInput("60", 1, 1, 50), 50);
    EXPECT_EQ(ParseInput("2000", 4, 1, 5000), 2000);  // table bound of tag 4 not applied
    EXPECT_EQ(ParseInput("-3.25", 0), -3.25L);
    EXPECT_EQ(ParseInput("1.5.2", 0), 0);
    EXPECT_EQ(ParseInput("1,5", 0), 15);  // the thousands separator is removed anywhere
}

TEST_F(UnitsTest, ParseInputWithCommaSeparator)
{
    SetNumberSeparators(',', '.');
    EXPECT_EQ(ParseInput("1.250,5", 1), 1250.5L);
    EXPECT_EQ(ParseInput("2,75", 0), 2.75L);
    EXPECT_EQ(ParseInput("2.75", 0), 275);  // the point is the thousands separator here
}

TEST_F(UnitsTest, SwitchingSystemsClampsInsteadOfConverting)
{
    // Show-then-read of a soil unit weight across switches: 18 -> 90 in English, then 25 in SI.
    auto showAndRead = [](Real v) { return ParseInput(FormatInput(v, 6), 6); };
    Real gamma = 18;
    ActivateInputLimits(usEnglish);
    gamma = showAndRead(gamma);
    EXPECT_EQ(gamma, 90);
    ActivateInputLimits(usSI);
    gamma = showAndRead(gamma);
    EXPECT_EQ(gamma, 25);
    ActivateInputLimits(usEnglish);
    EXPECT_EQ(showAndRead(gamma), 90);
    EXPECT_EQ(ParseInput(FormatInput(1000, 4), 4), 1000);
    ActivateInputLimits(usSI);
    EXPECT_EQ(ParseInput(FormatInput(1000, 4), 4), 200);
}

TEST_F(UnitsTest, LabelsFollowTheSystem)
{
    EXPECT_STREQ(UnitText(TUnitKind::UnitWeight, usEnglish), "pcf");
    EXPECT_STREQ(UnitText(TUnitKind::UnitWeight, usSI), "kN/m^3");
    EXPECT_STREQ(UnitText(TUnitKind::CohesionGeo, usSI), "kN/m2");
    EXPECT_STREQ(UnitText(TUnitKind::LineMoment, usEnglish), "lb-ft/ft");
    EXPECT_STREQ(UnitText(TUnitKind::Angle, usSI), "deg");
}

}  // namespace
