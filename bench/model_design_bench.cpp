// The compute-all cycle with the square and the continuous footing designs switched on, and the
// continuous design on its own.
#include <benchmark/benchmark.h>

#include <string>

#include "core/AppPaths.h"
#include "core/PMClasses.h"
#include "design/RebarTables.h"

namespace {

// The shipped English example: a square footing on one pedestal with both designs switched on,
// computed once; false (and the benchmark skipped) when it cannot be read or computed.
bool PrepareExample(benchmark::State& state, TPMData& r)
{
    try {
        r.LoadProject(std::string(PELMARK_BIN_DIR) + "/" + kExampleProjectName);
        SelectRebarTable(r);
        r.ContinuousFootingDesign();
        r.ComputeAll();
        return true;
    } catch (const EPelmarkError& e) {
        state.SkipWithError(e.what());
        return false;
    }
}

void BM_ComputeAllWithBothDesigns(benchmark::State& state)
{
    TPMData r;
    if (!PrepareExample(state, r))
        return;
    for (auto _ : state) {
        r.ComputeAll();
        benchmark::DoNotOptimize(r.Continuous.Footing.MuFoot);
    }
}
BENCHMARK(BM_ComputeAllWithBothDesigns);

void BM_ContinuousFootingDesign(benchmark::State& state)
{
    TPMData r;
    if (!PrepareExample(state, r))
        return;
    for (auto _ : state) {
        r.ContinuousFootingDesign();
        benchmark::DoNotOptimize(r.Continuous.Footing.MuFoot);
    }
}
BENCHMARK(BM_ContinuousFootingDesign);

}  // namespace
