#pragma once
// The Mahjong oracle's table of 42 tiles, the fixed attributes of its wind,
// flower and season tiles, and the draw of one tile.
#include <QString>
#include <QStringList>

class RandomSource;

inline constexpr int MahjongTileCount = 42;

struct MahjongTile {
    QString TileName; // as players name it
    QString TileEnglishName;
    QString TileChineseCharacter; // romanised
    QString TileDescription;      // the reading
};

// Tile k's name and English-name column in English, whatever the language
// in use: the Library finds a tile by them too.
QString MahjongTileEnglishName(int k);
QString MahjongTileEnglishMeaning(int k);
// Row k (1 to 42); picture k of IMGMajong shows the same tile.
const MahjongTile &MahjongTiles(int k);

// The attributes of a wind, flower or season tile, in the order its panel
// shows them: wind Season, Color, Element, Constellation; flower Player,
// Season; season Player, Representation, Flower, Color, Element.
struct MahjongTileDetail {
    enum Category { Wind, Flower, Season } category;
    QStringList attributes;
};

// The names of a category's attributes, in that order.
QStringList MahjongAttributeNames(MahjongTileDetail::Category category);
// The detail of tile k (1 to 42); null for suits and dragons.
const MahjongTileDetail *MahjongDetail(int k);

// The last tile drawn: its row and copies of the row's four texts.
struct MahjongDraw {
    int MahjongIndex = 0;
    QString MahjongName;
    QString MahjongEnglishName;
    QString MahjongChineseCharacter;
    QString MahjongDescription;
};

// Row: the integer part of r * 42 + 1.
MahjongDraw DrawMahjong(RandomSource &random);
