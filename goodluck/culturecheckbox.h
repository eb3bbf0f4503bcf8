#pragma once
#include "fittedheading.h"

#include <QCheckBox>

// A culture's check box: the whole white box it is drawn as takes the click,
// not only its tick and its text.
class CultureCheckBox : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

    // Sets the culture's heading. One too long for the box, in some
    // language, is written a little smaller rather than cut.
    void setHeading(const QString &heading)
    {
        m_heading.set(this, heading, [this] { return sizeHint().width() <= width(); });
    }

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }

private:
    FittedHeading m_heading;
};
