// The twenty good-luck symbols that have no fitting emoji, each drawn in
// vector on an 80 x 80 design grid so it stays crisp at any scale. Figures
// carry their own dark outline, so they read on every culture's medallion.
#include "goodluck_drawn.h"

#include "../artgen.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTransform>
#include <QtMath>
#include <cmath>
#include <functional>
#include <utility>

namespace {

using P = QPointF;

const QColor kLine(0x3a, 0x25, 0x16); // outline of every figure
const QColor kSkin(0xf8, 0xd5, 0xab);
const QColor kSkinShade(0xe3, 0xa9, 0x7c);
const QColor kGold(0xf2, 0xc1, 0x3c);
const QColor kGoldDark(0xb0, 0x7a, 0x12);
const QColor kHair(0x24, 0x20, 0x22);
const QColor kWhite(0xfb, 0xf8, 0xf1);
const QColor kMouth(0x9a, 0x22, 0x1e);

constexpr qreal kOutline = 1.2;

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(P(cx, cy), rx, ry);
    return path;
}

QPainterPath rotated(const QPainterPath &path, P centre, qreal degrees)
{
    QTransform t;
    t.translate(centre.x(), centre.y());
    t.rotate(degrees);
    t.translate(-centre.x(), -centre.y());
    return t.map(path);
}

using artgen::polygon;

// The outline of a thick line, so it can be filled and outlined like any shape.
QPainterPath thick(const QPainterPath &centreLine, qreal width, Qt::PenCapStyle cap = Qt::RoundCap)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(centreLine).simplified();
}

QPainterPath curve(P a, P c1, P c2, P b)
{
    QPainterPath path(a);
    path.cubicTo(c1, c2, b);
    return path;
}

QPainterPath quad(P a, P c, P b)
{
    QPainterPath path(a);
    path.quadTo(c, b);
    return path;
}

QPainterPath segment(P a, P b)
{
    QPainterPath path(a);
    path.lineTo(b);
    return path;
}

void fill(QPainter &p, const QPainterPath &path, const QBrush &brush, qreal lineWidth = kOutline,
          const QColor &lineColour = kLine)
{
    if (lineWidth > 0)
        p.setPen(QPen(lineColour, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

using artgen::stroke;

QLinearGradient linear(P a, P b, const QColor &from, const QColor &to)
{
    QLinearGradient g(a, b);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

// Lit from the upper left, as every figure here is.
QRadialGradient lit(P centre, qreal radius, const QColor &light, const QColor &dark)
{
    QRadialGradient g(centre, radius, centre + P(-radius * 0.45, -radius * 0.5));
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

QBrush gold(P a, P b)
{
    QLinearGradient g(a, b);
    g.setColorAt(0, QColor(0xff, 0xe8, 0x8a));
    g.setColorAt(0.45, kGold);
    g.setColorAt(1, kGoldDark);
    return g;
}

// A glyph of an installed font as an outline, fitted into `box`.
QPainterPath glyph(const QString &text, const QString &family, const QRectF &box, int weight = QFont::Bold)
{
    QFont font(artgen::requireFamily(family));
    font.setPixelSize(200);
    font.setWeight(QFont::Weight(weight));
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    const qreal s = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-bounds.center().x(), -bounds.center().y());
    return t.map(path);
}

// --- faces ------------------------------------------------------------------

// A closed, laughing eye: an upturned arc.
void happyEye(QPainter &p, P c, qreal w)
{
    stroke(p, quad(c + P(-w / 2, w * 0.12), c + P(0, -w * 0.55), c + P(w / 2, w * 0.12)), kLine, 1.1);
}

void openSmile(QPainter &p, P c, qreal w)
{
    QPainterPath mouth(c + P(-w / 2, 0));
    mouth.quadTo(c + P(0, w * 0.95), c + P(w / 2, 0));
    mouth.quadTo(c + P(0, w * 0.18), c + P(-w / 2, 0));
    fill(p, mouth, kMouth, 0.8);
}

void blush(QPainter &p, P c, qreal r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0x7b, 0x6b, 110));
    p.drawEllipse(c, r, r * 0.7);
}

void headDisc(QPainter &p, P c, qreal rx, qreal ry)
{
    fill(p, ellipse(c.x(), c.y(), rx, ry), lit(c, std::max(rx, ry) * 1.3, QColor(0xff, 0xe6, 0xc6), kSkin));
}

// --- English ----------------------------------------------------------------

void horseshoe(QPainter &p, const QColor &)
{
    QPainterPath centre(P(26.5, 14));
    centre.cubicTo(P(12, 34), P(17, 67), P(40, 67));
    centre.cubicTo(P(63, 67), P(68, 34), P(53.5, 14));
    const QPainterPath shoe = thick(centre, 13, Qt::FlatCap);
    QRadialGradient steel(P(34, 30), 48, P(28, 22));
    steel.setColorAt(0, QColor(0xf4, 0xf7, 0xfa));
    steel.setColorAt(0.55, QColor(0xa9, 0xb4, 0xbd));
    steel.setColorAt(1, QColor(0x5f, 0x6a, 0x74));
    fill(p, shoe, steel, 1.4, QColor(0x26, 0x2c, 0x33));
    // The fullering groove in which the nail heads sit.
    QPainterPath groove(centre.pointAtPercent(0.07));
    for (int i = 8; i <= 93; ++i)
        groove.lineTo(centre.pointAtPercent(i / 100.0));
    stroke(p, groove, QColor(0x45, 0x4f, 0x58, 150), 1.6);
    stroke(p, groove.translated(-0.5, -0.7), QColor(255, 255, 255, 90), 0.6);
    for (qreal at : {0.14, 0.27, 0.40, 0.60, 0.73, 0.86}) {
        const P c = centre.pointAtPercent(at);
        QPainterPath hole;
        hole.addRoundedRect(QRectF(-1.3, -2.1, 2.6, 4.2), 0.8, 0.8);
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(-centre.angleAtPercent(at));
        fill(p, t.map(hole), QColor(0x1c, 0x20, 0x25), 0);
    }
}

void wishbone(QPainter &p, const QColor &)
{
    const QPainterPath left = curve(P(40, 18), P(34, 30), P(22, 44), P(20, 66));
    const QPainterPath right = curve(P(40, 18), P(46, 30), P(58, 44), P(60, 66));
    QPainterPath bone = thick(left, 6.8).united(thick(right, 6.8));
    bone = bone.united(ellipse(40, 16, 6.5, 5));
    bone = bone.united(ellipse(19.6, 66.5, 4.2, 3.6));
    bone = bone.united(ellipse(60.4, 66.5, 4.2, 3.6));
    fill(p, bone, linear(P(20, 14), P(62, 70), QColor(0xff, 0xf6, 0xe0), QColor(0xdc, 0xbf, 0x8c)), 1.4,
         QColor(0x6b, 0x4a, 0x24));
    stroke(p, curve(P(37.5, 21), P(33, 30), P(23.5, 43), P(21.5, 60)), QColor(255, 255, 255, 170), 1.2);
    stroke(p, curve(P(42.5, 21), P(47, 30), P(56.5, 43), P(58.5, 60)).translated(-1.2, 0), QColor(255, 255, 255, 110),
           1.0);
}

// --- Native American ----------------------------------------------------------

QPainterPath box(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath r;
    r.addRect(QRectF(x, y, w, h));
    return r;
}

// An arrow piece laid along the x axis from 0 to `length`, in the frame of
// `t`: feathers at its tail, a flint point at its head, a splintered end
// where it was snapped.
struct ArrowPiece {
    qreal length;
    bool point = false;
    bool feathers = false;
    bool snappedTail = false;
    bool snappedHead = false;
};

void arrowPiece(QPainter &p, const QTransform &t, const ArrowPiece &a, const QColor &ink)
{
    p.save();
    p.setTransform(t, true);
    const qreal half = 1.5;
    const qreal end = a.point ? a.length - 10 : a.length;
    QPainterPath shaft(P(0, -half));
    if (a.snappedHead) {
        shaft.lineTo(end - 1.5, -half);
        shaft.lineTo(end + 1.2, -0.7);
        shaft.lineTo(end - 0.4, 0.1);
        shaft.lineTo(end + 2.0, 0.9);
        shaft.lineTo(end - 1, half);
    } else {
        shaft.lineTo(end + 1, -half);
        shaft.lineTo(end + 1, half);
    }
    if (a.snappedTail) {
        shaft.lineTo(1, half);
        shaft.lineTo(-1.8, 0.7);
        shaft.lineTo(0.4, 0);
        shaft.lineTo(-1.4, -0.9);
    } else {
        shaft.lineTo(0, half);
    }
    shaft.closeSubpath();
    fill(p, shaft, linear(P(0, -half), P(0, half), QColor(0xe0, 0xae, 0x6c), QColor(0x95, 0x5e, 0x2a)), 0.8);
    if (a.snappedHead || a.snappedTail) {
        // Pale splintered wood where it broke.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf6, 0xdc, 0xae));
        p.drawEllipse(P(a.snappedHead ? end : 0, 0), 0.8, 1.0);
    }
    if (a.point) {
        const qreal l = a.length;
        const QPainterPath flint = polygon({P(l - 12, -4.4), P(l, 0), P(l - 12, 4.4), P(l - 10, 0)});
        fill(p, flint, linear(P(l - 12, -4), P(l, 4), QColor(0xc4, 0xc8, 0xd0), QColor(0x4b, 0x4f, 0x5a)), 0.8);
        stroke(p, segment(P(l - 10.5, 0), P(l - 1.5, 0)), QColor(255, 255, 255, 120), 0.6);
        // Sinew binding behind the point.
        fill(p, box(l - 14.2, -2.1, 2.6, 4.2), ink, 0.5);
    }
    if (a.feathers) {
        for (int side : {-1, 1}) {
            QPainterPath vane(P(1.5, side * half));
            vane.lineTo(0, side * 6.8);
            vane.lineTo(2.6, side * 5.6);
            vane.lineTo(7.5, side * 6.8);
            vane.quadTo(P(14, side * 6.2), P(19.5, side * half));
            vane.closeSubpath();
            fill(p, vane, QColor(0xfb, 0xf7, 0xee), 0.7);
            p.save();
            p.setClipPath(vane);
            fill(p, box(4.5, -8, 3.4, 16), ink, 0);
            p.restore();
            stroke(p, vane, kLine, 0.7);
            for (qreal x : {10.5, 14.0})
                stroke(p, segment(P(x, side * 2.0), P(x - 2.2, side * 5.2)), QColor(0, 0, 0, 60), 0.5);
        }
        fill(p, box(19.5, -2.0, 2.2, 4.0), ink, 0.5);
    }
    p.restore();
}

QTransform along(P from, qreal degrees)
{
    QTransform t;
    t.translate(from.x(), from.y());
    t.rotate(degrees);
    return t;
}

void brokenArrow(QPainter &p, const QColor &ink)
{
    // One arrow snapped in the middle: the two halves lie apart, bent to each other.
    QTransform tail = along(P(5, 47), -22);
    tail.scale(1.2, 1.2);
    arrowPiece(p, tail, {.length = 28, .feathers = true, .snappedHead = true}, ink);
    QTransform head = along(P(44, 34.4), 22);
    head.scale(1.2, 1.2);
    arrowPiece(p, head, {.length = 28, .point = true, .snappedTail = true}, ink);
}

void crossedArrows(QPainter &p, const QColor &ink)
{
    // Two whole arrows, points up, crossed.
    for (const auto &[from, angle] : {std::pair{P(15.5, 66.5), -45.0}, std::pair{P(64.5, 66.5), -135.0}}) {
        QTransform t = along(from, angle);
        t.scale(1.1, 1.1);
        arrowPiece(p, t, {.length = 64, .point = true, .feathers = true}, ink);
    }
}

// A painted stroke with the slight wobble of a brush on rock.
QPainterPath brush(P a, P b, qreal width, qreal wobble)
{
    const P mid = (a + b) / 2 + P(-(b - a).y(), (b - a).x()) * wobble;
    return thick(quad(a, mid, b), width);
}

void fence(QPainter &p, const QColor &ink)
{
    // Posts stand in a row and two rails tie them together: the enclosure
    // that keeps what is inside.
    QPainterPath paint;
    const qreal wobble[] = {0.02, -0.03, 0.015, -0.02, 0.03, -0.015, 0.02};
    for (int i = 0; i < 7; ++i) {
        const qreal x = 14 + i * 8.7;
        const qreal top = (i % 2) ? 19 : 16.5;
        paint = paint.united(brush(P(x, top + 4), P(x + 0.3, 64), 4.4, wobble[i]));
        paint = paint.united(polygon({P(x - 2.2, top + 4.5), P(x + 0.1, top), P(x + 2.3, top + 4.5)}));
    }
    paint = paint.united(brush(P(10, 31), P(70, 30), 3.8, 0.012));
    paint = paint.united(brush(P(10, 50), P(70, 51), 3.8, -0.012));
    // The ground line the fence stands on.
    paint = paint.united(brush(P(8, 67), P(72, 67), 2.6, 0.01));
    fill(p, paint, ink, 0.9, ink.darker(160));
}

void kokopelli(QPainter &p, const QColor &ink)
{
    QPainterPath figure = ellipse(31, 21, 5.4, 5.6);
    // The hump on his back.
    figure = figure.united(rotated(ellipse(46, 35, 8.5, 10.5), P(46, 35), -30));
    const QPainterPath spine = curve(P(33, 25), P(36, 32), P(42, 40), P(44, 50));
    figure = figure.united(thick(spine, 7));
    // The flute held to his mouth, pointing down ahead of him.
    figure = figure.united(thick(segment(P(27, 24), P(11, 45)), 2.6));
    figure = figure.united(polygon({P(9, 43.5), P(13.8, 47.2), P(8.5, 49)}));
    // Arms bent to the flute.
    QPainterPath arms(P(36, 31));
    arms.lineTo(30, 38);
    arms.lineTo(20.5, 35.5);
    arms.moveTo(37, 33);
    arms.lineTo(26.5, 44);
    arms.lineTo(16, 40.5);
    figure = figure.united(thick(arms, 3.2));
    // Dancing legs, one lifted.
    QPainterPath legs(P(44, 50));
    legs.lineTo(34, 58);
    legs.lineTo(39, 70);
    legs.lineTo(33.5, 71);
    legs.moveTo(45, 51);
    legs.lineTo(56, 56);
    legs.lineTo(57, 68);
    legs.lineTo(63, 68.5);
    figure = figure.united(thick(legs, 3.6));
    // Feathers on his head.
    QPainterPath plumes(P(33, 17));
    plumes.quadTo(P(33, 10), P(37, 5));
    plumes.moveTo(35, 18);
    plumes.quadTo(P(40, 12), P(46, 10));
    plumes.moveTo(32, 16.5);
    plumes.quadTo(P(28, 10), P(29, 5));
    figure = figure.united(thick(plumes, 2.2));
    figure = figure.united(ellipse(37.5, 4.6, 1.8, 1.8))
                 .united(ellipse(46.6, 9.8, 1.8, 1.8))
                 .united(ellipse(28.8, 4.4, 1.8, 1.8));
    fill(p, figure, ink, 0.9, ink.darker(160));
    // Pictograph dots of the sound he plays.
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (P dot : {P(9, 55), P(14, 58), P(8, 62)})
        p.drawEllipse(dot, 1.5, 1.5);
}

// --- Egyptian -----------------------------------------------------------------

void eyeOfHorus(QPainter &p, const QColor &)
{
    const QColor lapis(0x1b, 0x3a, 0x8c);
    const QColor edge(0x0c, 0x18, 0x3c);
    // Brow.
    QPainterPath brow(P(13, 24));
    brow.quadTo(P(38, 9), P(68, 19.5));
    brow.lineTo(P(67.5, 24.5));
    brow.quadTo(P(38, 15.5), P(14, 28.5));
    brow.closeSubpath();
    fill(p, brow, lapis, 0.9, edge);
    // Eye: white almond, dark iris, heavy lids.
    QPainterPath eye(P(13.5, 37));
    eye.quadTo(P(32, 21), P(55, 34));
    eye.quadTo(P(34, 46), P(13.5, 37));
    fill(p, eye, kWhite, 0);
    p.save();
    p.setClipPath(eye);
    fill(p, ellipse(33, 33.5, 7.8, 7.8), QColor(0x14, 0x14, 0x1c), 0);
    fill(p, ellipse(30.5, 31, 1.8, 1.8), QColor(255, 255, 255, 200), 0);
    p.restore();
    stroke(p, eye, lapis, 2.8);
    // The painted line running back from the outer corner.
    const QPainterPath tail = polygon({P(53, 31.8), P(70, 32.2), P(70.5, 36.6), P(53, 36.2)});
    fill(p, tail, lapis, 0.9, edge);
    // Teardrop marking below the front of the eye.
    QPainterPath drop(P(27, 41.5));
    drop.lineTo(31.5, 41.5);
    drop.lineTo(32, 62);
    drop.quadTo(P(29.5, 66.5), P(26.5, 62));
    drop.closeSubpath();
    fill(p, drop, lapis, 0.9, edge);
    // The falcon's cheek mark: a sweep back that ends in a spiral.
    QPainterPath spiral(P(40, 42));
    spiral.cubicTo(P(44, 52), P(49, 62), P(57, 64.5));
    const P centre(58.5, 57.5);
    for (int i = 1; i <= 48; ++i) {
        const qreal a = M_PI / 2 - i * (M_PI * 1.75 / 48) + 0.22;
        const qreal r = 7.0 - i * (4.4 / 48);
        spiral.lineTo(centre + P(std::cos(a) * r, std::sin(a) * r));
    }
    const QPainterPath mark = thick(spiral, 3.4);
    fill(p, mark, lapis, 0.9, edge);
}

// The knot of Isis: a loop on top, two arms hanging straight down beside a
// long body that flares at its foot.
void isis(QPainter &p, const QColor &)
{
    QPainterPath knot = ellipse(40, 15, 8.5, 11).subtracted(ellipse(40, 14.5, 3.6, 6.3));
    QPainterPath bar;
    bar.addRoundedRect(QRectF(24, 25, 32, 6.4), 3, 3);
    knot = knot.united(bar);
    knot = knot.united(thick(curve(P(28, 28), P(27, 38), P(26.5, 48), P(27, 58)), 6.2));
    knot = knot.united(thick(curve(P(52, 28), P(53, 38), P(53.5, 48), P(53, 58)), 6.2));
    QPainterPath body(P(35.5, 29));
    body.lineTo(44.5, 29);
    body.lineTo(44.8, 62);
    body.cubicTo(P(46, 67), P(49, 70), P(51, 73.5));
    body.quadTo(P(40, 76), P(29, 73.5));
    body.cubicTo(P(31, 70), P(34, 67), P(35.2, 62));
    body.closeSubpath();
    knot = knot.united(body);
    QRadialGradient carnelian(P(36, 30), 46, P(30, 16));
    carnelian.setColorAt(0, QColor(0xff, 0x8a, 0x6a));
    carnelian.setColorAt(0.45, QColor(0xd8, 0x2c, 0x22));
    carnelian.setColorAt(1, QColor(0x86, 0x12, 0x0e));
    fill(p, knot, carnelian, 1.4, QColor(0x4a, 0x0a, 0x08));
    // The folds of the knotted cloth.
    const QColor fold(0x5c, 0x0c, 0x0a);
    for (qreal x : {38.3, 41.7})
        stroke(p, segment(P(x, 32), P(x + (x - 40) * 1.8, 73.5)), fold, 0.9);
    stroke(p, curve(P(28.2, 32), P(27.8, 40), P(27.4, 48), P(27.4, 55)), fold, 0.8);
    stroke(p, curve(P(51.8, 32), P(52.2, 40), P(52.6, 48), P(52.6, 55)), fold, 0.8);
    for (qreal x : {36.5, 43.5})
        stroke(p, segment(P(x, 25.3), P(x, 31.1)), fold, 0.9);
    stroke(p, quad(P(34.5, 8), P(36, 5), P(40, 4.6)), QColor(255, 255, 255, 130), 1.1);
}

void ankh(QPainter &p, const QColor &)
{
    QPainterPath loop(P(40, 33));
    loop.cubicTo(P(26, 26), P(28, 4), P(40, 4));
    loop.cubicTo(P(52, 4), P(54, 26), P(40, 33));
    QPainterPath hole(P(40, 27));
    hole.cubicTo(P(33, 22), P(34, 10), P(40, 10));
    hole.cubicTo(P(46, 10), P(47, 22), P(40, 27));
    QPainterPath cross = loop.subtracted(hole);
    cross = cross.united(polygon({P(15, 28.5), P(18, 31.5), P(36, 31), P(36, 37.5), P(18, 37), P(15, 40)}));
    cross = cross.united(polygon({P(65, 28.5), P(62, 31.5), P(44, 31), P(44, 37.5), P(62, 37), P(65, 40)}));
    cross = cross.united(polygon({P(36, 30), P(44, 30), P(46.5, 72), P(48, 75), P(32, 75), P(33.5, 72)}));
    fill(p, cross, gold(P(22, 6), P(58, 76)), 1.4, QColor(0x5a, 0x3a, 0x06));
    stroke(p, quad(P(33, 20), P(32, 9), P(39, 6.8)), QColor(255, 255, 255, 150), 1.1);
    stroke(p, segment(P(38.2, 39), P(37.2, 71)), QColor(255, 255, 255, 120), 1.1);
    stroke(p, segment(P(18.5, 33), P(34, 33)), QColor(255, 255, 255, 110), 0.9);
}

void caduceus(QPainter &p, const QColor &)
{
    const QColor goldLine(0x5a, 0x3a, 0x06);
    // Wings, swept up from the top of the staff, feathers fanned below.
    for (int side : {-1, 1}) {
        auto at = [side](qreal dx, qreal y) { return P(40 + side * dx, y); };
        const P tips[] = {at(30, 2), at(27, 10), at(22, 15.5), at(16, 19.5), at(10, 22.5), at(4, 24)};
        QPainterPath wing(at(2, 13));
        wing.cubicTo(at(9, 6), at(19, 2.5), tips[0]);
        for (int i = 1; i < 6; ++i) {
            const P mid = (tips[i - 1] + tips[i]) / 2;
            wing.quadTo(mid + P(side * 2.0, 2.6), tips[i]);
        }
        wing.lineTo(at(2, 20));
        wing.closeSubpath();
        QLinearGradient plumage(at(4, 6), at(26, 20));
        plumage.setColorAt(0, QColor(0xff, 0xff, 0xff));
        plumage.setColorAt(1, QColor(0xc6, 0xd0, 0xe0));
        fill(p, wing, plumage, 1.0, QColor(0x3c, 0x44, 0x55));
        for (int i = 1; i < 5; ++i)
            stroke(p, quad(at(5, 15), at(8 + i * 2, 12), tips[i]), QColor(0x6a, 0x74, 0x88), 0.6);
    }
    QPainterPath staff;
    staff.addRoundedRect(QRectF(38, 12, 4, 63), 1.5, 1.5);
    fill(p, staff, gold(P(37, 0), P(43, 0)), 1.0, goldLine);
    fill(p, ellipse(40, 10.5, 3.8, 3.8), lit(P(40, 10.5), 4.5, QColor(0xff, 0xf0, 0xa8), kGoldDark), 1.0, goldLine);

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
    const QColor scales[2][2] = {{QColor(0x7d, 0xd0, 0x5e), QColor(0x1f, 0x6b, 0x22)},
                                 {QColor(0x5e, 0xc0, 0xc0), QColor(0x14, 0x5a, 0x62)}};
    auto drawSerpent = [&](int side, int k) {
        const QPainterPath body = thick(serpent(side), 4.0);
        fill(p, body, linear(P(30, 20), P(50, 72), scales[k][0], scales[k][1]), 0.9, QColor(0x10, 0x2a, 0x10));
        const P head(40 + side * 5.2, 21);
        fill(p, rotated(ellipse(head.x(), head.y(), 3.6, 2.4), head, side * 12), scales[k][0], 0.9,
             QColor(0x10, 0x2a, 0x10));
        fill(p, ellipse(head.x() - side * 0.8, head.y() - 0.6, 0.7, 0.7), QColor(0x10, 0x10, 0x10), 0);
        stroke(p, segment(head + P(-side * 3.4, 0.6), head + P(-side * 5.4, 1.0)), QColor(0xc0, 0x20, 0x20), 0.5);
    };
    drawSerpent(1, 0);
    drawSerpent(-1, 1);
    // Where the first serpent passes in front, draw it over the second again.
    p.save();
    p.setClipRect(QRectF(0, 44, 80, 14));
    drawSerpent(1, 0);
    p.restore();
}

// --- Chinese and Indian -----------------------------------------------------

void fuSymbol(QPainter &p, const QColor &)
{
    const QPainterPath diamond = polygon({P(40, 2.5), P(77.5, 40), P(40, 77.5), P(2.5, 40)});
    QRadialGradient red(P(40, 36), 46, P(32, 26));
    red.setColorAt(0, QColor(0xf2, 0x3b, 0x2c));
    red.setColorAt(1, QColor(0xa3, 0x0e, 0x0e));
    fill(p, diamond, red, 1.6, QColor(0x5a, 0x06, 0x06));
    const QPainterPath inner = polygon({P(40, 7.5), P(72.5, 40), P(40, 72.5), P(7.5, 40)});
    stroke(p, inner, kGold, 1.3);
    const QPainterPath fu =
        glyph(QStringLiteral("福"), QStringLiteral("Noto Serif CJK SC"), QRectF(20.5, 20.5, 39, 39), QFont::Black);
    fill(p, fu.translated(0.6, 0.8), QColor(0x50, 0x05, 0x05), 0);
    fill(p, fu, gold(P(24, 22), P(56, 58)), 0.5, QColor(0x7a, 0x4a, 0x04));
}

void swastika(QPainter &p, const QColor &)
{
    // The auspicious form stands square, arms turning clockwise.
    const qreal a = 13, b = 20, c = 36.5, d = 43.5, e = 60, f = 67;
    auto rect = [](qreal x0, qreal y0, qreal x1, qreal y1) {
        QPainterPath r;
        r.addRect(QRectF(P(x0, y0), P(x1, y1)));
        return r;
    };
    QPainterPath sign = rect(c, a, d, f).united(rect(a, c, f, d));
    sign = sign.united(rect(c, a, f, b)); // top arm turns right
    sign = sign.united(rect(e, c, f, f)); // right arm turns down
    sign = sign.united(rect(a, e, d, f)); // bottom arm turns left
    sign = sign.united(rect(a, a, b, d)); // left arm turns up
    const QColor vermilion(0xd9, 0x26, 0x18);
    fill(p, sign.translated(0.8, 1.0), QColor(0x5a, 0x0a, 0x04, 120), 0);
    fill(p, sign, linear(P(a, a), P(f, f), QColor(0xf5, 0x4a, 0x22), QColor(0xb8, 0x14, 0x0c)), 1.3,
         QColor(0x6a, 0x0a, 0x04));
    for (P dot : {P(26.8, 26.8), P(53.2, 26.8), P(53.2, 53.2), P(26.8, 53.2)}) {
        fill(p, ellipse(dot.x(), dot.y(), 3.6, 3.6), lit(dot, 4.2, QColor(0xff, 0x80, 0x50), vermilion), 1.1,
             QColor(0x6a, 0x0a, 0x04));
    }
}

// --- Japanese: the doll and the seven gods ------------------------------------

void darumaDoll(QPainter &p, const QColor &)
{
    QPainterPath body(P(40, 8));
    body.cubicTo(P(60, 8), P(70, 28), P(69, 48));
    body.cubicTo(P(68, 66), P(56, 74), P(40, 74));
    body.cubicTo(P(24, 74), P(12, 66), P(11, 48));
    body.cubicTo(P(10, 28), P(20, 8), P(40, 8));
    QRadialGradient red(P(40, 40), 42, P(30, 24));
    red.setColorAt(0, QColor(0xff, 0x6a, 0x52));
    red.setColorAt(0.5, QColor(0xe0, 0x22, 0x18));
    red.setColorAt(1, QColor(0x8c, 0x0c, 0x08));
    fill(p, body, red, 1.5, QColor(0x50, 0x06, 0x04));
    // Gold scrolls on the flanks.
    for (int side : {-1, 1}) {
        QPainterPath scroll(P(40 + side * 21, 53));
        scroll.quadTo(P(40 + side * 25, 60), P(40 + side * 19, 64));
        scroll.quadTo(P(40 + side * 16, 60), P(40 + side * 19.5, 58.5));
        stroke(p, scroll, kGold, 1.6);
    }
    const QPainterPath fu =
        glyph(QStringLiteral("福"), QStringLiteral("Noto Serif CJK SC"), QRectF(33.5, 56, 13, 13), QFont::Black);
    fill(p, fu, kGold, 0);
    // The face.
    QPainterPath face = ellipse(40, 35, 18, 15.5);
    fill(p, face, lit(P(40, 35), 20, QColor(0xff, 0xfb, 0xf2), QColor(0xf0, 0xdc, 0xc0)), 1.1,
         QColor(0x50, 0x06, 0x04));
    // Bold brows like cranes' wings.
    for (int side : {-1, 1}) {
        QPainterPath brow(P(40 + side * 3, 27.5));
        brow.cubicTo(P(40 + side * 8, 21), P(40 + side * 14, 22), P(40 + side * 17.5, 27));
        brow.cubicTo(P(40 + side * 13, 25.5), P(40 + side * 8, 26), P(40 + side * 3, 27.5));
        fill(p, brow, kHair, 0.6, kHair);
    }
    // Eyes: the right one still blank, the left painted in for a wish made.
    for (int side : {-1, 1}) {
        fill(p, ellipse(40 + side * 7.5, 33.5, 4.6, 4.6), Qt::white, 1.2, kHair);
        if (side == 1)
            fill(p, ellipse(40 + side * 7.5, 33.5, 3.1, 3.1), kHair, 0);
    }
    stroke(p, quad(P(38.8, 37.6), P(40, 39.2), P(41.2, 37.6)), QColor(0x80, 0x40, 0x30), 0.9);
    // Moustache, and a curly beard framing the bottom of the face.
    for (int side : {-1, 1}) {
        QPainterPath tache(P(40, 40.6));
        tache.cubicTo(P(40 + side * 4, 38.6), P(40 + side * 9, 39.4), P(40 + side * 11.5, 42.2));
        tache.quadTo(P(40 + side * 6, 41.6), P(40, 42.4));
        fill(p, tache, kHair, 0.5, kHair);
    }
    QPainterPath beard = face.subtracted(ellipse(40, 29.8, 17.8, 16.2));
    for (int i = 0; i <= 10; ++i) {
        const qreal a = qDegreesToRadians(38 + i * 10.4);
        beard = beard.united(ellipse(40 + std::cos(a) * 17.8, 29.8 + std::sin(a) * 16.2, 1.9, 1.9));
    }
    fill(p, beard.intersected(face), kHair, 0);
}

void laughingBuddha(QPainter &p, const QColor &)
{
    const QColor robe(0xf0, 0x9a, 0x1c);
    const QColor robeDark(0xb8, 0x5c, 0x0a);
    // The cloth sack over his shoulder.
    QPainterPath sack = ellipse(63, 21, 11.5, 11);
    sack = sack.united(polygon({P(55.5, 25), P(52, 30), P(56, 32.5), P(59.5, 28.5)}));
    fill(p, sack, lit(P(63, 21), 14, QColor(0xff, 0xf6, 0xe4), QColor(0xd8, 0xc2, 0x9c)), 1.2);
    stroke(p, quad(P(58, 13), P(64, 17), P(67, 27)), QColor(0xa8, 0x90, 0x68), 0.9);
    // Robe: seated with crossed legs.
    QPainterPath body(P(24, 37));
    body.cubicTo(P(12, 44), P(8, 60), P(9, 70));
    body.quadTo(P(40, 78), P(71, 70));
    body.cubicTo(P(72, 60), P(68, 44), P(56, 37));
    body.quadTo(P(40, 33), P(24, 37));
    fill(p, body, linear(P(20, 34), P(60, 76), robe.lighter(120), robeDark), 1.3);
    stroke(p, quad(P(14, 66), P(40, 61), P(66, 66)), robeDark.darker(130), 1.0);
    // The bare belly.
    fill(p, ellipse(40, 52, 15.5, 14), lit(P(40, 52), 17, QColor(0xff, 0xe6, 0xc6), kSkinShade), 1.1);
    fill(p, ellipse(40, 56, 1.2, 1.5), kSkinShade.darker(140), 0);
    // Robe edges falling either side of the belly.
    stroke(p, curve(P(31, 37.5), P(24, 44), P(23, 56), P(27, 64)), robeDark, 2.2);
    stroke(p, curve(P(49, 37.5), P(56, 44), P(57, 56), P(53, 64)), robeDark, 2.2);
    // Arms: one raised to hold the sack, one resting on the knee.
    fill(p, thick(curve(P(51, 40), P(60, 43), P(60, 36), P(55, 31.5)), 6.5), robe, 1.0);
    fill(p, ellipse(54.5, 31, 3.3, 3.0), kSkin, 1.0);
    fill(p, thick(curve(P(27, 40), P(17, 48), P(17, 58), P(23, 63)), 6.5), robe, 1.0);
    fill(p, ellipse(24.5, 63.5, 3.4, 3.0), kSkin, 1.0);
    // Prayer beads.
    for (int i = 0; i <= 8; ++i) {
        const qreal a = M_PI * (0.15 + 0.7 * i / 8.0);
        fill(p, ellipse(40 + std::cos(a) * 10.5, 31 + std::sin(a) * 7.5, 1.5, 1.5), QColor(0x7a, 0x3a, 0x18), 0.5);
    }
    // Bald laughing head with long lobed ears.
    fill(p, ellipse(27.5, 24.5, 3.2, 5.2), kSkin, 1.0);
    fill(p, ellipse(52.5, 24.5, 3.2, 5.2), kSkin, 1.0);
    headDisc(p, P(40, 21), 12, 12.5);
    stroke(p, quad(P(32.5, 14.5), P(35, 11), P(40, 10.3)), QColor(255, 255, 255, 170), 1.3);
    happyEye(p, P(35.2, 20), 5);
    happyEye(p, P(44.8, 20), 5);
    stroke(p, quad(P(32.5, 15.5), P(35, 14), P(37.5, 15)), kLine, 0.9);
    stroke(p, quad(P(42.5, 15), P(45, 14), P(47.5, 15.5)), kLine, 0.9);
    openSmile(p, P(40, 26), 10);
    blush(p, P(31.5, 25), 2.6);
    blush(p, P(48.5, 25), 2.6);
}

void riceBale(QPainter &p, const QRectF &r)
{
    QPainterPath bale;
    bale.addRoundedRect(r, r.height() * 0.45, r.height() * 0.5);
    fill(p, bale, linear(r.topLeft(), r.bottomLeft(), QColor(0xf6, 0xdc, 0x8a), QColor(0xc0, 0x92, 0x3a)), 1.1);
    for (int i = 1; i <= 3; ++i) {
        const qreal x = r.left() + r.width() * i / 4.0;
        stroke(p, quad(P(x, r.top() + 0.5), P(x + 1.5, r.center().y()), P(x, r.bottom() - 0.5)),
               QColor(0x7a, 0x4a, 0x14), 1.3);
    }
    stroke(p, segment(P(r.left() + 3, r.top() + 2.5), P(r.right() - 3, r.top() + 2.5)), QColor(255, 255, 255, 110),
           0.8);
}

void daikokuten(QPainter &p, const QColor &)
{
    // The great sack over his shoulder, behind him.
    QPainterPath sack = ellipse(20, 32, 14, 14);
    fill(p, sack, lit(P(20, 32), 16, QColor(0xff, 0xfa, 0xee), QColor(0xdc, 0xcc, 0xb0)), 1.2);
    stroke(p, quad(P(13, 22), P(20, 28), P(18, 42)), QColor(0xb0, 0x9c, 0x78), 0.9);
    fill(p, ellipse(27, 30.5, 3.2, 2.2), QColor(0xd2, 0x30, 0x26), 0.8);
    // Robe.
    QPainterPath body(P(27, 36));
    body.cubicTo(P(18, 42), P(18, 56), P(22, 62));
    body.lineTo(58, 62);
    body.cubicTo(P(62, 56), P(62, 42), P(53, 36));
    body.quadTo(P(40, 32), P(27, 36));
    fill(p, body, linear(P(20, 34), P(60, 62), QColor(0x3f, 0x6c, 0xc0), QColor(0x1c, 0x33, 0x70)), 1.3);
    stroke(p, segment(P(40, 38), P(40, 62)), QColor(0x12, 0x20, 0x48), 1.0);
    stroke(p, segment(P(22, 51), P(58, 51)), kGold, 2.0);
    // Arm raising the mallet of plenty.
    fill(p, thick(curve(P(52, 40), P(58, 44), P(60, 38), P(58, 31)), 6.5), QColor(0x34, 0x5c, 0xaa), 1.0);
    QPainterPath handle = thick(segment(P(58, 31), P(63, 15)), 2.6);
    fill(p, handle, QColor(0xa8, 0x6a, 0x2a), 0.9);
    fill(p, ellipse(58, 30.5, 3.2, 3.0), kSkin, 1.0);
    QPainterPath mallet;
    mallet.addRoundedRect(QRectF(54, 7, 19, 11), 4.5, 4.5);
    mallet = rotated(mallet, P(63.5, 12.5), -18);
    fill(p, mallet, gold(P(54, 6), P(72, 18)), 1.1, QColor(0x5a, 0x3a, 0x06));
    fill(p, ellipse(63.5, 12.5, 3.2, 3.2), QColor(0xd2, 0x30, 0x26), 0.8, QColor(0x5a, 0x3a, 0x06));
    // Other hand on the sack's cord.
    fill(p, thick(curve(P(29, 40), P(23, 44), P(22, 38), P(25.5, 33.5)), 6.0), QColor(0x34, 0x5c, 0xaa), 1.0);
    fill(p, ellipse(26, 33, 3.0, 2.8), kSkin, 1.0);
    // Round smiling face with long ear lobes, under a soft black cap.
    fill(p, ellipse(29.2, 26, 2.8, 4.6), kSkin, 1.0);
    fill(p, ellipse(50.8, 26, 2.8, 4.6), kSkin, 1.0);
    headDisc(p, P(40, 24.5), 10.5, 10);
    QPainterPath cap(P(27.5, 21.5));
    cap.cubicTo(P(25, 10), P(36, 6), P(44, 7.5));
    cap.cubicTo(P(54, 9), P(56, 16), P(52.5, 21.5));
    cap.quadTo(P(40, 16.5), P(27.5, 21.5));
    fill(p, cap, lit(P(40, 12), 14, QColor(0x55, 0x55, 0x5c), kHair), 1.0);
    happyEye(p, P(35.8, 24.5), 4.4);
    happyEye(p, P(44.2, 24.5), 4.4);
    openSmile(p, P(40, 29.2), 8);
    blush(p, P(32.5, 28.5), 2.2);
    blush(p, P(47.5, 28.5), 2.2);
    // Standing on two bales of rice.
    riceBale(p, QRectF(11, 61, 29, 14));
    riceBale(p, QRectF(40, 61, 29, 14));
}

void seaBream(QPainter &p, P at, qreal degrees)
{
    p.save();
    p.translate(at);
    p.rotate(degrees);
    const QColor red(0xe8, 0x30, 0x34);
    QPainterPath tail = polygon({P(12, 0), P(22, -9), P(19, 0), P(22, 9)});
    fill(p, tail, red.darker(115), 1.0);
    QPainterPath fin = polygon({P(-6, -8), P(2, -13), P(10, -6)});
    fill(p, fin, red.darker(110), 0.9);
    QPainterPath body(P(-15, 1));
    body.cubicTo(P(-12, -10), P(4, -11), P(14, -1));
    body.cubicTo(P(4, 9), P(-10, 9), P(-15, 1));
    QRadialGradient g(P(-4, -3), 18, P(-8, -6));
    g.setColorAt(0, QColor(0xff, 0x9a, 0x8a));
    g.setColorAt(0.6, red);
    g.setColorAt(1, red.darker(140));
    fill(p, body, g, 1.1);
    for (qreal x : {-2.0, 3.0, 8.0})
        stroke(p, quad(P(x, -5), P(x + 2, 0), P(x, 5)), QColor(0x9a, 0x10, 0x14, 150), 0.7);
    fill(p, ellipse(-10, -1.5, 1.6, 1.6), Qt::white, 0.6);
    fill(p, ellipse(-10, -1.5, 0.8, 0.8), kHair, 0);
    stroke(p, segment(P(-15, 1.5), P(-12.5, 2.2)), kLine, 0.8);
    p.restore();
}

void ebisu(QPainter &p, const QColor &)
{
    // Seated in a green hunting coat.
    QPainterPath coat(P(24, 36));
    coat.cubicTo(P(14, 42), P(11, 58), P(10, 72));
    coat.quadTo(P(36, 77), P(62, 72));
    coat.cubicTo(P(61, 58), P(58, 42), P(48, 36));
    coat.quadTo(P(36, 32), P(24, 36));
    fill(p, coat, linear(P(16, 34), P(56, 72), QColor(0x4c, 0xb0, 0x6a), QColor(0x1c, 0x64, 0x38)), 1.3);
    stroke(p, quad(P(13, 68), P(36, 62), P(59, 68)), QColor(0x12, 0x4a, 0x28), 1.0);
    stroke(p, quad(P(30, 35), P(36, 44), P(42, 35)), kGold, 1.8);
    // Fishing rod over his shoulder, line hanging.
    const QColor cane(0x5a, 0x3a, 0x14);
    stroke(p, segment(P(16, 58), P(72, 9)), cane, 2.4);
    stroke(p, segment(P(16, 58), P(72, 9)), QColor(0xd4, 0xa6, 0x5a), 1.3);
    for (qreal t : {0.45, 0.62, 0.79}) {
        const P at(16 + 56 * t, 58 - 49 * t);
        stroke(p, segment(at + P(-0.8, -0.9), at + P(0.8, 0.9)), cane, 0.9);
    }
    stroke(p, quad(P(72, 9), P(74.5, 24), P(73, 36)), QColor(0x30, 0x30, 0x30, 180), 0.7);
    fill(p, thick(curve(P(23, 41), P(14, 47), P(16, 54), P(22, 54)), 6.5), QColor(0x3a, 0x98, 0x58), 1.0);
    fill(p, ellipse(22.5, 53, 3.2, 3.0), kSkin, 1.0);
    // The sea bream he has caught, held under his arm.
    fill(p, thick(curve(P(47, 40), P(55, 44), P(56, 52), P(51, 57)), 6.0), QColor(0x3a, 0x98, 0x58), 1.0);
    seaBream(p, P(53, 51), -18);
    fill(p, ellipse(50.5, 57.8, 3.0, 2.7), kSkin, 1.0);
    // Face, ears and tall black court cap.
    fill(p, ellipse(25.2, 26, 2.6, 4.2), kSkin, 1.0);
    fill(p, ellipse(46.8, 26, 2.6, 4.2), kSkin, 1.0);
    headDisc(p, P(36, 25), 10.5, 10.5);
    QPainterPath hat(P(27, 19));
    hat.cubicTo(P(26, 10), P(30, 4), P(40, 2));
    hat.cubicTo(P(46, 1), P(50, 4), P(47, 8));
    hat.cubicTo(P(44, 10), P(46, 14), P(45, 19));
    hat.quadTo(P(36, 15), P(27, 19));
    fill(p, hat, lit(P(36, 10), 12, QColor(0x55, 0x55, 0x5c), kHair), 1.0);
    stroke(p, segment(P(27.5, 17.5), P(44.5, 17.5)), QColor(0x70, 0x70, 0x78), 0.7);
    happyEye(p, P(31.8, 24.5), 4.2);
    happyEye(p, P(40.2, 24.5), 4.2);
    openSmile(p, P(36, 29), 8.5);
    blush(p, P(28.8, 28.5), 2.2);
    blush(p, P(43.2, 28.5), 2.2);
}

void benten(QPainter &p, const QColor &)
{
    const QColor robe(0xe8, 0x5a, 0x8a);
    // Long black hair falling behind her.
    QPainterPath hair(P(40, 8));
    hair.cubicTo(P(26, 8), P(27, 24), P(24, 44));
    hair.quadTo(P(40, 48), P(56, 44));
    hair.cubicTo(P(53, 24), P(54, 8), P(40, 8));
    fill(p, hair, kHair, 1.0);
    // Flowing scarf.
    QPainterPath scarf(P(18, 34));
    scarf.cubicTo(P(8, 44), P(10, 60), P(6, 68));
    scarf.cubicTo(P(14, 62), P(16, 48), P(24, 40));
    scarf.closeSubpath();
    fill(p, scarf, QColor(0x7c, 0xd0, 0xc8), 0.9);
    // Seated in a wide robe.
    QPainterPath body(P(31, 29));
    body.cubicTo(P(20, 32), P(14, 50), P(11, 72));
    body.quadTo(P(40, 78), P(69, 72));
    body.cubicTo(P(66, 50), P(60, 32), P(49, 29));
    body.quadTo(P(40, 27), P(31, 29));
    fill(p, body, linear(P(20, 28), P(62, 76), robe.lighter(125), robe.darker(140)), 1.3);
    stroke(p, quad(P(34, 30), P(40, 40), P(46, 30)), kWhite, 2.0);
    stroke(p, quad(P(14, 70), P(40, 64), P(66, 70)), robe.darker(160), 0.9);
    // The biwa, held across her body: pear-shaped body, neck bent back at the top.
    p.save();
    p.translate(46, 54);
    p.rotate(-38);
    QPainterPath neck;
    neck.addRect(QRectF(-2.3, -36, 4.6, 24));
    fill(p, neck, QColor(0x7a, 0x40, 0x18), 0.9);
    QPainterPath pegbox = polygon({P(-2.5, -36), P(2.5, -36), P(6.5, -43), P(2.5, -44)});
    fill(p, pegbox, QColor(0x6a, 0x34, 0x12), 0.9);
    for (qreal y : {-38.5, -41.0})
        stroke(p, segment(P(0.5, y), P(-4.5, y - 0.5)), kGold, 1.1);
    QPainterPath lute(P(0, -18));
    lute.cubicTo(P(8, -18), P(12, 2), P(11, 8));
    lute.cubicTo(P(10, 15), P(-10, 15), P(-11, 8));
    lute.cubicTo(P(-12, 2), P(-8, -18), P(0, -18));
    fill(p, lute, lit(P(0, -2), 16, QColor(0xe0, 0x9a, 0x52), QColor(0x8a, 0x48, 0x16)), 1.1);
    fill(p, ellipse(0, 8, 5, 1.6), QColor(0x5a, 0x2a, 0x0c), 0.6);
    for (qreal x : {-1.8, -0.6, 0.6, 1.8})
        stroke(p, segment(P(x * 0.8, -40), P(x, 8)), QColor(0xff, 0xf4, 0xd0, 200), 0.35);
    for (int side : {-1, 1})
        stroke(p, quad(P(side * 5, -7), P(side * 6.5, -5), P(side * 5, -3)), QColor(0x4a, 0x22, 0x08), 0.9);
    p.restore();
    // Hands: one on the neck, one plucking with a plectrum.
    fill(p, ellipse(29, 35.5, 2.8, 2.6), kSkin, 0.9);
    fill(p, polygon({P(48, 54), P(55, 47), P(56, 51)}), QColor(0xf2, 0xe4, 0xc0), 0.8);
    fill(p, ellipse(50.5, 54, 3.0, 2.6), kSkin, 0.9);
    // Serene face under a golden diadem.
    fill(p, ellipse(40, 19, 8.5, 9.5), lit(P(40, 19), 11, QColor(0xff, 0xf2, 0xe6), QColor(0xf6, 0xd8, 0xbe)));
    QPainterPath fringe(P(31.5, 18));
    fringe.cubicTo(P(31, 8), P(49, 8), P(48.5, 18));
    fringe.quadTo(P(44, 12), P(40, 14.5));
    fringe.quadTo(P(36, 12), P(31.5, 18));
    fill(p, fringe, kHair, 0.8);
    fill(p, ellipse(40, 5.5, 5, 3.8), kHair, 0.8);
    QPainterPath crown =
        polygon({P(32.5, 11), P(35, 6.5), P(37.5, 9.5), P(40, 4.5), P(42.5, 9.5), P(45, 6.5), P(47.5, 11), P(40, 9.5)});
    fill(p, crown, gold(P(32, 4), P(48, 11)), 0.8, QColor(0x6a, 0x44, 0x06));
    fill(p, ellipse(40, 7.6, 1.2, 1.2), QColor(0xd2, 0x30, 0x26), 0);
    stroke(p, quad(P(34.8, 20), P(36.5, 21.5), P(38.2, 20)), kLine, 0.9);
    stroke(p, quad(P(41.8, 20), P(43.5, 21.5), P(45.2, 20)), kLine, 0.9);
    fill(p, ellipse(40, 24.6, 1.5, 0.9), QColor(0xd0, 0x28, 0x3a), 0);
    blush(p, P(35, 23), 1.8);
    blush(p, P(45, 23), 1.8);
}

void pagoda(QPainter &p, P base, qreal s)
{
    p.save();
    p.translate(base);
    p.scale(s, s);
    const QPainterPath spire = thick(segment(P(0, -23), P(0, -15)), 1.2);
    fill(p, spire, kGold, 0.7, kGoldDark.darker(130));
    for (int tier = 0; tier < 3; ++tier) {
        const qreal y = -tier * 6.0;
        const qreal w = 6.5 - tier * 1.3;
        QPainterPath wall;
        wall.addRect(QRectF(-w * 0.6, y - 4, w * 1.2, 4));
        fill(p, wall, QColor(0xd2, 0x30, 0x26), 0.7);
        QPainterPath roof(P(-w - 2, y - 3.2));
        roof.quadTo(P(-w, y - 4.4), P(-w * 0.5, y - 6.2));
        roof.lineTo(w * 0.5, y - 6.2);
        roof.quadTo(P(w, y - 4.4), P(w + 2, y - 3.2));
        roof.closeSubpath();
        fill(p, roof, gold(P(0, y - 6), P(0, y - 3)), 0.7, QColor(0x5a, 0x3a, 0x06));
    }
    fill(p, ellipse(0, -23.5, 1.4, 1.4), kGold, 0.6, QColor(0x5a, 0x3a, 0x06));
    p.restore();
}

void bishamon(QPainter &p, const QColor &)
{
    // Flame halo behind the warrior.
    QPainterPath flame(P(40, 2));
    flame.cubicTo(P(46, 6), P(44, 8), P(50, 8));
    flame.cubicTo(P(50, 12), P(54, 14), P(53, 20));
    flame.cubicTo(P(55, 24), P(52, 30), P(40, 31));
    flame.cubicTo(P(28, 30), P(25, 24), P(27, 20));
    flame.cubicTo(P(26, 14), P(30, 12), P(30, 8));
    flame.cubicTo(P(36, 8), P(34, 6), P(40, 2));
    QRadialGradient fire(P(40, 22), 20, P(40, 24));
    fire.setColorAt(0, QColor(0xff, 0xe0, 0x60));
    fire.setColorAt(0.6, QColor(0xff, 0x7a, 0x1c));
    fire.setColorAt(1, QColor(0xc8, 0x28, 0x10));
    fill(p, flame, fire, 1.0, QColor(0x7a, 0x1a, 0x06));
    // The spear (a halberd with a three-pronged blade), held upright.
    stroke(p, segment(P(16, 14), P(16, 76)), QColor(0x3a, 0x10, 0x08), 3.2);
    stroke(p, segment(P(16, 14), P(16, 76)), QColor(0xb8, 0x24, 0x18), 1.8);
    QPainterPath blade = polygon({P(16, 1), P(18.6, 9), P(17.6, 15), P(14.4, 15), P(13.4, 9)});
    blade = blade.united(polygon({P(14.5, 12), P(9, 6), P(10, 12.5), P(14.5, 15.5)}));
    blade = blade.united(polygon({P(17.5, 12), P(23, 6), P(22, 12.5), P(17.5, 15.5)}));
    fill(p, blade, linear(P(10, 2), P(22, 16), QColor(0xf4, 0xf6, 0xfa), QColor(0x8a, 0x94, 0xa4)), 0.9,
         QColor(0x2a, 0x30, 0x3a));
    fill(p, ellipse(16, 17.5, 2.6, 1.6), kGold, 0.7, QColor(0x5a, 0x3a, 0x06));
    // Armoured body, legs braced.
    for (int side : {-1, 1}) {
        QPainterPath leg =
            polygon({P(40 + side * 3, 58), P(40 + side * 12, 58), P(40 + side * 14, 72), P(40 + side * 4, 72)});
        fill(p, leg, linear(P(30, 58), P(50, 72), QColor(0x4c, 0x6c, 0x9a), QColor(0x22, 0x34, 0x58)), 1.0);
        QPainterPath boot;
        boot.addRoundedRect(QRectF(side > 0 ? 43 : 22, 71, 15, 5), 2, 2);
        fill(p, boot, QColor(0x3a, 0x24, 0x18), 1.0);
    }
    QPainterPath skirt = polygon({P(27, 46), P(53, 46), P(57, 61), P(23, 61)});
    fill(p, skirt, linear(P(23, 46), P(57, 61), QColor(0xe4, 0x4c, 0x32), QColor(0x96, 0x1c, 0x10)), 1.1);
    for (qreal y : {50.5, 55.5})
        stroke(p, segment(P(25.5, y), P(54.5, y)), QColor(0x6a, 0x10, 0x08), 0.7);
    QPainterPath chest(P(28, 32));
    chest.lineTo(52, 32);
    chest.cubicTo(P(54, 38), P(53, 44), P(51, 48));
    chest.lineTo(29, 48);
    chest.cubicTo(P(27, 44), P(26, 38), P(28, 32));
    fill(p, chest, gold(P(28, 30), P(52, 48)), 1.2, QColor(0x5a, 0x3a, 0x06));
    stroke(p, segment(P(40, 33), P(40, 45)), QColor(0x8a, 0x5a, 0x08), 0.8);
    fill(p, ellipse(34.5, 38.5, 3.2, 3.2), QColor(0x2a, 0x9a, 0x8a), 0.8, QColor(0x5a, 0x3a, 0x06));
    fill(p, ellipse(45.5, 38.5, 3.2, 3.2), QColor(0x2a, 0x9a, 0x8a), 0.8, QColor(0x5a, 0x3a, 0x06));
    QPainterPath belt;
    belt.addRoundedRect(QRectF(27, 45, 26, 4), 1.5, 1.5);
    fill(p, belt, QColor(0x2a, 0x44, 0x80), 0.9);
    // Arms: the left grips the spear, the right holds the pagoda up.
    fill(p, thick(curve(P(29, 34), P(22, 38), P(20, 42), P(18, 44)), 6), QColor(0xd2, 0x3a, 0x26), 1.0);
    fill(p, ellipse(17, 44, 3.2, 3.2), kSkinShade, 1.0);
    fill(p, thick(curve(P(51, 34), P(60, 38), P(64, 34), P(64, 28)), 6), QColor(0xd2, 0x3a, 0x26), 1.0);
    for (int side : {-1, 1})
        fill(p, ellipse(40 + side * 13, 33, 6, 4.5), gold(P(40 + side * 13 - 6, 29), P(40 + side * 13 + 6, 37)), 1.0,
             QColor(0x5a, 0x3a, 0x06));
    fill(p, ellipse(64, 27, 3.2, 3.0), kSkinShade, 1.0);
    pagoda(p, P(64, 24), 0.72);
    // Stern face under a golden helmet crest.
    fill(p, ellipse(40, 22, 8.5, 9), lit(P(40, 22), 11, QColor(0xff, 0xd8, 0xb0), kSkinShade));
    QPainterPath helmet(P(31, 20));
    helmet.cubicTo(P(30, 10), P(50, 10), P(49, 20));
    helmet.quadTo(P(40, 15), P(31, 20));
    fill(p, helmet, gold(P(31, 12), P(49, 20)), 0.9, QColor(0x5a, 0x3a, 0x06));
    fill(p, polygon({P(37, 13), P(40, 5.5), P(43, 13)}), gold(P(37, 5), P(43, 13)), 0.8, QColor(0x5a, 0x3a, 0x06));
    for (int side : {-1, 1}) {
        stroke(p, segment(P(40 + side * 1.5, 20.5), P(40 + side * 6.2, 18.3)), kLine, 1.5);
        fill(p, ellipse(40 + side * 3.8, 22.8, 1.7, 1.5), Qt::white, 0.7);
        fill(p, ellipse(40 + side * 3.8, 22.9, 0.8, 0.8), kHair, 0);
    }
    stroke(p, quad(P(36.5, 27.8), P(40, 26.2), P(43.5, 27.8)), kMouth, 1.2);
    QPainterPath moustache(P(35, 26.6));
    moustache.quadTo(P(40, 24), P(45, 26.6));
    stroke(p, moustache, kHair, 1.0);
}

void crane(QPainter &p, P at, qreal s)
{
    p.save();
    p.translate(at);
    p.scale(s, s);
    // Legs.
    stroke(p, segment(P(-1, 6), P(-2, 16)), QColor(0x3a, 0x3a, 0x3a), 1.0);
    stroke(p, segment(P(2, 6), P(3, 16)), QColor(0x3a, 0x3a, 0x3a), 1.0);
    // Body with black tail feathers.
    fill(p, polygon({P(5, 0), P(13, 5), P(7, 7)}), kHair, 0.8);
    QPainterPath body(P(-7, -2));
    body.cubicTo(P(-4, -7), P(8, -6), P(10, 2));
    body.cubicTo(P(6, 8), P(-4, 8), P(-7, -2));
    fill(p, body, kWhite, 1.0);
    stroke(p, quad(P(-2, -2), P(4, -3), P(8, 2)), QColor(0xb0, 0xb0, 0xb8), 0.8);
    // Neck and head.
    const QPainterPath neck = thick(curve(P(-5, -2), P(-10, -8), P(-4, -14), P(-7, -19)), 2.2);
    fill(p, neck, kHair, 0.6);
    fill(p, ellipse(-7.5, -20, 2.4, 2.0), kWhite, 0.8);
    fill(p, ellipse(-7.3, -21.6, 1.2, 0.8), QColor(0xe0, 0x20, 0x20), 0);
    fill(p, polygon({P(-9.6, -20.6), P(-15, -19.2), P(-9.6, -19.2)}), QColor(0x6a, 0x6a, 0x50), 0.5);
    p.restore();
}

void fukurokuju(QPainter &p, const QColor &)
{
    const QColor robe(0x6a, 0x4a, 0xb0);
    // Staff, taller than he is.
    const QPainterPath staff = curve(P(63, 14), P(61, 30), P(65, 50), P(62, 76));
    stroke(p, staff, QColor(0x4a, 0x2a, 0x10), 3.2);
    stroke(p, staff, QColor(0xa8, 0x70, 0x34), 1.8);
    fill(p, ellipse(63, 12.5, 3.0, 3.4), QColor(0xa8, 0x70, 0x34), 1.0);
    // Robe.
    QPainterPath body(P(30, 42));
    body.cubicTo(P(20, 48), P(18, 64), P(18, 75));
    body.quadTo(P(42, 78), P(62, 75));
    body.cubicTo(P(62, 64), P(60, 48), P(50, 42));
    body.quadTo(P(40, 39), P(30, 42));
    fill(p, body, linear(P(18, 40), P(62, 76), robe.lighter(130), robe.darker(140)), 1.3);
    stroke(p, quad(P(20, 72), P(40, 66), P(60, 72)), kGold, 1.6);
    // Hand on the staff.
    fill(p, thick(curve(P(50, 46), P(58, 50), P(60, 46), P(62, 42)), 6), robe.lighter(110), 1.0);
    fill(p, ellipse(62.2, 41.5, 3.2, 3.0), kSkin, 1.0);
    // The tall bald crown of wisdom.
    QPainterPath head(P(40, 3));
    head.cubicTo(P(50, 3), P(52, 16), P(51, 26));
    head.cubicTo(P(51, 33), P(48, 40), P(40, 40));
    head.cubicTo(P(32, 40), P(29, 33), P(29, 26));
    head.cubicTo(P(28, 16), P(30, 3), P(40, 3));
    fill(p, head, lit(P(40, 20), 24, QColor(0xff, 0xea, 0xcc), kSkin));
    stroke(p, quad(P(33.5, 14), P(34, 7.5), P(38.5, 5.5)), QColor(255, 255, 255, 170), 1.4);
    for (qreal y : {20.0, 23.0})
        stroke(p, quad(P(35, y), P(40, y - 1.2), P(45, y)), QColor(0xc0, 0x86, 0x5c, 160), 0.7);
    fill(p, ellipse(28.6, 31, 2.4, 3.8), kSkin, 1.0);
    fill(p, ellipse(51.4, 31, 2.4, 3.8), kSkin, 1.0);
    // White brows, laughing eyes, long white beard.
    for (int side : {-1, 1}) {
        stroke(p, quad(P(40 + side * 1.5, 27), P(40 + side * 5, 25.4), P(40 + side * 8, 27.5)), kWhite, 1.6);
        happyEye(p, P(40 + side * 4.6, 30.2), 3.6);
    }
    QPainterPath beard(P(33, 35));
    beard.cubicTo(P(34, 42), P(36, 48), P(40, 53));
    beard.cubicTo(P(44, 48), P(46, 42), P(47, 35));
    beard.quadTo(P(40, 38.5), P(33, 35));
    fill(p, beard, linear(P(33, 35), P(40, 53), kWhite, QColor(0xd8, 0xd8, 0xe0)), 0.9);
    openSmile(p, P(40, 35.2), 5);
    blush(p, P(33, 33.5), 1.8);
    blush(p, P(47, 33.5), 1.8);
    // His crane, by his side.
    crane(p, P(17, 56), 1.0);
}

void deer(QPainter &p, P at, qreal s)
{
    p.save();
    p.translate(at);
    p.scale(s, s);
    const QColor coat(0xc0, 0x7a, 0x38);
    for (qreal x : {-6.0, -3.0, 5.0, 8.0})
        stroke(p, segment(P(x, 2), P(x + (x < 0 ? -0.5 : 0.5), 12)), QColor(0x6a, 0x3a, 0x14), 1.6);
    QPainterPath body = ellipse(1, 0, 10, 5.2);
    body = body.united(thick(segment(P(-6, -1), P(-9, -10)), 4.5));
    body = body.united(rotated(ellipse(-10.5, -12, 4, 2.7), P(-10.5, -12), -20));
    fill(p, body, lit(P(0, -2), 12, coat.lighter(130), coat.darker(120)), 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xf2, 0xd8));
    for (P spot : {P(-2, -2.5), P(2, -3), P(6, -2), P(0, 0.5), P(4, 0.8)})
        p.drawEllipse(spot, 0.9, 0.9);
    fill(p, ellipse(-9.7, -12.6, 0.7, 0.7), kHair, 0);
    fill(p, ellipse(-14.2, -11, 0.9, 0.8), kHair, 0);
    fill(p, rotated(ellipse(-7.2, -14.6, 2.4, 1.1), P(-7.2, -14.6), -30), coat, 0.7);
    QPainterPath antlers(P(-9, -14.5));
    antlers.lineTo(-7, -20);
    antlers.lineTo(-4, -23);
    antlers.moveTo(-7.6, -18.5);
    antlers.lineTo(-10, -21.5);
    antlers.moveTo(-6, -21.5);
    antlers.lineTo(-6.2, -25);
    stroke(p, antlers, QColor(0x6a, 0x3a, 0x14), 1.2);
    p.restore();
}

void jurojin(QPainter &p, const QColor &)
{
    const QColor robe(0x2e, 0x8a, 0x7a);
    // Gnarled staff with the scroll of the world's wisdom tied to it.
    const QPainterPath staff = curve(P(15, 8), P(17, 30), P(13, 50), P(16, 76));
    stroke(p, staff, QColor(0x4a, 0x2a, 0x10), 3.2);
    stroke(p, staff, QColor(0xa8, 0x70, 0x34), 1.8);
    fill(p, ellipse(15, 7, 3.2, 3.0), QColor(0xa8, 0x70, 0x34), 1.0);
    QPainterPath scroll;
    scroll.addRoundedRect(QRectF(7, 13, 6, 15), 1.5, 1.5);
    fill(p, scroll, linear(P(7, 0), P(13, 0), QColor(0xff, 0xfc, 0xee), QColor(0xd8, 0xcc, 0xaa)), 0.9);
    for (qreal y : {13.5, 27.5})
        stroke(p, segment(P(6.2, y), P(13.8, y)), QColor(0x9a, 0x5a, 0x20), 1.6);
    stroke(p, quad(P(13, 18), P(14.5, 16), P(16, 17)), QColor(0xd2, 0x30, 0x26), 1.1);
    // Robe.
    QPainterPath body(P(29, 38));
    body.cubicTo(P(21, 44), P(20, 62), P(20, 75));
    body.quadTo(P(38, 78), P(56, 75));
    body.cubicTo(P(56, 62), P(55, 44), P(47, 38));
    body.quadTo(P(38, 35), P(29, 38));
    fill(p, body, linear(P(20, 36), P(56, 76), robe.lighter(130), robe.darker(150)), 1.3);
    stroke(p, segment(P(22, 58), P(55, 58)), QColor(0xd2, 0x30, 0x26), 2.0);
    // Hand on the staff.
    fill(p, thick(curve(P(28, 44), P(22, 46), P(20, 42), P(17.5, 38)), 6), robe.lighter(115), 1.0);
    fill(p, ellipse(17, 37.5, 3.2, 3.0), kSkin, 1.0);
    // Old face, long white brows and a beard down to his belt.
    headDisc(p, P(38, 25), 9.5, 10);
    QPainterPath beard(P(30.5, 28));
    beard.cubicTo(P(30, 40), P(33, 50), P(38, 60));
    beard.cubicTo(P(43, 50), P(46, 40), P(45.5, 28));
    beard.quadTo(P(38, 33), P(30.5, 28));
    fill(p, beard, linear(P(30, 28), P(38, 60), kWhite, QColor(0xd4, 0xd4, 0xdc)), 0.9);
    for (qreal x : {35.0, 38.0, 41.0})
        stroke(p, quad(P(x, 36), P(x + 0.6, 45), P(38 + (x - 38) * 0.4, 54)), QColor(0xb8, 0xb8, 0xc4), 0.6);
    for (int side : {-1, 1}) {
        QPainterPath brow(P(38 + side * 1.5, 23));
        brow.quadTo(P(38 + side * 6, 21), P(38 + side * 10, 25.5));
        stroke(p, brow, kWhite, 1.8);
        stroke(p, brow, QColor(0xc0, 0xc0, 0xc8), 0.5);
        happyEye(p, P(38 + side * 4.2, 26), 3.4);
    }
    QPainterPath tache(P(33, 31.5));
    tache.quadTo(P(38, 28.5), P(43, 31.5));
    stroke(p, tache, kWhite, 2.0);
    blush(p, P(32.5, 29.5), 1.7);
    blush(p, P(43.5, 29.5), 1.7);
    // Tall black scholar's cap with its two hanging bands.
    QPainterPath cap(P(29.5, 20));
    cap.lineTo(30.5, 6);
    cap.quadTo(P(38, 2), P(45.5, 6));
    cap.lineTo(46.5, 20);
    cap.quadTo(P(38, 17), P(29.5, 20));
    fill(p, cap, linear(P(30, 4), P(46, 20), QColor(0x4a, 0x4a, 0x52), kHair), 1.0);
    stroke(p, segment(P(30.2, 16.5), P(45.8, 16.5)), kGold, 1.2);
    for (int side : {-1, 1})
        fill(p, polygon({P(38 + side * 8, 17), P(38 + side * 12, 22), P(38 + side * 11, 24), P(38 + side * 7.5, 19)}),
             kHair, 0.7);
    // The deer of long life at his feet.
    deer(p, P(63, 62), 1.05);
}

using Drawer = std::function<void(QPainter &, const QColor &)>;

const QHash<QString, Drawer> &figures()
{
    static const QHash<QString, Drawer> table = {
        {QStringLiteral("Benten"), benten},
        {QStringLiteral("Bishamon"), bishamon},
        {QStringLiteral("Daikokuten"), daikokuten},
        {QStringLiteral("Daruma Doll"), darumaDoll},
        {QStringLiteral("Ebisu"), ebisu},
        {QStringLiteral("Fukurokuju"), fukurokuju},
        {QStringLiteral("Jurojin"), jurojin},
        {QStringLiteral("Laughing Buddha"), laughingBuddha},
        {QStringLiteral("Horseshoe"), horseshoe},
        {QStringLiteral("Wishbone"), wishbone},
        {QStringLiteral("Broken Arrow"), brokenArrow},
        {QStringLiteral("Crossed Arrows"), crossedArrows},
        {QStringLiteral("Fence"), fence},
        {QStringLiteral("Kokopelli Charm"), kokopelli},
        {QStringLiteral("Eye of Horus"), eyeOfHorus},
        {QStringLiteral("Isis"), isis},
        {QStringLiteral("Ankh"), ankh},
        {QStringLiteral("Caduceus"), caduceus},
        {QStringLiteral("Fu Symbol"), fuSymbol},
        {QStringLiteral("Swastika"), swastika},
    };
    return table;
}

} // namespace

bool artgen::drawGoodLuckFigure(QPainter &painter, const QString &name, const QRectF &area, const QColor &ink)
{
    const auto found = figures().constFind(name);
    if (found == figures().constEnd())
        return false;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / 80.0, area.height() / 80.0);
    (*found)(painter, ink);
    painter.restore();
    return true;
}
