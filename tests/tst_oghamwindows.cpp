// The Ogham question and reading windows, as the launcher opens them.
#include "fixture.h"
#include "look.h"
#include "markedlanguage.h"
#include "modoghamoracle.h"
#include "readingcommands.h"
#include "readingoutput.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextEdit>

namespace {
constexpr char Question[] = "frmCelticOghamOracleMain";
constexpr char Reading[] = "frmCelticOghamOracleDisplay";

// Paragraph `n` (1-based) of the characteristics as the language's file holds it.
QString characteristics(const QString &language, int n)
{
    QFile file(QStringLiteral(":/ogham/characteristics_%1.txt").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')).value(n - 1);
}

const std::optional<ReadingDescription> &described(const OracleWindow *window)
{
    return window->findChild<ReadingCommands *>()->reading();
}
}

class tst_OghamWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;
    static constexpr const char *Panels[] = {"One", "Three", "Two"}; // left to right

    void clickTree() { QTest::mouseClick(f->in(Question, "picMainImage"), Qt::LeftButton); }
    QString text(const char *control) const { return f->in<QLabel>(Reading, control)->text(); }

private slots:
    void init() { f = std::make_unique<OracleFixture>(); }
    void cleanup() { f.reset(); }

    void emptyQuestionIsRefused_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QStringLiteral("de");
    }
    void emptyQuestionIsRefused()
    {
        QFETCH(QString, language);
        std::optional<MarkedLanguage> spoken;
        if (!language.isEmpty())
            spoken.emplace(language);
        f->mdi->LaunchOracle(CelticOgham);
        auto *box = f->in<QTextEdit>(Question, "txtQuestion");
        QCOMPARE(box->toPlainText(),
                 language.isEmpty() ? QStringLiteral("Enter Your Question Here\n")
                                    : MarkedLanguage::tr(Question, "Enter Your Question Here") + QLatin1Char('\n'));
        box->clear();
        clickTree();
        QCOMPARE(f->t.messages.shown.size(), 1);
        QCOMPARE(f->t.messages.shown[0].text, language.isEmpty()
                                                  ? QStringLiteral("Plese Enter Your Question")
                                                  : MarkedLanguage::tr(Question, "Plese Enter Your Question"));
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

    // A reading on screen is told again in another language: the same trees,
    // pictures and focus, every text of the panels in that language, the
    // paragraphs from its file; the reading keeps the time it was made. Back
    // in English, every text is what it was.
    void readingFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Chinese") << QStringLiteral("zh_CN");
    }
    void readingFollowsTheLanguage()
    {
        QFETCH(QString, language);
        f->t.random.values = {0.3, /* reading: */ 0.0, 0.99, 0.5};
        f->mdi->LaunchOracle(CelticOgham);
        f->in<QTextEdit>(Question, "txtQuestion")->setPlainText(QStringLiteral("Will it rain?"));
        clickTree();
        OracleWindow *window = f->window(Reading);
        auto *past = f->in<QPlainTextEdit>(Reading, "txtCharacteristicsOne");
        past->setFocus();
        const QMap<QString, QString> english = textsOf(window);
        const QString englishReading = readingText(*described(window));
        const QDateTime made = described(window)->when;
        QImage pictures[3];
        for (int panel = 0; panel < 3; ++panel)
            pictures[panel] =
                f->in<QLabel>(Reading, qPrintable(QStringLiteral("picImage%1").arg(QLatin1String(Panels[panel]))))
                    ->pixmap()
                    .toImage();
        f->t.clock.time = f->t.clock.time.addSecs(3600);
        {
            const MarkedLanguage spoken(language);
            const auto tr = &MarkedLanguage::tr;
            QCOMPARE(text("lblTreeNameOne"), tr("OghamTrees", "The Birch Tree"));
            QCOMPARE(text("lblTreeNameTwo"), tr("OghamTrees", "The Elder Tree"));
            QCOMPARE(text("lblTreeNameThree"), tr("OghamTrees", "The Oak Tree"));
            QCOMPARE(text("lblLuckyMonthTwo"), tr("OghamTrees", "The month of Samhain"));
            QCOMPARE(text("lblOghamTermOne"), QStringLiteral("Beith"));
            QCOMPARE(text("lblPanelCaptionOne"), tr(Reading, "The Past"));
            QCOMPARE(text("lblPanelCaptionThree"), tr(Reading, "The Future"));
            QCOMPARE(text("lblCaptionKeywordsTwo"), tr("OghamTrees", "Keywords"));
            QCOMPARE(text("lblCharacteristicsCaptionOne"), tr("OghamTreePanel", "Characteristics"));
            QCOMPARE(past->toPlainText(), characteristics(language, 1));
            QCOMPARE(f->in<QPlainTextEdit>(Reading, "txtCharacteristicsTwo")->toPlainText(),
                     characteristics(language, 13));
            QCOMPARE(past->accessibleName(),
                     tr("OghamTreePanel", "%1: %2").arg(tr(Reading, "The Past"), tr("OghamTrees", "The Birch Tree")));
            QVERIFY(past->accessibleDescription().startsWith(
                tr("OghamTreePanel", "%1: %2.")
                    .arg(tr("OghamTrees", "Keywords"), tr("OghamTrees", "Ambition, Ideals"))));
            for (int panel = 0; panel < 3; ++panel)
                QCOMPARE(
                    f->in<QLabel>(Reading, qPrintable(QStringLiteral("picImage%1").arg(QLatin1String(Panels[panel]))))
                        ->pixmap()
                        .toImage(),
                    pictures[panel]);
            QCOMPARE(QApplication::focusWidget(), past);
            // Every text of the window is told anew, but the Ogham terms and
            // letters, and what every oracle window shares.
            const QStringList same = sameAsEnglish(
                textsOf(window), english,
                SharedWindowTexts + QStringList{QStringLiteral("lblOghamTerm"), QStringLiteral("lblLuckyLetter")});
            QVERIFY2(same.isEmpty(), qPrintable(same.join(QStringLiteral("; "))));
            // The reading as it is copied, in the same words.
            const ReadingDescription &reading = *described(window);
            QCOMPARE(reading.when, made);
            QCOMPARE(reading.asked.value(0).label, tr(Reading, "Question"));
            QCOMPARE(reading.asked.value(0).value, QStringLiteral("Will it rain?"));
            QCOMPARE(reading.pieces.size(), 3);
            QCOMPARE(reading.pieces[0].heading, tr(Reading, "The Past"));
            QCOMPARE(reading.pieces[1].name, tr("OghamTrees", "The Oak Tree"));
            QCOMPARE(reading.pieces[2].text, characteristics(language, 13));
            QCOMPARE(reading.pieces[2].fields.value(0).label, tr("OghamTrees", "Keywords"));
            QCOMPARE(reading.pieces[2].fields.value(3).value, QStringLiteral("Ruis"));
        }
        QVERIFY2(firstDifference(textsOf(window), english).isEmpty(),
                 qPrintable(firstDifference(textsOf(window), english)));
        QCOMPARE(readingText(*described(window)), englishReading);
        QCOMPARE(QApplication::focusWidget(), past);
    }

    // The prompt speaks the language in use until the user writes a question,
    // which stays as written; the prompt is never taken for a question.
    void questionFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("the prompt") << QString();
        QTest::newRow("a question") << QStringLiteral("Will it rain?");
    }
    void questionFollowsTheLanguage()
    {
        QFETCH(QString, typed);
        f->mdi->LaunchOracle(CelticOgham);
        auto *box = f->in<QTextEdit>(Question, "txtQuestion");
        if (!typed.isEmpty()) {
            box->selectAll();
            QTest::keyClicks(box, typed);
        }
        const QString english = box->toPlainText();
        {
            const MarkedLanguage spoken(QStringLiteral("de"));
            QCOMPARE(box->toPlainText(),
                     typed.isEmpty() ? MarkedLanguage::tr(Question, "Enter Your Question Here") + QLatin1Char('\n')
                                     : typed);
            QCOMPARE(f->in(Question, "picMainImage")->accessibleName(),
                     MarkedLanguage::tr(Question, "Draw my three trees"));
            clickTree();
            const ReadingDescription &reading = *described(f->window(Reading));
            QCOMPARE(reading.asked.isEmpty(), typed.isEmpty());
            QTest::mouseClick(f->in(Reading, "cmdBack"), Qt::LeftButton);
        }
        QCOMPARE(box->toPlainText(), english);
    }

    // Every caption and value of every tree reads whole on one line: as
    // designed in English, and in a language whose texts are longer, the
    // columns shift and a text still too long is written a little smaller.
    void attributesFitTheirRows_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Spanish") << QStringLiteral("es");
    }
    void attributesFitTheirRows()
    {
        QFETCH(QString, language);
        std::optional<MarkedLanguage> spoken;
        if (!language.isEmpty())
            spoken.emplace(language);
        // Five readings show every tree: 1 to 3, 4 to 6 and so on, then 13, 1 and 2.
        QList<double> values{0.3};
        for (int i = 0; i < 15; ++i)
            values << (i % OghamTreeCount + 0.5) / OghamTreeCount;
        f->t.random.values.assign(values.begin(), values.end());
        f->mdi->LaunchOracle(CelticOgham);
        const char *const rows[] = {"Keywords",   "RulingPlanet", "RulingAnimal",  "OghamTerm",   "LuckyColor",
                                    "LuckyMonth", "LuckyLetter",  "LuckyGemstone", "LuckyFlower"};
        for (int reading = 0; reading < 5; ++reading) {
            clickTree();
            for (const char *panel : Panels)
                for (const char *row : rows) {
                    for (const QString &name : {QStringLiteral("lblCaption%1%2"), QStringLiteral("lbl%1%2")}) {
                        auto *label = f->in<QLabel>(Reading, qPrintable(name.arg(QLatin1String(row), QLatin1String(panel))));
                        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                                 qPrintable(label->text()));
                        QVERIFY2(label->font().pointSizeF() >= 8.25 * 0.75, qPrintable(label->text()));
                        if (language.isEmpty()) {
                            QVERIFY(!label->testAttribute(Qt::WA_SetFont));
                            QCOMPARE(label->x(), name.startsWith(QLatin1String("lblCaption")) ? 8 : 120);
                        }
                    }
                }
            QTest::mouseClick(f->in(Reading, "cmdBack"), Qt::LeftButton);
        }
        QCOMPARE(f->t.random.drawn, 16);
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
