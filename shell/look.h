#pragma once
class QApplication;

// The program's one font, set once for every window. The
// design font is Verdana; DejaVu Sans is the closest match Debian ships.
void applyAuguriumLook(QApplication &app);
