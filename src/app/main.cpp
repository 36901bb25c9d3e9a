// The entry point: the splash window, the main window and the message loop. With
// --screenshot PATH the window starts as usual, is rendered once and saved to PATH, and the
// program ends; --size WIDTHxHEIGHT (1280x800 unless given), --open FILE.kpm and --expand SECTION
// (a section's object name, such as pnlContinuousResults; may be given once for each column) go
// with it.
#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QSize>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>
#include <cstring>

#include "core/AppPaths.h"
#include "core/NumberFormat.h"
#include "ui/MainWindow.h"
#include "ui/Platform.h"
#include "ui/ScriptedPlatform.h"
#include "ui/Splash.h"

namespace {

// The locale's separators as single characters; a separator outside ASCII is not used.
void InitNumberSeparators()
{
    const QLocale locale = QLocale::system();
    const QString decimal = locale.decimalPoint();
    const QString group = locale.groupSeparator();
    auto ascii = [](const QString& s, char fallback) {
        return s.size() == 1 && s.at(0).unicode() < 128 ? static_cast<char>(s.at(0).unicode()) : fallback;
    };
    const char d = ascii(decimal, '.');
    char g = ascii(group, '\0');
    if (g == d)
        g = '\0';
    SetNumberSeparators(d, g);
}

int TakeScreenshot(const QString& path, const QSize& size, const QString& project, const QStringList& expand)
{
    // The user's settings and folders stay untouched.
    QTemporaryDir documents;
    TScriptedPlatform platform;
    platform.Documents = documents.path();
    platform.AppData = documents.path();
    SetPlatform(&platform);
    int status = 1;
    {
        TfrmPMMain window;
        window.resize(size);
        window.show();
        QCoreApplication::processEvents();
        if (!project.isEmpty())
            window.Guarded([&] { window.OpenProject(project); });
        for (const QString& name : expand) {
            TSectionPanel* section = window.InputSection(name);
            if (!section)
                section = window.ResultSection(name);
            if (section)
                section->Expand(true);
        }
        window.ArrangeColumns();
        QCoreApplication::processEvents();
        status = window.grab().save(path, "PNG") ? 0 : 1;
    }
    SetPlatform(nullptr);
    return status;
}

}  // namespace

int main(int argc, char* argv[])
{
    QString screenshot, project;
    QStringList expand;
    QSize size(1280, 800);
    for (int i = 1; i + 1 < argc; ++i) {
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (std::strcmp(argv[i], "--screenshot") == 0)
            screenshot = value;
        else if (std::strcmp(argv[i], "--open") == 0)
            project = value;
        else if (std::strcmp(argv[i], "--expand") == 0)
            expand << value;
        else if (std::strcmp(argv[i], "--size") == 0 && value.split('x').size() == 2)
            size = QSize(value.split('x')[0].toInt(), value.split('x')[1].toInt());
    }
    if (!screenshot.isEmpty() && !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvane Pelmark");
    SetExecutableDir(QCoreApplication::applicationDirPath().toStdString());
    InitNumberSeparators();

    if (!screenshot.isEmpty())
        return TakeScreenshot(screenshot, size, project, expand);

    auto* splash = new TfrmSplash;
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents();

    TfrmPMMain window;
    window.show();
    return QApplication::exec();
}
