// New, Open, Save, Save As and the close request around the save prompt; the caption; the logo
// buttons; failing reads and writes.
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QWindow>

#include "ProjectFixture.h"

namespace {

const QString kPrompt = "File is not saved. Do you want to save it now?";
constexpr Real kTyped = 7.25;  // a footing width no project here starts with
constexpr Real kOther = 3.5;   // the footing width of the project that Open chooses

enum class TCommand { New, Open, Close };

struct TPromptCase {
    const char* Name;
    TCommand Command;
    int Answer;
    const char* SaveAsAnswer;  // nullptr: no Save As expected; "" cancels it
    QStringList Dialogs;       // file dialogs shown, in order
    bool Discarded;            // the command went on
};

const TPromptCase kPromptCases[] = {
    {"NewCancel", TCommand::New, mbCancel, nullptr, {}, false},
    {"NewNo", TCommand::New, mbNo, nullptr, {}, true},
    {"NewYesSaveAsCancelled", TCommand::New, mbYes, "", {"Save"}, false},
    {"NewYesSaved", TCommand::New, mbYes, "saved.kpm", {"Save"}, true},
    {"OpenCancel", TCommand::Open, mbCancel, nullptr, {}, false},
    {"OpenNo", TCommand::Open, mbNo, nullptr, {"Open"}, true},
    {"OpenYesSaveAsCancelled", TCommand::Open, mbYes, "", {"Save"}, false},
    {"OpenYesSaved", TCommand::Open, mbYes, "saved.kpm", {"Save", "Open"}, true},
    {"CloseCancel", TCommand::Close, mbCancel, nullptr, {}, false},
    {"CloseNo", TCommand::Close, mbNo, nullptr, {}, true},
    {"CloseYesSaveAsCancelled", TCommand::Close, mbYes, "", {"Save"}, false},
    {"CloseYesSaved", TCommand::Close, mbYes, "saved.kpm", {"Save"}, true},
};

class TSavePromptTest : public TProjectTest, public ::testing::WithParamInterface<TPromptCase> {};

TEST_P(TSavePromptTest, AnswerDecidesWhetherTheCommandGoesOn)
{
    const TPromptCase& c = GetParam();
    const QString other = WriteProject("other.kpm", kOther);
    Type("Edit1", "7.25");
    ASSERT_TRUE(W().Modified());
    Platform_.MessageAnswers.enqueue(c.Answer);
    if (c.SaveAsAnswer)
        Platform_.FileAnswers.enqueue(*c.SaveAsAnswer ? Path(c.SaveAsAnswer) : QString());
    Platform_.FileAnswers.enqueue(other);

    bool closed = false;
    switch (c.Command) {
    case TCommand::New:
        Run("FileNew");
        break;
    case TCommand::Open:
        Run("FileOpen");
        break;
    case TCommand::Close:
        closed = W().close();
        break;
    }

    EXPECT_EQ(MessageTexts(), QStringList{kPrompt});
    EXPECT_EQ(Platform_.Messages[0].Buttons, mbYes | mbNo | mbCancel);
    EXPECT_EQ(DialogTitles(), c.Dialogs);
    const bool saved = c.SaveAsAnswer && *c.SaveAsAnswer;
    EXPECT_EQ(QFile::exists(Path("saved.kpm")), saved);
    if (saved) {
        TPMData written;
        written.LoadProject(Path("saved.kpm").toStdString());
        EXPECT_EQ(written.B, kTyped);
    }
    if (c.Command == TCommand::Close)
        EXPECT_EQ(closed, c.Discarded);
    if (!c.Discarded) {
        EXPECT_TRUE(W().Modified());
        EXPECT_EQ(D().B, kTyped);
        EXPECT_TRUE(W().FileName().isEmpty());
    } else if (c.Command == TCommand::New) {
        EXPECT_FALSE(W().Modified());
        EXPECT_NE(D().B, kTyped);
        EXPECT_EQ(W().Caption(), "Korvane Pelmark");
    } else if (c.Command == TCommand::Open) {
        EXPECT_FALSE(W().Modified());
        EXPECT_EQ(D().B, kOther);
        EXPECT_EQ(W().Caption(), "Korvane Pelmark - other.kpm");
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, TSavePromptTest, ::testing::ValuesIn(kPromptCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TProjectTest, UnmodifiedProjectIsDiscardedWithoutAsking)
{
    Run("FileNew");
    EXPECT_TRUE(W().close());
    EXPECT_TRUE(Platform_.Messages.isEmpty());
}

TEST_F(TProjectTest, CaptionFollowsSaveAsAndOpen)
{
    EXPECT_EQ(W().Caption(), "Korvane Pelmark");
    EXPECT_EQ(W().windowHandle()->title(), "Korvane Pelmark");

    // Save As names the project; the dialog starts in the documents folder with "*.kpm".
    Type("Edit1", "7.25");
    EXPECT_TRUE(W().isWindowModified());
    Platform_.FileAnswers.enqueue(Path("first.kpm"));
    Run("FileSaveAs");
    ASSERT_EQ(Platform_.FileDialogs.size(), 1);
    const TFileDialogSpec save = Platform_.FileDialogs[0];
    EXPECT_EQ(save.Title, "Save");
    EXPECT_EQ(save.Filter, "Korvane Pelmark files (*.kpm);;All Files (*.*)");
    EXPECT_EQ(save.DefaultSuffix, "kpm");
    EXPECT_EQ(save.Folder, W().DocumentsFolder());
    EXPECT_EQ(save.FileName, "*.kpm");
    EXPECT_EQ(W().Caption(), "Korvane Pelmark - first.kpm");
    EXPECT_FALSE(W().Modified());
    EXPECT_FALSE(W().isWindowModified());

    // Open of another project: its name, not modified, and closing asks nothing.
    const QString other = WriteProject("other.kpm", kOther);
    Platform_.FileAnswers.enqueue(other);
    Run("FileOpen");
    ASSERT_EQ(Platform_.FileDialogs.size(), 2);
    const TFileDialogSpec open = Platform_.FileDialogs[1];
    EXPECT_EQ(open.Title, "Open");
    EXPECT_EQ(open.Filter, save.Filter);
    EXPECT_EQ(open.DefaultSuffix, "kpm");
    EXPECT_EQ(open.FileName, Path("first.kpm"));
    EXPECT_EQ(W().FileName(), other);
    EXPECT_EQ(W().Caption(), "Korvane Pelmark - other.kpm");
    EXPECT_EQ(W().windowHandle()->title(), "Korvane Pelmark - other.kpm");
    EXPECT_FALSE(W().Modified());
    EXPECT_TRUE(W().close());
    EXPECT_TRUE(Platform_.Messages.isEmpty());
}

TEST_F(TProjectTest, ForeignFileIsRefusedAndTheShownValuesStay)
{
    Platform_.FileAnswers.enqueue(Path("named.kpm"));
    Run("FileSaveAs");
    Type("Edit1", "7.25");
    Platform_.MessageAnswers.enqueue(mbNo);
    Platform_.FileAnswers.enqueue(
        WriteBytes("foreign.kpm", QByteArray("\x0bOther thing", 12).append(200, '\0')));
    Run("FileOpen");

    EXPECT_EQ(MessageTexts(), (QStringList{kPrompt, "Wrong file format"}));
    EXPECT_EQ(Platform_.Messages[1].Kind, TMsgKind::Error);
    // The open project keeps its name, its typed value and its modified mark.
    EXPECT_EQ(W().FileName(), Path("named.kpm"));
    EXPECT_EQ(W().Caption(), "Korvane Pelmark - named.kpm");
    EXPECT_EQ(D().B, kTyped);
    EXPECT_TRUE(W().Modified());
}

TEST_F(TProjectTest, CtrlSSavesTheValueBeingTyped)
{
    Platform_.FileAnswers.enqueue(Path("typed.kpm"));
    Run("FileSaveAs");
    W().activateWindow();
    TNumericEdit* width = Edit("Edit1");
    width->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), width);
    width->selectAll();
    QTest::keyClicks(width, "7.25");
    QTest::keyClick(width, Qt::Key_S, Qt::ControlModifier);

    EXPECT_EQ(QApplication::focusWidget(), width);
    EXPECT_EQ(Platform_.FileDialogs.size(), 1);  // saved under its name, no dialog
    TPMData written;
    written.LoadProject(Path("typed.kpm").toStdString());
    EXPECT_EQ(written.B, kTyped);
    EXPECT_FALSE(W().Modified());
}

TEST_F(TProjectTest, FailedSaveKeepsTheProjectModifiedAndThePreviousFile)
{
    // A folder that does not exist cannot be written, not even by the administrator.
    const QString unreachable = Path("missing/folder/project.kpm");

    // Never saved: Save goes through Save As, and the project keeps no name.
    Type("Edit1", "7.25");
    Platform_.FileAnswers.enqueue(unreachable);
    Run("FileSave");
    ASSERT_EQ(Platform_.Messages.size(), 1);
    EXPECT_EQ(Platform_.Messages[0].Kind, TMsgKind::Error);
    EXPECT_TRUE(Platform_.Messages[0].Text.startsWith("Cannot create file"))
        << Platform_.Messages[0].Text.toStdString();
    EXPECT_TRUE(W().Modified());
    EXPECT_TRUE(W().FileName().isEmpty());
    EXPECT_EQ(W().Caption(), "Korvane Pelmark");

    // Saved once: Save As into the unreachable folder keeps the name and the file as they were.
    Platform_.FileAnswers.enqueue(Path("good.kpm"));
    Run("FileSaveAs");
    const QByteArray before = Contents(Path("good.kpm"));
    ASSERT_FALSE(before.isEmpty());
    Type("Edit1", "9.5");
    Platform_.FileAnswers.enqueue(unreachable);
    Run("FileSaveAs");
    EXPECT_EQ(Platform_.Messages.size(), 2);
    EXPECT_EQ(W().FileName(), Path("good.kpm"));
    EXPECT_EQ(Contents(Path("good.kpm")), before);
    EXPECT_TRUE(W().Modified());
    EXPECT_FALSE(QFile::exists(unreachable));
}

TEST_F(TProjectTest, FailedSaveInTheClosePromptKeepsTheWindowOpen)
{
    Type("Edit1", "7.25");
    Platform_.MessageAnswers.enqueue(mbYes);
    Platform_.FileAnswers.enqueue(Path("missing/project.kpm"));
    EXPECT_FALSE(W().close());
    ASSERT_EQ(Platform_.Messages.size(), 2);
    EXPECT_TRUE(Platform_.Messages[1].Text.startsWith("Cannot create file"));
    EXPECT_TRUE(W().Modified());
}

// --- Logo ---

struct TLogoCase {
    int Width, Height;
    int ShownWidth;   // picture width x 73 / picture height, at most 173
    int RightMargin;  // client width - left - shown width: (173 - shown) div 2 + 5
};

const TLogoCase kLogoCases[] = {
    {400, 100, 173, 5},  // 400 x 73 / 100 = 292, capped to the 173-pixel slot
    {100, 100, 73, 55},  // 73 wide, centred: (173 - 73) div 2 = 50, plus 5
};

class TLogoLayoutTest : public TProjectTest, public ::testing::WithParamInterface<TLogoCase> {};

TEST_P(TLogoLayoutTest, PictureFitsTheSlotAtThePanelsRightEdge)
{
    const TLogoCase& c = GetParam();
    Platform_.FileAnswers.enqueue(WriteJpeg("logo.jpg", c.Width, c.Height));
    W().Control<QPushButton>("Button1")->click();

    ASSERT_EQ(Platform_.FileDialogs.size(), 1);
    EXPECT_EQ(Platform_.FileDialogs[0].Title, "Open");
    EXPECT_EQ(Platform_.FileDialogs[0].Filter, "JPEG files (*.jpg; *.jpeg)");
    EXPECT_TRUE(Platform_.Messages.isEmpty());
    const QLabel* logo = W().Control<QLabel>("Logo");
    const int client = logo->parentWidget()->width();
    EXPECT_EQ(logo->width(), c.ShownWidth);
    EXPECT_EQ(logo->height(), 73);
    EXPECT_EQ(client - logo->x() - logo->width(), c.RightMargin);
    EXPECT_FALSE(D().Logo.empty());
    EXPECT_TRUE(W().Modified());
    EXPECT_TRUE(W().Control<QPushButton>("Button3")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Sizes, TLogoLayoutTest, ::testing::ValuesIn(kLogoCases));

TEST_F(TProjectTest, LogoIsClearedAndAnUndecodableOneIsRefused)
{
    QPushButton* clear = W().Control<QPushButton>("Button3");
    EXPECT_FALSE(clear->isEnabled());
    Platform_.FileAnswers.enqueue(WriteJpeg("logo.jpg", 100, 100));
    W().Control<QPushButton>("Button1")->click();
    const std::vector<std::uint8_t> shown = D().Logo;
    ASSERT_FALSE(shown.empty());

    // Bytes that are no JPEG picture: the error is shown and the previous logo stays.
    Platform_.FileAnswers.enqueue(WriteBytes("broken.jpg", QByteArray("\xFF\xD8 not a picture")));
    W().Control<QPushButton>("Button1")->click();
    ASSERT_EQ(Platform_.Messages.size(), 1);
    EXPECT_EQ(Platform_.Messages[0].Kind, TMsgKind::Error);
    EXPECT_EQ(D().Logo, shown);
    EXPECT_EQ(W().Control<QLabel>("Logo")->width(), 73);

    W().SetModified(false);
    clear->click();
    EXPECT_TRUE(D().Logo.empty());
    EXPECT_EQ(W().Control<QLabel>("Logo")->width(), 0);
    EXPECT_TRUE(W().Modified());
    EXPECT_FALSE(clear->isEnabled());
}

TEST_F(TProjectTest, LogoTravelsWithTheProject)
{
    Platform_.FileAnswers.enqueue(WriteJpeg("logo.jpg", 400, 100));
    W().Control<QPushButton>("Button1")->click();
    const std::vector<std::uint8_t> logo = D().Logo;
    Platform_.FileAnswers.enqueue(Path("with-logo.kpm"));
    Run("FileSave");
    Run("FileNew");
    EXPECT_EQ(W().Control<QLabel>("Logo")->width(), 0);
    Platform_.FileAnswers.enqueue(Path("with-logo.kpm"));
    Run("FileOpen");
    EXPECT_EQ(D().Logo, logo);
    EXPECT_EQ(W().Control<QLabel>("Logo")->width(), 173);
    EXPECT_TRUE(W().Control<QPushButton>("Button3")->isEnabled());
    EXPECT_FALSE(W().Modified());
}

}  // namespace

namespace {

struct TCommandCase {
    const char* Action;
    const char* Text;
    const char* Shortcut;
    const char* Hint;
};

const TCommandCase kCommandCases[] = {
    {"FileNew", "&New", "Ctrl+N", "New project"},       {"FileOpen", "&Open", "Ctrl+O", "Open saved project"},
    {"FileSave", "&Save", "Ctrl+S", "Save project"},    {"FileSaveAs", "Save &As...", "", "Save project as"},
    {"FilePrint", "&Print", "Ctrl+P", "Print project"}, {"FileExit", "E&xit", "", "Exit application"},
    {"HelpAbout", "&About", "", "About Pelmark"},       {"HelpWebsite", "&Website", "", "Go to website"},
};

QStringList Names(const QList<QAction*>& actions)
{
    QStringList names;
    for (QAction* action : actions)
        names << (action->isSeparator() ? QString("-")
                  : action->menu()      ? action->menu()->objectName()
                                        : action->objectName());
    return names;
}

TEST_F(TWindowTest, MenusAndToolbarCarryTheCommands)
{
    for (const TCommandCase& c : kCommandCases) {
        auto* action = W().findChild<QAction*>(c.Action);
        ASSERT_NE(action, nullptr) << c.Action;
        EXPECT_EQ(action->text(), c.Text);
        EXPECT_EQ(action->shortcut(), QKeySequence(c.Shortcut)) << c.Action;
        EXPECT_EQ(action->toolTip(), c.Hint);
    }
    auto* file = W().findChild<QMenu*>("mnuFile");
    auto* help = W().findChild<QMenu*>("mnuHelp");
    ASSERT_TRUE(file && help);
    EXPECT_EQ(file->title(), "&File");
    EXPECT_EQ(Names(file->actions()), (QStringList{"FileNew", "FileOpen", "FileSave", "FileSaveAs", "-",
                                                   "FilePrint", "-", "mnuRecentProjects", "-", "FileExit"}));
    EXPECT_EQ(help->title(), "&Help");
    EXPECT_EQ(Names(help->actions()),
              (QStringList{"HelpAbout", "HelpWebsite", "-", "HelpAutoUpdates", "HelpCheckUpdates"}));
    EXPECT_EQ(W().findChild<QAction*>("HelpAutoUpdates")->text(), "A&utomatically Check for Updates");
    EXPECT_EQ(W().findChild<QAction*>("HelpCheckUpdates")->text(), "&Check for Updates Now");
    auto* toolbar = W().findChild<QToolBar*>("ToolBar1");
    EXPECT_EQ(Names(toolbar->actions()), (QStringList{"FileNew", "FileOpen", "FileSave", "-", "EditUndo",
                                                      "EditRedo", "-", "FilePrint", "-", "HelpWebsite"}));
}

TEST_F(TWindowTest, ExitRequestsTheClose)
{
    Type("Edit1", "7.25");
    W().findChild<QAction*>("FileExit")->trigger();  // no answer queued: Cancel
    EXPECT_TRUE(W().isVisible());
    ASSERT_EQ(Platform_.Messages.size(), 1);
    Platform_.MessageAnswers.enqueue(mbNo);
    W().findChild<QAction*>("FileExit")->trigger();
    EXPECT_FALSE(W().isVisible());
}

}  // namespace
