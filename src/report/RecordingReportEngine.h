// A report engine that writes nothing but records every operation as one line of text, with
// text widths that depend only on the text and the size, so tests can pin the stream exactly.
#pragma once

#include <QStringList>

#include "report/ReportEngine.h"

class TRecordingReportEngine : public TReportEngine {
  public:
    // A Letter page.
    TRecordingReportEngine() : TReportEngine(8.5, 11) {}

    QStringList Operations;

  protected:
    // Half an em a character.
    double MeasureText(const QString& text, const TReportFont& font) const override
    {
        return text.size() * font.DrawnSize() / 144.0;
    }
    void OutText(double x, double y, const QString& text, const TReportFont& font) override;
    void OutLine(double, double, double, double) override {}
    void OutRectangle(double, double, double, double) override {}
    void OutImage(double x1, double y1, double x2, double y2, const QImage& image) override;
    void OutNewPage() override {}
    void Note(const QString& operation) override { Operations << operation; }
};
