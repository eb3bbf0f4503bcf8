#include "culturebutton.h"

#include <QFontMetrics>
#include <QKeyEvent>


CultureButton::CultureButton(QWidget *parent)
    : CaptionButton(parent)
{
    setCheckable(true);
    setAutoExclusive(true);
}

// The toolkit keeps only the focused one of a set of exclusive buttons in
// the tab order; here Tab goes to every culture, top to bottom.
void CultureButton::focusInEvent(QFocusEvent *event)
{
    CaptionButton::focusInEvent(event);
    for (CultureButton *culture : parentWidget()->findChildren<CultureButton *>(Qt::FindDirectChildrenOnly))
        culture->setFocusPolicy(Qt::StrongFocus);
}

// Left to the toolkit, an arrow from the culture on show would choose the
// next one, whose symbol then takes the focus, only for the arrow to take it
// back to the button before the symbol is read.
void CultureButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        focusNextPrevChild(false);
        break;
    case Qt::Key_Down:
    case Qt::Key_Right:
        focusNextPrevChild(true);
        break;
    default:
        CaptionButton::keyPressEvent(event);
    }
}

void CultureButton::setHeading(const QString &heading)
{
    m_heading.set(this, heading, [this] { return headingFits(); });
}

// Measured in the room the caption button draws its caption in.
bool CultureButton::headingFits() const
{
    const QRect room = rect().adjusted(3, 2, -3, -2);
    const QRect needed =
        fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, text());
    return room.contains(needed);
}
