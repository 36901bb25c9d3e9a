#include <gtest/gtest.h>

#include "core/Cp1252.h"

namespace {
std::string Byte(int b)
{
    return std::string(1, static_cast<char>(b));
}
}  // namespace

// The published Windows-1252 table for 0x80-0x9F; the undefined five map to U+0081 etc.
TEST(Cp1252, DecodesTheHighRowsAsPublished)
{
    struct Case {
        int byte;
        const char* utf8;
    };
    const Case cases[] = {
        {0x80, "\u20AC"},
        {0x81, "\u0081"},
        {0x82, "\u201A"},
        {0x83, "\u0192"},
        {0x84, "\u201E"},
        {0x85, "\u2026"},
        {0x86, "\u2020"},
        {0x87, "\u2021"},
        {0x88, "\u02C6"},
        {0x89, "\u2030"},
        {0x8A, "\u0160"},
        {0x8B, "\u2039"},
        {0x8C, "\u0152"},
        {0x8D, "\u008D"},
        {0x8E, "\u017D"},
        {0x8F, "\u008F"},
        {0x90, "\u0090"},
        {0x91, "\u2018"},
        {0x92, "\u2019"},
        {0x93, "\u201C"},
        {0x94, "\u201D"},
        {0x95, "\u2022"},
        {0x96, "\u2013"},
        {0x97, "\u2014"},
        {0x98, "\u02DC"},
        {0x99, "\u2122"},
        {0x9A, "\u0161"},
        {0x9B, "\u203A"},
        {0x9C, "\u0153"},
        {0x9D, "\u009D"},
        {0x9E, "\u017E"},
        {0x9F, "\u0178"},
        // Latin-1 elsewhere
        {0x41, "A"},
        {0x00, ""},
        {0xA0, "\u00A0"},
        {0xE9, "\u00E9"},
        {0xFF, "\u00FF"},
    };
    for (const Case& c : cases) {
        const std::string expected = c.byte == 0 ? std::string(1, '\0') : std::string(c.utf8);
        EXPECT_EQ(Cp1252ToUtf8(Byte(c.byte)), expected) << std::hex << c.byte;
    }
}

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

TEST(Cp1252, UnmappableAndInvalidInputBecomesQuestionMarks)
{
    struct Case {
        std::string utf8, expected;
    };
    const Case cases[] = {
        {"Caf\u00E9 \u20AC5", "Caf\xE9 \x80"
                              "5"},
        {"\u4E2D", "?"},         // CJK: not in the code page
        {"\U0001F600x", "?x"},   // outside the basic plane
        {"\u0080\u009F", "??"},  // C1 controls other than the five undefined positions
        {"a\xFF"
         "b",
         "a?b"},                  // a byte that starts no sequence
        {"\xC3", "?"},            // a sequence cut short
        {"\xC0\xAF", "??"},       // overlong form of '/'
        {"\xED\xA0\x80", "???"},  // an encoded surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(Utf8ToCp1252(c.utf8), c.expected) << c.utf8;
}
