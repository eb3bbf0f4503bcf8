// The Mahjong tile table, the detail table of wind, flower and season tiles,
// and the draw.
#include "doubles.h"
#include "language.h"
#include "modmajongoracle.h"
#include "oracletables.h"
#include "productionservices.h"

#include <QCoreApplication>
#include <QScopeGuard>
#include <QTest>
#include <map>

class tst_MahjongTable : public QObject {
    Q_OBJECT

private slots:
    void rowsAreExact_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("row 1") << 1 << QStringLiteral("4 Bamboo") << QStringLiteral("Carp") << QStringLiteral("Li");
        QTest::newRow("row 5: suits not in numeric order")
            << 5 << QStringLiteral("1 Bamboo") << QStringLiteral("Peacock") << QStringLiteral("K'ung");
        QTest::newRow("row 23: Chu with a blank")
            << 23 << QStringLiteral("1 Circle") << QStringLiteral("Pearl") << QStringLiteral("Chu ");
        QTest::newRow("row 24: name with a blank")
            << 24 << QStringLiteral("3 Circle ") << QStringLiteral("Phoenix") << QStringLiteral("Feng");
        QTest::newRow("row 32: u with diaeresis")
            << 32 << QStringLiteral("Flowers Chrysanthemum") << QStringLiteral("Flowers Chrysanthemum")
            << QString(QStringLiteral("Ch") + QChar(0x00FC));
        QTest::newRow("row 39") << 39 << QStringLiteral("Wind East") << QStringLiteral("Wind East")
                                << QStringLiteral("Tung");
        QTest::newRow("row 42") << 42 << QStringLiteral("Wind West") << QStringLiteral("Wind West")
                                << QStringLiteral("Hsi");
    }
    void rowsAreExact()
    {
        QFETCH(int, row);
        QFETCH(QString, name);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const MahjongTile &tile = MahjongTiles(row);
        QCOMPARE(tile.TileName, name);
        QCOMPARE(tile.TileEnglishName, english);
        QCOMPARE(tile.TileChineseCharacter, chinese);
    }

    void readingsHaveTheirLengths()
    {
        for (int row = 1; row <= MahjongTileCount; ++row) {
            const QString &reading = MahjongTiles(row).TileDescription;
            QVERIFY2(reading.size() >= 43 && reading.size() <= 157, qPrintable(QString::number(row)));
            QVERIFY(!reading.contains(QLatin1Char('\n')));
        }
        QCOMPARE(MahjongTiles(30).TileDescription, QStringLiteral("This represents the mystery of the unknown."));
    }

    void detailsBelongToWindsFlowersAndSeasonsOnly()
    {
        int withDetail = 0;
        for (int row = 1; row <= MahjongTileCount; ++row)
            if (MahjongDetail(row))
                ++withDetail;
        QCOMPARE(withDetail, 12);
        for (int row = 1; row <= 30; ++row)
            QVERIFY(!MahjongDetail(row));
        const MahjongTileDetail *east = MahjongDetail(39); // Wind East
        QCOMPARE(east->category, MahjongTileDetail::Wind);
        QCOMPARE(east->attributes, (QStringList{QStringLiteral("Spring"), QStringLiteral("Green"),
                                                QStringLiteral("Wood"), QStringLiteral("Dragon (5 Circles)")}));
    }

    // In another language the readings come from its file and the names and
    // attributes through its catalogue; rows, English names and romanisations
    // stay, and English comes back byte for byte.
    void tableFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Spanish") << QStringLiteral("es");
        QTest::newRow("Chinese") << QStringLiteral("zh_CN");
    }
    void tableFollowsTheLanguage()
    {
        QFETCH(QString, language);
        if (!Language::available().contains(language))
            QSKIP("This build carries no catalogue of that language");
        const auto tileTexts = [](int row) {
            const MahjongTile &tile = MahjongTiles(row);
            QStringList texts{tile.TileName, tile.TileEnglishName, tile.TileChineseCharacter, tile.TileDescription};
            if (const MahjongTileDetail *detail = MahjongDetail(row))
                texts << detail->attributes << MahjongAttributeNames(detail->category);
            return texts;
        };
        QList<QStringList> english;
        for (int row = 1; row <= MahjongTileCount; ++row)
            english << tileTexts(row);
        const QStringList readings =
            readParagraphs(QStringLiteral(":/mahjong/readings_%1.txt").arg(language), MahjongTileCount);
        const MahjongTile &carp = MahjongTiles(1);
        const MahjongTileDetail *east = MahjongDetail(39);
        const auto shown = [](const char *english) { return QCoreApplication::translate("MahjongTiles", english); };

        const auto backToEnglish = qScopeGuard([] { Language::apply(Language::English); });
        Language::apply(language);
        for (int row = 1; row <= MahjongTileCount; ++row) {
            const MahjongTile &tile = MahjongTiles(row);
            QCOMPARE(tile.TileDescription, readings[row - 1]);
            QCOMPARE(tile.TileName, shown(MahjongTileEnglishName(row).toUtf8().constData()));
            QCOMPARE(tile.TileEnglishName, shown(MahjongTileEnglishMeaning(row).toUtf8().constData()));
            QCOMPARE(tile.TileChineseCharacter, english[row - 1][2]);
        }
        QCOMPARE(MahjongTileEnglishName(1), QStringLiteral("4 Bamboo"));
        QCOMPARE(MahjongTileEnglishMeaning(1), QStringLiteral("Carp"));
        // What was taken before reads on, in the language now in use.
        QCOMPARE(carp.TileDescription, readings[0]);
        QCOMPARE(MahjongDetail(39), east);
        QCOMPARE(east->category, MahjongTileDetail::Wind);
        QCOMPARE(east->attributes,
                 (QStringList{shown("Spring"), shown("Green"), shown("Wood"), shown("Dragon (5 Circles)")}));
        QCOMPARE(MahjongAttributeNames(MahjongTileDetail::Flower), (QStringList{shown("Player"), shown("Season")}));
        ScriptedRandom random;
        random.values = {38.5 / 42};
        const MahjongDraw d = DrawMahjong(random);
        QCOMPARE(d.MahjongIndex, 39);
        QCOMPARE(d.MahjongDescription, readings[38]);

        Language::apply(Language::English);
        for (int row = 1; row <= MahjongTileCount; ++row)
            QCOMPARE(tileTexts(row), english[row - 1]);
    }

    void draw_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("row");
        QTest::newRow("0 is row 1") << 0.0 << 1;
        QTest::newRow("just below 1 is row 42") << 1.0 - 0x1p-53 << 42;
        QTest::newRow("row 39") << 38.5 / 42 << 39;
    }
    void draw()
    {
        QFETCH(double, r);
        QFETCH(int, row);
        ScriptedRandom random;
        random.values = {r};
        const MahjongDraw d = DrawMahjong(random);
        QCOMPARE(d.MahjongIndex, row);
        QCOMPARE(d.MahjongName, MahjongTiles(row).TileName);
        QCOMPARE(d.MahjongEnglishName, MahjongTiles(row).TileEnglishName);
        QCOMPARE(d.MahjongChineseCharacter, MahjongTiles(row).TileChineseCharacter);
        QCOMPARE(d.MahjongDescription, MahjongTiles(row).TileDescription);
    }

    void everyRowComesUpAlike()
    {
        SystemRandom random;
        random.seed(42);
        std::map<int, int> seen;
        for (int i = 0; i < 42 * 2000; ++i)
            ++seen[DrawMahjong(random).MahjongIndex];
        QCOMPARE(int(seen.size()), 42);
        QCOMPARE(seen.begin()->first, 1);
        for (const auto &[row, count] : seen)
            QVERIFY2(count > 1700 && count < 2300, qPrintable(QString::number(row)));
    }
};

QTEST_GUILESS_MAIN(tst_MahjongTable)
#include "tst_mahjongtable.moc"
