#include "core/Units.h"

#include "core/NumberFormat.h"

namespace {

// Decimals of every tag, the same in both systems.
int DecimalsOfTag(int tag)
{
    switch (tag) {
    case 11:
    case 16:
    case 17:
    case 21:
    case 22:
    case 29:
    case 38:
    case 39:
    case 74:
        return 0;
    case 4:
    case 5:
    case 6:
    case 8:
    case 9:
    case 28:
    case 42:
    case 75:
        return 1;
    case 23:
    case 24:
    case 25:
    case 26:
    case 41:
    case 77:
        return 3;
    case 40:
        return 4;
    default:
        return 2;
    }
}

struct TBoundsRow {
    int Tag;
    Real EnglishMin, EnglishMax, SIMin, SIMax;
};

// The entries with bounds; the tables differ only at tags 4 and 6.
constexpr TBoundsRow kBounds[] = {
    {4, 0, 1200, 0, 200}, {5, 0, 40, 0, 40},    {6, 90, 150, 12, 25}, {7, 0, 100, 0, 100},
    {8, 3, 5, 3, 5},      {9, 1, 10, 1, 10},    {10, 1, 15, 1, 15},   {17, 50, 280, 50, 280},
    {38, 2, 100, 2, 100}, {39, 2, 100, 2, 100},
};

TInputLimitsTable MakeTable(bool si)
{
    TInputLimitsTable table{};
    for (int tag = 1; tag <= kInputTagCount; ++tag)
        table[tag] = TInputLimit{0, 0, DecimalsOfTag(tag)};
    for (const TBoundsRow& row : kBounds) {
        table[row.Tag].Min = si ? row.SIMin : row.EnglishMin;
        table[row.Tag].Max = si ? row.SIMax : row.EnglishMax;
    }
    return table;
}

const TInputLimitsTable kEnglish = MakeTable(false);
const TInputLimitsTable kSI = MakeTable(true);
const TInputLimitsTable* gActive = &kEnglish;
std::uint8_t gActiveUnits = usEnglish;

bool HasEntry(int tag)
{
    return tag >= 1 && tag <= kInputTagCount;
}

// Exact definitions of the English units (NIST SP 811, 2008, Appendix B): the foot is 0.3048 m, the
// inch 0.0254 m, the pound-force 4.4482216152605 N, the mile per hour 0.44704 m/s.
constexpr Real kFoot = 0.3048L;                 // m
constexpr Real kInch = 0.0254L;                 // m
constexpr Real kPoundForce = 4.4482216152605L;  // N
constexpr Real kKip = kPoundForce;              // kN
constexpr Real kMilePerHour = 0.44704L;         // m/s

constexpr TUnitLabel kUnitLabels[] = {
    {TUnitKind::Length, "ft", "m", kFoot},
    {TUnitKind::SmallLength, "in", "mm", 1000 * kInch},
    {TUnitKind::Pressure, "psf", "kPa", kKip / (kFoot * kFoot) / 1000},
    {TUnitKind::CohesionGeo, "psf", "kN/m2", kKip / (kFoot * kFoot) / 1000},
    {TUnitKind::UnitWeight, "pcf", "kN/m^3", kKip / (kFoot * kFoot * kFoot) / 1000},
    {TUnitKind::UnitWeightKcf, "kcf", "kN/m^3", kKip / (kFoot * kFoot * kFoot)},
    {TUnitKind::StressKsf, "ksf", "kPa", kKip / (kFoot * kFoot)},
    {TUnitKind::Strength, "ksi", "MPa", kKip / (kInch * kInch) / 1000},
    {TUnitKind::ForceKips, "kips", "kN", kKip},
    {TUnitKind::ForceKip, "kip", "kN", kKip},
    {TUnitKind::MomentKft, "k-ft", "kN-m", kKip* kFoot},
    {TUnitKind::LineLoadKip, "kip/ft", "kN/m", kKip / kFoot},
    {TUnitKind::LineLoad, "plf", "kN/m", kKip / kFoot / 1000},
    {TUnitKind::LineMoment, "lb-ft/ft", "kN-m/m", kKip / 1000},
    {TUnitKind::Speed, "mph", "mps", kMilePerHour},
    {TUnitKind::Angle, "deg", "deg", 1},
    {TUnitKind::SteelArea, "in^2/ft", "mm^2/m", 1e6L * kInch* kInch / kFoot},
    {TUnitKind::Inertia, "in^4", "mm^4", 1e12L * kInch* kInch* kInch* kInch},
    {TUnitKind::Percent, "%", "%", 1},
    {TUnitKind::BarArea, "in^2", "mm^2", 1e6L * kInch* kInch},
};

}  // namespace

const TInputLimitsTable& EnglishInputLimits()
{
    return kEnglish;
}
const TInputLimitsTable& SIInputLimits()
{
    return kSI;
}
const TInputLimitsTable& InputLimitsOf(std::uint8_t units)
{
    return units == usEnglish ? kEnglish : kSI;
}
const TInputLimitsTable& ActiveInputLimits()
{
    return *gActive;
}
std::uint8_t ActiveUnitSystem()
{
    return gActiveUnits;
}

void ActivateInputLimits(std::uint8_t units)
{
    gActiveUnits = units == usEnglish ? usEnglish : usSI;
    gActive = units == usEnglish ? &kEnglish : &kSI;
}

int InputDecimals(int tag)
{
    return HasEntry(tag) ? (*gActive)[tag].Decimals : 2;
}

std::string FormatInput(Real value, int tag)
{
    return FormatInput(value, tag, *gActive);
}

std::string FormatInput(Real value, int tag, const TInputLimitsTable& limits)
{
    if (IsNaN(value))
        return "N.A.";
    int digits = 2;
    if (HasEntry(tag)) {
        const TInputLimit& entry = limits[tag];
        if (entry.HasBounds()) {
            if (value < entry.Min)
                value = entry.Min;
            else if (value > entry.Max)
                value = entry.Max;
        }
        digits = entry.Decimals;
    }
    return FormatFixed(value, digits);
}

Real ParseInput(const std::string& text, int tag, double minimum, double maximum)
{
    return ParseInput(text, tag, minimum, maximum, *gActive);
}

Real ParseInput(const std::string& text, int tag, double minimum, double maximum,
                const TInputLimitsTable& limits)
{
    std::string plain;
    plain.reserve(text.size());
    for (char ch : text)
        if (ch != NumberSeparators().Thousands)
            plain += ch;
    Real value = 0;
    if (!TryParseNumber(plain, value))
        value = 0;
    if (HasEntry(tag) && minimum == 0 && maximum == 0) {
        const TInputLimit& entry = limits[tag];
        if (entry.HasBounds()) {
            if (value < entry.Min)
                value = entry.Min;
            else if (value > entry.Max)
                value = entry.Max;
        }
    }
    if (minimum != 0 && value < minimum)
        value = minimum;
    else if (maximum != 0 && value > maximum)
        value = maximum;
    return value;
}

namespace {
Real ClampToEntry(Real value, const TInputLimit& entry)
{
    if (entry.HasBounds()) {
        if (value < entry.Min)
            return entry.Min;
        if (value > entry.Max)
            return entry.Max;
    }
    return value;
}
}  // namespace

Real ShowAndReadInput(Real value, int shownTag, int tag, double minimum, double maximum,
                      const TInputLimitsTable& limits)
{
    Real read = 0;  // "N.A." reads as 0
    if (!IsNaN(value)) {
        const bool entry = HasEntry(shownTag);
        const Real shown = entry ? ClampToEntry(value, limits[shownTag]) : value;
        read = ShownNumber(shown, entry ? limits[shownTag].Decimals : 2);
    }
    if (HasEntry(tag) && minimum == 0 && maximum == 0)
        read = ClampToEntry(read, limits[tag]);
    if (minimum != 0 && read < minimum)
        read = minimum;
    else if (maximum != 0 && read > maximum)
        read = maximum;
    return read;
}

const TUnitLabel& UnitLabelOf(TUnitKind kind)
{
    for (const TUnitLabel& label : kUnitLabels)
        if (label.Kind == kind)
            return label;
    return kUnitLabels[0];
}

Real EnglishToSIFactor(TUnitKind kind)
{
    return UnitLabelOf(kind).ToSI;
}

const char* UnitText(TUnitKind kind, std::uint8_t units)
{
    const TUnitLabel& label = UnitLabelOf(kind);
    return units == usSI ? label.SI : label.English;
}
