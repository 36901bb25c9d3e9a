// The rows of the square footing's ACI 318-19 checks and the wall's minimum reinforcement: each
// carries the model's value, the row's unit and the check's verdict.
#include <gtest/gtest.h>

#include <functional>

#include "core/PMClasses.h"
#include "core/Units.h"
#include "design/RebarTables.h"
#include "display/DisplayModel.h"

namespace {

const std::string kEnglishExample = std::string(PELMARK_BIN_DIR) + "/Example English Units.kpm";

// The square footing of the worked example: 96 in square under a 16 in column, 24 in thick, 3 in
// cover, ten #6 each way, D = 150 kips, L = 100 kips, f'c = 4 ksi, Fy = 60 ksi.
TPMData SquareExample(const std::function<void(TSquareFootingData&)>& change = {})
{
    TPMData d;
    d.LoadProject(kEnglishExample);
    d.SetUnitSystem(usEnglish);
    TSquareFootingData& q = d.Square;
    q.UseSquareReinforcement = 1;
    q.RebarFamily = rfUS;
    q.FootingBarSize = 6;
    q.FootingDim1 = q.FootingDim2 = 96;
    q.ColumnDim1 = q.ColumnDim2 = 16;
    q.FootingThickness = 24;
    q.ClearCover = 3;
    q.AxialDeadLoad = 150;
    q.AxialLiveLoad = 100;
    q.Fc = 4;
    q.Fy = 60;
    q.NumBars1 = q.NumBars2 = 10;
    if (change)
        change(q);
    SelectRebarTable(d);
    d.ComputeAll();
    return d;
}

const TDisplaySection& Section(const TDisplayModel& model, const char* name)
{
    const TDisplaySection* section = model.FindSection(name);
    if (!section)
        throw std::runtime_error(std::string("no section ") + name);
    return *section;
}

const TDisplayRow& RowOf(const TDisplayModel& model, const std::string& control)
{
    for (const TDisplaySection& section : model.Results)
        for (const TDisplayRow& row : section.Rows)
            if (row.Control == control || (!row.Cells.empty() && row.Cells[0].Control == control))
                return row;
    throw std::runtime_error("no row " + control);
}

TEST(DesignRowsTest, SquareFootingRowsShowTheWorkedExample)
{
    ActivateInputLimits(usEnglish);
    const TDisplayModel model = BuildDisplayModel(SquareExample());
    // Hand calculation (ACI 318-19): d1 = 24 - 3 - 0.375 = 20.625 in, d2 = 19.875 in.
    // One-way shear 22.5.5.1(c): 0.75 x 8 x (4.4 / (96 x 20.625))^(1/3) x sqrt(4000) x 96 x 20.625
    //   / 1000 = 98.049 kips.
    // As = 10 x 0.44 = 4.400 in^2 >= AsMin = 0.0018 x 96 x 24 = 4.147 in^2.
    // Two-way shear 22.6: d = 20.25 in, bo = 4 x (16 + 20.25) = 145 in, beta = 1, 40 d / bo = 5.59,
    //   vc = 4 sqrt(4000) = 252.98 psi, phiVc = 0.75 x 252.98 x 145 x 20.25 / 1000 = 557.11 kips;
    //   qu = (1.2 x (150 + 19.2) + 1.6 x 100) / 64 = 5.6725 ksf,
    //   Vu = 5.6725 x (96^2 - 36.25^2) / 144 = 311.28 kips.
    // Bearing 22.8.3.2: Pu = 1.2 x 150 + 1.6 x 100 = 340 kips, phiBn = 0.65 x 0.85 x 4 x 16^2 = 565.76.
    // Development 25.4.2.3: ld = 60000 / (25 x sqrt(4000)) x 0.75 = 28.46 in (clear spacing 9.17 in
    //   >= 2 db, cover 3 in >= db); available (96 - 16) / 2 - 3 = 37 in.
    struct TExpected {
        const char* Control;
        const char* Text;
        const char* Unit;
        TVerdict Verdict;
    };
    const TExpected rows[] = {
        {"Edit83", "98.05", "kip", TVerdict::NotApplicable},
        {"Edit_SQR1", "4.400", "in^2", TVerdict::Pass},
        {"Edit_SQR3", "4.147", "in^2", TVerdict::NotApplicable},
        {"Edit_SQR5", "145.00", "in", TVerdict::NotApplicable},
        {"Edit_SQR6", "557.11", "kip", TVerdict::NotApplicable},
        {"Edit_SQR7", "311.28", "kip", TVerdict::Pass},
        {"Edit_SQR8", "340.00", "kip", TVerdict::Pass},
        {"Edit_SQR9", "565.76", "kip", TVerdict::NotApplicable},
        {"Edit_SQR10", "28.46", "in", TVerdict::Pass},
        {"Edit_SQR12", "37.00", "in", TVerdict::NotApplicable},
    };
    for (const TExpected& e : rows) {
        SCOPED_TRACE(e.Control);
        const TDisplayRow& row = RowOf(model, e.Control);
        EXPECT_EQ(row.Cells[0].Text, e.Text);
        EXPECT_EQ(row.Unit, e.Unit);
        EXPECT_EQ(row.Cells[0].Verdict, e.Verdict);
    }
    EXPECT_FALSE(RowOf(model, "lblPunchingBeyondEdge").Visible);
}

// Each check fails in its own row when the footing is changed to fail it.
TEST(DesignRowsTest, FailingChecksShowInTheirRows)
{
    ActivateInputLimits(usEnglish);
    struct TCase {
        const char* Name;
        std::function<void(TSquareFootingData&)> Change;
        const char* Control;  // the row whose verdict fails
        const char* Passing;  // a row of the other direction or check that still passes
    };
    const TCase cases[] = {
        // 9 #6 = 3.96 in^2 < 4.147 in^2 in direction 1 only.
        {"minimum steel", [](TSquareFootingData& q) { q.NumBars1 = 9; }, "Edit_SQR1", "Edit_SQR2"},
        // Pu = 1.2 x 400 + 1.6 x 100 = 640 kips > 565.76; the bars still develop.
        {"bearing", [](TSquareFootingData& q) { q.AxialDeadLoad = 400; }, "Edit_SQR8", "Edit_SQR10"},
        // 10 in thick: d = 6.25 in, bo = 89 in, phiVc = 0.75 x 252.98 x 89 x 6.25 / 1000 = 105.5 kips
        // against Vu = 5.6725 x (9216 - 22.25^2) / 144, about 344 kips.
        {"punching", [](TSquareFootingData& q) { q.FootingThickness = 10; }, "Edit_SQR7", "Edit_SQR8"},
        // 64 x 96 in: available (64 - 16) / 2 - 3 = 21 in < 28.46 in along dimension 1 only.
        {"development", [](TSquareFootingData& q) { q.FootingDim1 = 64; }, "Edit_SQR10", "Edit_SQR11"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TDisplayModel model = BuildDisplayModel(SquareExample(c.Change));
        const auto verdict = [&](const std::string& control) {
            for (const TDisplaySection& section : model.Results)
                for (const TDisplayRow& row : section.Rows)
                    for (const TDisplayCell& cell : row.Cells)
                        if (cell.Control == control)
                            return cell.Verdict;
            throw std::runtime_error("no cell " + control);
        };
        EXPECT_EQ(verdict(c.Control), TVerdict::Fail);
        EXPECT_EQ(verdict(c.Passing), TVerdict::Pass);
    }
}

// A column wider than the footing less d puts the punching section beyond the edges: VuPunch = 0,
// the check passes and the note shows.
TEST(DesignRowsTest, PunchingBeyondTheEdgeShowsItsNote)
{
    ActivateInputLimits(usEnglish);
    const TDisplayModel model =
        BuildDisplayModel(SquareExample([](TSquareFootingData& q) { q.ColumnDim1 = q.ColumnDim2 = 80; }));
    EXPECT_EQ(RowOf(model, "Edit_SQR7").Cells[0].Text, "0.00");
    EXPECT_EQ(RowOf(model, "Edit_SQR7").Cells[0].Verdict, TVerdict::Pass);
    const TDisplayRow& note = RowOf(model, "lblPunchingBeyondEdge");
    EXPECT_TRUE(note.Visible);
    EXPECT_EQ(note.Caption, "Punching section beyond edge of footing, OK");
    EXPECT_TRUE(Section(model, "pnlSquareResults").Visible);
}

// The wall's minimum reinforcement (ACI 318-19 Table 11.6.1): #5 bars at Fy = 60 ksi need 0.12 %
// vertical and 0.20 % horizontal, #6 bars 0.15 % and 0.25 %.
TEST(DesignRowsTest, WallMinimumReinforcementVerdicts)
{
    ActivateInputLimits(usEnglish);
    struct TCase {
        int Bar;
        Real RhoVert, RhoHor;
        TVerdict Vertical, Horizontal;
    };
    const TCase cases[] = {
        {5, 0.13L, 0.21L, TVerdict::Pass, TVerdict::Pass},
        {5, 0.11L, 0.19L, TVerdict::Fail, TVerdict::Fail},
        {6, 0.14L, 0.24L, TVerdict::Fail, TVerdict::Fail},
        {6, 0.16L, 0.26L, TVerdict::Pass, TVerdict::Pass},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Bar);
        TPMData d;
        d.LoadProject(kEnglishExample);
        d.SetUnitSystem(usEnglish);
        SelectRebarTable(d);
        d.ComputeAll();
        d.Continuous.Fy = 60;
        d.Continuous.StemWall.VertBarSize = d.Continuous.StemWall.HorBarSize = c.Bar;
        d.Continuous.StemWall.RhoVert = c.RhoVert;
        d.Continuous.StemWall.RhoHor = c.RhoHor;
        const TDisplayModel model = BuildDisplayModel(d);
        EXPECT_EQ(RowOf(model, "Edit_CRR10").Cells[0].Verdict, c.Vertical);
        EXPECT_EQ(RowOf(model, "Edit_CRR19").Cells[0].Verdict, c.Horizontal);
    }
}

// The kern hint names the record's own limit and length unit.
TEST(DesignRowsTest, KernHintFollowsTheUnits)
{
    TPMData d;
    d.LoadProject(kEnglishExample);
    d.SetUnitSystem(usEnglish);
    SelectRebarTable(d);
    d.ComputeAll();
    d.Continuous.W = 6;  // W / 6 = 1 ft
    EXPECT_EQ(RowOf(BuildDisplayModel(d), "Edit_CRR1_8").Hint,
              "Service loads, e = Ms / Ps; within kern if |e| < 1.00 ft");
    d.Units = usSI;
    d.Continuous.W = 1.5L;  // 0.25 m
    EXPECT_EQ(RowOf(BuildDisplayModel(d), "Edit_CRR1_8").Hint,
              "Service loads, e = Ms / Ps; within kern if |e| < 0.25 m");
}

}  // namespace
