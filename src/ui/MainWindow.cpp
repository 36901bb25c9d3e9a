#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <stdexcept>

#include "core/Globals.h"
#include "diagrams/LoadingIllustration.h"
#include "display/DisplayModel.h"
#include "ui/Computations.h"
#include "ui/DiagramImage.h"
#include "ui/IconSet.h"
#include "ui/InputColumn.h"
#include "ui/NumericEdit.h"
#include "ui/PageControl.h"
#include "ui/Platform.h"
#include "ui/RecentProjects.h"
#include "ui/ResultColumn.h"

namespace {
constexpr int kDesignClientWidth = 790;
constexpr int kDesignClientHeight = 535;
constexpr int kLogoSlot = 173;
constexpr int kLogoHeight = 73;
constexpr int kIdentHeight = 86;
const char* const kPlacementKeys[] = {"Left", "Top", "Width", "Height", "WinState"};

QLineEdit* TextEdit(const QString& name, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(255);
    return edit;
}
}  // namespace

TfrmPMMain::TfrmPMMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("frmPMMain");
    setWindowTitle("Korvane Pelmark[*]");
    setAcceptDrops(true);
    resize(kDesignClientWidth, kDesignClientHeight);
    Recent_ = std::make_unique<TRecentProjects>(Platform());
    QFont font = this->font();
    font.setPointSize(8);
    setFont(font);
    BuildWindow();
    IndexControls();

    // 1. Qt paints the keyboard cues itself: no repainter is needed.
    // 2. The rebar-size lists are filled from the active table when first shown.
    EmptyRebarLists();
    // 3. The section panels of both columns, in their design order.
    InputPanels_ = Inputs_->ScrollBox()->VisibleSections();
    ResultPanels_ = Results_->ScrollBox()->VisibleSections();
    // 4. First pages, first load combination.
    Results_->Pages()->setCurrentIndex(0);
    Diagrams_->Pages()->setCurrentIndex(0);
    Inputs_->CombinationPages()->setCurrentIndex(0);
    Inputs_->CombinationList()->setCurrentIndex(0);
    // 5. The stored placement.
    LoadWindowPlacement();
    // 6. The record.
    Data_ = std::make_unique<TPMData>();
    BindDisplay();
    // 7. The hint window.
    HintWindow_ = new QLabel(this, Qt::ToolTip);
    HintWindow_->setObjectName("HintWindow");
    HintWindow_->setWordWrap(true);
    HintWindow_->setMaximumWidth(300);
    HintWindow_->setStyleSheet("QLabel { background: #FFFFE1; border: 1px solid #808080; padding: 2px; }");
    HintWindow_->hide();
    // 8. The documents folder: a folder that cannot be made is tolerated, the dialogs browse elsewhere.
    const QString documents = Platform().DocumentsDir();
    DocumentsFolder_ = QDir(documents.isEmpty() ? QDir::homePath() : documents).filePath("Pelmark") + "/";
    QDir().mkpath(DocumentsFolder_);
    ConnectInputs();
    ConnectCommands();
    // 9. New. 10. The first sections open.
    Guarded([this] { FileNewExecute(); });
    InputSection("pnlGeneralData")->Expand(true);
    ResultSection("pnlBearingCapacity")->Expand(true);
}

TfrmPMMain::~TfrmPMMain()
{
    Data_.reset();
    SaveWindowPlacement();
}

void TfrmPMMain::BuildWindow()
{
    BuildCommands();

    auto* central = new QWidget(this);
    central->setObjectName("pnlClient");
    setCentralWidget(central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // Project identification.
    IdentPanel_ = new QWidget(central);
    IdentPanel_->setObjectName("pnlIdentification");
    IdentPanel_->setFixedHeight(kIdentHeight);
    auto* grid = new QGridLayout(IdentPanel_);
    grid->setContentsMargins(6, 4, kLogoSlot + 10, 4);
    grid->setVerticalSpacing(3);
    auto label = [this](const QString& text) { return new QLabel(text, IdentPanel_); };
    grid->addWidget(label("Organization"), 0, 0);
    grid->addWidget(TextEdit("Edit28", IdentPanel_), 0, 1, 1, 3);
    grid->addWidget(label("Project Name"), 1, 0);
    grid->addWidget(TextEdit("Edit33", IdentPanel_), 1, 1, 1, 3);
    grid->addWidget(label("Design by"), 2, 0);
    grid->addWidget(TextEdit("Edit29", IdentPanel_), 2, 1);
    grid->addWidget(label("Job #"), 2, 2);
    grid->addWidget(TextEdit("Edit27", IdentPanel_), 2, 3);
    grid->addWidget(label("Date"), 3, 0);
    auto* date = new QDateEdit(IdentPanel_);
    date->setObjectName("DateTimePicker1");
    date->setCalendarPopup(true);
    date->setDisplayFormat("MM/dd/yyyy");
    grid->addWidget(date, 3, 1);
    auto* logoButton = new QPushButton("Logo", IdentPanel_);
    logoButton->setObjectName("Button1");
    auto* clearButton = new QPushButton("Clear", IdentPanel_);
    clearButton->setObjectName("Button3");
    clearButton->setEnabled(false);
    grid->addWidget(logoButton, 3, 2);
    grid->addWidget(clearButton, 3, 3, Qt::AlignLeft);
    Logo_ = new QLabel(IdentPanel_);
    Logo_->setObjectName("Logo");
    Logo_->setScaledContents(true);
    layout->addWidget(IdentPanel_);

    // The three columns.
    Columns_ = new QWidget(central);
    Columns_->setObjectName("pnlColumns");
    auto* row = new QHBoxLayout(Columns_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    Inputs_ = new TInputColumn(UnitLabels_, Columns_);
    Results_ = new TResultColumn(UnitLabels_, Columns_);
    Diagrams_ = new TDiagramColumn(Columns_);
    // The diagram column takes what is left and never holds the window wide: where it would be too
    // narrow, the diagrams move onto the result column's tabs.
    Diagrams_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    row->addWidget(Inputs_);
    row->addWidget(Results_);
    row->addWidget(Diagrams_, 1);
    layout->addWidget(Columns_, 1);

    const char* imageNames[4] = {"imgDiag", "imgDiag2", "imgDiag3", "imgDiag4"};
    for (int i = 0; i < 4; ++i) {
        Images_[i] = new TDiagramImage(imageNames[i], Diagrams_->Page(i));
        Diagrams_->Page(i)->layout()->addWidget(Images_[i]);
    }
    Images_[2]->SetImage(LoadingIllustration());
    Results_->Pages()->setFixedWidth(Results_->FittingWidth());
    for (int page = TResultColumn::pgDiagram; page <= TResultColumn::pgContinuous; ++page)
        Results_->Pages()->setTabVisible(page, false);
}

void TfrmPMMain::ConnectInputs()
{
    for (TNumericEdit* edit : findChildren<TNumericEdit*>()) {
        if (edit->IsResult())
            continue;
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { Guarded([&] { InputChange(edit); }); });
        connect(edit, &TNumericEdit::Entered, this, [this, edit] {
            if (!edit->Hint().isEmpty())
                ShowHintBelow(edit, edit->Hint());
        });
        connect(edit, &TNumericEdit::Left, this, [this, edit] { Guarded([&] { InputExit(edit); }); });
    }
    for (const char* name : {"Edit28", "Edit33", "Edit29", "Edit27"}) {
        auto* edit = Control<QLineEdit>(name);
        connect(edit, &QLineEdit::textChanged, this, [this, edit] { Guarded([&] { InputChange(edit); }); });
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { Guarded([&] { InputExit(edit); }); });
    }
    auto* date = Control<QDateEdit>("DateTimePicker1");
    connect(date, &QDateEdit::dateChanged, this, [this, date] { Guarded([&] { InputChange(date); }); });
    date->installEventFilter(this);
    for (const char* name : {"ComboBox1", "ComboBox2", "ComboBox3", "ComboBox4", "ComboBox7", "ComboBox8",
                             "ComboBox9", "ComboBox10", "ComboBox11"}) {
        auto* list = Control<QComboBox>(name);
        connect(list, &QComboBox::currentIndexChanged, this,
                [this, list] { Guarded([&] { InputChange(list); }); });
    }
    for (const char* name : {"chkUseReinforcement", "chkUseContReinforcement"}) {
        auto* box = Control<QCheckBox>(name);
        connect(box, &QCheckBox::clicked, this, [this, box] { Guarded([&] { CheckBoxClick(box); }); });
    }
    connect(Control<QPushButton>("btnPedestals"), &QPushButton::clicked, this,
            [this] { Guarded([this] { btnPedestalsClick(); }); });
    connect(Inputs_->CombinationList(), &QComboBox::activated, this, [this] { ComboBox5Change(); });
    connect(Inputs_->CombinationPages()->tabBar(), &QTabBar::tabBarClicked, this,
            [this](int index) { PageControl3Change(index); });
    for (TScrollBox* box : {Inputs_->ScrollBox(), Results_->ScrollBox()})
        for (TSectionPanel* section : box->Sections())
            connect(section, &TSectionPanel::HeaderClicked, this, &TfrmPMMain::CollapsibleCaptionClick);
    for (TPageControl* pages : {Results_->Pages(), Diagrams_->Pages()})
        connect(pages, &QTabWidget::currentChanged, this,
                [this] { Guarded([this] { PageControlChange(); }); });
    Results_->BearingLink()->installEventFilter(this);
    Results_->StabilityLink()->installEventFilter(this);
    Results_->SquareLink()->installEventFilter(this);
    Results_->ContinuousLink()->installEventFilter(this);
}

void TfrmPMMain::IndexControls()
{
    Controls_.clear();
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !Controls_.contains(w->objectName()))
            Controls_.insert(w->objectName(), w);
        // Wheel, Enter, dropped files, the logo and the links: the window handles them for
        // each of its own controls, not for the whole application.
        w->installEventFilter(this);
    }
}

QObject* TfrmPMMain::NamedControl(const QString& name) const
{
    QObject* control = Controls_.value(name);
    if (!control)
        throw std::logic_error("The window has no control " + name.toStdString());
    return control;
}

TNumericEdit* TfrmPMMain::Edit(const QString& name) const
{
    return Control<TNumericEdit>(name);
}

void TfrmPMMain::BindDisplay()
{
    InputEdits_.clear();
    for (const TInputField& input : InputCatalogue()) {
        TNumericEdit* edit = Edit(QString::fromStdString(input.Control));
        if (!edit)
            throw std::logic_error("The input " + input.Path + " has no edit");
        InputEdits_.push_back({&input, edit});
    }
    const TDisplayModel model = BuildDisplayModel(*Data_);
    const auto bind = [this](const std::vector<TDisplaySection>& sections, TScrollBox* box) {
        std::vector<TSectionTarget> targets;
        for (const TDisplaySection& section : sections) {
            TSectionTarget target{nullptr, {}, {}, false};
            for (TSectionPanel* panel : box->Sections())
                if (panel->objectName() == QString::fromStdString(section.Name))
                    target.Panel = panel;
            if (!target.Panel)
                throw std::logic_error("The window has no section " + section.Name);
            for (int r = 0; r < static_cast<int>(section.Rows.size()); ++r) {
                const TDisplayRow& row = section.Rows[r];
                if (!row.Control.empty() && row.Cells.empty())
                    if (auto* label =
                            qobject_cast<QLabel*>(NamedControl(QString::fromStdString(row.Control))))
                        target.Labels.push_back({label, r});
                for (int c = 0; c < static_cast<int>(row.Cells.size()); ++c) {
                    auto* edit = qobject_cast<TNumericEdit*>(
                        NamedControl(QString::fromStdString(row.Cells[c].Control)));
                    if (!edit || !edit->IsResult())
                        continue;  // inputs, lists and boxes are shown through their own steps
                    const QString iconName = edit->property("icon").toString();
                    auto* icon = iconName.isEmpty() ? nullptr : Control<TCheckIconLabel>(iconName);
                    target.HasIcons = target.HasIcons || icon;
                    target.Cells.push_back({edit, icon, r, c});
                }
            }
            targets.push_back(std::move(target));
        }
        return targets;
    };
    InputTargets_ = bind(model.Inputs, Inputs_->ScrollBox());
    ResultTargets_ = bind(model.Results, Results_->ScrollBox());
}

TSectionPanel* TfrmPMMain::InputSection(const QString& name) const
{
    return Inputs_->Section(name);
}
TSectionPanel* TfrmPMMain::ResultSection(const QString& name) const
{
    return Results_->Section(name);
}

void TfrmPMMain::ShowError(const std::exception& error)
{
    Platform().MessageBox(this, TMsgKind::Error, QString::fromUtf8(error.what()), mbOK);
}

void TfrmPMMain::ShowHintBelow(QWidget* control, const QString& text)
{
    if (text.isEmpty()) {
        HintWindow_->hide();
        return;
    }
    HintWindow_->setText(text);
    HintWindow_->setFixedWidth(std::min(300, HintWindow_->fontMetrics().horizontalAdvance(text) + 12));
    HintWindow_->adjustSize();
    HintWindow_->move(control->mapToGlobal(QPoint(0, control->height())));
    HintWindow_->show();
}

void TfrmPMMain::LayoutLogo()
{
    const QPixmap pixmap = Logo_->pixmap();
    if (pixmap.isNull()) {
        Logo_->setGeometry(IdentPanel_->width() - 5, 6, 0, kLogoHeight);
        return;
    }
    const int width = std::min<int>(
        kLogoSlot,
        static_cast<int>(RoundHalfEven(static_cast<Real>(pixmap.width()) * kLogoHeight / pixmap.height())));
    const int left = IdentPanel_->width() - width - (kLogoSlot - width) / 2 - 5;
    Logo_->setGeometry(left, 6, width, kLogoHeight);
}

// --- Placement ---

void TfrmPMMain::LoadWindowPlacement()
{
    IPlatform& platform = Platform();
    QRect r(pos(), size());
    bool any = false;
    for (const char* key : kPlacementKeys) {
        const QString path = QString("WinPos/") + key;
        if (!platform.HasSetting(path))
            continue;
        any = true;
        const int value = platform.ReadSetting(path).toInt();
        const QString k = key;
        if (k == "Left")
            move(value, y());
        else if (k == "Top")
            move(x(), value);
        else if (k == "Width")
            resize(value, height());
        else if (k == "Height")
            resize(width(), value);
        else if (value == 1)
            setWindowState(Qt::WindowMinimized);
        else if (value == 2)
            setWindowState(Qt::WindowMaximized);
        else
            setWindowState(Qt::WindowNoState);
    }
    (void)r;
    (void)any;
}

void TfrmPMMain::SaveWindowPlacement()
{
    IPlatform& platform = Platform();
    const Qt::WindowStates state = windowState();
    const int winState = state & Qt::WindowMinimized ? 1 : state & Qt::WindowMaximized ? 2 : 0;
    platform.WriteSetting("WinPos/WinState", winState);
    if (winState == 0) {
        platform.WriteSetting("WinPos/Left", x());
        platform.WriteSetting("WinPos/Top", y());
        platform.WriteSetting("WinPos/Width", width());
        platform.WriteSetting("WinPos/Height", height());
    }
}

// --- Layout, wheel and keys ---

void TfrmPMMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    ArrangeColumns();
}

void TfrmPMMain::ArrangeColumns()
{
    if (!Images_[0])
        return;
    const int limit = Results_->x() + Results_->FittingWidth() +
                      static_cast<int>(RoundHalfEven(0.9L * Images_[0]->height()));
    const bool narrow = Columns_->width() < limit;
    const bool continuous = Data_ && Data_->Shape == shContinuous;
    TPageControl* pages = Results_->Pages();
    const QSignalBlocker blockResults(pages);
    const QSignalBlocker blockDiagrams(Diagrams_->Pages());
    if (narrow) {
        Diagrams_->hide();
        pages->setMinimumWidth(Results_->FittingWidth());
        pages->setMaximumWidth(QWIDGETSIZE_MAX);
        static_cast<QHBoxLayout*>(Columns_->layout())->setStretchFactor(Results_, 1);
        pages->setTabVisible(TResultColumn::pgDiagram, true);
        pages->setTabVisible(TResultColumn::pgBearing, !continuous);
        pages->setTabVisible(TResultColumn::pgLoading, true);
        pages->setTabVisible(TResultColumn::pgContinuous,
                             Data_ && Data_->Continuous.UseContinuousReinforcement);
        for (int i = 0; i < 4; ++i)
            if (Images_[i]->parentWidget() != Results_->Page(i + 1)) {
                Images_[i]->setParent(Results_->Page(i + 1));
                Results_->Page(i + 1)->layout()->addWidget(Images_[i]);
                Images_[i]->show();
            }
    } else {
        for (int page = TResultColumn::pgDiagram; page <= TResultColumn::pgContinuous; ++page)
            pages->setTabVisible(page, false);
        pages->setCurrentIndex(TResultColumn::pgNumeric);
        static_cast<QHBoxLayout*>(Columns_->layout())->setStretchFactor(Results_, 0);
        pages->setFixedWidth(Results_->FittingWidth());
        for (int i = 0; i < 4; ++i)
            if (Images_[i]->parentWidget() != Diagrams_->Page(i)) {
                Images_[i]->setParent(Diagrams_->Page(i));
                Diagrams_->Page(i)->layout()->addWidget(Images_[i]);
                Images_[i]->show();
            }
        Diagrams_->Pages()->setTabVisible(TDiagramColumn::pgBearing, !continuous);
        Diagrams_->Pages()->setTabVisible(TDiagramColumn::pgContinuous,
                                          Data_ && Data_->Continuous.UseContinuousReinforcement);
        Diagrams_->show();
        Inputs_->setFixedWidth(Inputs_->FittingWidth());
    }
    NarrowLayout_ = narrow;
    Columns_->layout()->activate();
    if (Data_)
        DrawDiagrams();
}

bool TfrmPMMain::WheelOverColumn(QWheelEvent* event)
{
    const QPoint global = event->globalPosition().toPoint();
    TScrollBox* target = nullptr;
    if (Inputs_->isVisible() && Inputs_->rect().contains(Inputs_->mapFromGlobal(global)))
        target = Inputs_->ScrollBox();
    else if (Results_->isVisible() && Results_->rect().contains(Results_->mapFromGlobal(global)))
        target = Results_->ScrollBox();
    if (!target)
        return false;
    target->ScrollOneIncrement(event->angleDelta().y() > 0);
    return true;
}

bool TfrmPMMain::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool mine = widget && widget->window() == this;
    switch (event->type()) {
    case QEvent::Wheel:
        if (mine && widget->isWidgetType() && WheelOverColumn(static_cast<QWheelEvent*>(event))) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (mine && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
             qobject_cast<QDateEdit*>(widget))) {
            focusNextChild();
            return true;
        }
        break;
    }
    case QEvent::ShortcutOverride:
        // An edit takes Ctrl+Z and Ctrl+Y for its own typing; with nothing of its own to undo or
        // redo, they go to the window's Undo and Redo.
        if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && mine) {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool undo = key->matches(QKeySequence::Undo);
            const bool redo = key->matches(QKeySequence::Redo) ||
                              key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
            if ((undo && !edit->isUndoAvailable()) || (redo && !edit->isRedoAvailable()))
                return true;
        }
        break;
    case QEvent::FocusOut:
        if (watched == findChild<QDateEdit*>("DateTimePicker1"))
            Guarded([&] { InputExit(watched); });
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        if (mine && HandleFileDrag(event))
            return true;
        break;
    case QEvent::Resize:
        if (watched == IdentPanel_)
            LayoutLogo();  // the logo keeps its slot at the panel's right edge
        // The columns take their size from the layout, also when the window is first shown at a
        // restored size without a resize of its own: the layout is decided on the columns' size.
        if (watched == Columns_)
            ArrangeColumns();
        break;
    case QEvent::MouseButtonRelease:
        if (watched == Logo_ && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Guarded([this] { Button1Click(); });
            return true;
        }
        if (watched == Results_->BearingLink()) {
            Guarded([this] { Label18Click(); });
            return true;
        }
        if (watched == Results_->StabilityLink()) {
            Guarded([this] { Label196Click(); });
            return true;
        }
        if (watched == Results_->SquareLink()) {
            Guarded([this] { ShowListing(&TfrmPMMain::BuildSquareFootingListing); });
            return true;
        }
        if (watched == Results_->ContinuousLink()) {
            Guarded([this] { ShowListing(&TfrmPMMain::BuildContinuousListing); });
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
