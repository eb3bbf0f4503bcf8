#pragma once
#include <QPushButton>

// The design's graphical-style button: a flat face of the form's button
// colour in a raised bevel, pressed in when down, its caption wrapping onto
// several lines when it does not fit on one. Drawn here, not by a style
// sheet, which would cost every widget of the program its share at start-up.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
