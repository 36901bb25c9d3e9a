// Load and save of the English example project, in memory and through files.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/AppPaths.h"
#include "core/PMClasses.h"

namespace {

// Stands in for the example project when the build has not generated it: every input filled.
struct TExampleFiller {
    int Next = 0;
    void Input(const char*, Real& v) { v = 1 + (++Next % 97) / 8.0L; }
    void Input(const char*, double& v) { v = 45000; }
    void Input(const char*, std::int32_t& v) { v = 1 + ++Next % 4; }
    void Input(const char*, std::uint8_t& v) { v = 0; }
    void Input(const char*, std::string& v) { v = "Example text " + std::to_string(++Next); }
    void Input(const char*, std::vector<std::uint8_t>&) {}  // no logo, as in the example project
    template <class T> void Result(const char*, T&) {}
    template <class S> void Group(const char*, S& s) { s.VisitFields(*this); }
    template <class A> void Array(const char*, A& a)
    {
        for (auto& s : a)
            s.VisitFields(*this);
    }
};

const std::string& ExamplePath()
{
    static const std::string path = std::string(PELMARK_BIN_DIR) + "/" + kExampleProjectName;
    return path;
}

const TPMData& ExampleRecord()
{
    static const TPMData record = [] {
        TPMData r;
        std::error_code ec;
        if (std::filesystem::exists(ExamplePath(), ec)) {
            r.LoadProject(ExamplePath());
        } else {
            TExampleFiller filler;
            r.VisitFields(filler);
            r.Stability.PedestalCount = 2;
        }
        return r;
    }();
    return record;
}

std::string ScratchPath(const char* name)
{
    return (std::filesystem::temp_directory_path() / ("pelmark-bench-" + std::string(name) + ".kpm"))
        .string();
}

void LoadFromBytes(benchmark::State& state)
{
    const std::vector<std::uint8_t> bytes = ExampleRecord().SaveProjectToBytes();
    for (auto _ : state) {
        TPMData r;
        r.LoadProjectFromBytes(bytes);
        benchmark::DoNotOptimize(r.B);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(bytes.size()));
}

void SaveToBytes(benchmark::State& state)
{
    const TPMData& r = ExampleRecord();
    for (auto _ : state)
        benchmark::DoNotOptimize(r.SaveProjectToBytes());
}

void LoadFile(benchmark::State& state)
{
    const std::string path = ScratchPath("load");
    ExampleRecord().SaveProject(path);
    for (auto _ : state) {
        TPMData r;
        r.LoadProject(path);
        benchmark::DoNotOptimize(r.B);
    }
    std::filesystem::remove(path);
}

// Temporary file, flush to the disk, rename: the disk's sync time dominates.
void SaveFile(benchmark::State& state)
{
    const std::string path = ScratchPath("save");
    const TPMData& r = ExampleRecord();
    for (auto _ : state)
        r.SaveProject(path);
    std::filesystem::remove(path);
}

}  // namespace

BENCHMARK(LoadFromBytes);
BENCHMARK(SaveToBytes);
BENCHMARK(LoadFile);
BENCHMARK(SaveFile)->Unit(benchmark::kMicrosecond);
