#include "report/PrintChoice.h"

#include "core/PMClasses.h"

namespace {

bool Includes(int choice, int bit)
{
    return choice == kPrintAll || (choice & bit) != 0;
}

}  // namespace

bool PrintChoiceEnabled(int tag, const TPMData& record)
{
    const bool square = record.Square.UseSquareReinforcement != 0;
    switch (tag) {
    case 3:
        return record.HasPedestals();
    case 5:
        return square;
    case 6:
        return square && record.HasPedestals();
    default:
        return true;
    }
}

TReportSections ReportSectionsFor(const TPMData& record, int choice)
{
    TReportSections sections;
    sections.Bearing = Includes(choice, kPrintBearing);
    sections.Stability = record.HasPedestals() && Includes(choice, kPrintStability);
    if (Includes(choice, kPrintReinforcement)) {
        sections.Square = record.Square.UseSquareReinforcement != 0;
        sections.Continuous = record.Continuous.UseContinuousReinforcement != 0;
    }
    return sections;
}
