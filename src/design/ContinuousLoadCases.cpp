#include "design/ContinuousLoadCases.h"

#include <cmath>
#include <numbers>

#include "core/PMClasses.h"
#include "design/ContinuousRatio.h"

void ContinuousDerivedLoads(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    const Real k = record.UnitValue(1000, 12);
    cd.TwLen = cd.Tw / k;
    cd.TfLen = cd.Tf / k;

    // Wind on the exposed face above low-side grade: velocity pressure with Kd = 0.85, net force
    // with the gust factor G = 0.85, resultant at 0.55 of the exposed height.
    TLoadCase& wind = cd.LoadCases[lcWind];
    const Real c = record.UnitValue(6.13e-4L, 0.00256L);
    wind.Qz = c * wind.V * wind.V * wind.Kz * wind.Kzt * 0.85L;
    wind.WF = wind.Qz * 0.85L * wind.Cf * (cd.H - cd.GrL);
    wind.WFht = cd.GrL + 0.55L * (cd.H - cd.GrL);

    // Seismic force of the wall's own weight, importance factor 1.0.
    TLoadCase& seismic = cd.LoadCases[lcSeismic];
    Real x = 0.4L * seismic.Sds;
    if (x < 0.1L)
        x = 0.1L;
    seismic.Fp = x * cd.Gc * cd.H * cd.TwLen;
    seismic.Sht = cd.H / 2;

    TLoadCase& general = cd.LoadCases[lcGeneral];
    general.Vdl = wind.WF;
    general.Vht = wind.WFht;
}

void ContinuousStabilityChecks(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    const TLoadCase& wind = cd.LoadCases[lcWind];
    const TLoadCase& seismic = cd.LoadCases[lcSeismic];
    const Real tw = cd.TwLen;
    const Real tf = cd.TfLen;
    const Real hp = cd.GrH - cd.GrL - cd.Ign;  // unbalanced soil height less the ignored depth
    const Real d = cd.GrL + tf + cd.K;         // passive side: low-side grade to bottom of keyway
    const Real tanPhi = std::tan(cd.Phi * std::numbers::pi_v<Real> / 180);

    for (int j = lcWind; j <= lcGeneral; ++j) {
        TLoadCase& lc = cd.LoadCases[j];
        // Footing, wall loads, keyway, stem, and the soil on both sides averaged over the grades.
        lc.StabWeight = 0.9L * (cd.W * tf * cd.Gc + lc.Pll + lc.Pdl + cd.K * tw * cd.Gc + tw * cd.H * cd.Gc +
                                (cd.W - tw) * cd.Gamma * (cd.GrL + cd.GrH) / 2);
        lc.Resisting = tanPhi * lc.StabWeight + cd.Pp * (d + cd.Ign) / 2 * (d - cd.Ign) + cd.W * cd.C;

        const Real soil = 1.6L * cd.Pa * hp * hp / 2;
        if (j == lcGeneral)
            lc.Driving = soil + 1.6L * lc.Vll + 1.2L * lc.Vdl;
        else
            lc.Driving = soil + 1.2L * lc.Vdl + lc.Vll + (j == lcWind ? wind.WF : seismic.Fp);
        lc.SlidingRatio = RatioOrNaN(lc.Resisting, lc.Driving);

        lc.StabMoment = lc.StabWeight * cd.W / 2;
        if (j == lcWind)
            lc.OTMoment = (1.2L * lc.Vdl + lc.Vll) * (lc.Vht + tf) + (wind.WFht + tf) * wind.WF;
        else if (j == lcSeismic)
            lc.OTMoment = (1.2L * lc.Vdl + lc.Vll) * (lc.Vht + tf) + (seismic.Sht + tf) * seismic.Fp;
        else
            lc.OTMoment = (1.6L * lc.Vll + 1.2L * lc.Vdl) * (lc.Vht + tf);
        lc.OTSafety = RatioOrNaN(lc.StabMoment, lc.OTMoment);
        lc.Eccentricity = RatioOrNaN(lc.OTMoment, lc.StabWeight);
    }
}

void ContinuousBearingPressures(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    const Real w = cd.W;
    for (TLoadCase& lc : cd.LoadCases) {
        const Real p = lc.StabWeight;
        const Real axial = CheckedDiv(p, w);
        const Real bending = CheckedDiv(6 * lc.OTMoment, w * w);
        Real heel = axial - bending;
        if (IsNaN(heel) || heel < 0)
            heel = 0;
        lc.HeelPressure = heel;
        // Once the heel lifts, the pressure is triangular over the length still in contact. With
        // the resultant at the edge or beyond it that length is zero or negative, and the plain
        // division gives the infinite or negative pressure that fails the bearing check.
        lc.ToePressure = heel != 0 ? axial + bending : 2 * p / (3 * (w / 2 - lc.Eccentricity));
    }
}
