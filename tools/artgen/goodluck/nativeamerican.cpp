// Native American good-luck symbols, in the Southwest palette of turquoise,
// terracotta, cream, black and ochre.
#include "style.h"

#include <QTransform>
#include <QtMath>
#include <cmath>
#include <tuple>

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
    // The fence of pottery and beadwork: a row of painted posts standing on
    // a banded ground line, lashed by two rails, keeping what is inside in.
    for (qreal y : {32.0, 58.0}) {
        const QPainterPath rail = box(5, y, 90, 5);
        fill(p, rail, linear(P(0, y), P(0, y + 5), kOchreLight, kOchre));
    }
    for (int i = 0; i < 7; ++i) {
        const qreal x = 7 + i * 12.8;
        const qreal w = 8.6;
        const qreal top = (i % 2) ? 20 : 12;
        // A stepped head on every post, as on the rim of a bowl.
        const QPainterPath post = polygon({P(x, 78), P(x, top + 6), P(x + 2.2, top + 6), P(x + 2.2, top),
                                           P(x + w - 2.2, top), P(x + w - 2.2, top + 6), P(x + w, top + 6),
                                           P(x + w, 78)});
        const bool red = i % 2 == 0;
        fill(p, post,
             red ? QBrush(linear(P(x, 0), P(x + w, 0), kTerracottaLight, kTerracotta))
                 : QBrush(linear(P(x, 0), P(x + w, 0), kTurquoiseLight, kTurquoise)));
        // Black lashing where the rails cross it.
        for (qreal y : {31.0, 57.0})
            fill(p, box(x - 0.6, y, w + 1.2, 7), kBlack, kDetail);
        fill(p, polygon({P(x + w / 2, 42), P(x + w - 1.6, 46), P(x + w / 2, 50), P(x + 1.6, 46)}), kCream, kDetail);
    }
    // The ground line, banded black and cream.
    fill(p, box(3, 77, 94, 9), kBlack);
    for (int i = 0; i < 9; ++i)
        fill(p, box(7 + i * 10.2, 80, 5, 3), kCream, 0);
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

    // The flute, held to his mouth and pointing down ahead of him: a plain
    // reed with a round open end, nothing that could pass for a point.
    const QPainterPath flute = thick(segment(P(27, 24.5), P(10, 46.5)), 3.2).united(circle(P(10, 46.5), 2.6));
    fill(p, t.map(flute), linear(t.map(P(9, 24)), t.map(P(28, 50)), kOchreLight, kOchre));

    QPainterPath figure = ellipse(P(31, 20.5), 6.2, 6.4);
    // The hump grows out of his bent back in one piece with it, so it reads
    // as his back and not as a shield carried on it.
    QPainterPath hump(P(33, 24));
    hump.cubicTo(P(41, 14), P(58, 20), P(54.5, 36));
    hump.cubicTo(P(52.5, 44), P(46, 48), P(43, 49));
    hump.lineTo(37, 32);
    hump.closeSubpath();
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
    // The maple leaf painted as on a pot: flat terracotta, its veins laid
    // in cream, a turquoise inlay where they meet, a black stalk.
    const QList<P> half = {P(50, 5),  P(55, 17), P(62, 13), P(60, 34), P(70, 26), P(74, 18), P(79, 25), P(92, 21),
                           P(85, 35), P(92, 40), P(74, 51), P(79, 61), P(69, 60), P(65, 69), P(55, 62), P(52, 75)};
    QPainterPath leaf(half.first());
    for (int i = 1; i < half.size(); ++i)
        leaf.lineTo(half[i]);
    for (int i = half.size() - 1; i >= 1; --i)
        leaf.lineTo(P(100 - half[i].x(), half[i].y()));
    leaf.closeSubpath();
    QPainterPath stalk(P(50, 66));
    stalk.lineTo(50, 82);
    stalk.lineTo(43, 93);
    fill(p, thick(stalk, 3.6), kBlack);
    fill(p, leaf, linear(P(18, 12), P(80, 80), kTerracottaLight, kTerracotta));
    // Veins as broad cream bands, straight like a painter's lines.
    const P base(50, 64);
    QPainterPath veins(base);
    veins.lineTo(50, 14);
    for (int side : {-1, 1}) {
        veins.moveTo(base);
        veins.lineTo(50 + side * 34, 27);
        veins.moveTo(base);
        veins.lineTo(50 + side * 22, 57);
    }
    const QPainterPath bands = thick(veins, 3.6, Qt::FlatCap);
    p.save();
    p.setClipPath(leaf);
    fill(p, bands, kCream, kDetail);
    p.restore();
    // Short black ticks along the main vein, like the teeth of a comb.
    for (int k = 0; k < 3; ++k) {
        const qreal y = 24 + k * 9;
        stroke(p, segment(P(46, y), P(54, y)), kBlack, 1.6);
    }
    fill(p, polygon({P(50, 53), P(57, 61), P(50, 69), P(43, 61)}),
         linear(P(43, 53), P(57, 69), kTurquoiseLight, kTurquoise));
    fill(p, box(48.3, 59.3, 3.4, 3.4), kBlack, 0);
}

// ---- mountain

void drawMountain(QPainter &p)
{
    // Three peaks as painted on a bowl: flat triangles banded with chevrons,
    // turquoise at their tops, standing on a banded ground line.
    struct Peak {
        qreal left, apexX, apexY, right;
        bool red;
    };
    const Peak peaks[] = {{4, 27, 36, 50, false}, {50, 73, 36, 96, false}, {19, 50, 10, 81, true}};
    const qreal ground = 78;
    for (const Peak &k : peaks) {
        const QPainterPath tri = polygon({P(k.left, ground), P(k.apexX, k.apexY), P(k.right, ground)});
        fill(p, tri,
             k.red ? QBrush(linear(P(k.left, k.apexY), P(k.right, ground), kTerracottaLight, kTerracotta))
                   : QBrush(linear(P(k.left, k.apexY), P(k.right, ground), kOchreLight, kOchre)),
             0);
        p.save();
        p.setClipPath(tri);
        const qreal h = ground - k.apexY;
        const qreal half = (k.right - k.left) / 2;
        // The turquoise cap and two chevrons below it, black and cream.
        const qreal capY = k.apexY + h * 0.32;
        fill(p, box(k.left, k.apexY - 1, 2 * half, capY - k.apexY + 1),
             linear(P(k.apexX - 10, k.apexY), P(k.apexX + 10, capY), kTurquoiseLight, kTurquoise), 0);
        stroke(p, segment(P(k.left, capY), P(k.right, capY)), kLine, kDetail);
        for (const auto &[drop, colour, width] : {std::tuple{0.50, kBlack, 4.0}, std::tuple{0.70, kCream, 3.4}}) {
            const qreal y = k.apexY + h * drop;
            QPainterPath chevron(P(k.left - 2, y + h * 0.22));
            chevron.lineTo(k.apexX, y);
            chevron.lineTo(k.right + 2, y + h * 0.22);
            stroke(p, chevron, colour, width);
        }
        p.restore();
        stroke(p, tri, kLine, kOutline);
    }
    fill(p, box(2, ground, 96, 9), kBlack);
    for (int i = 0; i < 8; ++i)
        fill(p, polygon({P(8 + i * 12, ground + 7), P(12 + i * 12, ground + 2), P(16 + i * 12, ground + 7)}), kCream,
             0);
}

// ---- weather

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

// A half disc standing on its flat side at `base`, as clouds are painted on
// Pueblo pottery.
QPainterPath halfDisc(P base, qreal r)
{
    QPainterPath path(base + P(r, 0));
    path.arcTo(QRectF(base.x() - r, base.y() - r, 2 * r, 2 * r), 0, 180);
    path.closeSubpath();
    return path;
}

void drawRainCloud(QPainter &p)
{
    // The rain cloud of Pueblo pottery and nothing more: three banded half
    // discs heaped on a flat base, the tallest in the middle. The rain
    // itself is another picture.
    const qreal base = 70;
    struct Puff {
        qreal x, r;
    };
    for (const Puff &c : {Puff{29, 24}, Puff{71, 24}, Puff{50, 37}}) {
        const P at(c.x, base);
        fill(p, halfDisc(at, c.r), linear(P(c.x - c.r, base - c.r), P(c.x + c.r, base), kTurquoiseLight, kTurquoise));
        fill(p, halfDisc(at, c.r * 0.7), linear(P(c.x - c.r, base - c.r), P(c.x + c.r, base), kTerracottaLight,
                                                kTerracotta),
             kDetail);
        fill(p, halfDisc(at, c.r * 0.45), kCream, kDetail);
        fill(p, halfDisc(at, c.r * 0.2), kBlack, kDetail);
    }
    // The flat underside: a banded black line.
    fill(p, box(4, base, 92, 9), kBlack);
    for (int i = 0; i < 9; ++i)
        fill(p, box(8 + i * 10, base + 3, 5, 3), kCream, 0);
}

void drawRainDrop(QPainter &p)
{
    // One big drop inlaid like a pendant: turquoise with a terracotta drop
    // set inside a cream band, and a black stone at its heart.
    const QPainterPath drop = dropShape(86, 31).translated(50, 5);
    fill(p, drop, lit(P(42, 50), 52, kTurquoiseLight, kTurquoise));
    const QPainterPath band = dropShape(60, 22).translated(50, 24);
    fill(p, band, kCream, kDetail);
    const QPainterPath inner = dropShape(48, 17).translated(50, 32);
    fill(p, inner, linear(P(36, 40), P(64, 80), kTerracottaLight, kTerracotta), kDetail);
    fill(p, circle(P(50, 64), 6), kBlack, kDetail);
    highlight(p, circle(P(37, 50), 2.8), 200);
}

void drawRain(QPainter &p)
{
    // Falling rain alone, with no cloud: long streaks in broken lengths,
    // staggered and slanting hard one way so they read as falling, each
    // ending in a drop.
    const P fall(-14, 36);
    int i = 0;
    for (qreal x = 22; x <= 100; x += 11, ++i) {
        for (int row = 0; row < 2; ++row) {
            const P top(x - row * 1 + (i % 2) * 0, 6 + (i % 2) * 12 + row * 44);
            const P a = top, b = top + fall * (row == 0 || i % 2 == 0 ? 1.0 : 0.75);
            if (b.y() > 96)
                continue;
            const bool blue = (i + row) % 2 == 0;
            fill(p, thick(segment(a, b), 5.0),
                 blue ? QBrush(linear(a, b, kWaterLight, kWater)) : QBrush(linear(a, b, kTurquoiseLight, kTurquoise)));
        }
    }
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
