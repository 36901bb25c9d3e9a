#include "ui/NumericEdit.h"

#include <algorithm>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "core/NumberFormat.h"
#include "core/Units.h"

namespace {
const QColor kResultBackground(0xC6, 0xE8, 0xFF);  // sky blue
}

TNumericEdit::TNumericEdit(const QString& name, int tag, bool result, QWidget* parent)
    : QLineEdit(parent), Tag_(tag), Result_(result)
{
    setObjectName(name);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (result) {
        setReadOnly(true);
        setFocusPolicy(Qt::NoFocus);
        QPalette p = palette();
        p.setColor(QPalette::Base, kResultBackground);
        setPalette(p);
    }
}

void TNumericEdit::SetHint(const QString& hint)
{
    Hint_ = hint;
    setToolTip(hint);
}

bool TNumericEdit::AcceptsKey(QChar key, const QString& text)
{
    if (key == QChar('\b') || key == QChar('-') || (key >= QChar('0') && key <= QChar('9')))
        return true;
    const QChar decimal = QChar(NumberSeparators().Decimal);
    return key == decimal && !text.contains(decimal);
}

void TNumericEdit::SetFailing(bool failing)
{
    if (failing == Failing_)
        return;  // a palette change restyles the edit: only when the colour changes
    Failing_ = failing;
    QPalette p = palette();
    p.setColor(QPalette::Text, failing ? QColor(Qt::red) : QPalette().color(QPalette::Text));
    setPalette(p);
}

QString TNumericEdit::FilteredInsertion(const QString& text) const
{
    // What the edit holds once the insertion has replaced the selection, as each key would see it.
    QString held = this->text();
    if (hasSelectedText())
        held.remove(selectionStart(), selectedText().size());
    QString taken;
    for (const QChar ch : text)
        if (ch != QChar('\b') && AcceptsKey(ch, held + taken))
            taken += ch;
    return taken;
}

void TNumericEdit::PasteFiltered(QClipboard::Mode mode)
{
    if (isReadOnly())
        return;
    const QString taken = FilteredInsertion(QGuiApplication::clipboard()->text(mode));
    if (!taken.isEmpty())  // as typed: characters the filter drops leave the text alone
        insert(taken);
}

QMenu* TNumericEdit::CreateEditMenu()
{
    auto* menu = new QMenu(this);
    const bool selected = hasSelectedText();
    const bool writable = !isReadOnly();
    auto add = [&](const QString& text, QKeySequence::StandardKey keys, bool enabled, auto slot) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this, slot);
        action->setShortcut(keys);
        action->setEnabled(enabled);
        return action;
    };
    if (writable)
        add("Cu&t", QKeySequence::Cut, selected, &QLineEdit::cut);
    add("&Copy", QKeySequence::Copy, selected, &QLineEdit::copy);
    if (writable) {
        add("&Paste", QKeySequence::Paste, !FilteredInsertion(QGuiApplication::clipboard()->text()).isEmpty(),
            [this] { PasteFiltered(QClipboard::Clipboard); });
        add("&Delete", QKeySequence::Delete, selected, &QLineEdit::del);
    }
    menu->addSeparator();
    add("Select &All", QKeySequence::SelectAll, !text().isEmpty(), &QLineEdit::selectAll);
    return menu;
}

void TNumericEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = CreateEditMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TNumericEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection through the key filter, as the other pastes do.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        PasteFiltered(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void TNumericEdit::keyPressEvent(QKeyEvent* event)
{
    // The edit shortcuts work as the context menu does; a paste goes through the key filter.
    if (event->matches(QKeySequence::Paste)) {
        PasteFiltered(QClipboard::Clipboard);
        return;
    }
    if (event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Copy) ||
        event->matches(QKeySequence::Cut)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        event->ignore();  // for the dialog or window around the edit, which cancels or closes
        return;
    }
    const QString text = event->text();
    const bool editingKey = event->key() == Qt::Key_Delete || event->key() == Qt::Key_Left ||
                            event->key() == Qt::Key_Right || event->key() == Qt::Key_Home ||
                            event->key() == Qt::Key_End || event->key() == Qt::Key_Up ||
                            event->key() == Qt::Key_Down;
    if (text.isEmpty() || editingKey || isReadOnly()) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Backspace || AcceptsKey(text.at(0), this->text())) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();  // dropped: letters, thousands separators, other control keys, a second separator
}

void TNumericEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    emit Entered(this);
}

void TNumericEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (event->reason() != Qt::PopupFocusReason)
        emit Left(this);
}

void SetTextSilently(QLineEdit* edit, const QString& text)
{
    const QSignalBlocker blocker(edit);
    edit->setText(text);
}

void ShowInput(TNumericEdit* edit, Real value)
{
    SetTextSilently(edit, QString::fromStdString(FormatInput(value, edit->Tag())));
}

Real ReadInput(TNumericEdit* edit, double minimum, double maximum)
{
    const std::string text = edit->text().toStdString();
    const Real value = ParseInput(text, edit->Tag(), minimum, maximum);
    // What the text converts to before clamping, as ParseInput reads it.
    std::string plain;
    for (char ch : text)
        if (ch != NumberSeparators().Thousands)
            plain += ch;
    Real converted = 0;
    if (!TryParseNumber(plain, converted))
        converted = 0;
    if (value != converted)
        ShowInput(edit, value);
    return value;
}

void ShowWholeText(TNumericEdit* edit, const QString& text)
{
    if (edit->text() == text)
        return;
    SetTextSilently(edit, text);
    // A long value is set smaller, and beyond that its edit grows to the right: a number is never
    // cut at its left edge, where its leading digits are.
    QFont font = edit->font();
    const QFont normal = edit->parentWidget() ? edit->parentWidget()->font() : font;
    font.setPointSizeF(normal.pointSizeF());
    const int room =
        edit->property("roomWidth").isValid() ? edit->property("roomWidth").toInt() : edit->width();
    if (!edit->property("roomWidth").isValid())
        edit->setProperty("roomWidth", room);
    const int frame = 8;  // the frame and the text margins of the edit
    const qreal smallest = normal.pointSizeF() * 0.7;
    while (QFontMetrics(font).horizontalAdvance(text) + frame > room && font.pointSizeF() - 0.5 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    edit->setFont(font);
    const int needed = QFontMetrics(font).horizontalAdvance(text) + frame;
    edit->resize(std::max(room, needed), edit->height());
    edit->setCursorPosition(0);
}
