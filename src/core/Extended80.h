// The 10-byte extended-precision format of the project file: little-endian,
// 64-bit significand with an explicit integer bit, 15-bit exponent biased by 16383, sign bit.
// The conversion works on the value, not on the memory image of long double, so it is
// exact wherever Real is the 80-bit format and rounds correctly where Real is narrower.
#pragma once

#include <array>
#include <cstdint>

#include "core/Globals.h"

using TExtended80 = std::array<std::uint8_t, 10>;

TExtended80 EncodeExtended80(Real value);
Real DecodeExtended80(const std::uint8_t* bytes);
inline Real DecodeExtended80(const TExtended80& bytes)
{
    return DecodeExtended80(bytes.data());
}
