// The stem wall section at computed pixels, and its fallback to the footing section.
#include <gtest/gtest.h>

#include "DiagramTestSupport.h"
#include "design/RebarTables.h"

namespace {
// A 3 ft (0.9 m) footing 12 in (300 mm) thick under a 6 ft (1.8 m) wall 8 in (200 mm) thick,
// Df 4 ft (1.2 m); #5 (16M) vertical and footing bars, #4 (13M) horizontal and S & T bars.
TPMData StemWallRecord(std::uint8_t units, int layers)
{
    const bool si = units == 1;
    const Real f = si ? 0.3L : 1.0L;  // length units: the SI case is the English one x 0.3
    const Real k = si ? 1000 : 12;
    const Real inch = si ? 25.0L : 1;  // covers 2 in / 50 mm, 3 in / 75 mm
    TPMData data = BlankRecord();
    data.Units = units;
    data.Shape = shSquare;
    data.Df = 4 * f;
    TContinuousData& c = data.Continuous;
    c.UseContinuousReinforcement = 1;
    c.H = 6 * f;
    c.W = 3 * f;
    c.Tw = si ? 200 : 8;
    c.TwLen = c.Tw / k;
    c.Tf = si ? 300 : 12;
    c.TfLen = c.Tf / k;
    c.StemWall.VertBarSize = si ? 16 : 5;
    c.StemWall.Layers = layers;
    c.StemWall.VertCover = 2 * inch;
    c.StemWall.VertSpacing = f;
    c.StemWall.HorBarSize = si ? 13 : 4;
    c.StemWall.HorSpacing = f;
    c.Footing.FootBarSize = si ? 16 : 5;
    c.Footing.StBarSize = si ? 13 : 4;
    c.Footing.FootCover = 3 * inch;
    c.Footing.FootSpacing = f;
    c.Footing.StCover = 2 * inch;
    c.Footing.StSpacing = f;
    SelectRebarTable(rfUS, units);
    return data;
}
}  // namespace

// 412 x 361: F 10, g0 18, "xxx @ xxxx O.C." 16829 / 2048 x 10 = 82 px. left = 82 + 63 = 145,
// right 320, top 54, bottom0 325; 175 / 3 = 58.3 px/ft is too tall ((1 + 6) x 58.3 > 271), so
// s = 271 / 7 = 38.714. right = 145 + 116 = 261, footTop 54 + 232 = 286, footBottom 286 + 38 = 324,
// groundY 324 - 154 = 170; wall 145 + trunc(2.333 x 38.714 / 2 = 45.17) = 190 to 216;
// shift 206 - 145 - 58 = 3: left 148, wall 193..219, right 264.
// Vertical bar: pv = max(4, nearest(0.625 x 3.226 = 2.02)) = 4; xv = 193 + nearest(2 + 6.45) = 201,
// from 54 + 10 down; the second layer at 219 - 8 = 211.
// Horizontal bars: r = max(2, nearest(0.81)) = 2, xc = 205, y1 = 54 + 10 div 2 + 2 = 61, pitch 38.714:
// 61, 100, 138, 177, 216, 255, 293.
// Footing bar: pf 4, yf = 324 - nearest(2 + 9.68) = 312, from 148 + 10 to 264 - 10.
// S & T (cover 2 < 3, so below the bar): n = trunc(2.667) = 2, x1 = 148 + nearest(19.36) + 2 = 169,
// pitch 38.714 - 4 = 34.714: 169, 204, 239 (273 passes the end 249); yb = 324 - 6 = 318 overlaps
// the bar, so yc = 312 + 4 = 316.
TEST(StemWallSection, BarsAndOutlineAtComputedPixels)
{
    struct Case {
        const char* Name;
        std::uint8_t Units;
        int Layers;
    };
    for (const Case& k :
         {Case{"English one layer", 0, 1}, Case{"English two layers", 0, 2}, Case{"SI two layers", 1, 2}}) {
        SCOPED_TRACE(k.Name);
        const QImage im =
            DrawDiagramToBitmap({412, 361}, StemWallRecord(k.Units, k.Layers), TDiagramKind::StemWallSection);
        // Outline: footing faces, bottom, toe top, wall faces and top.
        EXPECT_EQ(BlackRun(im, 148, 300, true), 2);
        EXPECT_EQ(BlackRun(im, 264, 300, true), 2);
        EXPECT_EQ(BlackRun(im, 180, 324, false), 2);
        EXPECT_EQ(BlackRun(im, 160, 286, false), 2);
        EXPECT_TRUE(IsBlack(im, 193, 150));
        EXPECT_TRUE(IsBlack(im, 219, 150));
        EXPECT_EQ(BlackRun(im, 206, 54, false), 2);
        // Ground at y 170 from left - 45 to the wall, hatched below.
        EXPECT_TRUE(IsBlack(im, 120, 170));
        EXPECT_TRUE(HasColour(im, DiagramColor::Grey, 103, 171, 193, 180));
        // Vertical bars, four pixels wide, starting D = 10 below the wall top.
        EXPECT_EQ(BlackRun(im, 201, 150, true), 4);
        EXPECT_TRUE(IsBlack(im, 201, 64));
        EXPECT_TRUE(IsWhite(im, 201, 62));
        EXPECT_EQ(BlackRun(im, 211, 150, true), k.Layers == 2 ? 4 : 0);
        // Horizontal bars: filled circles at x 205.
        for (int y : {61, 100, 138, 177, 216, 255, 293})
            EXPECT_TRUE(IsBlack(im, 205, y)) << y;
        EXPECT_TRUE(IsWhite(im, 205, 119));
        // Footing bar, four pixels thick, from 158 to 254.
        EXPECT_EQ(BlackRun(im, 180, 312, false), 4);
        EXPECT_TRUE(IsBlack(im, 158, 312));
        EXPECT_TRUE(IsWhite(im, 157, 312));
        EXPECT_TRUE(IsWhite(im, 254, 312));
        // Shrinkage and temperature bars below the footing bar.
        for (int x : {169, 204, 239})
            EXPECT_TRUE(IsBlack(im, x, 316)) << x;
        EXPECT_TRUE(IsWhite(im, 221, 316));
        EXPECT_TRUE(IsWhite(im, 273, 316));
    }
}

// Continuous shape, the English record: right = 145 + 175 div 2 = 232, s = 87 / 3 = 29 px/ft,
// footTop 54 + 174 = 228, footBottom 257; the wall 87 div 5 = 17 px wide at the left edge; the
// slab to 232 + 87 = 319, its end 275, slabY 228 + 9 = 237; shift 206 - 145 - 87 = -26 (the
// left label needs only 47 + 1 + 54 px): wall 119..136, right 206, slab end 249, extent 293.
// Vertical bar: pv 4 at 119 + nearest(2 + 4.83) = 126; horizontal bars at x 130 from y 60, pitch 29.
TEST(StemWallSection, ContinuousShapeStandsTheWallOnTheFootingEdge)
{
    TPMData data = StemWallRecord(0, 1);
    data.Shape = shContinuous;
    const QImage im = DrawDiagramToBitmap({412, 361}, data, TDiagramKind::StemWallSection);
    EXPECT_EQ(BlackRun(im, 119, 100, true), 2);
    EXPECT_EQ(BlackRun(im, 136, 100, true), 2);
    EXPECT_EQ(BlackRun(im, 126, 100, true), 4);
    for (int y : {60, 89, 118})
        EXPECT_TRUE(IsBlack(im, 130, y)) << y;
    EXPECT_TRUE(IsBlack(im, 290, 228));  // footing top runs on to 293
    EXPECT_TRUE(IsBlack(im, 270, 237));  // slab underside from 293 to 249
    EXPECT_TRUE(IsWhite(im, 293, 232));  // open slab end
    EXPECT_TRUE(IsBlack(im, 206, 252));  // inner face below midY 242
}

TEST(StemWallSection, ZeroGoverningDimensionFallsBackToTheFootingSection)
{
    TPMData plain = StemWallRecord(0, 1);
    plain.B = 2;
    plain.L = 2;
    plain.Df = 1.5L;
    plain.Continuous.UseContinuousReinforcement = 0;
    const QImage footing = DrawDiagramToBitmap({412, 361}, plain, TDiagramKind::Section);
    for (Real TContinuousData::*field :
         {&TContinuousData::H, &TContinuousData::W, &TContinuousData::Tw, &TContinuousData::Tf}) {
        TPMData data = plain;
        data.Continuous.UseContinuousReinforcement = 1;
        data.Continuous.*field = 0;
        EXPECT_TRUE(DrawDiagramToBitmap({412, 361}, data, TDiagramKind::StemWallSection) == footing);
    }
    TPMData whole = plain;
    whole.Continuous.UseContinuousReinforcement = 1;
    EXPECT_FALSE(DrawDiagramToBitmap({412, 361}, whole, TDiagramKind::StemWallSection) == footing);
    // The footing section stays the footing section with the continuous design on.
    EXPECT_TRUE(DrawDiagramToBitmap({412, 361}, whole, TDiagramKind::Section) == footing);
}
