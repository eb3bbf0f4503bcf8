#pragma once
// What a screen reader needs beyond what the toolkit tells it.
class QString;
class QWidget;

// Installs, once, how the program's own kinds of widget present themselves.
// A panel (a QFrame) is a panel: left to the toolkit it is a "frame", which
// screen readers take for a window of its own, so they announce it as one and
// review only what lies inside it. The windows' area is a panel as well.
// One-line fields are read whole, to the last letter.
void describeToScreenReaders();

// Each time `window` takes the keyboard back, after a menu or a dialog, the
// focus is told again. The toolkit tells screen readers of the focus first
// and of the window after, so a reader would rest on the window's frame.
void retellFocusOnActivation(QWidget *window);

// Says `text` briefly in a note at the foot of `window`, and to a screen
// reader as a notification: for a command that changes nothing in sight.
void announce(QWidget *window, const QString &text);

// Call after showing a panel that was hidden. Qt 6.4 tells screen readers
// only that a shown widget is now "showing", never that it is "visible": a
// reader that looked at the panel while it was hidden keeps it, and all it
// holds, as invisible, and skips it when reviewing the window. The panel and
// its contents are given new identities, so the reader looks at them afresh.
void showToScreenReaders(QWidget *shown);
