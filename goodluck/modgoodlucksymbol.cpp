#include "modgoodlucksymbol.h"

#include "goodluckpictures.h"
#include "language.h"
#include "oracletables.h"
#include "services.h"

#include <QCoreApplication>
#include <array>
#include <vector>

namespace {

// Also the texts of the cultures' check boxes and buttons.
constexpr std::array<const char *, GoodLuckCultureCount> Headings{
    //: A culture's heading, also its check box (about 32 characters fit on the line) and its button.
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Indian Good Luck Symbols"),
    //: A culture's heading, also its check box (about 32 characters fit on the line) and its button.
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Chinese Good Luck Symbols"),
    //: A culture's heading, also its check box (about 32 characters fit on the line) and its button.
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Japanese Good Luck Symbols"),
    //: A culture's heading, also its check box (about 32 characters fit on the line) and its button.
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Egyptian Good Luck Symbols"),
    //: A culture's heading, also its check box (about 32 characters fit on the line) and its button.
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "English Good Luck Symbols"),
    //: A culture's heading, also its check box (about 32 characters fit on the line) and its button.
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Arabian Good Luck Symbols"),
    //: A culture's heading, also its check box (about 32 characters fit on the line) and its button.
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Native American Good Luck Symbols")};
// One symbol of the culture, as a copied reading heads it.
constexpr std::array<const char *, GoodLuckCultureCount> SymbolHeadings{
    //: What one drawn symbol of a culture is, as a copied or printed reading heads it.
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Indian Good Luck Symbol"),
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Chinese Good Luck Symbol"),
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Japanese Good Luck Symbol"),
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Egyptian Good Luck Symbol"),
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "English Good Luck Symbol"),
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Arabian Good Luck Symbol"),
    QT_TRANSLATE_NOOP("GoodLuckSymbols", "Native American Good Luck Symbol")};

QString shown(const char *english)
{
    return QCoreApplication::translate("GoodLuckSymbols", english);
}

// The names are the picture lists' keys, translated; the descriptions come
// from each culture's text, in the same order.
std::vector<GoodLuckSymbol> buildCulture(int culture)
{
    const GoodLuckPictureSet &set = GoodLuckPictureSets.at(culture);
    const QStringList descriptions = Language::paragraphs(
        QStringLiteral(":/goodluck/%1/descriptions.txt").arg(QLatin1String(set.folder)), int(set.names.size()));
    std::vector<GoodLuckSymbol> symbols;
    for (qsizetype i = 0; i < set.names.size(); ++i)
        symbols.push_back({shown(set.names[i].toUtf8().constData()), descriptions[i]});
    return symbols;
}

// Rebuilt in place at the first look-up in a new language: the symbols
// already handed out stay valid.
const std::vector<GoodLuckSymbol> &culture(int k)
{
    static std::array<std::vector<GoodLuckSymbol>, GoodLuckCultureCount> cultures;
    static int built = -1;
    if (built != Language::generation()) {
        for (int c = 0; c < GoodLuckCultureCount; ++c) {
            std::vector<GoodLuckSymbol> symbols = buildCulture(c);
            if (cultures[c].size() == symbols.size())
                std::move(symbols.begin(), symbols.end(), cultures[c].begin());
            else
                cultures[c] = std::move(symbols);
        }
        built = Language::generation();
    }
    return cultures.at(k);
}

}

QString GoodLuckHeading(int culture)
{
    return shown(Headings.at(culture));
}

QString GoodLuckSymbolHeading(int culture)
{
    return shown(SymbolHeadings.at(culture));
}

QString GoodLuckSymbolEnglishName(int k, int number)
{
    return GoodLuckPictureSets.at(k).names.at(number - 1);
}

int GoodLuckSymbolCount(int k)
{
    return int(GoodLuckPictureSets.at(k).names.size());
}

const GoodLuckSymbol &GoodLuckSymbols(int k, int number)
{
    return culture(k).at(number - 1);
}

int DrawGoodLuckSymbol(int k, RandomSource &random)
{
    return itemNumber(random.next(), GoodLuckSymbolCount(k));
}
