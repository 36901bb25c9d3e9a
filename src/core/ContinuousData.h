// Continuous footing under a stem wall: inputs of the three load combinations,
// the stem wall and footing reinforcement, and their results.
#pragma once

#include <array>
#include <cstdint>

#include "core/Globals.h"

struct TLoadCase {
    // The 12 inputs, in file order (V to Cf: combination 1 only, Sds: combination 2 only).
    Real Pll = 0, Pdl = 0, Mll = 0, Mdl = 0, Vll = 0, Vdl = 0, Vht = 0;
    Real V = 0, Kz = 0, Kzt = 0, Cf = 0, Sds = 0;

    // Results of one combination.
    // (load-case results are added here)

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
    }
};

struct TStemWallReinforcement {
    std::int32_t Reserved = 0;  // saved and loaded, never set by the window
    std::int32_t VertBarSize = 0;
    std::int32_t Layers = 0;
    Real VertCover = 0;
    Real VertSpacing = 0;
    std::int32_t HorBarSize = 0;
    Real HorSpacing = 0;

    // Results of the stem wall reinforcement.
    // (stem wall results are added here)

    template <class V> void VisitFields(V& v)
    {
        v.Input("Reserved", Reserved);
        v.Input("VertBarSize", VertBarSize);
        v.Input("Layers", Layers);
        v.Input("VertCover", VertCover);
        v.Input("VertSpacing", VertSpacing);
        v.Input("HorBarSize", HorBarSize);
        v.Input("HorSpacing", HorSpacing);
    }
};

struct TFootingReinforcement {
    std::int32_t FootBarSize = 0;
    std::int32_t StBarSize = 0;
    Real FootCover = 0;
    Real FootSpacing = 0;
    Real StCover = 0;
    Real StSpacing = 0;

    // Results of the footing reinforcement.
    // (footing results are added here)

    template <class V> void VisitFields(V& v)
    {
        v.Input("FootBarSize", FootBarSize);
        v.Input("StBarSize", StBarSize);
        v.Input("FootCover", FootCover);
        v.Input("FootSpacing", FootSpacing);
        v.Input("StCover", StCover);
        v.Input("StSpacing", StSpacing);
    }
};

// Axial load-moment interaction diagram of the stem wall.
struct TInteractionDiagram {
    // (interaction rows are added here)

    template <class V> void VisitFields(V&) {}
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

    // Results of the continuous footing design.
    // (continuous footing results are added here)

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
