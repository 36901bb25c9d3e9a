#include "cli/model/ProjectLoading.h"

#include "cli/CliCommand.h"

#include "core/InputCatalogue.h"
#include "core/PMClasses.h"
#include "design/RebarTables.h"

std::string LoadAndCompute(TPMData& data, const std::string& path, TLoadMode mode)
{
    data.ResetRecord();
    data.LoadProject(path);
    if (mode == TLoadMode::AsShown)
        NormalizeInputsAsShown(data);
    // As every display does: the rebar table of the record's family and units, then the cycle.
    SelectRebarTable(data);
    try {
        data.ComputeAll();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

TProjectArgument ParseProjectArgument(const std::vector<std::string>& args)
{
    TProjectArgument parsed;
    for (const std::string& arg : args) {
        if (arg == "--raw")
            parsed.Mode = TLoadMode::Raw;
        else if (parsed.Path.empty() && arg.rfind("--", 0) != 0)
            parsed.Path = arg;
        else
            throw EUsageError{"unexpected argument '" + arg + "'"};
    }
    if (parsed.Path.empty())
        throw EUsageError{"missing project file"};
    return parsed;
}
