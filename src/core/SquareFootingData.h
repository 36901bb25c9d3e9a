// Square (isolated) footing reinforcement: the switch, the inputs and the design results.
#pragma once

#include <cstdint>

#include "core/Globals.h"

struct TSquareFootingData {
    // Inputs, in file order.
    std::uint8_t UseSquareReinforcement = 0;
    Real Fc = 0;
    Real Fy = 0;
    Real FootingDim1 = 0;
    Real FootingDim2 = 0;
    Real ColumnDim1 = 0;
    Real ColumnDim2 = 0;
    Real FootingThickness = 0;
    Real AxialDeadLoad = 0;
    Real AxialLiveLoad = 0;
    Real ClearCover = 0;
    Real NumBars1 = 0;
    Real NumBars2 = 0;
    std::int32_t RebarFamily = 0;
    std::int32_t FootingBarSize = 0;

    // Results of the square footing design; index 1 belongs to the bars parallel to Dimension 1.
    Real QService = 0;   // induced soil pressure at service level: ksf ; kPa
    Real QFactored = 0;  // induced soil pressure with ACI load factors: ksf ; kPa
    Real EffDepth1 = 0;  // effective depths: in ; mm
    Real EffDepth2 = 0;
    Real Rho1 = 0;  // reinforcement ratios; NaN when the effective depth is 0
    Real Rho2 = 0;
    Real BarSpacing1 = 0;  // clear spacing between adjacent bars: in ; mm
    Real BarSpacing2 = 0;
    Real PhiMn1 = 0;  // design flexural strength: k-ft ; kN-m
    Real PhiMn2 = 0;
    Real Mu1 = 0;  // ultimate moment at the column face: k-ft ; kN-m
    Real Mu2 = 0;
    Real PhiVc1 = 0;  // design one-way shear strength: kip ; kN
    Real PhiVc2 = 0;
    Real Vu1 = 0;  // ultimate one-way shear at d from the column face; 0 beyond the footing edge
    Real Vu2 = 0;

    template <class V> void VisitFields(V& v)
    {
        v.Input("UseSquareReinforcement", UseSquareReinforcement);
        v.Input("Fc", Fc);
        v.Input("Fy", Fy);
        v.Input("FootingDim1", FootingDim1);
        v.Input("FootingDim2", FootingDim2);
        v.Input("ColumnDim1", ColumnDim1);
        v.Input("ColumnDim2", ColumnDim2);
        v.Input("FootingThickness", FootingThickness);
        v.Input("AxialDeadLoad", AxialDeadLoad);
        v.Input("AxialLiveLoad", AxialLiveLoad);
        v.Input("ClearCover", ClearCover);
        v.Input("NumBars1", NumBars1);
        v.Input("NumBars2", NumBars2);
        v.Input("RebarFamily", RebarFamily);
        v.Input("FootingBarSize", FootingBarSize);
        v.Result("QService", QService);
        v.Result("QFactored", QFactored);
        v.Result("EffDepth1", EffDepth1);
        v.Result("EffDepth2", EffDepth2);
        v.Result("Rho1", Rho1);
        v.Result("Rho2", Rho2);
        v.Result("BarSpacing1", BarSpacing1);
        v.Result("BarSpacing2", BarSpacing2);
        v.Result("PhiMn1", PhiMn1);
        v.Result("PhiMn2", PhiMn2);
        v.Result("Mu1", Mu1);
        v.Result("Mu2", Mu2);
        v.Result("PhiVc1", PhiVc1);
        v.Result("PhiVc2", PhiVc2);
        v.Result("Vu1", Vu1);
        v.Result("Vu2", Vu2);
    }
};
