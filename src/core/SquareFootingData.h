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
    Real PhiVc1 = 0;  // design one-way shear strength, ACI 318-19 22.5.5.1(c): kip ; kN
    Real PhiVc2 = 0;
    Real Vu1 = 0;  // ultimate one-way shear at d from the column face; 0 beyond the footing edge
    Real Vu2 = 0;
    Real As1 = 0;  // steel area of each direction: in^2 ; mm^2
    Real As2 = 0;
    Real AsMin1 = 0;  // minimum steel on the gross section, 0.0018 x b x T: in^2 ; mm^2
    Real AsMin2 = 0;
    Real PunchPerimeter = 0;  // bo of the critical section at d/2 from the column faces: in ; mm
    Real PhiVcPunch = 0;      // design two-way shear strength: kip ; kN
    Real VuPunch = 0;         // factored two-way shear; 0 when the section lies beyond the footing
    Real PuColumn = 0;        // factored column load 1.2 D + 1.6 L: kip ; kN
    Real PhiBearing = 0;      // design bearing strength of the column on the footing: kip ; kN
    Real DevLength1 = 0;      // development length of the bars: in ; mm
    Real DevLength2 = 0;
    Real DevAvail1 = 0;  // length from the column face to the bar end: in ; mm
    Real DevAvail2 = 0;

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
        v.Result("As1", As1);
        v.Result("As2", As2);
        v.Result("AsMin1", AsMin1);
        v.Result("AsMin2", AsMin2);
        v.Result("PunchPerimeter", PunchPerimeter);
        v.Result("PhiVcPunch", PhiVcPunch);
        v.Result("VuPunch", VuPunch);
        v.Result("PuColumn", PuColumn);
        v.Result("PhiBearing", PhiBearing);
        v.Result("DevLength1", DevLength1);
        v.Result("DevLength2", DevLength2);
        v.Result("DevAvail1", DevAvail1);
        v.Result("DevAvail2", DevAvail2);
    }
};
