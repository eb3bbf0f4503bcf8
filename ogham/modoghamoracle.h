#pragma once
// The thirteen trees of the Celtic tree calendar and the draw of three
// different trees for the past, the present and the future.
#include <QList>
#include <QString>
#include <QStringList>

class RandomSource;

struct OghamTree {
    QString TreeName;
    QString Keywords;
    QString RulingPlanet;
    QString RulingAnimal;
    QString OghamTerm;
    QString LuckyColor;
    QString LuckyMonth;
    QString LuckyLetter;
    QString LuckyGemstone;
    QString LuckyFlower;
    QString Characteristics;
};

inline constexpr int OghamTreeCount = 13;
// A tree's nine attributes, caption and value, in the order a reading shows them.
struct OghamAttribute {
    QString caption, value;
};
QList<OghamAttribute> OghamTreeAttributes(const OghamTree &tree);
// The nine captions alone, in the language in use: a panel shows them before its values.
QStringList OghamAttributeCaptions();

// The English name of tree n, whatever the language in use: the Library finds a tree by it too.
QString OghamTreeEnglishName(int n);
// Row n (1 to 13) of the tree table, as the user reads it in the language in
// use; picture n of IMGTree shows the same tree. A row handed out stays
// valid: the first look-up after the language changes rewrites it in place.
const OghamTree &OghamTrees(int n);

// The three trees of the last draw; 0 until the first.
struct OghamReading {
    int PastTree = 0;
    int PresentTree = 0;
    int FutureTree = 0;
};

// Three pairwise different trees. A candidate equal to a tree already placed
// is drawn again with a fresh value, so every ordered triple is equally likely.
OghamReading DrawOghamTrees(RandomSource &random);
