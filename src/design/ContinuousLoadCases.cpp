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

Real UnbalancedHeight(const TPMData& record)
{
    return record.Continuous.GrH - record.Continuous.GrL;
}

Real ActiveHeight(const TPMData& record)
{
    return record.Continuous.GrH + record.Continuous.TfLen;
}

Real PassiveDepth(const TPMData& record)
{
    const TContinuousData& cd = record.Continuous;
    return cd.GrL + cd.TfLen + cd.K;
}

Real ContinuousDeadWeight(const TPMData& record, int combination)
{
    const TContinuousData& cd = record.Continuous;
    const TLoadCase& lc = cd.LoadCases.at(static_cast<std::size_t>(combination));
    const Real tw = cd.TwLen;
    return cd.W * cd.TfLen * cd.Gc + lc.Pdl + cd.K * tw * cd.Gc + tw * cd.H * cd.Gc +
           (cd.W - tw) * cd.Gamma * (cd.GrL + cd.GrH) / 2;
}

TCombinationTerms CombinationTerms(const TPMData& record, int combination)
{
    const TContinuousData& cd = record.Continuous;
    const TLoadCase& lc = cd.LoadCases.at(static_cast<std::size_t>(combination));
    const TLoadCase& wind = cd.LoadCases[lcWind];
    const TLoadCase& seismic = cd.LoadCases[lcSeismic];
    const Real tf = cd.TfLen;
    const Real ha = ActiveHeight(record);
    const Real dw = ContinuousDeadWeight(record, combination);
    const Real userHeight = lc.Vht + tf;
    TCombinationTerms t;

    // ASCE 7-16 2.3.1: 0.9D + 1.0W, 0.9D - 0.2 SDS D + 1.0E; the live load never stabilises.
    t.StabFactor = combination == lcSeismic ? 0.9L - 0.2L * seismic.Sds : 0.9L;
    const Real stabWeight = t.StabFactor * dw;
    t.Friction = std::tan(cd.Phi * std::numbers::pi_v<Real> / 180) * stabWeight;
    // Passive soil from the ignored depth down to the keyway bottom; none when ign reaches D.
    const Real d = PassiveDepth(record);
    if (d > 0) {
        const Real ign = cd.Ign < 0 ? 0 : cd.Ign > d ? d : cd.Ign;
        t.Passive = cd.Pp * (d * d - ign * ign) / 2;
    }
    t.Cohesion = cd.W * cd.C;

    // The active soil acts from the high-side grade to the bottom of the footing.
    t.SoilDriving = 1.6L * cd.Pa * ha * ha / 2;
    t.SoilOverturning = 1.6L * cd.Pa * ha * ha * ha / 6;
    switch (combination) {
    case lcWind:
        t.LateralDriving = 1.2L * lc.Vdl + lc.Vll + wind.WF;
        t.LateralOverturning = (1.2L * lc.Vdl + lc.Vll) * userHeight + (wind.WFht + tf) * wind.WF;
        t.TopMoments = 1.2L * lc.Mdl + lc.Mll;
        break;
    case lcSeismic:
        t.LateralDriving = 1.2L * lc.Vdl + lc.Vll + seismic.Fp;
        t.LateralOverturning = (1.2L * lc.Vdl + lc.Vll) * userHeight + (seismic.Sht + tf) * seismic.Fp;
        t.TopMoments = 1.2L * lc.Mdl + lc.Mll;
        break;
    default:
        t.LateralDriving = 1.6L * lc.Vll + 1.2L * lc.Vdl;
        t.LateralOverturning = (1.6L * lc.Vll + 1.2L * lc.Vdl) * userHeight;
        t.TopMoments = 1.2L * lc.Mdl + 1.6L * lc.Mll;
        break;
    }

    // Service level (ASCE 7-16 2.4), conservatively with the full live load in every combination.
    t.ServiceAxial = (combination == lcSeismic ? 1 + 0.14L * seismic.Sds : 1) * dw + lc.Pll;
    t.ServiceMoment = cd.Pa * ha * ha * ha / 6 + (lc.Vdl + lc.Vll) * userHeight + lc.Mdl + lc.Mll;
    if (combination == lcWind)
        t.ServiceMoment += 0.6L * wind.WF * (wind.WFht + tf);
    else if (combination == lcSeismic)
        t.ServiceMoment += 0.7L * seismic.Fp * (seismic.Sht + tf);
    return t;
}

void ContinuousStabilityChecks(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    for (int j = lcWind; j <= lcGeneral; ++j) {
        const TCombinationTerms t = CombinationTerms(record, j);
        TLoadCase& lc = cd.LoadCases[j];
        lc.StabWeight = t.StabFactor * ContinuousDeadWeight(record, j);
        lc.Resisting = t.Friction + t.Passive + t.Cohesion;
        lc.Driving = t.SoilDriving + t.LateralDriving;
        lc.SlidingRatio = RatioOrNaN(lc.Resisting, lc.Driving);
        lc.StabMoment = lc.StabWeight * cd.W / 2;
        // A positive moment overturns in the direction of the lateral loads.
        lc.OTMoment = t.SoilOverturning + t.LateralOverturning + t.TopMoments;
        lc.OTSafety = RatioOrNaN(lc.StabMoment, lc.OTMoment);
        // The kern check's eccentricity is that of the service loads the bearing check uses.
        lc.Eccentricity = RatioOrNaN(t.ServiceMoment, t.ServiceAxial);
    }
}

void ContinuousBearingPressures(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    const Real w = cd.W;
    for (int j = lcWind; j <= lcGeneral; ++j) {
        TLoadCase& lc = cd.LoadCases[j];
        const TCombinationTerms t = CombinationTerms(record, j);
        const Real p = t.ServiceAxial;
        const Real axial = CheckedDiv(p, w);
        const Real bending = CheckedDiv(6 * t.ServiceMoment, w * w);
        Real heel = axial - bending;
        if (IsNaN(heel) || heel < 0)
            heel = 0;
        lc.HeelPressure = heel;
        if (heel != 0)
            lc.ToePressure = axial + bending;
        else if (lc.Eccentricity < w / 2)
            lc.ToePressure = 2 * p / (3 * (w / 2 - lc.Eccentricity));  // over the length still in contact
        else
            lc.ToePressure = NaN();  // the resultant at or beyond the toe: no contact length, fails
    }
}
