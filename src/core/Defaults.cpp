#include "core/PMClasses.h"

#include <filesystem>

#include "core/AppPaths.h"
#include "core/Today.h"

void TPMData::ResetRecord()
{
    Organization.clear();
    ProjectName.clear();
    JobNumber.clear();
    DesignBy.clear();
    Logo.clear();
    Date = TodayDayCount();
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

void TPMData::LoadDefaults()
{
    ResetRecord();
    const std::string path = ExecutableDir() + kExampleProjectName;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        try {
            LoadProject(path);
            Organization.clear();
            ProjectName.clear();
            JobNumber.clear();
            DesignBy.clear();
            Logo.clear();
            Date = TodayDayCount();
            AllowNetBearing = 0;
            return;
        } catch (const std::exception&) {
            // A damaged example project counts as a missing one, silently.
        }
    }
    ResetRecord();
}
