#include "design/StemWallDesign.h"

#include "core/PMClasses.h"
#include "design/ContinuousRatio.h"
#include "design/InteractionDiagram.h"
#include "design/RebarTables.h"

void StemVerticalSteel(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    TStemWallReinforcement& sw = cd.StemWall;
    const Real k = record.UnitValue(1000, 12);
    const Real ab = FindRebar(sw.VertBarSize).Area;
    sw.AsVert = CheckedDiv(ab * sw.Layers, sw.VertSpacing);
    sw.RhoVert = CheckedDiv(100 * sw.AsVert, cd.Tw * k);
}

void StemShearStrength(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    if (record.Units == 1)
        cd.StemWall.PhiVn = 0.75L * 0.17L * CheckedSqrt(cd.Fc) * 1000 * cd.Tw / 1000;
    else
        cd.StemWall.PhiVn = 0.75L * 2 * CheckedSqrt(1000 * cd.Fc) * 12 * cd.Tw;
}

void StemDemands(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    const TLoadCase& wind = cd.LoadCases[lcWind];
    const TLoadCase& seismic = cd.LoadCases[lcSeismic];
    const Real h = cd.H;
    const Real unbalanced = cd.GrH - cd.GrL;
    // Equivalent-fluid pressure over the unbalanced soil height, no load factor.
    const Real soil = cd.Pp * unbalanced * unbalanced * unbalanced / 6;
    const Real wall = cd.TwLen * h * cd.Gc;

    for (int j = lcWind; j <= lcGeneral; ++j) {
        TLoadCase& lc = cd.LoadCases[j];
        if (j == lcWind)
            lc.Mu = soil + wind.Qz * 0.85L * wind.Cf * h * h / 2 + 1.2L * lc.Mdl + lc.Mll +
                    (1.2L * lc.Vdl + lc.Vll) * h;
        else if (j == lcSeismic)
            lc.Mu = soil + 1.2L * lc.Mdl + lc.Mll + (1.2L * lc.Vdl + lc.Vll) * h + seismic.Fp * h / 2;
        else
            lc.Mu = soil + 1.6L * lc.Mll + 1.2L * lc.Mdl + (1.6L * lc.Vll + 1.2L * lc.Vdl) * lc.Vht;
        lc.Pu = 1.2L * (wall + lc.Pdl) + (j == lcGeneral ? 1.6L * lc.Pll : lc.Pll);
        lc.Vu = lc.Driving;  // the base shear of the stem is the footing's driving force
        lc.PhiMnAtPu = MomentStrengthAtLoad(cd, lc.Pu);
        lc.MomentUtil = RatioOrNaN(100 * lc.Mu, lc.PhiMnAtPu);
        lc.ShearUtil = RatioOrNaN(100 * lc.Vu, cd.StemWall.PhiVn);
    }

    const auto& lcs = cd.LoadCases;
    cd.StemWall.MomentUtilization =
        GoverningUtilization(lcs[lcWind].MomentUtil, lcs[lcSeismic].MomentUtil, lcs[lcGeneral].MomentUtil);
    cd.StemWall.ShearUtilization =
        GoverningUtilization(lcs[lcWind].ShearUtil, lcs[lcSeismic].ShearUtil, lcs[lcGeneral].ShearUtil);
}

Real GoverningUtilization(Real wind, Real seismic, Real general)
{
    if (IsNaN(wind) || IsNaN(seismic) || IsNaN(general))
        return NaN();
    Real governing = seismic;
    if (governing <= general)
        governing = general;
    if (!(governing >= wind))
        governing = wind;
    return governing;
}

void StemHorizontalSteel(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    const Real k = record.UnitValue(1000, 12);
    const Real ab = FindRebar(cd.StemWall.HorBarSize).Area;
    cd.StemWall.RhoHor = CheckedDiv(100 * 2 * ab, cd.StemWall.HorSpacing * cd.Tw * k);
}

void StemDeflections(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    TStemWallReinforcement& sw = cd.StemWall;
    const Real k = record.UnitValue(1000, 12);
    sw.Ec = record.Units == 1 ? 4700 * CheckedSqrt(cd.Fc) : 57 * CheckedSqrt(1000 * cd.Fc);
    sw.Ig = k * cd.Tw * cd.Tw * cd.Tw / 12;
    sw.Ie = 0.35L * sw.Ig;

    // Cantilever of height H: a point load p at height h, and a moment at the top.
    const Real a = record.UnitValue(1000, 0.001L);  // force to kips; to newtons
    const Real b = record.UnitValue(1e6L, 0.012L);  // moment to kip-in; to newton-millimetres
    const Real h = cd.H;
    auto pointLoad = [&](Real p, Real at) {
        return CheckedDiv(a * p * (k * at) * (k * at) * k * (3 * h - at), 6 * sw.Ec * sw.Ie);
    };
    auto topMoment = [&](Real moment) {
        return CheckedDiv(b * moment * (k * h) * (k * h), 2 * sw.Ec * sw.Ie);
    };

    TLoadCase& wind = cd.LoadCases[lcWind];
    TLoadCase& seismic = cd.LoadCases[lcSeismic];
    TLoadCase& general = cd.LoadCases[lcGeneral];
    wind.Deflection = pointLoad(0.75L * wind.Vll + wind.Vdl, wind.Vht) +
                      pointLoad(0.6L * wind.WF, wind.WFht) + topMoment(0.75L * wind.Mll + wind.Mdl);
    seismic.Deflection = pointLoad(0.75L * seismic.Vll + seismic.Vdl, seismic.Vht) +
                         pointLoad(0.6L * seismic.Fp, seismic.Sht) +
                         topMoment(0.75L * seismic.Mll + seismic.Mdl);
    general.Deflection =
        pointLoad(general.Vll + general.Vdl, general.Vht) + topMoment(general.Mll + general.Mdl);
}
