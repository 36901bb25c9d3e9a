// Reading project files of every version. The fixtures in tests/data/files are written byte by
// byte from the file layout by make_fixtures.py; its docstring lists the value of every field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/ByteSink.h"
#include "core/Extended80.h"
#include "core/Jpeg.h"
#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "core/Units.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Fixture(const std::string& name)
{
    std::ifstream file(std::string(PELMARK_TEST_DATA) + "/files/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return Bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Same value, sign and (for the 80-bit fields) every bit.
#define EXPECT_BITS(actual, expected)                                                                        \
    EXPECT_EQ(EncodeExtended80(actual), EncodeExtended80(expected))                                          \
        << #actual << " = " << static_cast<double>(actual)

// Numbered fields of the layout hold # + 0.5 in the fixtures.
constexpr Real Num(int n)
{
    return n + 0.5L;
}

constexpr Real kSentinel = 7777;  // a previous project's value in the fields a reset keeps

// The record as Open prepares it: the previous project's fields, then the reset.
TPMData PreparedRecord()
{
    TPMData r;
    auto& s = r.Square;
    for (Real* f :
         {&s.Fc, &s.Fy, &s.FootingDim1, &s.FootingDim2, &s.ColumnDim1, &s.ColumnDim2, &s.FootingThickness,
          &s.AxialDeadLoad, &s.AxialLiveLoad, &s.ClearCover, &s.NumBars1, &s.NumBars2})
        *f = kSentinel;
    s.RebarFamily = s.FootingBarSize = 77;
    s.UseSquareReinforcement = 1;
    auto& t = r.Stability;
    for (Real* f : {&t.RefX, &t.RefY, &t.StabL, &t.StabB, &t.StabT, &t.GammaC, &t.SoilCover, &t.GammaS, &t.Kp,
                    &t.SlidingFriction, &t.Surcharge, &t.QAllowStab})
        *f = kSentinel;
    t.PedestalCount = 3;
    t.Pedestals[3].MyW = kSentinel;
    r.Continuous.UseContinuousReinforcement = 1;
    r.Continuous.Footing.StSpacing = kSentinel;
    r.ResetRecord();
    return r;
}

enum TBlockId { blk1, blk2, blk21, blk4, blk401 };

void ExpectVersion1Block(const TPMData& r, bool logo, std::uint8_t units)
{
    EXPECT_EQ(r.Organization, "Caf\u00E9 \u20AC \u0081");
    EXPECT_EQ(r.Logo, logo ? Fixture("logo.jpg") : Bytes{});
    EXPECT_EQ(r.ProjectName, "Project 7");
    EXPECT_EQ(r.JobNumber, "J-42");
    EXPECT_EQ(r.DesignBy, "A. Engineer");
    EXPECT_EQ(r.Date, 45000.0);
    EXPECT_EQ(r.Units, units);
    EXPECT_EQ(ActiveUnitSystem(), units);
    EXPECT_EQ(r.Shape, 3);
    const Real fields[] = {r.B, r.L, r.Df, r.C, r.Phi, r.Gamma, r.Dw, r.FS};
    for (int i = 0; i < 8; ++i)
        EXPECT_BITS(fields[i], Num(9 + i));
    EXPECT_BITS(r.Reserved1, 1 + std::ldexp(1.0L, -63));
    EXPECT_BITS(r.Reserved2, -0.0L);
    EXPECT_BITS(r.AllowNetBearing, Num(19));
    EXPECT_BITS(r.Reserved3, std::ldexp(1.0L, -16445));
    const Real rest[] = {r.Reserved4, r.Reserved5, r.Reserved6, r.Reserved7, r.Reserved8};
    for (int i = 0; i < 5; ++i)
        EXPECT_BITS(rest[i], Num(21 + i));
}

void ExpectVersion2Block(const TPMData& r, bool present)
{
    const auto& s = r.Square;
    EXPECT_EQ(s.UseSquareReinforcement, present ? 1 : 0);
    const Real fields[] = {s.Fc,
                           s.Fy,
                           s.FootingDim1,
                           s.FootingDim2,
                           s.ColumnDim1,
                           s.ColumnDim2,
                           s.FootingThickness,
                           s.AxialDeadLoad,
                           s.AxialLiveLoad,
                           s.ClearCover,
                           s.NumBars1,
                           s.NumBars2};
    for (int i = 0; i < 12; ++i)
        EXPECT_BITS(fields[i], present ? Num(28 + i) : kSentinel);
    EXPECT_EQ(s.RebarFamily, present ? 2 : 77);
    EXPECT_EQ(s.FootingBarSize, present ? 19 : 77);
}

void ExpectVersion21Block(const TPMData& r, bool present)
{
    const auto& t = r.Stability;
    const Real fields[] = {t.RefX,      t.RefY,   t.StabL, t.StabB,           t.StabT,     t.GammaC,
                           t.SoilCover, t.GammaS, t.Kp,    t.SlidingFriction, t.Surcharge, t.QAllowStab};
    for (int i = 0; i < 12; ++i)
        EXPECT_BITS(fields[i], present ? Num(42 + i) : kSentinel);
    EXPECT_EQ(t.PedestalCount, present ? 2 : 0);
    for (int s = 0; s < 4; ++s) {
        const auto& p = t.Pedestals[s];
        const Real inputs[] = {p.Xp,  p.Yp,  p.Lpx, p.Lpy, p.H,   p.PzD, p.PzL, p.PzW, p.HxD, p.HxL,
                               p.HxW, p.HyD, p.HyL, p.HyW, p.MxD, p.MxL, p.MxW, p.MyD, p.MyL, p.MyW};
        for (int j = 0; j < 20;
             ++j)  // slot s+1, input j+1: 100 (s+1) + (j+1) + 0.25, slots beyond the count too
            EXPECT_BITS(inputs[j], present ? 100 * (s + 1) + (j + 1) + 0.25L : 0);
    }
}

void ExpectVersion4Block(const TPMData& r, bool present)
{
    const auto& c = r.Continuous;
    EXPECT_EQ(c.UseContinuousReinforcement, present ? 1 : 0);
    const Real fields[] = {c.Fc, c.Fy,    c.Gc, c.H,  c.Tw,  c.W,   c.Tf, c.GrH, c.GrL,
                           c.K,  c.Gamma, c.Pa, c.Pp, c.Ign, c.Phi, c.C,  c.QAll};
    for (int i = 0; i < 17; ++i)
        EXPECT_BITS(fields[i], present ? Num(57 + i) : 0);
    EXPECT_EQ(c.StemWall.Reserved, present ? -74 : 0);
    EXPECT_EQ(c.StemWall.VertBarSize, present ? 5 : 0);
    EXPECT_EQ(c.StemWall.Layers, present ? 2 : 0);
    EXPECT_BITS(c.StemWall.VertCover, present ? Num(77) : 0);
    EXPECT_BITS(c.StemWall.VertSpacing, present ? Num(78) : 0);
    EXPECT_EQ(c.StemWall.HorBarSize, present ? 4 : 0);
    EXPECT_BITS(c.StemWall.HorSpacing, present ? Num(80) : 0);
    for (int k = 0; k < 3; ++k) {
        const auto& lc = c.LoadCases[k];
        const Real inputs[] = {lc.Pll, lc.Pdl, lc.Mll, lc.Mdl, lc.Vll, lc.Vdl,
                               lc.Vht, lc.V,   lc.Kz,  lc.Kzt, lc.Cf,  lc.Sds};
        for (int j = 0; j < 12; ++j)  // combination k+1, input j+1: 1000 (k+1) + (j+1) + 0.75
            EXPECT_BITS(inputs[j], present ? 1000 * (k + 1) + (j + 1) + 0.75L : 0);
    }
    EXPECT_EQ(c.Footing.FootBarSize, present ? 6 : 0);
    EXPECT_BITS(c.Footing.FootCover, present ? Num(83) : 0);
    EXPECT_BITS(c.Footing.FootSpacing, present ? Num(84) : 0);
}

void ExpectVersion401Block(const TPMData& r, bool present)
{
    EXPECT_EQ(r.Continuous.Footing.StBarSize, present ? 3 : 0);
    EXPECT_BITS(r.Continuous.Footing.StCover, present ? Num(86) : 0);
    EXPECT_BITS(r.Continuous.Footing.StSpacing, present ? Num(87) : 0);
}

// Which blocks a load took, judged by one field of each.
TBlockId LastBlockRead(const TPMData& r)
{
    if (r.Continuous.Footing.StBarSize == 3)
        return blk401;
    if (r.Continuous.UseContinuousReinforcement == 1)
        return blk4;
    if (r.Stability.PedestalCount == 2)
        return blk21;
    if (r.Square.UseSquareReinforcement == 1)
        return blk2;
    return blk1;
}

Bytes WithVersionText(Bytes bytes, const std::string& text)
{
    bytes[51] = static_cast<std::uint8_t>(text.size());
    std::memset(&bytes[52], 0, 12);
    std::memcpy(&bytes[52], text.data(), text.size());
    return bytes;
}

void ExpectRefused(const Bytes& bytes, const std::string& what)
{
    TPMData r = PreparedRecord();
    const Bytes before = r.SaveProjectToBytes();
    try {
        r.LoadProjectFromBytes(bytes);
        ADD_FAILURE() << what << ": accepted";
    } catch (const EWrongFileFormat& e) {
        EXPECT_STREQ(e.what(), "Wrong file format") << what;
    }
    EXPECT_EQ(r.SaveProjectToBytes(), before) << what << ": the record changed";
    EXPECT_EQ(ActiveUnitSystem(), 0) << what;
}

class ProjectFileRead : public ::testing::Test {
  protected:
    void TearDown() override
    {
        SetNumberSeparators('.', ',');
        ActivateInputLimits(0);
    }
};

}  // namespace

TEST_F(ProjectFileRead, ReadsEveryVersionFieldForField)
{
    struct Case {
        const char* file;
        TBlockId last;
        bool logo;
        std::uint8_t units;
    };
    const Case cases[] = {
        {"v1_0.kpm", blk1, true, 0}, {"v2_0.kpm", blk2, false, 0},   {"v2_1.kpm", blk21, true, 0},
        {"v4_0.kpm", blk4, true, 1}, {"v4_01.kpm", blk401, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        TPMData r = PreparedRecord();
        r.LoadProject(std::string(PELMARK_TEST_DATA) + "/files/" + c.file);
        ExpectVersion1Block(r, c.logo, c.units);
        ExpectVersion2Block(r, c.last >= blk2);
        ExpectVersion21Block(r, c.last >= blk21);
        ExpectVersion4Block(r, c.last >= blk4);
        ExpectVersion401Block(r, c.last >= blk401);
        ActivateInputLimits(0);
    }
}

// A version reaches a gate when it is at least the gate; the version text's first point is
// the locale's decimal separator.
TEST_F(ProjectFileRead, VersionTextSelectsTheBlocks)
{
    struct Case {
        const char* text;
        char decimal;
        TBlockId last;
    };
    const Case cases[] = {
        {"1.0", '.', blk1},    {"1", '.', blk1},      {"0.5", '.', blk1},    {"2", '.', blk2},
        {"2.05", '.', blk2},   {"2.1", '.', blk21},   {"2.10", '.', blk21},  {"3.99", '.', blk21},
        {"4", '.', blk4},      {"4.00", '.', blk4},   {"4.01", '.', blk401}, {"4.010", '.', blk401},
        {"4.01", ',', blk401}, {"4,01", ',', blk401}, {"2.1", ',', blk21},
    };
    const Bytes full = Fixture("v4_01.kpm");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " with separator " + c.decimal);
        SetNumberSeparators(c.decimal, c.decimal == '.' ? ',' : '.');
        TPMData r = PreparedRecord();
        r.LoadProjectFromBytes(WithVersionText(full, c.text));
        EXPECT_EQ(LastBlockRead(r), c.last);
        ActivateInputLimits(0);
    }
}

TEST_F(ProjectFileRead, RefusesForeignAndNewerHeaders)
{
    const Bytes full = Fixture("v4_01.kpm");
    struct Case {
        const char* text;
        char decimal;
    };
    for (const Case& c : {Case{"4.02", '.'},
                          {"5", '.'},
                          {"999", '.'},
                          {"4,01", '.'},
                          {"4.01.", ','},
                          {"abc", '.'},
                          {"", '.'},
                          {"4.01x", '.'}}) {
        SetNumberSeparators(c.decimal, c.decimal == '.' ? ',' : '.');
        ExpectRefused(WithVersionText(full, c.text), std::string("version ") + c.text);
    }
    SetNumberSeparators('.', ',');

    Bytes longVersion = full;
    longVersion[51] = 13;  // more than the field's 12 bytes
    ExpectRefused(longVersion, "version length 13");

    Bytes shortName = full;
    shortName[0] = 14;  // "Korvane Pelma" + "r": the right text, one byte short
    ExpectRefused(shortName, "name length 14");
    Bytes longName = full;
    longName[0] = 16;  // the text and the first padding byte
    ExpectRefused(longName, "name length 16");
    Bytes otherName = full;
    otherName[15] = 'K';  // "Korvane PelmarK"
    ExpectRefused(otherName, "other name");
    ExpectRefused(Bytes(full.begin(), full.begin() + 63), "short header");
    ExpectRefused(Bytes(2660, 0), "zeros");
}

TEST_F(ProjectFileRead, EveryTruncationIsRefusedAndLeavesTheRecordAlone)
{
    const Bytes full = Fixture("v4_01.kpm");
    for (std::size_t size = 0; size < full.size(); ++size)
        ExpectRefused(Bytes(full.begin(), full.begin() + size), "cut at " + std::to_string(size));
    // A file longer than its version's blocks is read up to them.
    Bytes longer = full;
    longer.push_back(0x55);
    TPMData r = PreparedRecord();
    r.LoadProjectFromBytes(longer);
    EXPECT_EQ(LastBlockRead(r), blk401);
}

TEST_F(ProjectFileRead, RefusesImpossibleTextAndPictureLengths)
{
    const Bytes full = Fixture("v4_01.kpm");
    // Body: Organization text at 64 (2 + 8 bytes), picture length at 74, JPEG at 82.
    const Bytes body(full.begin() + 74 + 8 + 650, full.end());  // from ProjectName on
    auto withPicture = [&](std::int64_t length, const Bytes& data) {
        Bytes out(full.begin(), full.begin() + 74);
        for (int i = 0; i < 8; ++i)
            out.push_back(static_cast<std::uint8_t>(static_cast<std::uint64_t>(length) >> (8 * i)));
        out.insert(out.end(), data.begin(), data.end());
        out.insert(out.end(), body.begin(), body.end());
        return out;
    };
    const std::size_t left = body.size();  // what follows the length when the picture is empty
    ExpectRefused(withPicture(-1, {}), "picture length -1");
    ExpectRefused(withPicture(INT64_MIN, {}), "picture length min");
    ExpectRefused(withPicture(static_cast<std::int64_t>(left) + 1, {}), "picture longer than the file");
    ExpectRefused(withPicture(INT64_MAX, {}), "picture length max");

    auto withOrganization = [&](std::size_t length) {
        Bytes out(full.begin(), full.begin() + 64);
        out.push_back(static_cast<std::uint8_t>(length));
        out.push_back(static_cast<std::uint8_t>(length >> 8));
        out.insert(out.end(), length, 'a');
        out.insert(out.end(), full.begin() + 74, full.end());
        return out;
    };
    ExpectRefused(withOrganization(256), "text length 256");
    ExpectRefused(withOrganization(65535), "text length 65535");
    TPMData r = PreparedRecord();
    r.LoadProjectFromBytes(withOrganization(255));
    EXPECT_EQ(r.Organization, std::string(255, 'a'));
}

// A logo that is not a picture raises the image error; the fields read before it stay.
TEST_F(ProjectFileRead, UndecodableLogoRaisesTheImageError)
{
    const Bytes full = Fixture("v4_01.kpm");
    Bytes damaged = full;
    for (std::size_t i = 82; i < 82 + 650; ++i)  // the JPEG bytes
        damaged[i] = 0x5A;
    TPMData r = PreparedRecord();
    EXPECT_THROW(r.LoadProjectFromBytes(damaged), EImageError);
    EXPECT_EQ(r.Organization, "Caf\u00E9 \u20AC \u0081");
    EXPECT_TRUE(r.Logo.empty());
    EXPECT_EQ(r.ProjectName, "");
    EXPECT_EQ(r.B, 0);
}

TEST_F(ProjectFileRead, MissingFileRaisesThePlatformError)
{
    const std::string path = std::string(PELMARK_TEST_DATA) + "/files/no such project.kpm";
    TPMData r;
    try {
        r.LoadProject(path);
        FAIL();
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\". " + std::strerror(ENOENT));
    }
}
