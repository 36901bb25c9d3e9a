#include "core/PMClasses.h"

#include <filesystem>

#include "core/AppPaths.h"
#include "core/Today.h"

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

void TPMData::LoadDefaults()
{
    ResetRecord();
    const std::string path = ExecutableDir() + kExampleProjectName;
    std::error_code error;
    if (std::filesystem::exists(path, error)) {
        try {
            LoadProject(path);
            ClearIdentification(*this);
            AllowNetBearing = 0;
            return;
        } catch (const std::exception&) {
            // A damaged example project counts as a missing one, silently.
        }
    }
    ResetRecord();
}
