// The square footing listing: soil pressures, bars, minimum steel, flexure, one-way and two-way
// shear, column bearing and development length, each value with the ACI 318-19 clause it comes
// from and each check with its verdict (from the model's checks, never decided here).
#include <string>

#include "core/PMClasses.h"
#include "design/SquareFootingAci.h"
#include "design/SquareFootingChecks.h"
#include "listings/ComputationListing.h"

namespace {

struct TSquareUnits {
    const char* Length;
    const char* Area;
    const char* Force;
    const char* Moment;
    const char* Pressure;
    const char* Stress;  // of sqrt(f'c) and vc
};

TSquareUnits UnitsOf(bool si)
{
    return si ? TSquareUnits{"mm", "mm^2", "kN", "kN-m", "kPa", "MPa"}
              : TSquareUnits{"in", "in^2", "kips", "k-ft", "ksf", "psi"};
}

std::string Verdict(bool pass)
{
    return pass ? ": OK" : ": NOT OK";
}

class TSquareListingWriter {
  public:
    explicit TSquareListingWriter(const TPMData& record)
        : Q_(record.Square), A_(SquareFootingAci(record)), C_(SquareFootingChecks(record)), U_(UnitsOf(A_.Si))
    {
    }

    TComputationListing Build()
    {
        SoilPressure();
        Bars();
        MinimumSteel();
        Flexure();
        OneWayShear();
        TwoWayShear();
        Bearing();
        Development();
        return std::move(L_);
    }

  private:
    void Add(const std::string& caption, const std::string& unit, Real value, int decimals = 2)
    {
        L_.AddValue(caption, unit, decimals, value);
    }
    // A row of text alone: a verdict or a note.
    void Note(const std::string& text) { L_.AddValue(text, "", 0, kListingBlankMarker); }
    std::string With(const char* unit, const std::string& source) const
    {
        return std::string(unit) + " " + source;
    }
    std::string Root() const { return A_.Si ? "sqrt(f'c) <= 8.3 MPa" : "sqrt(f'c) <= 100 psi"; }

    void SoilPressure()
    {
        L_.AddHeading("Soil Pressure");
        Add("qs", With(U_.Pressure, "(D + L + Wf)"), Q_.QService, 3);
        Add("qu", With(U_.Pressure, "(1.2(D + Wf) + 1.6L, 5.3.1b)"), Q_.QFactored, 3);
        L_.AddBlank();
    }

    void Bars()
    {
        L_.AddHeading("Bars");
        Add("d1", With(U_.Length, "(T - cc - db/2)"), Q_.EffDepth1);
        Add("d2", With(U_.Length, "(T - cc - 3db/2)"), Q_.EffDepth2);
        Add("As1", With(U_.Area, "(N1 Ab)"), Q_.As1, 3);
        Add("As2", With(U_.Area, "(N2 Ab)"), Q_.As2, 3);
        Add("rho1", "(As1/(B2 d1))", Q_.Rho1, 5);
        Add("rho2", "(As2/(B1 d2))", Q_.Rho2, 5);
        Add("s1", With(U_.Length, "(clear)"), Q_.BarSpacing1);
        Add("s2", With(U_.Length, "(clear)"), Q_.BarSpacing2);
        L_.AddBlank();
    }

    void MinimumSteel()
    {
        L_.AddHeading("Minimum Steel, 8.6.1.1");
        Add("As,min1", With(U_.Area, "(0.0018 B2 T, 24.4.3.2)"), Q_.AsMin1, 3);
        Add("As,min2", With(U_.Area, "(0.0018 B1 T, 24.4.3.2)"), Q_.AsMin2, 3);
        Note("As1 >= As,min1" + Verdict(C_.Rho1));
        Note("As2 >= As,min2" + Verdict(C_.Rho2));
        L_.AddBlank();
    }

    void Flexure()
    {
        L_.AddHeading("Flexure, 22.2");
        Add("phi Mn1", With(U_.Moment, "(phi = 0.9, 21.2.2)"), Q_.PhiMn1);
        Add("Mu1", With(U_.Moment, "(at column face, 13.2.7.1)"), Q_.Mu1);
        Add("phi Mn2", With(U_.Moment, "(phi = 0.9, 21.2.2)"), Q_.PhiMn2);
        Add("Mu2", With(U_.Moment, "(at column face, 13.2.7.1)"), Q_.Mu2);
        Note("Mu1 <= phi Mn1" + Verdict(C_.Moment1));
        Note("Mu2 <= phi Mn2" + Verdict(C_.Moment2));
        L_.AddBlank();
    }

    void OneWayShear()
    {
        L_.AddHeading("One-Way Shear, 22.5.5.1(c)");
        Add("lambda s", "(isolated footing, 13.2.6.2)", 1);
        Add("sqrt(f'c)", With(U_.Stress, "(" + Root() + ")"), A_.RootFc, 3);
        const char* term = A_.Si ? "0.66 rho^(1/3)" : "8 rho^(1/3)";
        const std::string cap = A_.Si ? "(<= 0.42, 22.5.5.1.1)" : "(<= 5, 22.5.5.1.1)";
        OneWayDirection("1", term, cap, A_.Shear1.Coefficient, Q_.PhiVc1, Q_.Vu1, C_.Shear1,
                        C_.ShearBeyondEdge1);
        OneWayDirection("2", term, cap, A_.Shear2.Coefficient, Q_.PhiVc2, Q_.Vu2, C_.Shear2,
                        C_.ShearBeyondEdge2);
        L_.AddBlank();
    }

    void OneWayDirection(const std::string& n, const char* term, const std::string& cap, Real coefficient,
                         Real phiVc, Real vu, bool pass, bool beyondEdge)
    {
        Add(std::string(term) + " (" + n + ")", cap, coefficient, 3);
        Add("phi Vc" + n, With(U_.Force, "(phi = 0.75, 21.2.1)"), phiVc);
        Add("Vu" + n, With(U_.Force, "(at d from column face, 13.2.7.2)"), vu);
        Note(beyondEdge ? std::string(kShearPlaneBeyondEdgeText)
                        : "Vu" + n + " <= phi Vc" + n + Verdict(pass));
    }

    void TwoWayShear()
    {
        const TPunchingShear& p = A_.Punch;
        L_.AddHeading("Two-Way Shear, 22.6");
        Add("lambda s", "(isolated footing, 13.2.6.2)", 1);
        Add("d", With(U_.Length, "((d1 + d2)/2)"), p.Depth);
        Add("bo", With(U_.Length, "(at d/2 from column faces, 22.6.4.1)"), Q_.PunchPerimeter);
        Add("beta", "(long/short column side)", p.Beta);
        Add(A_.Si ? "0.33" : "4", "(Table 22.6.5.2a)", p.CoefLimit, 3);
        Add(A_.Si ? "0.17(1 + 2/beta)" : "2 + 4/beta", "(Table 22.6.5.2b)", p.CoefBeta, 3);
        Add(A_.Si ? "0.083(2 + 40d/bo)" : "2 + 40d/bo", "(Table 22.6.5.2c, alpha s = 40)", p.CoefAlpha, 3);
        Add("vc", With(U_.Stress, "(least of the three x sqrt(f'c))"), p.Stress, 2);
        Add("phi Vc", With(U_.Force, "(phi = 0.75, 21.2.1)"), Q_.PhiVcPunch);
        Add("Vu", With(U_.Force, "(qu outside the section)"), Q_.VuPunch);
        Note(C_.PunchBeyondEdge ? std::string(kPunchingBeyondEdgeText) : "Vu <= phi Vc" + Verdict(C_.Punch));
        L_.AddBlank();
    }

    void Bearing()
    {
        L_.AddHeading("Column Bearing, 22.8.3.2");
        Add("Pu", With(U_.Force, "(1.2D + 1.6L, 5.3.1b)"), Q_.PuColumn);
        Add("phi Bn", With(U_.Force, "(0.65 x 0.85 f'c A1, 21.2.1)"), Q_.PhiBearing);
        if (C_.Bearing) {
            Note("Pu <= phi Bn: OK");
        } else {
            Note("Pu > phi Bn: NOT OK, dowels must carry the excess (16.3.1.1)");
            Add("Excess", With(U_.Force, "(Pu - phi Bn, to dowels)"), Q_.PuColumn - Q_.PhiBearing);
        }
        L_.AddBlank();
    }

    void Development()
    {
        L_.AddHeading("Development Length, 25.4.2.3");
        Add("psi t x psi e", "(straight uncoated bottom bars, 25.4.2.5)", 1);
        Add("psi g", "(Grade of Fy, Table 25.4.2.5)", A_.Dev1.PsiG);
        DevelopmentDirection("1", A_.Dev1, Q_.DevLength1, Q_.DevAvail1, C_.Development1, "(B1 - c1)/2 - cc");
        DevelopmentDirection("2", A_.Dev2, Q_.DevLength2, Q_.DevAvail2, C_.Development2, "(B2 - c2)/2 - cc");
    }

    void DevelopmentDirection(const std::string& n, const TDevelopment& d, Real length, Real available,
                              bool pass, const char* availableRule)
    {
        const std::string size = A_.Si ? (d.SmallBar ? "No. 19 and smaller" : "No. 22 and larger")
                                       : (d.SmallBar ? "No. 6 and smaller" : "No. 7 and larger");
        const std::string spacing = d.WellSpaced ? "s" + n + " >= 2db, cc >= db" : "other cases";
        Add("divisor " + n, "(" + size + ", " + spacing + ")", d.Divisor, 3);
        Add("ld" + n, With(U_.Length, A_.Si ? "(>= 300 mm, 25.4.2.1)" : "(>= 12 in, 25.4.2.1)"), length);
        Add("available " + n, With(U_.Length, std::string("(") + availableRule + ")"), available);
        Note("ld" + n + " <= available " + n + Verdict(pass));
    }

    const TSquareFootingData& Q_;
    const TSquareFootingAci A_;
    const TSquareFootingChecks C_;
    const TSquareUnits U_;
    TComputationListing L_;
};

}  // namespace

TComputationListing BuildSquareFootingListing(const TPMData& record)
{
    return TSquareListingWriter(record).Build();
}
