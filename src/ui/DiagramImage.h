// A picture control that shows its image stretched and centred; the diagram images of the window.
#pragma once

#include <QImage>
#include <QWidget>

class TDiagramImage : public QWidget {
    Q_OBJECT
  public:
    TDiagramImage(const QString& name, QWidget* parent);

    void SetImage(const QImage& image);
    const QImage& Image() const { return Image_; }

  signals:
    void Clicked(TDiagramImage* image);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QImage Image_;
};
