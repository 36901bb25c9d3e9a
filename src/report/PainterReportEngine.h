// The report engine on any paged painter device: a PDF writer, a printer, the print preview.
#pragma once

#include <QPagedPaintDevice>
#include <QPainter>

#include "report/ReportEngine.h"

// "Arial" is drawn with its metric-compatible face, so that widths and line breaks match it.
QString ResolveReportFontFamily(const QString& name);

class TPainterReportEngine : public TReportEngine {
  public:
    // Paints on the device from Begin to End; the device's page size gives the page's inches.
    explicit TPainterReportEngine(QPagedPaintDevice& device);
    ~TPainterReportEngine() override;

    // Opens the painter and the first page; false when the device cannot be painted on.
    bool Start();
    // Ends the last page and closes the painter.
    void Finish();

  protected:
    double MeasureText(const QString& text, const TReportFont& font) const override;
    void OutText(double x, double y, const QString& text, const TReportFont& font) override;
    void OutLine(double x1, double y1, double x2, double y2) override;
    void OutRectangle(double x1, double y1, double x2, double y2) override;
    void OutImage(double x1, double y1, double x2, double y2, const QImage& image) override;
    void OutNewPage() override;

  private:
    QFont QtFont(const TReportFont& font) const;
    QPointF Point(double x, double y) const;

    QPagedPaintDevice& Device_;
    QPainter Painter_;
    double Dpi_ = 72;
    QPointF Origin_;  // the page's top-left corner in device pixels
};
