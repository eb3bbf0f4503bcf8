#include "scramble.h"

#include <QTest>

class tst_Scramble : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("key") << QStringLiteral("Duration");
        QTest::newRow("date") << QStringLiteral("2026-12-09T10:30:00");
        QTest::newRow("highest kept code") << QString(QChar(170)) + QStringLiteral("a b");
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        QCOMPARE(UnscrambleText(ScrambleText(text)), text);
        if (!text.isEmpty())
            QVERIFY(ScrambleText(text) != text);
    }

    void reversesAndRaises()
    {
        QCOMPARE(ScrambleText(QStringLiteral("AB")), QString(QChar('B' + 85)) + QChar('A' + 85));
    }

    void dropsCodesThatLeaveTheByteRange()
    {
        // 171 + 85 > 255, and a character beyond one byte is never kept.
        QCOMPARE(ScrambleText(QString(QChar(171)) + QStringLiteral("A") + QChar(0x263A)), QString(QChar('A' + 85)));
        // Below 85 cannot be lowered.
        QCOMPARE(UnscrambleText(QStringLiteral("A") + QChar(200)), QString(QChar(200 - 85)));
    }
};

QTEST_APPLESS_MAIN(tst_Scramble)
#include "tst_scramble.moc"
