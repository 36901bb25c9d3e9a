#include "design/SquareFootingSizing.h"

#include <algorithm>
#include <cmath>

#include "core/InputCatalogue.h"
#include "core/PMClasses.h"
#include "design/SquareFootingChecks.h"

namespace {

using C = TSquareFootingChecks;

struct TNamedCheck {
    bool C::*Passes;
    const char* Name;
    int BarDirection;  // 1 or 2: the check depends on that direction's bar count only; 0: on neither
};

// The known checks, to name the governing failure and to guide the bar search. Acceptance is
// always AllPass(), so a check missing here can cost a solution but never passes a footing.
constexpr TNamedCheck kChecks[] = {
    {&C::QService, "service pressure (qs <= qa)", 0},
    {&C::Shear1, "one-way shear 1 (Vu1 <= phi Vc1)", 1},  // phi Vc grows with rho^(1/3)
    {&C::Shear2, "one-way shear 2 (Vu2 <= phi Vc2)", 2},
    {&C::Moment1, "flexure 1 (Mu1 <= phi Mn1)", 1},
    {&C::Moment2, "flexure 2 (Mu2 <= phi Mn2)", 2},
    {&C::Punch, "two-way shear (Vu <= phi Vc, punching)", 0},
    {&C::Bearing, "column bearing (Pu <= phi Bn)", 0},
    {&C::Rho1, "minimum steel 1 (As1 >= 0.0018 b T)", 1},
    {&C::Rho2, "minimum steel 2 (As2 >= 0.0018 b T)", 2},
    {&C::Development1, "development length 1 (ld <= available)", 1},
    {&C::Development2, "development length 2 (ld <= available)", 2},
    {&C::Spacing1, "bar spacing 1", 1},
    {&C::Spacing2, "bar spacing 2", 2},
};
constexpr const char* kOtherCheck = "a square footing check";

const char* NameOf(bool C::*passes)
{
    for (const TNamedCheck& check : kChecks)
        if (check.Passes == passes)
            return check.Name;
    return kOtherCheck;
}

// The record being sized: the plan and thickness, then the bar counts, designed and checked.
class TTrial {
  public:
    explicit TTrial(const TPMData& record) : Record(record) {}

    void SetSize(Real b1, Real b2, Real t)
    {
        Record.Square.FootingDim1 = b1;
        Record.Square.FootingDim2 = b2;
        Record.Square.FootingThickness = t;
    }

    const C& Check(int bars1, int bars2)
    {
        Record.Square.NumBars1 = bars1;
        Record.Square.NumBars2 = bars2;
        Record.SquareFootingDesign();
        Checks = SquareFootingChecks(Record);
        return Checks;
    }

  private:
    TPMData Record;
    C Checks;
};

int CountFailing(const C& c)
{
    int n = 0;
    for (const TNamedCheck& check : kChecks)
        n += !(c.*check.Passes);
    return n == 0 && !c.AllPass() ? 1 : n;
}

std::string FirstFailing(const C& c)
{
    for (const TNamedCheck& check : kChecks)
        if (!(c.*check.Passes))
            return check.Name;
    return c.AllPass() ? "" : kOtherCheck;
}

bool DirectionPasses(const C& c, int direction)
{
    for (const TNamedCheck& check : kChecks)
        if (check.BarDirection == direction && !(c.*check.Passes))
            return false;
    return true;
}

bool BarFreeChecksPass(const C& c)
{
    return DirectionPasses(c, 0);
}

struct TCandidate {
    bool Passes = false;
    int Bars1 = 0, Bars2 = 0;
    int Failing = 1 << 20;  // failing checks of the best candidate tried
    std::string Governing;
};

// The fewest bars each way for one plan and thickness. The checks of one direction depend on its
// own bar count, so the fewest bars of each direction are found on the diagonal N1 = N2 = n; the
// pair is then accepted by AllPass(), and failing that every larger pair is tried.
TCandidate FewestBars(TTrial& trial, const TSizingLimits& limits)
{
    TCandidate best;
    auto note = [&](const C& c) {
        const int failing = CountFailing(c);
        if (failing < best.Failing) {
            best.Failing = failing;
            best.Governing = FirstFailing(c);
        }
    };
    const C& first = trial.Check(limits.MinBars, limits.MinBars);
    note(first);
    if (first.AllPass()) {
        best.Passes = true;
        best.Bars1 = best.Bars2 = limits.MinBars;
        return best;
    }
    if (!BarFreeChecksPass(first))
        return best;  // no bar count changes these

    int bars1 = 0, bars2 = 0;
    for (int n = limits.MinBars; n <= limits.MaxBars && (bars1 == 0 || bars2 == 0); ++n) {
        const C& c = trial.Check(n, n);
        note(c);
        if (bars1 == 0 && DirectionPasses(c, 1))
            bars1 = n;
        if (bars2 == 0 && DirectionPasses(c, 2))
            bars2 = n;
    }
    if (bars1 == 0 || bars2 == 0)
        return best;
    const C& fewest = trial.Check(bars1, bars2);
    note(fewest);
    if (fewest.AllPass()) {
        best.Passes = true;
        best.Bars1 = bars1;
        best.Bars2 = bars2;
        return best;
    }
    // A check this search does not know fails. When more bars each way pass, the fewest pair up
    // to that count is searched; otherwise no bar count helps.
    int enough = 0;
    for (int n = std::max(bars1, bars2); n <= limits.MaxBars && enough == 0; ++n)
        if (trial.Check(n, n).AllPass())
            enough = n;
    for (int n1 = bars1; n1 <= enough; ++n1)
        for (int n2 = bars2; n2 <= enough; ++n2)
            if (trial.Check(n1, n2).AllPass()) {
                best.Passes = true;
                best.Bars1 = n1;
                best.Bars2 = n2;
                return best;
            }
    return best;
}

// Two checks rule a plan out from its first trial, the thinnest footing with the fewest bars. The
// service pressure grows with the thickness (the footing's own weight) and no bar count changes
// it. The development length does not depend on the thickness, and fewer bars leave more room
// between them, which never lengthens it, while the length available depends on the plan alone.
bool PlanCannotPass(TTrial& trial, Real b1, Real b2, const TSizingLimits& limits, TCandidate& verdict)
{
    trial.SetSize(b1, b2, limits.MinThickness);
    const C& first = trial.Check(limits.MinBars, limits.MinBars);
    if (!first.QService) {
        verdict.Failing = CountFailing(first);
        verdict.Governing = FirstFailing(first);
        return true;
    }
    if (!first.Development1 || !first.Development2) {
        verdict.Failing = !first.Development1 + !first.Development2;
        verdict.Governing = NameOf(first.Development1 ? &C::Development2 : &C::Development1);
        return true;
    }
    return false;
}

}  // namespace

TSizingLimits SizingLimits(const TPMData& record, Real aspect)
{
    TSizingLimits limits;
    const Real k = record.UnitValue(1000, 12);
    limits.Step = record.UnitValue(25, 1);
    const TBounds plan = ExplicitBounds(*FindInput("B"), record);
    limits.MaxPlan = plan.Maximum * k;
    // The footing covers its column in both directions.
    const Real column =
        std::max(record.Square.ColumnDim1, aspect > 0 ? record.Square.ColumnDim2 / aspect : 0);
    limits.MinPlan = std::max(limits.Step, std::ceil(column / limits.Step) * limits.Step);
    limits.MinThickness = record.UnitValue(300, 12);
    limits.MaxThickness = record.UnitValue(3000, 120);
    return limits;
}

TSizingResult SizeSquareFooting(const TPMData& record, Real aspect)
{
    return SizeSquareFooting(record, aspect, SizingLimits(record, aspect));
}

TSizingResult SizeSquareFooting(const TPMData& record, Real aspect, const TSizingLimits& limits)
{
    TSizingResult result;
    TPMData designed = record;
    designed.Square.UseSquareReinforcement = 1;  // sizing designs the footing
    if (designed.Square.Fc * designed.Square.Fy == 0 || !(aspect > 0)) {
        result.Failing = "the design needs a concrete strength, a rebar strength and a positive aspect ratio";
        return result;
    }
    TTrial trial(designed);
    int fewestFailing = 1 << 20;
    const long plans = std::lround(std::floor((limits.MaxPlan - limits.MinPlan) / limits.Step + 1e-9L));
    const long thicknesses =
        std::lround(std::floor((limits.MaxThickness - limits.MinThickness) / limits.Step + 1e-9L));
    for (long i = 0; i <= plans; ++i) {
        const Real b1 = limits.MinPlan + i * limits.Step;
        TCandidate best;
        const bool ruledOut = PlanCannotPass(trial, b1, aspect * b1, limits, best);
        for (long j = 0; !ruledOut && j <= thicknesses; ++j) {
            const Real t = limits.MinThickness + j * limits.Step;
            trial.SetSize(b1, aspect * b1, t);
            TCandidate candidate = FewestBars(trial, limits);
            if (candidate.Passes) {
                result.Found = true;
                result.B1 = b1;
                result.B2 = aspect * b1;
                result.Thickness = t;
                result.Bars1 = candidate.Bars1;
                result.Bars2 = candidate.Bars2;
                return result;
            }
            if (candidate.Failing < best.Failing)
                best = candidate;
        }
        result.Rejected.push_back({b1, best.Governing});
        if (best.Failing <= fewestFailing) {
            fewestFailing = best.Failing;
            result.Failing = best.Governing;
        }
    }
    return result;
}

void ApplySquareFootingSize(TPMData& record, const TSizingResult& size)
{
    TSquareFootingData& q = record.Square;
    q.UseSquareReinforcement = 1;
    q.FootingDim1 = size.B1;
    q.FootingDim2 = size.B2;
    q.FootingThickness = size.Thickness;
    q.NumBars1 = size.Bars1;
    q.NumBars2 = size.Bars2;
    const Real k = record.UnitValue(1000, 12);
    record.Stability.StabL = size.B1 / k;
    record.Stability.StabB = size.B2 / k;
}

std::string FirstFailingSquareCheck(const TPMData& record)
{
    return FirstFailing(SquareFootingChecks(record));
}
