#include "oracletables.h"

#include <QFile>
#include <algorithm>

int itemNumber(double r, int n)
{
    // Rounding can carry r * n + 1 to n + 1 for r just below 1.
    return std::clamp(int(r * n + 1), 1, n);
}

QStringList readParagraphs(const QString &resource, int count)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Augurium: the reading texts %s are missing from the build", qPrintable(resource));
    QStringList paragraphs = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (!paragraphs.isEmpty() && paragraphs.last().isEmpty())
        paragraphs.removeLast(); // the final line's own line break
    if (paragraphs.size() != count)
        qFatal("Augurium: %s holds %d paragraphs instead of %d", qPrintable(resource), int(paragraphs.size()), count);
    return paragraphs;
}
