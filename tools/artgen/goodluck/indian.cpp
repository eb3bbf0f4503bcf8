// Indian good-luck symbols.
#include "style.h"

#include <QTransform>
#include <QtMath>
#include <cmath>

namespace artgen::goodluck {

namespace {

const QColor kVermilionLight{0xf5, 0x5a, 0x2a};
const QColor kVermilionDark{0x9e, 0x12, 0x0c};
const QColor kSaffron{0xf4, 0x9a, 0x1c};
const QColor kBrassDark{0x9a, 0x64, 0x10};

// A small repeatable scatter, so the coconut's fibres land the same way on
// every run.
struct Scatter {
    quint32 state;
    qreal next()
    {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / qreal(1 << 24);
    }
};

// A shape edged in gold and filled with red enamel inside the gold.
void enamel(QPainter &p, const QPainterPath &shape, qreal rim, P from, P to)
{
    const QPainterPath outer = shape.united(thick(shape, rim * 2));
    fill(p, outer, gold(from, to));
    fill(p, shape, linear(from, to, kVermilionLight, kVermilionDark), kDetail, QColor(0x6a, 0x0a, 0x04));
}

// ---- Aum

void drawAum(QPainter &p)
{
    const QPainterPath aum =
        glyph(QString::fromUtf8("ॐ"), QStringLiteral("Noto Serif Devanagari"), QRectF(7, 6, 86, 88));
    enamel(p, aum, 2.8, P(10, 8), P(90, 94));
}

// ---- Bell

void drawBell(QPainter &p)
{
    const QColor brassLight{0xff, 0xe4, 0x8a};
    // Chain: two links, the lower one turned to face us edge-on.
    const QPainterPath link1 = ellipse(P(50, 7), 3.4, 5).subtracted(ellipse(P(50, 7), 1.4, 3));
    fill(p, link1, gold(P(46, 2), P(54, 12)));
    const QPainterPath link2 = box(48.6, 10, 2.8, 8);
    fill(p, link2, gold(P(48, 10), P(52, 18)));
    // The ring the bell hangs by.
    const QPainterPath ring = ellipse(P(50, 20), 6, 5).subtracted(ellipse(P(50, 20), 3, 2.4));
    fill(p, ring, gold(P(44, 15), P(56, 25)));

    QPainterPath body(P(35, 32));
    body.cubicTo(P(35, 19), P(65, 19), P(65, 32));
    body.cubicTo(P(66, 54), P(72, 68), P(88, 78));
    body.quadTo(P(50, 88), P(12, 78));
    body.cubicTo(P(28, 68), P(34, 54), P(35, 32));
    // The clapper hangs below the mouth; draw it first so the lip covers its rod.
    fill(p, thick(segment(P(50, 76), P(50, 88)), 2.6), kBrassDark);
    fill(p, circle(P(50, 90), 5.2), lit(P(50, 90), 6, brassLight, kBrassDark));
    QLinearGradient brass(P(24, 40), P(80, 70));
    brass.setColorAt(0, brassLight);
    brass.setColorAt(0.45, QColor(0xf0, 0xb8, 0x3c));
    brass.setColorAt(1, QColor(0xb0, 0x70, 0x14));
    fill(p, body, brass);
    // A crowning knob and raised bands, the marks of a temple bell.
    fill(p, ellipse(P(50, 24.5), 8.5, 3.2), gold(P(41, 21), P(58, 28)));
    stroke(p, quad(P(35.4, 40), P(50, 44.5), P(64.6, 40)), kBrassDark, 1.4);
    stroke(p, quad(P(34.8, 46), P(50, 50.5), P(65.2, 46)), kBrassDark, 1.4);
    const QPainterPath band = quad(P(23, 70), P(50, 80), P(77, 70));
    stroke(p, band, kBrassDark, 2.2);
    for (qreal at : {0.15, 0.32, 0.5, 0.68, 0.85})
        fill(p, circle(band.pointAtPercent(at) + P(0, -0.3), 1.6), accent::indian, kDetail);
    // The mouth: the rim, and the dark hollow inside it.
    fill(p, ellipse(P(50, 80), 38, 7), linear(P(12, 76), P(88, 86), brassLight, kBrassDark));
    fill(p, ellipse(P(50, 80.6), 31.5, 4), QColor(0x4a, 0x30, 0x10), kDetail);
    highlight(p, quad(P(40, 30), P(37, 55), P(25, 72)).united(quad(P(25, 72), P(35, 56), P(42, 30))), 120);
}

// ---- Betel leaf

const QColor kLeafLight{0x9b, 0xdc, 0x5a};
const QColor kLeafDark{0x2f, 0x78, 0x22};
const QColor kLeafVein{0x23, 0x5e, 0x1a};

// A triangle with its corners rounded off by `r`, the shape of a folded paan.
QPainterPath roundedTriangle(P a, P b, P c, qreal r)
{
    const QList<P> corner = {a, b, c};
    auto towards = [](P from, P to, qreal d) {
        const P v = to - from;
        return from + v * (d / std::hypot(v.x(), v.y()));
    };
    QPainterPath path(towards(a, b, r));
    for (int i = 1; i <= 3; ++i) {
        const P at = corner[i % 3], prev = corner[i - 1], next = corner[(i + 1) % 3];
        path.lineTo(towards(at, prev, r));
        path.quadTo(at, towards(at, next, r));
    }
    path.closeSubpath();
    return path;
}

void drawBetelLeaf(QPainter &p)
{
    // The whole leaf, heart-shaped and glossy, leaning back behind the paan.
    QTransform t;
    t.translate(38, 42);
    t.rotate(16);
    t.scale(0.84, 0.84);
    t.translate(-50, -50);
    QPainterPath leaf(P(50, 20));
    leaf.cubicTo(P(38, 5), P(5, 9), P(7, 40));
    leaf.cubicTo(P(9, 63), P(35, 80), P(50, 99));
    leaf.cubicTo(P(65, 80), P(91, 63), P(93, 40));
    leaf.cubicTo(P(95, 9), P(62, 5), P(50, 20));
    fill(p, t.map(thick(quad(P(50, 22), P(46, 9), P(53, 1)), 4)), QColor(0x5c, 0x9a, 0x2e));
    fill(p, t.map(leaf), lit(t.map(P(46, 46)), 52, kLeafLight, kLeafDark));
    // Pale veins running out of the stalk: a midrib, two pairs that curve
    // round towards the tip and fade before it, and side veins branching off
    // to the edge, the way a betel leaf is veined.
    const QColor veinLight{0xd2, 0xee, 0x9a};
    QPainterPath main(P(50, 21));
    main.quadTo(P(51, 60), P(50, 93));
    QPainterPath side;
    for (int k : {-1, 1}) {
        main.moveTo(50, 22);
        main.cubicTo(P(50 + k * 22, 24), P(50 + k * 34, 44), P(50 + k * 22, 72));
        main.moveTo(50, 23);
        main.cubicTo(P(50 + k * 10, 32), P(50 + k * 18, 50), P(50 + k * 10, 80));
        for (qreal y : {34.0, 46.0, 58.0})
            side.moveTo(50 + k * (20 + (y - 34) * 0.25), y), side.quadTo(P(50 + k * 32, y + 2), P(50 + k * 38, y + 8));
        for (qreal y : {60.0, 72.0})
            side.moveTo(50 + k * 12, y), side.quadTo(P(50 + k * 18, y + 4), P(50 + k * 22, y + 12));
    }
    stroke(p, t.map(side), veinLight, 0.9);
    stroke(p, t.map(main), veinLight, 1.6);
    highlight(p, t.map(rotated(ellipse(P(30, 32), 9, 4), P(30, 32), -30)), 90);

    // In front, a paan: a leaf folded round its filling into a triangle and
    // pinned shut with a clove, drawn large enough to read beside the leaf.
    p.save();
    p.translate(62.7, 69.3);
    p.scale(1.2, 1.2);
    p.translate(-67.7, -73.3);
    const P top(69, 40), left(37, 94), right(97, 86);
    const QPainterPath parcel = roundedTriangle(top, left, right, 6);
    fill(p, parcel, linear(P(60, 46), P(92, 92), QColor(0x5a, 0xa2, 0x30), QColor(0x1e, 0x54, 0x16)));
    stroke(p, quad(P(69, 47), P(74, 70), P(70, 89)), kLeafVein, kDetail);
    // The leaf's own tip, folded over last and pinned where it ends.
    QPainterPath flap(P(60, 53));
    flap.cubicTo(P(70, 58), P(78, 64), P(84, 74));
    flap.cubicTo(P(74, 80), P(60, 86), P(44, 89));
    flap.closeSubpath();
    flap = flap.intersected(parcel);
    fill(p, flap, linear(P(48, 56), P(80, 90), QColor(0xa6, 0xe0, 0x62), QColor(0x3c, 0x86, 0x28)), kDetail);
    QPainterPath flapVeins(P(50, 74));
    flapVeins.quadTo(P(66, 74), P(82, 74));
    for (qreal x : {58.0, 68.0}) {
        flapVeins.moveTo(x - 4, 74.5);
        flapVeins.quadTo(P(x + 2, 72), P(x + 5, 64 + (x - 58) * 0.3));
        flapVeins.moveTo(x - 4, 74.5);
        flapVeins.quadTo(P(x + 2, 78), P(x + 4, 83.5 - (x - 58) * 0.3));
    }
    stroke(p, flapVeins, kLeafVein, 0.9);

    // The clove: a dark stalk driven through both layers, its bud on top.
    const QColor clove{0x5a, 0x30, 0x16};
    const QColor cloveLight{0xa8, 0x66, 0x34};
    const P bud(79, 72);
    fill(p, thick(segment(bud, bud + P(8, 13)), 4.2, Qt::FlatCap), linear(bud, bud + P(8, 13), cloveLight, clove),
         kDetail);
    QPainterPath sepals;
    for (int i = 0; i < 4; ++i)
        sepals = sepals.united(rotated(polygon({bud + P(-2.8, 0), bud + P(0, -8), bud + P(2.8, 0)}), bud, 45 + 90 * i));
    fill(p, sepals.simplified(), linear(bud + P(-5, -5), bud + P(5, 5), cloveLight, clove), kDetail);
    fill(p, circle(bud, 4), lit(bud, 4.8, QColor(0xc8, 0x84, 0x4a), clove), kDetail);
    p.restore();
}

// ---- Bindi

void drawBindi(QPainter &p)
{
    // A close look at the brow, so the red dot between the eyebrows is the
    // picture and not the woman wearing it.
    const QColor skinLight{0xf6, 0xcf, 0xa4};
    const QColor skin{0xd9, 0x98, 0x62};
    const QColor skinLine{0x9a, 0x5a, 0x34};
    const QColor hairLight{0x4e, 0x42, 0x46};
    const QPainterPath lens = circle(P(50, 50), 44);
    fill(p, lens, lit(P(50, 44), 60, skinLight, skin), 0);
    p.save();
    p.setClipPath(lens);
    // The bridge of the nose, shaded at its sides.
    for (int side : {-1, 1})
        fill(p,
             quad(P(50 + side * 7, 58), P(50 + side * 5, 76), P(50 + side * 9, 100))
                 .united(thick(quad(P(50 + side * 7, 58), P(50 + side * 5, 76), P(50 + side * 9, 100)), 5)),
             QColor(0xb8, 0x72, 0x44, 40), 0);
    // Hair parted in the middle, with sindoor along the parting.
    QPainterPath hair(P(0, 0));
    hair.lineTo(100, 0);
    hair.lineTo(100, 34);
    hair.cubicTo(P(88, 16), P(64, 14), P(50, 19));
    hair.cubicTo(P(36, 14), P(12, 16), P(0, 34));
    hair.closeSubpath();
    fill(p, hair, linear(P(20, 0), P(70, 30), hairLight, kHair), kOutline);
    QPainterPath strands;
    for (int side : {-1, 1})
        for (qreal k : {0.0, 6.0}) {
            strands.moveTo(50 + side * (2 + k / 3), 4 + k);
            strands.cubicTo(P(50 + side * (14 + k), 6 + k), P(50 + side * (28 + k), 10 + k),
                            P(50 + side * (44 + k), 26 + k));
        }
    stroke(p, strands, QColor(0x6a, 0x5c, 0x60), 0.9);
    stroke(p, segment(P(50, 0), P(50, 18)), QColor(0xe0, 0x24, 0x1a), 3.2);
    // Eyes under strong arched brows, lined with kohl.
    for (int side : {-1, 1}) {
        QPainterPath brow(P(50 + side * 10, 48));
        brow.quadTo(P(50 + side * 24, 36), P(50 + side * 42, 46));
        brow.quadTo(P(50 + side * 24, 40), P(50 + side * 10, 48));
        fill(p, thick(brow, 2.4), kHair, 0);
        const P eye(50 + side * 25, 65);
        QPainterPath almond(eye + P(-side * 12, 1));
        almond.quadTo(eye + P(0, -11), eye + P(side * 13, 0));
        almond.quadTo(eye + P(0, 8), eye + P(-side * 12, 1));
        fill(p, almond, kWhite, 0);
        p.save();
        p.setClipPath(almond);
        fill(p, circle(eye + P(-side * 1, 0), 6.5), lit(eye, 7, QColor(0x6a, 0x42, 0x24), QColor(0x2a, 0x16, 0x0c)), 0);
        fill(p, circle(eye + P(-side * 1, 0), 3), kHair, 0);
        fill(p, circle(eye + P(-side * 1 - 2, -2), 1.4), kWhite, 0);
        p.restore();
        QPainterPath lid(eye + P(-side * 12.5, 1.2));
        lid.quadTo(eye + P(0, -12), eye + P(side * 15, -2.5));
        stroke(p, lid, kHair, 2.4);
        stroke(p, quad(eye + P(-side * 11, 1.6), eye + P(0, 7), eye + P(side * 12, 0.5)), skinLine, 1.0);
        stroke(p, quad(eye + P(-side * 10, -6.5), eye + P(0, -13), eye + P(side * 12, -6)), skinLine, 0.8);
    }
    p.restore();
    fill(p, lens, Qt::NoBrush);

    // The bindi: a plain, bold red dot between the brows, with no setting
    // that could make it read as a jewel.
    const P dot(50, 40);
    fill(p, circle(dot, 9), lit(dot, 9, QColor(0xff, 0x3c, 0x2a), QColor(0xb0, 0x06, 0x10)), kOutline,
         QColor(0x5a, 0x08, 0x06));
    highlight(p, ellipse(dot + P(-3, -3.2), 2.4, 1.5), 120);
}

// ---- Coconut

void drawCoconut(QPainter &p)
{
    const QColor husk{0x7a, 0x4a, 0x22};
    const QColor huskLight{0xb0, 0x76, 0x3e};
    const QColor fibre{0x4a, 0x2a, 0x10};
    // The whole nut behind, with its hairy husk and three eyes.
    const P nut(60, 40);
    const QPainterPath whole = rotated(ellipse(nut, 30, 32), nut, 20);
    fill(p, whole, lit(nut, 38, huskLight, husk));
    Scatter s{7};
    p.save();
    p.setClipPath(whole);
    for (int i = 0; i < 70; ++i) {
        const qreal a = s.next() * 2 * M_PI;
        const qreal r = qSqrt(s.next()) * 30;
        const P at = nut + P(qCos(a) * r, qSin(a) * r);
        const qreal tilt = a + M_PI / 2 + (s.next() - 0.5);
        stroke(p, segment(at, at + P(qCos(tilt), qSin(tilt)) * 5), fibre, 0.8);
    }
    p.restore();
    // Tufts standing off the husk, so it reads hairy at a glance.
    for (int i = 0; i < 14; ++i) {
        const qreal a = qDegreesToRadians(-150 + 15.0 * i);
        const P root = nut + P(qCos(a) * 30, qSin(a) * 31);
        stroke(p, quad(root, root + P(qCos(a + 0.5), qSin(a + 0.5)) * 3, root + P(qCos(a + 0.2), qSin(a + 0.2)) * 5),
               fibre, 1.0);
    }
    for (P eye : {P(52, 22), P(60, 20), P(56, 28)})
        fill(p, ellipse(eye, 2.4, 2), QColor(0x2e, 0x1a, 0x0a), kDetail);

    // A split half in front: brown shell, white flesh, the pale hollow.
    const P half(36, 67);
    QPainterPath shell(half + P(-30, 0));
    shell.cubicTo(half + P(-30, 18), half + P(-16, 27), half + P(0, 27));
    shell.cubicTo(half + P(16, 27), half + P(30, 18), half + P(30, 0));
    shell.closeSubpath();
    fill(p, shell, lit(half + P(0, 8), 34, huskLight, husk));
    p.save();
    p.setClipPath(shell);
    Scatter t{31};
    for (int i = 0; i < 26; ++i) {
        const P at = half + P(-28 + t.next() * 56, 4 + t.next() * 22);
        stroke(p, segment(at, at + P(3 + t.next() * 2, 1.2)), fibre, 0.8);
    }
    p.restore();
    fill(p, ellipse(half, 30, 9), QColor(0x5a, 0x34, 0x14));
    fill(p, ellipse(half, 27, 7.6), linear(half + P(-20, -6), half + P(20, 6), kWhite, QColor(0xec, 0xe6, 0xd8)),
         kDetail);
    fill(p, ellipse(half + P(0, 0.6), 20.5, 5),
         linear(half + P(-18, -4), half + P(18, 4), QColor(0xf2, 0xee, 0xe2), QColor(0xd2, 0xcc, 0xbc)), kDetail,
         QColor(0xb8, 0xae, 0x98));
}

// ---- Conch

void drawConch(QPainter &p)
{
    p.save();
    p.translate(50, 50);
    p.rotate(24);
    p.scale(1.1, 1.1);
    p.translate(-50, -50);
    p.translate(-1, 1);
    // The spire: ever larger whorls stacked from the tip to the body.
    const QList<QRectF> whorls = {QRectF(6, 44, 11, 12), QRectF(12, 39, 16, 21), QRectF(19, 32, 22, 34)};
    const QPainterPath top = curve(P(30, 35), P(46, 21), P(72, 24), P(82, 37));
    QPainterPath shell(P(30, 35));
    shell.cubicTo(P(46, 21), P(72, 24), P(82, 37));
    shell.cubicTo(P(89, 45), P(94, 53), P(97, 60));
    shell.cubicTo(P(91, 62), P(85, 62), P(79, 64));
    shell.cubicTo(P(66, 77), P(44, 77), P(33, 67));
    shell.closeSubpath();
    for (const QRectF &w : whorls) {
        QPainterPath e;
        e.addEllipse(w);
        shell = shell.united(e);
    }
    shell = shell.united(polygon({P(2, 50), P(8, 47), P(8, 53)}));
    // Knobs along the shoulder of the body whorl.
    for (qreal at : {0.18, 0.4, 0.62, 0.84})
        shell = shell.united(circle(top.pointAtPercent(at) + P(0, 0.6), 3.2));
    shell = shell.simplified();
    fill(p, shell, lit(P(44, 40), 60, kWhite, QColor(0xdf, 0xcc, 0xb0)));
    // Each whorl's seam, the spiral turning round the spire.
    const QColor seam{0x8a, 0x6c, 0x4c};
    for (int i = 1; i < whorls.size(); ++i) {
        QPainterPath arc;
        arc.arcMoveTo(whorls[i], 75);
        arc.arcTo(whorls[i], 75, 210);
        stroke(p, arc, seam, 1.3);
    }
    QPainterPath bodySeam;
    bodySeam.arcMoveTo(QRectF(29, 26, 26, 48), 80);
    bodySeam.arcTo(QRectF(29, 26, 26, 48), 80, 200);
    stroke(p, bodySeam, seam, 1.3);
    // The ridges that wind round the body whorl.
    stroke(p, curve(P(42, 31), P(56, 34), P(72, 40), P(92, 57)), seam, 1.0);
    // The flared lip and the rosy opening inside it.
    QPainterPath lip(P(40, 60));
    lip.cubicTo(P(48, 86), P(84, 84), P(97, 60));
    lip.cubicTo(P(80, 66), P(58, 66), P(40, 60));
    fill(p, lip, linear(P(40, 60), P(95, 80), kWhite, QColor(0xe6, 0xd2, 0xb4)));
    QPainterPath mouth(P(47, 62));
    mouth.cubicTo(P(55, 78), P(80, 78), P(91, 62.5));
    mouth.cubicTo(P(76, 66.5), P(60, 66.5), P(47, 62));
    fill(p, mouth, linear(P(50, 62), P(80, 74), QColor(0xfb, 0xc0, 0x96), QColor(0xe0, 0x78, 0x58)), kDetail);
    highlight(p, rotated(ellipse(P(58, 33), 9, 2.6), P(58, 33), 4), 150);
    p.restore();
}

// ---- Lamp

void drawLamp(QPainter &p)
{
    const QColor clay{0xc0, 0x5a, 0x2a};
    const QColor clayLight{0xee, 0x9a, 0x5c};
    const QColor clayDark{0x86, 0x34, 0x16};
    // A warm glow round the flame; it carries no outline, being light.
    QRadialGradient glow(P(74, 32), 26);
    glow.setColorAt(0, QColor(0xff, 0xe0, 0x70, 170));
    glow.setColorAt(1, QColor(0xff, 0xc0, 0x40, 0));
    fill(p, circle(P(74, 32), 26), glow, 0);

    QPainterPath body(P(6, 62));
    body.cubicTo(P(8, 82), P(26, 90), P(42, 90));
    body.cubicTo(P(60, 90), P(74, 80), P(88, 60));
    body.cubicTo(P(70, 72), P(20, 74), P(6, 62));
    fill(p, body, linear(P(10, 62), P(70, 92), clayLight, clayDark));
    // Painted dots round the belly, as on a festival diya.
    const QPainterPath row = curve(P(13, 74), P(26, 84), P(56, 86), P(76, 74));
    for (int i = 0; i <= 8; ++i) {
        const P at = row.pointAtPercent(i / 8.0);
        fill(p, circle(at, 1.9), i % 2 ? QColor(kWhite) : QColor(0xf6, 0xc8, 0x3a), kDetail);
    }
    // The rim: the open bowl pinched to a spout on the right.
    QPainterPath rim(P(88, 60));
    rim.cubicTo(P(74, 52), P(64, 51), P(44, 51));
    rim.cubicTo(P(18, 51), P(6, 56), P(6, 62));
    rim.cubicTo(P(6, 68), P(22, 73), P(44, 73));
    rim.cubicTo(P(64, 73), P(74, 66), P(88, 60));
    fill(p, rim, linear(P(10, 52), P(80, 72), clayLight, clay));
    QPainterPath oil(P(80, 61));
    oil.cubicTo(P(70, 56), P(62, 55), P(44, 55));
    oil.cubicTo(P(22, 55), P(12, 58), P(12, 62));
    oil.cubicTo(P(12, 66), P(24, 69), P(44, 69));
    oil.cubicTo(P(62, 69), P(70, 64), P(80, 61));
    fill(p, oil, linear(P(14, 56), P(70, 68), QColor(0xf0, 0xb0, 0x40), QColor(0x9a, 0x5a, 0x10)), kDetail);
    // Wick and flame.
    fill(p, thick(quad(P(74, 61), P(80, 58), P(82, 54)), 2.4), QColor(0xf4, 0xe8, 0xd0), kDetail);
    QPainterPath flame(P(82, 56));
    flame.cubicTo(P(70, 56), P(68, 44), P(72, 35));
    flame.cubicTo(P(75, 27), P(80, 18), P(78, 6));
    flame.cubicTo(P(87, 16), P(94, 30), P(92, 42));
    flame.cubicTo(P(91, 51), P(88, 56), P(82, 56));
    QLinearGradient fire(P(80, 8), P(82, 56));
    fire.setColorAt(0, QColor(0xf2, 0x5a, 0x12));
    fire.setColorAt(0.5, QColor(0xfb, 0xa8, 0x1c));
    fire.setColorAt(1, QColor(0xff, 0xd8, 0x40));
    fill(p, flame, fire, kOutline, QColor(0x8a, 0x2a, 0x08));
    QPainterPath core(P(82, 53));
    core.cubicTo(P(76, 53), P(75, 45), P(78, 39));
    core.cubicTo(P(80, 35), P(81, 31), P(81, 27));
    core.cubicTo(P(86, 33), P(89, 42), P(87, 48));
    core.cubicTo(P(86, 52), P(84, 53), P(82, 53));
    fill(p, core, linear(P(80, 28), P(82, 53), QColor(0xff, 0xf2, 0xa0), QColor(0xff, 0xfc, 0xe8)), 0);
}

// ---- Pyramid

void drawPyramid(QPainter &p)
{
    groundShadow(p, P(52, 88), 46, 7);
    const P apex(46, 7), left(5, 83), front(60, 92), right(95, 77);
    const QPainterPath sunlit = polygon({apex, left, front});
    const QPainterPath shade = polygon({apex, front, right});
    // Sandstone warmed by saffron light on the left face, in shadow on the right.
    fill(p, sunlit, linear(apex, P(30, 90), QColor(0xff, 0xe0, 0x94), QColor(0xe8, 0x9c, 0x3c)));
    fill(p, shade, linear(apex, P(84, 86), QColor(0xc8, 0x84, 0x34), QColor(0x8e, 0x50, 0x1c)));
    for (int i = 1; i < 7; ++i) {
        const qreal t = i / 7.0;
        auto along = [&](P a, P b) { return a + (b - a) * t; };
        stroke(p, segment(along(apex, left), along(apex, front)), QColor(0xa8, 0x62, 0x22), kDetail);
        stroke(p, segment(along(apex, front), along(apex, right)), QColor(0x6a, 0x38, 0x12), kDetail);
    }
    // Gilded capstone catching the light.
    const qreal cap = 0.16;
    auto capAt = [&](P b) { return apex + (b - apex) * cap; };
    fill(p, polygon({apex, capAt(left), capAt(front)}), gold(apex, capAt(left)));
    fill(p, polygon({apex, capAt(front), capAt(right)}), linear(apex, capAt(right), kGold, kGoldDark));
    stroke(p, polygon({apex, left, front, right}), kLine, kOutline);
}

// ---- Rudraksha

void drawBead(QPainter &p, P c, qreal r)
{
    fill(p, circle(c, r), lit(c, r * 1.3, QColor(0xc2, 0x6e, 0x3a), QColor(0x5e, 0x28, 0x10)));
    // The deep grooves and knobbly ridges that make a rudraksha bead.
    const QColor groove{0x3a, 0x16, 0x06};
    stroke(p, quad(c + P(-r * 0.35, -r * 0.85), c + P(-r * 0.75, 0), c + P(-r * 0.35, r * 0.85)), groove, 0.8);
    stroke(p, quad(c + P(r * 0.35, -r * 0.85), c + P(r * 0.75, 0), c + P(r * 0.35, r * 0.85)), groove, 0.8);
    stroke(p, segment(c + P(0, -r * 0.9), c + P(0, r * 0.9)), groove, 0.8);
}

void drawRudraksha(QPainter &p)
{
    QPainterPath loop(P(50, 64));
    loop.cubicTo(P(4, 54), P(2, 2), P(50, 4));
    loop.cubicTo(P(98, 2), P(96, 54), P(50, 64));
    stroke(p, loop, accent::indian, 1.4);
    const int beads = 17;
    for (int i = 0; i < beads; ++i)
        drawBead(p, loop.pointAtPercent((i + 0.5) / beads), 5.8);
    // The tassel: the crowning bead, a gold knot and a red fringe.
    fill(p, thick(segment(P(50, 62), P(50, 78)), 1.6), accent::indian, kDetail);
    drawBead(p, P(50, 70), 6.6);
    fill(p, ellipse(P(50, 80), 4.6, 3.2), gold(P(45, 77), P(55, 83)));
    QPainterPath tassel(P(46.5, 83));
    tassel.cubicTo(P(45, 88), P(40, 92), P(38, 98));
    tassel.lineTo(62, 98);
    tassel.cubicTo(P(60, 92), P(55, 88), P(53.5, 83));
    tassel.closeSubpath();
    fill(p, tassel, linear(P(40, 84), P(60, 98), QColor(0xe0, 0x38, 0x2c), accent::indian));
    for (qreal x : {43.0, 47.0, 50.0, 53.0, 57.0})
        stroke(p, segment(P(50 + (x - 50) * 0.3, 87), P(x, 97)), QColor(0x60, 0x08, 0x0c), 0.8);
}

// ---- Swastika

void drawSwastika(QPainter &p)
{
    // The auspicious form stands square, arms turning clockwise.
    const qreal a = 10, b = 19, c = 45.5, d = 54.5, e = 81, f = 90;
    auto rect = [](qreal x0, qreal y0, qreal x1, qreal y1) { return box(x0, y0, x1 - x0, y1 - y0); };
    QPainterPath sign = rect(c, a, d, f).united(rect(a, c, f, d));
    sign = sign.united(rect(c, a, f, b)); // top arm turns right
    sign = sign.united(rect(e, c, f, f)); // right arm turns down
    sign = sign.united(rect(a, e, d, f)); // bottom arm turns left
    sign = sign.united(rect(a, a, b, d)); // left arm turns up
    enamel(p, sign.simplified(), 2.6, P(a, a), P(f, f));
    for (P dot : {P(32.25, 32.25), P(67.75, 32.25), P(67.75, 67.75), P(32.25, 67.75)}) {
        fill(p, circle(dot, 6.6), gold(dot - P(6, 6), dot + P(6, 6)));
        fill(p, circle(dot, 4.5), lit(dot, 5.4, kVermilionLight, kVermilionDark), kDetail);
    }
}

// ---- Tulsi

void drawTulsi(QPainter &p)
{
    const QColor plaster{0xf6, 0xec, 0xd8};
    const QColor plasterShade{0xd8, 0xc4, 0xa0};
    const QColor saffronDark{0xc8, 0x6a, 0x14};
    // The plant first, so the shrine's rim covers the roots of its stems:
    // a few woody stems set with pairs of broad, toothless basil leaves and
    // tipped with purple flower spikes.
    const QColor stem{0x6a, 0x46, 0x2a};
    const QList<QPainterPath> branches = {
        curve(P(50, 50), P(50, 36), P(50, 22), P(50, 6)),  curve(P(50, 48), P(42, 38), P(34, 28), P(30, 12)),
        curve(P(50, 48), P(58, 38), P(66, 28), P(70, 12)), curve(P(50, 49), P(38, 44), P(24, 38), P(14, 26)),
        curve(P(50, 49), P(62, 44), P(76, 38), P(86, 26)),
    };
    for (const QPainterPath &b : branches)
        fill(p, thick(b, 2.6), stem, kDetail);
    static const QColor leafDark[] = {{0x2a, 0x7a, 0x22}, {0x38, 0x8c, 0x2a}, {0x22, 0x62, 0x20}};
    static const QColor leafLight[] = {{0x7c, 0xc4, 0x4c}, {0x9c, 0xd6, 0x5c}, {0x62, 0xa4, 0x3e}};
    auto leaf = [&](P at, qreal degrees, qreal size, int k) {
        QPainterPath shape(P(0, 0));
        shape.cubicTo(P(0.2 * size, -0.75 * size), P(1.5 * size, -0.75 * size), P(2 * size, 0));
        shape.cubicTo(P(1.5 * size, 0.7 * size), P(0.2 * size, 0.7 * size), P(0, 0));
        QTransform t;
        t.translate(at.x(), at.y());
        t.rotate(degrees);
        fill(p, t.map(shape), lit(t.map(P(size * 0.8, -size * 0.2)), size * 1.6, leafLight[k % 3], leafDark[k % 3]),
             kDetail);
        stroke(p, t.map(segment(P(size * 0.3, 0), P(size * 1.7, 0))), kLeafVein, 0.7);
    };
    int k = 0;
    for (const QPainterPath &b : branches) {
        for (qreal at : {0.3, 0.55, 0.8}) {
            const qreal along = -b.angleAtPercent(at);
            for (int side : {-1, 1})
                leaf(b.pointAtPercent(at), along + side * 55, 6.2 - 1.6 * at, k++);
        }
    }
    for (const QPainterPath &b : branches) {
        const P tip = b.pointAtPercent(1);
        const qreal along = -b.angleAtPercent(1);
        QTransform t;
        t.translate(tip.x(), tip.y());
        t.rotate(along);
        fill(p, t.map(ellipse(P(2, 0), 5, 2.6)), lit(tip, 6, QColor(0xc8, 0x98, 0xd0), QColor(0x6a, 0x3a, 0x6e)),
             kDetail);
    }

    // The tulsi shrine: a tall plastered pillar on a stepped plinth, a rim
    // with little domed turrets at its corners, and an arched niche in front
    // where a lamp burns.
    fill(p, box(20, 88, 60, 6), linear(P(20, 88), P(80, 94), kSaffron, saffronDark));
    fill(p, box(24, 83, 52, 5.5), linear(P(24, 83), P(76, 88), plaster, plasterShade));
    fill(p, box(29, 54, 42, 29), linear(P(29, 54), P(71, 83), plaster, plasterShade));
    stroke(p, box(32, 57, 36, 23), accent::indian, 1.6);
    for (qreal x : {27.0, 73.0}) {
        QPainterPath turret(P(x - 4, 50));
        turret.lineTo(x - 4, 45);
        turret.cubicTo(P(x - 4, 40), P(x - 1, 39), P(x, 36));
        turret.cubicTo(P(x + 1, 39), P(x + 4, 40), P(x + 4, 45));
        turret.lineTo(x + 4, 50);
        turret.closeSubpath();
        fill(p, turret, linear(P(x - 4, 38), P(x + 4, 50), plaster, plasterShade));
        fill(p, circle(P(x, 35.5), 1.4), gold(P(x - 2, 34), P(x + 2, 37)), kDetail);
    }
    fill(p, box(22, 48, 56, 6.5), linear(P(22, 48), P(78, 55), kSaffron, saffronDark));
    QPainterPath niche(P(40, 80));
    niche.lineTo(40, 68);
    niche.cubicTo(P(40, 60), P(50, 58), P(50, 58));
    niche.cubicTo(P(50, 58), P(60, 60), P(60, 68));
    niche.lineTo(60, 80);
    niche.closeSubpath();
    fill(p, niche, linear(P(40, 60), P(60, 80), QColor(0x6a, 0x2a, 0x10), QColor(0x3a, 0x16, 0x08)));
    // The lamp's glow, its clay bowl and its flame.
    QRadialGradient glow(P(50, 71), 10);
    glow.setColorAt(0, QColor(0xff, 0xd8, 0x60, 200));
    glow.setColorAt(1, QColor(0xff, 0xa0, 0x20, 0));
    p.save();
    p.setClipPath(niche);
    fill(p, circle(P(50, 71), 10), glow, 0);
    p.restore();
    QPainterPath bowl(P(43.5, 75));
    bowl.lineTo(56.5, 75);
    bowl.quadTo(P(55, 80), P(50, 80));
    bowl.quadTo(P(45, 80), P(43.5, 75));
    bowl.closeSubpath();
    fill(p, bowl, linear(P(44, 75), P(56, 80), QColor(0xd8, 0x7a, 0x3a), QColor(0x8a, 0x3a, 0x14)), kDetail);
    QPainterPath flame(P(50, 63.5));
    flame.cubicTo(P(52.5, 67.5), P(53.5, 71), P(50, 74.5));
    flame.cubicTo(P(46.5, 71), P(47.5, 67.5), P(50, 63.5));
    fill(p, flame, linear(P(50, 64), P(50, 74.5), QColor(0xff, 0xf4, 0xa0), QColor(0xf4, 0x8a, 0x1c)), kDetail,
         QColor(0xb0, 0x4a, 0x0c));
}

// ---- Wheel

const QColor kCopperLight{0xf8, 0xc0, 0x84};
const QColor kCopper{0xc4, 0x68, 0x2a};
const QColor kTurquoise{0x36, 0xb8, 0xa8};
const QColor kTurquoiseDark{0x10, 0x6a, 0x60};

// The drum's axis and half-width; every ring round it is an ellipse this
// wide and kDrumRy deep, seen a little from above.
constexpr qreal kDrumX = 50, kDrumRx = 24, kDrumRy = 6.5;

// A point on the front of the drum at height y, `degrees` round from the
// middle of the face.
P drumPoint(qreal y, qreal degrees, qreal rx = kDrumRx)
{
    const qreal a = qDegreesToRadians(degrees);
    return P(kDrumX + rx * qSin(a), y + kDrumRy * qCos(a));
}

// The band of the drum's skin between two heights, as seen from the front.
QPainterPath drumBand(qreal y0, qreal y1)
{
    const QRectF top(kDrumX - kDrumRx, y0 - kDrumRy, 2 * kDrumRx, 2 * kDrumRy);
    const QRectF bottom = top.translated(0, y1 - y0);
    QPainterPath path;
    path.arcMoveTo(top, 180);
    path.arcTo(top, 180, 180);
    path.arcTo(bottom, 0, -180);
    path.closeSubpath();
    return path;
}

// One letter of the mantra, in a cell one unit wide and 1.5 high: a head
// stroke with a hooked stem beneath, varied by `k` so the line reads as
// script rather than a pattern.
QPainterPath letter(int k)
{
    QPainterPath g(P(-0.45, 0));
    g.lineTo(0.45, 0);
    switch (k % 5) {
    case 0:
        g.moveTo(0.3, 0);
        g.lineTo(0.3, 1.5);
        g.moveTo(-0.35, 0.4);
        g.quadTo(P(-0.1, 1.0), P(0.3, 0.7));
        break;
    case 1:
        g.moveTo(-0.3, 0);
        g.cubicTo(P(0.6, 0.4), P(0.4, 0.9), P(-0.3, 0.9));
        g.quadTo(P(0.2, 1.1), P(0.1, 1.5));
        break;
    case 2:
        g.moveTo(0, 0);
        g.lineTo(0, 1.5);
        g.moveTo(-0.4, 0.5);
        g.lineTo(0.4, 0.5);
        break;
    case 3:
        g.moveTo(-0.35, 0);
        g.lineTo(-0.35, 1.0);
        g.quadTo(P(0.1, 1.3), P(0.35, 0.8));
        g.lineTo(0.35, 0);
        break;
    default:
        g.moveTo(0.1, 0);
        g.quadTo(P(-0.5, 0.6), P(0.1, 0.8));
        g.quadTo(P(0.5, 1.0), P(0.2, 1.5));
        break;
    }
    return g;
}

void drawWheel(QPainter &p)
{
    // A hand prayer wheel caught mid-turn, leaning as it is swung.
    p.save();
    p.translate(50, 52);
    p.rotate(10);
    p.translate(-50, -52);
    p.translate(0, 1);

    const qreal top = 22, bottom = 60;
    const qreal weightY = 42;
    const P weight(91, weightY + 3);

    // The wooden handle, turned on a lathe, with a brass ferrule where it
    // meets the spindle.
    const QColor woodLight{0xd6, 0x98, 0x58};
    const QColor wood{0x8a, 0x4a, 0x1c};
    QPainterPath handle(P(46, 68));
    handle.lineTo(54, 68);
    handle.cubicTo(P(54.5, 73), P(55.8, 78), P(55.4, 83));
    handle.cubicTo(P(55.2, 86.5), P(56.6, 88.5), P(55.6, 91));
    handle.quadTo(P(50, 94.5), P(44.4, 91));
    handle.cubicTo(P(43.4, 88.5), P(44.8, 86.5), P(44.6, 83));
    handle.cubicTo(P(44.2, 78), P(45.5, 73), P(46, 68));
    handle.closeSubpath();
    fill(p, handle, linear(P(44, 70), P(58, 92), woodLight, wood));
    stroke(p, quad(P(47.6, 72), P(47, 79), P(47.6, 88)), QColor(0xf0, 0xc0, 0x88, 150), kDetail);
    stroke(p, quad(P(52.6, 72), P(53.4, 79), P(52.8, 88)), QColor(0x5c, 0x2c, 0x0c), 0.8);
    fill(p, ellipse(P(50, 85), 5.8, 1.8), gold(P(44, 84), P(56, 87)), kDetail);
    fill(p, box(45.2, 63, 9.6, 6), gold(P(45, 63), P(55, 69)), kDetail);
    fill(p, ellipse(P(50, 69), 4.8, 1.6), gold(P(45, 68), P(55, 70)), kDetail);

    // The drum: copper, with gilt rims and a band of the mantra round it.
    QPainterPath drum =
        box(kDrumX - kDrumRx, top, 2 * kDrumRx, bottom - top).united(ellipse(P(kDrumX, bottom), kDrumRx, kDrumRy));
    fill(p, drum, linear(P(26, 30), P(74, 64), kCopperLight, kCopper));
    const QPainterPath upperRim = drumBand(top, top + 7.5);
    const QPainterPath lowerRim = drumBand(bottom - 6.5, bottom);
    fill(p, upperRim, gold(P(26, top), P(74, top + 10)), kDetail);
    fill(p, lowerRim, gold(P(26, bottom - 6), P(74, bottom + 6)), kDetail);
    const QPainterPath mantra = drumBand(top + 10, bottom - 9);
    fill(p, mantra, linear(P(26, 34), P(74, 58), QColor(0xd8, 0x30, 0x26), accent::indian), kDetail);
    // The letters turn with the drum: crowded and narrow towards its edges.
    for (int i = 0; i < 7; ++i) {
        const qreal degrees = -66 + 22 * i;
        const P at = drumPoint(top + 11.6, degrees);
        QTransform t;
        t.translate(at.x(), at.y());
        t.scale(4.8 * qCos(qDegreesToRadians(degrees)), 5.2);
        stroke(p, t.map(letter(i * 3 + 1)), kGold, 1.1);
    }
    // Turquoise and coral set into the rims.
    for (int i = 0; i < 5; ++i) {
        const qreal degrees = -60 + 30 * i;
        const qreal squeeze = qCos(qDegreesToRadians(degrees));
        for (qreal y : {top + 3.7, bottom - 3.2}) {
            const P at = drumPoint(y, degrees);
            const bool blue = (i + (y > 40)) % 2 == 0;
            fill(p, ellipse(at, 2.4 * squeeze, 2.4),
                 blue ? lit(at, 3, QColor(0x9a, 0xec, 0xe0), kTurquoise) : lit(at, 3, kVermilionLight, kVermilionDark),
                 kDetail, blue ? kTurquoiseDark : QColor(0x6a, 0x0a, 0x04));
        }
    }
    highlight(p, ellipse(P(33, 42), 2.4, 14), 80);

    // The lid, and the lotus-bud finial that caps the spindle.
    fill(p, ellipse(P(kDrumX, top), kDrumRx, kDrumRy), gold(P(26, top - 6), P(74, top + 6)));
    QPainterPath dome(P(39, top));
    dome.cubicTo(P(39, top - 8), P(61, top - 8), P(61, top));
    dome.quadTo(P(50, top + 3.2), P(39, top));
    fill(p, dome, linear(P(40, top - 8), P(60, top + 2), kCopperLight, kCopper));
    QPainterPath bud(P(46.5, top - 5.5));
    bud.cubicTo(P(44, top - 9), P(46, top - 13), P(50, top - 17));
    bud.cubicTo(P(54, top - 13), P(56, top - 9), P(53.5, top - 5.5));
    bud.quadTo(P(50, top - 4), P(46.5, top - 5.5));
    fill(p, bud, gold(P(45, top - 16), P(55, top - 4)));
    fill(p, circle(P(50, top - 10), 1.6), lit(P(50, top - 10), 2.2, kVermilionLight, kVermilionDark), kDetail);

    // The weight, flung out on its chain, and the path it is sweeping.
    const QPainterPath chain = quad(drumPoint(weightY, 90) + P(1, 0), P(83, weightY + 1), weight);
    fill(p, circle(drumPoint(weightY, 90) + P(0.6, 0), 2), gold(P(72, weightY - 2), P(76, weightY + 2)), kDetail);
    for (int i = 0; i < 5; ++i) {
        const qreal t = (i + 0.5) / 5.4;
        const P at = chain.pointAtPercent(t);
        const qreal along = -chain.angleAtPercent(t);
        const QPainterPath link = rotated(ellipse(at, 2.1, i % 2 ? 0.8 : 1.4), at, along);
        fill(p, i % 2 ? link : link.subtracted(rotated(ellipse(at, 1, 0.4), at, along)), kGold, 0.8);
    }
    fill(p, circle(weight, 4.6), lit(weight, 5.5, QColor(0xff, 0xe8, 0x9a), kBrassDark));
    const QRectF orbit(kDrumX - 41, weight.y() - 10.5, 82, 21);
    QPainterPath trail;
    trail.arcMoveTo(orbit, -14);
    trail.arcTo(orbit, -14, -46);
    stroke(p, trail, QColor(0x3a, 0x25, 0x16, 190), 1.5);
    const QRectF outer = orbit.adjusted(-4, -3, 4, 3);
    QPainterPath trail2;
    trail2.arcMoveTo(outer, -10);
    trail2.arcTo(outer, -10, -30);
    stroke(p, trail2, QColor(0x3a, 0x25, 0x16, 140), 1.3);
    for (qreal y : {top + 6, top + 18, bottom - 6}) {
        QPainterPath swish;
        const QRectF ring(kDrumX - 31, y - 8.5, 62, 17);
        swish.arcMoveTo(ring, 196);
        swish.arcTo(ring, 196, 44);
        stroke(p, swish, QColor(0x3a, 0x25, 0x16, 180), 1.5);
    }
    p.restore();
}

} // namespace

QList<Symbol> indianSymbols()
{
    return {
        {"Aum", drawAum},
        {"Bell", drawBell},
        {"Betel Leaf (Paan)", drawBetelLeaf},
        {"Bindi or Dot", drawBindi},
        {"Coconut", drawCoconut},
        {"Conch shells (Shankh)", drawConch},
        {"Lamp", drawLamp},
        {"Pyramid", drawPyramid},
        {"Rudraksha", drawRudraksha},
        {"Swastika", drawSwastika},
        {"Tulsi", drawTulsi},
        {"Wheel", drawWheel},
    };
}

} // namespace artgen::goodluck
