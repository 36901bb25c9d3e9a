#include "ui/Pedastals.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>

#include "core/Units.h"
#include "ui/NumericEdit.h"

namespace {

struct TPedestalEditSpec {
    const char* Label;
    Real TPedestal::*Field;
    int Unit;  // 0 length, 1 force, 2 moment
    int Tag;
};

const TPedestalEditSpec kEdits[20] = {
    {"Xp", &TPedestal::Xp, 0, 41},     {"Yp", &TPedestal::Yp, 0, 41},     {"Lpx", &TPedestal::Lpx, 0, 41},
    {"Lpy", &TPedestal::Lpy, 0, 41},   {"h", &TPedestal::H, 0, 41},       {"Pz(D)", &TPedestal::PzD, 1, 41},
    {"Pz(L)", &TPedestal::PzL, 1, 41}, {"Pz(W)", &TPedestal::PzW, 1, 1},  {"Hx(D)", &TPedestal::HxD, 1, 1},
    {"Hx(L)", &TPedestal::HxL, 1, 1},  {"Hx(W)", &TPedestal::HxW, 1, 1},  {"Hy(D)", &TPedestal::HyD, 1, 1},
    {"Hy(L)", &TPedestal::HyL, 1, 1},  {"Hy(W)", &TPedestal::HyW, 1, 1},  {"Mx(D)", &TPedestal::MxD, 2, 41},
    {"Mx(L)", &TPedestal::MxL, 2, 41}, {"Mx(W)", &TPedestal::MxW, 2, 41}, {"My(D)", &TPedestal::MyD, 2, 41},
    {"My(L)", &TPedestal::MyL, 2, 41}, {"My(W)", &TPedestal::MyW, 2, 41},
};

const char* const kUnitTexts[2][3] = {{"ft", "k", "ft-k"}, {"m", "kN", "kN-m"}};

// Equal when both round to the same thousandth.
bool SameThousandths(Real a, Real b)
{
    return RoundHalfEven(1000 * a) == RoundHalfEven(1000 * b);
}

}  // namespace

TfrmPedastals::TfrmPedastals(const TPMData& data, QWidget* parent)
    : QDialog(parent), Data_(data), Working_(data.Stability), SpinEdit1_(new QSpinBox(this)),
      TabControl1_(new QTabBar(this)), TabPage_(new QWidget(this))
{
    setObjectName("frmPedastals");
    setWindowTitle("Pedastals");
    setFixedSize(554, 362);
    auto* countLabel = new QLabel("Number of pedestals", this);
    countLabel->setGeometry(12, 12, 130, 22);
    SpinEdit1_->setObjectName("SpinEdit1");
    SpinEdit1_->setRange(0, 4);
    SpinEdit1_->setGeometry(146, 12, 60, 22);
    TabControl1_->setObjectName("TabControl1");
    TabControl1_->setGeometry(12, 44, 530, 26);
    TabControl1_->setExpanding(false);
    TabPage_->setGeometry(12, 70, 530, 240);
    TabPage_->setAutoFillBackground(true);

    const int units = data.Units == usSI ? 1 : 0;
    for (int i = 0; i < 20; ++i) {
        const int column = i < 7 ? 0 : i < 14 ? 1 : 2;
        const int row = i < 7 ? i : i < 14 ? i - 7 : i - 14;
        const int left = 10 + column * 175, top = 10 + row * 28;
        auto* label = new QLabel(kEdits[i].Label, TabPage_);
        label->setGeometry(left, top, 40, 22);
        Edits_[i] = new TNumericEdit(QString("Edit%1").arg(i + 1), kEdits[i].Tag, false, TabPage_);
        Edits_[i]->setGeometry(left + 42, top, 80, 22);
        Edits_[i]->installEventFilter(this);
        auto* unit = new QLabel(kUnitTexts[units][kEdits[i].Unit], TabPage_);
        unit->setObjectName(QString("LabelUnit%1").arg(i + 1));
        unit->setGeometry(left + 126, top, 40, 22);
        connect(Edits_[i], &TNumericEdit::Left, this, [this] { StoreTab(); });
    }
    auto* note = new QLabel("(D) Dead load      (L) Live load      (W) Wind load", TabPage_);
    note->setGeometry(10, 10 + 7 * 28 + 4, 500, 22);

    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("btnOK");
    ok->setDefault(true);
    ok->setGeometry(372, 324, 80, 26);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("btnCancel");
    cancel->setGeometry(462, 324, 80, 26);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    {
        const QSignalBlocker blocker(SpinEdit1_);
        SpinEdit1_->setValue(std::clamp(Working_.PedestalCount, 0, 4));
    }
    connect(SpinEdit1_, &QSpinBox::valueChanged, this, [this] { SpinEdit1Change(); });
    // Store before the tab changes (the edits still show the old tab), show after.
    TabControl1_->installEventFilter(this);
    connect(TabControl1_, &QTabBar::currentChanged, this, [this] {
        if (Rebuilding_)
            return;
        ShowTab();
        Edits_[0]->setFocus();
    });
    // Return moves to the next control from the number field as from the edits.
    SpinEdit1_->installEventFilter(this);
    RebuildTabs();
}

void TfrmPedastals::StoreTab()
{
    const int tab = TabControl1_->currentIndex();
    if (TabPage_->isHidden() || tab < 0)
        return;
    TPedestal& slot = Working_.Pedestals[tab];
    for (int i = 0; i < 20; ++i)
        slot.*kEdits[i].Field = ReadInput(Edits_[i]);
    ShowTab();
}

void TfrmPedastals::ShowTab()
{
    const int tab = TabControl1_->currentIndex();
    if (TabPage_->isHidden() || tab < 0)
        return;
    const TPedestal& slot = Working_.Pedestals[tab];
    for (int i = 0; i < 20; ++i)
        ShowInput(Edits_[i], slot.*kEdits[i].Field);
}

void TfrmPedastals::RebuildTabs()
{
    Rebuilding_ = true;
    const int count = SpinEdit1_->value();
    TabControl1_->setVisible(count > 0);
    TabPage_->setVisible(count > 0);
    int selected = TabControl1_->currentIndex();
    while (TabControl1_->count() > 0)
        TabControl1_->removeTab(0);
    for (int n = 1; n <= count; ++n)
        TabControl1_->addTab(QString("Pedestal #%1").arg(n));
    selected = std::min(std::max(selected, 0), count - 1);
    TabControl1_->setCurrentIndex(selected);
    ShowTab();
    Rebuilding_ = false;
}

void TfrmPedastals::SpinEdit1Change()
{
    StoreTab();
    RebuildTabs();
}

void TfrmPedastals::Confirm(TPMData& data)
{
    Working_.PedestalCount = SpinEdit1_->value();
    StoreTab();
    if (Working_.PedestalCount > 0) {
        const Real f = data.Units == usSI ? 1000 : 12;
        const TPedestal& old = data.Stability.Pedestals[0];
        const TPedestal& now = Working_.Pedestals[0];
        TSquareFootingData& s = data.Square;
        if (s.ColumnDim1 == 0 || SameThousandths(s.ColumnDim1, f * old.Lpx))
            s.ColumnDim1 = f * now.Lpx;
        if (s.ColumnDim2 == 0 || SameThousandths(s.ColumnDim2, f * old.Lpy))
            s.ColumnDim2 = f * now.Lpy;
        if (s.AxialDeadLoad == 0 || SameThousandths(s.AxialDeadLoad, old.PzD))
            s.AxialDeadLoad = now.PzD;
        if (s.AxialLiveLoad == 0 || SameThousandths(s.AxialLiveLoad, old.PzL))
            s.AxialLiveLoad = now.PzL;
    }
    for (int slot = Working_.PedestalCount; slot < 4; ++slot)
        Working_.Pedestals[slot].ResetInputs();
    data.Stability = Working_;
}

bool TfrmPedastals::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == TabControl1_)
        StoreTab();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this &&
            (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
             qobject_cast<QDateEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget))) {
            focusNextChild();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool EditPedestals(TPMData& data, QWidget* parent)
{
    TfrmPedastals dialog(data, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.Confirm(data);
    return true;
}
