// The footing section at computed pixels.
#include <gtest/gtest.h>

#include "DiagramTestSupport.h"
#include "diagrams/LoadingIllustration.h"

namespace {
struct TSectionCase {
    const char* Name;
    int Width, Height;
    std::uint8_t Units, Shape;
    Real B, L, Df;
    int Left, Right, PostLeft, PostRight, Top, TopY, BottomY, GroundY, Pen, Gap, Font;
};

// Hand calculation (g = 18 and F = 10 at 412 x 361; g = 70 and F = 40 at 1200 x 1200):
// left = nearest(3.5 g), right0 = Width - F, top = F, bottomY = Height - 2g,
// groundY = top + (bottomY - top) div 3, the smaller of the width and depth fits, then the
// figure centred on Width div 2.
const TSectionCase kCases[] = {
    // Square, B 2 ft, Df 1.5 ft: 210 / 1.5 = 140 px/ft beats 339 / 2 = 169.5; 280 px wide, the
    // column 56 px; shift 206 - 203 = 3.
    {"square 412", 412, 361, 0, shSquare, 2, 2, 1.5L, 66, 346, 178, 234, 10, 157, 325, 115, 2, 18, 10},
    // Continuous: right = 63 + 339 div 2 = 232, 84.5 px/ft, groundY 325 - 126 = 199, topY 224;
    // wall 33 px at the left edge, extent 401, shift 206 - 232 = -26.
    {"continuous 412", 412, 361, 0, shContinuous, 2, 1, 1.5L, 37, 206, 37, 70, 10, 224, 325, 199, 2, 18, 10},
    // SI rectangle, B 3 m, Df 1 m: 339 / 3 = 113 px/m governs; shift -26.
    {"rectangle SI 412", 412, 361, 1, shRectangle, 3, 4, 1, 37, 376, 173, 239, 10, 234, 325, 212, 2, 18, 10},
    // LineUnit 4: 680 / 2 = 340 px/ft beats 915 / 2; 680 px wide, column 136 px, shift 15.
    {"square 1200", 1200, 1200, 0, shSquare, 2, 2, 2, 260, 940, 532, 668, 40, 516, 1060, 380, 8, 70, 40},
};
}  // namespace

TEST(FootingSection, OutlineColumnAndGroundAtComputedPixels)
{
    for (const TSectionCase& k : kCases) {
        SCOPED_TRACE(k.Name);
        TPMData data = BlankRecord();
        data.Units = k.Units;
        data.Shape = k.Shape;
        data.B = k.B;
        data.L = k.L;
        data.Df = k.Df;
        data.Continuous.UseContinuousReinforcement = 0;
        const QImage im = DrawDiagramToBitmap({k.Width, k.Height}, data, TDiagramKind::Section);

        // Footing faces and bottom, drawn with PenWidth.
        const int faceY = k.BottomY - (k.BottomY - k.TopY) / 4;
        EXPECT_EQ(BlackRun(im, k.Left, faceY, true), k.Pen);
        EXPECT_EQ(BlackRun(im, k.Right, faceY, true), k.Pen);
        EXPECT_EQ(BlackRun(im, (k.Left + k.Right) / 2, k.BottomY, false), k.Pen);
        EXPECT_TRUE(IsWhite(im, k.Left + k.Pen + 4, (k.TopY + k.BottomY) / 2));
        // Column or wall faces and its top at the top margin.
        const int postY = (k.Top + k.GroundY) / 2;
        EXPECT_TRUE(IsBlack(im, k.PostLeft, postY));
        EXPECT_TRUE(IsBlack(im, k.PostRight, postY));
        EXPECT_TRUE(IsWhite(im, (k.PostLeft + k.PostRight) / 2, postY));
        EXPECT_EQ(BlackRun(im, (k.PostLeft + k.PostRight) / 2, k.Top, false), k.Pen);
        // Footing top beside the column.
        EXPECT_TRUE(IsBlack(im, k.PostRight + k.Pen + 2, k.TopY));
        // Ground line from left - 2g, its grey hatching no deeper than F (nor the footing top).
        EXPECT_TRUE(IsBlack(im, k.Left - k.Gap / 2, k.GroundY));
        const int hatchBottom = std::min(k.GroundY + k.Font, k.TopY);
        EXPECT_TRUE(
            HasColour(im, DiagramColor::Grey, k.Left - 2 * k.Gap, k.GroundY + 1, k.PostLeft, hatchBottom));
        EXPECT_FALSE(HasColour(im, DiagramColor::Grey, 0, hatchBottom, k.Width, k.Height));
        EXPECT_FALSE(HasColour(im, DiagramColor::Grey, 0, 0, k.Left - 2 * k.Gap, k.Height));
    }
}

TEST(FootingSection, ContinuousFootingRunsOnWithASlopedSlab)
{
    // The continuous case above: extent 375, slab end 290, slabY = 224 + 101 div 3 = 257,
    // midY = 224 + 101 div 2 = 274.
    TPMData data = BlankRecord();
    data.Shape = shContinuous;
    data.B = 2;
    data.L = 1;
    data.Df = 1.5L;
    const QImage im = DrawDiagramToBitmap({412, 361}, data, TDiagramKind::Section);
    EXPECT_TRUE(IsBlack(im, 370, 224));  // the top line runs on to x = 375
    EXPECT_TRUE(IsWhite(im, 378, 224));
    EXPECT_TRUE(IsBlack(im, 330, 257));  // slab underside from 375 to 290
    EXPECT_TRUE(IsWhite(im, 375, 240));  // the slab end is left open
    EXPECT_TRUE(IsBlack(im, 206, 290));  // inner face from midY down to the bottom
    EXPECT_TRUE(IsWhite(im, 206, 265));  // none above midY: the slab meets the face at 274
}

TEST(FootingSection, UnusableSizesGiveAWhitePicture)
{
    for (Real b : {0.0L, -2.0L, NaN()}) {
        TPMData data = BlankRecord();
        data.B = b;
        data.L = 2;
        data.Df = 1.5L;
        EXPECT_TRUE(AllWhite(DrawDiagramToBitmap({200, 150}, data, TDiagramKind::Section))) << double(b);
    }
    TPMData data = BlankRecord();
    data.B = 2;
    data.L = 0;
    data.Df = 1.5L;
    EXPECT_TRUE(AllWhite(DrawDiagramToBitmap({200, 150}, data, TDiagramKind::Section)));
}

TEST(LoadingIllustration, FixedPictureOfItsNaturalSize)
{
    const QImage picture = LoadingIllustration();
    EXPECT_EQ(picture.size(), QSize(1024, 768));
    EXPECT_FALSE(AllWhite(picture));
    EXPECT_TRUE(IsWhite(picture, 2, 2));  // a white margin round the artwork
    EXPECT_EQ(LoadingIllustration({2048, 1536}).size(), QSize(2048, 1536));
}
