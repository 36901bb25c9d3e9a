// Studies and sizing: 100 000 cases of the shipped English example varying B, Df, phi and the
// pedestal loads, on one thread and on every core; and one sizing run of its footing.
#include <benchmark/benchmark.h>

#include <random>
#include <sstream>
#include <string>
#include <thread>

#include "cli/model/ProjectLoading.h"
#include "cli/model/Study.h"
#include "core/AppPaths.h"
#include "core/PMClasses.h"
#include "design/SquareFootingSizing.h"

namespace {

const std::string kExample = std::string(PELMARK_BIN_DIR) + "/" + kExampleProjectName;
constexpr int kCases = 100000;

// A grid of options, as an engineer's study spans them: B 5 to 12 ft by 0.25, Df 2 to 6 ft by 0.5,
// phi 26 to 36 degrees, pedestal dead load 100 to 250 kips by 10 and live load 50 to 150 by 10.
const std::string& Cases()
{
    static const std::string cases = [] {
        std::mt19937 rng(16);
        auto pick = [&](double first, double step, int count) {
            return first + step * static_cast<int>(rng() % count);
        };
        std::ostringstream text;
        for (int i = 0; i < kCases; ++i)
            text << "{\"B\": " << pick(5, 0.25, 29) << ", \"Df\": " << pick(2, 0.5, 9)
                 << ", \"Phi\": " << pick(26, 1, 11)
                 << ", \"Stability\": {\"Pedestals\": [{\"PzD\": " << -pick(100, 10, 16)
                 << ", \"PzL\": " << -pick(50, 10, 11) << "}]}}\n";
        return text.str();
    }();
    return cases;
}

// Counts what a study writes and keeps none of it, as a pipe to the next program would.
class TCountingBuffer : public std::streambuf {
  public:
    std::size_t Bytes = 0;

  protected:
    int_type overflow(int_type ch) override
    {
        ++Bytes;
        return ch;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        Bytes += static_cast<std::size_t>(n);
        return n;
    }
};

void BM_Study(benchmark::State& state)
{
    TPMData base;
    try {
        base.LoadProject(kExample);
    } catch (const EPelmarkError& e) {
        state.SkipWithError(e.what());
        return;
    }
    // Argument 0: the threads, 0 for every core.
    const unsigned threads = state.range(0) == 0 ? std::max(1u, std::thread::hardware_concurrency())
                                                 : static_cast<unsigned>(state.range(0));
    // Argument 1: the default fields (about 80 numbers, whose text costs most of a case), or 4 fields.
    const std::vector<std::string> few = {"QallVesic", "Stability.FSOverturningX", "Square.Mu1",
                                          "Square.Checks.AllPass"};
    const TStudy study(base, ResolveStudyFields(state.range(1) == 0 ? DefaultStudyFieldNames() : few));
    for (auto _ : state) {
        std::istringstream in(Cases());
        TCountingBuffer sink;
        std::ostream out(&sink);
        benchmark::DoNotOptimize(study.Run(in, out, threads));
        benchmark::DoNotOptimize(sink.Bytes);
    }
    state.counters["threads"] = threads;
    state.counters["cases/s"] = benchmark::Counter(
        static_cast<double>(kCases) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Study)
    ->Args({1, 0})
    ->Args({0, 0})
    ->Args({1, 1})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(2);

void BM_SizeExampleFooting(benchmark::State& state)
{
    TPMData record;
    const std::string failure = LoadAndCompute(record, kExample, TLoadMode::AsShown);
    if (!failure.empty()) {
        state.SkipWithError(failure.c_str());
        return;
    }
    for (auto _ : state) {
        const TSizingResult size = SizeSquareFooting(record);
        benchmark::DoNotOptimize(size.B1);
    }
}
BENCHMARK(BM_SizeExampleFooting)->Unit(benchmark::kMillisecond);

}  // namespace
