// The whole continuous design against a second computation written here from the formulas,
// over random walls in both unit systems and all three rebar families, and from random states
// of the interaction rows (fresh, left by another wall, or nearly converged).
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ContinuousTestRecord.h"

namespace {

// Unit-dependent constants, each the double nearest to the written value.
struct TConstants {
    Real k, u, bw, b1, v, m, n, u2, es, a, b, cFoot, cWind;
};

TConstants ConstantsFor(std::uint8_t units)
{
    auto d = [](double x) { return static_cast<Real>(x); };
    if (units == 1)
        return {1000, 1000, 1000, 1, 1, d(0.001), 1, 1000, 200000, 1000, 1e6, d(1e-6), d(6.13e-4)};
    return {12, 1, 12, 12, 1000, 1000, 12, 1, 29000, d(0.001), d(0.012), d(1000.0L / 12), d(0.00256)};
}

Real Ratio(Real x, Real y)
{
    return IsNaN(x) || IsNaN(y) || y == 0 ? NaN() : x / y;
}
Real Strain(Real ecu, Real c, Real d)
{
    return c == 0 ? 0 : ecu * (c - d) / c;
}

// The expected design of record r (rows as r holds them), written into e = a copy of r.
void ExpectedDesign(const TPMData& r, TContinuousData& e)
{
    const TConstants K = ConstantsFor(r.Units);
    const bool si = r.Units == 1;
    TContinuousData& c = e;
    auto& L = c.LoadCases;

    c.TwLen = c.Tw / K.k;
    c.TfLen = c.Tf / K.k;
    const Real tw = c.TwLen, tf = c.TfLen;
    L[0].Qz = K.cWind * L[0].V * L[0].V * L[0].Kz * L[0].Kzt * 0.85L;
    L[0].WF = L[0].Qz * 0.85L * L[0].Cf * (c.H - c.GrL);
    L[0].WFht = c.GrL + 0.55L * (c.H - c.GrL);
    const Real x = 0.4L * L[1].Sds < 0.1L ? 0.1L : 0.4L * L[1].Sds;
    L[1].Fp = x * c.Gc * c.H * tw;
    L[1].Sht = c.H / 2;
    L[2].Vdl = L[0].WF;
    L[2].Vht = L[0].WFht;

    const Real hp = c.GrH - c.GrL - c.Ign;
    const Real depth = c.GrL + tf + c.K;
    const Real lateral[3] = {L[0].WF, L[1].Fp, 0};
    for (int j = 0; j < 3; ++j) {
        TLoadCase& lc = L[j];
        lc.StabWeight = 0.9L * (c.W * tf * c.Gc + lc.Pll + lc.Pdl + c.K * tw * c.Gc + tw * c.H * c.Gc +
                                (c.W - tw) * c.Gamma * (c.GrL + c.GrH) / 2);
        lc.Resisting = std::tan(c.Phi * std::numbers::pi_v<Real> / 180) * lc.StabWeight +
                       c.Pp * (depth + c.Ign) / 2 * (depth - c.Ign) + c.W * c.C;
        lc.Driving = j < 2 ? 1.6L * c.Pa * hp * hp / 2 + 1.2L * lc.Vdl + lc.Vll + lateral[j]
                           : 1.6L * c.Pa * hp * hp / 2 + 1.6L * lc.Vll + 1.2L * lc.Vdl;
        lc.SlidingRatio = Ratio(lc.Resisting, lc.Driving);
        lc.StabMoment = lc.StabWeight * c.W / 2;
        const Real user = j < 2 ? (1.2L * lc.Vdl + lc.Vll) * (lc.Vht + tf)
                                : (1.6L * lc.Vll + 1.2L * lc.Vdl) * (lc.Vht + tf);
        lc.OTMoment = j == 0   ? user + (L[0].WFht + tf) * L[0].WF
                      : j == 1 ? user + (L[1].Sht + tf) * L[1].Fp
                               : user;
        lc.OTSafety = Ratio(lc.StabMoment, lc.OTMoment);
        lc.Eccentricity = Ratio(lc.OTMoment, lc.StabWeight);
    }

    // Vertical steel and the diagram; its values are held as doubles.
    auto& s = c.StemWall;
    const RebarSize vert = FindRebar(s.VertBarSize);
    s.AsVert = vert.Area * s.Layers / s.VertSpacing;
    s.RhoVert = 100 * s.AsVert / (c.Tw * K.k);
    auto& g = c.Interaction;
    g.RadiusOfGyration = static_cast<double>(c.Tw / std::sqrt(12.0L));
    g.Es = static_cast<double>(K.es);
    g.Ecu = 0.003;
    g.F85 = static_cast<double>(0.85L * c.Fc);
    Real beta = si ? 0.85L - 0.05L * (c.Fc - 28) / 7 : 0.85L - 0.05L * (c.Fc - 4);
    beta = std::min(std::max(beta, 0.65L), 0.85L);
    g.Beta1 = static_cast<double>(beta);
    g.D = static_cast<double>(s.Layers == 2 ? c.Tw - s.VertCover - vert.Diameter / 2 : c.Tw / 2);
    g.As1 = static_cast<double>(s.Layers == 2 ? s.AsVert / 2 : s.AsVert);
    const Real d = g.D, as1 = g.As1, es = g.Es, ecu = g.Ecu, f85 = g.F85, b1 = g.Beta1;
    const Real cb = ecu * d / (c.Fy / es + ecu);
    const Real cmax = 1.1L * c.Tw;
    Real c0 = 0;
    for (int i = 0; i < 11; ++i) {
        TInteractionPoint& p = g.Points[i];
        double start = 0;
        do {
            start = p.EpsS = static_cast<double>(Strain(ecu, p.C, d));
            if (i == 0)
                p.Fs = static_cast<double>(-c.Fy);
            else
                p.Fs = static_cast<double>(p.EpsS > 0 ? std::min<Real>(p.EpsS * es, c.Fy)
                                                      : std::max<Real>(p.EpsS * es, -c.Fy));
            p.Ts = (i == 0 || p.EpsS < 0) ? static_cast<double>(as1 * p.Fs / K.u) : 0.0;
            if (i == 0)
                c0 = -Real(p.Ts) / (K.b1 * f85 * b1);
            const Real depthI = i == 0   ? c0
                                : i < 5  ? c0 + (cb - c0) * i / 5
                                : i == 5 ? cb
                                : i < 10 ? cb + (cmax - cb) * (i - 5) / 5
                                         : cmax;
            p.C = static_cast<double>(depthI);
            p.EpsS = static_cast<double>(Strain(ecu, p.C, d));
        } while (std::fabs(Real(p.EpsS) - start) > 1e-5L);
        const bool comp = p.EpsS > 0;
        p.Ac = static_cast<double>(K.bw * b1 * p.C - (comp ? as1 : 0));
        p.Cc = static_cast<double>(f85 * p.Ac / K.u + (comp ? as1 * p.Fs / K.u : 0));
        p.Yc = static_cast<double>((f85 * p.Ac * b1 * p.C / 2 + (comp ? as1 * p.Fs * d : 0)) / p.Cc / K.u);
        p.Yt = p.Ts != 0 && p.EpsS < 0 ? static_cast<double>(d) : 0.0;
        p.Phi = static_cast<double>(p.EpsS < -0.005 ? 0.9L : std::max(0.48L - 83 * p.EpsS, 0.65L));
        p.PhiPn = static_cast<double>(K.v * (Real(p.Cc) + p.Ts) * p.Phi);
        p.PhiMn = static_cast<double>((K.m * p.Cc * (c.Tw / 2 - p.Yc) + K.m * p.Ts * (c.Tw / 2 - p.Yt)) *
                                      p.Phi / K.n);
    }
    s.PhiMn0 = g.Points[0].PhiMn;
    s.PhiPnMax = 0.65L * 0.8L * (f85 * K.v * (K.bw * c.Tw - as1) + K.v * c.Fy * as1) / K.u2;

    s.PhiVn = si ? 0.75L * 0.17L * std::sqrt(c.Fc) * 1000 * c.Tw / 1000
                 : 0.75L * 2 * std::sqrt(1000 * c.Fc) * 12 * c.Tw;

    auto strengthAt = [&](Real pu) -> Real {
        if (IsNaN(pu) || pu >= s.PhiPnMax)
            return NaN();
        const auto& pt = g.Points;
        int i = pu < pt[0].PhiPn ? 0 : 9;
        for (int k = 8; k >= 0; --k)
            if (pt[k].PhiPn <= pu && pu < pt[k + 1].PhiPn)
                i = k;
        return pt[i].PhiMn + (Real(pt[i + 1].PhiMn) - pt[i].PhiMn) * (pu - pt[i].PhiPn) /
                                 (Real(pt[i + 1].PhiPn) - pt[i].PhiPn);
    };
    const Real rise = c.GrH - c.GrL;
    for (int j = 0; j < 3; ++j) {
        TLoadCase& lc = L[j];
        const Real soil = c.Pp * rise * rise * rise / 6;
        if (j == 0)
            lc.Mu = soil + L[0].Qz * 0.85L * L[0].Cf * c.H * c.H / 2 + 1.2L * lc.Mdl + lc.Mll +
                    (1.2L * lc.Vdl + lc.Vll) * c.H;
        else if (j == 1)
            lc.Mu = soil + 1.2L * lc.Mdl + lc.Mll + (1.2L * lc.Vdl + lc.Vll) * c.H + L[1].Fp * c.H / 2;
        else
            lc.Mu = soil + 1.6L * lc.Mll + 1.2L * lc.Mdl + (1.6L * lc.Vll + 1.2L * lc.Vdl) * lc.Vht;
        lc.Pu = 1.2L * (tw * c.H * c.Gc + lc.Pdl) + (j == 2 ? 1.6L : 1.0L) * lc.Pll;
        lc.Vu = lc.Driving;
        lc.PhiMnAtPu = strengthAt(lc.Pu);
        lc.MomentUtil = Ratio(100 * lc.Mu, lc.PhiMnAtPu);
        lc.ShearUtil = Ratio(100 * lc.Vu, s.PhiVn);
    }
    auto governing = [](Real a, Real b, Real c3) {
        return IsNaN(a) || IsNaN(b) || IsNaN(c3) ? NaN() : std::max({a, b, c3});
    };
    s.MomentUtilization = governing(L[0].MomentUtil, L[1].MomentUtil, L[2].MomentUtil);
    s.ShearUtilization = governing(L[0].ShearUtil, L[1].ShearUtil, L[2].ShearUtil);

    s.RhoHor = 100 * 2 * FindRebar(s.HorBarSize).Area / (s.HorSpacing * c.Tw * K.k);
    s.Ec = si ? 4700 * std::sqrt(c.Fc) : 57 * std::sqrt(1000 * c.Fc);
    s.Ig = K.k * c.Tw * c.Tw * c.Tw / 12;
    s.Ie = 0.35L * s.Ig;
    auto t = [&](Real p, Real h) {
        return K.a * p * (K.k * h) * (K.k * h) * K.k * (3 * c.H - h) / (6 * s.Ec * s.Ie);
    };
    auto top = [&](Real mo) { return K.b * mo * (K.k * c.H) * (K.k * c.H) / (2 * s.Ec * s.Ie); };
    L[0].Deflection = t(0.75L * L[0].Vll + L[0].Vdl, L[0].Vht) + t(0.6L * L[0].WF, L[0].WFht) +
                      top(0.75L * L[0].Mll + L[0].Mdl);
    L[1].Deflection = t(0.75L * L[1].Vll + L[1].Vdl, L[1].Vht) + t(0.6L * L[1].Fp, L[1].Sht) +
                      top(0.75L * L[1].Mll + L[1].Mdl);
    L[2].Deflection = t(L[2].Vll + L[2].Vdl, L[2].Vht) + top(L[2].Mll + L[2].Mdl);

    auto& f = c.Footing;
    f.AsFoot = FindRebar(f.FootBarSize).Area / f.FootSpacing;
    f.RhoFoot = 100 * f.AsFoot / (c.Tf * K.k);
    f.PhiMnFoot =
        0.9L * f.AsFoot * c.Fy * (c.Tf - f.FootCover - f.AsFoot * c.Fy / (1.7L * c.Fc * K.k)) * K.cFoot;

    Real qmax = 0;
    for (TLoadCase& lc : L) {
        const Real pw = lc.StabWeight / c.W, mw = 6 * lc.OTMoment / (c.W * c.W);
        lc.HeelPressure = pw - mw > 0 ? pw - mw : 0;
        lc.ToePressure =
            lc.HeelPressure != 0 ? pw + mw : 2 * lc.StabWeight / (3 * (c.W / 2 - lc.Eccentricity));
        qmax = std::max({qmax, lc.HeelPressure, lc.ToePressure});
    }
    f.MuFoot = qmax * (c.W / 2) * (c.W / 2) / 2;
}

// Every real result of a group with its path, for a field-by-field comparison.
struct TResultList {
    std::vector<std::pair<std::string, long double>> Items;
    std::string Prefix;
    template <class T> void Input(const char*, T&) {}
    void Result(const char* name, Real& v) { Items.emplace_back(Prefix + name, v); }
    void Result(const char* name, double& v) { Items.emplace_back(Prefix + name, v); }
    template <class T> void Result(const char*, T&) {}
    template <class G> void Group(const char* name, G& g)
    {
        const std::string saved = Prefix;
        Prefix += std::string(name) + ".";
        g.VisitFields(*this);
        Prefix = saved;
    }
    template <class T, std::size_t N> void Array(const char* name, std::array<T, N>& items)
    {
        const std::string saved = Prefix;
        for (std::size_t i = 0; i < N; ++i) {
            Prefix = saved + name + "[" + std::to_string(i) + "].";
            items[i].VisitFields(*this);
        }
        Prefix = saved;
    }
};

std::vector<std::pair<std::string, long double>> Results(TContinuousData cd)
{
    TResultList list;
    cd.VisitFields(list);
    return list.Items;
}

class TRandomWall {
  public:
    explicit TRandomWall(unsigned seed) : Rng(seed) {}

    Real U(Real lo, Real hi) { return std::uniform_real_distribution<long double>(lo, hi)(Rng); }
    int I(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(Rng); }

    std::int32_t Bar()
    {
        std::vector<std::int32_t> designations;
        for (const RebarSize& row : ActiveRebarTable())
            if (row.Designation != 0)
                designations.push_back(row.Designation);
        return designations[static_cast<std::size_t>(I(0, static_cast<int>(designations.size()) - 1))];
    }

    // Inputs of a wall in the record's units; the rebar table must be selected.
    void Fill(TPMData& r)
    {
        const bool si = r.Units == 1;
        auto pick = [&](Real lo, Real hi, Real loSi, Real hiSi) { return si ? U(loSi, hiSi) : U(lo, hi); };
        TContinuousData& c = r.Continuous;
        c.Fc = pick(2.5L, 8, 20, 55);
        c.Fy = pick(40, 80, 280, 550);
        c.Gc = pick(100, 160, 20, 25);
        c.H = pick(2, 12, 0.6L, 3.6L);
        c.Tw = pick(6, 16, 150, 400);
        c.W = pick(1.5L, 8, 0.5L, 2.5L);
        c.Tf = pick(8, 30, 200, 750);
        c.GrH = U(0, c.H);
        c.GrL = U(0, c.GrH);
        c.K = pick(0, 2, 0, 0.6L);
        c.Gamma = pick(90, 150, 12, 25);
        c.Pa = pick(0, 60, 0, 10);
        c.Pp = pick(100, 400, 15, 60);
        c.Ign = pick(0, 1, 0, 0.3L);
        c.Phi = U(0, 40);
        c.C = pick(0, 500, 0, 25);
        c.QAll = pick(1, 5, 50, 300);
        TStemWallReinforcement& s = c.StemWall;
        s.VertBarSize = Bar();
        s.Layers = I(1, 2);
        s.VertCover = pick(1, 3, 25, 75);
        s.VertSpacing = pick(0.5L, 2, 0.15L, 0.6L);
        s.HorBarSize = Bar();
        s.HorSpacing = pick(0.5L, 2, 0.15L, 0.6L);
        for (TLoadCase& lc : c.LoadCases) {
            lc.Pll = pick(-2500, 3000, -35, 45);  // some walls in net tension
            lc.Pdl = pick(0, 5000, 0, 70);
            lc.Mll = pick(-1000, 3000, -4, 13);
            lc.Mdl = pick(-1000, 3000, -4, 13);
            lc.Vll = pick(-100, 500, -1.5L, 7);
            lc.Vdl = pick(-100, 500, -1.5L, 7);
            lc.Vht = U(0, c.H);
            lc.V = pick(0, 180, 0, 80);
            lc.Kz = U(0.5L, 1.2L);
            lc.Kzt = U(1, 1.5L);
            lc.Cf = U(0.5L, 4);
            lc.Sds = U(0, 2);
        }
        TFootingReinforcement& f = c.Footing;
        f.FootBarSize = Bar();
        f.StBarSize = Bar();
        f.FootCover = pick(2, 4, 50, 100);
        f.FootSpacing = pick(0.5L, 2, 0.15L, 0.6L);
    }

    std::mt19937_64 Rng;
};

}  // namespace

TEST_F(ContinuousDesignTest, AgreesWithTheFormulasOverRandomWalls)
{
    TRandomWall random(20261210);
    int compared = 0;
    for (int trial = 0; trial < 600; ++trial) {
        TPMData rec;
        rec.Units = static_cast<std::uint8_t>(random.I(0, 1));
        rec.Square.RebarFamily = random.I(0, 2);
        SelectRebarTable(rec);
        random.Fill(rec);
        // The state the rows start from: fresh, left by another wall, or nearly converged.
        const int state = trial % 3;
        if (state > 0) {
            TPMData other = rec;
            if (state == 1)
                random.Fill(other);
            ASSERT_NO_THROW(other.ContinuousFootingDesign());
            rec.Continuous.Interaction = other.Continuous.Interaction;
            if (state == 2)
                for (TInteractionPoint& p : rec.Continuous.Interaction.Points)
                    p.C *= static_cast<double>(1 + random.U(-5e-3L, 5e-3L));
        }
        TContinuousData expected = rec.Continuous;
        ExpectedDesign(rec, expected);
        ASSERT_NO_THROW(rec.ContinuousFootingDesign());

        const auto actual = Results(rec.Continuous);
        const auto wanted = Results(expected);
        ASSERT_EQ(actual.size(), wanted.size());
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_TRUE(NearRelative(actual[i].second, wanted[i].second, 1e-12L))
                << actual[i].first << ", trial " << trial << ", units " << int(rec.Units) << ", family "
                << rec.Square.RebarFamily;
            ++compared;
        }
    }
    EXPECT_GT(compared, 600 * 150);
}
