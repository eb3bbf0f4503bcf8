#include "modgoodlucksymbol.h"

#include "goodluckpictures.h"
#include "oracletables.h"
#include "services.h"

#include <array>
#include <vector>

namespace {

constexpr std::array<const char *, GoodLuckCultureCount> Headings{
    "Indian Good Luck Symbols",         "Chinese Good Luck Symbols", "Japanese Good Luck Symbols",
    "Egyptian Good Luck Symbols",       "English Good Luck Symbols", "Arabian Good Luck Symbols",
    "Native American Good Luck Symbols"};
// One symbol of the culture, as a copied reading heads it.
constexpr std::array<const char *, GoodLuckCultureCount> SymbolHeadings{
    "Indian Good Luck Symbol",         "Chinese Good Luck Symbol", "Japanese Good Luck Symbol",
    "Egyptian Good Luck Symbol",       "English Good Luck Symbol", "Arabian Good Luck Symbol",
    "Native American Good Luck Symbol"};

// The names come from the picture lists, whose keys they are; the
// descriptions from each culture's text, in the same order.
std::vector<GoodLuckSymbol> buildCulture(int culture)
{
    const GoodLuckPictureSet &set = GoodLuckPictureSets.at(culture);
    const QStringList descriptions = readParagraphs(
        QStringLiteral(":/goodluck/%1/descriptions.txt").arg(QLatin1String(set.folder)), int(set.names.size()));
    std::vector<GoodLuckSymbol> symbols;
    for (qsizetype i = 0; i < set.names.size(); ++i)
        symbols.push_back({set.names[i], descriptions[i]});
    return symbols;
}

const std::vector<GoodLuckSymbol> &culture(int k)
{
    static const std::array<std::vector<GoodLuckSymbol>, GoodLuckCultureCount> cultures = [] {
        std::array<std::vector<GoodLuckSymbol>, GoodLuckCultureCount> all;
        for (int c = 0; c < GoodLuckCultureCount; ++c)
            all[c] = buildCulture(c);
        return all;
    }();
    return cultures.at(k);
}

}

QString GoodLuckHeading(int culture)
{
    return QLatin1String(Headings.at(culture));
}

QString GoodLuckSymbolHeading(int culture)
{
    return QLatin1String(SymbolHeadings.at(culture));
}

QString GoodLuckSymbolEnglishName(int k, int number)
{
    return GoodLuckPictureSets.at(k).names.at(number - 1);
}

int GoodLuckSymbolCount(int k)
{
    return int(culture(k).size());
}

const GoodLuckSymbol &GoodLuckSymbols(int k, int number)
{
    return culture(k).at(number - 1);
}

int DrawGoodLuckSymbol(int k, RandomSource &random)
{
    return itemNumber(random.next(), GoodLuckSymbolCount(k));
}
