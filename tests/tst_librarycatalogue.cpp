// The Library's list of pieces, built from the oracles' tables, and the
// folding and matching of its search.
#include "librarycatalogue.h"
#include "moddominooracle.h"
#include "modmajongoracle.h"

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
            const MahjongTileDetail *detail = MahjongDetail(tile.TileEnglishName);
            QCOMPARE(entry.facts.size(), 3 + (detail ? detail->attributes.size() : 0));
        }
    }

    void fold_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::newRow("upper case") << QStringLiteral("JUROJIN") << QStringLiteral("jurojin");
        QTest::newRow("composed accent") << QString::fromUtf8("Ch\u00fc") << QStringLiteral("chu");
        QTest::newRow("combining accent") << QString::fromUtf8("Chu\u0308") << QStringLiteral("chu");
        QTest::newRow("several") << QString::fromUtf8("\u00c9l\u00e9phant") << QStringLiteral("elephant");
        QTest::newRow("apostrophe kept") << QStringLiteral("K'ung") << QStringLiteral("k'ung");
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
