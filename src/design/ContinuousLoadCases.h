// The load combinations of the continuous footing: derived lateral loads, sliding and
// overturning of the footing, and the soil pressures under toe and heel.
#pragma once

class TPMData;

// Wall and footing thickness in ft or m, wind of combination 1, seismic force of combination 2,
// and combination 3's lateral dead load and height taken from combination 1's wind.
void ContinuousDerivedLoads(TPMData& record);

// Stabilising weight and moment, resisting and driving forces, overturning moment, the safety
// ratios and the eccentricity of every combination.
void ContinuousStabilityChecks(TPMData& record);

// Heel and toe pressures of every combination (trapezoidal, or triangular once the heel lifts).
void ContinuousBearingPressures(TPMData& record);
