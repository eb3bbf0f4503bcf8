#pragma once
// The drawing language every good-luck symbol shares, so that the 74 read as
// one set on their medallions:
//
// - Each symbol is drawn in a 100 x 100 box (the medallion's figure area;
//   one unit is about 0.7 pixel at 1x) and fills it: its larger side spans
//   78 to 92 units, centred by eye. Small things are drawn large.
// - Every filled shape carries the same dark brown outline, kOutline wide;
//   inner lines (folds, veins, feathers, scales) are kDetail wide in kLine or
//   a darker tone of the fill.
// - Light comes from the upper left: a fill is flat or one soft gradient from
//   a light tone (upper left) to the base colour (lower right), made with
//   lit() or linear(). At most one small white highlight on glossy things.
// - Colours are the thing's own, warm and clear; the culture's accent colour
//   is used for cloth, cords and ornament.
// - Animals are drawn as themselves, in profile or three-quarter view, with a
//   small dark eye and a white glint; no cartoon faces. Gods and figures of
//   folk art (the Japanese gods, Tanuki, the beckoning cat, Kokopelli) keep
//   their friendly faces drawn with happyEye() and openSmile().
// - Solemn signs (ankh, Aum, Eye of Horus, wheel, Fu) are enamel and gold
//   with the same outline: no faces, no playfulness.
// - A standing figure may cast groundShadow(); nothing else has a backdrop.
#include "../artgen.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <functional>

namespace artgen::goodluck {

using P = QPointF;

// Draws one symbol into the 100 x 100 box; the painter is already mapped
// onto the medallion's figure area and antialiased.
using Figure = std::function<void(QPainter &)>;

struct Symbol {
    const char *name; // exact name in the program's picture list
    Figure draw;
};

// The symbols of each culture, in the program's order.
QList<Symbol> indianSymbols();
QList<Symbol> chineseSymbols();
QList<Symbol> chineseCreatureSymbols(); // the animals, drawn apart from the objects
QList<Symbol> japaneseSymbols();
QList<Symbol> egyptianSymbols();
QList<Symbol> englishSymbols();
QList<Symbol> arabianSymbols();
QList<Symbol> nativeAmericanSymbols();

// ---- colours

// A colour written as 0xRRGGBB, as the drawings give theirs.
QColor hex(unsigned rgb, int alpha = 255);

inline const QColor kLine{0x3a, 0x25, 0x16}; // the outline of every shape
constexpr qreal kOutline = 1.5;
constexpr qreal kDetail = 1.0;

inline const QColor kSkin{0xf8, 0xd5, 0xab};
inline const QColor kSkinShade{0xe3, 0xa9, 0x7c};
inline const QColor kGold{0xf2, 0xc1, 0x3c};
inline const QColor kGoldDark{0xb0, 0x7a, 0x12};
inline const QColor kHair{0x24, 0x20, 0x22};
inline const QColor kWhite{0xfb, 0xf8, 0xf1};
inline const QColor kMouth{0x9a, 0x22, 0x1e};

// Each culture's accent, the colour of its medallion's band.
namespace accent {
inline const QColor indian{0x9a, 0x16, 0x1e};
inline const QColor chinese{0xb0, 0x12, 0x1b};
inline const QColor japanese{0x1f, 0x2a, 0x4a};
inline const QColor egyptian{0x1a, 0x36, 0x7c};
inline const QColor english{0x1e, 0x50, 0x2e};
inline const QColor arabian{0x0b, 0x55, 0x5c};
inline const QColor nativeAmerican{0x86, 0x33, 0x1c};
} // namespace accent

// ---- shapes

QPainterPath ellipse(P centre, qreal rx, qreal ry);
QPainterPath circle(P centre, qreal r);
QPainterPath box(qreal x, qreal y, qreal w, qreal h);
QPainterPath rotated(const QPainterPath &path, P centre, qreal degrees);
// The outline of a thick line, so it can be filled and outlined like any shape.
QPainterPath thick(const QPainterPath &centreLine, qreal width, Qt::PenCapStyle cap = Qt::RoundCap);
QPainterPath curve(P a, P c1, P c2, P b);
QPainterPath quad(P a, P c, P b);
QPainterPath segment(P a, P b);
using artgen::polygon;
// A glyph of an installed font as an outline, fitted into `box`.
QPainterPath glyph(const QString &text, const QString &family, const QRectF &box, int weight = QFont::Bold);

// ---- painting

// Fills `path` and outlines it; a width of 0 leaves it without outline (for
// shading and highlights laid over an outlined shape).
void fill(QPainter &p, const QPainterPath &path, const QBrush &brush, qreal lineWidth = kOutline,
          const QColor &lineColour = kLine);
using artgen::stroke;

QLinearGradient linear(P a, P b, const QColor &from, const QColor &to);
// Lit from the upper left.
QRadialGradient lit(P centre, qreal radius, const QColor &light, const QColor &dark);
QBrush gold(P a, P b);
// A small white gloss, never more than one per object.
void highlight(QPainter &p, const QPainterPath &path, int alpha = 140);
// The soft shadow under a standing figure.
void groundShadow(QPainter &p, P centre, qreal rx, qreal ry);

// ---- faces

// An animal's eye: dark, round, with a glint.
void animalEye(QPainter &p, P centre, qreal r);
// A closed, laughing eye of a god or folk figure.
void happyEye(QPainter &p, P centre, qreal width);
void openSmile(QPainter &p, P centre, qreal width);
void blush(QPainter &p, P centre, qreal r);
void headDisc(QPainter &p, P centre, qreal rx, qreal ry);

} // namespace artgen::goodluck
