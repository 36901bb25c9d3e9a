// Drawing time of each diagram of the shipped example projects, at the screen image size and at
// the zoom window's size.
#include <benchmark/benchmark.h>
#include <string>

#include "core/PMClasses.h"
#include "design/RebarTables.h"
#include "diagrams/DiagramDraw.h"
#include "diagrams/LoadingIllustration.h"

namespace {
TPMData& Example(bool si)
{
    static TPMData records[2];
    static bool loaded[2] = {false, false};
    TPMData& data = records[si];
    if (!loaded[si]) {
        data.LoadProject(std::string(PELMARK_BIN_DIR) +
                         (si ? "/Example SI Units.kpm" : "/Example English Units.kpm"));
        SelectRebarTable(data);
        data.ComputeAll();
        loaded[si] = true;
    }
    SelectRebarTable(data);
    return data;
}

// Arguments: width, height, kind (0 footing section, 1 stem wall section, 2 bearing plan), SI.
void BM_Diagram(benchmark::State& state)
{
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    TPMData data = Example(state.range(3) != 0);
    data.Continuous.UseContinuousReinforcement = state.range(2) == 1;
    const TDiagramKind kind = state.range(2) == 2 ? TDiagramKind::BearingPlan : TDiagramKind::Section;
    for (auto _ : state)
        benchmark::DoNotOptimize(DrawDiagramToBitmap(size, data, kind));
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->ArgNames({"w", "h", "kind", "si"});
    for (int si : {0, 1})
        for (int kind : {0, 1, 2})
            for (auto [w, h] : {std::pair{412, 361}, std::pair{1900, 940}})
                b->Args({w, h, kind, si});
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_Diagram)->Apply(Sizes);

void BM_LoadingIllustration(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadingIllustration());
}
BENCHMARK(BM_LoadingIllustration)->Unit(benchmark::kMillisecond);
}  // namespace
