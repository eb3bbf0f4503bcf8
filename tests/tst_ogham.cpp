// The Ogham tree table, the three-tree draw, and the question and reading windows.
#include "doubles.h"
#include "frmcelticoghamoracledisplay.h"
#include "frmcelticoghamoraclemain.h"
#include "frmmdi.h"
#include "look.h"
#include "modoghamoracle.h"
#include "productionservices.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

class tst_Ogham : public QObject {
    Q_OBJECT

    std::unique_ptr<TestServices> t;
    std::unique_ptr<Services> services;
    std::unique_ptr<frmMDI> mdi;

    OracleWindow *window(const char *name) { return mdi->findOracleWindow(QLatin1String(name)); }
    template <class T = QLabel>
    T *in(OracleWindow *w, const QString &name) { return w->findChild<T *>(name); }
    void clickTree() { QTest::mouseClick(in(window("frmCelticOghamOracleMain"), QStringLiteral("picMainImage")), Qt::LeftButton); }
    bool welcomeVisible() { return mdi->findChild<QWidget *>(QStringLiteral("picMain"))->isVisible(); }

private slots:
    void init()
    {
        t = std::make_unique<TestServices>();
        services = std::make_unique<Services>(t->services());
        OracleRegistry oracles;
        oracles[CelticOgham] = OracleWindow::instance<frmCelticOghamOracleMain>;
        mdi = std::make_unique<frmMDI>(*services, oracles);
        mdi->show();
    }
    void cleanup()
    {
        mdi.reset();
        services.reset();
        t.reset();
    }

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

    void draw_data()
    {
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<int>>("trees"); // past, present, future
        QTest::addColumn<int>("used");
        const double top = 1.0 - 0x1p-53;
        QTest::newRow("0 is Birch, just below 1 is Elder") << QList<double>{0.0, top, 0.5} << QList<int>{1, 13, 7} << 3;
        QTest::newRow("repeats only draw again") << QList<double>{0.5, 0.5, 0.5, 0.0, 0.5, 0.0, 0.99}
                                                 << QList<int>{7, 1, 13} << 7;
    }
    void draw()
    {
        QFETCH(QList<double>, values);
        QFETCH(QList<int>, trees);
        QFETCH(int, used);
        t->random.values.assign(values.begin(), values.end());
        const OghamReading r = DrawOghamTrees(t->random);
        QCOMPARE((QList<int>{r.PastTree, r.PresentTree, r.FutureTree}), trees);
        QCOMPARE(t->random.drawn, used);
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

    void emptyQuestionIsRefused()
    {
        mdi->LaunchOracle(CelticOgham);
        OracleWindow *question = window("frmCelticOghamOracleMain");
        auto *box = in<QTextEdit>(question, QStringLiteral("txtQuestion"));
        QCOMPARE(box->toPlainText(), QStringLiteral("Enter Your Question Here\n"));
        box->clear();
        clickTree();
        QCOMPARE(t->messages.shown.size(), 1);
        QCOMPARE(t->messages.shown[0].text, QStringLiteral("Plese Enter Your Question"));
        QVERIFY(!window("frmCelticOghamOracleDisplay"));
        QVERIFY(question->isShown());
    }

    void promptAndBlanksCountAsAQuestion()
    {
        for (const QString &text : {QString(), QStringLiteral("  \n")}) {
            mdi->LaunchOracle(CelticOgham);
            if (!text.isNull())
                in<QTextEdit>(window("frmCelticOghamOracleMain"), QStringLiteral("txtQuestion"))->setPlainText(text);
            clickTree();
            QVERIFY(t->messages.shown.isEmpty());
            QVERIFY(window("frmCelticOghamOracleDisplay")->isShown());
            QVERIFY(!window("frmCelticOghamOracleMain")->isShown());
            QVERIFY(!welcomeVisible());
        }
    }

    void clickSelectsTheWholeQuestion()
    {
        mdi->LaunchOracle(CelticOgham);
        auto *box = in<QTextEdit>(window("frmCelticOghamOracleMain"), QStringLiteral("txtQuestion"));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(box->textCursor().selectedText().size(), box->toPlainText().size());
    }

    void readingFillsThePanelsAndBackKeepsTheQuestion()
    {
        t->random.values = {0.3, /* reading: */ 0.0, 0.99, 0.5, /* second: */ 0.5, 0.0, 0.99};
        mdi->LaunchOracle(CelticOgham);
        OracleWindow *question = window("frmCelticOghamOracleMain");
        in<QTextEdit>(question, QStringLiteral("txtQuestion"))->setPlainText(QStringLiteral("Will it rain?"));
        const QPixmap picture = in(question, QStringLiteral("picMainImage"))->pixmap();
        clickTree();

        OracleWindow *display = window("frmCelticOghamOracleDisplay");
        QCOMPARE(in(display, QStringLiteral("lblTreeNameOne"))->text(), QStringLiteral("The Birch Tree"));
        QCOMPARE(in(display, QStringLiteral("lblTreeNameTwo"))->text(), QStringLiteral("The Elder Tree"));
        QCOMPARE(in(display, QStringLiteral("lblTreeNameThree"))->text(), QStringLiteral("The Oak Tree"));
        QCOMPARE(in(display, QStringLiteral("lblLuckyMonthTwo"))->text(), QStringLiteral("The month of Samhain"));
        QCOMPARE(in<QPlainTextEdit>(display, QStringLiteral("txtCharacteristicsOne"))->toPlainText(),
                 OghamTrees(1).Characteristics);
        QVERIFY(in<QPlainTextEdit>(display, QStringLiteral("txtCharacteristicsOne"))->isReadOnly());
        // The present panel stands right-most.
        QVERIFY(in<QWidget>(display, QStringLiteral("fraTreeTwo"))->x()
                > in<QWidget>(display, QStringLiteral("fraTreeThree"))->x());

        QTest::mouseClick(in<QPushButton>(display, QStringLiteral("cmdBack")), Qt::LeftButton);
        QVERIFY(question->isShown());
        QVERIFY(!welcomeVisible());
        QVERIFY(!window("frmCelticOghamOracleDisplay"));
        QCOMPARE(in<QTextEdit>(question, QStringLiteral("txtQuestion"))->toPlainText(), QStringLiteral("Will it rain?"));
        QCOMPARE(in(question, QStringLiteral("picMainImage"))->pixmap().cacheKey(), picture.cacheKey());

        clickTree(); // a new reading in a fresh window
        display = window("frmCelticOghamOracleDisplay");
        QCOMPARE(in(display, QStringLiteral("lblTreeNameOne"))->text(), QStringLiteral("The Oak Tree"));
        QCOMPARE(in(display, QStringLiteral("lblRulingAnimalTwo"))->text(), QStringLiteral("The White Stag"));
        QCOMPARE(in(display, QStringLiteral("lblLuckyLetterThree"))->text(), QStringLiteral("'R'"));

        // Exit leaves the question window hidden and the welcome panel shown.
        display->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(welcomeVisible());
        QVERIFY(!question->isShown() && !question->isClosed());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    tst_Ogham test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ogham.moc"
