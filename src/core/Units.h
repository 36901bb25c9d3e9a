// Unit system: the two input-limits tables, the window's active table, and showing and reading
// inputs. Code that works on a record passes the record's own table (InputLimitsOf(record.Units));
// the active table is the window's state only.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "core/Globals.h"

enum TUnitSystem : std::uint8_t { usEnglish = 0, usSI = 1 };

struct TInputLimit {
    Real Min = 0;
    Real Max = 0;
    std::int32_t Decimals = 2;
    bool HasBounds() const { return Min != 0 || Max != 0; }
};

constexpr int kInputTagCount = 77;
using TInputLimitsTable = std::array<TInputLimit, kInputTagCount + 1>;  // index = tag, 0 unused

const TInputLimitsTable& EnglishInputLimits();
const TInputLimitsTable& SIInputLimits();
// The table of a unit system: 0 English, any other value SI.
const TInputLimitsTable& InputLimitsOf(std::uint8_t units);
// The process-wide table of the current unit system (English from program start).
const TInputLimitsTable& ActiveInputLimits();
void ActivateInputLimits(std::uint8_t units);
std::uint8_t ActiveUnitSystem();

// The text shown for a value in a control of the given tag (clamps the text only).
std::string FormatInput(Real value, int tag, const TInputLimitsTable& limits);
std::string FormatInput(Real value, int tag);  // with the active table
// Reads a control's text: table bounds of the tag, or the explicit bounds (0 = none) instead.
Real ParseInput(const std::string& text, int tag, double minimum, double maximum,
                const TInputLimitsTable& limits);
Real ParseInput(const std::string& text, int tag, double minimum = 0, double maximum = 0);  // active table
// ParseInput(FormatInput(value, shownTag, limits), tag, minimum, maximum, limits), without the text.
Real ShowAndReadInput(Real value, int shownTag, int tag, double minimum, double maximum,
                      const TInputLimitsTable& limits);
// Decimals shown for a tag (2 for a tag without an entry).
int InputDecimals(int tag);

// Unit labels: each quantity kind has an English and an SI text.
enum class TUnitKind {
    Length,         // ft ; m
    SmallLength,    // in ; mm
    Pressure,       // psf ; kPa
    CohesionGeo,    // psf ; kN/m2
    UnitWeight,     // pcf ; kN/m^3
    UnitWeightKcf,  // kcf ; kN/m^3
    StressKsf,      // ksf ; kPa
    Strength,       // ksi ; MPa
    ForceKips,      // kips ; kN
    ForceKip,       // kip ; kN
    MomentKft,      // k-ft ; kN-m
    LineLoadKip,    // kip/ft ; kN/m
    LineLoad,       // plf ; kN/m
    LineMoment,     // lb-ft/ft ; kN-m/m
    Speed,          // mph ; mps
    Angle,          // deg ; deg
    SteelArea,      // in^2/ft ; mm^2/m
    Inertia,        // in^4 ; mm^4
    Percent,        // % ; %
    BarArea,        // in^2 ; mm^2
};

struct TUnitLabel {
    TUnitKind Kind;
    const char* English;
    const char* SI;
    Real ToSI;  // one English unit expressed in the SI unit (1 ft = 0.3048 m)
};

const TUnitLabel& UnitLabelOf(TUnitKind kind);
const char* UnitText(TUnitKind kind, std::uint8_t units);
// The exact factor from the English unit of a kind to its SI unit.
Real EnglishToSIFactor(TUnitKind kind);
