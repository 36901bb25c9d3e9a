// The labels of the section drawings keep apart from each other and stay on the picture, for both
// examples, each shape that changes the drawing, and the sizes the window and the report use.
#include <gtest/gtest.h>

#include "DiagramTestSupport.h"
#include "design/RebarTables.h"

namespace {

TPMData Example(const char* name, TFootingShape shape)
{
    TPMData d;
    d.LoadProject(std::string(PELMARK_BIN_DIR) + "/" + name);
    d.Shape = shape;
    d.SetUnitSystem(d.Units);
    SelectRebarTable(d);
    d.ComputeAll();
    return d;
}

std::string Describe(const TTextBox& t)
{
    return "\"" + t.Text.toStdString() + "\" at " + std::to_string(t.Box.x()) + "," +
           std::to_string(t.Box.y()) + " " + std::to_string(t.Box.width()) + "x" +
           std::to_string(t.Box.height());
}

TEST(DiagramLabels, KeepApartAndOnThePicture)
{
    struct Kind {
        const char* Name;
        TDiagramKind Value;
    };
    for (const char* project : {"Example English Units.kpm", "Example SI Units.kpm"})
        for (TFootingShape shape : {shSquare, shContinuous})
            for (const Kind kind :
                 {Kind{"section", TDiagramKind::Section}, Kind{"stem wall", TDiagramKind::StemWallSection}})
                // The window's diagram column, a result column tab at 1024 x 700, the zoom on a
                // 1024 x 768 screen and report pages' drawings (the stem wall's page is the tall one).
                for (const QSize size : {QSize(412, 361), QSize(690, 480), QSize(1004, 668),
                                         QSize(1300, 1100), QSize(1300, 1343)}) {
                    SCOPED_TRACE(std::string(project) +
                                 (shape == shSquare ? ", square, " : ", continuous, ") + kind.Name + ", " +
                                 std::to_string(size.width()) + "x" + std::to_string(size.height()));
                    std::vector<TTextBox> texts;
                    TDiagramDraw draw(Example(project, shape));
                    draw.TextLog = &texts;
                    draw.Draw(size, kind.Value);
                    ASSERT_FALSE(texts.empty());
                    const QRect picture(QPoint(0, 0), size);
                    for (std::size_t i = 0; i < texts.size(); ++i) {
                        EXPECT_TRUE(picture.contains(texts[i].Box)) << Describe(texts[i]);
                        for (std::size_t j = i + 1; j < texts.size(); ++j)
                            EXPECT_FALSE(texts[i].Box.intersects(texts[j].Box))
                                << Describe(texts[i]) << " lies over " << Describe(texts[j]);
                    }
                }
}

// A bar label is read off a clear background: drawn without its texts, the picture has no line
// where a bar label stands (its leader ends at the label's first pixel, hence the margin).
TEST(DiagramLabels, BarLabelsLieOffTheOutline)
{
    for (const char* project : {"Example English Units.kpm", "Example SI Units.kpm"})
        for (TFootingShape shape : {shSquare, shContinuous})
            for (const QSize size :
                 {QSize(412, 361), QSize(690, 480), QSize(1004, 668), QSize(1300, 1100), QSize(1300, 1343)}) {
                SCOPED_TRACE(std::string(project) + (shape == shSquare ? ", square, " : ", continuous, ") +
                             std::to_string(size.width()) + "x" + std::to_string(size.height()));
                std::vector<TTextBox> texts;
                TDiagramDraw draw(Example(project, shape));
                draw.TextLog = &texts;
                draw.WritesText = false;
                draw.Draw(size, TDiagramKind::StemWallSection);
                int labels = 0;
                for (const TTextBox& t : texts) {
                    if (!t.Text.contains(" @ "))
                        continue;
                    ++labels;
                    const QRect inner = t.Box.adjusted(3, 1, -1, -1);
                    EXPECT_FALSE(
                        HasInk(draw.Bitmap, inner.left(), inner.top(), inner.right(), inner.bottom()))
                        << Describe(t);
                }
                EXPECT_EQ(labels, 4);  // vertical, horizontal, footing and S & T bars
            }
}

}  // namespace
