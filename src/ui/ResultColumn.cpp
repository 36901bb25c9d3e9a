#include "ui/ResultColumn.h"

#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

#include "design/SquareFootingChecks.h"
#include "ui/ColumnHeading.h"
#include "ui/IconSet.h"
#include "ui/NumericEdit.h"
#include "ui/PageControl.h"

namespace {
constexpr int kFirstRowTop = TSectionPanel::kHeaderHeight + 10;
constexpr int kRowPitch = 22;
constexpr int kRowHeight = 20;
constexpr int kCaptionWidth = 172;
constexpr int kUnitLeft = 172;
constexpr int kUnitWidth = 42;
constexpr int kUnitTextWidth = 30;  // room a short unit label such as "psf" or "kip" takes at the right
constexpr int kValueLeft = 216;
constexpr int kValuePitch = 66;
constexpr int kValueWidth = 48;

// A long caption is set a little smaller so that it fits beside its unit label; its text stays
// whole, since the report prints the captions the window shows.
void FitCaption(QLabel* caption, int width, qreal smallestScale = 0.8)
{
    QFont font = caption->font();
    const qreal smallest = font.pointSizeF() * smallestScale;
    while (QFontMetrics(font).horizontalAdvance(caption->text()) > width &&
           font.pointSizeF() - 0.5 >= smallest)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    caption->setFont(font);
}

QLabel* Link(const QString& name, QWidget* parent, int top)
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
    link->setGeometry(kValueLeft, top, 140, kRowHeight);
    return link;
}
}  // namespace

TResultColumn::TResultColumn(TUnitLabelSet& units, QWidget* parent)
    : QWidget(parent), Units_(units), Pages_(new TPageControl("PageControl2", this))
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
    const int columns = static_cast<int>(spec.ColumnTitles.size());
    for (int c = 0; c < columns; ++c) {
        auto* title = new QLabel(spec.ColumnTitles[c], section);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        title->setGeometry(kValueLeft + c * kValuePitch, top, kValuePitch, kRowHeight);
        FitCaption(title, kValuePitch - 4, 0.6);  // "LC2: Seismic" stays whole beside its neighbour
    }
    top += kRowPitch;
    for (const TResultRowSpec& row : spec.Rows) {
        auto* caption = new QLabel(row.Caption, section);
        caption->setGeometry(4, top, kCaptionWidth, kRowHeight);
        caption->setToolTip(row.Caption);
        if (row.Unit != kNoUnit)
            FitCaption(caption, kUnitLeft + kUnitWidth - kUnitTextWidth - 8);
        if (!*row.Caption)
            caption->setObjectName("Label64");
        if (row.Unit != kNoUnit) {
            auto* unit = new QLabel(section);
            unit->setGeometry(kUnitLeft, top, kUnitWidth, kRowHeight);
            unit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (!*row.Caption)
                unit->setObjectName("Label64Unit");  // its text follows the shape as well
            Units_.Add(unit, row.Unit);
        }
        for (int c = 0; c < 3 && row.Controls[c]; ++c) {
            auto* edit = new TNumericEdit(row.Controls[c], row.Tag, true, section);
            edit->setGeometry(kValueLeft + c * kValuePitch, top, kValueWidth, kRowHeight);
            if (*row.Hint)
                edit->SetHint(row.Hint);
            if (row.Icons[c]) {
                edit->setProperty("icon", row.Icons[c]);
                auto* icon = new TCheckIconLabel(row.Icons[c], section);
                icon->move(kValueLeft + c * kValuePitch + kValueWidth + 2, top + 2);
            }
        }
        top += kRowPitch;
    }
    const QString name = spec.Name;
    if (name == "pnlBearingCapacity")
        BearingLink_ = Link("Label18", section, top);
    if (name == "pnlStabilityResults")
        StabilityLink_ = Link("Label196", section, top);
    if (name == "pnlFootingResults")
        ContinuousLink_ = Link("lblContinuousComputations", section, top);
    if (name == "pnlSquareResults") {
        SquareLink_ = Link("lblSquareComputations", section, top);
        top += kRowPitch;
        const char* texts[3] = {kShearPlaneBeyondEdgeText, kShearPlaneBeyondEdgeText,
                                kPunchingBeyondEdgeText};
        for (int i = 0; i < 3; ++i) {
            auto* label = new QLabel(texts[i], section);
            label->setObjectName(kSquareNoteLabels[i]);
            label->setGeometry(4, top, 400, kRowHeight);
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
