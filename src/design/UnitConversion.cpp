#include "design/UnitConversion.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <regex>

#include "core/InputCatalogue.h"
#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "design/RebarTables.h"

namespace {

using U = TUnitKind;

// Stored inputs that no edit of the input column shows.
const std::map<std::string, TInputConversion>& OtherInputs()
{
    static const std::map<std::string, TInputConversion> inputs = [] {
        std::map<std::string, TInputConversion> m;
        const TInputConversion unitFree{TConversionRule::UnitFree, {}};
        // Texts, the logo and the date; the shape and the switches; counts; slots that nothing uses.
        for (const char* path : {"Organization",
                                 "Logo",
                                 "ProjectName",
                                 "JobNumber",
                                 "DesignBy",
                                 "Date",
                                 "Shape",
                                 "Reserved1",
                                 "Reserved2",
                                 "Reserved3",
                                 "Reserved4",
                                 "Reserved5",
                                 "Reserved6",
                                 "Reserved7",
                                 "Reserved8",
                                 "Square.UseSquareReinforcement",
                                 "Stability.PedestalCount",
                                 "Continuous.UseContinuousReinforcement",
                                 "Continuous.StemWall.Reserved",
                                 "Continuous.StemWall.Layers"})
            m[path] = unitFree;
        m["Units"] = {TConversionRule::UnitSystem, {}};
        m["Square.RebarFamily"] = {TConversionRule::RebarFamily, {}};
        for (const char* path :
             {"Square.FootingBarSize", "Continuous.StemWall.VertBarSize", "Continuous.StemWall.HorBarSize",
              "Continuous.Footing.FootBarSize", "Continuous.Footing.StBarSize"})
            m[path] = {TConversionRule::BarSize, {}};
        // The reference point of the pedestal positions.
        m["Stability.RefX"] = {TConversionRule::Factor, U::Length};
        m["Stability.RefY"] = {TConversionRule::Factor, U::Length};
        return m;
    }();
    return inputs;
}

TInputConversion FromUnit(const std::optional<TUnitKind>& unit)
{
    return unit ? TInputConversion{TConversionRule::Factor, unit}
                : TInputConversion{TConversionRule::UnitFree, {}};
}

// Walks the record's inputs with their paths.
template <class F> struct TInputWalker {
    F Visit;
    std::string Prefix;

    template <class T> void Input(const char* name, T& value) { Visit(Prefix + name, value); }
    template <class T> void Result(const char*, T&) {}
    template <class G> void Group(const char* name, G& group)
    {
        TInputWalker<F> inner{Visit, Prefix + name + "."};
        group.VisitFields(inner);
    }
    template <class T, std::size_t N> void Array(const char* name, std::array<T, N>& items)
    {
        for (std::size_t i = 0; i < N; ++i) {
            TInputWalker<F> inner{Visit, Prefix + name + "[" + std::to_string(i) + "]."};
            items[i].VisitFields(inner);
        }
    }
};

template <class F> void ForEachInput(TPMData& record, F visit)
{
    TInputWalker<F> walker{visit, ""};
    record.VisitFields(walker);
}

// The shown text of a value as typed into a control of the tag, read back (no bounds).
Real AsTyped(Real value, int tag)
{
    return ParseInput(FormatInput(value, tag), tag);
}

std::string BarName(std::int32_t designation, std::int32_t family, std::uint8_t units)
{
    return RebarName(designation, family, units);
}

}  // namespace

TInputConversion ConversionOf(const std::string& path)
{
    if (const TInputField* input = FindInput(path))
        return FromUnit(input->Unit);
    const auto other = OtherInputs().find(path);
    if (other != OtherInputs().end())
        return other->second;
    static const std::regex pedestal(R"(Stability\.Pedestals\[[0-3]\]\.(\w+))");
    static const std::regex loadCase(R"(Continuous\.LoadCases\[[0-2]\]\.(\w+))");
    std::smatch match;
    if (std::regex_match(path, match, pedestal)) {
        for (const TPedestalInput& input : PedestalInputs())
            if (match[1] == input.Name)
                return {TConversionRule::Factor, input.Unit};
    } else if (std::regex_match(path, match, loadCase)) {
        // A slot without a control in this combination has the unit of the same input of another one.
        for (int n = 0; n < 3; ++n)
            if (const TInputField* input =
                    FindInput("Continuous.LoadCases[" + std::to_string(n) + "]." + match[1].str()))
                return FromUnit(input->Unit);
    }
    throw EPelmarkError("No unit conversion is known for the input \"" + path + "\".");
}

std::int32_t FamilyInUnits(std::int32_t family, std::uint8_t units)
{
    if (units != usSI)
        return rfUS;
    return family == rfUS ? rfEuropean : family;
}

TBarMapping MapBar(std::int32_t designation, std::int32_t fromFamily, std::uint8_t fromUnits,
                   std::int32_t toFamily, std::uint8_t toUnits)
{
    const TRebarTable from = RebarTableFor(fromFamily, fromUnits);
    const TRebarTable to = RebarTableFor(toFamily, toUnits);
    int row = 0;
    for (int i = 0; i < kRebarTableRows; ++i)
        if (from[i].Designation == designation) {
            row = i;
            break;
        }
    if (fromFamily == toFamily)
        return {to[row].Designation, false};
    // Areas compared in square millimetres; areas within 0.1 % count as equal, as the tables round
    // them (#5's 0.31 in^2 is 199.9996 mm^2, the same bar area as 15M's 200 mm^2).
    const Real area = RebarTableFor(fromFamily, usSI)[row].Area * (1 - 1e-3L);
    const TRebarTable candidates = RebarTableFor(toFamily, usSI);
    int largest = 0;
    for (int i = 0; i < kRebarTableRows; ++i) {
        if (to[i].Designation == 0)
            continue;
        if (candidates[i].Area >= area)
            return {to[i].Designation, false};
        largest = i;
    }
    return {to[largest].Designation, true};
}

std::vector<std::string> ConvertProject(TPMData& record, std::uint8_t targetUnits)
{
    const std::uint8_t fromUnits = record.Units == usSI ? usSI : usEnglish;
    const std::uint8_t toUnits = targetUnits == usSI ? usSI : usEnglish;
    if (fromUnits == toUnits)
        return {};
    std::vector<std::string> notes;

    // What the record links before the numbers change: the square footing plan with the stability
    // footing, and the allowable net bearing capacity with the computed allowable pressure.
    const Real fromPlanFactor = fromUnits == usSI ? 1000 : 12;
    auto same = [](Real a, Real b) { return std::fabs(a - b) <= 1e-9L * std::fabs(b); };
    const bool planLinked = same(record.Square.FootingDim1, fromPlanFactor * record.Stability.StabL) &&
                            same(record.Square.FootingDim2, fromPlanFactor * record.Stability.StabB);
    const bool netBearingLinked = record.AllowNetBearingIsLinked();

    // 1. Every quantity in the target's units, by the exact factor of its unit.
    const std::int32_t fromFamily = record.Square.RebarFamily;
    const std::int32_t toFamily = FamilyInUnits(fromFamily, toUnits);
    ForEachInput(record, [&](const std::string& path, auto& value) {
        const TInputConversion rule = ConversionOf(path);
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, Real>) {
            if (rule.Rule == TConversionRule::Factor) {
                const Real factor = EnglishToSIFactor(*rule.Unit);
                value = toUnits == usSI ? value * factor : value / factor;
            }
        } else if constexpr (std::is_same_v<T, std::int32_t>) {
            if (rule.Rule == TConversionRule::BarSize) {
                const TBarMapping bar = MapBar(value, fromFamily, fromUnits, toFamily, toUnits);
                if (bar.Smaller)
                    notes.push_back("No bar of the target family is as large as " +
                                    BarName(value, fromFamily, fromUnits) + "; " +
                                    BarName(bar.Designation, toFamily, toUnits) + " is used for " + path +
                                    ".");
                value = bar.Designation;
            }
        }
    });

    // 2. The unit system and the family it uses.
    record.SetUnitSystem(toUnits);
    record.Square.RebarFamily = toFamily;

    // 3. Every input as if typed in the target system: clamped to its limits, rounded to its decimals.
    std::vector<Real> converted;
    for (const TInputField& input : InputCatalogue())
        converted.push_back(input.Field(record));
    NormalizeInputsAsShown(record);
    for (std::size_t i = 0; i < converted.size(); ++i) {
        const TInputField& input = InputCatalogue()[i];
        const Real shown = input.Field(record);
        const bool followsAnother = (input.Path == "L" && record.Shape != shRectangle) ||
                                    (input.Path.rfind("Stability.Stab", 0) == 0 && converted[i] == 0);
        const Real rounding = 0.5L * std::pow(10.0L, -InputDecimals(input.Tag));
        if (!followsAnother && !IsNaN(converted[i]) &&
            std::fabs(shown - converted[i]) > rounding * (1 + 1e-9L)) {
            char text[160];
            std::snprintf(text, sizeof text, "%s: %s becomes %s (the limits of %s units).",
                          input.Path.c_str(), FormatFixed(converted[i], InputDecimals(input.Tag) + 2).c_str(),
                          FormatInput(shown, input.Tag).c_str(), toUnits == usSI ? "SI" : "English");
            notes.push_back(text);
        }
    }
    for (TPedestal& pedestal : record.Stability.Pedestals)
        for (const TPedestalInput& input : PedestalInputs())
            pedestal.*input.Field = AsTyped(pedestal.*input.Field, input.Tag);

    // 4. The links again. The square footing plan, the finer of the two, stays the source of the
    // stability footing; a linked net bearing capacity is unset, so that it follows the allowable
    // pressure computed in the target system, and the pressures of the old system are forgotten.
    if (planLinked) {
        const Real toPlanFactor = toUnits == usSI ? 1000 : 12;
        record.Stability.StabL = record.Square.FootingDim1 / toPlanFactor;
        record.Stability.StabB = record.Square.FootingDim2 / toPlanFactor;
    }
    if (netBearingLinked)
        record.AllowNetBearing = 0;
    record.QallTerzaghi = NaN();
    record.QallVesic = NaN();
    return notes;
}
