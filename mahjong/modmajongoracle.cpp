#include "modmajongoracle.h"

#include "oracletables.h"
#include "services.h"

#include <array>
#include <utility>
#include <vector>

namespace {

struct Row {
    const char *TileName, *TileEnglishName, *TileChineseCharacter;
};

// Values exactly as shown, UTF-8; "3 Circle " and "Chu " end in a blank.
constexpr std::array<Row, MahjongTileCount> Rows{{
    {"4 Bamboo", "Carp", "Li"},
    {"2 Bamboo", "Duck", "Ya"},
    {"8 Bamboo", "Mushroom", "Chun"},
    {"5 Bamboo", "Lotus", "Lien"},
    {"1 Bamboo", "Peacock", "K'ung"},
    {"3 Bamboo", "Toad", "Min"},
    {"7 Bamboo", "Tortoise", "Kuei"},
    {"6 Bamboo", "Water", "Shui"},
    {"9 Bamboo", "Willow", "Liu"},
    {"3 Wan (Character)", "Earth", "Ti"},
    {"6 Wan (Character)", "Fire", "Huo"},
    {"9 Wan (Character)", "Heaven", "Tien"},
    {"5 Wan (Character)", "House", "Fang"},
    {"8 Wan (Character)", "Knot", "Chieh"},
    {"4 Wan (Character)", "Lute", "Ch'in"},
    {"1 Wan (Character)", "Open Door", "Ju"},
    {"2 Wan (Character)", "Sword", "Chien"},
    {"7 Wan (Character)", "The Seven Star", "Tuo"},
    {"5 Circle", "Dragon", "Lung"},
    {"7 Circle", "Insect", "Chung"},
    {"4 Circle", "Jade", "Yu"},
    {"6 Circle", "Peach", "Tao"},
    {"1 Circle", "Pearl", "Chu "},
    {"3 Circle ", "Phoenix", "Feng"},
    {"2 Circle", "Pine", "Sung"},
    {"8 Circle", "Tiger", "Hu"},
    {"9 Circle", "Unicorn", "Chi"},
    {"Green Dragon", "Green Dragon", "Fa"},
    {"Red Dragon", "Red Dragon", "Chung"},
    {"White Dragon", "White Dragon", "Pai"},
    {"Flowers Bamboo", "Flowers Bamboo", "Chu"},
    {"Flowers Chrysanthemum", "Flowers Chrysanthemum", "Ch\u00fc"},
    {"Flowers Orchid", "Flowers Orchid", "Lan"},
    {"Flowers Plum Blossom", "Flowers Plum Blossom", "Li"},
    {"Seasons Autumn", "Seasons Autumn", "Keng"},
    {"Seasons Spring", "Seasons Spring", "Yu"},
    {"Seasons Summer", "Seasons Summer", "Ch'iao"},
    {"Seasons Winter", "Seasons Winter", "Tu"},
    {"Wind East", "Wind East", "Tung"},
    {"Wind North", "Wind North", "Pei"},
    {"Wind South", "Wind South", "Nan"},
    {"Wind West", "Wind West", "Hsi"},
}};

using Detail = MahjongTileDetail;

// Looked up in this order: winds, flowers, seasons.
const std::vector<std::pair<QString, Detail>> &details()
{
    const auto row = [](const char *key, Detail::Category category, std::initializer_list<const char *> values) {
        QStringList attributes;
        for (const char *value : values)
            attributes << QString::fromUtf8(value);
        return std::pair{QString::fromUtf8(key), Detail{category, attributes}};
    };
    static const std::vector<std::pair<QString, Detail>> table{
        row("Wind East", Detail::Wind, {"Spring", "Green", "Wood", "Dragon (5 Circles)"}),
        row("Wind South", Detail::Wind, {"Summer", "Red", "Fire", "Phoenix (3 Circles)"}),
        row("Wind West", Detail::Wind, {"Autumn", "White", "Metal", "Tiger (8 Circles)"}),
        row("Wind North", Detail::Wind, {"Winter", "Black", "Water", "Tortoise (7 Bamboo)"}),
        row("Flowers Plum Blossom", Detail::Flower, {"East Wind", "Spring"}),
        row("Flowers Orchid", Detail::Flower, {"South Wind", "Summer"}),
        row("Flowers Chrysanthemum", Detail::Flower, {"West Wind", "Autumn"}),
        row("Flowers Bamboo", Detail::Flower, {"North Wind", "Winter"}),
        row("Seasons Spring", Detail::Season, {"East Wind", "Fisherman", "Plum Blossom", "Green", "Wood"}),
        row("Seasons Summer", Detail::Season, {"South Wind", "Woodcutter", "Orchid", "Red", "Fire"}),
        row("Seasons Autumn", Detail::Season, {"West Wind", "Farmer", "Chrysanthemum", "White", "Metal"}),
        row("Seasons Winter", Detail::Season, {"North Wind", "Scholar", "Bamboo", "Black", "Water"}),
    };
    return table;
}

std::array<MahjongTile, MahjongTileCount> buildTable()
{
    const QStringList readings = readParagraphs(QStringLiteral(":/mahjong/readings.txt"), MahjongTileCount);
    std::array<MahjongTile, MahjongTileCount> table;
    for (int i = 0; i < MahjongTileCount; ++i)
        table[i] = {QString::fromUtf8(Rows[i].TileName), QString::fromUtf8(Rows[i].TileEnglishName),
                    QString::fromUtf8(Rows[i].TileChineseCharacter), readings[i]};
    return table;
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
    static const std::array<MahjongTile, MahjongTileCount> table = buildTable();
    return table.at(k - 1);
}

const MahjongTileDetail *MahjongDetail(int k)
{
    const QString key = QString::fromUtf8(Rows.at(k - 1).TileEnglishName);
    for (const auto &[name, detail] : details())
        if (name == key)
            return &detail;
    return nullptr;
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
        return {QStringLiteral("Season"), QStringLiteral("Color"), QStringLiteral("Element"),
                QStringLiteral("Constellation")};
    case MahjongTileDetail::Flower:
        return {QStringLiteral("Player"), QStringLiteral("Season")};
    case MahjongTileDetail::Season:
        return {QStringLiteral("Player"), QStringLiteral("Representation"), QStringLiteral("Flower"),
                QStringLiteral("Color"), QStringLiteral("Element")};
    }
    return {};
}
