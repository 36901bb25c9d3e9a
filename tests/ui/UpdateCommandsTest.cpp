// The Help menu's update commands and the automatic check after the window is first shown, with
// the update dialog's launch recorded instead of shown.
#include <QAction>
#include <QTimer>

#include "WindowFixture.h"
#include "core/Version.h"
#include "ui/UpdateCommands.h"
#include "update/MakerAddresses.h"
#include "update/UpdateBuildSettings.h"

namespace {

struct TLaunch {
    bool Automatic;
    QString PageAddress;
    bool Inplace;
};

class TUpdateCommandsTest : public TWindowTest {
  protected:
    void SetUp() override
    {
        SetUpdateLauncher([this](QWidget*, bool automatic, const QString& address, bool inplace,
                                 const TUpdateDialogHost& host) {
            Launches_.append({automatic, address, inplace});
            Host_ = host;
        });
        TWindowTest::SetUp();
    }
    void TearDown() override
    {
        TWindowTest::TearDown();
        SetUpdateLauncher([](QWidget*, bool, const QString&, bool, const TUpdateDialogHost&) {});
    }

    QAction* Action(const char* name) { return W().findChild<QAction*>(name); }

    QList<TLaunch> Launches_;
    TUpdateDialogHost Host_;
};

TEST_F(TUpdateCommandsTest, WithoutTheOptionStoredTheCheckOpensOneSecondAfterShowing)
{
    QAction* automatic = Action("HelpAutoUpdates");
    EXPECT_TRUE(automatic->isEnabled());
    EXPECT_TRUE(automatic->isCheckable());
    EXPECT_TRUE(automatic->isChecked());
    QTimer* timer = W().UpdateTimer();
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(Launches_.isEmpty());

    W().UpdateTimerTimer();
    EXPECT_FALSE(timer->isActive());
    ASSERT_EQ(Launches_.size(), 1);
    EXPECT_TRUE(Launches_[0].Automatic);
    EXPECT_EQ(Launches_[0].PageAddress, MakerAddresses::UpdatePageUrl);
    EXPECT_TRUE(Launches_[0].PageAddress.startsWith("https://"));
    EXPECT_EQ(Launches_[0].Inplace, UpdateBuildSettings::UpdateInplace);
    EXPECT_EQ(Host_.RunningVersion, VersionText);
    EXPECT_EQ(Host_.AppDataFolder, Platform_.AppData);
}

TEST_F(TUpdateCommandsTest, OptionIsStoredAndReadBackAtTheNextStart)
{
    Action("HelpAutoUpdates")->trigger();
    EXPECT_FALSE(Action("HelpAutoUpdates")->isChecked());
    EXPECT_EQ(Platform_.Settings.value(kAutoUpdatesKey), QVariant(0));

    // The next start shows the item unchecked and opens no dialog.
    Window_ = std::make_unique<TfrmPMMain>();
    Window_->show();
    EXPECT_FALSE(Action("HelpAutoUpdates")->isChecked());
    W().UpdateTimerTimer();
    EXPECT_TRUE(Launches_.isEmpty());

    Action("HelpAutoUpdates")->trigger();
    EXPECT_EQ(Platform_.Settings.value(kAutoUpdatesKey), QVariant(1));
    Window_ = std::make_unique<TfrmPMMain>();
    Window_->show();
    EXPECT_TRUE(Action("HelpAutoUpdates")->isChecked());
}

TEST_F(TUpdateCommandsTest, CheckNowOpensTheDialogOnDemand)
{
    W().UpdateTimer()->stop();
    QAction* checkNow = Action("HelpCheckUpdates");
    EXPECT_TRUE(checkNow->isEnabled());
    checkNow->trigger();
    ASSERT_EQ(Launches_.size(), 1);
    EXPECT_FALSE(Launches_[0].Automatic);
    EXPECT_EQ(Launches_[0].PageAddress, MakerAddresses::UpdatePageUrl);
}

TEST_F(TUpdateCommandsTest, SaveOfferAnsweredCancelKeepsTheWorkAndDeclines)
{
    Action("HelpCheckUpdates")->trigger();
    ASSERT_TRUE(Host_.ConfirmSave);
    W().SetModified(true);
    Platform_.MessageAnswers.enqueue(mbCancel);
    EXPECT_FALSE(Host_.ConfirmSave());
    ASSERT_EQ(Platform_.Messages.size(), 1);
    EXPECT_EQ(Platform_.Messages[0].Text, "File is not saved. Do you want to save it now?");
    EXPECT_TRUE(W().Modified());
    EXPECT_TRUE(Platform_.FileDialogs.isEmpty());
}

TEST_F(TUpdateCommandsTest, DialogQuestionsGoThroughThePlatform)
{
    Action("HelpCheckUpdates")->trigger();
    ASSERT_TRUE(Host_.Message);
    Platform_.MessageAnswers.enqueue(mbYes);
    EXPECT_TRUE(Host_.Message(&W(), TUpdateMessageKind::Confirmation, "Sure?", true));
    Platform_.MessageAnswers.enqueue(mbNo);
    EXPECT_FALSE(Host_.Message(&W(), TUpdateMessageKind::Warning, "Install?", true));
    ASSERT_EQ(Platform_.Messages.size(), 2);
    EXPECT_EQ(Platform_.Messages[0].Kind, TMsgKind::Confirmation);
    EXPECT_EQ(Platform_.Messages[1].Buttons, mbYes | mbNo);
}

}  // namespace
