// pelmark-calc report FILE.kpm OUT.pdf [--choice 0|1|3|5|6]: writes the calculation report of a
// project as the window prints it, without a display.
#include <QGuiApplication>
#include <iostream>
#include <memory>

#include "cli/CliCommand.h"
#include "cli/gui/GuiApplication.h"
#include "cli/model/ProjectLoading.h"
#include "core/PMClasses.h"
#include "display/DisplayModel.h"
#include "report/PrintChoice.h"
#include "report/ReportOutput.h"

namespace {

int ParseChoice(const std::string& text)
{
    for (const TPrintChoiceItem& item : kPrintChoiceItems)
        if (text == std::to_string(item.Tag))
            return item.Tag;
    throw EUsageError{"--choice expects 0, 1, 3, 5 or 6"};
}

int RunReport(const std::vector<std::string>& args)
{
    std::vector<std::string> positional;
    int choice = kPrintAll;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--choice") {
            if (i + 1 >= args.size())
                throw EUsageError{"--choice needs a value"};
            choice = ParseChoice(args[++i]);
        } else if (args[i].rfind("--choice=", 0) == 0) {
            choice = ParseChoice(args[i].substr(9));
        } else {
            positional.push_back(args[i]);
        }
    }
    if (positional.size() != 2)
        throw EUsageError{"expected a project file and an output file"};

    const std::unique_ptr<QGuiApplication> app = MakeGuiApplication();
    TPMData record;
    const std::string failure = LoadAndCompute(record, positional[0], TLoadMode::AsShown);
    const QString error =
        WriteReportPdf(QString::fromStdString(positional[1]), BuildDisplayModel(record), record, choice);
    if (!error.isEmpty()) {
        std::cerr << error.toStdString() << "\n";
        return kExitError;
    }
    if (!failure.empty()) {
        std::cerr << failure << "\n";  // the report shows what was computed before the fault
        return kExitError;
    }
    return kExitOk;
}

const TCliRegistration kReport{
    {"report", "FILE.kpm OUT.pdf [--choice 0|1|3|5|6]",
     "writes the calculation report of a project as a PDF, as the window prints it "
     "(choice: 0 all available, 1 bearing capacity, 3 with stability, 5 with "
     "reinforcement, 6 stability and reinforcement)",
     RunReport}};

}  // namespace
