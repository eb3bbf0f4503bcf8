#pragma once
#include "captionbutton.h"

// A culture's button on the result window. The culture on show stays
// checked, one at a time, so a screen reader says which one is selected, as
// of a choice among them. Yet every culture stays a tab stop, and an arrow
// moves on as Tab does, without choosing.
class CultureButton : public CaptionButton {
    Q_OBJECT
public:
    explicit CultureButton(QWidget *parent = nullptr);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};
