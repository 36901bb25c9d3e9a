// The Print command: the print menu's choices, the choice kept for Ctrl+P, the focused input
// committed first, and a cancelled step that prints nothing.
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>

#include "WindowFixture.h"
#include "ui/ModalRunner.h"

namespace {

class TPrintTest : public TWindowTest {
  protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        Platform_.Documents = Dir_.path();
        // "Output Options" answers File, unless a test cancels it.
        Previous_ = SetModalRunner([this](QDialog& dialog) {
            ++Dialogs_;
            if (CancelOptions_)
                return int(QDialog::Rejected);
            dialog.findChild<QRadioButton*>("rbFile")->setChecked(true);
            return int(QDialog::Accepted);
        });
    }
    void TearDown() override
    {
        SetModalRunner(Previous_);
        TWindowTest::TearDown();
    }

    QAction* MenuItem(const QString& text)
    {
        for (QAction* item : W().PrintMenu()->actions())
            if (item->text() == text)
                return item;
        return nullptr;
    }
    static QString PdfText(const QString& path)
    {
        QProcess process;
        process.start("pdftotext", {path, "-"});
        process.waitForFinished(30000);
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    QTemporaryDir Dir_;
    TModalRunner Previous_;
    bool CancelOptions_ = false;
    int Dialogs_ = 0;
};

TEST_F(TPrintTest, MenuOffersStabilityChoicesOnlyWithPedestalsAndReinforcementOnlyWhenTicked)
{
    struct TCase {
        int Pedestals;
        bool Square;
        bool Enabled[5];
    };
    for (const TCase& c :
         {TCase{0, false, {true, true, false, false, false}}, TCase{1, true, {true, true, true, true, true}},
          TCase{0, true, {true, true, false, true, false}}}) {
        D().Stability.PedestalCount = c.Pedestals;
        D().Square.UseSquareReinforcement = c.Square;
        emit W().PrintMenu()->aboutToShow();
        const QList<QAction*> items = W().PrintMenu()->actions();
        ASSERT_EQ(items.size(), 5);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(items[i]->isEnabled(), c.Enabled[i]) << items[i]->text().toStdString();
    }
}

TEST_F(TPrintTest, CtrlPPrintsTheLastMenuChoiceWithTheValueBeingTyped)
{
    const QString first = Dir_.filePath("bearing.pdf"), second = Dir_.filePath("again.pdf");
    Platform_.FileAnswers << first << second;
    ASSERT_NE(MenuItem("Bearing Capacity"), nullptr);
    MenuItem("Bearing Capacity")->trigger();
    EXPECT_EQ(W().PrintChoice(), 1);
    ASSERT_TRUE(QFile::exists(first));
    // The PDF is offered in the documents folder.
    EXPECT_EQ(Platform_.FileDialogs.last().Folder, Dir_.path());
    EXPECT_EQ(Platform_.FileDialogs.last().FileName, "Pelmark.pdf");  // a new project has no name yet

    W().activateWindow();
    TNumericEdit* width = Edit("Edit1");
    width->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), width);
    width->selectAll();
    QTest::keyClicks(width, "9.5");
    QTest::keyClick(width, Qt::Key_P, Qt::ControlModifier);
    ASSERT_TRUE(QFile::exists(second));
    EXPECT_EQ(double(D().B), 9.5);
    const QString text = PdfText(second);
    EXPECT_TRUE(text.contains("9.50 ft"));
    EXPECT_TRUE(text.contains("Bearing Capacity"));
    EXPECT_FALSE(text.contains("Stability Analysis"));
    EXPECT_FALSE(text.contains("Square Reinforcement"));
}

TEST_F(TPrintTest, CancellingTheOptionsOrTheFileDialogPrintsNothing)
{
    CancelOptions_ = true;
    W().FilePrintExecute();
    EXPECT_EQ(Dialogs_, 1);
    EXPECT_TRUE(Platform_.FileDialogs.isEmpty());
    CancelOptions_ = false;
    W().FilePrintExecute();  // the file dialog answers nothing: cancelled
    EXPECT_EQ(Platform_.FileDialogs.size(), 1);
    EXPECT_TRUE(QDir(Dir_.path()).entryList({"*.pdf"}).isEmpty());
    EXPECT_FALSE(W().Modified());
}

}  // namespace
