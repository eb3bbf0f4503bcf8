// The Domino start and result windows, as the launcher opens them.
#include "dominopictures.h"
#include "fixture.h"
#include "language.h"
#include "look.h"
#include "moddominooracle.h"
#include "oracletables.h"
#include "readingcommands.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QTimer>

namespace {
constexpr char Start[] = "frmDominoOracleMain";
constexpr char Result[] = "frmDominoOracleDisplay";

// The value that draws `pips` on a half.
double half(int pips)
{
    return (pips + 0.5) / 7;
}
}

class tst_DominoWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;

    QWidget *start(const char *control) const { return f->in(Start, control); }
    QString text(const char *control) const { return f->in<QLabel>(Result, control)->text(); }
    void clickDominoes() const { QTest::mouseClick(start("picProceed"), Qt::LeftButton); }
    QImage picture(const char *control) const { return f->in<QLabel>(Result, control)->pixmap().toImage(); }
    const ReadingDescription &described() const
    {
        return *f->window(Result)->findChild<ReadingCommands *>()->reading();
    }
    // Everything a window says: its title, its labels' texts and names, and
    // the reading it describes.
    QStringList says(const char *className) const
    {
        OracleWindow *window = f->window(className);
        QStringList said{window->windowTitle()};
        for (const QLabel *label : window->findChildren<QLabel *>())
            said << label->objectName() << label->text() << label->accessibleName() << label->accessibleDescription();
        if (const ReadingCommands *commands = window->findChild<ReadingCommands *>(); commands && commands->reading()) {
            const ReadingDescription &reading = *commands->reading();
            said << reading.title() << reading.when.toString(Qt::ISODateWithMs);
            for (const ReadingPiece &piece : reading.pieces)
                said << piece.heading << piece.name << piece.pictureName << piece.text;
        }
        return said;
    }
    bool readyLook() const
    {
        return !start("picProceed")->isHidden() && start("picMessage")->isHidden()
               && !start("lblClickMessage")->isHidden();
    }

private slots:
    void init()
    {
        f = std::make_unique<OracleFixture>();
        QTest::mouseClick(f->child("cmdSelectOption_1"), Qt::LeftButton);
    }
    void cleanup() { f.reset(); }

    void startWindowAsLoaded()
    {
        OracleWindow *window = f->window(Start);
        QVERIFY(window && window->isShown());
        QCOMPARE(window->size(), QSize(438, 316));
        QCOMPARE(window->windowTitle(), QStringLiteral("Orin Domino Oracle"));
        QVERIFY(readyLook());
        QCOMPARE(f->in<QLabel>(Start, "Label4")->text(),
                 QStringLiteral("Think about the Problem that is worrying you."));
        QCOMPARE(f->in<QLabel>(Start, "lblClickMessage")->text(),
                 QStringLiteral("Click on the above Image when you are ready"));
        QVERIFY(!f->in<QLabel>(Start, "picProceed")->pixmap().isNull());
    }

    // While the user waits, the panel stands where the picture was.
    void waitShowsThePleaseWaitPanel()
    {
        f->t.clock.step = 2999; // a millisecond of real waiting
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            checked = true;
            QVERIFY(start("picProceed")->isHidden());
            QVERIFY(start("picMessage")->isVisible());
            QVERIFY(start("lblClickMessage")->isHidden());
            QCOMPARE(f->in<QLabel>(Start, "pi")->text(), QStringLiteral("Please Wait"));
            QVERIFY(!f->window(Result));
        });
        clickDominoes();
        QVERIFY(checked);
        QVERIFY(f->window(Result)->isShown());
    }

    void resultShowsTheDomino_data()
    {
        QTest::addColumn<int>("one");
        QTest::addColumn<int>("two");
        QTest::addColumn<QString>("number");
        QTest::newRow("blank and four") << 0 << 4 << QStringLiteral("Blank-4");
        QTest::newRow("blank double") << 0 << 0 << QStringLiteral("Blank-Blank");
        QTest::newRow("double three") << 3 << 3 << QStringLiteral("3-3");
        QTest::newRow("five and two") << 5 << 2 << QStringLiteral("5-2");
        QTest::newRow("two and five") << 2 << 5 << QStringLiteral("2-5");
        QTest::newRow("three and blank") << 3 << 0 << QStringLiteral("3-Blank");
    }
    void resultShowsTheDomino()
    {
        QFETCH(int, one);
        QFETCH(int, two);
        QFETCH(QString, number);
        f->t.random.values = {half(one), half(two)};
        clickDominoes();

        OracleWindow *result = f->window(Result);
        QVERIFY(result && result->isShown());
        QVERIFY(!f->window(Start)->isShown());
        QVERIFY(!f->welcomeVisible());
        QCOMPARE(result->size(), QSize(576, 377));
        QCOMPARE(text("lblDominoNumber"), number);
        QCOMPARE(text("Label2"), QStringLiteral("Your Domino For Today "));
        QCOMPARE(text("lblDominoMassage"), DominoMessage(7 * one + two));
        const auto shows = [this](const char *control, int pips) {
            const qreal ratio = f->window(Result)->devicePixelRatio();
            const QImage expected = IMGDomino().picture(pips == 0 ? 7 : pips, ratio).toImage();
            return f->in<QLabel>(Result, control)->pixmap().toImage().convertToFormat(expected.format()) == expected;
        };
        QVERIFY(shows("picDominoOne", one));
        QVERIFY(shows("picDominoTwo", two));
    }

    // A reading on screen is told again in the language chosen: the same
    // domino, its translated reading (both orders alike), then the very
    // English it had.
    void readingFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("one");
        QTest::addColumn<int>("two");
        QTest::addColumn<int>("line"); // of the domino's reading in the text files
        QTest::newRow("German, 6-2: no English slip") << QStringLiteral("de") << 6 << 2 << 17;
        QTest::newRow("Spanish, blank and four") << QStringLiteral("es") << 0 << 4 << 4;
        QTest::newRow("Chinese, 5-4: no English slip") << QStringLiteral("zh_CN") << 5 << 4 << 23;
    }
    void readingFollowsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, one);
        QFETCH(int, two);
        QFETCH(int, line);
        if (!Language::available().contains(language))
            QSKIP("This build carries no catalogue of that language");
        f->t.random.values = {half(one), half(two)};
        clickDominoes();
        const QStringList english = says(Result);
        const QStringList englishStart = says(Start);
        const QImage first = picture("picDominoOne");
        const QImage second = picture("picDominoTwo");
        const QDateTime drawnAt = described().when;
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        const QString translated =
            readParagraphs(QStringLiteral(":/domino/readings_%1.txt").arg(language), DominoReadingCount).at(line);

        f->t.clock.time = drawnAt.addSecs(3600); // the reading keeps the time it was drawn
        const auto backToEnglish = qScopeGuard([] { Language::apply(Language::English); });
        Language::apply(language);
        QTRY_COMPARE(text("lblDominoMassage"), translated);
        const QString number = DominoHalfNumber(one) + QLatin1Char('-') + DominoHalfNumber(two);
        QCOMPARE(text("lblDominoNumber"), number);
        QCOMPARE(picture("picDominoOne"), first);
        QCOMPARE(picture("picDominoTwo"), second);
        const ReadingDescription &reading = described();
        QCOMPARE(reading.pieces.size(), 1);
        QCOMPARE(reading.pieces[0].name, number);
        QCOMPARE(reading.pieces[0].text, translated);
        QCOMPARE(reading.pieces[0].pictures.size(), 2);
        QCOMPARE(reading.when, drawnAt); // told again, not drawn again
        QCOMPARE(QApplication::focusWidget(), focused);

        Language::apply(Language::English);
        QTRY_COMPARE(says(Result), english);
        QCOMPARE(says(Start), englishStart);
        QCOMPARE(QApplication::focusWidget(), focused);
    }

    // Every reading, in every language the program carries, can be read in
    // full in the result window's reading label.
    void everyReadingFits()
    {
        clickDominoes();
        const QLabel *label = f->in<QLabel>(Result, "lblDominoMassage");
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        const QStringList files = QDir(QStringLiteral(":/domino")).entryList({QStringLiteral("readings*.txt")});
        QVERIFY(files.size() > 1); // the English and its translations
        for (const QString &file : files) {
            const QStringList readings = readParagraphs(QStringLiteral(":/domino/") + file, DominoReadingCount);
            for (const QString &reading : readings) {
                const QRect needed = metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 10000)),
                                                          Qt::TextWordWrap | label->alignment(), reading);
                QVERIFY2(needed.height() <= room.height(), qPrintable(file + QLatin1String(": ") + reading));
            }
        }
    }

    void backRestoresTheStartAndDrawsAnew_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }
    void backRestoresTheStartAndDrawsAnew()
    {
        QFETCH(bool, byMenu);
        f->t.random.values = {half(6), half(6), half(1), half(2)};
        clickDominoes();
        QCOMPARE(text("lblDominoNumber"), QStringLiteral("6-6"));
        const QPointer<OracleWindow> first = f->window(Result);
        if (byMenu)
            first->findChild<QAction *>(QStringLiteral("mnuFileBack"))->trigger();
        else
            QTest::mouseClick(f->in(Result, "cmdOK"), Qt::LeftButton);
        QVERIFY(f->window(Start)->isShown());
        QVERIFY(readyLook());
        QVERIFY(!f->welcomeVisible());
        QVERIFY(!f->window(Result));

        clickDominoes();
        QCOMPARE(text("lblDominoNumber"), QStringLiteral("1-2"));
        QVERIFY(f->window(Result) != first);
    }

    void enterAndEscapeLeaveLikeExit_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
        QTest::newRow("Exit button") << 0;
    }
    void enterAndEscapeLeaveLikeExit()
    {
        QFETCH(int, key);
        clickDominoes();
        OracleWindow *result = f->window(Result);
        const QPointer<OracleWindow> alive(result);
        if (key)
            QTest::keyClick(result, Qt::Key(key));
        else
            QTest::mouseClick(f->in(Result, "cmdExit"), Qt::LeftButton);
        QVERIFY(!alive || alive->isClosed());
        QVERIFY(f->welcomeVisible());
        QVERIFY(!f->window(Start)->isShown()); // hidden in its waiting look until the next launch
        QVERIFY(f->mdi->isVisible());
    }

    // Whatever ends the start window while it waits, no reading appears.
    void leavingDuringThePauseShowsNoReading_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("File > Exit") << QStringLiteral("exit");
        QTest::newRow("another launch") << QStringLiteral("launch");
        QTest::newRow("main window closed") << QStringLiteral("main");
    }
    void leavingDuringThePauseShowsNoReading()
    {
        QFETCH(QString, how);
        f->t.clock.step = 1; // three real seconds, unless cut short
        const QPointer<OracleWindow> waiting = f->window(Start);
        QTimer::singleShot(20, this, [&] {
            if (how == QLatin1String("exit"))
                waiting->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
            else if (how == QLatin1String("launch"))
                f->mdi->LaunchOracle(CelticOgham);
            else
                f->mdi->close();
        });
        clickDominoes();
        QVERIFY(!f->window(Result));
        QTRY_VERIFY(!waiting);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    tst_DominoWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_dominowindows.moc"
