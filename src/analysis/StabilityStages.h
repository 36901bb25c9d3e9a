// The stages of the stability analysis, each on the stability block of the record.
#pragma once

#include "core/StabilityData.h"

namespace stability {

// Sums are kept to 6 decimals and eccentricities to 2, halves to even (fixed scales, no power).
inline Real Round6(Real v)
{
    return RoundHalfEven(v * 1000000) / 1000000;
}
inline Real Round2(Real v)
{
    return RoundHalfEven(v * 100) / 100;
}

// A division that raises the floating-point fault on a zero divisor; the common case stays
// inline (an infinite quotient is caught by the final scan of the results).
inline Real Div(Real numerator, Real divisor)
{
    return divisor != 0 ? numerator / divisor : CheckedDiv(numerator, divisor);
}

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
