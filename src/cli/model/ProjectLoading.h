// Reading a project the way the window or a script needs it, then computing it.
#pragma once

#include <string>
#include <vector>

class TPMData;

enum class TLoadMode {
    Raw,      // the stored inputs exactly as read
    AsShown,  // the inputs as the window shows and reads them after opening the file
};

// Loads `path` into a fresh record and runs the compute-all cycle. A file error raises;
// a computation error is returned as its message (results computed before it stay).
std::string LoadAndCompute(TPMData& data, const std::string& path, TLoadMode mode);

// The arguments of a command that takes one project file and an optional "--raw": the path and
// the load mode. A missing path or another argument is a usage error.
struct TProjectArgument {
    std::string Path;
    TLoadMode Mode = TLoadMode::AsShown;
};
TProjectArgument ParseProjectArgument(const std::vector<std::string>& args);
