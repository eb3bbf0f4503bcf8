// The Mystical Color window: the typing rule, Ask and Back, and opening a
// saved reading, as the launcher opens it.
#include "fixture.h"
#include "look.h"
#include "markedlanguage.h"
#include "modcolororacle.h"
#include "productionservices.h"
#include "readingcommands.h"
#include "readingoutput.h"
#include "scramble.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {
constexpr char Window[] = "frmMysticColorOracleMain";

const std::optional<ReadingDescription> &described(const OracleWindow *window)
{
    return window->findChild<ReadingCommands *>()->reading();
}

// Reading `n` of the colours as the language's file holds it.
QString colourReading(const QString &language, int n)
{
    QFile file(QStringLiteral(":/colour/readings_%1.txt").arg(language));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n')).value(n - 1);
}

// A saved reading with this birth day.
bool writeSavedReading(const QString &path, const QString &month, const QString &date, const QString &year)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("x\r\ny\r\nz\r\n" + ScrambleText(month).toLatin1() + "\r\n" + ScrambleText(date).toLatin1() + "\r\n"
               + ScrambleText(year).toLatin1() + "\r\n");
    return true;
}

// Types each character as a key that produces it, letters beyond ASCII and
// beyond the first plane too.
void type(QWidget *field, const QString &text)
{
    for (const char32_t c : text.toUcs4())
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
}
}

class tst_ColourWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;

    QLineEdit *field(const char *name) const { return f->in<QLineEdit>(Window, name); }
    QString text(const char *name) const { return f->in<QLabel>(Window, name)->text(); }
    QStringList messages() const
    {
        QStringList texts;
        for (const auto &shown : f->t.messages.shown) {
            texts << shown.text;
            if (shown.icon != Messages::Icon::Critical)
                texts << QStringLiteral("(not an error box)");
        }
        return texts;
    }
    // The panel in front: the one at the panels' place.
    QString inFront() const
    {
        for (QWidget *w = f->window(Window)->childAt(100, 60); w; w = w->parentWidget())
            if (w->objectName() == QLatin1String("Frame1") || w->objectName() == QLatin1String("Frame2"))
                return w->objectName();
        return {};
    }
    void ask() const { QTest::mouseClick(f->in(Window, "cmdNext"), Qt::LeftButton); }
    // The controls Tab goes to, once round from the focus; the promotional
    // links, the same in every window, left out.
    static QString tabRound()
    {
        QWidget *from = QApplication::focusWidget();
        QStringList round;
        QWidget *w = from;
        do {
            // A drop-down's text box stands for the drop-down.
            const QString name = w->objectName().isEmpty() ? w->parentWidget()->objectName() : w->objectName();
            if (!QStringList{QStringLiteral("Label61"), QStringLiteral("lblFullBrand"), QStringLiteral("lblCobrand")}
                     .contains(name))
                round << name;
            QTest::keyClick(w, Qt::Key_Tab);
            w = QApplication::focusWidget();
        } while (w != from && round.size() < 30);
        return round.join(QLatin1Char(' '));
    }
    QStringList birthDay() const
    {
        return {f->in<QComboBox>(Window, "cboMonth")->currentText(), f->in<QComboBox>(Window, "cboDate")->currentText(),
                f->in<QComboBox>(Window, "cboYear")->currentText()};
    }

private slots:
    void init()
    {
        f = std::make_unique<OracleFixture>();
        QTest::mouseClick(f->child("cmdSelectOption_4"), Qt::LeftButton);
    }
    void cleanup() { f.reset(); }

    void windowAsLoaded()
    {
        OracleWindow *window = f->window(Window);
        QVERIFY(window && window->isShown());
        QCOMPARE(window->windowTitle(), QStringLiteral("Orin Mystical Color Oracle"));
        QCOMPARE(inFront(), QStringLiteral("Frame1"));
        QCOMPARE(window->focusWidget(), field("txtNameFirst"));
        // The Open command and the birth day can be seen and reached.
        for (const char *name : {"cmdOpen", "fraBirthDay"}) {
            QWidget *w = f->in(Window, name);
            QVERIFY(window->rect().contains(QRect(w->pos(), w->size())));
        }
        QCOMPARE(f->in<QPushButton>(Window, "cmdOpen")->text(), QStringLiteral("&Open Previously Saved Reading"));
        // Tab runs first name, last name, Ask.
        QCOMPARE(nextTabStop(field("txtNameFirst")), field("txtNameLast"));
        QCOMPARE(nextTabStop(field("txtNameLast")), f->in(Window, "cmdNext"));
    }

    void typingRule_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("refused");
        QTest::newRow("letters") << QStringLiteral("AnnaZz") << QStringLiteral("AnnaZz") << 0;
        QTest::newRow("a blank between names") << QStringLiteral("Ann Marie") << QStringLiteral("AnnMarie") << 1;
        QTest::newRow("hyphen, apostrophe, digit") << QStringLiteral("O'Neil-2") << QStringLiteral("ONeil") << 3;
        QTest::newRow("accented letter") << QString(QStringLiteral("Ren") + QChar(0x00E9)) << QStringLiteral("Ren")
                                         << 1;
    }
    void typingRule()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, refused);
        QLineEdit *last = field("txtNameLast");
        last->setFocus();
        type(last, typed);
        QCOMPARE(last->text(), kept);
        QCOMPARE(messages(), QStringList(refused, QStringLiteral("Please Enter Character Only")));
        QCOMPARE(f->window(Window)->focusWidget(), last);
    }

    // English keeps its rule. Another language lets every letter of the Latin
    // script in; the blank, digits and punctuation are refused as in English,
    // in that language; a letter of another script is asked for in Latin
    // letters, as a passport writes the name.
    void typingRuleByLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal"); // none when the character is taken
        const QString notALetter = QStringLiteral("Please Enter Character Only");
        const QString notLatin =
            QStringLiteral("Please type your name in Latin letters, as it is written in your passport.");
        const struct {
            const char *row, *language;
            const char16_t *typed;
            const QString &refusal;
        } cases[] = {
            {"English, A", "en", u"A", {}},
            {"English, u umlaut", "en", u"\u00fc", notALetter},
            {"English, Chinese", "en", u"\u674e", notALetter},
            {"English, blank", "en", u" ", notALetter},
            {"German, z", "de", u"z", {}},
            {"German, u umlaut", "de", u"\u00fc", {}},
            {"German, sharp s", "de", u"\u00df", {}},
            {"German, capital A umlaut", "de", u"\u00c4", {}},
            {"Spanish, e acute", "es", u"\u00e9", {}},
            {"Spanish, n tilde", "es", u"\u00f1", {}},
            {"Spanish, o slash", "es", u"\u00f8", {}},
            {"Spanish, c cedilla", "es", u"\u00e7", {}},
            {"German, dotless i", "de", u"\u0131", {}},
            {"German, dotted capital I", "de", u"\u0130", {}},
            {"German, digit", "de", u"7", notALetter},
            {"German, blank", "de", u" ", notALetter},
            {"German, hyphen", "de", u"-", notALetter},
            {"Spanish, apostrophe", "es", u"'", notALetter},
            {"Spanish, inverted question mark", "es", u"\u00bf", notALetter},
            {"Chinese, Han", "zh_CN", u"\u674e", notLatin},
            {"Chinese, Han beyond the first plane", "zh_CN", u"\U00020000", notLatin},
            {"Chinese, full-width digit", "zh_CN", u"\uff11", notALetter},
            {"German, Cyrillic", "de", u"\u0436", notLatin},
            {"Spanish, Arabic", "es", u"\u0628", notLatin},
            {"German, Japanese kana", "de", u"\u3042", notLatin},
            {"German, Greek", "de", u"\u03b1", notLatin},
            {"French, oe ligature", "fr", u"\u0153", {}},
            {"Brazilian, a tilde", "pt_BR", u"\u00e3", {}},
            {"Japanese, Latin letter", "ja", u"k", {}},
            {"Japanese, hiragana", "ja", u"\u3042", notLatin},
            {"Japanese, katakana", "ja", u"\u30ab", notLatin},
        };
        for (const auto &c : cases)
            QTest::newRow(c.row) << QString::fromLatin1(c.language) << QString::fromUtf16(c.typed) << c.refusal;
    }
    void typingRuleByLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        std::optional<MarkedLanguage> spoken;
        if (language != Language::English)
            spoken.emplace(language);
        QLineEdit *last = field("txtNameLast");
        last->setFocus();
        type(last, QStringLiteral("Ab") + typed);
        if (refusal.isEmpty()) {
            QCOMPARE(last->text(), QStringLiteral("Ab") + typed);
            QCOMPARE(messages(), QStringList());
        } else {
            QCOMPARE(last->text(), QStringLiteral("Ab"));
            const QString expected =
                language == Language::English ? refusal : MarkedLanguage::tr(Window, refusal.toUtf8().constData());
            QCOMPARE(messages(), QStringList{expected});
            QCOMPARE(f->window(Window)->focusWidget(), last);
        }
    }

    // A name typed in any language has the colour it has in English: the
    // same colour stays on show, named in the language in use, and back in
    // English the window and its reading read as before.
    void colourFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("colour");
        QTest::newRow("German, Anna Smith")
            << QStringLiteral("de") << QStringLiteral("Anna") << QStringLiteral("Smith") << 1;
        QTest::newRow("German, umlauts: 0 + 6")
            << QStringLiteral("de") << QStringLiteral("\u00dcrsula") << QStringLiteral("M\u00fcller") << 1;
        QTest::newRow("Spanish, n tilde counts once: 9 + 4")
            << QStringLiteral("es") << QStringLiteral("I\u00f1igo") << QStringLiteral("Pe\u00f1a") << 3;
        QTest::newRow("Chinese, Eve Adams")
            << QStringLiteral("zh_CN") << QStringLiteral("Eve") << QStringLiteral("Adams") << 5;
    }
    void colourFollowsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, colour);
        OracleWindow *window = f->window(Window);
        QString englishReading;
        QMap<QString, QString> english;
        {
            const MarkedLanguage spoken(language);
            type(field("txtNameFirst"), first);
            type(field("txtNameLast"), last);
            QVERIFY(f->t.messages.shown.isEmpty());
            ask();
            QCOMPARE(inFront(), QStringLiteral("Frame2"));
            QCOMPARE(text("lblResult_0"), MarkedLanguage::tr("MysticalColors", qPrintable(ColorEnglishName(colour))));
            QCOMPARE(text("lblResult_1"), colourReading(language, colour));
            const ReadingDescription &reading = *described(window);
            QCOMPARE(reading.asked.value(0).label, MarkedLanguage::tr(Window, "Name"));
            QCOMPARE(reading.asked.value(0).value, MarkedLanguage::tr(Window, "%1 %2").arg(first, last));
            QCOMPARE(reading.pieces.value(0).heading, MarkedLanguage::tr(Window, "Your lucky colour"));
            QCOMPARE(reading.pieces.value(0).name, text("lblResult_0"));
            QCOMPARE(QApplication::focusWidget(), f->in(Window, "lblResult_1"));
        }
        QCOMPARE(text("lblResult_0"), ColorEnglishName(colour));
        QCOMPARE(text("lblResult_1"), ColorReadings(colour).reading);
        QCOMPARE(QApplication::focusWidget(), f->in(Window, "lblResult_1"));
        QCOMPARE(field("txtNameFirst")->text(), first);
        const ReadingDescription &reading = *described(window);
        QCOMPARE(reading.asked.value(0).label, QStringLiteral("Name"));
        QCOMPARE(reading.asked.value(0).value, first + QLatin1Char(' ') + last);
        QCOMPARE(reading.pieces.value(0).heading, QStringLiteral("Your lucky colour"));
        QCOMPARE(reading.pieces.value(0).name, ColorEnglishName(colour));
        // And the other way round: a reading asked in English, told in the language and back.
        english = textsOf(window);
        englishReading = readingText(*described(window));
        const QDateTime made = described(window)->when;
        f->t.clock.time = f->t.clock.time.addSecs(3600);
        {
            const MarkedLanguage spoken(language);
            QCOMPARE(text("lblResult_1"), colourReading(language, colour));
            QCOMPARE(described(window)->when, made);
            const QStringList same = sameAsEnglish(
                textsOf(window), english,
                SharedWindowTexts + QStringList{QStringLiteral("txtName"), QStringLiteral("cmdOpen.toolTip")});
            QVERIFY2(same.isEmpty(), qPrintable(same.join(QStringLiteral("; "))));
        }
        QVERIFY2(firstDifference(textsOf(window), english).isEmpty(),
                 qPrintable(firstDifference(textsOf(window), english)));
        QCOMPARE(readingText(*described(window)), englishReading);
    }

    // A saved reading reads the same whatever the language: a month it
    // writes in English shows in the language in use, and follows it; any
    // other month shows as written.
    void savedMonthFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("shown");
        QTest::newRow("German March") << QStringLiteral("de") << QStringLiteral("March") << QStringLiteral("M\u00e4rz");
        QTest::newRow("Spanish December")
            << QStringLiteral("es") << QStringLiteral("December") << QStringLiteral("diciembre");
        QTest::newRow("Chinese May") << QStringLiteral("zh_CN") << QStringLiteral("May")
                                     << QStringLiteral("\u4e94\u6708");
        QTest::newRow("a number") << QStringLiteral("de") << QStringLiteral("3") << QStringLiteral("3");
        QTest::newRow("lower case") << QStringLiteral("de") << QStringLiteral("march") << QStringLiteral("march");
        QTest::newRow("a German month") << QStringLiteral("de") << QStringLiteral("Mai") << QStringLiteral("Mai");
    }
    void savedMonthFollowsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, written);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        QVERIFY(writeSavedReading(dir.filePath(QStringLiteral("reading.num")), written, QStringLiteral("14"),
                                  QStringLiteral("1990")));
        f->t.files.chosen = dir.filePath(QStringLiteral("reading.num"));
        field("txtNameFirst")->setText(QStringLiteral("Anna"));
        field("txtNameLast")->setText(QStringLiteral("Smith"));
        OracleWindow *window = f->window(Window);
        auto *month = f->in<QComboBox>(Window, "cboMonth");
        {
            const MarkedLanguage spoken(language);
            QTest::mouseClick(f->in(Window, "cmdOpen"), Qt::LeftButton);
            QCOMPARE(birthDay(), (QStringList{shown, QStringLiteral("14"), QStringLiteral("1990")}));
            QCOMPARE(described(window)->asked.value(1).label, MarkedLanguage::tr(Window, "Birth Day"));
            QCOMPARE(described(window)->asked.value(1).value,
                     MarkedLanguage::tr(Window, "%1 %2 %3").arg(shown, QStringLiteral("14"), QStringLiteral("1990")));
            QCOMPARE(month->lineEdit()->accessibleName(), MarkedLanguage::tr(Window, "Month"));
        }
        QCOMPARE(birthDay(), (QStringList{written, QStringLiteral("14"), QStringLiteral("1990")}));
        QCOMPARE(described(window)->asked.value(1).label, QStringLiteral("Birth Day"));
        QCOMPARE(described(window)->asked.value(1).value, written + QStringLiteral(" 14 1990"));
        QCOMPARE(month->lineEdit()->accessibleName(), QStringLiteral("Month"));
        // A month the user writes over the saved one is the user's.
        month->setEditText(QStringLiteral("Marchember"));
        {
            const MarkedLanguage spoken(language);
            QCOMPARE(month->currentText(), QStringLiteral("Marchember"));
        }
        QCOMPARE(month->currentText(), QStringLiteral("Marchember"));
    }

    void keysThatTypeNothingWork()
    {
        QLineEdit *first = field("txtNameFirst");
        QTest::keyClick(first, Qt::Key_Backspace); // also in an empty field
        type(first, QStringLiteral("Ana"));
        QTest::keyClick(first, Qt::Key_Left);
        QTest::keyClick(first, Qt::Key_Backspace);
        QTest::keyClick(first, Qt::Key_Home);
        QTest::keyClick(first, Qt::Key_Delete);
        QCOMPARE(first->text(), QStringLiteral("a"));
        QTest::keyClick(first, Qt::Key_End);
        QTest::keyClick(first, Qt::Key_Tab);
        QCOMPARE(f->window(Window)->focusWidget(), field("txtNameLast"));
        QVERIFY(f->t.messages.shown.isEmpty());
    }

    // Enter in a name field asks, as in a form; Esc does nothing; neither is
    // refused as a character.
    void enterAsksAndEscDoesNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
    void enterAsksAndEscDoesNothing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QLineEdit *first = field("txtNameFirst");
        QLineEdit *last = field("txtNameLast");
        type(first, QStringLiteral("Anna"));
        QTest::keyClick(first, Qt::Key_Escape);
        QVERIFY(f->t.messages.shown.isEmpty());
        QTest::keyClick(first, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(messages(), QStringList{QStringLiteral("Please Enter Your Last Name")});
        QCOMPARE(f->window(Window)->focusWidget(), last);
        type(last, QStringLiteral("Smith"));
        QTest::keyClick(last, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(inFront(), QStringLiteral("Frame2"));
        QCOMPARE(text("lblResult_0"), QStringLiteral("Blue"));
        QCOMPARE(first->text(), QStringLiteral("Anna"));
    }

    // A pasted name of any length counts in full.
    void longNamesCountInFull()
    {
        const QString first = QStringLiteral("Anna");
        const QString last(40000, QLatin1Char('x')); // 40000 letters give Blue; cut at 32767 they would not
        QLineEdit *field = this->field("txtNameLast");
        field->setText(last);
        QCOMPARE(field->text().size(), last.size());
        this->field("txtNameFirst")->setText(first);
        ask();
        QCOMPARE(text("lblResult_0"), ColorReadings(LuckyColorNumber(first, last)).name);
        QVERIFY(ColorReadings(LuckyColorNumber(first, last)).name
                != ColorReadings(LuckyColorNumber(first, last.left(32767))).name);
    }

    // The buttons are bold, as the window's texts are, and their captions fit.
    void buttonsAreBoldAndFit()
    {
        for (const char *name : {"cmdNext", "cmdBack", "cmdOpen"}) {
            auto *button = f->in<QPushButton>(Window, name);
            QVERIFY2(button->font().bold(), name);
            const QString caption = QString(button->text()).remove(QLatin1Char('&'));
            QVERIFY2(button->fontMetrics().horizontalAdvance(caption) + 8 <= button->width(), name);
        }
    }

    void askReportsOneEmptyNameAtATime()
    {
        ask();
        QCOMPARE(messages(), QStringList{QStringLiteral("Please Enter Your First Name")});
        QCOMPARE(f->window(Window)->focusWidget(), field("txtNameFirst"));
        field("txtNameFirst")->setText(QStringLiteral("   ")); // pasted blanks count as a name
        ask();
        QCOMPARE(messages(), (QStringList{QStringLiteral("Please Enter Your First Name"),
                                          QStringLiteral("Please Enter Your Last Name")}));
        QCOMPARE(f->window(Window)->focusWidget(), field("txtNameLast"));
        QCOMPARE(inFront(), QStringLiteral("Frame1"));
    }

    // Each colour's reading is read whole in every language the program
    // speaks, if need be a little smaller; in English as designed.
    void readingsFitInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("English") << QString();
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Spanish") << QStringLiteral("es");
        QTest::newRow("Chinese") << QStringLiteral("zh_CN");
    }
    void readingsFitInEveryLanguage()
    {
        QFETCH(QString, language);
        std::optional<MarkedLanguage> spoken;
        if (!language.isEmpty())
            spoken.emplace(language);
        QLabel *reading = f->in<QLabel>(Window, "lblResult_1");
        const qreal designed = reading->font().pointSizeF();
        // A name for each colour: the first letter's place plus the last name's length.
        const std::pair<const char *, const char *> names[] = {
            {"Anna", "Smith"}, {"Joe", "Li"}, {"Zed", "Li"}, {"Anna", "Lee"}, {"Eve", "Adams"}};
        for (int n = 1; n <= ColorCount; ++n) {
            field("txtNameFirst")->setText(QLatin1String(names[n - 1].first));
            field("txtNameLast")->setText(QLatin1String(names[n - 1].second));
            ask();
            QCOMPARE(reading->text(), language.isEmpty() ? ColorReadings(n).reading : colourReading(language, n));
            QVERIFY2(reading->heightForWidth(reading->width()) <= reading->height(), qPrintable(reading->text()));
            QVERIFY(reading->font().pointSizeF() >= designed * 0.8);
            if (language.isEmpty())
                QVERIFY(!reading->testAttribute(Qt::WA_SetFont));
            QTest::mouseClick(f->in(Window, "cmdBack"), Qt::LeftButton);
        }
    }

    void askShowsTheColourAndBackEmptiesTheNames()
    {
        type(field("txtNameFirst"), QStringLiteral("Eve"));
        type(field("txtNameLast"), QStringLiteral("Adams"));
        ask();
        QCOMPARE(inFront(), QStringLiteral("Frame2"));
        QCOMPARE(text("lblResult_0"), QStringLiteral("Yellow"));
        QCOMPARE(text("lblResult_1"), ColorReadings(5).reading);
        QLabel *reading = f->in<QLabel>(Window, "lblResult_1");
        for (int n = 1; n <= ColorCount; ++n) { // every reading can be read whole
            reading->setText(ColorReadings(n).reading);
            QVERIFY(reading->heightForWidth(reading->width()) <= reading->height());
        }
        QTest::mouseClick(f->in(Window, "cmdBack"), Qt::LeftButton);
        QCOMPARE(inFront(), QStringLiteral("Frame1"));
        QVERIFY(field("txtNameFirst")->text().isEmpty() && field("txtNameLast")->text().isEmpty());
        QCOMPARE(f->window(Window)->focusWidget(), field("txtNameFirst"));
        type(field("txtNameFirst"), QStringLiteral("Zed"));
        type(field("txtNameLast"), QStringLiteral("Li"));
        ask();
        QCOMPARE(text("lblResult_0"), QStringLiteral("Green"));
        QVERIFY(f->t.messages.shown.isEmpty());
    }

    // Tab goes round the panel in front and what lies below both panels, the
    // birth day and Open, never into the panel behind; each reading takes the
    // focus, named by all it says.
    void tabGoesRoundThePanelInFront()
    {
        const QString input = QStringLiteral("txtNameFirst txtNameLast cmdNext cboMonth cboDate cboYear cmdOpen");
        const QString result = QStringLiteral("lblResult_1 cmdBack cboMonth cboDate cboYear cmdOpen");
        const auto askAs = [&](const QString &first, const QString &last, const QString &heard) {
            QCOMPARE(tabRound(), input);
            type(field("txtNameFirst"), first);
            type(field("txtNameLast"), last);
            ask();
            QCOMPARE(QApplication::focusWidget(), f->in(Window, "lblResult_1"));
            QVERIFY(f->in(Window, "lblResult_1")->accessibleName().startsWith(heard));
            QCOMPARE(tabRound(), result);
        };
        askAs(QStringLiteral("Eve"), QStringLiteral("Adams"), QStringLiteral("Your lucky colour: Yellow. "));
        QTest::mouseClick(f->in(Window, "cmdBack"), Qt::LeftButton);
        askAs(QStringLiteral("Zed"), QStringLiteral("Li"), QStringLiteral("Your lucky colour: Green. "));
    }

    void openFillsTheBirthDayAndAsks_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("names");
        QTest::addColumn<QStringList>("day");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("front");
        const QStringList march{QStringLiteral("March"), QStringLiteral("14"), QStringLiteral("1990")};
        QTest::newRow("names typed") << QStringLiteral("reading.num") << true << march << QStringList() << "Frame2";
        QTest::newRow("no names") << QStringLiteral("reading.num") << false << march
                                  << QStringList{QStringLiteral("Please Enter Your First Name")} << "Frame1";
        QTest::newRow("capital NUM") << QStringLiteral("reading.NUM") << true << QStringList(3, QString())
                                     << QStringList{QStringLiteral("Please Check The File.")} << "Frame1";
        QTest::newRow("cancelled") << QString() << true << QStringList(3, QString()) << QStringList() << "Frame1";
        QTest::newRow("missing file") << QStringLiteral("gone.num") << true << QStringList(3, QString())
                                      << QStringList() << "Frame2";
    }
    void openFillsTheBirthDayAndAsks()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, names);
        QFETCH(QStringList, day);
        QFETCH(QStringList, shown);
        QFETCH(QString, front);
        QTemporaryDir dir;
        for (const char *name : {"reading.num", "reading.NUM"}) {
            QFile file(dir.filePath(QLatin1String(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("x\r\ny\r\nz\r\n" + ScrambleText(QStringLiteral("March")).toLatin1() + "\r\n"
                       + ScrambleText(QStringLiteral("14")).toLatin1() + "\r\n"
                       + ScrambleText(QStringLiteral("1990")).toLatin1() + "\r\n");
        }
        if (names) {
            field("txtNameFirst")->setText(QStringLiteral("Anna"));
            field("txtNameLast")->setText(QStringLiteral("Smith"));
        }
        f->t.files.chosen = fileName.isEmpty() ? QString() : dir.filePath(fileName);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
        QTest::qWait(250); // an access key presses its button visibly, then clicks
        QCOMPARE(birthDay(), day);
        QCOMPARE(messages(), shown);
        QCOMPARE(inFront(), front);
        if (front == QLatin1String("Frame2"))
            QCOMPARE(text("lblResult_0"), QStringLiteral("Blue"));
    }

    // The real dialog: a name typed without ".num" finds the saved reading.
    void typedNameTakesTheNumExtension()
    {
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("reading.num")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QString chosen;
        bool refused = false;
        // Answers the dialog as a user would: types the name and presses Enter;
        // a refusal ("File not found") is noted and the dialog cancelled.
        QTimer answer;
        answer.setInterval(20);
        bool typed = false;
        int ticks = 0;
        connect(&answer, &QTimer::timeout, this, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (auto *box = qobject_cast<QMessageBox *>(modal)) {
                refused = true;
                box->close();
            } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
                if (refused || ++ticks > 100) { // refused, or still open after two seconds
                    refused = true;
                    if (QWidget *popup = QApplication::activePopupWidget())
                        popup->close();
                    dialog->reject();
                } else if (!typed) {
                    typed = true;
                    dialog->setDirectory(dir.path());
                    auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                    name->setText(QStringLiteral("reading"));
                    // Outside this handler, which must run again if a message box comes.
                    QMetaObject::invokeMethod(
                        name, [name] { QTest::keyClick(name, Qt::Key_Return); }, Qt::QueuedConnection);
                }
            }
        });
        answer.start();
        DialogFileChooser chooser;
        chosen = chooser.openFileName(f->window(Window), QStringLiteral("Select the source file"),
                                      QStringLiteral("Tallymere (*.num)"), QStringLiteral("num"));
        answer.stop();
        QVERIFY(!refused);
        QCOMPARE(QFileInfo(chosen).canonicalFilePath(), QFileInfo(file).canonicalFilePath());
        QCOMPARE(f->t.files.defaultSuffix, QString()); // the window asks for it, below
        field("txtNameFirst")->setText(QStringLiteral("Anna"));
        field("txtNameLast")->setText(QStringLiteral("Smith"));
        QTest::mouseClick(f->in(Window, "cmdOpen"), Qt::LeftButton);
        QCOMPARE(f->t.files.defaultSuffix, QStringLiteral("num"));
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    tst_ColourWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_colourwindow.moc"
