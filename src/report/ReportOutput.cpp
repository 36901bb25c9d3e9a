#include "report/ReportOutput.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include "report/PainterReportEngine.h"
#include "report/ReportComposer.h"
#include "report/ReportPageFrame.h"

namespace {

constexpr int kPdfResolution = 1200;

}  // namespace

int PrintReport(QPagedPaintDevice& device, const TDisplayModel& model, const TPMData& record, int choice)
{
    TPainterReportEngine engine(device);
    AttachPageFrame(engine);
    if (!engine.Start())
        return 0;
    ComposeReport(engine, model, record, choice);
    const int pages = engine.CurrentPage();
    engine.Finish();
    return pages;
}

QString WriteReportPdf(const QString& path, const TDisplayModel& model, const TPMData& record, int choice)
{
    // Written beside the target and renamed over it only when complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return "Cannot write " + path + ": " + file.errorString();
    int pages = 0;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(kReportJobTitle);
        pdf.setCreator(kReportJobTitle);
        pdf.setResolution(kPdfResolution);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        pages = PrintReport(pdf, model, record, choice);
    }
    if (pages == 0 || !file.commit())
        return "Cannot write " + path;
    return {};
}
