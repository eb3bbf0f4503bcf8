// Arabian good-luck symbols: the leaping dolphins and the hamsa.
#include "style.h"

#include <QPolygonF>
#include <QTransform>
#include <cmath>

namespace artgen::goodluck {

namespace {

// ---- the dolphins

const QColor kDolphin{0x4f, 0x86, 0xb0};
const QColor kDolphinDark{0x2c, 0x55, 0x7a};
const QColor kDolphinBelly{0xe4, 0xf0, 0xf2};
const QColor kSea{0x1c, 0x8a, 0x94};
const QColor kSeaLight{0x7c, 0xd0, 0xcc};

// Bends a path drawn straight along the x axis into an arch of radius
// `radius`, so the dolphin's body and all its parts curve together.
P arched(P q, qreal radius)
{
    const qreal a = q.x() / radius;
    return P(std::sin(a) * (radius - q.y()), radius - std::cos(a) * (radius - q.y()));
}

QPainterPath arched(const QPainterPath &straight, qreal radius, bool closed = true)
{
    QPainterPath out;
    // Flattened large so the curves stay smooth once bent.
    const QTransform up = QTransform::fromScale(10, 10);
    for (const QPolygonF &poly : up.map(straight).toSubpathPolygons()) {
        QPolygonF bent;
        for (const QPointF &q : poly)
            bent << arched(q / 10, radius);
        out.addPolygon(bent);
        if (closed)
            out.closeSubpath();
    }
    return out;
}

// One dolphin in profile facing right, its body arched in the leap, drawn
// about the origin through `t`.
void dolphin(QPainter &p, const QTransform &t)
{
    const qreal bend = 40;
    auto place = [&](const QPainterPath &straight) { return t.map(arched(straight, bend)); };

    // Tail flukes and the far flipper lie behind the body.
    QPainterPath flukes(P(-27, -1));
    flukes.cubicTo(P(-31, -4), P(-35, -9), P(-40, -10));
    flukes.cubicTo(P(-38, -5), P(-36, -2), P(-35, 0));
    flukes.cubicTo(P(-36, 2), P(-38, 5), P(-40, 10));
    flukes.cubicTo(P(-35, 9), P(-31, 4), P(-27, 1.5));
    flukes.closeSubpath();
    fill(p, place(flukes), kDolphinDark);
    QPainterPath fin(P(4, -8.5));
    fin.cubicTo(P(0, -14), P(-5, -18), P(-11, -19));
    fin.cubicTo(P(-8, -15), P(-7, -11), P(-8, -6));
    fin.closeSubpath();
    fill(p, place(fin), linear(P(0, -20), P(0, -6), kDolphin, kDolphinDark));

    // The body: long beak, round melon, tapering tail stock.
    QPainterPath body(P(33, 2.2));
    body.cubicTo(P(30, 0.4), P(26, 0), P(23, -1.5));
    body.cubicTo(P(20, -7), P(12, -9.5), P(2, -9.5));
    body.cubicTo(P(-10, -9), P(-20, -5), P(-28, -1.5));
    body.lineTo(-28, 1.8);
    body.cubicTo(P(-18, 4), P(-8, 8.5), P(6, 8.5));
    body.cubicTo(P(16, 8.5), P(24, 5.5), P(33, 3.6));
    body.closeSubpath();
    const QPainterPath shape = place(body);
    fill(p, shape, linear(t.map(P(0, -10)), t.map(P(0, 9)), kDolphin.lighter(125), kDolphinDark));
    // Pale belly and throat.
    QPainterPath belly(P(34, 2.9));
    belly.cubicTo(P(26, 3), P(16, 2), P(8, 2.5));
    belly.cubicTo(P(-4, 3), P(-14, 3), P(-26, 1.6));
    belly.lineTo(-26, 12);
    belly.lineTo(34, 12);
    belly.closeSubpath();
    fill(p, place(belly).intersected(shape), kDolphinBelly, 0);
    stroke(p, shape, kLine, kOutline);
    // Near flipper, eye and the line of the mouth.
    QPainterPath flipper(P(13, 4));
    flipper.cubicTo(P(11, 8), P(7, 11), P(3, 13));
    flipper.cubicTo(P(5, 9), P(6, 6), P(6.5, 4.5));
    flipper.closeSubpath();
    fill(p, place(flipper), kDolphinDark);
    animalEye(p, t.map(arched(P(20.5, -1.5), bend)), 1.6);
    stroke(p, t.map(arched(quad(P(31, 2.9), P(27, 3.2), P(24, 1.8)), bend, false)), kLine, kDetail);
}

void wave(QPainter &p)
{
    // The back swell, then the curling crest in front of the dolphins' tails.
    QPainterPath back(P(6, 80));
    back.cubicTo(P(20, 72), P(34, 74), P(50, 79));
    back.cubicTo(P(66, 84), P(80, 76), P(94, 78));
    back.lineTo(94, 92);
    back.quadTo(P(50, 96), P(6, 92));
    back.closeSubpath();
    fill(p, back, linear(P(0, 72), P(0, 94), kSea.lighter(115), kSea.darker(125)));
}

void waveFront(QPainter &p)
{
    QPainterPath front(P(8, 92));
    front.cubicTo(P(10, 84), P(18, 80), P(26, 82));
    front.cubicTo(P(32, 84), P(31, 90), P(26, 89));
    front.cubicTo(P(34, 93), P(40, 84), P(50, 86));
    front.cubicTo(P(60, 84), P(66, 93), P(74, 89));
    front.cubicTo(P(69, 90), P(68, 84), P(74, 82));
    front.cubicTo(P(82, 80), P(90, 84), P(92, 92));
    front.quadTo(P(50, 97), P(8, 92));
    front.closeSubpath();
    fill(p, front, linear(P(0, 80), P(0, 96), kSeaLight, kSea));
    stroke(p, curve(P(12, 88), P(14, 84), P(20, 82.5), P(25, 83.5)), kWhite, 1.4);
    stroke(p, curve(P(88, 88), P(86, 84), P(80, 82.5), P(75, 83.5)), kWhite, 1.4);
}

void dolphins(QPainter &p)
{
    wave(p);
    // A pair leaping towards each other, their arches meeting over the wave.
    for (int side : {-1, 1}) {
        QTransform t;
        t.translate(50 + side * 22, 44);
        t.scale(-side * 1.0, 1.0);
        t.rotate(-48);
        dolphin(p, t);
    }
    waveFront(p);
}

// ---- the hamsa

const QColor kLapis{0x1f, 0x4f, 0xa8};
const QColor kTeal{0x12, 0x86, 0x8a};

QPainterPath rounded(qreal x, qreal y, qreal w, qreal h, qreal r)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

void hamsaHand(QPainter &p)
{
    // Three fingers held together, the middle one tallest, and a thumb curling
    // out on each side: the hand is the same on both sides.
    struct Finger {
        qreal x, top;
    };
    const Finger fingers[] = {{36, 14}, {45, 9}, {54, 14}};
    const qreal fw = 10;
    QPainterPath hand;
    for (const Finger &f : fingers)
        hand = hand.united(rounded(f.x, f.top, fw, 50 - f.top, fw / 2));
    QPainterPath palm(P(30, 44));
    palm.lineTo(70, 44);
    palm.cubicTo(P(72, 62), P(70, 80), P(60, 88));
    palm.quadTo(P(50, 92), P(40, 88));
    palm.cubicTo(P(30, 80), P(28, 62), P(30, 44));
    hand = hand.united(palm);
    for (int side : {-1, 1}) {
        QPainterPath thumb(P(50 + side * 16, 72));
        thumb.cubicTo(P(50 + side * 27, 66), P(50 + side * 31, 54), P(50 + side * 29, 38));
        hand = hand.united(thick(thumb, 10));
    }
    fill(p, hand, gold(P(20, 8), P(80, 92)));
    // Where the fingers meet.
    for (const Finger &f : fingers)
        if (f.x > 36)
            stroke(p, segment(P(f.x, f.top + 8), P(f.x, 46)), kGoldDark.darker(120), kDetail);
    // Teal enamel inlaid in each finger and thumb, with a blue drop.
    for (const Finger &f : fingers) {
        fill(p, rounded(f.x + 2.3, f.top + 3, fw - 4.6, 30 - f.top + 13, (fw - 4.6) / 2),
             linear(P(f.x, f.top), P(f.x + fw, 44), kTeal.lighter(140), kTeal), kDetail);
        QPainterPath drop(P(f.x + fw / 2, f.top + 6));
        drop.cubicTo(P(f.x + fw / 2 + 2.6, f.top + 10), P(f.x + fw / 2 + 2.4, f.top + 13.5), P(f.x + fw / 2, f.top + 13.5));
        drop.cubicTo(P(f.x + fw / 2 - 2.4, f.top + 13.5), P(f.x + fw / 2 - 2.6, f.top + 10), P(f.x + fw / 2, f.top + 6));
        fill(p, drop, kLapis, kDetail);
    }
    for (int side : {-1, 1}) {
        QPainterPath thumb(P(50 + side * 19, 69));
        thumb.cubicTo(P(50 + side * 26, 64), P(50 + side * 29, 54), P(50 + side * 28, 42));
        fill(p, thick(thumb, 4.2), linear(P(20, 40), P(80, 72), kTeal.lighter(140), kTeal), kDetail);
    }
    // The palm: an enamel shield with the eye that turns harm away.
    QPainterPath shield(P(36, 50));
    shield.lineTo(64, 50);
    shield.cubicTo(P(65.5, 64), P(63, 76), P(55, 82));
    shield.quadTo(P(50, 85), P(45, 82));
    shield.cubicTo(P(37, 76), P(34.5, 64), P(36, 50));
    fill(p, shield, lit(P(50, 64), 22, kTeal.lighter(150), kTeal), kDetail);
    QPainterPath eye(P(37.5, 65));
    eye.quadTo(P(50, 52), P(62.5, 65));
    eye.quadTo(P(50, 78), P(37.5, 65));
    fill(p, eye, kWhite);
    p.save();
    p.setClipPath(eye);
    fill(p, circle(P(50, 65), 6.2), lit(P(50, 65), 7, kLapis.lighter(160), kLapis), kDetail);
    fill(p, circle(P(50, 65), 2.8), kHair, 0);
    fill(p, circle(P(48.4, 63.4), 1.1), kWhite, 0);
    p.restore();
    stroke(p, eye, kLine, kOutline);
    // Gold beads along the foot of the shield.
    for (int i = 0; i < 5; ++i) {
        const qreal a = (i - 2) * 0.32;
        fill(p, circle(P(50 + std::sin(a) * 9, 79.5 - (1 - std::cos(a)) * 14), 1.5), gold(P(44, 70), P(56, 82)), 0.8);
    }
}

} // namespace

QList<Symbol> arabianSymbols()
{
    return {
        {"Dolphins", dolphins},
        {"Hamsa Hand", hamsaHand},
    };
}

} // namespace artgen::goodluck
