#pragma once
// The good-luck symbols that no emoji shows well, drawn by hand.
#include <QPainter>
#include <QRectF>
#include <QString>

namespace artgen {
// Draws the symbol called `name` (its exact table name) centred in `area`, a
// square inside the culture's medallion; `ink` is the culture's main drawing
// colour. Returns false when `name` is not one of the hand-drawn symbols.
bool drawGoodLuckFigure(QPainter &painter, const QString &name, const QRectF &area, const QColor &ink);
}
