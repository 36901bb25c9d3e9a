// show, import, new and save: the record in and out of project files.
#include <fstream>
#include <iostream>
#include <sstream>

#include "cli/CliCommand.h"
#include "cli/model/JsonRecord.h"
#include "cli/model/ProjectLoading.h"
#include "core/PMClasses.h"
#include "core/Units.h"
#include "design/UnitConversion.h"

namespace {

std::string ReadTextFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw EPelmarkError("Cannot open file \"" + path + "\".");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

int Show(const std::vector<std::string>& args)
{
    const TProjectArgument project = ParseProjectArgument(args);
    TPMData data;
    const std::string error = LoadAndCompute(data, project.Path, project.Mode);
    std::cout << RecordToJson(data, error);
    return kExitOk;
}

int Import(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        throw EUsageError{"expects a JSON file and an output project file"};
    TPMData data;
    InputsFromJson(data, ReadTextFile(args[0]));
    data.SaveProject(args[1]);
    return kExitOk;
}

int New(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        throw EUsageError{"expects an output project file"};
    TPMData data;
    data.LoadDefaults();
    data.SaveProject(args[0]);
    return kExitOk;
}

int Save(const std::vector<std::string>& args)
{
    if (args.size() != 2)
        throw EUsageError{"expects an input and an output project file"};
    TPMData data;
    data.LoadProject(args[0]);
    data.SaveProject(args[1]);
    return kExitOk;
}

// As the window converts: the project as shown after opening it, converted, then written.
int Convert(const std::vector<std::string>& args)
{
    std::vector<std::string> files;
    std::string target;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--to" && i + 1 < args.size())
            target = args[++i];
        else if (args[i].rfind("--", 0) != 0)
            files.push_back(args[i]);
        else
            throw EUsageError{"unexpected argument '" + args[i] + "'"};
    }
    if (files.size() != 2)
        throw EUsageError{"expects an input and an output project file"};
    if (target != "si" && target != "english")
        throw EUsageError{"--to expects si or english"};
    TPMData data;
    const std::string error = LoadAndCompute(data, files[0], TLoadMode::AsShown);
    if (!error.empty())
        std::cerr << "note: " << error << "\n";
    for (const std::string& note : ConvertProject(data, target == "si" ? usSI : usEnglish))
        std::cerr << "note: " << note << "\n";
    data.SaveProject(files[1]);
    return kExitOk;
}

const TCliRegistration kShow({"show", "FILE.kpm [--raw]",
                              "prints the whole record, inputs and results, as one JSON object", Show});
const TCliRegistration kImport({"import", "FILE.json OUT.kpm",
                                "writes a project from the input fields of a JSON object", Import});
const TCliRegistration kNew({"new", "OUT.kpm", "writes the new-project state", New});
const TCliRegistration kSave({"save", "IN.kpm OUT.kpm", "reads a project and writes it again", Save});
const TCliRegistration kConvert({"convert", "IN.kpm OUT.kpm --to si|english",
                                 "converts a project to the other unit system", Convert});

}  // namespace
