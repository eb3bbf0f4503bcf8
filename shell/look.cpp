#include "look.h"

#include <QApplication>
#include <QFont>

void applyAuguriumLook(QApplication &app)
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    app.setFont(font);
    // Raised light-grey face buttons, as every window of the suite uses.
    app.setStyleSheet(QStringLiteral(
        "QPushButton { background-color: rgb(192, 192, 192); color: black;"
        "  border: 2px outset rgb(236, 236, 236); padding: 1px 4px; }"
        "QPushButton:pressed { border-style: inset; }"
        "QPushButton:focus { border-color: rgb(96, 96, 96); }"
        "QPushButton:disabled { color: rgb(128, 128, 128); }"));
}
