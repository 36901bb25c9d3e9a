#include "design/FootingFlexure.h"

#include "core/PMClasses.h"
#include "design/RebarTables.h"

void FootingFlexure(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    TFootingReinforcement& ft = cd.Footing;
    const Real k = record.UnitValue(1000, 12);
    const Real c = record.UnitValue(1e-6L, 1000.0L / 12);  // kip-in/ft to lb-ft/ft; N-mm/m to kN-m/m
    const RebarSize bar = FindRebar(record, ft.FootBarSize);
    ft.AsFoot = CheckedDiv(bar.Area, ft.FootSpacing);
    ft.RhoFoot = CheckedDiv(100 * ft.AsFoot, cd.Tf * k);
    const Real halfBlock = CheckedDiv(ft.AsFoot * cd.Fy, 1.7L * cd.Fc * k);
    ft.PhiMnFoot = 0.9L * ft.AsFoot * cd.Fy * (FootingEffectiveDepth(record) - halfBlock) * c;
}

Real FootingEffectiveDepth(const TPMData& record)
{
    const TFootingReinforcement& ft = record.Continuous.Footing;
    return record.Continuous.Tf - ft.FootCover - FindRebar(record, ft.FootBarSize).Diameter / 2;
}

void FootingUltimateMoment(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    Real qmax = 0;
    for (const TLoadCase& lc : cd.LoadCases) {
        // Without a toe pressure (resultant beyond the toe) there is no moment to design for.
        if (IsNaN(lc.ToePressure)) {
            cd.Footing.MuFoot = NaN();
            return;
        }
        for (Real q : {lc.ToePressure, lc.HeelPressure})
            if (q > qmax)
                qmax = q;
    }
    // The service pressure times 1.6: a factored moment for strength design.
    cd.Footing.MuFoot = 1.6L * qmax * (cd.W / 2) * (cd.W / 2) / 2;
}
