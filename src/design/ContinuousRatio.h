// Small arithmetic rules shared by the steps of the continuous footing design.
#pragma once

#include "core/Globals.h"

// A safety ratio, utilisation or eccentricity: undefined (NaN) when an operand is undefined or
// the divisor is exactly 0, instead of an arithmetic fault.
inline Real RatioOrNaN(Real numerator, Real divisor)
{
    if (IsNaN(numerator) || IsNaN(divisor) || divisor == 0)
        return NaN();
    return numerator / divisor;
}

// Lower and upper of two values as comparisons read them: the second operand wins whenever the
// comparison is false, NaN included.
inline Real LowerOf(Real a, Real b)
{
    return a < b ? a : b;
}
inline Real UpperOf(Real a, Real b)
{
    return a > b ? a : b;
}
