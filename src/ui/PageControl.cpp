#include "ui/PageControl.h"

#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>
#include <QVBoxLayout>

void TOwnerDrawTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i))
            continue;
        QStyleOptionTab option;
        initStyleOption(&option, i);
        const QString text = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        const bool active = i == currentIndex();
        const QPoint offset = TextOffset(active);
        painter.setPen(TextColour(active));
        const QRect r = tabRect(i);
        painter.drawText(
            QRect(r.left() + offset.x(), r.top() + offset.y(), r.width() - offset.x(), r.height()),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
    }
}

QSize TOwnerDrawTabBar::tabSizeHint(int index) const
{
    const QSize base = QTabBar::tabSizeHint(index);
    const int textWidth = fontMetrics().horizontalAdvance(tabText(index));
    return {std::max(base.width(), textWidth + 16), std::max(base.height(), fontMetrics().height() + 10)};
}

TPageControl::TPageControl(const QString& name, QWidget* parent) : QTabWidget(parent)
{
    setObjectName(name);
    setTabBar(new TOwnerDrawTabBar(this));
    setDocumentMode(false);
}

QWidget* TPageControl::AddPage(const QString& caption)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 2, 2, 2);
    addTab(page, caption);
    return page;
}
