#include "librarycatalogue.h"

#include "dominopictures.h"
#include "goodluckpictures.h"
#include "mahjongpictures.h"
#include "modcolororacle.h"
#include "moddominooracle.h"
#include "modgoodlucksymbol.h"
#include "modmajongoracle.h"
#include "modoghamoracle.h"
#include "oghampictures.h"

#include <algorithm>
#include <array>

namespace {

void addOgham(std::vector<LibraryEntry> &entries)
{
    for (int n = 1; n <= OghamTreeCount; ++n) {
        const OghamTree &tree = OghamTrees(n);
        entries.push_back({CelticOgham,
                           {},
                           tree.TreeName.trimmed(), // a blank ends some names, as the table holds them
                           {},
                           tree.Characteristics,
                           {{IMGTree(), n, tree.TreeName}},
                           OghamPiece{n},
                           {}});
        for (const OghamAttribute &attribute : OghamTreeAttributes(tree))
            entries.back().facts.append({attribute.caption, attribute.value});
    }
}

// One entry per domino of the set; a-b and b-a share a reading, so both
// orders are named, the higher half first.
void addDomino(std::vector<LibraryEntry> &entries)
{
    constexpr int Halves = 7;
    for (int high = 0; high < Halves; ++high)
        for (int low = 0; low <= high; ++low) {
            const int key = high * Halves + low;
            QString title = DominoNumber(key);
            if (low != high)
                title += QStringLiteral(" and ") + DominoNumber(low * Halves + high);
            entries.push_back({Domino,
                               {},
                               title,
                               {},
                               DominoMessage(key),
                               {{IMGDomino(), DominoHalfPicture(high), DominoHalfName(high)},
                                {IMGDomino(), DominoHalfPicture(low), DominoHalfName(low)}},
                               DominoPiece{high, low},
                               {}});
        }
}

// The suits as the tile rows follow them: rows `first` to the next suit's first.
struct Suit {
    int first;
    const char *heading;
};
constexpr std::array<Suit, 7> Suits{{{1, "Bamboo"},
                                     {10, "Characters"},
                                     {19, "Circles"},
                                     {28, "Dragons"},
                                     {31, "Flowers"},
                                     {35, "Seasons"},
                                     {39, "Winds"}}};

// Each suit in the order of its tiles' names: 1 to 9, then the honours alphabetically.
void addMahjong(std::vector<LibraryEntry> &entries)
{
    for (size_t s = 0; s < Suits.size(); ++s) {
        const int end = s + 1 < Suits.size() ? Suits[s + 1].first : MahjongTileCount + 1;
        std::vector<int> rows;
        for (int k = Suits[s].first; k < end; ++k)
            rows.push_back(k);
        std::sort(rows.begin(), rows.end(),
                  [](int a, int b) { return MahjongTiles(a).TileName < MahjongTiles(b).TileName; });
        for (const int k : rows) {
            const MahjongTile &tile = MahjongTiles(k);
            const QString name = tile.TileName.trimmed();
            QList<LibraryFact> facts{{QStringLiteral("Name"), tile.TileName},
                                     {QStringLiteral("English Name"), tile.TileEnglishName},
                                     {QStringLiteral("Chinese Character"), tile.TileChineseCharacter}};
            if (const MahjongTileDetail *detail = MahjongDetail(tile.TileEnglishName)) {
                const QStringList captions = MahjongAttributeNames(detail->category);
                for (qsizetype i = 0; i < captions.size(); ++i)
                    facts.append({captions[i], detail->attributes.value(i)});
            }
            entries.push_back(
                {Mahjong,
                 QLatin1String(Suits[s].heading),
                 name == tile.TileEnglishName ? name : name + QStringLiteral(" (%1)").arg(tile.TileEnglishName),
                 facts,
                 tile.TileDescription,
                 {{IMGMajong(), k, MahjongTilePictureName(tile.TileEnglishName)}},
                 MahjongPiece{k},
                 {}});
        }
    }
}

void addGoodLuck(std::vector<LibraryEntry> &entries)
{
    for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
        const PictureList pictures = goodLuckPictures(culture);
        for (int n = 1; n <= GoodLuckSymbolCount(culture); ++n) {
            const GoodLuckSymbol &symbol = GoodLuckSymbols(culture, n);
            entries.push_back({GoodLuck,
                               GoodLuckHeading(culture),
                               symbol.name,
                               {},
                               symbol.description,
                               {{pictures, n, symbol.name}},
                               GoodLuckPiece{culture, n},
                               {}});
        }
    }
}

void addColours(std::vector<LibraryEntry> &entries)
{
    for (int n = 1; n <= ColorCount; ++n) {
        const ColorReading &colour = ColorReadings(n);
        entries.push_back({MysticalColor, {}, colour.name, {}, colour.reading, {}, ColourPiece{n}, {}});
    }
}

bool isWordCharacter(QChar c)
{
    return c.isLetterOrNumber();
}

}

std::vector<LibraryEntry> BuildLibraryEntries()
{
    std::vector<LibraryEntry> entries;
    addOgham(entries);
    addDomino(entries);
    addMahjong(entries);
    addGoodLuck(entries);
    addColours(entries);
    for (LibraryEntry &entry : entries) {
        QStringList searched{QLatin1String(OracleName.at(entry.oracle)), entry.group, entry.title, entry.reading};
        for (const LibraryFact &fact : std::as_const(entry.facts))
            searched << fact.value;
        for (const LibraryPicture &picture : std::as_const(entry.pictures))
            searched << picture.name;
        // Kept apart by a line break, so that no word runs into the next field.
        entry.folded = foldForSearch(searched.join(QLatin1Char('\n')));
    }
    return entries;
}

QString foldForSearch(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category != QChar::Mark_NonSpacing && category != QChar::Mark_SpacingCombining
            && category != QChar::Mark_Enclosing)
            folded.append(c);
    }
    return folded.toCaseFolded();
}

bool matchesSearch(const LibraryEntry &entry, const QString &foldedQuery)
{
    if (foldedQuery.isEmpty())
        return true;
    const QString &text = entry.folded;
    for (qsizetype at = text.indexOf(foldedQuery); at >= 0; at = text.indexOf(foldedQuery, at + 1))
        if (at == 0 || !isWordCharacter(text[at - 1]) || !isWordCharacter(foldedQuery[0]))
            return true;
    return false;
}
