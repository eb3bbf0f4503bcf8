#include "look.h"

#include "language.h"
#include "platform.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPalette>
#include <QStyle>
#include <QWidget>

namespace {
QFont &desktop()
{
    static QFont font;
    return font;
}
}

void applyAuguriumLook(QApplication &app)
{
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    desktop() = QApplication::font();
    // Before the widgets hear of a new language, so that they lay it out in its fonts.
    Language::whenLanguageChanges(&app, [&app] {
        app.setFont(designFont()); // first: it clears the fonts given to classes
        for (const char *dialog : {"QMessageBox", "QFileDialog", "QPrintDialog", "QPageSetupDialog", "QPrintPreviewDialog"})
            app.setFont(desktopFont(), dialog);
    });
}

QFont designFont()
{
    QFont font(Platform::interfaceFontFamily());
    font.setPointSizeF(8.25);
    return withLanguageGlyphs(font);
}

QFont desktopFont()
{
    return withLanguageGlyphs(desktop());
}

QFont withLanguageGlyphs(QFont font)
{
    // Qt 6.4 files a font's engines under how many fallback families it has,
    // not which: each language's list has a length of its own, or a switch
    // between two of them would find the other's engine.
    font.setFamilies(QStringList{font.families().value(0, font.family())}
                     + Platform::hanFamilies(Language::current()));
    return font;
}

QPalette designPalette()
{
    const QPalette desktop = QApplication::palette();
    if (desktop.color(QPalette::Window).lightness() >= desktop.color(QPalette::WindowText).lightness())
        return desktop;
    // The style's own standard palette follows a dark theme too: the texts
    // and faces are derived here from a light grey, as on a light desktop.
    const QColor grey(0xef, 0xef, 0xef);
    return QPalette(grey, grey);
}

namespace {
void paletteAsDesigned(QWidget *widget, const QPalette &design)
{
    // A style sheet that has dressed the control already keeps the desktop's
    // palette to go back to on its next pass: undone first, it keeps this one.
    const bool polished = widget->testAttribute(Qt::WA_WState_Polished);
    if (polished)
        widget->style()->unpolish(widget);
    const QPalette own = widget->palette();
    QPalette palette = design;
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            if (own.isBrushSet(g, r))
                palette.setBrush(g, r, own.brush(g, r));
        }
    // Every role fixed, so that none is taken from a dark desktop.
    palette.setResolveMask(~QPalette::ResolveMask(0));
    widget->setPalette(palette);
    if (polished)
        widget->style()->polish(widget);
}
}

void dressAsDesigned(QWidget *widget)
{
    const QPalette design = designPalette();
    paletteAsDesigned(widget, design);
    for (QWidget *control : widget->findChildren<QWidget *>())
        if (!control->isWindow()) // its menus follow the desktop
            paletteAsDesigned(control, design);
}

void setMenuFont(const QList<QAction *> &menuBar, const QFont &font)
{
    for (const QAction *item : menuBar)
        if (QMenu *menu = item->menu())
            menu->setFont(font);
}
