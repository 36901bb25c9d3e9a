#include "design/SquareFootingChecks.h"

#include "core/PMClasses.h"
#include "design/RebarTables.h"
#include "design/SquareFootingAci.h"

TSquareFootingLimits SquareFootingLimits(const TPMData& record)
{
    const TSquareFootingData& q = record.Square;
    TSquareFootingLimits limits;
    limits.RhoMin = kMinSteelRatio;
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
    // Minimum steel on the gross section; the ratio shown stays As / (b d).
    c.Rho1 = q.As1 >= q.AsMin1;
    c.Rho2 = q.As2 >= q.AsMin2;
    c.Spacing1 = spacingOk(q.BarSpacing1);
    c.Spacing2 = spacingOk(q.BarSpacing2);
    c.Moment1 = q.Mu1 <= q.PhiMn1;
    c.Moment2 = q.Mu2 <= q.PhiMn2;
    c.Shear1 = shearOk(q.Vu1, q.PhiVc1);
    c.Shear2 = shearOk(q.Vu2, q.PhiVc2);
    c.ShearBeyondEdge1 = q.Vu1 == 0;
    c.ShearBeyondEdge2 = q.Vu2 == 0;
    c.Punch = shearOk(q.VuPunch, q.PhiVcPunch);
    c.PunchBeyondEdge = q.VuPunch == 0;
    c.Bearing = q.PuColumn <= q.PhiBearing;
    c.Development1 = q.DevLength1 <= q.DevAvail1;
    c.Development2 = q.DevLength2 <= q.DevAvail2;
    return c;
}
