#pragma once
// The pieces of the five oracles as the Library lists them: names, facts,
// pictures and full reading, all read from the oracles' own tables and
// texts, with the text a search looks through folded once.
#include "oracleregistry.h"
#include "picturelist.h"

#include <QColor>
#include <QList>
#include <QString>
#include <variant>
#include <vector>

// What "Read this one" opens, as a draw would have drawn it.
struct OghamPiece {
    int tree; // 1 to 13
};
struct DominoPiece {
    int one, two; // the halves, 0 a blank
};
struct MahjongPiece {
    int row; // 1 to 42
};
struct GoodLuckPiece {
    int culture, number;
};
struct ColourPiece {
    int number; // 1 to 5; a colour comes from names, so it has no reading to open
};
using LibraryPiece = std::variant<OghamPiece, DominoPiece, MahjongPiece, GoodLuckPiece, ColourPiece>;

struct LibraryPicture {
    PictureList list;
    int number;
    QString name; // as the result window names it for screen readers
};

struct LibraryFact {
    QString caption, value;
};

struct LibraryEntry {
    OracleId oracle; // its section is headed with the oracle's name
    QString group;   // the tile's suit or the symbol's culture; empty in the other sections
    QString title;
    QList<LibraryFact> facts;
    QString reading;
    QList<LibraryPicture> pictures;
    LibraryPiece piece;
    QString folded; // all of the above that a user might type, folded
};

// Every piece, section by section (Ogham, Domino, Mahjong by
// suit, Good Luck by culture, colours): 13 + 28 + 42 + 74 + 5.
std::vector<LibraryEntry> BuildLibraryEntries();

// What an oracle gives, in a sentence or two: what its section's heading shows.
QString OracleOverview(OracleId oracle);

// The colour a colour entry shows as a swatch, for colour number 1 to 5.
QColor ColourSwatch(int number);

// Whether `typed` starts `name`, or starts it once a leading "The" is set
// aside: typing "holly" reaches The Holly Tree.
bool typedStartsName(const QString &name, const QString &typed);

// Case, accents and punctuation dropped, plurals made singular and invisible
// characters taken out: canonical decomposition without its combining marks,
// case-folded, its words apart by single blanks.
QString foldForSearch(const QString &text);

// Whether `foldedQuery` starts a word of the entry ("oak" is in "an oak", not
// in "soak"); an empty query matches everything.
bool matchesSearch(const LibraryEntry &entry, const QString &foldedQuery);
