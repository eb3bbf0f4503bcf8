// Chinese good-luck symbols that are animals.
#include "style.h"

#include <QTransform>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace artgen::goodluck {

namespace {

QLinearGradient stops(P a, P b, std::initializer_list<std::pair<qreal, unsigned>> colours)
{
    QLinearGradient g(a, b);
    for (const auto &[at, rgb] : colours)
        g.setColorAt(at, hex(rgb));
    return g;
}

// Mirrors a shape drawn on the left half onto the right half of the box.
QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform(-1, 0, 0, 1, 100, 0).map(path);
}

QPainterPath polyline(std::initializer_list<P> points)
{
    QPainterPath path;
    bool first = true;
    for (const P &at : points) {
        if (first)
            path.moveTo(at);
        else
            path.lineTo(at);
        first = false;
    }
    return path;
}

// A point on a centre line with its left-hand normal (the side that faces up
// when the line runs to the right).
struct Station {
    P at;
    P normal;
};

std::vector<Station> stations(const QPainterPath &centre, int count)
{
    std::vector<Station> out;
    for (int i = 0; i <= count; ++i) {
        const qreal t = qreal(i) / count;
        const qreal a = qDegreesToRadians(centre.angleAtPercent(t));
        out.push_back({centre.pointAtPercent(t), P(-qSin(a), -qCos(a))});
    }
    return out;
}

// A band along a centre line whose width runs from `from` to `to`: bodies of
// serpents, necks, limbs and plumes that taper.
QPainterPath tube(const QPainterPath &centre, qreal from, qreal to, int count = 48)
{
    const auto st = stations(centre, count);
    QPainterPath path;
    for (int i = 0; i <= count; ++i) {
        const qreal w = (from + (to - from) * i / count) / 2;
        const P at = st[i].at + st[i].normal * w;
        if (i == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    for (int i = count; i >= 0; --i) {
        const qreal w = (from + (to - from) * i / count) / 2;
        path.lineTo(st[i].at - st[i].normal * w);
    }
    path.closeSubpath();
    return path.simplified();
}

// A Chinese cash coin, round with a square hole, squashed when seen lying.
void cashCoin(QPainter &p, P at, qreal r, qreal squash = 1)
{
    p.save();
    p.translate(at);
    p.scale(1, squash);
    const qreal h = r * 0.3;
    QPainterPath coin = circle({0, 0}, r).subtracted(box(-h, -h, 2 * h, 2 * h));
    fill(p, coin, gold({-r, -r}, {r, r}), kOutline / std::max<qreal>(squash, 0.6));
    QPainterPath rim = circle({0, 0}, r * 0.75);
    QPainterPath inner;
    inner.addRect(QRectF(-h * 1.6, -h * 1.6, h * 3.2, h * 3.2));
    stroke(p, rim, kGoldDark, kDetail * 0.8);
    stroke(p, inner, kGoldDark, kDetail * 0.8);
    p.restore();
}

// ---------------------------------------------------------------- bat

// A red bat, wings spread wide: the red bat is a pun on "great fortune".
void drawBat(QPainter &p)
{
    p.save();
    p.translate(0, 3);
    const P wrist(25, 17);
    const P tip(3, 36);
    const std::vector<P> fingers{{12, 62}, {24, 72}, {36, 74}, {45, 63}};
    QPainterPath wing(P(45, 44));
    wing.cubicTo(P(39, 30), P(32, 20), wrist);
    wing.cubicTo(P(16, 17), P(8, 25), tip);
    P from = tip;
    for (const P &to : fingers) {
        const P mid = (from + to) / 2;
        wing.quadTo(mid + (wrist - mid) * 0.3, to);
        from = to;
    }
    wing.closeSubpath();
    QPainterPath bones;
    for (int i = 0; i < 3; ++i)
        bones.addPath(quad(wrist, (wrist + fingers[i]) / 2 + P(-2, 0), fingers[i]));
    const QBrush membrane = lit({30, 34}, 40, hex(0xef5a40), hex(0xa11a18));
    fill(p, wing, membrane);
    fill(p, mirrored(wing), membrane);
    stroke(p, bones, hex(0x6e1210), kDetail);
    stroke(p, mirrored(bones), hex(0x6e1210), kDetail);
    // thumbs at the wrists
    const QPainterPath thumb = quad(wrist, wrist + P(-1, -4), wrist + P(2, -6));
    stroke(p, thumb, kLine, 1.6);
    stroke(p, mirrored(thumb), kLine, 1.6);
    // body and head
    const QBrush fur = lit({47, 40}, 24, hex(0xb8362a), hex(0x6e1412));
    QPainterPath ears = polygon({{43.5, 34}, {40.5, 20}, {49, 30}});
    ears = ears.united(mirrored(ears));
    QPainterPath body = ellipse({50, 52}, 8.5, 15).united(circle({50, 36}, 8)).united(ears);
    fill(p, body, fur);
    fill(p, polygon({{43.5, 31}, {42, 24}, {46.5, 29.5}}), hex(0xe77a6a), 0);
    fill(p, polygon({{56.5, 31}, {58, 24}, {53.5, 29.5}}), hex(0xe77a6a), 0);
    stroke(p, quad({44, 50}, {50, 54}, {56, 50}), hex(0x4e0c0a), kDetail);
    stroke(p, quad({45, 57}, {50, 60}, {55, 57}), hex(0x4e0c0a), kDetail);
    animalEye(p, {46.8, 36}, 1.5);
    animalEye(p, {53.2, 36}, 1.5);
    fill(p, ellipse({50, 40.5}, 2.2, 1.4), hex(0x4e0c0a), 0);
    // feet
    stroke(p, polyline({{47, 66}, {46, 70}}), kLine, 1.6);
    stroke(p, polyline({{53, 66}, {54, 70}}), kLine, 1.6);
    p.restore();
}

// ---------------------------------------------------------------- butterfly

void drawButterfly(QPainter &p)
{
    QPainterPath fore(P(48, 46));
    fore.cubicTo(P(40, 28), P(24, 10), P(10, 11));
    fore.cubicTo(P(1, 13), P(2, 30), P(9, 40));
    fore.cubicTo(P(16, 49), P(34, 52), P(48, 50));
    fore.closeSubpath();
    QPainterPath hind(P(48, 52));
    hind.cubicTo(P(36, 51), P(19, 55), P(17, 68));
    hind.cubicTo(P(15, 81), P(28, 90), P(37, 85));
    hind.cubicTo(P(45, 80), P(47, 66), P(49, 56));
    hind.closeSubpath();

    const QColor border = hex(0x2e1d14);
    auto wing = [&](const QPainterPath &shape, const QBrush &brush, const std::vector<qreal> &spots) {
        fill(p, shape, brush, 0);
        p.save();
        p.setClipPath(shape);
        // veins fanning from the root
        QPainterPath veins;
        const P root = shape.pointAtPercent(0);
        for (qreal t : {0.22, 0.34, 0.46, 0.58, 0.7})
            veins.addPath(segment(root, shape.pointAtPercent(t)));
        stroke(p, veins, border, kDetail);
        stroke(p, shape, border, 8);
        for (qreal t : spots)
            fill(p, circle(shape.pointAtPercent(t), 1.5), kWhite, 0);
        p.restore();
        fill(p, shape, Qt::NoBrush);
    };
    for (bool right : {false, true}) {
        const QPainterPath f = right ? mirrored(fore) : fore;
        const QPainterPath h = right ? mirrored(hind) : hind;
        const qreal x = right ? 70 : 30;
        wing(h, lit({x, 62}, 26, hex(0xffd447), hex(0xe0501c)), {0.32, 0.42, 0.52, 0.62});
        // eye spot on the hind wing
        const P eye(right ? 72 : 28, 73);
        fill(p, circle(eye, 5), border, 0);
        fill(p, circle(eye, 3.6), hex(0x2f7fd0), 0);
        fill(p, circle(eye + P(-0.8, -0.8), 1.2), kWhite, 0);
        wing(f, lit({x, 26}, 34, hex(0xffe36a), hex(0xf06418)), {0.3, 0.36, 0.42, 0.48, 0.54});
        // a bright band across the forewing tip
        const P band(right ? 82 : 18, 24);
        fill(p, rotated(ellipse(band, 5.5, 3), band, right ? 35 : -35), hex(0xfff4c0), 0);
    }
    // body
    fill(p, ellipse({50, 54}, 3.6, 19), lit({48, 44}, 20, hex(0x6a4a32), hex(0x2a1a10)));
    fill(p, circle({50, 33}, 4.2), lit({48, 31}, 5, hex(0x6a4a32), hex(0x2a1a10)));
    const QPainterPath antenna = curve({48.5, 30}, {46, 22}, {42, 14}, {37, 10});
    stroke(p, antenna, kLine, 1.3);
    stroke(p, mirrored(antenna), kLine, 1.3);
    fill(p, circle({37, 10}, 1.8), kLine, 0);
    fill(p, circle({63, 10}, 1.8), kLine, 0);
}

// ---------------------------------------------------------------- crab

void drawCrab(QPainter &p)
{
    const QBrush shell = lit({40, 50}, 34, hex(0xf6774a), hex(0xb3221a));
    const QBrush limb = lit({30, 40}, 60, hex(0xf06a40), hex(0xb8281c));
    // walking legs, four a side, behind the shell
    QPainterPath legs;
    for (int i = 0; i < 4; ++i) {
        const qreal y = 58 + i * 5;
        const qreal k = i;
        legs.addPath(thick(polyline({{32, y}, {15 - k, y - 6 + k * 3}, {6 + k * 3, y + 6 + k * 3.5}}), 4.4));
    }
    legs = legs.simplified();
    fill(p, legs, limb);
    fill(p, mirrored(legs), limb);
    // arms and claws, raised
    QPainterPath arm = thick(polyline({{34, 52}, {21, 46}, {20, 34}}), 6.5);
    fill(p, arm, limb);
    fill(p, mirrored(arm), limb);
    QPainterPath claw = rotated(ellipse({21, 23}, 9.5, 12.5), {21, 23}, -12);
    claw = claw.subtracted(polygon({{22, 21}, {12, 4}, {29, 5}}));
    const QBrush clawBrush = lit({18, 18}, 16, hex(0xf88a58), hex(0xb8281c));
    fill(p, claw, clawBrush);
    fill(p, mirrored(claw), clawBrush);
    // eyes on stalks
    const QPainterPath stalk = thick(segment({45, 46}, {42, 38}), 2.4);
    fill(p, stalk, limb, kDetail);
    fill(p, mirrored(stalk), limb, kDetail);
    // shell, wide and rounded at the back
    QPainterPath body(P(24, 57));
    body.cubicTo(P(23, 42), P(77, 42), P(76, 57));
    body.cubicTo(P(76, 72), P(62, 79), P(50, 79));
    body.cubicTo(P(38, 79), P(24, 72), P(24, 57));
    body.closeSubpath();
    fill(p, body, shell);
    QPainterPath grooves;
    grooves.addPath(quad({38, 52}, {44, 60}, {41, 70}));
    grooves.addPath(quad({62, 52}, {56, 60}, {59, 70}));
    grooves.addPath(segment({43, 61}, {57, 61}));
    stroke(p, grooves, hex(0x8e1a14), kDetail);
    fill(p, ellipse({36, 52}, 6, 3), QColor(255, 255, 255, 110), 0);
    // little spines along the front edge of the shell
    const QPainterPath spines = polygon({{27, 50}, {23, 47}, {28.5, 47.5}, {26.5, 44}, {31, 45.5}});
    fill(p, spines, shell, kDetail);
    fill(p, mirrored(spines), shell, kDetail);
    animalEye(p, {41.6, 37.4}, 2.6);
    animalEye(p, {58.4, 37.4}, 2.6);
}

// ---------------------------------------------------------------- crane

// A red-crowned crane standing on one leg, the other tucked up.
void drawCrane(QPainter &p)
{
    const QColor black = hex(0x1e1c20);
    const QColor legGrey = hex(0x5a5a62);
    // legs: one straight, one folded
    fill(p, thick(polyline({{53, 60}, {55, 77}, {53, 95}}), 2.6), legGrey, kDetail);
    fill(p, thick(polyline({{59, 60}, {67, 72}, {59, 79}}), 2.6), legGrey, kDetail);
    QPainterPath toes;
    toes.addPath(polyline({{53, 94}, {45, 96.5}}));
    toes.addPath(polyline({{53, 94}, {51, 97}}));
    toes.addPath(polyline({{53, 94}, {61, 96.5}}));
    stroke(p, toes, kLine, 2.4);
    stroke(p, toes, legGrey, 1.2);
    // white body
    QPainterPath body(P(30, 40));
    body.cubicTo(P(38, 31), P(66, 32), P(80, 49));
    body.cubicTo(P(70, 62), P(46, 66), P(38, 57));
    body.cubicTo(P(33, 52), P(28, 46), P(30, 40));
    fill(p, body, stops({40, 34}, {60, 66}, {{0, 0xffffff}, {1, 0xd9d8dc}}));
    stroke(p, curve({40, 45}, {52, 41}, {64, 45}, {74, 52}), hex(0x9a98a2), kDetail);
    // the black plumes drooping over the tail
    QPainterPath tail(P(58, 47));
    tail.cubicTo(P(74, 44), P(90, 54), P(95, 71));
    tail.cubicTo(P(90, 66), P(88, 70), P(83, 66));
    tail.cubicTo(P(80, 71), P(74, 68), P(70, 64));
    tail.cubicTo(P(66, 66), P(60, 62), P(56, 57));
    tail.closeSubpath();
    fill(p, tail, stops({60, 46}, {94, 70}, {{0, 0x3c3a40}, {1, 0x121114}}));
    stroke(p, curve({64, 51}, {74, 52}, {82, 58}, {88, 64}), hex(0x55525a), kDetail);
    // black neck curving up to the head
    const QPainterPath neckLine = curve({36, 46}, {24, 36}, {34, 24}, {30, 13});
    fill(p, tube(neckLine, 8, 5.6), black);
    // white nape behind the eye
    stroke(p, curve({32.5, 14}, {35, 20}, {31, 28}, {33, 34}), kWhite, 2.0);
    fill(p, ellipse({30.5, 12}, 5.2, 4.4), black);
    fill(p, polygon({{26, 9.5}, {27, 14.5}, {6, 16}}), stops({8, 14}, {26, 12}, {{0, 0x8a7a44}, {1, 0xcbb978}}),
         kDetail);
    fill(p, ellipse({31.8, 8.6}, 3.8, 2.5), hex(0xe3141e), kDetail);
    fill(p, circle({29, 12}, 1.1), kWhite, 0);
}

// ---------------------------------------------------------------- dragon

// A long Chinese dragon coiled in an S: scaled serpent body, four clawed
// legs, antlers, whiskers and a red mane.
void drawDragon(QPainter &p)
{
    QPainterPath spine(P(29, 27));
    spine.cubicTo(P(44, 12), P(72, 10), P(80, 27));
    spine.cubicTo(P(86, 41), P(72, 50), P(56, 48));
    spine.cubicTo(P(40, 46), P(22, 47), P(20, 60));
    spine.cubicTo(P(18, 74), P(34, 83), P(52, 81));
    spine.cubicTo(P(66, 79), P(78, 77), P(86, 66));
    const int n = 96;
    const auto st = stations(spine, n);
    auto width = [&](int i) { return 14.5 - 10.0 * i / n; };

    const QColor red = hex(0xd42a1e);
    const QBrush green = lit({40, 36}, 70, hex(0x8fd27a), hex(0x2f7a3e));
    const QBrush limbBrush = lit({40, 40}, 70, hex(0x7cc46a), hex(0x2f7a3e));

    // spiky red fin along the back
    QPainterPath fin;
    for (int i = 4; i < n - 6; i += 5) {
        const qreal w = width(i) / 2;
        const P base = st[i].at + st[i].normal * (w - 0.5);
        const P along = st[std::min(i + 3, n)].at - st[i].at;
        fin.addPath(polygon({base - along * 0.4, base + st[i].normal * 4.5 + along * 0.6, base + along * 0.6}));
    }
    fill(p, fin.simplified(), red, kDetail);

    // the body with its pale belly plates
    const QPainterPath body = tube(spine, width(0), width(n), n);
    fill(p, body, green);
    p.save();
    p.setClipPath(body);
    QPainterPath belly;
    QPainterPath plates;
    for (int i = 0; i <= n; ++i) {
        const P edge = st[i].at - st[i].normal * (width(i) / 2);
        if (i == 0)
            belly.moveTo(edge);
        else
            belly.lineTo(edge);
    }
    for (int i = n; i >= 0; --i)
        belly.lineTo(st[i].at - st[i].normal * (width(i) * 0.12));
    belly.closeSubpath();
    for (int i = 2; i < n; i += 3)
        plates.addPath(segment(st[i].at - st[i].normal * (width(i) * 0.12), st[i].at - st[i].normal * (width(i) / 2)));
    fill(p, belly, stops({0, 10}, {0, 90}, {{0, 0xfbe39a}, {1, 0xe0b050}}), 0);
    stroke(p, plates, hex(0xb07a2a), 0.8);
    // scales as rows of little arcs on the back
    QPainterPath scales;
    for (int i = 3; i < n - 4; i += 4) {
        const qreal w = width(i);
        for (qreal off : {0.22, 0.38}) {
            const P at = st[i].at + st[i].normal * (w * off);
            const P ahead = st[i + 2].at - st[i].at;
            scales.addPath(quad(at + st[i].normal * 1.6, at + ahead * 0.9, at - st[i].normal * 1.6));
        }
    }
    stroke(p, scales, hex(0x1f5a2c), 0.8);
    p.restore();
    fill(p, body, Qt::NoBrush);
    // tail tuft
    QPainterPath tuft(P(85, 67));
    tuft.cubicTo(P(92, 60), P(96, 56), P(95, 48));
    tuft.cubicTo(P(92, 54), P(90, 54), P(88, 58));
    tuft.cubicTo(P(92, 62), P(92, 70), P(96, 72));
    tuft.cubicTo(P(90, 74), P(86, 72), P(84, 69));
    tuft.closeSubpath();
    fill(p, tuft, red);

    // four legs, each ending in three claws
    auto leg = [&](P root, P knee, P foot) {
        fill(p, tube(quad(root, knee, foot), 6.5, 4), limbBrush);
        fill(p, polygon({knee + P(-1, -1), knee + (knee - root) * 0.6 + P(0, -3), knee + P(2, 1)}), red, kDetail);
        const P dir = foot - knee;
        const P u = dir / std::hypot(dir.x(), dir.y());
        const P side(-u.y(), u.x());
        QPainterPath claws;
        for (int k = -1; k <= 1; ++k)
            claws.addPath(quad(foot, foot + u * 3 + side * k * 2.8, foot + u * 5 + side * k * 4.8));
        stroke(p, claws, kLine, 2.6);
        stroke(p, claws, hex(0xf6ecd0), 1.1);
    };
    leg({44, 20}, {34, 28}, {40, 38}); // front legs under the top run
    leg({64, 19}, {58, 30}, {64, 38});
    leg({21, 64}, {10, 62}, {7, 72}); // hind legs
    leg({58, 80}, {62, 90}, {72, 92});

    // head, looking left, jaws open, drawn a little large
    p.save();
    p.translate(30, 27);
    p.scale(1.18, 1.18);
    p.translate(-30, -27);
    // flame-like mane streaming back from the head
    QPainterPath mane(P(31, 10));
    mane.lineTo(46, 6);
    mane.lineTo(41, 13);
    mane.lineTo(51, 15);
    mane.lineTo(43, 20);
    mane.lineTo(49, 27);
    mane.lineTo(39, 26);
    mane.lineTo(38, 33);
    mane.lineTo(32, 29);
    mane.closeSubpath();
    fill(p, mane, lit({36, 14}, 22, hex(0xf6764a), hex(0xb8181a)));
    // branched antlers
    QPainterPath antler = quad({29, 11}, {33, 6}, {40, 1});
    antler.addPath(quad({33, 6.5}, {31, 3}, {28, 1}));
    antler.addPath(quad({36.5, 3.5}, {38, 5}, {42, 5}));
    fill(p, thick(antler, 2.8).simplified(), lit({32, 4}, 10, hex(0xfbe7a0), hex(0xd8a040)), kDetail);
    // beard under the chin
    fill(p, polygon({{9, 30}, {6, 37}, {12, 34}, {14, 39}, {17, 33}, {21, 37}, {22, 32}}), hex(0xd8281e), kDetail);
    // the head: long snout with an upturned nose, jaws open
    QPainterPath head(P(32, 12));
    head.cubicTo(P(28, 9), P(22, 10), P(20, 13));
    head.cubicTo(P(16, 15), P(12, 15), P(9, 12));
    head.cubicTo(P(6, 10), P(2, 12), P(3, 16));
    head.cubicTo(P(3, 19), P(5, 21), P(8, 21));
    head.lineTo(21, 22.5);
    head.lineTo(8, 26);
    head.cubicTo(P(5, 26), P(4, 29), P(6, 31));
    head.cubicTo(P(12, 33), P(22, 34), P(30, 31));
    head.cubicTo(P(36, 28), P(37, 18), P(32, 12));
    head.closeSubpath();
    fill(p, head, lit({16, 14}, 24, hex(0xa6e690), hex(0x2f7a3e)));
    fill(p, polygon({{8.5, 21.6}, {20, 22.6}, {8.5, 25.4}}), hex(0x9a1c18), 0);
    fill(p, polygon({{9.5, 21.5}, {11, 24}, {12.5, 21.7}}), kWhite, 0.6);
    fill(p, polygon({{9.5, 25.5}, {11, 23.2}, {12.5, 25.1}}), kWhite, 0.6);
    // bushy brow over a fierce golden eye
    fill(p, polygon({{18, 13}, {23, 9}, {31, 8}, {27, 11}, {31, 12.5}, {24, 13}}), hex(0xe8402a), kDetail);
    fill(p, ellipse({23.5, 16}, 2.8, 2.1), hex(0xffd23a), kDetail);
    fill(p, circle({23.3, 16}, 1.2), kHair, 0);
    fill(p, circle({5, 14}, 1), kLine, 0);
    // long whiskers from the nose
    for (const QPainterPath &w :
         {curve({5, 19}, {-1, 28}, {9, 36}, {3, 46}), curve({6, 12}, {3, 5}, {10, 2}, {17, 6})}) {
        stroke(p, w, kLine, 2.0);
        stroke(p, w, hex(0xf2c14e), 0.9);
    }
    p.restore();
}

// ---------------------------------------------------------------- goldfish

// A fancy goldfish: round body, bulging eye and a flowing double tail.
void drawGoldFish(QPainter &p)
{
    // fins pale towards their edges, as if the light shone through them
    QRadialGradient finBrush({52, 52}, 46);
    finBrush.setColorAt(0, hex(0xf06a20));
    finBrush.setColorAt(1, hex(0xffd6a0));
    QRadialGradient farFin({52, 52}, 46);
    farFin.setColorAt(0, hex(0xc8461a));
    farFin.setColorAt(1, hex(0xf2a068));
    const QColor ray = hex(0xc44a14);
    auto fin = [&](const QPainterPath &shape, const QBrush &brush, P root, int count) {
        fill(p, shape, brush);
        p.save();
        p.setClipPath(shape);
        QPainterPath rays;
        for (int i = 1; i < count; ++i)
            rays.addPath(segment(root, shape.pointAtPercent(0.15 + 0.55 * i / count)));
        stroke(p, rays, ray, 0.8);
        p.restore();
        fill(p, shape, Qt::NoBrush);
    };
    // the double tail: an upper and a lower lobe fanning from the root,
    // the far pair showing behind
    QPainterPath upper(P(58, 47));
    upper.cubicTo(P(66, 30), P(82, 12), P(96, 14));
    upper.cubicTo(P(90, 24), P(90, 36), P(95, 46));
    upper.cubicTo(P(84, 48), P(70, 52), P(60, 53));
    upper.closeSubpath();
    QPainterPath lower(P(60, 53));
    lower.cubicTo(P(72, 54), P(86, 56), P(96, 60));
    lower.cubicTo(P(90, 68), P(92, 80), P(90, 92));
    lower.cubicTo(P(78, 86), P(66, 70), P(58, 58));
    lower.closeSubpath();
    fin(rotated(upper, {60, 52}, -14), farFin, {60, 52}, 5);
    fin(rotated(lower, {60, 52}, 12), farFin, {60, 52}, 5);
    fin(upper, finBrush, {60, 52}, 6);
    fin(lower, finBrush, {60, 52}, 6);
    // dorsal, paired belly and anal fins
    QPainterPath dorsal(P(24, 32));
    dorsal.cubicTo(P(30, 14), P(46, 8), P(62, 18));
    dorsal.cubicTo(P(56, 22), P(56, 30), P(58, 40));
    dorsal.closeSubpath();
    fin(dorsal, finBrush, {40, 34}, 5);
    QPainterPath anal(P(48, 64));
    anal.cubicTo(P(56, 70), P(64, 78), P(66, 86));
    anal.cubicTo(P(56, 84), P(46, 78), P(40, 70));
    anal.closeSubpath();
    fin(anal, finBrush, {44, 66}, 3);
    QPainterPath ventral(P(30, 68));
    ventral.cubicTo(P(34, 76), P(40, 82), P(44, 86));
    ventral.cubicTo(P(34, 86), P(26, 80), P(24, 70));
    ventral.closeSubpath();
    fin(ventral, finBrush, {25, 68}, 3);
    // the round, egg-shaped body
    QPainterPath body(P(5, 48));
    body.cubicTo(P(6, 26), P(38, 18), P(56, 36));
    body.cubicTo(P(66, 46), P(66, 58), P(56, 64));
    body.cubicTo(P(38, 80), P(6, 72), P(5, 48));
    fill(p, body, lit({28, 42}, 42, hex(0xffd070), hex(0xe0520e)));
    p.save();
    p.setClipPath(body);
    QPainterPath scales;
    for (int col = 0; col < 5; ++col)
        for (int row = 0; row < 7; ++row) {
            const P at(30 + col * 6, 28 + row * 7 + (col % 2) * 3.5);
            scales.addPath(quad(at + P(0, -3), at + P(4, 0), at + P(0, 3)));
        }
    stroke(p, scales, QColor(0xc0, 0x48, 0x10, 150), 0.8);
    p.restore();
    stroke(p, quad({24, 35}, {30, 48}, {24, 62}), hex(0xa8380c), kDetail);
    // pectoral fin
    QPainterPath pectoral(P(30, 54));
    pectoral.cubicTo(P(36, 56), P(42, 62), P(40, 68));
    pectoral.cubicTo(P(34, 66), P(30, 62), P(30, 54));
    pectoral.closeSubpath();
    fill(p, pectoral, finBrush, kDetail);
    // bulging eye: gold ring, dark pupil
    fill(p, circle({15, 44}, 4.8), lit({14, 43}, 5, hex(0xfff0b0), hex(0xf2a030)), kDetail);
    animalEye(p, {14.6, 44}, 2.9);
    fill(p, ellipse({6.5, 51}, 1.6, 1.2), hex(0x9a2a10), kDetail);
    highlight(p, ellipse({36, 36}, 8, 3), 110);
}

// ---------------------------------------------------------------- horse

// A chestnut horse at full gallop, seen from the side.
void drawHorse(QPainter &p)
{
    p.save();
    p.translate(0, 6);
    const QColor dark = hex(0x2e1c14);
    const QBrush coat = lit({40, 30}, 70, hex(0xd9884a), hex(0x8a4418));
    const QBrush farCoat = lit({40, 30}, 70, hex(0xb06a34), hex(0x6a3210));
    const QBrush hair = stops({30, 0}, {96, 60}, {{0, 0x5a3422}, {1, 0x24140c}});
    // tail streaming out behind in two locks
    QPainterPath tail = tube(curve({78, 40}, {86, 34}, {94, 36}, {98, 30}), 9, 2, 24);
    tail = tail.united(tube(curve({78, 42}, {88, 42}, {92, 50}, {97, 56}), 9, 2, 24));
    fill(p, tail, hair);
    // a leg: a strong forearm or gaskin, a knobbly joint, a slim cannon and a hoof
    auto leg = [&](P root, P joint, P fetlock) {
        QPainterPath l = tube(segment(root, joint), 9, 5, 8);
        l = l.united(circle(joint, 2.8));
        l = l.united(tube(segment(joint, fetlock), 4.4, 3.6, 8));
        return l.united(circle(fetlock, 2.4));
    };
    auto hoof = [&](P fetlock, P joint) {
        const P d = fetlock - joint;
        const P u = d / std::hypot(d.x(), d.y());
        const P side(-u.y(), u.x());
        fill(p,
             polygon({fetlock + u * 1.5 + side * 2.4, fetlock + u * 5.5 + side * 3, fetlock + u * 5.5 - side * 3,
                      fetlock + u * 1.5 - side * 2.4}),
             dark, kDetail);
    };
    // far legs, darker: front one folded under, hind one reaching forward
    fill(p, leg({42, 50}, {36, 64}, {44, 72}), farCoat);
    hoof({44, 72}, {36, 64});
    fill(p, leg({66, 50}, {70, 64}, {62, 74}), farCoat);
    hoof({62, 74}, {70, 64});
    // body: chest, barrel, haunch, neck and head as one silhouette
    QPainterPath body = rotated(ellipse({55, 46}, 22, 12.5), {55, 46}, -4);
    body = body.united(circle({37, 46}, 11.5));
    body = body.united(circle({70, 44}, 12.5));
    body = body.united(tube(curve({40, 46}, {32, 34}, {28, 26}, {23, 17}), 20, 11));
    body = body.united(circle({21, 18}, 7));
    body = body.united(tube(curve({22, 16}, {18, 20}, {13, 24}, {8, 29}), 12, 8));
    body = body.united(circle({9, 28.8}, 4.2));
    body = body.united(polygon({{20, 12}, {24, 1}, {28, 12}}));
    // near legs: front one stretched forward, hind one thrust back
    body = body.united(leg({36, 52}, {24, 60}, {14, 58}));
    body = body.united(leg({74, 50}, {82, 62}, {94, 66}));
    fill(p, body, coat);
    hoof({14, 58}, {24, 60});
    hoof({94, 66}, {82, 62});
    // mane flying back from the crest of the neck
    QPainterPath mane;
    for (int i = 0; i < 5; ++i) {
        const P root = P(24, 11) + (P(42, 34) - P(24, 11)) * (i / 4.0);
        const P tip = root + P(12, -3 + i * 1.5);
        mane = mane.united(tube(quad(root, root + P(6, -5), tip), 7, 1, 16));
    }
    fill(p, mane, hair);
    // muscles, nostril, mouth and eye
    stroke(p, quad({62, 38}, {59, 44}, {61, 50}), hex(0x8a4418), kDetail);
    fill(p, circle({8, 27}, 1), dark, 0);
    stroke(p, quad({6.5, 31.5}, {9, 32}, {11, 31}), dark, kDetail);
    animalEye(p, {19.5, 17.5}, 1.7);
    p.restore();
}

// ---------------------------------------------------------------- magpie

// A magpie, the bird of joy, on a flowering plum branch.
void drawMagpie(QPainter &p)
{
    const QColor black = hex(0x1a1c24);
    const QBrush bark = stops({0, 60}, {0, 90}, {{0, 0x8a5a34}, {1, 0x5a3418}});
    QPainterPath branch = thick(quad({2, 78}, {40, 68}, {84, 76}), 4.2);
    branch = branch.united(thick(polyline({{26, 73}, {18, 64}, {12, 58}}), 2.8));
    branch = branch.united(thick(polyline({{58, 72}, {64, 84}, {62, 92}}), 2.6));
    fill(p, branch, bark);
    auto blossom = [&](P at, qreal r) {
        QPainterPath petals;
        for (int k = 0; k < 5; ++k) {
            const qreal a = qDegreesToRadians(-90.0 + 72 * k);
            petals = petals.united(circle(at + P(qCos(a), qSin(a)) * r * 0.62, r * 0.52));
        }
        fill(p, petals, lit(at, r * 1.4, hex(0xfff0f2), hex(0xf08aa0)), kDetail);
        fill(p, circle(at, r * 0.28), hex(0xd8283a), 0);
        for (int k = 0; k < 5; ++k) {
            const qreal a = qDegreesToRadians(-54.0 + 72 * k);
            fill(p, circle(at + P(qCos(a), qSin(a)) * r * 0.45, 0.6), hex(0xf2c14e), 0);
        }
    };
    blossom({10, 56}, 7);
    blossom({84, 76}, 6.5);
    blossom({62, 91}, 5.5);
    fill(p, circle({20, 70}, 2.6), hex(0xf5a0b0), kDetail);
    // long glossy tail to the lower right
    QPainterPath tail = tube(quad({54, 56}, {76, 70}, {97, 90}), 9, 6);
    fill(p, tail, stops({56, 56}, {94, 92}, {{0, 0x1a2a40}, {0.5, 0x2a6a88}, {1, 0x1a3a2a}}));
    stroke(p, quad({56, 57}, {76, 71}, {95, 89}), hex(0x4a8aa8), kDetail);
    // legs gripping the branch
    fill(p, thick(polyline({{38, 60}, {36, 70}}), 2.2), black, kDetail);
    fill(p, thick(polyline({{45, 60}, {45, 71}}), 2.2), black, kDetail);
    // body: black head and back
    QPainterPath body(P(13, 30));
    body.cubicTo(P(13, 17), P(30, 14), P(34, 27));
    body.cubicTo(P(45, 31), P(57, 41), P(61, 56));
    body.cubicTo(P(51, 65), P(34, 67), P(27, 57));
    body.cubicTo(P(23, 49), P(21, 41), P(19, 38));
    body.closeSubpath();
    fill(p, body, lit({24, 26}, 40, hex(0x3a3e4c), black));
    QPainterPath belly(P(24, 44));
    belly.cubicTo(P(30, 40), P(45, 46), P(51, 60));
    belly.cubicTo(P(42, 65), P(32, 65), P(27.5, 57));
    belly.closeSubpath();
    fill(p, belly, stops({30, 44}, {44, 62}, {{0, 0xffffff}, {1, 0xd8dce2}}), kDetail);
    // folded wing with its white shoulder patch and blue sheen
    QPainterPath wing(P(30, 36));
    wing.cubicTo(P(42, 31), P(58, 41), P(65, 59));
    wing.cubicTo(P(52, 57), P(40, 50), P(30, 36));
    fill(p, wing, stops({30, 36}, {64, 58}, {{0, 0x1a1e28}, {0.6, 0x2a5a88}, {1, 0x14202e}}), kDetail);
    QPainterPath patch(P(32, 38));
    patch.cubicTo(P(40, 35), P(48, 41), P(51, 48));
    patch.cubicTo(P(42, 48), P(36, 44), P(32, 38));
    fill(p, patch, kWhite, kDetail);
    fill(p, polygon({{15, 25.5}, {3, 30}, {15, 31}}), black, kDetail);
    animalEye(p, {20.5, 25}, 1.9);
}

// ---------------------------------------------------------------- phoenix

// The fenghuang in flight: crested head, raised wings and long curling tail
// plumes in red, gold and green.
void drawPhoenix(QPainter &p)
{
    const QColor red = hex(0xd8281e);
    const QColor goldC = hex(0xf2b628);
    const QColor green = hex(0x2e9a5a);
    // tail plumes streaming back, each ending in a curl
    struct Plume {
        QPainterPath line;
        QColor colour;
        qreal width;
    };
    auto plume = [](P a, P c1, P c2, P b, P curlTo) {
        QPainterPath path = curve(a, c1, c2, b);
        const P on = b - c2;
        path.quadTo(b + on / std::hypot(on.x(), on.y()) * 7, curlTo);
        return path;
    };
    const std::vector<Plume> plumes{
        {plume({50, 50}, {62, 46}, {78, 54}, {95, 46}, {92, 38}), green, 8},
        {plume({50, 53}, {64, 56}, {76, 72}, {95, 70}, {94, 62}), red, 10},
        {plume({50, 55}, {58, 66}, {68, 86}, {84, 90}, {86, 82}), goldC, 9},
        {plume({48, 56}, {52, 70}, {54, 88}, {66, 96}, {70, 90}), red, 7},
    };
    for (const Plume &pl : plumes) {
        const QPainterPath band = tube(pl.line, pl.width, 2.5, 60);
        fill(p, band, lit(pl.line.pointAtPercent(0.3), 34, pl.colour.lighter(150), pl.colour));
        // a bright quill down the middle and barbs along it
        QPainterPath barbs;
        for (qreal t = 0.12; t < 0.8; t += 0.07) {
            const P at = pl.line.pointAtPercent(t);
            const qreal a = qDegreesToRadians(pl.line.angleAtPercent(t));
            const P n(-qSin(a), -qCos(a));
            const P back(-qCos(a) * 2, qSin(a) * 2);
            const qreal w = (pl.width + (2.5 - pl.width) * t) * 0.4;
            barbs.addPath(segment(at + n * w + back, at));
            barbs.addPath(segment(at - n * w + back, at));
        }
        stroke(p, barbs, pl.colour.darker(160), 0.7);
        stroke(p, pl.line, pl.colour.lighter(170), 0.9);
    }
    // a raised wing: long red flight feathers under gold and green coverts
    auto wing = [&](const QTransform &t, bool far) {
        const std::vector<P> tips{{54, 5}, {63, 6}, {71, 11}, {77, 19}, {80, 29}};
        const P wrist(46, 24), elbow(58, 44);
        for (std::size_t i = tips.size(); i-- > 0;) {
            const P root = wrist + (elbow - wrist) * (qreal(i) / (tips.size() - 1));
            const P mid = (root + tips[i]) / 2 + P(-2, 1);
            const QColor c = far ? red.darker(125) : red;
            const QPainterPath feather = tube(quad(root, mid, tips[i]), 10, 6.5, 24).united(circle(tips[i], 3.25));
            fill(p, t.map(feather), lit(t.map(root), 40, far ? hex(0xd8603a) : hex(0xff8a54), c));
            stroke(p, t.map(quad(root, mid, tips[i] - (tips[i] - root) * 0.08)), c.darker(150), kDetail * 0.8);
        }
        QPainterPath coverts(P(38, 46));
        coverts.cubicTo(P(38, 34), P(42, 22), P(48, 16));
        const std::vector<P> edge{{56, 22}, {60, 30}, {63, 38}, {62, 47}};
        P from(48, 16);
        for (const P &to : edge) {
            const P m = (from + to) / 2;
            coverts.quadTo(m + P(4, -1), to);
            from = to;
        }
        coverts.closeSubpath();
        fill(p, t.map(coverts), lit(t.map(P(44, 26)), 30, hex(0xffe27a), far ? hex(0xc8901a) : goldC));
        QTransform inner = QTransform().translate(40, 46).scale(0.6, 0.6).translate(-40, -46);
        fill(p, t.map(inner.map(coverts)), lit(t.map(P(42, 36)), 16, hex(0x7ad39a), far ? green.darker(130) : green),
             kDetail);
    };
    wing(QTransform().translate(40, 46).rotate(-14).translate(-40, -46), true);
    // body
    QPainterPath body(P(22, 40));
    body.cubicTo(P(32, 33), P(52, 37), P(58, 50));
    body.cubicTo(P(50, 59), P(32, 59), P(25, 51));
    body.closeSubpath();
    body = body.united(tube(curve({32, 48}, {22, 40}, {15, 36}, {16, 26}), 12, 7));
    fill(p, body, lit({26, 38}, 32, hex(0xffd868), hex(0xe0601c)));
    wing(QTransform(), false);
    // crested head
    QPainterPath crest;
    crest.addPath(curve({18, 19}, {19, 11}, {25, 7}, {30, 9}));
    crest.addPath(curve({16, 19}, {13, 12}, {15, 5}, {21, 3}));
    crest.addPath(curve({20, 20}, {26, 15}, {32, 16}, {34, 19}));
    fill(p, thick(crest, 2.6).simplified(), green, kDetail);
    fill(p, circle({30.5, 9.8}, 2.3), red, kDetail);
    fill(p, circle({21.5, 3.2}, 2.3), goldC, kDetail);
    fill(p, circle({34.2, 19.8}, 2.3), red, kDetail);
    fill(p, circle({17, 24}, 6.4), lit({15, 22}, 7, hex(0xffe070), hex(0xe87a22)));
    fill(p, polygon({{11.5, 22}, {2, 27}, {12, 27.5}}), gold({2, 22}, {12, 28}), kDetail);
    animalEye(p, {16, 23}, 1.6);
    // long plumes trailing from the back of the head
    stroke(p, curve({21, 27}, {28, 30}, {30, 36}, {36, 36}), kLine, 2.4);
    stroke(p, curve({21, 27}, {28, 30}, {30, 36}, {36, 36}), red, 1.2);
}

// ---------------------------------------------------------------- toad

// The three-legged money toad seen from above, crawling over its coins with a
// cash coin in its mouth: two front legs reaching forward beside its head
// and its one hind leg drawn up at its side, the knee out and the foot back,
// as a toad's are. Seen from above, and turned a little as if on its way,
// the three legs are counted at a glance.
void drawMoneyToad(QPainter &p)
{
    // Coins left behind it, clear of its feet and of where a fourth leg would be.
    for (P at : {P{45, 91}, P{60, 92}})
        cashCoin(p, at, 7.5);
    p.save();
    p.translate(50, 52);
    p.rotate(-24);
    p.translate(-50, -52);
    // Olive-bronze and warty: a toad, not a frog.
    const QBrush skin = lit({40, 36}, 58, hex(0xbcb862), hex(0x5a5a24));
    // A webbed foot: three long toes fanning out from the ankle.
    auto foot = [&](P ankle, qreal degrees, qreal toe) {
        QPainterPath toes;
        QPainterPath web(ankle);
        for (int k = -1; k <= 1; ++k) {
            const qreal a = qDegreesToRadians(degrees + k * 34);
            const P dir(std::cos(a), std::sin(a));
            toes = toes.united(tube(segment(ankle, ankle + dir * toe), 3.4, 2.3).united(circle(ankle + dir * toe, 2)));
            web.lineTo(ankle + dir * toe * 0.7);
        }
        web.closeSubpath();
        fill(p, toes.united(web).simplified(), skin, kDetail);
    };
    // Front legs: the upper arm out to the side, the forearm reaching forward.
    for (int side : {-1, 1}) {
        const P shoulder(50 + side * 13, 45), elbow(50 + side * 28, 50), wrist(50 + side * 31, 36);
        foot(wrist, side < 0 ? -125 : -55, 8);
        fill(p, tube(polyline({shoulder, elbow, wrist}), 9.5, 6.5), skin);
    }
    // The one hind leg: the thigh out to the side, the shin folded back along
    // it and the big webbed foot pointing behind.
    const P hip(60, 66), knee(78, 68), ankle(66, 82);
    foot(ankle + P(0, 1), 105, 10);
    fill(p, tube(polyline({hip, knee, ankle}), 13, 7.5), skin);
    // Body and head seen from above, the head one with the body.
    QPainterPath body = ellipse({50, 55}, 24, 20).united(ellipse({50, 34}, 17, 14)).simplified();
    fill(p, body, skin);
    // Warts in gold, large down the back and smaller towards the flanks.
    for (P at : {P{50, 49}, P{42, 57}, P{58, 57}, P{50, 65}, P{44, 43}, P{56, 43}})
        fill(p, circle(at, 2.8), lit(at, 3, hex(0xf2d46a), hex(0xc09a2a)), kDetail);
    for (P at : {P{34, 52}, P{66, 52}, P{37, 64}, P{63, 64}, P{43, 71}, P{57, 71}, P{41, 35}, P{59, 35}})
        fill(p, circle(at, 1.7), lit(at, 2, hex(0xf2d46a), hex(0xc09a2a)), kDetail);
    // Eyes bulging at the sides of the head.
    for (int side : {-1, 1}) {
        const P eye(50 + side * 12, 31);
        fill(p, circle(eye, 5.4), hex(0xf2c14e), kDetail);
        fill(p, ellipse(eye, 1.6, 3.6), kHair, 0);
        fill(p, circle(eye + P(-1.4, -1.8), 1.0), kWhite, 0);
    }
    // The wide mouth along the front of the head, and the coin held in it.
    stroke(p, quad({36, 26.5}, {50, 20}, {64, 26.5}), kLine, kDetail);
    cashCoin(p, {50, 14.5}, 7.5);
    p.restore();
}

// ---------------------------------------------------------------- tortoise

// A tortoise walking, seen from the front left: a high patterned shell with
// head and legs out.
void drawTortoise(QPainter &p)
{
    p.save();
    p.translate(0, 2);
    const QBrush skin = lit({20, 50}, 60, hex(0xb8c07a), hex(0x5e6a34));
    const QBrush farSkin = lit({20, 50}, 60, hex(0x9aa262), hex(0x4a5428));
    auto leg = [&](P root, P foot, const QBrush &brush, qreal w) {
        fill(p, tube(segment(root, foot), w, w * 0.85, 8).united(ellipse(foot, w * 0.55, w * 0.3)), brush);
        QPainterPath claws;
        for (int k = -1; k <= 1; ++k)
            claws.addPath(segment(foot + P(k * w * 0.3, w * 0.1), foot + P(k * w * 0.36 - 0.5, w * 0.1 + 2.6)));
        stroke(p, claws, kLine, 1.4);
    };
    // the far legs and the tail, behind the shell
    leg({48, 68}, {49, 78}, farSkin, 9.5);
    leg({84, 62}, {90, 72}, farSkin, 9);
    fill(p, polygon({{88, 54}, {98, 60}, {88, 60}}), skin);
    // neck and head coming out towards us
    fill(p, tube(curve({30, 64}, {24, 64}, {18, 60}, {12, 54}), 13, 10.5), skin);
    fill(p, rotated(ellipse({10, 52}, 10, 8), {10, 52}, 10), skin);
    animalEye(p, {9, 49}, 1.9);
    fill(p, circle({1.8, 51.5}, 0.8), kLine, 0);
    stroke(p, segment({1.5, 55}, {9, 57.5}), kLine, kDetail);
    // shell: a high dome whose rim curves down towards us
    QPainterPath dome(P(16, 58));
    dome.cubicTo(P(14, 8), P(88, 2), P(92, 52));
    dome.cubicTo(P(84, 70), P(32, 78), P(16, 58));
    dome.closeSubpath();
    fill(p, dome, lit({42, 30}, 60, hex(0xd8b060), hex(0x7a5020)));
    p.save();
    p.setClipPath(dome);
    auto plate = [&](P c, qreal rx, qreal ry) {
        QPainterPath hexagon;
        for (int k = 0; k < 6; ++k) {
            const qreal a = qDegreesToRadians(60.0 * k);
            const P at = c + P(qCos(a) * rx, qSin(a) * ry);
            if (k == 0)
                hexagon.moveTo(at);
            else
                hexagon.lineTo(at);
        }
        hexagon.closeSubpath();
        fill(p, hexagon, lit(c, rx * 1.4, hex(0xf2d48a), hex(0xb08036)), kDetail);
    };
    plate({38, 26}, 8.5, 7);
    plate({56, 21}, 9, 7);
    plate({74, 27}, 8.5, 7);
    plate({26, 43}, 8, 8.5);
    plate({44, 40}, 9, 8.5);
    plate({63, 39}, 9, 8.5);
    plate({81, 43}, 7.5, 8.5);
    // marginal plates along the rim
    QPainterPath rim(P(14, 56));
    rim.cubicTo(P(30, 78), P(84, 70), P(94, 50));
    fill(p, thick(rim, 8), stops({0, 54}, {0, 72}, {{0, 0xc08a40}, {1, 0x7a4c1c}}), kDetail);
    QPainterPath ticks;
    for (qreal t = 0.08; t < 0.95; t += 0.1) {
        const P at = rim.pointAtPercent(t);
        ticks.addPath(segment(at + P(0, -4), at + P(0, 4)));
    }
    stroke(p, ticks, kLine, kDetail);
    p.restore();
    fill(p, dome, Qt::NoBrush);
    // near legs, stout and splayed
    leg({28, 68}, {24, 80}, skin, 11);
    leg({72, 68}, {76, 80}, skin, 11);
    p.restore();
}

} // namespace

QList<Symbol> chineseCreatureSymbols()
{
    return {
        {"Bat", drawBat},           {"Butterfly", drawButterfly},
        {"Crab", drawCrab},         {"Crane", drawCrane},
        {"Dragon", drawDragon},     {"Gold Fish", drawGoldFish},
        {"Horse", drawHorse},       {"Magpie", drawMagpie},
        {"Phoenix", drawPhoenix},   {"Three Legged Toad", drawMoneyToad},
        {"Tortoise", drawTortoise},
    };
}

} // namespace artgen::goodluck
