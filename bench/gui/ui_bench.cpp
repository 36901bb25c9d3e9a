// One committed change of the main window: a width typed into "Ftng. Width (B)" and taken by the
// leave handling, through ReadInputs, Recalculate and both diagram redraws; offscreen.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "core/AppPaths.h"
#include "ui/MainWindow.h"
#include "ui/NumericEdit.h"
#include "ui/ScriptedPlatform.h"

static void BM_CommitWidthChange(benchmark::State& state)
{
    TScriptedPlatform platform;
    SetPlatform(&platform);
    {
        TfrmPMMain window;
        window.resize(1280, 800);
        window.show();
        QCoreApplication::processEvents();
        TNumericEdit* width = window.Edit("Edit1");
        bool flip = false;
        for (auto _ : state) {
            width->setText(flip ? "8" : "9");
            flip = !flip;
            window.InputExit(width);
        }
    }
    SetPlatform(nullptr);
}
BENCHMARK(BM_CommitWidthChange)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    SetExecutableDir(PELMARK_BIN_DIR);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
