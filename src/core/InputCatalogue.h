// Every numeric input of the record once: where it lives, its control, its limits tag and bounds rule.
// The window shows and reads inputs through it; the batch tool uses it to put inputs into the
// state the window shows (clamped and rounded to their displayed decimals).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/Globals.h"

class TPMData;

enum class TBoundsRule {
    Table,            // the tag's table entry (none when the entry has no bounds)
    FootingPlan,      // B and L: minimum UnitValue(0.3, 1.0), maximum 150 for a Square else 50
    FootingDepth,     // Df: minimum UnitValue(0.3, 1.0), maximum 150 for a Square else 20
    ShrinkageSpacing  // StSpacing: between max(StCover / f, 0.01) and min(UnitValue(0.45, 1.5), W - 2 StCover
                      // / f)
};

enum class TInputSection {
    GeneralData,
    StabilityAnalysis,
    SquareReinforcement,
    Loading,
    ContinuousReinforcement,
    LoadCombinations,
    GeotechnicalProperties,
    StemWallAndFooting,
};

struct TInputField {
    std::string Path;     // record path, e.g. "B", "Square.Fc", "Continuous.LoadCases[0].Pll"
    std::string Control;  // the edit's object name, e.g. "Edit1", "EditLC1_3"
    int Tag;              // limits tag
    TBoundsRule Rule;
    TInputSection Section;
    std::function<Real&(TPMData&)> Field;
};

// In the order the window reads them.
const std::vector<TInputField>& InputCatalogue();
const TInputField* FindInput(const std::string& pathOrControl);

struct TBounds {
    double Minimum = 0;  // 0 = none
    double Maximum = 0;  // 0 = none
};
// The explicit bounds of a field in the record's present state (both 0 for table-bounded fields).
TBounds ExplicitBounds(const TInputField& input, const TPMData& data);

// Shows every input and reads it back, as the window does after opening a project:
// footing plan defaults, the continuous footing's unit length, clamping and display rounding.
void NormalizeInputsAsShown(TPMData& data);
