// Axial load-moment interaction diagram of the stem wall by strain compatibility, and the moment
// strength it gives at an axial load.
#pragma once

#include "core/Globals.h"

class TPMData;
struct TContinuousData;

// Builds the eleven points from the vertical steel (AsVert must be current), then PhiMn0,
// PhiPnMax and the pure-tension strength PhiPnTension = -0.9 As1 Fy. Each point's strain, stress and tension
// force converge in passes that start from the values the point holds from the previous cycle.
void BuildInteractionDiagram(TPMData& record);

// Design moment strength at the axial load p by linear interpolation between the points.
// Undefined (NaN) for an undefined load, one at or above PhiPnMax, or a tension beyond
// PhiPnTension. Between PhiPnTension and point 0 it runs straight from (PhiPnTension, 0) to
// point 0; a load above point 10 is extrapolated along the last segment.
Real MomentStrengthAtLoad(const TContinuousData& continuous, Real p);

// ACI 318-19 Table 21.2.2, tied members: 0.65 up to the yield strain epsTy of the extreme
// tension steel, 0.9 from epsTy + 0.003, linear between. epsT is the tension strain (positive).
Real StrengthReductionFactor(Real epsT, Real epsTy);
