// The update reminder: when it asks, what it stores, and start-ups it must
// never block, crash or slow down whatever lies in the settings file.
#include "dialoganswers.h"
#include "doubles.h"
#include "productionservices.h"
#include "scramble.h"
#include "updatereminder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <sys/stat.h>

namespace {
const QString Question = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");
const QString Download = QStringLiteral("http://augurium.example/augurium-2/ssd.php?page=download-web-page");

// The stored date as the previous version wrote it, through the toolkit's
// settings: the files users already have.
void store(const TemporarySettings &settings, const QString &value)
{
    QSettings(settings.filePath(), QSettings::IniFormat)
        .setValue(QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Duration")), ScrambleText(value));
}

// The stored date, read from the file as it lies on disk.
QDateTime stored(const TemporarySettings &settings)
{
    QFile file(settings.filePath());
    if (!QFileInfo(file).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray key = ScrambleText(QStringLiteral("Duration")).toLatin1().toPercentEncoding() + '=';
    for (const QByteArray &line : file.readAll().split('\n'))
        if (line.startsWith(key))
            return QDateTime::fromString(UnscrambleText(QString::fromUtf8(line.mid(key.size()))), Qt::ISODate);
    return {};
}

void writeRaw(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}
}

class tst_UpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void firstRunStoresWithoutAsking()
    {
        TestServices t;
        Services s = t.services();
        RemindOfUpdate(s);
        QVERIFY(t.messages.shown.isEmpty());
        QCOMPARE(stored(t.settings), t.clock.time);
        // Earlier versions, which read it through the toolkit's settings, read the same.
        const QSettings earlier(t.settings.filePath(), QSettings::IniFormat);
        QCOMPARE(UnscrambleText(
                     earlier.value(QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Duration"))).toString()),
                 t.clock.time.toString(Qt::ISODate));
        // Neither key nor value is readable in the file.
        QFile file(t.settings.filePath());
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
            store(t.settings, last.toString(Qt::ISODate));
            // The user answers after midnight: that is the time remembered.
            const QDateTime answered = t.clock.time.addSecs(14 * 3600);
            t.messages.whileAsking = [&t, answered] { t.clock.time = answered; };
            Services s = t.services();
            RemindOfUpdate(s);
            QCOMPARE(t.messages.shown.size(), asks ? 1 : 0);
            if (!asks) {
                QCOMPARE(stored(t.settings), last);
                continue;
            }
            QCOMPARE(t.messages.shown[0].text, Question);
            QVERIFY(t.messages.shown[0].question);
            QCOMPARE(t.messages.shown[0].icon, Messages::Icon::Information);
            QCOMPARE(stored(t.settings), answered);
            QCOMPARE(t.urls.opened, yes ? QStringList{Download} : QStringList{});
            // The next start, the same day, asks nothing.
            RemindOfUpdate(s);
            QCOMPARE(t.messages.shown.size(), 1);
        }
    }

    void unreadableDateCountsAsFirstRun()
    {
        TestServices t;
        store(t.settings, QStringLiteral("not a date"));
        Services s = t.services();
        RemindOfUpdate(s);
        QVERIFY(t.messages.shown.isEmpty());
        QCOMPARE(stored(t.settings), t.clock.time);
    }

    // Whatever lies where the settings file belongs, start-up goes on at once,
    // asks nothing and, where it can, starts the reminder afresh.
    void hostileSettingsFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("restored"); // a fresh date is stored
        QTest::newRow("a folder") << QStringLiteral("folder") << false;
        QTest::newRow("a FIFO") << QStringLiteral("fifo") << false;
        QTest::newRow("binary garbage") << QStringLiteral("binary") << true;
        QTest::newRow("100 MB") << QStringLiteral("huge") << true;
        QTest::newRow("deeply nested variant") << QStringLiteral("nested") << true;
        QTest::newRow("stale lock folder beside it") << QStringLiteral("lock") << true;
        QTest::newRow("its folder is a file") << QStringLiteral("parent") << false;
    }
    void hostileSettingsFiles()
    {
        QFETCH(QString, kind);
        QFETCH(bool, restored);
        TestServices t;
        const QString path = t.settings.filePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (kind == QLatin1String("folder")) {
            QVERIFY(QDir().mkpath(path));
        } else if (kind == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("binary")) {
            QByteArray bytes;
            for (int i = 0; i < 3000; ++i)
                bytes.append(char(i * 37 % 256));
            writeRaw(path, bytes);
        } else if (kind == QLatin1String("huge")) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(100 * 1024 * 1024)); // sparse: costs no disk
        } else if (kind == QLatin1String("nested")) {
            const QByteArray key = ScrambleText(QStringLiteral("Duration")).toLatin1().toPercentEncoding();
            writeRaw(path, "[Settings]\n" + key + "=" + QByteArray("@Variant(").repeated(400'000) + "\n");
        } else if (kind == QLatin1String("lock")) {
            QVERIFY(QDir().mkpath(path + QStringLiteral(".lock")));
        } else if (kind == QLatin1String("parent")) {
            QDir(QFileInfo(path).absolutePath()).removeRecursively();
            writeRaw(QFileInfo(path).absolutePath(), "not a folder");
        }

        QElapsedTimer timer;
        timer.start();
        Services s = t.services();
        RemindOfUpdate(s);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QStringLiteral("took %1 ms").arg(timer.elapsed())));
        QVERIFY(t.messages.shown.isEmpty());
        if (restored)
            QCOMPARE(stored(t.settings), t.clock.time);
    }

    // An answer that could not be remembered would be asked for at every start.
    void readOnlyStoreIsNotAskedAbout()
    {
        TestServices t;
        store(t.settings, t.clock.time.addDays(-30).toString(Qt::ISODate));
        QFile::setPermissions(t.settings.filePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        Services s = t.services();
        RemindOfUpdate(s);
        QVERIFY(t.messages.shown.isEmpty());
        QCOMPARE(stored(t.settings), t.clock.time.addDays(-30));
    }

    // Enter accepts the offer, whatever order the desktop puts the buttons in.
    void questionDefaultsToYes()
    {
        DialogMessages messages;
        QString asked;
        bool yesIsDefault = false;
        DialogAnswers answers([&](QWidget *dialog) {
            auto *box = qobject_cast<QMessageBox *>(dialog);
            if (!box) {
                qobject_cast<QDialog *>(dialog)->reject();
                return;
            }
            asked = box->text();
            yesIsDefault = box->defaultButton() && box->defaultButton() == box->button(QMessageBox::Yes);
            QTest::keyClick(box, Qt::Key_Return);
        });
        QVERIFY(messages.ask(nullptr, Question, Messages::Icon::Information));
        QCOMPARE(answers.answered(), 1);
        QCOMPARE(asked, Question);
        QVERIFY(yesIsDefault);
    }
};

QTEST_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
