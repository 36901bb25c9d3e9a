#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>

#include "core/PMClasses.h"

namespace {

// English square footing of the bearing example (q all: Terzaghi 2375.46 psf, Vesic 3153.63 psf),
// with a stability footing of 8 x 6 ft.
TPMData ExampleRecord()
{
    TPMData r;
    r.Shape = shSquare;
    r.B = 2, r.L = 2, r.Df = 1.5L, r.C = 120, r.Phi = 26, r.Gamma = 115, r.Dw = 1.5L, r.FS = 3;
    TStabilityData& s = r.Stability;
    s.StabL = 8, s.StabB = 6, s.StabT = 1.5L, s.SoilCover = 1, s.GammaC = 0.15L, s.GammaS = 0.11L;
    return r;
}

}  // namespace

TEST(ComputeAll, AllowNetBearingFollowsTheComputedPressureUntilTheUserSetsAnother)
{
    struct Step {
        const char* What;
        bool SetTyped;
        Real Typed;  // AllowNetBearing before the run
        Real Cohesion;
        double After;
    };
    // Cohesion 120 psf gives 2375.46 psf (2.3755 ksf); 200 psf gives 2375.46 + 1.3 x 80 x 27.0853 / 3
    // = 3314.42 psf.
    const Step steps[] = {
        {"unset: links", true, 0, 120, 2.37546158},
        {"typed 3.0: kept", true, 3.0L, 200, 3.0},
        {"still typed: kept", false, 0, 120, 3.0},
        {"typed the computed value to 0.01: links again", true, 2.38L, 200, 3.31441943},
        {"follows", false, 0, 120, 2.37546158},
        {"NaN: links", true, NaN(), 120, 2.37546158},
    };
    TPMData r = ExampleRecord();
    for (const Step& step : steps) {
        SCOPED_TRACE(step.What);
        if (step.SetTyped)
            r.AllowNetBearing = step.Typed;
        r.C = step.Cohesion;
        r.ComputeAll();
        EXPECT_NEAR(static_cast<double>(r.AllowNetBearing), step.After, 5e-8);
    }
}

TEST(ComputeAll, SIAllowNetBearingIsComparedInHundredthsOfKilopascal)
{
    // SI square footing, c = 20 kPa, phi = 26, gamma = 18, B = 2, Df = Dw = 1.5 m:
    // gamma' = 8.2, sigma = 27; Terzaghi q ult = 1.3 x 20 x 27.0853 + 27 x 14.2104 + 0.4 x 8.2 x 2 x 10.6887
    // = 704.219 + 383.681 + 70.118 = 1158.018 kPa; q all = 386.006 kPa, kept in kPa.
    TPMData r = ExampleRecord();
    r.Units = 1, r.C = 20, r.Gamma = 18;
    r.ComputeAll();
    EXPECT_NEAR(static_cast<double>(r.AllowNetBearing), 386.006, 0.001);
    // 386.01 typed: round(100 x 386.006) = 38601 = round(100 x 386.01); the link holds.
    r.AllowNetBearing = 386.01L;
    r.C = 21;
    r.ComputeAll();
    EXPECT_NEAR(static_cast<double>(r.AllowNetBearing), static_cast<double>(r.QallTerzaghi), 1e-9);
    // 386.5 typed is the user's own value.
    r.AllowNetBearing = 386.5L;
    r.C = 20;
    r.ComputeAll();
    EXPECT_EQ(r.AllowNetBearing, 386.5L);
}

TEST(ComputeAll, ABearingFaultStopsTheCycleBeforeTheStability)
{
    TPMData r = ExampleRecord();
    r.ComputeAll();
    const Real sumPz = r.Stability.SumPz;
    const Real allowNet = r.AllowNetBearing;
    r.Stability.GammaC = 0.3L;
    r.B = 0;
    EXPECT_THROW(r.ComputeAll(), EZeroDivide);
    EXPECT_EQ(r.Stability.SumPz, sumPz);
    EXPECT_EQ(r.AllowNetBearing, allowNet);
    r.B = 2;
    r.ComputeAll();
    EXPECT_NE(r.Stability.SumPz, sumPz);
}

namespace {

// Every result is a number or N.A.: no infinity survives a cycle that reported no error.
struct TResultScan {
    std::string Bad;
    std::string Path;
    template <class T> void Input(const char*, T&) {}
    void Result(const char* name, Real& v)
    {
        if (std::isinf(v) && Bad.empty())
            Bad = Path + name;
    }
    template <class T> void Result(const char*, T&) {}
    template <std::size_t N> void Result(const char* name, std::array<Real, N>& values)
    {
        for (Real& v : values)
            Result(name, v);
    }
    template <class S> void Group(const char* name, S& group)
    {
        const std::string saved = Path;
        Path += std::string(name) + ".";
        group.VisitFields(*this);
        Path = saved;
    }
    template <class S, std::size_t N> void Array(const char* name, std::array<S, N>& items)
    {
        for (S& item : items)
            Group(name, item);
    }
};

}  // namespace

TEST(ComputeAll, DegenerateInputsGiveNumbersNAOrAnError)
{
    std::mt19937 random(3);
    const Real special[] = {0,
                            -0.0L,
                            1,
                            -1,
                            1e-30L,
                            -1e-30L,
                            1e30L,
                            -1e30L,
                            1e2000L,
                            NaN(),
                            std::numeric_limits<Real>::infinity(),
                            -std::numeric_limits<Real>::infinity(),
                            std::numeric_limits<Real>::denorm_min(),
                            0.5L,
                            2,
                            6};
    auto pick = [&](Real normal) {
        return random() % 3 == 0 ? special[random() % std::size(special)] : normal;
    };
    int errors = 0, clean = 0;
    for (int trial = 0; trial < 4000; ++trial) {
        TPMData r = ExampleRecord();
        r.Units = static_cast<std::uint8_t>(random() % 2);
        r.Shape = static_cast<std::uint8_t>(random() % 6);
        for (Real* f : {&r.B, &r.L, &r.Df, &r.C, &r.Phi, &r.Gamma, &r.Dw, &r.FS, &r.AllowNetBearing})
            *f = pick(*f);
        TStabilityData& s = r.Stability;
        for (Real* f : {&s.RefX, &s.RefY, &s.StabL, &s.StabB, &s.StabT, &s.GammaC, &s.SoilCover, &s.GammaS,
                        &s.Kp, &s.SlidingFriction, &s.Surcharge})
            *f = pick(*f);
        const std::int32_t counts[] = {0, 1, 2, 3, 4, -1, 5, 1000, std::numeric_limits<std::int32_t>::min()};
        s.PedestalCount = counts[random() % std::size(counts)];
        for (TPedestal& p : s.Pedestals)
            for (Real* f : {&p.Xp,  &p.Yp,  &p.Lpx, &p.Lpy, &p.H,   &p.PzD, &p.PzL, &p.PzW, &p.HxD, &p.HxL,
                            &p.HxW, &p.HyD, &p.HyL, &p.HyW, &p.MxD, &p.MxL, &p.MxW, &p.MyD, &p.MyL, &p.MyW})
                *f = pick(static_cast<Real>(std::uniform_real_distribution<double>(-50, 50)(random)));
        try {
            r.ComputeAll();
            ++clean;
        } catch (const EPelmarkError&) {
            ++errors;
            continue;
        }
        TResultScan scan;
        r.VisitFields(scan);
        EXPECT_TRUE(scan.Bad.empty()) << "trial " << trial << ": " << scan.Bad << " is infinite";
        if (HasFailure())
            break;
    }
    EXPECT_GT(clean, 100);
    EXPECT_GT(errors, 100);
}
