#include "diagrams/LoadingIllustration.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

#include "diagrams/Canvas.h"

namespace {
constexpr double kPi = 3.14159265358979323846;

// Oblique (cabinet) projection of model coordinates: x to the right (along L), y away from the
// viewer (along B, drawn at 35 degrees and half length), z upward.
struct TProjection {
    QPointF Origin;
    QPointF operator()(double x, double y, double z) const
    {
        const double a = 35 * kPi / 180;
        return {Origin.x() + x + 0.5 * y * std::cos(a), Origin.y() - z - 0.5 * y * std::sin(a)};
    }
};

const QColor kInk(30, 30, 30);
const QColor kConcreteTop(214, 214, 210);
const QColor kConcreteFront(188, 188, 184);
const QColor kConcreteSide(162, 162, 158);
const QColor kSoil(196, 160, 110, 70);
const QColor kSoilEdge(140, 105, 60);
const QColor kSteel(178, 34, 34);
const QColor kLoad(0, 70, 160);
const QColor kMoment(0, 120, 60);

void Arrow(QPainter& p, QPointF from, QPointF to, const QColor& colour, double width = 3, double head = 16)
{
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    if (len < 1)
        return;
    const QPointF u = d / len, n(-u.y(), u.x());
    p.drawLine(from, to - u * head * 0.6);
    p.setBrush(colour);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({to, to - u * head + n * head * 0.38, to - u * head - n * head * 0.38}));
    p.setBrush(Qt::NoBrush);
}

// A moment: a three-quarter arc about an axis through `centre`, in the plane spanned by the
// projected unit vectors e1 and e2, ending in an arrowhead (right-hand rule about e1 x e2).
void MomentArc(QPainter& p, QPointF centre, QPointF e1, QPointF e2, double radius, const QColor& colour)
{
    QPolygonF arc;
    for (int i = 0; i <= 40; ++i) {
        const double t = (20 + 280.0 * i / 40) * kPi / 180;
        arc << centre + radius * (std::cos(t) * e1 + std::sin(t) * e2);
    }
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(arc.mid(0, arc.size() - 2));
    Arrow(p, arc[arc.size() - 3], arc.last(), colour, 3, 15);
}

void Label(QPainter& p, QPointF at, const QString& text, const QColor& colour, int size = 22,
           bool bold = false)
{
    QFont font(DiagramFontFamily());
    font.setPixelSize(size);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(at, text);
}

// Dimension with end ticks between two projected points, its text at `textAt`.
void Dimension(QPainter& p, QPointF a, QPointF b, QPointF tickDir, const QString& text, QPointF textAt)
{
    p.setPen(QPen(kInk, 1.5));
    p.drawLine(a, b);
    for (QPointF e : {a, b})
        p.drawLine(e - tickDir * 7, e + tickDir * 7);
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    for (auto [tip, dir] : {std::pair{a, u}, std::pair{b, -u}}) {
        p.setBrush(kInk);
        p.drawPolygon(QPolygonF({tip, tip + dir * 12 + n * 4, tip + dir * 12 - n * 4}));
    }
    p.setBrush(Qt::NoBrush);
    Label(p, textAt, text, kInk, 24, true);
}

void Face(QPainter& p, const QPolygonF& face, const QColor& fill)
{
    p.setPen(QPen(kInk, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPolygon(face);
    p.setBrush(Qt::NoBrush);
}

void Box(QPainter& p, const TProjection& P, double x0, double y0, double z0, double x1, double y1, double z1,
         const QColor& top, const QColor& front, const QColor& side)
{
    Face(p, {P(x0, y0, z0), P(x1, y0, z0), P(x1, y0, z1), P(x0, y0, z1)}, front);
    Face(p, {P(x1, y0, z0), P(x1, y1, z0), P(x1, y1, z1), P(x1, y0, z1)}, side);
    Face(p, {P(x0, y0, z1), P(x1, y0, z1), P(x1, y1, z1), P(x0, y1, z1)}, top);
}

void PaintIllustration(QPainter& p)
{
    p.fillRect(QRectF(0, 0, 1024, 768), Qt::white);
    const TProjection P{{205, 600}};
    // Model sizes (drawing units): footing L x B x T, soil cover D, pedestal a x a x h.
    const double L = 440, B = 300, T = 70, D = 120, a = 80, h = 250;
    const double px0 = L / 2 - a / 2, py0 = B / 2 - a / 2;
    const double ground = T + D;

    // Footing and its bottom reinforcement.
    Box(p, P, 0, 0, 0, L, B, T, kConcreteTop, kConcreteFront, kConcreteSide);
    p.setPen(QPen(kSteel, 2, Qt::DashLine));
    const double cover = 14;
    for (double y = 30; y <= B - 30; y += 40)
        p.drawLine(P(cover, y, T - 4), P(L - cover, y, T - 4));
    for (double x = 30; x <= L - 30; x += 40)
        p.drawLine(P(x, cover, T - 4), P(x, B - cover, T - 4));
    p.setPen(QPen(kSteel, 1.5));
    p.setBrush(kSteel);
    for (double x = 30; x <= L - 30; x += 40)
        p.drawEllipse(P(x, 0, cover), 4.5, 4.5);
    for (double y = 30; y <= B - 30; y += 40)
        p.drawEllipse(P(L, y, cover + 9), 4.5, 4.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSteel, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(P(cover, 0, cover + 9), P(L - cover, 0, cover + 9));

    // Pedestal with its vertical bars.
    Box(p, P, px0, py0, T, px0 + a, py0 + a, T + h, kConcreteTop, kConcreteFront, kConcreteSide);
    p.setPen(QPen(kSteel, 3, Qt::SolidLine, Qt::RoundCap));
    for (double x : {px0 + 14, px0 + a - 14})
        p.drawLine(P(x, py0, T + 8), P(x, py0, T + h - 12));

    // Soil over the footing: a transparent block up to the ground surface.
    const double sx0 = -70, sx1 = L + 70, sy0 = -30, sy1 = B + 30;
    QPainterPath soil;
    soil.addPolygon(QPolygonF({P(sx0, sy0, 0), P(sx1, sy0, 0), P(sx1, sy0, ground), P(sx0, sy0, ground)}));
    soil.addPolygon(QPolygonF({P(sx1, sy0, 0), P(sx1, sy1, 0), P(sx1, sy1, ground), P(sx1, sy0, ground)}));
    soil.addPolygon(
        QPolygonF({P(sx0, sy0, ground), P(sx1, sy0, ground), P(sx1, sy1, ground), P(sx0, sy1, ground)}));
    p.setPen(Qt::NoPen);
    p.setBrush(kSoil);
    p.drawPath(soil);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kSoilEdge, 2, Qt::DashLine));
    p.drawPolyline(QPolygonF({P(sx0, sy0, 0), P(sx1, sy0, 0), P(sx1, sy1, 0)}));
    p.drawLine(P(sx0, sy0, 0), P(sx0, sy0, ground));
    p.drawLine(P(sx1, sy0, 0), P(sx1, sy0, ground));
    p.drawLine(P(sx1, sy1, 0), P(sx1, sy1, ground));
    // Ground surface edge with hatching along the front.
    p.setPen(QPen(kSoilEdge, 3));
    p.drawPolyline(
        QPolygonF({P(sx0, sy1, ground), P(sx0, sy0, ground), P(sx1, sy0, ground), P(sx1, sy1, ground)}));
    p.setPen(QPen(kSoilEdge, 1.5));
    for (double x = sx0 + 6; x < sx1; x += 16)
        p.drawLine(P(x, sy0, ground), P(x + 12, sy0, ground - 12));
    // The pedestal above the ground is drawn again over the soil.
    Box(p, P, px0, py0, ground, px0 + a, py0 + a, T + h, kConcreteTop, kConcreteFront, kConcreteSide);

    // Surcharge q on the soil surface.
    for (double x = sx0 + 30; x <= sx1 - 20; x += 55) {
        if (x > px0 - 40 && x < px0 + a + 30)
            continue;
        Arrow(p, P(x, sy0 + 40, ground + 60), P(x, sy0 + 40, ground + 4), kLoad, 2.5, 13);
    }
    p.setPen(QPen(kLoad, 2));
    p.drawLine(P(sx0 + 30, sy0 + 40, ground + 60), P(px0 - 40, sy0 + 40, ground + 60));
    p.drawLine(P(px0 + a + 30, sy0 + 40, ground + 60), P(sx1 - 20, sy0 + 40, ground + 60));
    Label(p, P(sx0 + 2, sy0 + 40, ground + 70), "q", kLoad, 30, true);

    // Loads at the top centre of the pedestal.
    const double cx = L / 2, cy = B / 2, cz = T + h;
    const QPointF top = P(cx, cy, cz);
    const QPointF ex = P(1, 0, 0) - P(0, 0, 0), ey = (P(0, 1, 0) - P(0, 0, 0)) * 2,
                  ez = P(0, 0, 1) - P(0, 0, 0);
    Arrow(p, top, top + ez * 130, kLoad, 4, 20);
    Label(p, top + ez * 130 + QPointF(12, 10), "Pz", kLoad, 28, true);
    Arrow(p, top, top + ex * 150, kLoad, 4, 20);
    Label(p, top + ex * 150 + QPointF(8, 26), "Hx", kLoad, 28, true);
    Arrow(p, top, top + ey * 120, kLoad, 4, 20);
    Label(p, top + ey * 120 + QPointF(8, -6), "Hy", kLoad, 28, true);
    MomentArc(p, top + ex * 95, ey * 0.5, ez * 0.5, 70, kMoment);  // about x
    Label(p, top + ex * 95 + QPointF(-10, 68), "Mx", kMoment, 28, true);
    MomentArc(p, top + ey * 70, ez * 0.5, ex * 0.5, 60, kMoment);  // about y
    Label(p, top + ey * 70 + QPointF(-128, -40), "My", kMoment, 28, true);

    // Dimensions: L and B along the footing's base, T and D on the left, h beside the pedestal.
    Dimension(p, P(0, 0, -35), P(L, 0, -35), ez, "L", P(L / 2 - 8, 0, -45) + QPointF(0, 20));
    Dimension(p, P(L + 35, 0, 0), P(L + 35, B, 0), ex, "B", P(L + 35, B / 2, 0) + QPointF(16, 22));
    Dimension(p, P(sx0 - 30, sy0, 0), P(sx0 - 30, sy0, T), ex, "T",
              P(sx0 - 30, sy0, T / 2) + QPointF(-34, 10));
    Dimension(p, P(sx0 - 30, sy0, T), P(sx0 - 30, sy0, ground), ex, "D",
              P(sx0 - 30, sy0, (T + ground) / 2) + QPointF(-34, 10));
    p.setPen(QPen(kInk, 1, Qt::DotLine));
    p.drawLine(P(0, 0, T), P(sx0 - 40, sy0, T));
    p.drawLine(P(px0, py0, T + h), P(px0 - 70, py0, T + h));
    p.drawLine(P(px0, py0, T), P(px0 - 70, py0, T));
    Dimension(p, P(px0 - 60, py0, T), P(px0 - 60, py0, T + h), ex, "h",
              P(px0 - 60, py0, T + h * 0.7) + QPointF(-30, 10));

    // Axis cross with the positive directions.
    const QPointF o(840, 640);
    const QPointF ux(1, 0), uy(std::cos(35 * kPi / 180), -std::sin(35 * kPi / 180)), uz(0, -1);
    Arrow(p, o, o + ux * 110, kInk, 3, 16);
    Label(p, o + ux * 110 + QPointF(-40, 30), "+Hx", kInk, 22, true);
    Arrow(p, o, o + uy * 85, kInk, 3, 16);
    Label(p, o + uy * 85 + QPointF(6, -4), "+Hy", kInk, 22, true);
    Arrow(p, o, o + uz * 105, kInk, 3, 16);
    Label(p, o + uz * 105 + QPointF(10, 6), "+Pz", kInk, 22, true);
    MomentArc(p, o + ux * 62, uy * 0.5, uz, 26, kMoment);
    Label(p, o + ux * 62 + QPointF(-22, 52), "+Mx", kMoment, 20, true);
    MomentArc(p, o + uy * 48, uz, ux, 24, kMoment);
    Label(p, o + uy * 48 + QPointF(-66, -22), "+My", kMoment, 20, true);
    p.setPen(QPen(kInk, 1));
    p.setBrush(kInk);
    p.drawEllipse(o, 4, 4);
}
}  // namespace

QImage LoadingIllustration(QSize size)
{
    if (size.isEmpty())
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(size.width() / 1024.0, size.height() / 768.0);
    PaintIllustration(painter);
    painter.end();
    return image;
}
