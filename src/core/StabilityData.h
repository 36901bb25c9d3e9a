// Stability analysis of a rectangular footing with up to four pedestals: inputs and results.
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

    // Results: offsets from the reference point, net weight and downward force, the moments of
    // the force and of each load group, the resisting and overturning parts about both axes,
    // and the split of the vertical loads used by the uplift check.
    Real Dx = 0, Dy = 0, Weight = 0, Fz = 0;
    Real MxFz = 0, MxDead = 0, MxLive = 0, MxWind = 0;
    Real MyFz = 0, MyDead = 0, MyLive = 0, MyWind = 0;
    Real MrxPz = 0, MrxHy = 0, MrxMx = 0;
    Real MoxPz = 0, MoxHy = 0, MoxMx = 0;
    Real MryPz = 0, MryHx = 0, MryMy = 0;
    Real MoyPz = 0, MoyHx = 0, MoyMy = 0;
    Real PzDDown = 0, PzWDown = 0, PzWUp = 0;

    // Zeroes the 20 inputs; results keep their values.
    void ResetInputs()
    {
        for (Real* f : {&Xp,  &Yp,  &Lpx, &Lpy, &H,   &PzD, &PzL, &PzW, &HxD, &HxL,
                        &HxW, &HyD, &HyL, &HyW, &MxD, &MxL, &MxW, &MyD, &MyL, &MyW})
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
        v.Result("Dx", Dx);
        v.Result("Dy", Dy);
        v.Result("Weight", Weight);
        v.Result("Fz", Fz);
        v.Result("MxFz", MxFz);
        v.Result("MxDead", MxDead);
        v.Result("MxLive", MxLive);
        v.Result("MxWind", MxWind);
        v.Result("MyFz", MyFz);
        v.Result("MyDead", MyDead);
        v.Result("MyLive", MyLive);
        v.Result("MyWind", MyWind);
        v.Result("MrxPz", MrxPz);
        v.Result("MrxHy", MrxHy);
        v.Result("MrxMx", MrxMx);
        v.Result("MoxPz", MoxPz);
        v.Result("MoxHy", MoxHy);
        v.Result("MoxMx", MoxMx);
        v.Result("MryPz", MryPz);
        v.Result("MryHx", MryHx);
        v.Result("MryMy", MryMy);
        v.Result("MoyPz", MoyPz);
        v.Result("MoyHx", MoyHx);
        v.Result("MoyMy", MoyMy);
        v.Result("PzDDown", PzDDown);
        v.Result("PzWDown", PzWDown);
        v.Result("PzWUp", PzWUp);
    }
};

// Soil pressure of one pressure case. The last three slots depend on the case: the one-way cases
// keep the maximum and minimum edge pressure in QMaxOrX and QMinOrY (KernSum unused); the biaxial
// cases keep the kern sum 6|ey|/B + 6|ex|/L, and partial contact the intercepts X and Y as well.
struct TPressureCase {
    Real P1 = 0, P2 = 0, P3 = 0, P4 = 0;
    Real Length1 = 0, Length2 = 0, AreaPct = 0;
    Real KernSum = 0, QMaxOrX = 0, QMinOrY = 0;

    // Every slot N.A. (copied from one prepared block: cheaper than storing NaN field by field).
    void SetNaN()
    {
        static const TPressureCase blank = [] {
            TPressureCase c;
            for (Real* f : {&c.P1, &c.P2, &c.P3, &c.P4, &c.Length1, &c.Length2, &c.AreaPct, &c.KernSum,
                            &c.QMaxOrX, &c.QMinOrY})
                *f = NaN();
            return c;
        }();
        *this = blank;
    }

    template <class V> void VisitFields(V& v)
    {
        v.Result("P1", P1);
        v.Result("P2", P2);
        v.Result("P3", P3);
        v.Result("P4", P4);
        v.Result("Length1", Length1);
        v.Result("Length2", Length2);
        v.Result("AreaPct", AreaPct);
        v.Result("KernSum", KernSum);
        v.Result("QMaxOrX", QMaxOrX);
        v.Result("QMinOrY", QMinOrY);
    }
};

// One step of the partial-contact search: start intercepts, the contact area's properties,
// the new intercepts, their change in the fourth decimal, and the pressures of a settled step.
struct TContactIteration {
    Real X = 0, Y = 0, a = 0, b = 0;
    Real A0 = 0, Sx = 0, Sy = 0, Ixx = 0, Iyy = 0, Ixy = 0;
    Real ux = 0, uy = 0;
    Real c1 = 0, c2 = 0, c3 = 0, c4 = 0, c5 = 0, c6 = 0;
    Real Xnew = 0, Ynew = 0, dY = 0, dX = 0;
    Real qmax = 0, q0B = 0, qLB = 0, qL0 = 0;

    void SetNaN()
    {
        static const TContactIteration blank = [] {
            TContactIteration r;
            for (Real* f : {&r.X,    &r.Y,    &r.a,  &r.b,  &r.A0,   &r.Sx,  &r.Sy,  &r.Ixx, &r.Iyy,
                            &r.Ixy,  &r.ux,   &r.uy, &r.c1, &r.c2,   &r.c3,  &r.c4,  &r.c5,  &r.c6,
                            &r.Xnew, &r.Ynew, &r.dY, &r.dX, &r.qmax, &r.q0B, &r.qLB, &r.qL0})
                *f = NaN();
            return r;
        }();
        *this = blank;
    }

    template <class V> void VisitFields(V& v)
    {
        v.Result("X", X);
        v.Result("Y", Y);
        v.Result("a", a);
        v.Result("b", b);
        v.Result("A0", A0);
        v.Result("Sx", Sx);
        v.Result("Sy", Sy);
        v.Result("Ixx", Ixx);
        v.Result("Iyy", Iyy);
        v.Result("Ixy", Ixy);
        v.Result("ux", ux);
        v.Result("uy", uy);
        v.Result("c1", c1);
        v.Result("c2", c2);
        v.Result("c3", c3);
        v.Result("c4", c4);
        v.Result("c5", c5);
        v.Result("c6", c6);
        v.Result("Xnew", Xnew);
        v.Result("Ynew", Ynew);
        v.Result("dY", dY);
        v.Result("dX", dX);
        v.Result("qmax", qmax);
        v.Result("q0B", q0B);
        v.Result("qLB", qLB);
        v.Result("qL0", qL0);
    }
};

inline constexpr int kContactSteps = 30;

struct TStabilityData {
    // Inputs, in file order.
    Real RefX = 0, RefY = 0;
    Real StabL = 0, StabB = 0, StabT = 0;
    Real GammaC = 0, SoilCover = 0, GammaS = 0;
    Real Kp = 0, SlidingFriction = 0, Surcharge = 0, QAllowStab = 0;
    std::int32_t PedestalCount = 0;
    std::array<TPedestal, 4> Pedestals{};

    // Results: weights and the vertical resultant with its eccentricities.
    Real WeightFooting = 0, WeightPedestals = 0, WeightSoil = 0, SurchargeLoad = 0, FootingSoilSurcharge = 0;
    Real SumPedestalFz = 0, SumPz = 0, SumMx = 0, SumMy = 0, Ex = 0, Ey = 0;
    // Overturning about x and y.
    Real MrxFootingSoil = 0, SumMrx = 0, SumMox = 0, FSOverturningX = 0;
    Real MryFootingSoil = 0, SumMry = 0, SumMoy = 0, FSOverturningY = 0;
    // Sliding along x and y.
    Real SumHxDResist = 0, PassX = 0, FrictX = 0, SumHxW = 0, FSSlidingX = 0;
    Real SumHyDResist = 0, PassY = 0, FrictY = 0, SumHyW = 0, FSSlidingY = 0;
    // Uplift.
    Real SumPzDownLoads = 0, SumPzWindUp = 0, SumPzDown = 0, SumPzUplift = 0, FSUplift = 0;
    // Soil pressure: the partial-contact case (1 to 4, else 0), the five pressure cases and the search.
    std::int32_t BiaxialCase = 0;
    TPressureCase PressureUniform, PressureX, PressureY, PressureBiaxial, PressurePartial;
    std::array<TContactIteration, kContactSteps> Iterations{};
    // The search step (1 to 30) whose intercepts were taken; 0 when none was.
    std::int32_t ContactStep = 0;
    Real DistX = 0, DistY = 0, BrgLx = 0, BrgLy = 0, BearingAreaPct = 0;
    Real P1 = 0, P2 = 0, P3 = 0, P4 = 0, QGross = 0, QNet = 0;

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
        v.Result("WeightFooting", WeightFooting);
        v.Result("WeightPedestals", WeightPedestals);
        v.Result("WeightSoil", WeightSoil);
        v.Result("SurchargeLoad", SurchargeLoad);
        v.Result("FootingSoilSurcharge", FootingSoilSurcharge);
        v.Result("SumPedestalFz", SumPedestalFz);
        v.Result("SumPz", SumPz);
        v.Result("SumMx", SumMx);
        v.Result("SumMy", SumMy);
        v.Result("Ex", Ex);
        v.Result("Ey", Ey);
        v.Result("MrxFootingSoil", MrxFootingSoil);
        v.Result("SumMrx", SumMrx);
        v.Result("SumMox", SumMox);
        v.Result("FSOverturningX", FSOverturningX);
        v.Result("MryFootingSoil", MryFootingSoil);
        v.Result("SumMry", SumMry);
        v.Result("SumMoy", SumMoy);
        v.Result("FSOverturningY", FSOverturningY);
        v.Result("SumHxDResist", SumHxDResist);
        v.Result("PassX", PassX);
        v.Result("FrictX", FrictX);
        v.Result("SumHxW", SumHxW);
        v.Result("FSSlidingX", FSSlidingX);
        v.Result("SumHyDResist", SumHyDResist);
        v.Result("PassY", PassY);
        v.Result("FrictY", FrictY);
        v.Result("SumHyW", SumHyW);
        v.Result("FSSlidingY", FSSlidingY);
        v.Result("SumPzDownLoads", SumPzDownLoads);
        v.Result("SumPzWindUp", SumPzWindUp);
        v.Result("SumPzDown", SumPzDown);
        v.Result("SumPzUplift", SumPzUplift);
        v.Result("FSUplift", FSUplift);
        v.Result("BiaxialCase", BiaxialCase);
        v.Group("PressureUniform", PressureUniform);
        v.Group("PressureX", PressureX);
        v.Group("PressureY", PressureY);
        v.Group("PressureBiaxial", PressureBiaxial);
        v.Group("PressurePartial", PressurePartial);
        v.Array("Iterations", Iterations);
        v.Result("ContactStep", ContactStep);
        v.Result("DistX", DistX);
        v.Result("DistY", DistY);
        v.Result("BrgLx", BrgLx);
        v.Result("BrgLy", BrgLy);
        v.Result("BearingAreaPct", BearingAreaPct);
        v.Result("P1", P1);
        v.Result("P2", P2);
        v.Result("P3", P3);
        v.Result("P4", P4);
        v.Result("QGross", QGross);
        v.Result("QNet", QNet);
    }
};
