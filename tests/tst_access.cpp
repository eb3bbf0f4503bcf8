// Every oracle used with the keyboard alone, and every window, the Library
// included, as a screen reader sees it through the accessibility tree.
#include "fixture.h"
#include "frmabout.h"
#include "productionservices.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

namespace {

// Presses Tab on whatever has the focus until `target` has it; false when
// the focus chain never reaches it.
bool tabTo(QWidget *target)
{
    for (int presses = 0; presses < 100; ++presses) {
        QWidget *focus = QApplication::focusWidget();
        if (focus == target)
            return true;
        QTest::keyClick(focus ? focus : target->window(), Qt::Key_Tab);
    }
    return false;
}

QString describe(QAccessibleInterface *i)
{
    const QObject *o = i->object();
    return QStringLiteral("%1 (role %2)")
        .arg(o ? (o->objectName().isEmpty() ? QLatin1String(o->metaObject()->className()) : o->objectName())
               : QStringLiteral("?"))
        .arg(int(i->role()));
}

bool interactive(QAccessibleInterface *i)
{
    static const QList<QAccessible::Role> roles{
        QAccessible::PushButton, QAccessible::Button,       QAccessible::CheckBox, QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::Link,     QAccessible::SpinBox};
    return i->state().focusable || roles.contains(i->role());
}

// The controls a user can reach that a screen reader would announce without
// a name, and the pictures shown without one, other than `decorative`.
QStringList unnamed(QWidget *window, const QStringList &decorative = {})
{
    QStringList found;
    std::function<void(QAccessibleInterface *)> visit = [&](QAccessibleInterface *i) {
        if (i->state().invisible)
            return;
        if (interactive(i) && i->text(QAccessible::Name).trimmed().isEmpty())
            found << describe(i);
        for (int c = 0; c < i->childCount(); ++c)
            if (QAccessibleInterface *child = i->child(c))
                visit(child);
    };
    visit(QAccessible::queryAccessibleInterface(window));
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->pixmap().isNull() || decorative.contains(label->objectName()))
            continue;
        if (QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name).isEmpty())
            found << QStringLiteral("picture ") + label->objectName();
    }
    return found;
}

} // namespace

class tst_Access : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;

    template <class T = QWidget> T *in(const char *window, const char *control) const
    {
        T *widget = f->in<T>(window, control);
        if (!widget)
            qFatal("no %s in %s", control, window);
        return widget;
    }

    // The launcher button, reached and pressed from the keyboard.
    void launch(const char *button, const char *startWindow)
    {
        auto *launcher = f->child(button);
        QVERIFY(tabTo(launcher));
        QTest::keyClick(launcher, Qt::Key_Space);
        QVERIFY(f->window(startWindow) && f->window(startWindow)->isShown());
    }

    void press(QWidget *target, Qt::Key key)
    {
        QVERIFY2(tabTo(target), qPrintable(target->objectName()));
        QTest::keyClick(target, key);
    }

    // The window of that class, reached from the launcher with the keyboard.
    QPointer<OracleWindow> open(const QString &window)
    {
        const OracleWay *way = wayTo(window);
        if (!way)
            return nullptr;
        launch(way->launcher, way->start);
        if (window == QLatin1String(way->start))
            return f->window(way->start);
        if (QWidget *box = f->in(way->start, "chkGoodLuck_0"))
            press(box, Qt::Key_Space);
        press(in(way->start, way->command), Qt::Key_Space);
        return f->window(way->result);
    }

    void expectNamed(const char *window)
    {
        const QStringList missing = unnamed(f->window(window));
        QVERIFY2(missing.isEmpty(),
                 qPrintable(QLatin1String(window) + QStringLiteral(": ") + missing.join(QStringLiteral(", "))));
    }

private slots:
    void init() { f = std::make_unique<OracleFixture>(); }
    void cleanup() { f.reset(); }

    void celticOghamByKeyboard()
    {
        launch("cmdSelectOption_0", "frmCelticOghamOracleMain");
        expectNamed("frmCelticOghamOracleMain");
        auto *question = in("frmCelticOghamOracleMain", "txtQuestion");
        QCOMPARE(QApplication::focusWidget(), question);
        QTest::keyClicks(question, QStringLiteral("Will the harvest be good?"));
        press(in("frmCelticOghamOracleMain", "picMainImage"), Qt::Key_Return);
        QVERIFY(f->window("frmCelticOghamOracleDisplay")->isShown());
        expectNamed("frmCelticOghamOracleDisplay");
    }

    void dominoByKeyboard()
    {
        launch("cmdSelectOption_1", "frmDominoOracleMain");
        expectNamed("frmDominoOracleMain");
        f->t.random.values = {4.5 / 7, 0.5 / 7};
        press(in("frmDominoOracleMain", "picProceed"), Qt::Key_Space);
        QVERIFY(f->window("frmDominoOracleDisplay")->isShown());
        expectNamed("frmDominoOracleDisplay");
        auto name = [this](const char *half) {
            return QAccessible::queryAccessibleInterface(in("frmDominoOracleDisplay", half))->text(QAccessible::Name);
        };
        QCOMPARE(name("picDominoOne"), QStringLiteral("4 pips"));
        QCOMPARE(name("picDominoTwo"), QStringLiteral("blank"));
        press(in("frmDominoOracleDisplay", "cmdOK"), Qt::Key_Space); // Back
        QCOMPARE(f->window("frmDominoOracleMain")->focusWidget(), in("frmDominoOracleMain", "picProceed"));
    }

    void mahjongByKeyboard()
    {
        launch("cmdSelectOption_3", "frmMahjongOracleMain");
        expectNamed("frmMahjongOracleMain");
        press(in("frmMahjongOracleMain", "cmdFindMajong"), Qt::Key_Enter);
        QVERIFY(f->window("frmMahjongOracleDisplay")->isShown());
        expectNamed("frmMahjongOracleDisplay");
        press(in("frmMahjongOracleDisplay", "cmdOK"), Qt::Key_Space); // Back
        QCOMPARE(f->window("frmMahjongOracleMain")->focusWidget(), in("frmMahjongOracleMain", "cmdFindMajong"));
    }

    void goodLuckByKeyboard()
    {
        launch("cmdSelectOption_2", "frmGoodLuckSymbolOracleMain");
        expectNamed("frmGoodLuckSymbolOracleMain");
        press(in("frmGoodLuckSymbolOracleMain", "chkGoodLuck_0"), Qt::Key_Space);
        press(in("frmGoodLuckSymbolOracleMain", "chkGoodLuck_4"), Qt::Key_Space);
        press(in("frmGoodLuckSymbolOracleMain", "cmdNext"), Qt::Key_Space);
        QVERIFY(f->window("frmGoodLuckSymbolOracleDisplay")->isShown());
        expectNamed("frmGoodLuckSymbolOracleDisplay");
        // The other ticked culture's panel, by its button.
        press(in("frmGoodLuckSymbolOracleDisplay", "cmdGoodLuck_4"), Qt::Key_Space);
        QVERIFY(in("frmGoodLuckSymbolOracleDisplay", "fraEnglish")->isVisible());
        expectNamed("frmGoodLuckSymbolOracleDisplay");
    }

    void mysticalColorByKeyboard()
    {
        launch("cmdSelectOption_4", "frmMysticColorOracleMain");
        expectNamed("frmMysticColorOracleMain");
        auto *first = in<QLineEdit>("frmMysticColorOracleMain", "txtNameFirst");
        QCOMPARE(QApplication::focusWidget(), first);
        QTest::keyClicks(first, QStringLiteral("Ada"));
        auto *last = in<QLineEdit>("frmMysticColorOracleMain", "txtNameLast");
        QVERIFY(tabTo(last));
        QTest::keyClicks(last, QStringLiteral("Lovelace"));
        press(in("frmMysticColorOracleMain", "cmdNext"), Qt::Key_Space);
        QVERIFY(in("frmMysticColorOracleMain", "lblResult_0")->isVisible());
        QVERIFY(!in<QLabel>("frmMysticColorOracleMain", "lblResult_0")->text().isEmpty());
        expectNamed("frmMysticColorOracleMain");
    }

    // Alt+E inside an oracle window never ends the program: it presses that
    // window's own "&Exit" button where it has one, and otherwise does nothing.
    void altEActsOnTheActiveWindowOnly_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("hasExitButton");
        QTest::newRow("Ogham question") << QStringLiteral("frmCelticOghamOracleMain") << false;
        QTest::newRow("Ogham reading") << QStringLiteral("frmCelticOghamOracleDisplay") << false;
        QTest::newRow("Domino start") << QStringLiteral("frmDominoOracleMain") << false;
        QTest::newRow("Domino result") << QStringLiteral("frmDominoOracleDisplay") << true;
        QTest::newRow("Mahjong start") << QStringLiteral("frmMahjongOracleMain") << false;
        QTest::newRow("Mahjong result") << QStringLiteral("frmMahjongOracleDisplay") << true;
        QTest::newRow("Good Luck selection") << QStringLiteral("frmGoodLuckSymbolOracleMain") << false;
        QTest::newRow("Good Luck result") << QStringLiteral("frmGoodLuckSymbolOracleDisplay") << true;
        QTest::newRow("colour") << QStringLiteral("frmMysticColorOracleMain") << false;
    }
    void altEActsOnTheActiveWindowOnly()
    {
        QFETCH(QString, window);
        QFETCH(bool, hasExitButton);
        const QPointer<OracleWindow> shown = open(window);
        QVERIFY(shown && shown->isShown() && shown->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTest::qWait(250); // a button's access key presses it after a moment
        QVERIFY(f->mdi->isVisible());
        QCOMPARE(!shown || shown->isClosed(), hasExitButton);
        QCOMPARE(f->welcomeVisible(), hasExitButton);
        // With no oracle window in front, Alt+E is the main window's Exit again.
        if (shown && !shown->isClosed())
            shown->closeWindow();
        QTest::keyClick(f->mdi.get(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!f->mdi->isVisible());
    }

    // A Domino or Mahjong reading opens with its Exit button in focus: Enter,
    // pressed at once, leaves it as the design says, and opens no web page.
    void enterAtOnceLeavesAReading_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"frmDominoOracleDisplay", "frmMahjongOracleDisplay"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void enterAtOnceLeavesAReading()
    {
        QFETCH(QString, window);
        const QPointer<OracleWindow> shown = open(window);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cmdExit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!shown || shown->isClosed());
        QVERIFY(f->welcomeVisible());
        QVERIFY(f->t.urls.opened.isEmpty());
    }

    // Enter and keypad Enter press the focused push button, in every window;
    // in a result window the focused button takes Enter from Exit.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(int, key);
        const auto enter = [key](QWidget *w) {
            QTest::keyClick(w, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        };
        launch("cmdSelectOption_2", "frmGoodLuckSymbolOracleMain");
        auto *find = in("frmGoodLuckSymbolOracleMain", "cmdNext");
        QVERIFY(tabTo(find));
        enter(find);
        QCOMPARE(f->t.messages.shown.size(), 1); // nothing ticked
        press(in("frmGoodLuckSymbolOracleMain", "chkGoodLuck_3"), Qt::Key_Space);
        QVERIFY(tabTo(find));
        enter(find);
        QVERIFY(f->window("frmGoodLuckSymbolOracleDisplay")->isShown());
        auto *back = in("frmGoodLuckSymbolOracleDisplay", "cmdOK");
        QVERIFY(tabTo(back));
        enter(back);
        QVERIFY(f->window("frmGoodLuckSymbolOracleMain")->isShown());

        QTest::mouseClick(f->child("cmdSelectOption_4"), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ada"));
        QTest::keyClicks(in("frmMysticColorOracleMain", "txtNameLast"), QStringLiteral("Byron"));
        auto *ask = in("frmMysticColorOracleMain", "cmdNext");
        QVERIFY(tabTo(ask));
        enter(ask);
        QVERIFY(in("frmMysticColorOracleMain", "Frame2")->isVisible());
    }

    // While the user waits, the focus rests on the "Please Wait" panel:
    // impatient presses of Enter open no web page.
    void enterDuringThePauseOpensNothing_data()
    {
        QTest::addColumn<QString>("launcher");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("picture");
        QTest::newRow("Domino") << QStringLiteral("cmdSelectOption_1") << QStringLiteral("frmDominoOracleMain")
                                << QStringLiteral("picProceed");
        QTest::newRow("Mahjong") << QStringLiteral("cmdSelectOption_3") << QStringLiteral("frmMahjongOracleMain")
                                 << QStringLiteral("cmdFindMajong");
    }
    void enterDuringThePauseOpensNothing()
    {
        QFETCH(QString, launcher);
        QFETCH(QString, start);
        QFETCH(QString, picture);
        const QByteArray startName = start.toLatin1();
        launch(qPrintable(launcher), startName.constData());
        f->t.clock.step = 2900; // a tenth of a second of real waiting
        QWidget *focusWhileWaiting = nullptr;
        QTimer::singleShot(20, this, [&] {
            focusWhileWaiting = QApplication::focusWidget();
            for (int presses = 0; presses < 3; ++presses)
                QTest::keyClick(focusWhileWaiting, Qt::Key_Return);
        });
        press(in(startName.constData(), qPrintable(picture)), Qt::Key_Return);
        QCOMPARE(focusWhileWaiting, in(startName.constData(), "picMessage"));
        QVERIFY(f->t.urls.opened.isEmpty());
        const QByteArray result = start.replace(QStringLiteral("Main"), QStringLiteral("Display")).toLatin1();
        QVERIFY(f->window(result.constData())->isShown());
        QTest::keyClick(in(result.constData(), "cmdOK"), Qt::Key_Space); // Back
        QCOMPARE(QApplication::focusWidget(), in(startName.constData(), qPrintable(picture)));
    }

    // After a step the focus is on a control in sight, where the user expects it.
    void focusAfterAStep()
    {
        launch("cmdSelectOption_2", "frmGoodLuckSymbolOracleMain");
        press(in("frmGoodLuckSymbolOracleMain", "chkGoodLuck_1"), Qt::Key_Space);
        press(in("frmGoodLuckSymbolOracleMain", "cmdNext"), Qt::Key_Space);
        press(in("frmGoodLuckSymbolOracleDisplay", "cmdOK"), Qt::Key_Space); // Back
        QCOMPARE(QApplication::focusWidget(), in("frmGoodLuckSymbolOracleMain", "cmdNext"));

        QTest::mouseClick(f->child("cmdSelectOption_4"), Qt::LeftButton);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ada"));
        QTest::keyClicks(in("frmMysticColorOracleMain", "txtNameLast"), QStringLiteral("Byron"));
        press(in("frmMysticColorOracleMain", "cmdNext"), Qt::Key_Space);
        // The reading has the focus, named by all it says.
        QCOMPARE(QApplication::focusWidget(), in("frmMysticColorOracleMain", "lblResult_1"));
        QVERIFY(QApplication::focusWidget()->accessibleName().startsWith(QStringLiteral("Your lucky colour: ")));
        QTest::keyClick(in("frmMysticColorOracleMain", "cmdBack"), Qt::Key_Space);
        QCOMPARE(QApplication::focusWidget(), in("frmMysticColorOracleMain", "txtNameFirst"));
    }

    // Only the Good Luck panel in front is there for a screen reader: the
    // covered ones, drawn or not, are hidden, and a culture button swaps them.
    void goodLuckPanelsBehindAreHidden()
    {
        launch("cmdSelectOption_2", "frmGoodLuckSymbolOracleMain");
        press(in("frmGoodLuckSymbolOracleMain", "chkGoodLuck_2"), Qt::Key_Space);
        press(in("frmGoodLuckSymbolOracleMain", "chkGoodLuck_5"), Qt::Key_Space);
        press(in("frmGoodLuckSymbolOracleMain", "cmdNext"), Qt::Key_Space);
        const auto readable = [this] {
            QStringList panels;
            for (const char *panel : {"fraIndian", "fraChinese", "fraJapanese", "fraEgyptian", "fraEnglish",
                                      "fraArabian", "fraNativeAmerican"}) {
                QWidget *w = in("frmGoodLuckSymbolOracleDisplay", panel);
                QLabel *label = w->findChildren<QLabel *>().value(0);
                if (!QAccessible::queryAccessibleInterface(w)->state().invisible
                    || !QAccessible::queryAccessibleInterface(label)->state().invisible)
                    panels << QLatin1String(panel);
            }
            return panels;
        };
        QCOMPARE(readable(), QStringList{QStringLiteral("fraArabian")});
        press(in("frmGoodLuckSymbolOracleDisplay", "cmdGoodLuck_2"), Qt::Key_Space);
        QCOMPARE(readable(), QStringList{QStringLiteral("fraJapanese")});
        expectNamed("frmGoodLuckSymbolOracleDisplay");
    }

    // The Good Luck culture buttons as a screen reader finds them: a choice
    // among the cultures, the one on show checked, those not drawn
    // unavailable. The reader's own action on one brings its culture to the
    // front, and the focus to its symbol, named by it.
    void goodLuckCulturesAsScreenReadersSeeThem()
    {
        launch("cmdSelectOption_2", "frmGoodLuckSymbolOracleMain");
        press(in("frmGoodLuckSymbolOracleMain", "chkGoodLuck_2"), Qt::Key_Space);
        press(in("frmGoodLuckSymbolOracleMain", "chkGoodLuck_5"), Qt::Key_Space);
        press(in("frmGoodLuckSymbolOracleMain", "cmdNext"), Qt::Key_Space);
        const auto culture = [this](int index) {
            return QAccessible::queryAccessibleInterface(
                in("frmGoodLuckSymbolOracleDisplay", qPrintable(QStringLiteral("cmdGoodLuck_%1").arg(index))));
        };
        const auto expectChecked = [&](int shown) {
            for (int index = 0; index < 7; ++index) {
                QCOMPARE(culture(index)->role(), QAccessible::RadioButton);
                QCOMPARE(culture(index)->state().disabled, index != 2 && index != 5);
                QCOMPARE(culture(index)->state().checked, index == shown);
            }
        };
        expectChecked(5);
        culture(2)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        expectChecked(2);
        QVERIFY(in("frmGoodLuckSymbolOracleDisplay", "fraJapanese")->isVisible());
        QVERIFY(!in("frmGoodLuckSymbolOracleDisplay", "fraArabian")->isVisible());
        QWidget *symbol = in("frmGoodLuckSymbolOracleDisplay", "lblJapaneseDesc");
        QCOMPARE(QApplication::focusWidget(), symbol);
        const QString said = QAccessible::queryAccessibleInterface(symbol)->text(QAccessible::Name);
        QVERIFY2(said.startsWith(QStringLiteral("Japanese Good Luck Symbols: ")), qPrintable(said));
    }

    // Keypad Enter is Orca's Where Am I. On a reading it comes as a key press,
    // which a screen reader sees before the window does, not taken at once by
    // the window's shortcut for Exit; left to the window, it still leaves.
    void keypadEnterOnAReadingReachesScreenReaders()
    {
        launch("cmdSelectOption_2", "frmGoodLuckSymbolOracleMain");
        press(in("frmGoodLuckSymbolOracleMain", "chkGoodLuck_0"), Qt::Key_Space);
        press(in("frmGoodLuckSymbolOracleMain", "cmdNext"), Qt::Key_Space);
        const QPointer<OracleWindow> result = f->window("frmGoodLuckSymbolOracleDisplay");
        QWidget *symbol = in("frmGoodLuckSymbolOracleDisplay", "lblIndianDesc");
        QCOMPARE(QApplication::focusWidget(), symbol);
        // Sees key presses where a screen reader's bridge does: first of all.
        struct KeyPresses : QObject {
            QWidget *at;
            int seen = 0;
            explicit KeyPresses(QWidget *at)
                : at(at)
            {
            }
            bool eventFilter(QObject *watched, QEvent *event) override
            {
                if (watched == at && event->type() == QEvent::KeyPress
                    && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter)
                    ++seen;
                return false;
            }
        } presses(symbol);
        qApp->installEventFilter(&presses);
        QTest::keyClick(symbol, Qt::Key_Enter, Qt::KeypadModifier);
        qApp->removeEventFilter(&presses);
        QCOMPARE(presses.seen, 1);
        QVERIFY(!result || result->isClosed());
        QVERIFY(f->welcomeVisible());
    }

    // Only the colour window's panel in front is there for a screen reader;
    // the covered one is hidden, and its Back button cannot act.
    void colourPanelBehindIsHidden()
    {
        launch("cmdSelectOption_4", "frmMysticColorOracleMain");
        const auto invisible = [this](const char *control) {
            return QAccessible::queryAccessibleInterface(in("frmMysticColorOracleMain", control))->state().invisible;
        };
        QVERIFY(invisible("Frame2") && invisible("cmdBack") && invisible("lblResult_1"));
        QVERIFY(!invisible("Frame1") && !invisible("cmdNext"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Ada"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier);
        QCOMPARE(in<QLineEdit>("frmMysticColorOracleMain", "txtNameFirst")->text(), QStringLiteral("Ada"));
        QTest::keyClicks(in("frmMysticColorOracleMain", "txtNameLast"), QStringLiteral("Byron"));
        press(in("frmMysticColorOracleMain", "cmdNext"), Qt::Key_Space);
        QVERIFY(invisible("Frame1") && invisible("cmdNext") && invisible("txtNameFirst"));
        QVERIFY(!invisible("Frame2") && !invisible("cmdBack"));
        expectNamed("frmMysticColorOracleMain");
    }

    // The Library, opened with Ctrl+L, read with a piece of each section in
    // sight: its search field labelled, its list, text and pictures named.
    void libraryIsNamed_data()
    {
        QTest::addColumn<QString>("piece");
        for (const char *piece : {"The Hawthorn Tree", "5-2 and 2-5", "Seasons Winter", "Tanuki", "Red"})
            QTest::newRow(piece) << QString::fromUtf8(piece);
    }
    void libraryIsNamed()
    {
        QFETCH(QString, piece);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        auto *search = in("frmOracleLibrary", "txtSearch");
        QCOMPARE(QApplication::focusWidget(), search);
        QCOMPARE(QAccessible::queryAccessibleInterface(search)->text(QAccessible::Name), QStringLiteral("Search"));
        auto *list = in<QTreeWidget>("frmOracleLibrary", "treEntries");
        list->setCurrentItem(list->findItems(piece, Qt::MatchExactly | Qt::MatchRecursive).value(0));
        QCOMPARE(in<QLabel>("frmOracleLibrary", "lblTitle")->text(), piece);
        expectNamed("frmOracleLibrary");
        // With nothing found, the field itself says so.
        QTest::keyClicks(search, QStringLiteral("qqqq"));
        QCOMPARE(QAccessible::queryAccessibleInterface(search)->text(QAccessible::Description),
                 QStringLiteral("No piece matches"));
        expectNamed("frmOracleLibrary");
    }

    void mainWindowAndAboutBoxAreNamed()
    {
        const QStringList launcherIcons{QStringLiteral("Picture2"), QStringLiteral("Picture3"),
                                        QStringLiteral("Picture4"), QStringLiteral("Picture5"),
                                        QStringLiteral("Picture7")};
        QStringList missing = unnamed(f->mdi.get(), launcherIcons);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
        frmAbout about(f->services, f->mdi.get());
        about.show();
        missing = unnamed(&about, {QStringLiteral("Picture1")});
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    }

    // Enter still closes the About box, whose links Tab reaches.
    void aboutBoxClosesOnEnter()
    {
        frmAbout about(f->services, f->mdi.get());
        about.show();
        auto *ok = about.findChild<QWidget *>(QStringLiteral("cmdOK"));
        QCOMPARE(about.focusWidget(), ok);
        QWidget *link = about.findChild<QWidget *>(QStringLiteral("lblHomePage"));
        QWidget *w = ok;
        for (int stops = 0; stops < 5 && w != link; ++stops)
            w = nextTabStop(w);
        QCOMPARE(w, link);
        QTest::keyClick(ok, Qt::Key_Return);
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(f->t.urls.opened.isEmpty());
    }

    // Every link label of the main window is a tab stop that Enter follows.
    void linksFollowedByKeyboard_data()
    {
        QTest::addColumn<QString>("link");
        for (const char *name : {"lblStarloomBanner", "Label7", "lblCaption_3", "lblCaption_7"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void linksFollowedByKeyboard()
    {
        QFETCH(QString, link);
        auto *label = f->mdi->findChild<QLabel *>(link);
        QVERIFY(label);
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(reader->role(), QAccessible::Link);
        const int opened = int(f->t.urls.opened.size()) + int(f->t.messages.shown.size());
        press(label, Qt::Key_Return);
        const bool launched = f->mdi->findChildren<OracleWindow *>().size() > 0;
        QVERIFY(launched || int(f->t.urls.opened.size()) + int(f->t.messages.shown.size()) > opened);
    }

    // Tab takes the launcher buttons left to right, then the titles top to
    // bottom, then the links, and comes round again.
    void mainWindowTabOrder()
    {
        QWidget *w = QApplication::focusWidget();
        QStringList order{w->objectName()};
        while ((w = nextTabStop(w)) != QApplication::focusWidget())
            order << w->objectName();
        const QString expected = QStringLiteral(
            "cmdSelectOption_1 cmdSelectOption_2 cmdSelectOption_3 cmdSelectOption_0 cmdSelectOption_4 "
            "lblCaption_4 lblCaption_5 lblCaption_6 lblCaption_3 lblCaption_7 lblStarloomBanner Label7 cmdMdiExit");
        QCOMPARE(order.join(QLatin1Char(' ')), expected);
    }

    // A screen reader's "press" on a picture acts like the click.
    void screenReaderPressesThePicture()
    {
        launch("cmdSelectOption_1", "frmDominoOracleMain");
        QAccessibleInterface *picture = QAccessible::queryAccessibleInterface(in("frmDominoOracleMain", "picProceed"));
        QCOMPARE(picture->role(), QAccessible::Button);
        QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Draw my domino"));
        picture->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(f->window("frmDominoOracleDisplay") && f->window("frmDominoOracleDisplay")->isShown());
    }

    // The real message box speaks its text.
    void messageBoxIsRead()
    {
        DialogMessages messages;
        QString spoken;
        QAccessible::Role role = QAccessible::NoRole;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
            role = reader->role();
            spoken = reader->text(QAccessible::Value) + reader->text(QAccessible::Name)
                     + reader->text(QAccessible::Description);
            std::function<void(QAccessibleInterface *)> collect = [&](QAccessibleInterface *i) {
                spoken += i->text(QAccessible::Name);
                for (int c = 0; c < i->childCount(); ++c)
                    collect(i->child(c));
            };
            collect(reader);
            box->accept();
        });
        messages.inform(f->mdi.get(), QStringLiteral("Plese Enter Your Question"), Messages::Icon::Information);
        QCOMPARE(role, QAccessible::AlertMessage);
        QVERIFY2(spoken.contains(QStringLiteral("Plese Enter Your Question")), qPrintable(spoken));
    }
};

QTEST_MAIN(tst_Access)
#include "tst_access.moc"
