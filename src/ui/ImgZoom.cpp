#include "ui/ImgZoom.h"

#include <QLabel>
#include <QPixmap>
#include <QVBoxLayout>
#include <memory>

#include "ui/ModalRunner.h"

TfrmImgZoom::TfrmImgZoom(const QImage& picture, QWidget* parent) : QDialog(parent)
{
    setObjectName("frmImgZoom");
    setWindowTitle("Image");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Image1_ = new QLabel(this);
    Image1_->setObjectName("Image1");
    Image1_->setScaledContents(false);
    Image1_->setPixmap(QPixmap::fromImage(picture));
    Image1_->setFixedSize(picture.size());
    layout->addWidget(Image1_);
    setFixedSize(picture.size());
}

QSize ZoomBitmapSize(const QSize& workArea)
{
    return QSize(std::max(1, workArea.width() - 20), std::max(1, workArea.height() - 100));
}

void ShowImgZoom(QWidget* parent, const QImage& picture)
{
    if (picture.isNull())
        return;
    auto window = std::make_unique<TfrmImgZoom>(picture, parent);
    if (parent)
        window->move(parent->frameGeometry().center() - window->rect().center());
    RunModal(*window);
}
