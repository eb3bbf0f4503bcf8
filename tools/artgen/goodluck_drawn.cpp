#include "goodluck_drawn.h"
bool artgen::drawGoodLuckFigure(QPainter &, const QString &, const QRectF &, const QColor &) { return false; }
