// The Ogham tree table and the three-tree draw, without a screen.
#include "doubles.h"
#include "markedlanguage.h"
#include "modoghamoracle.h"
#include "productionservices.h"

#include <QFile>
#include <QTest>

class tst_OghamTable : public QObject {
    Q_OBJECT

private slots:
    void characteristicsHaveTheirLengths_data()
    {
        QTest::addColumn<int>("tree");
        QTest::addColumn<int>("length");
        const int lengths[] = {1135, 1158, 1165, 1026, 1213, 1217, 1196, 1275, 1233, 1200, 1216, 818, 1236};
        for (int tree = 1; tree <= OghamTreeCount; ++tree)
            QTest::newRow(qPrintable(OghamTrees(tree).TreeName)) << tree << lengths[tree - 1];
    }
    void characteristicsHaveTheirLengths()
    {
        QFETCH(int, tree);
        QFETCH(int, length);
        const QString &text = OghamTrees(tree).Characteristics;
        QCOMPARE(text.size(), length);
        QVERIFY(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')));
        for (const QChar c : text)
            QVERIFY(c.unicode() >= 32 && c.unicode() < 127);
    }

    void valuesAreExact()
    {
        QVERIFY(OghamTrees(1).Characteristics.startsWith(QStringLiteral("The term Birch means Rebirth or Renewal.")));
        QCOMPARE(OghamTrees(3).LuckyLetter, QStringLiteral("'N"));
        QCOMPARE(OghamTrees(12).LuckyLetter, QStringLiteral("'N,G"));
        QCOMPARE(OghamTrees(11).RulingAnimal, QStringLiteral("The Butterfly  "));
        QCOMPARE(OghamTrees(10).LuckyFlower, OghamTrees(9).LuckyFlower);
    }

    // In another language a tree reads in it: its name and attributes through
    // the translator, its paragraph from the language's file; the Ogham terms
    // and letters stay, and the English name still finds the tree. Back in
    // English every value is exact again.
    void treesFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("tree");
        QTest::newRow("German Birch") << QStringLiteral("de") << 1;
        QTest::newRow("Spanish Oak") << QStringLiteral("es") << 7;
        QTest::newRow("Chinese Elder") << QStringLiteral("zh_CN") << 13;
    }
    void treesFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, tree);
        const OghamTree *taken = &OghamTrees(tree); // taken in English, still valid later
        const OghamTree english = *taken;
        const QList<OghamAttribute> englishAttributes = OghamTreeAttributes(english);
        {
            const MarkedLanguage spoken(language);
            const QString translated = paragraph(QStringLiteral(":/ogham/characteristics_%1.txt").arg(language), tree);
            QVERIFY(!translated.isEmpty() && translated != english.Characteristics);
            const OghamTree &row = OghamTrees(tree);
            QCOMPARE(&row, taken);
            QCOMPARE(row.Characteristics, translated);
            QCOMPARE(row.TreeName, MarkedLanguage::tr("OghamTrees", qPrintable(english.TreeName)));
            QVERIFY(row.TreeName != english.TreeName);
            QCOMPARE(row.RulingAnimal, MarkedLanguage::tr("OghamTrees", qPrintable(english.RulingAnimal)));
            QCOMPARE(row.LuckyMonth, MarkedLanguage::tr("OghamTrees", qPrintable(english.LuckyMonth)));
            QCOMPARE(row.OghamTerm, english.OghamTerm);
            QCOMPARE(row.LuckyLetter, english.LuckyLetter);
            QCOMPARE(OghamTreeEnglishName(tree), english.TreeName);
            const QList<OghamAttribute> attributes = OghamTreeAttributes(row);
            QCOMPARE(attributes.size(), 9);
            QCOMPARE(OghamAttributeCaptions().size(), 9);
            for (qsizetype i = 0; i < attributes.size(); ++i) {
                QCOMPARE(attributes[i].caption,
                         MarkedLanguage::tr("OghamTrees", qPrintable(englishAttributes[i].caption)));
                QVERIFY(attributes[i].caption != englishAttributes[i].caption);
                QCOMPARE(OghamAttributeCaptions()[i], attributes[i].caption);
            }
        }
        const OghamTree &row = OghamTrees(tree);
        QCOMPARE(&row, taken);
        QCOMPARE(row.TreeName, english.TreeName);
        QCOMPARE(row.Characteristics, english.Characteristics);
        QCOMPARE(row.RulingAnimal, english.RulingAnimal);
        QCOMPARE(OghamTreeAttributes(row)[0].caption, QStringLiteral("Keywords"));
        QCOMPARE(OghamTreeAttributes(row)[8].caption, QStringLiteral("Lucky Flower"));
    }

    void draw_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<int>>("trees"); // past, present, future
        QTest::addColumn<int>("used");
        const double top = 1.0 - 0x1p-53;
        QTest::newRow("0 is Birch, just below 1 is Elder") << QList<double>{0.0, top, 0.5} << QList<int>{1, 13, 7} << 3;
        QTest::newRow("repeats only draw again")
            << QList<double>{0.5, 0.5, 0.5, 0.0, 0.5, 0.0, 0.99} << QList<int>{7, 1, 13} << 7;
    }
    void draw()
    {
        QFETCH(QList<double>, values);
        QFETCH(QList<int>, trees);
        QFETCH(int, used);
        ScriptedRandom random;
        random.values.assign(values.begin(), values.end());
        const OghamReading r = DrawOghamTrees(random);
        QCOMPARE((QList<int>{r.PastTree, r.PresentTree, r.FutureTree}), trees);
        QCOMPARE(random.drawn, used);
    }

    void drawnTreesAreAlwaysDifferent()
    {
        SystemRandom random;
        random.seed(20261209);
        for (int i = 0; i < 2000; ++i) {
            const OghamReading r = DrawOghamTrees(random);
            QVERIFY(r.PastTree != r.PresentTree && r.PastTree != r.FutureTree && r.PresentTree != r.FutureTree);
            QVERIFY(r.PastTree >= 1 && r.FutureTree <= 13);
        }
    }
};

QTEST_GUILESS_MAIN(tst_OghamTable)
#include "tst_oghamtable.moc"
