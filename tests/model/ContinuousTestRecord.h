// A realistic continuous footing in English units for the design tests, and a number comparison
// that prints both values and their relative difference.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

#include "core/PMClasses.h"
#include "design/RebarTables.h"
#include "support/NumberCompare.h"

// 8 in stem wall 6 ft high on a 3 ft x 12 in footing, #5 bars at 1 ft in one layer, 4 ft of
// retained soil above 1 ft of low-side grade; the same gravity loads in all three combinations.
inline TPMData ContinuousTestRecord()
{
    TPMData r;
    r.Units = 0;
    r.Square.RebarFamily = rfUS;
    TContinuousData& cd = r.Continuous;
    cd.UseContinuousReinforcement = 1;
    cd.Fc = 3;
    cd.Fy = 60;
    cd.Gc = 150;
    cd.H = 6;
    cd.Tw = 8;
    cd.W = 3;
    cd.Tf = 12;
    cd.GrH = 4;
    cd.GrL = 1;
    cd.K = 0;
    cd.Gamma = 120;
    cd.Pa = 35;
    cd.Pp = 250;
    cd.Ign = 1;
    cd.Phi = 30;
    cd.C = 0;
    cd.QAll = 2;
    cd.StemWall.VertBarSize = 5;
    cd.StemWall.Layers = 1;
    cd.StemWall.VertCover = 2;
    cd.StemWall.VertSpacing = 1;
    cd.StemWall.HorBarSize = 4;
    cd.StemWall.HorSpacing = 1;
    for (TLoadCase& lc : cd.LoadCases) {
        lc.Pll = 500;
        lc.Pdl = 800;
    }
    TLoadCase& wind = cd.LoadCases[lcWind];
    wind.V = 115;
    wind.Kz = 0.85L;
    wind.Kzt = 1.0L;
    wind.Cf = 1.3L;
    cd.LoadCases[lcSeismic].Sds = 0.5L;
    cd.Footing.FootBarSize = 5;
    cd.Footing.StBarSize = 4;
    cd.Footing.FootCover = 3;
    cd.Footing.FootSpacing = 1;
    cd.Footing.StCover = 3;
    cd.Footing.StSpacing = 1;
    return r;
}

// The active rebar table is process-wide: each continuous test selects the one its record needs
// and leaves the US/English table behind.
class ContinuousDesignTest : public ::testing::Test {
  protected:
    TPMData r = ContinuousTestRecord();
    void SetUp() override { SelectRebarTable(r); }
    void TearDown() override { SelectRebarTable(rfUS, 0); }
};
