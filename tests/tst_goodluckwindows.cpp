// The Good Luck Symbol selection and result windows, as the launcher opens them.
#include "fixture.h"
#include "goodluckpanel.h"
#include "goodluckpictures.h"
#include "look.h"
#include "markedlanguage.h"
#include "modgoodlucksymbol.h"
#include "readingcommands.h"
#include "readingoutput.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr char Selection[] = "frmGoodLuckSymbolOracleMain";
constexpr char Result[] = "frmGoodLuckSymbolOracleDisplay";
const char *const Panels[] = {"fraIndian",  "fraChinese", "fraJapanese",      "fraEgyptian",
                              "fraEnglish", "fraArabian", "fraNativeAmerican"};
const char *const Cultures[] = {"Indian", "Chinese", "Japanese", "Egyptian", "English", "Arabian", "NativeAmerican"};

// Description `number` of a culture as the language's file holds it.
QString description(const QString &language, int culture, int number)
{
    QFile file(QStringLiteral(":/goodluck/%1/descriptions_%2.txt")
                   .arg(QLatin1String(GoodLuckPictureSets[culture].folder), language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')).value(number - 1);
}

const std::optional<ReadingDescription> &described(const OracleWindow *window)
{
    return window->findChild<ReadingCommands *>()->reading();
}
}

class tst_GoodLuckWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;

    QCheckBox *box(int culture) const
    {
        return f->in<QCheckBox>(Selection, qPrintable(QStringLiteral("chkGoodLuck_%1").arg(culture)));
    }
    QPushButton *button(int culture) const
    {
        return f->in<QPushButton>(Result, qPrintable(QStringLiteral("cmdGoodLuck_%1").arg(culture)));
    }
    QString shown(int culture, const char *what) const
    {
        return f
            ->in<QLabel>(Result, qPrintable(QStringLiteral("lbl%1%2").arg(QLatin1String(Cultures[culture]),
                                                                          QLatin1String(what))))
            ->text();
    }
    QLabel *reading(int culture) const
    {
        return f->in<QLabel>(Result, qPrintable(QStringLiteral("lbl%1Desc").arg(QLatin1String(Cultures[culture]))));
    }
    void find() const { QTest::mouseClick(f->in(Selection, "cmdNext"), Qt::LeftButton); }
    // The culture whose panel is in front.
    int inFront() const
    {
        OracleWindow *result = f->window(Result);
        for (QWidget *w = result->childAt(184 + 200, 40 + 300); w; w = w->parentWidget())
            for (int culture = 0; culture < GoodLuckCultureCount; ++culture)
                if (w->objectName() == QLatin1String(Panels[culture]))
                    return culture;
        return -1;
    }
    // The culture whose button is checked; -1 for none, -2 for more than one.
    int checked() const
    {
        int found = -1;
        for (int culture = 0; culture < GoodLuckCultureCount; ++culture)
            if (button(culture)->isChecked())
                found = found == -1 ? culture : -2;
        return found;
    }
    // The controls Tab goes to, once round from `from`; the promotional
    // links, the same in every window, left out.
    static QString tabRound(QWidget *from)
    {
        from->setFocus();
        QStringList round;
        QWidget *w = from;
        do {
            if (!QStringList{QStringLiteral("Label61"), QStringLiteral("lblFullBrand"), QStringLiteral("lblCobrand")}
                     .contains(w->objectName()))
                round << w->objectName();
            QTest::keyClick(w, Qt::Key_Tab);
            w = QApplication::focusWidget();
        } while (w != from && round.size() < 30);
        return round.join(QLatin1Char(' '));
    }

private slots:
    void init()
    {
        f = std::make_unique<OracleFixture>();
        QTest::mouseClick(f->child("cmdSelectOption_2"), Qt::LeftButton);
    }
    void cleanup() { f.reset(); }

    void selectionAsLoaded()
    {
        OracleWindow *window = f->window(Selection);
        QVERIFY(window && window->isShown());
        QCOMPARE(window->size(), QSize(563, 379));
        for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
            QVERIFY(!box(culture)->isChecked());
            QCOMPARE(box(culture)->text(), GoodLuckHeading(culture));
        }
        QCOMPARE(box(3)->x(), 8);
        QCOMPARE(box(4)->x(), 280);
        // After Find, the boxes from Native American back to Indian.
        QWidget *w = f->in(Selection, "cmdNext");
        for (int culture = 6; culture >= 0; --culture) {
            w = nextTabStop(w);
            QCOMPARE(w, box(culture));
        }
    }

    // A click anywhere on a culture's white box ticks it, not only on its text.
    void wholeBoxTakesTheClick()
    {
        for (int culture : {0, 6}) {
            QCheckBox *tick = box(culture);
            QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(tick->width() - 3, tick->height() - 3));
            QVERIFY(tick->isChecked());
            QTest::mouseClick(tick, Qt::LeftButton, {}, QPoint(tick->width() - 3, 2));
            QVERIFY(!tick->isChecked());
        }
    }

    void nothingTickedIsRefused_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Find button") << false;
        QTest::newRow("File > Find") << true;
    }
    void nothingTickedIsRefused()
    {
        QFETCH(bool, byMenu);
        if (byMenu)
            f->window(Selection)->findChild<QAction *>(QStringLiteral("mnuNext"))->trigger();
        else
            find();
        QCOMPARE(f->t.messages.shown.size(), 1);
        QCOMPARE(f->t.messages.shown[0].text, QStringLiteral("Please Select A Type of Good Luck Symbol"));
        QCOMPARE(f->t.messages.shown[0].icon, Messages::Icon::Information);
        QVERIFY(!f->window(Result));
        QVERIFY(f->window(Selection)->isShown());
        QCOMPARE(f->t.random.drawn, 0);
    }

    void arabianAlone_data()
    {
        QTest::addColumn<double>("r");
        QTest::addColumn<QString>("name");
        QTest::newRow("below 0.5") << 0.3 << QStringLiteral("Dolphins");
        QTest::newRow("from 0.5") << 0.7 << QStringLiteral("Hamsa Hand");
    }
    void arabianAlone()
    {
        QFETCH(double, r);
        QFETCH(QString, name);
        box(Arabian)->setChecked(true);
        f->t.random.values = {r};
        find();
        OracleWindow *result = f->window(Result);
        QVERIFY(result && result->isShown());
        QVERIFY(!f->window(Selection)->isShown());
        QVERIFY(!f->welcomeVisible());
        QCOMPARE(shown(Arabian, "Name"), name);
        for (int culture = 0; culture < GoodLuckCultureCount; ++culture)
            QCOMPARE(button(culture)->isEnabled(), culture == Arabian);
        QCOMPARE(inFront(), int(Arabian));
        // The whole medallion, fitted into its box.
        const QPixmap picture = f->in<QLabel>(Result, "picArabian")->pixmap();
        QCOMPARE(picture.deviceIndependentSize().toSize(), QSize(105, 105));
        QCOMPARE(picture.devicePixelRatio(), result->devicePixelRatio() > 1 ? 2.0 : 1.0);
    }

    void allSevenCultures()
    {
        for (int culture = 0; culture < GoodLuckCultureCount; ++culture)
            box(culture)->setChecked(true);
        const double values[] = {0.0, 0.1, 0.25, 0.5, 0.6, 0.99, 0.75};
        f->t.random.values.assign(std::begin(values), std::end(values));
        find();
        QCOMPARE(inFront(), int(NativeAmerican));
        // The keys start at the symbol in front, read aloud from there.
        QCOMPARE(f->window(Result)->focusWidget(), reading(NativeAmerican));
        for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
            QVERIFY(button(culture)->isEnabled());
            const int number =
                std::min(int(values[culture] * GoodLuckSymbolCount(culture) + 1), GoodLuckSymbolCount(culture));
            const GoodLuckSymbol &symbol = GoodLuckSymbols(culture, number);
            QCOMPARE(shown(culture, "Name"), symbol.name);
            QCOMPARE(shown(culture, "Desc"), symbol.description);
            // Every description can be read whole.
            QLabel *desc =
                f->in<QLabel>(Result, qPrintable(QStringLiteral("lbl%1Desc").arg(QLatin1String(Cultures[culture]))));
            QVERIFY(desc->heightForWidth(desc->width()) <= desc->height());
        }
        // Every one of the 74 descriptions reads whole in its panel, every name on one line.
        QLabel *desc = f->in<QLabel>(Result, "lblEgyptianDesc");
        QLabel *name = f->in<QLabel>(Result, "lblEgyptianName");
        for (int culture = 0; culture < GoodLuckCultureCount; ++culture)
            for (int number = 1; number <= GoodLuckSymbolCount(culture); ++number) {
                const GoodLuckSymbol &symbol = GoodLuckSymbols(culture, number);
                desc->setText(symbol.description);
                QVERIFY2(desc->heightForWidth(desc->width()) <= desc->height(), qPrintable(symbol.name));
                QVERIFY2(name->fontMetrics().horizontalAdvance(symbol.name) <= name->width(), qPrintable(symbol.name));
            }
        // Each button brings its panel to the front, checked while it is
        // there, and draws nothing.
        for (int culture : {0, 3, 6, 3, 1}) {
            QTest::mouseClick(button(culture), Qt::LeftButton);
            QCOMPARE(inFront(), culture);
            QCOMPARE(checked(), culture);
        }
        QCOMPARE(f->t.random.drawn, 7);
    }

    // Every description reads whole in its panel in every language the
    // program speaks; every culture's heading fits its box and its button.
    void descriptionsFitInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Spanish") << QStringLiteral("es");
        QTest::newRow("Chinese") << QStringLiteral("zh_CN");
    }
    void descriptionsFitInEveryLanguage()
    {
        QFETCH(QString, language);
        const MarkedLanguage spoken(language);
        box(Egyptian)->setChecked(true);
        find();
        QLabel *desc = f->in<QLabel>(Result, "lblEgyptianDesc");
        for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
            for (int number = 1; number <= GoodLuckSymbolCount(culture); ++number) {
                desc->setText(description(language, culture, number));
                QVERIFY2(desc->heightForWidth(desc->width()) <= desc->height(), qPrintable(desc->text()));
            }
            QVERIFY2(box(culture)->sizeHint().width() <= box(culture)->width(), qPrintable(box(culture)->text()));
            const QRect room = button(culture)->rect().adjusted(3, 2, -3, -2);
            QVERIFY2(room.contains(button(culture)->fontMetrics().boundingRect(
                         room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button(culture)->text())),
                     qPrintable(button(culture)->text()));
        }
    }

    // Tab takes the result window as it reads: the culture buttons from the
    // top, those of the cultures drawn, then the symbol in front, then Back
    // and Exit; and so again once a culture button has had the focus.
    void tabFollowsReadingOrder()
    {
        for (int culture : {Indian, English, Arabian})
            box(culture)->setChecked(true);
        find();
        QCOMPARE(QApplication::focusWidget(), reading(Arabian));
        const QString round = QStringLiteral("cmdGoodLuck_0 cmdGoodLuck_4 cmdGoodLuck_5 %1 cmdOK cmdExit");
        QCOMPARE(tabRound(button(Indian)), round.arg(QStringLiteral("lblArabianDesc")));
        QTest::keyClick(button(Indian), Qt::Key_Space);
        QCOMPARE(tabRound(button(Indian)), round.arg(QStringLiteral("lblIndianDesc")));
    }

    // However the culture is chosen, its panel comes to the front, its button
    // is the one checked, and its symbol takes the focus, named as a screen
    // reader says it: the heading on show, the symbol, its description.
    void cultureButtonShowsAndReadsItsSymbol_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"click", "Space", "Enter"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void cultureButtonShowsAndReadsItsSymbol()
    {
        QFETCH(QString, how);
        box(Chinese)->setChecked(true);
        box(Egyptian)->setChecked(true);
        f->t.random.values = {0.0, 0.99}; // the first Chinese symbol, the last Egyptian one
        find();
        QCOMPARE(checked(), int(Egyptian));
        const auto choose = [&](int culture) {
            if (how == QLatin1String("click"))
                QTest::mouseClick(button(culture), Qt::LeftButton);
            else {
                button(culture)->setFocus();
                QTest::keyClick(button(culture), how == QLatin1String("Space") ? Qt::Key_Space : Qt::Key_Return);
            }
        };
        const GoodLuckSymbol &symbol = GoodLuckSymbols(Chinese, 1);
        for (int again = 0; again < 2; ++again) { // choosing the culture on show changes nothing
            choose(Chinese);
            QCOMPARE(inFront(), int(Chinese));
            QCOMPARE(checked(), int(Chinese));
            QCOMPARE(QApplication::focusWidget(), reading(Chinese));
            const QString said = reading(Chinese)->accessibleName();
            QVERIFY2(
                said.startsWith(QStringLiteral("Chinese Good Luck Symbols: ") + symbol.name + QStringLiteral(". ")),
                qPrintable(said));
            QVERIFY2(said.contains(symbol.description.simplified().left(40)), qPrintable(said));
            QVERIFY2(!said.contains(QStringLiteral("Egyptian")), qPrintable(said));
        }
        choose(Egyptian);
        QCOMPARE(checked(), int(Egyptian));
        QVERIFY(reading(Egyptian)->accessibleName().startsWith(
            QStringLiteral("Egyptian Good Luck Symbols: ")
            + GoodLuckSymbols(Egyptian, GoodLuckSymbolCount(Egyptian)).name));
        QCOMPARE(f->t.random.drawn, 2);
    }

    // The selection and a reading on screen are told again in another
    // language: the same symbols, the same culture in front and checked, the
    // focus where it was, every text in that language, the descriptions from
    // its files; the culture's boxes, buttons and headings read alike. Back in
    // English, every text is what it was.
    void windowsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Spanish") << QStringLiteral("es");
    }
    void windowsFollowTheLanguage()
    {
        QFETCH(QString, language);
        box(Chinese)->setChecked(true);
        box(Egyptian)->setChecked(true);
        f->t.random.values = {0.0, 0.99}; // Bamboo, Scarab
        const QMap<QString, QString> englishSelection = textsOf(f->window(Selection));
        find();
        OracleWindow *result = f->window(Result);
        OracleWindow *selection = f->window(Selection);
        const QMap<QString, QString> english = textsOf(result);
        const QString englishReading = readingText(*described(result));
        const QDateTime made = described(result)->when;
        const QImage picture = f->in<QLabel>(Result, "picEgyptian")->pixmap().toImage();
        QWidget *focused = QApplication::focusWidget();
        QCOMPARE(focused, reading(Egyptian));
        f->t.clock.time = f->t.clock.time.addSecs(3600);
        {
            const MarkedLanguage spoken(language);
            const auto tr = &MarkedLanguage::tr;
            QCOMPARE(shown(Egyptian, "Name"), tr("GoodLuckSymbols", "Scarab"));
            QCOMPARE(shown(Egyptian, "Desc"), description(language, Egyptian, 8));
            QCOMPARE(shown(Chinese, "Name"), tr("GoodLuckSymbols", "Bamboo"));
            QCOMPARE(shown(Chinese, "Desc"), description(language, Chinese, 1));
            QCOMPARE(f->in<QLabel>(Result, "picEgyptian")->pixmap().toImage(), picture);
            QCOMPARE(f->in(Result, "picEgyptian")->accessibleName(), tr("GoodLuckSymbols", "Scarab"));
            for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
                QCOMPARE(button(culture)->text(), GoodLuckHeading(culture));
                QCOMPARE(box(culture)->text(), GoodLuckHeading(culture));
                QCOMPARE(button(culture)->isEnabled(), culture == Chinese || culture == Egyptian);
            }
            QCOMPARE(GoodLuckHeading(Egyptian), tr("GoodLuckSymbols", "Egyptian Good Luck Symbols"));
            QCOMPARE(selection->findChild<QAction *>(QStringLiteral("mnuNext"))->text(),
                     tr(Selection, "Find My Good luck Symbol"));
            QCOMPARE(inFront(), int(Egyptian));
            QCOMPARE(checked(), int(Egyptian));
            QCOMPARE(QApplication::focusWidget(), focused);
            QVERIFY(reading(Egyptian)->accessibleName().contains(
                tr("ReadingOutput", "%1: %2").arg(GoodLuckHeading(Egyptian), tr("GoodLuckSymbols", "Scarab"))));
            for (const auto &[window, before] : {std::pair{result, english}, std::pair{selection, englishSelection}}) {
                const QStringList same = sameAsEnglish(textsOf(window), before, SharedWindowTexts);
                QVERIFY2(same.isEmpty(), qPrintable(same.join(QStringLiteral("; "))));
            }
            // The reading as it is copied, in the same words.
            const ReadingDescription &reading = *described(result);
            QCOMPARE(reading.when, made);
            QCOMPARE(reading.pieces.size(), 2);
            QCOMPARE(reading.pieces[0].heading, tr("GoodLuckSymbols", "Chinese Good Luck Symbol"));
            QCOMPARE(reading.pieces[1].name, tr("GoodLuckSymbols", "Scarab"));
            QCOMPARE(reading.pieces[1].pictureName, tr("GoodLuckSymbols", "Scarab"));
            QCOMPARE(reading.pieces[1].text, description(language, Egyptian, 8));
            // A culture chosen now is shown in the language in use.
            QTest::mouseClick(button(Chinese), Qt::LeftButton);
            QVERIFY(this->reading(Chinese)->accessibleName().contains(GoodLuckHeading(Chinese)));
            QTest::mouseClick(button(Egyptian), Qt::LeftButton);
            focused->setFocus();
        }
        QVERIFY2(firstDifference(textsOf(result), english).isEmpty(),
                 qPrintable(firstDifference(textsOf(result), english)));
        QVERIFY2(firstDifference(textsOf(selection), englishSelection).isEmpty(),
                 qPrintable(firstDifference(textsOf(selection), englishSelection)));
        QCOMPARE(readingText(*described(result)), englishReading);
        QCOMPARE(f->t.random.drawn, 2);
    }

    // An arrow on a culture button moves on as Tab does, and chooses nothing:
    // the culture on show stays in front and checked.
    void arrowsMoveWithoutChoosing()
    {
        for (int culture : {Indian, Chinese, Arabian})
            box(culture)->setChecked(true);
        find();
        button(Arabian)->setFocus();
        const std::pair<Qt::Key, int> steps[] = {
            {Qt::Key_Up, Chinese}, {Qt::Key_Left, Indian}, {Qt::Key_Down, Chinese}, {Qt::Key_Right, Arabian}};
        for (const auto &[key, reached] : steps) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), button(reached));
            QCOMPARE(inFront(), int(Arabian));
            QCOMPARE(checked(), int(Arabian));
        }
    }

    void backKeepsTheTicks_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }
    void backKeepsTheTicks()
    {
        QFETCH(bool, byMenu);
        box(Indian)->setChecked(true);
        box(English)->setChecked(true);
        find();
        const QPointer<OracleWindow> first = f->window(Result);
        if (byMenu)
            first->findChild<QAction *>(QStringLiteral("mnuFileBack"))->trigger();
        else
            QTest::mouseClick(f->in(Result, "cmdOK"), Qt::LeftButton);
        QVERIFY(f->window(Selection)->isShown());
        QVERIFY(!f->window(Result));
        QVERIFY(!f->welcomeVisible());
        QVERIFY(box(Indian)->isChecked() && box(English)->isChecked() && !box(Chinese)->isChecked());
        find(); // the same cultures again, in a fresh window
        QVERIFY(f->window(Result) != first);
        QVERIFY(button(Indian)->isEnabled() && button(English)->isEnabled() && !button(Chinese)->isEnabled());
    }

    void exitDoesNotBringTheSelectionBack_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Exit button") << 0;
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void exitDoesNotBringTheSelectionBack()
    {
        QFETCH(int, key);
        box(Egyptian)->setChecked(true);
        find();
        const QPointer<OracleWindow> result = f->window(Result);
        if (key)
            QTest::keyClick(result, Qt::Key(key));
        else
            QTest::mouseClick(f->in(Result, "cmdExit"), Qt::LeftButton);
        QVERIFY(!result || result->isClosed());
        QVERIFY(f->welcomeVisible());
        QVERIFY(!f->window(Selection)->isShown());
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    tst_GoodLuckWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_goodluckwindows.moc"
