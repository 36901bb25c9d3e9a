#include "diagrams/Canvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <utility>

static void InitDiagramAssets()
{
    Q_INIT_RESOURCE(pelmark_diagram_assets);
}

QString DiagramFontFamily()
{
    static const QString family = [] {
        InitDiagramAssets();
        int id = QFontDatabase::addApplicationFont(":/pelmark/fonts/DejaVuSans.ttf");
        QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString("DejaVu Sans") : families.first();
    }();
    return family;
}

namespace {
// Cell height (ascent + descent) of the diagram font per pixel of character height.
double CellPerEm()
{
    static const double ratio = [] {
        QFont font(DiagramFontFamily());
        font.setPixelSize(1000);
        return QFontMetricsF(font).height() / 1000.0;
    }();
    return ratio;
}
QColor ContrastingHalo(QRgb textColour)
{
    return qRed(textColour) + qGreen(textColour) + qBlue(textColour) <= 384 ? QColor(Qt::white)
                                                                            : QColor(Qt::black);
}
}  // namespace

TCanvas::TCanvas(QImage& image) : Image_(image), Painter_(&image)
{
    Painter_.setRenderHint(QPainter::Antialiasing, false);
    Painter_.setRenderHint(QPainter::TextAntialiasing, true);
    SetFontHeight(FontHeight_);
    ApplyPen();
    ApplyBrush();
}

TCanvas::~TCanvas()
{
    Painter_.end();
}

void TCanvas::SetPen(QRgb colour, int width)
{
    PenColor_ = colour;
    PenWidth_ = width < 1 ? 1 : width;
    ApplyPen();
}

void TCanvas::SetBrushColor(QRgb colour)
{
    BrushColor_ = colour;
    if (BrushStyle_ == TBrushStyle::Clear)
        BrushStyle_ = TBrushStyle::Solid;
}

void TCanvas::ApplyPen()
{
    QPen pen{QColor(PenColor_)};
    pen.setWidth(PenWidth_);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    Painter_.setPen(pen);
}

void TCanvas::ApplyBrush()
{
    switch (BrushStyle_) {
    case TBrushStyle::Solid:
        Painter_.setBrush(QColor(BrushColor_));
        break;
    case TBrushStyle::Clear:
        Painter_.setBrush(Qt::NoBrush);
        break;
    case TBrushStyle::BDiagonal:
        Painter_.setBrush(QBrush(QColor(BrushColor_), Qt::BDiagPattern));
        break;
    }
}

QFont TCanvas::MakeFont() const
{
    QFont font(DiagramFontFamily());
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    int em = FontHeight_ < 0 ? -FontHeight_ : static_cast<int>(std::lround(FontHeight_ / CellPerEm()));
    font.setPixelSize(em < 1 ? 1 : em);
    return font;
}

void TCanvas::SetFontHeight(int height)
{
    FontHeight_ = height == 0 ? -1 : height;
    Font_ = MakeFont();
    Painter_.setFont(Font_);
}

void TCanvas::SetFont(const TFontState& font)
{
    SetFontHeight(font.Height);
    Escapement_ = font.Escapement;
}

int TCanvas::TextWidth(const QString& text) const
{
    return static_cast<int>(std::lround(QFontMetricsF(Font_).horizontalAdvance(text)));
}

int TCanvas::TextHeight(const QString&) const
{
    return static_cast<int>(std::lround(QFontMetricsF(Font_).height()));
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (text.isEmpty())
        return;
    if (TextLog_) {
        const int w = TextWidth(text), h = TextHeight(text);
        // Only upright text and text reading bottom to top are written.
        TextLog_->push_back({Escapement_ == 900 ? QRect(x, y - w, h, w) : QRect(x, y, w, h), text});
        if (!WritesText_)
            return;
    }
    QFontMetricsF metrics(Font_);
    Painter_.save();
    Painter_.translate(x, y);
    if (Escapement_ != 0)
        Painter_.rotate(-Escapement_ / 10.0);
    const QPointF baseline(0, metrics.ascent());
    if (BrushStyle_ != TBrushStyle::Clear) {
        Painter_.fillRect(QRect(0, 0, TextWidth(text), TextHeight(text)), QColor(BrushColor_));
    } else {
        // Transparent text keeps a thin halo of the contrasting colour, so a label that lies
        // over a line or a hatch stays readable without blanking its whole cell.
        const QColor halo = ContrastingHalo(FontColor_);
        const int r = std::max(1, Font_.pixelSize() / 12);
        Painter_.setPen(halo);
        for (int dy = -r; dy <= r; dy += r)
            for (int dx = -r; dx <= r; dx += r)
                if (dx != 0 || dy != 0)
                    Painter_.drawText(baseline + QPointF(dx, dy), text);
    }
    Painter_.setPen(QColor(FontColor_));
    Painter_.drawText(baseline, text);
    Painter_.restore();
}

QRgb TCanvas::Pixel(int x, int y) const
{
    const QImage& image = Image_;
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
        return qRgb(255, 255, 255);
    return image.pixel(x, y) | 0xFF000000u;
}

void TCanvas::LineTo(int x, int y)
{
    if (QPoint(x, y) != Pos_) {
        ApplyPen();
        Painter_.drawLine(Pos_, QPoint(x, y));
    }
    Pos_ = {x, y};
}

void TCanvas::Polyline(const std::vector<QPoint>& points)
{
    if (points.size() < 2)
        return;
    ApplyPen();
    Painter_.drawPolyline(points.data(), static_cast<int>(points.size()));
    Pos_ = points.back();
}

void TCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right - left < PenWidth_ || bottom - top < PenWidth_)
        return;
    ApplyPen();
    ApplyBrush();
    Painter_.drawRect(QRectF(left, top, right - PenWidth_ - left, bottom - PenWidth_ - top));
}

void TCanvas::Ellipse(int left, int top, int right, int bottom)
{
    if (right - left < PenWidth_ || bottom - top < PenWidth_)
        return;
    ApplyPen();
    ApplyBrush();
    Painter_.drawEllipse(QRectF(left, top, right - PenWidth_ - left, bottom - PenWidth_ - top));
}

void TCanvas::Polygon(const std::vector<QPoint>& points)
{
    if (points.empty())
        return;
    ApplyPen();
    ApplyBrush();
    Painter_.drawPolygon(points.data(), static_cast<int>(points.size()));
}

void TCanvas::FillRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top || BrushStyle_ == TBrushStyle::Clear)
        return;
    ApplyBrush();
    Painter_.fillRect(QRect(left, top, right - left, bottom - top), Painter_.brush());
}
