// The application icon, the three mouse pointers and the five oracle icons.
//
// All of them are 32 x 32. Outlines are one logical pixel wide and are made by
// filling a shape in the outline colour and then its one-pixel inset in the
// body colour. Straight edges lie on whole pixels, so both the 1x and the 2x
// picture come out sharp. Light falls from the upper left on every icon.
#include "artgen.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <iterator>

namespace {

using artgen::Group;
using artgen::Picture;

const QSize kIconSize(32, 32);

QPainterPath roundedRect(const QRectF &r, qreal radius)
{
    QPainterPath p;
    p.addRoundedRect(r, radius, radius);
    return p;
}

QPainterPath ellipse(const QRectF &r)
{
    QPainterPath p;
    p.addEllipse(r);
    return p;
}

using artgen::polygon;

// The shape shrunk by d on every side, used for the body inside an outline.
QPainterPath inset(const QPainterPath &path, qreal d)
{
    QPainterPathStroker stroker;
    stroker.setWidth(2 * d);
    stroker.setJoinStyle(Qt::MiterJoin);
    stroker.setMiterLimit(4);
    return path.subtracted(stroker.createStroke(path)).simplified();
}

// A body with a one-pixel outline: outline colour under the whole shape, the
// body brush on its inset.
void outlined(QPainter &p, const QPainterPath &shape, const QColor &outline, const QBrush &body, qreal width = 1)
{
    p.setPen(Qt::NoPen);
    p.setBrush(outline);
    p.drawPath(shape);
    p.setBrush(body);
    p.drawPath(inset(shape, width));
}

// Top-left light: lighter at the upper left corner of r, darker at the lower right.
QLinearGradient lit(const QRectF &r, const QColor &light, const QColor &dark)
{
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

// A four-pointed sparkle centred on c.
QPainterPath sparkle(const QPointF &c, qreal r, qreal waist = 0.22)
{
    const qreal w = r * waist;
    QPainterPath p(QPointF(c.x(), c.y() - r));
    p.quadTo(c + QPointF(w, -w), QPointF(c.x() + r, c.y()));
    p.quadTo(c + QPointF(w, w), QPointF(c.x(), c.y() + r));
    p.quadTo(c + QPointF(-w, w), QPointF(c.x() - r, c.y()));
    p.quadTo(c + QPointF(-w, -w), QPointF(c.x(), c.y() - r));
    p.closeSubpath();
    return p;
}

// A small glossy spot, the shared highlight of the oracle icons.
void gloss(QPainter &p, const QRectF &r, int alpha = 200)
{
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(255, 255, 255, alpha));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
}

// ---------------------------------------------------------------------------
// Application icon: a crystal ball full of stars on a golden stand.

const QColor kGoldLight(0xff, 0xe8, 0x8a);
const QColor kGold(0xe8, 0xb0, 0x2a);
const QColor kGoldDark(0xa8, 0x6e, 0x08);
const QColor kGoldOutline(0x5a, 0x36, 0x00);

// Drawn for the size asked, not scaled from one size: edges fall on whole
// pixels, the outline stays at least one pixel wide, and the smallest sizes
// leave out the stars that would blur into the glass.
void drawApplicationIcon(QPainter &p, const QSizeF &size)
{
    const qreal u = size.width() / 32;
    const qreal line = qMax(1.0, qRound(size.width() / 48.0) * 1.0);
    const auto at = [u](qreal x, qreal y) { return QPointF(x * u, y * u); };
    const auto snapped = [u](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(qRound(x * u), qRound(y * u), qRound(w * u), qRound(h * u));
    };
    const QColor ink(0x12, 0x0a, 0x30);

    // Foot of the stand, behind the ball.
    const QRectF foot = snapped(5, 26, 22, 5);
    outlined(p, roundedRect(foot, 2 * u), kGoldOutline, lit(foot, kGoldLight, kGoldDark), line);

    // The ball: deep violet glass lit from the upper left, with light thrown
    // back along its lower rim so it still reads on a dark task bar.
    const QRectF ball = snapped(3, 1, 26, 26);
    QRadialGradient glass(at(11, 8), 22 * u, at(10, 7));
    glass.setColorAt(0.0, QColor(0xc8, 0xb8, 0xff));
    glass.setColorAt(0.25, QColor(0x7a, 0x5c, 0xe6));
    glass.setColorAt(0.6, QColor(0x3a, 0x24, 0xa8));
    glass.setColorAt(1.0, QColor(0x1a, 0x10, 0x5c));
    outlined(p, ellipse(ball), ink, glass, line);

    QRadialGradient rim(ball.center() + at(0, -3), 12.5 * u);
    rim.setColorAt(0.78, QColor(0x9a, 0x80, 0xff, 0));
    rim.setColorAt(1.0, QColor(0xb0, 0x98, 0xff, 190));
    p.setBrush(rim);
    p.drawPath(inset(ellipse(ball), line));

    // Stars.
    p.setBrush(kGoldLight);
    p.drawPath(sparkle(at(15.5, 13.5), 7 * u));
    p.setBrush(QColor(0xff, 0xff, 0xff));
    p.drawPath(sparkle(at(15.5, 13.5), 2.6 * u));
    p.setBrush(kGoldLight);
    if (size.width() >= 22) {
        p.drawPath(sparkle(at(22.5, 7.5), 3 * u));
        p.drawPath(sparkle(at(21.5, 19.5), 2 * u));
    }
    if (size.width() >= 32)
        p.drawEllipse(at(9.5, 19.5), 0.9 * u, 0.9 * u);
    if (size.width() >= 64) {
        // room for a few faint far stars
        for (const QPointF &star : {at(8, 11), at(12, 6.5), at(25, 13), at(18, 22.5), at(11.5, 23)})
            p.drawEllipse(star, 0.35 * u, 0.35 * u);
    }

    gloss(p, QRectF(at(6, 4), at(14, 10)), 220);

    // Collar of the stand in front of the ball's base.
    const QRectF collarTop = snapped(8, 22, 16, 3);
    const QRectF collarBox = snapped(8, 22, 16, 6);
    QPainterPath collar = polygon({collarBox.topLeft(), collarBox.topRight(),
                                   QPointF(collarBox.right() - qRound(2 * u), collarBox.bottom()),
                                   QPointF(collarBox.left() + qRound(2 * u), collarBox.bottom())});
    collar = collar.united(roundedRect(collarTop, 1.5 * u));
    outlined(p, collar, kGoldOutline, lit(collarBox, kGoldLight, kGold), line);
}

// ---------------------------------------------------------------------------
// Pointing hands. The hand is built from whole-pixel rounded parts; each part
// gets its own inset, so where two fingers meet a one-pixel crease remains,
// while parts that overlap (finger into palm) merge into one body.

struct HandStyle {
    QColor outline;
    QBrush skin;
    QColor cuffOutline;
    QBrush cuff;
};

// The thumb, folded out to the left and up.
QPainterPath thumb()
{
    QPainterPath line(QPointF(3.5, 16.5));
    line.lineTo(7.5, 21.5);
    QPainterPathStroker stroker;
    stroker.setWidth(5);
    stroker.setCapStyle(Qt::RoundCap);
    return stroker.createStroke(line).simplified();
}

// The index fingertip covers pixels (7, 1) and (8, 1); the hotspot is (7, 1).
QList<QPainterPath> handParts()
{
    return {
        roundedRect(QRectF(5, 1, 6, 18), 3),    // index
        roundedRect(QRectF(10, 10, 6, 9), 3),   // middle
        roundedRect(QRectF(15, 11, 6, 8), 3),   // ring
        roundedRect(QRectF(20, 13, 5, 7), 2.5), // little
        roundedRect(QRectF(5, 16, 20, 12), 3),  // palm
        thumb(),
    };
}

void drawHand(QPainter &p, const HandStyle &style)
{
    const QList<QPainterPath> parts = handParts();
    p.setPen(Qt::NoPen);
    p.setBrush(style.outline);
    for (const QPainterPath &part : parts)
        p.drawPath(part);
    p.setBrush(style.skin);
    for (const QPainterPath &part : parts)
        p.drawPath(inset(part, 1));

    // Sleeve cuff.
    const QPainterPath cuff = roundedRect(QRectF(7, 27, 17, 5), 1);
    p.setBrush(style.cuffOutline);
    p.drawPath(cuff);
    p.setBrush(style.cuff);
    p.drawPath(inset(cuff, 1));
}

void drawLinkPointer(QPainter &p, const QSizeF &)
{
    drawHand(p, {Qt::black, Qt::white, Qt::black, Qt::white});
}

void drawReadingPointer(QPainter &p, const QSizeF &)
{
    const QColor skinLight(0xff, 0xe6, 0xcc), skinDark(0xf0, 0xb0, 0x80);
    const QRectF box(1, 1, 24, 27);
    drawHand(p, {QColor(0x4a, 0x22, 0x10), lit(box, skinLight, skinDark), QColor(0x22, 0x0c, 0x48),
                 lit(QRectF(7, 27, 17, 5), QColor(0xa0, 0x70, 0xff), QColor(0x50, 0x28, 0xb0))});

    // A gold band on the cuff and a sparkle beside the fingertip.
    p.setBrush(kGold);
    p.drawRect(QRectF(8, 28, 15, 1));
    p.setBrush(kGoldOutline);
    p.drawPath(sparkle(QPointF(18, 5), 5));
    p.setBrush(lit(QRectF(13, 0, 10, 10), kGoldLight, kGold));
    p.drawPath(sparkle(QPointF(18, 5), 3.6));
    p.setBrush(kGoldOutline);
    p.drawPath(sparkle(QPointF(25, 9), 2.5));
    p.setBrush(kGoldLight);
    p.drawPath(sparkle(QPointF(25, 9), 1.4));
}

// Two colours only, so no antialiasing: every pixel is black, white or clear.
void drawPromoPointer(QPainter &p, const QSizeF &)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);

    // A bold black arrow with a white edge, tip at (1, 1).
    const QPainterPath arrow = polygon({{1, 1}, {1, 20}, {5, 16}, {8, 23}, {13, 21}, {10, 15}, {15, 15}});
    p.setBrush(Qt::white);
    p.drawPath(arrow);
    p.setBrush(Qt::black);
    p.drawPath(inset(arrow, 1));

    // A globe, the sign of the web: black with white lines of latitude and
    // longitude, and a white edge so it shows on any background.
    const QRectF globe(16, 16, 15, 15);
    p.setBrush(Qt::white);
    p.drawEllipse(globe.adjusted(-1, -1, 1, 1));
    p.setBrush(Qt::black);
    p.drawEllipse(globe);
    p.setClipPath(ellipse(globe.adjusted(1, 1, -1, -1)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(16, 23, 15, 1)); // equator
    p.drawRect(QRectF(23, 16, 1, 15)); // central meridian
    p.drawPath(ellipse(QRectF(19, 16, 9, 15)).subtracted(ellipse(QRectF(20, 17, 7, 13))));
    p.setClipping(false);
}

// ---------------------------------------------------------------------------
// Oracle icons.

// A tree whose trunk is a stave carved with Ogham strokes.
void drawOghamIcon(QPainter &p, const QSizeF &)
{
    const QRectF trunk(12, 14, 8, 17);
    outlined(p, roundedRect(trunk, 1), QColor(0x38, 0x1e, 0x08),
             lit(trunk, QColor(0xb0, 0x74, 0x3c), QColor(0x6e, 0x40, 0x18)));

    // The crown: three overlapping rounds of leaves.
    QPainterPath crown =
        ellipse(QRectF(3, 5, 14, 13)).united(ellipse(QRectF(15, 5, 14, 13))).united(ellipse(QRectF(8, 1, 16, 15)));
    outlined(p, crown, QColor(0x12, 0x3c, 0x10),
             lit(QRectF(3, 1, 26, 17), QColor(0x8c, 0xd8, 0x5a), QColor(0x22, 0x7a, 0x22)));
    gloss(p, QRectF(9, 3, 8, 6), 150);

    // Carved stem line and strokes, pale wood showing through the bark.
    p.setBrush(QColor(0xf0, 0xd4, 0xa0));
    p.drawRect(QRectF(15, 18, 2, 12));
    p.drawRect(QRectF(17, 20, 2, 1));
    p.drawRect(QRectF(17, 22, 2, 1));
    p.drawRect(QRectF(13, 25, 2, 1));
    p.drawRect(QRectF(13, 27, 6, 1));
}

void drawDominoIcon(QPainter &p, const QSizeF &)
{
    const QRectF face(8, 1, 16, 30);
    outlined(p, roundedRect(face, 3), QColor(0x08, 0x1c, 0x52),
             lit(face, QColor(0x7c, 0xb4, 0xff), QColor(0x16, 0x4c, 0xc0)));
    gloss(p, QRectF(9, 2, 9, 7), 170);

    // Divider.
    p.setBrush(QColor(0x08, 0x1c, 0x52));
    p.drawRect(QRectF(10, 15, 12, 1));
    p.setBrush(QColor(0xb8, 0xd8, 0xff));
    p.drawRect(QRectF(10, 16, 12, 1));

    auto pip = [&](qreal x, qreal y) {
        QRadialGradient g(QPointF(x - 0.6, y - 0.6), 2.2);
        g.setColorAt(0, QColor(0x60, 0x60, 0x70));
        g.setColorAt(0.5, QColor(0x10, 0x10, 0x18));
        g.setColorAt(1, Qt::black);
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), 1.8, 1.8);
    };
    // Three above, five below.
    pip(12.5, 4.5);
    pip(16, 8);
    pip(19.5, 11.5);
    pip(12.5, 20);
    pip(19.5, 20);
    pip(16, 23.5);
    pip(12.5, 27);
    pip(19.5, 27);
}

void drawMahjongIcon(QPainter &p, const QSizeF &)
{
    const QColor edge(0x4a, 0x38, 0x18);
    // Green back showing below and to the right of the ivory face.
    const QRectF back(7, 3, 20, 28);
    outlined(p, roundedRect(back, 3), QColor(0x0c, 0x3a, 0x1c),
             lit(back, QColor(0x4c, 0xb0, 0x60), QColor(0x14, 0x6a, 0x30)));
    const QRectF face(5, 1, 20, 28);
    outlined(p, roundedRect(face, 3), edge, lit(face, QColor(0xff, 0xfc, 0xf0), QColor(0xe8, 0xda, 0xb8)));

    // The red centre character, built from strokes on whole pixels.
    const QColor red(0xd0, 0x18, 0x18);
    p.setBrush(red);
    p.drawRect(QRectF(14, 4, 2, 22)); // vertical through the box
    p.drawRect(QRectF(8, 9, 14, 2));  // box top
    p.drawRect(QRectF(8, 9, 2, 10));  // box left
    p.drawRect(QRectF(20, 9, 2, 10)); // box right
    p.drawRect(QRectF(8, 17, 14, 2)); // box bottom
    gloss(p, QRectF(6, 2, 7, 5), 150);
}

// A golden horseshoe, open end up, holding a four-leaf clover.
void drawGoodLuckIcon(QPainter &p, const QSizeF &)
{
    QPainterPath shoe;
    shoe.moveTo(3, 5);
    shoe.lineTo(10, 5);
    shoe.lineTo(10, 17);
    shoe.arcTo(QRectF(10, 11, 12, 12), 180, 180);
    shoe.lineTo(22, 5);
    shoe.lineTo(29, 5);
    shoe.lineTo(29, 17);
    shoe.arcTo(QRectF(3, 4, 26, 26), 0, -180);
    shoe.closeSubpath();
    outlined(p, shoe, kGoldOutline, lit(QRectF(3, 4, 26, 26), kGoldLight, kGoldDark));
    // Nail holes.
    p.setBrush(kGoldOutline);
    for (const QPointF &c : {QPointF(6.5, 9.5), QPointF(6.5, 14.5), QPointF(25.5, 9.5), QPointF(25.5, 14.5),
                             QPointF(9.5, 24.5), QPointF(22.5, 24.5)})
        p.drawRect(QRectF(c.x() - 0.5, c.y() - 0.5, 1, 1));

    // The clover: a short stem, then four heart-shaped leaves, each with its
    // own outline so the dark lines between them show at 32 pixels.
    const QColor cloverOutline(0x10, 0x40, 0x10);
    QPainterPath stem(QPointF(16, 12));
    stem.quadTo(17, 18, 20.5, 20.5);
    QPainterPathStroker stemOutline, stemBody;
    stemOutline.setWidth(3.4);
    stemOutline.setCapStyle(Qt::RoundCap);
    stemBody.setWidth(1.4);
    stemBody.setCapStyle(Qt::RoundCap);
    p.setBrush(cloverOutline);
    p.drawPath(stemOutline.createStroke(stem));
    p.setBrush(QColor(0x4c, 0xa8, 0x38));
    p.drawPath(stemBody.createStroke(stem));

    const QPointF c(16, 11);
    QPainterPath heart(QPointF(0, -0.6));
    heart.cubicTo(-2.2, -2.2, -5.2, -3.6, -4.6, -6.4);
    heart.cubicTo(-4.0, -8.6, -1.1, -8.6, 0, -6.6);
    heart.cubicTo(1.1, -8.6, 4.0, -8.6, 4.6, -6.4);
    heart.cubicTo(5.2, -3.6, 2.2, -2.2, 0, -0.6);
    heart.closeSubpath();
    QList<QPainterPath> leaves;
    for (int i = 0; i < 4; ++i) {
        QTransform t;
        t.translate(c.x(), c.y());
        t.rotate(45 + 90 * i);
        t.translate(0, -0.7);
        t.scale(0.8, 0.95);
        leaves << t.map(heart);
    }
    QPainterPathStroker edge;
    edge.setWidth(2);
    edge.setJoinStyle(Qt::RoundJoin);
    p.setBrush(cloverOutline);
    for (const QPainterPath &leaf : leaves)
        p.drawPath(leaf.united(edge.createStroke(leaf)));
    p.setBrush(lit(QRectF(8, 3, 16, 16), QColor(0xa8, 0xf0, 0x68), QColor(0x1e, 0x80, 0x20)));
    for (const QPainterPath &leaf : leaves)
        p.drawPath(leaf);
    gloss(p, QRectF(10, 5, 5, 4), 170);
}

// A glossy orb of every hue, a colour wheel seen as a ball.
void drawColourIcon(QPainter &p, const QSizeF &)
{
    const QRectF orb(2, 2, 28, 28);
    QConicalGradient wheel(orb.center(), 90);
    const QColor hues[] = {Qt::red,
                           QColor(0xff, 0x90, 0x00),
                           Qt::yellow,
                           QColor(0x20, 0xd0, 0x20),
                           Qt::cyan,
                           QColor(0x20, 0x50, 0xff),
                           QColor(0xa0, 0x20, 0xf0),
                           Qt::magenta};
    const int n = int(std::size(hues));
    for (int i = 0; i < n; ++i)
        wheel.setColorAt(qreal(i) / n, hues[i]);
    wheel.setColorAt(1, hues[0]);
    outlined(p, ellipse(orb), QColor(0x26, 0x1a, 0x3a), wheel);

    const QPainterPath body = inset(ellipse(orb), 1);
    // Pale heart, as on a colour wheel, then shade towards the lower right.
    QRadialGradient heart(orb.center(), 13);
    heart.setColorAt(0, QColor(255, 255, 255, 230));
    heart.setColorAt(0.35, QColor(255, 255, 255, 60));
    heart.setColorAt(0.6, QColor(255, 255, 255, 0));
    p.setBrush(heart);
    p.drawPath(body);
    QRadialGradient shade(QPointF(12, 11), 20);
    shade.setColorAt(0.55, QColor(0, 0, 0, 0));
    shade.setColorAt(1, QColor(0, 0, 0, 110));
    p.setBrush(shade);
    p.drawPath(body);
    gloss(p, QRectF(6, 5, 9, 7), 230);
}

Picture icon(const QString &key, artgen::DrawFn draw)
{
    return {key, kIconSize, std::move(draw)};
}

// The sizes the desktop's icon theme asks for, each drawn for its size.
QList<Picture> desktopIcons()
{
    QList<Picture> pictures;
    for (int side : {16, 22, 24, 32, 48, 64, 128, 256})
        pictures.append({QStringLiteral("%1x%1.png").arg(side), QSize(side, side), drawApplicationIcon});
    return pictures;
}

} // namespace

QList<Group> artgen::iconGroups()
{
    return {
        {QStringLiteral("icons-shell"),
         QStringLiteral("shell"),
         {icon(QStringLiteral("augurium.png"), drawApplicationIcon),
          icon(QStringLiteral("link-pointer.png"), drawLinkPointer),
          icon(QStringLiteral("link-pointer-2.png"), drawPromoPointer),
          icon(QStringLiteral("hand-pointer.png"), drawReadingPointer)},
         QStringLiteral("Shell (hotspots 2, 4: 7,1; 3: 1,1)")},
        {QStringLiteral("icons-desktop"),
         QStringLiteral("desktop/icons"),
         desktopIcons(),
         QStringLiteral("Application icon for the desktop's icon theme"),
         {1}},
        {QStringLiteral("icons-ogham"),
         QStringLiteral("ogham"),
         {icon(QStringLiteral("icon.png"), drawOghamIcon)},
         QStringLiteral("Celtic Ogham icon")},
        {QStringLiteral("icons-domino"),
         QStringLiteral("domino"),
         {icon(QStringLiteral("icon.png"), drawDominoIcon)},
         QStringLiteral("Domino icon")},
        {QStringLiteral("icons-mahjong"),
         QStringLiteral("mahjong"),
         {icon(QStringLiteral("icon.png"), drawMahjongIcon)},
         QStringLiteral("Mahjong icon")},
        {QStringLiteral("icons-goodluck"),
         QStringLiteral("goodluck"),
         {icon(QStringLiteral("icon.png"), drawGoodLuckIcon)},
         QStringLiteral("Good luck icon")},
        {QStringLiteral("icons-colour"),
         QStringLiteral("colour"),
         {icon(QStringLiteral("icon.png"), drawColourIcon)},
         QStringLiteral("Mystical colour icon")},
    };
}
