#include "diagrams/DiagramDraw.h"

#include <algorithm>

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include <QRegularExpression>

#include "core/NumberFormat.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
// Pixel coordinates stay far inside the int range whatever the data.
constexpr long double kPixelLimit = 1.0e7L;

bool SameRgb(QRgb a, QRgb b)
{
    return (a & 0xFFFFFFu) == (b & 0xFFFFFFu);
}
}  // namespace

int Nearest(long double v)
{
    if (std::isnan(v))
        return 0;
    if (v > kPixelLimit)
        v = kPixelLimit;
    if (v < -kPixelLimit)
        v = -kPixelLimit;
    return static_cast<int>(RoundHalfEven(v));
}

QString FormatMeasure(int digits, const QString& unitText, Real value)
{
    QString text;
    if (IsNaN(value)) {
        text = "N.A.";
    } else {
        // Eight significant digits first, then the decimals.
        char buffer[128];
        std::snprintf(buffer, sizeof buffer, "%.7Le", value);
        Real rounded = std::strtold(buffer, nullptr);
        std::snprintf(buffer, sizeof buffer, "%.*Lf", digits < 0 ? 0 : digits, rounded);
        text = QString::fromLatin1(buffer);
        if (text.startsWith('-') && text.indexOf(QRegularExpression("[1-9]")) < 0)
            text.remove(0, 1);
        const QChar separator = QChar::fromLatin1(NumberSeparators().Decimal);
        text.replace('.', separator);
        if (text.contains(separator))
            while (text.endsWith('0') || text.endsWith(separator)) {
                bool wasSeparator = text.endsWith(separator);
                text.chop(1);
                if (wasSeparator)
                    break;
            }
    }
    if (!unitText.isEmpty() && unitText != "'" && unitText != "\"")
        text += ' ';
    return text + unitText;
}

QRgb ContrastColor(QRgb colour)
{
    return qRed(colour) + qGreen(colour) + qBlue(colour) <= 384 ? DiagramColor::White : DiagramColor::Black;
}

TDiagramDraw::TDiagramDraw(const TPMData& data) : Data(data), Bitmap(600, 600, QImage::Format_RGB32)
{
    Bitmap.fill(DiagramColor::White);
}

void TDiagramDraw::Begin()
{
    Canvas_.reset();
    Width = Bitmap.width();
    Height = Bitmap.height();
    Canvas_ = std::make_unique<TCanvas>(Bitmap);
    Canvas_->LogTexts(TextLog, WritesText);
    Canvas_->SetFontHeight(-FontSize());
}

void TDiagramDraw::Draw(QSize size, TDiagramKind kind)
{
    Canvas_.reset();
    Bitmap = QImage(size, QImage::Format_RGB32);
    if (Bitmap.isNull())
        return;
    if (kind == TDiagramKind::BearingPlan)
        DrawBearingPlan();
    else if (!(kind == TDiagramKind::StemWallSection && DrawStemWallSection()))
        DrawFootingSection();
    Canvas_.reset();
}

int TDiagramDraw::LineUnit() const
{
    int m = std::min(Width, Height) / 600;
    return m > 0 ? 2 * m : 1;
}

int TDiagramDraw::Gap() const
{
    return Nearest(1.5L * Canvas_->TextHeight("X"));
}

bool TDiagramDraw::IsLineColour(QRgb colour) const
{
    return SameRgb(colour, DiagramColor::Grey) || SameRgb(colour, DiagramColor::Black) ||
           SameRgb(colour, DiagramColor::Silver);
}

QRgb TDiagramDraw::SampleBackground(int x, int y) const
{
    QRgb sample = Canvas_->Pixel(x, y);
    if (IsLineColour(sample)) {
        sample = Canvas_->Pixel(x - 1, y - 1);
        if (IsLineColour(sample))
            sample = Canvas_->Pixel(x - 1, y + 1);
    }
    return sample;
}

void TDiagramDraw::DrawArrowHead(int x, int y, int length, double angle)
{
    for (double b : {angle + kPi + kPi / 14, angle + kPi - kPi / 14})
        Canvas_->Line(x, y, x + Nearest(length * std::sin(b)), y + Nearest(length * std::cos(b)));
}

void TDiagramDraw::DrawArrowLine(int x1, int y1, int x2, int y2, int headLength, bool headAtStart,
                                 bool headAtEnd)
{
    Canvas_->Line(x1, y1, x2, y2);
    double a =
        y2 != y1 ? std::atan(static_cast<double>(x2 - x1) / static_cast<double>(y2 - y1)) : 3 * kPi / 2 - kPi;
    if (a > -kPi / 2 && a < 0)
        a += kPi;
    if (headAtStart)
        DrawArrowHead(x1, y1, headLength, a + kPi);
    if (headAtEnd)
        DrawArrowHead(x2, y2, headLength, a);
}

QRect TDiagramDraw::DrawDimension(int x1, int y1, int x2, int y2, QString text, int placement, bool zeroSpan,
                                  const QRect& avoid)
{
    TCanvas& c = *Canvas_;
    if (!text.isEmpty())
        text = " " + text + " ";
    const int mx = x1 + (x2 - x1) / 2;
    const int my = y1 + (y2 - y1) / 2;
    const bool vertical = x1 == x2;
    const TCanvas::TFontState savedFont = c.Font();

    int along, across, ax, ay, span;
    if (vertical) {
        c.SetEscapement(900);
        along = c.TextWidth(text);
        across = c.TextHeight(text);
        ax = mx - across / 2;  // the rotated text's reference corner is its lower left
        ay = my + along / 2;
        span = y2 - y1;
    } else {
        along = c.TextWidth(text);
        across = c.TextHeight(text);
        ax = mx - along / 2;
        ay = my - across / 2;
        span = x2 - x1;
    }
    if (zeroSpan)
        span = 0;
    const int h = ArrowSize();
    auto textRect = [&] {
        return vertical ? QRect(ax, ay - along, across, along) : QRect(ax, ay, along, across);
    };
    if (vertical && !avoid.isNull() && along < span - h && textRect().intersects(avoid)) {
        const int raised = avoid.top() - 2;
        if (raised - along >= std::min(y1, y2) + h)
            ay = raised;
    }

    QRgb sample = SampleBackground(ax, ay);
    if (SameRgb(sample, DiagramColor::Black))
        sample = DiagramColor::White;
    c.SetBrushColor(sample);
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetFontColor(ContrastColor(sample));

    if (along < span - h || placement > 2) {
        // The text sits between the arrows.
        DrawArrowLine(x1, y1, x2, y2, h, true, true);
        if (along >= span - 2 * h) {
            if (placement == 3) {
                (vertical ? ax : ay) -= across;
            } else if (placement == 4) {
                (vertical ? ax : ay) += across * 3 / 4;
            }
            c.SetBrushStyle(TBrushStyle::Clear);
        }
    } else if (vertical) {
        // No room: the arrows come in from outside and the text moves out with them.
        DrawArrowLine(x1, y1 - 2 * h, x2, y1, h, false, true);
        DrawArrowLine(x1, y2, x2, y2 + 2 * h, h, true, false);
        if (placement == 1)
            ay = y2 + h + along;
        else if (placement == 2)
            ay = y1 - h;
        ax -= across;
        c.SetBrushStyle(TBrushStyle::Clear);
    } else {
        DrawArrowLine(x1 - 2 * h, y1, x1, y2, h, false, true);
        DrawArrowLine(x2, y1, x2 + 2 * h, y2, h, true, false);
        if (placement == 1)
            ax = x1 - h - along;
        else if (placement == 2)
            ax = x2 + h;
        ay -= across;
        c.SetBrushStyle(TBrushStyle::Clear);
    }
    DrawRichText(ax, ay, text);
    c.SetFont(savedFont);
    return textRect();
}

void TDiagramDraw::DrawTextBox(int left, int top, int right, int bottom, const QString& text, int alignment,
                               bool framed, QRgb fillColour)
{
    TCanvas& c = *Canvas_;
    c.SetFontHeight(bottom - top - 2);
    if (fillColour != DiagramColor::NoFill) {
        c.SetBrushColor(fillColour);
        c.FillRect(left, top, right, bottom);
    }
    const int textWidth = c.TextWidth(text);
    const int textHeight = c.TextHeight(text);
    if (framed) {
        if (textWidth + 10 > right - left)
            right = left + textWidth + 10;
        c.SetBrushStyle(TBrushStyle::Clear);
        c.Rectangle(left, top, right + c.PenWidth(), bottom);
    }
    const int width = right - left;
    int offset = 0;
    switch (alignment) {
    case 0:
        offset = 1;
        break;
    case 1:
        offset = width - textWidth - 1;
        break;
    case 2:
        offset = (width - textWidth) / 2 + 1;
        break;
    }
    c.SetBrushStyle(TBrushStyle::Clear);
    c.SetFontColor(ContrastColor(SampleBackground(left + offset, top + textHeight / 2)));
    DrawRichText(left + offset, top, text);
}

void TDiagramDraw::DrawRichText(int x, int y, QString text)
{
    TCanvas& c = *Canvas_;
    int caret = text.indexOf('^');
    if (caret < 0) {
        c.TextOut(x, y, text);
        return;
    }
    const int raise = Nearest(c.TextHeight("X") / 4.0L);
    while (caret >= 0) {
        const QString before = text.left(caret);
        c.TextOut(x, y, before);
        x += c.TextWidth(before);
        const QString raised = text.mid(caret + 1, 1);
        c.TextOut(x, y - raise, raised);
        x += c.TextWidth(raised);
        text = text.mid(caret + 2);
        caret = text.indexOf('^');
    }
    c.TextOut(x, y, text);
}

void TDiagramDraw::DrawBarSection(int x, int y, int r)
{
    const int pw = Canvas_->PenWidth();
    Canvas_->Ellipse(x - r, y - r, x + r + pw, y + r + pw);
}

void TDiagramDraw::DrawSquareMarker(int x, int y, int size)
{
    const int s = size / 2;
    const int pw = Canvas_->PenWidth();
    Canvas_->Rectangle(x - s, y - s, x + s + pw, y + s + pw);
}

void TDiagramDraw::DrawDiamondMarker(int x, int y, int size)
{
    const int s = size / 2;
    Canvas_->Polygon({{x - s, y}, {x, y - s}, {x + s, y}, {x, y + s}});
}

void TDiagramDraw::DrawDashedLine(int x, int y)
{
    TCanvas& c = *Canvas_;
    const QPoint p0 = c.PenPos();
    const double dx = (x - p0.x()) / 9.0;
    const double dy = (y - p0.y()) / 9.0;
    for (int i = 0; i <= 7; ++i) {
        const int px = p0.x() + Nearest(i * dx);
        const int py = p0.y() + Nearest(i * dy);
        if (i % 2 == 0)
            c.LineTo(px, py);
        else
            c.MoveTo(px, py);
    }
    c.LineTo(x, y);
}

QImage DrawDiagramToBitmap(QSize size, const TPMData& data, TDiagramKind kind)
{
    TDiagramDraw draw(data);
    draw.Draw(size, kind);
    return draw.Bitmap;
}

void DrawDiagramToBitmap(QImage& bitmap, const TPMData& data, TDiagramKind kind)
{
    bitmap = DrawDiagramToBitmap(bitmap.size(), data, kind);
}

int Trunc(long double v)
{
    if (std::isnan(v))
        return 0;
    if (v > kPixelLimit)
        v = kPixelLimit;
    if (v < -kPixelLimit)
        v = -kPixelLimit;
    return static_cast<int>(v);
}

QString ShapeDisplayName(std::uint8_t shape)
{
    static const char* const names[] = {"Continuous", "Square", "Circle", "Rectangle"};
    return shape < 4 ? QString(names[shape]) : QString();
}

void TDiagramDraw::DrawGround(int x1, int x2, int groundY, int floorY, int textHeight)
{
    TCanvas& c = Canvas();
    c.Line(x1, groundY, x2, groundY);
    c.SetBrushColor(DiagramColor::Grey);
    c.SetBrushStyle(TBrushStyle::BDiagonal);
    c.FillRect(x1, groundY, x2, std::min(groundY + textHeight, floorY));
}

int TDiagramDraw::DrawBaseDimension(int left, int right, int bottomY, int gap, const QString& text)
{
    TCanvas& c = Canvas();
    c.SetPenWidth(LineUnit());
    c.SetBrushColor(DiagramColor::White);
    c.SetBrushStyle(TBrushStyle::Solid);
    const int extension = Nearest(1.5L * gap);
    c.Line(left, bottomY, left, bottomY + extension);
    c.Line(right, bottomY, right, bottomY + extension);
    DrawDimension(left, bottomY + gap, right, bottomY + gap, text, 2);
    return extension;
}
