#include "ui/IconSet.h"

#include <QPainter>

namespace {
QPixmap Draw(bool pass)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(pass ? QColor(0, 150, 60) : QColor(210, 30, 30));
    p.drawEllipse(1, 1, 14, 14);
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    if (pass) {
        p.drawPolyline(QPolygonF({QPointF(4.5, 8.5), QPointF(7, 11), QPointF(11.5, 5.5)}));
    } else {
        p.drawLine(QPointF(5, 5), QPointF(11, 11));
        p.drawLine(QPointF(11, 5), QPointF(5, 11));
    }
    return pixmap;
}
}  // namespace

const QPixmap& CheckIconPixmap(int index)
{
    static const QPixmap pass = Draw(true);
    static const QPixmap fail = Draw(false);
    return index == ciPass ? pass : fail;
}

TCheckIconLabel::TCheckIconLabel(const QString& name, QWidget* parent) : QLabel(parent)
{
    setObjectName(name);
    setPixmap(CheckIconPixmap(ciPass));
    resize(16, 16);
}

void TCheckIconLabel::SetPass(bool pass)
{
    const int tag = pass ? ciPass : ciFail;
    if (tag == Tag_ && !pixmap().isNull())
        return;
    Tag_ = tag;
    setPixmap(CheckIconPixmap(Tag_));
}
