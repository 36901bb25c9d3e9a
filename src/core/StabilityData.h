// Stability analysis of a rectangular footing with up to four pedestals.
#pragma once

#include <array>
#include <cstdint>

#include "core/Globals.h"

struct TPedestal {
    // The 20 inputs, in file order.
    Real Xp = 0, Yp = 0, Lpx = 0, Lpy = 0, H = 0;
    Real PzD = 0, PzL = 0, PzW = 0;
    Real HxD = 0, HxL = 0, HxW = 0;
    Real HyD = 0, HyL = 0, HyW = 0;
    Real MxD = 0, MxL = 0, MxW = 0;
    Real MyD = 0, MyL = 0, MyW = 0;

    // Results.
    // (stability results of one pedestal are added here)

    // Zeroes the 20 inputs; results keep their values.
    void ResetInputs()
    {
        for (Real* f : {&Xp, &Yp, &Lpx, &Lpy, &H, &PzD, &PzL, &PzW, &HxD, &HxL, &HxW, &HyD, &HyL, &HyW, &MxD,
                        &MxL, &MxW, &MyD, &MyL, &MyW})
            *f = 0;
    }

    template <class V> void VisitFields(V& v)
    {
        v.Input("Xp", Xp);
        v.Input("Yp", Yp);
        v.Input("Lpx", Lpx);
        v.Input("Lpy", Lpy);
        v.Input("H", H);
        v.Input("PzD", PzD);
        v.Input("PzL", PzL);
        v.Input("PzW", PzW);
        v.Input("HxD", HxD);
        v.Input("HxL", HxL);
        v.Input("HxW", HxW);
        v.Input("HyD", HyD);
        v.Input("HyL", HyL);
        v.Input("HyW", HyW);
        v.Input("MxD", MxD);
        v.Input("MxL", MxL);
        v.Input("MxW", MxW);
        v.Input("MyD", MyD);
        v.Input("MyL", MyL);
        v.Input("MyW", MyW);
    }
};

struct TStabilityData {
    // Inputs, in file order.
    Real RefX = 0, RefY = 0;
    Real StabL = 0, StabB = 0, StabT = 0;
    Real GammaC = 0, SoilCover = 0, GammaS = 0;
    Real Kp = 0, SlidingFriction = 0, Surcharge = 0, QAllowStab = 0;
    std::int32_t PedestalCount = 0;
    std::array<TPedestal, 4> Pedestals{};

    // Results.
    // (stability results are added here)

    template <class V> void VisitFields(V& v)
    {
        v.Input("RefX", RefX);
        v.Input("RefY", RefY);
        v.Input("StabL", StabL);
        v.Input("StabB", StabB);
        v.Input("StabT", StabT);
        v.Input("GammaC", GammaC);
        v.Input("SoilCover", SoilCover);
        v.Input("GammaS", GammaS);
        v.Input("Kp", Kp);
        v.Input("SlidingFriction", SlidingFriction);
        v.Input("Surcharge", Surcharge);
        v.Input("QAllowStab", QAllowStab);
        v.Input("PedestalCount", PedestalCount);
        v.Array("Pedestals", Pedestals);
    }
};
