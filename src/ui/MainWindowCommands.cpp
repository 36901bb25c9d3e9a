// The window's menus and toolbar, the Help commands and the zoom window of the diagram images.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "core/Units.h"
#include "diagrams/DiagramDraw.h"
#include "report/PrintChoice.h"
#include "ui/About.h"
#include "ui/DiagramImage.h"
#include "ui/ImgZoom.h"
#include "ui/MainWindow.h"
#include "ui/Platform.h"
#include "update/MakerAddresses.h"

namespace {

struct TCommand {
    const char* Name;
    const char* Text;
    const char* Hint;
    const char* Shortcut;
    QStyle::StandardPixmap Icon;
};

// Captions with their accelerators, shortcuts and hints.
const TCommand kCommands[] = {
    {"FileNew", "&New", "New project", "Ctrl+N", QStyle::SP_FileIcon},
    {"FileOpen", "&Open", "Open saved project", "Ctrl+O", QStyle::SP_DialogOpenButton},
    {"FileSave", "&Save", "Save project", "Ctrl+S", QStyle::SP_DialogSaveButton},
    {"FileSaveAs", "Save &As...", "Save project as", "", QStyle::SP_DialogSaveButton},
    {"FilePrint", "&Print", "Print project", "Ctrl+P", QStyle::SP_FileDialogDetailedView},
    {"FileExit", "E&xit", "Exit application", "", QStyle::SP_DialogCloseButton},
    {"ToolsConvertSI", "Convert to &SI Units", "Convert the project's values to SI units", "",
     QStyle::SP_BrowserReload},
    {"ToolsConvertEnglish", "Convert to &English Units", "Convert the project's values to English units", "",
     QStyle::SP_BrowserReload},
    {"ToolsSaveDefault", "Save as &Default", "Start new projects from the inputs of this project", "",
     QStyle::SP_DialogApplyButton},
    {"ToolsSizeFooting", "Si&ze Footing",
     "Size the isolated footing: the smallest plan, thickness and bars that pass every check", "",
     QStyle::SP_ComputerIcon},
    {"ToolsFactoryDefaults", "&Restore Factory Defaults", "Start new projects from the example project again",
     "", QStyle::SP_DialogResetButton},
    {"HelpAbout", "&About", "About Pelmark", "", QStyle::SP_MessageBoxInformation},
    {"HelpWebsite", "&Website", "Go to website", "", QStyle::SP_DriveNetIcon},
};

}  // namespace

void TfrmPMMain::BuildCommands()
{
    QMap<QString, QAction*> actions;
    for (const TCommand& c : kCommands) {
        auto* a = new QAction(style()->standardIcon(c.Icon), c.Text, this);
        a->setObjectName(c.Name);
        a->setToolTip(c.Hint);
        a->setStatusTip(c.Hint);
        if (*c.Shortcut)
            a->setShortcut(QKeySequence(c.Shortcut));
        actions[c.Name] = a;
    }
    auto run = [&](const char* name, void (TfrmPMMain::*command)()) {
        connect(actions[name], &QAction::triggered, this,
                [this, command] { Guarded([&] { (this->*command)(); }); });
    };
    run("FileNew", &TfrmPMMain::FileNewExecute);
    run("FileOpen", &TfrmPMMain::FileOpenExecute);
    run("FileSave", &TfrmPMMain::FileSaveExecute);
    run("FileSaveAs", &TfrmPMMain::FileSaveAsExecute);
    run("FileExit", &TfrmPMMain::FileExitExecute);
    run("HelpAbout", &TfrmPMMain::HelpAboutExecute);
    run("HelpWebsite", &TfrmPMMain::HelpWebsiteExecute);
    run("FilePrint", &TfrmPMMain::FilePrintExecute);
    PrintMenu_ = new QMenu(this);
    PrintMenu_->setObjectName("mnuPrint");
    for (const TPrintChoiceItem& choice : kPrintChoiceItems) {
        QAction* item = PrintMenu_->addAction(choice.Text);
        item->setData(choice.Tag);
        const int tag = choice.Tag;
        connect(item, &QAction::triggered, this, [this, tag] { Guarded([&] { PrintChoiceClick(tag); }); });
    }
    connect(PrintMenu_, &QMenu::aboutToShow, this, [this] { PrintMenuPopup(); });
    connect(actions["ToolsConvertSI"], &QAction::triggered, this,
            [this] { Guarded([this] { ConvertUnitsExecute(usSI); }); });
    connect(actions["ToolsConvertEnglish"], &QAction::triggered, this,
            [this] { Guarded([this] { ConvertUnitsExecute(usEnglish); }); });
    run("ToolsSaveDefault", &TfrmPMMain::ToolsSaveDefaultExecute);
    run("ToolsFactoryDefaults", &TfrmPMMain::ToolsFactoryDefaultsExecute);
    run("ToolsSizeFooting", &TfrmPMMain::ToolsSizeFootingExecute);

    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    file->addActions({actions["FileNew"], actions["FileOpen"], actions["FileSave"], actions["FileSaveAs"]});
    file->addSeparator();
    file->addAction(actions["FilePrint"]);
    file->addSeparator();
    RecentMenu_ = file->addMenu("&Recent projects");
    RecentMenu_->setObjectName("mnuRecentProjects");
    file->addSeparator();
    file->addAction(actions["FileExit"]);
    RebuildRecentMenu();

    BuildEditCommands();

    // Only the conversion that applies, and the restore when there are own defaults, are enabled.
    QMenu* tools = menuBar()->addMenu("&Tools");
    tools->setObjectName("mnuTools");
    tools->addActions({actions["ToolsConvertSI"], actions["ToolsConvertEnglish"]});
    tools->addSeparator();
    tools->addAction(actions["ToolsSizeFooting"]);
    tools->addSeparator();
    tools->addActions({actions["ToolsSaveDefault"], actions["ToolsFactoryDefaults"]});
    connect(tools, &QMenu::aboutToShow, this, [this] { UpdateToolsCommands(); });

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    help->addActions({actions["HelpAbout"], actions["HelpWebsite"]});
    help->addSeparator();
    AutoUpdates_ = help->addAction("A&utomatically Check for Updates");
    AutoUpdates_->setObjectName("HelpAutoUpdates");
    AutoUpdates_->setCheckable(true);
    AutoUpdates_->setChecked(true);
    connect(AutoUpdates_, &QAction::triggered, this,
            [this] { Guarded([this] { HelpAutoUpdatesExecute(); }); });
    QAction* checkNow = help->addAction("&Check for Updates Now");
    checkNow->setObjectName("HelpCheckUpdates");
    connect(checkNow, &QAction::triggered, this, [this] { Guarded([this] { HelpCheckUpdatesExecute(); }); });
    UpdateTimer_ = new QTimer(this);
    UpdateTimer_->setObjectName("tmrAutoUpdate");
    UpdateTimer_->setSingleShot(true);
    UpdateTimer_->setInterval(1000);
    connect(UpdateTimer_, &QTimer::timeout, this, [this] { Guarded([this] { UpdateTimerTimer(); }); });

    auto* toolbar = addToolBar("Main");
    toolbar->setObjectName("ToolBar1");
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->addActions({actions["FileNew"], actions["FileOpen"], actions["FileSave"]});
    toolbar->addSeparator();
    // Undo and Redo show their icons; the tooltip names the change, so the toolbar keeps its width.
    for (const char* name : {"EditUndo", "EditRedo"}) {
        QAction* action = findChild<QAction*>(name);
        toolbar->addAction(action);
        if (auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    toolbar->addSeparator();
    toolbar->addAction(actions["FilePrint"]);
    if (auto* print = qobject_cast<QToolButton*>(toolbar->widgetForAction(actions["FilePrint"]))) {
        print->setMenu(PrintMenu_);
        print->setPopupMode(QToolButton::MenuButtonPopup);
    }
    toolbar->addSeparator();
    toolbar->addAction(actions["HelpWebsite"]);
}

void TfrmPMMain::ConnectCommands()
{
    connect(Control<QPushButton>("Button1"), &QPushButton::clicked, this,
            [this] { Guarded([this] { Button1Click(); }); });
    connect(Control<QPushButton>("Button3"), &QPushButton::clicked, this,
            [this] { Guarded([this] { Button3Click(); }); });
    for (int i = 0; i < 3; ++i)
        connect(Images_[i], &TDiagramImage::Clicked, this,
                [this](TDiagramImage* image) { Guarded([&] { imgDiagClick(image); }); });
    IdentPanel_->installEventFilter(this);
    Logo_->installEventFilter(this);
    Logo_->setCursor(Qt::PointingHandCursor);
}

void TfrmPMMain::HelpAboutExecute()
{
    ShowAboutBox(this);
}

void TfrmPMMain::HelpWebsiteExecute()
{
    OpenWebAddress(this, MakerAddresses::SiteUrl);
}

void TfrmPMMain::imgDiagClick(TDiagramImage* image)
{
    QImage picture;
    if (image == Images_[2]) {
        picture = image->Image();  // the loading illustration at its own size
    } else {
        // Drawn again at the large size, so lines and text grow with it.
        const QScreen* screen = this->screen();
        const QSize workArea = screen ? screen->availableGeometry().size() : QSize(1024, 768);
        picture = QImage(ZoomBitmapSize(workArea), QImage::Format_RGB32);
        DrawDiagramToBitmap(picture, *Data_,
                            DiagramKindOf(image == Images_[0]   ? 0
                                          : image == Images_[1] ? 1
                                                                : 3));
    }
    ShowImgZoom(this, picture);
}
