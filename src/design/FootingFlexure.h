// Bottom reinforcement of the continuous footing and the moment it must carry.
#pragma once

#include "core/Globals.h"

class TPMData;

// AsFoot, RhoFoot and the moment capacity PhiMnFoot of the bottom bars.
void FootingFlexure(TPMData& record);

// d = Tf - cover - db / 2 of the bottom bars, in; mm.
Real FootingEffectiveDepth(const TPMData& record);

// MuFoot = 1.6 qmax (W / 2)^2 / 2: the half-width loaded uniformly by the largest service toe or
// heel pressure of the three combinations (a conservative estimate), factored by 1.6. Undefined
// when a toe pressure is. Runs after the bearing pressures.
void FootingUltimateMoment(TPMData& record);
