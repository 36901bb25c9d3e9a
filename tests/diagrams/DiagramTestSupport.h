// Helpers of the diagram tests: pixel reads and small records.
#pragma once

#include <QImage>
#include <algorithm>

#include "core/PMClasses.h"
#include "diagrams/DiagramDraw.h"

inline QRgb Rgb(const QImage& image, int x, int y)
{
    return image.pixel(x, y) & 0xFFFFFFu;
}
inline bool IsBlack(const QImage& image, int x, int y)
{
    return Rgb(image, x, y) == 0x000000u;
}
inline bool IsWhite(const QImage& image, int x, int y)
{
    return Rgb(image, x, y) == 0xFFFFFFu;
}
// Darker than mid grey: ink of a line or of text.
inline bool IsInk(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 100;
}

// Length of the run of black pixels through (x, y) along a row or a column.
inline int BlackRun(const QImage& image, int x, int y, bool alongRow)
{
    if (!IsBlack(image, x, y))
        return 0;
    int n = 1;
    for (int d : {-1, 1})
        for (int i = 1;; ++i) {
            int px = alongRow ? x + d * i : x, py = alongRow ? y : y + d * i;
            if (px < 0 || py < 0 || px >= image.width() || py >= image.height() || !IsBlack(image, px, py))
                break;
            ++n;
        }
    return n;
}

// A blank record (zero-filled, not reset): tests set only what a drawing reads.
inline TPMData BlankRecord()
{
    TPMData data;
    data.Units = 0;
    data.Shape = shSquare;
    return data;
}

inline bool HasInk(const QImage& image, int left, int top, int right, int bottom)
{
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y)
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x)
            if (IsInk(image, x, y))
                return true;
    return false;
}

inline bool HasColour(const QImage& image, QRgb colour, int left, int top, int right, int bottom)
{
    for (int y = std::max(top, 0); y < std::min(bottom, image.height()); ++y)
        for (int x = std::max(left, 0); x < std::min(right, image.width()); ++x)
            if (Rgb(image, x, y) == (colour & 0xFFFFFFu))
                return true;
    return false;
}

inline bool HasLightPixel(const QImage& image, int left, int top, int right, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (qGray(image.pixel(x, y)) > 160)
                return true;
    return false;
}

inline bool AllWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!IsWhite(image, x, y))
                return false;
    return true;
}

// A renderer with an open canvas on a white bitmap, for drawing single primitives.
struct TPrimitiveBench {
    TPMData Data = BlankRecord();
    TDiagramDraw Draw{Data};
    explicit TPrimitiveBench(int width = 412, int height = 361)
    {
        Draw.Bitmap = QImage(width, height, QImage::Format_RGB32);
        Draw.Bitmap.fill(DiagramColor::White);
        Draw.Begin();
    }
    TCanvas& Canvas() { return Draw.Canvas(); }
    const QImage& Image() { return Draw.Bitmap; }
};
