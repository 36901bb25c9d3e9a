// The Print command and the print menu: the report of the current print choice, to the print
// preview, a printer or a PDF file, as the user chooses in "Output Options".
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>

#include "display/DisplayModel.h"
#include "report/PrintChoice.h"
#include "report/ReportOutput.h"
#include "ui/MainWindow.h"
#include "ui/ModalRunner.h"
#include "ui/OutputOptions.h"
#include "ui/Platform.h"

void TfrmPMMain::PrintMenuPopup()
{
    for (QAction* item : PrintMenu_->actions())
        item->setEnabled(PrintChoiceEnabled(item->data().toInt(), *Data_));
}

void TfrmPMMain::PrintChoiceClick(int tag)
{
    PrintChoice_ = tag;
    FilePrintExecute();
}

void TfrmPMMain::FilePrintExecute()
{
    CommitFocusedInput();
    TfrmOutputOptions options(this);
    if (RunModal(options) != QDialog::Accepted)
        return;
    const TDisplayModel model = BuildDisplayModel(*Data_);
    const TPMData& record = *Data_;
    const int choice = PrintChoice_;
    switch (options.Destination()) {
    case TReportDestination::Preview: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(kReportJobTitle);
        QPrintPreviewDialog preview(&printer, this);
        preview.setWindowTitle("Report Preview");
        connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                [&](QPrinter* device) { PrintReport(*device, model, record, choice); });
        preview.setWindowState(Qt::WindowMaximized);
        if (auto* view = preview.findChild<QPrintPreviewWidget*>()) {
            view->setZoomMode(QPrintPreviewWidget::CustomZoom);
            view->setZoomFactor(1.0);
        }
        RunModal(preview);
        break;
    }
    case TReportDestination::Printer: {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(kReportJobTitle);
        QPrintDialog dialog(&printer, this);
        if (RunModal(dialog) == QDialog::Accepted)
            PrintReport(printer, model, record, choice);
        break;
    }
    case TReportDestination::File: {
        // The project file's name, else the project's name, else the product's.
        QString name = FileName_.isEmpty() ? QString::fromStdString(record.ProjectName).trimmed()
                                           : QFileInfo(FileName_).completeBaseName();
        name.replace(QRegularExpression(R"([\\/:*?"<>|])"), "_");
        if (name.isEmpty())
            name = "Pelmark";
        TFileDialogSpec spec{"Save", "PDF files (*.pdf)", "pdf", Platform().DocumentsDir(), name + ".pdf"};
        const QString path = Platform().SaveFileDialog(this, spec);
        if (path.isEmpty())
            return;
        const QString error = WriteReportPdf(path, model, record, choice);
        if (!error.isEmpty())
            Platform().MessageBox(this, TMsgKind::Error, error, mbOK);
        break;
    }
    }
}
