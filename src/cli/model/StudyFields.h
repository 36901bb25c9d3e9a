// The fields a study writes for each case: record fields by their `show` path, and verdicts of
// the model's checks ("Square.Checks.Moment1": true, false, or null when the check does not apply).
#pragma once

#include <functional>
#include <string>
#include <vector>

class TPMData;

struct TStudyField {
    std::string Name;
    std::function<std::string(const TPMData&)> Text;  // the JSON text of the value
};

// The default selection: the governing results and every verdict. The one place that decides it.
const std::vector<std::string>& DefaultStudyFieldNames();
// Every verdict name, in the order of the default selection.
std::vector<std::string> VerdictNames();

// A field by name: a verdict, or a numeric record field; an unknown name raises an error naming it.
TStudyField ResolveStudyField(const std::string& name);
std::vector<TStudyField> ResolveStudyFields(const std::vector<std::string>& names);
