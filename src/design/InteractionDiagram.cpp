#include "design/InteractionDiagram.h"

#include <cmath>

#include "core/PMClasses.h"
#include "design/ContinuousRatio.h"
#include "design/RebarTables.h"

namespace {

// Concrete strength factor of the rectangular stress block, limited to 0.65 .. 0.85.
Real Beta1(const TPMData& record)
{
    const Real fc = record.Continuous.Fc;
    Real beta = record.Units == 1 ? 0.85L - 0.05L * (fc - 28) / 7 : 0.85L - 0.05L * (fc - 4);
    if (beta < 0.65L)
        beta = 0.65L;
    if (beta > 0.85L)
        beta = 0.85L;
    return beta;
}

Real SteelStrain(Real ecu, Real c, Real d)
{
    return c == 0 ? 0 : ecu * (c - d) / c;
}

}  // namespace

void BuildInteractionDiagram(TPMData& record)
{
    TContinuousData& cd = record.Continuous;
    TStemWallReinforcement& sw = cd.StemWall;
    TInteractionDiagram& g = cd.Interaction;

    const Real u = record.UnitValue(1000, 1);       // area x stress to force per unit length
    const Real bw = record.UnitValue(1000, 12);     // width of the strip: 12 in; 1000 mm
    const Real b1 = record.UnitValue(1, 12);        // strip width of the pure-flexure depth
    const Real v = record.UnitValue(1, 1000);       // force to plf; kN/m
    const Real m = record.UnitValue(0.001L, 1000);  // force x depth to lb-ft; kN-m
    const Real n = record.UnitValue(1, 12);
    const Real fy = cd.Fy;
    const Real tw = cd.Tw;

    g.RadiusOfGyration = static_cast<double>(tw / std::sqrt(12.0L));
    g.Es = static_cast<double>(record.UnitValue(200000, 29000));
    g.Ecu = 0.003;
    g.F85 = static_cast<double>(0.85L * cd.Fc);
    g.Beta1 = static_cast<double>(Beta1(record));
    if (sw.Layers == 2) {
        // Two layers: only the layer at depth d enters the diagram.
        const Real db = FindRebar(sw.VertBarSize).Diameter;
        g.D = static_cast<double>(tw - sw.VertCover - db / 2);
        g.As1 = static_cast<double>(sw.AsVert / 2);
    } else {
        // One layer, placed centrally.
        g.D = static_cast<double>(tw / 2);
        g.As1 = static_cast<double>(sw.AsVert);
    }

    const Real d = g.D, as1 = g.As1, es = g.Es, ecu = g.Ecu, f85 = g.F85, beta1 = g.Beta1;
    const Real cb = CheckedDiv(ecu * d, CheckedDiv(fy, es) + ecu);  // balanced depth
    const Real cmax = 1.1L * tw;
    Real c0 = 0;

    for (int i = 0; i < kInteractionPoints; ++i) {
        TInteractionPoint& pt = g.Points[i];
        Real before = 0, after = 0;
        do {
            pt.EpsS = static_cast<double>(SteelStrain(ecu, pt.C, d));
            before = pt.EpsS;
            if (i == 0)
                pt.Fs = static_cast<double>(-fy);  // pure flexure: tension steel yielded
            else if (pt.EpsS > 0)
                pt.Fs = static_cast<double>(LowerOf(pt.EpsS * es, fy));
            else
                pt.Fs = static_cast<double>(UpperOf(pt.EpsS * es, -fy));
            pt.Ts = i == 0 || pt.EpsS < 0 ? static_cast<double>(as1 * pt.Fs / u) : 0.0;

            Real c = 0;
            if (i == 0)
                c = c0 = CheckedDiv(-Real(pt.Ts), b1 * f85 * beta1);
            else if (i < 5)
                c = c0 + (cb - c0) * i / 5;
            else if (i == 5)
                c = cb;
            else if (i < 10)
                c = cb + (cmax - cb) * (i - 5) / 5;
            else
                c = cmax;
            pt.C = static_cast<double>(c);
            pt.EpsS = static_cast<double>(SteelStrain(ecu, pt.C, d));
            after = pt.EpsS;
        } while (std::fabs(after - before) > 1e-5L);

        const Real c = pt.C, eps = pt.EpsS, fs = pt.Fs;
        const bool steelInCompression = eps > 0;
        // The compression steel displaces concrete.
        pt.Ac = static_cast<double>(steelInCompression ? bw * beta1 * c - as1 : bw * beta1 * c);
        const Real ac = pt.Ac;
        pt.Cc = static_cast<double>(steelInCompression ? f85 * ac / u + as1 * fs / u : f85 * ac / u);
        const Real moment =
            steelInCompression ? f85 * ac * beta1 * c / 2 + as1 * fs * d : f85 * ac * beta1 * c / 2;
        pt.Yc = static_cast<double>(CheckedDiv(CheckedDiv(moment, Real(pt.Cc)), u));
        pt.Yt = pt.Ts != 0 && eps < 0 ? static_cast<double>(d) : 0.0;
        Real phi = 0.9L;
        if (!(eps < -0.005L)) {
            phi = 0.48L - 83 * eps;
            if (phi < 0.65L)
                phi = 0.65L;
        }
        pt.Phi = static_cast<double>(phi);
        const Real cc = pt.Cc, ts = pt.Ts;
        pt.PhiPn = static_cast<double>(v * (cc + ts) * Real(pt.Phi));
        pt.PhiMn = static_cast<double>((m * cc * (tw / 2 - Real(pt.Yc)) + m * ts * (tw / 2 - Real(pt.Yt))) *
                                       Real(pt.Phi) / n);
    }

    sw.PhiMn0 = g.Points[0].PhiMn;
    const Real u2 = record.UnitValue(1000, 1);
    // Tied member with phi = 0.65, taken with the steel area of the layer.
    sw.PhiPnMax = 0.65L * 0.8L * (f85 * v * (bw * tw - as1) + v * fy * as1) / u2;
}

Real MomentStrengthAtLoad(const TContinuousData& continuous, Real p)
{
    if (IsNaN(p) || p >= continuous.StemWall.PhiPnMax)
        return NaN();
    const auto& pts = continuous.Interaction.Points;
    int i = -1;
    for (int s = 0; s <= 8 && i < 0; ++s)
        if (pts[s].PhiPn <= p && p < pts[s + 1].PhiPn)
            i = s;
    if (i < 0)
        i = p < pts[0].PhiPn ? 0 : 9;
    const Real pn0 = pts[i].PhiPn, pn1 = pts[i + 1].PhiPn;
    const Real mn0 = pts[i].PhiMn, mn1 = pts[i + 1].PhiMn;
    return mn0 + CheckedDiv((mn1 - mn0) * (p - pn0), pn1 - pn0);
}
