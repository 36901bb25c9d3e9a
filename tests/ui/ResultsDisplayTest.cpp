// What Recalculate shows: N.A. where a result does not apply, the captions by shape, the check
// colours and icons, and the factor-of-safety cap.
#include <QCheckBox>
#include <QLabel>
#include <QTreeWidget>

#include "WindowFixture.h"
#include "ui/Computations.h"
#include "ui/IconSet.h"
#include "ui/SectionPanel.h"

namespace {

TEST_F(TWindowTest, RectangleHasNoTerzaghiCapacity)
{
    Choose("ComboBox2", 3);
    for (const char* name : {"Edit12", "Edit13", "Edit40"})
        EXPECT_EQ(Edit(name)->text(), "N.A.") << name;
    EXPECT_EQ(W().Control<QLabel>("Label64")->text(), "Allowable Column Load (P)");
    EXPECT_EQ(W().Control<QLabel>("Label64Unit")->text(), "kip");
}

TEST_F(TWindowTest, ContinuousHidesStabilityAndShowsTheWallLoad)
{
    Choose("ComboBox2", 0);
    EXPECT_TRUE(W().InputSection("pnlStabilityAnalysis")->isHidden());
    EXPECT_TRUE(W().ResultSection("pnlStabilityResults")->isHidden());
    EXPECT_EQ(W().Control<QLabel>("Label64")->text(), "Allowable Wall Load (P/b)");
    EXPECT_EQ(W().Control<QLabel>("Label64Unit")->text(), "kip/ft");
    Choose("ComboBox1", 1);
    EXPECT_EQ(W().Control<QLabel>("Label64Unit")->text(), "kN/m");
}

TEST_F(TWindowTest, NoPedestalsLeavesTheFactorsOfSafetyUndefinedAndRed)
{
    Choose("ComboBox2", 1);
    D().Stability.PedestalCount = 0;
    for (TPedestal& p : D().Stability.Pedestals)
        p.ResetInputs();
    W().Recalculate();
    for (const char* name : {"Edit97", "Edit98", "Edit99", "Edit100", "Edit101"}) {
        EXPECT_EQ(Edit(name)->text(), "N.A.") << name;
        EXPECT_TRUE(Edit(name)->IsFailing()) << name;
    }
}

TEST_F(TWindowTest, UpliftFactorAboveTenShowsTen)
{
    // An 8 x 8 x 2 ft footing of 0.15 kcf weighs 19.2 kips; one pedestal with 1 kip of wind
    // uplift gives an uplift factor far above 10.
    Choose("ComboBox2", 1);
    TStabilityData& s = D().Stability;
    s.StabL = s.StabB = 8;
    s.StabT = 2;
    s.GammaC = 0.15;
    s.PedestalCount = 1;
    s.Pedestals[0] = TPedestal{};
    s.Pedestals[0].Lpx = s.Pedestals[0].Lpy = 1;
    s.Pedestals[0].PzW = 1;
    W().Recalculate();
    ASSERT_FALSE(IsNaN(s.FSUplift));
    ASSERT_GT(s.FSUplift, 10);
    EXPECT_EQ(Edit("Edit101")->text(), "10.00");
    EXPECT_FALSE(Edit("Edit101")->IsFailing());
}

class TSquareChecksTest : public TWindowTest {
  protected:
    // 96 x 96 in footing, 16 in column, 24 in thick, 3 in cover, #6 bars, 150 + 100 kips,
    // f'c 4 ksi, Fy 60 ksi, allowable 5 ksf (qs = 4.206 ksf).
    void ShowSquareFooting(int bars)
    {
        Choose("ComboBox2", 1);
        W().Control<QCheckBox>("chkUseReinforcement")->setChecked(false);
        W().Control<QCheckBox>("chkUseReinforcement")->click();
        TSquareFootingData& q = D().Square;
        D().Stability.StabL = D().Stability.StabB = 8;
        q.FootingDim1 = q.FootingDim2 = 96;
        q.ColumnDim1 = q.ColumnDim2 = 16;
        q.FootingThickness = 24;
        q.ClearCover = 3;
        q.FootingBarSize = 6;
        q.NumBars1 = q.NumBars2 = bars;
        q.AxialDeadLoad = 150;
        q.AxialLiveLoad = 100;
        q.Fc = 4;
        q.Fy = 60;
        D().AllowNetBearing = 5;
        W().Recalculate();
    }
};

TEST_F(TSquareChecksTest, TenBarsPassRatioSpacingShearAndPressure)
{
    // d1 = 20.625 in, As1 = 4.40 in^2 >= 0.0018 x 96 x 24 = 4.147 in^2, s = 9.167 in within 1 to 18 in,
    // phiMn1 = 400.37 k-ft, phiVc1 = 98.05 kips (ACI 318-19 22.5.5.1(c)) > Vu1 = 73.27 kips.
    ShowSquareFooting(10);
    EXPECT_EQ(Edit("Edit73")->text(), "20.62");  // 20.625 exactly: the half goes to the even digit
    EXPECT_EQ(Edit("Edit75")->text(), "0.0022");
    EXPECT_EQ(Edit("Edit77")->text(), "9.17");
    EXPECT_EQ(Edit("Edit79")->text(), "400.37");
    EXPECT_EQ(Edit("Edit71")->text(), "4.21");
    for (const char* name : {"Edit71", "Edit75", "Edit76", "Edit77", "Edit78", "Edit85", "Edit86"})
        EXPECT_FALSE(Edit(name)->IsFailing()) << name;
    EXPECT_TRUE(W().Control<QLabel>("Label149")->isHidden());
}

TEST_F(TSquareChecksTest, TwoBarsFailRatioSpacingAndMoment)
{
    // As1 = 2 x 0.44 = 0.88 in^2 < 0.0018 x 96 x 24 = 4.147 in^2; clear spacing (96 - 6 - 1.5) / 1 = 88.5 in
    // > 18 in; phiMn1 = 0.9 x 2 x 0.44 x 60 x (20.625 - 0.081) / 12 = 81.4 k-ft, below Mu1 (the
    // factored pressure of 5.6725 ksf on the 3.333 ft cantilever gives at least 252 k-ft).
    ShowSquareFooting(2);
    for (const char* name : {"Edit75", "Edit76", "Edit77", "Edit78", "Edit81", "Edit82"})
        EXPECT_TRUE(Edit(name)->IsFailing()) << name;
    EXPECT_FALSE(Edit("Edit71")->IsFailing());
}

TEST_F(TWindowTest, ContinuousBearingFailureMarksIconAndHeader)
{
    W().Control<QCheckBox>("chkUseContReinforcement")->setChecked(false);
    W().Control<QCheckBox>("chkUseContReinforcement")->click();
    TSectionPanel* footing = W().ResultSection("pnlFootingResults");
    ASSERT_FALSE(footing->isHidden());
    // The example's toe pressures lie below its allowable bearing pressure: pass before the change.
    ASSERT_EQ(W().Control<TCheckIconLabel>("imCR1_7")->Tag(), ciPass);
    ASSERT_EQ(footing->HeaderIcon()->pixmap().toImage(), CheckIconPixmap(ciPass).toImage());
    D().Continuous.QAll = 0.001;  // 1 psf: every toe pressure is above it
    W().Recalculate();
    EXPECT_EQ(W().Control<TCheckIconLabel>("imCR1_7")->Tag(), ciFail);
    EXPECT_TRUE(footing->HeaderIcon()->isVisibleTo(footing));
    EXPECT_EQ(footing->HeaderIcon()->pixmap().toImage(), CheckIconPixmap(ciFail).toImage());
    // Switching the design off hides its sections and keeps its results.
    const Real toe = D().Continuous.LoadCases[0].ToePressure;
    W().Control<QCheckBox>("chkUseContReinforcement")->click();
    EXPECT_TRUE(footing->isHidden());
    EXPECT_EQ(D().Continuous.LoadCases[0].ToePressure, toe);
}

TEST_F(TWindowTest, ComputationListingsHaveHeadingRows)
{
    std::unique_ptr<TfrmComputations> listing(W().BuildBearingListing());
    ASSERT_GT(listing->RowCount(), 3);
    EXPECT_EQ(listing->Caption(0), "Gamma w");
    EXPECT_FALSE(listing->IsHeading(0));
    EXPECT_EQ(listing->Caption(3), "Terzaghi Computations");
    EXPECT_TRUE(listing->IsHeading(3));
    std::unique_ptr<TfrmComputations> stability(W().BuildStabilityListing());
    EXPECT_EQ(stability->Caption(0), "Total Resultant Load and Eccentricities");
    EXPECT_TRUE(stability->IsHeading(0));
}

// The viewer shows every caption and value whole: headings span both columns, the columns fit
// their widest text, and the window can be resized.
TEST_F(TWindowTest, ComputationsViewerShowsEveryTextWhole)
{
    std::unique_ptr<TfrmComputations> stability(W().BuildStabilityListing());
    stability->show();
    QCoreApplication::processEvents();
    QTreeWidget* list = stability->ListView();
    EXPECT_NE(stability->minimumSize(), stability->maximumSize());
    EXPECT_EQ(list->textElideMode(), Qt::ElideNone);
    const QFontMetrics metrics(list->font());
    for (int row = 0; row < stability->RowCount(); ++row) {
        QTreeWidgetItem* item = list->topLevelItem(row);
        EXPECT_EQ(item->isFirstColumnSpanned(), stability->IsHeading(row)) << row;
        if (stability->IsHeading(row))
            continue;
        EXPECT_GE(list->columnWidth(0), metrics.horizontalAdvance(stability->Caption(row)))
            << stability->Caption(row).toStdString();
        EXPECT_GE(list->columnWidth(1), metrics.horizontalAdvance(stability->Value(row)))
            << stability->Value(row).toStdString();
    }
}

}  // namespace
