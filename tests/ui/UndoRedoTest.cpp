// Undo and redo: one step for each committed change, named after it; the modified mark follows the
// saved state; New and Open start an empty history; Size Footing is one step.
#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>

#include "ProjectFixture.h"
#include "design/SquareFootingSizing.h"
#include "ui/Pedastals.h"

namespace {

enum class TChange { Edit, Shape, UnitsList, CheckBox, LogoLoaded, LogoCleared, Text, Date, Convert };

struct TUndoCase {
    const char* Name;
    TChange Change;
    const char* Control;  // where the change is shown
    const char* UndoText;
};

const TUndoCase kUndoCases[] = {
    {"EditCommit", TChange::Edit, "Edit1", "Undo Ftng. Width (B)"},
    {"ListChoice", TChange::Shape, "ComboBox2", "Undo Ftng. Shape"},
    {"UnitsList", TChange::UnitsList, "ComboBox1", "Undo Units"},
    {"CheckBox", TChange::CheckBox, "chkUseReinforcement", "Undo Use Square Reinforcement"},
    {"LogoLoaded", TChange::LogoLoaded, "Logo", "Undo Logo"},
    {"LogoCleared", TChange::LogoCleared, "Logo", "Undo Logo"},
    {"IdentificationText", TChange::Text, "Edit28", "Undo Organization"},
    {"Date", TChange::Date, "DateTimePicker1", "Undo Date"},
    {"UnitConversion", TChange::Convert, "Edit1", "Undo Convert to SI Units"},
};

class TUndoTest : public TProjectTest {
  protected:
    QUndoStack& History() { return *W().History(); }
    QAction* Action(const char* name) { return W().findChild<QAction*>(name); }
    static QString Text(QAction* action) { return action->text().remove('&'); }
    std::vector<std::uint8_t> Inputs() { return D().SaveProjectToBytes(); }

    // What a control shows, whatever its kind.
    QString Shown(const char* name)
    {
        QObject* control = W().NamedControl(name);
        if (auto* list = qobject_cast<QComboBox*>(control))
            return list->currentText();
        if (auto* box = qobject_cast<QCheckBox*>(control))
            return box->isChecked() ? "checked" : "unchecked";
        if (auto* date = qobject_cast<QDateEdit*>(control))
            return date->date().toString(Qt::ISODate);
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            return edit->text();
        if (auto* label = qobject_cast<QLabel*>(control))
            return label->pixmap().isNull() ? "no picture" : "picture";
        return {};
    }

    void Make(TChange change)
    {
        switch (change) {
        case TChange::Edit:
            Type("Edit1", "7.25");
            break;
        case TChange::Shape:
            Choose("ComboBox2", shRectangle);
            break;
        case TChange::UnitsList:
            Choose("ComboBox1", 1);
            break;
        case TChange::CheckBox:
            W().Control<QCheckBox>("chkUseReinforcement")->click();
            break;
        case TChange::LogoLoaded:
            Platform_.FileAnswers.enqueue(WriteJpeg("logo.jpg", 40, 20));
            W().Control<QPushButton>("Button1")->click();
            break;
        case TChange::LogoCleared:
            W().Control<QPushButton>("Button3")->click();
            break;
        case TChange::Text: {
            auto* edit = W().Control<QLineEdit>("Edit28");
            edit->setText("Korvane Engineering");
            emit edit->editingFinished();
            break;
        }
        case TChange::Date: {
            auto* date = W().Control<QDateEdit>("DateTimePicker1");
            date->setDate(QDate(2021, 3, 4));
            QFocusEvent leave(QEvent::FocusOut);
            QApplication::sendEvent(date, &leave);
            break;
        }
        case TChange::Convert:
            Run("ToolsConvertSI");
            break;
        }
    }
};

class TUndoCaseTest : public TUndoTest, public ::testing::WithParamInterface<TUndoCase> {};

TEST_P(TUndoCaseTest, OneStepUndoneAndRedone)
{
    const TUndoCase& c = GetParam();
    if (c.Change == TChange::LogoCleared)
        Make(TChange::LogoLoaded);
    const int index = History().index();
    const auto before = Inputs();
    const QString shownBefore = Shown(c.Control);

    Make(c.Change);
    const auto after = Inputs();
    const QString shownAfter = Shown(c.Control);
    ASSERT_NE(after, before);
    ASSERT_NE(shownAfter, shownBefore);
    EXPECT_EQ(History().index(), index + 1);
    EXPECT_EQ(Text(Action("EditUndo")), c.UndoText);
    EXPECT_EQ(Action("EditUndo")->toolTip(), c.UndoText);  // the toolbar button's name
    EXPECT_TRUE(W().Modified());

    Action("EditUndo")->trigger();
    EXPECT_EQ(Inputs(), before);
    EXPECT_EQ(Shown(c.Control), shownBefore);
    EXPECT_EQ(History().index(), index);
    EXPECT_EQ(Text(Action("EditRedo")), QString(c.UndoText).replace("Undo", "Redo"));

    Action("EditRedo")->trigger();
    EXPECT_EQ(Inputs(), after);
    EXPECT_EQ(Shown(c.Control), shownAfter);
    EXPECT_EQ(History().index(), index + 1);
    EXPECT_TRUE(Platform_.Messages.isEmpty()) << Platform_.Messages.value(0).Text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(EachKindOfChange, TUndoCaseTest, ::testing::ValuesIn(kUndoCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TUndoTest, NoStepWithoutAChange)
{
    const auto value = Edit("Edit1")->text();
    Type("Edit1", value);  // the same value committed again
    W().Control<QComboBox>("ComboBox2")->setCurrentIndex(List("ComboBox2")->currentIndex());
    EXPECT_EQ(History().count(), 0);
    EXPECT_FALSE(Action("EditUndo")->isEnabled());
    EXPECT_FALSE(Action("EditRedo")->isEnabled());
}

TEST_F(TUndoTest, ShortcutsAndPlaces)
{
    EXPECT_EQ(Action("EditUndo")->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(Action("EditRedo")->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
    auto* edit = W().findChild<QMenu*>("mnuEdit");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->actions(), QList<QAction*>({Action("EditUndo"), Action("EditRedo")}));
    auto* toolbar = W().findChild<QToolBar*>("ToolBar1");
    EXPECT_TRUE(toolbar->actions().contains(Action("EditUndo")));
    EXPECT_TRUE(toolbar->actions().contains(Action("EditRedo")));
}

TEST_F(TUndoTest, KeysReachTheWindowFromAnEditWithNothingOfItsOwn)
{
    const QString width = Edit("Edit1")->text();
    Type("Edit1", "7.25");  // the focus moves on to the next edit, which has no typing to undo
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(qobject_cast<QLineEdit*>(focus), nullptr);
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Edit("Edit1")->text(), width);
    QTest::keyClick(focus, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Edit("Edit1")->text(), "7.25");
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(focus, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Edit("Edit1")->text(), "7.25");
}

TEST_F(TUndoTest, ModifiedMarkFollowsTheSavedState)
{
    Type("Edit1", "7.25");
    Platform_.FileAnswers.enqueue(Path("saved.kpm"));
    Run("FileSaveAs");
    ASSERT_FALSE(W().Modified());
    Type("Edit3", "4.5");
    EXPECT_TRUE(W().Modified());

    Action("EditUndo")->trigger();  // back to the saved state
    EXPECT_FALSE(W().Modified());
    EXPECT_FALSE(W().isWindowModified());
    Action("EditRedo")->trigger();
    EXPECT_TRUE(W().Modified());
    EXPECT_TRUE(W().isWindowModified());
    Action("EditUndo")->trigger();
    Action("EditUndo")->trigger();  // before the saved state
    EXPECT_TRUE(W().Modified());
    Action("EditRedo")->trigger();
    EXPECT_FALSE(W().Modified());
}

TEST_F(TUndoTest, NewAndOpenStartAnEmptyHistory)
{
    const QString other = WriteProject("other.kpm", 3.5);
    for (const char* command : {"FileNew", "FileOpen"}) {
        Type("Edit1", "7.25");
        ASSERT_EQ(History().count(), 1) << command;
        Platform_.MessageAnswers.enqueue(mbNo);  // the save prompt
        Platform_.FileAnswers.enqueue(other);    // taken by Open only
        Run(command);
        EXPECT_EQ(History().count(), 0) << command;
        EXPECT_FALSE(Action("EditUndo")->isEnabled()) << command;
        EXPECT_FALSE(W().Modified()) << command;
        Platform_.FileAnswers.clear();
    }
    EXPECT_EQ(D().B, 3.5L);  // Open read the other project
}

TEST_F(TUndoTest, ConfirmedPedestalsAreOneStep)
{
    Choose("ComboBox2", shSquare);
    const auto before = Inputs();
    const int index = History().index();
    const int count = D().Stability.PedestalCount;
    QTimer::singleShot(0, [] {
        auto* dialog = qobject_cast<TfrmPedastals*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->SpinEdit1()->setValue(2);
        dialog->Edit(6)->setText("-50");
        dialog->StoreTab();
        dialog->accept();
    });
    W().Control<QPushButton>("btnPedestals")->click();
    ASSERT_EQ(D().Stability.PedestalCount, 2);
    ASSERT_EQ(D().Stability.Pedestals[0].PzD, -50);
    EXPECT_EQ(History().index(), index + 1);
    EXPECT_EQ(Text(Action("EditUndo")), "Undo Pedestals");

    Action("EditUndo")->trigger();
    EXPECT_EQ(D().Stability.PedestalCount, count);
    EXPECT_EQ(Inputs(), before);
}

TEST_F(TUndoTest, SizeFootingFillsTheInputsAsOneStep)
{
    Choose("ComboBox2", shSquare);
    const auto before = Inputs();
    const int index = History().index();
    // The window applies what the sizing of the same record finds.
    const TSizingResult expected = SizeSquareFooting(D(), 1);
    ASSERT_TRUE(expected.Found) << expected.Failing;

    Run("ToolsSizeFooting");
    EXPECT_EQ(D().Square.FootingDim1, expected.B1);
    EXPECT_EQ(D().Square.FootingDim2, expected.B2);
    EXPECT_EQ(D().Square.FootingThickness, expected.Thickness);
    EXPECT_EQ(D().Square.NumBars1, expected.Bars1);
    EXPECT_EQ(D().Square.NumBars2, expected.Bars2);
    EXPECT_TRUE(D().Square.UseSquareReinforcement);
    EXPECT_EQ(FirstFailingSquareCheck(D()), "");  // every check passes as recomputed by the window
    EXPECT_EQ(History().index(), index + 1);
    EXPECT_EQ(Text(Action("EditUndo")), "Undo Size Footing");
    ASSERT_EQ(Platform_.Messages.size(), 1);
    EXPECT_TRUE(Platform_.Messages[0].Text.startsWith("Sized: B1 = "))
        << Platform_.Messages[0].Text.toStdString();

    Action("EditUndo")->trigger();
    EXPECT_EQ(Inputs(), before);
}

TEST_F(TUndoTest, SizeFootingThatCannotBeMetSaysWhichCheckAndChangesNothing)
{
    Choose("ComboBox2", shSquare);
    Type("Edit58", "0");  // Fy at its lowest: no steel can be sized
    const auto before = Inputs();
    const int index = History().index();
    const TSizingResult expected = SizeSquareFooting(D(), 1);
    ASSERT_FALSE(expected.Found);

    Run("ToolsSizeFooting");
    ASSERT_EQ(Platform_.Messages.size(), 1);
    EXPECT_EQ(Platform_.Messages[0].Kind, TMsgKind::Warning);
    EXPECT_EQ(Platform_.Messages[0].Text, "No footing up to the input limits passes: " +
                                              QString::fromStdString(expected.Failing) + " cannot be met.");
    EXPECT_FALSE(expected.Failing.empty());
    EXPECT_EQ(Inputs(), before);
    EXPECT_EQ(History().index(), index);
}

}  // namespace
