#include "core/PMClasses.h"

#include <filesystem>

#include "core/AppPaths.h"
#include "core/Today.h"
#include "core/UserDefaults.h"

namespace {
// A new project carries no identification of the one it was made from, and today's date.
void ClearIdentification(TPMData& data)
{
    data.Organization.clear();
    data.ProjectName.clear();
    data.JobNumber.clear();
    data.DesignBy.clear();
    data.Logo.clear();
    data.Date = TodayDayCount();
}
}  // namespace

void TPMData::ResetRecord()
{
    ClearIdentification(*this);
    SetUnitSystem(0);
    Shape = shContinuous;
    for (Real* field : {&B, &L, &Df, &C, &Phi, &Gamma, &Dw, &FS, &Reserved1, &Reserved2, &AllowNetBearing,
                        &Reserved3, &Reserved4, &Reserved5, &Reserved6, &Reserved7, &Reserved8})
        *field = 0;
    Square.UseSquareReinforcement = 0;
    for (TPedestal& pedestal : Stability.Pedestals)
        pedestal.ResetInputs();
    Stability.PedestalCount = 0;
    Continuous = TContinuousData{};
}

namespace {
// Reads a project as the new-project state: without identification, dated today, and with the
// allowable net bearing capacity unset so that it follows the computed allowable pressure.
void LoadAsNewProject(TPMData& data, const std::string& path)
{
    data.ResetRecord();
    data.LoadProject(path);
    ClearIdentification(data);
    data.AllowNetBearing = 0;
}
}  // namespace

void TPMData::LoadDefaults()
{
    ResetRecord();
    const std::string path = ExecutableDir() + kExampleProjectName;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        try {
            LoadAsNewProject(*this, path);
            return;
        } catch (const std::exception&) {
            // A damaged example project counts as a missing one, silently.
        }
    }
    ResetRecord();
}

std::string UserDefaultsPath(const std::string& appDataDir)
{
    if (appDataDir.empty())
        return {};
    return (std::filesystem::path(appDataDir) / "Korvane" / "Pelmark" / kUserDefaultsName).string();
}

void SaveUserDefaults(const TPMData& data, const std::string& path)
{
    TPMData defaults = data;
    ClearIdentification(defaults);
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    defaults.SaveProject(path);
}

TNewProjectSource LoadNewProject(TPMData& data, const std::string& userDefaultsPath)
{
    TNewProjectSource source;
    std::error_code error;
    if (!userDefaultsPath.empty() && std::filesystem::exists(userDefaultsPath, error)) {
        try {
            LoadAsNewProject(data, userDefaultsPath);
            source.FromUserDefaults = true;
            return source;
        } catch (const std::exception& failure) {
            source.UserDefaultsError = failure.what();
        }
    }
    data.LoadDefaults();
    return source;
}

bool RemoveUserDefaults(const std::string& path)
{
    if (path.empty())
        return false;
    std::error_code error;
    const bool removed = std::filesystem::remove(path, error);
    if (error)
        throw EPelmarkError("Cannot remove file \"" + path + "\": " + error.message() + ".");
    return removed;
}
