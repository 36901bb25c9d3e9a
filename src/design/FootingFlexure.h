// Bottom reinforcement of the continuous footing and the moment it must carry.
#pragma once

class TPMData;

// AsFoot, RhoFoot and the moment capacity PhiMnFoot of the bottom bars.
void FootingFlexure(TPMData& record);

// MuFoot: the half-width loaded uniformly by the largest toe or heel pressure of the three
// combinations (a conservative estimate). Runs after the bearing pressures.
void FootingUltimateMoment(TPMData& record);
