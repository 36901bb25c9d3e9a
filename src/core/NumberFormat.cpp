#include "core/NumberFormat.h"

#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

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
    std::string text;
    if (!std::isfinite(rounded) || std::fabs(rounded) < 1e18L) {
        std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, rounded);
        text = buffer;
    } else {
        // A huge value (a long run of typed digits) is shown whole, never cut: its 10 significant
        // digits and zeros, not the binary expansion that fixed notation would print.
        std::snprintf(buffer, sizeof buffer, "%.9Le", value);  // "-1.234567891e+400"
        const std::string scientific = buffer;
        const std::size_t e = scientific.find('e');
        const int exponent = std::atoi(scientific.c_str() + e + 1);
        for (char ch : scientific.substr(0, e))
            if (ch != '.')
                text += ch;
        text.append(static_cast<std::size_t>(exponent - 9), '0');
        if (decimals > 0)
            text += '.' + std::string(static_cast<std::size_t>(decimals), '0');
    }
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

namespace {

// Powers of ten exact in the 64-bit significand of the extended format (up to 10^27).
constexpr int kExactPowers = 28;
const std::array<long double, kExactPowers> kPow10 = [] {
    std::array<long double, kExactPowers> p{};
    p[0] = 1;
    for (int i = 1; i < kExactPowers; ++i)
        p[static_cast<std::size_t>(i)] = p[static_cast<std::size_t>(i) - 1] * 10;
    return p;
}();
const std::array<std::uint64_t, 20> kPow10Int = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

Real ShownNumberByText(Real value, int decimals)
{
    Real read = 0;
    std::string text = FormatFixed(value, decimals);
    std::string plain;
    for (char ch : text)
        if (ch != gSeparators.Thousands)
            plain += ch;
    return TryParseNumber(plain, read) ? read : 0;
}

bool SeparatorsReadBack()
{
    const char d = gSeparators.Decimal, t = gSeparators.Thousands;
    const bool plainDecimal = d == '.' || d == ',';
    const bool harmlessThousands = t != d && !std::isdigit(static_cast<unsigned char>(t)) && t != '-' &&
                                   t != 'e' && t != 'E' && t != '+';
    return plainDecimal && harmlessThousands;
}

}  // namespace

Real ShownNumber(Real value, int decimals)
{
    decimals = decimals < 0 ? 0 : decimals > 18 ? 18 : decimals;
    if (IsNaN(value) || std::isinf(value))
        return 0;  // "N.A." and "inf" do not read
    if (value == 0)
        return 0;  // "0.00" (a negative zero shows without its sign)
    const Real magnitude = std::fabs(value);
    // Exact only with the extended format and only in this range; elsewhere the text decides.
    if (std::numeric_limits<long double>::digits != 64 || !SeparatorsReadBack() || magnitude < 1e-6L ||
        magnitude >= 1e15L)
        return ShownNumberByText(value, decimals);

    // 10^e <= |v| < 10^(e+1), then the 10 significant digits n1 of %.9Le: |v| = n1 x 10^(e-9).
    int e = static_cast<int>(std::floor(std::log10(static_cast<double>(magnitude))));
    const int shift = 9 - e;  // from -5 to 15
    const Real scaled = shift >= 0 ? magnitude * kPow10[static_cast<std::size_t>(shift)]
                                   : magnitude / kPow10[static_cast<std::size_t>(-shift)];
    if (scaled < 1e9L || scaled >= 1e10L)
        return ShownNumberByText(value, decimals);  // the exponent guess was off near a power of ten
    const Real whole = std::floor(scaled);
    const Real fraction = scaled - whole;
    if (std::fabs(fraction - 0.5L) < 1e-6L)
        return ShownNumberByText(value, decimals);  // at or near a tie: the binary value decides
    std::uint64_t digits = static_cast<std::uint64_t>(whole) + (fraction > 0.5L ? 1 : 0);

    // Then %.*Lf: `decimals` digits of n1 x 10^(e-9).
    const int q = e - 9;
    std::uint64_t m = 0;
    if (q >= -decimals) {
        if (e + decimals > 17)
            return ShownNumberByText(value, decimals);
        m = digits * kPow10Int[static_cast<std::size_t>(q + decimals)];
    } else {
        const int drop = -decimals - q;
        if (drop > 10)
            m = 0;
        else {
            const std::uint64_t unit = kPow10Int[static_cast<std::size_t>(drop)];
            const std::uint64_t rest = digits % unit;
            if (2 * rest == unit)
                return ShownNumberByText(value, decimals);  // a decimal tie: the binary value decides
            m = digits / unit + (2 * rest > unit ? 1 : 0);
        }
    }
    if (m == 0)
        return 0;
    const Real shown = static_cast<Real>(m) / kPow10[static_cast<std::size_t>(decimals)];
    return value < 0 ? -shown : shown;
}
