#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "listings/ComputationListing.h"

namespace {

const std::optional<std::string> kNone;

TListingRow Value(const char* caption, const char* value)
{
    return {caption, std::string(value), false};
}
TListingRow Heading(const char* caption)
{
    return {caption, kNone, true};
}
TListingRow Blank()
{
    return {"", kNone, false};
}

void ExpectRows(const TComputationListing& listing, const std::vector<TListingRow>& expected)
{
    const auto& rows = listing.Rows();
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].Caption, expected[i].Caption) << "row " << i + 1;
        EXPECT_EQ(rows[i].Value.value_or("<none>"), expected[i].Value.value_or("<none>")) << "row " << i + 1;
        EXPECT_EQ(rows[i].Heading, expected[i].Heading) << "row " << i + 1;
    }
}

class ListingTest : public ::testing::Test {
  protected:
    void SetUp() override { SetNumberSeparators('.', ','); }
    void TearDown() override { SetNumberSeparators('.', ','); }
};

}  // namespace

TEST_F(ListingTest, RowsOfValuesNAAndBlanks)
{
    TComputationListing listing;
    listing.AddValue("a", "kips", 2, 1234.5678L);
    listing.AddValue("b", "", 2, 2);
    listing.AddValue("c", "ft", 2, NaN());
    listing.AddValue("d", "ft", 2, kListingBlankMarker);
    listing.AddBlank();
    listing.AddHeading("Head");
    ExpectRows(listing, {Value("a", "1234.57 kips"),
                         Value("b", "2.00 "),
                         Value("c", "N.A."),
                         {"d", kNone, false},
                         Blank(),
                         Heading("Head")});
    EXPECT_EQ(ListingText(listing), "a\t1234.57 kips\nb\t2.00 \nc\tN.A.\nd\n\n# Head\n");
    SetNumberSeparators(',', '.');
    TComputationListing comma;
    comma.AddValue("a", "ft", 2, 0.15L);
    EXPECT_EQ(comma.Rows()[0].Value, "0,15 ft");
}

TEST_F(ListingTest, BearingListingOfTheSquareExample)
{
    TPMData r;
    r.Shape = shSquare;
    r.B = 2, r.L = 2, r.Df = 1.5L, r.C = 120, r.Phi = 26, r.Gamma = 115, r.Dw = 1.5L, r.FS = 3;
    r.BearingCapacity();
    // phi = 26 deg = 0.4538 rad; the factors of the worked example to 2 decimals, no unit text.
    ExpectRows(BuildBearingListing(r), {Value("Gamma w", "62.40 "),
                                        Value("phi (radians)", "0.45 "),
                                        Blank(),
                                        Heading("Terzaghi Computations"),
                                        Value("a theta", "2.83 "),
                                        Value("Nc", "27.09 "),
                                        Value("Nq", "14.21 "),
                                        Value("N gamma", "10.69 "),
                                        Value("gamma'", "52.60 "),
                                        Value("coefficient #1", "1.30 "),
                                        Value("coefficient #3", "0.40 "),
                                        Value("sigma zD'", "172.50 "),
                                        Blank(),
                                        Heading("Vesic Computations"),
                                        Value("Nc", "22.25 "),
                                        Value("sc", "1.53 "),
                                        Value("dc", "1.30 "),
                                        Value("Nq", "11.85 "),
                                        Value("sq", "1.49 "),
                                        Value("dq", "1.23 "),
                                        Value("N gamma", "12.54 "),
                                        Value("s gamma", "0.60 "),
                                        Value("d gamma", "1.00 "),
                                        Value("B/L", "1.00 "),
                                        Value("k", "0.75 ")});

    r.Shape = shRectangle;
    r.BearingCapacity();
    const TComputationListing rectangle = BuildBearingListing(r);
    const auto& rows = rectangle.Rows();
    EXPECT_EQ(rows[9].Value, "0.00 ");   // coefficient #1
    EXPECT_EQ(rows[10].Value, "0.00 ");  // coefficient #3
}

TEST_F(ListingTest, StabilityListingOfTheCentredPedestalExample)
{
    // L = 8, B = 6, T = 1.5, D = 1 ft, 0.15 / 0.11 kcf, Kp = 3, u = 0.4; one centred pedestal
    // 1.5 x 1.5 x 2 ft with 100 kips dead load and 5 kips wind along x (hand values in the
    // stability analysis tests: SumPz 116.5075, Ex 0.15, FS(ot)y 26.63, FS(slid)x 10.36).
    TPMData r;
    TStabilityData& s = r.Stability;
    s.StabL = 8, s.StabB = 6, s.StabT = 1.5L, s.SoilCover = 1, s.GammaC = 0.15L, s.GammaS = 0.11L;
    s.Kp = 3, s.SlidingFriction = 0.4L;
    s.PedestalCount = 1;
    TPedestal& p = s.Pedestals[0];
    p.Lpx = p.Lpy = 1.5L, p.H = 2, p.PzD = -100, p.HxW = 5;
    r.StabilityAnalysis();
    ExpectRows(BuildStabilityListing(r), {Heading("Total Resultant Load and Eccentricities"),
                                          Value("Sum(Pz)", "116.51 kips"),
                                          Value("ex", "0.15 ft (<= L/6)"),
                                          Value("ey", "0.00 ft (<= B/6)"),
                                          Blank(),
                                          Heading("Overturning Check"),
                                          Value("Sum(Mrx)", "349.52 ft-kips"),
                                          Value("Sum(Mox)", "0.00 ft-kips"),
                                          Value("FS(ot)x", "N.A."),
                                          Value("Sum(Mry)", "466.03 ft-kips"),
                                          Value("Sum(Moy)", "17.50 ft-kips"),
                                          Value("FS(ot)y", "26.63 (>= 1.5)"),
                                          Blank(),
                                          Heading("Uplift Check"),
                                          Value("Sum(Pz(down))", "116.51 kips"),
                                          Value("Sum(Pz(uplift))", "0.00 kips"),
                                          Value("FS(uplift)", "N.A."),
                                          Blank(),
                                          Heading("Sliding Check"),
                                          Value("Sum(Hx(D)Resist)", "0.00 kips"),
                                          Value("Pass(x)", "-5.20 kips"),
                                          Value("Frict(x)", "-46.60 kips"),
                                          Value("FS(slid)x", "10.36 (>= 1.5)"),
                                          Value("Sum(Hy(D)Resist)", "0.00 kips"),
                                          Value("Pass(y)", "-6.93 kips"),
                                          Value("Frict(y)", "-46.60 kips"),
                                          Value("FS(slid)y", "N.A."),
                                          Blank(),
                                          Heading("Bearing Length and % Bearing Area"),
                                          Value("Dist. x", "N.A."),
                                          Value("Dist. y", "N.A."),
                                          Value("Brg. Lx", "8.00 ft"),
                                          Value("Brg. Ly", "6.00 ft"),
                                          Value("%Brg. Area", "100.00 %"),
                                          Value("Biaxial Case", "N.A.")});
}

TEST_F(ListingTest, StabilityTagsUnitsAndCaseCaptions)
{
    struct Case {
        const char* Name;
        std::uint8_t Units;
        Real Ex, Ey, Factor;
        std::int32_t BiaxialCase;
        const char *ExText, *EyText, *FactorText, *First, *Second, *CaseText;
    };
    // L = 6, B = 4: L/6 = 1, L/2 = 3, B/6 = 0.667, B/2 = 2.
    const Case cases[] = {
        {"at the kern and the edge", 0, 1, 2, 1.5L, 2, "1.00 ft (<= L/6)", "2.00 ft (> B/6)", "1.50 (>= 1.5)",
         "Brg. Ly1", "Brg. Ly2", "2.00 (6*ex/L + 6*ey/B = 1.234)"},
        {"beyond the edges, SI", 1, -3.5L, 2.5L, 1, 3, "-3.50 m (> L/2)", "2.50 m (> B/2)",
         "1.00 (>= 1 & <= 1.5)", "Brg. Lx1", "Brg. Lx2", "3.00 (6*ex/L + 6*ey/B = 1.234)"},
        {"between kern and edge", 0, 3, -0.5L, 0.99L, 1, "3.00 ft (> L/6)", "-0.50 ft (<= B/6)", "0.99 (< 1)",
         "Brg. Lx", "Brg. Ly", "1.00 (6*ex/L + 6*ey/B = 1.234)"},
        {"not applicable", 0, NaN(), NaN(), NaN(), 0, "N.A.", "N.A.", "N.A.", "Brg. Lx", "Brg. Ly", "N.A."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TPMData r;
        r.Units = c.Units;
        TStabilityData& s = r.Stability;
        s.StabL = 6, s.StabB = 4;
        s.Ex = c.Ex, s.Ey = c.Ey;
        s.FSOverturningX = s.FSOverturningY = s.FSUplift = s.FSSlidingX = s.FSSlidingY = c.Factor;
        s.BiaxialCase = c.BiaxialCase;
        s.PressurePartial.KernSum = 1.2344L;
        s.BrgLx = 1, s.BrgLy = 2;
        const TComputationListing listing = BuildStabilityListing(r);
        const auto& rows = listing.Rows();
        ASSERT_EQ(rows.size(), 35u);
        EXPECT_EQ(rows[2].Value, c.ExText);
        EXPECT_EQ(rows[3].Value, c.EyText);
        for (int row : {8, 11, 16, 22, 26})
            EXPECT_EQ(rows[row].Value, c.FactorText) << rows[row].Caption;
        EXPECT_EQ(rows[31].Caption, c.First);
        EXPECT_EQ(rows[32].Caption, c.Second);
        EXPECT_EQ(rows[34].Value, c.CaseText);
        const char* force = c.Units == 1 ? "kN" : "kips";
        const char* moment = c.Units == 1 ? "kN-m" : "ft-kips";
        EXPECT_EQ(rows[1].Value->substr(rows[1].Value->find(' ') + 1), force);
        EXPECT_EQ(rows[6].Value->substr(rows[6].Value->find(' ') + 1), moment);
    }
}
