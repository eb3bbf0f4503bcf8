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
#include <map>

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

// One entry per domino of the set, named as its result window names it; a-b
// and b-a share a reading, so both orders are named, the higher half first.
void addDomino(std::vector<LibraryEntry> &entries)
{
    constexpr int Halves = 7;
    for (int high = 0; high < Halves; ++high)
        for (int low = 0; low <= high; ++low) {
            const int key = high * Halves + low;
            QString title = DominoHalfNumber(high) + u'-' + DominoHalfNumber(low);
            if (low != high)
                title += QStringLiteral(" and ") + DominoHalfNumber(low) + u'-' + DominoHalfNumber(high);
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
            // "1 Wan (Character)": the suit in brackets is the heading above
            // it, and the brackets are the English name's.
            QString name = tile.TileName.trimmed();
            if (const qsizetype suit = name.indexOf(u'('); suit > 0)
                name = name.left(suit).trimmed();
            QList<LibraryFact> facts{{QStringLiteral("Name"), tile.TileName},
                                     {QStringLiteral("English Name"), tile.TileEnglishName},
                                     {QStringLiteral("Chinese Character"), tile.TileChineseCharacter}};
            if (const MahjongTileDetail *detail = MahjongDetail(k)) {
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
        // Kept apart by a line break, so that no search runs on into the next field.
        for (QString &field : searched)
            field = foldForSearch(field);
        entry.folded = searched.join(QLatin1Char('\n'));
    }
    return entries;
}

namespace {
// A word as it was written and as its plural would be: "rabbits" finds a
// rabbit, "peaches" a peach, "butterflies" a butterfly. Words too short to
// tell a plural by, and those whose s is their own ("lotus", "isis",
// "glass"), stay as they are.
QString singular(QString word)
{
    const auto ends = [&word](QLatin1String tail) { return word.endsWith(tail); };
    if (word.size() < 4 || !ends(QLatin1String("s")) || ends(QLatin1String("ss")) || ends(QLatin1String("us"))
        || ends(QLatin1String("is")))
        return word;
    if (ends(QLatin1String("ies")) && word.size() > 4)
        return word.chopped(3) + QLatin1Char('y');
    for (const char *tail : {"ches", "shes", "sses", "xes", "zes"})
        if (ends(QLatin1String(tail)))
            return word.chopped(2);
    return word.chopped(1);
}

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019' || c == u'\u02bc';
}
}

QString OracleOverview(OracleId oracle)
{
    switch (oracle) {
    case CelticOgham:
        return QStringLiteral("The thirteen trees of the Celtic tree calendar. A reading draws three different "
                              "trees, for the past, the present and the future, each with its signs and what it "
                              "says of you.");
    case Domino:
        return QStringLiteral("The 28 dominoes of a double-six set, from blank to six pips on each half. A reading "
                              "draws one domino and gives its meaning.");
    case GoodLuck:
        return QStringLiteral("74 lucky charms from seven cultures. A reading draws one symbol from each culture "
                              "you choose and tells its story.");
    case Mahjong:
        return QStringLiteral("The 42 mahjong tiles in their seven suits. A reading draws one tile and gives its "
                              "names and its meaning; wind, flower and season tiles bring their signs as well.");
    case MysticalColor:
        return QStringLiteral("Five colours. A reading finds the lucky colour that your first and last names point "
                              "to, and what it says of you.");
    }
    return {};
}

QColor ColourSwatch(int number)
{
    static const std::map<QString, QColor> swatches{{QStringLiteral("Blue"), QColor(0x24, 0x4f, 0xb8)},
                                                    {QStringLiteral("Brown"), QColor(0x7a, 0x4a, 0x22)},
                                                    {QStringLiteral("Green"), QColor(0x2e, 0x8b, 0x3c)},
                                                    {QStringLiteral("Red"), QColor(0xc8, 0x1e, 0x1e)},
                                                    {QStringLiteral("Yellow"), QColor(0xf2, 0xd0, 0x1c)}};
    const auto found = swatches.find(ColorReadings(number).name);
    return found != swatches.end() ? found->second : QColor();
}

bool typedStartsName(const QString &name, const QString &typed)
{
    static const QString article = QStringLiteral("the ");
    const QString folded = name.trimmed().toCaseFolded();
    const QString start = typed.toCaseFolded();
    return folded.startsWith(start) || (folded.startsWith(article) && folded.mid(article.size()).startsWith(start));
}

QString foldForSearch(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString kept;
    kept.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isSpace()) { // tabs and line breaks among them
            kept.append(u' ');
            continue;
        }
        switch (c.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
        case QChar::Other_Control: // pasted in with the text, never seen
        case QChar::Other_Format:  // zero-width characters
            break;
        default:
            if (c.isLetterOrNumber())
                kept.append(c);
            else if (!isApostrophe(c)) // "Rabbit's" is one word, "rabbits"
                kept.append(u' ');     // any other mark or space parts words
        }
    }
    QStringList words = kept.toCaseFolded().split(u' ', Qt::SkipEmptyParts);
    for (QString &word : words)
        word = singular(word);
    return words.join(u' ');
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
