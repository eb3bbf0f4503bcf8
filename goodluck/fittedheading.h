#pragma once
// A culture's heading on its box or button: one too long for it, in some
// language, is written a little smaller, down to four fifths of the design
// size, rather than cut.
#include <QFont>
#include <functional>
#include <optional>

class QAbstractButton;

class FittedHeading {
public:
    // `fits` tells whether the button's text fits it in its present font.
    void set(QAbstractButton *button, const QString &heading, const std::function<bool()> &fits);

private:
    std::optional<QFont> m_designFont;
};
