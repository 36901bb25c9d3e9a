#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>

#include "ContinuousTestRecord.h"

namespace {

constexpr Real kStale = 777;

// Marks every real result of a group with kStale, to see which ones a cycle wrote.
struct TStaleMarker {
    template <class T> void Input(const char*, T&) {}
    void Result(const char*, Real& v) { v = kStale; }
    void Result(const char*, double& v) { v = static_cast<double>(kStale); }
    template <class T> void Result(const char*, T&) {}
    template <class G> void Group(const char*, G& g) { g.VisitFields(*this); }
    template <class T, std::size_t N> void Array(const char*, std::array<T, N>& items)
    {
        for (T& item : items)
            item.VisitFields(*this);
    }
};

bool IsStale(Real v)
{
    return v == kStale;
}

// Counts the real results still holding kStale.
struct TStaleCounter {
    int Count = 0;
    template <class T> void Input(const char*, T&) {}
    void Result(const char*, Real& v) { Count += IsStale(v); }
    void Result(const char*, double& v) { Count += IsStale(v); }
    template <class T> void Result(const char*, T&) {}
    template <class G> void Group(const char*, G& g) { g.VisitFields(*this); }
    template <class T, std::size_t N> void Array(const char*, std::array<T, N>& items)
    {
        for (T& item : items)
            item.VisitFields(*this);
    }
};

struct FaultCase {
    const char* name;
    std::function<void(TContinuousData&)> degenerate;
    const char* message;
    std::function<Real(const TContinuousData&)> lastWritten;  // written before the fault
    std::function<Real(const TContinuousData&)> firstStale;   // the value at the fault
};

const char* const kZeroDivide = "Floating point division by zero";
const char* const kInvalid = "Invalid floating point operation";

}  // namespace

TEST_F(ContinuousDesignTest, ACompleteCycleWritesEveryResultItsCombinationUses)
{
    // Left alone: the wind results of combinations 2 and 3 (3 x 2) and the seismic results of
    // combinations 1 and 3 (2 x 2).
    TStaleMarker marker;
    r.Continuous.VisitFields(marker);
    r.ContinuousFootingDesign();
    TStaleCounter counter;
    r.Continuous.VisitFields(counter);
    EXPECT_EQ(counter.Count, 10);
}

TEST_F(ContinuousDesignTest, ArithmeticFaultEndsTheDesignWhereItOccurs)
{
    using D = const TContinuousData&;
    const FaultCase cases[] = {
        // The first division by W is the heel pressure: everything before it is written.
        {"W = 0", [](TContinuousData& c) { c.W = 0; }, kZeroDivide, [](D c) { return c.Footing.PhiMnFoot; },
         [](D c) { return c.LoadCases[lcWind].HeelPressure; }},
        {"VertSpacing = 0", [](TContinuousData& c) { c.StemWall.VertSpacing = 0; }, kZeroDivide,
         [](D c) { return c.LoadCases[lcGeneral].Eccentricity; }, [](D c) { return c.StemWall.AsVert; }},
        {"Tw = 0", [](TContinuousData& c) { c.Tw = 0; }, kZeroDivide, [](D c) { return c.StemWall.AsVert; },
         [](D c) { return c.StemWall.RhoVert; }},
        {"f'c = 0", [](TContinuousData& c) { c.Fc = 0; }, kZeroDivide,
         [](D c) { return Real(c.Interaction.Points[0].Ts); },
         [](D c) { return Real(c.Interaction.Points[0].C); }},
        // No vertical steel: point 0 has no compression force to locate.
        {"Layers = 0", [](TContinuousData& c) { c.StemWall.Layers = 0; }, kInvalid,
         [](D c) { return Real(c.Interaction.Points[0].Cc); },
         [](D c) { return Real(c.Interaction.Points[0].Yc); }},
        {"HorSpacing = 0", [](TContinuousData& c) { c.StemWall.HorSpacing = 0; }, kZeroDivide,
         [](D c) { return c.StemWall.ShearUtilization; }, [](D c) { return c.StemWall.RhoHor; }},
        {"FootSpacing = 0", [](TContinuousData& c) { c.Footing.FootSpacing = 0; }, kZeroDivide,
         [](D c) { return c.LoadCases[lcGeneral].Deflection; }, [](D c) { return c.Footing.AsFoot; }},
        {"Tf = 0", [](TContinuousData& c) { c.Tf = 0; }, kZeroDivide, [](D c) { return c.Footing.AsFoot; },
         [](D c) { return c.Footing.RhoFoot; }},
    };
    for (const FaultCase& fc : cases) {
        SCOPED_TRACE(fc.name);
        TPMData rec = ContinuousTestRecord();
        fc.degenerate(rec.Continuous);
        TStaleMarker marker;
        rec.Continuous.VisitFields(marker);
        std::string message;
        try {
            rec.ContinuousFootingDesign();
        } catch (const EPelmarkError& e) {
            message = e.what();
        }
        EXPECT_EQ(message, fc.message);
        EXPECT_FALSE(IsStale(fc.lastWritten(rec.Continuous)));
        EXPECT_TRUE(IsStale(fc.firstStale(rec.Continuous)));
        EXPECT_TRUE(IsStale(rec.Continuous.Footing.MuFoot));  // the last result of the design
        EXPECT_FALSE(IsStale(rec.Continuous.LoadCases[lcGeneral].Vdl));
    }
}

TEST_F(ContinuousDesignTest, ComputeAllKeepsTheResultsWrittenBeforeAFault)
{
    // A complete project with a zero-width continuous footing: the cycle returns normally.
    r.Shape = shContinuous;
    r.B = 2;
    r.L = 1;
    r.Df = 1.5L;
    r.C = 120;
    r.Phi = 26;
    r.Gamma = 115;
    r.Dw = 10;
    r.FS = 3;
    r.Stability.StabL = r.Stability.StabB = 4;
    r.Stability.StabT = 1;
    r.Continuous.W = 0;
    TStaleMarker marker;
    r.Continuous.VisitFields(marker);
    EXPECT_NO_THROW(r.ComputeAll());
    EXPECT_TRUE(MatchesPrinted(r.Continuous.LoadCases[lcWind].WF, 135.1L, 1));
    EXPECT_TRUE(IsStale(r.Continuous.LoadCases[lcWind].ToePressure));
    EXPECT_TRUE(IsStale(r.Continuous.Footing.MuFoot));
}
