#include "ui/Computations.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/NumberFormat.h"
#include "listings/ComputationListing.h"

namespace {

constexpr int kHeadingRole = Qt::UserRole + 1;

// Heading rows: bold, the whole row filled with the background, the text one pixel right of and
// below the row's top-left corner, across both columns.
class THeadingDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        if (!index.siblingAtColumn(0).data(kHeadingRole).toBool()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        auto* view = static_cast<const QTreeWidget*>(parent());
        painter->save();
        painter->fillRect(option.rect, option.palette.base());
        if (index.column() == 0) {
            QFont bold = option.font;
            bold.setBold(true);
            painter->setFont(bold);
            painter->setPen(option.palette.color(QPalette::Text));
            QRect row = option.rect;
            row.setRight(view->viewport()->width());
            painter->setClipRect(row);
            painter->drawText(row.adjusted(1, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                              index.data().toString());
        }
        painter->restore();
    }
};

}  // namespace

TfrmComputations::TfrmComputations(QWidget* parent) : QDialog(parent), ListView1_(new QTreeWidget(this))
{
    setObjectName("frmComputations");
    setWindowTitle("Computations");
    // Resizable; the list fills the window, and its columns fit their content.
    resize(302, 437);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(ListView1_);
    ListView1_->setObjectName("ListView1");
    ListView1_->setTextElideMode(Qt::ElideNone);
    ListView1_->setColumnCount(2);
    ListView1_->setHeaderLabels({"Variable", "Value"});
    ListView1_->setRootIsDecorated(false);
    ListView1_->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1_->setAllColumnsShowFocus(true);
    ListView1_->setStyleSheet(
        "QTreeView::item { border-right: 1px solid #d0d0d0; border-bottom: 1px solid #d0d0d0; }");
    ListView1_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    ListView1_->header()->setStretchLastSection(false);
    ListView1_->setItemDelegate(new THeadingDelegate(ListView1_));
    ListView1_->clear();
}

void TfrmComputations::AddRow(const QString& caption, const QString& value, bool heading)
{
    auto* item = new QTreeWidgetItem(ListView1_, {caption, value});
    item->setData(0, kHeadingRole, heading);
    item->setFirstColumnSpanned(heading);  // a heading reads across both columns
}

void TfrmComputations::AddHeading(const QString& text)
{
    AddRow(text, {}, true);
}

void TfrmComputations::AddValue(const QString& caption, const QString& unit, int decimals, Real value)
{
    if (IsNaN(value))
        AddRow(caption, "N.A.", false);
    else if (value == kListingBlankMarker)
        AddRow(caption, {}, false);
    else
        AddRow(caption, QString::fromStdString(FormatFixed(value, decimals)) + " " + unit, false);
}

void TfrmComputations::AddRows(const TComputationListing& listing)
{
    for (const TListingRow& row : listing.Rows())
        AddRow(QString::fromStdString(row.Caption),
               row.Value ? QString::fromStdString(*row.Value) : QString(), row.Heading);
}

int TfrmComputations::RowCount() const
{
    return ListView1_->topLevelItemCount();
}
bool TfrmComputations::IsHeading(int row) const
{
    return ListView1_->topLevelItem(row)->data(0, kHeadingRole).toBool();
}
QString TfrmComputations::Caption(int row) const
{
    return ListView1_->topLevelItem(row)->text(0);
}
QString TfrmComputations::Value(int row) const
{
    return ListView1_->topLevelItem(row)->text(1);
}
