#pragma once
// IMGMajong: picture k shows tile k of the tile table; the suits stand in the
// alphabetical order of their keys, not in the order of their numbers.
#include "modmajongoracle.h"
#include "picturelist.h"

#include <QCoreApplication>

inline const QStringList MahjongTilePictureKeys{
    QStringLiteral("bamboo-carp.jpg"),      QStringLiteral("bamboo-duck.jpg"),
    QStringLiteral("bamboo-fungus.jpg"),    QStringLiteral("bamboo-lotus.jpg"),
    QStringLiteral("bamboo-peacock.jpg"),   QStringLiteral("bamboo-toad.jpg"),
    QStringLiteral("bamboo-tortoise.jpg"),  QStringLiteral("bamboo-water.jpg"),
    QStringLiteral("bamboo-willow.jpg"),    QStringLiteral("character-earth.jpg"),
    QStringLiteral("character-fire.jpg"),   QStringLiteral("character-heaven.jpg"),
    QStringLiteral("character-house.jpg"),  QStringLiteral("character-knot.jpg"),
    QStringLiteral("character-lute.jpg"),   QStringLiteral("character-opendoor.jpg"),
    QStringLiteral("character-sword.jpg"),  QStringLiteral("character-thesevenstar.jpg"),
    QStringLiteral("circle-dragon.jpg"),    QStringLiteral("circle-insect.jpg"),
    QStringLiteral("circle-jade.jpg"),      QStringLiteral("circle-peach.jpg"),
    QStringLiteral("circle-pearl.jpg"),     QStringLiteral("circle-phoenix.jpg"),
    QStringLiteral("circle-pin.jpg"),       QStringLiteral("circle-tiger.jpg"),
    QStringLiteral("circle-unicorn.jpg"),   QStringLiteral("dragon-greendragon.jpg"),
    QStringLiteral("dragon-reddragon.jpg"), QStringLiteral("dragon-whitedragon.jpg"),
    QStringLiteral("flower-bamboo.jpg"),    QStringLiteral("flower-chrys.jpg"),
    QStringLiteral("flower-orchid.jpg"),    QStringLiteral("flower-plum.jpg"),
    QStringLiteral("season-autumn.jpg"),    QStringLiteral("season-spring.jpg"),
    QStringLiteral("season-summer.jpg"),    QStringLiteral("season-winter.jpg"),
    QStringLiteral("wind-east.jpg"),        QStringLiteral("wind-north.jpg"),
    QStringLiteral("wind-south.jpg"),       QStringLiteral("wind-west.jpg")};
inline constexpr QSize MahjongTilePictureSize{40, 62};

// The picture of six tiles the user clicks.
inline constexpr QSize MahjongStartPictureSize{119, 123};

// Drawn on the result window's black.
inline PictureList IMGMajong()
{
    return {QStringLiteral(":/mahjong"), MahjongTilePictureKeys, Qt::black};
}

// What a screen reader calls the picture of a tile whose English-name
// column, in the language in use, reads `meaning`.
inline QString MahjongTilePictureName(const QString &meaning)
{
    //: A screen reader's name for the picture of a mahjong tile; %1 says what the tile means, such as "Carp"
    return QCoreApplication::translate("MahjongTiles", "%1 tile").arg(meaning);
}
// What a screen reader calls the picture of tile k (1 to 42).
inline QString MahjongTilePictureName(int k)
{
    return MahjongTilePictureName(MahjongTiles(k).TileEnglishName);
}

// As a list of one, so that it loads like every other picture, @2x included.
inline PictureList MahjongStartPicture()
{
    return {QStringLiteral(":/mahjong"), {QStringLiteral("tiles.jpg")}};
}
