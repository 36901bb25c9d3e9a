// The whole calculation report of the English example as a PDF file: display model, composition,
// three diagrams at 200 pixels an inch, fonts embedded. Target: at most 300 ms.
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <string>

#include "core/InputCatalogue.h"
#include "core/PMClasses.h"
#include "design/RebarTables.h"
#include "display/DisplayModel.h"
#include "report/RecordingReportEngine.h"
#include "report/ReportComposer.h"
#include "report/ReportOutput.h"
#include "report/ReportPageFrame.h"

namespace {

TPMData EnglishExample()
{
    TPMData record;
    record.LoadProject(std::string(PELMARK_BIN_DIR) + "/Example English Units.kpm");
    NormalizeInputsAsShown(record);
    SelectRebarTable(record);
    record.ComputeAll();
    return record;
}

// The composition alone (diagrams drawn and passed as bitmap streams), on the recording engine.
void BM_ReportComposed(benchmark::State& state)
{
    const TPMData record = EnglishExample();
    for (auto _ : state) {
        TRecordingReportEngine engine;
        AttachPageFrame(engine);
        engine.Begin();
        ComposeReport(engine, BuildDisplayModel(record), record, 0);
        engine.End();
        benchmark::DoNotOptimize(engine.Operations.size());
    }
}
BENCHMARK(BM_ReportComposed)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ReportToPdf(benchmark::State& state)
{
    const TPMData record = EnglishExample();
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    for (auto _ : state) {
        const QString error = WriteReportPdf(path, BuildDisplayModel(record), record, 0);
        if (!error.isEmpty())
            state.SkipWithError(error.toStdString().c_str());
    }
}
BENCHMARK(BM_ReportToPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
