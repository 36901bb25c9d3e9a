#include "report/RecordingReportEngine.h"

void TRecordingReportEngine::OutText(double x, double y, const QString& text, const TReportFont& font)
{
    Operations << QString("Text %1 %2 %3 %4%5%6 color %7 \"%8\"")
                      .arg(x, 0, 'f', 2)
                      .arg(y, 0, 'f', 2)
                      .arg(font.Size)
                      .arg(font.Bold ? "bold" : "regular")
                      .arg(font.Italic ? " italic" : "")
                      .arg(font.Subscript     ? " sub"
                           : font.Superscript ? " super"
                                              : "")
                      .arg(font.Color)
                      .arg(text);
}

void TRecordingReportEngine::OutImage(double, double, double, double, const QImage& image)
{
    Operations << QString("Picture %1x%2").arg(image.width()).arg(image.height());
}
