// The Domino table of 49 ordered keys with 28 readings, and the draw.
#include "doubles.h"
#include "language.h"
#include "moddominooracle.h"
#include "oracletables.h"
#include "productionservices.h"

#include <QScopeGuard>
#include <QTest>
#include <map>

class tst_DominoTable : public QObject {
    Q_OBJECT

private slots:
    void keysRunFirstHalfSlowest()
    {
        QCOMPARE(DominoNumber(0), QStringLiteral("0-0"));
        QCOMPARE(DominoNumber(6), QStringLiteral("0-6"));
        QCOMPARE(DominoNumber(7), QStringLiteral("1-0"));
        QCOMPARE(DominoNumber(30), QStringLiteral("4-2"));
        QCOMPARE(DominoNumber(48), QStringLiteral("6-6"));
    }

    void readingsAreSharedByBothOrders()
    {
        QStringList distinct;
        for (int a = 0; a <= 6; ++a)
            for (int b = a; b <= 6; ++b) {
                const QString &forward = DominoMessage(7 * a + b);
                const QString &reversed = DominoMessage(7 * b + a);
                QVERIFY2(forward.size() >= 69 && forward.size() <= 180, qPrintable(DominoNumber(7 * a + b)));
                QVERIFY(!forward.contains(QLatin1Char('\n')));
                distinct << forward;
                const bool differs =
                    (a == 1 && b == 3) || (a == 2 && b == 6) || (a == 4 && b == 5) || (a == 5 && b == 6);
                if (!differs) {
                    QCOMPARE(reversed, forward);
                    continue;
                }
                // Only by a trailing blank or a final full stop.
                QVERIFY(reversed != forward);
                QVERIFY(reversed == forward + QLatin1Char(' ') || reversed + QLatin1Char('.') == forward);
            }
        distinct.removeDuplicates();
        QCOMPARE(distinct.size(), 28);
        QVERIFY(DominoMessage(48).startsWith(QStringLiteral("This is the luckiest domino reading that one can get.")));
    }

    void draw_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<int>("one");
        QTest::addColumn<int>("two");
        QTest::addColumn<int>("entry");
        const double top = 1.0 - 0x1p-53;
        QTest::newRow("0 and 0: the blank double") << 0.0 << 0.0 << 0 << 0 << 0;
        QTest::newRow("just below 1: six") << top << top << 6 << 6 << 48;
        QTest::newRow("4-2 reads as 2-4") << 4.5 / 7 << 2.5 / 7 << 4 << 2 << 30;
        QTest::newRow("5-0") << 5.0 / 7 << 0.1 << 5 << 0 << 35;
    }
    void draw()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(int, one);
        QFETCH(int, two);
        QFETCH(int, entry);
        ScriptedRandom random;
        random.values = {first, second};
        const DominoDraw d = DrawDomino(random);
        QCOMPARE(d.DominoOne, one);
        QCOMPARE(d.DominoTwo, two);
        QCOMPARE(d.DominoReading, DominoMessage(entry));
        QCOMPARE(random.drawn, 2);
    }

    // In another language both orders of a domino read its translated
    // paragraph, the English slips of four reversed keys included; the keys
    // stay, and English comes back byte for byte.
    void readingsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Spanish") << QStringLiteral("es");
        QTest::newRow("Chinese") << QStringLiteral("zh_CN");
    }
    void readingsFollowTheLanguage()
    {
        QFETCH(QString, language);
        if (!Language::available().contains(language))
            QSKIP("This build carries no catalogue of that language");
        QStringList english;
        for (int i = 0; i < DominoKeyCount; ++i)
            english << DominoMessage(i);
        const QStringList translated =
            readParagraphs(QStringLiteral(":/domino/readings_%1.txt").arg(language), DominoReadingCount);
        const QString &heldBefore = DominoMessage(6 * 7 + 2);

        const auto backToEnglish = qScopeGuard([] { Language::apply(Language::English); });
        Language::apply(language);
        int reading = 0; // 0-0, 0-1 ... 0-6, 1-1 ... 6-6
        for (int low = 0; low <= 6; ++low)
            for (int high = low; high <= 6; ++high, ++reading) {
                QCOMPARE(DominoNumber(7 * low + high), QStringLiteral("%1-%2").arg(low).arg(high));
                QCOMPARE(DominoMessage(7 * low + high), translated[reading]);
                QCOMPARE(DominoMessage(7 * high + low), translated[reading]);
            }
        const int twoSix = 17;                    // after 0-0 ... 0-6, 1-1 ... 1-6 and 2-2 ... 2-5
        QCOMPARE(heldBefore, translated[twoSix]); // a reference taken before reads on
        ScriptedRandom random;
        random.values = {6.5 / 7, 2.5 / 7};
        const DominoDraw d = DrawDomino(random);
        QCOMPARE(d.DominoOne, 6);
        QCOMPARE(d.DominoTwo, 2);
        QCOMPARE(d.DominoReading, translated[twoSix]);

        Language::apply(Language::English);
        for (int i = 0; i < DominoKeyCount; ++i)
            QCOMPARE(DominoMessage(i), english[i]);
    }

    void everyOrderedPairComesUpAlike()
    {
        SystemRandom random;
        random.seed(49);
        std::map<int, int> seen;
        constexpr int Draws = 49 * 2000;
        for (int i = 0; i < Draws; ++i) {
            const DominoDraw d = DrawDomino(random);
            ++seen[7 * d.DominoOne + d.DominoTwo];
        }
        QCOMPARE(int(seen.size()), 49);
        for (const auto &[pair, count] : seen)
            QVERIFY2(count > 1700 && count < 2300, qPrintable(DominoNumber(pair)));
    }
};

QTEST_GUILESS_MAIN(tst_DominoTable)
#include "tst_dominotable.moc"
