#include <gtest/gtest.h>

#include "core/PMClasses.h"
#include "design/RebarTables.h"
#include "design/SquareFootingChecks.h"

namespace {

class SquareFootingCheckRules : public ::testing::Test {
  protected:
    void TearDown() override { SelectRebarTable(rfUS, 0); }

    // A record whose results pass every check in English units with #6 bars and T = 24 in.
    void SetUp() override
    {
        record.Units = 0;
        TSquareFootingData& q = record.Square;
        q.RebarFamily = rfUS;
        q.FootingBarSize = 6;
        q.FootingThickness = 24;
        q.Fy = 60;
        SelectRebarTable(record);
        record.AllowNetBearing = 5;
        q.QService = 4;
        q.Rho1 = q.Rho2 = 0.0025L;
        q.BarSpacing1 = q.BarSpacing2 = 9;
        q.Mu1 = q.Mu2 = 250;
        q.PhiMn1 = q.PhiMn2 = 400;
        q.Vu1 = q.Vu2 = 70;
        q.PhiVc1 = q.PhiVc2 = 180;
        q.As1 = q.As2 = 4.4L;
        q.AsMin1 = q.AsMin2 = 4.1472L;
        q.VuPunch = 300;
        q.PhiVcPunch = 550;
        q.PuColumn = 340;
        q.PhiBearing = 565;
        q.DevLength1 = q.DevLength2 = 28;
        q.DevAvail1 = q.DevAvail2 = 37;
    }
    TPMData record;
};

}  // namespace

TEST_F(SquareFootingCheckRules, LimitsOfRatioAndSpacing)
{
    struct Case {
        std::uint8_t units;
        std::int32_t family, bar;
        Real fy, thickness;
        Real rhoMin, sMin, sMax;
    };
    // The minimum steel ratio of the gross section is 0.0018 whatever the grade (ACI 318-19
    // 8.6.1.1 and Table 24.4.3.2); s min = max(db, 1 in / 25 mm), s max = min(3 T, 18 in / 450 mm).
    const Case cases[] = {
        {0, rfUS, 6, 60, 24, 0.0018L, 1, 18},
        {0, rfUS, 14, 40, 5, 0.0018L, 1.693L, 15},  // #14 is 1.693 in
        {0, rfUS, 6, 0, 24, 0.0018L, 1, 18},
        {1, rfEuropean, 32, 420, 100, 0.0018L, 32, 300},
        {1, rfEuropean, 10, 500, 300, 0.0018L, 25, 450},
        {1, rfUS, 36, 0, 150, 0.0018L, 1.41L * 25.4L, 450},  // #11 as 36M: 35.814 mm
    };
    for (const Case& c : cases) {
        record.Units = c.units;
        record.Square.RebarFamily = c.family;
        record.Square.FootingBarSize = c.bar;
        record.Square.Fy = c.fy;
        record.Square.FootingThickness = c.thickness;
        SelectRebarTable(record);
        const TSquareFootingLimits limits = SquareFootingLimits(record);
        SCOPED_TRACE("units " + std::to_string(c.units) + " bar " + std::to_string(c.bar));
        EXPECT_NEAR(double(limits.RhoMin), double(c.rhoMin), 1e-15);
        EXPECT_NEAR(double(limits.SpacingMin), double(c.sMin), 1e-12);
        EXPECT_NEAR(double(limits.SpacingMax), double(c.sMax), 1e-12);
    }
    EXPECT_EQ(record.Square.Fy, 0);  // checking never changes the record
}

TEST_F(SquareFootingCheckRules, EachCheckPassesAtItsBoundAndFailsBeyond)
{
    struct Case {
        const char* name;
        void (*change)(TPMData&);
        bool TSquareFootingChecks::*check;
        bool passes;
    };
    using C = TSquareFootingChecks;
    const Case cases[] = {
        {"qs = qa", [](TPMData& r) { r.Square.QService = 5; }, &C::QService, true},
        {"qs > qa", [](TPMData& r) { r.Square.QService = 5.01L; }, &C::QService, false},
        {"qa N.A.", [](TPMData& r) { r.AllowNetBearing = NaN(); }, &C::QService, false},
        {"As = As,min", [](TPMData& r) { r.Square.As1 = r.Square.AsMin1; }, &C::Rho1, true},
        {"As < As,min", [](TPMData& r) { r.Square.As2 = 4.14L; }, &C::Rho2, false},
        {"As,min N.A.", [](TPMData& r) { r.Square.AsMin1 = NaN(); }, &C::Rho1, false},
        {"rho below the old ratio limit, As enough", [](TPMData& r) { r.Square.Rho1 = 0.0001L; }, &C::Rho1,
         true},
        {"s = s min", [](TPMData& r) { r.Square.BarSpacing1 = 1; }, &C::Spacing1, true},
        {"s < s min", [](TPMData& r) { r.Square.BarSpacing1 = 0.99L; }, &C::Spacing1, false},
        {"s = s max", [](TPMData& r) { r.Square.BarSpacing2 = 18; }, &C::Spacing2, true},
        {"s > s max", [](TPMData& r) { r.Square.BarSpacing2 = 18.01L; }, &C::Spacing2, false},
        {"negative s", [](TPMData& r) { r.Square.BarSpacing2 = -1; }, &C::Spacing2, false},
        {"Mu = phiMn", [](TPMData& r) { r.Square.Mu1 = 400; }, &C::Moment1, true},
        {"Mu > phiMn", [](TPMData& r) { r.Square.Mu2 = 400.01L; }, &C::Moment2, false},
        {"Vu = phiVc", [](TPMData& r) { r.Square.Vu1 = 180; }, &C::Shear1, true},
        {"Vu > phiVc", [](TPMData& r) { r.Square.Vu2 = 180.01L; }, &C::Shear2, false},
        {"Vu = 0 against a negative phiVc",
         [](TPMData& r) {
             r.Square.Vu1 = 0;
             r.Square.PhiVc1 = -3;
         },
         &C::Shear1, true},
        {"Vu = 0 marks the section beyond the edge", [](TPMData& r) { r.Square.Vu2 = 0; },
         &C::ShearBeyondEdge2, true},
        {"Vu > 0 is inside the footing", [](TPMData&) {}, &C::ShearBeyondEdge1, false},
        {"VuPunch = phiVcPunch", [](TPMData& r) { r.Square.VuPunch = 550; }, &C::Punch, true},
        {"VuPunch > phiVcPunch", [](TPMData& r) { r.Square.VuPunch = 550.01L; }, &C::Punch, false},
        {"VuPunch N.A.", [](TPMData& r) { r.Square.VuPunch = NaN(); }, &C::Punch, false},
        {"VuPunch = 0 with no perimeter",
         [](TPMData& r) {
             r.Square.VuPunch = 0;
             r.Square.PhiVcPunch = 0;
         },
         &C::Punch, true},
        {"VuPunch = 0 marks the section beyond the edge", [](TPMData& r) { r.Square.VuPunch = 0; },
         &C::PunchBeyondEdge, true},
        {"VuPunch > 0 is inside the footing", [](TPMData&) {}, &C::PunchBeyondEdge, false},
        {"Pu = phi Bn", [](TPMData& r) { r.Square.PuColumn = 565; }, &C::Bearing, true},
        {"Pu > phi Bn", [](TPMData& r) { r.Square.PuColumn = 565.01L; }, &C::Bearing, false},
        {"ld = available", [](TPMData& r) { r.Square.DevLength1 = 37; }, &C::Development1, true},
        {"ld > available", [](TPMData& r) { r.Square.DevLength2 = 37.01L; }, &C::Development2, false},
        {"ld N.A.", [](TPMData& r) { r.Square.DevLength1 = NaN(); }, &C::Development1, false},
    };
    EXPECT_TRUE(SquareFootingChecks(record).AllPass());
    for (const Case& c : cases) {
        TPMData r = record;
        c.change(r);
        const TSquareFootingChecks checks = SquareFootingChecks(r);
        EXPECT_EQ(checks.*c.check, c.passes) << c.name;
        // Every check that fails takes the whole design with it (the edge notes are not checks).
        const bool note = c.check == &C::ShearBeyondEdge1 || c.check == &C::ShearBeyondEdge2 ||
                          c.check == &C::PunchBeyondEdge;
        if (!c.passes && !note) {
            EXPECT_FALSE(checks.AllPass()) << c.name;
        }
    }
}
