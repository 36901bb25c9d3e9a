#include "cli/model/StudyFields.h"

#include <optional>

#include "analysis/StabilityVerdicts.h"
#include "cli/model/RecordPaths.h"
#include "core/PMClasses.h"
#include "design/ContinuousChecks.h"
#include "design/SquareFootingChecks.h"
#include "design/SquareFootingDesign.h"

namespace {

using TVerdictOf = std::function<std::optional<bool>(const TPMData&)>;

struct TNamedVerdict {
    std::string Name;
    TVerdictOf Passes;  // nullopt: not applicable
};

// A square footing check applies when the design ran for this record.
TVerdictOf SquareCheck(bool TSquareFootingChecks::*check)
{
    return [check](const TPMData& r) -> std::optional<bool> {
        if (!SquareFootingDesignApplies(r))
            return std::nullopt;
        return SquareFootingChecks(r).*check;
    };
}

// A stability verdict of the model; not applicable where the model says so.
TVerdictOf StabilityCheck(TVerdict (*verdict)(const TStabilityChecks&))
{
    return [verdict](const TPMData& r) -> std::optional<bool> {
        const TVerdict v = verdict(StabilityChecks(r));
        if (v == TVerdict::NotApplicable)
            return std::nullopt;
        return v == TVerdict::Pass;
    };
}

TVerdictOf ContinuousCheck(std::function<bool(const TPMData&)> check)
{
    return [check](const TPMData& r) -> std::optional<bool> {
        if (r.Continuous.UseContinuousReinforcement == 0)
            return std::nullopt;
        return check(r);
    };
}

std::vector<TNamedVerdict> BuildVerdicts()
{
    using C = TSquareFootingChecks;
    std::vector<TNamedVerdict> v = {
        {"Square.Checks.AllPass",
         [](const TPMData& r) -> std::optional<bool> {
             if (!SquareFootingDesignApplies(r))
                 return std::nullopt;
             return SquareFootingChecks(r).AllPass();
         }},
        {"Square.Checks.QService", SquareCheck(&C::QService)},
        {"Square.Checks.Rho1", SquareCheck(&C::Rho1)},
        {"Square.Checks.Rho2", SquareCheck(&C::Rho2)},
        {"Square.Checks.Spacing1", SquareCheck(&C::Spacing1)},
        {"Square.Checks.Spacing2", SquareCheck(&C::Spacing2)},
        {"Square.Checks.Moment1", SquareCheck(&C::Moment1)},
        {"Square.Checks.Moment2", SquareCheck(&C::Moment2)},
        {"Square.Checks.Shear1", SquareCheck(&C::Shear1)},
        {"Square.Checks.Shear2", SquareCheck(&C::Shear2)},
        {"Square.Checks.Punch", SquareCheck(&C::Punch)},
        {"Square.Checks.Bearing", SquareCheck(&C::Bearing)},
        {"Square.Checks.Development1", SquareCheck(&C::Development1)},
        {"Square.Checks.Development2", SquareCheck(&C::Development2)},
        {"Stability.Checks.OverturningX",
         StabilityCheck([](const TStabilityChecks& c) { return c.OverturningX; })},
        {"Stability.Checks.OverturningY",
         StabilityCheck([](const TStabilityChecks& c) { return c.OverturningY; })},
        {"Stability.Checks.SlidingX", StabilityCheck([](const TStabilityChecks& c) { return c.SlidingX; })},
        {"Stability.Checks.SlidingY", StabilityCheck([](const TStabilityChecks& c) { return c.SlidingY; })},
        {"Stability.Checks.Uplift", StabilityCheck([](const TStabilityChecks& c) { return c.Uplift; })},
    };
    for (std::size_t k = 0; k < 4; ++k)
        v.push_back(
            {"Stability.Checks.P" + std::to_string(k + 1), [k](const TPMData& r) -> std::optional<bool> {
                 const TVerdict verdict = StabilityChecks(r).Corners[k];
                 if (verdict == TVerdict::NotApplicable)
                     return std::nullopt;
                 return verdict == TVerdict::Pass;
             }});
    using TCombinationCheck = bool (*)(const TPMData&, int);
    const std::pair<const char*, TCombinationCheck> perCombination[] = {
        {"Sliding", SlidingCheckPasses},           {"Overturning", OverturningCheckPasses},
        {"Eccentricity", EccentricityCheckPasses}, {"ToePressure", ToePressureCheckPasses},
        {"HeelPressure", HeelPressureCheckPasses},
    };
    for (int c = 0; c < 3; ++c)
        for (const auto& [name, check] : perCombination)
            v.push_back({"Continuous.LoadCases[" + std::to_string(c) + "].Checks." + name,
                         ContinuousCheck([c, check](const TPMData& r) { return check(r, c); })});
    v.push_back({"Continuous.Checks.MomentUtilization", ContinuousCheck(MomentUtilizationCheckPasses)});
    v.push_back({"Continuous.Checks.ShearUtilization", ContinuousCheck(ShearUtilizationCheckPasses)});
    v.push_back({"Continuous.Checks.FootingMoment", ContinuousCheck(FootingMomentCheckPasses)});
    v.push_back({"Continuous.Checks.FootingRatio", ContinuousCheck(FootingRatioCheckPasses)});
    v.push_back(
        {"Continuous.Checks.VerticalReinforcement", ContinuousCheck(VerticalReinforcementCheckPasses)});
    v.push_back(
        {"Continuous.Checks.HorizontalReinforcement", ContinuousCheck(HorizontalReinforcementCheckPasses)});
    return v;
}

const std::vector<TNamedVerdict>& Verdicts()
{
    static const std::vector<TNamedVerdict> verdicts = BuildVerdicts();
    return verdicts;
}

// The governing results of each part of the computation.
std::vector<std::string> GoverningResults()
{
    std::vector<std::string> names = {
        "QultTerzaghi",
        "QallTerzaghi",
        "QultVesic",
        "QallVesic",
        "AllowLoadTerzaghi",
        "AllowLoadVesic",
        "AllowNetBearing",
        "Stability.FSOverturningX",
        "Stability.FSOverturningY",
        "Stability.FSSlidingX",
        "Stability.FSSlidingY",
        "Stability.FSUplift",
        "Stability.BearingAreaPct",
        "Stability.P1",
        "Stability.P2",
        "Stability.P3",
        "Stability.P4",
        "Stability.QGross",
        "Stability.QNet",
        "Square.QService",
        "Square.QFactored",
        "Square.Rho1",
        "Square.Rho2",
        "Square.BarSpacing1",
        "Square.BarSpacing2",
        "Square.PhiMn1",
        "Square.Mu1",
        "Square.PhiMn2",
        "Square.Mu2",
        "Square.PhiVc1",
        "Square.Vu1",
        "Square.PhiVc2",
        "Square.Vu2",
        "Square.VuPunch",
        "Square.PhiVcPunch",
        "Square.PuColumn",
        "Square.PhiBearing",
        "Square.DevLength1",
        "Square.DevAvail1",
        "Square.DevLength2",
        "Square.DevAvail2",
    };
    for (int c = 0; c < 3; ++c)
        for (const char* name : {"SlidingRatio", "OTSafety", "Eccentricity", "ToePressure", "HeelPressure"})
            names.push_back("Continuous.LoadCases[" + std::to_string(c) + "]." + name);
    for (const char* name :
         {"Continuous.StemWall.MomentUtilization", "Continuous.StemWall.ShearUtilization",
          "Continuous.Footing.PhiMnFoot", "Continuous.Footing.MuFoot", "Continuous.Footing.RhoFoot"})
        names.push_back(name);
    return names;
}

}  // namespace

const std::vector<std::string>& DefaultStudyFieldNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all = GoverningResults();
        for (const TNamedVerdict& verdict : Verdicts())
            all.push_back(verdict.Name);
        return all;
    }();
    return names;
}

std::vector<std::string> VerdictNames()
{
    std::vector<std::string> names;
    for (const TNamedVerdict& verdict : Verdicts())
        names.push_back(verdict.Name);
    return names;
}

TStudyField ResolveStudyField(const std::string& name)
{
    for (const TNamedVerdict& verdict : Verdicts())
        if (verdict.Name == name) {
            const TVerdictOf passes = verdict.Passes;
            return {name, [passes](const TPMData& r) -> std::string {
                        const std::optional<bool> pass = passes(r);
                        return !pass ? "null" : *pass ? "true" : "false";
                    }};
        }
    if (const TRecordField* field = FindRecordField(name)) {
        const TRecordField copy = *field;
        return {name, [copy](const TPMData& r) { return FieldText(r, copy); }};
    }
    throw EPelmarkError("unknown field \"" + name + "\"");
}

std::vector<TStudyField> ResolveStudyFields(const std::vector<std::string>& names)
{
    std::vector<TStudyField> fields;
    for (const std::string& name : names)
        fields.push_back(ResolveStudyField(name));
    return fields;
}
