#pragma once
// What a screen reader needs beyond what the toolkit tells it.
class QWidget;

// Call after showing a panel that was hidden. Qt 6.4 tells screen readers
// only that a shown widget is now "showing", never that it is "visible": a
// reader that looked at the panel while it was hidden keeps it, and all it
// holds, as invisible, and skips it when reviewing the window. The panel and
// its contents are given new identities, so the reader looks at them afresh.
void showToScreenReaders(QWidget *shown);
