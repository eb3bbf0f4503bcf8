#pragma once
// The symbol names of each culture in English, in symbol-number order; each
// name is also the key of its picture (IMGIndian ... IMGNativeAmerican), in
// every language. The user reads them translated, through GoodLuckSymbols.
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
     {QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Aum")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Bell")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Betel Leaf (Paan)")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Bindi or Dot")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Coconut")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Conch shells (Shankh)")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Lamp")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Pyramid")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Rudraksha")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Swastika")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Tulsi")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Wheel"))}},
    {"chinese",
     {QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Bamboo")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Bat")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Butterfly")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Crab")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Crane")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Dragon")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Fu Symbol")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Gold Fish")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Gold Ingots")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Horse")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Jade")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Magpie")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Orchid")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Phoenix")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Three Legged Toad")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Tortoise")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Wealth Ship")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Yin Yang"))}},
    {"japanese",
     {QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Beckoning Cat")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Benten")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Bishamon")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Daikokuten")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Daruma Doll")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Ebisu")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Fukurokuju")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Jurojin")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Laughing Buddha")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Tanuki"))}},
    {"egyptian",
     {QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Angel")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Ankh")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Caduceus")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Elephant")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Eye of Horus")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Isis")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Lotus Flower")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Scarab"))}},
    {"english",
     {QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "3 Keys")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Acorn")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Coin")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Four Leaf Clover")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Horseshoe")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Ladybug")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Old Boot")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Pig")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Rabbit's Foot")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Unicorn")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Wishbone")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Wood"))}},
    {"arabian",
     {QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Dolphins")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Hamsa Hand"))}},
    {"nativeamerican",
     {QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Broken Arrow")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Crossed Arrows")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Feathers")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Fence")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Kokopelli Charm")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Leaf")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Mountain")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Rain Cloud")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Rain Drop")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Rain")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Sun")),
      QStringLiteral(QT_TRANSLATE_NOOP("GoodLuckSymbols", "Thunderbird"))}},
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
