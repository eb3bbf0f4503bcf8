#pragma once
#include <QFont>
#include <QList>

class QAction;
class QApplication;
class QPalette;
class QWidget;

// What the design fixes and what it leaves to the desktop. The windows laid
// out in pixels (the main window, the nine oracle windows, their menus and
// the About box) keep the design font, Verdana 8.25 pt, and the light
// colours they were drawn in, whatever the desktop's text size and theme;
// the rest (the Library, message boxes, dialogs, the menus' colours)
// follows the desktop whole.

// The design font becomes the program's; the dialogs the toolkit owns keep
// the desktop's. Both follow the language in its Han characters.
void applyAuguriumLook(QApplication &app);

// Verdana 8.25 pt; DejaVu Sans is the closest match Debian ships.
QFont designFont();

// The desktop's own font, as it was before the design font took its place.
QFont desktopFont();

// `font`, falling back for Han characters to the families of the language in
// use: the same character has Japanese and Chinese forms, and the desktop's
// locale, not the language chosen, would pick them otherwise.
QFont withLanguageGlyphs(QFont font);

// The palette behind the design's colours: the desktop's own where it is
// light, as the design's desktop was; else a light one of its own, so that no
// system colour of a window turns dark under fixed colours.
QPalette designPalette();

// Gives a window laid out in pixels, and every control it holds now, the
// design palette; the colours a control sets itself stay. Each control is
// given it itself, as a style sheet above it stops the window's palette from
// reaching it.
void dressAsDesigned(QWidget *widget);

// Gives the menus of a menu bar that font.
void setMenuFont(const QList<QAction *> &menuBar, const QFont &font);
