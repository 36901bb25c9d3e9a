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

    // Results of the square footing design.
    // (design results are added here)

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
    }
};
