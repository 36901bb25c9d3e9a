// Reading a project the way the window or a script needs it, then computing it.
#pragma once

#include <string>

class TPMData;

enum class TLoadMode {
    Raw,      // the stored inputs exactly as read
    AsShown,  // the inputs as the window shows and reads them after opening the file
};

// Loads `path` into a fresh record and runs the compute-all cycle. A file error raises;
// a computation error is returned as its message (results computed before it stay).
std::string LoadAndCompute(TPMData& data, const std::string& path, TLoadMode mode);
