// Bearing capacity of the soil under the footing: Terzaghi (a-theta form) and Vesic (shape and
// depth factors), with the linear ground-water correction, the allowable pressures and loads.
#include <cmath>
#include <numbers>

#include "core/PMClasses.h"

namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

// Every stored value passes here: an infinite result of finite inputs is an overflow.
inline Real Stored(Real v)
{
    return CheckOverflow(v);
}

struct TTerzaghiCoefficients {
    Real Cohesion;  // coefficient #1
    Real Width;     // coefficient #3
};

TTerzaghiCoefficients TerzaghiCoefficients(std::uint8_t shape)
{
    switch (shape) {
    case shContinuous:
        return {1.0L, 0.5L};
    case shSquare:
        return {1.3L, 0.4L};
    case shCircle:
        return {1.3L, 0.3L};
    case shRectangle:
        return {0, 0};
    default:
        return {NaN(), NaN()};  // a shape no list offers (damaged file): not applicable
    }
}

// Plan area that turns an allowable pressure into a load (per unit length for a wall).
Real LoadArea(std::uint8_t shape, Real b, Real l)
{
    switch (shape) {
    case shContinuous:
        return b;
    case shSquare:
        return b * b;
    case shCircle:
        return kPi * b * b / 4;
    case shRectangle:
        return b * l;
    default:
        return NaN();
    }
}

}  // namespace

void TPMData::BearingCapacity()
{
    GammaW = Stored(UnitValue(9.8L, 62.4L));

    // Terzaghi factors.
    const Real phiRad = Stored(Phi * kPi / 180);
    PhiRad = phiRad;
    const Real tanPhi = std::tan(phiRad);
    ATheta = Stored(std::exp((0.75L - Phi / 360) * kPi * tanPhi));
    const Real cosHalf = std::cos(kPi / 4 + phiRad / 2);
    NqTerzaghi = Stored(CheckedDiv(ATheta * ATheta, 2 * cosHalf * cosHalf));
    // Nq - 1 in a form that keeps its digits at small angles (2 cos^2(pi/4 + phi/2) = 1 - sin phi),
    // so that a tiny friction angle gives Nc near its limit instead of a cancelled zero.
    const Real sinPhi = std::sin(phiRad);
    const Real terzaghiNqLess1 =
        CheckedDiv(std::expm1(2 * (0.75L - Phi / 360) * kPi * tanPhi) + sinPhi, 1 - sinPhi);
    NcTerzaghi = Phi == 0 ? 5.7L : Stored(CheckedDiv(terzaghiNqLess1, tanPhi));
    NGammaTerzaghi = Stored(CheckedDiv(2 * (NqTerzaghi + 1) * tanPhi, 1 + 0.4L * std::sin(4 * phiRad)));

    // Water table: at or above the base, deeper than one width below it, or in between.
    if (Dw <= Df)
        GammaPrime = Stored(Gamma - GammaW);
    else if (Dw >= Df + B)
        GammaPrime = Gamma;
    else
        GammaPrime = Stored(Gamma - GammaW * (1 - CheckedDiv(Dw - Df, B)));
    SigmaZD = Stored(Dw <= Df ? Gamma * Df - (Df - Dw) * GammaW : Gamma * Df);

    const TTerzaghiCoefficients coefficients = TerzaghiCoefficients(Shape);
    TerzaghiCoef1 = coefficients.Cohesion;
    TerzaghiCoef3 = coefficients.Width;

    // Vesic factors.
    const Real tanHalf = std::tan(kPi / 4 + phiRad / 2);
    NqVesic = Stored(tanHalf * tanHalf * std::exp(kPi * tanPhi));
    // Nq - 1 again without cancellation: tan(pi/4 + phi/2) = exp(atanh(sin phi)).
    const Real vesicNqLess1 = std::expm1(2 * std::atanh(sinPhi) + kPi * tanPhi);
    NcVesic = Phi == 0 ? 5.14L : Stored(CheckedDiv(vesicNqLess1, tanPhi));
    NGammaVesic = Stored(2 * (NqVesic + 1) * tanPhi);
    switch (Shape) {
    case shContinuous:
        BOverL = 0;
        break;
    case shSquare:
    case shCircle:
        BOverL = 1;
        break;
    case shRectangle:
        BOverL = Stored(CheckedDiv(B, L));
        break;
    default:
        BOverL = NaN();
        break;
    }
    Sc = Stored(1 + BOverL * CheckedDiv(NqVesic, NcVesic));
    const Real depthRatio = Stored(CheckedDiv(Df, B));
    DepthK = depthRatio <= 1 ? depthRatio : std::atan(depthRatio);
    Dc = 1 + 0.4L * DepthK;
    Sq = Stored(1 + BOverL * tanPhi);
    const Real oneMinusSin = 1 - sinPhi;
    Dq = Stored(1 + 2 * tanPhi * oneMinusSin * oneMinusSin * DepthK);
    SGamma = 1 - 0.4L * BOverL;
    DGamma = 1;

    // Capacities and allowable loads, Terzaghi then Vesic; loads in kips (English) or kN (SI).
    const Real area = Stored(LoadArea(Shape, B, L));
    const Real loadUnit = UnitValue(1, 1000);
    if (Shape == shRectangle) {
        QultTerzaghi = NaN();
        QallTerzaghi = NaN();
        AllowLoadTerzaghi = NaN();
    } else {
        QultTerzaghi = Stored(TerzaghiCoef1 * C * NcTerzaghi + SigmaZD * NqTerzaghi +
                              TerzaghiCoef3 * GammaPrime * B * NGammaTerzaghi);
        QallTerzaghi = Stored(CheckedDiv(QultTerzaghi, FS));
    }
    QultVesic = Stored(C * NcVesic * Sc * Dc + SigmaZD * NqVesic * Sq * Dq +
                       0.5L * GammaPrime * B * NGammaVesic * SGamma * DGamma);
    QallVesic = Stored(CheckedDiv(QultVesic, FS));
    if (Shape != shRectangle)
        AllowLoadTerzaghi = Stored(QallTerzaghi * area / loadUnit);
    AllowLoadVesic = Stored(QallVesic * area / loadUnit);
}
