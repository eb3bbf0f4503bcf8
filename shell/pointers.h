#pragma once
#include <QCursor>

// The program's own mouse pointers. Widgets ask for theirs when the mouse
// first enters them, so start-up decodes none of these pictures.
enum class Pointer {
    Link,    // over web links
    LinkAlt, // the two-colour pointer of the promotional banners and co-brand links
    Hand,    // over a picture that gives a reading when clicked
};

QCursor pointerCursor(Pointer pointer);
