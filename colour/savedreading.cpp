#include "savedreading.h"

#include "scramble.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <algorithm>
#include <cstring>

namespace {
constexpr int LinesRead = 6;
// A value is a few bytes: a line longer than this is read past, not kept.
constexpr qsizetype LongestLine = 64 * 1024;
// Wherever the sixth line ends, a file is read no further than this, nor longer.
constexpr qint64 LargestRead = 16 * 1024 * 1024;
constexpr qint64 LongestReadMsecs = 500;
constexpr qint64 Piece = 64 * 1024;

// Splits bytes fed piece by piece into lines ending at CR, CR LF or LF, and
// keeps the first six.
class LineSplitter {
public:
    bool done() const { return m_lines.size() >= LinesRead; }

    void feed(const char *bytes, qsizetype size)
    {
        const char *p = bytes;
        const char *const end = bytes + size;
        while (p < end && !done()) {
            if (m_afterCr) {
                m_afterCr = false;
                if (*p == '\n') {
                    ++p;
                    continue;
                }
            }
            const char *stop = std::min(lineEnd(p, end, '\r'), lineEnd(p, end, '\n'));
            keep(p, stop - p);
            if (stop == end)
                return;
            m_afterCr = *stop == '\r';
            endLine();
            p = stop + 1;
        }
    }

    // The last line may end with the file.
    void finish()
    {
        if (!done() && (!m_line.isEmpty() || m_tooLong))
            endLine();
    }

    SavedBirthDay birthDay() const
    {
        // Single-byte codes, shown as Latin-1.
        const auto value = [this](int line) { return UnscrambleText(QString::fromLatin1(m_lines.value(line - 1))); };
        return {value(4), value(5), value(6)};
    }

private:
    static const char *lineEnd(const char *p, const char *end, char c)
    {
        const void *found = std::memchr(p, c, size_t(end - p));
        return found ? static_cast<const char *>(found) : end;
    }

    void keep(const char *p, qsizetype size)
    {
        if (m_tooLong)
            return;
        if (m_line.size() + size > LongestLine) {
            m_tooLong = true;
            m_line.clear();
            return;
        }
        m_line.append(p, size);
    }

    void endLine()
    {
        m_lines.append(m_line);
        m_line.clear();
        m_tooLong = false;
    }

    QList<QByteArray> m_lines;
    QByteArray m_line;
    bool m_tooLong = false;
    bool m_afterCr = false;
};
}

SavedBirthDay ParseSavedReading(const QByteArray &content)
{
    LineSplitter lines;
    lines.feed(content.constData(), content.size());
    lines.finish();
    return lines.birthDay();
}

SavedBirthDay ReadSavedReading(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    LineSplitter lines;
    QByteArray piece(Piece, Qt::Uninitialized);
    QElapsedTimer reading;
    reading.start();
    qint64 total = 0;
    while (!lines.done() && total < LargestRead && !reading.hasExpired(LongestReadMsecs)) {
        const qint64 got = file.read(piece.data(), Piece);
        if (got <= 0)
            break;
        lines.feed(piece.constData(), got);
        total += got;
    }
    lines.finish();
    return lines.birthDay();
}

bool IsSavedReadingName(const QString &path)
{
    return path.endsWith(QLatin1String("num"), Qt::CaseSensitive);
}
