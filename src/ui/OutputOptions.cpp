#include "ui/OutputOptions.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmOutputOptions::TfrmOutputOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName("frmOutputOptions");
    setWindowTitle("Output Options");
    auto* group = new QGroupBox("Report Destination", this);
    rbPreview = new QRadioButton("Pre&view", group);
    rbPrinter = new QRadioButton("&Printer", group);
    rbFile = new QRadioButton("&File (PDF)", group);
    rbPreview->setObjectName("rbPreview");
    rbPrinter->setObjectName("rbPrinter");
    rbFile->setObjectName("rbFile");
    rbPreview->setChecked(true);
    auto* choices = new QVBoxLayout(group);
    for (QRadioButton* button : {rbPreview, rbPrinter, rbFile})
        choices->addWidget(button);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);
}

TReportDestination TfrmOutputOptions::Destination() const
{
    if (rbPrinter->isChecked())
        return TReportDestination::Printer;
    if (rbFile->isChecked())
        return TReportDestination::File;
    return TReportDestination::Preview;
}
