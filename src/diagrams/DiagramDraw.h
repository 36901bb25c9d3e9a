// The diagram renderer: draws one picture of the design record into an off-screen bitmap.
// Every size on a picture (line widths, font, arrows, margins) derives from the bitmap's size.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>

#include "core/PMClasses.h"
#include "diagrams/Canvas.h"

enum class TDiagramKind {
    Section,          // the footing section
    BearingPlan,      // plan of the stability footing with pedestals, kern, resultant and pressures
    StemWallSection,  // the stem wall section; the footing section where the wall cannot be drawn
};

// Colours of the diagrams.
namespace DiagramColor {
inline constexpr QRgb White = 0xFFFFFFFF;
inline constexpr QRgb Black = 0xFF000000;
inline constexpr QRgb Grey = 0xFF808080;
inline constexpr QRgb Silver = 0xFFC0C0C0;
inline constexpr QRgb Blue = 0xFF0000FF;
inline constexpr QRgb Navy = 0xFF000080;
// "No fill" of a text box.
inline constexpr QRgb NoFill = 0x1FFFFFFF;
}  // namespace DiagramColor

class TDiagramDraw {
  public:
    explicit TDiagramDraw(const TPMData& data);

    const TPMData& Data;
    int Width = 600;
    int Height = 600;
    QImage Bitmap;  // 600 x 600 until the entry point sizes it
    double Scale = 0;
    std::vector<TTextBox>* TextLog = nullptr;  // where the texts of the drawing are noted, if anywhere
    bool WritesText = true;                    // false: the texts are only noted

    // Sizes the bitmap and draws one kind; the stem wall section falls back to the footing
    // section when it is abandoned.
    void Draw(QSize size, TDiagramKind kind);

    // --- The drawings (each starts by taking the bitmap's size) ---
    void DrawFootingSection();
    void DrawBearingPlan();
    // Returns false, with the bitmap white, when a governing dimension is zero.
    bool DrawStemWallSection();

    // --- Size metrics of the current bitmap ---
    int LineUnit() const;
    int PenWidth() const { return 2 * LineUnit(); }
    int FontSize() const { return 5 * PenWidth(); }
    int ArrowSize() const { return 8 * LineUnit(); }
    // 1.5 text heights of the current canvas font, to the nearest pixel.
    int Gap() const;

    // --- Primitives ---
    // Arrowhead barbs at tip (x, y) pointing along (sin angle, cos angle).
    void DrawArrowHead(int x, int y, int length, double angle);
    void DrawArrowLine(int x1, int y1, int x2, int y2, int headLength, bool headAtStart, bool headAtEnd);
    // A dimension line on one horizontal or vertical line. Placement 0 to 2: the text between the
    // arrows where it fits, else outside them, 1 before the start and 2 after the end; 3 and 4: the
    // arrows inside and the text beside its line where crowded, 3 on the smaller coordinate's side,
    // 4 on the larger's, a quarter text height clear of the line. Returns where its text
    // stands. A vertical text between its arrows moves up along its line, while it stays between
    // them, to keep clear of `avoid` (another label beside it).
    QRect DrawDimension(int x1, int y1, int x2, int y2, QString text, int placement, bool zeroSpan = false,
                        const QRect& avoid = QRect());
    // One line of text in a box; alignment 0 left, 1 right, 2 centre.
    void DrawTextBox(int left, int top, int right, int bottom, const QString& text, int alignment,
                     bool framed, QRgb fillColour);
    // Text whose character after each "^" is raised.
    void DrawRichText(int x, int y, QString text);
    void DrawBarSection(int x, int y, int r);
    void DrawSquareMarker(int x, int y, int size);
    void DrawDiamondMarker(int x, int y, int size);
    // Dashed line from the pen position to (x, y).
    void DrawDashedLine(int x, int y);

    // Shared by the two section drawings.
    // The ground line from x1 to x2 at groundY, hatched one text height deep but never below floorY.
    void DrawGround(int x1, int x2, int groundY, int floorY, int textHeight);
    // Restores the thin pen and white fill of dimensions, and dimensions the base from left to
    // right below bottomY, with its extension lines; returns the extension length.
    int DrawBaseDimension(int left, int right, int bottomY, int gap, const QString& text);

    // Takes the bitmap's size and opens a canvas on it with the diagram font; End closes it.
    void Begin();
    void End() { Canvas_.reset(); }
    TCanvas& Canvas() { return *Canvas_; }

  private:
    bool IsLineColour(QRgb colour) const;
    // The background under a label: the anchor pixel, or a neighbour when that is a line.
    QRgb SampleBackground(int x, int y) const;

    std::unique_ptr<TCanvas> Canvas_;
};

// The label number format: fixed with `digits` decimals, trailing zeros dropped, and the unit
// appended (the foot and inch marks stick to the number, other units follow a blank).
QString FormatMeasure(int digits, const QString& unitText, Real value);
// White for dark colours (red + green + blue at most 384), black otherwise.
QRgb ContrastColor(QRgb colour);

// Draws one diagram of the record into a new bitmap of the given size.
QImage DrawDiagramToBitmap(QSize size, const TPMData& data, TDiagramKind kind);
// The same for the caller's bitmap, keeping its size.
void DrawDiagramToBitmap(QImage& bitmap, const TPMData& data, TDiagramKind kind);

// Nearest integer, halves to the even neighbour.
int Nearest(long double v);
// Truncation toward zero of a pixel quantity, kept inside the int range.
int Trunc(long double v);
// "Continuous", "Square", "Circle" or "Rectangle", as the shape list shows it.
QString ShapeDisplayName(std::uint8_t shape);
