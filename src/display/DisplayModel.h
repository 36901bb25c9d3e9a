// The display model: what every view of a project shows, computed from the record alone.
// The window renders it, the report prints it and the batch tool prints it as JSON, so all three
// show the same captions, texts and verdicts. No Qt here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Verdict.h"  // TVerdict: how a value is judged, whatever view shows it

class TPMData;

// One value of a row, as the window shows it in one control.
struct TDisplayCell {
    std::string Control;                         // the window's control (object name)
    std::string Text;                            // exactly the text shown; "N.A." for an undefined value
    TVerdict Verdict = TVerdict::NotApplicable;  // its colour or icon; NotApplicable when it is not judged
};

struct TDisplayRow {
    std::string Caption;
    std::string Unit;  // the unit label for the record's units; empty for none
    std::string Hint;
    std::vector<TDisplayCell> Cells;  // one per column; fewer when the row spans
    bool Visible = true;
    std::string Control;  // a row without cells (a note or a group title): its label; else empty
    int Page = 0;         // the load-combination tab (1 to 3) the row sits on; 0 for none
    std::vector<std::string> ColumnTitles;  // headings of its own over its cells; empty for the section's
};

struct TDisplaySection {
    std::string Name;   // the window's panel (object name)
    std::string Title;  // the section heading as shown
    std::vector<std::string> ColumnTitles;
    std::vector<TDisplayRow> Rows;
    bool Visible = true;
};

struct TDisplayModel {
    std::vector<TDisplaySection> Inputs;   // the input column, top to bottom
    std::vector<TDisplaySection> Results;  // the result column, top to bottom
    bool BearingDiagramVisible = true;     // the "BEARING DIAGRAM" tabs
    bool StemWallDiagramVisible = false;   // the "CONTINUOUS REINFORCEMENT" tabs (the stem wall section)

    // The section of either column with this name, or nullptr.
    const TDisplaySection* FindSection(std::string_view name) const;
};

// The display model of a computed record; the record is not changed. Texts follow the limits
// table of the record's own unit system, whatever table is active.
TDisplayModel BuildDisplayModel(const TPMData& record);

// The text of a verdict: "pass", "fail" or "n/a".
const char* VerdictName(TVerdict verdict);
