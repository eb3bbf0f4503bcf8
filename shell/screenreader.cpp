#include "screenreader.h"

#include <QAccessible>
#include <QWidget>

void showToScreenReaders(QWidget *shown)
{
    if (!QAccessible::isActive() || !shown->isVisible())
        return;
    // The old identity leaves its parent's children...
    QAccessibleEvent gone(shown, QAccessible::ObjectDestroyed);
    QAccessible::updateAccessibility(&gone);
    // ...every identity within is forgotten, so each is made anew when asked...
    QList<QWidget *> within = shown->findChildren<QWidget *>();
    within.append(shown);
    for (QWidget *widget : within)
        if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(widget))
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
    // ...and the new one joins them.
    QAccessibleEvent made(shown, QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&made);
}
