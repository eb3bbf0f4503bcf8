#include "savedreading.h"

#include "scramble.h"

#include <QFile>
#include <QFileInfo>
#include <QList>

namespace {
constexpr qint64 LargestRead = 8 * 1024; // six lines of a saved reading are a few dozen bytes
constexpr int LinesRead = 6;
}

SavedBirthDay ParseSavedReading(const QByteArray &content)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size() && lines.size() < LinesRead; ++i) {
        const char c = content[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(content.mid(start, i - start));
        if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (lines.size() < LinesRead && start < content.size())
        lines.append(content.mid(start)); // the last line may end with the file
    // Single-byte codes, shown as Latin-1.
    const auto value = [&lines](int line) { return UnscrambleText(QString::fromLatin1(lines.value(line - 1))); };
    return {value(4), value(5), value(6)};
}

SavedBirthDay ReadSavedReading(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseSavedReading(file.read(LargestRead));
}

bool IsSavedReadingName(const QString &path)
{
    return path.endsWith(QLatin1String("num"), Qt::CaseSensitive);
}
