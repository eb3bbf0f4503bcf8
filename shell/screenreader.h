#pragma once
// What a screen reader needs beyond what the toolkit tells it.
class QWidget;

// Installs, once, how the program's own kinds of widget present themselves.
// A panel (a QFrame) is a panel: left to the toolkit it is a "frame", which
// screen readers take for a window of its own, so they announce it as one and
// review only what lies inside it. The windows' area is a panel as well.
// One-line fields are read whole, to the last letter.
void describeToScreenReaders();

// Call after showing a panel that was hidden. Qt 6.4 tells screen readers
// only that a shown widget is now "showing", never that it is "visible": a
// reader that looked at the panel while it was hidden keeps it, and all it
// holds, as invisible, and skips it when reviewing the window. The panel and
// its contents are given new identities, so the reader looks at them afresh.
void showToScreenReaders(QWidget *shown);
