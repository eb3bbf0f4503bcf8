// Japanese good-luck symbols: the Seven Gods of Fortune with the Daruma doll,
// the beckoning cat and the tanuki.
#include "style.h"

#include <QtMath>
#include <cmath>

namespace artgen::goodluck {

namespace {

// The gods and the Daruma doll set the look of the whole set. They were drawn
// on an 80-unit grid, so they keep it and are scaled up to the 100 box; their
// 1.2 outline lands on the set's 1.5.
namespace grid80 {

constexpr qreal kOutline = 1.2;

QPainterPath ellipse(qreal cx, qreal cy, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(P(cx, cy), rx, ry);
    return path;
}

void fill(QPainter &p, const QPainterPath &path, const QBrush &brush, qreal lineWidth = kOutline,
          const QColor &lineColour = kLine)
{
    goodluck::fill(p, path, brush, lineWidth, lineColour);
}

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

void headDisc(QPainter &p, P c, qreal rx, qreal ry)
{
    fill(p, ellipse(c.x(), c.y(), rx, ry), lit(c, std::max(rx, ry) * 1.3, QColor(0xff, 0xe6, 0xc6), kSkin));
}

void darumaDoll(QPainter &p)
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

void laughingBuddha(QPainter &p)
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

void daikokuten(QPainter &p)
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

void ebisu(QPainter &p)
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

void benten(QPainter &p)
{
    const QColor robe(0xe8, 0x5a, 0x8a);
    // Her heavenly scarf: one long band of gauze lying low across her back
    // and over her arms, its two ends trailing out and down in waves beside
    // her, not rising like wings; and no halo, so she is not taken for an angel.
    const QColor scarfLight(0xd4, 0xf4, 0xee), scarfDark(0x4c, 0xb0, 0xa4);
    QPainterPath scarf(P(28, 46));
    scarf.cubicTo(P(20, 40), P(22, 33), P(40, 33));
    scarf.cubicTo(P(58, 33), P(60, 40), P(52, 46));
    fill(p, thick(scarf, 3.6), linear(P(4, 30), P(76, 66), scarfLight, scarfDark), 0.9);
    // Long black hair falling behind her.
    QPainterPath hair(P(40, 8));
    hair.cubicTo(P(26, 8), P(27, 24), P(24, 44));
    hair.quadTo(P(40, 48), P(56, 44));
    hair.cubicTo(P(53, 24), P(54, 8), P(40, 8));
    fill(p, hair, kHair, 1.0);
    // Seated in a wide robe.
    QPainterPath body(P(31, 29));
    body.cubicTo(P(20, 32), P(14, 50), P(11, 72));
    body.quadTo(P(40, 78), P(69, 72));
    body.cubicTo(P(66, 50), P(60, 32), P(49, 29));
    body.quadTo(P(40, 27), P(31, 29));
    fill(p, body, linear(P(20, 28), P(62, 76), robe.lighter(125), robe.darker(140)), 1.3);
    stroke(p, quad(P(34, 30), P(40, 40), P(46, 30)), kWhite, 2.0);
    stroke(p, quad(P(14, 70), P(40, 64), P(66, 70)), robe.darker(160), 0.9);
    // The scarf's two ends, draped over her arms and floating out in waves.
    for (int side : {-1, 1}) {
        const auto X = [side](qreal x) { return 40 + side * x; };
        fill(p, thick(curve(P(X(15), 40), P(X(26), 34), P(X(30), 50), P(X(36), 52)), 3.8),
             linear(P(4, 30), P(76, 66), scarfLight, scarfDark), 0.9);
        QPainterPath tail(P(X(34.5), 50.5));
        tail.cubicTo(P(X(39), 54), P(X(35), 60), P(X(39), 66));
        tail.cubicTo(P(X(34), 64), P(X(33), 58), P(X(33.5), 53.5));
        tail.closeSubpath();
        fill(p, tail, linear(P(4, 50), P(76, 66), scarfLight, scarfDark), 0.9);
    }
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

void bishamon(QPainter &p)
{
    // A ring of flame standing behind him, wider than his shoulders, so it
    // reads as the halo of a guardian and not as part of his head.
    const P haloCentre(40, 24);
    QPainterPath flame = grid80::ellipse(haloCentre.x(), haloCentre.y(), 17, 17);
    for (int i = 0; i < 14; ++i) {
        const qreal a = qDegreesToRadians(-90 + i * 360.0 / 14);
        const P dir(std::cos(a), std::sin(a));
        const P side(-dir.y(), dir.x());
        const P root = haloCentre + dir * 15.5;
        const P tip = haloCentre + dir * 22.5 + side * 2.5;
        QPainterPath tongue(root + side * 3.4);
        tongue.quadTo(root + dir * 4 + side * 2.5, tip);
        tongue.quadTo(root + dir * 3, root - side * 3.4);
        tongue.closeSubpath();
        flame = flame.united(tongue);
    }
    QRadialGradient fire(haloCentre, 23);
    fire.setColorAt(0.55, QColor(0xff, 0xd0, 0x50));
    fire.setColorAt(0.8, QColor(0xff, 0x7a, 0x1c));
    fire.setColorAt(1, QColor(0xc8, 0x28, 0x10));
    fill(p, flame, fire, 1.0, QColor(0x7a, 0x1a, 0x06));
    fill(p, grid80::ellipse(haloCentre.x(), haloCentre.y(), 13.5, 13.5),
         lit(haloCentre, 16, QColor(0xff, 0xf4, 0xc8), QColor(0xf8, 0xc8, 0x5a)), 0.8, QColor(0x9a, 0x4a, 0x0a));
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
    fill(p, thick(curve(P(51, 34), P(60, 38), P(65, 36), P(65, 31)), 6), QColor(0xd2, 0x3a, 0x26), 1.0);
    for (int side : {-1, 1})
        fill(p, ellipse(40 + side * 13, 33, 6, 4.5), gold(P(40 + side * 13 - 6, 29), P(40 + side * 13 + 6, 37)), 1.0,
             QColor(0x5a, 0x3a, 0x06));
    // The treasure pagoda held high, large enough to count its roofs.
    pagoda(p, P(65, 29), 1.08);
    fill(p, ellipse(65, 30.5, 3.4, 3.1), kSkinShade, 1.0);
    // Stern face under an iron helmet: a round bowl with a gold brim, neck
    // guards flaring over the ears and gold horns rising from the front.
    const QColor iron(0x3c, 0x48, 0x62), ironLight(0x7a, 0x8a, 0xa8), brass(0x5a, 0x3a, 0x06);
    for (int side : {-1, 1}) {
        QPainterPath guard = polygon({P(40 + side * 7.5, 16.5), P(40 + side * 11.5, 17.5), P(40 + side * 13.5, 27),
                                      P(40 + side * 9, 25.5)});
        fill(p, guard, linear(P(28, 16), P(52, 28), ironLight, iron), 0.9);
        stroke(p, segment(P(40 + side * 9.5, 20.5), P(40 + side * 12.2, 21.5)), kGold, 0.8);
    }
    fill(p, ellipse(40, 22.5, 8.3, 8.8), lit(P(40, 22), 11, QColor(0xff, 0xd8, 0xb0), kSkinShade));
    QPainterPath helmet(P(30.5, 18.5));
    helmet.cubicTo(P(30, 7.5), P(50, 7.5), P(49.5, 18.5));
    helmet.closeSubpath();
    fill(p, helmet, linear(P(32, 9), P(48, 19), ironLight, iron), 1.0);
    for (qreal x : {35.0, 40.0, 45.0})
        stroke(p, quad(P(40 + (x - 40) * 0.4, 10), P(x, 13), P(x + (x - 40) * 0.15, 18)), QColor(0x22, 0x2a, 0x3c),
               0.6);
    QPainterPath brim;
    brim.addRoundedRect(QRectF(29, 17.2, 22, 2.8), 1.2, 1.2);
    fill(p, brim, gold(P(29, 17), P(51, 20)), 0.8, brass);
    QPainterPath horns(P(38.5, 14));
    horns.cubicTo(P(34, 11), P(33, 6), P(34.5, 1.5));
    horns.moveTo(41.5, 14);
    horns.cubicTo(P(46, 11), P(47, 6), P(45.5, 1.5));
    fill(p, thick(horns, 1.8), gold(P(33, 1), P(47, 14)), 0.7, brass);
    fill(p, ellipse(40, 14, 2.4, 2.4), gold(P(38, 12), P(42, 16)), 0.7, brass);
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

void fukurokuju(QPainter &p)
{
    const QColor robe(0x6a, 0x4a, 0xb0);
    p.save();
    p.translate(4, 0);
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
    // The very tall bald crown of wisdom.
    QPainterPath head(P(40, -4));
    head.cubicTo(P(51, -4), P(52, 14), P(51, 26));
    head.cubicTo(P(51, 33), P(48, 40), P(40, 40));
    head.cubicTo(P(32, 40), P(29, 33), P(29, 26));
    head.cubicTo(P(28, 14), P(29, -4), P(40, -4));
    fill(p, head, lit(P(40, 20), 24, QColor(0xff, 0xea, 0xcc), kSkin));
    stroke(p, quad(P(33.5, 12), P(34, 1.5), P(38.5, -1.5)), QColor(255, 255, 255, 170), 1.4);
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
    p.restore();
    // His crane stands large at his side, so he is told from Jurojin and his deer.
    crane(p, P(15, 52), 1.45);
}

void deer(QPainter &p, P at, qreal s, bool facingRight = false)
{
    p.save();
    p.translate(at);
    p.scale(facingRight ? -s : s, s);
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
    // Branching antlers, the mark that makes him a stag at a glance.
    QPainterPath antlers(P(-9, -14.5));
    antlers.lineTo(-7, -20);
    antlers.lineTo(-3, -23.5);
    antlers.moveTo(-7.6, -18.5);
    antlers.lineTo(-11.5, -21.5);
    antlers.moveTo(-6, -21.5);
    antlers.lineTo(-6.5, -26);
    antlers.moveTo(-11, -14);
    antlers.lineTo(-13.5, -18.5);
    antlers.lineTo(-16.5, -20);
    antlers.moveTo(-13.8, -17.5);
    antlers.lineTo(-14, -22);
    stroke(p, antlers, QColor(0x4a, 0x26, 0x0c), 2.0);
    stroke(p, antlers, QColor(0xc8, 0x9a, 0x5a), 1.0);
    p.restore();
}

void jurojin(QPainter &p)
{
    const QColor robe(0x2e, 0x8a, 0x7a);
    // Gnarled staff with the scroll of the world's wisdom tied to it.
    const QPainterPath staff = curve(P(15, 8), P(17, 30), P(13, 50), P(16, 76));
    stroke(p, staff, QColor(0x4a, 0x2a, 0x10), 3.2);
    stroke(p, staff, QColor(0xa8, 0x70, 0x34), 1.8);
    fill(p, ellipse(15, 7, 3.2, 3.0), QColor(0xa8, 0x70, 0x34), 1.0);
    // The scroll rolled up and lashed across the staff below the knob with a
    // red cord, so it is plainly his staff's burden.
    QPainterPath roll;
    roll.addRoundedRect(QRectF(4, 12, 22, 7), 2, 2);
    fill(p, roll, linear(P(4, 12), P(4, 19), QColor(0xff, 0xfc, 0xee), QColor(0xd8, 0xcc, 0xaa)), 0.9);
    for (qreal x : {4.0, 26.0})
        fill(p, grid80::ellipse(x, 15.5, 1.8, 4.2), QColor(0x9a, 0x5a, 0x20), 0.8);
    stroke(p, segment(P(8, 13.5), P(8, 17.5)), QColor(0x3a, 0x2a, 0x22, 150), 0.8);
    stroke(p, segment(P(22, 13.5), P(22, 17.5)), QColor(0x3a, 0x2a, 0x22, 150), 0.8);
    const QColor cord(0xd2, 0x30, 0x26);
    stroke(p, segment(P(12.5, 11.5), P(18, 19.5)), cord, 1.4);
    stroke(p, segment(P(18, 11.5), P(12.5, 19.5)), cord, 1.4);
    stroke(p, curve(P(15.3, 19.5), P(14, 23), P(12, 25), P(12.5, 28)), cord, 1.1);
    stroke(p, curve(P(15.3, 19.5), P(17, 23), P(19, 25), P(18.5, 28)), cord, 1.1);
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
    // The deer of long life beside him, large enough to be told apart from
    // Fukurokuju's crane.
    deer(p, P(58, 58), 1.75, true);
}

} // namespace grid80

// Runs a figure drawn on the 80-unit grid in the 100 box; the squat ones are
// grown a little about their middle so they fill it like the tall ones.
Figure on80(void (*draw)(QPainter &), qreal grow = 1, P middle = P(40, 40))
{
    return [=](QPainter &p) {
        p.save();
        p.scale(1.25, 1.25);
        p.translate(middle);
        p.scale(grow, grow);
        p.translate(-middle);
        draw(p);
        p.restore();
    };
}

// ---- the beckoning cat

const QColor kFur{0xfd, 0xfb, 0xf6};
const QColor kFurShade{0xdc, 0xd6, 0xcc};
const QColor kPink{0xf4, 0xa0, 0xac};

QBrush whiteFur(P a, P b)
{
    return linear(a, b, kFur, kFurShade);
}

void beckoningCat(QPainter &p)
{
    groundShadow(p, P(52, 93), 34, 4);
    // Seated body, broad at the base like the porcelain figure.
    QPainterPath body(P(33, 50));
    body.cubicTo(P(20, 62), P(19, 84), P(24, 92));
    body.quadTo(P(50, 95), P(78, 92));
    body.cubicTo(P(83, 84), P(82, 62), P(69, 50));
    body.closeSubpath();
    fill(p, body, whiteFur(P(26, 50), P(78, 94)));
    // The raised paw, beckoning luck in.
    QPainterPath arm(P(31, 70));
    arm.cubicTo(P(18, 64), P(13, 46), P(13, 30));
    arm.cubicTo(P(13, 18), P(29, 16), P(29, 28));
    arm.cubicTo(P(29, 40), P(33, 52), P(40, 60));
    fill(p, arm, whiteFur(P(10, 20), P(40, 70)));
    stroke(p, segment(P(17.5, 18.7), P(18, 23)), kLine, kDetail);
    stroke(p, segment(P(23.5, 18.3), P(23.5, 22.6)), kLine, kDetail);
    fill(p, ellipse(P(21, 29), 3.4, 2.8), kPink, 0);
    // Big round head with pointed ears and calico patches.
    QPainterPath head = ellipse(P(53, 33), 25, 20);
    head = head.united(polygon({P(30, 28), P(32, 6), P(47, 16)}));
    head = head.united(polygon({P(76, 28), P(74, 6), P(59, 16)}));
    fill(p, head, whiteFur(P(30, 8), P(76, 54)));
    p.save();
    p.setClipPath(head);
    fill(p, ellipse(P(72, 16), 12, 11), QColor(0xf0, 0x9a, 0x3c), 0);
    fill(p, ellipse(P(33, 19), 7, 6), QColor(0x3a, 0x32, 0x30), 0);
    p.restore();
    stroke(p, head, kLine, kOutline);
    fill(p, polygon({P(35, 21), P(35.5, 11), P(42, 17)}), kPink, 0);
    fill(p, polygon({P(71, 21), P(70.5, 11), P(64, 17)}), kPink, 0);
    // Laughing face, nose and whiskers.
    happyEye(p, P(44, 32), 7);
    happyEye(p, P(62, 32), 7);
    fill(p, ellipse(P(53, 37.5), 2.4, 1.7), kPink, kDetail);
    QPainterPath mouth(P(53, 39));
    mouth.quadTo(P(50.5, 43), P(47.5, 41.5));
    mouth.moveTo(53, 39);
    mouth.quadTo(P(55.5, 43), P(58.5, 41.5));
    stroke(p, mouth, kLine, kDetail);
    for (int side : {-1, 1}) {
        QPainterPath whiskers(P(53 + side * 13, 38));
        whiskers.lineTo(53 + side * 24, 35.5);
        whiskers.moveTo(53 + side * 13, 40.5);
        whiskers.lineTo(53 + side * 24, 42);
        stroke(p, whiskers, kLine, 0.8);
    }
    blush(p, P(41, 38.5), 3.2);
    blush(p, P(65, 38.5), 3.2);
    // Red collar with its gold bell.
    fill(p, thick(quad(P(33, 51), P(53, 60), P(73, 51)), 5), QColor(0xd2, 0x1e, 0x24));
    fill(p, circle(P(53, 61), 5), gold(P(48, 56), P(58, 66)), kOutline);
    stroke(p, segment(P(48.2, 61), P(57.8, 61)), kGoldDark.darker(130), kDetail);
    fill(p, circle(P(53, 63.6), 1.1), kLine, 0);
    // The gold koban coin, held to its side by the other paw.
    fill(p, ellipse(P(65, 76), 10.5, 14), gold(P(55, 62), P(75, 90)));
    stroke(p, ellipse(P(65, 76), 8, 11.3), kGoldDark, kDetail);
    for (int i = 0; i < 3; ++i)
        stroke(p, segment(P(61, 71 + i * 5), P(69, 71 + i * 5)), kGoldDark, 1.2);
    fill(p, ellipse(P(56, 81), 7, 5.5), whiteFur(P(50, 76), P(62, 86)));
}

// ---- the tanuki

const QColor kTanuki{0x9a, 0x66, 0x3a};
const QColor kTanukiDark{0x5a, 0x38, 0x1e};
const QColor kBelly{0xf6, 0xe2, 0xbc};
const QColor kStraw{0xe2, 0xb8, 0x62};

QBrush tanukiCoat(P a, P b)
{
    return linear(a, b, kTanuki.lighter(125), kTanuki.darker(115));
}

void tanuki(QPainter &p)
{
    groundShadow(p, P(48, 93), 32, 4);
    // The big bushy tail of a raccoon dog, plain brown with a dark tip and
    // no rings, sweeping up behind him.
    QPainterPath tail(P(34, 86));
    tail.cubicTo(P(14, 92), P(1, 80), P(4, 64));
    tail.cubicTo(P(6, 50), P(19, 48), P(23, 57));
    tail.cubicTo(P(26, 64), P(25, 72), P(34, 74));
    tail.closeSubpath();
    fill(p, tail, tanukiCoat(P(2, 50), P(32, 90)));
    p.save();
    p.setClipPath(tail);
    fill(p, ellipse(P(9, 55), 11, 9), kTanukiDark, 0);
    p.restore();
    stroke(p, tail, kLine, kOutline);
    stroke(p, quad(P(9, 72), P(12, 80), P(22, 83)), kTanukiDark, kDetail);
    // Short legs and feet.
    for (int side : {-1, 1})
        fill(p, ellipse(P(48 + side * 11, 89), 8, 5), tanukiCoat(P(40, 84), P(60, 94)));
    // Round body and the big pale belly.
    QPainterPath body(P(36, 44));
    body.cubicTo(P(22, 50), P(22, 86), P(38, 89));
    body.lineTo(58, 89);
    body.cubicTo(P(76, 86), P(74, 50), P(60, 44));
    body.closeSubpath();
    fill(p, body, tanukiCoat(P(24, 44), P(72, 90)));
    fill(p, ellipse(P(48, 69), 15, 16), lit(P(48, 69), 18, QColor(0xff, 0xf6, 0xe2), kBelly));
    fill(p, circle(P(48, 70), 1.3), kTanukiDark, 0);
    // Arm on our left holding his account book to the chest.
    QPainterPath book;
    book.addRoundedRect(QRectF(23, 55, 12, 15), 1.5, 1.5);
    book = rotated(book, P(29, 62), -12);
    fill(p, book, linear(P(23, 55), P(35, 70), QColor(0x4a, 0x5e, 0x98), accent::japanese));
    fill(p, rotated(box(27.5, 57, 3.5, 10), P(29, 62), -12), kWhite, kDetail);
    fill(p, thick(curve(P(33, 50), P(25, 52), P(24, 60), P(30, 64)), 7), tanukiCoat(P(24, 50), P(34, 64)));
    // The other arm hangs down, the sake flask swinging from its cord.
    fill(p, thick(curve(P(62, 50), P(70, 54), P(72, 62), P(70, 67)), 7), tanukiCoat(P(62, 50), P(74, 68)));
    // A tall tokkuri: long neck, round belly, glazed blue over the top.
    QPainterPath flask(P(76, 66));
    flask.lineTo(81, 66);
    flask.cubicTo(P(80.5, 72), P(80.5, 74), P(84, 78));
    flask.cubicTo(P(91, 84), P(89, 94), P(78.5, 94));
    flask.cubicTo(P(68, 94), P(66, 84), P(73, 78));
    flask.cubicTo(P(76.5, 74), P(76.5, 72), P(76, 66));
    flask.closeSubpath();
    fill(p, flask, linear(P(68, 70), P(88, 94), QColor(0xfb, 0xf4, 0xe4), QColor(0xd4, 0xc4, 0xa2)));
    p.save();
    p.setClipPath(flask);
    QPainterPath glaze(P(66, 66));
    glaze.lineTo(92, 66);
    glaze.lineTo(92, 79);
    glaze.quadTo(P(86, 81), P(82, 79));
    glaze.quadTo(P(78, 82), P(74, 79.5));
    glaze.quadTo(P(70, 81), P(66, 79));
    glaze.closeSubpath();
    fill(p, glaze, linear(P(70, 66), P(88, 80), QColor(0x4a, 0x5e, 0x98), accent::japanese), 0);
    p.restore();
    stroke(p, flask, kLine, kOutline);
    // The red cord knotted round its neck.
    stroke(p, curve(P(70.5, 67), P(72, 71), P(76, 71), P(79, 69.5)), QColor(0xc0, 0x30, 0x26), 1.6);
    // The character for eight brushed on the flask's belly, as on every
    // tanuki's sake bottle.
    fill(p, glyph(QStringLiteral("八"), QStringLiteral("Noto Serif CJK SC"), QRectF(73, 81, 11, 10), QFont::Black),
         accent::japanese, 1.2, accent::japanese); // outlined in its own ink to stay bold at 1x
    fill(p, circle(P(70.5, 67), 3.4), tanukiCoat(P(67, 64), P(74, 70)));
    // Head: round face, pale muzzle and the dark mask around the eyes;
    // fluffy ruffs of fur stand out on his cheeks, as on a raccoon dog.
    QPainterPath head = ellipse(P(48, 38), 17, 13.5);
    for (int side : {-1, 1}) {
        const auto X = [side](qreal x) { return 48 + side * x; };
        head = head.united(polygon({P(X(13), 33), P(X(20.5), 37), P(X(17.5), 39.5), P(X(22), 43.5), P(X(16.5), 45),
                                    P(X(18), 49), P(X(9), 48)}));
    }
    fill(p, head, tanukiCoat(P(32, 26), P(64, 52)));
    // The dark mask of a raccoon dog: two patches drooping from the eyes down
    // onto the cheeks, with pale fur below them.
    for (int side : {-1, 1}) {
        const auto X = [side](qreal x) { return 48 + side * x; };
        fill(p, ellipse(P(X(13.5), 45), 5, 3.2), kBelly, 0);
        QPainterPath patch(P(X(3.5), 36));
        patch.cubicTo(P(X(5), 32), P(X(11), 32.5), P(X(12.5), 37));
        patch.cubicTo(P(X(14), 41), P(X(13), 45), P(X(10), 45));
        patch.cubicTo(P(X(7), 44.5), P(X(3), 40), P(X(3.5), 36));
        fill(p, patch, kHair, 0);
    }
    fill(p, ellipse(P(48, 44), 7.5, 5.5), kBelly, kDetail);
    for (int side : {-1, 1})
        stroke(p, quad(P(48 + side * 5, 37.5), P(48 + side * 7.4, 34.2), P(48 + side * 9.8, 37.5)), kBelly, 1.8);
    fill(p, ellipse(P(48, 41.2), 2.6, 1.8), kHair, 0);
    openSmile(p, P(48, 44.5), 7);
    // The wide straw hat, tipped back on his head.
    QPainterPath hat(P(13, 30));
    hat.cubicTo(P(20, 22), P(30, 9), P(48, 9));
    hat.cubicTo(P(66, 9), P(76, 22), P(83, 30));
    hat.quadTo(P(48, 36), P(13, 30));
    fill(p, hat, linear(P(20, 8), P(76, 32), kStraw.lighter(118), kStraw.darker(118)));
    p.save();
    p.setClipPath(hat);
    for (qreal x : {26.0, 37.0, 48.0, 59.0, 70.0})
        stroke(p, quad(P(48 + (x - 48) * 0.15, 9), P(48 + (x - 48) * 0.75, 16), P(x, 33)), QColor(0xa6, 0x7a, 0x2c),
               kDetail);
    stroke(p, quad(P(16, 27), P(48, 20), P(80, 27)), QColor(0xa6, 0x7a, 0x2c), kDetail);
    p.restore();
    stroke(p, hat, kLine, kOutline);
}

} // namespace

QList<Symbol> japaneseSymbols()
{
    return {
        {"Beckoning Cat", beckoningCat},
        {"Benten", on80(grid80::benten)},
        {"Bishamon", on80(grid80::bishamon)},
        {"Daikokuten", on80(grid80::daikokuten)},
        {"Daruma Doll", on80(grid80::darumaDoll, 1.08, P(40, 41))},
        {"Ebisu", on80(grid80::ebisu)},
        {"Fukurokuju", on80(grid80::fukurokuju)},
        {"Jurojin", on80(grid80::jurojin)},
        {"Laughing Buddha", on80(grid80::laughingBuddha, 1.06, P(41, 43))},
        {"Tanuki", tanuki},
    };
}

} // namespace artgen::goodluck
