#include "cli/model/ProjectLoading.h"

#include "core/InputCatalogue.h"
#include "core/PMClasses.h"

std::string LoadAndCompute(TPMData& data, const std::string& path, TLoadMode mode)
{
    data.ResetRecord();
    data.LoadProject(path);
    if (mode == TLoadMode::AsShown)
        NormalizeInputsAsShown(data);
    try {
        data.ComputeAll();
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}
