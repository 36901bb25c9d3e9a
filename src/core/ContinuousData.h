// Continuous footing under a stem wall: inputs of the three load combinations,
// the stem wall and footing reinforcement, and their results.
#pragma once

#include <array>
#include <cstdint>

#include "core/Globals.h"

// Index of a load combination in TContinuousData::LoadCases.
enum TLoadCombination : int { lcWind = 0, lcSeismic = 1, lcGeneral = 2 };

struct TLoadCase {
    // The 12 inputs, in file order (V to Cf: combination 1 only, Sds: combination 2 only).
    // Vdl and Vht of combination 3 are written by the design: they follow combination 1's wind.
    Real Pll = 0, Pdl = 0, Mll = 0, Mdl = 0, Vll = 0, Vdl = 0, Vht = 0;
    Real V = 0, Kz = 0, Kzt = 0, Cf = 0, Sds = 0;

    // Derived lateral loads: wind (combination 1 only) and seismic (combination 2 only).
    Real Qz = 0;    // velocity pressure, psf; kPa
    Real WF = 0;    // wind force, plf; kN/m
    Real WFht = 0;  // height of the wind force above the top of footing, ft; m
    Real Fp = 0;    // seismic lateral force of the stem wall, plf; kN/m
    Real Sht = 0;   // height of the seismic force, ft; m

    // Sliding and overturning of the whole footing.
    Real Resisting = 0;     // plf; kN/m
    Real Driving = 0;       // plf; kN/m
    Real SlidingRatio = 0;  // Resisting / Driving, NaN when undefined
    Real StabWeight = 0;    // factored dead weight (0.9, seismic 0.9 - 0.2 Sds), plf; kN/m
    Real StabMoment = 0;    // lb-ft/ft; kN-m/m
    Real OTMoment = 0;      // about the bottom of the footing, lb-ft/ft; kN-m/m
    Real OTSafety = 0;      // StabMoment / OTMoment, NaN when undefined
    Real Eccentricity = 0;  // service Ms / Ps, ft; m, NaN when undefined

    // Stem wall demands and strengths at its base.
    Real Mu = 0;          // lb-ft/ft; kN-m/m
    Real Pu = 0;          // plf; kN/m
    Real Vu = 0;          // plf; kN/m
    Real PhiMnAtPu = 0;   // moment strength at Pu, NaN at or above PhiPnMax
    Real MomentUtil = 0;  // %
    Real ShearUtil = 0;   // %
    Real Deflection = 0;  // top of the stem, in; mm

    // Service soil pressures under the footing edges.
    Real ToePressure = 0;   // psf; kPa
    Real HeelPressure = 0;  // psf; kPa

    template <class V_> void VisitFields(V_& v)
    {
        v.Input("Pll", Pll);
        v.Input("Pdl", Pdl);
        v.Input("Mll", Mll);
        v.Input("Mdl", Mdl);
        v.Input("Vll", Vll);
        v.Input("Vdl", Vdl);
        v.Input("Vht", Vht);
        v.Input("V", V);
        v.Input("Kz", Kz);
        v.Input("Kzt", Kzt);
        v.Input("Cf", Cf);
        v.Input("Sds", Sds);
        v.Result("Qz", Qz);
        v.Result("WF", WF);
        v.Result("WFht", WFht);
        v.Result("Fp", Fp);
        v.Result("Sht", Sht);
        v.Result("Resisting", Resisting);
        v.Result("Driving", Driving);
        v.Result("SlidingRatio", SlidingRatio);
        v.Result("StabWeight", StabWeight);
        v.Result("StabMoment", StabMoment);
        v.Result("OTMoment", OTMoment);
        v.Result("OTSafety", OTSafety);
        v.Result("Eccentricity", Eccentricity);
        v.Result("Mu", Mu);
        v.Result("Pu", Pu);
        v.Result("Vu", Vu);
        v.Result("PhiMnAtPu", PhiMnAtPu);
        v.Result("MomentUtil", MomentUtil);
        v.Result("ShearUtil", ShearUtil);
        v.Result("Deflection", Deflection);
        v.Result("ToePressure", ToePressure);
        v.Result("HeelPressure", HeelPressure);
    }
};

struct TStemWallReinforcement {
    std::int32_t Reserved = 0;  // saved and loaded, never set by the window
    std::int32_t VertBarSize = 0;
    std::int32_t Layers = 0;
    Real VertCover = 0;
    Real VertSpacing = 0;

    // Vertical steel and the strengths of the wall section.
    Real AsVert = 0;        // in^2/ft; mm^2/m
    Real RhoVert = 0;       // %
    Real PhiPnMax = 0;      // plf; kN/m
    Real PhiPnTension = 0;  // design strength in pure tension (negative), plf; kN/m
    Real PhiMn0 = 0;        // moment strength without axial load, lb-ft/ft; kN-m/m
    Real PhiVn = 0;         // plf; kN/m

    std::int32_t HorBarSize = 0;
    Real HorSpacing = 0;

    // Horizontal steel, stiffness and the governing utilisations.
    Real RhoHor = 0;             // %, bars on both faces
    Real Ec = 0;                 // ksi; MPa
    Real Ig = 0;                 // in^4; mm^4 per unit length of wall
    Real Ie = 0;                 // in^4; mm^4
    Real MomentUtilization = 0;  // %, governing combination
    Real ShearUtilization = 0;   // %, governing combination

    template <class V> void VisitFields(V& v)
    {
        v.Input("Reserved", Reserved);
        v.Input("VertBarSize", VertBarSize);
        v.Input("Layers", Layers);
        v.Input("VertCover", VertCover);
        v.Input("VertSpacing", VertSpacing);
        v.Result("AsVert", AsVert);
        v.Result("RhoVert", RhoVert);
        v.Result("PhiPnMax", PhiPnMax);
        v.Result("PhiPnTension", PhiPnTension);
        v.Result("PhiMn0", PhiMn0);
        v.Result("PhiVn", PhiVn);
        v.Input("HorBarSize", HorBarSize);
        v.Input("HorSpacing", HorSpacing);
        v.Result("RhoHor", RhoHor);
        v.Result("Ec", Ec);
        v.Result("Ig", Ig);
        v.Result("Ie", Ie);
        v.Result("MomentUtilization", MomentUtilization);
        v.Result("ShearUtilization", ShearUtilization);
    }
};

struct TFootingReinforcement {
    std::int32_t FootBarSize = 0;
    std::int32_t StBarSize = 0;
    Real FootCover = 0;
    Real FootSpacing = 0;
    Real StCover = 0;
    Real StSpacing = 0;

    // Bottom steel of the footing and its flexure.
    Real AsFoot = 0;     // in^2/ft; mm^2/m
    Real RhoFoot = 0;    // %
    Real PhiMnFoot = 0;  // lb-ft/ft; kN-m/m
    Real MuFoot = 0;     // lb-ft/ft; kN-m/m

    template <class V> void VisitFields(V& v)
    {
        v.Input("FootBarSize", FootBarSize);
        v.Input("StBarSize", StBarSize);
        v.Input("FootCover", FootCover);
        v.Input("FootSpacing", FootSpacing);
        v.Input("StCover", StCover);
        v.Input("StSpacing", StSpacing);
        v.Result("AsFoot", AsFoot);
        v.Result("RhoFoot", RhoFoot);
        v.Result("PhiMnFoot", PhiMnFoot);
        v.Result("MuFoot", MuFoot);
    }
};

// One point of the interaction diagram at a neutral-axis depth (compression positive).
// Stored as doubles; the convergence passes of the next cycle start from these values.
struct TInteractionPoint {
    double C = 0;      // neutral-axis depth, in; mm
    double EpsS = 0;   // steel strain
    double Fs = 0;     // steel stress, ksi; MPa
    double Ac = 0;     // compressed concrete area, in^2; mm^2
    double Cc = 0;     // compression force, kip/ft; kN/m
    double Yc = 0;     // depth of the compression resultant, in; mm
    double Ts = 0;     // tension force (negative), kip/ft; kN/m
    double Yt = 0;     // depth of the tension force, in; mm
    double Phi = 0;    // strength reduction factor
    double PhiPn = 0;  // plf; kN/m
    double PhiMn = 0;  // lb-ft/ft; kN-m/m

    template <class V> void VisitFields(V& v)
    {
        v.Result("C", C);
        v.Result("EpsS", EpsS);
        v.Result("Fs", Fs);
        v.Result("Ac", Ac);
        v.Result("Cc", Cc);
        v.Result("Yc", Yc);
        v.Result("Ts", Ts);
        v.Result("Yt", Yt);
        v.Result("Phi", Phi);
        v.Result("PhiPn", PhiPn);
        v.Result("PhiMn", PhiMn);
    }
};

constexpr int kInteractionPoints = 11;

// Axial load-moment interaction diagram of the stem wall, by strain compatibility.
// Point 0 is pure flexure, point 5 the balanced depth, point 10 the largest depth.
struct TInteractionDiagram {
    double RadiusOfGyration = 0;  // Tw / sqrt(12), in; mm
    double D = 0;                 // depth of the steel layer, in; mm
    double As1 = 0;               // steel area of that layer, in^2/ft; mm^2/m
    double Es = 0;                // ksi; MPa
    double Ecu = 0;               // concrete crushing strain
    double F85 = 0;               // 0.85 f'c, ksi; MPa
    double Beta1 = 0;
    std::array<TInteractionPoint, kInteractionPoints> Points{};

    template <class V> void VisitFields(V& v)
    {
        v.Result("RadiusOfGyration", RadiusOfGyration);
        v.Result("D", D);
        v.Result("As1", As1);
        v.Result("Es", Es);
        v.Result("Ecu", Ecu);
        v.Result("F85", F85);
        v.Result("Beta1", Beta1);
        v.Array("Points", Points);
    }
};

struct TContinuousData {
    std::uint8_t UseContinuousReinforcement = 0;
    Real Fc = 0, Fy = 0, Gc = 0, H = 0, Tw = 0;
    Real TwLen = 0;  // result: Tw in ft or m
    Real W = 0, Tf = 0;
    Real TfLen = 0;  // result: Tf in ft or m
    Real GrH = 0, GrL = 0, K = 0, Gamma = 0, Pa = 0, Pp = 0, Ign = 0, Phi = 0, C = 0, QAll = 0;
    TStemWallReinforcement StemWall;
    std::array<TLoadCase, 3> LoadCases{};
    TFootingReinforcement Footing;
    TInteractionDiagram Interaction;

    template <class V> void VisitFields(V& v)
    {
        v.Input("UseContinuousReinforcement", UseContinuousReinforcement);
        v.Input("Fc", Fc);
        v.Input("Fy", Fy);
        v.Input("Gc", Gc);
        v.Input("H", H);
        v.Input("Tw", Tw);
        v.Result("TwLen", TwLen);
        v.Input("W", W);
        v.Input("Tf", Tf);
        v.Result("TfLen", TfLen);
        v.Input("GrH", GrH);
        v.Input("GrL", GrL);
        v.Input("K", K);
        v.Input("Gamma", Gamma);
        v.Input("Pa", Pa);
        v.Input("Pp", Pp);
        v.Input("Ign", Ign);
        v.Input("Phi", Phi);
        v.Input("C", C);
        v.Input("QAll", QAll);
        v.Group("StemWall", StemWall);
        v.Array("LoadCases", LoadCases);
        v.Group("Footing", Footing);
        v.Group("Interaction", Interaction);
    }
};
