#include "display/PanelRows.h"

#include <deque>
#include <string>

#include "core/NumberFormat.h"
#include "core/PMClasses.h"
#include "display/DesignChecks.h"

namespace {

// A result field of the record, and a verdict of the design checks.
#define F(expr) [](const TPMData& d) -> Real { return d.expr; }
#define V(expr) [](const TDesignChecks& c) -> TVerdict { return c.expr; }
#define VB(expr) [](const TDesignChecks& c) -> TVerdict { return VerdictOf(c.expr); }

using K = TRowKind;
using U = TUnitKind;
constexpr int u(U kind)
{
    return static_cast<int>(kind);
}

constexpr const char* kHintTopOfWall = "At top of wall";
constexpr const char* kHintLateralHeight =
    "Distance from t/footing to resultant of user-defined lateral load";
constexpr const char* kHintForceHeight = "Distance from t/footing to resultant of Wind Force";
constexpr const char* kHintFootingBars = "Reinforcement on bottom face, continuous through stem wall";
constexpr const char* kHintSliding =
    "Factored: (tan(phi) x 0.9D + passive below ign + W x c) / (1.6 Pa ha^2/2 + lateral loads); the live "
    "load "
    "does not resist. Note that >1.0 is safe, as the appropriate load factors were used";
constexpr const char* kHintOverturning =
    "Factored 0.9D (0.9D - 0.2 Sds D seismic) against 1.6 Pa ha^3/6, the lateral loads and the moments at "
    "the "
    "top of the wall. Note that SF >1.0 is safe, as the appropriate load factors were used";
constexpr const char* kHintServiceBearing = "Service loads (ASCE 7-16 2.4, full live load) against q all; "
                                            "N.A. and failing when the resultant is at or "
                                            "beyond the toe";
constexpr const char* kHintMinimumSteel =
    "Minimum flexural steel on the gross section: As >= 0.0018 b T (ACI 318-19 8.6.1.1, 24.4.3.2)";
constexpr const char* kHintPunching = "Two-way shear on the section at d/2 from the column faces, d the mean "
                                      "of both directions (ACI 318-19 22.6)";

std::vector<TSectionSpec> BuildInputSections()
{
    return {
        {"pnlGeneralData",
         "General Data",
         {
             {K::List, "Units", "ComboBox1", kNoUnit, "", nullptr, 0, "English|SI"},
             {K::List, "Ftng. Shape", "ComboBox2", kNoUnit, "", nullptr, 0,
              "Continuous|Square|Circle|Rectangle"},
             {K::Input, "Ftng. Width (B)", "Edit1", u(U::Length)},
             {K::Input, "Ftng. Length (L)", "Edit2", u(U::Length)},
             {K::Input, "Ftng. Depth (Df)", "Edit3", u(U::Length)},
             {K::Input, "Soil Cohesion (c)", "Edit4", u(U::Pressure)},
             {K::Input, "Frict. Angle (phi)", "Edit5", u(U::Angle)},
             {K::Input, "Unit Weight (gamma)", "Edit6", u(U::UnitWeight)},
             {K::Input, "GWT Depth (Dw)", "Edit7", u(U::Length)},
             {K::Input, "Safety Factor (F.S.)", "Edit8"},
             {K::Check, "Use Square Reinforcement", "chkUseReinforcement"},
             {K::Check, "Use Continuous Reinforcement", "chkUseContReinforcement"},
         }},
        {"pnlStabilityAnalysis",
         "Stability Analysis",
         {
             {K::Input, "Footing Length (L)", "Edit90", u(U::Length)},
             {K::Input, "Footing Width (B)", "Edit87", u(U::Length)},
             {K::Input, "Footing Thickness (T)", "Edit88", u(U::Length)},
             {K::Input, "Concrete Unit Wt. (yc)", "Edit89", u(U::UnitWeightKcf)},
             {K::Input, "Soil Cover (D)", "Edit91", u(U::Length)},
             {K::Input, "Soil Unit Wt. (ys)", "Edit92", u(U::UnitWeightKcf)},
             {K::Input, "Pass. Press. Coef. (Kp)", "Edit93"},
             {K::Input, "Sliding Friction Coeff. (u)", "Edit94"},
             {K::Input, "Additional Surcharge (q)", "Edit95", u(U::StressKsf)},
             {K::Input, "Allow. Bearing Capacity", "Edit96", u(U::StressKsf)},
             {K::Button, "Pedestals", "btnPedestals"},
         }},
        {"pnlSquareReinforcement",
         "Square Reinforcement",
         {
             {K::List, "Rebar Sizes", "ComboBox3", kNoUnit, "", nullptr, 0, "US|European|Canadian"},
             {K::List, "Footing Rebar Size", "ComboBox4", kNoUnit, "", nullptr, 0, "#3|#4"},
             {K::Input, "Concrete Strength (f'c)", "Edit61", u(U::Strength)},
             {K::Input, "Rebar Strength (Fy)", "Edit58", u(U::Strength)},
             {K::Input, "Footing Dimension 1", "Edit59", u(U::SmallLength)},
             {K::Input, "Footing Dimension 2", "Edit60", u(U::SmallLength)},
             {K::Input, "Column Dimension 1", "Edit62", u(U::SmallLength)},
             {K::Input, "Column Dimension 2", "Edit63", u(U::SmallLength)},
             {K::Input, "Footing Thickness", "Edit64", u(U::SmallLength)},
         }},
        {"pnlLoading",
         "Loading",
         {
             {K::Input, "Axial Dead Load", "Edit65", u(U::ForceKips)},
             {K::Input, "Axial Live Load", "Edit66", u(U::ForceKips)},
             {K::Input, "Clear Cover", "Edit67", u(U::SmallLength)},
             {K::Note, "Number of bars", ""},
             {K::Input, "Parallel to Dim 1", "Edit68"},
             {K::Input, "Parallel to Dim 2", "Edit69"},
             {K::Input, "Allow. Net Bear. Cap.", "Edit70", u(U::StressKsf)},
             {K::Note, "Induced Soil Pressure", ""},
             {K::Result, "Service Level", "Edit71", u(U::StressKsf), "", F(Square.QService), 76, "",
              VB(Square.QService)},
             {K::Result, "ACI load factors", "Edit72", u(U::StressKsf), "", F(Square.QFactored), 76},
         }},
        {"pnlContinuousReinforcement",
         "Continuous Reinforcement",
         {
             {K::Input, "Concrete Strength (f'c)", "Edit_CR1", u(U::Strength)},
             {K::Input, "Rebar Strength (Fy)", "Edit_CR2", u(U::Strength)},
             {K::Input, "Concrete Density (gc)", "Edit_CR3", u(U::UnitWeight)},
             {K::Input, "Stem Wall Height (H)", "Edit_CR4", u(U::Length), "Above t/footing"},
             {K::Input, "Stem Wall Thickness (tw)", "Edit_CR5", u(U::SmallLength)},
             {K::Input, "Footing Width (W)", "Edit_CR6", u(U::Length), "Wall is centered on footing"},
             {K::Input, "Footing Thickness (tf)", "Edit_CR7", u(U::SmallLength)},
             {K::Input, "Grade, High-side (GrH)", "Edit_CR8", u(U::Length),
              "Grade of soil measured from top of footing"},
             {K::Input, "Grade, Low-side (GrL)", "Edit_CR9", u(U::Length)},
             {K::Input, "Base Shear Keyway Dpth (K)", "Edit_CR10", u(U::Length),
              "Measured from bottom of footing"},
         }},
        // "pnlLoadCombinations" ("Loading (input service level)") is built from LoadCombinationRows.
        {"pnlGeotechnical",
         "Geotechnical Properties",
         {
             {K::Input, "Soil Density (gamma)", "Edit_CR11", u(U::UnitWeight)},
             {K::Input, "Active Pressure (Pa)", "Edit_CR12", u(U::UnitWeight),
              "Use moist or bouyant weight if appropriate"},
             {K::Input, "Passive Pressure (Pp)", "Edit_CR13", u(U::UnitWeight)},
             {K::Input, "Ignore Passive Depth (ign)", "Edit_CR14", u(U::Length),
              "Depth to ignore passive resistance"},
             {K::Input, "Angle of Internal Friction (f)", "Edit_CR15", u(U::Angle),
              "Horizontal friction factor at bottom of footing"},
             {K::Input, "Cohesion (c)", "Edit_CR16", u(U::CohesionGeo)},
             {K::Input, "Allow. Bear. Pressure (q all)", "Edit_CR17", u(U::StressKsf)},
         }},
        {"pnlStemWallAndFooting",
         "Stem Wall and Footing Design",
         {
             {K::Note, "Vertical", ""},
             {K::List, "Rebar Size", "ComboBox7", kNoUnit, "", nullptr, 0, "#3|#4"},
             {K::List, "Number of Layers", "ComboBox8", kNoUnit,
              "One or two layers of vertical reinforcement in the stem wall", nullptr, 0, "1|2"},
             {K::Input, "Clear Cover", "Edit_CR18", u(U::SmallLength),
              "If only one layer of vertical reinforcement, it will be assumed placed centrally. If the stem "
              "wall is CMU, the clear cover must be at least the shell thickness"},
             {K::Input, "Bar Spacing", "Edit_CR19", u(U::Length),
              "If stem wall is CMU, the spacing should be a multiple of the cell spacing"},
             {K::Note, "Horizontal", ""},
             {K::List, "Rebar Size", "ComboBox9", kNoUnit, "", nullptr, 0, "#3|#4"},
             {K::Input, "Bar Spacing", "Edit_CR20", u(U::Length)},
             {K::Note, "Footing", ""},
             {K::List, "Rebar Size", "ComboBox10", kNoUnit, kHintFootingBars, nullptr, 0, "#3|#4"},
             {K::Input, "Clear Cover", "Edit_CR21", u(U::SmallLength)},
             {K::Input, "Bar Spacing", "Edit_CR22", u(U::Length)},
             {K::Note, "Shrinkage and Temperature Steel", ""},
             {K::List, "Rebar Size", "ComboBox11", kNoUnit, kHintFootingBars, nullptr, 0, "#3|#4"},
             {K::Input, "Clear Cover", "Edit_CR23", u(U::SmallLength)},
             {K::Input, "Bar Spacing", "Edit_CR24", u(U::Length)},
         }},
    };
}

std::vector<TRowSpec> BuildLoadRows(int n)
{
    auto name = [n](int column) {
        static std::deque<std::string> names;  // keeps the texts in place for the tables
        names.push_back("EditLC" + std::to_string(n) + "_" + std::to_string(column));
        return names.back().c_str();
    };
    std::vector<TRowSpec> rows = {
        {K::Input, "Axial LL (Pll)", name(1), u(U::LineLoad), kHintTopOfWall},
        {K::Input, "Axial DL (Pdl)", name(2), u(U::LineLoad)},
        {K::Input, "Moment LL (Mll)", name(3), u(U::LineMoment), kHintTopOfWall},
        {K::Input, "Moment DL (Mdl)", name(4), u(U::LineMoment)},
        {K::Input, "Lateral LL (Vll)", name(5), u(U::LineLoad)},
    };
    if (n < 3) {
        rows.push_back({K::Input, "Lateral DL (Vdl)", name(6), u(U::LineLoad)});
        rows.push_back({K::Input, "Lateral Height (Vht)", name(7), u(U::Length), kHintLateralHeight});
    } else {
        // Combination 3 takes its lateral dead load and height from the wind force.
        rows.push_back(
            {K::Result, "Lateral DL (Vdl)", name(6), u(U::LineLoad), "", F(Continuous.LoadCases[2].Vdl), 55});
        rows.push_back({K::Result, "Lateral Height (Vht)", name(7), u(U::Length), kHintLateralHeight,
                        F(Continuous.LoadCases[2].Vht), 56});
    }
    if (n == 1) {
        rows.push_back({K::Input, "Design Windspeed (V)", name(8), u(U::Speed)});
        rows.push_back(
            {K::Input, "Exposure Coeff. (Kz)", name(9), kNoUnit,
             "Use 0.85 for walls 0-15 ft above grade and open terrain with scattered obstructions, "
             "refer to ASCE 7 Table 29.3-1 for all other conditions"});
        rows.push_back({K::Input, "Topgraphic Factor (Kzt)", name(10), kNoUnit,
                        "Use 1.0 for flat terrain, refer to ASCE 7 section 26.8"});
        rows.push_back(
            {K::Input, "Net Force Coeff. (Cf)", name(11), kNoUnit,
             "Cf can range from 0.5 to 4.0 for walls (the highest numbers only at the wall ends). Refer "
             "to ASCE 7 Fig 29.4-1 and consider separate designs at the end regions if appropriate"});
        rows.push_back({K::Result, "Velocity Pressure (qz)", name(12), u(U::Pressure),
                        "Per ASCE 7 eqn 29.3-1, with Kd of 0.85 per ASCE 7 Table 26.6-1",
                        F(Continuous.LoadCases[0].Qz), 61});
        rows.push_back(
            {K::Result, "Wind Force (WF)", name(13), u(U::LineLoad),
             "Per ASCE 7 eqn 29 assuming Gust Factor of 0.85 per 26.9.1 and Cf of 1.35 (Wall length "
             "greater than 4x the wall height, otherwise see ASCE 7 Fig 29.4-1. Conservatively, both "
             "positive and negative pressures act on the lower grade face",
             F(Continuous.LoadCases[0].WF), 62});
        rows.push_back({K::Result, "Wind Force Ht (WFht)", name(14), u(U::Length), kHintForceHeight,
                        F(Continuous.LoadCases[0].WFht), 63});
    } else if (n == 2) {
        rows.push_back({K::Input, "Short Period Acc. (Sds)", name(8), kNoUnit,
                        "Short-Period, Design, spectral acceleration, per ASCE 7 ch 11"});
        rows.push_back(
            {K::Result, "Seismic Lateral (Fp)", name(9), u(U::LineLoad),
             "Per ASCE 7 12.11.1 assuming importance category I or II, note that the minimum design "
             "force for the wall anchorages is larger, per ASCE 7 12.11.2.1",
             F(Continuous.LoadCases[1].Fp), 65});
        rows.push_back({K::Result, "Seismic Force Ht (Sht)", name(10), u(U::Length), kHintForceHeight,
                        F(Continuous.LoadCases[1].Sht), 66});
    }
    return rows;
}

// Result tags: they only choose the decimals shown (none of them carries bounds).
constexpr int kFactor = 12;    // 2 decimals
constexpr int kCapacity = 11;  // 0 decimals
constexpr int kLoad = 42;      // 1 decimal
constexpr int kSafety = 15;    // 2 decimals
constexpr int kPressure = 23;  // 3 decimals
constexpr int kSquare = 76;    // 2 decimals
constexpr int kRatio = 40;     // 4 decimals
constexpr int kWhole = 74, kOne = 75, kTwo = 76, kThree = 77;

#define LC3(prefix, suffix)                                                                                  \
    {                                                                                                        \
        prefix "1_" suffix, prefix "2_" suffix, prefix "3_" suffix                                           \
    }
#define LCF(field)                                                                                           \
    {                                                                                                        \
        F(Continuous.LoadCases[0].field), F(Continuous.LoadCases[1].field), F(Continuous.LoadCases[2].field) \
    }
#define LCV(check)                                                                                           \
    {                                                                                                        \
        V(Continuous.Combinations[0].check), V(Continuous.Combinations[1].check),                            \
            V(Continuous.Combinations[2].check)                                                              \
    }

// The allowable load is per unit length for a continuous footing.
std::string AllowableLoadCaption(const TPMData& d)
{
    return d.Shape == shContinuous ? "Allowable Wall Load (P/b)" : "Allowable Column Load (P)";
}
int AllowableLoadUnit(const TPMData& d)
{
    return u(d.Shape == shContinuous ? U::LineLoadKip : U::ForceKip);
}
std::string KernHint(const TPMData& d)
{
    return "Service loads, e = Ms / Ps; within kern if |e| < " + FormatFixed(KernLimit(d), 2) + " " +
           UnitText(U::Length, d.Units);
}

std::vector<TResultSectionSpec> BuildResultSections()
{
    std::vector<TResultSectionSpec> sections = {
        {"pnlBearingCapacity",
         "Bearing Capacity",
         {"Terzaghi", "Vesic"},
         {
             {"Nc", {"Edit9", "Edit34"}, {F(NcTerzaghi), F(NcVesic)}, kFactor},
             {"Nq", {"Edit10", "Edit35"}, {F(NqTerzaghi), F(NqVesic)}, kFactor},
             {"Ny", {"Edit11", "Edit36"}, {F(NGammaTerzaghi), F(NGammaVesic)}, kFactor},
             {"Ultimate Bearing Capacity (q ult)",
              {"Edit12", "Edit37"},
              {F(QultTerzaghi), F(QultVesic)},
              kCapacity,
              u(U::Pressure)},
             {"Allowable Bearing Capacity (q all)",
              {"Edit13", "Edit38"},
              {F(QallTerzaghi), F(QallVesic)},
              kCapacity,
              u(U::Pressure)},
             {"", {"Edit40", "Edit41"}, {F(AllowLoadTerzaghi), F(AllowLoadVesic)}, kLoad, u(U::ForceKip)},
         }},
        {"pnlStabilityResults",
         "Stability Analysis",
         {"x", "y"},
         {
             {"Overturning, FS(ot)",
              {"Edit97", "Edit98"},
              {F(Stability.FSOverturningX), F(Stability.FSOverturningY)},
              kSafety,
              kNoUnit,
              {nullptr, nullptr, nullptr},
              "",
              {V(Stability.OverturningX), V(Stability.OverturningY)},
              true},
             {"Sliding, FS(slid)",
              {"Edit99", "Edit100"},
              {F(Stability.FSSlidingX), F(Stability.FSSlidingY)},
              kSafety,
              kNoUnit,
              {nullptr, nullptr, nullptr},
              "",
              {V(Stability.SlidingX), V(Stability.SlidingY)},
              true},
             {"Uplift, FS(uplift)",
              {"Edit101"},
              {F(Stability.FSUplift)},
              kSafety,
              kNoUnit,
              {nullptr, nullptr, nullptr},
              "",
              {V(Stability.Uplift)},
              true},
             {"Bearing area", {"Edit102"}, {F(Stability.BearingAreaPct)}, kSafety, u(U::Percent)},
             {"P1",
              {"Edit105"},
              {F(Stability.P1)},
              kPressure,
              u(U::StressKsf),
              {nullptr, nullptr, nullptr},
              "",
              {V(Stability.Corners[0])}},
             {"P2",
              {"Edit106"},
              {F(Stability.P2)},
              kPressure,
              u(U::StressKsf),
              {nullptr, nullptr, nullptr},
              "",
              {V(Stability.Corners[1])}},
             {"P3",
              {"Edit107"},
              {F(Stability.P3)},
              kPressure,
              u(U::StressKsf),
              {nullptr, nullptr, nullptr},
              "",
              {V(Stability.Corners[2])}},
             {"P4",
              {"Edit108"},
              {F(Stability.P4)},
              kPressure,
              u(U::StressKsf),
              {nullptr, nullptr, nullptr},
              "",
              {V(Stability.Corners[3])}},
             {"Max. Soil Pressure",
              {"Edit103", "Edit104"},
              {F(Stability.QGross), F(Stability.QNet)},
              kPressure,
              u(U::StressKsf)},
         }},
        {"pnlSquareResults",
         "Square Reinforcement",
         {"Dim 1", "Dim 2"},
         {
             {"Eff. Depth for Rebar",
              {"Edit73", "Edit74"},
              {F(Square.EffDepth1), F(Square.EffDepth2)},
              kSquare,
              u(U::SmallLength)},
             {"Reinforcement Ratio",
              {"Edit75", "Edit76"},
              {F(Square.Rho1), F(Square.Rho2)},
              kRatio,
              kNoUnit,
              {nullptr, nullptr, nullptr},
              "",
              {VB(Square.Rho1), VB(Square.Rho2)}},
             {"Steel Area (As)",
              {"Edit_SQR1", "Edit_SQR2"},
              {F(Square.As1), F(Square.As2)},
              kThree,
              u(U::BarArea),
              {nullptr, nullptr, nullptr},
              kHintMinimumSteel,
              {VB(Square.Rho1), VB(Square.Rho2)}},
             {"Minimum Steel (As min)",
              {"Edit_SQR3", "Edit_SQR4"},
              {F(Square.AsMin1), F(Square.AsMin2)},
              kThree,
              u(U::BarArea),
              {nullptr, nullptr, nullptr},
              kHintMinimumSteel},
             {"Rebar Spacing",
              {"Edit77", "Edit78"},
              {F(Square.BarSpacing1), F(Square.BarSpacing2)},
              kSquare,
              u(U::SmallLength),
              {nullptr, nullptr, nullptr},
              "",
              {VB(Square.Spacing1), VB(Square.Spacing2)}},
             {"Design Moment",
              {"Edit79", "Edit80"},
              {F(Square.PhiMn1), F(Square.PhiMn2)},
              kSquare,
              u(U::MomentKft)},
             {"Ultimate Moment",
              {"Edit81", "Edit82"},
              {F(Square.Mu1), F(Square.Mu2)},
              kSquare,
              u(U::MomentKft),
              {nullptr, nullptr, nullptr},
              "",
              {VB(Square.Moment1), VB(Square.Moment2)}},
             {"Design Shear",
              {"Edit83", "Edit84"},
              {F(Square.PhiVc1), F(Square.PhiVc2)},
              kSquare,
              u(U::ForceKip),
              {nullptr, nullptr, nullptr},
              "One-way shear, ACI 318-19 22.5.5.1(c), at d from the column face"},
             {"Ultimate Shear",
              {"Edit85", "Edit86"},
              {F(Square.Vu1), F(Square.Vu2)},
              kSquare,
              u(U::ForceKip),
              {nullptr, nullptr, nullptr},
              "",
              {VB(Square.Shear1), VB(Square.Shear2)}},
             {"Punching Perimeter (bo)",
              {"Edit_SQR5"},
              {F(Square.PunchPerimeter)},
              kSquare,
              u(U::SmallLength),
              {nullptr, nullptr, nullptr},
              kHintPunching},
             {"Design Punching Shear",
              {"Edit_SQR6"},
              {F(Square.PhiVcPunch)},
              kSquare,
              u(U::ForceKip),
              {nullptr, nullptr, nullptr},
              "Two-way shear strength, ACI 318-19 22.6.5.2, lambda s = 1 (13.2.6.2)"},
             {"Ultimate Punching Shear",
              {"Edit_SQR7"},
              {F(Square.VuPunch)},
              kSquare,
              u(U::ForceKip),
              {nullptr, nullptr, nullptr},
              kHintPunching,
              {VB(Square.Punch)}},
             {"Factored Column Load (Pu)",
              {"Edit_SQR8"},
              {F(Square.PuColumn)},
              kSquare,
              u(U::ForceKip),
              {nullptr, nullptr, nullptr},
              "1.2 D + 1.6 L; when it exceeds the bearing strength, dowels must carry the excess",
              {VB(Square.Bearing)}},
             {"Column Bearing Strength",
              {"Edit_SQR9"},
              {F(Square.PhiBearing)},
              kSquare,
              u(U::ForceKip),
              {nullptr, nullptr, nullptr},
              "0.65 x 0.85 f'c A1, ACI 318-19 22.8.3.2, the column's concrete at the footing's f'c"},
             {"Development Length (ld)",
              {"Edit_SQR10", "Edit_SQR11"},
              {F(Square.DevLength1), F(Square.DevLength2)},
              kSquare,
              u(U::SmallLength),
              {nullptr, nullptr, nullptr},
              "Straight uncoated bottom bars, ACI 318-19 25.4.2.3; at most the available length",
              {VB(Square.Development1), VB(Square.Development2)}},
             {"Available Length",
              {"Edit_SQR12", "Edit_SQR13"},
              {F(Square.DevAvail1), F(Square.DevAvail2)},
              kSquare,
              u(U::SmallLength),
              {nullptr, nullptr, nullptr},
              "From the column face to the bar end, less the clear cover"},
         }},
        {"pnlContinuousResults",
         "Continuous Reinforcement",
         {"LC1: Wind", "LC2: Seismic", "LC3: General"},
         {
             {"Resisting Forces", LC3("Edit_CRR", "1"), LCF(Resisting), kOne, u(U::LineLoad)},
             {"Driving Forces", LC3("Edit_CRR", "2"), LCF(Driving), kOne, u(U::LineLoad)},
             {"Sliding Check", LC3("Edit_CRR", "3"), LCF(SlidingRatio), kTwo, kNoUnit, LC3("imCR", "1"),
              kHintSliding, LCV(Sliding)},
             {"Stabilizing Weight", LC3("Edit_CRR", "4"), LCF(StabWeight), kOne, u(U::LineLoad)},
             {"Stabilizing Moment", LC3("Edit_CRR", "5"), LCF(StabMoment), kOne, u(U::LineMoment)},
             {"Overturning Moment", LC3("Edit_CRR", "6"), LCF(OTMoment), kOne, u(U::LineMoment)},
             {"Overturning SF", LC3("Edit_CRR", "7"), LCF(OTSafety), kTwo, kNoUnit, LC3("imCR", "2"),
              kHintOverturning, LCV(Overturning)},
             {"Eccentricity", LC3("Edit_CRR", "8"), LCF(Eccentricity), kThree, u(U::Length), LC3("imCR", "3"),
              "", LCV(Eccentricity)},
         }},
        {"pnlStemWallResults",
         "Stem Wall Design",
         {"LC1: Wind", "LC2: Seismic", "LC3: General"},
         {
             {"Area of Steel (As)", {"Edit_CRR9"}, {F(Continuous.StemWall.AsVert)}, kThree, u(U::SteelArea)},
             {"Reinforcement ratio (rho)",
              {"Edit_CRR10"},
              {F(Continuous.StemWall.RhoVert)},
              kTwo,
              u(U::Percent),
              {"imCR_8"},
              "Minimum 0.12 % for bars up to #5 (16 mm) with Fy >= 60 ksi (420 MPa), otherwise 0.15 % (ACI "
              "318-19 Table 11.6.1)",
              {V(Continuous.VerticalReinforcement)}},
             {"Max Axial Strength (PhiPn max)",
              {"Edit_CRR11"},
              {F(Continuous.StemWall.PhiPnMax)},
              kOne,
              u(U::LineLoad)},
             {"Nominal Moment Strength (PhiMn)",
              {"Edit_CRR12"},
              {F(Continuous.StemWall.PhiMn0)},
              kOne,
              u(U::LineMoment)},
             {"Nominal Shear Strength (PhiVn)",
              {"Edit_CRR13"},
              {F(Continuous.StemWall.PhiVn)},
              kOne,
              u(U::LineLoad),
              {nullptr, nullptr, nullptr},
              "ACI 318-19 22.5.5.1(c) with the size effect, at the depth and tension steel of the "
              "interaction diagram"},
             {"Mu",
              LC3("Edit_CRR", "14"),
              LCF(Mu),
              kOne,
              u(U::LineMoment),
              {nullptr, nullptr, nullptr},
              "Includes 1.6 Pa hs^3/6 of the soil over the unbalanced height"},
             {"Pu", LC3("Edit_CRR", "15"), LCF(Pu), kOne, u(U::LineLoad)},
             {"Vu",
              LC3("Edit_CRR", "16"),
              LCF(Vu),
              kOne,
              u(U::LineLoad),
              {nullptr, nullptr, nullptr},
              "Shear at the base of the stem: 1.6 Pa hs^2/2 plus the factored lateral loads"},
             {"Moment Utilization",
              {"Edit_CRR17"},
              {F(Continuous.StemWall.MomentUtilization)},
              kOne,
              u(U::Percent),
              {"imCR_4"},
              "",
              {V(Continuous.MomentUtilization)}},
             {"Shear Utilization",
              {"Edit_CRR18"},
              {F(Continuous.StemWall.ShearUtilization)},
              kOne,
              u(U::Percent),
              {"imCR_5"},
              "",
              {V(Continuous.ShearUtilization)}},
             {"Reinforcement ratio (rho)",
              {"Edit_CRR19"},
              {F(Continuous.StemWall.RhoHor)},
              kTwo,
              u(U::Percent),
              {"imCR_9"},
              "Horizontal bars on each face; minimum 0.20 % for bars up to #5 (16 mm) with Fy >= 60 ksi (420 "
              "MPa), otherwise 0.25 % (ACI 318-19 Table 11.6.1)",
              {V(Continuous.HorizontalReinforcement)}},
             {"Stem wall Modulus of Elasticity (Ec)",
              {"Edit_CRR20"},
              {F(Continuous.StemWall.Ec)},
              kWhole,
              u(U::Strength)},
             {"Wall Gross Moment of Inertia (Ig)",
              {"Edit_CRR21"},
              {F(Continuous.StemWall.Ig)},
              kWhole,
              u(U::Inertia)},
             {"Wall Effective Moment of Inertia (Ie)",
              {"Edit_CRR22"},
              {F(Continuous.StemWall.Ie)},
              kWhole,
              u(U::Inertia)},
             {"Deflection", LC3("Edit_CRR", "23"), LCF(Deflection), kThree, u(U::SmallLength)},
         }},
        {"pnlFootingResults",
         "Footing Design",
         {"LC1: Wind", "LC2: Seismic", "LC3: General"},
         {
             {"Area of Steel (As)", {"Edit_CRR24"}, {F(Continuous.Footing.AsFoot)}, kThree, u(U::SteelArea)},
             {"Reinforcement ratio (rho)",
              {"Edit_CRR25"},
              {F(Continuous.Footing.RhoFoot)},
              kTwo,
              u(U::Percent),
              {"imCR_7"},
              "",
              {V(Continuous.FootingRatio)}},
             {"Footing Moment Capacity (PhiMn)",
              {"Edit_CRR26"},
              {F(Continuous.Footing.PhiMnFoot)},
              kOne,
              u(U::LineMoment),
              {"imCR_6"},
              "",
              {V(Continuous.FootingMoment)}},
             {"Footing Ultimate Moment (Mu)",
              {"Edit_CRR27"},
              {F(Continuous.Footing.MuFoot)},
              kOne,
              u(U::LineMoment),
              {nullptr, nullptr, nullptr},
              "Conservative estimate: 1.6 x the largest service pressure as a uniform load over half the "
              "width"},
             {"Toe Baearing Pressure", LC3("Edit_CRR", "28"), LCF(ToePressure), kWhole, u(U::Pressure),
              LC3("imCR", "7"), kHintServiceBearing, LCV(ToePressure)},
             {"Heel Baearing Pressure", LC3("Edit_CRR", "29"), LCF(HeelPressure), kWhole, u(U::Pressure),
              LC3("imCR", "8"), kHintServiceBearing, LCV(HeelPressure)},
         }},
    };
    TResultRowSpec& allowableLoad = sections[0].Rows.back();
    allowableLoad.CaptionOf = AllowableLoadCaption;
    allowableLoad.UnitOf = AllowableLoadUnit;
    sections[3].Rows.back().HintOf = KernHint;
    sections[1].Rows.back().ColumnTitles = {"Gross", "Net"};  // under "x" and "y" it would misread
    return sections;
}

#undef LC3
#undef F
#undef V
#undef VB
#undef LCF
#undef LCV

}  // namespace

const std::vector<TSectionSpec>& InputSections()
{
    static const std::vector<TSectionSpec> sections = BuildInputSections();
    return sections;
}

const std::vector<TRowSpec>& LoadCombinationRows(int n)
{
    static const std::vector<TRowSpec> rows[3] = {BuildLoadRows(1), BuildLoadRows(2), BuildLoadRows(3)};
    return rows[n - 1];
}

const std::vector<TResultSectionSpec>& ResultSections()
{
    static const std::vector<TResultSectionSpec> sections = BuildResultSections();
    return sections;
}
