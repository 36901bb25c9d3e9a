// Rows of the window's section panels, described as data: what each row shows and which control,
// limits tag, unit label and hint it carries, and the record field and verdict of each result.
// The display model and the window's panels are built from these tables. No Qt here.
#pragma once

#include <string>
#include <vector>

#include "core/Units.h"
#include "core/Verdict.h"

class TPMData;
struct TDesignChecks;

// A typed reference to a Real result of the record, and to the verdict of a value.
using TFieldRef = Real (*)(const TPMData&);
using TVerdictRef = TVerdict (*)(const TDesignChecks&);

constexpr int kNoUnit = -1;

enum class TRowKind {
    Input,   // a numeric input edit; its tag comes from the input catalogue
    Result,  // a read-only result edit with the given tag and record field
    List,    // a drop-down list; Items are "|"-separated
    Check,   // a check box
    Button,
    Note,  // a caption on its own (a group title)
};

struct TRowSpec {
    TRowKind Kind;
    const char* Caption;
    const char* Control;
    int Unit = kNoUnit;  // a TUnitKind, or kNoUnit
    const char* Hint = "";
    TFieldRef Field = nullptr;      // result rows: the record field
    int Tag = 0;                    // result rows: the limits tag that sets the decimals
    const char* Items = "";         // list rows
    TVerdictRef Verdict = nullptr;  // result rows: the verdict shown as the text colour, if any
};

struct TSectionSpec {
    const char* Name;  // object name of the section panel
    const char* Title;
    std::vector<TRowSpec> Rows;
};

// The input column, top to bottom; the load-combination section is built by its own table below.
const std::vector<TSectionSpec>& InputSections();

// One page of the load-combination section (n = 1, 2, 3).
const std::vector<TRowSpec>& LoadCombinationRows(int n);
inline constexpr const char* kLoadCombinationNames[3] = {
    "Combination 1 - Wind (1.2D + 1.0W + L)",
    "Combination 2 - Seismic (1.2D + 1.0E + L)",
    "Combination 3 - General (1.2D + 1.6L)",
};

// A row of the result column: up to three values side by side, each with an optional icon.
// A value with an icon shows its verdict by the icon, one without by its text colour.
struct TResultRowSpec {
    const char* Caption;
    const char* Controls[3];
    TFieldRef Fields[3];
    int Tag;
    int Unit = kNoUnit;
    const char* Icons[3] = {nullptr, nullptr, nullptr};
    const char* Hint = "";
    TVerdictRef Verdicts[3] = {nullptr, nullptr, nullptr};
    bool SafetyFactor = false;  // a factor of safety above kSafetyFactorCap shows as the cap
    // Rows whose caption, unit or hint follow the record (nullptr: the fixed one above).
    std::string (*CaptionOf)(const TPMData&) = nullptr;
    int (*UnitOf)(const TPMData&) = nullptr;
    std::string (*HintOf)(const TPMData&) = nullptr;
    // Headings of its own over its values, shown on a line above it, where they differ from the
    // section's column titles.
    std::vector<const char*> ColumnTitles = {};
};

// The largest factor of safety shown; a larger one shows as this.
inline constexpr Real kSafetyFactorCap = 10;

struct TResultSectionSpec {
    const char* Name;
    const char* Title;
    std::vector<const char*> ColumnTitles;
    std::vector<TResultRowSpec> Rows;
};

const std::vector<TResultSectionSpec>& ResultSections();

// The notes under the square footing results, in their order, each shown when its section lies
// beyond the footing: the one-way shear of each direction and the two-way shear.
inline constexpr const char* kSquareNoteLabels[3] = {"Label149", "Label160", "lblPunchingBeyondEdge"};
inline constexpr const char* kPunchingNoteLabel = kSquareNoteLabels[2];
