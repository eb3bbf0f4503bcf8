#include "captionbutton.h"

#include <QPainter>
#include <qdrawutil.h>

void CaptionButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPalette bevel = palette();
    bevel.setColor(QPalette::Light, Qt::white);
    bevel.setColor(QPalette::Midlight, QColor(223, 223, 223));
    bevel.setColor(QPalette::Dark, QColor(128, 128, 128));
    bevel.setColor(QPalette::Shadow, Qt::black);
    const QBrush face = bevel.button();
    qDrawWinButton(&painter, rect(), bevel, isDown(), &face);

    const int shift = isDown() ? 1 : 0;
    const QRect caption = rect().adjusted(3 + shift, 2 + shift, -3 + shift, -2 + shift);
    painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(128, 128, 128));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        // The dotted mark of this bevelled look: plain to see on the grey face.
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }
}
