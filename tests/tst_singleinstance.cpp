// The single-copy lock: a live copy keeps others out; nothing else that can
// lie in the runtime folder keeps the user from starting the program.
#include "singleinstance.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

using State = SingleInstance::State;

class tst_SingleInstance : public QObject {
    Q_OBJECT

private slots:
    void lockSituations_data()
    {
        QTest::addColumn<QString>("situation");
        QTest::addColumn<State>("state");
        QTest::newRow("nothing there") << QStringLiteral("none") << State::OnlyCopy;
        QTest::newRow("empty lock file") << QStringLiteral("empty") << State::OnlyCopy;
        QTest::newRow("garbage lock file") << QStringLiteral("garbage") << State::OnlyCopy;
        QTest::newRow("lock of a dead process") << QStringLiteral("dead") << State::OnlyCopy;
        QTest::newRow("a folder in its place") << QStringLiteral("folder") << State::Unguarded;
        QTest::newRow("runtime folder is a file") << QStringLiteral("unwritable") << State::Unguarded;
        QTest::newRow("no private folder") << QStringLiteral("nofolder") << State::Unguarded;
    }
    void lockSituations()
    {
        QFETCH(QString, situation);
        QFETCH(State, state);
        QTemporaryDir dir;
        QString folder = dir.path();
        const QString lock = dir.filePath(QStringLiteral("augurium.lock"));
        const auto write = [&lock](const QByteArray &content) {
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        };
        if (situation == QLatin1String("empty"))
            write({});
        else if (situation == QLatin1String("garbage"))
            write(QByteArray("\x01\xff garbage\n\n\n", 13));
        else if (situation == QLatin1String("dead"))
            write("2147483000\naugurium\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        else if (situation == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(lock));
        else if (situation == QLatin1String("unwritable")) {
            folder = dir.filePath(QStringLiteral("file"));
            QFile file(folder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        } else if (situation == QLatin1String("nofolder"))
            folder.clear();

        const SingleInstance instance(folder);
        QCOMPARE(instance.state(), state);
        if (state == State::Unguarded)
            QVERIFY(!instance.problem().isEmpty());
        if (state == State::OnlyCopy) // and it holds the lock now
            QCOMPARE(SingleInstance(folder).state(), State::AnotherCopyRuns);
    }

    void liveCopyKeepsOthersOut()
    {
        QTemporaryDir dir;
        const SingleInstance first(dir.path());
        QCOMPARE(first.state(), State::OnlyCopy);
        QCOMPARE(SingleInstance(dir.path()).state(), State::AnotherCopyRuns);
    }

    // Wherever the lock goes, only this user can write there: a runtime
    // folder that another user owns or can write to is not used.
    void lockFolderIsPrivate_data()
    {
        QTest::addColumn<bool>("runtimeSet");
        QTest::newRow("runtime folder of another user") << true;
        QTest::newRow("no runtime folder, shared one taken") << false;
    }
    void lockFolderIsPrivate()
    {
        QFETCH(bool, runtimeSet);
        if (::geteuid() != 0)
            QSKIP("needs to hand a folder to another user");
        QTemporaryDir home;
        QTemporaryDir temp; // a shared temporary folder, as /tmp is
        QVERIFY(::chmod(QFile::encodeName(temp.path()).constData(), 01777) == 0);
        const QString hostile =
            runtimeSet
                ? home.filePath(QStringLiteral("run"))
                : temp.filePath(QStringLiteral("runtime-") + qEnvironmentVariable("USER", QStringLiteral("root")));
        QVERIFY(QDir().mkpath(hostile));
        QVERIFY(::chown(QFile::encodeName(hostile).constData(), 65534, 65534) == 0);
        QFile::setPermissions(hostile, QFileDevice::Permissions(0x7777));
        const QByteArray saved[] = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("XDG_CACHE_HOME"), qgetenv("TMPDIR")};
        if (runtimeSet)
            qputenv("XDG_RUNTIME_DIR", hostile.toUtf8());
        else
            qunsetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
        qputenv("TMPDIR", temp.path().toUtf8());
        const QString folder = SingleInstance::lockFolder();
        qputenv("XDG_RUNTIME_DIR", saved[0]);
        qputenv("XDG_CACHE_HOME", saved[1]);
        qputenv("TMPDIR", saved[2]);

        QVERIFY(!folder.isEmpty());
        const QFileInfo info(folder);
        QCOMPARE(info.ownerId(), uint(::geteuid()));
        QCOMPARE(info.permissions() & (QFile::WriteGroup | QFile::WriteOther), QFile::Permissions());
        QCOMPARE(SingleInstance(folder).state(), State::OnlyCopy);
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
