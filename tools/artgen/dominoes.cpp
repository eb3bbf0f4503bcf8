// Domino pictures: the seven single halves the result window pairs up, and
// the picture of dominoes the user clicks on the start window. Everything
// sits on black, the colour of both domino windows.
#include "artgen.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace {

using artgen::Group;
using artgen::Picture;

const QColor kBlueLight(0x5c, 0x8f, 0xf0);
const QColor kBlueMid(0x1f, 0x52, 0xc4);
const QColor kBlueDark(0x0c, 0x2a, 0x78);
const QColor kBlueEdge(0x06, 0x16, 0x48);

// Pip centres on a 3 x 3 grid: column 0..2 left to right, row 0..2 top to
// bottom. The six is two rows of three because the halves are wider than tall.
struct Cell {
    int column, row;
};
const std::array<QList<Cell>, 7> kLayouts = {{
    {},
    {{1, 1}},
    {{0, 0}, {2, 2}},
    {{0, 0}, {1, 1}, {2, 2}},
    {{0, 0}, {2, 0}, {0, 2}, {2, 2}},
    {{0, 0}, {2, 0}, {1, 1}, {0, 2}, {2, 2}},
    {{0, 0}, {1, 0}, {2, 0}, {0, 2}, {1, 2}, {2, 2}},
}};

// A pip is a hollow drilled into the face: darkest at the top-left rim where
// the light cannot reach, with a faint glint low on the right.
void drawPip(QPainter &p, const QPointF &centre, qreal radius)
{
    QRadialGradient hollow(centre + QPointF(radius * 0.35, radius * 0.4), radius * 1.25);
    hollow.setColorAt(0.0, QColor(0x4a, 0x4e, 0x5c));
    hollow.setColorAt(0.55, QColor(0x14, 0x15, 0x1a));
    hollow.setColorAt(1.0, Qt::black);
    p.setPen(QPen(kBlueEdge, radius * 0.16));
    p.setBrush(hollow);
    p.drawEllipse(centre, radius, radius);
    // Light catching the lower rim.
    p.setPen(QPen(QColor(0xa8, 0xc4, 0xff, 150), radius * 0.18, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const qreal r = radius + radius * 0.12;
    p.drawArc(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), -20 * 16, -100 * 16);
}

// Draws the pips of one half laid out in `face`.
void drawPips(QPainter &p, const QRectF &face, int pips, qreal radius)
{
    const qreal dx = face.width() * 0.28, dy = face.height() * 0.26;
    const QPointF mid = face.center();
    for (const Cell &c : kLayouts.at(pips))
        drawPip(p, mid + QPointF((c.column - 1) * dx, (c.row - 1) * dy), radius);
}

// The blue body of a domino or of one half: a glossy rounded block lit from
// the top left, with a bevel along its rim.
void drawBlueBlock(QPainter &p, const QRectF &r, qreal radius)
{
    QLinearGradient body(r.topLeft(), r.bottomRight());
    body.setColorAt(0.0, kBlueLight);
    body.setColorAt(0.45, kBlueMid);
    body.setColorAt(1.0, kBlueDark);
    p.setPen(QPen(kBlueEdge, 1.0));
    p.setBrush(body);
    p.drawRoundedRect(r, radius, radius);

    // Bevel: a lighter rim on the lit sides, inset a little.
    const qreal inset = qMin(r.width(), r.height()) * 0.07;
    const QRectF inner = r.adjusted(inset, inset, -inset, -inset);
    QLinearGradient bevel(inner.topLeft(), inner.bottomRight());
    bevel.setColorAt(0.0, QColor(0xd0, 0xe0, 0xff, 170));
    bevel.setColorAt(0.5, QColor(0x80, 0xa8, 0xff, 40));
    bevel.setColorAt(1.0, QColor(0x00, 0x10, 0x40, 120));
    p.setPen(QPen(QBrush(bevel), inset * 0.45));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner, radius * 0.7, radius * 0.7);

    // A soft sheen over the upper part of the face.
    QPainterPath sheen;
    sheen.addRoundedRect(inner.adjusted(inset * 0.5, inset * 0.5, -inset * 0.5, -inner.height() * 0.5), radius * 0.6,
                         radius * 0.6);
    QLinearGradient gloss(inner.topLeft(), QPointF(inner.left(), inner.center().y()));
    gloss.setColorAt(0.0, QColor(255, 255, 255, 70));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 0));
    p.fillPath(sheen, gloss);
}

// One half as the result window shows it: a rounded blue block on black.
void drawHalf(QPainter &p, const QSizeF &size, int pips)
{
    p.fillRect(QRectF(QPointF(), size), Qt::black);
    const QRectF block(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    drawBlueBlock(p, block, 9.0);
    drawPips(p, block, pips, 5.3);
}

// A whole domino, centred on `centre`, long side upright before rotating by
// `angle` degrees; `top` and `bottom` are its pips.
void drawDomino(QPainter &p, const QPointF &centre, qreal angle, qreal width, int top, int bottom)
{
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const QRectF body(-width / 2, -width, width, 2 * width);

    // A shadow so that overlapping dominoes stay apart.
    QPainterPath shadow;
    shadow.addRoundedRect(body.translated(1.6, 2.0), width * 0.14, width * 0.14);
    p.fillPath(shadow, QColor(0, 0, 0, 150));

    drawBlueBlock(p, body, width * 0.14);
    // The dividing groove with its highlight below it.
    const qreal margin = width * 0.16;
    p.setPen(QPen(kBlueEdge, width * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-width / 2 + margin, 0), QPointF(width / 2 - margin, 0));
    p.setPen(QPen(QColor(0xb0, 0xc8, 0xff, 120), width * 0.03, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-width / 2 + margin, width * 0.045), QPointF(width / 2 - margin, width * 0.045));

    // Each half is square, so the three-by-three grid is square too; turn
    // the grid so that a six reads as two columns along the long side.
    const qreal pip = width * 0.095;
    const auto halfPips = [&](const QRectF &face, int pips) {
        p.save();
        p.translate(face.center());
        p.rotate(90);
        drawPips(p, QRectF(-face.height() / 2, -face.width() / 2, face.height(), face.width()), pips, pip);
        p.restore();
    };
    halfPips(QRectF(-width / 2, -width, width, width), top);
    halfPips(QRectF(-width / 2, 0, width, width), bottom);
    p.restore();
}

// The picture to click: a fan of five dominoes, as if held in a hand, above
// two dominoes already played end to end with matching fives.
void drawStart(QPainter &p, const QSizeF &size)
{
    p.fillRect(QRectF(QPointF(), size), Qt::black);
    struct Placed {
        qreal angle;
        int top, bottom;
    };
    const Placed fan[] = {
        {-46, 5, 3}, {-23, 2, 4}, {0, 6, 6}, {23, 4, 1}, {46, 3, 5},
    };
    const QPointF pivot(size.width() / 2, 98);
    const qreal width = 27.0, reach = 64.0;
    for (const Placed &d : fan) {
        QTransform t;
        t.translate(pivot.x(), pivot.y());
        t.rotate(d.angle);
        drawDomino(p, t.map(QPointF(0, -reach)), d.angle, width, d.top, d.bottom);
    }
    const qreal lying = 25.0, y = size.height() - lying / 2 - 3;
    drawDomino(p, QPointF(size.width() / 2 - lying - 1, y), -90, lying, 2, 5);
    drawDomino(p, QPointF(size.width() / 2 + lying + 1, y), -90, lying, 5, 1);
}

} // namespace

QList<Group> artgen::dominoGroups()
{
    Group halves{
        QStringLiteral("dominoes"), QStringLiteral("domino"), {}, QStringLiteral("Domino halves (pictures 1-7)")};
    // Pictures 1 to 6 carry that many pips; picture 7 is the blank half.
    for (int pips = 1; pips <= 6; ++pips)
        halves.pictures << Picture{QStringLiteral("pips-%1.jpg").arg(pips), QSize(78, 56),
                                   [pips](QPainter &p, const QSizeF &s) { drawHalf(p, s, pips); }};
    halves.pictures << Picture{QStringLiteral("blank.jpg"), QSize(78, 56),
                               [](QPainter &p, const QSizeF &s) { drawHalf(p, s, 0); }};

    Group start{QStringLiteral("dominoes-start"),
                QStringLiteral("domino"),
                {Picture{QStringLiteral("dominoes.jpg"), QSize(163, 115), drawStart}},
                QStringLiteral("Domino start picture")};
    return {halves, start};
}
