#pragma once
#include <QCursor>

// The program's own mouse pointers. Each picture is loaded the first time it
// is needed, so start-up decodes none of them.
enum class Pointer {
    Link,       // over web links
    LinkAlt,    // the two-colour pointer of the promotional banners and co-brand links
    Hand,       // over a picture that gives a reading when clicked
};

QCursor pointerCursor(Pointer pointer);
