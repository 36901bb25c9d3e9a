// Pedestal forces and moments, the vertical resultant and its eccentricities.
#include <algorithm>

#include "analysis/StabilityStages.h"

namespace stability {

int PedestalsInUse(const TStabilityData& s)
{
    return std::clamp<std::int32_t>(s.PedestalCount, 0, static_cast<std::int32_t>(s.Pedestals.size()));
}

void ComputeResultant(TStabilityData& s)
{
    const Real L = s.StabL, B = s.StabB, T = s.StabT, D = s.SoilCover;
    const Real gc = s.GammaC, gs = s.GammaS;

    s.WeightPedestals = 0;
    s.SumPedestalFz = 0;
    s.SumMx = 0;
    s.SumMy = 0;
    for (int k = 0; k < PedestalsInUse(s); ++k) {
        TPedestal& p = s.Pedestals[k];
        const Real arm = p.H + T;  // footing base to pedestal top
        p.Dx = p.Xp - s.RefX;
        p.Dy = p.Yp - s.RefY;
        // The part of the pedestal inside the soil cover displaces soil.
        p.Weight =
            p.H <= D ? p.Lpx * p.Lpy * p.H * (gc - gs) : p.Lpx * p.Lpy * ((gc - gs) * D + (p.H - D) * gc);
        p.Fz = p.Weight - (p.PzD + p.PzL + p.PzW);
        p.MxFz = -p.Dy * p.Fz;
        p.MyFz = p.Dx * p.Fz;
        p.MxDead = -p.HyD * arm + p.MxD;
        p.MxLive = -p.HyL * arm + p.MxL;
        p.MxWind = -p.HyW * arm + p.MxW;
        p.MyDead = arm * p.HxD + p.MyD;
        p.MyLive = arm * p.HxL + p.MyL;
        p.MyWind = arm * p.HxW + p.MyW;
        s.WeightPedestals += p.Weight;
        s.SumPedestalFz += p.Fz;
        s.SumMx += p.MxFz + p.MxDead + p.MxLive + p.MxWind;
        s.SumMy += p.MyFz + p.MyDead + p.MyLive + p.MyWind;
    }

    s.WeightFooting = L * B * T * gc;
    s.WeightSoil = L * B * D * gs;
    s.SurchargeLoad = L * B * s.Surcharge;
    s.FootingSoilSurcharge = s.WeightFooting + s.WeightSoil + s.SurchargeLoad;
    s.SumPedestalFz = Round6(s.SumPedestalFz);
    s.SumPz = s.FootingSoilSurcharge + s.SumPedestalFz;
    s.SumMx = Round6(s.SumMx);
    s.SumMy = Round6(s.SumMy);
    if (s.SumPz != 0) {
        s.Ex = Round2(Div(s.SumMy, s.SumPz));
        s.Ey = Round2(Div(-s.SumMx, s.SumPz));
    } else {
        s.Ex = 0;
        s.Ey = 0;
    }
}

}  // namespace stability
