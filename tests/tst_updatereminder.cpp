#include "doubles.h"
#include "scramble.h"
#include "updatereminder.h"

#include <QFile>
#include <QTest>

namespace {
const QString Key = QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Duration"));
const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");
}

class tst_UpdateReminder : public QObject {
    Q_OBJECT

    static void store(TestServices &t, const QString &value)
    {
        t.settings.open()->setValue(Key, ScrambleText(value));
    }
    static QDateTime stored(TestServices &t)
    {
        return QDateTime::fromString(UnscrambleText(t.settings.open()->value(Key).toString()), Qt::ISODate);
    }

private slots:
    void firstRunStoresWithoutAsking()
    {
        TestServices t;
        Services s = t.services();
        RemindOfUpdate(s);
        QVERIFY(t.messages.shown.isEmpty());
        QCOMPARE(stored(t), t.clock.time);
        // Neither key nor value is readable in the file.
        QFile file(t.settings.path());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray raw = file.readAll();
        QVERIFY(!raw.contains("Duration"));
        QVERIFY(!raw.contains("2026"));
    }

    void dayRule_data()
    {
        QTest::addColumn<int>("daysFromNow"); // where the stored date lies
        QTest::addColumn<bool>("asks");
        QTest::newRow("14 days ago") << -14 << false;
        QTest::newRow("15 days ago") << -15 << true;
        QTest::newRow("14 days ahead") << 14 << false;
        QTest::newRow("20 days ahead (clock set back)") << 20 << true;
    }
    void dayRule()
    {
        QFETCH(int, daysFromNow);
        QFETCH(bool, asks);
        for (const bool yes : {false, true}) {
            TestServices t;
            t.messages.answer = yes;
            // Late in the evening, so the rule counts calendar days, not 24-hour spans.
            const QDateTime last = QDateTime(t.clock.time.date().addDays(daysFromNow), QTime(23, 59));
            store(t, last.toString(Qt::ISODate));
            Services s = t.services();
            RemindOfUpdate(s);
            QCOMPARE(t.messages.shown.size(), asks ? 1 : 0);
            if (!asks) {
                QCOMPARE(stored(t), last);
                continue;
            }
            QCOMPARE(t.messages.shown[0].text, Question);
            QVERIFY(t.messages.shown[0].question);
            QCOMPARE(t.messages.shown[0].icon, Messages::Icon::Information);
            QCOMPARE(stored(t), t.clock.time);
            QCOMPARE(t.urls.opened, yes ? QStringList{QStringLiteral(
                                              "http://augurium.example/augurium-2/ssd.php?page=download-web-page")}
                                        : QStringList{});
            // The next start, the same day, asks nothing.
            RemindOfUpdate(s);
            QCOMPARE(t.messages.shown.size(), 1);
        }
    }

    void unreadableDateCountsAsFirstRun()
    {
        TestServices t;
        store(t, QStringLiteral("not a date"));
        Services s = t.services();
        RemindOfUpdate(s);
        QVERIFY(t.messages.shown.isEmpty());
        QCOMPARE(stored(t), t.clock.time);
    }

    void unwritableStoreDoesNotStopStartUp()
    {
        TestServices t;
        QFile::remove(t.settings.path());
        QVERIFY(QDir().mkpath(t.settings.path())); // a folder where the file should be
        Services s = t.services();
        RemindOfUpdate(s);
        RemindOfUpdate(s);
        QVERIFY(t.messages.shown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
