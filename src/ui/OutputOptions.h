// "Output Options": where a print run goes, the print preview, a printer or a PDF file.
#pragma once

#include <QDialog>

class QRadioButton;

enum class TReportDestination { Preview, Printer, File };

class TfrmOutputOptions : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmOutputOptions(QWidget* parent = nullptr);

    TReportDestination Destination() const;

  private:
    QRadioButton* rbPreview;
    QRadioButton* rbPrinter;
    QRadioButton* rbFile;
};
