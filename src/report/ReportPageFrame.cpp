#include "report/ReportPageFrame.h"

#include "core/Version.h"
#include "report/ReportEngine.h"
#include "update/MakerAddresses.h"

namespace {

constexpr double kFooterMargin = 0.4;  // inch: the footer line's distance from the paper's bottom

}  // namespace

void PrintPageFooter(TReportEngine& engine)
{
    engine.SetFont("Arial", 9);
    const double bodyMargin = engine.MarginBottom;
    engine.MarginBottom = kFooterMargin;
    const double ruleY = engine.PageHeight() - engine.MarginBottom - engine.LineHeight();
    engine.MoveTo(engine.SectionLeft(), ruleY);
    engine.LineTo(engine.SectionRight(), ruleY);
    engine.PrintFooter(QString("  ") + MakerAddresses::SiteName, TJustify::Left);
    engine.PrintFooter(QString::number(engine.CurrentPage()) + "  ", TJustify::Right);
    engine.Bold(true);
    engine.PrintFooter(QString("Pelmark v") + VersionText, TJustify::Center);
    engine.Bold(false);
    engine.MarginBottom = bodyMargin;
}

void DecodeReportImage(const QByteArray& stream, const QString& kind, QImage& target)
{
    if (kind != "JPG" && kind != "BMP")
        return;
    QImage image;
    image.loadFromData(stream, kind == "JPG" ? "JPEG" : "BMP");
    target = image.convertToFormat(QImage::Format_RGB32);
}

void AttachPageFrame(TReportEngine& engine)
{
    engine.OnPrintFooter = PrintPageFooter;
    engine.OnDecodeImage = DecodeReportImage;
}
