#include "core/Globals.h"

Real RoundHalfEven(Real v)
{
    if (!std::isfinite(v))
        return v;
    Real lower = std::floor(v);
    Real diff = v - lower;
    if (diff > 0.5L)
        return lower + 1;
    if (diff < 0.5L)
        return lower;
    return std::fmod(lower, 2.0L) == 0 ? lower : lower + 1;
}

Real RoundDecimals(Real v, int decimals)
{
    // Powers of ten up to 10^18 are exact in the extended format; a table avoids powl per call.
    static constexpr Real kPowers[] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L, 1e9L,
                                       1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L};
    const Real scale = decimals >= 0 && decimals <= 18 ? kPowers[decimals] : std::pow(10.0L, decimals);
    return RoundHalfEven(v * scale) / scale;
}

namespace {
constexpr Real kValidStart = 2147483647.0L;
}

Real MinValid(std::initializer_list<Real> values)
{
    Real result = kValidStart;
    for (Real v : values)
        if (!IsNaN(v) && v < result)
            result = v;
    return result == kValidStart ? NaN() : result;
}

Real MaxValid(std::initializer_list<Real> values)
{
    Real result = -kValidStart;
    for (Real v : values)
        if (!IsNaN(v) && v > result)
            result = v;
    return result == -kValidStart ? NaN() : result;
}

Real CheckedDiv(Real numerator, Real divisor)
{
    if (divisor == 0) {
        if (numerator == 0 || IsNaN(numerator))
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return CheckOverflow(numerator / divisor);
}

Real CheckedSqrt(Real v)
{
    if (v < 0)
        throw EInvalidOp();
    return std::sqrt(v);
}

Real CheckedLn(Real v)
{
    if (v < 0)
        throw EInvalidOp();
    if (v == 0)
        throw EZeroDivide();
    return std::log(v);
}

Real CheckOverflow(Real v)
{
    if (std::isinf(v))
        throw EOverflow();
    return v;
}
