// Runs the composer on a paged device: the print preview, a printer or a PDF file.
#pragma once

#include <QPagedPaintDevice>
#include <QString>

#include "display/DisplayModel.h"

class TPMData;

// The title of every print job and of the PDF document.
inline constexpr const char* kReportJobTitle = "Korvane Pelmark";

// Prints the report of the choice onto the device, footer and images included; returns the
// number of pages, or 0 when the device cannot be painted on.
int PrintReport(QPagedPaintDevice& device, const TDisplayModel& model, const TPMData& record, int choice);

// Writes the report as a PDF file (Letter, fonts embedded); the error text when it fails, else empty.
QString WriteReportPdf(const QString& path, const TDisplayModel& model, const TPMData& record, int choice);
