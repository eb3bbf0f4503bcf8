// The Library's list of pieces, built from the oracles' tables, and the
// folding and matching of its search, in English and in another language.
#include "language.h"
#include "librarycatalogue.h"
#include "librarypieces.h"
#include "modcolororacle.h"
#include "moddominooracle.h"
#include "modgoodlucksymbol.h"
#include "modmajongoracle.h"

#include <QCollator>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTranslator>
#include <map>

namespace {

const LibraryEntry *entryOf(const std::vector<LibraryEntry> &entries, const LibraryPiece &piece)
{
    const auto found =
        std::find_if(entries.begin(), entries.end(), [&piece](const LibraryEntry &e) { return e.piece == piece; });
    return found != entries.end() ? &*found : nullptr;
}

// Paragraph `n` (from 0) of a reading text, from the file of the language `code`.
QString paragraph(const QString &english, const QString &code, int n)
{
    QString name = english;
    name.insert(name.lastIndexOf(u'.'), u'_' + code);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n').value(n);
}

// All that the Library shows or searches of an entry, in order.
QStringList everything(const LibraryEntry &entry)
{
    QStringList all{QString::number(entry.oracle), QString::number(entry.groupId), entry.group, entry.title};
    for (const LibraryFact &fact : entry.facts)
        all << fact.caption << fact.value;
    all << entry.reading;
    for (const LibraryPicture &picture : entry.pictures)
        all << QString::number(picture.number) << picture.name;
    return all << entry.englishNames << entry.folded;
}

// Gives its own words for some of the texts of a context.
class WordsOf : public QTranslator {
public:
    WordsOf(const char *context, std::map<QString, QString> words)
        : m_context(context)
        , m_words(std::move(words))
    {
    }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const auto found = m_words.find(QString::fromUtf8(source));
        return qstrcmp(context, m_context) == 0 && found != m_words.end() ? found->second : QString();
    }

private:
    const char *m_context;
    std::map<QString, QString> m_words;
};
}

class tst_LibraryCatalogue : public QObject {
    Q_OBJECT

    std::vector<LibraryEntry> entries = BuildLibraryEntries();

private slots:
    // Whatever a test left behind, the next one starts in English.
    void cleanup()
    {
        if (Language::current() != Language::English)
            Language::apply(Language::English);
    }

    void everyPieceOnceBySection()
    {
        std::map<OracleId, int> count;
        for (const LibraryEntry &entry : entries)
            ++count[entry.oracle];
        QCOMPARE(count[CelticOgham], 13);
        QCOMPARE(count[Domino], 28);
        QCOMPARE(count[Mahjong], 42);
        QCOMPARE(count[GoodLuck], 74);
        QCOMPARE(count[MysticalColor], 5);
        // The sections stand together, in the order the Library lists them.
        QList<OracleId> order;
        for (const LibraryEntry &entry : entries)
            if (order.isEmpty() || order.last() != entry.oracle)
                order << entry.oracle;
        QCOMPARE(order, (QList<OracleId>{CelticOgham, Domino, Mahjong, GoodLuck, MysticalColor}));
    }

    // Every key of the table is named by exactly one domino, both orders
    // where they share a reading, and the domino reads that reading.
    void dominoesNameBothOrders()
    {
        QSet<QString> named;
        for (const LibraryEntry &entry : entries) {
            if (entry.oracle != Domino)
                continue;
            const auto piece = std::get<DominoPiece>(entry.piece);
            QCOMPARE(entry.reading, DominoMessage(piece.one * 7 + piece.two));
            for (const QString &key : entry.title.split(QStringLiteral(" and "))) {
                QVERIFY2(!named.contains(key), qPrintable(key));
                named << key;
            }
        }
        QCOMPARE(named.size(), DominoKeyCount);
        const auto sixFour = std::find_if(entries.begin(), entries.end(), [](const LibraryEntry &e) {
            return e.title == QLatin1String("6-4 and 4-6");
        });
        QVERIFY(sixFour != entries.end());
        QCOMPARE(sixFour->pictures.size(), 2);
    }

    // Tiles by suit, each suit's tiles together; the wind, flower and season
    // tiles carry their attributes.
    void tilesBySuit()
    {
        QStringList suits;
        for (const LibraryEntry &entry : entries)
            if (entry.oracle == Mahjong && (suits.isEmpty() || suits.last() != entry.group))
                suits << entry.group;
        QCOMPARE(suits.size(), 7);
        QCOMPARE(QSet<QString>(suits.begin(), suits.end()).size(), 7);
        for (const LibraryEntry &entry : entries) {
            if (entry.oracle != Mahjong)
                continue;
            const MahjongTile &tile = MahjongTiles(std::get<MahjongPiece>(entry.piece).row);
            QCOMPARE(entry.reading, tile.TileDescription);
            const MahjongTileDetail *detail = MahjongDetail(std::get<MahjongPiece>(entry.piece).row);
            QCOMPARE(entry.facts.size(), 3 + (detail ? detail->attributes.size() : 0));
        }
    }

    // No title repeats its brackets ("1 Wan (Character) (Open Door)"), and a
    // domino is named as its result window names it, a blank half "Blank".
    void titlesReadAsThePiecesAreNamed_data()
    {
        QTest::addColumn<QString>("title");
        QTest::newRow("a Characters tile") << QStringLiteral("1 Wan (Open Door)");
        QTest::newRow("a Circles tile") << QStringLiteral("3 Circle (Phoenix)");
        QTest::newRow("an honour tile") << QStringLiteral("Wind East");
        QTest::newRow("a blank half") << QStringLiteral("1-Blank and Blank-1");
        QTest::newRow("two blanks") << QStringLiteral("Blank-Blank");
    }
    void titlesReadAsThePiecesAreNamed()
    {
        QFETCH(QString, title);
        QStringList titles;
        for (const LibraryEntry &entry : entries) {
            titles << entry.title;
            QVERIFY2(entry.title.count(u'(') <= 1, qPrintable(entry.title));
            QVERIFY2(!entry.title.contains(QRegularExpression(QStringLiteral("(^|\\D)0(\\D|$)"))),
                     qPrintable(entry.title));
        }
        QVERIFY2(titles.contains(title), qPrintable(title));
    }

    // A name is reached by typing its start, or the start of what follows
    // "The": a person looks for the holly, not for "the".
    void typingReachesAName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("reached");
        QTest::newRow("after The") << QStringLiteral("The Holly Tree") << QStringLiteral("holly") << true;
        QTest::newRow("with The") << QStringLiteral("The Holly Tree") << QStringLiteral("the h") << true;
        QTest::newRow("its start") << QStringLiteral("Horse") << QStringLiteral("HOR") << true;
        QTest::newRow("not after The") << QStringLiteral("Horse") << QStringLiteral("holly") << false;
        QTest::newRow("a later word") << QStringLiteral("The Holly Tree") << QStringLiteral("tree") << false;
        QTest::newRow("a word starting with the") << QStringLiteral("Theatre") << QStringLiteral("atre") << false;
    }
    void typingReachesAName()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(bool, reached);
        QCOMPARE(typedStartsName(name, typed), reached);
    }

    void fold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("upper case") << QStringLiteral("JUROJIN") << QStringLiteral("jurojin");
        QTest::newRow("composed accent") << QString::fromUtf8("Ch\u00fc") << QStringLiteral("chu");
        QTest::newRow("combining accent") << QString::fromUtf8("Chu\u0308") << QStringLiteral("chu");
        QTest::newRow("several") << QString::fromUtf8("\u00c9l\u00e9phant") << QStringLiteral("elephant");
        QTest::newRow("apostrophe dropped") << QStringLiteral("K'ung") << QStringLiteral("kung");
        QTest::newRow("curly apostrophe dropped")
            << QString::fromUtf8("Rabbit\u2019s Foot") << QStringLiteral("rabbit foot");
        QTest::newRow("French elision parts words")
            << QString::fromUtf8("L\u2019Aulne d'Ebisu") << QStringLiteral("l aulne d ebisu");
        QTest::newRow("hyphen parts words") << QStringLiteral("Three-Legged") << QStringLiteral("three legged");
        QTest::newRow("brackets and blanks")
            << QStringLiteral(" 1 Wan  (Character) ") << QStringLiteral("1 wan character");
        QTest::newRow("zero-width characters") << QString::fromUtf8("ja\u200bde\u200d\ufeff") << QStringLiteral("jade");
        QTest::newRow("control characters") << QString::fromUtf8("\u0007ja\u001bde\u007f") << QStringLiteral("jade");
        QTest::newRow("tab and line break") << QStringLiteral("gold\tfish\n") << QStringLiteral("gold fish");
        // Plurals meet their singular, however either is spelled.
        QTest::newRow("plural s") << QStringLiteral("Dragons") << QStringLiteral("dragon");
        QTest::newRow("plural es") << QStringLiteral("peaches boxes wishes") << QStringLiteral("peach box wish");
        QTest::newRow("plural ies") << QStringLiteral("butterflies") << QStringLiteral("butterfly");
        QTest::newRow("s of its own") << QStringLiteral("Lotus Isis glass") << QStringLiteral("lotus isis glass");
        QTest::newRow("too short to tell") << QStringLiteral("Has us") << QStringLiteral("has us");
        // German, Spanish and Chinese as they are typed.
        QTest::newRow("sharp s") << QString::fromUtf8("Stra\u00dfe") << QStringLiteral("strasse");
        QTest::newRow("capital sharp s") << QString::fromUtf8("STRA\u1e9eE") << QStringLiteral("strasse");
        QTest::newRow("umlaut and sharp s") << QString::fromUtf8("Gr\u00fc\u00dfe") << QStringLiteral("grusse");
        QTest::newRow("tilde and acute") << QString::fromUtf8("A\u00f1o M\u00e1gico") << QStringLiteral("ano magico");
        QTest::newRow("Chinese as it is")
            << QString::fromUtf8("\u7ea2\u9f99\uff08\u98ce\uff09") << QString::fromUtf8("\u7ea2\u9f99 \u98ce");
        QTest::newRow("full-width letters and digits")
            << QString::fromUtf8("\uff37\uff49\uff4e\uff44\u3000\uff11") << QStringLiteral("wind 1");
        QTest::newRow("a character of two halves")
            << QString::fromUtf8("\U00020000\u9f99") << QString::fromUtf8("\U00020000\u9f99");
    }
    void fold()
    {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QCOMPARE(foldForSearch(text), folded);
    }

    void matchesTheStartOfAWord_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("matches");
        QTest::newRow("first word") << QStringLiteral("Oak tree") << QStringLiteral("oak") << true;
        QTest::newRow("later word") << QStringLiteral("a mighty oak") << QStringLiteral("oak") << true;
        QTest::newRow("inside a word") << QStringLiteral("soak") << QStringLiteral("oak") << false;
        QTest::newRow("inside, then a word") << QStringLiteral("soak the oak") << QStringLiteral("oak") << true;
        QTest::newRow("start of a word") << QStringLiteral("oaken") << QStringLiteral("oak") << true;
        QTest::newRow("two words") << QStringLiteral("Gold Fish") << QStringLiteral("gold f") << true;
        QTest::newRow("after a hyphen") << QStringLiteral("6-4") << QStringLiteral("4") << true;
        QTest::newRow("a hyphen for a blank")
            << QStringLiteral("1-Blank and Blank-1") << QStringLiteral("1 blank") << true;
        QTest::newRow("a blank for a hyphen")
            << QStringLiteral("Three Legged Toad") << QStringLiteral("three-legged") << true;
        QTest::newRow("a plural for its singular")
            << QStringLiteral("Rabbit's Foot") << QStringLiteral("rabbits") << true;
        QTest::newRow("no run into the next word")
            << QStringLiteral("Wind East") << QStringLiteral("windeast") << false;
        QTest::newRow("empty") << QStringLiteral("anything") << QString() << true;
        QTest::newRow("Chinese within a run")
            << QString::fromUtf8("\u7ea2\u9f99\u724c") << QString::fromUtf8("\u9f99") << true;
        QTest::newRow("Chinese, a character of two halves")
            << QString::fromUtf8("\u9f99\U00020000") << QString::fromUtf8("\U00020000") << true;
        QTest::newRow("Chinese, not there")
            << QString::fromUtf8("\u7ea2\u9f99\u724c") << QString::fromUtf8("\u98ce") << false;
        QTest::newRow("ss for sharp s") << QString::fromUtf8("Stra\u00dfe") << QStringLiteral("strasse") << true;
        QTest::newRow("sharp s for ss") << QStringLiteral("Strasse") << QString::fromUtf8("stra\u00dfe") << true;
        QTest::newRow("without the accent") << QString::fromUtf8("El Drag\u00f3n") << QStringLiteral("dragon") << true;
        QTest::newRow("n for n with tilde") << QString::fromUtf8("A\u00f1o") << QStringLiteral("ano") << true;
        QTest::newRow("u for u with umlaut") << QString::fromUtf8("Gl\u00fcck") << QStringLiteral("gluck") << true;
        QTest::newRow("Latin still by words") << QString::fromUtf8("Gl\u00fcck") << QStringLiteral("luck") << false;
    }
    void matchesTheStartOfAWord()
    {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        const LibraryEntry entry{.oracle = Domino, .piece = DominoPiece{0, 0}, .folded = foldForSearch(text)};
        QCOMPARE(matchesSearch(entry, foldForSearch(typed)), matches);
    }

    // In another language each piece reads its text from that language's
    // file and keeps its numbers, and its English name still finds it; back
    // in English, every entry is again exactly what it was.
    void followsTheLanguage_data()
    {
        QTest::addColumn<int>("oracle");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("paragraph");
        QTest::addColumn<QString>("englishName");
        QTest::newRow("a tree") << int(CelticOgham) << 7 << 0 << QStringLiteral(":/ogham/characteristics.txt") << 6
                                << QStringLiteral("oak");
        QTest::newRow("a domino") << int(Domino) << 5 << 5 << QStringLiteral(":/domino/readings.txt") << 25
                                  << QStringLiteral("5-5");
        QTest::newRow("a tile") << int(Mahjong) << 40 << 0 << QStringLiteral(":/mahjong/readings.txt") << 39
                                << QStringLiteral("wind north");
        QTest::newRow("a symbol") << int(GoodLuck) << int(Japanese) << 8
                                  << QStringLiteral(":/goodluck/japanese/descriptions.txt") << 7
                                  << QStringLiteral("jurojin");
        QTest::newRow("a colour") << int(MysticalColor) << 3 << 0 << QStringLiteral(":/colour/readings.txt") << 2
                                  << QStringLiteral("green");
    }
    void followsTheLanguage()
    {
        QFETCH(int, oracle);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, text);
        QFETCH(int, paragraph);
        QFETCH(QString, englishName);
        const LibraryPiece piece = pieceOf(oracle, first, second);
        Language::apply(QStringLiteral("de"));
        QCOMPARE(Language::current(), QStringLiteral("de"));
        const std::vector<LibraryEntry> german = BuildLibraryEntries();
        Language::apply(Language::English);

        const LibraryEntry *entry = entryOf(german, piece);
        QVERIFY(entry);
        const QString germanText = ::paragraph(text, QStringLiteral("de"), paragraph);
        QVERIFY(!germanText.isEmpty());
        QCOMPARE(entry->reading, germanText);
        QVERIFY(matchesSearch(*entry, foldForSearch(englishName)));
        // Every piece is there once, by its numbers, in the sections and groups it had.
        QCOMPARE(german.size(), entries.size());
        for (const LibraryEntry &each : entries) {
            const LibraryEntry *same = entryOf(german, each.piece);
            QVERIFY(same);
            QCOMPARE(same->oracle, each.oracle);
            QCOMPARE(same->groupId, each.groupId);
        }

        const std::vector<LibraryEntry> again = BuildLibraryEntries();
        QCOMPARE(again.size(), entries.size());
        for (size_t i = 0; i < entries.size(); ++i)
            QCOMPARE(everything(again[i]), everything(entries[i]));
    }

    // Tiles, symbols and colours stand in the order of their names in the
    // language in use; in English, symbols and colours keep the tables' order.
    void namesInTheLanguagesOrder_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << Language::English;
        QTest::newRow("German") << QStringLiteral("de");
    }
    void namesInTheLanguagesOrder()
    {
        QFETCH(QString, language);
        Language::apply(language);
        const std::vector<LibraryEntry> built = BuildLibraryEntries();
        QCollator order{QLocale()};
        order.setNumericMode(true);
        // Each group's names in the order shown, with each piece's number in its table.
        std::map<std::pair<int, int>, QList<std::pair<QString, int>>> groups;
        for (const LibraryEntry &entry : built) {
            if (const auto *tile = std::get_if<MahjongPiece>(&entry.piece))
                groups[{entry.oracle, entry.groupId}] << std::pair(MahjongTiles(tile->row).TileName, tile->row);
            else if (const auto *symbol = std::get_if<GoodLuckPiece>(&entry.piece))
                groups[{entry.oracle, entry.groupId}] << std::pair(entry.title, symbol->number);
            else if (const auto *colour = std::get_if<ColourPiece>(&entry.piece))
                groups[{entry.oracle, entry.groupId}] << std::pair(entry.title, colour->number);
        }
        Language::apply(Language::English);

        QCOMPARE(groups.size(), size_t(7 + 7 + 1));
        for (const auto &[group, names] : groups)
            for (qsizetype i = 1; i < names.size(); ++i) {
                const QString pair = names[i - 1].first + QStringLiteral(" / ") + names[i].first;
                if (group.first != Mahjong && language == Language::English)
                    QVERIFY2(names[i - 1].second < names[i].second, qPrintable(pair));
                else
                    QVERIFY2(order.compare(names[i - 1].first, names[i].first) <= 0, qPrintable(pair));
            }
        if (language == Language::English) {
            // The one place where the order of the table is not that of the alphabet.
            const QList<std::pair<QString, int>> &native = groups[{GoodLuck, NativeAmerican}];
            const auto at = [&native](const char *name) {
                return std::find_if(native.begin(), native.end(),
                                    [name](const auto &n) { return n.first == QLatin1String(name); })
                       - native.begin();
            };
            QVERIFY(at("Rain Cloud") < at("Rain"));
        }
    }

    // Type-ahead sets aside the articles of the language in use.
    void typingSetsAsideTheLanguagesArticles_data()
    {
        QTest::addColumn<QString>("articles");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("reached");
        const QString german = QStringLiteral("der die das");
        const QString french = QStringLiteral("le la les l’");
        QTest::newRow("one article") << german << QStringLiteral("Die Birke") << QStringLiteral("birke") << true;
        QTest::newRow("another") << german << QStringLiteral("Das Efeu") << QStringLiteral("efeu") << true;
        QTest::newRow("with it") << german << QStringLiteral("Der Holunder") << QStringLiteral("der h") << true;
        QTest::newRow("not the English one") << german << QStringLiteral("The Birch") << QStringLiteral("birch") << false;
        QTest::newRow("a later word") << german << QStringLiteral("Die Birke") << QStringLiteral("baum") << false;
        QTest::newRow("elided, no blank after it") << french << QStringLiteral("L’Aulne") << QStringLiteral("aulne") << true;
        QTest::newRow("a word that begins like one") << french << QStringLiteral("Laurier") << QStringLiteral("aurier") << false;
        const QString portuguese = QStringLiteral("o a os as");
        QTest::newRow("typed without its accent") << portuguese << QStringLiteral("A Bétula") << QStringLiteral("betula") << true;
        QTest::newRow("typed with it") << portuguese << QStringLiteral("A Bétula") << QStringLiteral("BÉT") << true;
        QTest::newRow("a voiced kana is another letter") << german << QStringLiteral("ガマ") << QStringLiteral("カ") << false;
    }
    void typingSetsAsideTheLanguagesArticles()
    {
        QFETCH(QString, articles);
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(bool, reached);
        Language::apply(QStringLiteral("de"));
        WordsOf words("LibraryCatalogue", {{QStringLiteral("the"), articles}});
        QCoreApplication::installTranslator(&words);
        const bool found = typedStartsName(name, typed);
        QCoreApplication::removeTranslator(&words);
        Language::apply(Language::English);
        QCOMPARE(found, reached);
        QVERIFY(typedStartsName(QStringLiteral("The Birch"), QStringLiteral("birch")));
    }
};

QTEST_GUILESS_MAIN(tst_LibraryCatalogue)
#include "tst_librarycatalogue.moc"
