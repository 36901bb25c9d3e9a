// Window placement in the settings store, the error boundary, and the pedestals dialog.
#include <QSpinBox>
#include <QTabBar>
#include <QTimer>

#include "WindowFixture.h"
#include "core/Units.h"
#include "ui/Pedastals.h"

namespace {

TEST_F(TWindowTest, PlacementIsStoredAndRestored)
{
    W().move(100, 120);
    W().resize(900, 600);
    Window_.reset();
    for (const char* key : {"Left", "Top", "Width", "Height", "WinState"})
        EXPECT_TRUE(Platform_.Settings.contains(QString("WinPos/") + key)) << key;
    EXPECT_EQ(Platform_.Settings["WinPos/WinState"].toInt(), 0);
    EXPECT_EQ(Platform_.Settings["WinPos/Width"].toInt(), 900);

    TfrmPMMain again;
    EXPECT_EQ(again.x(), 100);
    EXPECT_EQ(again.y(), 120);
    EXPECT_EQ(again.size(), QSize(900, 600));
}

// Restarted at a stored size, the window lays out its columns as it does when resized to that size.
TEST_F(TWindowTest, RestoredSizeDecidesTheLayout)
{
    for (const QSize size : {QSize(1600, 1000), QSize(1024, 700), QSize(900, 600)}) {
        Window_.reset();
        Window_ = std::make_unique<TfrmPMMain>();
        Window_->show();
        Window_->resize(size);
        QCoreApplication::processEvents();
        const bool resized = W().DiagramsInResultColumn();
        Window_.reset();  // stores the size

        Window_ = std::make_unique<TfrmPMMain>();
        Window_->show();
        QCoreApplication::processEvents();
        ASSERT_EQ(W().size(), size);
        EXPECT_EQ(W().DiagramsInResultColumn(), resized) << size.width() << " x " << size.height();
        if (size.width() == 1600) {
            EXPECT_FALSE(W().DiagramsInResultColumn());  // room for the diagram column
        }
    }
}

TEST_F(TWindowTest, MaximisedKeepsTheNormalRectangle)
{
    Window_.reset();
    Platform_.Settings["WinPos/Left"] = 5000;  // outside every screen: applied as stored
    Platform_.Settings["WinPos/Width"] = 850;
    Window_ = std::make_unique<TfrmPMMain>();
    EXPECT_EQ(W().x(), 5000);
    W().setWindowState(Qt::WindowMaximized);
    Window_.reset();
    EXPECT_EQ(Platform_.Settings["WinPos/WinState"].toInt(), 2);
    EXPECT_EQ(Platform_.Settings["WinPos/Left"].toInt(), 5000);
    EXPECT_EQ(Platform_.Settings["WinPos/Width"].toInt(), 850);
    TfrmPMMain again;
    EXPECT_TRUE(again.windowState() & Qt::WindowMaximized);
}

TEST_F(TWindowTest, ComputeErrorIsShownAndTheWindowCarriesOn)
{
    // A footing thickness of zero under a square footing with a pedestal.
    W().Guarded([] { throw EZeroDivide(); });
    ASSERT_EQ(Platform_.Messages.size(), 1);
    EXPECT_EQ(Platform_.Messages[0].Text, "Floating point division by zero");
    Type("Edit1", "6");
    EXPECT_EQ(D().B, 6);
}

TEST_F(TWindowTest, StartsAsANewProject)
{
    EXPECT_EQ(W().Caption(), "Korvane Pelmark");
    EXPECT_EQ(W().windowTitle(), "Korvane Pelmark[*]");
    EXPECT_FALSE(W().Modified());
    EXPECT_TRUE(W().FileName().isEmpty());
    EXPECT_TRUE(W().InputSection("pnlGeneralData")->IsOpen());
    EXPECT_TRUE(W().ResultSection("pnlBearingCapacity")->IsOpen());
    EXPECT_TRUE(W().DocumentsFolder().endsWith("/Pelmark/"));
}

class TPedestalsTest : public ::testing::Test {
  protected:
    // Runs the dialog on the record: set the count, type into edits of pedestal #1, confirm.
    void Confirm(int count, std::initializer_list<std::pair<int, const char*>> typed)
    {
        TfrmPedastals dialog(Data, nullptr);
        dialog.SpinEdit1()->setValue(count);
        for (auto [edit, text] : typed)
            dialog.Edit(edit)->setText(text);
        dialog.Confirm(Data);
    }
    TPMData Data;
};

TEST_F(TPedestalsTest, ColumnDimensionFollowsPedestalOneUntilTyped)
{
    Data.Square.ColumnDim1 = 0;
    Confirm(1, {{3, "1.5"}});  // Lpx
    EXPECT_EQ(Data.Square.ColumnDim1, 18);
    Confirm(1, {{3, "2"}});
    EXPECT_EQ(Data.Square.ColumnDim1, 24);
    Data.Square.ColumnDim1 = 20;  // typed by the user
    Confirm(1, {{3, "2.5"}});
    EXPECT_EQ(Data.Square.ColumnDim1, 20);
    EXPECT_EQ(Data.Stability.Pedestals[0].Lpx, 2.5L);
}

TEST_F(TPedestalsTest, CountZeroClearsEverySlotAndLeavesTheSquareFooting)
{
    Data.Stability.PedestalCount = 2;
    Data.Stability.Pedestals[1].PzD = -40;
    Data.Square.AxialDeadLoad = 7;
    TfrmPedastals dialog(Data, nullptr);
    dialog.SpinEdit1()->setValue(0);
    EXPECT_TRUE(dialog.TabControl1()->isHidden());
    dialog.Confirm(Data);
    EXPECT_EQ(Data.Stability.PedestalCount, 0);
    EXPECT_EQ(Data.Stability.Pedestals[1].PzD, 0);
    EXPECT_EQ(Data.Square.AxialDeadLoad, 7);
}

TEST_F(TPedestalsTest, LoweredCountKeepsValuesUntilOK)
{
    Data.Stability.PedestalCount = 3;
    Data.Stability.Pedestals[2].MxD = 4.25;
    TfrmPedastals dialog(Data, nullptr);
    dialog.SpinEdit1()->setValue(1);
    dialog.SpinEdit1()->setValue(3);
    dialog.TabControl1()->setCurrentIndex(2);
    EXPECT_EQ(dialog.Edit(15)->text(), "4.250");  // Mx(D), 3 decimals
    dialog.SpinEdit1()->setValue(1);
    dialog.Confirm(Data);
    EXPECT_EQ(Data.Stability.Pedestals[2].MxD, 0);
}

TEST_F(TWindowTest, CancelledPedestalsLeaveTheRecordAndTheProject)
{
    Choose("ComboBox2", 1);
    W().SetModified(false);
    const auto before = D().Stability.Pedestals[0].PzD;
    const int count = D().Stability.PedestalCount;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TfrmPedastals*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->SpinEdit1()->setValue(4);
        dialog->Edit(6)->setText("-123");
        dialog->StoreTab();
        dialog->reject();
    });
    W().btnPedestalsClick();
    EXPECT_EQ(D().Stability.Pedestals[0].PzD, before);
    EXPECT_EQ(D().Stability.PedestalCount, count);
    EXPECT_FALSE(W().Modified());
}

TEST_F(TWindowTest, ConfirmedPedestalsMarkModifiedAndRecompute)
{
    Choose("ComboBox2", 1);
    W().SetModified(false);
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TfrmPedastals*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->SpinEdit1()->setValue(1);
        dialog->Edit(6)->setText("-50");
        dialog->accept();
    });
    D().Stability.FSOverturningX = -1;  // a stale value the confirmed dialog must replace
    W().btnPedestalsClick();
    EXPECT_EQ(D().Stability.PedestalCount, 1);
    EXPECT_EQ(D().Stability.Pedestals[0].PzD, -50);
    EXPECT_TRUE(W().Modified());
    // The cycle ran again: the factor is recomputed and shown as the results display shows it.
    EXPECT_NE(D().Stability.FSOverturningX, -1);
    const Real shown = IsNaN(D().Stability.FSOverturningX) ? D().Stability.FSOverturningX
                                                           : std::min<Real>(10, D().Stability.FSOverturningX);
    EXPECT_EQ(Edit("Edit97")->text().toStdString(), FormatInput(shown, 15));
}

}  // namespace
