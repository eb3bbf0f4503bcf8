#include "look.h"

#include <QApplication>
#include <QFont>

void applyAuguriumLook(QApplication &app)
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    app.setFont(font);
    // The raised light-grey face of the buttons a form marks as graphical
    // (the launcher's, the main Exit, the About box's OK); message boxes and
    // the oracle windows' buttons keep the desktop's own look.
    app.setStyleSheet(QStringLiteral(
        "QPushButton[graphical=\"true\"] { background-color: rgb(192, 192, 192); color: black;"
        "  border: 2px outset rgb(236, 236, 236); padding: 1px 4px; }"
        "QPushButton[graphical=\"true\"]:pressed { border-style: inset; }"
        "QPushButton[graphical=\"true\"]:focus { border-color: rgb(96, 96, 96); }"
        "QPushButton[graphical=\"true\"]:disabled { color: rgb(128, 128, 128); }"));
}
