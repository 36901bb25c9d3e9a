// The zoom window: one picture at its natural size in a fixed-border modal window.
#pragma once

#include <QDialog>
#include <QImage>

class QLabel;

class TfrmImgZoom : public QDialog {
    Q_OBJECT
  public:
    TfrmImgZoom(const QImage& picture, QWidget* parent = nullptr);

    QLabel* Image1() const { return Image1_; }

  private:
    QLabel* Image1_ = nullptr;
};

// The size of a diagram drawn for the zoom window: the work area less 20 pixels across and 100
// down (room for the frame and the task bar), never below one pixel.
QSize ZoomBitmapSize(const QSize& workArea);

// Shows the picture in a zoom window centred on the parent; the window is freed when it closes.
void ShowImgZoom(QWidget* parent, const QImage& picture);
