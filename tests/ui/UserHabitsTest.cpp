// The recent projects list, a project dropped onto the window, and the whole path of a new user:
// make a project, save it, close, reopen it from the recent list and find it unchanged.
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

#include "ProjectFixture.h"
#include "ui/RecentProjects.h"

namespace {

struct TRecentCase {
    const char* Name;
    QStringList Added;  // in order
    QStringList Removed;
    QStringList Expected;  // newest first
};

const TRecentCase kRecentCases[] = {
    {"NewestFirst", {"/p/a.kpm", "/p/b.kpm"}, {}, {"/p/b.kpm", "/p/a.kpm"}},
    {"ReopenedMovesUpOnce", {"/p/a.kpm", "/p/b.kpm", "/p/./a.kpm"}, {}, {"/p/a.kpm", "/p/b.kpm"}},
    {"NineKeepEight",
     {"/p/1.kpm", "/p/2.kpm", "/p/3.kpm", "/p/4.kpm", "/p/5.kpm", "/p/6.kpm", "/p/7.kpm", "/p/8.kpm",
      "/p/9.kpm"},
     {},
     {"/p/9.kpm", "/p/8.kpm", "/p/7.kpm", "/p/6.kpm", "/p/5.kpm", "/p/4.kpm", "/p/3.kpm", "/p/2.kpm"}},
    {"Removed", {"/p/a.kpm", "/p/b.kpm", "/p/c.kpm"}, {"/p/b.kpm"}, {"/p/c.kpm", "/p/a.kpm"}},
};

class TRecentListTest : public ::testing::TestWithParam<TRecentCase> {};

TEST_P(TRecentListTest, KeepsTheLastEightInTheSettingsStore)
{
    const TRecentCase& c = GetParam();
    TScriptedPlatform platform;
    {
        TRecentProjects recent(platform);
        for (const QString& path : c.Added)
            recent.Add(path);
        for (const QString& path : c.Removed)
            recent.Remove(path);
        EXPECT_EQ(recent.Items(), c.Expected);
    }
    EXPECT_EQ(TRecentProjects(platform).Items(), c.Expected);  // read back from the store
}

INSTANTIATE_TEST_SUITE_P(Lists, TRecentListTest, ::testing::ValuesIn(kRecentCases),
                         [](const auto& info) { return std::string(info.param.Name); });

QList<QAction*> RecentActions(TfrmPMMain& window)
{
    QList<QAction*> actions;
    for (QAction* action : window.RecentMenu()->actions())
        if (!action->isSeparator())
            actions << action;
    return actions;
}

TEST_F(TProjectTest, NewUserSavesClosesAndReopensFromTheRecentList)
{
    // A first start: nothing in the store, an empty recent list.
    EXPECT_TRUE(RecentActions(W()).isEmpty());
    EXPECT_FALSE(W().RecentMenu()->isEnabled());

    // The project: a width, the organisation, saved with Ctrl+S through Save As.
    Type("Edit1", "7.25");
    auto* organization = W().Control<QLineEdit>("Edit28");
    QTest::keyClicks(organization, "Acme Footings");
    W().Guarded([&] { W().InputExit(organization); });
    Platform_.FileAnswers.enqueue(Path("walk.kpm"));
    Run("FileSave");
    ASSERT_TRUE(Platform_.Messages.isEmpty());
    const std::vector<std::uint8_t> saved = D().SaveProjectToBytes();
    EXPECT_TRUE(W().close());
    EXPECT_TRUE(Platform_.Messages.isEmpty());

    // The next start lists it; choosing it opens it as it was.
    Window_.reset();
    Window_ = std::make_unique<TfrmPMMain>();
    Window_->show();
    EXPECT_EQ(W().Caption(), "Korvane Pelmark");
    const QList<QAction*> recent = RecentActions(W());
    ASSERT_EQ(recent.size(), 1);
    EXPECT_EQ(recent[0]->text(), "&1 walk.kpm");
    recent[0]->trigger();
    EXPECT_TRUE(Platform_.Messages.isEmpty());
    EXPECT_EQ(W().Caption(), "Korvane Pelmark - walk.kpm");
    EXPECT_FALSE(W().Modified());
    EXPECT_EQ(D().B, 7.25L);
    EXPECT_EQ(D().Organization, "Acme Footings");
    EXPECT_EQ(W().Control<QLineEdit>("Edit28")->text(), "Acme Footings");
    EXPECT_EQ(D().SaveProjectToBytes(), saved);
}

TEST_F(TProjectTest, MissingRecentProjectIsReportedAndRemoved)
{
    const QString kept = WriteProject("kept.kpm", 3.5);
    Platform_.FileAnswers.enqueue(kept);
    Run("FileOpen");
    Platform_.FileAnswers.enqueue(Path("gone.kpm"));
    Run("FileSaveAs");
    QFile::remove(Path("gone.kpm"));
    Type("Edit1", "7.25");  // modified: a missing file must not even ask to save

    ASSERT_EQ(RecentActions(W()).size(), 2);
    RecentActions(W())[0]->trigger();
    ASSERT_EQ(Platform_.Messages.size(), 1);
    EXPECT_EQ(Platform_.Messages[0].Kind, TMsgKind::Warning);
    EXPECT_TRUE(Platform_.Messages[0].Text.contains("gone.kpm"));
    EXPECT_EQ(D().B, 7.25L);
    const QList<QAction*> left = RecentActions(W());
    ASSERT_EQ(left.size(), 1);
    EXPECT_EQ(left[0]->data().toString(), kept);
    EXPECT_EQ(Platform_.Settings[TRecentProjects::kSettingKey].toStringList(), QStringList{kept});
}

TEST_F(TProjectTest, DroppedProjectIsOpened)
{
    const QString other = WriteProject("dropped.kpm", 3.5);
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(other)});
    mime.setText(other);  // file managers add the path as text, which an edit would take
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&W(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&W(), &drop);
    QCoreApplication::processEvents();

    EXPECT_EQ(W().FileName(), other);
    EXPECT_EQ(D().B, 3.5L);
    EXPECT_EQ(W().Caption(), "Korvane Pelmark - dropped.kpm");

    // Dropped onto an edit, a project is opened too, and its path is not typed into the edit.
    auto* organization = W().Control<QLineEdit>("Edit28");
    Run("FileNew");
    QDragEnterEvent overEdit(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(organization, &overEdit);
    EXPECT_TRUE(overEdit.isAccepted());
    QDropEvent onEdit(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(organization, &onEdit);
    QCoreApplication::processEvents();
    EXPECT_TRUE(organization->text().isEmpty());
    EXPECT_EQ(W().FileName(), other);

    // Text, or several files, are not a project.
    QMimeData text;
    text.setText("B = 3.5");
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QCoreApplication::sendEvent(&W(), &refused);
    EXPECT_FALSE(refused.isAccepted());
}

}  // namespace
