// pelmark-calc diagram section|wall|bearing FILE.kpm OUT.png [--size WxH]: draws one diagram of a
// project as the window shows it, into a PNG picture.
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <regex>

#include "cli/CliCommand.h"
#include "cli/gui/GuiApplication.h"
#include "cli/model/ProjectLoading.h"
#include "core/PMClasses.h"
#include "diagrams/DiagramDraw.h"
#include "diagrams/LoadingIllustration.h"

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

int RunDiagram(const std::vector<std::string>& args)
{
    std::vector<std::string> positional;
    QSize size;
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
    if (positional.empty())
        throw EUsageError{"expected a diagram name (section, wall, bearing or loading)"};
    const std::string which = positional[0];
    const bool loading = which == "loading";
    if (!loading && which != "section" && which != "wall" && which != "bearing")
        throw EUsageError{"unknown diagram '" + which + "' (section, wall, bearing or loading)"};
    if (positional.size() != (loading ? 2u : 3u))
        throw EUsageError{loading ? "expected an output file" : "expected a project file and an output file"};
    const std::string& output = positional.back();

    const std::unique_ptr<QGuiApplication> app = MakeGuiApplication();
    std::string failure;
    QImage picture;
    if (loading) {
        picture = LoadingIllustration(size.isEmpty() ? kLoadingIllustrationSize : size);
    } else {
        TPMData record;
        failure = LoadAndCompute(record, positional[1], TLoadMode::AsShown);
        const TDiagramKind kind = which == "section" ? TDiagramKind::Section
                                  : which == "wall"  ? TDiagramKind::StemWallSection
                                                     : TDiagramKind::BearingPlan;
        picture = DrawDiagramToBitmap(size.isEmpty() ? QSize(412, 361) : size, record, kind);
    }

    // Written beside the target and renamed over it only when complete.
    QSaveFile file(QString::fromStdString(output));
    if (!file.open(QIODevice::WriteOnly) || !picture.save(&file, "PNG") || !file.commit()) {
        std::cerr << "Cannot write " << output << "\n";
        return kExitError;
    }
    if (!failure.empty()) {
        std::cerr << failure << "\n";  // the picture shows what was computed before the fault
        return kExitError;
    }
    return kExitOk;
}

const TCliRegistration kDiagram{
    {"diagram", "section|wall|bearing FILE.kpm OUT.png [--size WxH] | loading OUT.png [--size WxH]",
     "draws the section or the bearing diagram of a project into a PNG (default 412x361), "
     "or the loading illustration (default 1024x768)",
     RunDiagram}};

}  // namespace
