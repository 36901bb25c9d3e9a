// ComputeAll on an English project like the example (square footing, two pedestals with dead,
// live and wind loads, realistic soil) and on a footing whose resultant needs the partial-contact
// search.
#include <benchmark/benchmark.h>

#include "core/PMClasses.h"

namespace {

TPMData ExampleLikeProject()
{
    TPMData r;
    r.Units = 0;
    r.Shape = shSquare;
    r.B = 6, r.L = 6, r.Df = 2.5L, r.C = 250, r.Phi = 28, r.Gamma = 120, r.Dw = 5, r.FS = 3;
    TStabilityData& s = r.Stability;
    s.StabL = 10, s.StabB = 6, s.StabT = 1.5L, s.GammaC = 0.15L, s.SoilCover = 1.5L, s.GammaS = 0.12L;
    s.Kp = 3, s.SlidingFriction = 0.45L, s.Surcharge = 0.1L, s.QAllowStab = 3;
    s.PedestalCount = 2;
    for (int k = 0; k < 2; ++k) {
        TPedestal& p = s.Pedestals[k];
        p.Xp = k == 0 ? -2.5L : 2.5L, p.Lpx = 1.5L, p.Lpy = 1.5L, p.H = 2;
        p.PzD = -60, p.PzL = -30, p.PzW = k == 0 ? 8 : -8;
        p.HxW = 4, p.HyW = 1.5L, p.MyD = 5, p.MxW = 3;
    }
    return r;
}

TPMData PartialContactProject()
{
    TPMData r = ExampleLikeProject();
    TStabilityData& s = r.Stability;
    s.StabL = 12, s.StabB = 8;
    s.PedestalCount = 1;
    TPedestal& p = s.Pedestals[0];
    p = TPedestal{};
    p.Lpx = p.Lpy = 1.5L, p.H = 2, p.PzD = -100, p.MyD = 300, p.MxD = -120;
    return r;
}

void Run(benchmark::State& state, TPMData record)
{
    record.ComputeAll();  // link the allowable net bearing capacity once, as a first display does
    for (auto _ : state) {
        record.ComputeAll();
        benchmark::DoNotOptimize(record.Stability.QGross);
    }
}

void BM_ComputeAllExample(benchmark::State& state)
{
    Run(state, ExampleLikeProject());
}
void BM_ComputeAllPartialContact(benchmark::State& state)
{
    TPMData record = PartialContactProject();
    record.ComputeAll();
    if (record.Stability.ContactStep == 0)
        state.SkipWithError("the partial-contact search did not settle");
    Run(state, record);
}

}  // namespace

BENCHMARK(BM_ComputeAllExample);
BENCHMARK(BM_ComputeAllPartialContact);
