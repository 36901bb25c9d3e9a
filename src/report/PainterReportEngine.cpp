#include "report/PainterReportEngine.h"

#include <QFontMetricsF>
#include <QPageLayout>

namespace {

QSizeF PageInches(const QPagedPaintDevice& device)
{
    return device.pageLayout().fullRect(QPageLayout::Inch).size();
}

}  // namespace

QString ResolveReportFontFamily(const QString& name)
{
    return name.compare("Arial", Qt::CaseInsensitive) == 0 ? QStringLiteral("Liberation Sans") : name;
}

TPainterReportEngine::TPainterReportEngine(QPagedPaintDevice& device)
    : TReportEngine(PageInches(device).width(), PageInches(device).height()), Device_(device)
{
}

TPainterReportEngine::~TPainterReportEngine()
{
    if (Painter_.isActive())
        Painter_.end();
}

bool TPainterReportEngine::Start()
{
    if (!Painter_.begin(&Device_))
        return false;
    Dpi_ = Device_.logicalDpiX();
    // The painter's origin is the printable area's corner; positions are from the paper's corner.
    const QPageLayout layout = Device_.pageLayout();
    const QRectF paint = layout.paintRect(QPageLayout::Inch);
    Origin_ = QPointF(-paint.left() * Dpi_, -paint.top() * Dpi_);
    Painter_.setRenderHint(QPainter::Antialiasing);
    Painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    Begin();
    return true;
}

void TPainterReportEngine::Finish()
{
    End();
    if (Painter_.isActive())
        Painter_.end();
}

QFont TPainterReportEngine::QtFont(const TReportFont& font) const
{
    QFont f(ResolveReportFontFamily(font.Name));
    f.setStyleHint(QFont::SansSerif);
    // Sizes in device pixels, so that the text scales with the device's resolution exactly.
    f.setPixelSize(std::max(1, qRound(font.DrawnSize() * Dpi_ / 72)));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPointF TPainterReportEngine::Point(double x, double y) const
{
    return Origin_ + QPointF(x * Dpi_, y * Dpi_);
}

double TPainterReportEngine::MeasureText(const QString& text, const TReportFont& font) const
{
    return QFontMetricsF(QtFont(font), &Device_).horizontalAdvance(text) / Dpi_;
}

void TPainterReportEngine::OutText(double x, double y, const QString& text, const TReportFont& font)
{
    Painter_.setFont(QtFont(font));
    // A Windows colour value keeps red in its lowest byte.
    const std::uint32_t c = font.Color;
    Painter_.setPen(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
    Painter_.drawText(Point(x, y), text);
}

void TPainterReportEngine::OutLine(double x1, double y1, double x2, double y2)
{
    Painter_.setPen(QPen(Qt::black, Dpi_ / 100.0));
    Painter_.drawLine(Point(x1, y1), Point(x2, y2));
}

void TPainterReportEngine::OutRectangle(double x1, double y1, double x2, double y2)
{
    Painter_.setPen(QPen(Qt::black, Dpi_ / 100.0));
    Painter_.setBrush(Qt::NoBrush);
    Painter_.drawRect(QRectF(Point(x1, y1), Point(x2, y2)));
}

void TPainterReportEngine::OutImage(double x1, double y1, double x2, double y2, const QImage& image)
{
    Painter_.drawImage(QRectF(Point(x1, y1), Point(x2, y2)), image);
}

void TPainterReportEngine::OutNewPage()
{
    Device_.newPage();
}
