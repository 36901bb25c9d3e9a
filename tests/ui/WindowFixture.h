// A main window on the scripted platform, started as a new user would start it.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "ui/MainWindow.h"
#include "ui/NumericEdit.h"
#include "ui/ScriptedPlatform.h"

class TWindowTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        SetPlatform(&Platform_);
        Window_ = std::make_unique<TfrmPMMain>();
        Window_->show();
    }
    void TearDown() override
    {
        Window_.reset();
        SetPlatform(nullptr);
    }

    TfrmPMMain& W() { return *Window_; }
    TPMData& D() { return Window_->Data(); }
    TNumericEdit* Edit(const char* name) { return Window_->Edit(name); }
    QComboBox* List(const char* name) { return Window_->Control<QComboBox>(name); }

    // Enters the edit, types a text over its content and leaves it with Tab, as the user does: the
    // edit commits through its real focus change.
    void Type(const char* name, const QString& text)
    {
        TNumericEdit* edit = Edit(name);
        Window_->activateWindow();
        QApplication::setActiveWindow(Window_.get());
        edit->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(edit->hasFocus()) << name;
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        ASSERT_FALSE(edit->hasFocus()) << name << " kept the focus";
    }
    // Chooses a list item as the user does (the change handling runs).
    void Choose(const char* name, int index) { List(name)->setCurrentIndex(index); }
    void OpenSection(const char* name) { Window_->InputSection(name)->Expand(true); }

    TScriptedPlatform Platform_;
    std::unique_ptr<TfrmPMMain> Window_;
};
