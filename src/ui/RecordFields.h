// Finds a Real field of the record by its name, through the record's field visitors, so that a
// display row can name the field it shows ("Stability/FSUplift", "Continuous.LoadCases[1]/Mu").
//
// A path is a group path, a "/" and a field name: the field is the first Real field of that name
// anywhere inside the group (an empty group path is the whole record). Without a "/" the path is
// exact ("Square.Rho1"). A field the record does not hold yields nullptr.
#pragma once

#include <string>

#include "core/Globals.h"

class TPMData;

Real* FindRealField(TPMData& data, const std::string& path);
