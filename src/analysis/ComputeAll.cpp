#include "core/PMClasses.h"

// The compute-all cycle: bearing capacity, stability, then the two designs.
void TPMData::ComputeAll() {}
void TPMData::BearingCapacity() {}
void TPMData::StabilityAnalysis() {}
