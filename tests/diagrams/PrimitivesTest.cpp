// Size metrics, the label number format and the drawing primitives of the renderer.
#include <gtest/gtest.h>

#include <cmath>

#include "DiagramTestSupport.h"
#include "core/NumberFormat.h"

TEST(DiagramMetrics, DeriveFromTheSmallerSideOfTheBitmap)
{
    struct Case {
        int Width, Height, LineUnit, PenWidth, FontSize, ArrowSize;
    };
    const Case cases[] = {
        {412, 361, 1, 2, 10, 8},     // the screen image
        {599, 10000, 1, 2, 10, 8},   // 599 div 600 = 0
        {1200, 1200, 4, 8, 40, 32},  // 1200 div 600 = 2
        {1900, 940, 2, 4, 20, 16},   // the zoom window on a 1920 x 1040 work area
    };
    for (const Case& c : cases) {
        TPrimitiveBench bench(c.Width, c.Height);
        SCOPED_TRACE(testing::Message() << c.Width << " x " << c.Height);
        EXPECT_EQ(bench.Draw.LineUnit(), c.LineUnit);
        EXPECT_EQ(bench.Draw.PenWidth(), c.PenWidth);
        EXPECT_EQ(bench.Draw.FontSize(), c.FontSize);
        EXPECT_EQ(bench.Draw.ArrowSize(), c.ArrowSize);
    }
}

TEST(DiagramMetrics, GapIsOneAndAHalfTextHeights)
{
    // DejaVu Sans: ascent 1901 + descent 483 per 2048 units; at a 10-pixel character height the
    // cell is 11.64 -> 12 pixels, so the gap is 18; at 40 pixels 46.56 -> 47 and 70.5 -> 70.
    EXPECT_EQ(TPrimitiveBench(412, 361).Draw.Gap(), 18);
    EXPECT_EQ(TPrimitiveBench(1200, 1200).Draw.Gap(), 70);
}

TEST(FormatMeasure, DropsTrailingZerosAndPlacesTheUnit)
{
    SetNumberSeparators('.', ',');
    struct Case {
        int Digits;
        const char* Unit;
        Real Value;
        const char* Expected;
    };
    const Case cases[] = {
        {2, "'", 2.0L, "2'"},     {2, "m", 0.75L, "0.75 m"},     {3, "ksf", 1.2L, "1.2 ksf"},
        {2, "", 10.0L, "10"},     {2, "", 100.0L, "100"},        {1, "\"", 14.0L, "14\""},
        {2, "'", 2.504L, "2.5'"}, {3, "kPa", -0.0001L, "0 kPa"}, {2, "m", NaN(), "N.A. m"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatMeasure(c.Digits, c.Unit, c.Value).toStdString(), c.Expected) << c.Expected;

    SetNumberSeparators(',', '.');
    EXPECT_EQ(FormatMeasure(2, "m", 0.75L).toStdString(), "0,75 m");
    EXPECT_EQ(FormatMeasure(2, "'", 3.0L).toStdString(), "3'");
    SetNumberSeparators('.', ',');
}

TEST(ContrastColor, WhiteOnDarkBlackOnLight)
{
    EXPECT_EQ(ContrastColor(qRgb(128, 128, 128)), DiagramColor::White);  // sum 384
    EXPECT_EQ(ContrastColor(qRgb(129, 128, 128)), DiagramColor::Black);  // sum 385
    EXPECT_EQ(ContrastColor(qRgb(0, 0, 128)), DiagramColor::White);
    EXPECT_EQ(ContrastColor(qRgb(255, 255, 255)), DiagramColor::Black);
}

TEST(DrawArrowLine, HeadsPointAlongTheLine)
{
    TPrimitiveBench bench;
    // Horizontal, both heads: the end barbs reach (x2 - 8, y +- 2) since
    // 8 sin(3pi/2 +- pi/14) = -7.8 and 8 cos(3pi/2 +- pi/14) = +-1.78; the start barbs mirror them.
    bench.Draw.DrawArrowLine(20, 50, 80, 50, 8, true, true);
    // Vertical top to bottom, head at the end pointing down: barbs to (x +- 2, y2 - 8).
    bench.Draw.DrawArrowLine(150, 20, 150, 80, 8, false, true);
    bench.Draw.End();
    const QImage& im = bench.Image();
    for (QPoint p : {QPoint(76, 49), QPoint(76, 51), QPoint(24, 49), QPoint(24, 51), QPoint(50, 50),
                     QPoint(149, 76), QPoint(151, 76), QPoint(150, 50)})
        EXPECT_TRUE(IsBlack(im, p.x(), p.y())) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(76, 53), QPoint(76, 47), QPoint(16, 50), QPoint(153, 76), QPoint(150, 22 - 4)})
        EXPECT_TRUE(IsWhite(im, p.x(), p.y())) << p.x() << "," << p.y();
    // No head at the start of the vertical line.
    EXPECT_TRUE(IsWhite(im, 149, 24));
}

TEST(DrawDashedLine, FourDashesTheLastTwiceAsLong)
{
    TPrimitiveBench bench;
    // From x = 10 to 100: d = 10, dashes 20-30, 40-50, 60-70 and 80-100 (end excluded).
    bench.Canvas().MoveTo(10, 10);
    bench.Draw.DrawDashedLine(100, 10);
    bench.Draw.End();
    const QImage& im = bench.Image();
    for (int x : {20, 25, 29, 40, 49, 60, 69, 80, 90, 99})
        EXPECT_TRUE(IsBlack(im, x, 10)) << x;
    for (int x : {10, 15, 19, 30, 35, 50, 59, 70, 79, 100})
        EXPECT_TRUE(IsWhite(im, x, 10)) << x;
}

TEST(Markers, CentredOnTheirPointWithThePenWidthAdded)
{
    TPrimitiveBench bench;
    TCanvas& c = bench.Canvas();
    c.SetPen(DiagramColor::Black, 1);
    c.SetBrushColor(DiagramColor::Blue);
    bench.Draw.DrawSquareMarker(50, 50, 10);  // s = 5: pixels 45 to 55
    c.SetBrushColor(DiagramColor::Black);
    bench.Draw.DrawBarSection(150, 50, 5);  // circle of radius 5 about (150, 50)
    c.SetBrushColor(DiagramColor::Navy);
    bench.Draw.DrawDiamondMarker(250, 50, 10);
    bench.Draw.End();
    const QImage& im = bench.Image();
    EXPECT_EQ(Rgb(im, 50, 50), DiagramColor::Blue & 0xFFFFFF);
    for (QPoint p : {QPoint(45, 50), QPoint(55, 50), QPoint(50, 45), QPoint(50, 55)})
        EXPECT_TRUE(IsBlack(im, p.x(), p.y()));
    for (QPoint p : {QPoint(44, 50), QPoint(56, 50), QPoint(50, 44), QPoint(50, 56)})
        EXPECT_TRUE(IsWhite(im, p.x(), p.y()));
    for (QPoint p : {QPoint(145, 50), QPoint(155, 50), QPoint(150, 45), QPoint(150, 55), QPoint(150, 50)})
        EXPECT_TRUE(IsBlack(im, p.x(), p.y()));
    for (QPoint p : {QPoint(144, 50), QPoint(156, 50), QPoint(150, 56)})
        EXPECT_TRUE(IsWhite(im, p.x(), p.y()));
    EXPECT_EQ(Rgb(im, 250, 47), DiagramColor::Navy & 0xFFFFFF);
    EXPECT_TRUE(IsWhite(im, 253, 53));  // |3| + |3| lies outside the diamond of half size 5
}

TEST(DrawDimension, ArrowsAndTextMoveOutsideWhenThereIsNoRoom)
{
    // Horizontal dimensions on y = 100 with ArrowSize h = 8; the text is " 12.5' ".
    struct Case {
        int X1, X2, Placement;
        bool ArrowsOutside;
        int TextSide;  // -1 left of the span, 0 over the line, +1 right of it, 2 above the line
    };
    const Case cases[] = {
        {100, 300, 2, false, 0},  // wide span: arrows inside, text centred on the line
        {100, 110, 1, true, -1},  // no room: text left of the left arrow
        {100, 110, 2, true, +1},  // no room: text right of the right arrow
        {100, 130, 3, false, 2},  // placement 3 keeps the arrows inside and lifts the text
    };
    for (const Case& k : cases) {
        TPrimitiveBench bench;
        const int along = bench.Canvas().TextWidth(" 12.5' ");
        bench.Draw.DrawDimension(k.X1, 100, k.X2, 100, "12.5'", k.Placement);
        bench.Draw.End();
        const QImage& im = bench.Image();
        SCOPED_TRACE(testing::Message() << "placement " << k.Placement << " span " << k.X2 - k.X1);
        // Outside arrows run 2h beyond each end; inside the span there is then no line.
        EXPECT_EQ(IsBlack(im, k.X1 - 12, 100), k.ArrowsOutside);
        EXPECT_EQ(IsBlack(im, k.X2 + 12, 100), k.ArrowsOutside);
        EXPECT_EQ(IsBlack(im, k.X1 + 4, 100), !k.ArrowsOutside);
        const int mid = k.X1 + (k.X2 - k.X1) / 2;
        switch (k.TextSide) {
        case 0:  // rows 94 to 106, the line broken by the opaque text background
            EXPECT_TRUE(HasInk(im, mid - along / 2, 94, mid + along / 2, 106));
            EXPECT_TRUE(IsWhite(im, mid - along / 2 + 1, 100));
            break;
        case -1:  // rows 82 to 94 (moved up by the text height), x from 92 - along to 92
            EXPECT_TRUE(HasInk(im, 92 - along, 82, 92, 94));
            EXPECT_FALSE(HasInk(im, 118, 82, 118 + along, 94));
            break;
        case +1:
            EXPECT_TRUE(HasInk(im, 118, 82, 118 + along, 94));
            EXPECT_FALSE(HasInk(im, 92 - along, 82, 92, 94));
            break;
        case 2:
            EXPECT_TRUE(HasInk(im, mid - along / 2, 82, mid + along / 2, 94));
            EXPECT_FALSE(HasInk(im, mid - along / 2, 95, mid + along / 2, 98));
            break;
        }
    }
}

TEST(DrawDimension, VerticalTextIsRotatedBesideItsCentre)
{
    TPrimitiveBench bench;
    const int along = bench.Canvas().TextWidth(" 4' ");
    bench.Draw.DrawDimension(100, 50, 100, 250, "4'", 2);
    bench.Draw.End();
    const QImage& im = bench.Image();
    // Text inside: a column of text 12 pixels wide about x = 100, along pixels tall about y = 150.
    EXPECT_TRUE(HasInk(im, 94, 150 - along / 2, 106, 150 + along / 2));
    EXPECT_FALSE(HasInk(im, 107, 60, 140, 240));
    EXPECT_FALSE(HasInk(im, 60, 60, 93, 240));
    EXPECT_TRUE(IsBlack(im, 100, 60));
    EXPECT_TRUE(IsBlack(im, 100, 240));
}

TEST(DrawDimension, LabelBackgroundIsSampledUnderTheAnchor)
{
    struct Case {
        QRgb Ground;
        bool GreyLineAtAnchor;
        QRgb ExpectedBackground;
    };
    const Case cases[] = {
        {DiagramColor::Black, false, DiagramColor::White},  // over black: white
        {qRgb(200, 230, 200), true, qRgb(200, 230, 200)},   // over a grey line: its neighbour
        {DiagramColor::Navy, false, DiagramColor::Navy},    // dark ground keeps its colour
    };
    for (const Case& k : cases) {
        TPrimitiveBench bench;
        TCanvas& c = bench.Canvas();
        const int along = c.TextWidth(" 5' ");
        const int ax = 200 - along / 2, ay = 100 - 6;
        c.SetBrushColor(k.Ground);
        c.FillRect(100, 50, 300, 150);
        if (k.GreyLineAtAnchor) {
            c.SetPen(DiagramColor::Grey, 1);
            c.Line(ax, 50, ax, 150);
            c.SetPen(DiagramColor::Black, 1);
        }
        bench.Draw.DrawDimension(100, 100, 300, 100, "5'", 2);
        bench.Draw.End();
        // The leading blank of the text shows the background.
        EXPECT_EQ(Rgb(bench.Image(), ax + 1, ay + 2), k.ExpectedBackground & 0xFFFFFF);
        if (k.Ground == DiagramColor::Navy) {  // white text on the dark background
            EXPECT_TRUE(HasLightPixel(bench.Image(), ax, ay, ax + along, ay + 12));
        }
    }
}

TEST(DrawTextBox, FramedBoxWidensToItsText)
{
    TPrimitiveBench bench;
    bench.Canvas().SetPen(DiagramColor::Black, 1);
    bench.Draw.DrawTextBox(50, 50, 60, 64, "wide text", 0, true, DiagramColor::NoFill);
    // The cell height is 12 now; the box reaches text width + 10, its outline at right + 1 - 1.
    const int right = 50 + bench.Canvas().TextWidth("wide text") + 10;
    const int cell = bench.Canvas().TextHeight("X");
    bench.Draw.End();
    EXPECT_TRUE(IsBlack(bench.Image(), right, 57));
    EXPECT_TRUE(IsWhite(bench.Image(), right + 1, 57));
    EXPECT_EQ(cell, 12);
}
