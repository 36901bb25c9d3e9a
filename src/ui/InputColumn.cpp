#include "ui/InputColumn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/InputCatalogue.h"
#include "ui/ColumnHeading.h"
#include "ui/NumericEdit.h"
#include "ui/PageControl.h"

namespace {
constexpr int kFirstRowTop = TSectionPanel::kHeaderHeight + 10;
constexpr int kRowPitch = 24;
constexpr int kRowHeight = 21;
constexpr int kEditWidth = 72;
constexpr int kUnitWidth = 52;

}  // namespace

TInputColumn::TInputColumn(TUnitLabelSet& units, QWidget* parent)
    : QWidget(parent), Units_(units), Box_(new TScrollBox("ScrollBox1", this))
{
    setObjectName("pnlInputs");
    setFixedWidth(kWidth);
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
        label->setGeometry(beside->x() + beside->width() + 4, top, kUnitWidth, kRowHeight);
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
        list->setGeometry(editLeft, top, 110, kRowHeight + 1);
        if (*row.Hint)
            list->setToolTip(row.Hint);
        break;
    }
    case TRowKind::Check: {
        auto* box = new QCheckBox(row.Caption, parent);
        box->setObjectName(row.Control);
        box->setGeometry(6, top, 260, kRowHeight);
        break;
    }
    case TRowKind::Button: {
        auto* button = new QPushButton(row.Caption, parent);
        button->setObjectName(row.Control);
        button->setGeometry(editLeft, top, 90, kRowHeight + 3);
        return top + kRowPitch + 4;
    }
    case TRowKind::Note: {
        QLabel* label = caption(260);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
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
        top = PlaceRow(row, section, top, 150);
    section->resize(Box_->viewport()->width(), section->LastControlBottom() + 8);
}

void TInputColumn::BuildLoadCombinations()
{
    auto* section = new TSectionPanel("pnlLoadCombinations", "Loading (input service level)", Box_);
    CombinationList_ = new QComboBox(section);
    CombinationList_->setObjectName("ComboBox5");
    for (const char* name : kLoadCombinationNames)
        CombinationList_->addItem(name);
    CombinationList_->setGeometry(6, kFirstRowTop, 266, kRowHeight + 1);

    CombinationPages_ = new TPageControl("PageControl3", section);
    const int pagesTop = kFirstRowTop + kRowPitch + 4;
    int tallest = 0;
    for (int n = 1; n <= 3; ++n) {
        auto* page = new QWidget;
        page->setObjectName(QString("TabLC%1").arg(n));
        int top = 6;
        for (const TRowSpec& row : LoadCombinationRows(n))
            top = PlaceRow(row, page, top, 138);
        tallest = std::max(tallest, top);
        CombinationPages_->addTab(page, QString("LC%1").arg(n));
    }
    CombinationPages_->setGeometry(2, pagesTop, 272, tallest + 34);
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
