// The stages of the stability analysis, each on the stability block of the record.
#pragma once

#include "core/StabilityData.h"

namespace stability {

// Pedestals taken into account: the count, kept within the four slots.
int PedestalsInUse(const TStabilityData& s);

// Net weights, forces and moments of the pedestals; the resultant and its eccentricities.
void ComputeResultant(TStabilityData& s);
// Overturning about both axes.
void ComputeOverturning(TStabilityData& s);
// Sliding along both axes and uplift.
void ComputeSlidingAndUplift(TStabilityData& s);
// The pressure case that applies, the corner pressures, bearing lengths and % area.
void ComputeSoilPressure(TStabilityData& s);
// Partial contact under a biaxial eccentricity: fills the search steps and, when a step settles,
// the partial-contact block and BiaxialCase; false when no step settled.
bool SearchPartialContact(TStabilityData& s);

// Raises a floating-point overflow when any result of the block is infinite.
void CheckStabilityResultsFinite(TStabilityData& s);

}  // namespace stability
