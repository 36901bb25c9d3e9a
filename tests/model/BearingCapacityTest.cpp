#include <gtest/gtest.h>

#include <cmath>

#include "core/PMClasses.h"

namespace {

// The printed value, to its last printed digit.
void ExpectPrinted(Real actual, double printed, int decimals, const char* what)
{
    const double halfUnit = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
    EXPECT_LE(std::fabs(static_cast<double>(actual) - printed), halfUnit)
        << what << ": actual " << static_cast<double>(actual) << ", expected " << printed;
}

// English square footing: B = 2 ft, Df = 1.5 ft, c = 120 psf, phi = 26 deg, gamma = 115 pcf,
// Dw = 1.5 ft, FS = 3.
TPMData ExampleRecord(std::uint8_t shape)
{
    TPMData r;
    r.Shape = shape;
    r.B = 2;
    r.L = 2;
    r.Df = 1.5L;
    r.C = 120;
    r.Phi = 26;
    r.Gamma = 115;
    r.Dw = 1.5L;
    r.FS = 3;
    return r;
}

struct TPrinted {
    const char* Name;
    Real TPMData::*Field;
    double Value;
    int Decimals;
};

}  // namespace

TEST(BearingCapacity, SquareFootingWorkedExample)
{
    TPMData r = ExampleRecord(shSquare);
    r.ComputeAll();
    // Dw <= Df: gamma' = 115 - 62.4, sigma zD' = 115 x 1.5.
    const TPrinted expected[] = {
        {"GammaW", &TPMData::GammaW, 62.4, 10},
        {"GammaPrime", &TPMData::GammaPrime, 52.6, 10},
        {"SigmaZD", &TPMData::SigmaZD, 172.5, 10},
        {"ATheta", &TPMData::ATheta, 2.8251, 4},
        {"NcTerzaghi", &TPMData::NcTerzaghi, 27.085, 3},
        {"NqTerzaghi", &TPMData::NqTerzaghi, 14.210, 3},
        {"NGammaTerzaghi", &TPMData::NGammaTerzaghi, 10.689, 3},
        {"TerzaghiCoef1", &TPMData::TerzaghiCoef1, 1.3, 10},
        {"TerzaghiCoef3", &TPMData::TerzaghiCoef3, 0.4, 10},
        {"QultTerzaghi", &TPMData::QultTerzaghi, 7126.4, 1},
        {"QallTerzaghi", &TPMData::QallTerzaghi, 2375.5, 1},
        {"AllowLoadTerzaghi", &TPMData::AllowLoadTerzaghi, 9.502, 3},
        {"NcVesic", &TPMData::NcVesic, 22.254, 3},
        {"NqVesic", &TPMData::NqVesic, 11.854, 3},
        {"NGammaVesic", &TPMData::NGammaVesic, 12.539, 3},
        {"Sc", &TPMData::Sc, 1.5327, 4},
        {"DepthK", &TPMData::DepthK, 0.75, 10},
        {"Dc", &TPMData::Dc, 1.3, 10},
        {"Sq", &TPMData::Sq, 1.4877, 4},
        {"Dq", &TPMData::Dq, 1.2308, 4},
        {"SGamma", &TPMData::SGamma, 0.6, 10},
        {"DGamma", &TPMData::DGamma, 1, 10},
        {"BOverL", &TPMData::BOverL, 1, 10},
        {"QultVesic", &TPMData::QultVesic, 9460.9, 1},
        {"QallVesic", &TPMData::QallVesic, 3153.6, 1},
        {"AllowLoadVesic", &TPMData::AllowLoadVesic, 12.615, 3},
        // The linked allowable net bearing capacity takes the smaller q all in ksf.
        {"AllowNetBearing", &TPMData::AllowNetBearing, 2.3755, 4},
    };
    for (const TPrinted& e : expected)
        ExpectPrinted(r.*e.Field, e.Value, e.Decimals, e.Name);
    ExpectPrinted(r.PhiRad, 26 * 3.14159265358979323846 / 180, 12, "PhiRad");
}

TEST(BearingCapacity, ContinuousFootingIsComputedPerUnitLength)
{
    TPMData r = ExampleRecord(shContinuous);
    r.L = 1;
    r.BearingCapacity();
    const TPrinted expected[] = {
        {"QultTerzaghi", &TPMData::QultTerzaghi, 6263.8, 1},
        {"AllowLoadTerzaghi", &TPMData::AllowLoadTerzaghi, 4.176, 3},
        {"QultVesic", &TPMData::QultVesic, 6648.0, 1},
        {"AllowLoadVesic", &TPMData::AllowLoadVesic, 4.432, 3},
        {"BOverL", &TPMData::BOverL, 0, 12},
        {"Sc", &TPMData::Sc, 1, 12},
        {"Sq", &TPMData::Sq, 1, 12},
        {"SGamma", &TPMData::SGamma, 1, 12},
        {"TerzaghiCoef1", &TPMData::TerzaghiCoef1, 1.0, 12},
        {"TerzaghiCoef3", &TPMData::TerzaghiCoef3, 0.5, 12},
    };
    for (const TPrinted& e : expected)
        ExpectPrinted(r.*e.Field, e.Value, e.Decimals, e.Name);
}

TEST(BearingCapacity, ZeroFrictionAngleTakesTheFixedFactors)
{
    TPMData r = ExampleRecord(shSquare);
    r.Phi = 0;
    r.BearingCapacity();
    const TPrinted expected[] = {
        {"ATheta", &TPMData::ATheta, 1, 12},
        {"NcTerzaghi", &TPMData::NcTerzaghi, 5.7, 12},
        {"NqTerzaghi", &TPMData::NqTerzaghi, 1, 12},
        {"NGammaTerzaghi", &TPMData::NGammaTerzaghi, 0, 12},
        {"NcVesic", &TPMData::NcVesic, 5.14, 12},
        {"NqVesic", &TPMData::NqVesic, 1, 12},
        {"NGammaVesic", &TPMData::NGammaVesic, 0, 12},
        {"Dq", &TPMData::Dq, 1, 12},
        {"Sq", &TPMData::Sq, 1, 12},
        // sc = 1 + 1 x 1 / 5.14.
        {"Sc", &TPMData::Sc, 1 + 1 / 5.14, 12},
    };
    for (const TPrinted& e : expected)
        ExpectPrinted(r.*e.Field, e.Value, e.Decimals, e.Name);
}

TEST(BearingCapacity, TinyFrictionAngleGivesNcNearItsLimit)
{
    // As phi goes to 0, Vesic Nc tends to 2 + pi = 5.1416 and Terzaghi Nc to 1.5 pi + 1 = 5.7124;
    // the factors must not collapse through cancellation.
    TPMData r = ExampleRecord(shSquare);
    r.Phi = 1e-25L;
    r.BearingCapacity();
    ExpectPrinted(r.NcVesic, 2 + 3.14159265358979, 6, "NcVesic");
    ExpectPrinted(r.NcTerzaghi, 1.5 * 3.14159265358979 + 1, 6, "NcTerzaghi");
}

TEST(BearingCapacity, WaterTableCasesAndDepthParameter)
{
    // gamma = 115 pcf, gamma w = 62.4 pcf, B = 2 ft.
    struct Case {
        Real Df, Dw;
        double GammaPrime, SigmaZD, K;
    };
    const Case cases[] = {
        // Dw = Df: water at the base, gamma' = 52.6, sigma = 115 x 1.5.
        {1.5L, 1.5L, 52.6, 172.5, 0.75},
        // Water above the base: sigma = 115 x 1.5 - 1.0 x 62.4 = 110.1.
        {1.5L, 0.5L, 52.6, 110.1, 0.75},
        // Dw = Df + B exactly: no correction.
        {1.5L, 3.5L, 115, 172.5, 0.75},
        // Halfway: gamma' = 115 - 62.4 x (1 - 1/2) = 83.8.
        {1.5L, 2.5L, 83.8, 172.5, 0.75},
        // Df = B: k = 1, not arctan(1); Df = 2B: k = arctan 2 = 1.1071487.
        {2, 10, 115, 230, 1},
        {4, 10, 115, 460, 1.10714871779409},
    };
    for (const Case& c : cases) {
        TPMData r = ExampleRecord(shSquare);
        r.Df = c.Df;
        r.Dw = c.Dw;
        r.BearingCapacity();
        ExpectPrinted(r.GammaPrime, c.GammaPrime, 10, "GammaPrime");
        ExpectPrinted(r.SigmaZD, c.SigmaZD, 10, "SigmaZD");
        ExpectPrinted(r.DepthK, c.K, 12, "DepthK");
        ExpectPrinted(r.Dc, 1 + 0.4 * c.K, 12, "Dc");
    }
}

TEST(BearingCapacity, ShapesTakeTheirCoefficientsAndLoadAreas)
{
    // Vesic q all of the square example is 3153.6312649 psf; the Circle has the same factors.
    // Loads: Circle q all x pi x 2^2 / 4 / 1000; Rectangle 4 x 2 ft with B/L = 0.5.
    TPMData circle = ExampleRecord(shCircle);
    circle.BearingCapacity();
    ExpectPrinted(circle.TerzaghiCoef1, 1.3, 12, "Circle coefficient #1");
    ExpectPrinted(circle.TerzaghiCoef3, 0.3, 12, "Circle coefficient #3");
    ExpectPrinted(circle.AllowLoadVesic, 3153.6312649 * 3.14159265358979 / 1000, 6, "Circle Vesic load");

    TPMData rect = ExampleRecord(shRectangle);
    rect.B = 2;
    rect.L = 4;
    rect.BearingCapacity();
    EXPECT_TRUE(IsNaN(rect.QultTerzaghi));
    EXPECT_TRUE(IsNaN(rect.QallTerzaghi));
    EXPECT_TRUE(IsNaN(rect.AllowLoadTerzaghi));
    EXPECT_EQ(rect.TerzaghiCoef1, 0);
    EXPECT_EQ(rect.TerzaghiCoef3, 0);
    ExpectPrinted(rect.NcTerzaghi, 27.085, 3, "Terzaghi Nc still computed");
    ExpectPrinted(rect.BOverL, 0.5, 12, "B/L");
    ExpectPrinted(rect.SGamma, 0.8, 12, "s gamma");
    ExpectPrinted(rect.AllowLoadVesic, static_cast<double>(rect.QallVesic) * 8 / 1000, 9, "Rectangle load");

    // B > L: no swap, B/L = 2 and s gamma = 0.2.
    rect.B = 4;
    rect.L = 2;
    rect.BearingCapacity();
    ExpectPrinted(rect.BOverL, 2, 12, "B/L over 1");
    ExpectPrinted(rect.SGamma, 0.2, 12, "s gamma below 0.6");
}

TEST(BearingCapacity, SIUnitsKeepTheLoadInKilonewtons)
{
    TPMData r = ExampleRecord(shSquare);
    r.Units = 1;
    r.Gamma = 18;
    r.C = 20;
    r.BearingCapacity();
    ExpectPrinted(r.GammaW, 9.8, 12, "GammaW");
    ExpectPrinted(r.GammaPrime, 8.2, 12, "GammaPrime");
    ExpectPrinted(r.AllowLoadVesic, static_cast<double>(r.QallVesic) * 4, 9, "load = q all x B^2");
}

TEST(BearingCapacity, ZeroWidthOrLengthIsAnArithmeticFaultThatKeepsLaterResults)
{
    struct Case {
        std::uint8_t Shape;
        Real B, L, Df;
        const char* Message;
    };
    const Case cases[] = {
        {shSquare, 0, 2, 1.5L, "Floating point division by zero"},
        {shContinuous, 0, 1, 0, "Invalid floating point operation"},
        {shRectangle, 2, 0, 1.5L, "Floating point division by zero"},
        {shRectangle, 0, 0, 1.5L, "Invalid floating point operation"},
    };
    for (const Case& c : cases) {
        TPMData r = ExampleRecord(shSquare);
        r.ComputeAll();
        const Real previousQult = r.QultVesic, previousSq = r.Sq;
        r.Shape = c.Shape;
        r.B = c.B;
        r.L = c.L;
        r.Df = c.Df;
        r.Phi = 30;
        try {
            r.ComputeAll();
            ADD_FAILURE() << "no fault for B = " << static_cast<double>(c.B);
        } catch (const EPelmarkError& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
        // Written before the fault: the new Vesic Nq (phi 30: 18.401); after it: the old values.
        ExpectPrinted(r.NqVesic, 18.401, 3, "NqVesic");
        EXPECT_EQ(r.QultVesic, previousQult);
        EXPECT_EQ(r.Sq, previousSq);
    }
}
