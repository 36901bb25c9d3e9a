#include "ui/ResultColumn.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "core/PMClasses.h"
#include "core/Units.h"
#include "design/SquareFootingChecks.h"
#include "ui/ColumnHeading.h"
#include "ui/IconSet.h"
#include "ui/NumericEdit.h"
#include "ui/PageControl.h"
#include "ui/TextWidth.h"

namespace {
constexpr int kFirstRowTop = TSectionPanel::kHeaderHeight + 10;
constexpr int kRowPitch = 22;
constexpr int kRowHeight = 20;
constexpr int kIconWidth = 16;
constexpr int kLinkWidth = 140;

// Every caption, column title and unit label any record can show: the fixed texts, and those that
// follow the record's shape and units.
struct TResultTexts {
    QStringList Captions, Titles, Units;
};

TResultTexts AllResultTexts()
{
    TResultTexts texts;
    std::vector<TPMData> records;
    for (std::uint8_t units : {std::uint8_t(0), std::uint8_t(1)})
        for (TFootingShape shape : {shContinuous, shSquare, shCircle, shRectangle}) {
            records.emplace_back();
            records.back().Units = units;
            records.back().Shape = shape;
        }
    for (const TResultSectionSpec& spec : ResultSections()) {
        for (const char* title : spec.ColumnTitles)
            texts.Titles << title;
        for (const TResultRowSpec& row : spec.Rows) {
            texts.Captions << row.Caption;
            for (const char* title : row.ColumnTitles)
                texts.Titles << title;
            for (const TPMData& d : records) {
                if (row.CaptionOf)
                    texts.Captions << QString::fromStdString(row.CaptionOf(d));
                const int unit = row.UnitOf ? row.UnitOf(d) : row.Unit;
                if (unit != kNoUnit)
                    texts.Units << QString::fromUtf8(UnitText(static_cast<TUnitKind>(unit), d.Units));
            }
        }
    }
    return texts;
}
}  // namespace

TResultGrid TResultGrid::Measure(const QFont& font)
{
    const TResultTexts texts = AllResultTexts();
    QFont bold = font;
    bold.setBold(true);
    TResultGrid g;
    g.CaptionWidth = WidestText(font, texts.Captions) + 4;
    g.UnitLeft = 4 + g.CaptionWidth;
    g.UnitWidth = WidestText(font, texts.Units) + 4;
    g.ValueLeft = g.UnitLeft + g.UnitWidth + 4;
    // Room for a six-figure value with one decimal, the edit's frame and margins; a longer one is
    // set smaller by the edit itself.
    g.ValueWidth = std::max(48, QFontMetrics(font).horizontalAdvance("000000.0") + 8);
    g.ValuePitch = std::max(g.ValueWidth + 2 + kIconWidth + 6, WidestText(bold, texts.Titles) + 8);
    g.ContentWidth = g.ValueLeft + 3 * g.ValuePitch;
    return g;
}

namespace {
QLabel* Link(const QString& name, QWidget* parent, int left, int top)
{
    auto* link = new QLabel("View Computations", parent);
    link->setObjectName(name);
    QPalette p = link->palette();
    p.setColor(QPalette::WindowText, QColor(0, 0, 255));
    link->setPalette(p);
    QFont f = link->font();
    f.setUnderline(true);
    link->setFont(f);
    link->setCursor(Qt::PointingHandCursor);
    link->setGeometry(left, top, kLinkWidth, kRowHeight);
    return link;
}
}  // namespace

TResultColumn::TResultColumn(TUnitLabelSet& units, QWidget* parent)
    : QWidget(parent), Units_(units), Pages_(new TPageControl("PageControl2", this)),
      Grid_(TResultGrid::Measure(font()))
{
    setObjectName("pnlResults");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ColumnHeading("  RESULTS", this));
    layout->addWidget(Pages_, 1);

    QWidget* numeric = Pages_->AddPage("NUMERIC");
    Box_ = new TScrollBox("ScrollBox2", numeric);
    numeric->layout()->addWidget(Box_);
    for (const char* caption : kDiagramPageCaptions)
        Pages_->AddPage(caption);
    for (const TResultSectionSpec& spec : ResultSections())
        BuildSection(spec);
}

QWidget* TResultColumn::Page(int index) const
{
    return Pages_->widget(index);
}

int TResultColumn::FittingWidth() const
{
    // The page's margins, the tab pane's frame and the scroll bar stand between the page control's
    // edge and the sections.
    const int pageMargins = 2 + 2;
    const int paneFrame = 2 * Pages_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, Pages_);
    const int scrollBar = Box_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Box_);
    const int rightMargin = 6;
    return std::max(kWidth, Grid_.ContentWidth + rightMargin + pageMargins + paneFrame + scrollBar);
}

TSectionPanel* TResultColumn::Section(const QString& name) const
{
    for (TSectionPanel* s : Box_->Sections())
        if (s->objectName() == name)
            return s;
    return nullptr;
}

void TResultColumn::BuildSection(const TResultSectionSpec& spec)
{
    auto* section = new TSectionPanel(spec.Name, spec.Title, Box_);
    int top = kFirstRowTop;
    auto placeTitles = [&](const std::vector<const char*>& titles) {
        for (std::size_t c = 0; c < titles.size(); ++c) {
            auto* title = new QLabel(titles[c], section);
            QFont bold = title->font();
            bold.setBold(true);
            title->setFont(bold);
            title->setGeometry(Grid_.ValueLeft + static_cast<int>(c) * Grid_.ValuePitch, top,
                               Grid_.ValuePitch, kRowHeight);
        }
        top += kRowPitch;
    };
    placeTitles(spec.ColumnTitles);
    for (const TResultRowSpec& row : spec.Rows) {
        if (!row.ColumnTitles.empty())
            placeTitles(row.ColumnTitles);
        auto* caption = new QLabel(row.Caption, section);
        caption->setGeometry(4, top, Grid_.CaptionWidth, kRowHeight);
        caption->setToolTip(row.Caption);
        if (!*row.Caption)
            caption->setObjectName("Label64");
        if (row.Unit != kNoUnit) {
            auto* unit = new QLabel(section);
            unit->setGeometry(Grid_.UnitLeft, top, Grid_.UnitWidth, kRowHeight);
            unit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!*row.Caption)
                unit->setObjectName("Label64Unit");  // its text follows the shape as well
            Units_.Add(unit, row.Unit);
        }
        for (int c = 0; c < 3 && row.Controls[c]; ++c) {
            auto* edit = new TNumericEdit(row.Controls[c], row.Tag, true, section);
            edit->setGeometry(Grid_.ValueLeft + c * Grid_.ValuePitch, top, Grid_.ValueWidth, kRowHeight);
            if (*row.Hint)
                edit->SetHint(row.Hint);
            if (row.Icons[c]) {
                edit->setProperty("icon", row.Icons[c]);
                auto* icon = new TCheckIconLabel(row.Icons[c], section);
                icon->move(Grid_.ValueLeft + c * Grid_.ValuePitch + Grid_.ValueWidth + 2, top + 2);
            }
        }
        top += kRowPitch;
    }
    const QString name = spec.Name;
    if (name == "pnlBearingCapacity")
        BearingLink_ = Link("Label18", section, Grid_.ValueLeft, top);
    if (name == "pnlStabilityResults")
        StabilityLink_ = Link("Label196", section, Grid_.ValueLeft, top);
    if (name == "pnlFootingResults")
        ContinuousLink_ = Link("lblContinuousComputations", section, Grid_.ValueLeft, top);
    if (name == "pnlSquareResults") {
        SquareLink_ = Link("lblSquareComputations", section, Grid_.ValueLeft, top);
        top += kRowPitch;
        const char* texts[3] = {kShearPlaneBeyondEdgeText, kShearPlaneBeyondEdgeText,
                                kPunchingBeyondEdgeText};
        for (int i = 0; i < 3; ++i) {
            auto* label = new QLabel(texts[i], section);
            label->setObjectName(kSquareNoteLabels[i]);
            label->setGeometry(4, top, Grid_.ContentWidth - 4, kRowHeight);
            label->hide();
            top += kRowPitch;
        }
    }
    section->resize(Box_->viewport()->width(), section->LastControlBottom() + 8);
    // The notes may show later: the open height leaves room for them.
    if (name == "pnlSquareResults")
        section->resize(section->width(), top + 8);
}

TDiagramColumn::TDiagramColumn(QWidget* parent)
    : QWidget(parent), Pages_(new TPageControl("PageControl1", this))
{
    setObjectName("pnlDiagrams");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ColumnHeading("  DIAGRAMS", this));
    layout->addWidget(Pages_, 1);
    for (const char* caption : kDiagramPageCaptions)
        Pages_->AddPage(caption);
}

QWidget* TDiagramColumn::Page(int index) const
{
    return Pages_->widget(index);
}
