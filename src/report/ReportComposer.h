// The calculation report: the sections of a print choice, printed through a report engine from
// the display model's captions and texts (exactly what the window shows), with the stability
// listing, the two diagrams and the table of ACI 318-19 load combinations.
#pragma once

#include <QString>

#include "display/DisplayModel.h"

class TPMData;
class TReportEngine;

// Prints the whole report for the choice on the engine (which must have begun its first page).
// The record supplies the listing, the diagrams, the logo and the identification texts.
void ComposeReport(TReportEngine& engine, const TDisplayModel& model, const TPMData& record, int choice);

// Prints a text with inline style marks into the next tab: a grave accent and the character
// after it switch a style ("/" italic on, "\" off, "[" bold on, "]" off, "_" subscript on,
// "-" sub- and superscript off); every other character is printed.
void PrintMarkup(TReportEngine& engine, const QString& text);
