// The compute-all cycle with the square and the continuous footing designs switched on, and the
// continuous design on its own.
#include <benchmark/benchmark.h>

#include "core/PMClasses.h"
#include "design/RebarTables.h"

namespace {

// An English project: an 8 ft square footing under a 16 in column on one pedestal, and an 8 in
// stem wall 6 ft high on a 3 ft strip footing.
TPMData DesignProject()
{
    TPMData r;
    r.Units = 0;
    r.Shape = shSquare;
    r.B = 8;
    r.L = 8;
    r.Df = 3;
    r.C = 200;
    r.Phi = 28;
    r.Gamma = 120;
    r.Dw = 12;
    r.FS = 3;

    TSquareFootingData& sq = r.Square;
    sq.UseSquareReinforcement = 1;
    sq.Fc = 4;
    sq.Fy = 60;
    sq.FootingDim1 = sq.FootingDim2 = 96;
    sq.ColumnDim1 = sq.ColumnDim2 = 16;
    sq.FootingThickness = 24;
    sq.AxialDeadLoad = 150;
    sq.AxialLiveLoad = 100;
    sq.ClearCover = 3;
    sq.NumBars1 = sq.NumBars2 = 9;
    sq.RebarFamily = rfUS;
    sq.FootingBarSize = 6;

    TStabilityData& st = r.Stability;
    st.StabL = st.StabB = 8;
    st.StabT = 2;
    st.GammaC = 0.15L;
    st.SoilCover = 1;
    st.GammaS = 0.12L;
    st.Kp = 3;
    st.SlidingFriction = 0.45L;
    st.QAllowStab = 3;
    st.PedestalCount = 1;
    TPedestal& p = st.Pedestals[0];
    p.Lpx = p.Lpy = 1.5L;
    p.H = 1;
    p.PzD = -150;
    p.PzL = -100;
    p.PzW = 20;
    p.HxW = 12;
    p.MyW = 40;

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
    cd.Gamma = 120;
    cd.Pa = 35;
    cd.Pp = 250;
    cd.Ign = 1;
    cd.Phi = 30;
    cd.QAll = 2;
    cd.StemWall.VertBarSize = 5;
    cd.StemWall.Layers = 2;
    cd.StemWall.VertCover = 2;
    cd.StemWall.VertSpacing = 1;
    cd.StemWall.HorBarSize = 4;
    cd.StemWall.HorSpacing = 1.5L;
    for (TLoadCase& lc : cd.LoadCases) {
        lc.Pll = 500;
        lc.Pdl = 800;
        lc.Mdl = 100;
        lc.Vll = 50;
        lc.Vht = 5;
    }
    cd.LoadCases[lcWind].V = 115;
    cd.LoadCases[lcWind].Kz = 0.85L;
    cd.LoadCases[lcWind].Kzt = 1;
    cd.LoadCases[lcWind].Cf = 1.3L;
    cd.LoadCases[lcSeismic].Sds = 0.5L;
    cd.Footing.FootBarSize = 5;
    cd.Footing.StBarSize = 4;
    cd.Footing.FootCover = 3;
    cd.Footing.FootSpacing = 1;
    cd.Footing.StCover = 3;
    cd.Footing.StSpacing = 1;
    return r;
}

void BM_ComputeAllWithBothDesigns(benchmark::State& state)
{
    TPMData r = DesignProject();
    SelectRebarTable(r);
    try {
        r.ContinuousFootingDesign();
        r.ComputeAll();
    } catch (const EPelmarkError& e) {
        state.SkipWithError(e.what());
        return;
    }
    for (auto _ : state) {
        r.ComputeAll();
        benchmark::DoNotOptimize(r.Continuous.Footing.MuFoot);
    }
}
BENCHMARK(BM_ComputeAllWithBothDesigns);

void BM_ContinuousFootingDesign(benchmark::State& state)
{
    TPMData r = DesignProject();
    SelectRebarTable(r);
    for (auto _ : state) {
        r.ContinuousFootingDesign();
        benchmark::DoNotOptimize(r.Continuous.Footing.MuFoot);
    }
}
BENCHMARK(BM_ContinuousFootingDesign);

}  // namespace
