#include "look.h"

#include <QApplication>
#include <QFont>

void applyAuguriumLook(QApplication &app)
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(8.25);
    app.setFont(font);
}
