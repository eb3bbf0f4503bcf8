#pragma once
// What every oracle's table module shares: numbering a random value, and the
// long reading texts kept as resources, one paragraph a line in table order.
#include <QStringList>

// Item number 1..n for a value r in [0, 1): the integer part of r * n + 1.
int itemNumber(double r, int n);

// The `count` paragraphs of a text resource such as ":/ogham/characteristics.txt".
// A missing resource or another count is a fault of the build, not of the
// user's doing: the program stops at once and names the resource.
QStringList readParagraphs(const QString &resource, int count);
