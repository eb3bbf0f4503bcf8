// Chinese good-luck symbols that are things and signs.
#include "style.h"

#include <QtMath>
#include <cmath>

namespace artgen::goodluck {
namespace {

const QColor kRed{0xc8, 0x16, 0x1e};
const QColor kRedLight{0xf2, 0x4a, 0x36};
const QColor kRedDark{0x8c, 0x0c, 0x12};

// A pointed leaf from `base` towards `tip`, `width` across at its widest.
QPainterPath leaf(P base, P tip, qreal width)
{
    const P d = tip - base;
    const qreal len = std::hypot(d.x(), d.y());
    const P n(-d.y() / len * width / 2, d.x() / len * width / 2);
    QPainterPath path(base);
    path.cubicTo(base + d * 0.25 + n * 1.3, base + d * 0.7 + n * 0.9, tip);
    path.cubicTo(base + d * 0.7 - n * 0.9, base + d * 0.25 - n * 1.3, base);
    path.closeSubpath();
    return path;
}

void leafWithRib(QPainter &p, P base, P tip, qreal width, const QColor &light, const QColor &dark)
{
    fill(p, leaf(base, tip, width), linear(base, tip, light, dark));
    stroke(p, segment(base + (tip - base) * 0.12, base + (tip - base) * 0.8), dark.darker(140), kDetail);
}

// ---------------------------------------------------------------- bamboo

// Lucky bamboo: four jointed stalks tied with a red ribbon, standing in
// pebbles in a round blue bowl.
void drawBamboo(QPainter &p)
{
    const QColor green{0x4f, 0x9a, 0x32};
    const QColor greenLight{0xa8, 0xdc, 0x6a};
    const QColor greenDark{0x2c, 0x62, 0x1c};
    const QColor leafLight{0x9a, 0xd4, 0x5a};
    const QColor leafDark{0x34, 0x7e, 0x24};

    const P rim(50, 76);
    const qreal rimX = 31, rimY = 7;

    // the dark inside of the bowl, behind the stalks
    fill(p, ellipse(rim, rimX, rimY), QColor(0x1c, 0x2c, 0x4c));

    struct Stalk {
        qreal baseX, topX, topY;
    };
    // back to front: the shorter stalks stand behind
    const Stalk stalks[] = {{44, 30, 30}, {56, 72, 24}, {47, 42, 8}, {53, 58, 16}};
    const qreal baseY = 78, w = 7.5;
    for (const Stalk &s : stalks) {
        const P base(s.baseX, baseY), top(s.topX, s.topY);
        // leaves sprout from the upper joints, pointing outwards
        const qreal side = s.topX < 50 ? -1 : 1;
        const P j1 = top + (base - top) * 0.12;
        const P j2 = top + (base - top) * 0.3;
        leafWithRib(p, j1, j1 + P(side * 25, -5), 8.5, leafLight, leafDark);
        leafWithRib(p, j2, j2 + P(-side * 19, -10), 7.5, leafLight, leafDark);
        const QPainterPath stem = thick(segment(base, top), w, Qt::FlatCap);
        fill(p, stem, linear(P(base.x() - w / 2, 0), P(base.x() + w / 2, 0), greenLight, green));
        // joints: a dark ring with a light lip above it
        const P d = (top - base) / std::hypot(top.x() - base.x(), top.y() - base.y());
        const P n(-d.y(), d.x());
        for (qreal along = 13; along < baseY - s.topY - 4; along += 14) {
            const P at = top - d * along;
            stroke(p, segment(at - n * (w / 2 + 0.6), at + n * (w / 2 + 0.6)), greenDark, 1.4);
            stroke(p, segment(at + d * 1.4 - n * (w / 2 - 1), at + d * 1.4 + n * (w / 2 - 1)), greenLight.lighter(115),
                   0.9);
        }
        // the cut top of the stalk
        fill(p, rotated(ellipse(top, w / 2, 1.8), top, qRadiansToDegrees(std::atan2(n.y(), n.x()))),
             QColor(0xe6, 0xe0, 0x9a));
    }

    // pebbles heaped over the stalk feet
    struct Pebble {
        qreal x, y, rx, ry;
        QColor light, dark;
    };
    const QColor stoneA{0xe8, 0xe2, 0xd6}, stoneB{0xa8, 0x9e, 0x90};
    const QColor stoneC{0xd8, 0xb8, 0x92}, stoneD{0x9a, 0x74, 0x52};
    const QColor stoneE{0xb8, 0xbc, 0xbc}, stoneF{0x6e, 0x74, 0x78};
    const Pebble pebbles[] = {
        {28, 75, 6, 4, stoneC, stoneD},     {72, 75, 6, 4, stoneE, stoneF},     {38, 76, 6, 4.2, stoneA, stoneB},
        {62, 76, 6, 4.2, stoneC, stoneD},   {50, 77, 6.5, 4.2, stoneE, stoneF}, {44, 80, 5.5, 3.5, stoneC, stoneD},
        {56, 80, 5.5, 3.5, stoneA, stoneB}, {32, 79, 5, 3.4, stoneE, stoneF},   {68, 79, 5, 3.4, stoneA, stoneB},
    };
    for (const Pebble &s : pebbles)
        fill(p, ellipse(P(s.x, s.y), s.rx, s.ry), lit(P(s.x, s.y), s.rx * 1.4, s.light, s.dark));

    // the bowl: its front wall hides the lower half of the rim
    QPainterPath bowl(rim + P(-rimX, 0));
    bowl.cubicTo(rim + P(-rimX, 2 * rimY * 0.55), rim + P(rimX, 2 * rimY * 0.55), rim + P(rimX, 0));
    bowl.cubicTo(P(81, 88), P(70, 95), P(58, 95));
    bowl.lineTo(42, 95);
    bowl.cubicTo(P(30, 95), P(19, 88), rim + P(-rimX, 0));
    bowl.closeSubpath();
    fill(p, bowl, linear(P(24, 76), P(72, 96), QColor(0x5a, 0x86, 0xd0), QColor(0x1c, 0x3c, 0x86)));
    stroke(p,
           curve(rim + P(-rimX + 3, 4.5), rim + P(-rimX + 8, 2 * rimY * 0.55 + 3),
                 rim + P(rimX - 8, 2 * rimY * 0.55 + 3), rim + P(rimX - 3, 4.5)),
           kGold, 1.6);
    highlight(p, rotated(ellipse(P(29, 84), 3.5, 1.6), P(29, 84), 50), 120);

    // the ribbon round the stalks, with a bow in front
    const qreal tieY = 58;
    QPainterPath band = thick(curve(P(38, tieY - 1), P(44, tieY + 2), P(56, tieY + 2), P(62, tieY - 1)), 4.5);
    const QBrush ribbon = linear(P(40, tieY - 8), P(60, tieY + 12), kRedLight, kRed);
    fill(p, band, ribbon);
    const P knot(50, tieY + 1.5);
    QPainterPath tails(knot);
    tails.lineTo(knot + P(-7, 14));
    tails.lineTo(knot + P(-3, 13));
    tails.lineTo(knot + P(-1.5, 15.5));
    tails.closeSubpath();
    tails.moveTo(knot);
    tails.lineTo(knot + P(2, 15));
    tails.lineTo(knot + P(4.5, 12.5));
    tails.lineTo(knot + P(8, 13.5));
    tails.closeSubpath();
    fill(p, tails, ribbon);
    QPainterPath loops(knot);
    loops.cubicTo(knot + P(-6, -10), knot + P(-14, -4), knot + P(-10, 3));
    loops.cubicTo(knot + P(-8, 6), knot + P(-3, 3), knot);
    loops.cubicTo(knot + P(6, -10), knot + P(14, -4), knot + P(10, 3));
    loops.cubicTo(knot + P(8, 6), knot + P(3, 3), knot);
    fill(p, loops, ribbon);
    fill(p, ellipse(knot, 2.6, 2.4), kRed);
}

// ---------------------------------------------------------------- Fu

// The character for good fortune in gold on a red diamond, as hung on doors
// at the New Year.
void drawFu(QPainter &p)
{
    const QPainterPath diamond = polygon({P(50, 5), P(95, 50), P(50, 95), P(5, 50)});
    fill(p, diamond, lit(P(50, 50), 56, kRedLight, kRedDark));
    stroke(p, polygon({P(50, 12.5), P(87.5, 50), P(50, 87.5), P(12.5, 50)}), kGold, 1.8);
    const QPainterPath fu =
        glyph(QStringLiteral("福"), QStringLiteral("Noto Serif CJK SC"), QRectF(25, 25, 50, 50), QFont::Black);
    fill(p, fu, gold(P(30, 28), P(68, 72)), kDetail);
}

// ---------------------------------------------------------------- gold

// One boat-shaped ingot (yuanbao), `w` wide, centred at `at`.
void ingot(QPainter &p, P at, qreal w, qreal line = kOutline)
{
    const qreal k = w / 100;
    p.save();
    p.translate(at);
    p.scale(k, k);
    const qreal lw = line / k;
    // the hollow between the raised ends, seen a little from above
    QPainterPath hollow(P(-46, -20));
    hollow.cubicTo(P(-30, -32), P(30, -32), P(46, -20));
    hollow.cubicTo(P(30, -6), P(-30, -6), P(-46, -20));
    fill(p, hollow, linear(P(0, -30), P(0, -8), kGoldDark, kGold), lw);
    // the round dome rising out of it
    fill(p, ellipse(P(0, -15), 21, 16), lit(P(0, -15), 26, QColor(0xff, 0xf4, 0xc4), kGold), lw);
    highlight(p, rotated(ellipse(P(-8, -23), 6, 2.6), P(-8, -23), -25), 150);
    QPainterPath body(P(-50, -22));
    body.cubicTo(P(-30, -4), P(30, -4), P(50, -22));
    body.cubicTo(P(48, 0), P(38, 20), P(22, 24));
    body.quadTo(P(0, 28), P(-22, 24));
    body.cubicTo(P(-38, 20), P(-48, 0), P(-50, -22));
    body.closeSubpath();
    fill(p, body, gold(P(-40, -20), P(26, 30)), lw);
    // the rolled edge of the front lip
    stroke(p, curve(P(-44, -15), P(-28, -1), P(28, -1), P(44, -15)), QColor(0xff, 0xec, 0xa0), 2.2 * lw / kOutline);
    p.restore();
}

// A small heap of gold ingots.
void drawGoldIngots(QPainter &p)
{
    ingot(p, P(50, 32), 52);
    ingot(p, P(28, 52), 52);
    ingot(p, P(72, 52), 52);
    ingot(p, P(50, 73), 64);
}

// ---------------------------------------------------------------- jade

// A carved jade disc (bi) hung on a red cord, with a knot above and a tassel
// below.
void drawJade(QPainter &p)
{
    const P c(50, 47);
    const qreal r = 30, hole = 9.5;
    const QColor jadeLight{0xb8, 0xeb, 0xc0}, jade{0x2e, 0x96, 0x5a}, jadeDark{0x17, 0x63, 0x39};

    // the cord behind the disc, from the hole down to the tassel
    const QPainterPath lower = thick(segment(c + P(0, -3), P(50, 80)), 3.6);
    fill(p, lower, linear(P(48, 0), P(52, 0), kRedLight, kRed), kDetail + 0.2);

    const QPainterPath bi = circle(c, r).subtracted(circle(c, hole));
    fill(p, bi, lit(c, r * 1.25, jadeLight, jade));
    stroke(p, circle(c, r - 4), jadeDark, kDetail);
    stroke(p, circle(c, hole + 3.5), jadeDark, kDetail);
    // raised grain carved between the rings
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(30.0 * i + 15);
        const P at = c + P(qCos(a), qSin(a)) * (hole + 9.5);
        fill(p, circle(at, 2.7), lit(at, 3.6, QColor(0xd4, 0xf6, 0xd8), QColor(0x4c, 0xb0, 0x72)), kDetail, jadeDark);
    }
    highlight(p, rotated(ellipse(P(31, 32), 7.5, 3), P(31, 32), -45), 150);

    // the knot at the top and the two strands down into the hole
    QPainterPath strands(P(50, 14));
    strands.cubicTo(P(44, 22), P(44, 32), P(49, 45));
    strands.moveTo(50, 14);
    strands.cubicTo(P(56, 22), P(56, 32), P(51, 45));
    const QBrush cordRed = linear(P(44, 10), P(56, 40), kRedLight, kRed);
    fill(p, thick(strands, 3.6), cordRed, kDetail + 0.2);
    // a small Chinese knot: a diamond of cord with a loop at each side
    const P k(50, 9);
    QPainterPath knot = circle(k + P(-6, 0), 3).united(circle(k + P(6, 0), 3)).united(circle(k + P(0, -5.5), 2.6));
    knot = knot.united(polygon({k + P(0, -6.5), k + P(6.5, 0), k + P(0, 6.5), k + P(-6.5, 0)}));
    fill(p, knot, cordRed);
    stroke(p, polygon({k + P(0, -3.6), k + P(3.6, 0), k + P(0, 3.6), k + P(-3.6, 0)}), kRedDark, kDetail);

    // the tassel: a gold bead, a bound head and a fall of threads
    fill(p, circle(P(50, 80.5), 3.6), lit(P(50, 80.5), 4.5, QColor(0xff, 0xf0, 0xb0), kGold));
    QPainterPath tassel(P(47.2, 84));
    tassel.lineTo(52.8, 84);
    tassel.cubicTo(P(54, 88), P(57, 93), P(58, 97));
    tassel.quadTo(P(50, 98.5), P(42, 97));
    tassel.cubicTo(P(43, 93), P(46, 88), P(47.2, 84));
    tassel.closeSubpath();
    fill(p, tassel, linear(P(44, 84), P(56, 98), kRedLight, kRed));
    QPainterPath threads;
    for (qreal x : {-4.0, 0.0, 4.0}) {
        threads.moveTo(50 + x * 0.3, 88);
        threads.lineTo(50 + x, 96.5);
    }
    stroke(p, threads, kRedDark, kDetail);
    fill(p, box(46.5, 83.2, 7, 3), kGold, kDetail);
}

// ---------------------------------------------------------------- orchid

// One moth-orchid flower facing us: a narrow sepal above, two below, two
// broad round petals to the sides and the bright lip in the middle.
void orchidFlower(QPainter &p, P c, qreal s, qreal angle)
{
    p.save();
    p.translate(c);
    p.rotate(angle);
    const QBrush petalFill = lit(P(0, 0), s * 1.1, QColor(0xff, 0xf4, 0xfa), QColor(0xe4, 0x7c, 0xc0));
    auto petal = [&](qreal deg, qreal length, qreal width) {
        QPainterPath path(P(0, 0));
        path.cubicTo(P(-width, -length * 0.3), P(-width * 0.9, -length), P(0, -length));
        path.cubicTo(P(width * 0.9, -length), P(width, -length * 0.3), P(0, 0));
        fill(p, rotated(path, P(0, 0), deg), petalFill);
    };
    petal(0, s * 0.95, s * 0.34);
    petal(145, s * 0.9, s * 0.32);
    petal(-145, s * 0.9, s * 0.32);
    petal(80, s * 0.92, s * 0.72);
    petal(-80, s * 0.92, s * 0.72);
    // the lip: two side lobes curling up and a deep front lobe
    const qreal u = s / 20;
    fill(p, ellipse(P(-4.5 * u, 4 * u), 3.4 * u, 4.8 * u),
         linear(P(0, 0), P(0, 9 * u), QColor(0xff, 0xd8, 0x3c), QColor(0xe0, 0x40, 0x70)));
    fill(p, ellipse(P(4.5 * u, 4 * u), 3.4 * u, 4.8 * u),
         linear(P(0, 0), P(0, 9 * u), QColor(0xff, 0xd8, 0x3c), QColor(0xe0, 0x40, 0x70)));
    QPainterPath lip(P(-3 * u, 4 * u));
    lip.cubicTo(P(-7 * u, 10 * u), P(-5 * u, 15 * u), P(0, 15 * u));
    lip.cubicTo(P(5 * u, 15 * u), P(7 * u, 10 * u), P(3 * u, 4 * u));
    lip.closeSubpath();
    fill(p, lip, linear(P(0, 4 * u), P(0, 15 * u), QColor(0xe8, 0x3a, 0x8a), QColor(0x9a, 0x10, 0x5a)));
    // the column
    fill(p, ellipse(P(0, -1 * u), 2.6 * u, 3.4 * u), QColor(0xff, 0xfb, 0xf2), kDetail);
    p.restore();
}

void bud(QPainter &p, P at, qreal r, qreal angle)
{
    fill(p, rotated(ellipse(at, r, r * 0.8), at, angle),
         lit(at, r * 1.3, QColor(0xfb, 0xe0, 0xf0), QColor(0xcc, 0x6a, 0xac)));
}

// An orchid spray: two broad leaves, an arching stem with open flowers
// and buds at its tip.
void drawOrchid(QPainter &p)
{
    const QColor leafLight{0x7c, 0xb8, 0x48}, leafDark{0x2e, 0x6a, 0x22};
    const QColor stemGreen{0x6a, 0x9a, 0x3a};
    // the stem rises from the leaves and arches over to the left
    QPainterPath stem(P(74, 90));
    stem.cubicTo(P(80, 56), P(76, 24), P(52, 16));
    stem.cubicTo(P(36, 12), P(22, 18), P(14, 30));
    fill(p, thick(stem, 2.8), linear(P(60, 10), P(80, 90), stemGreen.lighter(130), stemGreen), kDetail);
    // a short stalk to each flower
    fill(p, thick(quad(P(44, 15), P(40, 24), P(36, 32)), 2.4), stemGreen, kDetail);
    fill(p, thick(quad(P(76, 40), P(72, 44), P(70, 48)), 2.4), stemGreen, kDetail);
    bud(p, P(14, 31), 3.4, 70);
    bud(p, P(22, 21), 4.2, 40);
    bud(p, P(31, 15.5), 4.6, 20);

    // broad fleshy leaves at the foot
    QPainterPath left(P(74, 90));
    left.cubicTo(P(60, 78), P(34, 78), P(22, 88));
    left.cubicTo(P(38, 94), P(60, 96), P(74, 90));
    fill(p, left, linear(P(30, 80), P(70, 96), leafLight, leafDark));
    stroke(p, quad(P(70, 90), P(48, 84), P(28, 88)), leafDark.darker(130), kDetail);
    QPainterPath right(P(72, 91));
    right.cubicTo(P(78, 80), P(90, 74), P(96, 76));
    right.cubicTo(P(94, 86), P(84, 94), P(72, 91));
    fill(p, right, linear(P(74, 78), P(94, 92), leafLight, leafDark));
    stroke(p, quad(P(75, 89), P(84, 80), P(93, 78)), leafDark.darker(130), kDetail);

    orchidFlower(p, P(70, 50), 20, 10);
    orchidFlower(p, P(35, 50), 26, -6);
}

// ---------------------------------------------------------------- ship

// A junk under red battened sails, laden with gold, on the waves.
void drawWealthShip(QPainter &p)
{
    const QColor wood{0xb8, 0x74, 0x38}, woodDark{0x6e, 0x3c, 0x16};
    struct Sail {
        qreal mast, top, bottom, width;
    };
    // the main sail first, then the smaller fore and mizzen sails
    const Sail sails[] = {{46, 6, 60, 28}, {22, 22, 61, 20}, {76, 26, 57, 15}};
    for (const Sail &s : sails) {
        fill(p, thick(segment(P(s.mast, s.top - 4), P(s.mast, 66)), 2.6, Qt::FlatCap),
             linear(P(s.mast - 1, 0), P(s.mast + 1, 0), wood, woodDark), kDetail);
        // the sail hangs aft of its mast, its back edge a full curve
        QPainterPath sail(P(s.mast + 1, s.top + 3));
        sail.lineTo(s.mast + s.width * 0.7, s.top);
        sail.cubicTo(P(s.mast + s.width * 1.2, s.top + (s.bottom - s.top) * 0.3),
                     P(s.mast + s.width * 1.1, s.top + (s.bottom - s.top) * 0.8), P(s.mast + s.width, s.bottom));
        sail.lineTo(s.mast + 1, s.bottom);
        sail.closeSubpath();
        fill(p, sail, linear(P(s.mast, s.top), P(s.mast + s.width, s.bottom), kRedLight, kRed));
        QPainterPath battens;
        for (int i = 1; i < 5; ++i) {
            const qreal y = s.top + (s.bottom - s.top) * i / 5;
            battens.moveTo(s.mast + 1, y - 1);
            battens.quadTo(s.mast + s.width * 0.6, y + 1.5, s.mast + s.width * 1.2, y + 1);
        }
        p.save();
        p.setClipPath(sail);
        stroke(p, battens, kRedDark, 1.2);
        p.restore();
        stroke(p, sail, kLine, kOutline);
    }
    // a pennant at the main masthead
    fill(p, polygon({P(46, 2), P(36, 4), P(46, 6.5)}), kGold, kDetail);

    // gold heaped high on deck, so the cargo reads before the boat
    for (P at : {P(25, 60), P(67, 60), P(46, 59), P(35, 52), P(57, 52), P(46, 45)})
        ingot(p, at, 24, 1.2);

    // the hull: a low bow at the left, a high square stern at the right
    QPainterPath hull(P(6, 58));
    hull.quadTo(P(40, 68), P(78, 62));
    hull.lineTo(80, 54);
    hull.lineTo(95, 50);
    hull.quadTo(P(94, 70), P(84, 80));
    hull.lineTo(26, 82);
    hull.quadTo(P(12, 74), P(6, 58));
    hull.closeSubpath();
    fill(p, hull, linear(P(20, 58), P(60, 84), wood, woodDark));
    p.save();
    p.setClipPath(hull);
    stroke(p, quad(P(8, 66), P(44, 76), P(96, 62)), kGold, 2.6);
    stroke(p, quad(P(8, 66), P(44, 76), P(96, 62)).translated(0, 2), kLine, kDetail);
    stroke(p, quad(P(8, 66), P(44, 76), P(96, 62)).translated(0, -2), kLine, kDetail);
    p.restore();
    stroke(p, hull, kLine, kOutline);
    // the stern cabin's window and the bow's watchful eye
    fill(p, box(84, 55, 6, 5), kRed, kDetail);
    fill(p, circle(P(17, 69), 3.2), kWhite, kDetail);
    fill(p, circle(P(16.4, 69), 1.6), kHair, 0);

    // waves
    QPainterPath sea(P(6, 88));
    for (int i = 0; i < 6; ++i) {
        const qreal x = 6 + i * 14.7;
        sea.cubicTo(P(x + 3, 80), P(x + 12, 80), P(x + 14.7, 86));
    }
    sea.quadTo(P(94, 94), P(84, 95));
    sea.lineTo(16, 95);
    sea.quadTo(P(4, 94), P(6, 88));
    sea.closeSubpath();
    fill(p, sea, linear(P(0, 80), P(0, 96), QColor(0x6c, 0xb4, 0xe4), QColor(0x1e, 0x5c, 0xa8)));
    QPainterPath foam;
    for (int i = 0; i < 6; ++i) {
        const qreal x = 6 + i * 14.7;
        foam.moveTo(x + 4, 86);
        foam.quadTo(P(x + 7.5, 82.5), P(x + 11, 85));
    }
    stroke(p, foam, kWhite, 1.4);
}

// ---------------------------------------------------------------- yin yang

// The taijitu: dark and light halves turning into each other, each with a
// seed of the other.
void drawYinYang(QPainter &p)
{
    const P c(50, 50);
    const qreal r = 44;
    const QPainterPath whole = circle(c, r);
    const QPainterPath upper = circle(c - P(0, r / 2), r / 2);
    const QPainterPath lower = circle(c + P(0, r / 2), r / 2);
    const QPainterPath dark =
        whole.intersected(box(c.x() - r - 1, c.y() - r - 1, r + 1, 2 * r + 2)).subtracted(upper).united(lower);
    fill(p, whole, lit(c, r * 1.2, QColor(0xff, 0xff, 0xfc), QColor(0xe4, 0xdc, 0xcc)));
    fill(p, dark, lit(c, r * 1.2, QColor(0x5a, 0x52, 0x50), QColor(0x16, 0x12, 0x12)));
    fill(p, circle(c - P(0, r / 2), r / 7), QColor(0x1e, 0x1a, 0x1a));
    fill(p, circle(c + P(0, r / 2), r / 7), QColor(0xfb, 0xf8, 0xf1));
    stroke(p, whole, kLine, kOutline + 0.5);
}

} // namespace

QList<Symbol> chineseSymbols()
{
    return {
        {"Bamboo", drawBamboo}, {"Fu Symbol", drawFu},           {"Gold Ingots", drawGoldIngots}, {"Jade", drawJade},
        {"Orchid", drawOrchid}, {"Wealth Ship", drawWealthShip}, {"Yin Yang", drawYinYang},
    };
}

} // namespace artgen::goodluck
