#pragma once
#include "captionbutton.h"
#include "fittedheading.h"

// A culture's button on the result window. The culture on show stays
// checked, one at a time, so a screen reader says which one is selected, as
// of a choice among them. Yet every culture stays a tab stop, and an arrow
// moves on as Tab does, without choosing.
class CultureButton : public CaptionButton {
    Q_OBJECT
public:
    explicit CultureButton(QWidget *parent = nullptr);

    // Sets the culture's heading. One that would not fit the button, even
    // wrapped, in some language, is written a little smaller rather than cut.
    void setHeading(const QString &heading);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool headingFits() const;

    FittedHeading m_heading;
};
