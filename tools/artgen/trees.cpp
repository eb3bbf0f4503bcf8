// The thirteen trees of the Ogham oracle. Each picture is a small landscape
// (sky, far hills, meadow, water where the tree wants it) at the tree's own
// hour and season, with the whole tree standing left of centre, a close-up
// sprig reaching in from the right so the leaves and fruit read at 125
// pixels, and the tree's Ogham letter in a parchment roundel in the top-left
// corner.
#include "artgen.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

using namespace artgen;

namespace {

constexpr QSize kPictureSize(125, 129);
constexpr qreal kHorizon = 88;

// A small deterministic generator, so the scattered leaves and bark marks
// come out the same on every run.
class Rng {
public:
    explicit Rng(quint32 seed)
        : m_state(seed * 2654435761u + 0x9e3779b9u)
    {
    }
    qreal next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return (m_state >> 8) / qreal(1 << 24);
    }
    qreal range(qreal lo, qreal hi) { return lo + (hi - lo) * next(); }

private:
    quint32 m_state;
};

QPointF polar(qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return {radius * std::cos(a), radius * std::sin(a)};
}

// ---------------------------------------------------------------- scenery

// Each tree gets its own hour and season, so a page of thirteen reads as
// thirteen places rather than one meadow repeated. The trees are lit from
// the upper left, so any sun sits on that side too.

enum class Water { None, Stream, Lake };
enum class Season { Spring, Summer, LateSummer, EarlyAutumn, LateAutumn, Winter };

struct Sky {
    QRgb top, middle, horizon, cloud;
};

struct Sun {
    QPointF at;
    qreal glow; // radius of the warm haze; 0 for an overcast sky
    qreal disc; // radius of the sun itself; 0 when it is out of frame
    QRgb colour;
};

struct Cloud {
    qreal x = 0, y = 0, size = 0; // size 0: no cloud
    qreal height = 1;             // below 1 for long, flat clouds
};

struct Hills {
    QRgb far, near;
    qreal rise;   // how high the far ridge climbs above the horizon
    quint32 seed; // shape of the skyline
};

struct Ground {
    QRgb far, near, blades;
};

struct Scene {
    Sky sky;
    Sun sun;
    std::array<Cloud, 4> clouds;
    Hills hills;
    Ground ground;
    Season season;
    Water water;
};

QColor mix(QColor a, QColor b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

void paintCloud(QPainter &p, const Cloud &c, QColor colour)
{
    const QPointF at(c.x, c.y);
    const qreal s = c.size, v = c.height;
    p.setPen(Qt::NoPen);
    p.setBrush(withAlpha(colour, 150));
    p.drawEllipse(at, s, s * 0.38 * v);
    p.drawEllipse(at + QPointF(-s * 0.35, -s * 0.18 * v), s * 0.45, s * 0.35 * v);
    p.drawEllipse(at + QPointF(s * 0.25, -s * 0.22 * v), s * 0.5, s * 0.4 * v);
}

// A smooth ridge through points at a steady spacing, heights drawn from the
// seed, so every scene gets its own skyline without a table of coordinates.
QPainterPath ridge(qreal width, qreal base, qreal rise, quint32 seed)
{
    Rng rng(seed);
    QList<QPointF> peaks;
    for (qreal x = -12; x < width + 30; x += rng.range(30, 52))
        peaks.append({x, base - rise * rng.range(0.1, 1.0)});
    QPainterPath path(QPointF(-12, base + 4));
    path.lineTo(peaks.first());
    for (int i = 1; i + 1 < peaks.size(); ++i)
        path.quadTo(peaks[i], (peaks[i] + peaks[i + 1]) / 2);
    path.lineTo(peaks.last());
    path.lineTo(width + 30, base + 4);
    path.closeSubpath();
    return path;
}

QPainterPath waterBand(qreal top, qreal bottom, qreal width)
{
    QPainterPath path(QPointF(0, top + 2));
    path.cubicTo(width * 0.3, top - 2, width * 0.6, top + 4, width, top);
    path.lineTo(width, bottom);
    path.cubicTo(width * 0.65, bottom + 3, width * 0.35, bottom - 3, 0, bottom + 1);
    path.closeSubpath();
    return path;
}

// Water takes its colour from the sky above it: pale at the far edge where it
// mirrors the horizon, deepening towards the viewer.
void paintWater(QPainter &p, const QPainterPath &shape, const Scene &scene, quint32 seed)
{
    const QRectF box = shape.boundingRect();
    const QColor horizon(scene.sky.horizon), top(scene.sky.top);
    QLinearGradient g(0, box.top(), 0, box.bottom());
    g.setColorAt(0, mix(horizon, top, 0.45));
    g.setColorAt(1, mix(top, QColor(0x3a, 0x6c, 0x98), 0.55));
    p.setPen(QPen(QColor(scene.ground.near).darker(150), 0.8));
    p.setBrush(g);
    p.drawPath(shape);
    p.save();
    p.setClipPath(shape);
    Rng rng(seed);
    p.setPen(QPen(withAlpha(mix(horizon, Qt::white, 0.6), 130), 0.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 18; ++i) {
        const QPointF at(box.left() + rng.next() * box.width(), box.top() + 2 + rng.next() * box.height());
        const qreal len = rng.range(3, 9);
        p.drawLine(at, at + QPointF(len, 0));
    }
    p.restore();
}

void paintFlower(QPainter &p, QPointF at, qreal r, QColor petals, QColor eye)
{
    p.setBrush(petals);
    p.drawEllipse(at, r, r * 0.6);
    p.setBrush(eye);
    p.drawEllipse(at, r * 0.4, r * 0.3);
}

// What lies in the grass says the season: daisies, buttercups, seed heads,
// fallen leaves or snow glints. Smaller and sparser towards the horizon.
void paintSeasonGround(QPainter &p, qreal w, qreal h, Season season, quint32 seed)
{
    Rng rng(seed * 31 + 3);
    const auto spot = [&] { return QPointF(rng.next() * w, kHorizon + 3 + rng.next() * (h - kHorizon - 3)); };
    const auto depth = [&](QPointF at) { return (at.y() - kHorizon) / (h - kHorizon); };
    p.setPen(Qt::NoPen);
    switch (season) {
    case Season::Spring:
        for (int i = 0; i < 22; ++i) {
            const QPointF at = spot();
            const qreal r = 0.5 + 0.9 * depth(at);
            if (i % 4 == 3)
                paintFlower(p, at, r * 0.8, QColor(0xf4, 0xd0, 0x3a), QColor(0xe0, 0xa8, 0x20));
            else
                paintFlower(p, at, r, QColor(0xfb, 0xfa, 0xf2), QColor(0xf0, 0xc8, 0x30));
        }
        break;
    case Season::Summer:
        for (int i = 0; i < 20; ++i) {
            const QPointF at = spot();
            const qreal r = 0.45 + 0.8 * depth(at);
            if (i % 5 == 4)
                paintFlower(p, at, r, QColor(0xe8, 0xa4, 0xc0), QColor(0xc8, 0x70, 0x98));
            else
                paintFlower(p, at, r, QColor(0xf8, 0xd8, 0x2c), QColor(0xe8, 0xb0, 0x10));
        }
        break;
    case Season::LateSummer:
        // Ripe grass heads standing above the sward.
        for (int i = 0; i < 26; ++i) {
            const QPointF at = spot();
            const qreal len = 2.5 + 4 * depth(at);
            const QPointF tip = at + QPointF(rng.range(-1, 1), -len);
            p.setPen(QPen(QColor(0xb8, 0xa0, 0x5a, 170), 0.45, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(at, tip);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xe2, 0xc8, 0x7a, 220));
            p.drawEllipse(tip, 0.5 + 0.4 * depth(at), 1.1 + 0.8 * depth(at));
        }
        break;
    case Season::EarlyAutumn:
    case Season::LateAutumn: {
        const bool late = season == Season::LateAutumn;
        const QColor leaves[] = {QColor(0xe8, 0xb8, 0x3a), QColor(0xd8, 0x86, 0x2c), QColor(0xb8, 0x58, 0x28),
                                 QColor(0x94, 0x5c, 0x30)};
        for (int i = 0; i < (late ? 44 : 18); ++i) {
            const QPointF at = spot();
            const qreal r = 0.5 + 1.0 * depth(at);
            p.save();
            p.translate(at);
            p.rotate(rng.range(0, 180));
            p.setBrush(leaves[late ? 1 + i % 3 : i % 2]);
            p.drawEllipse(QPointF(), r * 1.3, r * 0.6);
            p.restore();
        }
        break;
    }
    case Season::Winter:
        // Blue shadows in the drifts and glints of frost catching the sun.
        for (int i = 0; i < 14; ++i) {
            const QPointF at = spot();
            const qreal r = 2 + 6 * depth(at);
            p.setBrush(QColor(0xa8, 0xbc, 0xd6, 70));
            p.drawEllipse(at, r, r * 0.22);
        }
        for (int i = 0; i < 30; ++i) {
            const QPointF at = spot();
            p.setBrush(QColor(255, 255, 255, 230));
            p.drawEllipse(at, 0.35 + 0.4 * depth(at), 0.35 + 0.4 * depth(at));
        }
        break;
    }
}

void paintBackdrop(QPainter &p, const QSizeF &size, const Scene &scene)
{
    const qreal w = size.width(), h = size.height();
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(scene.sky.top));
    sky.setColorAt(0.62, QColor(scene.sky.middle));
    sky.setColorAt(1, QColor(scene.sky.horizon));
    p.fillRect(QRectF(0, 0, w, kHorizon + 2), sky);

    const Sun &sun = scene.sun;
    p.setPen(Qt::NoPen);
    if (sun.glow > 0) {
        QRadialGradient haze(sun.at, sun.glow);
        haze.setColorAt(0, withAlpha(QColor(sun.colour), 190));
        haze.setColorAt(0.35, withAlpha(QColor(sun.colour), 80));
        haze.setColorAt(1, withAlpha(QColor(sun.colour), 0));
        p.setBrush(haze);
        p.drawEllipse(sun.at, sun.glow, sun.glow);
    }
    if (sun.disc > 0) {
        p.setBrush(mix(QColor(sun.colour), Qt::white, 0.6));
        p.drawEllipse(sun.at, sun.disc, sun.disc);
    }
    for (const Cloud &cloud : scene.clouds)
        if (cloud.size > 0)
            paintCloud(p, cloud, QColor(scene.sky.cloud));

    const Hills &hills = scene.hills;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(hills.far));
    p.drawPath(ridge(w, kHorizon - 2, hills.rise, hills.seed));
    p.setBrush(QColor(hills.near));
    p.drawPath(ridge(w, kHorizon + 1, hills.rise * 0.6, hills.seed + 101));

    QPainterPath meadow(QPointF(0, kHorizon));
    meadow.cubicTo(30, kHorizon - 2, 70, kHorizon + 2, w, kHorizon - 1);
    meadow.lineTo(w, h);
    meadow.lineTo(0, h);
    meadow.closeSubpath();
    QLinearGradient grass(0, kHorizon, 0, h);
    grass.setColorAt(0, QColor(scene.ground.far));
    grass.setColorAt(1, QColor(scene.ground.near));
    p.setBrush(grass);
    p.drawPath(meadow);

    // Snow leaves only a few stalks showing.
    const int blades = scene.season == Season::Winter ? 14 : 40;
    Rng rng(7);
    p.setPen(QPen(withAlpha(QColor(scene.ground.blades), 150), 0.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < blades; ++i) {
        const QPointF at(rng.next() * w, kHorizon + 4 + rng.next() * (h - kHorizon - 4));
        const qreal len = 1.5 + 2.5 * (at.y() - kHorizon) / (h - kHorizon);
        p.drawLine(at, at + QPointF(rng.range(-0.8, 0.8), -len));
    }
    paintSeasonGround(p, w, h, scene.season, hills.seed);

    if (scene.water == Water::Stream)
        paintWater(p, waterBand(102, 116, w), scene, 11);
    else if (scene.water == Water::Lake)
        paintWater(p, waterBand(kHorizon + 6, h + 4, w), scene, 13);
}

void paintFrame(QPainter &p, const QSizeF &size)
{
    p.setPen(QPen(QColor(0x3a, 0x22, 0x16), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1));
}

// The letter sits on a stem line drawn right across the roundel, as Ogham is
// cut along the edge of a stone; every letter shares one scale and one stem
// height, fitted to the largest of them, so the roundels look alike.
void paintMark(QPainter &p, QChar letter)
{
    const QPointF centre(14.5, 14.5);
    const qreal radius = 11.5;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(centre + QPointF(0.6, 0.8), radius, radius);
    QRadialGradient disc(centre + QPointF(-3, -4), radius * 1.4);
    disc.setColorAt(0, QColor(0xfa, 0xf3, 0xde));
    disc.setColorAt(1, QColor(0xd6, 0xc0, 0x92));
    p.setPen(QPen(QColor(0x5b, 0x3a, 0x1f), 1.1));
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);

    QFont font(requireFamily(QStringLiteral("Noto Sans Ogham")));
    font.setPixelSize(40);
    const auto outline = [&font](QChar c) {
        QPainterPath path;
        path.addText(0, 0, font, QString(c));
        return path;
    };
    const QRectF stem = outline(QChar(0x1680)).boundingRect(); // the space mark is bare stem line
    qreal widest = 0, tallest = 0;
    for (char16_t c = 0x1681; c <= 0x168f; ++c) {
        const QRectF b = outline(QChar(c)).boundingRect();
        widest = std::max(widest, b.width());
        tallest = std::max({tallest, stem.center().y() - b.top(), b.bottom() - stem.center().y()});
    }
    const qreal room = radius - 3.4;
    const qreal scale = std::min(room / tallest, 2 * room / widest);
    const QColor ink(0x3a, 0x22, 0x12);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(centre.x() - radius + 1.2, centre.y() - stem.height() * scale / 2, 2 * radius - 2.4,
                      stem.height() * scale));
    const QPainterPath glyph = outline(letter);
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    p.translate(-glyph.boundingRect().center().x(), -stem.center().y());
    p.drawPath(glyph);
    p.restore();
}

// ---------------------------------------------------------------- wood

// A tapered, gently curved limb from a to b, lit from the upper left.
void paintLimb(QPainter &p, QPointF a, QPointF b, qreal wa, qreal wb, QColor bark, qreal bend = 0)
{
    const qreal len = QLineF(a, b).length();
    const QPointF d = (b - a) / len;
    QPointF n(-d.y(), d.x());
    if (n.x() > 0 || (n.x() == 0 && n.y() > 0))
        n = -n;
    const QPointF mid = (a + b) / 2 + n * (bend * len);
    QPainterPath path(a + n * wa / 2);
    path.quadTo(mid + n * (wa + wb) / 4, b + n * wb / 2);
    path.quadTo(b + d * wb * 0.6, b - n * wb / 2);
    path.quadTo(mid - n * (wa + wb) / 4, a - n * wa / 2);
    path.closeSubpath();
    const qreal w = std::max(wa, wb);
    QLinearGradient g(mid + n * w / 2, mid - n * w / 2);
    g.setColorAt(0, bark.lighter(130));
    g.setColorAt(0.45, bark);
    g.setColorAt(1, bark.darker(165));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
}

void paintTwig(QPainter &p, QPointF a, QPointF b, qreal width, QColor colour, qreal bend = 0)
{
    const QPointF d = b - a;
    const QPointF control = (a + b) / 2 + QPointF(-d.y(), d.x()) * bend;
    QPainterPath path(a);
    path.quadTo(control, b);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

// Short strokes across or along a straight trunk from a (bottom) to b (top).
enum class BarkMark { Bands, Furrows, Net };

void paintBarkMarks(QPainter &p, QPointF a, QPointF b, qreal wa, qreal wb, BarkMark kind, QColor colour, int count,
                    quint32 seed)
{
    Rng rng(seed);
    const qreal len = QLineF(a, b).length();
    const QPointF d = (b - a) / len;
    const QPointF n(-d.y(), d.x());
    for (int i = 0; i < count; ++i) {
        const qreal t = rng.range(0.02, 0.95);
        const QPointF c = a + (b - a) * t;
        const qreal half = (wa + (wb - wa) * t) / 2;
        const qreal across = rng.range(-0.75, 0.75) * half;
        switch (kind) {
        case BarkMark::Bands: {
            const qreal span = half * rng.range(0.3, 0.9);
            p.setPen(QPen(colour, rng.range(0.5, 1.0), Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + n * (across - span / 2), c + n * (across + span / 2));
            break;
        }
        case BarkMark::Furrows: {
            const qreal l = rng.range(3, 8);
            p.setPen(QPen(colour, rng.range(0.4, 0.8), Qt::SolidLine, Qt::RoundCap));
            QPainterPath f(c + n * across);
            f.quadTo(c + n * (across + rng.range(-0.8, 0.8)) + d * l / 2, c + n * across + d * l);
            p.drawPath(f);
            break;
        }
        case BarkMark::Net: {
            const qreal l = rng.range(2.5, 4.5);
            const qreal side = rng.next() < 0.5 ? -1 : 1;
            p.setPen(QPen(colour, 0.45, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(c + n * across, c + n * (across + side * l * 0.35) + d * l);
            break;
        }
        }
    }
}

// ---------------------------------------------------------------- foliage

struct Greens {
    QColor dark, mid, light;
};

// Fills a crown outline with overlapping leaf clumps in three tones, light
// where the sun (upper left) falls, so the edge comes out ragged and leafy.
void paintFoliage(QPainter &p, const QPainterPath &shape, const Greens &g, qreal clump, quint32 seed,
                  qreal density = 1.0)
{
    const QRectF box = shape.boundingRect();
    const QPointF centre = box.center();
    const qreal reach = std::max(box.width(), box.height()) / 2;
    const int tries = int(box.width() * box.height() / (clump * clump) * 1.5 * density);
    Rng rng(seed);
    struct Clump {
        QPointF at;
        qreal r, lit;
    };
    QList<Clump> clumps;
    for (int i = 0; i < tries; ++i) {
        const QPointF at(box.left() + rng.next() * box.width(), box.top() + rng.next() * box.height());
        if (!shape.contains(at))
            continue;
        const QPointF rel = (at - centre) / reach;
        clumps.append({at, clump * rng.range(0.75, 1.2), -0.6 * rel.x() - 0.8 * rel.y() + rng.range(-0.35, 0.35)});
    }
    p.setPen(Qt::NoPen);
    p.setBrush(g.dark);
    for (const Clump &c : clumps)
        p.drawEllipse(c.at, c.r, c.r * 0.9);
    p.setBrush(g.mid);
    for (const Clump &c : clumps)
        if (c.lit > -0.3)
            p.drawEllipse(c.at + QPointF(-0.25, -0.35) * c.r, c.r * 0.75, c.r * 0.68);
    p.setBrush(g.light);
    for (const Clump &c : clumps)
        if (c.lit > 0.3)
            p.drawEllipse(c.at + QPointF(-0.45, -0.6) * c.r, c.r * 0.45, c.r * 0.4);
}

QPainterPath ellipses(std::initializer_list<QRectF> boxes)
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (const QRectF &b : boxes)
        path.addEllipse(b);
    return path.simplified();
}

QRectF around(qreal cx, qreal cy, qreal rx, qreal ry)
{
    return {cx - rx, cy - ry, 2 * rx, 2 * ry};
}

// A leaf lying along +x from its stalk at the origin to its tip at (len, 0);
// halfWidth(t) gives the half width at fraction t of the length.
QPainterPath leafOutline(qreal len, const std::function<qreal(qreal)> &halfWidth, int samples = 60)
{
    QPainterPath path(QPointF(0, 0));
    for (int i = 1; i <= samples; ++i) {
        const qreal t = qreal(i) / samples;
        path.lineTo(t * len, -halfWidth(t));
    }
    for (int i = samples - 1; i >= 0; --i) {
        const qreal t = qreal(i) / samples;
        path.lineTo(t * len, halfWidth(t));
    }
    path.closeSubpath();
    return path;
}

// Saw teeth pointing towards the tip, as on birch, rowan and elder leaves.
std::function<qreal(qreal)> serrate(std::function<qreal(qreal)> base, int teeth, qreal depth)
{
    return [=](qreal t) {
        const qreal f = t * teeth - std::floor(t * teeth);
        return base(t) * (1 - depth * f);
    };
}

qreal ovate(qreal t)
{
    return std::sin(M_PI * std::pow(t, 0.8));
}
qreal lanceolate(qreal t)
{
    return std::pow(std::sin(M_PI * t), 0.9) * (1 - 0.25 * t);
}

struct Lobe {
    qreal angle;  // degrees from the leaf's tip direction
    qreal length; // fraction of the leaf's radius
};

// A hand-shaped leaf (ivy, vine, hawthorn) around its stalk at the origin,
// pointing along +x. Lobes are listed from one side to the other; sinus is the
// depth of the cuts between them, sharp makes the lobe tips pointed.
QPainterPath palmateOutline(qreal radius, const QList<Lobe> &lobes, qreal sinus, qreal sharp, int teeth = 0,
                            qreal toothDepth = 0)
{
    struct Key {
        qreal angle, r;
        bool tip;
    };
    QList<Key> keys{{-180, 0.12, false}};
    for (int i = 0; i < lobes.size(); ++i) {
        if (i > 0) {
            const qreal r = sinus * std::min(lobes[i - 1].length, lobes[i].length);
            keys.append({(lobes[i - 1].angle + lobes[i].angle) / 2, r, false});
        }
        keys.append({lobes[i].angle, lobes[i].length, true});
    }
    keys.append({180, 0.12, false});
    QPainterPath path;
    for (qreal a = -180; a <= 180.01; a += 1.5) {
        int k = 0;
        while (k + 2 < keys.size() && keys[k + 1].angle < a)
            ++k;
        const Key &from = keys[k], &to = keys[k + 1];
        qreal u = std::clamp((a - from.angle) / (to.angle - from.angle), 0.0, 1.0);
        if (to.tip)
            u = (1 - sharp) * (u * u * (3 - 2 * u)) + sharp * u * u;
        else
            u = (1 - sharp) * (u * u * (3 - 2 * u)) + sharp * (1 - (1 - u) * (1 - u));
        qreal r = from.r + (to.r - from.r) * u;
        if (teeth > 0) {
            const qreal f = a / 360 * teeth - std::floor(a / 360 * teeth);
            r *= 1 - toothDepth * f;
        }
        const QPointF pt = polar(r * radius, a);
        if (a == -180)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

// Fills a leaf outline placed at `at` and turned by `angle`, with a midrib
// and, on glossy leaves, a sheen.
void paintLeaf(QPainter &p, const QPainterPath &outline, QPointF at, qreal angle, QColor colour, bool glossy = false,
               QColor rib = {})
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    const QRectF box = outline.boundingRect();
    // Light falls on whichever side of the leaf faces up-left on the page.
    const QPointF up = QTransform().rotate(-angle).map(QPointF(-0.6, -0.8));
    const qreal span = std::max(box.width(), box.height()) / 2;
    QLinearGradient g(box.center() + up * span, box.center() - up * span);
    g.setColorAt(0, colour.lighter(glossy ? 150 : 130));
    g.setColorAt(0.5, colour);
    g.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(190), 0.35));
    p.setBrush(g);
    p.drawPath(outline);
    p.setPen(QPen(rib.isValid() ? rib : colour.lighter(150), 0.45, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(box.right() * 0.9, 0));
    if (glossy) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 90));
        p.drawEllipse(QPointF(box.right() * 0.45, -box.height() * 0.16), box.width() * 0.22, box.height() * 0.09);
    }
    p.restore();
}

// A compound leaf along +x: a stalk with pairs of leaflets and one at the tip.
void paintPinnate(QPainter &p, QPointF at, qreal angle, qreal len, int pairs, const QPainterPath &leaflet,
                  QColor colour, qreal spread = 60)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(QPen(colour.darker(130), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 0), QPointF(len, 0));
    for (int i = 0; i < pairs; ++i) {
        const qreal x = len * (0.18 + 0.82 * i / pairs);
        paintLeaf(p, leaflet, {x, 0}, -spread, colour);
        paintLeaf(p, leaflet, {x, 0}, spread, colour.darker(108));
    }
    paintLeaf(p, leaflet, {len, 0}, 0, colour);
    p.restore();
}

void paintBerry(QPainter &p, QPointF c, qreal r, QColor colour)
{
    QRadialGradient g(c + QPointF(-r * 0.35, -r * 0.4), r * 1.4);
    g.setColorAt(0, colour.lighter(160));
    g.setColorAt(0.35, colour);
    g.setColorAt(1, colour.darker(190));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(c + QPointF(-r * 0.38, -r * 0.4), r * 0.24, r * 0.18);
}

// Berries on stalks from a common point, filling a rounded cluster below it.
void paintBerryCluster(QPainter &p, QPointF stem, QPointF centre, qreal spread, int count, qreal r, QColor berry,
                       QColor stalk, quint32 seed)
{
    Rng rng(seed);
    QList<QPointF> spots;
    for (int tries = 0; spots.size() < count && tries < 2000; ++tries) {
        const QPointF at = centre + polar(spread * std::sqrt(rng.next()), rng.range(0, 360));
        bool clear = true;
        for (const QPointF &s : spots)
            clear = clear && QLineF(s, at).length() > r * 1.35;
        if (clear)
            spots.append(at);
    }
    std::sort(spots.begin(), spots.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    for (const QPointF &s : spots)
        paintTwig(p, stem, s, 0.45, stalk, 0.1);
    for (const QPointF &s : spots)
        paintBerry(p, s, r * rng.range(0.85, 1.1), berry);
}

// Small round dots scattered inside a crown (blossom, berries seen from afar).
void sprinkle(QPainter &p, const QPainterPath &shape, int count, qreal r, QColor colour, quint32 seed,
              QColor centre = {})
{
    const QRectF box = shape.boundingRect();
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0, placed = 0; i < count * 20 && placed < count; ++i) {
        const QPointF at(box.left() + rng.next() * box.width(), box.top() + rng.next() * box.height());
        if (!shape.contains(at))
            continue;
        ++placed;
        const qreal rr = r * rng.range(0.8, 1.2);
        p.setBrush(colour.darker(130));
        p.drawEllipse(at + QPointF(0.25, 0.3), rr, rr);
        p.setBrush(colour);
        p.drawEllipse(at, rr, rr);
        if (centre.isValid()) {
            p.setBrush(centre);
            p.drawEllipse(at, rr * 0.35, rr * 0.35);
        }
    }
}

void paintBlossom(QPainter &p, QPointF c, qreal r, QColor petals, QColor anthers)
{
    p.setPen(QPen(petals.darker(125), 0.3));
    p.setBrush(petals);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(c + polar(r * 0.52, i * 72 - 90), r * 0.5, r * 0.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc8, 0xd0, 0x70));
    p.drawEllipse(c, r * 0.3, r * 0.3);
    p.setBrush(anthers);
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(c + polar(r * 0.38, i * 60 + 15), r * 0.12, r * 0.12);
}

// A hanging catkin: a slim, tapering tassel swinging from a to b, with the
// rows of its tiny flowers marked across it.
void paintCatkin(QPainter &p, QPointF a, QPointF b, qreal width, QColor colour)
{
    const QPointF d = b - a;
    QPainterPath spine(a);
    spine.quadTo((a + b) / 2 + QPointF(-d.y(), d.x()) * 0.12, b);
    constexpr int steps = 24;
    QList<QPointF> left, right;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const qreal half = width / 2 * (0.45 + 0.55 * std::sin(M_PI * std::min(1.0, 0.25 + t * 0.9)));
        const QPointF n = polar(half, -spine.angleAtPercent(t) + 90);
        left.append(spine.pointAtPercent(t) + n);
        right.prepend(spine.pointAtPercent(t) - n);
    }
    QPainterPath body(left.first());
    for (const QPointF &pt : left)
        body.lineTo(pt);
    body.quadTo(b + d / QLineF(a, b).length() * width * 0.6, right.first());
    for (const QPointF &pt : right)
        body.lineTo(pt);
    body.closeSubpath();
    const QPointF mid = spine.pointAtPercent(0.5);
    const QPointF across = polar(width / 2, -spine.angleAtPercent(0.5) + 90);
    const QPointF lit = across.x() < 0 ? across : -across;
    QLinearGradient g(mid + lit, mid - lit);
    g.setColorAt(0, colour.lighter(140));
    g.setColorAt(0.5, colour);
    g.setColorAt(1, colour.darker(150));
    p.setPen(QPen(colour.darker(170), 0.3));
    p.setBrush(g);
    p.drawPath(body);
    p.setPen(QPen(colour.darker(160), 0.35, Qt::SolidLine, Qt::RoundCap));
    for (int i = 1; i < steps; i += 2)
        p.drawLine(left[i], right[steps - i + 1]);
}

// ---------------------------------------------------------------- the trees

const Greens kMeadowGreens{QColor(0x3d, 0x66, 0x2b), QColor(0x5c, 0x8e, 0x3c), QColor(0x92, 0xbc, 0x5c)};

void drawBirch(QPainter &p)
{
    const QColor bark(0xf2, 0xef, 0xe8), twig(0x5a, 0x3e, 0x38);
    const Greens greens{QColor(0x5a, 0x84, 0x34), QColor(0x86, 0xac, 0x48), QColor(0xc2, 0xd8, 0x72)};
    // A younger stem behind the main one.
    paintLimb(p, {68, 100}, {72, 38}, 4, 1.5, bark.darker(110), 0.02);
    paintBarkMarks(p, {68, 100}, {72, 38}, 4, 1.5, BarkMark::Bands, QColor(0x2e, 0x28, 0x26), 16, 3);
    for (auto [a, b] : {std::pair{QPointF(48, 62), QPointF(26, 46)},
                        {QPointF(49, 50), QPointF(66, 30)},
                        {QPointF(47, 74), QPointF(30, 66)},
                        {QPointF(50, 40), QPointF(36, 22)},
                        {QPointF(71, 60), QPointF(84, 50)}})
        paintTwig(p, a, b, 1.2, twig, 0.08);
    const QPainterPath back = ellipses({around(30, 46, 15, 11), around(62, 32, 15, 12), around(46, 20, 14, 11),
                                        around(34, 66, 11, 7), around(78, 52, 11, 9)});
    paintFoliage(p, back, greens, 2.4, 21, 0.75);
    // The slim white trunk with its black bands and dark, cracked foot.
    const QPointF base(45, 108), top(50, 24);
    paintLimb(p, base, top, 7.5, 2.2, bark, -0.02);
    paintBarkMarks(p, base, top, 7.5, 2.2, BarkMark::Bands, QColor(0x26, 0x22, 0x20), 46, 5);
    p.setPen(Qt::NoPen);
    QLinearGradient foot(0, 108, 0, 96);
    foot.setColorAt(0, QColor(0x2a, 0x26, 0x24));
    foot.setColorAt(1, QColor(0x2a, 0x26, 0x24, 0));
    p.setBrush(foot);
    p.drawRect(QRectF(41, 95, 8.5, 13.5));
    const QPainterPath front = ellipses({around(50, 28, 9, 7), around(40, 40, 7, 5)});
    paintFoliage(p, front, greens, 2.2, 23, 0.55);

    // Sprig: triangular, toothed leaves and two hanging catkins.
    paintTwig(p, {126, 74}, {82, 88}, 1.2, twig, -0.05);
    const QPainterPath leaf =
        leafOutline(17, serrate([](qreal t) { return 7.0 * std::sin(M_PI * std::pow(t, 0.55)); }, 7, 0.22));
    paintLeaf(p, leaf, {118, 77}, 250, greens.mid.darker(105));
    paintLeaf(p, leaf, {104, 82}, 110, greens.mid.darker(110));
    paintLeaf(p, leaf, {88, 86}, 205, greens.mid);
    paintCatkin(p, {96, 84}, {97, 108}, 3.6, QColor(0xa8, 0x84, 0x4a));
    paintCatkin(p, {112, 80}, {116, 102}, 3.4, QColor(0x9a, 0x76, 0x40));
}

// Berries on stalks branching from one point into a broad, flat-topped
// bunch, as rowan and elder carry them: spread across, shallow in depth.
void paintFlatBunch(QPainter &p, QPointF stem, QPointF centre, qreal across, qreal deep, int count, qreal r,
                    QColor berry, QColor stalk, quint32 seed)
{
    Rng rng(seed);
    QList<QPointF> spots;
    for (int tries = 0; spots.size() < count && tries < 3000; ++tries) {
        const qreal a = rng.range(0, 360), d = std::sqrt(rng.next());
        const QPointF at =
            centre + QPointF(across * d * std::cos(qDegreesToRadians(a)), deep * d * std::sin(qDegreesToRadians(a)));
        bool clear = true;
        for (const QPointF &s : spots)
            clear = clear && QLineF(s, at).length() > r * 1.45;
        if (clear)
            spots.append(at);
    }
    std::sort(spots.begin(), spots.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    // A few main stalks fork to the berries, so the bunch reads as one head.
    const QPointF fork = (stem * 0.45 + centre * 0.55);
    paintTwig(p, stem, fork, 0.7, stalk);
    for (const QPointF &s : spots)
        paintTwig(p, fork, s, 0.4, stalk, 0.08);
    for (const QPointF &s : spots)
        paintBerry(p, s, r * rng.range(0.88, 1.08), berry);
}

void drawRowan(QPainter &p)
{
    const QColor bark(0x86, 0x80, 0x7a), twig(0x5e, 0x52, 0x4a), berry(0xf0, 0x58, 0x18);
    paintLimb(p, {52, 78}, {34, 46}, 3, 1.2, bark);
    paintLimb(p, {53, 70}, {72, 44}, 3, 1.2, bark);
    paintLimb(p, {52, 106}, {53, 34}, 6, 2.2, bark, 0.02);
    paintBarkMarks(p, {52, 106}, {53, 50}, 6, 3, BarkMark::Bands, bark.darker(150), 12, 4);
    const QPainterPath crown = ellipses({around(52, 40, 26, 24), around(34, 54, 14, 10), around(70, 52, 15, 10)});
    paintFoliage(p, crown, kMeadowGreens, 2.0, 31, 0.9);
    // Fine, feathery leaves sprayed over the crown's edge.
    const QPainterPath tiny = leafOutline(2.2, [](qreal t) { return 0.5 * lanceolate(t); });
    Rng leaves(6);
    for (int i = 0; i < 16; ++i) {
        const qreal a = leaves.range(180, 360);
        const QPointF at =
            QPointF(52, 42) + QPointF(24 * std::cos(qDegreesToRadians(a)), 20 * std::sin(qDegreesToRadians(a)));
        paintPinnate(p, at, a + leaves.range(-20, 20), 7, 4, tiny, kMeadowGreens.mid, 55);
    }
    // Flat heads of orange-red berries held out over the leaves.
    Rng rng(5);
    for (int i = 0; i < 10; ++i) {
        QPointF c;
        do
            c = QPointF(rng.range(28, 78), rng.range(22, 62));
        while (!crown.contains(c));
        paintFlatBunch(p, c + QPointF(0, -2.5), c, 4.2, 1.8, 9, 1.1, berry, twig, 40 + i);
    }
    // Sprig: three feathery leaves of many narrow, toothed leaflets and two
    // broad, flat bunches of small orange-red berries.
    paintTwig(p, {126, 70}, {88, 80}, 1.4, twig, 0.05);
    const QPainterPath leaflet = leafOutline(7.5, serrate([](qreal t) { return 1.35 * lanceolate(t); }, 6, 0.22));
    paintPinnate(p, {120, 71}, 285, 26, 7, leaflet, QColor(0x4f, 0x86, 0x36), 70);
    paintPinnate(p, {110, 74}, 215, 28, 7, leaflet, QColor(0x4a, 0x80, 0x32), 70);
    paintPinnate(p, {92, 79}, 160, 22, 6, leaflet, QColor(0x45, 0x7a, 0x30), 70);
    paintFlatBunch(p, {102, 77}, {100, 92}, 14, 5, 26, 2.1, berry, twig, 77);
    paintFlatBunch(p, {115, 73}, {113, 101}, 8, 3.5, 12, 2.1, berry, twig, 78);
}

void drawAsh(QPainter &p)
{
    const QColor bark(0x9a, 0x98, 0x90), twig(0x8a, 0x88, 0x82);
    const Greens greens{QColor(0x47, 0x70, 0x34), QColor(0x6c, 0x99, 0x48), QColor(0xa8, 0xc9, 0x78)};
    // A tall, open crown: long limbs climbing steeply from a high fork, with
    // sky showing between the leaf masses.
    paintLimb(p, {50, 70}, {30, 30}, 3.4, 1.2, bark, -0.08);
    paintLimb(p, {51, 64}, {72, 26}, 3.4, 1.2, bark, 0.08);
    paintLimb(p, {40, 50}, {24, 46}, 2.0, 0.8, bark, -0.1);
    paintLimb(p, {64, 44}, {80, 44}, 2.0, 0.8, bark, 0.1);
    paintLimb(p, {50, 108}, {51, 14}, 7.5, 2.0, bark, 0.01);
    paintBarkMarks(p, {50, 108}, {52, 60}, 7.5, 4, BarkMark::Net, bark.darker(170), 60, 6);
    const QPainterPath crown = ellipses({around(50, 22, 16, 12), around(31, 34, 12, 10), around(71, 30, 12, 10),
                                         around(24, 50, 10, 7), around(79, 46, 10, 7), around(54, 44, 10, 7)});
    paintFoliage(p, crown, greens, 2.0, 41, 0.7);
    // Slim bunches of keys hanging under the leaf masses.
    Rng rng(8);
    for (QPointF c :
         {QPointF(30, 40), QPointF(46, 28), QPointF(70, 36), QPointF(58, 48), QPointF(24, 54), QPointF(80, 50)})
        for (int k = 0; k < 4; ++k)
            paintTwig(p, c, c + QPointF(rng.range(-1.2, 1.2), rng.range(3.5, 5)), 0.7, QColor(0xb0, 0xa0, 0x5a));
    // Sprig: a grey twig with small black buds, two pinnate leaves of pointed
    // leaflets and a hanging bunch of narrow winged keys.
    paintTwig(p, {126, 64}, {90, 74}, 1.5, twig, -0.03);
    const QPainterPath leaflet = leafOutline(10, serrate([](qreal t) { return 1.9 * lanceolate(t); }, 6, 0.15));
    paintPinnate(p, {121, 65}, 245, 28, 4, leaflet, QColor(0x55, 0x8a, 0x3a), 58);
    paintPinnate(p, {104, 69}, 200, 26, 4, leaflet, QColor(0x4c, 0x80, 0x34), 58);
    // Each key is a narrow strap: the seed at the stalk end, the flat wing
    // beyond it, all hanging together in a slim bunch.
    const QPainterPath key = leafOutline(16, [](qreal t) {
        return 1.6 * std::pow(std::sin(M_PI * std::min(1.0, 0.1 + t * 0.95)), 0.35) * (0.6 + 0.4 * t);
    });
    const QPointF hub(112, 67.5);
    Rng keys(12);
    for (int i = 0; i < 6; ++i) {
        const qreal angle = 90 + (i - 2.5) * 13 + keys.range(-2, 2);
        const QPointF at = hub + polar(keys.range(4, 7), angle);
        paintTwig(p, hub, at, 0.45, QColor(0x7a, 0x70, 0x48));
        paintLeaf(p, key, at, angle + keys.range(-4, 4), QColor(0xc8, 0xb4, 0x6a), false, QColor(0x8a, 0x74, 0x3a));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x86, 0x6a, 0x34));
        p.drawEllipse(at + polar(2.2, angle), 0.9, 0.9);
    }
    // The small, sooty black buds the ash is known by: one at the tip and a
    // pair at the side.
    const auto bud = [&](QPointF at, qreal angle, qreal size) {
        p.save();
        p.translate(at);
        p.rotate(angle);
        QPainterPath shape(QPointF(0, -size * 0.7));
        shape.cubicTo(QPointF(size * 0.7, -size * 0.75), QPointF(size * 1.2, -size * 0.35), QPointF(size * 1.3, 0));
        shape.cubicTo(QPointF(size * 1.2, size * 0.35), QPointF(size * 0.7, size * 0.75), QPointF(0, size * 0.7));
        shape.closeSubpath();
        p.setPen(QPen(QColor(0, 0, 0), 0.25));
        p.setBrush(QColor(0x1c, 0x1a, 0x1a));
        p.drawPath(shape);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x70, 0x6c, 0x6a));
        p.drawEllipse(QPointF(size * 0.5, -size * 0.3), size * 0.3, size * 0.15);
        p.restore();
    };
    bud({90.5, 74.3}, 195, 2.3);
    bud({98, 72}, 250, 1.5);
    bud({98, 72.6}, 110, 1.5);
}

void drawAlder(QPainter &p)
{
    const QColor bark(0x55, 0x48, 0x40), twig(0x4a, 0x3a, 0x32);
    const Greens greens{QColor(0x26, 0x47, 0x22), QColor(0x3e, 0x66, 0x32), QColor(0x6a, 0x96, 0x52)};
    // A short trunk forking into a broad, rounded crown.
    paintLimb(p, {46, 72}, {28, 50}, 3.6, 1.4, bark, 0.1);
    paintLimb(p, {47, 68}, {68, 46}, 3.6, 1.4, bark, -0.1);
    paintLimb(p, {46, 104}, {47, 30}, 6.5, 2, bark, 0.01);
    paintBarkMarks(p, {46, 104}, {47, 66}, 6.5, 4.5, BarkMark::Furrows, bark.darker(170), 24, 7);
    const QPainterPath crown =
        ellipses({around(47, 44, 31, 24), around(26, 56, 13, 11), around(69, 55, 13, 11), around(47, 26, 20, 12)});
    paintFoliage(p, crown, greens, 2.3, 51);
    // Last year's cones hang on all through the year in small dark clusters.
    Rng rng(52);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        QPointF c;
        do
            c = QPointF(rng.range(20, 76), rng.range(26, 64));
        while (!crown.contains(c));
        for (QPointF d : {QPointF(-1.1, 0), QPointF(1.1, 0.2), QPointF(0, 1.5)}) {
            p.setBrush(QColor(0x2a, 0x1c, 0x14));
            p.drawEllipse(c + d, 0.85, 1.15);
            p.setBrush(QColor(0x6a, 0x4a, 0x30));
            p.drawEllipse(c + d + QPointF(-0.25, -0.35), 0.35, 0.4);
        }
    }
    // Sprig: rounded leaves with a notch at the tip, clusters of small, dark
    // woody cones and long hanging catkins, drawn large so they read.
    paintTwig(p, {126, 66}, {86, 78}, 1.6, twig, -0.04);
    QPainterPath leaf(QPointF(0, 0));
    {
        const qreal len = 17, width = 7.5;
        const auto half = serrate([](qreal t) { return std::pow(t, 0.55) * (1 - 0.68 * std::pow(t, 6)); }, 9, 0.08);
        for (int i = 1; i <= 40; ++i)
            leaf.lineTo(i / 40.0 * len, -width * half(i / 40.0));
        leaf.lineTo(len * 0.9, 0);
        for (int i = 40; i >= 0; --i)
            leaf.lineTo(i / 40.0 * len, width * half(i / 40.0));
        leaf.closeSubpath();
    }
    paintLeaf(p, leaf, {120, 68}, 255, greens.mid);
    paintLeaf(p, leaf, {98, 75.5}, 212, greens.mid.darker(110));
    // Each cone is a dark oval of woody scales, their lit edges catching the
    // light; they hang in little clusters on short stalks.
    const auto cone = [&p](QPointF c, qreal angle) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        const QColor wood(0x4a, 0x2e, 0x1c);
        QRadialGradient g(QPointF(-0.8, -1.2), 4);
        g.setColorAt(0, wood.lighter(150));
        g.setColorAt(1, wood.darker(160));
        p.setPen(QPen(wood.darker(220), 0.35));
        p.setBrush(g);
        p.drawEllipse(QPointF(), 2.5, 3.5);
        p.setPen(QPen(QColor(0xb0, 0x84, 0x5c), 0.35, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int row = 0; row < 4; ++row) {
            const qreal y = -2.4 + row * 1.55;
            const int n = row == 0 || row == 3 ? 2 : 3;
            for (int k = 0; k < n; ++k) {
                const qreal x = (k - (n - 1) / 2.0) * 1.5;
                p.drawArc(QRectF(x - 0.7, y - 0.5, 1.4, 1.1), 200 * 16, 140 * 16);
            }
        }
        p.restore();
    };
    for (auto [hub, cones] :
         {std::pair{QPointF(104, 74),
                    std::array{QPointF(99, 87), QPointF(104, 89), QPointF(109, 87), QPointF(104, 82)}},
          {QPointF(116, 69), std::array{QPointF(113, 80), QPointF(118, 81), QPointF(115, 86), QPointF(0, 0)}}}) {
        for (QPointF c : cones)
            if (!c.isNull())
                paintTwig(p, hub, c, 0.7, twig, 0.05);
        for (QPointF c : cones)
            if (!c.isNull())
                cone(c, (c.x() - hub.x()) * 3);
    }
    const QColor catkin(0x8c, 0x5a, 0x3e);
    paintCatkin(p, {88, 78}, {84, 110}, 3.4, catkin);
    paintCatkin(p, {89, 78}, {93, 108}, 3.2, catkin.darker(110));
    paintCatkin(p, {87, 78}, {76, 104}, 3.2, catkin.lighter(110));
}

void drawWillow(QPainter &p)
{
    const QColor bark(0x6e, 0x62, 0x50);
    const Greens greens{QColor(0x6a, 0x8c, 0x2e), QColor(0x98, 0xb4, 0x44), QColor(0xcc, 0xdc, 0x78)};
    paintLimb(p, {48, 66}, {28, 40}, 4.5, 1.6, bark, -0.1);
    paintLimb(p, {50, 64}, {70, 38}, 4.5, 1.6, bark, 0.1);
    paintLimb(p, {49, 64}, {48, 28}, 3.5, 1.4, bark);
    paintLimb(p, {48, 106}, {49, 62}, 10, 7, bark);
    paintBarkMarks(p, {48, 106}, {49, 64}, 10, 7, BarkMark::Furrows, bark.darker(170), 24, 8);
    const QPainterPath dome = ellipses({around(49, 40, 32, 20)});
    paintFoliage(p, dome, greens, 2.0, 61, 0.6);
    // Long, weeping strands falling from the dome almost to the water.
    Rng rng(10);
    for (int layer = 0; layer < 3; ++layer) {
        const QColor colour = layer == 0 ? greens.dark : layer == 1 ? greens.mid : greens.light;
        for (int i = 0; i < 26; ++i) {
            const qreal x = rng.range(16, 82);
            const qreal u = (x - 49) / 33;
            const QPointF from(x, 40 - 20 * std::sqrt(std::max(0.0, 1 - u * u)) + rng.range(2, 10));
            const QPointF to(x + u * rng.range(3, 8), rng.range(88, 100) - std::abs(u) * 8);
            QPainterPath strand(from);
            strand.cubicTo(from + QPointF(u * 8, -4), to + QPointF(0, -30), to);
            p.setPen(QPen(colour.darker(120), 0.45, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawPath(strand);
            // Narrow leaves hanging off the strand, alternately left and right.
            p.setPen(QPen(colour, 0.8, Qt::SolidLine, Qt::RoundCap));
            int k = 0;
            for (qreal t = 0.06; t < 1; t += 0.05, ++k) {
                const QPointF at = strand.pointAtPercent(t);
                p.drawLine(at, at + QPointF(k % 2 ? 1.0 : -1.0, 2.0));
            }
        }
    }
    // Sprig: a drooping switch of narrow leaves.
    QPainterPath stem(QPointF(126, 66));
    stem.cubicTo(106, 66, 100, 80, 102, 124);
    p.setPen(QPen(QColor(0x9a, 0x8a, 0x3a), 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    const QPainterPath leaf = leafOutline(17, [](qreal t) { return 1.9 * lanceolate(t); });
    for (int i = 0; i < 11; ++i) {
        const qreal t = 0.12 + i * 0.08;
        const QPointF at = stem.pointAtPercent(t);
        const qreal side = i % 2 ? 1 : -1;
        paintLeaf(p, leaf, at, 90 + side * 28 - (1 - t) * 40 * side, greens.mid.darker(112));
    }
}

void drawHawthorn(QPainter &p)
{
    const QColor bark(0x62, 0x52, 0x44), twig(0x4e, 0x3e, 0x34), may(0xfb, 0xf8, 0xf0), anthers(0xc8, 0x50, 0x6a);
    const Greens greens{QColor(0x3d, 0x66, 0x2b), QColor(0x5c, 0x8e, 0x3c), QColor(0x92, 0xbc, 0x5c)};
    paintLimb(p, {46, 76}, {26, 60}, 4, 1.6, bark, 0.1);
    paintLimb(p, {47, 72}, {72, 56}, 4, 1.6, bark, -0.12);
    paintLimb(p, {50, 106}, {47, 74}, 8, 5, bark, 0.08);
    paintLimb(p, {47, 80}, {42, 48}, 5, 2, bark, -0.1);
    paintBarkMarks(p, {50, 106}, {47, 76}, 8, 5, BarkMark::Furrows, bark.darker(170), 14, 9);
    const QPainterPath crown = ellipses({around(48, 50, 30, 22), around(26, 60, 14, 10), around(72, 58, 15, 10)});
    paintFoliage(p, crown, greens, 2.3, 71, 0.8);
    // In May the whole crown foams white with blossom, thickest on the sunny
    // side.
    sprinkle(p, crown, 150, 1.35, may, 72, QColor(0xe8, 0xd8, 0xb0));
    sprinkle(p, ellipses({around(42, 44, 22, 14)}), 50, 1.2, may, 74);
    // Sprig: a twig armed with long, sharp thorns, deeply cut leaves and a
    // bunch of white May flowers.
    paintTwig(p, {126, 78}, {84, 94}, 1.8, twig, -0.04);
    const QPainterPath leaf =
        palmateOutline(15, {{-76, 0.6}, {-38, 0.88}, {0, 1.0}, {38, 0.88}, {76, 0.6}}, 0.45, 0.12, 40, 0.06);
    paintLeaf(p, leaf, {121, 80}, 95, QColor(0x4a, 0x7c, 0x34));
    paintLeaf(p, leaf, {99, 88}, 125, QColor(0x46, 0x78, 0x30));
    paintLeaf(p, leaf, {86, 93}, 185, QColor(0x42, 0x72, 0x2e));
    // Thorns over the leaves' stalks, so they show.
    p.setPen(QPen(twig.darker(140), 0.35));
    p.setBrush(twig.darker(115));
    for (auto [x, s] : {std::pair{124.0, 1.0}, {115.0, -1.0}, {106.0, 1.0}, {93.0, -1.0}}) {
        const qreal y = 78 + (126 - x) / 42 * 16;
        QPolygonF thorn{QPointF(x - 1.6, y), QPointF(x + 1.6, y), QPointF(x - 3, y + s * 12)};
        p.drawPolygon(thorn);
    }
    // The flowers in a domed bunch above the twig.
    const QPointF hub(110, 82);
    Rng rng(73);
    QList<QPointF> flowers;
    for (int tries = 0; flowers.size() < 8 && tries < 500; ++tries) {
        const QPointF at = QPointF(109, 68) + polar(10 * std::sqrt(rng.next()), rng.range(0, 360));
        bool clear = true;
        for (const QPointF &f : flowers)
            clear = clear && QLineF(f, at).length() > 5.6;
        if (clear)
            flowers.append(at);
    }
    for (const QPointF &f : flowers)
        paintTwig(p, hub, f, 0.45, QColor(0x6a, 0x84, 0x3a), 0.1);
    for (const QPointF &f : flowers)
        paintBlossom(p, f, 3.8, may, anthers);
}

QPainterPath oakLeaf(qreal len, qreal width)
{
    return leafOutline(len, [width](qreal t) {
        const qreal lobes = 0.5 + 0.5 * std::pow(std::abs(std::sin(M_PI * 4.5 * t)), 0.6);
        const qreal stalk = t < 0.08 ? 0.6 : 0;
        return width * std::sin(M_PI * std::pow(t, 0.9)) * lobes + stalk;
    });
}

void paintAcorn(QPainter &p, QPointF top, qreal angle)
{
    p.save();
    p.translate(top);
    p.rotate(angle);
    QRadialGradient nut(QPointF(-1.2, 4), 5);
    nut.setColorAt(0, QColor(0xc4, 0xb0, 0x5a));
    nut.setColorAt(1, QColor(0x7a, 0x6a, 0x22));
    p.setPen(QPen(QColor(0x55, 0x46, 0x18), 0.35));
    p.setBrush(nut);
    p.drawEllipse(QPointF(0, 5.5), 3.1, 4.6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x48, 0x1c));
    p.drawEllipse(QPointF(0, 10), 0.5, 0.5);
    QLinearGradient cup(-3.5, 0, 3.5, 0);
    cup.setColorAt(0, QColor(0xa0, 0x88, 0x5a));
    cup.setColorAt(1, QColor(0x5a, 0x46, 0x2a));
    p.setPen(QPen(QColor(0x46, 0x34, 0x1e), 0.35));
    p.setBrush(cup);
    p.drawChord(QRectF(-3.7, -1, 7.4, 7.6), 0, 180 * 16);
    p.setPen(QPen(QColor(0x46, 0x34, 0x1e, 160), 0.3));
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 4; ++k)
            p.drawArc(QRectF(-3 + k * 1.6 - r * 0.8, 0.3 + r * 1.2, 1.6, 1.4), 180 * 16, 180 * 16);
    p.restore();
}

void drawOak(QPainter &p)
{
    const QColor bark(0x6a, 0x5a, 0x48), twig(0x5a, 0x46, 0x34);
    const Greens greens{QColor(0x2c, 0x4c, 0x20), QColor(0x4a, 0x72, 0x30), QColor(0x7c, 0xa4, 0x50)};
    paintLimb(p, {52, 70}, {20, 48}, 6, 2, bark, 0.08);
    paintLimb(p, {53, 66}, {86, 44}, 6, 2, bark, -0.08);
    paintLimb(p, {52, 66}, {42, 30}, 5, 2, bark, 0.05);
    paintLimb(p, {53, 66}, {66, 28}, 5, 2, bark, -0.05);
    paintLimb(p, {52, 108}, {52, 62}, 14, 9, bark);
    paintBarkMarks(p, {52, 108}, {52, 64}, 14, 9, BarkMark::Furrows, bark.darker(180), 40, 10);
    const QPainterPath crown = ellipses({around(53, 40, 42, 22), around(20, 52, 16, 11), around(86, 50, 16, 11),
                                         around(38, 26, 20, 15), around(68, 26, 20, 15)});
    paintFoliage(p, crown, greens, 3.0, 81);
    // Sprig: lobed leaves and two acorns in their scaly cups.
    paintTwig(p, {126, 82}, {94, 92}, 1.6, twig, -0.04);
    const QPainterPath leaf = oakLeaf(22, 6.5);
    paintLeaf(p, leaf, {116, 85}, 245, QColor(0x4e, 0x7c, 0x30));
    paintLeaf(p, leaf, {108, 87}, 120, QColor(0x46, 0x72, 0x2c));
    paintLeaf(p, leaf, {96, 91}, 175, QColor(0x52, 0x80, 0x34));
    paintTwig(p, {104, 89}, {101, 97}, 0.8, twig);
    paintTwig(p, {104, 89}, {110, 96}, 0.8, twig);
    paintAcorn(p, {101, 97}, 12);
    paintAcorn(p, {110, 96}, -14);
}

QPainterPath hollyLeaf(qreal len, qreal width)
{
    return leafOutline(
        len,
        [width](qreal t) {
            const qreal spines = 1 - std::pow(std::abs(std::sin(M_PI * 3.5 * t)), 0.55);
            return width * std::pow(std::sin(M_PI * t), 0.8) * (0.62 + 0.38 * spines);
        },
        120);
}

void drawHolly(QPainter &p)
{
    const QColor bark(0x7c, 0x78, 0x6e), berry(0xd8, 0x1c, 0x1c);
    const Greens greens{QColor(0x17, 0x33, 0x18), QColor(0x2a, 0x52, 0x26), QColor(0x5c, 0x8c, 0x4a)};
    paintLimb(p, {50, 106}, {50, 82}, 6, 4.5, bark);
    const QPainterPath crown = ellipses({around(50, 22, 8, 12), around(49, 38, 15, 13), around(51, 55, 21, 15),
                                         around(49, 73, 27, 16), around(34, 84, 12, 7), around(64, 84, 13, 7)});
    paintFoliage(p, crown, greens, 2.3, 91);
    sprinkle(p, crown, 30, 0.5, QColor(0xb8, 0xd0, 0xa8), 93);
    sprinkle(p, crown, 34, 1.05, berry, 92);
    // Sprig: spiny, glossy leaves around a cluster of berries.
    const QColor twig(0x4a, 0x5a, 0x3a);
    paintTwig(p, {126, 82}, {92, 94}, 1.5, twig, -0.04);
    const QPainterPath leaf = hollyLeaf(22, 6.5);
    const QColor leafGreen(0x2a, 0x58, 0x26);
    paintLeaf(p, leaf, {118, 85}, 250, leafGreen, true);
    paintLeaf(p, leaf, {110, 88}, 105, leafGreen.darker(110), true);
    paintLeaf(p, leaf, {96, 93}, 165, leafGreen, true);
    paintBerryCluster(p, {104, 90}, {104, 97}, 5, 6, 2.7, berry, twig, 95);
}

// A hazelnut hanging below its stalk, drawn at `scale` so it reads at sprig
// size: a round brown nut peeping out of a leafy husk whose torn lobes flare
// out round it like a ruff.
void paintHazelnut(QPainter &p, QPointF c, qreal angle, qreal scale = 1)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    p.scale(scale, scale);
    const QColor huskLight(0xa8, 0xc8, 0x68), huskDark(0x5a, 0x86, 0x30), huskEdge(0x3a, 0x5c, 0x20);
    const auto lobe = [&](qreal a, qreal len, QColor colour) {
        const QPainterPath shape = leafOutline(len, [](qreal t) {
            const qreal f = t * 4 - std::floor(t * 4);
            return 1.7 * std::pow(std::sin(M_PI * std::pow(t, 0.6)), 0.8) * (1 - 0.55 * f);
        });
        p.save();
        p.translate(0, -3.2);
        p.rotate(a);
        p.setPen(QPen(huskEdge, 0.3));
        p.setBrush(colour);
        p.drawPath(shape);
        p.restore();
    };
    for (qreal a : {20.0, 160.0, 45.0, 135.0})
        lobe(a, 8.0, huskDark);
    QRadialGradient nut(QPointF(-1.4, 0.6), 5.4);
    nut.setColorAt(0, QColor(0xe0, 0xb4, 0x74));
    nut.setColorAt(0.6, QColor(0xb4, 0x7a, 0x3a));
    nut.setColorAt(1, QColor(0x6a, 0x3c, 0x1a));
    p.setPen(QPen(QColor(0x4e, 0x2c, 0x12), 0.3));
    p.setBrush(nut);
    QPainterPath shell(QPointF(0, 7.2));
    shell.cubicTo(1.6, 6.2, 4.4, 4.8, 4.3, 1.8);
    shell.cubicTo(4.2, -1.4, 2.2, -2.6, 0, -2.6);
    shell.cubicTo(-2.2, -2.6, -4.2, -1.4, -4.3, 1.8);
    shell.cubicTo(-4.4, 4.8, -1.6, 6.2, 0, 7.2);
    p.drawPath(shell);
    p.setPen(QPen(QColor(0x6a, 0x3c, 0x1a, 150), 0.3));
    for (qreal x : {-2.2, 0.0, 2.2}) {
        QPainterPath stripe(QPointF(x, 1));
        stripe.quadTo(x * 1.1, 4.5, x * 0.2, 6.8);
        p.drawPath(stripe);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QPointF(-1.8, 2.2), 0.8, 1.5);
    for (qreal a : {32.0, 148.0, 66.0, 114.0})
        lobe(a, 6.6, huskLight);
    QLinearGradient g(-3, -6, 3, -1);
    g.setColorAt(0, huskLight);
    g.setColorAt(1, huskDark);
    p.setPen(QPen(huskEdge, 0.3));
    p.setBrush(g);
    p.drawEllipse(QPointF(0, -3.8), 1.8, 2.0);
    p.restore();
}

void drawHazel(QPainter &p)
{
    const QColor bark(0x8a, 0x62, 0x48), twig(0x6a, 0x48, 0x34);
    const Greens greens{QColor(0x3d, 0x63, 0x28), QColor(0x5e, 0x8c, 0x3a), QColor(0x96, 0xba, 0x5c)};
    // Many stems from one stool, as hazel grows.
    for (auto [top, w] : {std::pair{QPointF(22, 48), 2.6},
                          {QPointF(36, 36), 3.0},
                          {QPointF(50, 30), 3.2},
                          {QPointF(64, 36), 3.0},
                          {QPointF(78, 48), 2.6},
                          {QPointF(44, 46), 2.4}})
        paintLimb(p, {48 + (top.x() - 50) * 0.1, 106}, top, w, 1.0, bark, (top.x() - 50) * 0.002);
    const QPainterPath crown = ellipses({around(50, 46, 32, 22), around(26, 58, 12, 9), around(76, 58, 12, 9)});
    paintFoliage(p, crown, greens, 2.4, 101);
    // Ripe nuts showing in pale clusters along the lower edge of the crown.
    sprinkle(p, ellipses({around(50, 56, 26, 10)}), 14, 1.1, QColor(0xb8, 0x88, 0x48), 102);
    // Sprig: round, toothed leaves, a cluster of big nuts in their frilled
    // husks and two pale catkins.
    paintTwig(p, {126, 70}, {86, 80}, 1.4, twig, -0.05);
    const QPainterPath leaf = leafOutline(
        20, serrate([](qreal t) { return 9.0 * std::pow(std::sin(M_PI * std::pow(t, 0.7)), 0.7); }, 11, 0.1));
    paintLeaf(p, leaf, {120, 71}, 262, greens.mid);
    paintLeaf(p, leaf, {96, 78}, 200, greens.mid.darker(110));
    const QPointF hub(106, 76);
    for (auto [at, angle] : {std::pair{QPointF(98, 90), 28.0}, {QPointF(114, 90), -28.0}, {QPointF(106, 102), 0.0}}) {
        paintTwig(p, hub, at + QPointF(0, -8), 0.9, twig);
        paintHazelnut(p, at, angle, 1.6);
    }
    const QColor catkin(0xd8, 0xbc, 0x4a);
    paintCatkin(p, {88, 80}, {85, 108}, 3.0, catkin);
    paintCatkin(p, {90, 80}, {93, 106}, 2.8, catkin.darker(110));
}

void paintGrapes(QPainter &p, QPointF top, qreal width, qreal height, qreal r, quint32 seed)
{
    Rng rng(seed);
    QList<QPointF> grapes;
    for (qreal y = top.y() + r; y < top.y() + height; y += r * 1.5) {
        const qreal t = (y - top.y()) / height;
        const qreal half = width / 2 * (1 - t * t * 0.85);
        for (qreal x = -half; x <= half + 0.01; x += r * 1.7)
            grapes.append(QPointF(top.x() + x + rng.range(-0.4, 0.4), y + rng.range(-0.4, 0.4)));
    }
    for (const QPointF &g : grapes)
        paintBerry(p, g, r, QColor(0x4e, 0x28, 0x62));
}

void drawVine(QPainter &p)
{
    const QColor wood(0x9a, 0x7a, 0x52), bark(0x6a, 0x4c, 0x34);
    const Greens greens{QColor(0x3a, 0x66, 0x26), QColor(0x5e, 0x92, 0x36), QColor(0x9e, 0xc4, 0x5c)};
    // The trellis: two posts and a rail.
    paintLimb(p, {22, 106}, {22, 38}, 3.5, 3.2, wood);
    paintLimb(p, {80, 100}, {80, 40}, 3.5, 3.2, wood);
    paintLimb(p, {16, 42}, {88, 42}, 3, 3, wood);
    // The gnarled stock climbing the post and trained along the rail.
    QPainterPath stock(QPointF(28, 106));
    stock.cubicTo(34, 90, 20, 74, 27, 60);
    stock.cubicTo(32, 50, 26, 46, 30, 41);
    p.setPen(QPen(bark, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stock);
    p.setPen(QPen(bark.lighter(130), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(stock.translated(-0.8, 0));
    paintTwig(p, {30, 41}, {86, 40}, 1.6, bark, 0.02);
    const QPainterPath canopy =
        ellipses({around(52, 36, 36, 10), around(34, 46, 10, 7), around(66, 46, 12, 7), around(50, 28, 18, 6)});
    paintFoliage(p, canopy, greens, 2.4, 111);
    const QPainterPath small =
        palmateOutline(3.2, {{-75, 0.8}, {-35, 0.95}, {0, 1.0}, {35, 0.95}, {75, 0.8}}, 0.55, 0.2);
    Rng rng(14);
    for (int i = 0; i < 16; ++i)
        paintLeaf(p, small, {rng.range(20, 86), rng.range(28, 50)}, -90 + rng.range(-40, 40), greens.mid);
    for (QPointF b : {QPointF(36, 50), QPointF(52, 48), QPointF(68, 49)})
        paintGrapes(p, b, 6, 9, 1.1, quint32(b.x()));
    // Sprig: a big bunch of grapes under a vine leaf, with a tendril.
    paintTwig(p, {126, 70}, {94, 76}, 1.6, bark, -0.05);
    const QPainterPath leaf =
        palmateOutline(16, {{-110, 0.7}, {-55, 0.9}, {0, 1.0}, {55, 0.9}, {110, 0.7}}, 0.6, 0.25, 30, 0.06);
    paintLeaf(p, leaf, {112, 73}, -70, QColor(0x52, 0x86, 0x32));
    QPainterPath tendril(QPointF(96, 76));
    tendril.cubicTo(88, 74, 84, 66, 88, 63);
    tendril.cubicTo(92, 60, 93, 66, 90, 66);
    p.setPen(QPen(QColor(0x7a, 0x8a, 0x3a), 0.7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tendril);
    paintTwig(p, {100, 75}, {100, 84}, 1.0, bark);
    paintGrapes(p, {100, 82}, 22, 36, 2.6, 115);
}

QPainterPath ivyLeaf(qreal radius)
{
    return palmateOutline(radius, {{-115, 0.55}, {-60, 0.8}, {0, 1.0}, {60, 0.8}, {115, 0.55}}, 0.62, 0.85);
}

void paintIvyLeaf(QPainter &p, const QPainterPath &leaf, QPointF at, qreal angle, QColor colour, bool veins)
{
    paintLeaf(p, leaf, at, angle, colour, true, QColor(0xc8, 0xd8, 0xa8));
    if (!veins)
        return;
    const qreal r = leaf.boundingRect().right();
    p.save();
    p.translate(at);
    p.rotate(angle);
    p.setPen(QPen(QColor(0xc8, 0xd8, 0xa8), 0.4, Qt::SolidLine, Qt::RoundCap));
    for (qreal a : {-115.0, -60.0, 60.0, 115.0})
        p.drawLine(QPointF(0, 0), polar(r * (std::abs(a) > 90 ? 0.45 : 0.65), a));
    p.restore();
}

void drawIvy(QPainter &p)
{
    const QColor bark(0x7a, 0x72, 0x66), twig(0x5a, 0x52, 0x48);
    const Greens greens{QColor(0x16, 0x30, 0x16), QColor(0x26, 0x4c, 0x22), QColor(0x4c, 0x7a, 0x3a)};
    // An old bare tree, its trunk wrapped in ivy.
    paintLimb(p, {48, 40}, {26, 16}, 4, 1.2, bark, 0.05);
    paintLimb(p, {50, 36}, {74, 12}, 4, 1.2, bark, -0.05);
    paintLimb(p, {50, 50}, {76, 38}, 3, 1, bark, -0.1);
    paintTwig(p, {32, 22}, {22, 20}, 0.8, twig);
    paintTwig(p, {68, 18}, {80, 20}, 0.8, twig);
    paintLimb(p, {48, 108}, {50, 26}, 12, 5, bark);
    paintBarkMarks(p, {48, 108}, {50, 30}, 12, 5, BarkMark::Furrows, bark.darker(160), 30, 12);
    // Climbing stems spiralling up the trunk.
    QPainterPath climb(QPointF(40, 108));
    for (int i = 1; i <= 16; ++i) {
        const qreal y = 108 - i * 4.6;
        climb.lineTo(49 + 6.5 * std::sin(i * 0.9) * (1 - i / 30.0), y);
    }
    p.setPen(QPen(QColor(0x5a, 0x4a, 0x30), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(climb);
    const QPainterPath small = ivyLeaf(3.8);
    Rng rng(16);
    for (int i = 0; i < 110; ++i) {
        const qreal t = rng.next();
        const qreal y = 108 - t * 74;
        const qreal spread = 10 - 3 * t;
        const QPointF at(49 + rng.range(-spread, spread), y);
        const int tone = int(rng.range(0, 3));
        paintIvyLeaf(p, small, at, -90 + rng.range(-70, 70),
                     tone == 0   ? greens.dark
                     : tone == 1 ? greens.mid
                                 : greens.light,
                     false);
    }
    // Sprig: a stem with clinging rootlets, lobed dark leaves and black berries.
    const QPointF from(126, 84), to(84, 98);
    paintTwig(p, from, to, 1.3, QColor(0x6a, 0x5a, 0x38), -0.04);
    p.setPen(QPen(QColor(0x8a, 0x76, 0x50), 0.35));
    for (int i = 0; i < 14; ++i) {
        const QPointF at = from + (to - from) * (i / 14.0);
        p.drawLine(at, at + QPointF(rng.range(-1, 1), 2.2));
    }
    const QPainterPath leaf = ivyLeaf(13);
    paintIvyLeaf(p, leaf, {118, 86}, 250, QColor(0x2a, 0x56, 0x26), true);
    paintIvyLeaf(p, leaf, {104, 91}, 95, QColor(0x24, 0x4c, 0x22), true);
    paintIvyLeaf(p, leaf, {87, 97}, 215, QColor(0x2e, 0x5c, 0x2a), true);
    paintBerryCluster(p, {96, 94}, {94, 112}, 5.5, 9, 2.0, QColor(0x22, 0x1e, 0x2a), QColor(0x6a, 0x7a, 0x3a), 17);
}

void paintReed(QPainter &p, QPointF base, qreal height, qreal lean, qreal scale, QColor plume, quint32 seed)
{
    Rng rng(seed);
    const QPointF top = base + QPointF(lean, -height);
    QPainterPath stem(base);
    stem.quadTo(base + QPointF(lean * 0.2, -height * 0.6), top);
    p.setPen(QPen(QColor(0x8a, 0x9a, 0x5a), 0.7 * scale, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stem);
    // Long blades leaving the stem and bending over.
    const QColor blade(0x6e, 0x92, 0x48);
    for (int i = 0; i < 3; ++i) {
        const qreal t = 0.25 + i * 0.2;
        const QPointF at = stem.pointAtPercent(t);
        const qreal side = (i + int(seed)) % 2 ? 1 : -1;
        const qreal len = height * rng.range(0.3, 0.45);
        QPainterPath b(at);
        b.quadTo(at + QPointF(side * len * 0.5, -len * 0.9), at + QPointF(side * len * 0.9, -len * 0.45));
        b.quadTo(at + QPointF(side * len * 0.45, -len * 0.75), at + QPointF(0, -1.2 * scale));
        p.setPen(QPen(blade.darker(130), 0.25 * scale));
        p.setBrush(blade);
        p.drawPath(b);
    }
    // The feathery plume nods over to the side the reed leans, with silky
    // branchlets hanging from it.
    const qreal ph = 13 * scale, body = 2.0 * scale;
    const qreal side = lean >= 0 ? 1 : -1;
    QPainterPath spine(top);
    spine.cubicTo(top + QPointF(0, -ph * 0.55), top + QPointF(side * ph * 0.25, -ph * 0.95),
                  top + QPointF(side * ph * 0.55, -ph * 0.7));
    p.setPen(QPen(plume.darker(120), body, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(spine);
    for (int i = 0; i <= 16; ++i) {
        const qreal t = 0.1 + 0.9 * i / 16;
        const QPointF at = spine.pointAtPercent(t);
        const qreal len = body * (2.1 - 1.0 * t);
        p.setPen(QPen(i % 2 ? plume.lighter(150) : plume.lighter(115), 0.32 * scale, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(side * len * 0.45, len));
        p.drawLine(at, at + QPointF(-side * len * 0.35, len * 0.8));
    }
}

void drawReed(QPainter &p)
{
    const QColor plume(0x7a, 0x58, 0x5e);
    // The far bank is a green band over the lake; the reed bed grows in the shallows.
    Rng rng(18);
    for (int i = 0; i < 22; ++i) {
        const qreal x = 10 + i * 3.6 + rng.range(-1.5, 1.5);
        const qreal h = rng.range(46, 66) - std::abs(x - 46) * 0.25;
        paintReed(p, {x, rng.range(100, 108)}, h, rng.range(-5, 8), 0.7, plume.lighter(rng.range(95, 120)), 100 + i);
    }
    // Close-up: a tall reed in front.
    paintReed(p, {108, 134}, 84, -6, 1.7, plume, 3);
}

void drawElder(QPainter &p)
{
    const QColor bark(0x8c, 0x80, 0x6c), twig(0x6a, 0x5a, 0x4a);
    const Greens greens{QColor(0x34, 0x58, 0x26), QColor(0x52, 0x80, 0x3a), QColor(0x88, 0xb0, 0x5c)};
    for (auto [top, bend] : {std::pair{QPointF(24, 56), -0.15},
                             {QPointF(40, 40), -0.05},
                             {QPointF(60, 38), 0.05},
                             {QPointF(76, 54), 0.15}})
        paintLimb(p, {50, 106}, top, 4, 1.4, bark, bend);
    paintBarkMarks(p, {50, 106}, {50, 80}, 8, 5, BarkMark::Furrows, bark.darker(160), 8, 13);
    const QPainterPath crown =
        ellipses({around(50, 46, 32, 20), around(24, 62, 14, 11), around(76, 62, 14, 11), around(48, 34, 20, 12)});
    paintFoliage(p, crown, greens, 2.4, 121);
    // Broad, flat plates of cream flowers held level all over the crown.
    const auto plate = [&p](QPointF c, qreal rx, qreal ry, quint32 seed) {
        Rng dots(seed);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x9c, 0x98, 0x70));
        p.drawEllipse(c + QPointF(0.3, ry * 0.5), rx, ry);
        p.setBrush(QColor(0xf2, 0xec, 0xc8));
        p.drawEllipse(c, rx, ry);
        p.setBrush(QColor(0xff, 0xfd, 0xf0));
        for (int k = 0; k < int(rx * ry * 1.6); ++k) {
            const QPointF at = polar(std::sqrt(dots.next()), dots.range(0, 360));
            p.drawEllipse(c + QPointF(at.x() * rx * 0.9, at.y() * ry * 0.8 - ry * 0.1), rx * 0.12, rx * 0.1);
        }
    };
    Rng rng(20);
    for (int i = 0; i < 13; ++i) {
        QPointF c;
        do
            c = QPointF(rng.range(22, 80), rng.range(28, 68));
        while (!crown.contains(c));
        plate(c, rng.range(4.6, 5.6), 1.9, 200 + i);
    }
    // Sprig: a pinnate leaf, a wide flat plate of flowers on its branching
    // stalks and a flat, hanging bunch of near-black berries.
    paintTwig(p, {126, 70}, {88, 80}, 1.5, twig, -0.04);
    const QPainterPath leaflet = leafOutline(13, serrate([](qreal t) { return 3.6 * ovate(t); }, 8, 0.12));
    paintPinnate(p, {120, 71}, 240, 22, 2, leaflet, QColor(0x4a, 0x78, 0x34), 55);
    // The umbel: stalks rising from one point and forking to a flat top.
    const QPointF hub(101, 78);
    const QColor umbelStalk(0x6a, 0x84, 0x3a);
    for (int i = 0; i < 5; ++i) {
        const QPointF fork(89 + i * 6.0, 70.5 + std::abs(i - 2) * 0.4);
        paintTwig(p, hub, fork, 0.55, umbelStalk, 0.04);
        for (qreal dx : {-2.2, 0.0, 2.2})
            paintTwig(p, fork, fork + QPointF(dx, -3.2), 0.35, umbelStalk);
    }
    // A shaded underside keeps the cream plate clear of the pale sky.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8e, 0x92, 0x60));
    p.drawEllipse(QPointF(101, 67.8), 18.5, 3.4);
    Rng dots(22);
    for (int i = 0; i < 90; ++i) {
        const qreal x = dots.range(-1, 1);
        const QPointF at(101 + x * 18, 65.5 + dots.range(-2.4, 2.0) + x * x * 1.8);
        paintBlossom(p, at, 1.8, QColor(0xfc, 0xf8, 0xe4), QColor(0xe0, 0xc8, 0x50));
    }
    const QColor stalk(0x9a, 0x3a, 0x52);
    paintFlatBunch(p, {110, 76}, {110, 94}, 12, 4.5, 26, 1.7, QColor(0x2a, 0x18, 0x30), stalk, 23);
}

// One row per tree, in the order of kTrees below. Sky: zenith, two-thirds
// down, horizon, cloud tint. Sun: where, haze radius, disc radius, colour.
// Hills: far ridge, near ridge, rise, skyline seed. Ground: far grass, near
// grass, blades.
const Scene kScenes[] = {
    // Birch: a fresh spring morning, daisies in the new grass.
    {{0x78aedc, 0xbcd8ec, 0xf6f0d2, 0xffffff},
     {{4, 4}, 60, 0, 0xfff2c0},
     {{{104, 18, 11}, {112, 52, 6}}},
     {0xaac6bc, 0x98bc8e, 10, 1},
     {0xbcdc72, 0x64a03a, 0x4f8a2c},
     Season::Spring,
     Water::None},
    // Rowan: late summer in the uplands, clear midday, heather on the fells.
    {{0x4a88c6, 0x9cc2e0, 0xe8ecd8, 0xffffff},
     {{0, 0}, 0, 0, 0},
     {{{100, 12, 12, 0.7}, {118, 40, 7, 0.7}}},
     {0x8ea8c0, 0xa08aa4, 24, 3},
     {0xbcc468, 0x6e9a38, 0x5c7428},
     Season::LateSummer,
     Water::None},
    // Ash: a breezy early-summer noon, small clouds scudding across.
    {{0x5aa2de, 0xa4d0ee, 0xe6f4f2, 0xffffff},
     {{0, 0}, 0, 0, 0},
     {{{96, 9, 7}, {114, 26, 8}, {104, 50, 5}, {8, 62, 6}}},
     {0x9bb8c6, 0x7fae7a, 14, 5},
     {0xa6cc5c, 0x4e8c30, 0x3e7226},
     Season::Summer,
     Water::None},
    // Alder: a soft, bright overcast morning by the stream.
    {{0xaebdcc, 0xcfd8de, 0xeef0e8, 0xf6f8fa},
     {{0, 0}, 0, 0, 0},
     {{{34, 8, 18}, {98, 12, 20}, {70, 34, 12, 0.7}, {116, 44, 10, 0.7}}},
     {0xb6c4c2, 0x9cb39a, 8, 7},
     {0xa8c688, 0x5c8e48, 0x487838},
     Season::Summer,
     Water::Stream},
    // Willow: spring dawn over the stream, lilac and peach at the horizon.
    {{0x86a8d4, 0xd4c8dc, 0xfadcc4, 0xfde8e0},
     {{0, 62}, 56, 0, 0xffd8b0},
     {{{104, 20, 10, 0.5}, {112, 46, 7, 0.5}}},
     {0xbab4c8, 0x9eb49a, 10, 9},
     {0xb4cc7a, 0x5a9040, 0x467630},
     Season::Spring,
     Water::Stream},
    // Hawthorn: a clear May noon, the hedges white with blossom.
    {{0x5a9ad8, 0xa8d0ee, 0xeef4e4, 0xffffff},
     {{0, 0}, 0, 0, 0},
     {{{108, 14, 12}, {74, 8, 7}, {116, 48, 6}}},
     {0xa4c0c6, 0x98b872, 12, 11},
     {0xb4d866, 0x58963a, 0x4a7e2c},
     Season::Spring,
     Water::None},
    // Oak: high summer midday, deep blue with towering cumulus.
    {{0x3672bc, 0x7eb0de, 0xeceedc, 0xffffff},
     {{0, 0}, 0, 0, 0},
     {{{102, 22, 20}, {120, 48, 10}, {10, 62, 8}}},
     {0x8eaec0, 0x6f9e5c, 16, 13},
     {0x9cc24e, 0x44802a, 0x356a20},
     Season::Summer,
     Water::None},
    // Holly: a still winter morning, pale sky, snow on the ground.
    {{0x9cbad8, 0xd2deea, 0xf8efe6, 0xffffff},
     {{6, 6}, 64, 0, 0xfff4e0},
     {{{108, 14, 10, 0.45}, {90, 40, 7, 0.45}}},
     {0xbccadc, 0xe4eaf2, 14, 17},
     {0xf4f7fa, 0xd0dcea, 0x8a8468},
     Season::Winter,
     Water::None},
    // Hazel: an early-autumn afternoon, first yellow leaves in warm grass.
    {{0x5e94c8, 0xaecbe0, 0xf4e6c4, 0xfffaf0},
     {{0, 10}, 70, 0, 0xffe8b0},
     {{{94, 12, 9, 0.7}, {116, 54, 6}}},
     {0xaab4a4, 0xa8aa6a, 12, 19},
     {0xcec66a, 0x7e9038, 0x687030},
     Season::EarlyAutumn,
     Water::None},
    // Vine: a golden late-summer evening, the sun low between the posts.
    {{0x6c92c8, 0xe6caa4, 0xfcd890, 0xfde2c4},
     {{11, 70}, 58, 5, 0xffd070},
     {{{102, 20, 14, 0.45}, {112, 44, 8, 0.45}}},
     {0xc4aa94, 0xa8a062, 12, 23},
     {0xd8c468, 0x8a9438, 0x70782c},
     Season::LateSummer,
     Water::None},
    // Ivy: a clear late-autumn morning, bracken hills and fallen leaves.
    {{0x7aa4cc, 0xc2d2de, 0xf2e2cc, 0xfbf4ee},
     {{6, 30}, 58, 0, 0xffe4c0},
     {{{104, 14, 12, 0.6}, {118, 44, 7, 0.6}}},
     {0xaaa8b6, 0xb09468, 14, 29},
     {0xbcae68, 0x6e7a3c, 0x5e5a30},
     Season::LateAutumn,
     Water::None},
    // Reed: a breezy late-summer afternoon on the lake, high streaks of cloud.
    {{0x3c98c0, 0xa0d4e0, 0xf0f4e0, 0xffffff},
     {{0, 0}, 0, 0, 0},
     {{{36, 12, 16, 0.3}, {100, 20, 18, 0.3}, {74, 36, 11, 0.3}}},
     {0x9ab8c8, 0x88ac84, 6, 31},
     {0xb8cc70, 0x6a9a3c, 0x56802e},
     Season::LateSummer,
     Water::Lake},
    // Elder: a hazy high-summer afternoon, cloudless, gold along the horizon.
    {{0x76a4d4, 0xc6d8e0, 0xf8e2a8, 0xfff6e6},
     {{0, 24}, 70, 0, 0xfff0b0},
     {},
     {0xc2bea8, 0x8eae64, 10, 37},
     {0xb2cc5c, 0x548a30, 0x44742a},
     Season::Summer,
     Water::None},
};

struct TreeArt {
    const char *key;
    char16_t letter; // the tree's own Ogham letter, so not a run of code points
    void (*draw)(QPainter &);
};

const TreeArt kTrees[] = {
    {"Birch.jpg", 0x1681, drawBirch}, {"Rowan.jpg", 0x1682, drawRowan},   {"Ash.jpg", 0x1685, drawAsh},
    {"Alder.jpg", 0x1683, drawAlder}, {"Willow.jpg", 0x1684, drawWillow}, {"Hawthorn.jpg", 0x1686, drawHawthorn},
    {"Oak.jpg", 0x1687, drawOak},     {"Holly.jpg", 0x1688, drawHolly},   {"Hazel.jpg", 0x1689, drawHazel},
    {"Vine.jpg", 0x168b, drawVine},   {"Ivy.jpg", 0x168c, drawIvy},       {"Reed.jpg", 0x168d, drawReed},
    {"Elder.jpg", 0x168f, drawElder},
};
static_assert(std::size(kScenes) == std::size(kTrees), "every tree needs its scene");

} // namespace

QList<Group> artgen::treeGroups()
{
    Group group{QStringLiteral("trees"), QStringLiteral("ogham"), {}, QStringLiteral("Ogham trees")};
    for (size_t i = 0; i < std::size(kTrees); ++i) {
        const TreeArt &tree = kTrees[i];
        const Scene &scene = kScenes[i];
        group.pictures.append(
            {QString::fromLatin1(tree.key), kPictureSize, [tree, &scene](QPainter &p, const QSizeF &size) {
                 paintBackdrop(p, size, scene);
                 tree.draw(p);
                 paintMark(p, QChar(tree.letter));
                 paintFrame(p, size);
             }});
    }
    return {group};
}
