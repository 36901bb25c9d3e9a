#include "design/RebarTables.h"

#include <charconv>

#include "core/PMClasses.h"
#include "core/Units.h"

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kSquareMillimetresPerSquareInch = 645.16;

// ASTM A615 inch-pound bars with their soft-metric numbers.
constexpr TRebarTable kUSBars{{
    {3, 10, 0.375, 0.11},
    {4, 13, 0.5, 0.2},
    {5, 16, 0.625, 0.31},
    {6, 19, 0.75, 0.44},
    {7, 22, 0.875, 0.6},
    {8, 25, 1.0, 0.79},
    {9, 29, 1.128, 1.0},
    {10, 32, 1.27, 1.27},
    {11, 36, 1.41, 1.56},
    {14, 43, 1.693, 2.25},
    {18, 57, 2.257, 4.0},
    {0, 0, 0, 0},
}};

constexpr TRebarTable kEuropeanBars{{
    {6, 0, 6.0, 28.3},
    {8, 0, 8.0, 50.3},
    {10, 0, 10.0, 78.5},
    {12, 0, 12.0, 113.0},
    {14, 0, 14.0, 154.0},
    {16, 0, 16.0, 201.0},
    {20, 0, 20.0, 314.0},
    {25, 0, 25.0, 491.0},
    {28, 0, 28.0, 616.0},
    {32, 0, 32.0, 804.0},
    {40, 0, 40.0, 1257.0},
    {50, 0, 50.0, 1963.0},
}};

constexpr TRebarTable kCanadianBars{{
    {10, 0, 11.3, 100.0},
    {15, 0, 16.0, 200.0},
    {20, 0, 19.5, 300.0},
    {25, 0, 25.2, 500.0},
    {30, 0, 29.9, 700.0},
    {35, 0, 35.7, 1000.0},
    {45, 0, 43.7, 1500.0},
    {55, 0, 56.4, 2500.0},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 0, 0, 0},
}};

struct TActiveRebar {
    TRebarTable Table = kUSBars;
    std::int32_t Family = rfUS;
    std::uint8_t Units = usEnglish;
};

TActiveRebar& Active()
{
    static TActiveRebar active;
    return active;
}

bool IsTrimmed(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

const TRebarTable& BuiltInRebarTable(std::int32_t family)
{
    if (family == rfUS)
        return kUSBars;
    if (family == rfEuropean)
        return kEuropeanBars;
    return kCanadianBars;
}

TRebarTable RebarTableFor(std::int32_t family, std::uint8_t units)
{
    TRebarTable table = BuiltInRebarTable(family);
    const bool si = units == usSI;
    if (family == rfUS && si) {
        for (RebarSize& row : table) {
            row.Designation = row.MetricDesignation;
            row.Diameter *= kMillimetresPerInch;
            row.Area *= kSquareMillimetresPerSquareInch;
        }
    } else if (family != rfUS && !si) {
        for (RebarSize& row : table) {
            row.Diameter /= kMillimetresPerInch;
            row.Area /= kSquareMillimetresPerSquareInch;
        }
    }
    return table;
}

const TRebarTable& RebarTableOf(std::int32_t family, std::uint8_t units)
{
    // Every family in both unit systems; a family other than US or European is Canadian.
    static const std::array<TRebarTable, 6> tables = [] {
        std::array<TRebarTable, 6> all{};
        for (std::int32_t f = rfUS; f <= rfCanadian; ++f) {
            all[static_cast<std::size_t>(2 * f)] = RebarTableFor(f, usEnglish);
            all[static_cast<std::size_t>(2 * f + 1)] = RebarTableFor(f, usSI);
        }
        return all;
    }();
    const std::int32_t f = family == rfUS || family == rfEuropean ? family : rfCanadian;
    return tables[static_cast<std::size_t>(2 * f + (units == usSI ? 1 : 0))];
}

const TRebarTable& RebarTableOf(const TPMData& record)
{
    return RebarTableOf(record.Square.RebarFamily, record.Units);
}

void SelectRebarTable(std::int32_t family, std::uint8_t units)
{
    TActiveRebar& active = Active();
    active.Table = RebarTableFor(family, units);
    active.Family = family;
    active.Units = units;
}

void SelectRebarTable(const TPMData& record)
{
    SelectRebarTable(record.Square.RebarFamily, record.Units);
}

const TRebarTable& ActiveRebarTable()
{
    return Active().Table;
}
std::int32_t ActiveRebarFamily()
{
    return Active().Family;
}
std::uint8_t ActiveRebarUnits()
{
    return Active().Units;
}

RebarSize FindRebarIn(const TRebarTable& table, std::int32_t designation)
{
    // 0 marks an empty row, never a bar: it falls back to the first bar like any unknown number.
    for (const RebarSize& row : table)
        if (row.Designation != 0 && row.Designation == designation)
            return row;
    return table[0];
}

RebarSize FindRebar(const TPMData& record, std::int32_t designation)
{
    return FindRebarIn(RebarTableOf(record), designation);
}

RebarSize FindRebar(std::int32_t designation)
{
    return FindRebarIn(ActiveRebarTable(), designation);
}

std::string RebarName(std::int32_t designation, std::int32_t family, std::uint8_t units)
{
    if (family == rfUS && units != usSI)
        return "#" + std::to_string(designation);
    return std::to_string(designation) + "M";
}

std::string RebarName(std::int32_t designation)
{
    return RebarName(designation, ActiveRebarFamily(), ActiveRebarUnits());
}

std::vector<std::string> RebarSizeItems()
{
    std::vector<std::string> items;
    for (const RebarSize& row : ActiveRebarTable())
        if (row.Designation != 0)
            items.push_back(RebarName(row.Designation));
    return items;
}

TRebarListFill FillRebarSizeItems(const std::vector<std::string>& currentItems,
                                  const std::string& selectedText)
{
    TRebarListFill fill;
    if (!currentItems.empty())
        return fill;
    fill.Refilled = true;
    fill.Items = RebarSizeItems();
    fill.Selected = fill.Items.empty() ? -1 : 0;
    for (std::size_t i = 0; i < fill.Items.size(); ++i)
        if (fill.Items[i] == selectedText) {
            fill.Selected = static_cast<int>(i);
            break;
        }
    return fill;
}

std::int32_t ReadRebarDesignation(const std::string& itemText)
{
    std::string digits;
    for (char c : itemText)
        if (c != '#' && c != 'M')
            digits += c;
    std::size_t first = 0, last = digits.size();
    while (first < last && IsTrimmed(digits[first]))
        ++first;
    while (last > first && IsTrimmed(digits[last - 1]))
        --last;
    const char* begin = digits.data() + first;
    const char* end = digits.data() + last;
    if (end - begin > 1 && *begin == '+' && begin[1] >= '0' && begin[1] <= '9')
        ++begin;  // "+5" reads as 5

    std::int32_t value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (begin == end || error != std::errc{} || stop != end || value == 0)
        return ActiveRebarTable()[0].Designation;
    return value;
}

std::int32_t ReadRebarSizeList(const std::vector<std::string>& items, int selectedIndex)
{
    const bool selected = selectedIndex >= 0 && static_cast<std::size_t>(selectedIndex) < items.size();
    return ReadRebarDesignation(selected ? items[static_cast<std::size_t>(selectedIndex)] : std::string{});
}

int RebarItemIndex(const std::vector<std::string>& items, std::int32_t designation)
{
    for (const std::string& text : {"#" + std::to_string(designation), std::to_string(designation) + "M"})
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i] == text)
                return static_cast<int>(i);
    return items.empty() ? -1 : 0;
}
