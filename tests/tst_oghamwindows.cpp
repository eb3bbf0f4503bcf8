// The Ogham question and reading windows, as the launcher opens them.
#include "fixture.h"
#include "look.h"
#include "modoghamoracle.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

namespace {
constexpr char Question[] = "frmCelticOghamOracleMain";
constexpr char Reading[] = "frmCelticOghamOracleDisplay";
}

class tst_OghamWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;

    void clickTree() { QTest::mouseClick(f->in(Question, "picMainImage"), Qt::LeftButton); }
    QString text(const char *control) const { return f->in<QLabel>(Reading, control)->text(); }

private slots:
    void init() { f = std::make_unique<OracleFixture>(); }
    void cleanup() { f.reset(); }

    void emptyQuestionIsRefused()
    {
        f->mdi->LaunchOracle(CelticOgham);
        auto *box = f->in<QTextEdit>(Question, "txtQuestion");
        QCOMPARE(box->toPlainText(), QStringLiteral("Enter Your Question Here\n"));
        box->clear();
        clickTree();
        QCOMPARE(f->t.messages.shown.size(), 1);
        QCOMPARE(f->t.messages.shown[0].text, QStringLiteral("Plese Enter Your Question"));
        QVERIFY(!f->window(Reading));
        QVERIFY(f->window(Question)->isShown());
    }

    void promptAndBlanksCountAsAQuestion()
    {
        for (const QString &text : {QString(), QStringLiteral("  \n")}) {
            f->mdi->LaunchOracle(CelticOgham);
            if (!text.isNull())
                f->in<QTextEdit>(Question, "txtQuestion")->setPlainText(text);
            clickTree();
            QVERIFY(f->t.messages.shown.isEmpty());
            QVERIFY(f->window(Reading)->isShown());
            QVERIFY(!f->window(Question)->isShown());
            QVERIFY(!f->welcomeVisible());
        }
    }

    void clickSelectsTheWholeQuestion()
    {
        f->mdi->LaunchOracle(CelticOgham);
        auto *box = f->in<QTextEdit>(Question, "txtQuestion");
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(box->textCursor().selectedText().size(), box->toPlainText().size());
    }

    // In a question of the user's own, a click places the caret, so that a
    // typo can be mended without losing the rest; Tab still takes it all.
    void clickInATypedQuestionPlacesTheCaret()
    {
        f->mdi->LaunchOracle(CelticOgham);
        auto *box = f->in<QTextEdit>(Question, "txtQuestion");
        // The window opens with the prompt taken whole, so typing replaces it.
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->textCursor().selectedText().size(), box->toPlainText().size());
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_VERIFY(box->textCursor().hasSelection());
        QTest::keyClicks(box, QStringLiteral("Will it rian?"));
        const QRect afterWill = box->cursorRect(box->document()->find(QStringLiteral("Will ")));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, afterWill.center());
        QTest::qWait(20); // the click's own handling has run
        QVERIFY(!box->textCursor().hasSelection());
        QCOMPARE(box->textCursor().position(), 5);
        QTest::keyClick(box, Qt::Key_X);
        QCOMPARE(box->toPlainText(), QStringLiteral("Will xit rian?"));

        QWidget *picture = f->in(Question, "picMainImage");
        picture->setFocus();
        QTest::keyClick(picture, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->textCursor().selectedText(), box->toPlainText());
    }

    void readingFillsThePanelsAndBackKeepsTheQuestion()
    {
        f->t.random.values = {0.3, /* reading: */ 0.0, 0.99, 0.5, /* second: */ 0.5, 0.0, 0.99};
        f->mdi->LaunchOracle(CelticOgham);
        OracleWindow *question = f->window(Question);
        f->in<QTextEdit>(Question, "txtQuestion")->setPlainText(QStringLiteral("Will it rain?"));
        const QPixmap picture = f->in<QLabel>(Question, "picMainImage")->pixmap();
        clickTree();

        QCOMPARE(text("lblTreeNameOne"), QStringLiteral("The Birch Tree"));
        QCOMPARE(text("lblTreeNameTwo"), QStringLiteral("The Elder Tree"));
        QCOMPARE(text("lblTreeNameThree"), QStringLiteral("The Oak Tree"));
        QCOMPARE(text("lblLuckyMonthTwo"), QStringLiteral("The month of Samhain"));
        QCOMPARE(text("lblPanelCaptionTwo"), QStringLiteral("The Present"));
        auto *characteristics = f->in<QPlainTextEdit>(Reading, "txtCharacteristicsOne");
        QCOMPARE(characteristics->toPlainText(), OghamTrees(1).Characteristics);
        QVERIFY(characteristics->isReadOnly());
        // The present panel stands right-most; the future's picture sits 8 pixels further right.
        QVERIFY(f->in(Reading, "fraTreeTwo")->x() > f->in(Reading, "fraTreeThree")->x());
        QCOMPARE(f->in(Reading, "picImageThree")->x(), 80);
        QCOMPARE(f->in(Reading, "picImageOne")->x(), 72);

        QTest::mouseClick(f->in(Reading, "cmdBack"), Qt::LeftButton);
        QVERIFY(question->isShown());
        QVERIFY(!f->welcomeVisible());
        QVERIFY(!f->window(Reading));
        QCOMPARE(f->in<QTextEdit>(Question, "txtQuestion")->toPlainText(), QStringLiteral("Will it rain?"));
        QCOMPARE(f->in<QLabel>(Question, "picMainImage")->pixmap().cacheKey(), picture.cacheKey());

        clickTree(); // a new reading in a fresh window
        QCOMPARE(text("lblTreeNameOne"), QStringLiteral("The Oak Tree"));
        QCOMPARE(text("lblRulingAnimalTwo"), QStringLiteral("The White Stag"));
        QCOMPARE(text("lblLuckyLetterThree"), QStringLiteral("'R'"));

        // File > Back is the Back button; then Exit leaves the question hidden.
        f->window(Reading)->findChild<QAction *>(QStringLiteral("mnuBack"))->trigger();
        QVERIFY(question->isShown() && !f->window(Reading));
        clickTree();
        f->window(Reading)->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(f->welcomeVisible());
        QVERIFY(!question->isShown() && !question->isClosed());
    }

    // The characteristics, longer than their boxes, are reached with Tab from
    // left to right and scrolled with the keyboard.
    void characteristicsAreReadWithTheKeyboard()
    {
        f->mdi->LaunchOracle(CelticOgham);
        clickTree();
        QWidget *w = QApplication::focusWidget();
        QStringList order{w->objectName()};
        while (order.size() < 6)
            if ((w = nextTabStop(w))->isVisible())
                order << w->objectName();
        QCOMPARE(order, (QStringList{QStringLiteral("txtCharacteristicsOne"), QStringLiteral("txtCharacteristicsThree"),
                                     QStringLiteral("txtCharacteristicsTwo"), QStringLiteral("cmdBack"),
                                     QStringLiteral("Label61"), QStringLiteral("lblCobrand")}));
        auto *box = f->in<QPlainTextEdit>(Reading, "txtCharacteristicsOne");
        const QString paragraph = box->toPlainText();
        box->setFocus(Qt::TabFocusReason);
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
        QTest::keyClick(box, Qt::Key_PageDown);
        QTest::keyClick(box, Qt::Key_PageDown);
        QVERIFY(box->verticalScrollBar()->value() > 0);
        QTest::keyClick(box, Qt::Key_X);
        QCOMPARE(box->toPlainText(), paragraph);
    }

    void presentRulingAnimalCaptionOpensTheCoBrandPage()
    {
        f->mdi->LaunchOracle(CelticOgham);
        clickTree();
        QTest::mouseClick(f->in(Reading, "lblCaptionRulingAnimalOne"), Qt::LeftButton);
        QTest::mouseClick(f->in(Reading, "lblCaptionRulingAnimalTwo"), Qt::LeftButton);
        QCOMPARE(f->t.urls.opened,
                 QStringList{QStringLiteral("http://augurium.example/augurium-2/ssd.php?page=co-brand")});
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    tst_OghamWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_oghamwindows.moc"
