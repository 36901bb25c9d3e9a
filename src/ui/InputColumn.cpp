#include "ui/InputColumn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "core/InputCatalogue.h"
#include "ui/ColumnHeading.h"
#include "ui/NumericEdit.h"
#include "ui/PageControl.h"
#include "ui/TextWidth.h"

namespace {
constexpr int kFirstRowTop = TSectionPanel::kHeaderHeight + 10;
constexpr int kRowPitch = 24;
constexpr int kRowHeight = 21;
constexpr int kEditWidth = 72;
constexpr int kListWidth = 110;
constexpr int kCheckWidth = 260;
// The load-combination pages stand inside the tab pane, this much to the right of the sections.
constexpr int kPageInset = 12;

QStringList CaptionsBesideAControl(const std::vector<TRowSpec>& rows)
{
    QStringList captions;
    for (const TRowSpec& row : rows)
        if (row.Kind == TRowKind::Input || row.Kind == TRowKind::Result || row.Kind == TRowKind::List)
            captions << row.Caption;
    return captions;
}

QStringList UnitTexts(const std::vector<TRowSpec>& rows)
{
    QStringList texts;
    for (const TRowSpec& row : rows)
        if (row.Unit != kNoUnit)
            for (std::uint8_t units : {std::uint8_t(0), std::uint8_t(1)})
                texts << QString::fromUtf8(UnitText(static_cast<TUnitKind>(row.Unit), units));
    return texts;
}
}  // namespace

TInputGrid TInputGrid::Measure(const QFont& font)
{
    QStringList sectionCaptions, combinationCaptions, units;
    for (const TSectionSpec& spec : InputSections()) {
        sectionCaptions << CaptionsBesideAControl(spec.Rows);
        units << UnitTexts(spec.Rows);
    }
    for (int n = 1; n <= 3; ++n) {
        combinationCaptions << CaptionsBesideAControl(LoadCombinationRows(n));
        units << UnitTexts(LoadCombinationRows(n));
    }
    TInputGrid g;
    const int gap = 8;  // between a caption and its control
    g.CaptionWidth = std::max({150, WidestText(font, sectionCaptions) + gap,
                               WidestText(font, combinationCaptions) + gap + kPageInset});
    g.UnitWidth = std::max(30, WidestText(font, units) + 4);
    g.ContentWidth = 6 + g.CaptionWidth + kEditWidth + 4 + g.UnitWidth;
    return g;
}

TInputColumn::TInputColumn(TUnitLabelSet& units, QWidget* parent)
    : QWidget(parent), Units_(units), Box_(new TScrollBox("ScrollBox1", this)),
      Grid_(TInputGrid::Measure(font()))
{
    setObjectName("pnlInputs");
    setFixedWidth(FittingWidth());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ColumnHeading("  INPUTS", this));
    layout->addWidget(Box_, 1);

    for (const TSectionSpec& spec : InputSections()) {
        BuildSection(spec);
        if (QString(spec.Name) == "pnlContinuousReinforcement")
            BuildLoadCombinations();
    }
}

int TInputColumn::FittingWidth() const
{
    const int scrollBar = Box_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, Box_);
    const int rightMargin = 6;
    return std::max(kWidth, Grid_.ContentWidth + rightMargin + scrollBar);
}

TSectionPanel* TInputColumn::Section(const QString& name) const
{
    for (TSectionPanel* s : Box_->Sections())
        if (s->objectName() == name)
            return s;
    return nullptr;
}

int TInputColumn::PlaceRow(const TRowSpec& row, QWidget* parent, int top, int captionWidth)
{
    const int editLeft = 6 + captionWidth;
    auto caption = [&](int width) {
        auto* label = new QLabel(row.Caption, parent);
        label->setGeometry(6, top, width, kRowHeight);
        return label;
    };
    auto unitLabel = [&](QWidget* beside) {
        if (row.Unit == kNoUnit)
            return;
        auto* label = new QLabel(parent);
        label->setGeometry(beside->x() + beside->width() + 4, top, Grid_.UnitWidth, kRowHeight);
        Units_.Add(label, row.Unit);
    };
    switch (row.Kind) {
    case TRowKind::Input:
    case TRowKind::Result: {
        caption(captionWidth);
        int tag = row.Tag;
        if (row.Kind == TRowKind::Input) {
            const TInputField* input = FindInput(row.Control);
            tag = input ? input->Tag : 0;
        }
        auto* edit = new TNumericEdit(row.Control, tag, row.Kind == TRowKind::Result, parent);
        edit->setGeometry(editLeft, top, kEditWidth, kRowHeight);
        if (*row.Hint)
            edit->SetHint(row.Hint);
        unitLabel(edit);
        break;
    }
    case TRowKind::List: {
        caption(captionWidth);
        auto* list = new QComboBox(parent);
        list->setObjectName(row.Control);
        list->addItems(QString(row.Items).split('|'));
        list->setGeometry(editLeft, top, kListWidth, kRowHeight + 1);
        if (*row.Hint)
            list->setToolTip(row.Hint);
        break;
    }
    case TRowKind::Check: {
        auto* box = new QCheckBox(row.Caption, parent);
        box->setObjectName(row.Control);
        box->setGeometry(6, top, std::max(kCheckWidth, box->sizeHint().width()), kRowHeight);
        break;
    }
    case TRowKind::Button: {
        auto* button = new QPushButton(row.Caption, parent);
        button->setObjectName(row.Control);
        button->setGeometry(editLeft, top, 90, kRowHeight + 3);
        return top + kRowPitch + 4;
    }
    case TRowKind::Note: {
        QLabel* label = caption(kCheckWidth);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->resize(std::max(kCheckWidth, QFontMetrics(bold).horizontalAdvance(row.Caption) + 4),
                      kRowHeight);
        break;
    }
    }
    return top + kRowPitch;
}

void TInputColumn::BuildSection(const TSectionSpec& spec)
{
    auto* section = new TSectionPanel(spec.Name, spec.Title, Box_);
    int top = kFirstRowTop;
    for (const TRowSpec& row : spec.Rows)
        top = PlaceRow(row, section, top, Grid_.CaptionWidth);
    section->resize(Box_->viewport()->width(), section->LastControlBottom() + 8);
}

void TInputColumn::BuildLoadCombinations()
{
    auto* section = new TSectionPanel("pnlLoadCombinations", "Loading (input service level)", Box_);
    CombinationList_ = new QComboBox(section);
    CombinationList_->setObjectName("ComboBox5");
    for (const char* name : kLoadCombinationNames)
        CombinationList_->addItem(name);
    CombinationList_->setGeometry(6, kFirstRowTop, Grid_.ContentWidth - 12, kRowHeight + 1);

    CombinationPages_ = new TPageControl("PageControl3", section);
    const int pagesTop = kFirstRowTop + kRowPitch + 4;
    int tallest = 0;
    for (int n = 1; n <= 3; ++n) {
        auto* page = new QWidget;
        page->setObjectName(QString("TabLC%1").arg(n));
        int top = 6;
        for (const TRowSpec& row : LoadCombinationRows(n))
            top = PlaceRow(row, page, top, Grid_.CaptionWidth - kPageInset);
        tallest = std::max(tallest, top);
        CombinationPages_->addTab(page, QString("LC%1").arg(n));
    }
    CombinationPages_->setGeometry(2, pagesTop, Grid_.ContentWidth - 2, tallest + 34);
    section->resize(Box_->viewport()->width(), section->LastControlBottom() + 8);
}

void TInputColumn::FitCombinationPage()
{
    QWidget* page = CombinationPages_->currentWidget();
    int bottom = 0;
    for (QObject* o : page->children())
        if (auto* w = qobject_cast<QWidget*>(o); w && !w->isHidden())
            bottom = std::max(bottom, w->y() + w->height());
    CombinationPages_->resize(CombinationPages_->width(), bottom + 34);
    if (auto* section = qobject_cast<TSectionPanel*>(CombinationPages_->parentWidget()))
        section->Expand(true);
}
