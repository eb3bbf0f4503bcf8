// Native American good-luck symbols, in the Southwest palette of turquoise,
// terracotta, cream, black and ochre.
#include "style.h"

#include <QTransform>
#include <QtMath>
#include <cmath>

namespace artgen::goodluck {

namespace {

const QColor kTurquoise{0x2f, 0xb0, 0xa4};
const QColor kTurquoiseLight{0x8e, 0xe0, 0xd4};
const QColor kTurquoiseDark{0x17, 0x76, 0x6e};
const QColor kTerracotta{0xc2, 0x55, 0x2c};
const QColor kTerracottaLight{0xe8, 0x8e, 0x5c};
const QColor kCream{0xf8, 0xec, 0xd2};
const QColor kCreamShade{0xdd, 0xc6, 0x9c};
const QColor kBlack{0x2b, 0x24, 0x22};
const QColor kOchre{0xe0, 0x9a, 0x26};
const QColor kOchreLight{0xf8, 0xd0, 0x6a};
const QColor kWood{0xd9, 0x9c, 0x58};
const QColor kWoodLight{0xf3, 0xcf, 0x93};
const QColor kWoodDark{0x9a, 0x5e, 0x2a};
const QColor kWater{0x1f, 0x86, 0xd6};
const QColor kWaterLight{0xb8, 0xe8, 0xff};
const QColor kWaterDark{0x12, 0x5a, 0xa4};

QTransform frame(P origin, qreal degrees)
{
    QTransform t;
    t.translate(origin.x(), origin.y());
    t.rotate(degrees);
    return t;
}

// ---- arrows

// A piece of arrow, `half` its shaft's half width, laid along the x axis from 0 (tail) to `length` (head) in
// the frame of `t`: fletching at the tail, a flint point at the head, and a
// splintered end wherever it was snapped.
struct ArrowPiece {
    qreal length;
    bool point = false;
    bool fletching = false;
    bool snappedTail = false;
    bool snappedHead = false;
    qreal half = 2.6; // bold enough to read at 1x
};

void arrowPiece(QPainter &p, const QTransform &t, const ArrowPiece &a)
{
    p.save();
    p.setTransform(t, true);
    const qreal h = a.half;
    const qreal pointLength = 17;
    const qreal end = a.point ? a.length - pointLength + 2 : a.length;

    if (a.fletching) {
        // Two vanes of cream feather with a black band, behind the shaft.
        for (int side : {-1, 1}) {
            QPainterPath vane(P(4, side * h));
            vane.lineTo(0, side * 10.5);
            vane.lineTo(5, side * 9);
            vane.lineTo(9, side * 11);
            vane.quadTo(P(20, side * 10.5), P(28, side * h));
            vane.closeSubpath();
            fill(p, vane, linear(P(0, side * 10), P(28, 0), kWhite, kCreamShade));
            p.save();
            p.setClipPath(vane);
            fill(p, box(8, -12, 5, 24), kBlack, 0);
            fill(p, box(0, -12, 3, 24), kTerracotta, 0);
            p.restore();
            stroke(p, vane, kLine, kOutline);
            stroke(p, segment(P(18, side * (h + 1.5)), P(15.5, side * 8.5)), kCreamShade.darker(130), kDetail);
        }
    }

    QPainterPath shaft(P(a.snappedTail ? 1.5 : 0, -h));
    if (a.snappedHead) {
        shaft.lineTo(end - 3, -h);
        shaft.lineTo(end + 4, -h * 0.5);
        shaft.lineTo(end, -h * 0.1);
        shaft.lineTo(end + 5.5, h * 0.5);
        shaft.lineTo(end - 1.5, h);
    } else {
        shaft.lineTo(end, -h);
        shaft.lineTo(end, h);
    }
    if (a.snappedTail) {
        shaft.lineTo(3, h);
        shaft.lineTo(-4.5, h * 0.4);
        shaft.lineTo(0.5, -h * 0.1);
        shaft.lineTo(-4, -h * 0.7);
    } else {
        shaft.lineTo(0, h);
    }
    shaft.closeSubpath();
    fill(p, shaft, linear(P(0, -h), P(0, h), kWoodLight, kWoodDark));
    // Pale fresh wood where it broke.
    if (a.snappedHead)
        fill(p, ellipse(P(end, 0), 1.2, h * 0.6), kCream, 0);
    if (a.snappedTail)
        fill(p, ellipse(P(0, 0), 1.2, h * 0.6), kCream, 0);

    if (a.point) {
        const qreal l = a.length;
        const qreal b = l - pointLength;
        const QPainterPath flint = polygon({P(b, -7.5), P(l, 0), P(b, 7.5), P(b + 3.5, 0)});
        fill(p, flint, linear(P(b, -7), P(l, 6), QColor(0x9c, 0xa3, 0xb0), QColor(0x3c, 0x40, 0x4a)));
        stroke(p, segment(P(b + 5, -1.2), P(l - 3, -0.4)), QColor(255, 255, 255, 140), kDetail);
        // Sinew wrapping behind the point.
        fill(p, box(b - 4, -h - 0.8, 4.5, 2 * h + 1.6), kOchre, kDetail);
    }
    if (a.fletching)
        fill(p, box(28, -h - 0.8, 4, 2 * h + 1.6), kTurquoise, kDetail);
    p.restore();
}

void drawBrokenArrow(QPainter &p)
{
    // One arrow snapped in the middle as over a knee: the two halves bent
    // down from the break, with splinters flying from it.
    arrowPiece(p, frame(P(7, 68), -36), {.length = 49, .fletching = true, .snappedHead = true, .half = 3.2});
    arrowPiece(p, frame(P(54, 36), 36), {.length = 49, .point = true, .snappedTail = true, .half = 3.2});
    fill(p, rotated(box(44, 26, 6, 2.2), P(47, 27), -40), kWoodLight, kDetail);
    fill(p, rotated(box(53, 25, 5, 2), P(55.5, 26), 30), kWoodLight, kDetail);
    fill(p, rotated(box(49, 20, 3.5, 1.8), P(50.7, 21), 80), kWoodLight, kDetail);
}

void drawCrossedArrows(QPainter &p)
{
    // Two whole arrows, points up, crossed in the middle.
    arrowPiece(p, frame(P(91, 91), -135), {.length = 116, .point = true, .fletching = true});
    arrowPiece(p, frame(P(9, 91), -45), {.length = 116, .point = true, .fletching = true});
}

// ---- feathers

// An eagle feather hanging from its quill at the origin, tip down.
void eagleFeather(QPainter &p, const QTransform &t, qreal length, qreal width)
{
    p.save();
    p.setTransform(t, true);
    const qreal w = width / 2;
    QPainterPath vane(P(0, 7));
    vane.cubicTo(P(w * 0.9, 9), P(w, 16), P(w, 24));
    vane.cubicTo(P(w, length * 0.6), P(w * 0.9, length - 8), P(0, length));
    vane.cubicTo(P(-w * 0.9, length - 8), P(-w, length * 0.6), P(-w, 24));
    vane.cubicTo(P(-w, 16), P(-w * 0.9, 9), P(0, 7));
    fill(p, vane, linear(P(-w, 0), P(w, 0), kWhite, kCreamShade));
    p.save();
    p.setClipPath(vane);
    // The dark tip of a young eagle's tail feather.
    QPainterPath tip(P(-w - 1, length * 0.64));
    tip.quadTo(P(0, length * 0.6), P(w + 1, length * 0.68));
    tip.lineTo(w + 1, length + 1);
    tip.lineTo(-w - 1, length + 1);
    tip.closeSubpath();
    fill(p, tip, linear(P(-w, 0), P(w, 0), QColor(0x5a, 0x46, 0x3a), kBlack), 0);
    p.restore();
    stroke(p, vane, kLine, kOutline);
    // A notch in the vane, and the quill running down the middle.
    stroke(p, segment(P(w, length * 0.38), P(w * 0.3, length * 0.43)), kLine, kDetail);
    stroke(p, segment(P(-w, length * 0.7), P(-w * 0.3, length * 0.74)), QColor(0x9a, 0x86, 0x70), kDetail);
    stroke(p, quad(P(0, 2), P(0.6, length * 0.5), P(0, length - 3)), QColor(0xb8, 0xa6, 0x88), 1.3);
    // A red tuft of down at the quill.
    QPainterPath tuft(P(0, 4));
    tuft.quadTo(P(w * 0.9, 8), P(w * 0.4, 15));
    tuft.quadTo(P(0, 11), P(-w * 0.4, 15));
    tuft.quadTo(P(-w * 0.9, 8), P(0, 4));
    fill(p, tuft, linear(P(0, 4), P(0, 15), kTerracottaLight, kTerracotta), kDetail);
    p.restore();
}

void drawFeathers(QPainter &p)
{
    const P knot(50, 16);
    eagleFeather(p, frame(knot, 30), 70, 20);
    eagleFeather(p, frame(knot, -30), 70, 20);
    eagleFeather(p, frame(knot, 0), 75, 21);
    // The hanging loop and the beaded binding that holds the quills.
    stroke(p, quad(P(45, 12), P(50, -1), P(55, 12)), kLine, 3.4);
    stroke(p, quad(P(45, 12), P(50, -1), P(55, 12)), kTerracotta, 1.8);
    QPainterPath band;
    band.addRoundedRect(QRectF(36, 10, 28, 12), 4, 4);
    fill(p, band, linear(P(36, 10), P(64, 22), kWoodLight, kWood));
    const QColor beads[] = {kTurquoise, kWhite, kTerracotta, kWhite, kTurquoise};
    for (int i = 0; i < 5; ++i)
        fill(p, circle(P(40.4 + i * 4.8, 16), 2.3), beads[i], kDetail);
}

// ---- fence

void drawFence(QPainter &p)
{
    // A picket fence on its strip of ground: two rails behind a row of
    // pointed pales.
    QPainterPath ground(P(4, 86));
    ground.quadTo(P(50, 76), P(96, 86));
    ground.quadTo(P(50, 93), P(4, 86));
    fill(p, ground, linear(P(30, 78), P(70, 92), QColor(0xa8, 0xbc, 0x52), QColor(0x6c, 0x86, 0x2c)));
    for (qreal y : {30.0, 60.0}) {
        const QPainterPath rail = box(5, y, 90, 8);
        fill(p, rail, linear(P(0, y), P(0, y + 8), kWood, kWoodDark));
    }
    for (int i = 0; i < 6; ++i) {
        const qreal x = 9 + i * 14.4;
        const qreal top = (i % 2) ? 12 : 9;
        const QPainterPath pale =
            polygon({P(x, top + 7), P(x + 5.5, top), P(x + 11, top + 7), P(x + 11, 84), P(x, 84)});
        fill(p, pale, linear(P(x, 0), P(x + 11, 0), kWoodLight, kWood));
        stroke(p, segment(P(x + 7.5, top + 16), P(x + 7.5, top + 30)), kWoodDark, kDetail);
        stroke(p, segment(P(x + 3.5, 48), P(x + 3.5, 58)), kWoodDark, kDetail);
        // Nail heads where the pale meets the rails.
        for (qreal y : {34.0, 64.0})
            fill(p, circle(P(x + 5.5, y), 1.1), kBlack, 0);
    }
}

// ---- Kokopelli

void drawKokopelli(QPainter &p)
{
    // The humpbacked flute player dancing, drawn as a figure of rock art in
    // terracotta, enlarged from an 80 grid to fill the box.
    QTransform t;
    t.translate(50, 51);
    t.scale(1.3, 1.3);
    t.translate(-36, -38);

    // The flute, held to his mouth and pointing down ahead of him.
    QPainterPath flute = thick(segment(P(27, 24.5), P(9.5, 47)), 3.4);
    flute = flute.united(polygon({P(6.5, 45.5), P(12.5, 49.5), P(6, 52)}));
    fill(p, t.map(flute), linear(t.map(P(9, 24)), t.map(P(28, 50)), kOchreLight, kOchre));

    QPainterPath figure = ellipse(P(31, 20.5), 6.2, 6.4);
    const QPainterPath hump = rotated(ellipse(P(46, 35), 9.5, 11.5), P(46, 35), -30);
    figure = figure.united(hump);
    figure = figure.united(thick(curve(P(33, 25), P(36, 32), P(42, 40), P(44, 51)), 8.5));
    QPainterPath arms(P(36, 31));
    arms.lineTo(29.5, 38.5);
    arms.lineTo(20, 36);
    arms.moveTo(37, 34);
    arms.lineTo(27, 45);
    arms.lineTo(15.5, 41.5);
    figure = figure.united(thick(arms, 4.4));
    QPainterPath legs(P(44, 50));
    legs.lineTo(33.5, 58.5);
    legs.lineTo(38.5, 70);
    legs.lineTo(32, 71.5);
    legs.moveTo(45, 51);
    legs.lineTo(56.5, 56);
    legs.lineTo(57.5, 68);
    legs.lineTo(64, 69);
    figure = figure.united(thick(legs, 4.8));
    fill(p, t.map(figure), linear(t.map(P(20, 10)), t.map(P(60, 70)), kTerracottaLight, kTerracotta));

    // Turquoise zigzag painted across the hump.
    p.save();
    p.setClipPath(t.map(hump));
    QPainterPath zig(P(36, 34));
    for (int i = 0; i < 5; ++i)
        zig.lineTo(38.5 + i * 4, (i % 2) ? 33 : 28.5);
    zig = rotated(zig, P(46, 35), -30).translated(1.5, 3);
    stroke(p, t.map(zig), kLine, 5.2);
    stroke(p, t.map(zig), kTurquoise, 3.0);
    p.restore();
    stroke(p, t.map(hump), kLine, kOutline);

    // Feathers standing up from his head.
    const P tips[] = {P(37.5, 4.5), P(47, 10), P(28, 4.5)};
    const P roots[] = {P(33, 16), P(35, 18), P(31, 15.5)};
    const P bends[] = {P(34, 9), P(40, 12), P(29, 10)};
    for (int i = 0; i < 3; ++i) {
        fill(p, t.map(thick(quad(roots[i], bends[i], tips[i]), 2.6)), kTerracotta);
        fill(p, t.map(circle(tips[i], 2.3)), kTurquoise, kDetail);
    }
    happyEye(p, t.map(P(29.5, 19.5)), 4.4);

    // The notes of his song, drifting from the flute.
    for (P dot : {P(7, 58), P(13, 61), P(6, 65.5)})
        fill(p, t.map(circle(dot, 1.9)), kTurquoise, kDetail);
}

// ---- leaf

void drawLeaf(QPainter &p)
{
    // A maple leaf turned red and gold in autumn, on its stalk.
    const QList<P> half = {P(50, 5),  P(55, 17), P(62, 13), P(60, 34), P(70, 26), P(74, 18), P(79, 25), P(92, 21),
                           P(85, 35), P(92, 40), P(74, 51), P(79, 61), P(69, 60), P(65, 69), P(55, 62), P(52, 75)};
    QPainterPath leaf(half.first());
    for (int i = 1; i < half.size(); ++i)
        leaf.lineTo(half[i]);
    for (int i = half.size() - 1; i >= 1; --i)
        leaf.lineTo(P(100 - half[i].x(), half[i].y()));
    leaf.closeSubpath();
    const QPainterPath stalk = thick(quad(P(50, 70), P(50, 84), P(44, 93)), 3.2);
    fill(p, stalk, linear(P(44, 70), P(52, 93), kOchre, QColor(0x8a, 0x3a, 0x18)));
    QLinearGradient autumn(P(18, 12), P(80, 80));
    autumn.setColorAt(0, QColor(0xfb, 0xc4, 0x3a));
    autumn.setColorAt(0.45, QColor(0xee, 0x72, 0x22));
    autumn.setColorAt(1, QColor(0xb8, 0x26, 0x18));
    fill(p, leaf, autumn);
    // Veins running from the stalk to each lobe.
    const QColor vein(0x8e, 0x2a, 0x12);
    const P base(50, 70);
    stroke(p, segment(base, P(50, 12)), vein, 1.3);
    for (int side : {-1, 1}) {
        stroke(p, segment(base, P(50 + side * 36, 25)), vein, 1.2);
        stroke(p, segment(base, P(50 + side * 24, 57)), vein, 1.1);
        stroke(p, segment(P(50 + side * 12, 55.5), P(50 + side * 22, 44)), vein, kDetail);
        stroke(p, segment(P(50, 40), P(50 + side * 8, 30)), vein, kDetail);
    }
}

// ---- mountain

void drawMountain(QPainter &p)
{
    // Two snow-capped peaks over green foothills, lit on their left faces.
    const QColor rock(0x7a, 0x6a, 0x8a);
    const QColor rockLight(0xb4, 0xa6, 0xc0);
    const QColor rockDark(0x55, 0x48, 0x66);

    // The lesser peak behind, to the right.
    const QPainterPath back = polygon({P(48, 84), P(73, 28), P(96, 84)});
    fill(p, back, linear(P(60, 30), P(96, 84), rockLight, rock));
    fill(p, polygon({P(73, 28), P(96, 84), P(76, 84), P(78, 60)}), QColor(0x55, 0x48, 0x66, 110), 0);
    const QPainterPath backSnow = polygon({P(73, 28), P(81.5, 47), P(77, 44), P(73, 50), P(69, 44), P(64.5, 48)});
    fill(p, backSnow, linear(P(64, 28), P(82, 50), kWhite, QColor(0xd8, 0xe4, 0xf0)));
    stroke(p, back, kLine, kOutline);

    // The great peak: a lit face and a shaded face meeting on the ridge.
    const QPainterPath main = polygon({P(4, 84), P(40, 9), P(78, 84)});
    fill(p, main, linear(P(20, 20), P(70, 84), rockLight, rock), 0);
    fill(p, polygon({P(40, 9), P(78, 84), P(44, 84), P(48, 58), P(42, 34)}), rockDark, 0);
    stroke(p, main, kLine, kOutline);
    QPainterPath ridge(P(40, 9));
    ridge.lineTo(42, 34);
    ridge.lineTo(48, 58);
    ridge.lineTo(44, 84);
    stroke(p, ridge, kLine, kDetail);
    const QPainterPath snow =
        polygon({P(40, 9), P(53.5, 37), P(47, 33), P(42, 40), P(36, 31), P(30, 38), P(26.5, 37.5)});
    fill(p, snow, linear(P(28, 10), P(54, 40), kWhite, QColor(0xd8, 0xe4, 0xf0)));
    stroke(p, segment(P(40, 9), P(42, 36)), QColor(0xa8, 0xb8, 0xcc), kDetail);

    // Foothills.
    QPainterPath hills(P(2, 86));
    hills.quadTo(P(18, 70), P(36, 80));
    hills.quadTo(P(58, 66), P(80, 79));
    hills.quadTo(P(90, 74), P(98, 84));
    hills.quadTo(P(50, 96), P(2, 86));
    fill(p, hills, linear(P(20, 70), P(70, 92), QColor(0x9c, 0xc4, 0x5a), QColor(0x4e, 0x84, 0x34)));
}

// ---- weather

QPainterPath cloudShape(const QList<std::pair<P, qreal>> &puffs, const QRectF &base)
{
    QPainterPath cloud;
    cloud.addRoundedRect(base, base.height() / 2, base.height() / 2);
    for (const auto &[c, r] : puffs)
        cloud = cloud.united(circle(c, r));
    return cloud.simplified();
}

// A raindrop with its tip at the top, in a frame whose origin is the tip.
QPainterPath dropShape(qreal length, qreal r)
{
    const qreal cy = length - r;
    QPainterPath drop(P(0, 0));
    drop.cubicTo(P(r * 0.25, length * 0.25), P(r, cy - r * 0.7), P(r, cy));
    drop.arcTo(QRectF(-r, cy - r, 2 * r, 2 * r), 0, -180);
    drop.cubicTo(P(-r, cy - r * 0.7), P(-r * 0.25, length * 0.25), P(0, 0));
    drop.closeSubpath();
    return drop;
}

void drawRainCloud(QPainter &p)
{
    // A heavy grey-white cloud with rain streaming from its belly.
    for (int i = 0; i < 5; ++i) {
        const qreal x = 24 + i * 13;
        const QPainterPath streak = thick(segment(P(x, 60), P(x - 7, 88 - (i % 2) * 6)), 4.0);
        fill(p, streak, linear(P(x, 60), P(x - 6, 88), kWaterLight, kWater));
    }
    const QPainterPath cloud = cloudShape(
        {{P(30, 38), 14}, {P(51, 29), 19}, {P(71, 38), 14}, {P(16, 50), 10}, {P(84, 50), 10}}, QRectF(8, 42, 84, 20));
    QLinearGradient grey(P(30, 12), P(60, 62));
    grey.setColorAt(0, QColor(0xfb, 0xfd, 0xff));
    grey.setColorAt(0.6, QColor(0xc6, 0xd0, 0xdc));
    grey.setColorAt(1, QColor(0x8a, 0x98, 0xaa));
    fill(p, cloud, grey);
    stroke(p, quad(P(38, 37), P(44, 30), P(52, 32)), QColor(0x9a, 0xa8, 0xba), kDetail);
    stroke(p, quad(P(62, 44), P(68, 38), P(75, 41)), QColor(0x9a, 0xa8, 0xba), kDetail);
}

void drawRainDrop(QPainter &p)
{
    // One big clear drop of water.
    const QPainterPath drop = dropShape(84, 31).translated(50, 5);
    fill(p, drop, lit(P(50, 58), 48, kWaterLight, kWater));
    // The darker water pooled at its base, and its one glint.
    p.save();
    p.setClipPath(drop);
    QColor pooled = kWaterDark;
    pooled.setAlpha(90);
    fill(p, ellipse(P(56, 86), 34, 14), pooled, 0);
    p.restore();
    stroke(p, drop, kLine, kOutline);
    QPainterPath glint(P(32, 56));
    glint.quadTo(P(30, 70), P(40, 79));
    glint.quadTo(P(34, 68), P(35.5, 56));
    glint.quadTo(P(34, 53), P(32, 56));
    highlight(p, glint, 200);
    highlight(p, circle(P(38, 47), 2.6), 200);
}

void drawRain(QPainter &p)
{
    // The stepped rain cloud of Pueblo pottery, with long streaks of rain
    // slanting down from its flat underside all the way to the ground.
    const QPainterPath cloud = box(12, 28, 76, 12).united(box(24, 17, 52, 12)).united(box(37, 6, 26, 12)).simplified();
    const QPainterPath inner = box(17, 32, 66, 4).united(box(29, 21, 42, 12)).united(box(42, 10, 16, 12)).simplified();
    // Rain: broken streaks, staggered and slanting hard one way, so they
    // read as falling and not as a fringe hanging from the cloud.
    const P fall(-20, 46);
    int i = 0;
    for (qreal x = 26; x <= 90; x += 9, ++i) {
        const P top(x, 43 + (i % 2) * 5);
        const qreal shift = (i % 3) * 0.08;
        for (const auto &[from, to] : {std::pair{0.0, 0.42}, std::pair{0.58, 0.92}}) {
            const P a = top + fall * (from + shift), b = top + fall * std::min(1.0, to + shift);
            fill(p, thick(segment(a, b), 4.2), linear(a, b, kWaterLight, kWater));
        }
    }
    fill(p, cloud, linear(P(12, 6), P(88, 40), kTurquoiseLight, kTurquoise));
    fill(p, inner, linear(P(17, 10), P(83, 36), kTerracottaLight, kTerracotta), kDetail);
    fill(p, box(46, 14, 8, 8).united(box(33, 25, 34, 4)), kBlack, 0);
}

// ---- sun

void drawSun(QPainter &p)
{
    // A rayed sun of the Southwest: long ochre rays with short terracotta
    // ones between, around a golden disc.
    const P c(50, 50);
    for (int i = 0; i < 16; ++i) {
        const bool longRay = i % 2 == 0;
        const qreal a = qDegreesToRadians(i * 22.5 - 90);
        const qreal outer = longRay ? 45 : 36;
        const qreal spread = longRay ? 0.17 : 0.15;
        const qreal inner = 26;
        const P tipPoint = c + P(std::cos(a), std::sin(a)) * outer;
        const P left = c + P(std::cos(a - spread), std::sin(a - spread)) * inner;
        const P right = c + P(std::cos(a + spread), std::sin(a + spread)) * inner;
        fill(p, polygon({left, tipPoint, right}),
             longRay ? QBrush(linear(c, tipPoint, kOchreLight, kOchre))
                     : QBrush(linear(c, tipPoint, kTerracottaLight, kTerracotta)));
    }
    fill(p, circle(c, 28), lit(c, 34, QColor(0xff, 0xe8, 0x8a), QColor(0xec, 0x9a, 0x1c)));
    // A turquoise ring inlaid near the rim leaves the glowing face clear.
    const QPainterPath ring = circle(c, 24).subtracted(circle(c, 20.5));
    fill(p, ring, linear(P(28, 28), P(72, 72), kTurquoiseLight, kTurquoiseDark), kDetail);
}

// ---- Thunderbird

void drawThunderbird(QPainter &p)
{
    // The thunderbird seen from the front in the bold manner of a carved
    // pole: wings raised with their long feathers hanging like a comb, the
    // head turned to show its hooked beak, curled horns, and lightning.
    const QColor bodyLight(0x4a, 0x40, 0x3c);

    // Lightning flashing down from beneath each wing.
    for (int side : {-1, 1}) {
        const qreal s = side;
        auto X = [s](qreal x) { return 50 + s * x; };
        const QPainterPath bolt =
            polygon({P(X(36), 58), P(X(30), 72), P(X(35), 72), P(X(27), 84), P(X(32), 84), P(X(22), 97), P(X(41), 80),
                     P(X(36), 80), P(X(44), 68), P(X(39), 68), P(X(46), 58)});
        fill(p, bolt, linear(P(X(28), 58), P(X(44), 96), kOchreLight, kOchre));
    }

    // Tail fan.
    QPainterPath tail = polygon({P(44, 66), P(56, 66), P(65, 92), P(35, 92)});
    fill(p, tail, linear(P(34, 66), P(66, 92), bodyLight, kBlack));
    for (int i = 0; i < 5; ++i) {
        const qreal x = 35 + i * 6;
        fill(p, box(x, 86, 6, 6), (i % 2) ? kTurquoise : kTerracotta, kDetail);
    }
    for (qreal x : {41.0, 47.0, 53.0, 59.0})
        stroke(p, segment(P(50 + (x - 50) * 0.4, 68), P(x, 86)), QColor(0x6a, 0x5c, 0x56), kDetail);

    for (int side : {-1, 1}) {
        const qreal s = side;
        auto X = [s](qreal x) { return 50 + s * x; };
        // Long flight feathers hanging from the raised arm of the wing,
        // shortening toward its tip.
        for (int i = 4; i >= 0; --i) {
            const qreal x = 12 + i * 7.6;
            const qreal top = 38 - i * 5.5;
            const qreal bottom = 64 - i * 4.5;
            QPainterPath feather;
            feather.addRoundedRect(QRectF(X(x) - 3.8, top, 7.6, bottom - top), 3.8, 3.8);
            fill(p, feather, linear(P(X(x) - 4, top), P(X(x) + 4, bottom), bodyLight, kBlack));
            p.save();
            p.setClipPath(feather);
            fill(p, box(X(x) - 5, bottom - 7, 10, 8), (i % 2) ? kTurquoise : kTerracotta, 0);
            p.restore();
            stroke(p, feather, kLine, kOutline);
        }
        // The arm of the wing, raised from the shoulder to the wingtip.
        const QPainterPath arm = thick(quad(P(X(6), 42), P(X(24), 36), P(X(46), 14)), 12);
        fill(p, arm, linear(P(X(6), 20), P(X(46), 44), bodyLight, kBlack));
        const QPainterPath band = thick(quad(P(X(10), 45.5), P(X(25), 40), P(X(43), 22)), 2.6);
        fill(p, band, kTerracotta, 0);
        QPainterPath ovoid;
        ovoid.addRoundedRect(QRectF(-7, -4, 14, 8), 4, 4);
        ovoid = rotated(ovoid.translated(X(27), 33), P(X(27), 33), -s * 36);
        fill(p, ovoid, linear(P(X(20), 28), P(X(34), 38), kTurquoiseLight, kTurquoise), kDetail);
        fill(p, circle(P(X(27), 33), 2.2), kBlack, 0);
    }

    // Body with its red breast.
    const QPainterPath body = ellipse(P(50, 50), 11, 20);
    fill(p, body, linear(P(40, 30), P(60, 70), bodyLight, kBlack));
    QPainterPath breast(P(50, 38));
    breast.quadTo(P(58, 50), P(50, 64));
    breast.quadTo(P(42, 50), P(50, 38));
    fill(p, breast, linear(P(44, 38), P(56, 64), kTerracottaLight, kTerracotta), kDetail);
    for (qreal y : {47.0, 53.0})
        stroke(p, quad(P(46.5, y), P(50, y + 3), P(53.5, y)), QColor(0x7a, 0x2a, 0x12), kDetail);

    // Horns curling back from the crown.
    QPainterPath horns(P(52, 17));
    horns.cubicTo(P(52, 8), P(62, 3), P(67, 7));
    horns.cubicTo(P(71, 11), P(66, 16), P(63, 12));
    horns.moveTo(55, 18);
    horns.cubicTo(P(62, 14), P(70, 18), P(69, 25));
    horns.cubicTo(P(68, 29), P(63, 28), P(64, 24));
    fill(p, thick(horns, 4.4), linear(P(52, 4), P(70, 28), kOchreLight, kOchre));
    // The head turned to its right, with the great hooked beak.
    fill(p, ellipse(P(51, 24), 10, 10.5), linear(P(42, 14), P(60, 34), bodyLight, kBlack));
    QPainterPath beak(P(44, 17));
    beak.cubicTo(P(36, 16), P(28, 20), P(27, 31));
    beak.cubicTo(P(29, 29), P(31, 28), P(33, 29.5));
    beak.cubicTo(P(36, 28), P(41, 29), P(45, 30));
    beak.closeSubpath();
    fill(p, beak, linear(P(30, 16), P(44, 32), kOchreLight, kOchre));
    stroke(p, quad(P(33, 25), P(38, 24.5), P(43, 26)), QColor(0x9a, 0x5a, 0x12), kDetail);
    // A carved eye: white almond, dark pupil.
    QPainterPath eye(P(45, 21));
    eye.quadTo(P(50.5, 15.5), P(56, 21));
    eye.quadTo(P(50.5, 26), P(45, 21));
    fill(p, eye, kWhite, kDetail);
    animalEye(p, P(50.5, 21), 2.1);
}

} // namespace

QList<Symbol> nativeAmericanSymbols()
{
    return {
        {"Broken Arrow", drawBrokenArrow},
        {"Crossed Arrows", drawCrossedArrows},
        {"Feathers", drawFeathers},
        {"Fence", drawFence},
        {"Kokopelli Charm", drawKokopelli},
        {"Leaf", drawLeaf},
        {"Mountain", drawMountain},
        {"Rain Cloud", drawRainCloud},
        {"Rain Drop", drawRainDrop},
        {"Rain", drawRain},
        {"Sun", drawSun},
        {"Thunderbird", drawThunderbird},
    };
}

} // namespace artgen::goodluck
