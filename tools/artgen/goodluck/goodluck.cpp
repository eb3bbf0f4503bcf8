// Good-luck symbols: a round medallion per culture (one colour scheme each)
// with the symbol on it, as an emoji, a figure drawn here, or one of the
// hand-drawn figures of goodluck_drawn.cpp.
#include "../artgen.h"
#include "goodluck_drawn.h"
#include "style.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace artgen {
namespace {

constexpr qreal kSide = 111;
const QPointF kCentre(kSide / 2, kSide / 2);
constexpr qreal kOuter = 54;   // medallion edge
constexpr qreal kBand = 46.5;  // inner edge of the patterned band
constexpr qreal kField = 45.5; // the symbol's field

// The pictures sit on the purple working area of the result window.
const QColor kPurple(0x80, 0x00, 0x80);

enum class Motif { Petals, Dots, Rings, Bars, Diamonds, Teeth };

struct Scheme {
    QColor fieldLight, fieldDark; // radial gradient of the field, centre to edge
    QColor band;                  // the patterned band inside the gold rim
    QColor ink;                   // main colour of drawn figures
    Motif motif;
};

// ---------------------------------------------------------------- emoji

QString emojiFamily()
{
    static const QString family = requireFamily(QStringLiteral("Noto Color Emoji"));
    return family;
}

constexpr int kRefPixels = 100;

QFont emojiFont()
{
    QFont font(emojiFamily());
    font.setPixelSize(kRefPixels);
    return font;
}

// Emoji glyphs carry uneven padding, so centre them on their visible pixels:
// measured once per text at the reference size, relative to the baseline origin.
QRectF emojiInk(const QString &text)
{
    static QHash<QString, QRectF> cache;
    if (auto it = cache.constFind(text); it != cache.constEnd())
        return *it;
    const int side = kRefPixels * 4;
    const QPointF origin(kRefPixels, kRefPixels * 2.5);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setFont(emojiFont());
        p.drawText(origin, text);
    }
    int left = side, top = side, right = -1, bottom = -1;
    for (int y = 0; y < side; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < side; ++x) {
            if (qAlpha(line[x]) > 24) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    QRectF ink;
    if (right >= 0)
        ink = QRectF(left, top, right - left + 1, bottom - top + 1).translated(-origin);
    else
        qFatal("emoji %s does not render", qPrintable(text));
    cache.insert(text, ink);
    return ink;
}

// Draws `text` so that its visible pixels fill `box` as far as the aspect
// allows, centred; `angle` turns it about the box centre.
void drawEmoji(QPainter &p, const QString &text, const QRectF &box, qreal angle = 0, bool mirrored = false)
{
    const QRectF ink = emojiInk(text);
    const qreal k = qMin(box.width() / ink.width(), box.height() / ink.height());
    p.save();
    p.translate(box.center());
    p.rotate(angle);
    p.scale(mirrored ? -k : k, k);
    p.setPen(Qt::black); // text is not drawn at all with no pen
    p.setFont(emojiFont());
    p.drawText(-ink.center(), text);
    p.restore();
}

// ---------------------------------------------------------------- medallion

QColor gold(int shade)
{
    switch (shade) {
    case 0:
        return QColor(0xFF, 0xF1, 0xB0);
    case 1:
        return QColor(0xE8, 0xC0, 0x4A);
    case 2:
        return QColor(0xB8, 0x86, 0x1B);
    default:
        return QColor(0x7A, 0x52, 0x0A);
    }
}

QBrush goldBrush(qreal radius)
{
    QLinearGradient g(kCentre - QPointF(radius, radius), kCentre + QPointF(radius, radius));
    g.setColorAt(0.0, gold(0));
    g.setColorAt(0.35, gold(1));
    g.setColorAt(0.7, gold(2));
    g.setColorAt(1.0, gold(3));
    return g;
}

QPainterPath disc(qreal radius)
{
    QPainterPath path;
    path.addEllipse(kCentre, radius, radius);
    return path;
}

void drawMotifs(QPainter &p, const Scheme &s)
{
    const qreal mid = (kOuter - 2.5 + kBand) / 2;
    const int count = s.motif == Motif::Bars ? 36 : 24;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        p.save();
        p.translate(kCentre);
        p.rotate(360.0 * i / count);
        p.translate(0, -mid);
        switch (s.motif) {
        case Motif::Petals: {
            QPainterPath petal;
            petal.moveTo(0, 2.4);
            petal.quadTo(2.2, 0, 0, -2.4);
            petal.quadTo(-2.2, 0, 0, 2.4);
            p.setBrush(gold(1));
            p.drawPath(petal);
            break;
        }
        case Motif::Dots:
            p.setBrush(gold(1));
            p.drawEllipse(QPointF(0, 0), 1.3, 1.3);
            break;
        case Motif::Rings:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(0xFF, 0xF6, 0xE8), 0.8));
            p.drawEllipse(QPointF(0, 0), 1.3, 1.3);
            break;
        case Motif::Bars:
            p.setBrush(i % 3 == 0 ? gold(1) : (i % 3 == 1 ? QColor(0x2F, 0xB5, 0xA8) : QColor(0xC2, 0x3B, 0x22)));
            p.drawRect(QRectF(-1.1, -2.3, 2.2, 4.6));
            break;
        case Motif::Diamonds: {
            QPolygonF d{{0, -2.4}, {1.5, 0}, {0, 2.4}, {-1.5, 0}};
            p.setBrush(gold(1));
            p.drawPolygon(d);
            break;
        }
        case Motif::Teeth: {
            QPolygonF t{{-2.2, 2.5}, {0, -2.5}, {2.2, 2.5}};
            p.setBrush(i % 2 ? QColor(0x2F, 0xB5, 0xA8) : QColor(0xF4, 0xE4, 0xC8));
            p.drawPolygon(t);
            break;
        }
        }
        p.restore();
    }
}

void drawMedallion(QPainter &p, const Scheme &s)
{
    p.fillRect(QRectF(0, 0, kSide, kSide), kPurple);
    p.setPen(Qt::NoPen);
    // soft shadow lifts the medallion off the purple
    {
        QRadialGradient shadow(kCentre + QPointF(1.2, 1.8), kOuter + 1.5);
        shadow.setColorAt(0.9, QColor(0x30, 0x00, 0x30, 150));
        shadow.setColorAt(1.0, QColor(0x30, 0x00, 0x30, 0));
        p.setBrush(shadow);
        p.drawEllipse(kCentre + QPointF(1.2, 1.8), kOuter + 1.5, kOuter + 1.5);
    }
    p.setBrush(goldBrush(kOuter));
    p.drawPath(disc(kOuter));
    {
        QRadialGradient band(kCentre - QPointF(12, 14), kOuter * 1.6);
        band.setColorAt(0, s.band.lighter(130));
        band.setColorAt(1, s.band.darker(130));
        p.setBrush(band);
        p.drawPath(disc(kOuter - 2.5));
    }
    drawMotifs(p, s);
    // the inner gold line, lit from the opposite side to the rim
    {
        QLinearGradient g(kCentre + QPointF(kBand, kBand), kCentre - QPointF(kBand, kBand));
        g.setColorAt(0, gold(0));
        g.setColorAt(0.5, gold(1));
        g.setColorAt(1, gold(3));
        p.setBrush(g);
        p.drawPath(disc(kBand));
    }
    QRadialGradient field(kCentre - QPointF(8, 10), kField * 1.25);
    field.setColorAt(0, s.fieldLight);
    field.setColorAt(1, s.fieldDark);
    p.setBrush(field);
    p.drawPath(disc(kField));
}

// The square in which figures are drawn: the field's inscribed square,
// slightly enlarged since most figures are rounder than their box.
QRectF figureArea()
{
    const qreal side = 68;
    return QRectF(kCentre.x() - side / 2, kCentre.y() - side / 2, side, side);
}

QRectF boxAt(qreal cx, qreal cy, qreal side)
{
    return QRectF(cx - side / 2, cy - side / 2, side, side);
}

// ---------------------------------------------------------------- figures drawn here
//
// Each figure is written in a 100 x 100 box that is mapped onto its area.

QColor rgb(unsigned v)
{
    return QColor::fromRgb(v);
}

QLinearGradient linear(QPointF from, QPointF to, std::initializer_list<std::pair<qreal, unsigned>> stops)
{
    QLinearGradient g(from, to);
    for (const auto &[at, colour] : stops)
        g.setColorAt(at, rgb(colour));
    return g;
}

QRadialGradient radial(QPointF centre, qreal radius, QPointF focus,
                       std::initializer_list<std::pair<qreal, unsigned>> stops)
{
    QRadialGradient g(centre, radius, focus);
    for (const auto &[at, colour] : stops)
        g.setColorAt(at, rgb(colour));
    return g;
}

void inUnitBox(QPainter &p, const QRectF &area, const std::function<void()> &draw)
{
    p.save();
    p.translate(area.topLeft());
    p.scale(area.width() / 100, area.height() / 100);
    draw();
    p.restore();
}

void fill(QPainter &p, const QPainterPath &path, const QBrush &brush, const QColor &edge = {}, qreal width = 1)
{
    p.setPen(edge.isValid() ? QPen(edge, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
    p.setBrush(brush);
    p.drawPath(path);
}

using artgen::stroke;

QPainterPath circle(QPointF c, qreal r)
{
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath ellipse(QPointF c, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

using artgen::polygon;

QBrush goldFill(QPointF from, QPointF to)
{
    return linear(from, to, {{0, 0xFFF3B8}, {0.4, 0xF2C94C}, {0.75, 0xC8952A}, {1, 0x8A5A12}});
}

const QColor kGoldEdge = rgb(0x7A4E0C);

// Om drawn from the Devanagari letter, filled like enamel.
void drawAum(QPainter &p, const QRectF &area, const Scheme &)
{
    QFont font(requireFamily(QStringLiteral("Noto Serif Devanagari")));
    font.setPixelSize(100);
    font.setWeight(QFont::Bold);
    QPainterPath glyph;
    glyph.addText(0, 0, font, QString::fromUtf8("ॐ"));
    const QRectF b = glyph.boundingRect();
    const qreal k = qMin(area.width() * 0.86 / b.width(), area.height() * 0.86 / b.height());
    p.save();
    p.translate(area.center());
    p.scale(k, k);
    p.translate(-b.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5A, 0x10, 0x10, 90));
    p.drawPath(glyph.translated(2.5, 3));
    fill(p, glyph, linear(b.topLeft(), b.bottomRight(), {{0, 0xFF8A1C}, {0.55, 0xD8261E}, {1, 0x8E0E14}}),
         rgb(0x6A0A0E), 2.2);
    p.restore();
}

// Dharma wheel: a thick rim, eight spear-shaped spokes and a jewelled hub.
void drawWheel(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        const QPointF c(50, 50);
        QPainterPath wheel = circle(c, 46).subtracted(circle(c, 36));
        wheel = wheel.united(circle(c, 13));
        for (int i = 0; i < 8; ++i) {
            QTransform t;
            t.translate(50, 50);
            t.rotate(45 * i);
            wheel = wheel.united(t.map(polygon({{0, -10}, {4.2, -22}, {0, -38}, {-4.2, -22}})));
        }
        fill(p, wheel, goldFill({6, 4}, {94, 96}), kGoldEdge, 1.5);
        stroke(p, circle(c, 41), rgb(0xA87312), 1);
        for (int i = 0; i < 16; ++i) {
            const qreal a = qDegreesToRadians(22.5 * i + 11.25);
            fill(p, circle(c + QPointF(qCos(a), qSin(a)) * 41, 1.6), rgb(0xB0121B));
        }
        for (int i = 0; i < 8; ++i) {
            QTransform t;
            t.translate(50, 50);
            t.rotate(45 * i);
            QPainterPath rib;
            rib.moveTo(t.map(QPointF(0, -12)));
            rib.lineTo(t.map(QPointF(0, -35)));
            stroke(p, rib, rgb(0xA87312), 0.8);
        }
        fill(p, circle(c, 8), radial(c, 8, {47, 47}, {{0, 0xFF6A5A}, {1, 0xB0121B}}), kGoldEdge, 1);
        fill(p, circle(c, 2.6), goldFill(c - QPointF(3, 3), c + QPointF(3, 3)));
    });
}

// A red bindi in a ring of gold dots: the dot in a circle.
void drawBindi(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        const QPointF c(50, 50);
        stroke(p, circle(c, 40), rgb(0xC8952A), 3.2);
        stroke(p, circle(c, 40), rgb(0xF7D774), 1.2);
        for (int i = 0; i < 16; ++i) {
            const qreal a = qDegreesToRadians(22.5 * i);
            const QPointF at = c + QPointF(qCos(a), qSin(a)) * 31;
            fill(p, circle(at, i % 2 ? 2.0 : 3.0), goldFill(at - QPointF(3, 3), at + QPointF(3, 3)), kGoldEdge, 0.5);
        }
        fill(p, circle(c, 22), radial(c, 22, {42, 40}, {{0, 0xFF5A4E}, {0.7, 0xD0101C}, {1, 0x8E0610}}), rgb(0x70040C),
             1);
        fill(p, ellipse({42, 41}, 7, 4.5), QColor(255, 255, 255, 110));
    });
}

// A stepped stone pyramid seen from one corner.
void drawPyramid(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        fill(p, ellipse({52, 86}, 44, 6), QColor(0x60, 0x30, 0x00, 60));
        const QPointF apex(48, 10), left(6, 82), front(62, 90), right(95, 76);
        const QPainterPath lit = polygon({apex, left, front});
        const QPainterPath shade = polygon({apex, front, right});
        fill(p, lit, linear(apex, {34, 88}, {{0, 0xFFE7A0}, {1, 0xE0A94A}}), rgb(0x8A5A20), 1);
        fill(p, shade, linear(apex, {80, 84}, {{0, 0xD39A3E}, {1, 0x9C6424}}), rgb(0x8A5A20), 1);
        // courses of stone
        for (int i = 1; i < 7; ++i) {
            const qreal t = i / 7.0;
            auto along = [&](QPointF a, QPointF b) { return a + (b - a) * t; };
            QPainterPath course;
            course.moveTo(along(apex, left));
            course.lineTo(along(apex, front));
            course.lineTo(along(apex, right));
            stroke(p, course, QColor(0x8A, 0x5A, 0x20, 140), 0.8);
        }
    });
}

// Heart-shaped betel leaf with its curving veins.
void drawBetelLeaf(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        p.translate(50, 50);
        p.rotate(-28);
        p.translate(-50, -50);
        QPainterPath leaf;
        leaf.moveTo(50, 22);
        leaf.cubicTo(38, 8, 8, 12, 10, 40);
        leaf.cubicTo(12, 62, 36, 80, 50, 98);
        leaf.cubicTo(64, 80, 88, 62, 90, 40);
        leaf.cubicTo(92, 12, 62, 8, 50, 22);
        fill(p, leaf, linear({20, 15}, {80, 95}, {{0, 0x8FD14F}, {0.5, 0x4FA12E}, {1, 0x2A6A1C}}), rgb(0x23591A), 1.2);
        QPainterPath veins;
        veins.moveTo(50, 22);
        veins.quadTo(51, 60, 50, 95);
        for (int side : {-1, 1}) {
            veins.moveTo(50, 24);
            veins.cubicTo(50 + side * 22, 26, 50 + side * 34, 50, 50 + side * 18, 80);
            veins.moveTo(50, 26);
            veins.cubicTo(50 + side * 14, 34, 50 + side * 20, 54, 50 + side * 8, 88);
        }
        stroke(p, veins, rgb(0xC8EC9A), 1.3);
        QPainterPath stalk;
        stalk.moveTo(50, 22);
        stalk.quadTo(47, 10, 52, 2);
        stroke(p, stalk, rgb(0x3E7D22), 3);
        fill(p, ellipse({34, 36}, 10, 5), QColor(255, 255, 255, 50));
    });
}

// A carved jade disc (bi) hung on a red cord looped through its hole.
void drawJade(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        const QPointF c(50, 56);
        const QColor red = rgb(0xC0141C);
        const QPainterPath bi = circle(c, 40).subtracted(circle(c, 12));
        fill(p, bi, radial(c, 42, {36, 40}, {{0, 0xB9EBC4}, {0.45, 0x4DB873}, {0.8, 0x23864E}, {1, 0x135C33}}),
             rgb(0x0F4A29), 1.2);
        stroke(p, circle(c, 34), rgb(0x166B3C), 1);
        stroke(p, circle(c, 17.5), rgb(0x166B3C), 1);
        // the raised "grain" pattern between the engraved rings
        for (int ring = 0; ring < 3; ++ring) {
            const qreal r = 21.5 + ring * 4.3;
            const int n = 14 + ring * 4;
            for (int i = 0; i < n; ++i) {
                const qreal a = qDegreesToRadians(360.0 * (i + ring * 0.5) / n);
                const QPointF at = c + QPointF(qCos(a), qSin(a)) * r;
                fill(p, circle(at, 1.35), rgb(0x8ED9A4), rgb(0x1D7244), 0.5);
            }
        }
        QPainterPath lustre = ellipse({34, 36}, 13, 6);
        QTransform t;
        t.translate(34, 36);
        t.rotate(-35);
        t.translate(-34, -36);
        fill(p, t.map(lustre).subtracted(circle(c, 12)), QColor(255, 255, 255, 70));
        // the cord comes down over the rim and through the hole
        QPainterPath cord;
        cord.moveTo(50, 1);
        cord.lineTo(50, 10);
        cord.moveTo(50, 10);
        cord.cubicTo(46, 18, 46, 34, 47.5, 45);
        cord.moveTo(50, 10);
        cord.cubicTo(54, 18, 54, 34, 52.5, 45);
        stroke(p, cord, rgb(0x7A0A10), 3.4);
        stroke(p, cord, red, 2.2);
        fill(p, ellipse({50, 10}, 3.6, 3), red, rgb(0x7A0A10), 0.8);
    });
}

// One boat-shaped gold ingot (yuanbao), centred at `at`, `w` wide.
void drawIngot(QPainter &p, QPointF at, qreal w)
{
    p.save();
    p.translate(at);
    p.scale(w / 100, w / 100);
    QPainterPath body;
    body.moveTo(-50, -14);
    body.quadTo(0, 8, 50, -14);
    body.cubicTo(46, 6, 36, 20, 22, 24);
    body.quadTo(0, 30, -22, 24);
    body.cubicTo(-36, 20, -46, 6, -50, -14);
    fill(p, body, goldFill({-40, -20}, {30, 30}), kGoldEdge, 1.6);
    QPainterPath dome = ellipse({0, -4}, 21, 17);
    fill(p, dome, radial({0, -4}, 22, {-8, -12}, {{0, 0xFFF6C8}, {0.5, 0xF2C94C}, {1, 0xB47E1E}}), kGoldEdge, 1.6);
    QPainterPath lip;
    lip.moveTo(-50, -14);
    lip.quadTo(0, 8, 50, -14);
    lip.quadTo(0, 22, -50, -14);
    fill(p, lip, linear({0, -10}, {0, 12}, {{0, 0xFFE58A}, {1, 0xD9A233}}), kGoldEdge, 1.6);
    p.restore();
}

void drawGoldIngots(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        drawIngot(p, {30, 38}, 54);
        drawIngot(p, {70, 38}, 54);
        drawIngot(p, {50, 66}, 80);
    });
}

// Classic black and white taijitu.
void drawYinYang(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        const QPointF c(50, 50);
        const qreal r = 42;
        QPainterPath leftHalf;
        leftHalf.addRect(QRectF(c.x() - r - 1, c.y() - r - 1, r + 1, 2 * r + 2));
        const QPainterPath whole = circle(c, r);
        const QPainterPath top = circle(c - QPointF(0, r / 2), r / 2);
        const QPainterPath bottom = circle(c + QPointF(0, r / 2), r / 2);
        const QPainterPath yin = whole.intersected(leftHalf).subtracted(top).united(bottom);
        fill(p, whole, radial(c, r, {38, 36}, {{0, 0xFFFFFF}, {1, 0xE8E2D6}}));
        fill(p, yin, radial(c, r, {38, 60}, {{0, 0x3A3A3A}, {1, 0x0E0E0E}}));
        fill(p, circle(c - QPointF(0, r / 2), r / 7), rgb(0x151515));
        fill(p, circle(c + QPointF(0, r / 2), r / 7), rgb(0xF7F3EA));
        stroke(p, whole, rgb(0x151515), 2);
    });
}

// An acorn in its scaly cup, with an oak leaf behind.
void drawAcorn(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        // oak leaf
        QPainterPath leaf;
        leaf.moveTo(70, 8);
        const QPointF lobes[] = {{84, 12}, {80, 22}, {94, 28}, {86, 38}, {96, 48}, {82, 54}, {84, 66}};
        QPointF prev(70, 8);
        for (const QPointF &l : lobes) {
            leaf.quadTo((prev + l) / 2 + QPointF(6, -4), l);
            prev = l;
        }
        leaf.quadTo(74, 60, 66, 62);
        const QPointF lobesBack[] = {{58, 52}, {50, 46}, {52, 36}, {44, 28}, {54, 22}, {52, 12}};
        prev = QPointF(66, 62);
        for (const QPointF &l : lobesBack) {
            leaf.quadTo((prev + l) / 2 + QPointF(-6, 2), l);
            prev = l;
        }
        leaf.quadTo(60, 6, 70, 8);
        fill(p, leaf, linear({60, 8}, {90, 60}, {{0, 0x8CC452}, {1, 0x3F7F24}}), rgb(0x2F6A1C), 1);
        QPainterPath rib;
        rib.moveTo(64, 4);
        rib.quadTo(72, 34, 74, 62);
        stroke(p, rib, rgb(0xD4EFA8), 1.2);

        p.translate(40, 56);
        p.rotate(-14);
        QPainterPath nut;
        nut.moveTo(-19, -6);
        nut.cubicTo(-22, 18, -8, 36, 0, 40);
        nut.cubicTo(8, 36, 22, 18, 19, -6);
        nut.closeSubpath();
        fill(p, nut, linear({-20, 0}, {20, 30}, {{0, 0xE0A460}, {0.5, 0xB8742E}, {1, 0x7A4418}}), rgb(0x5A3210), 1.2);
        fill(p, ellipse({-8, 12}, 4, 10), QColor(255, 240, 200, 80));
        fill(p, circle({0, 40}, 2), rgb(0x5A3210));
        QPainterPath cup;
        cup.moveTo(-24, -2);
        cup.cubicTo(-26, -24, 26, -24, 24, -2);
        cup.quadTo(0, 6, -24, -2);
        fill(p, cup, linear({0, -20}, {0, 4}, {{0, 0xA07A48}, {1, 0x6A4A26}}), rgb(0x4A3016), 1.2);
        p.save();
        p.setClipPath(cup);
        QPainterPath scales;
        for (int k = -50; k <= 50; k += 5) {
            scales.moveTo(k, -24);
            scales.lineTo(k + 30, 6);
            scales.moveTo(k, -24);
            scales.lineTo(k - 30, 6);
        }
        stroke(p, scales, QColor(0x3A, 0x24, 0x10, 150), 0.9);
        p.restore();
        QPainterPath stem;
        stem.moveTo(0, -17);
        stem.quadTo(1, -24, 5, -28);
        stroke(p, stem, rgb(0x5A3A1A), 3);
    });
}

// A rabbit's-foot charm: furry foot in a gold cap on a key ring.
void drawRabbitsFoot(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        p.translate(50, 50);
        p.rotate(28);
        p.scale(1.12, 1.12);
        p.translate(-50, -52);
        stroke(p, circle({50, 9}, 7), rgb(0xB0B0B8), 2.6);
        stroke(p, circle({50, 9}, 7), rgb(0xECECF2), 1);
        // the paw, widening to three toes, with wisps of fur along its edge
        QPainterPath paw;
        paw.moveTo(42, 24);
        paw.cubicTo(34, 44, 29, 70, 32, 84);
        paw.quadTo(33, 95, 41, 93);
        paw.quadTo(46, 99, 51, 94);
        paw.quadTo(57, 99, 61, 93);
        paw.quadTo(69, 94, 68, 82);
        paw.cubicTo(71, 68, 66, 44, 58, 24);
        paw.closeSubpath();
        const QBrush furBrush = linear({34, 30}, {66, 96}, {{0, 0xFBF6EE}, {0.45, 0xE2D6C4}, {1, 0xB3A38A}});
        QPainterPath wisps;
        for (int i = 0; i < 90; ++i) {
            const qreal t = (i + 0.5) / 90;
            const QPointF at = paw.pointAtPercent(t);
            const qreal a = qDegreesToRadians(paw.angleAtPercent(t) - 90 + (i % 3 - 1) * 18);
            const qreal len = 2.2 + (i % 4) * 0.7;
            wisps.moveTo(at - QPointF(qCos(a), -qSin(a)) * 1.5);
            wisps.lineTo(at + QPointF(qCos(a), -qSin(a)) * len);
        }
        stroke(p, wisps, rgb(0x8E7C62), 1.6);
        stroke(p, wisps, rgb(0xD9CCB8), 0.8);
        fill(p, paw, furBrush);
        QPainterPath strokes;
        strokes.moveTo(46, 93);
        strokes.quadTo(46, 88, 45, 84);
        strokes.moveTo(56, 93);
        strokes.quadTo(56, 88, 57, 84);
        for (int i = 0; i < 12; ++i) {
            const qreal x = 40 + (i * 7) % 20, y = 34 + i * 4.2;
            strokes.moveTo(x, y);
            strokes.quadTo(x + 0.6, y + 2.5, x, y + 5);
        }
        stroke(p, strokes, QColor(0x8A, 0x7A, 0x62, 160), 0.8);
        // gold cap
        QPainterPath cap;
        cap.addRoundedRect(QRectF(39, 14, 22, 12), 3, 3);
        fill(p, cap, goldFill({39, 14}, {61, 26}), kGoldEdge, 1);
        stroke(
            p,
            [] {
                QPainterPath l;
                l.moveTo(40, 20);
                l.lineTo(60, 20);
                return l;
            }(),
            rgb(0xA87312), 0.8);
    });
}

// A red-crowned crane standing on one leg.
void drawCrane(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        const QColor grey = rgb(0x7C7C84);
        // legs
        QPainterPath legs;
        legs.moveTo(52, 60);
        legs.lineTo(54, 76);
        legs.lineTo(52, 96);
        legs.moveTo(46, 96);
        legs.lineTo(58, 96);
        legs.moveTo(58, 60);
        legs.lineTo(66, 72);
        legs.lineTo(58, 78);
        stroke(p, legs, rgb(0x3A3A3A), 1.8);
        // black tail plumes
        QPainterPath tail;
        tail.moveTo(62, 46);
        tail.cubicTo(78, 46, 90, 56, 94, 70);
        tail.cubicTo(86, 64, 82, 66, 76, 64);
        tail.cubicTo(72, 68, 66, 64, 60, 58);
        tail.closeSubpath();
        fill(p, tail, linear({62, 46}, {94, 70}, {{0, 0x3A3A3A}, {1, 0x0E0E0E}}));
        // body
        QPainterPath body;
        body.moveTo(32, 40);
        body.cubicTo(40, 32, 66, 34, 80, 50);
        body.cubicTo(70, 62, 46, 66, 38, 56);
        body.cubicTo(34, 52, 30, 46, 32, 40);
        fill(p, body, linear({40, 34}, {60, 64}, {{0, 0xFFFFFF}, {1, 0xD9D9DF}}), grey, 1);
        QPainterPath wing;
        wing.moveTo(40, 44);
        wing.cubicTo(52, 40, 66, 44, 76, 52);
        stroke(p, wing, QColor(0x9A, 0x9A, 0xA4), 1);
        // neck: black, curving up to the head
        QPainterPath neck;
        neck.moveTo(36, 44);
        neck.cubicTo(26, 36, 34, 26, 30, 14);
        stroke(p, neck, rgb(0x1A1A1A), 5.2);
        fill(p, ellipse({30.5, 12}, 5, 4.2), rgb(0x1A1A1A));
        QPainterPath beak = polygon({{26, 10}, {27, 14.5}, {8, 16}});
        fill(p, beak, linear({8, 14}, {26, 12}, {{0, 0x9A8A50}, {1, 0xC9B877}}), rgb(0x6A5C2A), 0.6);
        fill(p, ellipse({31.5, 8.8}, 3.6, 2.4), rgb(0xE0101C));
        fill(p, circle({29, 12}, 0.9), rgb(0xFFFFFF));
    });
}

// A golden chinese coin with its square hole.
void drawCashCoin(QPainter &p, QPointF at, qreal r, qreal squash = 1)
{
    p.save();
    p.translate(at);
    p.scale(1, squash);
    QPainterPath coin = circle({0, 0}, r);
    QPainterPath hole;
    hole.addRect(QRectF(-r * 0.28, -r * 0.28, r * 0.56, r * 0.56));
    fill(p, coin.subtracted(hole), goldFill({-r, -r}, {r, r}), kGoldEdge, 0.9);
    stroke(p, circle({0, 0}, r * 0.78), rgb(0xA87312), 0.7);
    p.setPen(QPen(rgb(0xA87312), 0.7));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(-r * 0.4, -r * 0.4, r * 0.8, r * 0.8));
    p.restore();
}

// The money toad: a frog holding a coin in its mouth, sitting on coins.
void drawMoneyToad(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        drawCashCoin(p, {28, 86}, 12, 0.45);
        drawCashCoin(p, {72, 86}, 12, 0.45);
        drawCashCoin(p, {50, 90}, 13, 0.45);
        drawEmoji(p, QString::fromUtf8("🐸"), boxAt(50, 46, 80));
        drawCashCoin(p, {50, 63}, 11);
    });
}

// A treasure junk under red battened sails, laden with gold.
void drawWealthShip(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        // sails, each a fan of battens on its mast
        struct Sail {
            qreal mast, top, bottom, width;
        };
        for (const Sail &s : {Sail{64, 6, 60, 26}, Sail{38, 16, 62, 22}, Sail{84, 30, 58, 12}}) {
            QPainterPath sail;
            sail.moveTo(s.mast, s.top);
            sail.quadTo(s.mast - s.width * 1.1, s.top + 6, s.mast - s.width, s.bottom);
            sail.lineTo(s.mast + 2, s.bottom);
            sail.lineTo(s.mast + 2, s.top);
            sail.closeSubpath();
            fill(p, sail, linear({s.mast - s.width, s.top}, {s.mast, s.bottom}, {{0, 0xF05A3A}, {1, 0xA8201A}}),
                 rgb(0x6A1010), 1);
            QPainterPath battens;
            for (int i = 1; i < 5; ++i) {
                const qreal y = s.top + (s.bottom - s.top) * i / 5;
                battens.moveTo(s.mast + 2, y);
                battens.lineTo(s.mast - s.width * (0.5 + 0.5 * i / 5.0) - 2, y + 3);
            }
            p.save();
            p.setClipPath(sail);
            stroke(p, battens, rgb(0x6A1010), 1.1);
            p.restore();
            stroke(
                p,
                [&] {
                    QPainterPath m;
                    m.moveTo(s.mast + 1, s.top - 3);
                    m.lineTo(s.mast + 1, 66);
                    return m;
                }(),
                rgb(0x5A3416), 1.6);
        }
        drawIngot(p, {26, 60}, 18);
        drawIngot(p, {52, 61}, 16);
        // hull with high stern
        QPainterPath hull;
        hull.moveTo(6, 60);
        hull.lineTo(14, 64);
        hull.lineTo(82, 64);
        hull.lineTo(96, 52);
        hull.quadTo(94, 72, 80, 82);
        hull.lineTo(24, 82);
        hull.quadTo(12, 74, 6, 60);
        fill(p, hull, linear({0, 60}, {0, 82}, {{0, 0xB9773A}, {1, 0x6A3A14}}), rgb(0x4A2408), 1.1);
        QPainterPath stripe;
        stripe.moveTo(12, 69);
        stripe.lineTo(86, 69);
        stripe.quadTo(92, 64, 95, 57);
        stroke(p, stripe, rgb(0xE8B23A), 2.2);
        // water
        QPainterPath waves;
        for (int i = 0; i < 6; ++i) {
            const qreal x = 2 + i * 16;
            waves.moveTo(x, 86);
            waves.quadTo(x + 8, 80, x + 16, 86);
        }
        stroke(p, waves, rgb(0x2F86C8), 3);
        QPainterPath waves2;
        for (int i = 0; i < 5; ++i) {
            const qreal x = 10 + i * 16;
            waves2.moveTo(x, 93);
            waves2.quadTo(x + 8, 87, x + 16, 93);
        }
        stroke(p, waves2, rgb(0x6FB6E8), 2.4);
    });
}

// Maneki-neko: a seated white cat with one paw raised, a red collar with a
// bell, and a gold koban coin held to its chest.
void drawBeckoningCat(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        const QColor outline = rgb(0x6E6E78);
        const QBrush white = linear({30, 20}, {70, 96}, {{0, 0xFFFFFF}, {1, 0xE4E0DA}});
        const QColor pink = rgb(0xF4A0B0);
        // body
        QPainterPath body;
        body.moveTo(34, 54);
        body.cubicTo(18, 66, 20, 96, 30, 97);
        body.lineTo(74, 97);
        body.cubicTo(84, 96, 84, 66, 68, 54);
        body.closeSubpath();
        fill(p, body, white, outline, 1.2);
        // raised paw (the cat's right, on our left)
        QPainterPath arm;
        arm.moveTo(30, 66);
        arm.cubicTo(18, 60, 12, 44, 14, 30);
        arm.cubicTo(16, 20, 30, 20, 30, 32);
        arm.cubicTo(30, 44, 34, 52, 40, 58);
        fill(p, arm, white, outline, 1.2);
        QPainterPath toes;
        toes.moveTo(18, 23.5);
        toes.lineTo(18.5, 27);
        toes.moveTo(23, 22.5);
        toes.lineTo(23, 26.5);
        stroke(p, toes, outline, 0.9);
        fill(p, ellipse({22, 31}, 3.2, 2.6), pink);
        // head with ears and calico patches
        QPainterPath head = ellipse({52, 36}, 25, 21);
        head = head.united(polygon({{30, 30}, {31, 8}, {46, 18}}));
        head = head.united(polygon({{74, 30}, {73, 8}, {58, 18}}));
        fill(p, head, white, outline, 1.2);
        p.save();
        p.setClipPath(head);
        fill(p, ellipse({70, 18}, 12, 11), rgb(0xF0A040));
        fill(p, ellipse({33, 22}, 7, 6), rgb(0x2A2A2A));
        p.restore();
        fill(p, polygon({{33.5, 23}, {34, 13}, {41, 19}}), pink);
        fill(p, polygon({{70.5, 23}, {70, 13}, {63, 19}}), pink);
        // face: happy closed eyes, nose, mouth, whiskers
        QPainterPath face;
        face.moveTo(40, 35);
        face.quadTo(44, 31, 48, 35);
        face.moveTo(56, 35);
        face.quadTo(60, 31, 64, 35);
        face.moveTo(52, 42);
        face.quadTo(49, 46, 46, 44);
        face.moveTo(52, 42);
        face.quadTo(55, 46, 58, 44);
        for (int side : {-1, 1}) {
            face.moveTo(52 + side * 12, 41);
            face.lineTo(52 + side * 26, 38);
            face.moveTo(52 + side * 12, 43);
            face.lineTo(52 + side * 26, 45);
        }
        stroke(p, face, rgb(0x2A2A2A), 1.2);
        fill(p, ellipse({52, 40}, 2.4, 1.7), pink, rgb(0xC06070), 0.6);
        fill(p, ellipse({40, 41}, 3.5, 2), QColor(0xF4, 0x80, 0x90, 110));
        fill(p, ellipse({64, 41}, 3.5, 2), QColor(0xF4, 0x80, 0x90, 110));
        // collar and bell
        QPainterPath collar;
        collar.moveTo(33, 55);
        collar.quadTo(52, 64, 71, 55);
        stroke(p, collar, rgb(0xC0141C), 4.5);
        fill(p, circle({52, 63}, 4.6), goldFill({47, 58}, {57, 68}), kGoldEdge, 0.9);
        stroke(
            p,
            [] {
                QPainterPath l;
                l.moveTo(48, 63.5);
                l.lineTo(56, 63.5);
                return l;
            }(),
            kGoldEdge, 0.7);
        // koban coin held by the other paw
        QPainterPath koban = ellipse({62, 80}, 10.5, 13.5);
        fill(p, koban, goldFill({52, 66}, {72, 94}), kGoldEdge, 1);
        stroke(p, ellipse({62, 80}, 8, 11), rgb(0xA87312), 0.7);
        QPainterPath marks;
        for (int i = 0; i < 3; ++i) {
            marks.moveTo(58, 74 + i * 5);
            marks.lineTo(66, 74 + i * 5);
        }
        stroke(p, marks, rgb(0xA87312), 0.9);
        fill(p, ellipse({52, 84}, 7, 5.5), white, outline, 1.1);
    });
}

// A fancy goldfish with a flowing double tail.
void drawGoldFish(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        const QColor edge = rgb(0xA8380C);
        const QBrush finBrush = linear({50, 30}, {96, 80}, {{0, 0xFFB070}, {1, 0xF06A20}});
        QPainterPath tail;
        tail.moveTo(62, 50);
        tail.cubicTo(76, 30, 92, 18, 97, 26);
        tail.cubicTo(90, 36, 88, 44, 92, 52);
        tail.cubicTo(96, 62, 94, 78, 86, 84);
        tail.cubicTo(84, 72, 74, 62, 62, 56);
        tail.closeSubpath();
        fill(p, tail, finBrush, edge, 1);
        QPainterPath rays;
        for (int i = 0; i < 5; ++i) {
            rays.moveTo(64, 52);
            rays.quadTo(78, 44 + i * 4, 90, 28 + i * 12);
        }
        stroke(p, rays, QColor(0xC0, 0x48, 0x10, 140), 0.8);
        QPainterPath dorsal;
        dorsal.moveTo(30, 34);
        dorsal.cubicTo(36, 14, 52, 14, 60, 36);
        fill(p, dorsal, finBrush, edge, 1);
        QPainterPath belly;
        belly.moveTo(36, 64);
        belly.cubicTo(34, 78, 42, 82, 48, 66);
        fill(p, belly, finBrush, edge, 1);
        QPainterPath body;
        body.moveTo(8, 50);
        body.cubicTo(10, 30, 40, 24, 58, 40);
        body.cubicTo(66, 47, 66, 56, 58, 62);
        body.cubicTo(40, 76, 10, 70, 8, 50);
        fill(p, body, radial({30, 44}, 40, {24, 40}, {{0, 0xFFD070}, {0.55, 0xFF8A1C}, {1, 0xD8480C}}), edge, 1.2);
        // scales
        p.save();
        p.setClipPath(body);
        QPainterPath scales;
        for (int col = 0; col < 5; ++col)
            for (int row = 0; row < 6; ++row) {
                const QPointF at(30 + col * 6, 32 + row * 7 + (col % 2) * 3.5);
                scales.moveTo(at + QPointF(0, -3));
                scales.quadTo(at + QPointF(4, 0), at + QPointF(0, 3));
            }
        stroke(p, scales, QColor(0xC0, 0x48, 0x10, 120), 0.7);
        p.restore();
        QPainterPath gill;
        gill.moveTo(26, 38);
        gill.quadTo(31, 50, 26, 62);
        stroke(p, gill, edge, 0.9);
        fill(p, circle({18, 46}, 4.2), rgb(0xFFFFFF), edge, 0.6);
        fill(p, circle({17.4, 46}, 2.4), rgb(0x1A1A1A));
        fill(p, circle({16.6, 45}, 0.8), rgb(0xFFFFFF));
        QPainterPath mouth;
        mouth.moveTo(8.5, 52);
        mouth.quadTo(11, 54, 13, 53);
        stroke(p, mouth, edge, 0.9);
        fill(p, ellipse({34, 40}, 8, 3.5), QColor(255, 255, 255, 90));
    });
}

// Moth orchid: three narrow sepals, two broad petals and a bright lip, on an
// arching stem with buds.
void drawOrchid(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        QPainterPath stem;
        stem.moveTo(88, 96);
        stem.cubicTo(92, 60, 86, 26, 66, 10);
        stem.moveTo(89, 52);
        stem.quadTo(70, 42, 50, 52);
        stroke(p, stem, rgb(0x4E7A2A), 2.2);
        fill(p, ellipse({70, 12}, 4.2, 3.2), linear({66, 9}, {74, 15}, {{0, 0xF6D8F0}, {1, 0xC860A8}}), rgb(0x8A2E74),
             0.7);
        fill(p, ellipse({80, 20}, 5.4, 4.4), linear({75, 16}, {85, 24}, {{0, 0xF6D8F0}, {1, 0xC860A8}}), rgb(0x8A2E74),
             0.7);
        const QPointF c(44, 54);
        const QColor edge = rgb(0x8A2E74);
        auto petal = [&](qreal angle, qreal length, qreal width, const QBrush &brush) {
            QPainterPath leaf;
            leaf.moveTo(0, 0);
            leaf.cubicTo(-width, -length * 0.3, -width, -length, 0, -length);
            leaf.cubicTo(width, -length, width, -length * 0.3, 0, 0);
            QTransform t;
            t.translate(c.x(), c.y());
            t.rotate(angle);
            fill(p, t.map(leaf), brush, edge, 0.9);
        };
        const QBrush sepal = radial(c, 40, c, {{0, 0xFFF0FA}, {0.5, 0xF3B6DE}, {1, 0xD874B8}});
        petal(0, 38, 14, sepal);
        petal(140, 36, 14, sepal);
        petal(-140, 36, 14, sepal);
        const QBrush broad = radial(c, 40, c, {{0, 0xFFF6FC}, {0.55, 0xF7C4E6}, {1, 0xE088C6}});
        petal(72, 36, 30, broad);
        petal(-72, 36, 30, broad);
        // lip and column
        QPainterPath lip;
        lip.moveTo(c + QPointF(-8, 2));
        lip.cubicTo(c + QPointF(-12, 14), c + QPointF(-6, 22), c + QPointF(0, 22));
        lip.cubicTo(c + QPointF(6, 22), c + QPointF(12, 14), c + QPointF(8, 2));
        lip.quadTo(c + QPointF(0, -4), c + QPointF(-8, 2));
        fill(p, lip, linear(c, c + QPointF(0, 22), {{0, 0xFFD23A}, {0.35, 0xE2307A}, {1, 0xA0105A}}), rgb(0x7A0A44),
             0.9);
        fill(p, ellipse(c + QPointF(0, -3), 4, 5), rgb(0xFFFFFF), edge, 0.7);
        QPainterPath veins;
        for (int i = -2; i <= 2; ++i) {
            veins.moveTo(c + QPointF(i * 2, 2));
            veins.lineTo(c + QPointF(i * 3.5, 12));
        }
        stroke(p, veins, QColor(0xC0, 0x20, 0x60, 160), 0.7);
    });
}

// A magpie perched on a twig: black and white, with a long glossy tail.
void drawMagpie(QPainter &p, const QRectF &area, const Scheme &)
{
    inUnitBox(p, area, [&] {
        const QColor black = rgb(0x16181E);
        QPainterPath twig;
        twig.moveTo(6, 74);
        twig.quadTo(40, 68, 70, 76);
        twig.moveTo(30, 71);
        twig.quadTo(24, 62, 18, 60);
        stroke(p, twig, rgb(0x6A4424), 3);
        fill(p, ellipse({20, 59}, 5, 2.6), rgb(0x6FAE3A));
        // tail, long and tapering to the lower right
        QPainterPath tail;
        tail.moveTo(56, 54);
        tail.lineTo(96, 88);
        tail.lineTo(90, 94);
        tail.lineTo(50, 62);
        tail.closeSubpath();
        fill(p, tail, linear({56, 56}, {94, 92}, {{0, 0x1A2A40}, {0.5, 0x2A5A78}, {1, 0x1A3A2A}}), black, 0.8);
        QPainterPath legs;
        legs.moveTo(38, 60);
        legs.lineTo(36, 72);
        legs.moveTo(44, 60);
        legs.lineTo(44, 72);
        stroke(p, legs, rgb(0x2A2A2A), 1.8);
        // body: black head and back, white belly
        QPainterPath body;
        body.moveTo(14, 30);
        body.cubicTo(14, 18, 30, 16, 34, 28);
        body.cubicTo(44, 32, 56, 42, 60, 56);
        body.cubicTo(50, 64, 34, 66, 28, 56);
        body.cubicTo(24, 48, 22, 40, 20, 38);
        body.closeSubpath();
        fill(p, body, black);
        QPainterPath belly;
        belly.moveTo(24, 44);
        belly.cubicTo(30, 40, 44, 46, 50, 60);
        belly.cubicTo(42, 64, 32, 64, 28, 56);
        belly.closeSubpath();
        fill(p, belly, linear({30, 44}, {44, 62}, {{0, 0xFFFFFF}, {1, 0xD8DCE2}}));
        // folded wing with its white shoulder patch and blue sheen
        QPainterPath wing;
        wing.moveTo(30, 36);
        wing.cubicTo(42, 32, 58, 42, 64, 58);
        wing.cubicTo(52, 56, 40, 50, 30, 36);
        fill(p, wing, linear({30, 36}, {64, 58}, {{0, 0x1A1E28}, {0.6, 0x24507A}, {1, 0x14202E}}));
        QPainterPath patch;
        patch.moveTo(32, 38);
        patch.cubicTo(40, 36, 48, 42, 50, 48);
        patch.cubicTo(42, 48, 36, 44, 32, 38);
        fill(p, patch, rgb(0xF4F6F8));
        // beak and eye
        fill(p, polygon({{15, 26}, {4, 30}, {15, 31}}), black);
        fill(p, circle({20.5, 25.5}, 1.6), rgb(0x3A3A3A));
        fill(p, circle({20, 25}, 0.6), rgb(0xFFFFFF));
        fill(p, ellipse({24, 22}, 5, 2), QColor(0x60, 0x80, 0xB0, 90));
    });
}

// ---------------------------------------------------------------- tables

using Figure = std::function<void(QPainter &, const QRectF &, const Scheme &)>;

struct Symbol {
    const char *name;
    Figure figure; // empty: drawn by goodluck_drawn.cpp
};

// The emoji fills this much of the figure area; round shapes could go larger
// but a common size keeps the set even.
constexpr qreal kEmojiShare = 0.92;

Figure emoji(const char *text)
{
    const QString t = QString::fromUtf8(text);
    return [t](QPainter &p, const QRectF &area, const Scheme &) {
        drawEmoji(p, t, boxAt(area.center().x(), area.center().y(), area.width() * kEmojiShare));
    };
}

// Several copies of one emoji, each at (x, y, side, angle) in the 100 box; a
// negative side mirrors that copy.
struct Copy {
    qreal x, y, side, angle;
};

Figure emojiCopies(const char *text, std::initializer_list<Copy> copies)
{
    const QString t = QString::fromUtf8(text);
    const QList<Copy> list(copies);
    return [t, list](QPainter &p, const QRectF &area, const Scheme &) {
        inUnitBox(p, area, [&] {
            for (const Copy &c : list)
                drawEmoji(p, t, boxAt(c.x, c.y, qAbs(c.side)), c.angle, c.side < 0);
        });
    };
}

// Copies of one emoji fanned out from a common point below, like a bunch
// of keys or feathers; `upright` turns the glyph so that it points up.
Figure emojiFan(const char *text, qreal upright, std::initializer_list<qreal> angles, qreal reach, qreal side)
{
    const QString t = QString::fromUtf8(text);
    const QList<qreal> list(angles);
    return [=](QPainter &p, const QRectF &area, const Scheme &) {
        inUnitBox(p, area, [&] {
            const QPointF pivot(50, 98);
            for (qreal a : list) {
                const qreal r = qDegreesToRadians(a);
                const QPointF at = pivot + QPointF(qSin(r), -qCos(r)) * reach;
                drawEmoji(p, t, boxAt(at.x(), at.y(), side), upright + a);
            }
        });
    };
}

// Marks a symbol whose figure comes from drawGoodLuckFigure().
Figure handDrawn()
{
    return {};
}

Group culture(const QString &id, const QString &title, const Scheme &scheme, const QList<Symbol> &symbols,
              const QList<goodluck::Symbol> &redrawn)
{
    Group group{QStringLiteral("goodluck-") + id, QStringLiteral("goodluck/") + id, {}, title};
    for (const Symbol &sym : symbols) {
        const QString name = QString::fromUtf8(sym.name);
        Figure figure = sym.figure;
        for (const goodluck::Symbol &r : redrawn) {
            if (name == QString::fromUtf8(r.name)) {
                const goodluck::Figure draw = r.draw;
                figure = [draw](QPainter &p, const QRectF &area, const Scheme &) {
                    p.save();
                    p.setRenderHint(QPainter::Antialiasing);
                    p.translate(area.topLeft());
                    p.scale(area.width() / 100, area.height() / 100);
                    draw(p);
                    p.restore();
                };
            }
        }
        group.pictures.append(Picture{name + QStringLiteral(".jpg"), QSize(int(kSide), int(kSide)),
                                      [name, figure, scheme](QPainter &p, const QSizeF &) {
                                          drawMedallion(p, scheme);
                                          if (figure)
                                              figure(p, figureArea(), scheme);
                                          else if (!drawGoodLuckFigure(p, name, figureArea(), scheme.ink))
                                              qWarning("artgen: no hand-drawn figure for \"%s\"", qPrintable(name));
                                      },
                                      name});
    }
    return group;
}

} // namespace

QList<Group> goodLuckGroups()
{
    const Scheme indian{QColor(0xFF, 0xF4, 0xD6), QColor(0xF4, 0xB9, 0x55), QColor(0xB0, 0x1E, 0x2A),
                        QColor(0x9A, 0x16, 0x1E), Motif::Petals};
    const Scheme chinese{QColor(0xFF, 0xF6, 0xD8), QColor(0xEB, 0xC6, 0x62), QColor(0xC4, 0x12, 0x1C),
                         QColor(0xB0, 0x12, 0x1B), Motif::Dots};
    const Scheme japanese{QColor(0xFF, 0xFF, 0xFF), QColor(0xEC, 0xDF, 0xCC), QColor(0x1F, 0x2A, 0x4A),
                          QColor(0x1F, 0x2A, 0x4A), Motif::Rings};
    const Scheme egyptian{QColor(0xFB, 0xEE, 0xC8), QColor(0xDC, 0xBB, 0x72), QColor(0x1F, 0x3F, 0x8F),
                          QColor(0x1A, 0x36, 0x7C), Motif::Bars};
    const Scheme english{QColor(0xFA, 0xF7, 0xE8), QColor(0xC9, 0xDD, 0xAE), QColor(0x1E, 0x56, 0x31),
                         QColor(0x1E, 0x50, 0x2E), Motif::Dots};
    const Scheme arabian{QColor(0xEE, 0xFC, 0xF9), QColor(0x92, 0xD8, 0xCE), QColor(0x0B, 0x5E, 0x66),
                         QColor(0x0B, 0x55, 0x5C), Motif::Diamonds};
    const Scheme nativeAmerican{QColor(0xFB, 0xEE, 0xDA), QColor(0xE2, 0xB5, 0x84), QColor(0x9A, 0x3E, 0x24),
                                QColor(0x86, 0x33, 0x1C), Motif::Teeth};

    return {
        culture(QStringLiteral("indian"), QStringLiteral("Indian Good Luck Symbols"), indian,
                {
                    {"Aum", drawAum},
                    {"Bell", emoji("🔔")},
                    {"Betel Leaf (Paan)", drawBetelLeaf},
                    {"Bindi or Dot", drawBindi},
                    {"Coconut", emoji("🥥")},
                    {"Conch shells (Shankh)", emoji("🐚")},
                    {"Lamp", emoji("🪔")},
                    {"Pyramid", drawPyramid},
                    {"Rudraksha", emoji("📿")},
                    {"Swastika", handDrawn()},
                    {"Tulsi", emoji("🪴")},
                    {"Wheel", drawWheel},
                }, goodluck::indianSymbols()),
        culture(QStringLiteral("chinese"), QStringLiteral("Chinese Good Luck Symbols"), chinese,
                {
                    {"Bamboo", emoji("🎋")},
                    {"Bat", emoji("🦇")},
                    {"Butterfly", emoji("🦋")},
                    {"Crab", emoji("🦀")},
                    {"Crane", drawCrane},
                    {"Dragon", emoji("🐉")},
                    {"Fu Symbol", handDrawn()},
                    {"Gold Fish", drawGoldFish},
                    {"Gold Ingots", drawGoldIngots},
                    {"Horse", emoji("🐎")},
                    {"Jade", drawJade},
                    {"Magpie", drawMagpie},
                    {"Orchid", drawOrchid},
                    {"Phoenix", emoji("🐦‍🔥")},
                    {"Three Legged Toad", drawMoneyToad},
                    {"Tortoise", emoji("🐢")},
                    {"Wealth Ship", drawWealthShip},
                    {"Yin Yang", drawYinYang},
                }, goodluck::chineseSymbols() + goodluck::chineseCreatureSymbols()),
        culture(QStringLiteral("japanese"), QStringLiteral("Japanese Good Luck Symbols"), japanese,
                {
                    {"Beckoning Cat", drawBeckoningCat},
                    {"Benten", handDrawn()},
                    {"Bishamon", handDrawn()},
                    {"Daikokuten", handDrawn()},
                    {"Daruma Doll", handDrawn()},
                    {"Ebisu", handDrawn()},
                    {"Fukurokuju", handDrawn()},
                    {"Jurojin", handDrawn()},
                    {"Laughing Buddha", handDrawn()},
                    {"Tanuki", emoji("🦝")},
                }, goodluck::japaneseSymbols()),
        culture(QStringLiteral("egyptian"), QStringLiteral("Egyptian Good Luck Symbols"), egyptian,
                {
                    {"Angel", emoji("👼")},
                    {"Ankh", handDrawn()},
                    {"Caduceus", handDrawn()},
                    {"Elephant", emoji("🐘")},
                    {"Eye of Horus", handDrawn()},
                    {"Isis", handDrawn()},
                    {"Lotus Flower", emoji("🪷")},
                    {"Scarab", emoji("🪲")},
                }, goodluck::egyptianSymbols()),
        culture(QStringLiteral("english"), QStringLiteral("English Good Luck Symbols"), english,
                {
                    {"3 Keys", emojiFan("🗝️", -45, {-30, 0, 30}, 50, 64)},
                    {"Acorn", drawAcorn},
                    {"Coin", emoji("🪙")},
                    {"Four Leaf Clover", emoji("🍀")},
                    {"Horseshoe", handDrawn()},
                    {"Ladybug", emoji("🐞")},
                    {"Old Boot", emoji("🥾")},
                    {"Pig", emoji("🐖")},
                    {"Rabbit's Foot", drawRabbitsFoot},
                    {"Unicorn", emoji("🦄")},
                    {"Wishbone", handDrawn()},
                    {"Wood", emoji("🪵")},
                }, goodluck::englishSymbols()),
        culture(QStringLiteral("arabian"), QStringLiteral("Arabian Good Luck Symbols"), arabian,
                {
                    {"Dolphins", emojiCopies("🐬", {{27, 50, -54, 0}, {73, 50, 54, 0}})},
                    {"Hamsa Hand", emoji("🪬")},
                }, goodluck::arabianSymbols()),
        culture(QStringLiteral("nativeamerican"), QStringLiteral("Native American Good Luck Symbols"), nativeAmerican,
                {
                    {"Broken Arrow", handDrawn()},
                    {"Crossed Arrows", handDrawn()},
                    {"Feathers", emojiFan("🪶", 45, {-32, 32, 0}, 50, 66)},
                    {"Fence", handDrawn()},
                    {"Kokopelli Charm", handDrawn()},
                    {"Leaf", emoji("🍁")},
                    {"Mountain", emoji("⛰️")},
                    {"Rain Cloud", emoji("🌧️")},
                    {"Rain Drop", emoji("💧")},
                    {"Rain", emoji("☔")},
                    {"Sun", emoji("☀️")},
                    {"Thunderbird", emoji("🦅")},
                }, goodluck::nativeAmericanSymbols()),
    };
}

} // namespace artgen
