// Overturning, sliding and uplift checks of the footing with its pedestals.
#include <algorithm>
#include <cmath>

#include "analysis/StabilityStages.h"

namespace stability {

namespace {

// A factor of safety whose driving quantity vanishes does not apply.
constexpr Real kNoOverturning = 1e-16L;

}  // namespace

void ComputeOverturning(TStabilityData& s)
{
    const Real L = s.StabL, B = s.StabB, T = s.StabT, D = s.SoilCover;
    s.SumMrx = 0;
    s.SumMox = 0;
    s.SumMry = 0;
    s.SumMoy = 0;
    Real windY = 0;  // wind Hy and Mx parts
    Real windX = 0;  // wind Hx and My parts
    Real windZ = 0;  // wind Pz
    for (int k = 0; k < PedestalsInUse(s); ++k) {
        TPedestal& p = s.Pedestals[k];
        const Real arm = p.H + T;
        const Real resisting = p.Weight - p.PzD;
        // About x: the edge at y = -B/2, or y = +B/2 when the resultant lies on the +y side.
        if (s.Ey >= 0) {
            p.MrxPz = resisting * (B / 2 - p.Yp);
            p.MrxHy = -(arm * p.HyD);
            p.MrxMx = -p.MxD;
            p.MoxPz = -p.PzW * (B / 2 - p.Yp);
        } else {
            p.MrxPz = resisting * (B / 2 + p.Yp);
            p.MrxHy = arm * p.HyD;
            p.MrxMx = p.MxD;
            p.MoxPz = (B / 2 + p.Yp) * p.PzW;
        }
        p.MoxHy = -p.HyW * arm;
        p.MoxMx = p.MxW;
        s.SumMrx += p.MrxPz + p.MrxHy + p.MrxMx;
        s.SumMox += p.MoxPz + p.MoxHy + p.MoxMx;
        // About y: the edge at x = -L/2, or x = +L/2 when the resultant lies on the +x side.
        if (s.Ex >= 0) {
            p.MryPz = resisting * (L / 2 - p.Xp);
            p.MryHx = -(arm * p.HxD);
            p.MryMy = -p.MyD;
            p.MoyPz = (L / 2 - p.Xp) * p.PzW;
        } else {
            p.MryPz = resisting * (L / 2 + p.Xp);
            p.MryHx = arm * p.HxD;
            p.MryMy = p.MyD;
            p.MoyPz = -p.PzW * (L / 2 + p.Xp);
        }
        p.MoyHx = arm * p.HxW;
        p.MoyMy = p.MyW;
        s.SumMry += p.MryPz + p.MryHx + p.MryMy;
        s.SumMoy += p.MoyPz + p.MoyHx + p.MoyMy;
        windY += p.MoxHy + p.MoxMx;
        windX += p.MoyHx + p.MoyMy;
        windZ += p.PzW;
    }
    // Live loads take no part; footing and soil resist with half the width or length as arm.
    const Real footingAndSoil = L * B * T * s.GammaC + L * B * D * s.GammaS;
    s.MrxFootingSoil = footingAndSoil * B / 2;
    s.SumMrx += s.MrxFootingSoil;
    if (windY == 0 && windZ <= 0 && s.Ey == 0)
        s.SumMox = 0;
    s.FSOverturningX = std::fabs(s.SumMox) > kNoOverturning ? std::fabs(s.SumMrx / s.SumMox) : NaN();
    s.MryFootingSoil = footingAndSoil * L / 2;
    s.SumMry += s.MryFootingSoil;
    if (windX == 0 && windZ <= 0 && s.Ex == 0)
        s.SumMoy = 0;
    s.FSOverturningY = std::fabs(s.SumMoy) > kNoOverturning ? std::fabs(s.SumMry / s.SumMoy) : NaN();
}

void ComputeSlidingAndUplift(TStabilityData& s)
{
    const Real L = s.StabL, B = s.StabB, T = s.StabT, D = s.SoilCover;
    s.SumHxDResist = 0;
    s.SumHyDResist = 0;
    s.SumHxW = 0;
    s.SumHyW = 0;
    s.SumPzDownLoads = 0;
    s.SumPzWindUp = 0;
    s.SumPzDown = 0;
    for (int k = 0; k < PedestalsInUse(s); ++k) {
        TPedestal& p = s.Pedestals[k];
        s.SumHxDResist += p.HxD;
        s.SumHyDResist += p.HyD;
        s.SumHxW += p.HxW;
        s.SumHyW += p.HyW;
        p.PzDDown = std::min<Real>(p.PzD, 0);
        p.PzWDown = std::min<Real>(p.PzW, 0);
        p.PzWUp = std::max<Real>(p.PzW, 0);
        s.SumPzDownLoads += p.PzDDown + p.PzWDown;
        s.SumPzWindUp += p.PzWUp;
        s.SumPzDown += p.PzL;
    }

    // Passive pressure on the footing face, trapezoidal from depth D to D + T, and base friction;
    // both resist against the direction of the wind.
    const Real passivePerWidth = (s.Kp * s.GammaS * (D + T) + s.Kp * s.GammaS * D) * T / 2;
    const Real friction = s.SumPz > 0 ? (s.SumPz - s.SurchargeLoad) * s.SlidingFriction : 0;
    s.PassX = passivePerWidth * B;
    s.FrictX = friction;
    if (s.SumHxW >= 0) {
        s.PassX = -s.PassX;
        s.FrictX = -s.FrictX;
    }
    s.FSSlidingX = s.SumHxW != 0 ? std::fabs((s.SumHxDResist + s.PassX + s.FrictX) / s.SumHxW) : NaN();
    s.PassY = passivePerWidth * L;
    s.FrictY = friction;
    if (s.SumHyW >= 0) {
        s.PassY = -s.PassY;
        s.FrictY = -s.FrictY;
    }
    s.FSSlidingY = s.SumHyW != 0 ? std::fabs((s.SumHyDResist + s.PassY + s.FrictY) / s.SumHyW) : NaN();

    // Uplift: all weights less the dead and the downward wind loads, against the upward wind.
    s.SumPzDownLoads = Round6(s.SumPzDownLoads);
    s.SumPzWindUp = Round6(s.SumPzWindUp);
    s.SumPzDown = s.SumPz + s.SumPzWindUp + s.SumPzDown - s.SurchargeLoad;
    s.SumPzUplift = s.SumPzWindUp;
    s.FSUplift = s.SumPzUplift > 0 ? s.SumPzDown / s.SumPzUplift : NaN();
}

}  // namespace stability
