#include "update/UpdatePicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

QPixmap DrawUpdatePicture(QSize size)
{
    QPixmap picture(size);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();

    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(0x0B, 0x1F, 0x4B));
    sky.setColorAt(1, QColor(0x3A, 0x6E, 0xA5));
    painter.fillRect(picture.rect(), sky);

    // The download arrow inside a ring, in the upper part.
    const QPointF centre(w / 2, h * 0.30);
    const qreal radius = w * 0.32;
    painter.setPen(QPen(QColor(255, 255, 255, 220), w * 0.035));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    QPainterPath arrow;
    const qreal shaft = radius * 0.22;
    arrow.moveTo(centre.x() - shaft, centre.y() - radius * 0.6);
    arrow.lineTo(centre.x() + shaft, centre.y() - radius * 0.6);
    arrow.lineTo(centre.x() + shaft, centre.y() + radius * 0.05);
    arrow.lineTo(centre.x() + radius * 0.5, centre.y() + radius * 0.05);
    arrow.lineTo(centre.x(), centre.y() + radius * 0.6);
    arrow.lineTo(centre.x() - radius * 0.5, centre.y() + radius * 0.05);
    arrow.lineTo(centre.x() - shaft, centre.y() + radius * 0.05);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawPath(arrow);

    // A stem wall on its footing, with the ground line and its hatching.
    const qreal ground = h * 0.74;
    const QColor concrete(0xC8, 0xCC, 0xD2);
    painter.setBrush(concrete);
    painter.setPen(QPen(QColor(0x20, 0x2A, 0x3A), 1.5));
    const QRectF footing(w * 0.18, ground + h * 0.08, w * 0.64, h * 0.07);
    const QRectF wall(w * 0.42, ground - h * 0.12, w * 0.16, footing.top() - (ground - h * 0.12));
    painter.drawRect(footing);
    painter.drawRect(wall);
    painter.setPen(QPen(QColor(0xE8, 0xD8, 0xB0), 2));
    painter.drawLine(QPointF(w * 0.06, ground), QPointF(wall.left(), ground));
    painter.drawLine(QPointF(wall.right(), ground), QPointF(w * 0.94, ground));
    painter.setPen(QPen(QColor(0xE8, 0xD8, 0xB0), 1));
    for (qreal x = w * 0.08; x < w * 0.94; x += w * 0.06) {
        if (x > wall.left() - w * 0.05 && x < wall.right())
            continue;
        painter.drawLine(QPointF(x, ground), QPointF(x + w * 0.04, ground + w * 0.04));
    }
    return picture;
}
