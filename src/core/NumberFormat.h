// The locale's decimal and thousands separators, a process setting.
// The window initialises them from the system locale; tests set them explicitly.
#pragma once

struct TNumberSeparators {
    char Decimal = '.';
    char Thousands = ',';
};

const TNumberSeparators& NumberSeparators();
void SetNumberSeparators(char decimalSeparator, char thousandsSeparator);

#include <string>

#include "core/Globals.h"

// Fixed notation rounded to 10 significant digits, `decimals` digits after the separator.
std::string FormatFixed(Real value, int decimals);
// The number FormatFixed(value, decimals) reads back as (TryParseNumber, 0 when it does not read),
// computed without the text where that is exact: showing and reading every input of a record is
// on the path of every study case.
Real ShownNumber(Real value, int decimals);
// Reads a number written with the process separators; false when the text is not a number.
bool TryParseNumber(const std::string& text, Real& value);
