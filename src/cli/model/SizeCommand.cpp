// pelmark-calc size FILE.kpm [--out SIZED.kpm] [--aspect R]: the smallest isolated footing that
// passes every square-footing check.
#include <iostream>

#include "cli/CliCommand.h"
#include "cli/model/ProjectLoading.h"
#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "core/Units.h"
#include "design/SquareFootingSizing.h"

namespace {

Real AspectRatio(const std::string& text)
{
    std::size_t used = 0;
    double r = 0;
    try {
        r = std::stod(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || !(r > 0) || r > 100)
        throw EUsageError{"--aspect expects a ratio B2/B1 above 0 and at most 100"};
    return r;
}

std::string Length(Real value, const TPMData& record)
{
    return FormatFixed(value, record.Units == usSI ? 0 : 1) + " " +
           UnitText(TUnitKind::SmallLength, record.Units);
}

int RunSize(const std::vector<std::string>& args)
{
    std::string path, out;
    Real aspect = 1;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--out" || args[i] == "--aspect") {
            if (i + 1 == args.size())
                throw EUsageError{args[i] + " expects a value"};
            if (args[i] == "--out")
                out = args[++i];
            else
                aspect = AspectRatio(args[++i]);
        } else if (path.empty() && args[i].rfind("--", 0) != 0) {
            path = args[i];
        } else {
            throw EUsageError{"unexpected argument '" + args[i] + "'"};
        }
    }
    if (path.empty())
        throw EUsageError{"missing project file"};

    // The project as the window shows it, computed once so that the allowable net bearing
    // capacity follows the bearing results.
    TPMData record;
    const std::string failure = LoadAndCompute(record, path, TLoadMode::AsShown);
    if (!failure.empty())
        throw EPelmarkError(failure);

    const TSizingResult size = SizeSquareFooting(record, aspect);
    for (const TSizingStep& step : size.Rejected)
        std::cout << "B1 = " << Length(step.B1, record) << ": fails " << step.Failing << "\n";
    if (!size.Found) {
        std::cerr << "No footing up to the input limits passes: " << size.Failing << " cannot be met.\n";
        return kExitError;
    }
    std::cout << "Sized: B1 = " << Length(size.B1, record) << ", B2 = " << Length(size.B2, record)
              << ", T = " << Length(size.Thickness, record) << ", bars " << size.Bars1 << " x " << size.Bars2
              << "\n";
    if (!out.empty()) {
        ApplySquareFootingSize(record, size);
        record.SaveProject(out);
    }
    return kExitOk;
}

const TCliRegistration kSize{
    {"size", "FILE.kpm [--out SIZED.kpm] [--aspect R]",
     "sizes the isolated footing: the smallest plan, thickness and bars that pass every check", RunSize}};

}  // namespace
