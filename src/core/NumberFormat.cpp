#include "core/NumberFormat.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {
TNumberSeparators gSeparators;
}

const TNumberSeparators& NumberSeparators()
{
    return gSeparators;
}

void SetNumberSeparators(char decimalSeparator, char thousandsSeparator)
{
    gSeparators.Decimal = decimalSeparator;
    gSeparators.Thousands = thousandsSeparator;
}

std::string FormatFixed(Real value, int decimals)
{
    if (IsNaN(value))
        return "N.A.";
    if (decimals < 0)
        decimals = 0;
    if (decimals > 18)
        decimals = 18;
    // Round to 10 significant digits first, as a 10-digit fixed display does.
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.9Le", value);
    Real rounded = std::strtold(buffer, nullptr);
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, rounded);
    std::string text = buffer;
    // No "-0.00": a value that shows as zero carries no sign.
    if (!text.empty() && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos)
        text.erase(0, 1);
    for (char& ch : text)
        if (ch == '.')
            ch = gSeparators.Decimal;
    return text;
}

bool TryParseNumber(const std::string& text, Real& value)
{
    // Accept: optional spaces, sign, digits with one decimal separator, optional exponent.
    std::size_t begin = text.find_first_not_of(" \t");
    std::size_t end = text.find_last_not_of(" \t");
    if (begin == std::string::npos)
        return false;
    std::string body = text.substr(begin, end - begin + 1);
    std::string plain;
    std::size_t i = 0;
    if (i < body.size() && (body[i] == '+' || body[i] == '-'))
        plain += body[i++];
    bool digits = false, point = false;
    for (; i < body.size(); ++i) {
        char ch = body[i];
        if (std::isdigit(static_cast<unsigned char>(ch))) {
            digits = true;
            plain += ch;
        } else if (ch == gSeparators.Decimal && !point) {
            point = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (!digits)
        return false;
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-'))
            plain += body[i++];
        bool expDigits = false;
        for (; i < body.size() && std::isdigit(static_cast<unsigned char>(body[i])); ++i) {
            expDigits = true;
            plain += body[i];
        }
        if (!expDigits)
            return false;
    }
    if (i != body.size())
        return false;
    value = std::strtold(plain.c_str(), nullptr);
    return std::isfinite(value);
}
