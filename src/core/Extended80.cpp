#include "core/Extended80.h"

#include <cmath>
#include <limits>

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponent = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;

TExtended80 Pack(bool negative, int exponent, std::uint64_t significand)
{
    TExtended80 out{};
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    const unsigned top = (negative ? 0x8000u : 0u) | static_cast<unsigned>(exponent);
    out[8] = static_cast<std::uint8_t>(top & 0xFF);
    out[9] = static_cast<std::uint8_t>(top >> 8);
    return out;
}

}  // namespace

TExtended80 EncodeExtended80(Real value)
{
    const bool negative = std::signbit(value);
    if (std::isnan(value))
        return Pack(negative, kMaxExponent, kIntegerBit | kQuietBit);  // the payload is not kept
    if (std::isinf(value))
        return Pack(negative, kMaxExponent, kIntegerBit);
    if (value == 0)
        return Pack(negative, 0, 0);

    // |value| = m * 2^e with m in [0.5, 1); the stored value is significand / 2^63 * 2^(exponent - bias),
    // so a normal value has the biased exponent e - 1 + bias and the significand m * 2^64.
    // Exponent field 0 stands for 2^(1 - bias) without the integer bit: significand = |value| * 2^16445.
    // Both products are exact when Real is the 80-bit format; a wider Real rounds to nearest.
    int e = 0;
    const Real m = std::frexp(std::fabs(value), &e);
    int exponent = e - 1 + kBias;
    Real scaled = exponent <= 0 ? std::ldexp(std::fabs(value), kBias + 62) : std::ldexp(m, 64);
    if (exponent <= 0)
        exponent = 0;
    if constexpr (std::numeric_limits<Real>::digits > 64)
        scaled = std::nearbyint(scaled);
    const Real two63 = std::ldexp(Real{1}, 63);
    if (scaled >= 2 * two63) {  // rounded up to the next power of two
        scaled = two63;
        ++exponent;
    } else if (exponent == 0 && scaled >= two63) {  // a denormal rounded up to the smallest normal
        exponent = 1;
    }
    if (exponent >= kMaxExponent)
        return Pack(negative, kMaxExponent, kIntegerBit);  // beyond the format: infinity
    const std::uint64_t significand = static_cast<std::uint64_t>(scaled);
    return Pack(negative, exponent, significand);
}

Real DecodeExtended80(const std::uint8_t* bytes)
{
    std::uint64_t significand = 0;
    for (int i = 7; i >= 0; --i)
        significand = (significand << 8) | bytes[i];
    const unsigned top = static_cast<unsigned>(bytes[8]) | (static_cast<unsigned>(bytes[9]) << 8);
    const bool negative = (top & 0x8000u) != 0;
    const int exponent = static_cast<int>(top & 0x7FFFu);

    Real magnitude;
    if (exponent == kMaxExponent) {
        // The integer bit is ignored here: a zero fraction is infinity, anything else NaN.
        magnitude = (significand & ~kIntegerBit) == 0 ? std::numeric_limits<Real>::infinity()
                                                      : std::numeric_limits<Real>::quiet_NaN();
    } else {
        // value = significand * 2^(exponent - bias - 63), exponent 0 counting as 1 (denormals);
        // the conversion of the significand is the only rounding where Real is narrower.
        const int scale = (exponent == 0 ? 1 : exponent) - kBias - 63;
        magnitude = std::ldexp(static_cast<Real>(significand), scale);
    }
    return negative ? -magnitude : magnitude;
}
