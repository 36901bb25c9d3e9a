// Numeric edits agree between the keyboard and the mouse: every paste passes the key filter, the
// edit shortcuts work, and the context menu offers only what works. Esc cancels the pedestals
// dialog from whichever of its controls has the focus.
#include <QClipboard>
#include <QMenu>
#include <QSpinBox>
#include <QTabBar>

#include "WindowFixture.h"
#include "ui/Pedastals.h"

namespace {

QStringList MenuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << (action->isSeparator() ? "-" : action->text() + (action->isEnabled() ? "" : " (off)"));
    return texts;
}

QAction* MenuAction(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

struct TPasteCase {
    const char* Name;
    const char* Held;       // the edit's text before; all of it is selected
    const char* Clipboard;  // what is pasted over it
    const char* Shown;      // the text after the paste, as typing the clipboard would leave it
    bool Offered;           // the menu's Paste is enabled: some character would get through
};
const TPasteCase kPasteCases[] = {
    {"UnitsAndLetters", "1.00", "xyz 7.5 kN", "7.5", true},
    {"SecondSeparatorDropped", "1.00", "20.00hello 12abc", "20.0012", true},
    {"Negative", "1.00", "-3", "-3", true},
    {"NothingNumericKeepsTheText", "4.25", "kN", "4.25", false},
};

class TPasteTest : public TWindowTest, public ::testing::WithParamInterface<TPasteCase> {
  protected:
    TNumericEdit* Focused(const char* name, const QString& held)
    {
        TNumericEdit* edit = Edit(name);
        W().activateWindow();
        QApplication::setActiveWindow(&W());
        edit->setFocus(Qt::MouseFocusReason);
        edit->setText(held);
        edit->selectAll();
        return edit;
    }
};

TEST_P(TPasteTest, CtrlVAndTheMenuPasteWhatTypingWouldTake)
{
    const TPasteCase& c = GetParam();
    QGuiApplication::clipboard()->setText(c.Clipboard);

    TNumericEdit* byKeys = Focused("Edit3", c.Held);
    QTest::keyClick(byKeys, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(byKeys->text(), c.Shown);

    TNumericEdit* byMenu = Focused("Edit1", c.Held);
    std::unique_ptr<QMenu> menu(byMenu->CreateEditMenu());
    QAction* paste = MenuAction(menu.get(), "&Paste");
    ASSERT_NE(paste, nullptr);
    EXPECT_EQ(paste->isEnabled(), c.Offered);
    paste->trigger();
    EXPECT_EQ(byMenu->text(), c.Shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, TPasteTest, ::testing::ValuesIn(kPasteCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TWindowTest, PastedTextIsCommittedAsTheFilteredNumber)
{
    // Df: "20.00hello 12abc" would have been read as the lower bound; filtered, it is 20.0012 ft.
    QGuiApplication::clipboard()->setText("20.00hello 12abc");
    TNumericEdit* depth = Edit("Edit3");
    W().activateWindow();
    QApplication::setActiveWindow(&W());
    depth->setFocus(Qt::MouseFocusReason);
    depth->selectAll();
    QTest::keyClick(depth, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(depth, Qt::Key_Tab);
    EXPECT_NEAR(static_cast<double>(D().Df), 20.0012, 1e-9);
}

TEST_F(TWindowTest, CtrlASelectsAllAndTheMenuOffersOnlyWhatWorks)
{
    TNumericEdit* width = Edit("Edit1");
    W().activateWindow();
    QApplication::setActiveWindow(&W());
    width->setFocus(Qt::MouseFocusReason);
    width->setText("12.50");
    width->setCursorPosition(2);
    QTest::keyClick(width, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(width->selectedText(), "12.50");

    // Copy and Cut by the keyboard, as the menu offers them.
    QTest::keyClick(width, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "12.50");
    QTest::keyClick(width, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(width->text(), "");

    QGuiApplication::clipboard()->setText("3");
    width->setText("12.50");
    width->selectAll();
    std::unique_ptr<QMenu> menu(width->CreateEditMenu());
    EXPECT_EQ(MenuTexts(menu.get()), (QStringList{"Cu&t", "&Copy", "&Paste", "&Delete", "-", "Select &All"}));

    // A result shows only what reading it allows.
    TNumericEdit* result = nullptr;
    for (TNumericEdit* edit : W().findChildren<TNumericEdit*>())
        if (edit->IsResult() && !edit->text().isEmpty())
            result = edit;
    ASSERT_NE(result, nullptr);
    std::unique_ptr<QMenu> resultMenu(result->CreateEditMenu());
    EXPECT_EQ(MenuTexts(resultMenu.get()), (QStringList{"&Copy (off)", "-", "Select &All"}));
}

// The pedestals dialog with one pedestal, shown and active.
class TOpenPedestalsDialog {
  protected:
    TOpenPedestalsDialog() : Dialog(OnePedestal(), nullptr)
    {
        Dialog.show();
        QApplication::setActiveWindow(&Dialog);
    }
    static TPMData OnePedestal()
    {
        TPMData data;
        data.Stability.PedestalCount = 1;
        return data;
    }
    TfrmPedastals Dialog;
};

// The number field, an edit of the pedestal tab and the tab bar: Esc cancels from each.
class TPedestalsEscTest : public TOpenPedestalsDialog, public ::testing::TestWithParam<int> {};

TEST_P(TPedestalsEscTest, EscCancelsFromAnyControl)
{
    QWidget* control = GetParam() == 0    ? static_cast<QWidget*>(Dialog.SpinEdit1())
                       : GetParam() == 21 ? static_cast<QWidget*>(Dialog.TabControl1())
                                          : static_cast<QWidget*>(Dialog.Edit(GetParam()));
    control->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_FALSE(Dialog.isVisible());
    EXPECT_EQ(Dialog.result(), QDialog::Rejected);
}

INSTANTIATE_TEST_SUITE_P(Controls, TPedestalsEscTest, ::testing::Values(0, 1, 7, 20, 21));

// Return moves on to the next control, from the number field and from an edit, and never closes
// the dialog (Enter would otherwise press its default button).
class TPedestalsReturnTest : public TOpenPedestalsDialog, public ::testing::Test {};

TEST_F(TPedestalsReturnTest, ReturnMovesToTheNextControl)
{
    for (QWidget* control :
         {static_cast<QWidget*>(Dialog.SpinEdit1()), static_cast<QWidget*>(Dialog.Edit(3))}) {
        control->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(control->hasFocus());
        QTest::keyClick(control, Qt::Key_Return);
        EXPECT_TRUE(Dialog.isVisible());
        EXPECT_FALSE(control->hasFocus()) << control->objectName().toStdString();
    }
}

}  // namespace
