// English good-luck symbols.
#include "style.h"

#include <QPen>
#include <QTransform>
#include <QtMath>
#include <array>
#include <cmath>

namespace artgen::goodluck {

namespace {

// Redraws a closed outline as a row of soft bulges, so a furry thing reads
// as fur even at 1x where single hairs are lost.
QPainterPath furred(const QPainterPath &outline, int tufts, qreal depth)
{
    QPainterPath fur(outline.pointAtPercent(0));
    for (int i = 1; i <= tufts; ++i) {
        const qreal ta = (i - 1.0) / tufts, tb = std::min(1.0, qreal(i) / tufts);
        const P a = outline.pointAtPercent(ta), b = outline.pointAtPercent(tb);
        const P mid = (a + b) / 2;
        const qreal angle = qDegreesToRadians(outline.angleAtPercent((ta + tb) / 2));
        P normal(std::sin(angle), std::cos(angle));
        if (outline.contains(mid + normal * 0.6))
            normal = -normal;
        fur.quadTo(mid + normal * depth * 2, b);
    }
    fur.closeSubpath();
    return fur;
}

QBrush steel(P a, P b)
{
    QLinearGradient g(a, b);
    g.setColorAt(0, hex(0xf1f4f6));
    g.setColorAt(0.5, hex(0xaab3bb));
    g.setColorAt(1, hex(0x66707a));
    return g;
}

// ---- 3 Keys

constexpr qreal kKeyScale = 1.2;

// An old key hanging from the ring at the origin along +y: a trefoil bow
// whose top hole takes the ring, a long shaft and a notched bit.
void key(QPainter &p, P ring, qreal angle, qreal length, bool mirrored, const QColor &light, const QColor &dark)
{
    p.save();
    p.translate(ring);
    p.rotate(angle);
    p.scale(mirrored ? -kKeyScale : kKeyScale, kKeyScale);
    const P c(0, 18);
    QPainterPath shape = circle(c, 6.2)
                             .united(circle(c + P(-5.8, 1), 5))
                             .united(circle(c + P(5.8, 1), 5))
                             .united(circle(c + P(0, -5.5), 5));
    shape = shape.united(box(-2.3, 22, 4.6, length - 22));
    QPainterPath collar;
    collar.addRoundedRect(QRectF(-4, 25.5, 8, 3.2), 1.2, 1.2);
    shape = shape.united(collar);
    const qreal L = length;
    shape = shape.united(polygon({{1.5, L - 13},
                                  {11, L - 13},
                                  {11, L - 9.5},
                                  {7.5, L - 9.5},
                                  {7.5, L - 6.5},
                                  {11, L - 6.5},
                                  {11, L - 1},
                                  {1.5, L - 1}}));
    shape = shape.united(circle(P(0, L - 1), 2.6));
    shape = shape.subtracted(circle(c + P(0, -5.5), 2.4))
                .subtracted(circle(c + P(-6.3, 1.2), 1.6))
                .subtracted(circle(c + P(6.3, 1.2), 1.6));
    fill(p, shape, linear(P(-8, 10), P(10, L), light, dark), kOutline / kKeyScale);
    stroke(p, segment(P(-0.9, 31), P(-0.9, L - 6)), QColor(255, 255, 255, 120), 1.0 / kKeyScale);
    fill(p, circle(c + P(0, 0.5), 1.5), dark, 0);
    p.restore();
}

void drawThreeKeys(QPainter &p)
{
    const P ring(50, 17.5);
    const qreal r = 12.5 * kKeyScale;
    fill(p, thick(circle(ring, r), 3.4), steel(ring + P(-r, -r), ring + P(r, r)));
    key(p, ring, 44, 48, false, hex(0xd9dde2), hex(0x5c6570));
    key(p, ring, -44, 48, true, hex(0xf3c08c), hex(0x94531f));
    key(p, ring, 0, 62, false, hex(0xffe58a), kGoldDark);
}

// ---- Acorn

// An oak leaf along +x from its stalk at the origin: a body with rounded
// lobes either side of the midrib.
QPainterPath oakLeaf()
{
    QPainterPath leaf = ellipse(P(24, 0), 21, 7.5);
    const struct {
        qreal x, y, r;
    } lobes[] = {{8, 6.5, 4.8},   {11, -7, 5},  {20, 10, 6.5}, {23, -10.5, 6.5}, {33, 9, 6},
                 {35, -8.5, 5.5}, {42, 5, 4.2}, {43, -4, 4},   {47, 0, 3.6}};
    for (const auto &l : lobes)
        leaf = leaf.united(circle(P(l.x, l.y), l.r));
    return leaf.united(thick(segment(P(-6, 0), P(4, 0)), 2.4));
}

void drawAcorn(QPainter &p)
{
    p.save();
    p.translate(50, 47);
    p.rotate(-48);
    p.scale(1.32, 1.32);
    const QPainterPath leaf = oakLeaf();
    fill(p, leaf, linear(P(0, -12), P(48, 12), hex(0x9ccc5c), hex(0x4f8a2c)), kOutline / 1.32);
    QPainterPath veins = segment(P(-4, 0), P(46, 0));
    for (qreal x : {11.0, 21.0, 32.0}) {
        veins.moveTo(x - 3, 0);
        veins.lineTo(x + 1, 8);
        veins.moveTo(x - 2, 0);
        veins.lineTo(x + 2, -8);
    }
    stroke(p, veins, hex(0x3d6e22), kDetail / 1.32);
    p.restore();

    p.save();
    p.translate(41, 50);
    p.rotate(-14);
    p.scale(1.12, 1.12);
    QPainterPath nut;
    nut.moveTo(-19, -6);
    nut.cubicTo(-22, 18, -8, 36, 0, 40);
    nut.cubicTo(8, 36, 22, 18, 19, -6);
    nut.closeSubpath();
    fill(p, nut, lit(P(-2, 10), 36, hex(0xe6ad68), hex(0x8a5121)), kOutline / 1.12);
    fill(p, ellipse(P(-9, 12), 3.4, 9), QColor(255, 244, 214, 120), 0);
    fill(p, circle(P(0, 39), 2), kLine, 0);
    stroke(p, quad(P(-12, 4), P(0, 8), P(12, 4)), hex(0x8a5121), kDetail);
    QPainterPath cup;
    cup.moveTo(-23.5, -2);
    cup.cubicTo(-26, -25, 26, -25, 23.5, -2);
    cup.quadTo(0, 6, -23.5, -2);
    fill(p, cup, lit(P(-4, -14), 30, hex(0xc09a62), hex(0x7a5630)), kOutline / 1.12);
    p.save();
    p.setClipPath(cup);
    // Overlapping scales in rows, each a small downward arc.
    QPainterPath scales;
    for (int row = 0; row < 5; ++row) {
        const qreal y = -18 + row * 4.5;
        for (int k = -6; k <= 6; ++k) {
            const qreal x = k * 5 + (row % 2) * 2.5;
            scales.moveTo(x - 2.5, y);
            scales.quadTo(x, y + 4, x + 2.5, y);
        }
    }
    stroke(p, scales, hex(0x4e3418), kDetail);
    p.restore();
    fill(p, cup, Qt::NoBrush, kOutline / 1.12);
    fill(p, thick(quad(P(0, -17), P(1, -24), P(5, -28)), 3.2), hex(0x7a5630), kOutline / 1.12);
    p.restore();
}

// ---- Coin

QPainterPath crownShape()
{
    QPainterPath crown = polygon({{-14, 7}, {-17, -9}, {-8, -1}, {0, -14}, {8, -1}, {17, -9}, {14, 7}});
    crown = crown.united(circle(P(-17, -10), 2.6)).united(circle(P(0, -15.5), 2.8)).united(circle(P(17, -10), 2.6));
    QPainterPath band;
    band.addRoundedRect(QRectF(-15, 5, 30, 7), 1.5, 1.5);
    return crown.united(band);
}

void coinFace(QPainter &p, P c, qreal r, const QBrush &face, const QColor &edge, const QColor &emboss)
{
    fill(p, circle(c + P(1.6, 2.6), r), edge);
    fill(p, circle(c, r), face);
    stroke(p, circle(c, r * 0.83), emboss, kDetail);
    for (int i = 0; i < 40; ++i) {
        const qreal a = i * 2 * M_PI / 40;
        fill(p, circle(c + P(std::cos(a), std::sin(a)) * r * 0.915, r * 0.032), emboss, 0);
    }
}

void drawCoin(QPainter &p)
{
    // A silver coin behind, so the gold one reads as money rather than a medal.
    const P s(33, 35);
    QLinearGradient silver(s + P(-24, -24), s + P(24, 24));
    silver.setColorAt(0, hex(0xf6f7f8));
    silver.setColorAt(0.5, hex(0xc3c8cd));
    silver.setColorAt(1, hex(0x8a9299));
    coinFace(p, s, 26, silver, hex(0x6d747b), hex(0x737b83));

    const P c(57, 57);
    const qreal r = 34;
    coinFace(p, c, r, gold(c + P(-r, -r), c + P(r, r)), hex(0x94620c), kGoldDark);
    p.save();
    p.translate(c + P(0, 1));
    p.scale(1.15, 1.15);
    const QPainterPath crown = crownShape();
    fill(p, crown, linear(P(-14, -14), P(14, 12), hex(0xffeaa0), hex(0xd89a22)), kDetail, hex(0x7a4e08));
    stroke(p, segment(P(-14, 5), P(14, 5)), hex(0x7a4e08), kDetail);
    for (qreal x : {-8.0, 0.0, 8.0})
        fill(p, circle(P(x, 8.5), 1.6), hex(0xb07a12), 0.6, hex(0x7a4e08));
    p.restore();
    highlight(p, ellipse(c + P(-17, -18), 6, 3.2), 120);
}

// ---- Four Leaf Clover

void drawClover(QPainter &p)
{
    const P c(50, 43);
    fill(p, thick(curve(c, P(50, 66), P(60, 78), P(62, 95)), 4.6),
         linear(P(48, 50), P(62, 95), hex(0x7db948), hex(0x3f7a24)));
    QPainterPath heart;
    heart.moveTo(0, 0);
    heart.cubicTo(-5, -4, -18, -10, -17, -20);
    heart.cubicTo(-16, -29, -4, -30, 0, -22);
    heart.cubicTo(4, -30, 16, -29, 17, -20);
    heart.cubicTo(18, -10, 5, -4, 0, 0);
    for (qreal angle : {135.0, 225.0, 45.0, 315.0}) {
        p.save();
        p.translate(c);
        p.rotate(angle);
        p.scale(1.22, 1.22);
        fill(p, heart, lit(P(-4, -16), 30, hex(0xa6d865), hex(0x3f8a2a)), kOutline / 1.22);
        // the pale chevron that marks white clover
        stroke(p, quad(P(-10, -17), P(0, -6), P(10, -17)), QColor(230, 248, 200, 150), 2.0);
        stroke(p, segment(P(0, -2), P(0, -20)), hex(0x2f6a1c), kDetail / 1.22);
        p.restore();
    }
    fill(p, circle(c, 2.4), hex(0x4f8a2c), kDetail);
}

// ---- Horseshoe

void drawHorseshoe(QPainter &p)
{
    QTransform t;
    t.translate(50, 51);
    t.scale(1.36, 1.36);
    t.translate(-40, -42);
    QPainterPath centre(P(26.5, 14));
    centre.cubicTo(P(12, 34), P(17, 67), P(40, 67));
    centre.cubicTo(P(63, 67), P(68, 34), P(53.5, 14));
    centre = t.map(centre);
    QPainterPath shoe = thick(centre, 17.5, Qt::FlatCap);
    QRadialGradient iron(P(38, 30), 62, P(28, 20));
    iron.setColorAt(0, hex(0xf4f7fa));
    iron.setColorAt(0.5, hex(0xa9b4bd));
    iron.setColorAt(1, hex(0x56616b));
    fill(p, shoe, iron);
    // The fullering groove in which the nail heads sit.
    QPainterPath groove(centre.pointAtPercent(0.06));
    for (int i = 7; i <= 94; ++i)
        groove.lineTo(centre.pointAtPercent(i / 100.0));
    stroke(p, groove, hex(0x3f4851, 170), 2.0);
    stroke(p, groove.translated(-0.6, -0.9), QColor(255, 255, 255, 100), 0.8);
    for (qreal at : {0.13, 0.26, 0.39, 0.61, 0.74, 0.87}) {
        const P c = centre.pointAtPercent(at);
        QPainterPath hole;
        hole.addRoundedRect(QRectF(-1.8, -2.8, 3.6, 5.6), 1, 1);
        QTransform h;
        h.translate(c.x(), c.y());
        h.rotate(-centre.angleAtPercent(at));
        fill(p, h.map(hole), hex(0x22272c), 0);
    }
}

// ---- Ladybug

void drawLadybug(QPainter &p)
{
    const QColor black = hex(0x1f1b1c);
    for (int side : {-1, 1}) {
        auto m = [side](qreal x, qreal y) { return P(50 + side * (50 - x), y); };
        for (const auto &leg :
             {std::array<P, 3>{m(37, 46), m(22, 40), m(14, 30)}, std::array<P, 3>{m(33, 60), m(18, 60), m(10, 68)},
              std::array<P, 3>{m(37, 74), m(24, 82), m(20, 92)}}) {
            QPainterPath path(leg[0]);
            path.lineTo(leg[1]);
            path.lineTo(leg[2]);
            fill(p, thick(path, 2.8), black, kDetail);
        }
        QPainterPath feeler(m(45, 18));
        feeler.quadTo(m(42, 10), m(34, 7));
        fill(p, thick(feeler, 1.8), black, kDetail);
        fill(p, circle(m(34, 7), 2.2), black, kDetail);
    }
    const QPainterPath shell = ellipse(P(50, 60), 31, 32);
    fill(p, shell, lit(P(50, 56), 40, hex(0xff6a4d), hex(0xbf1912)));
    p.save();
    p.setClipPath(shell);
    const struct {
        qreal x, y, r;
    } spots[] = {{50, 36, 6}, {34, 52, 6.2}, {66, 52, 6.2}, {29, 72, 5.6}, {71, 72, 5.6}, {42, 83, 4.8}, {58, 83, 4.8}};
    for (const auto &s : spots)
        fill(p, circle(P(s.x, s.y), s.r), black, 0);
    p.restore();
    stroke(p, segment(P(50, 32), P(50, 92)), kLine, kOutline);
    highlight(p, rotated(ellipse(P(33, 42), 6, 2.6), P(33, 42), -40), 150);
    fill(p, shell, Qt::NoBrush);
    // Pronotum: black, with the white side patches of the seven-spot.
    QPainterPath pronotum;
    pronotum.moveTo(30, 38);
    pronotum.cubicTo(30, 24, 70, 24, 70, 38);
    pronotum.cubicTo(60, 34, 40, 34, 30, 38);
    fill(p, pronotum, black);
    fill(p, ellipse(P(36, 33), 4, 2.6), kWhite, 0);
    fill(p, ellipse(P(64, 33), 4, 2.6), kWhite, 0);
    fill(p, ellipse(P(50, 22), 11, 7.5), black);
    highlight(p, ellipse(P(46, 19.5), 3, 1.4), 90);
}

// ---- Old Boot

void drawOldBoot(QPainter &p)
{
    const QColor dark = hex(0x2b1b12);
    const QColor lace = hex(0xe6d6b2);
    // the tongue, sticking up behind the lacing
    fill(p, polygon({{42, 18}, {45, 6}, {55, 8}, {53, 22}}), linear(P(44, 6), P(54, 22), hex(0xa87a4c), hex(0x6a4526)));

    // The gaping mouth where the sole has come away, with the nails showing.
    fill(p, polygon({{54, 81}, {90, 74.5}, {95, 91.5}}), dark);
    for (qreal x : {66.0, 76.0, 86.0}) {
        const qreal y = 82.5 + (x - 54) * 0.22;
        fill(p, polygon({{x - 1, y}, {x, y - 4}, {x + 1, y}}), hex(0xbfc4c8), 0.6);
    }

    QPainterPath upper;
    upper.moveTo(16, 15);
    upper.cubicTo(26, 12, 38, 12, 47, 15);
    upper.cubicTo(49, 26, 52, 38, 58, 46);
    upper.cubicTo(66, 52, 80, 54, 88, 60);
    upper.cubicTo(96, 63, 97, 71, 90, 74.5);
    upper.lineTo(54, 81);
    upper.lineTo(13, 81);
    upper.cubicTo(10, 70, 12, 60, 16, 50);
    upper.cubicTo(18, 40, 13, 28, 16, 15);
    upper.closeSubpath();
    fill(p, upper, lit(P(36, 40), 62, hex(0xb07c4c), hex(0x5e3a1e)));

    // the opening at the top
    fill(p, ellipse(P(31.5, 14), 15.5, 3.2), dark);

    // Worn pale scuffs on the toe and heel.
    fill(p, rotated(ellipse(P(84, 66), 7, 3.6), P(84, 66), 20), hex(0xd8b58a, 150), 0);
    fill(p, ellipse(P(18, 66), 3, 7), hex(0xd8b58a, 120), 0);

    // A patch, stitched on.
    const QPainterPath patch = rotated(box(23, 44, 17, 14), P(31, 51), -8);
    fill(p, patch, linear(P(23, 44), P(40, 58), hex(0xd2a76c), hex(0xa4783e)));
    p.setPen(QPen(hex(0x4a2e16), 0.9, Qt::DashLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rotated(box(25.3, 46.3, 12.4, 9.4), P(31, 51), -8));

    // Creases across the instep, and cracks in the dry leather.
    stroke(p, quad(P(58, 49), P(63, 57), P(60, 68)), hex(0x4a2c14), kDetail);
    stroke(p, quad(P(64, 52), P(69, 60), P(67, 70)), hex(0x4a2c14), kDetail);
    QPainterPath cracks(P(73, 55.5));
    cracks.lineTo(75, 61);
    cracks.lineTo(72, 64);
    cracks.lineTo(75, 70);
    cracks.moveTo(22, 22);
    cracks.lineTo(25, 28);
    cracks.lineTo(22.5, 32);
    cracks.lineTo(25, 37);
    cracks.moveTo(44, 66);
    cracks.lineTo(47, 70);
    cracks.lineTo(45, 74);
    stroke(p, cracks, dark, 1.1);

    // The sole: heel and waist still fast, the fore part hanging loose.
    fill(p, polygon({{12, 80}, {56, 80}, {56, 86}, {36, 86}, {35, 92}, {13, 92}}),
         linear(P(12, 80), P(40, 92), hex(0x5a4030), hex(0x2e2018)));
    QPainterPath loose;
    loose.moveTo(54, 80.5);
    loose.lineTo(93, 89.5);
    loose.quadTo(98, 90, 97, 93);
    loose.lineTo(92, 94.5);
    loose.lineTo(56, 86);
    loose.closeSubpath();
    fill(p, loose, linear(P(54, 80), P(96, 92), hex(0x5a4030), hex(0x2e2018)));

    // Lacing through the eyelets, and one frayed end hanging free.
    const P eyelets[] = {{44, 19}, {46, 27}, {49, 35}, {53, 42}};
    for (int i = 0; i + 1 < 4; ++i)
        fill(p, thick(segment(eyelets[i + 1], eyelets[i] + P(5.5, 1)), 2.2), lace, 0.8);
    for (const P &e : eyelets)
        fill(p, circle(e, 1.9), hex(0xc9ccc6), 0.8);
    QPainterPath end(P(45, 18.5));
    end.cubicTo(P(56, 11), P(66, 18), P(63, 34));
    fill(p, thick(end, 2.2), lace, 0.8);
    QPainterPath frays;
    for (qreal dx : {-2.4, 0.0, 2.4}) {
        frays.moveTo(63, 33.5);
        frays.lineTo(63 + dx, 39);
    }
    stroke(p, frays, kLine, 1.8);
    stroke(p, frays, lace, 0.8);
}

// ---- Pig

void drawPig(QPainter &p)
{
    const QColor pink = hex(0xf4a0ab);
    const QColor pinkLight = hex(0xffd9dc);
    const QColor pinkFar = hex(0xdc8592);
    const QColor hoof = hex(0x7a4c44);
    groundShadow(p, P(52, 89), 38, 4);

    auto leg = [&](qreal x, const QColor &colour) {
        fill(p, polygon({{x - 1, 60}, {x + 10, 60}, {x + 8.5, 85}, {x + 0.5, 85}}), colour);
        QPainterPath h;
        h.addRoundedRect(QRectF(x + 0.3, 84.5, 8.4, 4.5), 1.5, 1.5);
        fill(p, h, hoof);
        stroke(p, segment(P(x + 4.5, 85), P(x + 4.5, 89)), hex(0x3a2218), kDetail);
    };
    leg(35, pinkFar);
    leg(77, pinkFar);
    leg(23, pink);
    leg(65, pink);

    QPainterPath tail(P(86, 46));
    tail.cubicTo(P(93, 44), P(97, 36), P(92, 32));
    tail.cubicTo(P(87, 29), P(84, 36), P(89, 38));
    tail.cubicTo(P(94, 40), P(97, 31), P(94, 26));
    fill(p, thick(tail, 3), pink, kDetail + 0.2);

    QPainterPath body = ellipse(P(57, 52), 33, 23);
    body = body.united(ellipse(P(27, 51), 17, 16));
    body = body.united(polygon({{26, 42}, {9, 45.5}, {9, 61.5}, {24, 66}}));
    fill(p, body, lit(P(46, 46), 52, pinkLight, pink));
    // snout disc and nostril
    fill(p, ellipse(P(9, 53.5), 3.8, 8), linear(P(6, 46), P(12, 62), hex(0xffc4cb), hex(0xe58796)));
    fill(p, ellipse(P(9, 51), 1.2, 2.2), hex(0x7a3a44), 0);
    fill(p, ellipse(P(9, 56.5), 1.2, 2.2), hex(0x7a3a44), 0);
    // mouth and jowl
    stroke(p, quad(P(12, 63), P(17, 65.5), P(22, 63.5)), kLine, kDetail);
    stroke(p, quad(P(36, 58), P(38, 64), P(34, 69)), hex(0xc97080), kDetail);
    // the ear flops forward over the brow
    QPainterPath ear;
    ear.moveTo(30, 38);
    ear.quadTo(24, 29, 18, 25);
    ear.quadTo(33, 23, 42, 37);
    ear.closeSubpath();
    fill(p, ear, linear(P(20, 24), P(40, 38), hex(0xf6b3bc), hex(0xd97d8c)));
    stroke(p, quad(P(23, 27), P(31, 28), P(36, 36)), hex(0xb85c6c), kDetail);
    animalEye(p, P(25, 45.5), 2.1);
}

// ---- Rabbit's Foot

void drawRabbitsFoot(QPainter &p)
{
    p.save();
    p.translate(50, 50);
    p.rotate(35);
    p.scale(1.07, 1.07);
    p.translate(-50, -48);

    // ring, one link, and the eye of the cap
    fill(p, thick(circle(P(50, 6), 6.5), 2.8), steel(P(43, -1), P(57, 13)));
    fill(p, thick(ellipse(P(50, 15.2), 2.5, 4.2), 1.7), steel(P(47, 11), P(53, 19)));
    fill(p, thick(circle(P(50, 20), 2.2), 1.6), steel(P(47, 18), P(53, 22)));

    // Four toes at the end of the long foot, each with a dark hooked claw.
    const P tips[] = {{36.5, 88}, {46.5, 93}, {55, 93}, {64, 88}};
    const qreal lean[] = {-4, -1.2, 1.2, 4};
    for (int i = 0; i < 4; ++i) {
        const P t = tips[i] + P(0, -4);
        QPainterPath claw(t + P(-3.4, 0));
        claw.quadTo(t + P(lean[i] - 2, 9), t + P(lean[i] * 1.5, 14));
        claw.quadTo(t + P(lean[i] + 3.4, 8), t + P(3.4, 0));
        claw.closeSubpath();
        fill(p, claw, linear(t, t + P(0, 10), hex(0x6a584a), hex(0x2e241e)), kDetail + 0.2);
    }
    QPainterPath foot(P(40, 33));
    foot.cubicTo(P(34, 46), P(32, 60), P(32.5, 78));
    foot.quadTo(P(31, 88), P(37.5, 88.5));
    foot.quadTo(P(41, 88.5), P(42, 85.5));
    foot.quadTo(P(42.5, 94), P(46.5, 93.5));
    foot.quadTo(P(50.5, 93), P(50.8, 87.5));
    foot.quadTo(P(51, 94), P(55, 93.5));
    foot.quadTo(P(58.5, 93), P(58.8, 85.5));
    foot.quadTo(P(60, 89), P(63, 88.5));
    foot.quadTo(P(69, 87.5), P(67.5, 78));
    foot.cubicTo(P(68, 60), P(66, 46), P(60, 33));
    foot.closeSubpath();
    fill(p, furred(foot, 40, 1.1), linear(P(36, 32), P(66, 92), hex(0xf2e8d8), hex(0xb0926e)));
    QPainterPath toeLines;
    for (const P &gap : {P(42, 85.5), P(50.8, 87.5), P(58.8, 85.5)}) {
        toeLines.moveTo(gap);
        toeLines.quadTo(gap + P(0, -4), gap + P((gap.x() - 50.5) * 0.15, -8));
    }
    stroke(p, toeLines, kLine, kDetail + 0.2);
    QPainterPath strands;
    for (int i = 0; i < 8; ++i) {
        const qreal x = 41 + (i * 7) % 18, y = 42 + i * 3.6;
        strands.moveTo(x, y);
        strands.quadTo(x + 0.8, y + 2.5, x, y + 5);
    }
    stroke(p, strands, hex(0x8a7458), kDetail);

    // the metal cap
    QPainterPath cap;
    cap.moveTo(41.5, 22);
    cap.lineTo(58.5, 22);
    cap.lineTo(61, 35);
    cap.quadTo(50, 37.5, 39, 35);
    cap.closeSubpath();
    fill(p, cap, gold(P(40, 22), P(60, 37)));
    stroke(p, quad(P(41, 26.5), P(50, 28), P(59, 26.5)), kGoldDark, kDetail);
    stroke(p, quad(P(40.3, 30.5), P(50, 32), P(59.7, 30.5)), kGoldDark, kDetail);
    p.restore();
}

// ---- Unicorn

void drawUnicorn(QPainter &p)
{
    const QColor coat = kWhite;
    const QColor coatShade = hex(0xcfd3e0);
    const QColor mane = hex(0xb79ad8);
    const QColor maneLight = hex(0xe4d6f4);

    // the ear, behind the head
    QPainterPath ear;
    ear.moveTo(51, 24);
    ear.quadTo(51, 11, 58, 5);
    ear.quadTo(65, 13, 62, 25);
    ear.closeSubpath();
    fill(p, ear, linear(P(52, 6), P(62, 24), coat, coatShade));
    stroke(p, quad(P(55, 21), P(56, 13), P(58, 9)), hex(0xb5a2c8), kDetail);

    QPainterPath head;
    head.moveTo(56, 20);
    head.cubicTo(48, 20, 40, 24, 34, 30);
    head.cubicTo(28, 38, 20, 48, 14, 58);
    head.cubicTo(10, 64, 12, 72, 20, 72);
    head.cubicTo(26, 73, 32, 70, 38, 67);
    head.cubicTo(44, 66, 48, 63, 51, 66);
    head.cubicTo(54, 74, 54, 84, 52, 95);
    head.lineTo(88, 95);
    head.cubicTo(88, 76, 82, 56, 76, 42);
    head.cubicTo(70, 30, 64, 22, 56, 20);
    head.closeSubpath();
    fill(p, head, lit(P(44, 40), 60, coat, coatShade));
    // cheek, nostril, mouth
    stroke(p, curve(P(40, 47), P(50, 46), P(54, 56), P(50, 64)), hex(0xa8acc0), kDetail);
    stroke(p, quad(P(15.5, 60), P(19, 58), P(20, 62)), kLine, kDetail);
    stroke(p, quad(P(15, 68.5), P(20, 69.5), P(25, 68)), kLine, kDetail);
    animalEye(p, P(39.5, 38), 2.4);

    // Mane along the crest, falling in locks behind the neck.
    QPainterPath m;
    m.moveTo(55, 18);
    m.cubicTo(66, 15, 76, 21, 80, 30);
    m.quadTo(88, 36, 84, 42);
    m.quadTo(93, 50, 88, 57);
    m.quadTo(96, 66, 90, 73);
    m.quadTo(97, 83, 90, 95);
    m.lineTo(84, 95);
    m.cubicTo(83, 78, 78, 58, 72, 44);
    m.cubicTo(67, 33, 62, 26, 55, 23);
    m.closeSubpath();
    fill(p, m, linear(P(58, 18), P(92, 92), maneLight, mane));
    QPainterPath locks;
    locks.moveTo(66, 22);
    locks.quadTo(76, 28, 79, 38);
    locks.moveTo(74, 40);
    locks.quadTo(82, 48, 84, 56);
    locks.moveTo(78, 58);
    locks.quadTo(86, 66, 87, 74);
    locks.moveTo(82, 76);
    locks.quadTo(88, 84, 88, 92);
    stroke(p, locks, hex(0x8a6cb0), kDetail);

    // the spiral horn
    const QPainterPath horn = polygon({{38.5, 29.5}, {50.5, 22.5}, {24, 1}});
    fill(p, horn, gold(P(30, 4), P(48, 28)));
    QPainterPath twist;
    for (qreal t : {0.2, 0.38, 0.55, 0.71}) {
        const P axis = P(44.5, 25.75) + (P(25, 1.5) - P(44.5, 25.75)) * t;
        const qreal half = 5.6 * (1 - t);
        twist.moveTo(axis + P(-half * 0.9, half * 0.5));
        twist.quadTo(axis + P(0, -half * 0.2), axis + P(half * 0.9, -half * 0.8) + P(0, -2.2 * (1 - t)));
    }
    stroke(p, twist, kGoldDark, kDetail);
    // forelock over the root of the horn
    QPainterPath forelock;
    forelock.moveTo(56, 20);
    forelock.quadTo(48, 21, 43, 28);
    forelock.quadTo(40, 34, 43, 37);
    forelock.quadTo(47, 31, 52, 28);
    forelock.quadTo(56, 25, 58, 23);
    forelock.closeSubpath();
    fill(p, forelock, linear(P(44, 22), P(56, 34), maneLight, mane));
}

// ---- Wishbone

void drawWishbone(QPainter &p)
{
    // A broad, even fork: two bowed arms, thick where they meet, joined under a
    // flat knob and ending in little flattened feet, so it reads as a bone and
    // not as a letter or a pair of tongs.
    QPainterPath bone(P(44, 15));
    bone.cubicTo(P(26, 22), P(14, 48), P(12.5, 82));
    bone.quadTo(P(13, 90), P(20, 89.5));
    bone.quadTo(P(24.5, 88), P(24.5, 84));
    bone.cubicTo(P(25, 56), P(34, 36), P(50, 30));
    bone.cubicTo(P(66, 36), P(75, 56), P(75.5, 84));
    bone.quadTo(P(75.5, 88), P(80, 89.5));
    bone.quadTo(P(87, 90), P(87.5, 82));
    bone.cubicTo(P(86, 48), P(74, 22), P(56, 15));
    bone.closeSubpath();
    QPainterPath knob(P(50, 4));
    knob.cubicTo(P(59, 4), P(61, 12), P(57, 18));
    knob.quadTo(P(50, 24), P(43, 18));
    knob.cubicTo(P(39, 12), P(41, 4), P(50, 4));
    bone = bone.united(knob).simplified();
    fill(p, bone, linear(P(20, 6), P(80, 94), hex(0xfcebc8), hex(0xc49a60)));
    // Light down the left arm, shade inside the right, a pit in the knob.
    stroke(p, curve(P(41, 20), P(27, 28), P(18, 50), P(17, 80)), QColor(255, 255, 255, 190), 2.0);
    stroke(p, curve(P(55, 33), P(66, 38), P(72, 56), P(73.5, 80)), hex(0xb08650, 170), kDetail);
    fill(p, ellipse(P(50, 12.5), 3.2, 3.8), hex(0xd8b27a), kDetail, hex(0xb08650));
    highlight(p, ellipse(P(46.5, 9), 2.2, 1.6), 150);
}

// ---- Wood

void drawWood(QPainter &p)
{
    const P end(29, 52);
    const qreal rx = 19, ry = 31;
    QPainterPath log;
    log.moveTo(end + P(0, -ry));
    log.cubicTo(P(52, 19), P(72, 19), P(83, 21.5));
    log.cubicTo(P(96, 25), P(96, 79), P(83, 82.5));
    log.cubicTo(P(72, 85), P(52, 85), end + P(0, ry));
    log.closeSubpath();
    fill(p, log, linear(P(40, 20), P(60, 86), hex(0x9a6a40), hex(0x55351c)));
    p.save();
    p.setClipPath(log);
    // furrowed bark running along the log
    QPainterPath bark;
    for (int i = 0; i < 7; ++i) {
        const qreal y = 27 + i * 8.2;
        bark.moveTo(40, y);
        bark.cubicTo(52, y - 2, 62, y + 3, 72, y);
        bark.quadTo(80, y - 2, 92, y + (i - 3) * 0.8);
    }
    stroke(p, bark, hex(0x3e2512), 1.2);
    stroke(p, bark.translated(0.2, -1.6), hex(0xc08a58, 110), 0.8);
    p.restore();
    // a knot where a branch once grew
    fill(p, ellipse(P(66, 56), 5, 3.6), hex(0x6e4526), kDetail);
    fill(p, ellipse(P(66, 56), 2.4, 1.6), hex(0x3a2412), 0);

    // The sawn end, bark rim round pale rings.
    fill(p, ellipse(end, rx, ry), hex(0x5a3820));
    const QPainterPath face = ellipse(end, rx - 3, ry - 3.6);
    fill(p, face, lit(end, ry, hex(0xf7dcab), hex(0xd9a560)), kDetail);
    p.save();
    p.setClipPath(face);
    const P pith = end + P(-1.5, 2);
    for (qreal k : {0.16, 0.32, 0.48, 0.64, 0.8})
        stroke(p, ellipse(pith, (rx - 3) * k * 1.05, (ry - 3.6) * k * 1.02), hex(0xae7438), kDetail);
    // a drying crack from the heart outwards
    fill(p, polygon({pith, end + P(11, -22), end + P(13.5, -21)}), hex(0x5a3820), 0);
    p.restore();
    fill(p, circle(pith, 1.3), hex(0x8a5424), 0);
}

} // namespace

QList<Symbol> englishSymbols()
{
    return {
        {"3 Keys", drawThreeKeys},
        {"Acorn", drawAcorn},
        {"Coin", drawCoin},
        {"Four Leaf Clover", drawClover},
        {"Horseshoe", drawHorseshoe},
        {"Ladybug", drawLadybug},
        {"Old Boot", drawOldBoot},
        {"Pig", drawPig},
        {"Rabbit's Foot", drawRabbitsFoot},
        {"Unicorn", drawUnicorn},
        {"Wishbone", drawWishbone},
        {"Wood", drawWood},
    };
}

} // namespace artgen::goodluck
