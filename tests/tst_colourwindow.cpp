// The Mystical Color window: the typing rule, Ask and Back, and opening a
// saved reading, as the launcher opens it.
#include "fixture.h"
#include "look.h"
#include "modcolororacle.h"
#include "productionservices.h"
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

// Types each character as a key that produces it, letters beyond ASCII too.
void type(QWidget *field, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
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
