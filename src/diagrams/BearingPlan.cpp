// The bearing plan: the stability footing to scale on X and Y axes with unit ticks, its
// pedestals, the kern, the resultant and the four corner pressures.
#include <algorithm>
#include <cmath>

#include "diagrams/DiagramDraw.h"

void TDiagramDraw::DrawBearingPlan()
{
    Begin();
    TCanvas& c = Canvas();
    const TStabilityData& s = Data.Stability;
    const Real L = s.StabL;
    const Real B = s.StabB;
    // A footing without a positive, finite size has no plan (and no end to its ticks).
    if (!(std::isfinite(L) && std::isfinite(B) && L > 0 && B > 0)) {
        c.SetBrushColor(DiagramColor::White);
        c.FillRect(0, 0, Width, Height);
        return;
    }
    const bool si = Data.Units == 1;
    const QString pressureUnit = si ? "kPa" : "ksf";
    const int F = FontSize();

    const int xLeft = 3 * F;
    const int xRight = Width - 2 * F;
    const int cx = xLeft + (xRight - xLeft) / 2;
    const int yTop = 4 * F;
    const int yBottom = Height - 2 * F;
    const int cy = yTop + (yBottom - yTop) / 2;

    Scale = (xRight - xLeft) / static_cast<double>(L);
    if (!(yBottom - yTop > B * Scale))
        Scale = (yBottom - yTop) / static_cast<double>(B);
    const long double S = Scale;

    const int x1 = cx - Trunc(L * S / 2);
    const int x2 = cx + Trunc(L * S / 2);
    const int y1 = cy - Trunc(B * S / 2);
    const int y2 = cy + Trunc(B * S / 2);

    c.SetBrushColor(DiagramColor::White);
    c.FillRect(0, 0, Width, Height);
    c.SetPen(DiagramColor::Black, 1);

    // Axes with a tick at every whole length unit from the centre.
    c.Line(2 * F, cy, Width - F, cy);
    c.TextOut(Width - F, cy, "X");
    c.Line(cx, 3 * F, cx, Height - F);
    c.TextOut(cx + 1, 2 * F, "Y");
    const int tick = Nearest(F / 3.0L);
    if (S >= 1) {
        for (int j = 1;; ++j) {
            const int x = cx - Nearest(j * S);
            if (x < 2 * F)
                break;
            c.Line(x, cy - tick, x, cy + tick);
        }
        for (int j = 1;; ++j) {
            const int x = cx + Nearest(j * S);
            if (x > Width - F)
                break;
            c.Line(x, cy - tick, x, cy + tick);
        }
        for (int j = 1;; ++j) {
            const int y = cy - Nearest(j * S);
            if (y < 3 * F)
                break;
            c.Line(cx - tick, y, cx + tick, y);
        }
        for (int j = 1;; ++j) {
            const int y = cy + Nearest(j * S);
            if (y > Height - F)
                break;
            c.Line(cx - tick, y, cx + tick, y);
        }
    }

    DrawDimension(F, y1, F, y2, "B=" + FormatMeasure(2, "", B), 1);
    DrawDimension(x1, F, x2, F, "L=" + FormatMeasure(2, "", L), 1);

    // Footing outline.
    const int pw = PenWidth();
    c.SetBrushStyle(TBrushStyle::Clear);
    c.SetPen(DiagramColor::Black, pw);
    c.Rectangle(x1, y1, x2 + pw, y2 + pw);

    // Pedestals (Y upward on the plan, so y is mirrored).
    c.SetBrushColor(DiagramColor::Grey);
    c.SetBrushStyle(TBrushStyle::Solid);
    c.SetPenWidth(LineUnit());
    const int count = std::clamp<int>(s.PedestalCount, 0, static_cast<int>(s.Pedestals.size()));
    for (int i = 0; i < count; ++i) {
        const TPedestal& p = s.Pedestals[i];
        const int lw = c.PenWidth();
        c.Rectangle(cx + Nearest((p.Xp - p.Lpx / 2) * S), cy - Nearest((p.Yp - p.Lpy / 2) * S),
                    cx + Nearest((p.Xp + p.Lpx / 2) * S) + lw, cy - Nearest((p.Yp + p.Lpy / 2) * S) + lw);
    }

    // Kern: the middle-third diamond, dashed, with its vertices marked.
    const QPoint kern[4] = {{cx - Nearest(L * S / 6), cy},
                            {cx, cy - Nearest(B * S / 6)},
                            {cx + Nearest(L * S / 6), cy},
                            {cx, cy + Nearest(B * S / 6)}};
    c.SetPen(DiagramColor::Blue, pw / 2);
    c.MoveTo(kern[0].x(), kern[0].y());
    for (int i = 1; i <= 4; ++i)
        DrawDashedLine(kern[i % 4].x(), kern[i % 4].y());
    c.SetPen(DiagramColor::Blue, LineUnit());
    c.SetBrushColor(DiagramColor::Blue);
    for (const QPoint& v : kern)
        DrawSquareMarker(v.x(), v.y(), F / 2);

    // Resultant; an undefined eccentricity has no position to mark.
    c.SetBrushColor(DiagramColor::Navy);
    c.SetPenColor(DiagramColor::Black);
    if (!IsNaN(s.Ex) && !IsNaN(s.Ey))
        DrawDiamondMarker(cx + Nearest(s.Ex * S), cy - Nearest(s.Ey * S), F);

    // Corner pressures beside their corners.
    c.SetBrushColor(DiagramColor::White);
    c.SetPen(DiagramColor::Black, pw);
    c.SetFontColor(DiagramColor::Black);
    auto corner = [&](const char* name, Real value) {
        return QString(name) + FormatMeasure(3, pressureUnit, value);
    };
    const QString p3 = corner("P3=", s.P3), p2 = corner("P2=", s.P2), p1 = corner("P1=", s.P1),
                  p4 = corner("P4=", s.P4);
    DrawRichText(x1, y1 - c.TextHeight(p3) - pw, p3);
    DrawRichText(x2 - c.TextWidth(p2), y1 - c.TextHeight(p2) - pw, p2);
    DrawRichText(x2 - c.TextWidth(p1), y2 + 2 * pw, p1);
    DrawRichText(x1, y2 + 2 * pw, p4);
    c.SetBrushColor(DiagramColor::White);
}
