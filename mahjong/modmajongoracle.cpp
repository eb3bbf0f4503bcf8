#include "modmajongoracle.h"

#include "language.h"
#include "oracletables.h"
#include "services.h"

#include <QCoreApplication>
#include <array>
#include <optional>
#include <vector>

namespace {

struct Row {
    const char *TileName, *TileEnglishName, *TileChineseCharacter;
};

// The English values exactly as shown, UTF-8; "3 Circle " and "Chu " end in a
// blank. The name and the English-name column are shown translated (the
// latter then says what the tile means); the romanisation stays as it is.
constexpr std::array<Row, MahjongTileCount> Rows{{
    {QT_TRANSLATE_NOOP("MahjongTiles", "4 Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Carp"), "Li"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "2 Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Duck"), "Ya"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "8 Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Mushroom"), "Chun"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "5 Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Lotus"), "Lien"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "1 Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Peacock"), "K'ung"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "3 Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Toad"), "Min"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "7 Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Tortoise"), "Kuei"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "6 Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Water"), "Shui"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "9 Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Willow"), "Liu"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "3 Wan (Character)"), QT_TRANSLATE_NOOP("MahjongTiles", "Earth"), "Ti"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "6 Wan (Character)"), QT_TRANSLATE_NOOP("MahjongTiles", "Fire"), "Huo"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "9 Wan (Character)"), QT_TRANSLATE_NOOP("MahjongTiles", "Heaven"), "Tien"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "5 Wan (Character)"), QT_TRANSLATE_NOOP("MahjongTiles", "House"), "Fang"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "8 Wan (Character)"), QT_TRANSLATE_NOOP("MahjongTiles", "Knot"), "Chieh"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "4 Wan (Character)"), QT_TRANSLATE_NOOP("MahjongTiles", "Lute"), "Ch'in"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "1 Wan (Character)"), QT_TRANSLATE_NOOP("MahjongTiles", "Open Door"), "Ju"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "2 Wan (Character)"), QT_TRANSLATE_NOOP("MahjongTiles", "Sword"), "Chien"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "7 Wan (Character)"), QT_TRANSLATE_NOOP("MahjongTiles", "The Seven Star"),
     "Tuo"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "5 Circle"), QT_TRANSLATE_NOOP("MahjongTiles", "Dragon"), "Lung"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "7 Circle"), QT_TRANSLATE_NOOP("MahjongTiles", "Insect"), "Chung"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "4 Circle"), QT_TRANSLATE_NOOP("MahjongTiles", "Jade"), "Yu"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "6 Circle"), QT_TRANSLATE_NOOP("MahjongTiles", "Peach"), "Tao"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "1 Circle"), QT_TRANSLATE_NOOP("MahjongTiles", "Pearl"), "Chu "},
    //: The trailing blank is a slip of the English table; a translation need not keep it
    {QT_TRANSLATE_NOOP("MahjongTiles", "3 Circle "), QT_TRANSLATE_NOOP("MahjongTiles", "Phoenix"), "Feng"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "2 Circle"), QT_TRANSLATE_NOOP("MahjongTiles", "Pine"), "Sung"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "8 Circle"), QT_TRANSLATE_NOOP("MahjongTiles", "Tiger"), "Hu"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "9 Circle"), QT_TRANSLATE_NOOP("MahjongTiles", "Unicorn"), "Chi"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Green Dragon"), QT_TRANSLATE_NOOP("MahjongTiles", "Green Dragon"), "Fa"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Red Dragon"), QT_TRANSLATE_NOOP("MahjongTiles", "Red Dragon"), "Chung"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "White Dragon"), QT_TRANSLATE_NOOP("MahjongTiles", "White Dragon"), "Pai"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Flowers Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Flowers Bamboo"), "Chu"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Flowers Chrysanthemum"),
     QT_TRANSLATE_NOOP("MahjongTiles", "Flowers Chrysanthemum"), "Ch\u00fc"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Flowers Orchid"), QT_TRANSLATE_NOOP("MahjongTiles", "Flowers Orchid"), "Lan"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Flowers Plum Blossom"),
     QT_TRANSLATE_NOOP("MahjongTiles", "Flowers Plum Blossom"), "Li"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Seasons Autumn"), QT_TRANSLATE_NOOP("MahjongTiles", "Seasons Autumn"), "Keng"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Seasons Spring"), QT_TRANSLATE_NOOP("MahjongTiles", "Seasons Spring"), "Yu"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Seasons Summer"), QT_TRANSLATE_NOOP("MahjongTiles", "Seasons Summer"),
     "Ch'iao"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Seasons Winter"), QT_TRANSLATE_NOOP("MahjongTiles", "Seasons Winter"), "Tu"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Wind East"), QT_TRANSLATE_NOOP("MahjongTiles", "Wind East"), "Tung"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Wind North"), QT_TRANSLATE_NOOP("MahjongTiles", "Wind North"), "Pei"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Wind South"), QT_TRANSLATE_NOOP("MahjongTiles", "Wind South"), "Nan"},
    {QT_TRANSLATE_NOOP("MahjongTiles", "Wind West"), QT_TRANSLATE_NOOP("MahjongTiles", "Wind West"), "Hsi"},
}};

using Detail = MahjongTileDetail;

struct DetailRow {
    const char *tile; // the English-name column of the tile it belongs to
    Detail::Category category;
    std::vector<const char *> attributes;
};

// Winds, flowers, seasons; each tile's attributes in the order of its panel.
const std::array<DetailRow, 12> &detailRows()
{
    static const std::array<DetailRow, 12> rows{{
        {"Wind East",
         Detail::Wind,
         {QT_TRANSLATE_NOOP("MahjongTiles", "Spring"), QT_TRANSLATE_NOOP("MahjongTiles", "Green"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Wood"), QT_TRANSLATE_NOOP("MahjongTiles", "Dragon (5 Circles)")}},
        {"Wind South",
         Detail::Wind,
         {QT_TRANSLATE_NOOP("MahjongTiles", "Summer"), QT_TRANSLATE_NOOP("MahjongTiles", "Red"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Fire"), QT_TRANSLATE_NOOP("MahjongTiles", "Phoenix (3 Circles)")}},
        {"Wind West",
         Detail::Wind,
         {QT_TRANSLATE_NOOP("MahjongTiles", "Autumn"), QT_TRANSLATE_NOOP("MahjongTiles", "White"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Metal"), QT_TRANSLATE_NOOP("MahjongTiles", "Tiger (8 Circles)")}},
        {"Wind North",
         Detail::Wind,
         {QT_TRANSLATE_NOOP("MahjongTiles", "Winter"), QT_TRANSLATE_NOOP("MahjongTiles", "Black"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Water"), QT_TRANSLATE_NOOP("MahjongTiles", "Tortoise (7 Bamboo)")}},
        {"Flowers Plum Blossom",
         Detail::Flower,
         {QT_TRANSLATE_NOOP("MahjongTiles", "East Wind"), QT_TRANSLATE_NOOP("MahjongTiles", "Spring")}},
        {"Flowers Orchid",
         Detail::Flower,
         {QT_TRANSLATE_NOOP("MahjongTiles", "South Wind"), QT_TRANSLATE_NOOP("MahjongTiles", "Summer")}},
        {"Flowers Chrysanthemum",
         Detail::Flower,
         {QT_TRANSLATE_NOOP("MahjongTiles", "West Wind"), QT_TRANSLATE_NOOP("MahjongTiles", "Autumn")}},
        {"Flowers Bamboo",
         Detail::Flower,
         {QT_TRANSLATE_NOOP("MahjongTiles", "North Wind"), QT_TRANSLATE_NOOP("MahjongTiles", "Winter")}},
        {"Seasons Spring",
         Detail::Season,
         {QT_TRANSLATE_NOOP("MahjongTiles", "East Wind"), QT_TRANSLATE_NOOP("MahjongTiles", "Fisherman"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Plum Blossom"), QT_TRANSLATE_NOOP("MahjongTiles", "Green"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Wood")}},
        {"Seasons Summer",
         Detail::Season,
         {QT_TRANSLATE_NOOP("MahjongTiles", "South Wind"), QT_TRANSLATE_NOOP("MahjongTiles", "Woodcutter"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Orchid"), QT_TRANSLATE_NOOP("MahjongTiles", "Red"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Fire")}},
        {"Seasons Autumn",
         Detail::Season,
         {QT_TRANSLATE_NOOP("MahjongTiles", "West Wind"), QT_TRANSLATE_NOOP("MahjongTiles", "Farmer"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Chrysanthemum"), QT_TRANSLATE_NOOP("MahjongTiles", "White"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Metal")}},
        {"Seasons Winter",
         Detail::Season,
         {QT_TRANSLATE_NOOP("MahjongTiles", "North Wind"), QT_TRANSLATE_NOOP("MahjongTiles", "Scholar"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Bamboo"), QT_TRANSLATE_NOOP("MahjongTiles", "Black"),
          QT_TRANSLATE_NOOP("MahjongTiles", "Water")}},
    }};
    return rows;
}

QString translated(const char *english)
{
    return QCoreApplication::translate("MahjongTiles", english);
}

struct Tables {
    std::array<MahjongTile, MahjongTileCount> tiles;
    std::array<std::optional<Detail>, MahjongTileCount> details; // by row; none for suits and dragons
    int generation = -1;                                         // the language the texts were read in
};

// Filled again in place when the language changes, so that a reference or
// pointer taken before stays valid.
const Tables &tables()
{
    static Tables t;
    if (t.generation == Language::generation())
        return t;
    const QStringList readings = Language::paragraphs(QStringLiteral(":/mahjong/readings.txt"), MahjongTileCount);
    for (int i = 0; i < MahjongTileCount; ++i) {
        t.tiles[i] = {translated(Rows[i].TileName), translated(Rows[i].TileEnglishName),
                      QString::fromUtf8(Rows[i].TileChineseCharacter), readings[i]};
        t.details[i].reset();
        for (const DetailRow &row : detailRows())
            if (qstrcmp(row.tile, Rows[i].TileEnglishName) == 0) {
                QStringList attributes;
                for (const char *attribute : row.attributes)
                    attributes << translated(attribute);
                t.details[i] = Detail{row.category, attributes};
            }
    }
    t.generation = Language::generation();
    return t;
}

}

QString MahjongTileEnglishName(int k)
{
    return QString::fromUtf8(Rows.at(k - 1).TileName);
}

QString MahjongTileEnglishMeaning(int k)
{
    return QString::fromUtf8(Rows.at(k - 1).TileEnglishName);
}

const MahjongTile &MahjongTiles(int k)
{
    return tables().tiles.at(k - 1);
}

const MahjongTileDetail *MahjongDetail(int k)
{
    const std::optional<Detail> &detail = tables().details.at(k - 1);
    return detail ? &*detail : nullptr;
}

MahjongDraw DrawMahjong(RandomSource &random)
{
    const int k = itemNumber(random.next(), MahjongTileCount);
    const MahjongTile &tile = MahjongTiles(k);
    return {k, tile.TileName, tile.TileEnglishName, tile.TileChineseCharacter, tile.TileDescription};
}

QStringList MahjongAttributeNames(MahjongTileDetail::Category category)
{
    switch (category) {
    case MahjongTileDetail::Wind:
        return {translated(QT_TRANSLATE_NOOP("MahjongTiles", "Season")),
                translated(QT_TRANSLATE_NOOP("MahjongTiles", "Color")),
                translated(QT_TRANSLATE_NOOP("MahjongTiles", "Element")),
                translated(QT_TRANSLATE_NOOP("MahjongTiles", "Constellation"))};
    case MahjongTileDetail::Flower:
        return {translated(QT_TRANSLATE_NOOP("MahjongTiles", "Player")),
                translated(QT_TRANSLATE_NOOP("MahjongTiles", "Season"))};
    case MahjongTileDetail::Season:
        return {translated(QT_TRANSLATE_NOOP("MahjongTiles", "Player")),
                translated(QT_TRANSLATE_NOOP("MahjongTiles", "Representation")),
                translated(QT_TRANSLATE_NOOP("MahjongTiles", "Flower")),
                translated(QT_TRANSLATE_NOOP("MahjongTiles", "Color")),
                translated(QT_TRANSLATE_NOOP("MahjongTiles", "Element"))};
    }
    return {};
}
