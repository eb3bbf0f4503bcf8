#include "style.h"

#include <QPainterPathStroker>
#include <QTransform>
#include <algorithm>

namespace artgen::goodluck {

QColor hex(unsigned rgb, int alpha)
{
    QColor c = QColor::fromRgb(rgb);
    c.setAlpha(alpha);
    return c;
}

QPainterPath ellipse(P centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath circle(P centre, qreal r)
{
    return ellipse(centre, r, r);
}

QPainterPath box(qreal x, qreal y, qreal w, qreal h)
{
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
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

QPainterPath thick(const QPainterPath &centreLine, qreal width, Qt::PenCapStyle cap)
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

QPainterPath glyph(const QString &text, const QString &family, const QRectF &box, int weight)
{
    QFont font(requireFamily(family));
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

void fill(QPainter &p, const QPainterPath &path, const QBrush &brush, qreal lineWidth, const QColor &lineColour)
{
    if (lineWidth > 0)
        p.setPen(QPen(lineColour, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    else
        p.setPen(Qt::NoPen);
    p.setBrush(brush);
    p.drawPath(path);
}

QLinearGradient linear(P a, P b, const QColor &from, const QColor &to)
{
    QLinearGradient g(a, b);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    return g;
}

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

void highlight(QPainter &p, const QPainterPath &path, int alpha)
{
    fill(p, path, QColor(255, 255, 255, alpha), 0);
}

void groundShadow(QPainter &p, P centre, qreal rx, qreal ry)
{
    QRadialGradient g(centre, rx);
    g.setColorAt(0, QColor(0x3a, 0x25, 0x16, 70));
    g.setColorAt(1, QColor(0x3a, 0x25, 0x16, 0));
    p.save();
    p.translate(centre);
    p.scale(1, ry / rx);
    p.translate(-centre);
    fill(p, circle(centre, rx), g, 0);
    p.restore();
}

void animalEye(QPainter &p, P centre, qreal r)
{
    fill(p, circle(centre, r), kHair, 0);
    fill(p, circle(centre + P(-r * 0.35, -r * 0.35), r * 0.35), kWhite, 0);
}

void happyEye(QPainter &p, P centre, qreal width)
{
    stroke(
        p,
        quad(centre + P(-width / 2, width * 0.12), centre + P(0, -width * 0.55), centre + P(width / 2, width * 0.12)),
        kLine, 1.4);
}

void openSmile(QPainter &p, P centre, qreal width)
{
    QPainterPath mouth(centre + P(-width / 2, 0));
    mouth.quadTo(centre + P(0, width * 0.95), centre + P(width / 2, 0));
    mouth.quadTo(centre + P(0, width * 0.18), centre + P(-width / 2, 0));
    fill(p, mouth, kMouth, kDetail);
}

void blush(QPainter &p, P centre, qreal r)
{
    fill(p, ellipse(centre, r, r * 0.7), QColor(0xf2, 0x7b, 0x6b, 110), 0);
}

void headDisc(QPainter &p, P centre, qreal rx, qreal ry)
{
    fill(p, ellipse(centre, rx, ry), lit(centre, std::max(rx, ry) * 1.3, QColor(0xff, 0xe6, 0xc6), kSkin));
}

} // namespace artgen::goodluck
