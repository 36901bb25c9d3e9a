// pelmark-calc display FILE.kpm [--raw]: the display model as JSON, the texts and verdicts the
// window shows, section by section in window order.
#include <iostream>

#include <nlohmann/json.hpp>

#include "cli/CliCommand.h"
#include "cli/model/ProjectLoading.h"
#include "core/PMClasses.h"
#include "display/DisplayModel.h"

namespace {

// Keys in the order written, so the JSON reads like the window.
using TJson = nlohmann::ordered_json;

TJson SectionJson(const TDisplaySection& section)
{
    TJson rows = TJson::array();
    for (const TDisplayRow& row : section.Rows) {
        TJson cells = TJson::array();
        for (const TDisplayCell& cell : row.Cells)
            cells.push_back(
                {{"control", cell.Control}, {"text", cell.Text}, {"verdict", VerdictName(cell.Verdict)}});
        TJson r = {{"caption", row.Caption}, {"unit", row.Unit}, {"visible", row.Visible}, {"cells", cells}};
        if (!row.Hint.empty())
            r["hint"] = row.Hint;
        if (!row.Control.empty())
            r["control"] = row.Control;
        if (row.Page != 0)
            r["page"] = row.Page;
        if (!row.ColumnTitles.empty())
            r["columns"] = row.ColumnTitles;
        rows.push_back(std::move(r));
    }
    return {{"name", section.Name},
            {"title", section.Title},
            {"visible", section.Visible},
            {"columns", section.ColumnTitles},
            {"rows", rows}};
}

int Display(const std::vector<std::string>& args)
{
    const TProjectArgument project = ParseProjectArgument(args);
    TPMData data;
    const std::string error = LoadAndCompute(data, project.Path, project.Mode);
    const TDisplayModel model = BuildDisplayModel(data);
    TJson out;
    for (const auto& [key, sections] :
         {std::pair{"inputs", &model.Inputs}, std::pair{"results", &model.Results}}) {
        TJson list = TJson::array();
        for (const TDisplaySection& section : *sections)
            list.push_back(SectionJson(section));
        out[key] = std::move(list);
    }
    out["bearingDiagramVisible"] = model.BearingDiagramVisible;
    out["stemWallDiagramVisible"] = model.StemWallDiagramVisible;
    if (!error.empty())
        out["error"] = error;
    std::cout << out.dump(1, ' ', false, TJson::error_handler_t::replace) << "\n";
    return kExitOk;
}

const TCliRegistration kDisplay({"display", "FILE.kpm [--raw]",
                                 "prints the display model (sections, rows, texts, verdicts) as JSON",
                                 Display});

}  // namespace
