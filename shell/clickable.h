#pragma once
#include "pointers.h"

#include <functional>
#include <optional>

class QPainter;
class QRect;
class QWidget;

// Lets a label, picture or strip act on a click (left button pressed and
// released over it) and, optionally, show one of the program's pointers.
// It also becomes a tab stop that Enter or Space acts on, with a focus mark,
// and screen readers see it as a link (with a link pointer) or a button;
// setting its focus policy to Qt::NoFocus afterwards leaves it to the mouse.
void makeClickable(QWidget *widget, std::function<void()> onClick, std::optional<Pointer> pointer = std::nullopt);

// The focus mark that a clickable widget shows, drawn just inside `rect`:
// two tones, so that it shows on light, dark and selected backgrounds alike.
void drawFocusMark(QPainter &painter, const QRect &rect);
// Gives a control the program's focus mark, drawn over it while it has the
// focus, where the desktop's own mark is too faint to find at a glance.
void showFocusMark(QWidget *control);

// Shows the pointer over the widget without making it clickable.
void showPointer(QWidget *widget, Pointer pointer);

// Enter and keypad Enter press the push button that has the focus, among the
// window's buttons, as Space does; a shortcut on Enter in the window (such as
// a default button's) then leaves that key to the focused button.
void pressFocusedButtonOnEnter(QWidget *window);
