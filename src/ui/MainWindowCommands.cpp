// The window's menus and toolbar, the Help commands and the zoom window of the diagram images.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

#include "diagrams/DiagramDraw.h"
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
    actions["FilePrint"]->setEnabled(false);  // printing joins the window with the report

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

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("mnuHelp");
    help->addActions({actions["HelpAbout"], actions["HelpWebsite"]});
    help->addSeparator();
    // The update commands are wired by the update dialog.
    QAction* autoUpdates = help->addAction("A&utomatically Check for Updates");
    autoUpdates->setObjectName("HelpAutoUpdates");
    autoUpdates->setCheckable(true);
    autoUpdates->setEnabled(false);
    QAction* checkNow = help->addAction("&Check for Updates Now");
    checkNow->setObjectName("HelpCheckUpdates");
    checkNow->setEnabled(false);

    auto* toolbar = addToolBar("Main");
    toolbar->setObjectName("ToolBar1");
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->addActions({actions["FileNew"], actions["FileOpen"], actions["FileSave"]});
    toolbar->addSeparator();
    toolbar->addAction(actions["FilePrint"]);
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
    Platform().OpenUrl(MakerAddresses::SiteUrl);
}

void TfrmPMMain::imgDiagClick(TDiagramImage* image)
{
    QImage picture;
    if (image == Images_[2]) {
        picture = image->Image();  // the loading illustration at its own size
    } else if (image == Images_[0] || image == Images_[1]) {
        // Drawn again at the large size, so lines and text grow with it.
        const QScreen* screen = this->screen();
        const QSize workArea = screen ? screen->availableGeometry().size() : QSize(1024, 768);
        picture = QImage(ZoomBitmapSize(workArea), QImage::Format_RGB32);
        DrawDiagramToBitmap(picture, *Data_, image == Images_[0]);
    }
    ShowImgZoom(this, picture);
}
