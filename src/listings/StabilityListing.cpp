// The stability listing: resultant and eccentricities, overturning, uplift and sliding checks,
// bearing lengths and % bearing area, every number with 2 decimals.
#include <cmath>

#include "analysis/StabilityVerdicts.h"
#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "listings/ComputationListing.h"

namespace {

struct TStabilityUnits {
    const char* Force;
    const char* Moment;
    const char* Length;
};

TStabilityUnits UnitsOf(std::uint8_t units)
{
    return units == 1 ? TStabilityUnits{"kN", "kN-m", "m"} : TStabilityUnits{"kips", "ft-kips", "ft"};
}

// Where the eccentricity lies: inside the kern, inside the footing, or beyond its edge.
std::string EccentricityTag(Real e, Real side, const char* sideName)
{
    if (IsNaN(e))
        return "";
    const std::string name = sideName;
    if (std::fabs(e) <= side / 6)
        return "(<= " + name + "/6)";
    if (std::fabs(e) <= side / 2)
        return "(> " + name + "/6)";
    return "(> " + name + "/2)";
}

std::string SafetyTag(Real factor)
{
    if (IsNaN(factor))
        return "";
    if (factor >= kMinStabilitySafetyFactor)
        return "(>= 1.5)";
    if (factor >= 1)
        return "(>= 1 & <= 1.5)";
    return "(< 1)";
}

}  // namespace

TComputationListing BuildStabilityListing(const TPMData& record)
{
    const TStabilityData& s = record.Stability;
    const TStabilityUnits u = UnitsOf(record.Units);
    const std::string length = u.Length;
    TComputationListing listing;
    auto add = [&](const char* caption, const std::string& unit, Real value) {
        listing.AddValue(caption, unit, 2, value);
    };

    listing.AddHeading("Total Resultant Load and Eccentricities");
    add("Sum(Pz)", u.Force, s.SumPz);
    add("ex", length + " " + EccentricityTag(s.Ex, s.StabL, "L"), s.Ex);
    add("ey", length + " " + EccentricityTag(s.Ey, s.StabB, "B"), s.Ey);
    listing.AddBlank();

    listing.AddHeading("Overturning Check");
    add("Sum(Mrx)", u.Moment, s.SumMrx);
    add("Sum(Mox)", u.Moment, s.SumMox);
    add("FS(ot)x", SafetyTag(s.FSOverturningX), s.FSOverturningX);
    add("Sum(Mry)", u.Moment, s.SumMry);
    add("Sum(Moy)", u.Moment, s.SumMoy);
    add("FS(ot)y", SafetyTag(s.FSOverturningY), s.FSOverturningY);
    listing.AddBlank();

    listing.AddHeading("Uplift Check");
    add("Sum(Pz(down))", u.Force, s.SumPzDown);
    add("Sum(Pz(uplift))", u.Force, s.SumPzUplift);
    add("FS(uplift)", SafetyTag(s.FSUplift), s.FSUplift);
    listing.AddBlank();

    listing.AddHeading("Sliding Check");
    add("Sum(Hx(D)Resist)", u.Force, s.SumHxDResist);
    add("Pass(x)", u.Force, s.PassX);
    add("Frict(x)", u.Force, s.FrictX);
    add("FS(slid)x", SafetyTag(s.FSSlidingX), s.FSSlidingX);
    add("Sum(Hy(D)Resist)", u.Force, s.SumHyDResist);
    add("Pass(y)", u.Force, s.PassY);
    add("Frict(y)", u.Force, s.FrictY);
    add("FS(slid)y", SafetyTag(s.FSSlidingY), s.FSSlidingY);
    listing.AddBlank();

    listing.AddHeading("Bearing Length and % Bearing Area");
    add("Dist. x", length, s.DistX);
    add("Dist. y", length, s.DistY);
    // The two lengths lie across the same side in the trapezoid cases.
    const char* first = s.BiaxialCase == 2 ? "Brg. Ly1" : s.BiaxialCase == 3 ? "Brg. Lx1" : "Brg. Lx";
    const char* second = s.BiaxialCase == 2 ? "Brg. Ly2" : s.BiaxialCase == 3 ? "Brg. Lx2" : "Brg. Ly";
    add(first, length, s.BrgLx);
    add(second, length, s.BrgLy);
    add("%Brg. Area", "%", s.BearingAreaPct);
    if (s.BiaxialCase <= 0)
        add("Biaxial Case", "", NaN());
    else
        add("Biaxial Case", "(6*ex/L + 6*ey/B = " + FormatFixed(s.PressurePartial.KernSum, 3) + ")",
            static_cast<Real>(s.BiaxialCase));
    return listing;
}
