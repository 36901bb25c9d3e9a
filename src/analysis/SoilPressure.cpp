// Soil pressure under the footing: uniform, one-way along x or y, and biaxial with full contact;
// a biaxial resultant outside the kern hands over to the partial-contact search.
#include <cmath>

#include "analysis/StabilityStages.h"

namespace stability {

namespace {

// One-way eccentricity e along a side of length `along`, the other side `across`.
// Fills the bearing lengths (along first), % area and the edge pressures qmax, qmin.
struct TOneWay {
    Real LengthAlong, LengthAcross, AreaPct, QMax, QMin;
};

TOneWay OneWay(Real sumPz, Real e, Real along, Real across)
{
    const Real n = sumPz / (along * across);
    const Real ratio = 6 * std::fabs(e) / along;
    TOneWay r{};
    if (std::fabs(e) <= along / 6) {
        r.QMax = (ratio + 1) * n;
        r.QMin = (1 - ratio) * n;
        r.LengthAlong = along;
    } else {
        // Triangular pressure over three times the distance from the resultant to the edge.
        r.QMax = Div(2 * sumPz, (along / 2 - std::fabs(e)) * 3 * across);
        r.QMin = 0;
        r.LengthAlong = 3 * (along / 2 - std::fabs(e));
    }
    r.LengthAcross = across;
    r.AreaPct = r.LengthAlong * r.LengthAcross / (along * across) * 100;
    return r;
}

}  // namespace

void ComputeSoilPressure(TStabilityData& s)
{
    const Real L = s.StabL, B = s.StabB;
    const Real ex = s.Ex, ey = s.Ey;
    for (Real* f : {&s.DistX, &s.DistY, &s.BrgLx, &s.BrgLy, &s.BearingAreaPct, &s.P1, &s.P2, &s.P3, &s.P4,
                    &s.QGross, &s.QNet})
        *f = NaN();
    for (TPressureCase* block :
         {&s.PressureUniform, &s.PressureX, &s.PressureY, &s.PressureBiaxial, &s.PressurePartial})
        block->SetNaN();
    for (TContactIteration& step : s.Iterations)
        step.SetNaN();
    s.BiaxialCase = 0;
    s.ContactStep = 0;

    // A resultant outside the footing has no pressure distribution: the pressures stay N.A.
    const bool outside = std::fabs(ex) >= L / 2 || std::fabs(ey) >= B / 2;
    const Real n = s.SumPz / (L * B);
    TPressureCase* active = nullptr;

    if (ex == 0 && ey == 0) {
        TPressureCase& c = s.PressureUniform;
        c.P1 = c.P2 = c.P3 = c.P4 = n;
        c.Length1 = L;
        c.Length2 = B;
        c.AreaPct = 100;
        active = &c;
    } else if (ey == 0 && ex != 0) {
        if (!outside) {
            const TOneWay r = OneWay(s.SumPz, ex, L, B);
            TPressureCase& c = s.PressureX;
            c.QMaxOrX = r.QMax;
            c.QMinOrY = r.QMin;
            c.Length1 = r.LengthAlong;
            c.Length2 = r.LengthAcross;
            c.AreaPct = r.AreaPct;
            c.P1 = c.P2 = ex > 0 ? r.QMax : r.QMin;
            c.P3 = c.P4 = ex > 0 ? r.QMin : r.QMax;
            active = &c;
        }
    } else if (ex == 0 && ey != 0) {
        if (!outside) {
            const TOneWay r = OneWay(s.SumPz, ey, B, L);
            TPressureCase& c = s.PressureY;
            c.QMaxOrX = r.QMax;
            c.QMinOrY = r.QMin;
            c.Length1 = r.LengthAcross;
            c.Length2 = r.LengthAlong;
            c.AreaPct = r.AreaPct;
            c.P2 = c.P3 = ey > 0 ? r.QMax : r.QMin;
            c.P1 = c.P4 = ey > 0 ? r.QMin : r.QMax;
            active = &c;
        }
    } else {
        const Real kern = std::fabs(6 * ey / B) + std::fabs(6 * ex / L);
        s.PressureBiaxial.KernSum = kern;
        s.PressurePartial.KernSum = kern;
        if (outside) {
            // no distribution
        } else if (kern <= 1) {
            TPressureCase& c = s.PressureBiaxial;
            c.P1 = n * (1 + 6 * ex / L - 6 * ey / B);
            c.P2 = n * (1 + 6 * ex / L + 6 * ey / B);
            c.P3 = n * (1 - 6 * ex / L + 6 * ey / B);
            c.P4 = n * (1 - 6 * ex / L - 6 * ey / B);
            c.Length1 = L;
            c.Length2 = B;
            c.AreaPct = 100;
            active = &c;
        } else if (SearchPartialContact(s)) {
            active = &s.PressurePartial;
            s.DistX = active->QMaxOrX;
            s.DistY = active->QMinOrY;
        }
    }

    if (active != nullptr) {
        s.BrgLx = active->Length1;
        s.BrgLy = active->Length2;
        s.P1 = active->P1;
        s.P2 = active->P2;
        s.P3 = active->P3;
        s.P4 = active->P4;
    }
    s.BearingAreaPct = MaxValid({s.PressureUniform.AreaPct, s.PressureX.AreaPct, s.PressureY.AreaPct,
                                 s.PressureBiaxial.AreaPct, s.PressurePartial.AreaPct});
    s.QGross = MaxValid({s.P1, s.P2, s.P3, s.P4});
    if (IsNaN(s.QGross))
        return;
    s.QNet = s.QGross - (s.SoilCover + s.StabT) * s.GammaS;
    if (s.QNet < 0)
        s.QNet = 0;
}

}  // namespace stability
