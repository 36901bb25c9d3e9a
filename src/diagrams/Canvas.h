// A drawing surface with the state model of a classic raster canvas: a current pen, brush,
// font and pen position, integer coordinates, and text written from its top-left corner.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QString>
#include <vector>

enum class TBrushStyle { Solid, Clear, BDiagonal };

// Where a text was written, for the checks that labels keep apart.
struct TTextBox {
    QRect Box;
    QString Text;
};

class TCanvas {
  public:
    explicit TCanvas(QImage& image);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // --- State ---
    void SetPen(QRgb colour, int width);
    void SetPenColor(QRgb colour) { SetPen(colour, PenWidth_); }
    void SetPenWidth(int width) { SetPen(PenColor_, width); }
    int PenWidth() const { return PenWidth_; }
    // Setting a colour on a clear brush makes it solid again.
    void SetBrushColor(QRgb colour);
    void SetBrushStyle(TBrushStyle style) { BrushStyle_ = style; }
    QRgb BrushColor() const { return BrushColor_; }
    TBrushStyle BrushStyle() const { return BrushStyle_; }
    void SetFontColor(QRgb colour) { FontColor_ = colour; }
    QRgb FontColor() const { return FontColor_; }

    // Font height: negative = character (em) height in pixels, positive = cell height.
    void SetFontHeight(int height);
    int FontHeight() const { return FontHeight_; }
    // Text direction in tenths of a degree, counter-clockwise (900 reads bottom to top).
    void SetEscapement(int tenths) { Escapement_ = tenths; }
    int Escapement() const { return Escapement_; }

    struct TFontState {
        int Height;
        int Escapement;
    };
    TFontState Font() const { return {FontHeight_, Escapement_}; }
    void SetFont(const TFontState& font);

    // --- Text ---
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;  // the font's cell height
    // Writes text with its reference corner at (x, y): the top-left of the unrotated text.
    // A solid brush paints the text cell in the brush colour first.
    void TextOut(int x, int y, const QString& text);
    // Every text written from now on is noted in the log (nullptr: none); with `write` false it is
    // only noted, so that what lies beneath the labels can be seen.
    void LogTexts(std::vector<TTextBox>* log, bool write = true)
    {
        TextLog_ = log;
        WritesText_ = write;
    }

    // --- Pixels and figures ---
    // The colour at (x, y); white outside the bitmap.
    QRgb Pixel(int x, int y) const;
    void MoveTo(int x, int y) { Pos_ = {x, y}; }
    QPoint PenPos() const { return Pos_; }
    // A line from the pen position to (x, y), the end point excluded.
    void LineTo(int x, int y);
    void Line(int x1, int y1, int x2, int y2)
    {
        MoveTo(x1, y1);
        LineTo(x2, y2);
    }
    void Polyline(const std::vector<QPoint>& points);
    // Figures in a bounding box whose right and bottom edges are exclusive by one pen width
    // (so a box of (x - s, x + s + pen width) is centred on x), filled with the brush and
    // outlined with the pen centred on the box.
    void Rectangle(int left, int top, int right, int bottom);
    void Ellipse(int left, int top, int right, int bottom);
    void Polygon(const std::vector<QPoint>& points);
    // Fills [left, right) x [top, bottom) with the brush, no outline.
    void FillRect(int left, int top, int right, int bottom);

    QImage& Image() { return Image_; }

  private:
    void ApplyPen();
    void ApplyBrush();
    QFont MakeFont() const;

    QImage& Image_;
    QPainter Painter_;
    QRgb PenColor_ = qRgb(0, 0, 0);
    int PenWidth_ = 1;
    QRgb BrushColor_ = qRgb(255, 255, 255);
    TBrushStyle BrushStyle_ = TBrushStyle::Solid;
    QRgb FontColor_ = qRgb(0, 0, 0);
    int FontHeight_ = -10;
    int Escapement_ = 0;
    QFont Font_;
    QPoint Pos_{0, 0};
    std::vector<TTextBox>* TextLog_ = nullptr;
    bool WritesText_ = true;
};

// The family name of the shipped diagram font, registered on first use.
QString DiagramFontFamily();
