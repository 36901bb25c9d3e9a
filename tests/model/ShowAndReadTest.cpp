// Showing and reading an input without its text gives what the text gives, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <random>

#include "core/NumberFormat.h"
#include "core/Units.h"

namespace {

bool SameBits(Real a, Real b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

// The reference: the text the control shows, read back as the window reads it.
Real ByText(Real value, int shownTag, int tag, double minimum, double maximum,
            const TInputLimitsTable& limits)
{
    return ParseInput(FormatInput(value, shownTag, limits), tag, minimum, maximum, limits);
}

TEST(ShowAndReadInput, EqualsTheTextRoundTripForBothSeparators)
{
    std::mt19937_64 rng(1210);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_int_distribution<int> exponent(-9, 17), tags(0, 79), coin(0, 9);
    // Values on and beside decimal ties, near powers of ten, signs, zeros and non-numbers.
    std::vector<Real> values = {0.125L,        0.375L,        2.5L,    -2.5L,          0.005L, 1.005L,
                                9.9999999995L, 99999.99995L,  0.0L,    -0.0L,          1e15L,  1e-6L,
                                999999999.5L,  0.95L,         1e-7L,   123456789.125L, NaN(),  INFINITY,
                                -INFINITY,     150.04999999L, 12.345L, 25.0L};
    for (int i = 0; i < 200000; ++i) {
        Real v = static_cast<Real>(mantissa(rng)) * std::pow(10.0L, exponent(rng));
        if (coin(rng) == 0)
            v = std::round(v * 1000) / 1000 + (coin(rng) < 5 ? 0.0005L : 0);  // ties of 3 decimals
        values.push_back(coin(rng) < 3 ? -v : v);
    }
    for (const auto& [decimal, thousands] : {std::pair{'.', ','}, std::pair{',', '.'}}) {
        SetNumberSeparators(decimal, thousands);
        int mismatches = 0;
        for (std::size_t i = 0; i < values.size(); ++i) {
            const TInputLimitsTable& limits = i % 2 ? SIInputLimits() : EnglishInputLimits();
            const int shownTag = tags(rng), tag = coin(rng) < 8 ? shownTag : tags(rng);
            const double minimum = coin(rng) == 0 ? 0.3 : 0, maximum = coin(rng) == 0 ? 50 : 0;
            const Real expected = ByText(values[i], shownTag, tag, minimum, maximum, limits);
            const Real actual = ShowAndReadInput(values[i], shownTag, tag, minimum, maximum, limits);
            if (!SameBits(actual, expected) && ++mismatches <= 10)
                ADD_FAILURE() << std::setprecision(21) << values[i] << " tag " << shownTag << "/" << tag
                              << ": " << actual << " instead of " << expected << " (separator " << decimal
                              << ")";
        }
    }
    SetNumberSeparators('.', ',');
}

}  // namespace
