#pragma once
// The symbol names of each culture, in symbol-number order; each name is
// also the key of its picture (IMGIndian ... IMGNativeAmerican).
#include "picturelist.h"

#include <array>

struct GoodLuckPictureSet {
    const char *folder; // under :/goodluck
    QStringList names;
};

inline constexpr QSize GoodLuckPictureSize{111, 111};

// In culture order: Indian, Chinese, Japanese, Egyptian, English, Arabian, Native American.
inline const std::array<GoodLuckPictureSet, 7> GoodLuckPictureSets{{
    {"indian",
     {QStringLiteral("Aum"), QStringLiteral("Bell"), QStringLiteral("Betel Leaf (Paan)"),
      QStringLiteral("Bindi or Dot"), QStringLiteral("Coconut"), QStringLiteral("Conch shells (Shankh)"),
      QStringLiteral("Lamp"), QStringLiteral("Pyramid"), QStringLiteral("Rudraksha"), QStringLiteral("Swastika"),
      QStringLiteral("Tulsi"), QStringLiteral("Wheel")}},
    {"chinese",
     {QStringLiteral("Bamboo"), QStringLiteral("Bat"), QStringLiteral("Butterfly"), QStringLiteral("Crab"),
      QStringLiteral("Crane"), QStringLiteral("Dragon"), QStringLiteral("Fu Symbol"), QStringLiteral("Gold Fish"),
      QStringLiteral("Gold Ingots"), QStringLiteral("Horse"), QStringLiteral("Jade"), QStringLiteral("Magpie"),
      QStringLiteral("Orchid"), QStringLiteral("Phoenix"), QStringLiteral("Three Legged Toad"),
      QStringLiteral("Tortoise"), QStringLiteral("Wealth Ship"), QStringLiteral("Yin Yang")}},
    {"japanese",
     {QStringLiteral("Beckoning Cat"), QStringLiteral("Benten"), QStringLiteral("Bishamon"),
      QStringLiteral("Daikokuten"), QStringLiteral("Daruma Doll"), QStringLiteral("Ebisu"),
      QStringLiteral("Fukurokuju"), QStringLiteral("Jurojin"), QStringLiteral("Laughing Buddha"),
      QStringLiteral("Tanuki")}},
    {"egyptian",
     {QStringLiteral("Angel"), QStringLiteral("Ankh"), QStringLiteral("Caduceus"), QStringLiteral("Elephant"),
      QStringLiteral("Eye of Horus"), QStringLiteral("Isis"), QStringLiteral("Lotus Flower"),
      QStringLiteral("Scarab")}},
    {"english",
     {QStringLiteral("3 Keys"), QStringLiteral("Acorn"), QStringLiteral("Coin"), QStringLiteral("Four Leaf Clover"),
      QStringLiteral("Horseshoe"), QStringLiteral("Ladybug"), QStringLiteral("Old Boot"), QStringLiteral("Pig"),
      QStringLiteral("Rabbit's Foot"), QStringLiteral("Unicorn"), QStringLiteral("Wishbone"), QStringLiteral("Wood")}},
    {"arabian", {QStringLiteral("Dolphins"), QStringLiteral("Hamsa Hand")}},
    {"nativeamerican",
     {QStringLiteral("Broken Arrow"), QStringLiteral("Crossed Arrows"), QStringLiteral("Feathers"),
      QStringLiteral("Fence"), QStringLiteral("Kokopelli Charm"), QStringLiteral("Leaf"), QStringLiteral("Mountain"),
      QStringLiteral("Rain Cloud"), QStringLiteral("Rain Drop"), QStringLiteral("Rain"), QStringLiteral("Sun"),
      QStringLiteral("Thunderbird")}},
}};

// The picture list of culture `culture` (0 to 6); key k is the name of symbol k plus ".jpg".
inline PictureList goodLuckPictures(int culture)
{
    const GoodLuckPictureSet &set = GoodLuckPictureSets.at(culture);
    QStringList keys;
    for (const QString &name : set.names)
        keys << name + QStringLiteral(".jpg");
    // Drawn on the result window's purple.
    return {QStringLiteral(":/goodluck/") + QLatin1String(set.folder), keys, QColor(0x80, 0x00, 0x80)};
}
