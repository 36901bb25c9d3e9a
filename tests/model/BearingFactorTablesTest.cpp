#include <gtest/gtest.h>

#include <cmath>

#include "core/PMClasses.h"

// Bearing capacity factors against the published tables (Terzaghi's Nc, Nq in the a-theta form;
// Vesic's Nc, Nq, N gamma), as printed to two decimals in the foundation engineering literature.
// The printed tables were worked with rounded intermediates (at phi = 10 they give 9.61 and 8.35 for
// 9.6049 and 8.3449), so agreement is to one unit of the last printed digit.
TEST(BearingFactorTables, AgreeWithThePublishedValues)
{
    struct Row {
        double Phi, TerzaghiNc, TerzaghiNq, VesicNc, VesicNq, VesicNGamma;
    };
    const Row rows[] = {
        {0, 5.70, 1.00, 5.14, 1.00, 0.00},        {10, 9.61, 2.69, 8.35, 2.47, 1.22},
        {20, 17.69, 7.44, 14.83, 6.40, 5.39},     {25, 25.13, 12.72, 20.72, 10.66, 10.88},
        {30, 37.16, 22.46, 30.14, 18.40, 22.40},  {35, 57.75, 41.44, 46.12, 33.30, 48.03},
        {40, 95.66, 81.27, 75.31, 64.20, 109.41},
    };
    const double lastDigit = 0.01 * (1 + 1e-9);
    for (const Row& row : rows) {
        TPMData r;
        r.Shape = shSquare;
        r.B = 2;
        r.Df = 1;
        r.Gamma = 110;
        r.Dw = 10;
        r.FS = 3;
        r.Phi = row.Phi;
        r.BearingCapacity();
        EXPECT_NEAR(static_cast<double>(r.NcTerzaghi), row.TerzaghiNc, lastDigit) << "phi " << row.Phi;
        EXPECT_NEAR(static_cast<double>(r.NqTerzaghi), row.TerzaghiNq, lastDigit) << "phi " << row.Phi;
        EXPECT_NEAR(static_cast<double>(r.NcVesic), row.VesicNc, lastDigit) << "phi " << row.Phi;
        EXPECT_NEAR(static_cast<double>(r.NqVesic), row.VesicNq, lastDigit) << "phi " << row.Phi;
        EXPECT_NEAR(static_cast<double>(r.NGammaVesic), row.VesicNGamma, lastDigit) << "phi " << row.Phi;
    }
}
