// Axial load-moment interaction diagram of the stem wall by strain compatibility, and the moment
// strength it gives at an axial load.
#pragma once

#include "core/Globals.h"

class TPMData;
struct TContinuousData;

// Builds the eleven points from the vertical steel (AsVert must be current), then PhiMn0 and
// PhiPnMax. Each point's strain, stress and tension force converge in passes that start from the
// values the point holds from the previous cycle.
void BuildInteractionDiagram(TPMData& record);

// Design moment strength at the axial load p by linear interpolation between the points.
// Undefined (NaN) for an undefined load or one at or above PhiPnMax. A load above point 10 is
// extrapolated along the last segment, a net tension (below point 0) along the first one.
Real MomentStrengthAtLoad(const TContinuousData& continuous, Real p);
