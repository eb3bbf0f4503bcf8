// The Mystical Color computation, its readings, and the saved-reading file.
#include "markedlanguage.h"
#include "modcolororacle.h"
#include "savedreading.h"
#include "scramble.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {
// A value as the numerology program stores it: reversed, every code raised by 85.
QByteArray stored(const char *value)
{
    return ScrambleText(QLatin1String(value)).toLatin1();
}
}

class tst_ColourTable : public QObject {
    Q_OBJECT

private slots:
    void luckyColor_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("colour");
        QTest::newRow("Anna Smith: 1 + 5")
            << QStringLiteral("Anna") << QStringLiteral("Smith") << QStringLiteral("Blue");
        QTest::newRow("Eve Adams: 5 + 5, remainder 0")
            << QStringLiteral("Eve") << QStringLiteral("Adams") << QStringLiteral("Yellow");
        QTest::newRow("lower case") << QStringLiteral("anna") << QStringLiteral("smith") << QStringLiteral("Blue");
        QTest::newRow("outer blanks stripped")
            << QStringLiteral("  joe ") << QStringLiteral(" Li ") << QStringLiteral("Brown");
        QTest::newRow("blanks only: 0 + 5")
            << QStringLiteral("   ") << QStringLiteral("Smith") << QStringLiteral("Yellow");
        QTest::newRow("accented first letter: 0 + 5")
            << QString(QChar(0x00C9) + QStringLiteral("mile")) << QStringLiteral("Smith") << QStringLiteral("Yellow");
        QTest::newRow("digit first: 0 + 2")
            << QStringLiteral("7even") << QStringLiteral("Li") << QStringLiteral("Brown");
        QTest::newRow("Zed Li: 26 + 2") << QStringLiteral("Zed") << QStringLiteral("Li") << QStringLiteral("Green");
        QTest::newRow("inner blanks count")
            << QStringLiteral("Anna") << QStringLiteral("de la Cruz") << QStringLiteral("Blue");
        QTest::newRow("a tab is not stripped")
            << QStringLiteral("\tAnna") << QStringLiteral("Smit") << QStringLiteral("Red");
        QTest::newRow("both empty") << QString() << QString() << QStringLiteral("Yellow");
    }
    void luckyColor()
    {
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, colour);
        QCOMPARE(ColorReadings(LuckyColorNumber(first, last)).name, colour);
    }

    void readingsHaveTheirLengths()
    {
        const int lengths[] = {393, 375, 445, 417, 399};
        for (int n = 1; n <= ColorCount; ++n)
            QCOMPARE(ColorReadings(n).reading.size(), lengths[n - 1]);
        QVERIFY(ColorReadings(5).reading.startsWith(QStringLiteral("The keyword for this time will be calmness.")));
    }

    // In another language the colour of a name is the one it has in English,
    // named through the translator and read from the language's file. Back in
    // English the name and reading are exact again.
    void coloursFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("colour");
        QTest::newRow("German, Anna Smith")
            << QStringLiteral("de") << QStringLiteral("Anna") << QStringLiteral("Smith") << 1;
        QTest::newRow("German, umlaut first: 0 + 6")
            << QStringLiteral("de") << QStringLiteral("\u00dcrsula") << QStringLiteral("M\u00fcller") << 1;
        QTest::newRow("Spanish, Zed Li") << QStringLiteral("es") << QStringLiteral("Zed") << QStringLiteral("Li") << 3;
        QTest::newRow("Spanish, a tilde n counts once: 9 + 4")
            << QStringLiteral("es") << QStringLiteral("I\u00f1igo") << QStringLiteral("Pe\u00f1a") << 3;
        QTest::newRow("Chinese, Eve Adams")
            << QStringLiteral("zh_CN") << QStringLiteral("Eve") << QStringLiteral("Adams") << 5;
        QTest::newRow("Chinese, joe Li with blanks")
            << QStringLiteral("zh_CN") << QStringLiteral("  joe ") << QStringLiteral(" Li ") << 2;
    }
    void coloursFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, colour);
        QCOMPARE(LuckyColorNumber(first, last), colour);
        const ColorReading *row = &ColorReadings(colour); // taken in English, still valid later
        const ColorReading english = *row;
        QCOMPARE(english.name, ColorEnglishName(colour));
        QFile file(QStringLiteral(":/colour/readings_%1.txt").arg(language));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString translated = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')).value(colour - 1);
        QVERIFY(!translated.isEmpty() && translated != english.reading);
        {
            const MarkedLanguage spoken(language);
            QCOMPARE(LuckyColorNumber(first, last), colour);
            QCOMPARE(&ColorReadings(colour), row);
            QCOMPARE(row->name, MarkedLanguage::tr("MysticalColors", qPrintable(english.name)));
            QVERIFY(row->name != english.name);
            QCOMPARE(row->reading, translated);
            QCOMPARE(ColorEnglishName(colour), english.name);
        }
        QCOMPARE(&ColorReadings(colour), row);
        QCOMPARE(row->name, english.name);
        QCOMPARE(row->reading, english.reading);
    }

    void savedReading_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("values"); // month, date, year
        const QByteArray head = "Tallymere\r\nline two\r\n\r\n";
        QTest::newRow("full file, CR LF")
            << head + stored("March") + "\r\n" + stored("14") + "\r\n" + stored("1990") + "\r\n"
            << QStringList{QStringLiteral("March"), QStringLiteral("14"), QStringLiteral("1990")};
        QTest::newRow("CR only") << QByteArray("a\rb\rc\r" + stored("May") + "\r" + stored("2") + "\r" + stored("77"))
                                 << QStringList{QStringLiteral("May"), QStringLiteral("2"), QStringLiteral("77")};
        QTest::newRow("LF only") << QByteArray("a\nb\nc\n" + stored("May") + "\n" + stored("2") + "\n" + stored("77"))
                                 << QStringList{QStringLiteral("May"), QStringLiteral("2"), QStringLiteral("77")};
        QTest::newRow("fewer than six lines")
            << QByteArray("a\nb\nc\n" + stored("June")) << QStringList{QStringLiteral("June"), QString(), QString()};
        QTest::newRow("a seventh line is never read")
            << QByteArray("a\nb\nc\n" + stored("1") + "\n" + stored("2") + "\n" + stored("3") + "\n" + stored("4"))
            << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
        QTest::newRow("bytes 87 86 read as 12")
            << QByteArray("a\nb\nc\n\x87\x86\n\n\n") << QStringList{QStringLiteral("12"), QString(), QString()};
        QTest::newRow("plain digits unscramble to nothing")
            << QByteArray("a\nb\nc\n1990\n12\n5\n") << QStringList{QString(), QString(), QString()};
        QTest::newRow("empty file") << QByteArray() << QStringList{QString(), QString(), QString()};
        // Read in pieces, the lines may be as long as they like; a CR LF split
        // between two pieces ends one line.
        const QByteArray longLine(40 * 1024, 'x');
        QTest::newRow("long lines before the date")
            << QByteArray(longLine + "\r\n" + longLine + "\r\n" + longLine + "\r\n" + stored("May") + "\r\n"
                          + stored("2") + "\r\n" + stored("77"))
            << QStringList{QStringLiteral("May"), QStringLiteral("2"), QStringLiteral("77")};
        QTest::newRow("CR LF across two pieces")
            << QByteArray(QByteArray(64 * 1024 - 1, 'x') + "\r\nb\r\nc\r\n" + stored("May") + "\r\n" + stored("2")
                          + "\r\n" + stored("77"))
            << QStringList{QStringLiteral("May"), QStringLiteral("2"), QStringLiteral("77")};
        QTest::newRow("a line too long to be a value is read past")
            << QByteArray("a\nb\nc\n" + QByteArray(1024 * 1024, char(0xB0)) + "\n" + stored("2") + "\n" + stored("77"))
            << QStringList{QString(), QStringLiteral("2"), QStringLiteral("77")};
    }
    void savedReading()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, values);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("reading.num"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        const SavedBirthDay day = ReadSavedReading(path);
        QCOMPARE((QStringList{day.month, day.date, day.year}), values);
    }

    void fileNameEndsInNum()
    {
        QVERIFY(IsSavedReadingName(QStringLiteral("/home/me/reading.num")));
        QVERIFY(IsSavedReadingName(QStringLiteral("/home/me/readingnum"))); // the last three characters
        QVERIFY(!IsSavedReadingName(QStringLiteral("/home/me/reading.NUM")));
        QVERIFY(!IsSavedReadingName(QStringLiteral("/home/me/reading.txt")));
    }

    // Nothing that can stand at the path hangs or floods the reader.
    void hostileFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("1 GB without line ends") << QStringLiteral("huge");
        QTest::newRow("/dev/zero") << QStringLiteral("zero");
        QTest::newRow("a FIFO with no writer") << QStringLiteral("fifo");
        QTest::newRow("a folder") << QStringLiteral("folder");
        QTest::newRow("binary") << QStringLiteral("binary");
        QTest::newRow("missing") << QStringLiteral("missing");
    }
    void hostileFiles()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("hostile.num"));
        if (kind == QLatin1String("huge")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(qint64(1) << 30)); // sparse
        } else if (kind == QLatin1String("zero")) {
            path = QStringLiteral("/dev/zero");
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("binary")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            for (int i = 0; i < 100000; ++i)
                file.putChar(char(i * 131 % 256));
        }
        QElapsedTimer timer;
        timer.start();
        const SavedBirthDay day = ReadSavedReading(path);
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(day.month.size() <= 8192 && day.date.size() <= 8192 && day.year.size() <= 8192);
    }
};

QTEST_GUILESS_MAIN(tst_ColourTable)
#include "tst_colourtable.moc"
