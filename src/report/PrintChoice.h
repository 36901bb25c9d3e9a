// The print choices: which sections of the calculation report a print run includes.
#pragma once

#include <array>

class TPMData;

// Bits of a print choice; 0 prints every section that applies.
inline constexpr int kPrintAll = 0;
inline constexpr int kPrintBearing = 1;
inline constexpr int kPrintStability = 2;
inline constexpr int kPrintReinforcement = 4;

struct TPrintChoiceItem {
    const char* Text;
    int Tag;
};

// The print menu, in order.
inline constexpr std::array<TPrintChoiceItem, 5> kPrintChoiceItems = {{
    {"All Available", 0},
    {"Bearing Capacity", 1},
    {"Bearing Capacity and Stability Analysis", 3},
    {"Bearing Capacity and Reinforcement", 5},
    {"Stability Analysis and Reinforcement", 6},
}};

// Whether the print menu offers the choice for this project.
bool PrintChoiceEnabled(int tag, const TPMData& record);

// The sections a print run of the choice prints.
struct TReportSections {
    bool Bearing = false;
    bool Stability = false;
    bool Square = false;
    bool Continuous = false;

    bool Reinforcement() const { return Square || Continuous; }
};
TReportSections ReportSectionsFor(const TPMData& record, int choice);
