#include "look.h"

#include "platform.h"

#include <QApplication>
#include <QFont>

void applyAuguriumLook(QApplication &app)
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QFont font(Platform::interfaceFontFamily());
    font.setPointSizeF(8.25);
    app.setFont(font);
}
