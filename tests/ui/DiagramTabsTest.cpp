// The diagram tabs: DIAGRAM always shows the footing section; the stem wall section has the
// CONTINUOUS REINFORCEMENT tab, which is there only while the continuous design is on.
#include <QCheckBox>
#include <QTabWidget>

#include "WindowFixture.h"
#include "diagrams/DiagramDraw.h"
#include "ui/DiagramImage.h"

namespace {

using TDiagramTabsTest = TWindowTest;

TEST_F(TDiagramTabsTest, FootingSectionAndStemWallSectionEachHaveTheirTab)
{
    auto* box = W().Control<QCheckBox>("chkUseContReinforcement");
    for (bool continuous : {true, false}) {
        if (box->isChecked() != continuous)
            box->click();
        ASSERT_EQ(D().Continuous.UseContinuousReinforcement != 0, continuous);
        const QImage section = W().findChild<TDiagramImage*>("imgDiag")->Image();
        ASSERT_FALSE(section.isNull());
        // The same record with the continuous design off draws the footing section.
        TPMData footingOnly = D();
        footingOnly.Continuous.UseContinuousReinforcement = 0;
        EXPECT_TRUE(DrawDiagramToBitmap(section.size(), footingOnly, TDiagramKind::Section) == section)
            << continuous;
        if (continuous) {
            const QImage wall = W().findChild<TDiagramImage*>("imgDiag4")->Image();
            EXPECT_TRUE(DrawDiagramToBitmap(wall.size(), D(), TDiagramKind::StemWallSection) == wall);
            EXPECT_FALSE(wall == DrawDiagramToBitmap(wall.size(), D(), TDiagramKind::Section));
        }
        bool tabShown = false;
        for (QTabWidget* tabs : W().findChildren<QTabWidget*>())
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->tabText(i) == "CONTINUOUS REINFORCEMENT" && tabs->isTabVisible(i))
                    tabShown = true;
        EXPECT_EQ(tabShown, continuous);
    }
}

}  // namespace
