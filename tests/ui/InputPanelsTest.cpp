// Reading typed values, the unit switch, the rebar family, the linked footing plan and the sections.
#include <QCheckBox>

#include "WindowFixture.h"
#include "ui/SectionPanel.h"

namespace {

struct TTypedCase {
    const char* Name;
    int Units;
    int Shape;
    const char* Control;
    const char* Typed;
    const char* Shown;
    Real Stored;
};

// B: minimum UnitValue(0.3, 1.0), maximum 150 for a square, else 50; F.S.: 3 to 5, one decimal.
const TTypedCase kTypedCases[] = {
    {"WidthBelowEnglishMinimum", 0, 1, "Edit1", "0.2", "1.00", 1.0L},
    {"WidthBelowSIMinimum", 1, 1, "Edit1", "0.2", "0.30", 0.3L},
    {"SquareKeepsSixty", 0, 1, "Edit1", "60", "60.00", 60},
    {"CircleCapsAtFifty", 0, 2, "Edit1", "60", "50.00", 50},
    {"SafetyFactorAboveFive", 0, 1, "Edit8", "8", "5.0", 5},
    {"EmptySafetyFactor", 0, 1, "Edit8", "", "3.0", 3},
};

class TTypedValueTest : public TWindowTest, public ::testing::WithParamInterface<TTypedCase> {};

TEST_P(TTypedValueTest, IsClampedRoundedAndStored)
{
    const TTypedCase& c = GetParam();
    Choose("ComboBox1", c.Units);
    Choose("ComboBox2", c.Shape);
    Type(c.Control, c.Typed);
    EXPECT_EQ(Edit(c.Control)->text().toStdString(), c.Shown);
    const Real stored = std::string(c.Control) == "Edit1"   ? D().B
                        : std::string(c.Control) == "Edit8" ? D().FS
                                                            : D().Dw;
    EXPECT_NEAR(static_cast<double>(stored), static_cast<double>(c.Stored), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Edges, TTypedValueTest, ::testing::ValuesIn(kTypedCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(NumericKeyFilter, TakesDigitsMinusBackspaceAndOneSeparator)
{
    struct {
        QChar Key;
        const char* Text;
        bool Accepted;
    } cases[] = {
        {'7', "12", true},   {'-', "12", true},  {'\b', "12", true}, {'.', "12", true},
        {'.', "1.2", false}, {'a', "12", false}, {',', "12", false}, {QChar(0x16), "12", false},  // Ctrl+V
    };
    for (const auto& c : cases)
        EXPECT_EQ(TNumericEdit::AcceptsKey(c.Key, c.Text), c.Accepted)
            << int(c.Key.unicode()) << " in " << c.Text;
}

TEST_F(TWindowTest, TypedKeysPassTheFilter)
{
    TNumericEdit* edit = Edit("Edit5");
    edit->clear();
    QTest::keyClicks(edit, "1a2.3.4-");
    EXPECT_EQ(edit->text(), "12.34-");
}

TEST_F(TWindowTest, UnitSwitchClampsAndDoesNotConvert)
{
    Type("Edit6", "115");
    ASSERT_EQ(Edit("Edit6")->text(), "115.0");
    Choose("ComboBox1", 1);  // SI: 12 to 25 kN/m^3
    EXPECT_EQ(Edit("Edit6")->text(), "25.0");
    EXPECT_EQ(D().Gamma, 25);
    EXPECT_EQ(D().Units, 1);
    Choose("ComboBox1", 0);  // English: 90 to 150 pcf
    EXPECT_EQ(Edit("Edit6")->text(), "90.0");
    EXPECT_EQ(D().Gamma, 90);
}

TEST_F(TWindowTest, RebarFamilyFollowsTheUnits)
{
    ASSERT_EQ(List("ComboBox3")->currentText(), "US");
    ASSERT_EQ(List("ComboBox4")->itemText(0), "#3");
    Choose("ComboBox1", 1);
    EXPECT_EQ(List("ComboBox3")->currentText(), "European");
    EXPECT_EQ(D().Square.RebarFamily, 1);
    EXPECT_EQ(List("ComboBox4")->itemText(0), "6M");
    EXPECT_EQ(List("ComboBox11")->count(), 12);  // 6M to 50M
    Choose("ComboBox3", 2);                      // SI keeps Canadian
    EXPECT_EQ(List("ComboBox3")->currentText(), "Canadian");
    EXPECT_EQ(List("ComboBox7")->count(), 8);  // 10M to 55M
    Choose("ComboBox1", 0);
    EXPECT_EQ(List("ComboBox3")->currentText(), "US");
    EXPECT_EQ(List("ComboBox10")->itemText(10), "#18");
}

TEST_F(TWindowTest, LinkedFootingPlanFollowsTheOpenSection)
{
    Choose("ComboBox2", 1);
    W().Control<QCheckBox>("chkUseReinforcement")->click();
    // Stability open, English: 10 ft is 120 in.
    OpenSection("pnlStabilityAnalysis");
    Type("Edit90", "10");
    EXPECT_EQ(Edit("Edit59")->text(), "120.00");
    EXPECT_EQ(D().Square.FootingDim1, 120);
    // Square open, SI: 3000 mm is 3 m.
    Choose("ComboBox1", 1);
    OpenSection("pnlSquareReinforcement");
    Type("Edit59", "3000");
    EXPECT_EQ(D().Stability.StabL, 3);
    EXPECT_EQ(Edit("Edit90")->text(), "3.00");
}

TEST_F(TWindowTest, ContinuousLengthIsOneAndRectangleCopiesWidth)
{
    Choose("ComboBox2", 0);
    EXPECT_EQ(D().L, 1.0L);
    EXPECT_FALSE(Edit("Edit2")->isEnabled());
    Type("Edit1", "7");
    Choose("ComboBox2", 3);
    EXPECT_TRUE(Edit("Edit2")->isEnabled());
    EXPECT_EQ(Edit("Edit2")->text(), "7.00");
    EXPECT_EQ(D().L, 7);
    Type("Edit2", "9");
    Choose("ComboBox2", 1);
    EXPECT_FALSE(Edit("Edit2")->isEnabled());
    EXPECT_EQ(D().L, 7);  // the width again
}

TEST_F(TWindowTest, SectionsOpenCloseAndRestack)
{
    TSectionPanel* general = W().InputSection("pnlGeneralData");
    TSectionPanel* stability = W().InputSection("pnlStabilityAnalysis");
    Choose("ComboBox2", 1);
    ASSERT_TRUE(general->IsOpen());
    stability->Expand(true);
    EXPECT_FALSE(general->IsOpen());
    EXPECT_EQ(general->height(), TSectionPanel::kHeaderHeight + 8);
    EXPECT_EQ(stability->height(), stability->LastControlBottom() + 8);
    stability->Toggle();
    EXPECT_FALSE(stability->IsOpen());
    for (TSectionPanel* s : stability->ScrollBox()->Sections())
        EXPECT_FALSE(s->IsOpen()) << s->objectName().toStdString();

    // Square sections appear below the stability section, in design order and without gaps.
    QCheckBox* square = W().Control<QCheckBox>("chkUseReinforcement");
    if (square->isChecked())
        square->click();
    ASSERT_TRUE(W().InputSection("pnlSquareReinforcement")->isHidden());
    square->click();
    TSectionPanel* squareSection = W().InputSection("pnlSquareReinforcement");
    TSectionPanel* loading = W().InputSection("pnlLoading");
    ASSERT_FALSE(squareSection->isHidden());
    EXPECT_EQ(squareSection->y(), stability->y() + stability->height());
    EXPECT_EQ(loading->y(), squareSection->y() + squareSection->height());
    EXPECT_TRUE(W().Modified());
}

TEST_F(TWindowTest, HintShowsBelowTheFocusedEdit)
{
    W().Control<QCheckBox>("chkUseContReinforcement")->setChecked(false);
    W().Control<QCheckBox>("chkUseContReinforcement")->click();
    TNumericEdit* height = Edit("Edit_CR4");
    EXPECT_EQ(height->toolTip(), "Above t/footing");
    emit height->Entered(height);
    EXPECT_TRUE(W().HintWindow()->isVisible());
    EXPECT_EQ(W().HintWindow()->text(), "Above t/footing");
    Type("Edit_CR4", "6");
    EXPECT_FALSE(W().HintWindow()->isVisible());
}

TEST_F(TWindowTest, IdentificationTextsTakeAtMost255Characters)
{
    for (const char* name : {"Edit28", "Edit33", "Edit29", "Edit27"})
        EXPECT_EQ(W().Control<QLineEdit>(name)->maxLength(), 255) << name;
}

}  // namespace
