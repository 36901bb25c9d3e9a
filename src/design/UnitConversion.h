// Converting a project between the unit systems: every stored quantity is expressed in the other
// system with exact factors, the bars become the same or the next larger bars of the family the
// target system uses, and every input is then clamped and rounded as if typed in the target system.
// (Switching the "Units" list does none of this: it reinterprets the numbers.)
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/Units.h"

class TPMData;

// How converting treats one stored input of the record.
enum class TConversionRule {
    Factor,       // multiplied by the factor of its unit
    UnitFree,     // kept: a text, a date, a switch, a count, a dimensionless number or an unused slot
    UnitSystem,   // the unit system itself
    RebarFamily,  // follows the family rule of the target system
    BarSize,      // a bar designation, mapped to a bar of the target family
};

struct TInputConversion {
    TConversionRule Rule;
    std::optional<TUnitKind> Unit;  // for Factor
};

// The rule for an input by its record path ("B", "Stability.Pedestals[2].PzD",
// "Continuous.LoadCases[1].V"); raises for an input it does not know, so that a new field cannot
// be left out silently.
TInputConversion ConversionOf(const std::string& path);

// The rebar family a project takes in a unit system: English units use the US bars; SI keeps the
// European or Canadian family and takes the European bars for the US family.
std::int32_t FamilyInUnits(std::int32_t family, std::uint8_t units);

struct TBarMapping {
    std::int32_t Designation = 0;
    bool Smaller = false;  // the target family has no bar as large: its largest bar is taken
};
// The bar of `toFamily` in `toUnits` for a bar of `fromFamily` in `fromUnits`: the same bar when the
// family stays, otherwise the smallest bar whose area is not smaller. A designation that is not in
// its table stands for the table's first bar, as in the computations.
TBarMapping MapBar(std::int32_t designation, std::int32_t fromFamily, std::uint8_t fromUnits,
                   std::int32_t toFamily, std::uint8_t toUnits);

// Converts the record's inputs to `targetUnits` (0 English, 1 SI); nothing happens when the record
// already uses them. Returns notes for the user: values that the target's limits changed beyond
// rounding and bars that could not be matched. The results are stale until the next ComputeAll.
std::vector<std::string> ConvertProject(TPMData& record, std::uint8_t targetUnits);
