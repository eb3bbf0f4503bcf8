// The Library's list of pieces, built from the oracles' tables, and the
// folding and matching of its search.
#include "librarycatalogue.h"
#include "moddominooracle.h"
#include "modmajongoracle.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <map>

class tst_LibraryCatalogue : public QObject {
    Q_OBJECT

    std::vector<LibraryEntry> entries = BuildLibraryEntries();

private slots:
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
    }
    void matchesTheStartOfAWord()
    {
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(bool, matches);
        LibraryEntry entry{Domino, {}, {}, {}, {}, {}, DominoPiece{0, 0}, foldForSearch(text)};
        QCOMPARE(matchesSearch(entry, foldForSearch(typed)), matches);
    }
};

QTEST_GUILESS_MAIN(tst_LibraryCatalogue)
#include "tst_librarycatalogue.moc"
