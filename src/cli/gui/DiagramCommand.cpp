// pelmark-calc diagram section|bearing FILE.kpm OUT.png [--size WxH]: draws one diagram of a
// project as the window shows it, into a PNG picture.
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <regex>

#include "cli/CliCommand.h"
#include "cli/model/ProjectLoading.h"
#include "core/PMClasses.h"
#include "diagrams/DiagramDraw.h"

namespace {

constexpr int kMaxSide = 20000;

QSize ParseSize(const std::string& text)
{
    static const std::regex pattern(R"((\d{1,6})[xX](\d{1,6}))");
    std::smatch match;
    if (!std::regex_match(text, match, pattern))
        throw EUsageError{"--size expects WIDTHxHEIGHT, for example 412x361"};
    const int width = std::stoi(match[1]);
    const int height = std::stoi(match[2]);
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide)
        throw EUsageError{"--size: each side must be 1 to " + std::to_string(kMaxSide) + " pixels"};
    return {width, height};
}

// Pictures need a GUI application (unless one runs already); without a display it runs on the
// offscreen platform. It lives for the command.
std::unique_ptr<QGuiApplication> MakeGuiApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "pelmark-calc";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

int RunDiagram(const std::vector<std::string>& args)
{
    std::vector<std::string> positional;
    QSize size(412, 361);
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--size") {
            if (i + 1 >= args.size())
                throw EUsageError{"--size needs a value"};
            size = ParseSize(args[++i]);
        } else if (args[i].rfind("--size=", 0) == 0) {
            size = ParseSize(args[i].substr(7));
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 3)
        throw EUsageError{"expected a diagram name, a project file and an output file"};
    const std::string& which = positional[0];
    if (which != "section" && which != "bearing")
        throw EUsageError{"unknown diagram '" + which + "' (section or bearing)"};

    const std::unique_ptr<QGuiApplication> app = MakeGuiApplication();
    TPMData record;
    const std::string failure = LoadAndCompute(record, positional[1], TLoadMode::AsShown);
    const QImage picture = DrawDiagramToBitmap(
        size, record, which == "section" ? TDiagramKind::Section : TDiagramKind::BearingPlan);

    // Written beside the target and renamed over it only when complete.
    QSaveFile file(QString::fromStdString(positional[2]));
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        std::cerr << "Cannot write " << positional[2] << "\n";
        return kExitError;
    }
    if (!failure.empty()) {
        std::cerr << failure << "\n";  // the picture shows what was computed before the fault
        return kExitError;
    }
    return kExitOk;
}

const TCliRegistration kDiagram{{"diagram", "section|bearing FILE.kpm OUT.png [--size WxH]",
                                 "draws the section or the bearing diagram of a project into a PNG (default 412x361)",
                                 RunDiagram}};

}  // namespace
