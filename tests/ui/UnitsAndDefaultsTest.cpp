// The Tools commands: converting the open project between the unit systems, and one's own defaults
// for a new project.
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "ProjectFixture.h"
#include "core/Units.h"
#include "design/RebarTables.h"

namespace {

class TToolsTest : public TProjectTest {
  protected:
    void SetUp() override
    {
        Platform_.AppData = Path("appdata");
        TProjectTest::SetUp();
    }
    QAction* Action(const char* name) { return W().findChild<QAction*>(name); }
    // Opening the menu decides which of its commands apply.
    void ShowToolsMenu() { emit W().findChild<QMenu*>("mnuTools")->aboutToShow(); }
    QString DefaultsFile() { return W().UserDefaultsFile(); }
};

TEST_F(TToolsTest, ConvertingChangesTheNumbersNotThePhysicalProject)
{
    ASSERT_EQ(D().Units, usEnglish);
    const Real qall = D().QallVesic;
    ShowToolsMenu();
    EXPECT_TRUE(Action("ToolsConvertSI")->isEnabled());
    EXPECT_FALSE(Action("ToolsConvertEnglish")->isEnabled());

    Run("ToolsConvertSI");
    EXPECT_EQ(D().Units, usSI);
    EXPECT_EQ(List("ComboBox1")->currentIndex(), 1);
    EXPECT_EQ(List("ComboBox3")->currentIndex(), rfEuropean);
    EXPECT_EQ(Edit("Edit1")->text(), "2.44");            // 8 ft = 2.4384 m
    EXPECT_EQ(Edit("Edit6")->text(), "18.9");            // 120 pcf = 18.850 kN/m^3, one decimal
    EXPECT_EQ(Edit("Edit65")->text(), "667.23");         // 150 kips = 667.233 kN
    EXPECT_EQ(List("ComboBox4")->currentText(), "20M");  // #6 (283.9 mm^2) becomes 20M (314 mm^2)
    // The bearing capacity is the same pressure in kPa (1 psf = 0.04788026 kPa), within the rounding
    // of the soil's unit weight to 18.9 kN/m^3.
    EXPECT_NEAR(static_cast<double>(D().QallVesic / (qall * 0.04788026L)), 1.0, 0.005);
    EXPECT_TRUE(W().Modified());
    EXPECT_TRUE(Platform_.Messages.isEmpty());

    ShowToolsMenu();
    EXPECT_FALSE(Action("ToolsConvertSI")->isEnabled());
    EXPECT_TRUE(Action("ToolsConvertEnglish")->isEnabled());
    Run("ToolsConvertEnglish");
    EXPECT_EQ(D().Units, usEnglish);
    EXPECT_EQ(List("ComboBox3")->currentIndex(), rfUS);
    EXPECT_EQ(Edit("Edit1")->text(), "8.01");  // 2.44 m = 8.005 ft
}

TEST_F(TToolsTest, NewStartsFromOnesOwnDefaultsUntilTheFactoryOnesAreRestored)
{
    ShowToolsMenu();
    EXPECT_FALSE(Action("ToolsFactoryDefaults")->isEnabled());

    Type("Edit1", "7.25");
    W().Control<QLineEdit>("Edit33")->setText("Tower");
    W().InputExit(W().Control<QLineEdit>("Edit33"));
    Run("ToolsConvertSI");
    Run("ToolsSaveDefault");
    ASSERT_TRUE(QFileInfo::exists(DefaultsFile()));
    EXPECT_TRUE(DefaultsFile().startsWith(Platform_.AppData));

    Platform_.MessageAnswers.enqueue(mbNo);  // do not save the modified project
    Run("FileNew");
    EXPECT_EQ(D().Units, usSI);
    EXPECT_EQ(Edit("Edit1")->text(), "2.21");  // 7.25 ft = 2.2098 m
    EXPECT_TRUE(D().ProjectName.empty());
    EXPECT_TRUE(W().Control<QLineEdit>("Edit33")->text().isEmpty());
    EXPECT_FALSE(W().Modified());

    ShowToolsMenu();
    ASSERT_TRUE(Action("ToolsFactoryDefaults")->isEnabled());
    Platform_.MessageAnswers.enqueue(mbNo);
    Run("ToolsFactoryDefaults");
    EXPECT_TRUE(QFileInfo::exists(DefaultsFile()));
    Platform_.MessageAnswers.enqueue(mbYes);
    Run("ToolsFactoryDefaults");
    EXPECT_FALSE(QFileInfo::exists(DefaultsFile()));
    EXPECT_EQ(Platform_.Messages.last().Kind, TMsgKind::Confirmation);
    EXPECT_EQ(Platform_.Messages.last().Buttons, mbYes | mbNo);

    Run("FileNew");
    EXPECT_EQ(D().Units, usEnglish);
    EXPECT_EQ(Edit("Edit1")->text(), "8.00");  // the example's width
}

TEST_F(TToolsTest, DamagedDefaultsAreReportedAndNewUsesTheExample)
{
    QDir().mkpath(QFileInfo(DefaultsFile()).path());
    WriteBytes(QDir(Path("")).relativeFilePath(DefaultsFile()), "not a project");
    Platform_.Messages.clear();

    Run("FileNew");
    ASSERT_EQ(Platform_.Messages.size(), 1);
    EXPECT_EQ(Platform_.Messages[0].Kind, TMsgKind::Warning);
    EXPECT_TRUE(Platform_.Messages[0].Text.contains("cannot be read (Wrong file format)"))
        << Platform_.Messages[0].Text.toStdString();
    EXPECT_EQ(D().Units, usEnglish);
    EXPECT_EQ(Edit("Edit1")->text(), "8.00");
    EXPECT_FALSE(W().Modified());
}

}  // namespace
