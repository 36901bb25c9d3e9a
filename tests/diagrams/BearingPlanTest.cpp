// The bearing plan at computed pixels.
#include <gtest/gtest.h>

#include "DiagramTestSupport.h"

namespace {
struct TPlanCase {
    const char* Name;
    int Width, Height;
    std::uint8_t Units;
    Real Ex, Ey;
    TPedestal Pedestal;
    int X1, X2, Y1, Y2, Cx, Cy, Pen, Tick;
    std::vector<int> TicksX, TicksY;  // tick positions clear of other figures
    int NoTickY;                      // a tick position beyond the axis end
    QPoint Kern[4];
    int KernHalf;  // half size of a vertex marker
    QPoint Resultant;
    int ResultantHalf;
    QRect PedestalBox;  // outline coordinates: left, top, right, bottom edges
};

TPedestal Pedestal(Real xp, Real yp, Real lpx, Real lpy)
{
    TPedestal p;
    p.Xp = xp;
    p.Yp = yp;
    p.Lpx = lpx;
    p.Lpy = lpy;
    return p;
}

// L = 10, B = 6 throughout.
// 412 x 361, F = 10: frame x 30..392 (cx 211), y 40..341 (cy 190); 362 / 10 = 36.2 px per unit,
// and 301 > 6 x 36.2, so the rectangle is 362 x 216: x 30..392, y 190 -+ trunc(108.6) = 82..298.
// Ticks at cx -+ nearest(36.2 j): 36, 72, 109, 145, 181; Y ticks 4 each side (the fifth, 9,
// lies above the axis start 30). Kern at nearest(60.33) = 60 and nearest(36.2) = 36.
// Resultant (2, 1): (211 + 72, 190 - 36). Pedestal at (-3, 1.5), 2 x 1: corners
// (211 - 145, 190 - 36) and (211 - 72 + 1, 190 - 72 + 1): edges x 66 and 139, y 119 and 153.
// 1200 x 1200, F = 40: frame x 120..1120 (cx 620), y 160..1120 (cy 640), 100 px per unit;
// ticks every 100 px; kern at nearest(166.67) = 167 and 100; resultant (-1, -0.5) at (520, 690);
// pedestal at (2, -1), 1.5 x 1: corners (745, 790) and (899, 694): the box 745..899 x 694..790
// less one pen width (4) at its right and bottom: edges x 745, 895, y 694, 786.
const TPlanCase kCases[] = {
    {"412 English",
     412,
     361,
     0,
     2,
     1,
     Pedestal(-3, 1.5L, 2, 1),
     30,
     392,
     82,
     298,
     211,
     190,
     2,
     3,
     {66, 102, 139, 175, 247, 283, 320, 356},
     {45, 118, 262, 335},
     9,
     {{151, 190}, {211, 154}, {271, 190}, {211, 226}},
     2,
     {283, 154},
     5,
     QRect(QPoint(66, 119), QPoint(139, 153))},
    {"1200 SI",
     1200,
     1200,
     1,
     -1,
     -0.5L,
     Pedestal(2, -1, 1.5L, 1),
     120,
     1120,
     340,
     940,
     620,
     640,
     8,
     13,
     {220, 320, 420, 520, 720, 820, 920, 1020},
     {140, 240, 440, 840, 1040, 1140},
     40,
     {{453, 640}, {620, 540}, {787, 640}, {620, 740}},
     10,
     {520, 690},
     20,
     QRect(QPoint(745, 694), QPoint(895, 786))},
};

TPMData PlanRecord(const TPlanCase& k)
{
    TPMData data = BlankRecord();
    data.Units = k.Units;
    TStabilityData& s = data.Stability;
    s.StabL = 10;
    s.StabB = 6;
    s.PedestalCount = 1;
    s.Pedestals[0] = k.Pedestal;
    s.Ex = k.Ex;
    s.Ey = k.Ey;
    s.P1 = 1.25L;
    s.P2 = 2.5L;
    s.P3 = 3.125L;
    s.P4 = 0;
    return data;
}
}  // namespace

TEST(BearingPlan, FootingTicksKernResultantAndPedestalAtComputedPixels)
{
    for (const TPlanCase& k : kCases) {
        SCOPED_TRACE(k.Name);
        const QImage im = DrawDiagramToBitmap({k.Width, k.Height}, PlanRecord(k), TDiagramKind::BearingPlan);

        // Outline drawn with PenWidth through the computed corners.
        const int sideY = k.Y1 + (k.Y2 - k.Y1) / 4;
        EXPECT_EQ(BlackRun(im, k.X1, sideY, true), k.Pen);
        EXPECT_EQ(BlackRun(im, k.X2, sideY, true), k.Pen);
        EXPECT_EQ(BlackRun(im, k.Cx + 40, k.Y1, false), k.Pen);
        EXPECT_EQ(BlackRun(im, k.Cx + 40, k.Y2, false), k.Pen);

        // Unit ticks, one pixel wide, across the axes.
        for (int x : k.TicksX) {
            EXPECT_TRUE(IsBlack(im, x, k.Cy - k.Tick + 1)) << "x tick " << x;
            EXPECT_TRUE(IsWhite(im, x + 2, k.Cy - k.Tick + 1)) << "x tick " << x;
        }
        for (int y : k.TicksY) {
            EXPECT_TRUE(IsBlack(im, k.Cx + k.Tick - 1, y)) << "y tick " << y;
            EXPECT_TRUE(IsWhite(im, k.Cx + k.Tick - 1, y + 2)) << "y tick " << y;
        }
        EXPECT_TRUE(IsWhite(im, k.Cx + k.Tick - 1, k.NoTickY));

        // Kern vertices: blue square markers.
        for (const QPoint& v : k.Kern) {
            EXPECT_EQ(Rgb(im, v.x(), v.y()), DiagramColor::Blue & 0xFFFFFF) << v.x() << "," << v.y();
            EXPECT_EQ(Rgb(im, v.x(), v.y() - k.KernHalf), DiagramColor::Blue & 0xFFFFFF);
            EXPECT_NE(Rgb(im, v.x(), v.y() - k.KernHalf - 4 * k.Pen / 2 - 1), DiagramColor::Blue & 0xFFFFFF);
        }
        // The dashed kern outline is blue too.
        EXPECT_TRUE(HasColour(im, DiagramColor::Blue, k.Kern[0].x() + 5, k.Kern[1].y(), k.Kern[1].x() - 5,
                              k.Kern[0].y() - 3));

        // Resultant: a navy diamond.
        const QPoint r = k.Resultant;
        EXPECT_EQ(Rgb(im, r.x(), r.y()), DiagramColor::Navy & 0xFFFFFF);
        EXPECT_EQ(Rgb(im, r.x(), r.y() - k.ResultantHalf / 2), DiagramColor::Navy & 0xFFFFFF);
        EXPECT_NE(Rgb(im, r.x() + k.ResultantHalf + 2, r.y()), DiagramColor::Navy & 0xFFFFFF);

        // Pedestal: grey with a black outline of LineUnit.
        const QRect& p = k.PedestalBox;
        const int midX = (p.left() + p.right()) / 2, midY = (p.top() + p.bottom()) / 2;
        EXPECT_EQ(Rgb(im, midX, midY), DiagramColor::Grey & 0xFFFFFF);
        for (QPoint e : {QPoint(p.left(), midY), QPoint(p.right(), midY), QPoint(midX, p.top()),
                         QPoint(midX, p.bottom())})
            EXPECT_TRUE(IsBlack(im, e.x(), e.y())) << e.x() << "," << e.y();
        EXPECT_TRUE(IsWhite(im, midX, p.bottom() + k.Pen + 1));

        // Corner pressures above the upper and below the lower corners.
        const int text = k.Pen * 7;
        EXPECT_TRUE(HasInk(im, k.X1, k.Y1 - 2 * text, k.X1 + 3 * text, k.Y1 - k.Pen));
        EXPECT_TRUE(HasInk(im, k.X2 - 3 * text, k.Y2 + 2 * k.Pen, k.X2, k.Y2 + 2 * text));
        EXPECT_FALSE(HasInk(im, k.X2 + k.Pen, k.Y2 + 2 * k.Pen, k.X2 + 3 * text, k.Y2 + 2 * text));
    }
}

TEST(BearingPlan, UnusableSizesGiveAWhitePicture)
{
    for (Real l : {0.0L, -10.0L, NaN()}) {
        TPMData data = BlankRecord();
        data.Stability.StabL = l;
        data.Stability.StabB = 6;
        EXPECT_TRUE(AllWhite(DrawDiagramToBitmap({200, 150}, data, TDiagramKind::BearingPlan))) << double(l);
    }
}
