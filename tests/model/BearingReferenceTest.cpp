#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "core/PMClasses.h"

// The bearing stage against a second computation written straight from the formulas, on plain
// long doubles, over random inputs of both unit systems and all four shapes.
namespace {

using LD = long double;
const LD PI = 3.141592653589793238462643383279502884L;

struct Inputs {
    int units, shape;
    LD B, L, Df, c, phi, gamma, Dw, FS;
};

struct Results {
    LD gw, phir, atheta, ncT, nqT, ngT, gp, c1, c3, sigma;
    LD ncV, sc, dc, nqV, sq, dq, ngV, sg, dg, bl, k;
    LD qultT, qallT, qultV, qallV, loadT, loadV;
};

Results Reference(const Inputs& in)
{
    Results o{};
    const bool si = in.units == 1;
    o.gw = si ? (LD)(double)9.8 : (LD)(double)62.4;
    o.phir = in.phi * PI / 180;
    const LD t = tanl(o.phir);
    o.atheta = expl((0.75L - in.phi / 360) * PI * t);
    o.nqT = o.atheta * o.atheta / (2 * powl(cosl(PI / 4 + o.phir / 2), 2));
    o.ncT = in.phi == 0 ? 5.7L : (o.nqT - 1) / t;
    o.ngT = 2 * (o.nqT + 1) * t / (1 + 0.4L * sinl(4 * o.phir));
    if (in.Dw <= in.Df)
        o.gp = in.gamma - o.gw;
    else if (in.Dw >= in.Df + in.B)
        o.gp = in.gamma;
    else
        o.gp = in.gamma - o.gw * (1 - (in.Dw - in.Df) / in.B);
    o.sigma = in.Dw <= in.Df ? in.gamma * in.Df - (in.Df - in.Dw) * o.gw : in.gamma * in.Df;
    const LD coef1[] = {1.0L, 1.3L, 1.3L, 0}, coef3[] = {0.5L, 0.4L, 0.3L, 0};
    o.c1 = coef1[in.shape];
    o.c3 = coef3[in.shape];
    o.nqV = powl(tanl(PI / 4 + o.phir / 2), 2) * expl(PI * t);
    o.ncV = in.phi == 0 ? 5.14L : (o.nqV - 1) / t;
    o.ngV = 2 * (o.nqV + 1) * t;
    o.bl = in.shape == 0 ? 0 : in.shape == 3 ? in.B / in.L : 1;
    o.sc = 1 + o.bl * o.nqV / o.ncV;
    o.k = in.Df / in.B <= 1 ? in.Df / in.B : atanl(in.Df / in.B);
    o.dc = 1 + 0.4L * o.k;
    o.sq = 1 + o.bl * t;
    o.dq = 1 + 2 * t * powl(1 - sinl(o.phir), 2) * o.k;
    o.sg = 1 - 0.4L * o.bl;
    o.dg = 1;
    const LD area[] = {in.B, in.B * in.B, PI * in.B * in.B / 4, in.B * in.L};
    const LD perKip = si ? 1 : 1000;
    o.qultV =
        in.c * o.ncV * o.sc * o.dc + o.sigma * o.nqV * o.sq * o.dq + 0.5L * o.gp * in.B * o.ngV * o.sg * o.dg;
    o.qallV = o.qultV / in.FS;
    o.loadV = o.qallV * area[in.shape] / perKip;
    if (in.shape == 3) {
        o.qultT = o.qallT = o.loadT = NAN;
    } else {
        o.qultT = o.c1 * in.c * o.ncT + o.sigma * o.nqT + o.c3 * o.gp * in.B * o.ngT;
        o.qallT = o.qultT / in.FS;
        o.loadT = o.qallT * area[in.shape] / perKip;
    }
    return o;
}

void ExpectAgrees(Real actual, LD expected, const char* name, int trial)
{
    if (std::isnan(expected)) {
        EXPECT_TRUE(IsNaN(actual)) << name << " trial " << trial;
        return;
    }
    const LD tolerance = 1e-12L * std::max<LD>(1, fabsl(expected));
    EXPECT_LE(fabsl(actual - expected), tolerance)
        << name << " trial " << trial << ": " << static_cast<double>(actual) << " vs "
        << static_cast<double>(expected);
}

}  // namespace

TEST(BearingReference, AgreesWithTheFormulasOverRandomInputs)
{
    std::mt19937 random(7);
    auto uniform = [&](LD lo, LD hi) {
        return lo + (hi - lo) * std::uniform_real_distribution<double>(0, 1)(random);
    };
    for (int trial = 0; trial < 2000; ++trial) {
        Inputs in{};
        in.units = trial % 2;
        in.shape = (trial / 2) % 4;
        in.B = uniform(0.3L, 50);
        in.L = in.shape == 3 ? uniform(0.3L, 50) : in.shape == 0 ? 1 : in.B;
        in.Df = uniform(0.3L, 20);
        in.c = in.units == 1 ? uniform(0, 200) : uniform(0, 1200);
        // Every tenth trial a whole angle, and phi = 0 among them.
        in.phi = trial % 10 == 0 ? (LD)(trial / 10 % 41) : uniform(0.1L, 40);
        in.gamma = in.units == 1 ? uniform(12, 25) : uniform(90, 150);
        // Water above the base, within one width below it, and deeper.
        in.Dw = uniform(0, in.Df + 1.5L * in.B);
        in.FS = uniform(3, 5);

        TPMData r;
        r.Units = static_cast<std::uint8_t>(in.units);
        r.Shape = static_cast<std::uint8_t>(in.shape);
        r.B = in.B, r.L = in.L, r.Df = in.Df, r.C = in.c, r.Phi = in.phi;
        r.Gamma = in.gamma, r.Dw = in.Dw, r.FS = in.FS;
        r.BearingCapacity();
        const Results e = Reference(in);
        const std::pair<Real, LD> pairs[] = {
            {r.GammaW, e.gw},
            {r.PhiRad, e.phir},
            {r.ATheta, e.atheta},
            {r.NcTerzaghi, e.ncT},
            {r.NqTerzaghi, e.nqT},
            {r.NGammaTerzaghi, e.ngT},
            {r.GammaPrime, e.gp},
            {r.TerzaghiCoef1, e.c1},
            {r.TerzaghiCoef3, e.c3},
            {r.SigmaZD, e.sigma},
            {r.NcVesic, e.ncV},
            {r.Sc, e.sc},
            {r.Dc, e.dc},
            {r.NqVesic, e.nqV},
            {r.Sq, e.sq},
            {r.Dq, e.dq},
            {r.NGammaVesic, e.ngV},
            {r.SGamma, e.sg},
            {r.DGamma, e.dg},
            {r.BOverL, e.bl},
            {r.DepthK, e.k},
            {r.QultTerzaghi, e.qultT},
            {r.QallTerzaghi, e.qallT},
            {r.QultVesic, e.qultV},
            {r.QallVesic, e.qallV},
            {r.AllowLoadTerzaghi, e.loadT},
            {r.AllowLoadVesic, e.loadV},
        };
        const char* names[] = {"GammaW",
                               "PhiRad",
                               "ATheta",
                               "NcTerzaghi",
                               "NqTerzaghi",
                               "NGammaTerzaghi",
                               "GammaPrime",
                               "TerzaghiCoef1",
                               "TerzaghiCoef3",
                               "SigmaZD",
                               "NcVesic",
                               "Sc",
                               "Dc",
                               "NqVesic",
                               "Sq",
                               "Dq",
                               "NGammaVesic",
                               "SGamma",
                               "DGamma",
                               "BOverL",
                               "DepthK",
                               "QultTerzaghi",
                               "QallTerzaghi",
                               "QultVesic",
                               "QallVesic",
                               "AllowLoadTerzaghi",
                               "AllowLoadVesic"};
        for (std::size_t i = 0; i < std::size(pairs); ++i)
            ExpectAgrees(pairs[i].first, pairs[i].second, names[i], trial);
        if (HasFailure())
            break;
    }
}
