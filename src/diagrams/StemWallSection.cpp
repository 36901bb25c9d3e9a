// The stem wall section: the wall on its continuous footing to scale, the ground line, five
// dimensions and the four groups of reinforcement with their labels.
#include <algorithm>
#include <cmath>

#include "design/RebarTables.h"
#include "diagrams/DiagramDraw.h"

namespace {
bool Positive(Real v)
{
    return std::isfinite(v) && v > 0;
}

QString BarName(const TPMData& data, std::int32_t designation)
{
    return QString::fromStdString(RebarName(designation, data.Square.RebarFamily, data.Units));
}
}  // namespace

bool TDiagramDraw::DrawStemWallSection()
{
    Begin();
    TCanvas& c = Canvas();
    const TContinuousData& d = Data.Continuous;
    const TStemWallReinforcement& wall = d.StemWall;
    const TFootingReinforcement& foot = d.Footing;
    const Real H = d.H, W = d.W, tw = d.Tw, tf = d.Tf;
    if (!(Positive(H) && Positive(W) && Positive(tw) && Positive(tf) && std::isfinite(d.TwLen) &&
          std::isfinite(d.TfLen) && std::isfinite(Data.Df))) {
        c.SetBrushColor(DiagramColor::White);
        c.FillRect(0, 0, Width, Height);
        return false;
    }
    const bool si = Data.Units == 1;
    const QString mark = si ? "m" : "'";
    const QString smallMark = si ? "mm" : "\"";
    const Real k = Data.UnitValue(1000, 12);
    const bool continuous = Data.Shape == shContinuous;
    const int F = FontSize();
    const int g0 = Gap();

    // The bar labels, and the room those right of the footing take in the label font.
    auto barLabel = [&](const QString& prefix, int size, Real spacing) {
        return prefix + BarName(Data, size) + " @ " + FormatMeasure(2, mark, spacing) + " O.C.";
    };
    const QString vertLabel = barLabel("", wall.VertBarSize, wall.VertSpacing) + " ";
    const QString horLabel = barLabel(" ", wall.HorBarSize, wall.HorSpacing);
    const QString footLabel = barLabel(" ", foot.FootBarSize, foot.FootSpacing);
    const QString stLabel = barLabel(" S & T: ", foot.StBarSize, foot.StSpacing);
    c.SetFontHeight(F - 2);
    const int labelGap = Gap();
    const int vertLabelRoom = c.TextWidth(vertLabel) + 1 + 3 * g0;
    const int footLabelsRoom = labelGap + std::max(c.TextWidth(footLabel), c.TextWidth(stLabel)) + 1;
    const int horLabelRoom = 3 * labelGap + c.TextWidth(horLabel) + 1;
    c.SetFontHeight(-F);

    // Frame and scale: side margins wide enough for a bar label, and for those beside the footing
    // (a continuous footing leaves them the half of the frame its slab runs on).
    const int mw = c.TextWidth("xxx @ xxxx O.C.");
    int left = mw + Nearest(3.5L * g0);
    const int right0 = Width - (continuous ? F + mw : std::max(F + mw, footLabelsRoom));
    int right = continuous ? left + (right0 - left) / 2 : right0;
    const int top = 3 * g0;
    const int bottom0 = Height - 2 * g0;
    Scale = (right - left) / static_cast<double>(W);
    if (!(bottom0 - top > (d.TfLen + H) * Scale))
        Scale = (bottom0 - top) / static_cast<double>(d.TfLen + H);
    const long double s = Scale;

    right = left + Trunc(W * s);
    const int footTop = top + Trunc(H * s);
    const int footBottom = footTop + Trunc(d.TfLen * s);
    const int groundY = footBottom - Trunc(Data.Df * s);

    int wallLeft, wallRight, extentRight, slabEndX = 0, slabY = 0;
    if (!continuous) {
        wallLeft = left + Trunc((W - d.TwLen) * s / 2);
        wallRight = right - Trunc((W - d.TwLen) * s / 2);
        extentRight = right;
    } else {
        wallLeft = left;
        wallRight = left + (right - left) / 5;
        extentRight = right + (right - left);
        slabEndX = right + (extentRight - right) / 2;
        slabY = footTop + (footBottom - footTop) / 3;
    }
    const int midY = footTop + (footBottom - footTop) / 2;
    int shift = Width / 2 - left - (extentRight - left) / 2;
    // Centring pushes no label off the right edge, nor the vertical bars' label off the left, which
    // comes first.
    shift = std::min(shift, Width - std::max(right + footLabelsRoom, wallRight + horLabelRoom));
    shift = std::max(shift, vertLabelRoom - left);
    for (int* x : {&left, &wallLeft, &wallRight, &right, &slabEndX, &extentRight})
        *x += shift;

    // Outline.
    c.SetBrushColor(DiagramColor::White);
    c.FillRect(0, 0, Width, Height);
    c.SetPen(DiagramColor::Black, PenWidth());
    c.Polyline({{left, footTop},
                {wallLeft, footTop},
                {wallLeft, top},
                {wallRight, top},
                {wallRight, footTop},
                {extentRight, footTop}});
    std::vector<QPoint> lower;
    // The slab of a continuous footing; other shapes have a plain right face from the top.
    if (continuous)
        lower = {{extentRight, slabY}, {slabEndX, slabY}};
    else
        lower = {{right, footTop}};
    for (QPoint p :
         {QPoint(right, midY), QPoint(right, footBottom), QPoint(left, footBottom), QPoint(left, footTop)})
        lower.push_back(p);
    c.Polyline(lower);

    // Ground line and soil hatching on the toe side.
    const int groundLeft = left - Nearest(2.5L * g0);
    if (groundY >= top)
        DrawGround(groundLeft, wallLeft, groundY, footTop, F);

    // Dimensions.
    const int ext = DrawBaseDimension(left, right, footBottom, g0, FormatMeasure(2, mark, W));

    c.Line(wallRight, top, wallRight + ext, top);
    c.Line(wallRight, footTop, wallRight + ext, footTop);
    DrawDimension(wallRight + g0, top, wallRight + g0, footTop, FormatMeasure(2, mark, H), 2);

    c.Line(left, footTop, left - ext, footTop);
    // Where crowded, the thickness stands between its line and the footing, clear of the depth's line.
    DrawDimension(left - g0, footTop, left - g0, footBottom, FormatMeasure(1, smallMark, tf), 4);

    c.Line(wallLeft, top, wallLeft, top - ext);
    c.Line(wallRight, top, wallRight, top - ext);
    DrawDimension(wallLeft, top - g0, wallRight, top - g0, FormatMeasure(1, smallMark, tw), 3);

    // Where crowded, the toe's text stands above its line, over the soil; the depth's keeps clear of it.
    QRect toeText;
    if (left < wallLeft) {
        c.Line(left, footTop, left, footTop - ext);
        toeText = DrawDimension(left, footTop - g0, wallLeft, footTop - g0,
                                FormatMeasure(1, smallMark, (k * W - tw) / 2), 3);
    }

    c.Line(left, footBottom, left - ext, footBottom);
    if (groundY > top) {
        c.Line(left - ext, footBottom, groundLeft, footBottom);
        DrawDimension(left - 2 * g0, groundY, left - 2 * g0, footBottom, FormatMeasure(2, mark, Data.Df), 2,
                      false, toeText);
    }

    // Reinforcement. Leaders end in open arrowheads; labels are rows of height F centred on them.
    const int head = Nearest(3.0L * ArrowSize() / 4);
    auto label = [&](int x1, int x2, int y, const QString& text, int alignment) {
        DrawTextBox(x1, y - F / 2, x2, y - F / 2 + F, text, alignment, false, DiagramColor::NoFill);
    };

    // Vertical bars at the wall's cover, one face or both.
    const int pv = std::max(2 * PenWidth(), Nearest(FindRebar(Data, wall.VertBarSize).Diameter * s / k));
    const int xv = wallLeft + Nearest(pv / 2.0L + wall.VertCover * s / k);
    int D = std::max(F, pv);
    c.SetPen(DiagramColor::Black, pv);
    c.Line(xv, top + D, xv, footBottom - D);
    if (wall.Layers == 2) {
        const int xv2 = wallRight - Nearest(pv / 2.0L + wall.VertCover * s / k);
        c.Line(xv2, top + D, xv2, footBottom - D);
    }
    const int yVert = top + D + 2 * F;
    c.SetPenWidth(LineUnit());
    DrawArrowLine(left - 3 * g0, yVert, wallLeft + Nearest(wall.VertCover * s / k), yVert, head, false, true);
    label(0, left - 3 * g0, yVert, vertLabel, 1);
    // From here on the canvas font is the label font.
    const int g1 = Gap();

    // Horizontal bars, end-on, inside the vertical bar.
    const int rh = std::max(PenWidth(), Nearest(FindRebar(Data, wall.HorBarSize).Diameter * s / k / 2));
    const int xc = xv + 2 * rh;
    const int yh1 = top + (xv + rh - wallLeft) / 2 + rh;
    c.SetPen(DiagramColor::Black, 1);
    c.SetBrushColor(DiagramColor::Black);
    long double stepH = wall.HorSpacing * s;
    if (!(stepH >= 10))
        stepH = 10;
    for (int i = 0;; ++i) {
        const int y = yh1 + Nearest(i * stepH);
        if (y >= footBottom - (yh1 - top))
            break;
        DrawBarSection(xc, y, rh);
    }
    c.SetPenWidth(LineUnit());
    DrawArrowLine(xc + rh, yh1, wallRight + 3 * g1, yh1, head, true, false);
    label(wallRight + 3 * g1, Width, yh1, horLabel, 0);

    // The temperature bars lie above the footing bars when their cover is at least as large.
    const int dir = foot.StCover >= foot.FootCover ? 1 : -1;

    // Footing bottom bars across the footing.
    const int pf = std::max(2 * PenWidth(), Nearest(FindRebar(Data, foot.FootBarSize).Diameter * s / k));
    const int yf = footBottom - Nearest(pf / 2.0L + foot.FootCover * s / k);
    D = std::max(F, pf);
    c.SetPenWidth(pf);
    c.Line(left + D, yf, right - D, yf);
    const int x0 = right - D - 2 * F;
    const int y0 = yf + (pf * dir) / 2;
    // Right of a continuous footing the slab and its sloped underside reach down to midY: a label
    // row there moves below them.
    auto clearOfSlab = [&](int y) { return continuous ? std::max(y, midY + F / 2 + 2 * LineUnit()) : y; };
    const int yFootLabel = clearOfSlab(y0 + g1 * dir);
    c.SetPenWidth(LineUnit());
    DrawArrowLine(x0, y0, x0 + g1, yFootLabel, head, true, false);
    c.Line(x0 + g1, yFootLabel, right + g1, yFootLabel);
    label(right + g1, Width, yFootLabel, footLabel, 0);

    // Shrinkage and temperature bars, end-on, along the footing.
    const int rs = std::max(PenWidth(), Nearest(FindRebar(Data, foot.StBarSize).Diameter * s / k / 2));
    const int ybar = footBottom - Nearest(foot.FootCover * s / k) - pf / 2;
    int n = foot.StSpacing > 0 ? Trunc((W - 2 * foot.StCover / k) / foot.StSpacing) : 1;
    if (n <= 0)
        n = 1;
    const Real span = n * foot.StSpacing;
    const int xs1 = left + Nearest((W - span) * s / 2) + rs;
    long double stepS = foot.StSpacing * s - 2 * rs;
    if (!(stepS >= 10))
        stepS = 10;
    const int yb = footBottom - Nearest(foot.StCover * s / k);
    int yc = yb - rs;
    if (yb >= ybar - pf / 2 - 1 && yb - 2 * rs < ybar + pf / 2 + 1)
        yc = ybar - (pf / 2 + rs) * dir;  // against the footing bar, on the side dir gives
    int yStLabel = clearOfSlab(yc - dir * (rs + g1));
    if (std::abs(yStLabel - yFootLabel) <= F)
        yStLabel = std::max(yStLabel, yFootLabel + F + 2 * LineUnit());  // the two rows one above the other
    c.SetBrushColor(DiagramColor::Black);
    for (int i = 0;; ++i) {
        const int x = xs1 + Nearest(i * stepS);
        if (x >= left + right + 3 * rs - xs1 || x >= right - 2 * rs)
            break;
        c.SetPenWidth(1);
        DrawBarSection(x, yc, rs);
        c.SetPenWidth(LineUnit());
        DrawArrowLine(x, yc - dir * rs, x + g1, yStLabel, head, true, false);
    }
    c.Line(xs1 + g1, yStLabel, right + g1, yStLabel);
    label(right + g1, Width, yStLabel, stLabel, 0);

    c.SetBrushColor(DiagramColor::White);
    DrawRichText(wallRight + 2 * F, top - 2 * F, "Shape: " + ShapeDisplayName(Data.Shape));
    return true;
}
