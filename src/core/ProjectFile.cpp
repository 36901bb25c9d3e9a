#include "core/PMClasses.h"

// Project file codec (placeholder until the reader and writer land).
void TPMData::LoadProject(const std::string&) { throw EWrongFileFormat(); }
void TPMData::SaveProject(const std::string&) const {}
void TPMData::LoadProjectFromBytes(const std::vector<std::uint8_t>&) { throw EWrongFileFormat(); }
std::vector<std::uint8_t> TPMData::SaveProjectToBytes() const { return {}; }
void TPMData::SaveProjectTo(TByteSink&) const {}
