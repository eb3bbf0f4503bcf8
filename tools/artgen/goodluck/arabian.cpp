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
// `radius`, so the dolphin's body, fins and flukes curve together.
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
    const qreal bend = 36;
    auto place = [&](const QPainterPath &straight) { return t.map(arched(straight, bend)); };

    // Tail flukes and the dorsal fin lie behind the body.
    QPainterPath flukes(P(-30, -1));
    flukes.cubicTo(P(-34, -4), P(-37, -9), P(-42, -10.5));
    flukes.cubicTo(P(-40.5, -5), P(-39, -2), P(-38, 0));
    flukes.cubicTo(P(-39, 2), P(-40.5, 5), P(-42, 10.5));
    flukes.cubicTo(P(-37, 9), P(-34, 4), P(-30, 1.2));
    flukes.closeSubpath();
    fill(p, place(flukes), kDolphinDark);
    QPainterPath fin(P(4, -7.5));
    fin.cubicTo(P(1, -11), P(-4, -14.5), P(-10, -15));
    fin.cubicTo(P(-8, -12), P(-7, -9), P(-8, -6));
    fin.closeSubpath();
    fill(p, place(fin), kDolphinDark);

    // The body: long beak, round melon, slim tail stock.
    QPainterPath body(P(38, 1.6));
    body.cubicTo(P(35, 0.2), P(31, -0.2), P(28, -1.2));
    body.cubicTo(P(25, -6), P(18, -8), P(6, -8));
    body.cubicTo(P(-8, -7.5), P(-20, -4), P(-31, -1.2));
    body.lineTo(-31, 1.4);
    body.cubicTo(P(-20, 3.5), P(-8, 7), P(6, 7));
    body.cubicTo(P(18, 7), P(26, 4.5), P(38, 2.8));
    body.closeSubpath();
    const QPainterPath shape = place(body);
    fill(p, shape, linear(P(20, 10), P(80, 90), kDolphin.lighter(135), kDolphin.darker(115)));
    // Pale belly and throat.
    QPainterPath belly(P(38, 2.3));
    belly.cubicTo(P(30, 2.4), P(20, 1.4), P(10, 2));
    belly.cubicTo(P(-4, 2.5), P(-16, 2.5), P(-29, 1.3));
    belly.lineTo(-29, 12);
    belly.lineTo(40, 12);
    belly.closeSubpath();
    fill(p, place(belly).intersected(shape), kDolphinBelly, 0);
    stroke(p, shape, kLine, kOutline);
    // Near flipper, eye and the line of the mouth.
    QPainterPath flipper(P(15, 3.5));
    flipper.cubicTo(P(13, 7), P(9, 10), P(5, 12));
    flipper.cubicTo(P(7, 8), P(8, 5.5), P(8.5, 4));
    flipper.closeSubpath();
    fill(p, place(flipper), kDolphinDark);
    animalEye(p, t.map(arched(P(25, -1.8), bend)), 1.5);
    stroke(p, t.map(arched(quad(P(36, 2.3), P(32, 2.6), P(28.5, 1.2)), bend, false)), kLine, kDetail);
}

// The sea the pair leap from: a swell behind them, and in front a band of
// breaking waves that hides their tails.
void wave(QPainter &p)
{
    QPainterPath back(P(10, 86));
    back.cubicTo(P(22, 76), P(38, 78), P(50, 82));
    back.cubicTo(P(62, 78), P(78, 76), P(90, 86));
    back.quadTo(P(50, 94), P(10, 86));
    back.closeSubpath();
    fill(p, back, linear(P(0, 76), P(0, 92), kSea, kSea.darker(140)));
}

void waveFront(QPainter &p)
{
    // Three crests, each curling over to the right.
    QPainterPath front(P(6, 90));
    QPainterPath foam;
    for (int i = 0; i < 3; ++i) {
        const qreal x = 6 + i * 29.3;
        front.cubicTo(P(x + 3, 82), P(x + 12, 76), P(x + 21, 79));
        front.cubicTo(P(x + 26, 81), P(x + 25, 86), P(x + 20.5, 85.5));
        front.cubicTo(P(x + 23, 89), P(x + 27, 89), P(x + 29.3, 88));
        foam.moveTo(x + 5, 86);
        foam.cubicTo(P(x + 8, 81), P(x + 14, 79), P(x + 19, 80));
    }
    front.cubicTo(P(86, 96), P(20, 97), P(6, 90));
    front.closeSubpath();
    fill(p, front, linear(P(0, 76), P(0, 96), kSeaLight, kSea));
    stroke(p, foam, kWhite, 1.5);
}

void dolphins(QPainter &p)
{
    wave(p);
    // A pair leaping out of the sea face to face, their arched backs drawing
    // a heart over the wave.
    for (int side : {-1, 1}) {
        QTransform t;
        t.translate(50 + side * 27.5, 47);
        t.scale(-side * 1.1, 1.1);
        t.rotate(-85);
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
    const Finger fingers[] = {{33.5, 14}, {44.5, 8}, {55.5, 14}};
    const qreal fw = 11;
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
        hand = hand.united(thick(thumb, 11));
    }
    fill(p, hand, gold(P(20, 8), P(80, 92)));
    // Where the fingers meet.
    for (const Finger &f : fingers)
        if (f.x > fingers[0].x)
            stroke(p, segment(P(f.x, f.top + 8), P(f.x, 46)), kGoldDark.darker(120), kDetail);
    // Teal enamel inlaid in each finger and thumb, with a blue drop.
    for (const Finger &f : fingers) {
        fill(p, rounded(f.x + 2.3, f.top + 3, fw - 4.6, 43 - f.top, (fw - 4.6) / 2),
             linear(P(f.x, f.top), P(f.x + fw, 44), kTeal.lighter(140), kTeal), kDetail);
        QPainterPath drop(P(f.x + fw / 2, f.top + 6));
        drop.cubicTo(P(f.x + fw / 2 + 2.6, f.top + 10), P(f.x + fw / 2 + 2.4, f.top + 13.5),
                     P(f.x + fw / 2, f.top + 13.5));
        drop.cubicTo(P(f.x + fw / 2 - 2.4, f.top + 13.5), P(f.x + fw / 2 - 2.6, f.top + 10),
                     P(f.x + fw / 2, f.top + 6));
        fill(p, drop, kLapis, kDetail);
    }
    for (int side : {-1, 1}) {
        QPainterPath thumb(P(50 + side * 19, 69));
        thumb.cubicTo(P(50 + side * 26, 64), P(50 + side * 29, 54), P(50 + side * 28, 42));
        fill(p, thick(thumb, 5), linear(P(20, 40), P(80, 72), kTeal.lighter(140), kTeal), kDetail);
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
