// Number comparisons that print actual, expected and the relative difference when they fail.
#pragma once

#include <gtest/gtest.h>

#include <cmath>

inline ::testing::AssertionResult NearRelative(long double actual, long double expected,
                                               long double tolerance)
{
    const long double scale = std::fmax(std::fabs(actual), std::fabs(expected));
    const long double diff = std::fabs(actual - expected);
    if (actual == expected || (std::isnan(actual) && std::isnan(expected)) || diff <= tolerance * scale)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "actual " << static_cast<double>(actual) << ", expected " << static_cast<double>(expected)
           << ", relative difference " << static_cast<double>(scale == 0 ? diff : diff / scale);
}

// A printed value: equal to the digits shown, within half a unit of the last printed digit.
inline ::testing::AssertionResult MatchesPrinted(long double actual, long double printed, int decimals)
{
    const long double half = 0.5L * std::pow(10.0L, -decimals);
    if (std::fabs(actual - printed) <= half)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "actual " << static_cast<double>(actual) << " does not print as "
           << static_cast<double>(printed) << " with " << decimals << " decimals";
}
