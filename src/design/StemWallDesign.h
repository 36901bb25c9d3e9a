// Stem wall of the continuous footing: vertical and horizontal steel, shear strength, the
// demands and utilisations of the three combinations, stiffness and top deflections.
#pragma once

#include "core/Globals.h"

class TPMData;

void StemVerticalSteel(TPMData& record);  // AsVert, RhoVert
// PhiVn by ACI 318-19 22.5.5.1(c) at the diagram's depth and tension layer (the diagram must be
// current); 0 when there is no depth or no steel.
void StemShearStrength(TPMData& record);
void StemDemands(TPMData& record);          // Mu, Pu, Vu, PhiMnAtPu and utilisations per combination
void StemHorizontalSteel(TPMData& record);  // RhoHor, bars on both faces
void StemDeflections(TPMData& record);      // Ec, Ig, Ie and the deflection per combination

// The factored active soil on the stem over the unbalanced height hs = GrH - GrL: its moment
// 1.6 Pa hs^3 / 6 and shear 1.6 Pa hs^2 / 2 at the base of the stem.
Real StemSoilMoment(const TPMData& record);
Real StemSoilShear(const TPMData& record);

// The governing utilisation of the three combinations: the largest, or undefined when any
// combination's value is undefined (an undefined utilisation must fail the check).
Real GoverningUtilization(Real wind, Real seismic, Real general);
