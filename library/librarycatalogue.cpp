#include "librarycatalogue.h"

#include "dominopictures.h"
#include "goodluckpictures.h"
#include "language.h"
#include "mahjongpictures.h"
#include "modcolororacle.h"
#include "moddominooracle.h"
#include "modgoodlucksymbol.h"
#include "modmajongoracle.h"
#include "modoghamoracle.h"
#include "oghampictures.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <array>
#include <map>

namespace {

struct LibraryCatalogue {
    Q_DECLARE_TR_FUNCTIONS(LibraryCatalogue)
};

// Names in the order of the language in use; "2" before "10".
QCollator nameOrder()
{
    QCollator collator{QLocale()};
    collator.setNumericMode(true);
    return collator;
}

// `rows` in the order of the names `name(row)` give them.
template <class Name> void sortByName(std::vector<int> &rows, Name name)
{
    const QCollator collator = nameOrder();
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return collator.compare(name(a), name(b)) < 0; });
}

// The symbol and colour tables list their rows by their English names
// already ("Rain Cloud" before "Rain" as written there); a translation puts
// them in another order, its own.
bool namesAreTheTables()
{
    return Language::current() == Language::English;
}

void addOgham(std::vector<LibraryEntry> &entries)
{
    for (int n = 1; n <= OghamTreeCount; ++n) {
        const OghamTree &tree = OghamTrees(n);
        LibraryEntry entry{.oracle = CelticOgham,
                           .title = tree.TreeName.trimmed(), // a blank ends some names, as the table holds them
                           .reading = tree.Characteristics,
                           .pictures = {{IMGTree(), n, tree.TreeName}},
                           .piece = OghamPiece{n},
                           .englishNames = {OghamTreeEnglishName(n)}};
        for (const OghamAttribute &attribute : OghamTreeAttributes(tree))
            entry.facts.append({attribute.caption, attribute.value});
        entries.push_back(std::move(entry));
    }
}

// One entry per domino of the set, named as its result window names it; a-b
// and b-a share a reading, so both orders are named, the higher half first.
void addDomino(std::vector<LibraryEntry> &entries)
{
    constexpr int Halves = 7;
    const auto number = [](int first, int second) { return DominoHalfNumber(first) + u'-' + DominoHalfNumber(second); };
    for (int high = 0; high < Halves; ++high)
        for (int low = 0; low <= high; ++low) {
            const int key = high * Halves + low;
            QString title = number(high, low);
            if (low != high)
                //: Both ways round of one domino, as in "6-4 and 4-6".
                title = LibraryCatalogue::tr("%1 and %2").arg(title, number(low, high));
            entries.push_back({.oracle = Domino,
                               .title = title,
                               .reading = DominoMessage(key),
                               .pictures = {{IMGDomino(), DominoHalfPicture(high), DominoHalfName(high)},
                                            {IMGDomino(), DominoHalfPicture(low), DominoHalfName(low)}},
                               .piece = DominoPiece{high, low}});
        }
}

// The suits as the tile rows follow them: rows `first` to the next suit's first.
struct Suit {
    int first;
    const char *heading;
};
constexpr std::array<Suit, 7> Suits{{
    //: A suit of mahjong tiles, heading its tiles in the Library.
    {1, QT_TRANSLATE_NOOP("LibraryCatalogue", "Bamboo")},
    //: A suit of mahjong tiles, heading its tiles in the Library.
    {10, QT_TRANSLATE_NOOP("LibraryCatalogue", "Characters")},
    //: A suit of mahjong tiles, heading its tiles in the Library.
    {19, QT_TRANSLATE_NOOP("LibraryCatalogue", "Circles")},
    //: A suit of mahjong tiles, heading its tiles in the Library.
    {28, QT_TRANSLATE_NOOP("LibraryCatalogue", "Dragons")},
    //: A suit of mahjong tiles, heading its tiles in the Library.
    {31, QT_TRANSLATE_NOOP("LibraryCatalogue", "Flowers")},
    //: A suit of mahjong tiles, heading its tiles in the Library.
    {35, QT_TRANSLATE_NOOP("LibraryCatalogue", "Seasons")},
    //: A suit of mahjong tiles, heading its tiles in the Library.
    {39, QT_TRANSLATE_NOOP("LibraryCatalogue", "Winds")},
}};

// A tile's name without the suit in brackets that some carry ("1 Wan
// (Character)"): the heading above it says the suit.
QString withoutSuit(const QString &tileName)
{
    QString name = tileName.trimmed();
    for (const QChar bracket : {u'(', u'\uff08'}) // the full-width one of Chinese text too
        if (const qsizetype suit = name.indexOf(bracket); suit > 0)
            name = name.left(suit).trimmed();
    return name;
}

// Each suit in the order of its tiles' names: 1 to 9, then the honours alphabetically.
void addMahjong(std::vector<LibraryEntry> &entries)
{
    for (size_t s = 0; s < Suits.size(); ++s) {
        const int end = s + 1 < Suits.size() ? Suits[s + 1].first : MahjongTileCount + 1;
        std::vector<int> rows;
        for (int k = Suits[s].first; k < end; ++k)
            rows.push_back(k);
        sortByName(rows, [](int k) { return MahjongTiles(k).TileName; });
        for (const int k : rows) {
            const MahjongTile &tile = MahjongTiles(k);
            const QString name = withoutSuit(tile.TileName);
            QList<LibraryFact> facts{
                //: A caption of a mahjong tile's facts: the name players give it.
                {LibraryCatalogue::tr("Name"), tile.TileName},
                //: A caption of a mahjong tile's facts: what the tile stands for, as its English name says.
                {LibraryCatalogue::tr("English Name"), tile.TileEnglishName},
                //: A caption of a mahjong tile's facts: the romanised Chinese character on the tile.
                {LibraryCatalogue::tr("Chinese Character"), tile.TileChineseCharacter}};
            if (const MahjongTileDetail *detail = MahjongDetail(k)) {
                const QStringList captions = MahjongAttributeNames(detail->category);
                for (qsizetype i = 0; i < captions.size(); ++i)
                    facts.append({captions[i], detail->attributes.value(i)});
            }
            // An honour's name says what it is ("Wind East"); a suit's tile
            // adds what it stands for: "1 Wan (Open Door)".
            const bool namedByItself = withoutSuit(MahjongTileEnglishName(k)) == MahjongTileEnglishMeaning(k);
            //: A mahjong tile: its name, then what it stands for, as in "1 Wan (Open Door)".
            const QString title =
                namedByItself ? name : LibraryCatalogue::tr("%1 (%2)").arg(name, tile.TileEnglishName);
            entries.push_back({.oracle = Mahjong,
                               .groupId = int(s),
                               .group = QCoreApplication::translate("LibraryCatalogue", Suits[s].heading),
                               .title = title,
                               .facts = facts,
                               .reading = tile.TileDescription,
                               .pictures = {{IMGMajong(), k, MahjongTilePictureName(tile.TileEnglishName)}},
                               .piece = MahjongPiece{k},
                               .englishNames = {MahjongTileEnglishName(k), MahjongTileEnglishMeaning(k),
                                                QLatin1String(Suits[s].heading)}});
        }
    }
}

void addGoodLuck(std::vector<LibraryEntry> &entries)
{
    for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
        const PictureList pictures = goodLuckPictures(culture);
        std::vector<int> numbers;
        for (int n = 1; n <= GoodLuckSymbolCount(culture); ++n)
            numbers.push_back(n);
        if (!namesAreTheTables())
            sortByName(numbers, [culture](int n) { return GoodLuckSymbols(culture, n).name; });
        for (const int n : numbers) {
            const GoodLuckSymbol &symbol = GoodLuckSymbols(culture, n);
            entries.push_back({.oracle = GoodLuck,
                               .groupId = culture,
                               .group = GoodLuckHeading(culture),
                               .title = symbol.name,
                               .reading = symbol.description,
                               .pictures = {{pictures, n, symbol.name}},
                               .piece = GoodLuckPiece{culture, n},
                               .englishNames = {GoodLuckSymbolEnglishName(culture, n)}});
        }
    }
}

void addColours(std::vector<LibraryEntry> &entries)
{
    std::vector<int> numbers;
    for (int n = 1; n <= ColorCount; ++n)
        numbers.push_back(n);
    if (!namesAreTheTables())
        sortByName(numbers, [](int n) { return ColorReadings(n).name; });
    for (const int n : numbers) {
        const ColorReading &colour = ColorReadings(n);
        entries.push_back({.oracle = MysticalColor,
                           .title = colour.name,
                           .reading = colour.reading,
                           .piece = ColourPiece{n},
                           .englishNames = {ColorEnglishName(n)}});
    }
}

bool isWordCharacter(char32_t c)
{
    return QChar::isLetterOrNumber(c);
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
        QStringList searched{oracleName(entry.oracle), entry.group, entry.title, entry.reading};
        for (const LibraryFact &fact : std::as_const(entry.facts))
            searched << fact.value;
        for (const LibraryPicture &picture : std::as_const(entry.pictures))
            searched << picture.name;
        searched << QLatin1String(OracleName.at(entry.oracle)) << entry.englishNames;
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

bool isApostrophe(char32_t c)
{
    return c == U'\'' || c == U'\u2019' || c == U'\u02bc';
}

// Whether `text` ends in a word that French writes elided before an
// apostrophe ("l’", "d’", "qu’"), a word of its own.
bool endsWithElision(const QString &text)
{
    const QString word = text.mid(text.lastIndexOf(u' ') + 1).toCaseFolded();
    static const QStringList elided{QStringLiteral("c"), QStringLiteral("d"), QStringLiteral("j"),
                                    QStringLiteral("l"), QStringLiteral("m"), QStringLiteral("n"),
                                    QStringLiteral("s"), QStringLiteral("t"), QStringLiteral("qu")};
    return elided.contains(word);
}
}


QString OracleOverview(OracleId oracle)
{
    switch (oracle) {
    case CelticOgham:
        return LibraryCatalogue::tr("The thirteen trees of the Celtic tree calendar. A reading draws three different "
                                    "trees, for the past, the present and the future, each with its signs and what "
                                    "it says of you.");
    case Domino:
        return LibraryCatalogue::tr("The 28 dominoes of a double-six set, from blank to six pips on each half. A "
                                    "reading draws one domino and gives its meaning.");
    case GoodLuck:
        return LibraryCatalogue::tr("74 lucky charms from seven cultures. A reading draws one symbol from each "
                                    "culture you choose and tells its story.");
    case Mahjong:
        return LibraryCatalogue::tr("The 42 mahjong tiles in their seven suits. A reading draws one tile and gives "
                                    "its names and its meaning; wind, flower and season tiles bring their signs as "
                                    "well.");
    case MysticalColor:
        return LibraryCatalogue::tr("Five colours. A reading finds the lucky colour that your first and last names "
                                    "point to, and what it says of you.");
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
    const auto found = swatches.find(ColorEnglishName(number));
    return found != swatches.end() ? found->second : QColor();
}

namespace {
// Case and accents set aside, as a person types a name without them
// ("betula" reaches "A Bétula"); the voicing marks of kana stay, as they
// make other letters.
QString foldForTyping(const QString &text)
{
    QString folded = text.normalized(QString::NormalizationForm_D);
    folded.removeIf([](QChar c) {
        return c.category() == QChar::Mark_NonSpacing && c != QChar(0x3099) && c != QChar(0x309a);
    });
    return folded.normalized(QString::NormalizationForm_C).toCaseFolded();
}

// The words a name may begin with that a person leaves out when typing it,
// in the language in use, each followed by its blank; an elided one ("l’")
// runs on into the name.
const QStringList &leadingArticles()
{
    static QStringList articles;
    static int generation = -1;
    if (generation != Language::generation()) {
        generation = Language::generation();
        articles.clear();
        //: Words a piece's name may begin with that a person leaves out when typing it, so that typing
        //: "holly" reaches "The Holly Tree": in lower case, several apart by blanks (German: "der die das";
        //: an elided one with its apostrophe, as written in the names: French "le la les l’").
        //: Leave it as it is where names have none.
        for (const QString &word : foldForTyping(LibraryCatalogue::tr("the")).split(u' ', Qt::SkipEmptyParts))
            articles << (word.endsWith(u'\u2019') || word.endsWith(u'\'') ? word : word + QLatin1Char(' '));
    }
    return articles;
}

// The character (not the half of one) that ends text[0, at).
char32_t characterBefore(const QString &text, qsizetype at)
{
    if (at >= 2 && text[at - 1].isLowSurrogate() && text[at - 2].isHighSurrogate())
        return QChar::surrogateToUcs4(text[at - 2], text[at - 1]);
    return text[at - 1].unicode();
}

char32_t characterAt(const QString &text, qsizetype at)
{
    if (at + 1 < text.size() && text[at].isHighSurrogate() && text[at + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[at], text[at + 1]);
    return text[at].unicode();
}

// Written without blanks between words: each character may start a word.
bool isUnspaced(char32_t c)
{
    switch (QChar::script(c)) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Bopomofo:
        return true;
    default:
        return false;
    }
}
}

bool typedStartsName(const QString &name, const QString &typed)
{
    const QString folded = foldForTyping(name.trimmed());
    const QString start = foldForTyping(typed);
    if (folded.startsWith(start))
        return true;
    for (const QString &article : leadingArticles())
        if (folded.startsWith(article) && folded.mid(article.size()).startsWith(start))
            return true;
    return false;
}

QString foldForSearch(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString kept;
    kept.reserve(decomposed.size());
    for (qsizetype i = 0; i < decomposed.size(); ++i) {
        const char32_t c = characterAt(decomposed, i);
        const qsizetype units = c > 0xffff ? 2 : 1;
        if (QChar::isSpace(c)) { // tabs and line breaks among them
            kept.append(u' ');
            continue;
        }
        switch (QChar::category(c)) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
        case QChar::Other_Control: // pasted in with the text, never seen
        case QChar::Other_Format:  // zero-width characters
            break;
        default:
            if (QChar::isLetterOrNumber(c))
                kept.append(decomposed.mid(i, units));
            else if (!isApostrophe(c) || endsWithElision(kept)) // "Rabbit's" is one word, "rabbits";
                kept.append(u' ');     // "L’Aulne" two; any other mark or space parts words
        }
        i += units - 1;
    }
    // Case folding leaves "ß" as it is; a German writes "ss" for it as well.
    kept = kept.toCaseFolded().replace(u'\u00df', QLatin1String("ss"));
    QStringList words = kept.split(u' ', Qt::SkipEmptyParts);
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
        if (at == 0 || !isWordCharacter(characterBefore(text, at)) || !isWordCharacter(characterAt(foldedQuery, 0))
            || isUnspaced(characterBefore(text, at)) || isUnspaced(characterAt(foldedQuery, 0)))
            return true;
    return false;
}
