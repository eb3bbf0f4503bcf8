// Egyptian good-luck symbols: lapis, turquoise, carnelian and gold, the
// colours of Egyptian jewellery, so the eight read as one set.
#include "style.h"

#include <QPolygonF>
#include <QtMath>
#include <cmath>

namespace artgen::goodluck {
namespace {

const QColor kLapis{0x1e, 0x3c, 0x8e};
const QColor kLapisLight{0x5a, 0x80, 0xd6};
const QColor kLapisDark{0x10, 0x22, 0x58};
const QColor kTurq{0x1f, 0xa8, 0x9c};
const QColor kTurqLight{0x8a, 0xe6, 0xd8};
const QColor kCarnelian{0xc4, 0x34, 0x1c};
const QColor kCarnelianLight{0xf4, 0x86, 0x5c};

QBrush lapis(P centre, qreal radius)
{
    return lit(centre, radius, kLapisLight, kLapis);
}

QBrush turquoise(P centre, qreal radius)
{
    return lit(centre, radius, kTurqLight, kTurq);
}

QBrush carnelian(P centre, qreal radius)
{
    return lit(centre, radius, kCarnelianLight, kCarnelian);
}

P lerp(P a, P b, qreal t)
{
    return a + (b - a) * t;
}

P bezier(P a, P b, P c, P d, qreal t)
{
    const qreal u = 1 - t;
    return a * (u * u * u) + b * (3 * u * u * t) + c * (3 * u * t * t) + d * (t * t * t);
}

P unit(P v)
{
    const qreal len = std::hypot(v.x(), v.y());
    return len > 0 ? v / len : P(0, 0);
}

QPainterPath closed(const QPolygonF &points)
{
    QPainterPath path;
    path.addPolygon(points);
    path.closeSubpath();
    return path;
}

// A cubic stroke that narrows from w0 to w1: trunks, tails, serpents.
QPainterPath tapered(P a, P b, P c, P d, qreal w0, qreal w1, int steps = 48)
{
    QPolygonF left, right;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = qreal(i) / steps;
        const P at = bezier(a, b, c, d, t);
        const P ahead = bezier(a, b, c, d, std::min(1.0, t + 0.01));
        const P behind = bezier(a, b, c, d, std::max(0.0, t - 0.01));
        const P dir = unit(ahead - behind);
        const P normal(-dir.y(), dir.x());
        const qreal w = (w0 + (w1 - w0) * t) / 2;
        left << at + normal * w;
        right.prepend(at - normal * w);
    }
    return closed(left + right);
}

// A band hanging under the line a-b whose lower edge is a row of scallops:
// the rows of small feathers on a wing, the beads of a collar.
QPainterPath scallopBand(P a, P b, qreal depth, int count)
{
    const P along = b - a;
    const P down = unit(P(-along.y(), along.x())) * depth * (along.x() >= 0 ? 1 : -1);
    QPainterPath path(a);
    path.lineTo(b);
    for (int i = count; i > 0; --i) {
        const P from = lerp(a, b, qreal(i) / count) + down * 0.55;
        const P to = lerp(a, b, qreal(i - 1) / count) + down * 0.55;
        if (i == count)
            path.lineTo(from);
        path.quadTo((from + to) / 2 + down * 0.9, to);
    }
    path.closeSubpath();
    return path;
}

// The older figures were drawn on an 80 grid: this scales one up by `s`
// about its centre so it fills the box like the rest. Undone by p.restore().
void enlarge(QPainter &p, qreal s, P centre)
{
    p.save();
    p.translate(50, 50);
    p.scale(s, s);
    p.translate(-centre);
}

// ---------------------------------------------------------------- ankh

void ankh(QPainter &p)
{
    // Drawn on an 80 grid and scaled up to fill the box.
    constexpr qreal s = 1.2;
    enlarge(p, s, P(40, 39.5));
    QPainterPath loop(P(40, 33));
    loop.cubicTo(P(26, 26), P(28, 4), P(40, 4));
    loop.cubicTo(P(52, 4), P(54, 26), P(40, 33));
    QPainterPath hole(P(40, 26.5));
    hole.cubicTo(P(33.6, 22), P(34.6, 10.6), P(40, 10.6));
    hole.cubicTo(P(45.4, 10.6), P(46.4, 22), P(40, 26.5));
    QPainterPath cross = loop.subtracted(hole);
    cross = cross.united(polygon({P(14.5, 28), P(17.5, 31), P(36, 30.4), P(36, 38.2), P(17.5, 37.6), P(14.5, 40.6)}));
    cross = cross.united(polygon({P(65.5, 28), P(62.5, 31), P(44, 30.4), P(44, 38.2), P(62.5, 37.6), P(65.5, 40.6)}));
    cross = cross.united(polygon({P(35.4, 30), P(44.6, 30), P(47.2, 72), P(49, 75.5), P(31, 75.5), P(32.8, 72)}));
    fill(p, cross, gold(P(22, 6), P(58, 76)), kOutline / s);
    // Lapis inlay set into the gold, as on a jewelled amulet.
    QPainterPath ring(P(40, 30));
    ring.cubicTo(P(29.8, 24.3), P(31.2, 7.3), P(40, 7.3));
    ring.cubicTo(P(48.8, 7.3), P(50.2, 24.3), P(40, 30));
    QPainterPath inlay = thick(ring, 1.6);
    inlay = inlay.united(polygon({P(20, 33.5), P(37, 33.4), P(37, 35.1), P(20, 35)}));
    inlay = inlay.united(polygon({P(60, 33.5), P(43, 33.4), P(43, 35.1), P(60, 35)}));
    inlay = inlay.united(polygon({P(39, 33.4), P(41, 33.4), P(42.2, 70.5), P(37.8, 70.5)}));
    fill(p, inlay, lapis(P(36, 30), 40), kDetail / s);
    stroke(p, quad(P(31.6, 20), P(30.6, 8), P(38, 5.6)), QColor(255, 255, 255, 150), 1.0);
    p.restore();
}

// ---------------------------------------------------------------- caduceus

void caduceus(QPainter &p)
{
    constexpr qreal s = 1.2;
    enlarge(p, s, P(40, 38.5));
    const qreal line = kOutline / s;
    // Wings swept up from the top of the staff, banded like a falcon's in a
    // tomb painting: lapis coverts, a turquoise row, white flight feathers.
    for (int side : {-1, 1}) {
        auto at = [side](qreal dx, qreal y) { return P(40 + side * dx, y); };
        const P tips[] = {at(31, 1.5), at(28, 10), at(23, 15.5), at(17, 19.5), at(11, 22.5), at(4, 24)};
        QPainterPath wing(at(2, 12));
        wing.cubicTo(at(9, 5), at(19, 1.5), tips[0]);
        for (int i = 1; i < 6; ++i) {
            const P mid = (tips[i - 1] + tips[i]) / 2;
            wing.quadTo(mid + P(side * 2.2, 2.8), tips[i]);
        }
        wing.lineTo(at(2, 20));
        wing.closeSubpath();
        fill(p, wing, linear(at(4, 6), at(26, 22), kWhite, QColor(0xcf, 0xe0, 0xe6)), line);
        for (int i = 1; i < 5; ++i)
            stroke(p, quad(at(9, 12.5), at(9 + i * 2.4, 11), tips[i]), QColor(0x6a, 0x74, 0x88), 0.6);
        p.save();
        p.setClipPath(wing);
        QPainterPath coverts(at(0, 12));
        coverts.cubicTo(at(9, 5), at(19, 1.5), tips[0]);
        const QPainterPath teal = thick(coverts.translated(side * -0.5, 6.2), 5.0, Qt::FlatCap);
        fill(p, teal, turquoise(at(14, 6), 16), kDetail / s);
        const QPainterPath blue = thick(coverts.translated(0, 2.6), 5.4, Qt::FlatCap);
        fill(p, blue, lapis(at(12, 2), 16), kDetail / s);
        p.restore();
        fill(p, wing, Qt::NoBrush, line);
    }
    QPainterPath staff;
    staff.addRoundedRect(QRectF(38, 12, 4, 63), 1.5, 1.5);
    fill(p, staff, gold(P(37, 0), P(43, 0)), line);
    fill(p, circle(P(40, 10.5), 3.8), lit(P(40, 10.5), 4.5, QColor(0xff, 0xf0, 0xa8), kGoldDark), line);

    // Two serpents twined up the staff, crossing it three times, heads facing.
    auto serpent = [](int side) {
        QPainterPath body(P(40 + side * 2.5, 72));
        for (int i = 1; i <= 60; ++i) {
            const qreal t = i / 60.0;
            const qreal y = 70 - t * 43;
            const qreal amp = 6 + 5.5 * t;
            body.lineTo(40 - side * amp * std::sin(M_PI * 3.5 * t), y);
        }
        body.cubicTo(P(40 + side * 12, 24), P(40 + side * 10, 21), P(40 + side * 6, 21));
        return body;
    };
    const QColor scales[2][2] = {{kTurqLight, kTurq}, {kLapisLight, kLapis}};
    auto drawSerpent = [&](int side, int k) {
        const QPainterPath body = thick(serpent(side), 4.2);
        fill(p, body, linear(P(30, 20), P(50, 72), scales[k][0], scales[k][1]), line);
        const P head(40 + side * 5.2, 21);
        fill(p, rotated(ellipse(head, 3.8, 2.6), head, side * 12), scales[k][0], line);
        fill(p, circle(head + P(-side * 0.9, -0.6), 0.8), kHair, 0);
        stroke(p, segment(head + P(-side * 3.6, 0.7), head + P(-side * 5.6, 1.1)), kCarnelian, 0.6);
    };
    drawSerpent(1, 0);
    drawSerpent(-1, 1);
    // Where the first serpent passes in front, draw it over the second again.
    p.save();
    p.setClipRect(QRectF(0, 44, 80, 14));
    drawSerpent(1, 0);
    p.restore();
    p.restore();
}

// ---------------------------------------------------------------- eye of Horus

void eyeOfHorus(QPainter &p)
{
    constexpr qreal s = 1.45;
    enlarge(p, s, P(41.8, 37.8));
    const qreal line = kOutline / s;
    const QBrush blue = lapis(P(30, 20), 50);
    // Brow.
    QPainterPath brow(P(13, 23.5));
    brow.quadTo(P(38, 8.5), P(68.5, 19));
    brow.lineTo(P(68, 25));
    brow.quadTo(P(38, 15.5), P(14, 28.5));
    brow.closeSubpath();
    fill(p, brow, blue, line);
    // The painted line running back from the outer corner.
    fill(p, polygon({P(52, 31.6), P(70.5, 32), P(71, 37), P(52, 36.6)}), blue, line);
    // Teardrop marking below the front of the eye.
    QPainterPath drop(P(26.6, 41));
    drop.lineTo(32, 41);
    drop.lineTo(32.4, 62);
    drop.quadTo(P(29.5, 67.5), P(26.2, 62));
    drop.closeSubpath();
    fill(p, drop, blue, line);
    // The falcon's cheek mark: a sweep back that ends in a spiral.
    QPainterPath spiral(P(40, 42));
    spiral.cubicTo(P(44, 52), P(49, 62), P(57, 64.5));
    const P centre(58.5, 57.5);
    for (int i = 1; i <= 48; ++i) {
        const qreal a = M_PI / 2 - i * (M_PI * 1.75 / 48) + 0.22;
        const qreal r = 7.0 - i * (4.4 / 48);
        spiral.lineTo(centre + P(std::cos(a) * r, std::sin(a) * r));
    }
    fill(p, thick(spiral, 3.8), blue, line);
    // Eye: white almond, dark iris, heavy painted lids.
    QPainterPath eye(P(13.5, 37));
    eye.quadTo(P(32, 21), P(55, 34));
    eye.quadTo(P(34, 46), P(13.5, 37));
    fill(p, eye, kWhite, 0);
    p.save();
    p.setClipPath(eye);
    fill(p, circle(P(33, 33.5), 7.8), lit(P(33, 33.5), 9, QColor(0x3a, 0x3e, 0x58), QColor(0x12, 0x12, 0x1c)), 0);
    fill(p, circle(P(30.5, 31), 1.8), QColor(255, 255, 255, 210), 0);
    p.restore();
    fill(p, thick(eye, 3.2), blue, line);
    p.restore();
}

// ---------------------------------------------------------------- Isis

// One outspread wing of the goddess, hanging from her arm: long feathers in
// lapis and turquoise under rows of gold and carnelian coverts.
void isisWing(QPainter &p, int side)
{
    const P rootIn(50 + side * 5, 47);
    const P rootOut(50 + side * 45, 30);
    constexpr int n = 9;
    for (int i = n - 1; i >= 0; --i) {
        const qreal t = qreal(i) / (n - 1);
        const P root = lerp(rootIn, rootOut, t) + P(0, 6);
        const qreal length = 37 - 19 * t;
        const P dir = unit(P(side * (0.1 + 0.5 * t), 1));
        const P across(-dir.y() * side, dir.x() * side);
        const qreal w = 3.6 - 0.8 * t;
        const P tip = root + dir * length;
        QPainterPath feather(root - across * w);
        feather.lineTo(tip - across * w - dir * w);
        feather.quadTo(tip + dir * w * 0.6, tip + across * w - dir * w);
        feather.lineTo(root + across * w);
        feather.closeSubpath();
        const bool blue = i % 2 == 0;
        fill(p, feather, blue ? lapis(root, length) : turquoise(root, length));
        stroke(p, segment(root + dir * 2, tip - dir * w), blue ? kLapisDark : QColor(0x10, 0x6a, 0x62), kDetail);
    }
    const QPainterPath goldRow = scallopBand(rootIn + P(0, 0.5), rootOut + P(side * 2.5, 0), 11, 7);
    fill(p, goldRow, gold(rootIn + P(0, -4), rootOut + P(0, 12)));
    const QPainterPath redRow = scallopBand(rootIn, rootOut + P(side * 2, 0), 6.5, 9);
    fill(p, redRow, carnelian(lerp(rootIn, rootOut, 0.3), 30));
}

// The knot of Isis: a knotted red cloth like an ankh whose arms hang down,
// its loop at `top`, rimmed in gold like the rest of her jewellery.
void tyet(QPainter &p, P top, qreal height)
{
    const qreal s = height / 46;
    const QColor red{0xc8, 0x12, 0x18};
    const QColor redLight{0xf8, 0x62, 0x52};
    const QColor fold{0x6e, 0x06, 0x0a};
    p.save();
    p.translate(top);
    p.scale(s, s);
    const QPainterPath loop = ellipse(P(0, 9), 6.2, 9).subtracted(ellipse(P(0, 8.6), 2.6, 5));
    QPainterPath skirt(P(-3, 20));
    skirt.lineTo(3, 20);
    skirt.cubicTo(P(3.4, 30), P(5, 38), P(8, 45));
    skirt.quadTo(P(0, 46.5), P(-8, 45));
    skirt.cubicTo(P(-5, 38), P(-3.4, 30), P(-3, 20));
    // The arms, knotted at the waist and falling straight down beside it.
    QPainterPath arms;
    for (int side : {-1, 1})
        arms = arms.united(
            thick(curve(P(side * 4, 19), P(side * 9.5, 18.5), P(side * 10.5, 21), P(side * 10.2, 32)), 3.8));
    const QPainterPath wrap = box(-4.8, 16.8, 9.6, 4.6);
    const QPainterPath whole = loop.united(skirt).united(arms).united(wrap).simplified();
    fill(p, whole.united(thick(whole, 2.6)).simplified(), gold(P(-12, 0), P(12, 46)), kOutline / s);
    const QBrush cloth = linear(P(-12, 2), P(12, 46), redLight, red);
    fill(p, arms, cloth, kDetail / s, fold);
    fill(p, skirt, cloth, kDetail / s, fold);
    fill(p, loop, cloth, kDetail / s, fold);
    fill(p, wrap, cloth, kDetail / s, fold);
    stroke(p, segment(P(0, 21.5), P(0, 45.5)), fold, kDetail / s);
    for (int side : {-1, 1})
        stroke(p, quad(P(side * 1.8, 23), P(side * 2.6, 34), P(side * 4.8, 45)), fold, 0.8 / s);
    stroke(p, quad(P(-3.4, 3.6), P(-4.8, 8.6), P(-3.2, 13)), QColor(255, 255, 255, 150), 1.0 / s);
    p.restore();
}

// A face in profile looking right, with the painted eye and its long line
// of kohl, as Isis and the angel share it.
void profileFace(QPainter &p, qreal line, qreal detail)
{
    QPainterPath face(P(50, 22));
    face.cubicTo(P(55, 19.5), P(58.5, 22), P(58.8, 25.5));
    face.lineTo(P(61.6, 30.2));
    face.lineTo(P(59.2, 31));
    face.quadTo(P(60, 32.6), P(59, 33.4));
    face.quadTo(P(59.2, 35.6), P(56.6, 36.4));
    face.quadTo(P(53, 37.6), P(49, 35));
    face.closeSubpath();
    fill(p, face, lit(P(55, 28), 11, QColor(0xff, 0xe8, 0xcc), kSkin), line);
    fill(p, ellipse(P(59.2, 33.3), 1.1, 0.55), kMouth, 0);
    QPainterPath eye(P(53.6, 27));
    eye.quadTo(P(55.6, 25.4), P(57.4, 26.8));
    eye.quadTo(P(55.6, 28.4), P(53.6, 27));
    fill(p, eye, kWhite, detail);
    fill(p, circle(P(56, 26.9), 0.9), kHair, 0);
    stroke(p, segment(P(53.6, 27), P(51.2, 26.4)), kLine, detail);
}

void isis(QPainter &p)
{
    // The goddess kneels with both wings spread wide, her arms their leading
    // edges; her knot hangs small from her waist so the wings and the throne
    // on her head carry the picture. She is kept small enough for the throne
    // to stand tall above her, and wears the gold vulture cap, so she is not
    // taken for the angel with her black hair and halo.
    QTransform goddess;
    goddess.translate(50, 93);
    goddess.scale(0.82, 0.82);
    goddess.translate(-50, -93);
    p.save();
    p.setTransform(goddess, true);
    groundShadow(p, P(52, 90), 24, 3.5);
    isisWing(p, -1);
    isisWing(p, 1);
    // Kneeling, sitting back on her heels, in a red sheath dress; she faces right.
    QPainterPath dress(P(47, 42));
    dress.quadTo(P(56, 40), P(58, 46));
    dress.cubicTo(P(60, 52), P(57, 58), P(56, 64));
    dress.cubicTo(P(62, 68), P(70, 74), P(72, 81));
    dress.cubicTo(P(74, 86), P(72, 90), P(68, 90.5));
    dress.lineTo(P(38, 90.5));
    dress.cubicTo(P(34, 90), P(33, 80), P(38, 74));
    dress.cubicTo(P(42, 68), P(43, 58), P(44, 50));
    dress.quadTo(P(44.5, 44), P(47, 42));
    fill(p, dress, carnelian(P(50, 55), 40));
    stroke(p, curve(P(57, 66), P(52, 70), P(46, 76), P(40, 88)), QColor(0x7c, 0x1a, 0x0c), kDetail);
    stroke(p, quad(P(58, 70), P(64, 74), P(68, 86)), QColor(0x7c, 0x1a, 0x0c), kDetail);
    // Her heel peeping out behind.
    fill(p, ellipse(P(35.5, 88.5), 4, 2.4), kSkin);
    // Broad collar of gold and turquoise beads.
    QPainterPath collar(P(45, 41.5));
    collar.quadTo(P(51, 38), P(57.5, 42.5));
    collar.quadTo(P(58, 48), P(52, 50));
    collar.quadTo(P(45.5, 49), P(45, 41.5));
    fill(p, collar, gold(P(45, 38), P(58, 50)));
    stroke(p, quad(P(46.5, 45), P(52, 47.5), P(56.5, 45.5)), kTurq, 1.6);
    // Arms spread along the tops of the wings.
    for (int side : {-1, 1}) {
        const P hand(50 + side * 45, 29);
        const QPainterPath arm =
            tapered(P(50 + side * 3, 45), P(50 + side * 15, 42), P(50 + side * 32, 34), hand, 5, 3.6);
        fill(p, arm, linear(P(50, 40), P(50, 46), QColor(0xff, 0xe4, 0xc2), kSkinShade));
        fill(p, ellipse(hand + P(side * 1.5, -0.3), 2.8, 2.1), kSkin);
        const P cuff = lerp(P(50 + side * 3, 45), hand, 0.78);
        fill(p, rotated(box(cuff.x() - 1.4, cuff.y() - 2.8, 2.8, 5.6), cuff, side * -6), gold(cuff, cuff + P(0, 3)),
             kDetail);
    }
    // Head, drawn a little larger than life so the face reads at small sizes.
    constexpr qreal hs = 1.12;
    const qreal line = kOutline / hs;
    const qreal detail = kDetail / hs;
    p.save();
    p.translate(52, 42.5);
    p.scale(hs, hs);
    p.translate(-52, -41);
    // Neck and face in profile.
    fill(p, box(49.5, 33, 5, 8.5), kSkin, line);
    profileFace(p, line, detail);
    // Long wig, lapis-black, banded with gold, falling behind the shoulder.
    QPainterPath wig(P(57.5, 22.5));
    wig.cubicTo(P(56, 16.5), P(44, 15.5), P(42.5, 25));
    wig.cubicTo(P(41.5, 32), P(41.5, 40), P(43, 47));
    wig.lineTo(P(50.5, 47));
    wig.lineTo(P(50, 31));
    wig.quadTo(P(52.5, 25), P(57.5, 22.5));
    fill(p, wig, lit(P(48, 24), 20, QColor(0x3a, 0x42, 0x6e), QColor(0x16, 0x1a, 0x30)), line);
    for (qreal x : {45.5, 48.0})
        stroke(p, segment(P(x, 30), P(x, 46)), QColor(0x4a, 0x56, 0x8a), detail);
    fill(p, box(42.4, 42.5, 8.4, 2.4), gold(P(42, 42), P(51, 45)), detail);
    // The vulture cap: a gold bird lying over the wig, its wing hanging down
    // behind her ear.
    QPainterPath cap(P(57.5, 22.3));
    cap.cubicTo(P(56, 16.5), P(44, 15.5), P(42.8, 24.5));
    cap.quadTo(P(42, 31), P(44, 38.5));
    cap.quadTo(P(48, 33), P(50.2, 29.5));
    cap.quadTo(P(52.5, 25), P(57.5, 22.3));
    fill(p, cap, gold(P(43, 17), P(57, 36)), line);
    for (qreal k : {0.0, 1.0, 2.0})
        stroke(p, quad(P(47 + k * 2.2, 22), P(45 + k * 1.6, 28), P(44.4 + k * 1.3, 34 - k * 1.5)), kTurq, 1.1);
    // Her name-sign on her head: the throne, high back behind, seat in front,
    // drawn large since it is what names her.
    fill(p, box(44, 17, 13, 2.6), gold(P(44, 16), P(57, 20)), line);
    constexpr qreal ts = 1.85;
    p.translate(50.5, 17);
    p.scale(ts, ts);
    p.translate(-50.5, -17);
    const QPainterPath throne =
        polygon({P(42.5, 3.5), P(48.5, 3.5), P(48.5, 10.5), P(58.5, 10.5), P(58.5, 17), P(42.5, 17)});
    fill(p, throne, gold(P(42, 3), P(58, 17)), line / ts);
    fill(p, box(44.5, 12.3, 4.4, 3.2), lapis(P(45, 12), 5), detail / ts);
    stroke(p, segment(P(48.5, 10.5), P(48.5, 17)), kGoldDark, detail / ts);
    // A thin plinth under it, so its steps stand on something.
    fill(p, box(41.5, 17, 18, 1.8), gold(P(41, 17), P(60, 19)), detail / ts);
    p.restore();
    p.restore();

    // Her knot, tied at the waist and hanging in front of her knees.
    const P waist = goddess.map(P(58.5, 55));
    tyet(p, waist, 15);
}

// ---------------------------------------------------------------- angel

// One feather: pointed, widest a third of the way out.
QPainterPath feather(P root, P dir, qreal length, qreal width)
{
    const P across(-dir.y(), dir.x());
    const P end = root + dir * length;
    QPainterPath path(root - across * width * 0.35);
    path.cubicTo(root - across * width + dir * length * 0.35, end - across * width * 0.7 - dir * width * 1.2, end);
    path.cubicTo(end + across * width * 0.7 - dir * width * 1.2, root + across * width + dir * length * 0.35,
                 root + across * width * 0.35);
    path.closeSubpath();
    return path;
}

// The right wing of the angel: its leading edge arches from the shoulder
// blade up and out, and the long white flight feathers hang from it, longest
// at the tip; rows of turquoise and lapis coverts and a gold edge give it the
// colours of temple wings. The left is its mirror.
void angelWing(QPainter &p)
{
    const P shoulder(55, 45), c1(57, 26), c2(67, 10), tip(84, 8);
    constexpr int n = 9;
    struct Row {
        qreal reach; // a share of the flight feathers' length
        QColor light, base;
    };
    const Row rows[] = {{1.0, kWhite, QColor(0xb8, 0xc8, 0xd6)},
                        {0.68, kWhite, QColor(0xd6, 0xe0, 0xe8)},
                        {0.42, kTurqLight, kTurq},
                        {0.24, kLapisLight, kLapis}};
    for (const Row &row : rows) {
        for (int i = n - 1; i >= 0; --i) {
            const qreal t = qreal(i) / (n - 1);
            const P root = bezier(shoulder, c1, c2, tip, t);
            const P dir = unit(lerp(P(0.6, 1), P(0.14, 1), t));
            const qreal length = (16 + 36 * t) * row.reach + 4;
            fill(p, feather(root, dir, length, 3.2 + 1.6 * row.reach),
                 linear(root, root + dir * length, row.light, row.base));
            if (row.reach == 1.0)
                stroke(p, segment(root + dir * length * 0.55, root + dir * (length - 3)), row.base.darker(125),
                       kDetail);
        }
    }
    fill(p, tapered(shoulder, c1, c2, tip, 4.4, 2.4), gold(shoulder, tip));
}

void angel(QPainter &p)
{
    // A guardian angel drawn as on a temple wall: the head in profile and the
    // body seen from the front, two great white wings rising behind it, a ring
    // of light above its head and its hands joined in prayer.
    groundShadow(p, P(50, 92), 20, 3);
    angelWing(p);
    p.save();
    p.translate(100, 0);
    p.scale(-1, 1);
    angelWing(p);
    p.restore();
    // Feet in profile under the hem, both facing the way the head looks.
    for (qreal x : {44.0, 53.0}) {
        QPainterPath foot(P(x - 2, 86));
        foot.lineTo(P(x + 3, 86));
        foot.quadTo(P(x + 8.5, 88.5), P(x + 9, 91.5));
        foot.lineTo(P(x - 2.5, 91.5));
        foot.closeSubpath();
        fill(p, foot, kSkin);
    }
    // A long white pleated linen robe, flaring to the feet.
    QPainterPath robe(P(42, 44));
    robe.quadTo(P(50, 40), P(58, 44));
    robe.cubicTo(P(60, 58), P(62, 74), P(65, 88));
    robe.quadTo(P(50, 90), P(35, 88));
    robe.cubicTo(P(38, 74), P(40, 58), P(42, 44));
    fill(p, robe, linear(P(40, 42), P(64, 88), kWhite, QColor(0xd2, 0xd6, 0xe2)));
    for (qreal x : {-9.0, -4.5, 4.5, 9.0})
        stroke(p, segment(P(50 + x * 0.35, 64), P(50 + x, 87.5)), QColor(0xa6, 0xaa, 0xbc), kDetail);
    // A gold girdle with a lapis sash falling down the middle.
    fill(p, polygon({P(40.6, 61), P(59.4, 61), P(59.8, 64.6), P(40.2, 64.6)}), gold(P(40, 61), P(60, 65)), kDetail);
    fill(p, polygon({P(48, 64.6), P(52, 64.6), P(53, 84), P(47, 84)}), lapis(P(49, 66), 20), kDetail);
    // Bare arms bent at the elbows, the hands joined in prayer before the chest.
    const QBrush arm = linear(P(40, 44), P(60, 62), QColor(0xff, 0xe4, 0xc2), kSkinShade);
    for (int side : {-1, 1}) {
        const P shoulder(50 + side * 7, 46);
        const P elbow(50 + side * 10, 59.5);
        const P wrist(50 + side * 2, 59);
        fill(p, tapered(shoulder, shoulder + P(side * 2, 4), elbow + P(0, -4), elbow, 5, 4.2), arm);
        fill(p, tapered(elbow, elbow + P(-side * 3, 0.5), wrist + P(side * 3, 1), wrist, 4.2, 3.2), arm);
        const P band = lerp(shoulder, elbow, 0.45);
        fill(p, box(band.x() - 2.9, band.y() - 1.2, 5.8, 2.4), gold(band, band + P(0, 2)), kDetail);
    }
    QPainterPath hands(P(47.4, 60.5));
    hands.cubicTo(P(47, 55), P(48.4, 50.5), P(50, 48.5));
    hands.cubicTo(P(51.6, 50.5), P(53, 55), P(52.6, 60.5));
    hands.closeSubpath();
    fill(p, hands, lit(P(49, 51), 8, QColor(0xff, 0xe8, 0xcc), kSkin), kDetail);
    stroke(p, segment(P(50, 50), P(50, 60)), kSkinShade.darker(120), kDetail);
    // A broad collar of gold and turquoise.
    QPainterPath collar(P(43, 43.5));
    collar.quadTo(P(50, 39.5), P(57, 43.5));
    collar.quadTo(P(55, 48), P(50, 48.5));
    collar.quadTo(P(45, 48), P(43, 43.5));
    fill(p, collar, gold(P(43, 40), P(57, 49)));
    stroke(p, quad(P(44.5, 44.5), P(50, 47.5), P(55.5, 44.5)), kTurq, 1.5);
    // Head in profile, looking right, a little larger than life so the face
    // reads at small sizes.
    p.save();
    p.translate(48.8, 38.5);
    p.scale(1.1, 1.1);
    p.translate(-54, -34.5);
    fill(p, box(51.5, 30.5, 5, 7), kSkin);
    p.save();
    p.translate(1, -8);
    profileFace(p, kOutline, kDetail);
    p.restore();
    // A short black wig banded with gold, cut straight at the nape.
    QPainterPath hair(P(58.5, 14.5));
    hair.cubicTo(P(57, 8.5), P(45, 7.5), P(43.5, 17));
    hair.cubicTo(P(43, 22), P(43.5, 27), P(45, 31));
    hair.lineTo(P(51.5, 31));
    hair.lineTo(P(51, 23));
    hair.quadTo(P(53.5, 17), P(58.5, 14.5));
    fill(p, hair, lit(P(48, 13), 18, QColor(0x3a, 0x42, 0x6e), QColor(0x16, 0x1a, 0x30)));
    for (qreal x : {46.5, 49.0})
        stroke(p, segment(P(x, 20), P(x, 30)), QColor(0x4a, 0x56, 0x8a), kDetail);
    QPainterPath band(P(44.2, 14.5));
    band.quadTo(P(51, 9.5), P(58, 13.6));
    fill(p, thick(band, 2.4, Qt::FlatCap), gold(P(44, 10), P(58, 15)), kDetail);
    p.restore();
    // The ring of light floating above the head.
    const P crown(50, 4.4);
    const QPainterPath halo = ellipse(crown, 11, 3.6).subtracted(ellipse(crown, 7.6, 1.6));
    fill(p, halo, gold(crown + P(-11, -4), crown + P(11, 4)));
}

// ---------------------------------------------------------------- elephant

void elephant(QPainter &p)
{
    const QColor hide(0x9c, 0xa0, 0xae);
    const QColor hideLight(0xd4, 0xd8, 0xe2);
    const QColor hideDark(0x72, 0x76, 0x86);
    groundShadow(p, P(48, 88), 34, 4);
    // Far legs, in shadow.
    for (qreal x : {29.0, 64.0})
        fill(p, polygon({P(x - 6, 60), P(x + 6, 60), P(x + 5.5, 86.5), P(x - 5.5, 86.5)}), hideDark);
    // Tail with a tuft.
    fill(p, tapered(P(15, 46), P(10, 52), P(9, 58), P(10, 66), 2.6, 1.6), hide);
    fill(p, ellipse(P(10, 67.5), 2, 3), kHair, kDetail);
    // Body.
    QPainterPath body(P(13, 54));
    body.cubicTo(P(11, 34), P(28, 24), P(46, 25));
    body.cubicTo(P(58, 25.5), P(66, 29), P(70, 36));
    body.lineTo(P(72, 62));
    body.cubicTo(P(64, 72), P(30, 74), P(18, 69));
    body.quadTo(P(12.5, 64), P(13, 54));
    fill(p, body, lit(P(36, 42), 44, hideLight, hide));
    // Near legs.
    for (qreal x : {21.0, 56.0}) {
        QPainterPath leg(P(x - 7, 58));
        leg.lineTo(P(x + 7, 58));
        leg.quadTo(P(x + 5.5, 72), P(x + 6.5, 87.5));
        leg.quadTo(P(x, 89), P(x - 6.5, 87.5));
        leg.quadTo(P(x - 5.5, 72), P(x - 7, 58));
        leg.closeSubpath();
        fill(p, leg, linear(P(x - 6, 60), P(x + 6, 88), hideLight, hide));
        for (qreal dx : {-3.0, 0.0, 3.0})
            fill(p, ellipse(P(x + dx, 87.2), 1.3, 0.8), kWhite, kDetail * 0.8);
    }
    // A lapis saddle-cloth bordered with gold, turquoise and carnelian.
    QPainterPath cloth(P(28, 27.5));
    cloth.quadTo(P(44, 23.5), P(58, 27));
    cloth.lineTo(P(60, 58));
    cloth.lineTo(P(30, 58));
    cloth.closeSubpath();
    fill(p, cloth, lapis(P(38, 34), 30));
    fill(p, box(30, 51, 30, 7), gold(P(30, 51), P(60, 58)), kDetail);
    for (int i = 0; i < 6; ++i) {
        const P c(32.5 + i * 5, 54.5);
        fill(p, circle(c, 1.7), i % 2 ? carnelian(c, 2) : turquoise(c, 2), kDetail);
    }
    for (int i = 0; i < 7; ++i)
        fill(p, polygon({P(30 + i * 5, 58), P(35 + i * 5, 58), P(32.5 + i * 5, 62)}).intersected(box(30, 58, 30, 5)),
             kCarnelian, kDetail);
    // Head, trunk raised for luck.
    QPainterPath head(P(62, 34));
    head.cubicTo(P(66, 22), P(82, 20), P(86, 30));
    head.cubicTo(P(88, 36), P(87, 42), P(85, 46));
    head.lineTo(P(76, 58));
    head.cubicTo(P(70, 60), P(64, 56), P(62, 50));
    head.closeSubpath();
    const QPainterPath trunk = tapered(P(83, 42), P(92, 54), P(96, 34), P(90, 20), 11, 4.5);
    fill(p, trunk.united(head), lit(P(72, 32), 26, hideLight, hide));
    for (qreal t : {0.45, 0.55, 0.65, 0.75, 0.85}) {
        const P at = bezier(P(83, 42), P(92, 54), P(96, 34), P(90, 20), t);
        stroke(p, segment(at + P(-2.4, 0.2), at + P(1.6, 0.2)), hideDark, kDetail * 0.8);
    }
    // Tusk.
    QPainterPath tusk(P(78, 52));
    tusk.cubicTo(P(82, 60), P(88, 62), P(92, 58));
    tusk.quadTo(P(86, 58), P(82, 50));
    tusk.closeSubpath();
    fill(p, tusk, linear(P(80, 50), P(92, 60), kWhite, QColor(0xe6, 0xd8, 0xb8)));
    // Big ear in front of the shoulder.
    QPainterPath ear(P(66, 30));
    ear.cubicTo(P(56, 26), P(50, 36), P(52, 46));
    ear.cubicTo(P(54, 56), P(62, 62), P(68, 58));
    ear.cubicTo(P(72, 52), P(72, 38), P(66, 30));
    fill(p, ear, lit(P(60, 38), 22, hide, hideDark));
    stroke(p, curve(P(64, 34), P(58, 38), P(58, 50), P(65, 54)), QColor(0x5c, 0x60, 0x70), kDetail);
    // Gold brow ornament with a carnelian bead.
    fill(p, rotated(ellipse(P(78.5, 25.5), 4.4, 2.4), P(78.5, 25.5), 28), gold(P(74, 22), P(83, 29)), kDetail);
    fill(p, circle(P(78.5, 25.5), 1.3), kCarnelian, kDetail * 0.8);
    animalEye(p, P(77, 36), 1.6);
}

// ---------------------------------------------------------------- lotus

void lotus(QPainter &p)
{
    // Water and the flat leaf floating on it.
    QPainterPath water(P(12, 84));
    for (int k = 0; k < 8; ++k)
        water.quadTo(P(16.75 + k * 9.5, k % 2 ? 86.5 : 81.5), P(21.5 + k * 9.5, 84));
    water.quadTo(P(88, 90), P(78, 92));
    water.lineTo(P(22, 92));
    water.quadTo(P(12, 90), P(12, 84));
    fill(p, water, linear(P(30, 80), P(60, 92), kTurqLight, kTurq));
    stroke(p, quad(P(30, 88.5), P(50, 86.5), P(70, 88.5)), kWhite, kDetail);
    QPainterPath pad = ellipse(P(30, 82), 20, 5.5);
    pad = pad.subtracted(polygon({P(30, 82), P(12, 74), P(6, 79)}));
    fill(p, pad, linear(P(14, 78), P(46, 88), QColor(0x8c, 0xd0, 0x6a), QColor(0x2e, 0x84, 0x3a)));
    stroke(p, segment(P(30, 82), P(44, 80)), QColor(0x22, 0x66, 0x2c), kDetail);
    // The stem rising out of the water.
    fill(p, tapered(P(52, 88), P(51, 78), P(49, 70), P(50, 60), 4, 3.4),
         linear(P(48, 60), P(54, 88), QColor(0x7c, 0xc0, 0x5a), QColor(0x2e, 0x7a, 0x34)));
    // A bud beside the flower.
    fill(p, tapered(P(54, 86), P(66, 82), P(82, 76), P(85, 60), 3, 2.6), QColor(0x4e, 0x9a, 0x44));
    QPainterPath bud(P(85, 39));
    bud.cubicTo(P(90.5, 47), P(90.5, 56), P(85, 60));
    bud.cubicTo(P(79.5, 56), P(79.5, 47), P(85, 39));
    fill(p, bud, linear(P(81, 41), P(89, 59), QColor(0xa8, 0xbc, 0xf4), QColor(0x3c, 0x5c, 0xc4)));
    QPainterPath budSepals(P(80.4, 52));
    budSepals.quadTo(P(85, 47), P(89.6, 52));
    budSepals.quadTo(P(89, 58), P(85, 60.5));
    budSepals.quadTo(P(81, 58), P(80.4, 52));
    fill(p, budSepals, QColor(0x4e, 0x9a, 0x44), kDetail);
    // The open flower in profile: narrow pointed petals fanned upwards,
    // the far ones pale, the near ones deep blue, over green sepals.
    const P base(50, 62);
    auto petal = [&](qreal degrees, qreal length, qreal width, const QColor &tipColour, const QColor &rootColour,
                     qreal line) {
        QPainterPath leaf(P(0, 0));
        leaf.cubicTo(P(width, -length * 0.25), P(width * 0.8, -length * 0.7), P(0, -length));
        leaf.cubicTo(P(-width * 0.8, -length * 0.7), P(-width, -length * 0.25), P(0, 0));
        QTransform t;
        t.translate(base.x(), base.y());
        t.rotate(degrees);
        const QPainterPath shape = t.map(leaf);
        const P tip = t.map(P(0, -length));
        fill(p, shape, linear(tip, base, tipColour, rootColour), line);
        stroke(p, segment(t.map(P(0, -length * 0.15)), t.map(P(0, -length * 0.8))), tipColour.darker(150),
               kDetail * 0.8);
    };
    const QColor paleTip(0x8e, 0xa6, 0xee), paleRoot(0xe6, 0xec, 0xff);
    const QColor deepTip(0x2e, 0x4c, 0xb8), deepRoot(0xc8, 0xd4, 0xfa);
    for (qreal a : {-32.0, 32.0, -12.0, 12.0})
        petal(a, 46, 7.2, paleTip, paleRoot, kOutline);
    // Gold stamens in the heart of the flower.
    for (qreal a : {-18.0, -6.0, 6.0, 18.0}) {
        QTransform t;
        t.translate(base.x(), base.y());
        t.rotate(a);
        stroke(p, segment(t.map(P(0, -6)), t.map(P(0, -22))), kGoldDark, 1.6);
        fill(p, circle(t.map(P(0, -23)), 2.0), gold(t.map(P(-2, -25)), t.map(P(2, -21))), kDetail);
    }
    for (qreal a : {-50.0, 50.0, -24.0, 24.0, 0.0})
        petal(a, a == 0 ? 50 : 44, 7.6, deepTip, deepRoot, kOutline);
    const QColor leafGreen(0x3e, 0x8e, 0x3e), leafLight(0x9c, 0xd8, 0x76);
    for (qreal a : {-66.0, 66.0})
        petal(a, 30, 6.4, leafGreen, leafLight, kOutline);
    QPainterPath cup(P(40, 58));
    cup.quadTo(P(50, 55), P(60, 58));
    cup.quadTo(P(57, 66), P(50, 66.5));
    cup.quadTo(P(43, 66), P(40, 58));
    fill(p, cup, linear(P(42, 56), P(58, 66), leafLight, leafGreen));
}

// ---------------------------------------------------------------- scarab

void scarab(QPainter &p)
{
    // Six jointed gold legs, drawn first so the body covers their roots; the
    // front pair lifts the red sun.
    const qreal legW = 4.2;
    for (int side : {-1, 1}) {
        auto at = [side](qreal dx, qreal y) { return P(50 + side * dx, y); };
        QPainterPath front(at(12, 42));
        front.lineTo(at(22, 36));
        front.lineTo(at(14, 26));
        QPainterPath middle(at(14, 54));
        middle.lineTo(at(30, 52));
        middle.lineTo(at(36, 64));
        QPainterPath hind(at(14, 66));
        hind.lineTo(at(30, 74));
        hind.lineTo(at(28, 90));
        for (const QPainterPath &leg : {front, middle, hind})
            fill(p, thick(leg, legW), gold(at(10, 30), at(34, 88)));
        for (P claw : {at(14, 26), at(36, 64), at(28, 90)})
            fill(p, circle(claw, 2.0), kGoldDark);
    }
    // The sun disc.
    fill(p, circle(P(50, 16), 11.5), carnelian(P(50, 16), 12));
    highlight(p, ellipse(P(45.5, 11.5), 3.4, 2.2), 120);
    // Wing cases: lapis, split down the middle, edged in gold.
    QPainterPath elytra(P(50, 55));
    elytra.cubicTo(P(62, 54), P(71, 58), P(70.5, 70));
    elytra.cubicTo(P(70, 84), P(60, 92), P(50, 92));
    elytra.cubicTo(P(40, 92), P(30, 84), P(29.5, 70));
    elytra.cubicTo(P(29, 58), P(38, 54), P(50, 55));
    fill(p, elytra, gold(P(30, 55), P(70, 92)));
    QPainterPath inner(P(50, 58));
    inner.cubicTo(P(60, 57.5), P(67.6, 61), P(67.2, 70.5));
    inner.cubicTo(P(66.8, 82), P(58, 89), P(50, 89));
    inner.cubicTo(P(42, 89), P(33.2, 82), P(32.8, 70.5));
    inner.cubicTo(P(32.4, 61), P(40, 57.5), P(50, 58));
    fill(p, inner, lapis(P(42, 64), 32), kDetail);
    stroke(p, segment(P(50, 56), P(50, 91)), kGold, 2.4);
    stroke(p, segment(P(50, 56), P(50, 91)), kLine, kDetail * 0.8);
    for (int side : {-1, 1})
        stroke(p, quad(P(50 + side * 8, 62), P(50 + side * 12, 74), P(50 + side * 8, 85)), kLapisLight, kDetail);
    // Pronotum.
    QPainterPath thorax(P(50, 38));
    thorax.cubicTo(P(62, 38), P(68, 42), P(67, 50));
    thorax.quadTo(P(60, 57), P(50, 57));
    thorax.quadTo(P(40, 57), P(33, 50));
    thorax.cubicTo(P(32, 42), P(38, 38), P(50, 38));
    fill(p, thorax, lapis(P(44, 42), 22));
    highlight(p, ellipse(P(42, 44), 4, 2), 90);
    // Head with its toothed shovel front.
    QPainterPath head(P(39, 40));
    head.lineTo(P(40, 33));
    for (int i = 0; i < 6; ++i) {
        const qreal x = 40 + i * (20.0 / 6);
        head.lineTo(P(x + 1.66, 29.5));
        head.lineTo(P(x + 3.33, 33 - (i == 5 ? 0 : 1.2)));
    }
    head.lineTo(P(61, 40));
    head.closeSubpath();
    fill(p, head, lapis(P(46, 32), 14));
    stroke(p, quad(P(41, 38), P(50, 35), P(59, 38)), kGold, 1.6);
}

} // namespace

QList<Symbol> egyptianSymbols()
{
    return {
        {"Angel", angel},
        {"Ankh", ankh},
        {"Caduceus", caduceus},
        {"Elephant", elephant},
        {"Eye of Horus", eyeOfHorus},
        {"Isis", isis},
        {"Lotus Flower", lotus},
        {"Scarab", scarab},
    };
}

} // namespace artgen::goodluck
