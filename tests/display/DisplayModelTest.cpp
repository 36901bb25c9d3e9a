// The display model: texts by tag, verdicts from the model's checks, what is visible, and that
// building it leaves the record alone.
#include <gtest/gtest.h>

#include <cmath>
#include <map>

#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "core/Units.h"
#include "design/RebarTables.h"
#include "display/DisplayModel.h"
#include "support/RecordDump.h"

namespace {

const std::string kEnglishExample = std::string(PELMARK_BIN_DIR) + "/Example English Units.kpm";

TPMData ComputedExample(const std::string& path)
{
    TPMData d;
    d.LoadProject(path);
    d.SetUnitSystem(d.Units);
    SelectRebarTable(d);
    d.ComputeAll();
    return d;
}

const TDisplayCell& Cell(const TDisplayModel& model, const std::string& control)
{
    for (const auto* column : {&model.Inputs, &model.Results})
        for (const TDisplaySection& section : *column)
            for (const TDisplayRow& row : section.Rows)
                for (const TDisplayCell& cell : row.Cells)
                    if (cell.Control == control)
                        return cell;
    throw std::runtime_error("no cell " + control);
}

const TDisplayRow& RowOf(const TDisplayModel& model, const std::string& control)
{
    for (const auto* column : {&model.Inputs, &model.Results})
        for (const TDisplaySection& section : *column)
            for (const TDisplayRow& row : section.Rows)
                for (const TDisplayCell& cell : row.Cells)
                    if (cell.Control == control)
                        return row;
    throw std::runtime_error("no row " + control);
}

class DisplayModelTest : public ::testing::Test {
  protected:
    void TearDown() override
    {
        ActivateInputLimits(usEnglish);
        SelectRebarTable(rfUS, usEnglish);
    }
};

// Every continuous result of every load combination shows its record field, found by name in the
// record's field dump (not through the display's own bindings), with the decimals the results
// display gives these rows: 1 for forces and moments, 2 for the sliding and overturning ratios,
// 3 for eccentricity and deflection, 0 for the bearing pressures.
TEST_F(DisplayModelTest, EveryLoadCombinationShowsItsOwnFieldWithTheRowsDecimals)
{
    const TPMData d = ComputedExample(kEnglishExample);
    const TDisplayModel model = BuildDisplayModel(d);
    std::map<std::string, Real> fields;
    for (const auto& [path, value] : DumpRealFields(d))
        fields[path] = value;

    struct TRow {
        int Number;  // the control Edit_CRRn_<Number>
        const char* Field;
        int Decimals;
    };
    const TRow rows[] = {
        {1, "Resisting", 1},    {2, "Driving", 1},       {3, "SlidingRatio", 2}, {4, "StabWeight", 1},
        {5, "StabMoment", 1},   {6, "OTMoment", 1},      {7, "OTSafety", 2},     {8, "Eccentricity", 3},
        {14, "Mu", 1},          {15, "Pu", 1},           {16, "Vu", 1},          {23, "Deflection", 3},
        {28, "ToePressure", 0}, {29, "HeelPressure", 0},
    };
    for (int n = 1; n <= 3; ++n) {
        for (const TRow& row : rows) {
            const std::string path = "Continuous.LoadCases[" + std::to_string(n - 1) + "]." + row.Field;
            ASSERT_TRUE(fields.count(path)) << path;
            const Real value = fields[path];
            const std::string expected = IsNaN(value) ? "N.A." : FormatFixed(value, row.Decimals);
            const std::string control = "Edit_CRR" + std::to_string(n) + "_" + std::to_string(row.Number);
            EXPECT_EQ(Cell(model, control).Text, expected) << control << " " << path;
        }
    }
}

// The figures of the shipped English example that were once missing for combinations 2 and 3.
TEST_F(DisplayModelTest, EnglishExampleShowsSeismicAndGeneralCombinations)
{
    const TDisplayModel model = BuildDisplayModel(ComputedExample(kEnglishExample));
    // The hand calculation of the English example's combinations (ContinuousExampleTest): LC2 Driving
    // 920.0 plf, sliding 1.870, overturning 1.820; LC3 Driving 962.18 plf, toe pressure 2066.9 psf.
    EXPECT_EQ(Cell(model, "Edit_CRR2_2").Text, "920.0");
    EXPECT_EQ(Cell(model, "Edit_CRR2_3").Text, "1.87");
    EXPECT_EQ(Cell(model, "Edit_CRR2_7").Text, "1.82");
    EXPECT_EQ(Cell(model, "Edit_CRR3_2").Text, "962.2");
    EXPECT_EQ(Cell(model, "Edit_CRR3_28").Text, "2067");
    EXPECT_EQ(Cell(model, "Edit_CRR3_28").Verdict, TVerdict::Pass);
}

// A resultant beyond the toe gives a negative toe pressure from the triangular formula: it fails.
TEST_F(DisplayModelTest, NegativeToePressureFails)
{
    TPMData d = ComputedExample(kEnglishExample);
    d.Continuous.LoadCases[1].ToePressure = -12;
    const TDisplayModel model = BuildDisplayModel(d);
    EXPECT_EQ(Cell(model, "Edit_CRR2_28").Text, "-12");
    EXPECT_EQ(Cell(model, "Edit_CRR2_28").Verdict, TVerdict::Fail);
    EXPECT_EQ(Cell(model, "Edit_CRR1_28").Verdict, TVerdict::Pass);
}

// Factors of safety: capped at 10 for display, passing from 1.5 on, an undefined one failing;
// corner pressures pass strictly below the allowable bearing capacity.
TEST_F(DisplayModelTest, StabilityFactorsAndCornerPressures)
{
    TPMData d = ComputedExample(kEnglishExample);
    d.Stability.FSOverturningX = 25.3L;
    d.Stability.FSOverturningY = 1.5L;
    d.Stability.FSSlidingX = 1.49L;
    d.Stability.FSSlidingY = NaN();
    d.Stability.QAllowStab = 4;
    d.Stability.P1 = 4;
    d.Stability.P2 = 3.999L;
    const TDisplayModel model = BuildDisplayModel(d);
    EXPECT_EQ(Cell(model, "Edit97").Text, "10.00");
    EXPECT_EQ(Cell(model, "Edit97").Verdict, TVerdict::Pass);
    EXPECT_EQ(Cell(model, "Edit98").Verdict, TVerdict::Pass);
    EXPECT_EQ(Cell(model, "Edit99").Text, "1.49");
    EXPECT_EQ(Cell(model, "Edit99").Verdict, TVerdict::Fail);
    EXPECT_EQ(Cell(model, "Edit100").Text, "N.A.");
    EXPECT_EQ(Cell(model, "Edit100").Verdict, TVerdict::Fail);
    EXPECT_EQ(Cell(model, "Edit105").Verdict, TVerdict::Fail);
    EXPECT_EQ(Cell(model, "Edit106").Verdict, TVerdict::Pass);
    EXPECT_EQ(Cell(model, "Edit102").Verdict, TVerdict::NotApplicable);  // bearing area is never judged
    // The greatest soil pressure is gross and net, not x and y.
    EXPECT_EQ(RowOf(model, "Edit103").ColumnTitles, (std::vector<std::string>{"Gross", "Net"}));
    EXPECT_TRUE(RowOf(model, "Edit97").ColumnTitles.empty());
}

TEST_F(DisplayModelTest, ContinuousShapeHidesStabilityAndNamesTheWallLoad)
{
    TPMData d = ComputedExample(kEnglishExample);
    d.Shape = shContinuous;
    const TDisplayModel model = BuildDisplayModel(d);
    EXPECT_FALSE(model.FindSection("pnlStabilityResults")->Visible);
    EXPECT_FALSE(model.FindSection("pnlStabilityAnalysis")->Visible);
    EXPECT_FALSE(model.BearingDiagramVisible);
    const TDisplayRow& load = RowOf(model, "Edit40");
    EXPECT_EQ(load.Caption, "Allowable Wall Load (P/b)");
    EXPECT_EQ(load.Unit, "kip/ft");

    d.Shape = shRectangle;
    d.Square.UseSquareReinforcement = 0;
    const TDisplayModel rectangle = BuildDisplayModel(d);
    EXPECT_TRUE(rectangle.FindSection("pnlStabilityResults")->Visible);
    EXPECT_FALSE(rectangle.FindSection("pnlSquareResults")->Visible);
    EXPECT_EQ(RowOf(rectangle, "Edit40").Caption, "Allowable Column Load (P)");
    EXPECT_EQ(RowOf(rectangle, "Edit40").Unit, "kip");
}

// Building the display changes nothing in the record, not even an Fy of 0.
TEST_F(DisplayModelTest, BuildingLeavesTheRecordUnchanged)
{
    TPMData d = ComputedExample(kEnglishExample);
    d.Square.Fy = 0;
    const TFieldDump before = DumpRealFields(d);
    BuildDisplayModel(d);
    const TFieldDump after = DumpRealFields(d);
    ASSERT_EQ(before.size(), after.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        const bool same =
            before[i].second == after[i].second || (IsNaN(before[i].second) && IsNaN(after[i].second));
        EXPECT_TRUE(same) << before[i].first;
    }
}

// The texts follow the record's own unit system, whatever limits table is active: SI clear cover
// shows in millimetres with the SI table's decimals, not clamped to the English range.
TEST_F(DisplayModelTest, TextsFollowTheRecordsUnits)
{
    TPMData d = ComputedExample(std::string(PELMARK_BIN_DIR) + "/Example SI Units.kpm");
    ActivateInputLimits(usEnglish);
    const TDisplayModel model = BuildDisplayModel(d);
    ActivateInputLimits(usSI);
    const TDisplayModel active = BuildDisplayModel(d);
    EXPECT_EQ(Cell(model, "Edit67").Text, Cell(active, "Edit67").Text);
    EXPECT_EQ(Cell(model, "Edit_CR6").Text, FormatInput(d.Continuous.W, 48, InputLimitsOf(usSI)));
    EXPECT_EQ(RowOf(model, "Edit_CR6").Unit, "m");
}

}  // namespace
