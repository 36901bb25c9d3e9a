// The splash window: a picture, the product name and a one-line notice, on top of everything and
// centred on the screen; it closes 2 seconds after it appeared or when it is clicked.
#pragma once

#include <QWidget>

class TfrmSplash : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kCloseAfterMs = 2000;
    TfrmSplash();
    // The 576 x 400 picture.
    static QImage Picture();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
};
