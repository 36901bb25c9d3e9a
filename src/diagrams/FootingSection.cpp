// The footing section: the bearing-capacity footing at its depth, with the column or wall,
// the ground line, the B and Df dimensions and the shape caption.
#include <cmath>

#include "diagrams/DiagramDraw.h"

namespace {
bool Positive(Real v)
{
    return std::isfinite(v) && v > 0;
}
}  // namespace

void TDiagramDraw::DrawFootingSection()
{
    Begin();
    TCanvas& c = Canvas();
    const Real B = Data.B;
    const Real Df = Data.Df;
    // Nothing to draw without a footing; a negative or unreadable size is no footing either.
    if (!Positive(B) || !Positive(Data.L) || !std::isfinite(Df) || Df < 0) {
        c.SetBrushColor(DiagramColor::White);
        c.FillRect(0, 0, Width, Height);
        return;
    }
    const QString mark = Data.Units == 1 ? "m" : "'";
    const int g = Gap();
    const int F = FontSize();
    const bool continuous = Data.Shape == shContinuous;

    int left = Nearest(3.5L * g);
    const int right0 = Width - F;
    int right = continuous ? left + (right0 - left) / 2 : right0;
    const int top = F;
    const int bottomY = Height - 2 * g;
    int groundY = top + (bottomY - top) / 3;

    Scale = (right - left) / static_cast<double>(B);
    if (!(bottomY - groundY > Df * Scale))
        Scale = (bottomY - groundY) / static_cast<double>(Df);

    right = left + Trunc(B * Scale);
    groundY = bottomY - Trunc(Df * Scale);
    const int topY = groundY + (bottomY - groundY) / 5;

    int postLeft, postRight, extentRight, slabEndX = 0, slabY = 0;
    if (!continuous) {
        const int w = right - left;
        const int centre = left + w / 2;
        postLeft = centre - w / 10;
        postRight = centre + w / 10;
        extentRight = right;
    } else {
        postLeft = left;
        postRight = left + (right - left) / 5;
        extentRight = right + (right - left);
        slabEndX = right + (extentRight - right) / 2;
        slabY = topY + (bottomY - topY) / 3;
    }
    const int midY = topY + (bottomY - topY) / 2;

    const int shift = Width / 2 - (left + (extentRight - left) / 2);
    left += shift;
    right += shift;
    postLeft += shift;
    postRight += shift;
    extentRight += shift;
    slabEndX += shift;

    c.SetBrushColor(DiagramColor::White);
    c.FillRect(0, 0, Width, Height);
    c.SetPen(DiagramColor::Black, PenWidth());

    c.Polyline({{left, topY},
                {postLeft, topY},
                {postLeft, top},
                {postRight, top},
                {postRight, topY},
                {extentRight, topY}});
    std::vector<QPoint> lower;
    // The slab of a continuous footing; other shapes have a plain right face from the top.
    if (continuous)
        lower = {{extentRight, slabY}, {slabEndX, slabY}, {right, midY}};
    else
        lower = {{right, topY}, {right, midY}};
    for (QPoint p : {QPoint(right, bottomY), QPoint(left, bottomY), QPoint(left, topY)})
        lower.push_back(p);
    c.Polyline(lower);

    // Ground line with its soil hatching, never deeper than the footing top.
    DrawGround(left - 2 * g, postLeft, groundY, topY, F);

    const int extension = DrawBaseDimension(left, right, bottomY, g, FormatMeasure(2, mark, B));

    c.Line(left, bottomY, left - extension, bottomY);
    DrawDimension(left - g, groundY, left - g, bottomY, FormatMeasure(2, mark, Df), 2);

    DrawRichText(postRight + 2 * F, top, "Shape: " + ShapeDisplayName(Data.Shape));
}
