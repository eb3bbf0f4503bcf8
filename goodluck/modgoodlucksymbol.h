#pragma once
// The Good Luck Symbol oracle's seven cultures, their 74 symbols (name,
// picture and description, linked by the symbol number), and the draw of
// one symbol for a culture.
#include <QString>

class RandomSource;

enum GoodLuckCulture { Indian, Chinese, Japanese, Egyptian, English, Arabian, NativeAmerican };
inline constexpr int GoodLuckCultureCount = 7;

// "Indian Good Luck Symbols" and so on, in the language in use.
QString GoodLuckHeading(int culture);
// "Indian Good Luck Symbol": what one drawn symbol of the culture is, in the language in use.
QString GoodLuckSymbolHeading(int culture);
// N: 12, 18, 10, 8, 12, 2, 12.
int GoodLuckSymbolCount(int culture);

// A symbol as the user reads it in the language in use. Its picture is
// found by its number, never by this name.
struct GoodLuckSymbol {
    QString name;
    QString description;
};

// The English name of a symbol, whatever the language in use: the Library finds a symbol by it too.
QString GoodLuckSymbolEnglishName(int culture, int number);
// Symbol `number` (1 to N) of a culture; picture `number` of the culture's
// picture list shows it. A symbol handed out stays valid: the first look-up
// after the language changes rewrites it in place.
const GoodLuckSymbol &GoodLuckSymbols(int culture, int number);

// A symbol number of the culture: the integer part of r * N + 1.
int DrawGoodLuckSymbol(int culture, RandomSource &random);
