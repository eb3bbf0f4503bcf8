#include "culturecheckbox.h"

namespace {
// The smallest share of the design size the heading may shrink to.
constexpr qreal SmallestShare = 0.8;
}

void CultureCheckBox::setHeading(const QString &heading)
{
    if (!m_designFontKnown) {
        ensurePolished();
        m_designFont = font();
        m_designFontKnown = true;
    }
    setText(heading);
    QFont fitting = m_designFont;
    const qreal smallest = fitting.pointSizeF() * SmallestShare;
    if (font() != fitting)
        setFont(fitting);
    while (sizeHint().width() > width() && fitting.pointSizeF() - 0.25 >= smallest) {
        fitting.setPointSizeF(fitting.pointSizeF() - 0.25);
        setFont(fitting);
    }
}
