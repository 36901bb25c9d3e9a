// Field dumps: every Real of a record with its dotted path, to compare records field by field
// and to name the field that differs.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/Globals.h"

class TPMData;

using TFieldDump = std::vector<std::pair<std::string, Real>>;

// Every Real field of the record, in the record's visiting order ("Continuous.LoadCases[1].Mu").
TFieldDump DumpRealFields(const TPMData& record);
