#include "design/FootingFlexure.h"

#include "core/PMClasses.h"
#include "design/RebarTables.h"

void FootingFlexure(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    TFootingReinforcement& ft = cd.Footing;
    const Real k = record.UnitValue(1000, 12);
    const Real c = record.UnitValue(1e-6L, 1000.0L / 12);  // kip-in/ft to lb-ft/ft; N-mm/m to kN-m/m
    const Real ab = FindRebar(record, ft.FootBarSize).Area;
    ft.AsFoot = CheckedDiv(ab, ft.FootSpacing);
    ft.RhoFoot = CheckedDiv(100 * ft.AsFoot, cd.Tf * k);
    const Real halfBlock = CheckedDiv(ft.AsFoot * cd.Fy, 1.7L * cd.Fc * k);
    ft.PhiMnFoot = 0.9L * ft.AsFoot * cd.Fy * (cd.Tf - ft.FootCover - halfBlock) * c;
}

void FootingUltimateMoment(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    Real qmax = 0;
    for (const TLoadCase& lc : cd.LoadCases)
        for (Real q : {lc.ToePressure, lc.HeelPressure})
            if (q > qmax)
                qmax = q;
    cd.Footing.MuFoot = qmax * (cd.W / 2) * (cd.W / 2) / 2;
}
