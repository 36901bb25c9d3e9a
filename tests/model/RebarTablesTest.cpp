#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/PMClasses.h"
#include "design/RebarTables.h"

namespace {

using Items = std::vector<std::string>;

// The active table is process-wide: every test selects the one it needs.
class RebarTables : public ::testing::Test {
  protected:
    void TearDown() override { SelectRebarTable(rfUS, 0); }
};

void ExpectRelative(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, 1e-12 * expected) << "actual " << actual << " expected " << expected;
}

}  // namespace

TEST_F(RebarTables, ListItemsFollowFamilyAndUnits)
{
    struct Case {
        std::int32_t family;
        std::uint8_t units;
        Items items;
    };
    const Case cases[] = {
        {rfUS, 0, {"#3", "#4", "#5", "#6", "#7", "#8", "#9", "#10", "#11", "#14", "#18"}},
        {rfUS, 1, {"10M", "13M", "16M", "19M", "22M", "25M", "29M", "32M", "36M", "43M", "57M"}},
        {rfEuropean, 1, {"6M", "8M", "10M", "12M", "14M", "16M", "20M", "25M", "28M", "32M", "40M", "50M"}},
        {rfCanadian, 1, {"10M", "15M", "20M", "25M", "30M", "35M", "45M", "55M"}},
        // A metric family kept in English units still names its bars by millimetres.
        {rfCanadian, 0, {"10M", "15M", "20M", "25M", "30M", "35M", "45M", "55M"}},
    };
    for (const Case& c : cases) {
        SelectRebarTable(c.family, c.units);
        EXPECT_EQ(RebarSizeItems(), c.items) << "family " << c.family << " units " << int(c.units);
    }
}

TEST_F(RebarTables, BarsInEachFamilyAndUnitSystem)
{
    // Nominal sizes from ASTM A615 (US), EN 10080 (European) and CSA G30.18 (Canadian);
    // the other system is the stored value times or over 25.4 mm/in and 645.16 mm^2/in^2.
    struct Case {
        std::int32_t family;
        std::uint8_t units;
        std::int32_t designation;
        std::int32_t foundDesignation;
        double diameter, area;
    };
    const Case cases[] = {
        {rfUS, 0, 6, 6, 0.75, 0.44},
        {rfUS, 0, 9, 9, 1.128, 1.0},
        {rfUS, 0, 18, 18, 2.257, 4.0},
        {rfUS, 1, 13, 13, 12.7, 129.032},
        {rfUS, 1, 57, 57, 2.257 * 25.4, 4.0 * 645.16},
        {rfEuropean, 1, 50, 50, 50.0, 1963.0},
        {rfEuropean, 0, 25, 25, 25.0 / 25.4, 491.0 / 645.16},
        {rfCanadian, 1, 55, 55, 56.4, 2500.0},
        {rfCanadian, 0, 10, 10, 11.3 / 25.4, 100.0 / 645.16},
        // Not in the table: the smallest bar of the family.
        {rfEuropean, 1, 7, 6, 6.0, 28.3},
        {rfUS, 0, 13, 3, 0.375, 0.11},  // a metric number while the US table is in inches
        {rfUS, 1, 3, 10, 9.525, 0.11 * 645.16},
        {rfCanadian, 1, 0, 10, 11.3, 100.0},  // 0 marks the empty rows, it is not a bar
        {rfUS, 0, 0, 3, 0.375, 0.11},
    };
    for (const Case& c : cases) {
        SelectRebarTable(c.family, c.units);
        const RebarSize bar = FindRebar(c.designation);
        SCOPED_TRACE("family " + std::to_string(c.family) + " units " + std::to_string(c.units) + " bar " +
                     std::to_string(c.designation));
        EXPECT_EQ(bar.Designation, c.foundDesignation);
        ExpectRelative(bar.Diameter, c.diameter);
        ExpectRelative(bar.Area, c.area);
    }
}

TEST_F(RebarTables, EveryTableHasTwelveRowsWithEmptyRowsAllZero)
{
    for (std::int32_t family : {rfUS, rfEuropean, rfCanadian})
        for (std::uint8_t units : {0, 1}) {
            int bars = 0;
            for (const RebarSize& row : RebarTableFor(family, units)) {
                if (row.Designation != 0) {
                    ++bars;
                    continue;
                }
                EXPECT_EQ(row.MetricDesignation, 0);
                EXPECT_EQ(row.Diameter, 0);
                EXPECT_EQ(row.Area, 0);
            }
            EXPECT_EQ(bars, family == rfUS ? 11 : family == rfEuropean ? 12 : 8);
        }
}

TEST_F(RebarTables, SelectionFromTheRecord)
{
    TPMData record;
    record.Units = 1;
    record.Square.RebarFamily = rfUS;
    SelectRebarTable(record);
    EXPECT_EQ(ActiveRebarTable()[0].Designation, 10);
    EXPECT_EQ(RebarName(10), "10M");
    record.Units = 0;
    SelectRebarTable(record);
    EXPECT_EQ(RebarName(3), "#3");
    EXPECT_EQ(ActiveRebarTable(), RebarTableFor(rfUS, 0));
}

TEST_F(RebarTables, NamesOfDesignations)
{
    EXPECT_EQ(RebarName(3, rfUS, 0), "#3");
    EXPECT_EQ(RebarName(10, rfUS, 1), "10M");
    EXPECT_EQ(RebarName(10, rfCanadian, 1), "10M");
    EXPECT_EQ(RebarName(25, rfEuropean, 0), "25M");
}

TEST_F(RebarTables, ReadingItemTexts)
{
    struct Case {
        std::int32_t family;
        const char* text;
        std::int32_t designation;
    };
    const Case cases[] = {
        {rfUS, "#6", 6},
        {rfUS, "#18", 18},
        {rfEuropean, "25M", 25},
        {rfEuropean, " 10M ", 10},
        {rfEuropean, "#1M2", 12},  // every # and M goes, wherever it stands
        // Not a number, or 0: the first bar of the active table.
        {rfUS, "", 3},
        {rfUS, "abc", 3},
        {rfUS, "#0", 3},
        {rfUS, "12.5", 3},
        {rfEuropean, "M", 6},
        {rfCanadian, "99999999999", 10},
    };
    for (const Case& c : cases) {
        SelectRebarTable(c.family, c.family == rfUS ? 0 : 1);
        EXPECT_EQ(ReadRebarDesignation(c.text), c.designation) << '"' << c.text << '"';
    }
    SelectRebarTable(rfEuropean, 1);
    const Items items = RebarSizeItems();
    EXPECT_EQ(ReadRebarSizeList(items, 7), 25);
    EXPECT_EQ(ReadRebarSizeList(items, -1), 6);  // nothing selected
    EXPECT_EQ(ReadRebarSizeList({}, 0), 6);      // an emptied list
}

TEST_F(RebarTables, SelectingTheItemOfADesignation)
{
    const Items us{"#3", "#4", "#5", "#6"};
    const Items metric{"6M", "8M", "10M", "12M"};
    struct Case {
        const Items* items;
        std::int32_t designation;
        int index;
    };
    const Case cases[] = {{&us, 6, 3}, {&us, 3, 0}, {&metric, 10, 2}, {&metric, 7, 0}, {&us, 10, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(RebarItemIndex(*c.items, c.designation), c.index) << c.designation;
    EXPECT_EQ(RebarItemIndex({}, 6), -1);
}

TEST_F(RebarTables, FillingKeepsAFilledListAndTheSelectedText)
{
    SelectRebarTable(rfEuropean, 1);
    EXPECT_FALSE(FillRebarSizeItems({"#3", "#4"}, "#4").Refilled);

    const TRebarListFill keep = FillRebarSizeItems({}, "10M");
    EXPECT_TRUE(keep.Refilled);
    EXPECT_EQ(keep.Items, RebarSizeItems());
    EXPECT_EQ(keep.Selected, 2);
    EXPECT_EQ(FillRebarSizeItems({}, "#5").Selected, 0);
    EXPECT_EQ(FillRebarSizeItems({}, "").Selected, 0);
}

TEST_F(RebarTables, ChangingTheFamilyCarriesTheFirstBarOfThePreviousTable)
{
    // An emptied list reads as the first bar of the table still active, the new table is built,
    // the list refilled and the stored designation selected again.
    struct Case {
        std::int32_t from, to;
        const char* selected;
    };
    const Case cases[] = {{rfCanadian, rfEuropean, "10M"}, {rfEuropean, rfCanadian, "10M"}};
    for (const Case& c : cases) {
        SelectRebarTable(c.from, 1);
        const std::int32_t stored = ReadRebarSizeList({}, -1);
        SelectRebarTable(c.to, 1);
        const TRebarListFill fill = FillRebarSizeItems({}, "");
        const int index = RebarItemIndex(fill.Items, stored);
        ASSERT_GE(index, 0);
        EXPECT_EQ(fill.Items[static_cast<std::size_t>(index)], c.selected) << c.from << " -> " << c.to;
    }
}
