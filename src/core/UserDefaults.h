// One's own defaults: a project file in the per-user application-data folder that New takes its
// inputs from instead of the shipped example project.
#pragma once

#include <string>

class TPMData;

inline constexpr const char* kUserDefaultsName = "Default Project.kpm";

// The user's defaults file under a per-user application-data folder ("Korvane/Pelmark/" inside it);
// empty when there is no folder.
std::string UserDefaultsPath(const std::string& appDataDir);

// Writes the record's inputs without the identification texts, the logo and the date as the
// user's defaults (making the folder when needed). A failed write keeps the previous file.
void SaveUserDefaults(const TPMData& data, const std::string& path);

struct TNewProjectSource {
    bool FromUserDefaults = false;
    std::string UserDefaultsError;  // why a present defaults file was not taken; empty when it was
};
// The new-project state: the user's defaults when the file is present and readable, otherwise the
// example project (LoadDefaults). A damaged defaults file is passed over and its error returned.
TNewProjectSource LoadNewProject(TPMData& data, const std::string& userDefaultsPath);

// Removes the user's defaults; false when there were none. Raises when the file stays.
bool RemoveUserDefaults(const std::string& path);
