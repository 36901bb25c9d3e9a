#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "SquareFootingTestRecord.h"
#include "core/PMClasses.h"
#include "design/RebarTables.h"
#include "design/SquareFootingChecks.h"
#include "design/SquareFootingDesign.h"

namespace {

using TInputs = TSquareFootingInputs;
constexpr const TSquareFootingInputs& kEnglishExample = kEnglishSquareFooting;
constexpr const TSquareFootingInputs& kSIExample = kSISquareFooting;

void Apply(TPMData& record, const TInputs& in)
{
    ApplySquareFooting(record, in);
}

// The sixteen results, in record order, so that tables of cases can name them.
struct TResults {
    Real v[16];
};
constexpr const char* kResultNames[16] = {
    "QService", "QFactored", "EffDepth1", "EffDepth2", "Rho1",   "Rho2",   "BarSpacing1", "BarSpacing2",
    "PhiMn1",   "PhiMn2",    "Mu1",       "Mu2",       "PhiVc1", "PhiVc2", "Vu1",         "Vu2"};

TResults ResultsOf(const TSquareFootingData& q)
{
    return {{q.QService, q.QFactored, q.EffDepth1, q.EffDepth2, q.Rho1, q.Rho2, q.BarSpacing1, q.BarSpacing2,
             q.PhiMn1, q.PhiMn2, q.Mu1, q.Mu2, q.PhiVc1, q.PhiVc2, q.Vu1, q.Vu2}};
}

void FillResults(TSquareFootingData& q, Real value)
{
    for (Real* f :
         {&q.QService, &q.QFactored, &q.EffDepth1, &q.EffDepth2, &q.Rho1, &q.Rho2, &q.BarSpacing1,
          &q.BarSpacing2, &q.PhiMn1, &q.PhiMn2, &q.Mu1, &q.Mu2, &q.PhiVc1, &q.PhiVc2, &q.Vu1, &q.Vu2})
        *f = value;
}

// The design written out once more, line by line from the formulas of the method.
TResults Independent(const TInputs& in)
{
    const RebarSize bar = FindRebarIn(RebarTableFor(in.family, in.units), in.bar);
    const Real db = bar.Diameter, ab = bar.Area;
    const bool si = in.units == 1;
    const Real k = si ? 1000 : 12;
    const Real area = si ? 1000000 : 144;
    const Real m = si ? 1000000 : 12;
    const Real gc = si ? 23.5 : 0.15;  // as double, like every unit-dependent constant
    const Real wf = in.b1 * in.b2 * in.t * gc / (k * k * k);
    const Real qs = (in.dead + in.live + wf) * area / (in.b1 * in.b2);
    const Real qu = (1.2L * (in.dead + wf) + 1.6L * in.live) * area / (in.b1 * in.b2);
    const Real d1 = in.t - in.cc - db / 2;
    const Real d2 = in.t - in.cc - 3 * db / 2;
    const Real l1 = (in.b1 - in.c1) / (2 * k);
    const Real l2 = (in.b2 - in.c2) / (2 * k);
    const Real as1 = in.n1 * ab, as2 = in.n2 * ab;
    // ACI 318-19 22.5.5.1(c): min(8 rho^(1/3), 5) sqrt(f'c) b d, or min(0.66 rho^(1/3), 0.42) in SI,
    // sqrt(f'c) at most 100 psi or 8.3 MPa.
    const Real rho1 = as1 / (in.b2 * d1), rho2 = as2 / (in.b1 * d2);
    const Real root =
        si ? std::min<Real>(std::sqrt(in.fc), 8.3L) : std::min<Real>(std::sqrt(1000 * in.fc), 100);
    auto term = [&](Real rho) {
        const Real r = rho > 0 ? std::pow(rho, 1 / 3.0L) : 0;
        return si ? std::min<Real>(0.66L * r, 0.42L) : std::min<Real>(8 * r, 5);
    };
    const Real vc1 = term(rho1) * root * in.b2 * d1;
    const Real vc2 = term(rho2) * root * in.b1 * d2;
    return {{qs, qu, d1, d2, rho1, rho2, (in.b2 - 2 * in.cc - db) / (in.n1 - 1) - db,
             (in.b1 - 2 * in.cc - db) / (in.n2 - 1) - db,
             0.9L * as1 * in.fy * (d1 - as1 * in.fy / (1.7L * in.fc * in.b2)) / m,
             0.9L * as2 * in.fy * (d2 - as2 * in.fy / (1.7L * in.fc * in.b1)) / m,
             qu * (in.b2 / k) * l1 * l1 / 2, qu * (in.b1 / k) * l2 * l2 / 2, 0.75L * vc1 / 1000,
             0.75L * vc2 / 1000, std::max<Real>(0, qu * (in.b2 / k) * (l1 - d1 / k)),
             std::max<Real>(0, qu * (in.b1 / k) * (l2 - d2 / k))}};
}

class SquareFootingDesign : public ::testing::Test {
  protected:
    void TearDown() override { SelectRebarTable(rfUS, 0); }
    TPMData record;
};

}  // namespace

TEST_F(SquareFootingDesign, WorkedExamplesToTheirPrintedDigits)
{
    struct Case {
        const char* name;
        TInputs in;
        TResults expected;
        TResults tolerance;
    };
    // English (hand check): Wf = 96 x 96 x 24 x 0.15 / 1728 = 19.2 kips; qs = 269.2 / 64 = 4.206 ksf;
    // qu = (1.2 x 169.2 + 160) / 64 = 5.6725 ksf; d1 = 24 - 3 - 0.375, d2 = 24 - 3 - 1.125;
    // rho1 = 4.4 / (96 x 20.625); s = 89.25 / 9 - 0.75; a/2 = 264 / 652.8 = 0.4044 in;
    // phiMn1 = 0.9 x 264 x (20.625 - 0.4044) / 12; L1 = 80 / 24 = 3.333 ft;
    // Mu = 5.6725 x 8 x 3.333^2 / 2 = 252.11 k-ft;
    // phiVc1 = 0.75 x 8 x 0.0022222^(1/3) x sqrt(4000) x 96 x 20.625 / 1000 = 0.75 x 1.04396 x
    // 125226.3 / 1000 = 98.049 kips, phiVc2 = 0.75 x 8 x 0.0023061^(1/3) x sqrt(4000) x 96 x 19.875
    // / 1000 = 95.657 kips (ACI 318-19 22.5.5.1(c));
    // Vu1 = 5.6725 x 8 x (3.333 - 1.71875), Vu2 = 5.6725 x 8 x (3.333 - 1.65625).
    // SI (hand check): Wf = 2 x 2 x 0.5 x 23.5 = 47 kN; qs = 647 / 4 = 161.75 kPa;
    // qu = (1.2 x 447 + 320) / 4 = 214.1 kPa; d1 = 500 - 75 - 8 = 417, d2 = 401 mm;
    // rho1 = 2010 / (2000 x 417); s = 1834 / 9 - 16; a/2 = 1005000 / 85000 = 11.82 mm;
    // phiMn1 = 0.9 x 1005000 x (417 - 11.82) / 1e6; L = 0.8 m; Mu = 214.1 x 2 x 0.64 / 2;
    // phiVc1 = 0.75 x 0.66 x 0.0024101^(1/3) x 5 x 2000 x 417 / 1000 = 276.748 kN, phiVc2 with
    // 0.0025062 and 401 mm = 269.623 kN; Vu1 = 214.1 x 2 x (0.8 - 0.417).
    const Case cases[] = {
        {"English",
         kEnglishExample,
         {{4.206, 5.6725, 20.625, 19.875, 0.002222, 0.002306, 9.167, 9.167, 400.37, 385.52, 252.11, 252.11,
           98.049, 95.657, 73.27, 76.11}},
         {{5e-4, 5e-5, 5e-4, 5e-4, 5e-7, 5e-7, 5e-4, 5e-4, 5e-3, 5e-3, 5e-3, 5e-3, 5e-3, 5e-3, 5e-3, 5e-3}}},
        {"SI",
         kSIExample,
         {{161.75, 214.1, 417, 401, 0.0024101, 0.0025062, 187.778, 187.778, 366.482, 352.010, 137.024,
           137.024, 276.748, 269.623, 164.0006, 170.8518}},
         {{5e-3, 5e-2, 5e-4, 5e-4, 5e-8, 5e-8, 5e-4, 5e-4, 5e-4, 5e-4, 5e-4, 5e-4, 5e-4, 5e-4, 5e-5, 5e-5}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPMData r;
        Apply(r, c.in);
        r.SquareFootingDesign();
        const TResults actual = ResultsOf(r.Square);
        for (int i = 0; i < 16; ++i)
            EXPECT_NEAR(double(actual.v[i]), double(c.expected.v[i]), double(c.tolerance.v[i]))
                << kResultNames[i];

        // Every check of the English example passes (qs against a bearing capacity just above it);
        // the SI example fails only the development of its bars: 500 x 1.15 / (2.1 x 5) x 16 =
        // 876 mm needed, (2000 - 400) / 2 - 75 = 725 mm available.
        r.AllowNetBearing = c.in.units == 1 ? 170 : 4.5;
        TSquareFootingChecks checks = SquareFootingChecks(r);
        if (c.in.units == 1) {
            EXPECT_FALSE(checks.Development1 || checks.Development2);
            checks.Development1 = checks.Development2 = true;
        }
        EXPECT_TRUE(checks.AllPass());
        EXPECT_FALSE(checks.ShearBeyondEdge1 || checks.ShearBeyondEdge2);
    }
}

TEST_F(SquareFootingDesign, AgreesWithTheFormulasOverRandomFootings)
{
    std::mt19937_64 random(20190101);
    auto uniform = [&](Real lo, Real hi) { return std::uniform_real_distribution<double>(lo, hi)(random); };
    for (std::uint8_t units : {0, 1})
        for (std::int32_t family : {rfUS, rfEuropean, rfCanadian})
            for (int draw = 0; draw < 200; ++draw) {
                const TRebarTable table = RebarTableFor(family, units);
                const int bars = family == rfUS ? 11 : family == rfEuropean ? 12 : 8;
                const Real scale = units == 1 ? 25.4L : 1;    // in to mm
                const Real force = units == 1 ? 4.448L : 1;   // kip to kN
                const Real stress = units == 1 ? 6.895L : 1;  // ksi to MPa
                TInputs in{units,
                           family,
                           table[std::uniform_int_distribution<int>(0, bars - 1)(random)].Designation,
                           uniform(48, 240) * scale,
                           uniform(48, 240) * scale,
                           uniform(8, 30) * scale,
                           uniform(8, 30) * scale,
                           uniform(14, 48) * scale,
                           uniform(2, 4) * scale,
                           uniform(10, 800) * force,
                           uniform(10, 800) * force,
                           uniform(3, 8) * stress,
                           uniform(40, 80) * stress,
                           Real(std::uniform_int_distribution<int>(2, 30)(random)),
                           Real(std::uniform_int_distribution<int>(2, 30)(random))};
                Apply(record, in);
                record.SquareFootingDesign();
                const TResults actual = ResultsOf(record.Square);
                const TResults expected = Independent(in);
                for (int i = 0; i < 16; ++i) {
                    const Real e = expected.v[i], a = actual.v[i];
                    EXPECT_LE(std::fabs(a - e), 1e-12L * std::fabs(e))
                        << kResultNames[i] << " units " << int(units) << " family " << family << " draw "
                        << draw << ": " << double(a) << " vs " << double(e);
                }
            }
}

TEST_F(SquareFootingDesign, GuardLeavesThePreviousResults)
{
    struct Case {
        const char* name;
        void (*change)(TSquareFootingData&);
    };
    const Case cases[] = {
        {"switched off", [](TSquareFootingData& q) { q.UseSquareReinforcement = 0; }},
        {"f'c = 0", [](TSquareFootingData& q) { q.Fc = 0; }},
        {"Fy = 0", [](TSquareFootingData& q) { q.Fy = 0; }},
        {"B1 = 0", [](TSquareFootingData& q) { q.FootingDim1 = 0; }},
        {"B2 = 0", [](TSquareFootingData& q) { q.FootingDim2 = 0; }},
    };
    for (const Case& c : cases) {
        TPMData r;
        Apply(r, kEnglishExample);
        FillResults(r.Square, 7);
        c.change(r.Square);
        EXPECT_FALSE(SquareFootingDesignApplies(r)) << c.name;
        r.SquareFootingDesign();
        for (Real v : ResultsOf(r.Square).v)
            EXPECT_EQ(v, 7) << c.name;
    }
    Apply(record, kEnglishExample);
    EXPECT_TRUE(SquareFootingDesignApplies(record));
}

TEST_F(SquareFootingDesign, ZeroEffectiveDepthMakesOnlyTheRatioNotApplicable)
{
    // #6 bars, 3 in cover: T = 3.375 in gives d1 = 0, T = 4.125 in gives d2 = 0.
    struct Case {
        Real thickness;
        int zeroDirection;
    };
    for (const Case c : {Case{3.375L, 1}, Case{4.125L, 2}}) {
        TPMData r;
        Apply(r, kEnglishExample);
        r.Square.FootingThickness = c.thickness;
        EXPECT_NO_THROW(r.SquareFootingDesign());
        const TSquareFootingData& q = r.Square;
        const bool first = c.zeroDirection == 1;
        EXPECT_EQ(first ? q.EffDepth1 : q.EffDepth2, 0);
        EXPECT_TRUE(IsNaN(first ? q.Rho1 : q.Rho2));
        EXPECT_FALSE(IsNaN(first ? q.Rho2 : q.Rho1));
        EXPECT_EQ(first ? q.PhiVc1 : q.PhiVc2, 0);
        // The shear section sits at the column face: qu x 8 ft x 3.333 ft.
        EXPECT_NEAR(double(first ? q.Vu1 : q.Vu2), double(q.QFactored * 8 * 80 / 24), 1e-9);
        // Minimum steel is measured on the gross section and needs no depth; flexure fails.
        const TSquareFootingChecks checks = SquareFootingChecks(r);
        EXPECT_TRUE(first ? checks.Rho1 : checks.Rho2);
        EXPECT_FALSE(first ? checks.Moment1 : checks.Moment2);
    }
}

TEST_F(SquareFootingDesign, ShearSectionBeyondTheEdgeGivesNoShear)
{
    // 40 in footing, 16 in column: the 1 ft overhang is shorter than d1 = 20.625 in and d2 = 19.875 in.
    Apply(record, kEnglishExample);
    record.Square.FootingDim1 = record.Square.FootingDim2 = 40;
    record.SquareFootingDesign();
    EXPECT_EQ(record.Square.Vu1, 0);
    EXPECT_EQ(record.Square.Vu2, 0);
    const TSquareFootingChecks checks = SquareFootingChecks(record);
    EXPECT_TRUE(checks.Shear1 && checks.Shear2 && checks.ShearBeyondEdge1 && checks.ShearBeyondEdge2);
}

TEST_F(SquareFootingDesign, DegenerateInputsEndQuietly)
{
    struct Case {
        const char* name;
        void (*change)(TSquareFootingData&);
        bool (*expect)(const TSquareFootingData&);
    };
    const Case cases[] = {
        {"one bar has no spacing", [](TSquareFootingData& q) { q.NumBars1 = 1; },
         [](const TSquareFootingData& q) { return IsNaN(q.BarSpacing1) && !IsNaN(q.BarSpacing2); }},
        {"negative f'c has no shear strength", [](TSquareFootingData& q) { q.Fc = -4; },
         [](const TSquareFootingData& q) { return IsNaN(q.PhiVc1) && IsNaN(q.PhiVc2) && !IsNaN(q.PhiMn1); }},
        {"too many bars give a negative spacing",  // 89.25 / 149 - 0.75 < 0
         [](TSquareFootingData& q) { q.NumBars1 = 150; },
         [](const TSquareFootingData& q) { return q.BarSpacing1 < 0; }},
        {"column wider than the footing", [](TSquareFootingData& q) { q.ColumnDim1 = 200; },
         [](const TSquareFootingData& q) { return q.Vu1 == 0; }},
        {"NaN load", [](TSquareFootingData& q) { q.AxialDeadLoad = NaN(); },
         [](const TSquareFootingData& q) { return IsNaN(q.QService) && IsNaN(q.Mu1) && q.Vu1 == 0; }},
        {"NaN dimension", [](TSquareFootingData& q) { q.FootingDim1 = NaN(); },
         [](const TSquareFootingData& q) { return IsNaN(q.QFactored); }},
        {"infinite thickness", [](TSquareFootingData& q) { q.FootingThickness = INFINITY; },
         [](const TSquareFootingData& q) { return std::isinf(q.EffDepth1); }},
    };
    for (const Case& c : cases) {
        TPMData r;
        Apply(r, kEnglishExample);
        c.change(r.Square);
        EXPECT_NO_THROW(r.SquareFootingDesign()) << c.name;
        EXPECT_TRUE(c.expect(r.Square)) << c.name;
        EXPECT_NO_THROW(SquareFootingChecks(r)) << c.name;
    }
}
