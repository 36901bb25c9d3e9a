#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "core/Extended80.h"

namespace {

TExtended80 Bytes(std::uint16_t signAndExponent, std::uint64_t significand)
{
    TExtended80 out{};
    for (int i = 0; i < 8; ++i)
        out[i] = static_cast<std::uint8_t>(significand >> (8 * i));
    out[8] = static_cast<std::uint8_t>(signAndExponent);
    out[9] = static_cast<std::uint8_t>(signAndExponent >> 8);
    return out;
}

bool SameBits(Real a, Real b)
{
    return EncodeExtended80(a) == EncodeExtended80(b) && std::signbit(a) == std::signbit(b);
}

constexpr bool kRealIsExtended = std::numeric_limits<Real>::digits == 64;

}  // namespace

// Hand-encoded values: value = significand / 2^63 * 2^(exponent - 16383).
TEST(Extended80, EncodesAndDecodesHandWorkedValues)
{
    struct Case {
        Real value;
        std::uint16_t top;
        std::uint64_t significand;
    };
    const Case cases[] = {
        {1.0L, 0x3FFF, 0x8000000000000000},   // 1 = 1.0 * 2^0
        {0.5L, 0x3FFE, 0x8000000000000000},   // 2^-1
        {10.0L, 0x4002, 0xA000000000000000},  // 1.25 * 2^3
        {-2.0L, 0xC000, 0x8000000000000000},  // sign bit, 2^1
        {0.75L, 0x3FFE, 0xC000000000000000},  // 1.5 * 2^-1
        {0.0L, 0x0000, 0},
        {-0.0L, 0x8000, 0},
        {std::numeric_limits<Real>::infinity(), 0x7FFF, 0x8000000000000000},
        {-std::numeric_limits<Real>::infinity(), 0xFFFF, 0x8000000000000000},
    };
    for (const Case& c : cases) {
        const TExtended80 expected = Bytes(c.top, c.significand);
        EXPECT_EQ(EncodeExtended80(c.value), expected) << static_cast<double>(c.value);
        const Real back = DecodeExtended80(expected);
        EXPECT_EQ(back, c.value);
        EXPECT_EQ(std::signbit(back), std::signbit(c.value));
    }
}

TEST(Extended80, NaNKeepsItsSignAndComesBackQuiet)
{
    for (std::uint16_t top : {std::uint16_t{0x7FFF}, std::uint16_t{0xFFFF}}) {
        const TExtended80 quiet = Bytes(top, 0xC000000000000000);
        const Real value = DecodeExtended80(quiet);
        EXPECT_TRUE(std::isnan(value));
        EXPECT_EQ(EncodeExtended80(value), quiet);
    }
    EXPECT_EQ(EncodeExtended80(NaN()), Bytes(0x7FFF, 0xC000000000000000));
    // Any non-zero fraction under the top exponent is a NaN, the integer bit set or not.
    EXPECT_TRUE(std::isnan(DecodeExtended80(Bytes(0x7FFF, 0x8000000000000001))));
    EXPECT_TRUE(std::isnan(DecodeExtended80(Bytes(0x7FFF, 0x4000000000000000))));
}

TEST(Extended80, DenormalsAndTheNormalBoundaryStayExact)
{
    if (!kRealIsExtended)
        GTEST_SKIP() << "Real has no 80-bit denormals here";
    struct Case {
        std::uint16_t top;
        std::uint64_t significand;
        Real value;
    };
    const Case cases[] = {
        {0x0000, 1, std::ldexp(1.0L, -16445)},   // smallest denormal
        {0x8000, 3, -std::ldexp(3.0L, -16445)},  // negative denormal
        {0x0000, 0x7FFFFFFFFFFFFFFF, std::ldexp(1.0L, -16382) - std::ldexp(1.0L, -16445)},  // largest
        {0x0001, 0x8000000000000000, std::ldexp(1.0L, -16382)},                             // smallest normal
        {0x7FFE, 0xFFFFFFFFFFFFFFFF, std::numeric_limits<Real>::max()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeExtended80(Bytes(c.top, c.significand)), c.value);
        EXPECT_EQ(EncodeExtended80(c.value), Bytes(c.top, c.significand));
    }
}

TEST(Extended80, RandomValuesRoundTripBitForBit)
{
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t bits = random();
        const auto top = static_cast<std::uint16_t>(random());
        std::uint16_t exponent = top & 0x7FFF;
        std::uint64_t significand;
        if (kRealIsExtended) {
            // Canonical encodings only: the integer bit is set exactly when the exponent is not 0.
            significand = exponent == 0 ? bits & ~(std::uint64_t{1} << 63) : bits | (std::uint64_t{1} << 63);
        } else {
            // A narrower Real holds 53 significant bits within the double range.
            exponent = static_cast<std::uint16_t>(16383 - 1000 + exponent % 2000);
            significand = (bits | (std::uint64_t{1} << 63)) & ~std::uint64_t{0x7FF};
        }
        if (exponent == 0x7FFF)
            continue;  // infinities and NaNs are covered above
        const TExtended80 encoded = Bytes(static_cast<std::uint16_t>((top & 0x8000) | exponent), significand);
        const Real value = DecodeExtended80(encoded);
        ASSERT_EQ(EncodeExtended80(value), encoded) << i;
        ASSERT_TRUE(SameBits(DecodeExtended80(EncodeExtended80(value)), value));
    }
}

// Where Real is the 80-bit format, its memory image holds the same ten bytes: a check of the
// arithmetic codec against the hardware, not a way the codec works.
TEST(Extended80, AgreesWithTheMachineFormat)
{
    if (!kRealIsExtended || std::numeric_limits<Real>::max_exponent != 16384)
        GTEST_SKIP() << "Real is not the x87 format here";
    std::mt19937_64 random(7);
    for (int i = 0; i < 2000; ++i) {
        const Real value = std::ldexp(static_cast<Real>(random()), static_cast<int>(random() % 400) - 200) *
                           ((random() & 1) ? -1 : 1);
        unsigned char image[sizeof(Real)] = {};
        std::memcpy(image, &value, sizeof value);
        const TExtended80 encoded = EncodeExtended80(value);
        ASSERT_EQ(std::memcmp(image, encoded.data(), 10), 0) << i;
    }
}
