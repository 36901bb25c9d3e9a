// The continuous footing listing: every quantity of the stability, service bearing, stem and
// footing checks beside the terms it is summed from, and the simplifications the design keeps.
#include <string>

#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "design/ContinuousChecks.h"
#include "design/ContinuousLoadCases.h"
#include "design/FootingFlexure.h"
#include "design/StemWallDesign.h"
#include "listings/ComputationListing.h"

namespace {

struct TContinuousUnits {
    const char* Force;    // per unit length of wall
    const char* Moment;   // per unit length of wall
    const char* Length;   // heights and widths
    const char* Section;  // depths in the section
    const char* Pressure;
};

TContinuousUnits UnitsOf(std::uint8_t units)
{
    return units == 1 ? TContinuousUnits{"kN/m", "kN-m/m", "m", "mm", "kPa"}
                      : TContinuousUnits{"plf", "lb-ft/ft", "ft", "in", "psf"};
}

constexpr const char* kCombinationNames[] = {
    "Combination 1 - Wind (1.2D + 1.0W + L)",
    "Combination 2 - Seismic (1.2D + 1.0E + L)",
    "Combination 3 - General (1.2D + 1.6L)",
};

// Captions of the terms that differ between the combinations.
struct TCombinationCaptions {
    const char* StabWeight;
    const char* LateralDriving;
    const char* LateralOverturning;
    const char* TopMoments;
    const char* ServiceAxial;
    const char* ServiceMoment;
    const char* Mu;
    const char* Vu;
    const char* Pu;
};

constexpr TCombinationCaptions kCaptions[] = {
    {"StabWeight = 0.9 Dw", "Lateral drive = 1.2 Vdl + Vll + WF",
     "Lateral OT = (1.2 Vdl + Vll) (Vht + tf) + WF (WFht + tf)", "Top moments = 1.2 Mdl + Mll",
     "Ps = Dw + Pll", "Ms = Pa ha^3 / 6 + (Vdl + Vll) (Vht + tf) + Mdl + Mll + 0.6 WF (WFht + tf)",
     "Mu = 1.6 Pa hs^3 / 6 + qz 0.85 Cf H^2 / 2 + 1.2 Mdl + Mll + (1.2 Vdl + Vll) H",
     "Vu = 1.6 Pa hs^2 / 2 + 1.2 Vdl + Vll + WF", "Pu = 1.2 (tw H gc + Pdl) + Pll"},
    {"StabWeight = (0.9 - 0.2 Sds) Dw", "Lateral drive = 1.2 Vdl + Vll + Fp",
     "Lateral OT = (1.2 Vdl + Vll) (Vht + tf) + Fp (Sht + tf)", "Top moments = 1.2 Mdl + Mll",
     "Ps = (1 + 0.14 Sds) Dw + Pll",
     "Ms = Pa ha^3 / 6 + (Vdl + Vll) (Vht + tf) + Mdl + Mll + 0.7 Fp (Sht + tf)",
     "Mu = 1.6 Pa hs^3 / 6 + 1.2 Mdl + Mll + (1.2 Vdl + Vll) H + Fp H / 2",
     "Vu = 1.6 Pa hs^2 / 2 + 1.2 Vdl + Vll + Fp", "Pu = 1.2 (tw H gc + Pdl) + Pll"},
    {"StabWeight = 0.9 Dw", "Lateral drive = 1.6 Vll + 1.2 Vdl",
     "Lateral OT = (1.6 Vll + 1.2 Vdl) (Vht + tf)", "Top moments = 1.2 Mdl + 1.6 Mll", "Ps = Dw + Pll",
     "Ms = Pa ha^3 / 6 + (Vdl + Vll) (Vht + tf) + Mdl + Mll",
     "Mu = 1.6 Pa hs^3 / 6 + 1.6 Mll + 1.2 Mdl + (1.6 Vll + 1.2 Vdl) Vht",
     "Vu = 1.6 Pa hs^2 / 2 + 1.6 Vll + 1.2 Vdl", "Pu = 1.2 (tw H gc + Pdl) + 1.6 Pll"},
};

// The simplifications the design keeps, named so that an engineer sees them.
constexpr const char* kKeptSimplifications[] = {
    "Combination 3 takes its lateral dead load Vdl and height Vht from the wind of combination 1",
    "Wind moment in the stem: qz 0.85 Cf H^2 / 2, over the whole stem height H",
    "Stem with soil on both sides: only the unbalanced height hs = GrH - GrL loads it",
    "Interaction diagram: only the tension layer (one central layer, or the layer at depth d)",
    "Stem stiffness: Ie = 0.35 Ig",
};

}  // namespace

TComputationListing BuildContinuousListing(const TPMData& record)
{
    const TContinuousData& cd = record.Continuous;
    const TContinuousUnits u = UnitsOf(record.Units);
    TComputationListing listing;
    auto add = [&](const std::string& caption, const char* unit, int decimals, Real value) {
        listing.AddValue(caption, unit, decimals, value);
    };
    auto note = [&](const std::string& caption) { listing.AddValue(caption, "", 0, kListingBlankMarker); };

    listing.AddHeading("Heights of the Earth Pressures");
    add("hs = GrH - GrL (unbalanced soil on the stem)", u.Length, 3, UnbalancedHeight(record));
    add("ha = GrH + tf (active soil to the bottom of the footing)", u.Length, 3, ActiveHeight(record));
    add("D = GrL + tf + K (passive soil to the bottom of the keyway)", u.Length, 3, PassiveDepth(record));

    for (int j = lcWind; j <= lcGeneral; ++j) {
        const TLoadCase& lc = cd.LoadCases[j];
        const TCombinationTerms t = CombinationTerms(record, j);
        const TCombinationCaptions& c = kCaptions[j];
        listing.AddBlank();
        listing.AddHeading(kCombinationNames[j]);
        add("Dw = W tf gc + Pdl + K tw gc + tw H gc + (W - tw) gamma (GrL + GrH) / 2", u.Force, 2,
            ContinuousDeadWeight(record, j));
        note("Factored stability (ASCE 7-16 2.3.1; the live load does not stabilise; > 1.0 is safe)");
        add(c.StabWeight, u.Force, 2, lc.StabWeight);
        add("Friction = tan(phi) StabWeight", u.Force, 2, t.Friction);
        add("Passive = Pp (D^2 - min(ign, D)^2) / 2", u.Force, 2, t.Passive);
        add("Cohesion = W c", u.Force, 2, t.Cohesion);
        add("Resisting = Friction + Passive + Cohesion", u.Force, 2, lc.Resisting);
        add("Soil drive = 1.6 Pa ha^2 / 2", u.Force, 2, t.SoilDriving);
        add(c.LateralDriving, u.Force, 2, t.LateralDriving);
        add("Driving = Soil drive + Lateral drive", u.Force, 2, lc.Driving);
        add("SlidingRatio = Resisting / Driving", "", 3, lc.SlidingRatio);
        add("StabMoment = StabWeight W / 2", u.Moment, 2, lc.StabMoment);
        add("Soil OT = 1.6 Pa ha^3 / 6", u.Moment, 2, t.SoilOverturning);
        add(c.LateralOverturning, u.Moment, 2, t.LateralOverturning);
        add(c.TopMoments, u.Moment, 2, t.TopMoments);
        add("OTMoment = Soil OT + Lateral OT + Top moments", u.Moment, 2, lc.OTMoment);
        add("OTSafety = StabMoment / OTMoment", "", 3, lc.OTSafety);
        note("Service bearing (ASCE 7-16 2.4, full live load) against q all");
        add(c.ServiceAxial, u.Force, 2, t.ServiceAxial);
        add(c.ServiceMoment, u.Moment, 2, t.ServiceMoment);
        add("e = Ms / Ps (within kern if |e| < W / 6)", u.Length, 4, lc.Eccentricity);
        add("Heel = Ps / W - 6 Ms / W^2 (0 once the heel lifts)", u.Pressure, 1, lc.HeelPressure);
        add("Toe = Ps / W + 6 Ms / W^2, or 2 Ps / (3 (W / 2 - e)); N.A. if e >= W / 2", u.Pressure, 1,
            lc.ToePressure);
        note("Stem wall at its base (factored)");
        add("Soil moment = 1.6 Pa hs^3 / 6", u.Moment, 2, StemSoilMoment(record));
        add(c.Mu, u.Moment, 2, lc.Mu);
        add("Soil shear = 1.6 Pa hs^2 / 2", u.Force, 2, StemSoilShear(record));
        add(c.Vu, u.Force, 2, lc.Vu);
        add(c.Pu, u.Force, 2, lc.Pu);
        add("PhiMn at Pu (N.A. below PhiPn,t or at PhiPn max)", u.Moment, 2, lc.PhiMnAtPu);
    }

    const TStemWallReinforcement& sw = cd.StemWall;
    const TInteractionDiagram& g = cd.Interaction;
    listing.AddBlank();
    listing.AddHeading("Stem Wall Strength (ACI 318-19)");
    add("d (Tw / 2 for one layer, Tw - cover - db / 2 for two)", u.Section, 3, g.D);
    add("As1 (the tension layer)", record.Units == 1 ? "mm^2/m" : "in^2/ft", 4, g.As1);
    const Real bw = record.UnitValue(1000, 12);
    add("rho w = As1 / (bw d)", "", 6, g.D > 0 ? g.As1 / (bw * g.D) : 0);
    add(record.Units == 1 ? "PhiVn = 0.75 min(0.66 lambda s rho w^(1/3), 0.42) sqrt(f'c) d (22.5.5.1(c))"
                          : "PhiVn = 0.75 min(8 lambda s rho w^(1/3), 5) sqrt(f'c) 12 d (22.5.5.1(c))",
        u.Force, 2, sw.PhiVn);
    add("eps ty = Fy / Es", "", 6, g.Es != 0 ? cd.Fy / g.Es : NaN());
    for (int i = 0; i < kInteractionPoints; ++i)
        add("phi of point " + std::to_string(i) + " (Table 21.2.2, tied)", "", 4, g.Points[i].Phi);
    add("PhiPn,t = -0.9 As1 Fy (pure tension)", u.Force, 2, sw.PhiPnTension);
    add("PhiPn max = 0.65 0.8 (0.85 f'c (Ag - As1) + Fy As1)", u.Force, 2, sw.PhiPnMax);
    add("rho vertical (Table 11.6.1 minimum " + FormatFixed(MinimumVerticalRatio(record), 2) + " %)", "%", 3,
        sw.RhoVert);
    add("rho horizontal (Table 11.6.1 minimum " + FormatFixed(MinimumHorizontalRatio(record), 2) + " %)", "%",
        3, sw.RhoHor);

    const TFootingReinforcement& ft = cd.Footing;
    listing.AddBlank();
    listing.AddHeading("Footing Flexure");
    add("d = tf - cover - db / 2", u.Section, 3, FootingEffectiveDepth(record));
    add("PhiMn = 0.9 As Fy (d - As Fy / (1.7 f'c b))", u.Moment, 2, ft.PhiMnFoot);
    add("Mu = 1.6 q max (W / 2)^2 / 2 (q max: largest service pressure)", u.Moment, 2, ft.MuFoot);

    listing.AddBlank();
    listing.AddHeading("Simplifications Kept");
    for (const char* text : kKeptSimplifications)
        note(text);
    return listing;
}
