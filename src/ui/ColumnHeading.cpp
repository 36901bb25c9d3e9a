#include "ui/ColumnHeading.h"

#include <QFont>
#include <QLabel>
#include <QPalette>

QLabel* ColumnHeading(const QString& text, QWidget* parent)
{
    auto* heading = new QLabel(text, parent);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    heading->setAutoFillBackground(true);
    QPalette p = heading->palette();
    p.setColor(QPalette::Window, QColor(200, 214, 232));
    heading->setPalette(p);
    heading->setFixedHeight(20);
    return heading;
}
