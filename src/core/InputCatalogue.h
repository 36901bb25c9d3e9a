// Every numeric input of the record once: where it lives, its control, its limits tag and bounds rule.
// The window shows and reads inputs through it; the batch tool uses it to put inputs into the
// state the window shows (clamped and rounded to their displayed decimals).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "core/StabilityData.h"
#include "core/Units.h"

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
    std::optional<TUnitKind> Unit;  // its unit label; none for a dimensionless input
};

// In the order the window reads them.
const std::vector<TInputField>& InputCatalogue();
const TInputField* FindInput(const std::string& pathOrControl);

// The 20 inputs of a pedestal slot, as the pedestals dialog shows them: the limits tag that sets
// their decimals (no tag of theirs has bounds) and their unit.
struct TPedestalInput {
    const char* Name;  // the member's name, e.g. "PzD"
    Real TPedestal::*Field;
    int Tag;
    TUnitKind Unit;
};
const std::vector<TPedestalInput>& PedestalInputs();

struct TBounds {
    double Minimum = 0;  // 0 = none
    double Maximum = 0;  // 0 = none
};
// The explicit bounds of a field in the record's present state (both 0 for table-bounded fields).
TBounds ExplicitBounds(const TInputField& input, const TPMData& data);

// The shown value of each input of the catalogue for the last value, tag, bounds and table it was
// shown with: a caller that puts many records into the shown state, records that differ in a few
// inputs, formats only those. One memo serves one thread.
class TShownInputsMemo {
  public:
    Real Shown(std::size_t input, Real value, int shownTag, int tag, const TBounds& bounds,
               const TInputLimitsTable& limits);

  private:
    struct TEntry {
        bool Valid = false;
        Real Value = 0;
        int ShownTag = 0;
        TBounds Bounds;
        const TInputLimitsTable* Limits = nullptr;
        Real Shown = 0;
    };
    std::vector<TEntry> Entries_;
};

// Shows every input and reads it back, as the window does after opening a project:
// footing plan defaults, the continuous footing's unit length, clamping and display rounding.
void NormalizeInputsAsShown(TPMData& data, TShownInputsMemo* memo = nullptr);
