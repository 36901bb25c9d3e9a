// A numeric edit of the window: it carries the limits tag of its value, filters the keys it takes,
// knows its hint, and tells the window when it is entered and left. Result edits are read-only.
// Typing, pasting (keyboard, menu, middle button) all pass the same key filter.
#pragma once

#include <QClipboard>
#include <QLineEdit>

class QMenu;

#include "core/Globals.h"

class TNumericEdit : public QLineEdit {
    Q_OBJECT
  public:
    TNumericEdit(const QString& name, int tag, bool result, QWidget* parent);

    int Tag() const { return Tag_; }
    bool IsResult() const { return Result_; }
    void SetHint(const QString& hint);
    QString Hint() const { return Hint_; }

    // The key filter: backspace, "-", digits, and one decimal separator.
    static bool AcceptsKey(QChar key, const QString& text);
    // The characters of a text that the key filter takes, typed in turn over the selection.
    QString FilteredInsertion(const QString& text) const;
    // Pastes the clipboard (or the mouse selection) through the key filter.
    void PasteFiltered(QClipboard::Mode mode);
    // The context menu: only the commands that work here, enabled when they would do something.
    QMenu* CreateEditMenu();

    // The text colour of a pass (normal) or a fail (red).
    void SetFailing(bool failing);
    bool IsFailing() const { return Failing_; }

  signals:
    void Entered(TNumericEdit* edit);
    void Left(TNumericEdit* edit);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    int Tag_;
    bool Result_;
    bool Failing_ = false;
    QString Hint_;
};

// Shows a value in an edit with FormatInput of its tag, without change notification.
void ShowInput(TNumericEdit* edit, Real value);
// Reads an edit with ParseInput (its tag, the explicit bounds; 0 = none); a corrected value is
// written back into the edit.
Real ReadInput(TNumericEdit* edit, double minimum = 0, double maximum = 0);
// Shows a result's text whole: the text is set smaller when it is wider than the edit, and the
// edit grows when even that is not enough. No change notification.
void ShowWholeText(TNumericEdit* edit, const QString& text);
// Sets a control's text without change notification.
void SetTextSilently(QLineEdit* edit, const QString& text);
