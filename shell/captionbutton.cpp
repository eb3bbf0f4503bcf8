#include "captionbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

void CaptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    painter.setPen(palette().color(group, QPalette::ButtonText));
    const int shift = isDown() ? 1 : 0;
    painter.drawText(rect().adjusted(3 + shift, 2 + shift, -3 + shift, -2 + shift),
                     Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
}
