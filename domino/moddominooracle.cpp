#include "moddominooracle.h"

#include "language.h"
#include "oracletables.h"
#include "services.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace {

constexpr int Halves = 7;
const QString Readings = QStringLiteral(":/domino/readings.txt");

// The reading of domino {a, b}, a <= b, in the order 0-0, 0-1 ... 0-6, 1-1 ... 6-6.
int readingOf(int a, int b)
{
    const int low = std::min(a, b);
    const int high = std::max(a, b);
    return low * Halves - low * (low - 1) / 2 + (high - low);
}

// In four dominoes the reversed key's English entry differs: a trailing
// blank for 3-1 and 5-4, no final full stop for 6-2 and 6-5. A translation
// has no such slips: both orders read alike.
QString reversedEntry(int a, int b, const QString &reading)
{
    if ((a == 3 && b == 1) || (a == 5 && b == 4))
        return reading + QLatin1Char(' ');
    if ((a == 6 && b == 2) || (a == 6 && b == 5))
        return reading.chopped(1);
    return reading;
}

struct Tables {
    std::array<QString, DominoKeyCount> numbers;
    std::array<QString, DominoKeyCount> messages;
    int generation = -1; // the language the messages were read in
};

// Filled again in place when the language changes, so that a reference
// taken before stays valid.
const Tables &tables()
{
    static Tables t;
    if (t.generation == Language::generation())
        return t;
    const QStringList english = readParagraphs(Readings, DominoReadingCount);
    const QStringList shown = Language::paragraphs(Readings, DominoReadingCount);
    for (int a = 0; a < Halves; ++a)
        for (int b = 0; b < Halves; ++b) {
            const int reading = readingOf(a, b);
            t.numbers[a * Halves + b] = QStringLiteral("%1-%2").arg(a).arg(b);
            t.messages[a * Halves + b] =
                shown[reading] == english[reading] ? reversedEntry(a, b, shown[reading]) : shown[reading];
        }
    t.generation = Language::generation();
    return t;
}

int half(RandomSource &random)
{
    // No 1 added: 0 is a blank half. Rounding must not carry r * 7 to 7.
    return std::min(int(random.next() * Halves), Halves - 1);
}

}

const QString &DominoNumber(int index)
{
    return tables().numbers.at(index);
}

const QString &DominoMessage(int index)
{
    return tables().messages.at(index);
}

DominoDraw DrawDomino(RandomSource &random)
{
    DominoDraw draw;
    draw.DominoOne = half(random);
    draw.DominoTwo = half(random);
    const QString key = QStringLiteral("%1-%2").arg(draw.DominoOne).arg(draw.DominoTwo);
    for (int i = 0; i < DominoKeyCount; ++i)
        if (DominoNumber(i) == key) {
            draw.DominoReading = DominoMessage(i);
            break;
        }
    return draw;
}
