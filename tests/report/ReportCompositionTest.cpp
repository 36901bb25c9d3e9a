// The report's operation stream over the recording engine. Expected operations follow the
// composition rules of each section (tab sets in inches, fonts, texts, colours, page breaks);
// positions are worked out by hand with the recording engine's widths (half an em a character:
// a 10-point character is 10/144 inch).
#include "ReportTestSupport.h"
#include "report/PrintChoice.h"

namespace {

struct TUnitsCase {
    const char* Name;
    bool SI;
    const char* Width;  // B as shown: 2 decimals and the unit label
    const char* Angle;  // phi as shown: 1 decimal
};

class ReportUnits : public ::testing::TestWithParam<TUnitsCase> {};

TEST_P(ReportUnits, TitleBlockPrintsTheProjectTextsInBoldBesideTheirCaptions)
{
    const QStringList ops = RecordReport(LoadExample(GetParam().SI), kPrintAll);
    EXPECT_TRUE(Consecutive(
        ops, {"SetFont Arial 16", "Bold on", "PrintCenter \"Pelmark Analysis\" 4.00", "NewLine", "NewLine",
              "ClearTabs", "SetFont Arial 10", "SetTab 1.00 1.00 left", "SetTab 2.00 2.00 left",
              "PrintTab \"Organization: \"", "Bold on", "PrintTab \"Korvane Engineering\"", "Bold off",
              "NewLine", "PrintTab \"Project Name: \""}));
    // Bold is still on from the title for the first caption only.
    EXPECT_EQ(Drawn(ops, "Organization: ").Style, "bold");
    EXPECT_EQ(Drawn(ops, "Project Name: ").Style, "regular");
    EXPECT_TRUE(InOrder(ops, {"PrintTab \"Job #: \"", "PrintTab \"2026-014\"", "PrintTab \"Design by: \"",
                              "PrintTab \"Example\"", "PrintTab \"Date: \""}));
}

TEST_P(ReportUnits, BearingSectionPrintsInputsAndResultsInItsTabSets)
{
    const TUnitsCase& c = GetParam();
    const QStringList ops = RecordReport(LoadExample(c.SI), kPrintAll);
    EXPECT_TRUE(InOrder(ops, {"SetFont Arial 12",
                              "Bold on",
                              "Print \"Bearing Capacity\"",
                              "NewLine",
                              "NewLine",
                              "SetFont Arial 10",
                              "SetTab 1.00 1.00 left",
                              "SetTab 2.00 1.00 left",
                              "PrintTab \"Ftng. Shape: \"",
                              "Bold on",
                              "PrintTab \"Square\"",
                              "Bold off",
                              "ClearTabs",
                              "SetTab 1.00 1.50 left",
                              "SetTab 2.50 1.00 right",
                              "SetTab 4.00 1.50 left",
                              "SetTab 5.50 1.00 right",
                              "Bold on",
                              "PrintTab \"Variable\"",
                              "PrintTab \"Value\"",
                              "PrintTab \"Variable\"",
                              "PrintTab \"Value\"",
                              "Bold off",
                              "NewLine",
                              "PrintTab \"Ftng. Width (B)\"",
                              QString("PrintTab \"%1\"").arg(c.Width),
                              "PrintTab \"Frict. Angle (phi)\"",
                              QString("PrintTab \"%1\"").arg(c.Angle)}));
    // Right-justified in the tab 2.5 to 3.5: x = 3.5 - characters x 10/144.
    const QString width = c.Width;
    EXPECT_NEAR(Drawn(ops, width).X, 3.5 - width.size() * 10.0 / 144, 0.006);
    EXPECT_TRUE(InOrder(ops, {"Print \"Results\"", "SetTab 1.00 0.20 left", "SetTab 1.20 0.70 center",
                              "SetTab 1.90 0.70 center", "SetTab 3.10 2.10 left", "SetTab 5.20 0.70 center",
                              "SetTab 5.90 0.70 center", "SetTab 6.60 0.40 left", "PrintTab \"Terzaghi\"",
                              "PrintTab \"Vesic\"", "PrintTab \"Nc\"",
                              "PrintTab \"Ultimate Bearing Capacity (q ult)\"", "PrintTab \"Nq\"",
                              "PrintTab \"Allowable Bearing Capacity (q all)\"", "PrintTab \"Ny\"",
                              "PrintTab \"Allowable Column Load (P)\""}));
    // The section drawing spans the 6.5-inch body at 200 pixels an inch.
    const int image = ops.indexOf(QRegularExpression("^Image BMP 1\\.00 .*"));
    ASSERT_GE(image, 0);
    EXPECT_TRUE(ops[image + 1].startsWith("Picture 1300x"));
}

TEST_P(ReportUnits, StabilityListingContinuesInTheRightHandPairFromRow19)
{
    const QStringList ops = RecordReport(LoadExample(GetParam().SI), kPrintAll);
    const int listing = ops.indexOf("Print \"Total Resultant Load and Eccentricities\"");
    ASSERT_GE(listing, 0);
    // Row 18 is the blank after the uplift check, row 19 the "Sliding Check" heading.
    EXPECT_TRUE(
        InOrder(ops,
                {"Print \"FS(uplift)\"", "NewLine", "Print \"\"", "NewLine", "ClearTabs",
                 "SetTab 4.00 1.50 left", "SetTab 5.50 2.00 left", "Bold on", "Print \"Sliding Check\"",
                 "PrintTab \"\"", "Bold off", "NewLine", "Print \"Sum(Hx(D)Resist)\""},
                listing));
    const TDrawn first = Drawn(ops, "Total Resultant Load and Eccentricities");
    const TDrawn second = Drawn(ops, "Sliding Check");
    EXPECT_DOUBLE_EQ(first.X, 1.00);
    EXPECT_EQ(first.Style, "bold");
    EXPECT_DOUBLE_EQ(second.X, 4.00);
    EXPECT_DOUBLE_EQ(second.Y, first.Y);
    EXPECT_DOUBLE_EQ(Drawn(ops, "Sum(Pz)").X, 1.00);
    EXPECT_DOUBLE_EQ(Drawn(ops, "Sum(Hx(D)Resist)").X, 4.00);
    // Then the bearing plan, framed on its outline.
    const QStringList ops2 = WithoutDrawing(ops);
    const int plan = ops2.indexOf(QRegularExpression("^Image BMP .*"), ops2.indexOf("Print \"%Brg. Area\""));
    ASSERT_GE(plan, 0);
    EXPECT_EQ(ops2[plan].mid(QString("Image BMP").size()), ops2[plan + 1].mid(QString("Rectangle").size()));
}

TEST_P(ReportUnits, EverySectionStartsOnItsPageAndEveryPageHasItsFooter)
{
    const QStringList ops = RecordReport(LoadExample(GetParam().SI), kPrintAll);
    EXPECT_TRUE(InOrder(ops, {"Page 1", "Print \"Bearing Capacity\"", "NewPage",
                              "Print \"Stability Analysis\"", "NewPage", "Print \"Square Reinforcement\"",
                              "NewPage", "Print \"Continuous Reinforcement\"", "NewPage",
                              "Print \"Stem Wall and Footing Design\"", "Print \"References:\""}));
    const int pages = ops.filter(QRegularExpression("^Page \\d+$")).size();
    EXPECT_GE(pages, 5);
    EXPECT_EQ(ops.count("PrintFooter \"  www.korvane.com\" left"), pages);
    for (int page = 1; page <= pages; ++page)
        EXPECT_EQ(ops.count(QString("PrintFooter \"%1  \" right").arg(page)), 1) << page;
    // The footer follows the page's body: page 2's number comes before page 3 begins.
    if (pages >= 3)
        EXPECT_LT(ops.indexOf("PrintFooter \"2  \" right"), ops.indexOf("Page 3"));
}

TEST_P(ReportUnits, ContinuousSectionsPrintCombinationsAndTheirChecks)
{
    const QStringList ops = RecordReport(LoadExample(GetParam().SI), kPrintAll);
    EXPECT_TRUE(InOrder(ops, {"Print \"Continuous Reinforcement\"",
                              "SetTab 1.00 1.80 left",
                              "SetTab 2.80 1.00 right",
                              "SetTab 4.20 1.80 left",
                              "SetTab 6.00 1.00 right",
                              "PrintTab \"Concrete Strength (f'c)\"",
                              "Bold on",
                              "PrintTab \"Geotechnical Properties\"",
                              "Bold off",
                              "Print \"Loading (input service level)\"",
                              "SetTab 1.00 1.50 left",
                              "SetTab 2.40 0.80 right",
                              "SetTab 3.30 1.50 left",
                              "SetTab 4.70 0.80 right",
                              "SetTab 5.60 1.50 left",
                              "SetTab 7.00 0.80 right",
                              "PrintTab \"Axial LL (Pll)\"",
                              "Print \"Results\"",
                              "SetTab 1.00 1.50 left",
                              "SetTab 2.50 1.00 center",
                              "SetTab 3.50 1.00 center",
                              "SetTab 4.50 1.00 center",
                              "SetTab 5.60 1.00 left",
                              "PrintTab \"Sliding Check\"",
                              "PrintTab \"LC1: Wind\"",
                              "PrintTab \"LC2: Seismic\"",
                              "PrintTab \"LC3: General\"",
                              "PrintTab \"Resisting Forces\"",
                              "PrintTab \"Overturning Check\"",
                              "PrintTab \"Eccentricity\""}));
    EXPECT_TRUE(InOrder(ops, {"Print \"Stem Wall and Footing Design\"",
                              "SetTab 1.00 2.20 left",
                              "SetTab 3.20 1.20 center",
                              "SetTab 4.40 1.20 center",
                              "SetTab 5.60 1.20 center",
                              "PrintTab \"Rebar Size\"",
                              "PrintTab \"Horizontal\"",
                              "PrintTab \"Footing\"",
                              "PrintTab \"Shrinkage and Temperature Steel\"",
                              "Print \"Results\"",
                              "SetTab 1.00 2.30 left",
                              "SetTab 3.20 0.80 right",
                              "SetTab 4.20 2.30 left",
                              "SetTab 6.50 1.00 right",
                              "PrintTab \"Vertical\"",
                              "SaveTabs 1",
                              "SaveTabs 2",
                              "RestoreTabs 1",
                              "PrintTab \"Horizontal\"",
                              "RestoreTabs 2",
                              "PrintTab \"Deflection\"",
                              "RestoreTabs 1",
                              "PrintTab \"Footing Design\"",
                              "RestoreTabs 2",
                              "PrintTab \"Bearing Check\"",
                              "PrintTab \"Toe Baearing Pressure\""}));
}

INSTANTIATE_TEST_SUITE_P(Examples, ReportUnits,
                         ::testing::Values(TUnitsCase{"English", false, "8.00 ft", "30.0 deg"},
                                           TUnitsCase{"SI", true, "2.40 m", "30.0 deg"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ReportSquareSection, LoadCombinationTableIsCentredAndTheLineHeightGrowsByFourTenths)
{
    const QStringList ops = RecordReport(LoadExample(false), kPrintAll);
    // (8.5 - 5) / 2 = 1.75; the line height of 10 points, 10 x 1.2 / 72 = 0.1667, times 1.4 = 0.23.
    EXPECT_TRUE(InOrder(ops, {"Print \"Square Reinforcement\"", "SetTab 1.75 3.00 left",
                              "SetTab 4.75 1.00 center", "SetTab 5.75 1.00 center", "PrintTab \"Primary\"",
                              "PrintTab \"Load combination\"", "PrintTab \"Equation\"", "PrintTab \"load\"",
                              "LineHeight 0.23", "PrintTab \"(5.3.1a)\"", "Italic on", "PrintTab \"D\"",
                              "Italic off", "PrintTab \"(5.3.1g)\""}));
    EXPECT_TRUE(InOrder(ops, {"SetTab 1.00 1.90 left",
                              "SetTab 2.90 0.70 center",
                              "SetTab 3.60 0.70 center",
                              "SetTab 4.35 0.40 left",
                              "SetTab 4.90 1.30 left",
                              "SetTab 6.20 0.90 left",
                              "PrintTab \"Parallel to\"",
                              "PrintTab \"Dim 1\"",
                              "PrintTab \"Dim 2\"",
                              "PrintTab \"Eff. Depth for Rebar\"",
                              "PrintTab \"Ultimate Shear\"",
                              "PrintTab \"Reinforcement Ratio\"",
                              "PrintTab \"Dimension 1\"",
                              "PrintTab \"Steel Area (As)\"",
                              "PrintTab \"Minimum Steel (As min)\"",
                              "PrintTab \"Dimension 2\"",
                              "PrintTab \"Rebar Spacing\"",
                              "PrintTab \"Design Moment\"",
                              "PrintTab \"Ultimate Moment\"",
                              "PrintTab \"Design Shear\"",
                              "PrintTab \"Ultimate Punching Shear\"",
                              "PrintTab \"Development Length (ld)\""}));
}

TEST(ReportSquareSection, RowsTheModelAddsPrintInTheSameTabLayout)
{
    const TPMData record = LoadExample(false);
    TDisplayModel model = BuildDisplayModel(record);
    auto* section = const_cast<TDisplaySection*>(model.FindSection("pnlSquareResults"));
    ASSERT_NE(section, nullptr);
    section->Rows.push_back({"Two-Way Shear",
                             "kip",
                             "",
                             {{"EditTW1", "12.34", TVerdict::Fail}, {"EditTW2", "56.78", TVerdict::Pass}},
                             true});
    const QStringList ops = RecordReport(record, kPrintAll, model);
    EXPECT_TRUE(Consecutive(ops, {"PrintTab \"Two-Way Shear\"", "FontColor 255", "PrintTab \"12.34\"",
                                  "FontColor 0", "PrintTab \"56.78\"", "PrintTab \"kip\""}));
    EXPECT_DOUBLE_EQ(Drawn(ops, "Two-Way Shear").X, 1.00);
    // Centred in 3.6 to 4.3: 3.6 + (0.7 - 5 x 10/144) / 2 = 3.7764.
    EXPECT_NEAR(Drawn(ops, "56.78").X, 3.7764, 0.006);
    EXPECT_EQ(Drawn(ops, "12.34").Color, 255);
    EXPECT_EQ(Drawn(ops, "56.78").Color, 0);
}

TEST(ReportColours, AFailingVerdictPrintsRedAndOnlyThatValue)
{
    const TPMData record = LoadExample(false);
    TDisplayModel model = BuildDisplayModel(record);
    for (auto* column : {&model.Inputs, &model.Results})
        for (TDisplaySection& section : *column)
            for (TDisplayRow& row : section.Rows)
                for (TDisplayCell& cell : row.Cells)
                    cell.Verdict = cell.Control == "Edit81" ? TVerdict::Fail : TVerdict::Pass;
    const QStringList all = RecordReport(record, kPrintAll, model);
    EXPECT_EQ(all.filter(" color 255 ").size(), 1);
    const QStringList ops = WithoutDrawing(all);
    EXPECT_EQ(ops.count("FontColor 255"), 1);
    const int red = ops.indexOf("FontColor 255");
    ASSERT_GE(red, 1);
    EXPECT_EQ(ops[red - 1], "PrintTab \"Ultimate Moment\"");
    EXPECT_TRUE(ops[red + 1].startsWith("PrintTab \""));
    EXPECT_EQ(ops[red + 2], "FontColor 0");
    const QString value = ops[red + 1].mid(10).chopped(1);
    EXPECT_EQ(Drawn(all, value, all.indexOf("PrintTab \"Ultimate Moment\"")).Color, 255);
}

TEST(ReportColours, NotApplicableTextsPrintAsTheModelShowsThem)
{
    TPMData record = LoadExample(false);
    TDisplayModel model = BuildDisplayModel(record);
    auto* section = const_cast<TDisplaySection*>(model.FindSection("pnlStabilityResults"));
    ASSERT_NE(section, nullptr);
    for (TDisplayRow& row : section->Rows)
        for (TDisplayCell& cell : row.Cells)
            if (cell.Control == "Edit101")
                cell = {"Edit101", "N.A.", TVerdict::Fail};
    const QStringList ops = RecordReport(record, kPrintAll, model);
    EXPECT_TRUE(Consecutive(ops, {"PrintTab \"Uplift, FS(uplift)\"", "FontColor 255", "PrintTab \"N.A.\""}));
}

}  // namespace
