// Which sections a print choice prints, and which choices the print menu offers.
#include "report/PrintChoice.h"
#include "ReportTestSupport.h"

namespace {

struct TChoiceCase {
    const char* Name;
    int Pedestals;
    bool Square;
    bool Continuous;
    int Choice;
    bool Bearing, Stability, SquareSection, ContinuousSection;
};

class PrintChoiceSections : public ::testing::TestWithParam<TChoiceCase> {};

TEST_P(PrintChoiceSections, PrintOnlyTheSectionsThatApply)
{
    const TChoiceCase& c = GetParam();
    TPMData record = LoadExample(false);
    record.Stability.PedestalCount = c.Pedestals;
    record.Square.UseSquareReinforcement = c.Square;
    record.Continuous.UseContinuousReinforcement = c.Continuous;
    record.ComputeAll();
    const QStringList ops = RecordReport(record, c.Choice);
    EXPECT_EQ(ops.contains("Print \"Bearing Capacity\""), c.Bearing);
    EXPECT_EQ(ops.contains("Print \"Stability Analysis\""), c.Stability);
    EXPECT_EQ(ops.contains("Print \"Square Reinforcement\""), c.SquareSection);
    EXPECT_EQ(ops.contains("Print \"Continuous Reinforcement\""), c.ContinuousSection);
    EXPECT_EQ(ops.contains("Print \"Stem Wall and Footing Design\""), c.ContinuousSection);
    EXPECT_TRUE(ops.contains("Print \"References:\""));
}

INSTANTIATE_TEST_SUITE_P(
    Choices, PrintChoiceSections,
    ::testing::Values(TChoiceCase{"AllAvailable", 1, true, true, 0, true, true, true, true},
                      TChoiceCase{"AllAvailableWithoutPedestals", 0, true, true, 0, true, false, true, true},
                      TChoiceCase{"BearingOnly", 1, true, true, 1, true, false, false, false},
                      TChoiceCase{"BearingAndStability", 1, true, true, 3, true, true, false, false},
                      TChoiceCase{"BearingAndReinforcement", 1, true, true, 5, true, false, true, true},
                      TChoiceCase{"BearingAndReinforcementNoContinuous", 1, true, false, 5, true, false, true,
                                  false},
                      TChoiceCase{"StabilityAndReinforcement", 1, true, false, 6, false, true, true, false},
                      TChoiceCase{"ReinforcementSwitchedOff", 1, false, false, 5, true, false, false, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(PrintChoiceSections, BearingAndReinforcementPutsTheSquareSectionOnANewPage)
{
    const QStringList ops = RecordReport(LoadExample(false), 5);
    EXPECT_TRUE(InOrder(ops, {"Page 1", "Print \"Bearing Capacity\"", "NewPage", "Page 2",
                              "Print \"Square Reinforcement\""}));
}

TEST(PrintChoiceSections, StabilityWithoutBearingStartsOnTheFirstPage)
{
    const QStringList ops = RecordReport(LoadExample(false), 6);
    const int head = ops.indexOf("Print \"Stability Analysis\"");
    ASSERT_GE(head, 0);
    EXPECT_FALSE(ops.mid(0, head).contains("Page 2"));
}

TEST(PrintChoiceMenu, ChoicesAreOfferedByPedestalsAndSquareReinforcement)
{
    TPMData record;
    struct TCase {
        int Pedestals;
        bool Square;
        bool Enabled[5];  // tags 0, 1, 3, 5, 6
    };
    const TCase cases[] = {{0, false, {true, true, false, false, false}},
                           {1, false, {true, true, true, false, false}},
                           {0, true, {true, true, false, true, false}},
                           {2, true, {true, true, true, true, true}}};
    for (const TCase& c : cases) {
        record.Stability.PedestalCount = c.Pedestals;
        record.Square.UseSquareReinforcement = c.Square;
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(PrintChoiceEnabled(kPrintChoiceItems[i].Tag, record), c.Enabled[i])
                << kPrintChoiceItems[i].Text << " pedestals " << c.Pedestals << " square " << c.Square;
    }
}

}  // namespace
