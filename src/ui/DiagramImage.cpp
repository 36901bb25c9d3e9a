#include "ui/DiagramImage.h"

#include <QMouseEvent>
#include <QPainter>

TDiagramImage::TDiagramImage(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setMinimumSize(40, 40);
}

void TDiagramImage::SetImage(const QImage& image)
{
    Image_ = image;
    update();
}

void TDiagramImage::paintEvent(QPaintEvent*)
{
    if (Image_.isNull())
        return;
    QPainter painter(this);
    QSize target = Image_.size().scaled(size(), Qt::KeepAspectRatio);
    const QRect r(QPoint((width() - target.width()) / 2, (height() - target.height()) / 2), target);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, Image_.size() != target);
    painter.drawImage(r, Image_);
}

void TDiagramImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit Clicked(this);
}
