// Good-luck symbols: a round medallion per culture (one colour scheme each)
// with the symbol drawn on it by its culture's file, in the style of style.h.
#include "../artgen.h"
#include "style.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cstring>

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
    QColor band;                  // the patterned band inside the gold rim (the culture's accent)
    Motif motif;
};

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

Group culture(const QString &id, const QString &title, const Scheme &scheme, const QList<goodluck::Symbol> &symbols)
{
    Group group{QStringLiteral("goodluck-") + id, QStringLiteral("goodluck/") + id, {}, title};
    for (const goodluck::Symbol &symbol : symbols) {
        const QString name = QString::fromUtf8(symbol.name);
        const goodluck::Figure draw = symbol.draw;
        group.pictures.append(Picture{name + QStringLiteral(".jpg"), QSize(int(kSide), int(kSide)),
                                      [draw, scheme](QPainter &p, const QSizeF &) {
                                          drawMedallion(p, scheme);
                                          const QRectF area = figureArea();
                                          p.save();
                                          p.setRenderHint(QPainter::Antialiasing);
                                          p.translate(area.topLeft());
                                          p.scale(area.width() / 100, area.height() / 100);
                                          draw(p);
                                          p.restore();
                                      },
                                      name});
    }
    return group;
}

// The Chinese symbols come from two files; the program lists them by name.
QList<goodluck::Symbol> chineseSymbols()
{
    QList<goodluck::Symbol> all = goodluck::chineseSymbols() + goodluck::chineseCreatureSymbols();
    std::sort(all.begin(), all.end(),
              [](const goodluck::Symbol &a, const goodluck::Symbol &b) { return std::strcmp(a.name, b.name) < 0; });
    return all;
}

} // namespace

QList<Group> goodLuckGroups()
{
    const Scheme indian{QColor(0xFF, 0xF4, 0xD6), QColor(0xF4, 0xB9, 0x55), QColor(0xB0, 0x1E, 0x2A), Motif::Petals};
    const Scheme chinese{QColor(0xFF, 0xF6, 0xD8), QColor(0xEB, 0xC6, 0x62), QColor(0xC4, 0x12, 0x1C), Motif::Dots};
    const Scheme japanese{QColor(0xFF, 0xFF, 0xFF), QColor(0xEC, 0xDF, 0xCC), QColor(0x1F, 0x2A, 0x4A), Motif::Rings};
    const Scheme egyptian{QColor(0xFB, 0xEE, 0xC8), QColor(0xDC, 0xBB, 0x72), QColor(0x1F, 0x3F, 0x8F), Motif::Bars};
    const Scheme english{QColor(0xFA, 0xF7, 0xE8), QColor(0xC9, 0xDD, 0xAE), QColor(0x1E, 0x56, 0x31), Motif::Dots};
    const Scheme arabian{QColor(0xEE, 0xFC, 0xF9), QColor(0x92, 0xD8, 0xCE), QColor(0x0B, 0x5E, 0x66), Motif::Diamonds};
    const Scheme nativeAmerican{QColor(0xFB, 0xEE, 0xDA), QColor(0xE2, 0xB5, 0x84), QColor(0x9A, 0x3E, 0x24),
                                Motif::Teeth};

    return {
        culture(QStringLiteral("indian"), QStringLiteral("Indian Good Luck Symbols"), indian,
                goodluck::indianSymbols()),
        culture(QStringLiteral("chinese"), QStringLiteral("Chinese Good Luck Symbols"), chinese, chineseSymbols()),
        culture(QStringLiteral("japanese"), QStringLiteral("Japanese Good Luck Symbols"), japanese,
                goodluck::japaneseSymbols()),
        culture(QStringLiteral("egyptian"), QStringLiteral("Egyptian Good Luck Symbols"), egyptian,
                goodluck::egyptianSymbols()),
        culture(QStringLiteral("english"), QStringLiteral("English Good Luck Symbols"), english,
                goodluck::englishSymbols()),
        culture(QStringLiteral("arabian"), QStringLiteral("Arabian Good Luck Symbols"), arabian,
                goodluck::arabianSymbols()),
        culture(QStringLiteral("nativeamerican"), QStringLiteral("Native American Good Luck Symbols"), nativeAmerican,
                goodluck::nativeAmericanSymbols()),
    };
}

} // namespace artgen
