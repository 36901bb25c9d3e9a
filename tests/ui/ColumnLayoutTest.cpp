// The rows of both columns as the user reads them, with each example open at the two window sizes
// we look at: every caption and unit label whole, one size for the captions and one for the
// headings, nothing lying over anything else, and every value and icon inside its column.
#include <QLabel>
#include <QTabWidget>
#include <set>

#include "WindowFixture.h"
#include "ui/SectionPanel.h"

namespace {

struct TLayoutCase {
    const char* Project;
    QSize Size;
};

class TColumnLayoutTest : public TWindowTest, public ::testing::WithParamInterface<TLayoutCase> {
  protected:
    void SetUp() override
    {
        TWindowTest::SetUp();
        W().Guarded([&] { W().OpenProject(QString(PELMARK_BIN_DIR "/") + GetParam().Project); });
        W().resize(GetParam().Size);
        QApplication::processEvents();
        W().ArrangeColumns();
        QApplication::processEvents();
    }

    // The panels of both columns and the load-combination pages: each holds rows side by side.
    QList<QWidget*> RowHolders()
    {
        QList<QWidget*> holders;
        for (TSectionPanel* s : W().findChildren<TSectionPanel*>())
            holders << s;
        for (const char* page : {"TabLC1", "TabLC2", "TabLC3"})
            holders << W().findChild<QWidget*>(page);
        return holders;
    }
};

std::string Where(const QWidget* w)
{
    const QLabel* label = qobject_cast<const QLabel*>(w);
    return (w->parentWidget()->objectName() + " / " + w->objectName() + " \"" + (label ? label->text() : "") +
            "\"")
        .toStdString();
}

// The children that show a row's parts; the section's header is drawn apart from them.
QList<QWidget*> RowParts(QWidget* holder)
{
    QList<QWidget*> parts;
    for (QWidget* w : holder->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->objectName().endsWith("Header") && !qobject_cast<QTabWidget*>(w))
            parts << w;
    return parts;
}

TEST_P(TColumnLayoutTest, TextsAreWholeInOneSizeAndApart)
{
    std::set<qreal> captionSizes, headingSizes;
    for (QWidget* holder : RowHolders()) {
        ASSERT_NE(holder, nullptr);
        const QList<QWidget*> parts = RowParts(holder);
        for (QWidget* w : parts) {
            if (auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
                EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << Where(w);
                (label->font().bold() ? headingSizes : captionSizes).insert(label->font().pointSizeF());
            }
            // Inside the holder: a shown section is as wide as its column's viewport.
            if (!holder->isHidden())
                EXPECT_LE(w->x() + w->width(), holder->width()) << Where(w);
        }
        for (int i = 0; i < parts.size(); ++i)
            for (int j = i + 1; j < parts.size(); ++j)
                EXPECT_FALSE(parts[i]->geometry().intersects(parts[j]->geometry()))
                    << Where(parts[i]) << " lies over " << Where(parts[j]);
    }
    EXPECT_EQ(captionSizes.size(), 1u);
    EXPECT_EQ(headingSizes.size(), 1u);
}

// "Gross" and "Net" head the greatest soil pressure's values, below the corner pressures.
TEST_P(TColumnLayoutTest, MaxSoilPressureHasItsOwnHeadings)
{
    TSectionPanel* stability = W().ResultSection("pnlStabilityResults");
    QLabel* headings[2] = {nullptr, nullptr};
    for (QLabel* label : stability->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        for (int i = 0; i < 2; ++i)
            if (label->text() == (i == 0 ? "Gross" : "Net"))
                headings[i] = label;
    ASSERT_TRUE(headings[0] && headings[1]);
    const char* values[2] = {"Edit103", "Edit104"};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(headings[i]->x(), Edit(values[i])->x());
        EXPECT_LT(headings[i]->y(), Edit(values[i])->y());
        EXPECT_GT(headings[i]->y(), Edit("Edit108")->y());  // P4, the row above
    }
}

// Room for the wider columns still leaves the diagram column beside them at the large size.
TEST_P(TColumnLayoutTest, DiagramColumnShowsWhereThereIsRoom)
{
    EXPECT_EQ(W().DiagramsInResultColumn(), GetParam().Size.width() < 1400);
}

INSTANTIATE_TEST_SUITE_P(Examples, TColumnLayoutTest,
                         ::testing::Values(TLayoutCase{"Example English Units.kpm", {1600, 1000}},
                                           TLayoutCase{"Example English Units.kpm", {1024, 700}},
                                           TLayoutCase{"Example SI Units.kpm", {1600, 1000}},
                                           TLayoutCase{"Example SI Units.kpm", {1024, 700}}));

}  // namespace
