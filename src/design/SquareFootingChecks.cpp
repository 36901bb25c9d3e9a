#include "design/SquareFootingChecks.h"

#include "core/PMClasses.h"
#include "design/RebarTables.h"

TSquareFootingLimits SquareFootingLimits(const TPMData& record)
{
    const TSquareFootingData& q = record.Square;
    // An Fy of 0 is taken as 0.001 so that the limit stays defined (the cap of 0.002 then governs).
    const Real fy = q.Fy == 0 ? 0.001L : q.Fy;
    TSquareFootingLimits limits;
    limits.RhoMin = MinValid({record.UnitValue(0.756, 0.108) / fy, 0.002L});
    limits.SpacingMin = MaxValid({FindRebar(record, q.FootingBarSize).Diameter, record.UnitValue(25, 1)});
    limits.SpacingMax = MinValid({3 * q.FootingThickness, record.UnitValue(450, 18)});
    return limits;
}

TSquareFootingChecks SquareFootingChecks(const TPMData& record)
{
    const TSquareFootingData& q = record.Square;
    TSquareFootingChecks c;
    c.Limits = SquareFootingLimits(record);
    const auto spacingOk = [&](Real s) { return c.Limits.SpacingMin <= s && s <= c.Limits.SpacingMax; };
    const auto shearOk = [](Real vu, Real phiVc) { return vu <= phiVc || vu == 0; };

    c.QService = q.QService <= record.AllowNetBearing;
    c.Rho1 = q.Rho1 >= c.Limits.RhoMin;
    c.Rho2 = q.Rho2 >= c.Limits.RhoMin;
    c.Spacing1 = spacingOk(q.BarSpacing1);
    c.Spacing2 = spacingOk(q.BarSpacing2);
    c.Moment1 = q.Mu1 <= q.PhiMn1;
    c.Moment2 = q.Mu2 <= q.PhiMn2;
    c.Shear1 = shearOk(q.Vu1, q.PhiVc1);
    c.Shear2 = shearOk(q.Vu2, q.PhiVc2);
    c.ShearBeyondEdge1 = q.Vu1 == 0;
    c.ShearBeyondEdge2 = q.Vu2 == 0;
    return c;
}
