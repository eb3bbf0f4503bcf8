#pragma once
#include <QPushButton>

// A push button whose caption wraps onto several lines when it does not fit
// on one, as the suite's fixed-size buttons need for their long captions.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};
