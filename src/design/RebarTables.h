// The built-in rebar families, the table of a record, the window's active table, and the rules of
// the bar-size lists.
//
// The computation looks bars up in the table of the record's own family and units
// (RebarTableOf, FindRebar(record, ...)), so records compute on several threads at once. The
// active table is the window's state: its bar-size lists are filled from it, and the window
// rebuilds it with SelectRebarTable at the start of every display.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TPMData;

struct RebarSize {
    std::int32_t Designation = 0;        // the bar number the user sees (3 for #3, 10 for 10M); 0 = empty row
    std::int32_t MetricDesignation = 0;  // soft-metric number of a US bar (10 for #3); 0 in other families
    double Diameter = 0;                 // nominal diameter: in (English) or mm (SI)
    double Area = 0;                     // nominal area of one bar: in^2 (English) or mm^2 (SI)

    friend bool operator==(const RebarSize&, const RebarSize&) = default;
};

constexpr int kRebarTableRows = 12;
using TRebarTable = std::array<RebarSize, kRebarTableRows>;

enum TRebarFamily : std::int32_t { rfUS = 0, rfEuropean = 1, rfCanadian = 2 };

// The built-in table of a family as stored: US in inches, the others in millimetres.
// 0 is US, 1 European, any other value Canadian.
const TRebarTable& BuiltInRebarTable(std::int32_t family);
// The table of a family expressed in a unit system (0 English, 1 SI). A US table in SI takes the
// metric designations and converts by 25.4 and 645.16; a metric table in English divides by them.
TRebarTable RebarTableFor(std::int32_t family, std::uint8_t units);
// The same tables built once: a shared constant, safe to read from any thread.
const TRebarTable& RebarTableOf(std::int32_t family, std::uint8_t units);
const TRebarTable& RebarTableOf(const TPMData& record);  // Square.RebarFamily and Units

// Rebuilds the active table (and remembers the family and units it was built for).
void SelectRebarTable(std::int32_t family, std::uint8_t units);
void SelectRebarTable(const TPMData& record);  // the record's Square.RebarFamily and Units

// The active table; US in English units before the first selection.
const TRebarTable& ActiveRebarTable();
std::int32_t ActiveRebarFamily();
std::uint8_t ActiveRebarUnits();

// The first row of a table whose designation matches; row 0 when none does, or for 0 (never an error).
RebarSize FindRebarIn(const TRebarTable& table, std::int32_t designation);
RebarSize FindRebar(const TPMData& record, std::int32_t designation);  // in RebarTableOf(record)
RebarSize FindRebar(std::int32_t designation);                         // in the active table

// The list text of a designation: "#3" for the US family in English units, otherwise "10M".
std::string RebarName(std::int32_t designation, std::int32_t family, std::uint8_t units);
std::string RebarName(std::int32_t designation);  // for the active table's family and units

// The items of a bar-size list for the active table: RebarName of every non-empty row, in row order.
std::vector<std::string> RebarSizeItems();

// Filling a list: a list that already holds items is left alone (Refilled = false). Otherwise the
// items of the active table, with the item whose text equals the previously selected text selected,
// or item 0 when there is no such item.
struct TRebarListFill {
    bool Refilled = false;
    std::vector<std::string> Items;
    int Selected = -1;
};
TRebarListFill FillRebarSizeItems(const std::vector<std::string>& currentItems,
                                  const std::string& selectedText);

// The designation of an item text: every "#" and "M" removed, blanks trimmed, read as an integer.
// Text that does not read, or reads as 0, gives the designation of row 0 of the active table.
std::int32_t ReadRebarDesignation(const std::string& itemText);
// The designation of the selected item of a list; no selection (index out of range) reads as
// empty text, i.e. row 0 of the active table.
std::int32_t ReadRebarSizeList(const std::vector<std::string>& items, int selectedIndex);

// The item to select for a designation: the item "#n", else the item "nM", else item 0
// (-1 only for an empty list).
int RebarItemIndex(const std::vector<std::string>& items, std::int32_t designation);
