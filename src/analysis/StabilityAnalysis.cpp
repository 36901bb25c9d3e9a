// The stability analysis of the footing with its pedestals: resultant, overturning, sliding,
// uplift and the soil pressure, in that order, on the stability block of the record.
#include "analysis/StabilityStages.h"
#include "core/PMClasses.h"

void TPMData::StabilityAnalysis()
{
    TStabilityData& s = Stability;
    // Without a footing plan there is nothing to analyse; the previous results stay.
    if (s.StabL * s.StabB == 0)
        return;
    stability::ComputeResultant(s);
    stability::ComputeOverturning(s);
    stability::ComputeSlidingAndUplift(s);
    stability::ComputeSoilPressure(s);
    stability::CheckStabilityResultsFinite(s);
}
