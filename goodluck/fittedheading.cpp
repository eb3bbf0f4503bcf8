#include "fittedheading.h"

#include "look.h"

#include <QAbstractButton>

void FittedHeading::set(QAbstractButton *button, const QString &heading, const std::function<bool()> &fits)
{
    if (!m_designFont) {
        button->ensurePolished();
        m_designFont = button->font();
    }
    button->setText(heading);
    QFont fitting = withLanguageGlyphs(*m_designFont); // the language may have changed since
    const qreal smallest = fitting.pointSizeF() * 0.8;
    if (button->font() != fitting)
        button->setFont(fitting);
    while (!fits() && fitting.pointSizeF() - 0.25 >= smallest) {
        fitting.setPointSizeF(fitting.pointSizeF() - 0.25);
        button->setFont(fitting);
    }
}
