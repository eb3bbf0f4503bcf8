// Mahjong pictures: the 42 tiles of the tile list, in the list's order, and
// the picture of six tiles the user clicks on the start window. Each tile is
// an ivory face with the green back showing along its right and lower edge,
// on the black of the mahjong windows.
#include "artgen.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <array>
#include <iterator>

namespace {

using artgen::Group;
using artgen::Picture;

const QSize kTileSize(40, 62);

// Draws a tile's face in a 30 x 52 box at the origin; drawTile() places it.
using FaceFn = std::function<void(QPainter &)>;

const QColor kIvory(0xfb, 0xf6, 0xe4);
const QColor kIvoryShade(0xe6, 0xdb, 0xbb);
const QColor kBackGreen(0x1b, 0x7a, 0x45);
const QColor kGreen(0x16, 0x84, 0x3c);
const QColor kRed(0xc4, 0x1a, 0x22);
const QColor kBlue(0x1d, 0x4f, 0xa8);
const QColor kInk(0x1a, 0x1a, 0x22);

// ---------------------------------------------------------------- glyphs

// Traditional forms (萬 發 蘭 東) come from the Taiwan variant; its bold
// weight keeps the strokes solid at tile size.
QString cjkFamily()
{
    static const QString family = artgen::requireFamily(QStringLiteral("Noto Sans CJK TC"));
    return family;
}

QPainterPath glyphOutline(const QString &text, const QString &family)
{
    QFont font(family);
    font.setPixelSize(100);
    font.setWeight(QFont::Bold);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return path;
}

// Fills a glyph at `pixelSize`, its ink centred on `centre`, so that glyphs
// of one size share one stroke weight however tall their ink is (一 and 三).
void drawGlyph(QPainter &p, const QString &text, qreal pixelSize, const QPointF &centre, const QColor &colour,
               const QString &family = cjkFamily())
{
    QPainterPath path = glyphOutline(text, family);
    QTransform t;
    t.scale(pixelSize / 100.0, pixelSize / 100.0);
    path = t.map(path);
    path.translate(centre - path.boundingRect().center());
    p.fillPath(path, colour);
}

// Fills a glyph scaled so that its ink fits `box`, keeping its proportions.
void fitGlyph(QPainter &p, const QString &text, const QRectF &box, const QBrush &brush)
{
    QPainterPath path = glyphOutline(text, cjkFamily());
    const QRectF ink = path.boundingRect();
    const qreal s = qMin(box.width() / ink.width(), box.height() / ink.height());
    QTransform t;
    t.translate(box.center().x(), box.center().y());
    t.scale(s, s);
    t.translate(-ink.center().x(), -ink.center().y());
    p.fillPath(t.map(path), brush);
}

// ---------------------------------------------------------------- tile body

// The tile seen from the front: green back, a sliver of the ivory body, and
// the face; then the face drawing in its own 30 x 52 box.
void drawTile(QPainter &p, const FaceFn &face)
{
    const QRectF back(3.5, 3.5, 36.0, 58.0), body(2.0, 2.0, 36.0, 58.0), front(0.5, 0.5, 35.5, 57.5);
    QLinearGradient green(back.topLeft(), back.bottomRight());
    green.setColorAt(0.0, kBackGreen.lighter(135));
    green.setColorAt(1.0, kBackGreen.darker(150));
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawRoundedRect(back, 4.5, 4.5);
    p.setBrush(kIvoryShade.darker(108));
    p.drawRoundedRect(body, 4.5, 4.5);

    QLinearGradient ivory(front.topLeft(), front.bottomRight());
    ivory.setColorAt(0.0, QColor(0xff, 0xfd, 0xf4));
    ivory.setColorAt(0.6, kIvory);
    ivory.setColorAt(1.0, kIvoryShade);
    p.setPen(QPen(QColor(0xb8, 0xab, 0x88), 0.6));
    p.setBrush(ivory);
    p.drawRoundedRect(front, 4.0, 4.0);

    p.save();
    p.translate(3.25, 3.25);
    face(p);
    p.restore();
}

void drawTilePicture(QPainter &p, const QSizeF &size, const FaceFn &face)
{
    p.fillRect(QRectF(QPointF(), size), Qt::black);
    drawTile(p, face);
}

// ---------------------------------------------------------------- shared shapes

// A pointed leaf or petal from `base` to `tip`, `width` across its middle.
QPainterPath leafPath(const QPointF &base, const QPointF &tip, qreal width, qreal bend = 0.0)
{
    const QPointF along = tip - base;
    const qreal len = std::hypot(along.x(), along.y());
    const QPointF n(-along.y() / len, along.x() / len);
    const QPointF mid = base + along * 0.5 + n * bend;
    QPainterPath path(base);
    path.quadTo(mid + n * width, tip);
    path.quadTo(mid - n * width, base);
    return path;
}

void fillLeaf(QPainter &p, const QPointF &base, const QPointF &tip, qreal width, const QColor &colour, qreal bend = 0.0)
{
    QLinearGradient g(base, tip);
    g.setColorAt(0.0, colour.darker(125));
    g.setColorAt(1.0, colour.lighter(115));
    p.fillPath(leafPath(base, tip, width, bend), g);
}

// A five-petalled blossom.
void drawBlossom(QPainter &p, const QPointF &c, qreal r, const QColor &petal, qreal turn = 0.0)
{
    p.setPen(QPen(petal.darker(135), r * 0.1));
    QRadialGradient g(c, r * 1.1);
    g.setColorAt(0.0, petal.lighter(125));
    g.setColorAt(1.0, petal);
    p.setBrush(g);
    for (int i = 0; i < 5; ++i) {
        const qreal a = qDegreesToRadians(turn + i * 72.0 - 90.0);
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.55, r * 0.5, r * 0.5);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf2, 0xc0, 0x20));
    p.drawEllipse(c, r * 0.28, r * 0.28);
}

// ---------------------------------------------------------------- bamboo suit

// A bamboo stick: rounded, shaded across, with a node at both ends and in
// the middle.
void drawStick(QPainter &p, const QPointF &centre, qreal length, const QColor &colour, qreal angle = 0.0,
               qreal width = 4.4)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF body(-width / 2, -length / 2, width, length);
    QLinearGradient g(body.left(), 0, body.right(), 0);
    g.setColorAt(0.0, colour.darker(150));
    g.setColorAt(0.35, colour.lighter(135));
    g.setColorAt(1.0, colour.darker(130));
    p.setPen(QPen(colour.darker(190), 0.45));
    p.setBrush(g);
    p.drawRoundedRect(body, width * 0.4, width * 0.4);

    p.setPen(Qt::NoPen);
    p.setBrush(colour.darker(175));
    for (qreal y : {-length / 2 + width * 0.35, 0.0, length / 2 - width * 0.35})
        p.drawRoundedRect(QRectF(-width * 0.62, y - width * 0.17, width * 1.24, width * 0.34), width * 0.15,
                          width * 0.15);
    p.restore();
}

struct Stick {
    qreal x, y;
    bool red = false;
    qreal angle = 0.0;
};

void drawSticks(QPainter &p, const QList<Stick> &sticks, qreal length)
{
    for (const Stick &s : sticks)
        drawStick(p, QPointF(s.x, s.y), length, s.red ? kRed : kGreen, s.angle);
}

void faceBamboo(QPainter &p, int n)
{
    constexpr qreal top = 14.5, bottom = 37.5, length = 18.0;
    switch (n) {
    case 2:
        drawSticks(p, {{15, top}, {15, bottom}}, length);
        break;
    case 3:
        drawSticks(p, {{15, top}, {8.5, bottom}, {21.5, bottom}}, length);
        break;
    case 4:
        drawSticks(p, {{8.5, top}, {21.5, top}, {8.5, bottom}, {21.5, bottom}}, length);
        break;
    case 5:
        drawSticks(p, {{5.5, top}, {24.5, top}, {5.5, bottom}, {24.5, bottom}}, length);
        drawSticks(p, {{15, 26, true}}, length);
        break;
    case 6:
        drawSticks(p, {{5.5, top}, {15, top}, {24.5, top}, {5.5, bottom}, {15, bottom}, {24.5, bottom}}, length);
        break;
    case 7:
        drawSticks(p, {{15, 8, true}}, 14.0);
        drawSticks(p, {{5.5, 25}, {15, 25}, {24.5, 25}, {5.5, 43.5}, {15, 43.5}, {24.5, 43.5}}, 15.0);
        break;
    case 8:
        // Upper row an M, lower row a W: the inner pair leans together.
        drawSticks(p,
                   {{3.0, top},
                    {11.3, top, false, -14},
                    {18.7, top, false, 14},
                    {27.0, top},
                    {3.0, bottom},
                    {11.3, bottom, false, 14},
                    {18.7, bottom, false, -14},
                    {27.0, bottom}},
                   length);
        break;
    case 9:
        for (qreal y : {8.5, 26.0, 43.5})
            drawSticks(p, {{5.5, y}, {15, y, true}, {24.5, y}}, 15.0);
        break;
    }
}

// One Bamboo: the peacock, its fanned tail full of eyes behind a blue body.
void facePeacock(QPainter &p)
{
    const QPointF base(15, 31);
    const qreal rx = 15.5, ry = 23.0;
    // The fanned tail.
    QPainterPath fan(base);
    fan.arcTo(QRectF(base.x() - rx, base.y() - ry, 2 * rx, 2 * ry), -12, 204);
    fan.closeSubpath();
    QRadialGradient tail(base, ry);
    tail.setColorAt(0.0, QColor(0x2f, 0x8a, 0x3e));
    tail.setColorAt(0.7, QColor(0x4f, 0xa8, 0x42));
    tail.setColorAt(1.0, QColor(0x8d, 0xb8, 0x3a));
    p.setPen(QPen(QColor(0x1f, 0x5e, 0x2a), 0.6));
    p.setBrush(tail);
    p.drawPath(fan);
    // Feather shafts, then an eye at the end of each.
    constexpr int feathers = 9;
    for (int ring = 0; ring < 2; ++ring) {
        const qreal reach = ring == 0 ? 0.8 : 0.5;
        const int count = ring == 0 ? feathers : feathers - 3;
        for (int i = 0; i < count; ++i) {
            const qreal a = qDegreesToRadians(180.0 + 4.0 + (172.0 / (count - 1)) * i);
            const QPointF eye = base + QPointF(std::cos(a) * rx * reach, std::sin(a) * ry * reach);
            if (ring == 0) {
                p.setPen(QPen(QColor(0xc8, 0xb0, 0x40), 0.5));
                p.drawLine(base, eye);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0xe0, 0xb8, 0x30));
            p.drawEllipse(eye, 2.3, 2.6);
            p.setBrush(QColor(0x10, 0x9c, 0x96));
            p.drawEllipse(eye, 1.6, 1.9);
            p.setBrush(QColor(0x12, 0x24, 0x80));
            p.drawEllipse(eye, 0.9, 1.0);
        }
    }
    // Legs.
    p.setPen(QPen(QColor(0x8a, 0x5a, 0x20), 0.9, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13.6, 41), QPointF(12.8, 50));
    p.drawLine(QPointF(16.4, 41), QPointF(17.2, 50));
    p.drawLine(QPointF(12.8, 50), QPointF(10.8, 51));
    p.drawLine(QPointF(17.2, 50), QPointF(19.2, 51));
    // Body and neck in one sweep, head turned to the left.
    QPainterPath bird;
    bird.moveTo(15, 45);
    bird.cubicTo(9.5, 44, 9.5, 33, 12.5, 29);
    bird.cubicTo(13.5, 27, 12.2, 22, 12.6, 19.5);
    bird.cubicTo(12.8, 16.5, 16.6, 16.5, 16.6, 19.5);
    bird.cubicTo(16.4, 23, 16.2, 26, 17.5, 29);
    bird.cubicTo(20.5, 33, 20.5, 44, 15, 45);
    QLinearGradient blue(10, 0, 20, 0);
    blue.setColorAt(0.0, QColor(0x12, 0x3a, 0xa8));
    blue.setColorAt(0.45, QColor(0x35, 0x70, 0xe0));
    blue.setColorAt(1.0, QColor(0x0c, 0x2a, 0x80));
    p.setPen(QPen(QColor(0x08, 0x1c, 0x5c), 0.5));
    p.setBrush(blue);
    p.drawPath(bird);
    // A wing on the body.
    p.setPen(Qt::NoPen);
    p.fillPath(leafPath(QPointF(13, 30.5), QPointF(17.5, 43), 2.4, 0.8), QColor(0x0a, 0x5c, 0x6a));
    // Beak, eye and crest.
    QPainterPath beak;
    beak.moveTo(12.9, 18.6);
    beak.lineTo(10.6, 19.8);
    beak.lineTo(12.9, 20.6);
    p.fillPath(beak, QColor(0xd8, 0x90, 0x20));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(14.3, 18.9), 0.75, 0.75);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(14.1, 18.9), 0.4, 0.4);
    p.setPen(QPen(QColor(0x12, 0x3a, 0xa8), 0.45));
    for (const QPointF tip : {QPointF(13.2, 13.6), QPointF(14.8, 13.2), QPointF(16.4, 13.8)}) {
        p.drawLine(QPointF(14.7, 17.2), tip);
        p.setBrush(QColor(0x20, 0x60, 0xd0));
        p.drawEllipse(tip, 0.7, 0.7);
    }
}

// ---------------------------------------------------------------- character suit

const std::array<QString, 10> kNumerals = {
    QString(),
    QStringLiteral("一"),
    QStringLiteral("二"),
    QStringLiteral("三"),
    QStringLiteral("四"),
    QStringLiteral("五"),
    QStringLiteral("六"),
    QStringLiteral("七"),
    QStringLiteral("八"),
    QStringLiteral("九"),
};

void faceCharacter(QPainter &p, int n)
{
    drawGlyph(p, kNumerals.at(n), 22.0, QPointF(15, 11.5), kInk);
    drawGlyph(p, QStringLiteral("萬"), 27.0, QPointF(15, 37.5), kRed);
}

// ---------------------------------------------------------------- circle suit

// A circle of the circles suit: a coloured coin with an ivory ring and a
// coloured centre.
void drawCoin(QPainter &p, const QPointF &c, qreal r, const QColor &colour)
{
    QRadialGradient g(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
    g.setColorAt(0.0, colour.lighter(150));
    g.setColorAt(0.6, colour);
    g.setColorAt(1.0, colour.darker(150));
    p.setPen(QPen(colour.darker(190), qMax(0.45, r * 0.07)));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(kIvory, r * 0.15));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.6, r * 0.6);
    p.setPen(Qt::NoPen);
    p.setBrush(kIvory);
    p.drawEllipse(c, r * 0.17, r * 0.17);
}

// One Circle: a large ornamented disc, green rim around a red and blue flower.
void facePearl(QPainter &p)
{
    const QPointF c(15, 26);
    drawCoin(p, c, 14.0, kGreen);
    p.setPen(Qt::NoPen);
    p.setBrush(kIvory);
    for (int i = 0; i < 16; ++i) {
        const qreal a = qDegreesToRadians(i * 22.5);
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 11.6, 0.8, 0.8);
    }
    p.setBrush(kRed);
    p.drawEllipse(c, 7.4, 7.4);
    for (int i = 0; i < 8; ++i) {
        const qreal a = qDegreesToRadians(i * 45.0 + 22.5);
        p.setBrush(kBlue);
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * 4.3, 1.9, 1.9);
    }
    p.setBrush(kIvory);
    p.drawEllipse(c, 2.2, 2.2);
    p.setBrush(kRed);
    p.drawEllipse(c, 1.1, 1.1);
}

struct Coin {
    qreal x, y;
    QColor colour;
};

void drawCoins(QPainter &p, const QList<Coin> &coins, qreal r)
{
    for (const Coin &c : coins)
        drawCoin(p, QPointF(c.x, c.y), r, c.colour);
}

void faceCircles(QPainter &p, int n)
{
    switch (n) {
    case 2:
        drawCoins(p, {{15, 13.5, kGreen}, {15, 38.5, kBlue}}, 9.5);
        break;
    case 3:
        drawCoins(p, {{7, 9, kBlue}, {15, 26, kRed}, {23, 43, kGreen}}, 6.8);
        break;
    case 4:
        drawCoins(p, {{8, 15, kBlue}, {22, 15, kGreen}, {8, 37, kGreen}, {22, 37, kBlue}}, 6.8);
        break;
    case 5:
        drawCoins(p, {{7.5, 10.5, kBlue}, {22.5, 10.5, kGreen}, {7.5, 41.5, kGreen}, {22.5, 41.5, kBlue}}, 6.6);
        drawCoins(p, {{15, 26, kRed}}, 6.6);
        break;
    case 6:
        drawCoins(p, {{8, 8.5, kGreen}, {22, 8.5, kGreen}}, 6.3);
        drawCoins(p, {{8, 29, kRed}, {22, 29, kRed}, {8, 44, kRed}, {22, 44, kRed}}, 6.3);
        break;
    case 7:
        drawCoins(p, {{5.5, 5.5, kGreen}, {15, 10, kGreen}, {24.5, 14.5, kGreen}}, 4.9);
        drawCoins(p, {{8, 30, kRed}, {22, 30, kRed}, {8, 44.5, kRed}, {22, 44.5, kRed}}, 6.3);
        break;
    case 8:
        for (qreal y : {7.0, 19.5, 32.5, 45.0})
            drawCoins(p, {{8, y, kBlue}, {22, y, kBlue}}, 5.9);
        break;
    case 9: {
        const QColor rows[] = {kBlue, kRed, kGreen};
        for (int r = 0; r < 3; ++r)
            drawCoins(p, {{5.5, 9.0 + 17 * r, rows[r]}, {15, 9.0 + 17 * r, rows[r]}, {24.5, 9.0 + 17 * r, rows[r]}},
                      5.2);
        break;
    }
    }
}

// ---------------------------------------------------------------- honours

void faceBigGlyph(QPainter &p, const QString &glyph, const QColor &colour)
{
    fitGlyph(p, glyph, QRectF(1, 6, 28, 40), colour);
}

// The white dragon: an empty blue frame.
void faceWhiteDragon(QPainter &p)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 2.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(3, 5, 24, 42));
    p.setPen(QPen(kBlue, 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(6.5, 8.5, 17, 35));
}

// ---------------------------------------------------------------- flowers and seasons

// The corner marks of a flower or season tile: its number at the top left
// and its character at the top right.
void drawBonusMarks(QPainter &p, int number, const QString &glyph, const QColor &colour)
{
    static const QString digits = artgen::requireFamily(QStringLiteral("DejaVu Serif"));
    drawGlyph(p, QString::number(number), 11.0, QPointF(4.0, 6.5), colour, digits);
    fitGlyph(p, glyph, QRectF(12.5, 0, 17.5, 16.5), colour);
}

// Motifs below the marks, drawn in the box (0, 17)-(30, 52).
void motifPlum(QPainter &p)
{
    const QColor bark(0x5a, 0x3a, 0x24);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(bark, 2.4, Qt::SolidLine, Qt::RoundCap));
    QPainterPath branch(QPointF(3, 52));
    branch.cubicTo(6, 44, 12, 42, 13, 34);
    branch.cubicTo(14, 28, 19, 27, 24, 22.5);
    p.drawPath(branch);
    p.setPen(QPen(bark, 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 40), QPointF(23, 38));
    p.drawLine(QPointF(13.5, 31), QPointF(6, 24));
    const QColor pink(0xf0, 0x8c, 0xb0);
    drawBlossom(p, QPointF(24, 22.5), 4.5, pink, 10);
    drawBlossom(p, QPointF(6.5, 25.5), 4.2, pink, 30);
    drawBlossom(p, QPointF(22, 38.5), 4.4, pink, 0);
    drawBlossom(p, QPointF(14, 31.5), 3.4, pink, 45);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xd0, 0x50, 0x80));
    p.drawEllipse(QPointF(8, 45), 1.4, 1.4);
    p.drawEllipse(QPointF(18.5, 26), 1.2, 1.2);
}

void motifOrchid(QPainter &p)
{
    const QColor leaf(0x2a, 0x7a, 0x30);
    fillLeaf(p, QPointF(14, 52), QPointF(1, 22), 1.6, leaf, -5);
    fillLeaf(p, QPointF(15, 52), QPointF(29, 28), 1.5, leaf, 4);
    fillLeaf(p, QPointF(15, 52), QPointF(22, 18), 1.3, leaf, -3);
    fillLeaf(p, QPointF(14, 52), QPointF(5, 38), 1.4, leaf, 2);
    // Flower stalk and two flowers: three sepals, two petals and a dark lip.
    p.setPen(QPen(QColor(0x4a, 0x7a, 0x30), 0.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath stalk(QPointF(15, 52));
    stalk.quadTo(13, 36, 11, 27);
    p.drawPath(stalk);
    const QColor petal(0xb0, 0x60, 0xc8);
    for (const QPointF c : {QPointF(11, 26), QPointF(19.5, 36)}) {
        for (int i = 0; i < 5; ++i) {
            const qreal a = qDegreesToRadians(-90.0 + i * 72.0);
            fillLeaf(p, c, c + QPointF(std::cos(a), std::sin(a)) * 6.0, 1.7, petal);
        }
        p.fillPath(leafPath(c, c + QPointF(0, 3.6), 1.8), QColor(0x6a, 0x1a, 0x70));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xf2, 0xd0, 0x30));
        p.drawEllipse(c, 0.9, 0.9);
    }
}

void motifChrysanthemum(QPainter &p)
{
    const QColor leaf(0x2e, 0x78, 0x2c);
    p.setPen(QPen(leaf.darker(120), 1.2));
    p.drawLine(QPointF(15, 36), QPointF(15, 52));
    fillLeaf(p, QPointF(15, 47), QPointF(4, 41), 3.0, leaf, 1);
    fillLeaf(p, QPointF(15, 44), QPointF(26, 40), 3.0, leaf, -1);
    const QPointF c(15, 29);
    for (int layer = 0; layer < 2; ++layer) {
        const qreal len = layer == 0 ? 11.0 : 7.5;
        const QColor colour = layer == 0 ? QColor(0xf0, 0xa0, 0x18) : QColor(0xfb, 0xcf, 0x2a);
        const int count = layer == 0 ? 20 : 14;
        for (int i = 0; i < count; ++i) {
            const qreal a = qDegreesToRadians((360.0 / count) * (i + layer * 0.5));
            const QPointF tip = c + QPointF(std::cos(a), std::sin(a)) * len;
            QPainterPath petal = leafPath(c, tip, 1.4);
            p.fillPath(petal, colour);
            p.strokePath(petal, QPen(colour.darker(150), 0.3));
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xc0, 0x60, 0x10));
    p.drawEllipse(c, 2.4, 2.4);
}

void motifBamboo(QPainter &p)
{
    drawStick(p, QPointF(10, 36), 32, kGreen, -6, 3.6);
    drawStick(p, QPointF(20.5, 38), 28, kGreen.lighter(115), 7, 3.0);
    const QColor leaf(0x1e, 0x6a, 0x2a);
    struct Leaf {
        QPointF base, tip;
    };
    const Leaf leaves[] = {
        {{11, 26}, {1, 22}},  {{11, 26}, {2, 29}},  {{11, 26}, {4, 18}},  {{20, 30}, {29, 24}},
        {{20, 30}, {29, 31}}, {{20, 30}, {27, 20}}, {{9.5, 42}, {1, 47}}, {{21, 44}, {29, 48}},
    };
    for (const Leaf &l : leaves)
        fillLeaf(p, l.base, l.tip, 1.5, leaf);
}

void motifSpring(QPainter &p)
{
    // A seedling opening in fresh soil, with a pink bud.
    QPainterPath soil(QPointF(2, 52));
    soil.quadTo(15, 40, 28, 52);
    soil.closeSubpath();
    p.fillPath(soil, QColor(0x8a, 0x5a, 0x30));
    p.setPen(QPen(QColor(0x3a, 0x8a, 0x2a), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem(QPointF(15, 47));
    stem.cubicTo(14, 40, 17, 33, 15, 26);
    p.drawPath(stem);
    const QColor leaf(0x4c, 0xb0, 0x32);
    fillLeaf(p, QPointF(15, 40), QPointF(3, 31), 3.6, leaf, -2);
    fillLeaf(p, QPointF(15.5, 36), QPointF(27, 28), 3.4, leaf, 2);
    fillLeaf(p, QPointF(15, 27), QPointF(15, 18.5), 3.2, QColor(0xf0, 0x7c, 0xa4));
    fillLeaf(p, QPointF(15, 27), QPointF(11, 20), 2.2, QColor(0xe0, 0x5c, 0x8c));
    fillLeaf(p, QPointF(15, 27), QPointF(19, 20), 2.2, QColor(0xe0, 0x5c, 0x8c));
}

void motifSummer(QPainter &p)
{
    // A blazing sun over the sea.
    const QPointF c(15, 32.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf0, 0x90, 0x10));
    for (int i = 0; i < 12; ++i) {
        const qreal a = qDegreesToRadians(i * 30.0);
        const QPointF dir(std::cos(a), std::sin(a)), side(-dir.y(), dir.x());
        QPainterPath ray(c + dir * 7.5 + side * 1.8);
        ray.lineTo(c + dir * 11.5);
        ray.lineTo(c + dir * 7.5 - side * 1.8);
        p.drawPath(ray);
    }
    QRadialGradient sun(c - QPointF(2, 2), 8);
    sun.setColorAt(0.0, QColor(0xff, 0xe0, 0x50));
    sun.setColorAt(1.0, QColor(0xe8, 0x40, 0x10));
    p.setBrush(sun);
    p.drawEllipse(c, 6.8, 6.8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kBlue, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (qreal y : {46.5, 50.5}) {
        QPainterPath wave(QPointF(1, y));
        for (int i = 0; i < 4; ++i)
            wave.quadTo(QPointF(4.5 + 7 * i, y - 2.4), QPointF(8 + 7 * i, y));
        p.drawPath(wave);
    }
}

void motifAutumn(QPainter &p)
{
    // A red maple leaf: the right half of its outline, mirrored.
    const QPointF half[] = {
        {0, -11},    {1.6, -7.2}, {2.6, -7.8}, {3.0, -3.4}, {8.2, -7.4}, {7.4, -4.4}, {9.6, -3.8},
        {6.6, -0.4}, {10.2, 2.0}, {6.2, 2.4},  {5.4, 4.6},  {1.2, 3.0},  {0.6, 5.0},
    };
    QPolygonF outline;
    for (const QPointF &pt : half)
        outline << pt;
    for (int i = int(std::size(half)) - 1; i >= 0; --i)
        outline << QPointF(-half[i].x(), half[i].y());
    QTransform t;
    t.translate(15, 32);
    t.scale(1.35, 1.35);
    t.rotate(-12);
    p.setPen(QPen(QColor(0x8a, 0x20, 0x10), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(t.map(QPointF(0, 3)), t.map(QPointF(0.8, 12)));
    QLinearGradient red(t.map(QPointF(0, -11)), t.map(QPointF(0, 5)));
    red.setColorAt(0.0, QColor(0xf0, 0x60, 0x18));
    red.setColorAt(1.0, QColor(0xc0, 0x18, 0x10));
    p.setPen(QPen(QColor(0x90, 0x18, 0x10), 0.5));
    p.setBrush(red);
    p.drawPolygon(t.map(outline));
    p.setPen(QPen(QColor(0x90, 0x20, 0x10), 0.45));
    for (const QPointF tip :
         {QPointF(0, -9.5), QPointF(7.4, -6.4), QPointF(-7.4, -6.4), QPointF(9, 1.6), QPointF(-9, 1.6)})
        p.drawLine(t.map(QPointF(0, 3)), t.map(tip * 0.85));
}

void motifWinter(QPainter &p)
{
    // A snowflake: six arms, each with two pairs of side branches.
    const QPointF c(15, 34);
    const QColor ice(0x2a, 0x68, 0xc0);
    p.setPen(QPen(ice, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(i * 60.0 - 90.0);
        const QPointF dir(std::cos(a), std::sin(a));
        p.drawLine(c, c + dir * 14.0);
        for (const qreal at : {6.0, 10.5}) {
            const qreal len = at < 8 ? 4.2 : 3.0;
            for (const qreal side : {-1.0, 1.0}) {
                const qreal b = a + side * qDegreesToRadians(50.0);
                p.drawLine(c + dir * at, c + dir * at + QPointF(std::cos(b), std::sin(b)) * len);
            }
        }
    }
    p.setPen(Qt::NoPen);
    p.setBrush(ice);
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = qDegreesToRadians(i * 60.0);
        hex << c + QPointF(std::cos(a), std::sin(a)) * 3.0;
    }
    p.drawPolygon(hex);
    p.setBrush(kIvory);
    p.drawEllipse(c, 1.2, 1.2);
}

FaceFn bonusFace(int number, const QString &glyph, const QColor &colour, void (*motif)(QPainter &))
{
    return [=](QPainter &p) {
        motif(p);
        drawBonusMarks(p, number, glyph, colour);
    };
}

// ---------------------------------------------------------------- the tile list

struct Tile {
    QString key, name;
    FaceFn face;
};

FaceFn bamboo(int n)
{
    return [n](QPainter &p) { n == 1 ? facePeacock(p) : faceBamboo(p, n); };
}
FaceFn character(int n)
{
    return [n](QPainter &p) { faceCharacter(p, n); };
}
FaceFn circles(int n)
{
    return [n](QPainter &p) { n == 1 ? facePearl(p) : faceCircles(p, n); };
}
FaceFn bigGlyph(const QString &g, const QColor &c)
{
    return [=](QPainter &p) { faceBigGlyph(p, g, c); };
}

// In the order of the program's tile list: the keys sorted alphabetically.
QList<Tile> tiles()
{
    const QColor flower = kRed, season = kBlue;
    return {
        {QStringLiteral("bamboo-carp.jpg"), QStringLiteral("4 Bamboo"), bamboo(4)},
        {QStringLiteral("bamboo-duck.jpg"), QStringLiteral("2 Bamboo"), bamboo(2)},
        {QStringLiteral("bamboo-fungus.jpg"), QStringLiteral("8 Bamboo"), bamboo(8)},
        {QStringLiteral("bamboo-lotus.jpg"), QStringLiteral("5 Bamboo"), bamboo(5)},
        {QStringLiteral("bamboo-peacock.jpg"), QStringLiteral("1 Bamboo"), bamboo(1)},
        {QStringLiteral("bamboo-toad.jpg"), QStringLiteral("3 Bamboo"), bamboo(3)},
        {QStringLiteral("bamboo-tortoise.jpg"), QStringLiteral("7 Bamboo"), bamboo(7)},
        {QStringLiteral("bamboo-water.jpg"), QStringLiteral("6 Bamboo"), bamboo(6)},
        {QStringLiteral("bamboo-willow.jpg"), QStringLiteral("9 Bamboo"), bamboo(9)},
        {QStringLiteral("character-earth.jpg"), QStringLiteral("3 Wan"), character(3)},
        {QStringLiteral("character-fire.jpg"), QStringLiteral("6 Wan"), character(6)},
        {QStringLiteral("character-heaven.jpg"), QStringLiteral("9 Wan"), character(9)},
        {QStringLiteral("character-house.jpg"), QStringLiteral("5 Wan"), character(5)},
        {QStringLiteral("character-knot.jpg"), QStringLiteral("8 Wan"), character(8)},
        {QStringLiteral("character-lute.jpg"), QStringLiteral("4 Wan"), character(4)},
        {QStringLiteral("character-opendoor.jpg"), QStringLiteral("1 Wan"), character(1)},
        {QStringLiteral("character-sword.jpg"), QStringLiteral("2 Wan"), character(2)},
        {QStringLiteral("character-thesevenstar.jpg"), QStringLiteral("7 Wan"), character(7)},
        {QStringLiteral("circle-dragon.jpg"), QStringLiteral("5 Circle"), circles(5)},
        {QStringLiteral("circle-insect.jpg"), QStringLiteral("7 Circle"), circles(7)},
        {QStringLiteral("circle-jade.jpg"), QStringLiteral("4 Circle"), circles(4)},
        {QStringLiteral("circle-peach.jpg"), QStringLiteral("6 Circle"), circles(6)},
        {QStringLiteral("circle-pearl.jpg"), QStringLiteral("1 Circle"), circles(1)},
        {QStringLiteral("circle-phoenix.jpg"), QStringLiteral("3 Circle"), circles(3)},
        {QStringLiteral("circle-pin.jpg"), QStringLiteral("2 Circle"), circles(2)},
        {QStringLiteral("circle-tiger.jpg"), QStringLiteral("8 Circle"), circles(8)},
        {QStringLiteral("circle-unicorn.jpg"), QStringLiteral("9 Circle"), circles(9)},
        {QStringLiteral("dragon-greendragon.jpg"), QStringLiteral("Green Dragon"),
         bigGlyph(QStringLiteral("發"), kGreen)},
        {QStringLiteral("dragon-reddragon.jpg"), QStringLiteral("Red Dragon"), bigGlyph(QStringLiteral("中"), kRed)},
        {QStringLiteral("dragon-whitedragon.jpg"), QStringLiteral("White Dragon"), faceWhiteDragon},
        {QStringLiteral("flower-bamboo.jpg"), QStringLiteral("Flowers Bamboo"),
         bonusFace(4, QStringLiteral("竹"), flower, motifBamboo)},
        {QStringLiteral("flower-chrys.jpg"), QStringLiteral("Flowers Chrysanthemum"),
         bonusFace(3, QStringLiteral("菊"), flower, motifChrysanthemum)},
        {QStringLiteral("flower-orchid.jpg"), QStringLiteral("Flowers Orchid"),
         bonusFace(2, QStringLiteral("蘭"), flower, motifOrchid)},
        {QStringLiteral("flower-plum.jpg"), QStringLiteral("Flowers Plum Blossom"),
         bonusFace(1, QStringLiteral("梅"), flower, motifPlum)},
        {QStringLiteral("season-autumn.jpg"), QStringLiteral("Seasons Autumn"),
         bonusFace(3, QStringLiteral("秋"), season, motifAutumn)},
        {QStringLiteral("season-spring.jpg"), QStringLiteral("Seasons Spring"),
         bonusFace(1, QStringLiteral("春"), season, motifSpring)},
        {QStringLiteral("season-summer.jpg"), QStringLiteral("Seasons Summer"),
         bonusFace(2, QStringLiteral("夏"), season, motifSummer)},
        {QStringLiteral("season-winter.jpg"), QStringLiteral("Seasons Winter"),
         bonusFace(4, QStringLiteral("冬"), season, motifWinter)},
        {QStringLiteral("wind-east.jpg"), QStringLiteral("Wind East"), bigGlyph(QStringLiteral("東"), kInk)},
        {QStringLiteral("wind-north.jpg"), QStringLiteral("Wind North"), bigGlyph(QStringLiteral("北"), kInk)},
        {QStringLiteral("wind-south.jpg"), QStringLiteral("Wind South"), bigGlyph(QStringLiteral("南"), kInk)},
        {QStringLiteral("wind-west.jpg"), QStringLiteral("Wind West"), bigGlyph(QStringLiteral("西"), kInk)},
    };
}

// The picture to click: six tiles in two staggered rows.
void drawStart(QPainter &p, const QSizeF &size, const QList<Tile> &all)
{
    p.fillRect(QRectF(QPointF(), size), Qt::black);
    const auto face = [&](const QString &key) {
        for (const Tile &t : all)
            if (t.key == key)
                return t.face;
        return FaceFn([](QPainter &) {});
    };
    struct Placed {
        QString key;
        QPointF at;
    };
    const Placed six[] = {
        {QStringLiteral("dragon-reddragon.jpg"), {0, 0}},     {QStringLiteral("wind-east.jpg"), {40, 0}},
        {QStringLiteral("circle-pearl.jpg"), {80, 0}},        {QStringLiteral("bamboo-peacock.jpg"), {0, 61}},
        {QStringLiteral("dragon-greendragon.jpg"), {40, 61}}, {QStringLiteral("character-knot.jpg"), {80, 61}},
    };
    constexpr qreal scale = 0.97;
    for (const Placed &t : six) {
        p.save();
        p.translate(t.at);
        p.scale(scale, scale);
        drawTile(p, face(t.key));
        p.restore();
    }
}

} // namespace

QList<Group> artgen::mahjongGroups()
{
    const QList<Tile> all = tiles();
    Group list{
        QStringLiteral("mahjong"), QStringLiteral("mahjong"), {}, QStringLiteral("Mahjong tiles (pictures 1-42)")};
    for (const Tile &t : all)
        list.pictures << Picture{t.key, kTileSize,
                                 [face = t.face](QPainter &p, const QSizeF &s) { drawTilePicture(p, s, face); },
                                 t.name + QStringLiteral(" \u00b7 ") + t.key.section(QLatin1Char('-'), 1)};

    Group start{QStringLiteral("mahjong-start"),
                QStringLiteral("mahjong"),
                {Picture{QStringLiteral("tiles.jpg"), QSize(119, 123),
                         [all](QPainter &p, const QSizeF &s) { drawStart(p, s, all); }}},
                QStringLiteral("Mahjong start picture")};
    return {list, start};
}
