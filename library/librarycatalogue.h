#pragma once
// The pieces of the five oracles as the Library lists them: names, facts,
// pictures and full reading, all read from the oracles' own tables and
// texts in the language in use, with the text a search looks through
// folded once. Built again when the language changes.
#include "oracleregistry.h"
#include "picturelist.h"

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

// What "Read this one" opens, as a draw would have drawn it.
// Pieces are told apart by these numbers, never by their names, which
// change with the language.
struct OghamPiece {
    int tree = 0; // 1 to 13
    bool operator==(const OghamPiece &) const = default;
};
struct DominoPiece {
    int one = 0, two = 0; // the halves, 0 a blank
    bool operator==(const DominoPiece &) const = default;
};
struct MahjongPiece {
    int row = 0; // 1 to 42
    bool operator==(const MahjongPiece &) const = default;
};
struct GoodLuckPiece {
    int culture = 0, number = 0;
    bool operator==(const GoodLuckPiece &) const = default;
};
struct ColourPiece {
    int number = 0; // 1 to 5; a colour comes from names, so it has no reading to open
    bool operator==(const ColourPiece &) const = default;
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
    OracleId oracle{}; // its section is headed with the oracle's name
    int groupId = -1;  // the tile's suit (0 to 6) or the symbol's culture; -1 in the other sections
    QString group{};   // that suit's or culture's heading; empty in the other sections
    QString title{};
    QList<LibraryFact> facts{};
    QString reading{};
    QList<LibraryPicture> pictures{};
    LibraryPiece piece{};
    QStringList englishNames{}; // the piece's names in English, which find it in any language
    QString folded{};           // all of the above that a user might type, folded
};

// Every piece, section by section (Ogham, Domino, Mahjong by suit, Good Luck
// by culture, colours): 13 + 28 + 42 + 74 + 5. Trees and dominoes keep the
// order of the calendar and of the pips; tiles, symbols and colours stand in
// the order of their names in the language in use (in English, the tables'
// own order).
std::vector<LibraryEntry> BuildLibraryEntries();

// What an oracle gives, in a sentence or two: what its section's heading shows.
QString OracleOverview(OracleId oracle);

// The colour a colour entry shows as a swatch, for colour number 1 to 5.
QColor ColourSwatch(int number);

// Whether `typed` starts `name`, case and accents aside, or starts it once a
// leading article of the language in use is set aside: typing "holly"
// reaches The Holly Tree, "betula" A Bétula.
bool typedStartsName(const QString &name, const QString &typed);

// Case, accents and punctuation dropped, plurals made singular and invisible
// characters taken out: compatibility decomposition without its combining
// marks (so full-width letters and digits meet the plain ones), case-folded
// with "ß" as "ss", its words apart by single blanks.
QString foldForSearch(const QString &text);

// Whether `foldedQuery` starts a word of the entry ("oak" is in "an oak", not
// in "soak"); an empty query matches everything. Chinese and Japanese are
// written without blanks between words, so there any character may start one.
bool matchesSearch(const LibraryEntry &entry, const QString &foldedQuery);
