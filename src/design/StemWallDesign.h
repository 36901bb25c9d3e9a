// Stem wall of the continuous footing: vertical and horizontal steel, shear strength, the
// demands and utilisations of the three combinations, stiffness and top deflections.
#pragma once

#include "core/Globals.h"

class TPMData;

void StemVerticalSteel(TPMData& record);    // AsVert, RhoVert
void StemShearStrength(TPMData& record);    // PhiVn, the full wall thickness as depth
void StemDemands(TPMData& record);          // Mu, Pu, Vu, PhiMnAtPu and utilisations per combination
void StemHorizontalSteel(TPMData& record);  // RhoHor, bars on both faces
void StemDeflections(TPMData& record);      // Ec, Ig, Ie and the deflection per combination

// The governing utilisation of the three combinations: the largest, or undefined when any
// combination's value is undefined (an undefined utilisation must fail the check).
Real GoverningUtilization(Real wind, Real seismic, Real general);
