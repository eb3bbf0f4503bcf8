#pragma once
// The Domino oracle's table of the 49 ordered dominoes of a double-six set,
// their readings, and the draw of one domino.
#include <QString>

class RandomSource;

inline constexpr int DominoKeyCount = 49;     // every ordered pair of halves 0 to 6
inline constexpr int DominoReadingCount = 28; // one per domino of the set

// Entry i = 7a + b: the key "a-b" of first half a and second half b.
const QString &DominoNumber(int index);
// Entry i: the reading of key i in the language in use; a-b and b-a share it.
const QString &DominoMessage(int index);

// The last domino drawn: the pips of each half (0 is a blank half) and its reading.
struct DominoDraw {
    int DominoOne = 0;
    int DominoTwo = 0;
    QString DominoReading;
};

// Two independent halves, then the reading of the first key equal to "a-b".
DominoDraw DrawDomino(RandomSource &random);
