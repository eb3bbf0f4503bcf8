// The seven good-luck cultures, their 74 symbols and the draw.
#include "doubles.h"
#include "goodluckpictures.h"
#include "markedlanguage.h"
#include "modgoodlucksymbol.h"

#include <QFile>
#include <QTest>

class tst_GoodLuckTable : public QObject {
    Q_OBJECT

private slots:
    void cultures()
    {
        const int counts[] = {12, 18, 10, 8, 12, 2, 12};
        for (int culture = 0; culture < GoodLuckCultureCount; ++culture)
            QCOMPARE(GoodLuckSymbolCount(culture), counts[culture]);
        QCOMPARE(GoodLuckHeading(Indian), QStringLiteral("Indian Good Luck Symbols"));
        QCOMPARE(GoodLuckHeading(NativeAmerican), QStringLiteral("Native American Good Luck Symbols"));
    }

    // Name and description share the symbol's number; every description has its length.
    void symbols_data()
    {
        QTest::addColumn<int>("culture");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("length");
        QTest::newRow("Indian 1: Aum") << 0 << 1 << QStringLiteral("Aum") << 364;
        QTest::newRow("Indian 2: Bell") << 0 << 2 << QStringLiteral("Bell") << 310;
        QTest::newRow("Indian 3: Betel Leaf (Paan)") << 0 << 3 << QStringLiteral("Betel Leaf (Paan)") << 123;
        QTest::newRow("Indian 4: Bindi or Dot") << 0 << 4 << QStringLiteral("Bindi or Dot") << 353;
        QTest::newRow("Indian 5: Coconut") << 0 << 5 << QStringLiteral("Coconut") << 365;
        QTest::newRow("Indian 6: Conch shells (Shankh)") << 0 << 6 << QStringLiteral("Conch shells (Shankh)") << 448;
        QTest::newRow("Indian 7: Lamp") << 0 << 7 << QStringLiteral("Lamp") << 246;
        QTest::newRow("Indian 8: Pyramid") << 0 << 8 << QStringLiteral("Pyramid") << 187;
        QTest::newRow("Indian 9: Rudraksha") << 0 << 9 << QStringLiteral("Rudraksha") << 385;
        QTest::newRow("Indian 10: Swastika") << 0 << 10 << QStringLiteral("Swastika") << 326;
        QTest::newRow("Indian 11: Tulsi") << 0 << 11 << QStringLiteral("Tulsi") << 198;
        QTest::newRow("Indian 12: Wheel") << 0 << 12 << QStringLiteral("Wheel") << 448;
        QTest::newRow("Chinese 1: Bamboo") << 1 << 1 << QStringLiteral("Bamboo") << 204;
        QTest::newRow("Chinese 2: Bat") << 1 << 2 << QStringLiteral("Bat") << 449;
        QTest::newRow("Chinese 3: Butterfly") << 1 << 3 << QStringLiteral("Butterfly") << 342;
        QTest::newRow("Chinese 4: Crab") << 1 << 4 << QStringLiteral("Crab") << 115;
        QTest::newRow("Chinese 5: Crane") << 1 << 5 << QStringLiteral("Crane") << 352;
        QTest::newRow("Chinese 6: Dragon") << 1 << 6 << QStringLiteral("Dragon") << 487;
        QTest::newRow("Chinese 7: Fu Symbol") << 1 << 7 << QStringLiteral("Fu Symbol") << 437;
        QTest::newRow("Chinese 8: Gold Fish") << 1 << 8 << QStringLiteral("Gold Fish") << 322;
        QTest::newRow("Chinese 9: Gold Ingots") << 1 << 9 << QStringLiteral("Gold Ingots") << 314;
        QTest::newRow("Chinese 10: Horse") << 1 << 10 << QStringLiteral("Horse") << 137;
        QTest::newRow("Chinese 11: Jade") << 1 << 11 << QStringLiteral("Jade") << 233;
        QTest::newRow("Chinese 12: Magpie") << 1 << 12 << QStringLiteral("Magpie") << 190;
        QTest::newRow("Chinese 13: Orchid") << 1 << 13 << QStringLiteral("Orchid") << 210;
        QTest::newRow("Chinese 14: Phoenix") << 1 << 14 << QStringLiteral("Phoenix") << 356;
        QTest::newRow("Chinese 15: Three Legged Toad") << 1 << 15 << QStringLiteral("Three Legged Toad") << 350;
        QTest::newRow("Chinese 16: Tortoise") << 1 << 16 << QStringLiteral("Tortoise") << 377;
        QTest::newRow("Chinese 17: Wealth Ship") << 1 << 17 << QStringLiteral("Wealth Ship") << 170;
        QTest::newRow("Chinese 18: Yin Yang") << 1 << 18 << QStringLiteral("Yin Yang") << 332;
        QTest::newRow("Japanese 1: Beckoning Cat") << 2 << 1 << QStringLiteral("Beckoning Cat") << 343;
        QTest::newRow("Japanese 2: Benten") << 2 << 2 << QStringLiteral("Benten") << 215;
        QTest::newRow("Japanese 3: Bishamon") << 2 << 3 << QStringLiteral("Bishamon") << 155;
        QTest::newRow("Japanese 4: Daikokuten") << 2 << 4 << QStringLiteral("Daikokuten") << 157;
        QTest::newRow("Japanese 5: Daruma Doll") << 2 << 5 << QStringLiteral("Daruma Doll") << 308;
        QTest::newRow("Japanese 6: Ebisu") << 2 << 6 << QStringLiteral("Ebisu") << 155;
        QTest::newRow("Japanese 7: Fukurokuju") << 2 << 7 << QStringLiteral("Fukurokuju") << 150;
        QTest::newRow("Japanese 8: Jurojin") << 2 << 8 << QStringLiteral("Jurojin") << 109;
        QTest::newRow("Japanese 9: Laughing Buddha") << 2 << 9 << QStringLiteral("Laughing Buddha") << 245;
        QTest::newRow("Japanese 10: Tanuki") << 2 << 10 << QStringLiteral("Tanuki") << 115;
        QTest::newRow("Egyptian 1: Angel") << 3 << 1 << QStringLiteral("Angel") << 321;
        QTest::newRow("Egyptian 2: Ankh") << 3 << 2 << QStringLiteral("Ankh") << 325;
        QTest::newRow("Egyptian 3: Caduceus") << 3 << 3 << QStringLiteral("Caduceus") << 349;
        QTest::newRow("Egyptian 4: Elephant") << 3 << 4 << QStringLiteral("Elephant") << 338;
        QTest::newRow("Egyptian 5: Eye of Horus") << 3 << 5 << QStringLiteral("Eye of Horus") << 394;
        QTest::newRow("Egyptian 6: Isis") << 3 << 6 << QStringLiteral("Isis") << 362;
        QTest::newRow("Egyptian 7: Lotus Flower") << 3 << 7 << QStringLiteral("Lotus Flower") << 493;
        QTest::newRow("Egyptian 8: Scarab") << 3 << 8 << QStringLiteral("Scarab") << 379;
        QTest::newRow("English 1: 3 Keys") << 4 << 1 << QStringLiteral("3 Keys") << 287;
        QTest::newRow("English 2: Acorn") << 4 << 2 << QStringLiteral("Acorn") << 349;
        QTest::newRow("English 3: Coin") << 4 << 3 << QStringLiteral("Coin") << 398;
        QTest::newRow("English 4: Four Leaf Clover") << 4 << 4 << QStringLiteral("Four Leaf Clover") << 308;
        QTest::newRow("English 5: Horseshoe") << 4 << 5 << QStringLiteral("Horseshoe") << 295;
        QTest::newRow("English 6: Ladybug") << 4 << 6 << QStringLiteral("Ladybug") << 287;
        QTest::newRow("English 7: Old Boot") << 4 << 7 << QStringLiteral("Old Boot") << 259;
        QTest::newRow("English 8: Pig") << 4 << 8 << QStringLiteral("Pig") << 305;
        QTest::newRow("English 9: Rabbit's Foot") << 4 << 9 << QStringLiteral("Rabbit's Foot") << 318;
        QTest::newRow("English 10: Unicorn") << 4 << 10 << QStringLiteral("Unicorn") << 364;
        QTest::newRow("English 11: Wishbone") << 4 << 11 << QStringLiteral("Wishbone") << 330;
        QTest::newRow("English 12: Wood") << 4 << 12 << QStringLiteral("Wood") << 421;
        QTest::newRow("Arabian 1: Dolphins") << 5 << 1 << QStringLiteral("Dolphins") << 150;
        QTest::newRow("Arabian 2: Hamsa Hand") << 5 << 2 << QStringLiteral("Hamsa Hand") << 328;
        QTest::newRow("Native American 1: Broken Arrow") << 6 << 1 << QStringLiteral("Broken Arrow") << 366;
        QTest::newRow("Native American 2: Crossed Arrows") << 6 << 2 << QStringLiteral("Crossed Arrows") << 373;
        QTest::newRow("Native American 3: Feathers") << 6 << 3 << QStringLiteral("Feathers") << 360;
        QTest::newRow("Native American 4: Fence") << 6 << 4 << QStringLiteral("Fence") << 41;
        QTest::newRow("Native American 5: Kokopelli Charm") << 6 << 5 << QStringLiteral("Kokopelli Charm") << 316;
        QTest::newRow("Native American 6: Leaf") << 6 << 6 << QStringLiteral("Leaf") << 283;
        QTest::newRow("Native American 7: Mountain") << 6 << 7 << QStringLiteral("Mountain") << 30;
        QTest::newRow("Native American 8: Rain Cloud") << 6 << 8 << QStringLiteral("Rain Cloud") << 35;
        QTest::newRow("Native American 9: Rain Drop") << 6 << 9 << QStringLiteral("Rain Drop") << 91;
        QTest::newRow("Native American 10: Rain") << 6 << 10 << QStringLiteral("Rain") << 36;
        QTest::newRow("Native American 11: Sun") << 6 << 11 << QStringLiteral("Sun") << 30;
        QTest::newRow("Native American 12: Thunderbird") << 6 << 12 << QStringLiteral("Thunderbird") << 73;
    }
    void symbols()
    {
        QFETCH(int, culture);
        QFETCH(int, number);
        QFETCH(QString, name);
        QFETCH(int, length);
        const GoodLuckSymbol &symbol = GoodLuckSymbols(culture, number);
        QCOMPARE(symbol.name, name);
        QCOMPARE(symbol.description.size(), length);
        QVERIFY(!symbol.description.contains(QLatin1Char('\n')));
    }

    void sharedDescriptionsHaveALeadIn()
    {
        const QString bat = GoodLuckSymbols(Chinese, 2).description;
        const QString fu = GoodLuckSymbols(Chinese, 7).description;
        QVERIFY(bat.endsWith(QLatin1Char(' ') + fu) && bat.size() > fu.size() + 1);
        const QString crossed = GoodLuckSymbols(NativeAmerican, 2).description;
        const QString broken = GoodLuckSymbols(NativeAmerican, 1).description;
        QVERIFY(crossed.endsWith(QLatin1Char(' ') + broken) && crossed.size() > broken.size() + 1);
        QVERIFY(GoodLuckSymbols(Indian, 7).description.startsWith(
            QStringLiteral("The flame or the lamp is a symbol of purity.")));
    }

    // In another language a symbol reads in it: its name and its culture's
    // headings through the translator, its description from the culture's
    // file in that language. Its number, English name and picture stay; the
    // draw is the same. Back in English every text is exact again.
    void symbolsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("culture");
        QTest::addColumn<int>("number");
        QTest::newRow("German Fu Symbol") << QStringLiteral("de") << int(Chinese) << 7;
        QTest::newRow("Spanish Rabbit's Foot") << QStringLiteral("es") << int(English) << 9;
        QTest::newRow("Chinese Thunderbird") << QStringLiteral("zh_CN") << int(NativeAmerican) << 12;
    }
    void symbolsFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, culture);
        QFETCH(int, number);
        const GoodLuckSymbol *symbol = &GoodLuckSymbols(culture, number); // taken in English, still valid later
        const GoodLuckSymbol english = *symbol;
        const QString heading = GoodLuckHeading(culture);
        const QString symbolHeading = GoodLuckSymbolHeading(culture);
        {
            const MarkedLanguage spoken(language);
            const QString translated = paragraph(QStringLiteral(":/goodluck/%1/descriptions_%2.txt")
                                                     .arg(QLatin1String(GoodLuckPictureSets[culture].folder), language),
                                                 number);
            QVERIFY(!translated.isEmpty() && translated != english.description);
            QCOMPARE(&GoodLuckSymbols(culture, number), symbol);
            QCOMPARE(symbol->description, translated);
            QCOMPARE(symbol->name, MarkedLanguage::tr("GoodLuckSymbols", qPrintable(english.name)));
            QVERIFY(symbol->name != english.name);
            QCOMPARE(GoodLuckHeading(culture), MarkedLanguage::tr("GoodLuckSymbols", qPrintable(heading)));
            QCOMPARE(GoodLuckSymbolHeading(culture), MarkedLanguage::tr("GoodLuckSymbols", qPrintable(symbolHeading)));
            QVERIFY(GoodLuckHeading(culture) != heading && GoodLuckSymbolHeading(culture) != symbolHeading);
            QCOMPARE(GoodLuckSymbolEnglishName(culture, number), english.name);
            QCOMPARE(GoodLuckPictureSets[culture].names[number - 1], english.name);
            QCOMPARE(goodLuckPictures(culture).key(number), english.name + QStringLiteral(".jpg"));
            QVERIFY(QFile::exists(goodLuckPictures(culture).path(number)));
            ScriptedRandom random;
            random.values = {(number - 0.5) / GoodLuckSymbolCount(culture)};
            QCOMPARE(DrawGoodLuckSymbol(culture, random), number);
        }
        QCOMPARE(&GoodLuckSymbols(culture, number), symbol);
        QCOMPARE(symbol->name, english.name);
        QCOMPARE(symbol->description, english.description);
        QCOMPARE(GoodLuckHeading(culture), heading);
        QCOMPARE(GoodLuckSymbolHeading(culture), symbolHeading);
    }

    void draw_data()
    {
        QTest::addColumn<int>("culture");
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("name");
        const double top = 1.0 - 0x1p-53;
        QTest::newRow("Arabian below 0.5") << int(Arabian) << 0.4999 << QStringLiteral("Dolphins");
        QTest::newRow("Arabian at 0.5") << int(Arabian) << 0.5 << QStringLiteral("Hamsa Hand");
        QTest::newRow("0 is the first") << int(Chinese) << 0.0 << QStringLiteral("Bamboo");
        QTest::newRow("just below 1 is the last") << int(Chinese) << top << QStringLiteral("Yin Yang");
        QTest::newRow("Native American 10") << int(NativeAmerican) << 9.5 / 12 << QStringLiteral("Rain");
    }
    void draw()
    {
        QFETCH(int, culture);
        QFETCH(double, r);
        QFETCH(QString, name);
        ScriptedRandom random;
        random.values = {r};
        QCOMPARE(GoodLuckSymbols(culture, DrawGoodLuckSymbol(culture, random)).name, name);
        QCOMPARE(random.drawn, 1);
    }
};

QTEST_GUILESS_MAIN(tst_GoodLuckTable)
#include "tst_goodlucktable.moc"
