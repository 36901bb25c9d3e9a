#include "core/PMClasses.h"

#include <fstream>
#include <iterator>

#include "core/Jpeg.h"
#include "core/Units.h"

TPMData::TPMData()
{
    ResetRecord();
}

void TPMData::SetUnitSystem(std::uint8_t units)
{
    Units = units;
    ActivateInputLimits(units);
}

Real TPMData::UnitValue(Real si, Real english) const
{
    return static_cast<double>(Units == usSI ? si : english);
}

void TPMData::SetLogo(const std::vector<std::uint8_t>& jpeg)
{
    if (jpeg.empty()) {
        Logo.clear();
        return;
    }
    ValidateJpeg(jpeg);
    Logo = jpeg;
}

void TPMData::LoadLogoFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        throw EImageError("Cannot open file \"" + path + "\".");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    SetLogo(bytes);
}
