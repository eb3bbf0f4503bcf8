// Every oracle used with the keyboard alone, and every window, the Library
// included, as a screen reader sees it through the accessibility tree.
#include "fixture.h"
#include "frmabout.h"
#include "librarycatalogue.h"
#include "modoghamoracle.h"
#include "productionservices.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QKeySequence>
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

QString nameOf(QObject *object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// What the widgets tell screen readers while it lives.
class Told {
public:
    struct News {
        QAccessible::Event type;
        QObject *object;
        int child;    // -1: the object itself
        QString name; // of what the news is about
    };

    Told()
    {
        s_told = this;
        m_before = QAccessible::installUpdateHandler(&record);
    }
    ~Told()
    {
        QAccessible::installUpdateHandler(m_before);
        s_told = nullptr;
    }
    Told(const Told &) = delete;
    Told &operator=(const Told &) = delete;

    // The names of the rows of `list` said to have the focus, in order.
    QStringList rowsFocused(const QObject *list) const
    {
        QStringList rows;
        for (const News &each : news)
            if (each.type == QAccessible::Focus && each.object == list && each.child >= 0)
                rows << each.name;
        return rows;
    }
    int count(QAccessible::Event type, const QObject *object) const
    {
        return int(std::count_if(news.begin(), news.end(),
                                 [&](const News &each) { return each.type == type && each.object == object; }));
    }

    QList<News> news;

private:
    static void record(QAccessibleEvent *event)
    {
        QAccessibleInterface *about = event->accessibleInterface();
        s_told->news.append(
            {event->type(), event->object(), event->child(), about ? about->text(QAccessible::Name) : QString()});
    }

    static inline Told *s_told = nullptr;
    QAccessible::UpdateHandler m_before = nullptr;
};

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
    void initTestCase()
    {
        // On a screen reader's desktop Qt's bridge comes on once the
        // accessibility bus answers; until then Qt tells nothing to anyone.
        if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
            QTRY_VERIFY(QAccessible::isActive());
    }
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

    // A Domino or Mahjong reading opens with its text in focus, named by the
    // whole reading, so a screen reader says it as it appears; the Library
    // opened over it and left with Esc gives the focus back to the text.
    // Enter, pressed there, leaves the reading as the design says, and opens
    // no web page.
    void enterAtOnceLeavesAReading_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("heard");
        QTest::newRow("Domino") << QStringLiteral("frmDominoOracleDisplay") << 4.5 / 7
                                << QStringLiteral("lblDominoMassage") << QStringLiteral("Your domino: 4-Blank. ");
        QTest::newRow("Mahjong suit tile")
            << QStringLiteral("frmMahjongOracleDisplay") << 4.5 / 42 << QStringLiteral("lblDescription")
            << QStringLiteral("Your mahjong tile: 1 Bamboo. English Name: Peacock. Chinese Character: K'ung. ");
        QTest::newRow("Mahjong wind tile")
            << QStringLiteral("frmMahjongOracleDisplay") << 38.5 / 42 << QStringLiteral("lblDescription")
            << QStringLiteral("Your mahjong tile: Wind East. English Name: Wind East. Chinese Character: Tung. "
                              "Season: Spring. Color: Green. Element: Wood. Constellation: Dragon (5 Circles). ");
    }
    void enterAtOnceLeavesAReading()
    {
        QFETCH(QString, window);
        QFETCH(double, draw);
        QFETCH(QString, text);
        QFETCH(QString, heard);
        f->t.random.values = {draw, 0.5 / 7}; // a Domino draws a second half, blank
        const QPointer<OracleWindow> shown = open(window);
        const QByteArray name = window.toLatin1();
        auto *reading = in<QLabel>(name.constData(), qPrintable(text));
        // The window below takes the keys back once the Library is gone.
        const auto readsAll = [&] {
            QTRY_COMPARE(QApplication::focusWidget(), reading);
            const QString said = QAccessible::queryAccessibleInterface(reading)->text(QAccessible::Name);
            QVERIFY2(said.startsWith(heard), qPrintable(said));
            QVERIFY2(said.contains(reading->text().simplified().left(60)), qPrintable(said));
        };
        readsAll();
        if (QTest::currentTestFailed())
            return;

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        const QPointer<OracleWindow> library = f->window("frmOracleLibrary");
        QVERIFY(library && library->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!library || library->isClosed());
        readsAll();
        if (QTest::currentTestFailed())
            return;

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!shown || shown->isClosed());
        QVERIFY(f->welcomeVisible());
        QVERIFY(f->t.urls.opened.isEmpty());
    }

    // A screen reader hears keypad Enter first, and takes it to tell where
    // the user is; only a key it leaves presses Exit. A shortcut on the key
    // would take it before the screen reader and close the reading.
    void keypadEnterIsTheScreenReadersFirst_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"frmDominoOracleDisplay", "frmMahjongOracleDisplay"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void keypadEnterIsTheScreenReadersFirst()
    {
        QFETCH(QString, window);
        const QPointer<OracleWindow> shown = open(window);
        QVERIFY(shown && shown->isAncestorOf(QApplication::focusWidget()));
        struct ScreenReader : QObject {
            int heard = 0;
            bool eventFilter(QObject *, QEvent *event) override
            {
                const bool whereAmI =
                    event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter;
                heard += whereAmI;
                return whereAmI;
            }
        } reader;
        qApp->installEventFilter(&reader);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        qApp->removeEventFilter(&reader);
        QCOMPARE(reader.heard, 1);
        QVERIFY(shown && !shown->isClosed());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!shown || shown->isClosed());
        QVERIFY(f->welcomeVisible());
    }

    // The three paragraphs of an Ogham reading are named by their time and
    // tree, not by the caption they share (a screen reader would say that
    // first), and tell the tree's attributes. The reading opens on the past;
    // Tab goes on to the future and the present, as the panels stand.
    void oghamTextsAreNamedByTimeAndTree()
    {
        f->t.random.values = {0.3, 2.5 / 13, 0.99, 6.5 / 13}; // the question's picture; then Ash, Elder, Oak
        open(QStringLiteral("frmCelticOghamOracleDisplay"));
        const auto text = [this](const char *name) { return in("frmCelticOghamOracleDisplay", name); };
        QCOMPARE(QApplication::focusWidget(), text("txtCharacteristicsOne"));
        for (const auto &[name, heard] : {std::pair{"txtCharacteristicsOne", "The Past: The Ash Tree"},
                                          std::pair{"txtCharacteristicsThree", "The Future: The Oak Tree"},
                                          std::pair{"txtCharacteristicsTwo", "The Present: The Elder Tree"}}) {
            QCOMPARE(QApplication::focusWidget(), text(name));
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(text(name));
            QCOMPARE(reader->text(QAccessible::Name), QLatin1String(heard));
            QVERIFY(reader->relations(QAccessible::Label).isEmpty());
            QVERIFY(reader->state().readOnly);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QAccessibleInterface *past = QAccessible::queryAccessibleInterface(text("txtCharacteristicsOne"));
        QCOMPARE(
            past->text(QAccessible::Description),
            QStringLiteral("Keywords: Wisdom, Energy. Ruling Planet: Neptune. Ruling Animal: The Adder. Ogham Term: "
                           "Nion. Lucky Color: Green. Lucky Month: March. Lucky Letter: 'N. Lucky Gemstone: Coral. "
                           "Lucky Flower: Wood Anemone,Buttercup."));
        QVERIFY(QAccessible::queryAccessibleInterface(text("txtCharacteristicsTwo"))
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral("Ruling Animal: The Raven. ")));
        // What a screen reader reads aloud is the paragraph itself.
        QAccessibleTextInterface *paragraph = past->textInterface();
        QVERIFY(paragraph);
        QCOMPARE(paragraph->text(0, paragraph->characterCount()), OghamTrees(3).Characteristics);
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

    // While the user waits, the focus rests on the "Please Wait" panel: no
    // key moves it to a link, and impatient presses open nothing. The
    // reading then comes as usual.
    void keysDuringThePauseOpenNothing_data()
    {
        QTest::addColumn<QString>("launcher");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QKeySequence>("keys");
        const QList<std::pair<const char *, QKeySequence>> presses{
            {"Enter", QKeySequence(Qt::Key_Return, Qt::Key_Return, Qt::Key_Return)},
            {"Tab then Enter", QKeySequence(Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return)},
            {"Shift+Tab then Space",
             QKeySequence(Qt::SHIFT | Qt::Key_Backtab, Qt::SHIFT | Qt::Key_Backtab, Qt::Key_Space)},
            {"arrows then Enter", QKeySequence(Qt::Key_Down, Qt::Key_Right, Qt::Key_Return)},
            {"arrows then Space", QKeySequence(Qt::Key_Up, Qt::Key_Left, Qt::Key_Space)},
        };
        for (const auto &[what, keys] : presses) {
            QTest::addRow("Domino, %s", what)
                << QStringLiteral("cmdSelectOption_1") << QStringLiteral("frmDominoOracleMain")
                << QStringLiteral("picProceed") << keys;
            QTest::addRow("Mahjong, %s", what)
                << QStringLiteral("cmdSelectOption_3") << QStringLiteral("frmMahjongOracleMain")
                << QStringLiteral("cmdFindMajong") << keys;
        }
    }
    void keysDuringThePauseOpenNothing()
    {
        QFETCH(QString, launcher);
        QFETCH(QString, start);
        QFETCH(QString, picture);
        QFETCH(QKeySequence, keys);
        const QByteArray startName = start.toLatin1();
        launch(qPrintable(launcher), startName.constData());
        f->t.clock.step = 2900; // a tenth of a second of real waiting
        QStringList focusWhileWaiting;
        QTimer::singleShot(20, this, [&] {
            const auto focus = [] {
                QWidget *focused = QApplication::focusWidget();
                return focused ? focused->objectName() : QStringLiteral("nothing");
            };
            for (int k = 0; k < keys.count(); ++k) {
                focusWhileWaiting << focus();
                if (QWidget *focused = QApplication::focusWidget())
                    QTest::keyClick(focused, keys[k].key(), keys[k].keyboardModifiers());
            }
            focusWhileWaiting << focus();
        });
        press(in(startName.constData(), qPrintable(picture)), Qt::Key_Return);
        QCOMPARE(focusWhileWaiting, QStringList(keys.count() + 1, QStringLiteral("picMessage")));
        QVERIFY(f->t.urls.opened.isEmpty());
        QVERIFY(f->t.messages.shown.isEmpty());
        QVERIFY(!f->window("frmOracleLibrary"));
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

    // A panel is announced as a panel, not as a window of its own: a screen
    // reader would review only what lies inside it. Only the main window and
    // the frames around the oracle windows are windows.
    void panelsAreNotWindows_data()
    {
        QTest::addColumn<QString>("window");
        for (const OracleWay &way : OracleWays) {
            QTest::newRow(way.start) << QString::fromLatin1(way.start);
            if (way.result)
                QTest::newRow(way.result) << QString::fromLatin1(way.result);
        }
    }
    void panelsAreNotWindows()
    {
        QFETCH(QString, window);
        QVERIFY(open(window));
        QStringList windows;
        std::function<void(QAccessibleInterface *)> visit = [&](QAccessibleInterface *i) {
            const bool frame = qobject_cast<QMdiSubWindow *>(i->object()) || i->object() == f->mdi.get();
            if (QList{QAccessible::Border, QAccessible::LayeredPane, QAccessible::Window}.contains(i->role()) && !frame)
                windows << describe(i);
            for (int c = 0; c < i->childCount(); ++c)
                if (QAccessibleInterface *child = i->child(c))
                    visit(child);
        };
        visit(QAccessible::queryAccessibleInterface(f->mdi.get()));
        QVERIFY2(windows.isEmpty(), qPrintable(windows.join(QStringLiteral(", "))));
    }

    // A reader that joins a field's text-attribute runs hears every letter:
    // each run holds the character it is asked about.
    void fieldIsReadToTheLastLetter()
    {
        launch("cmdSelectOption_4", "frmMysticColorOracleMain");
        auto *last = in<QLineEdit>("frmMysticColorOracleMain", "txtNameLast");
        QTest::keyClicks(last, QStringLiteral("Lovelace"));
        QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(last)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->characterCount(), 8);
        int joinedStart = 8, joinedEnd = 0;
        for (int offset = 0; offset < 8; ++offset) {
            int start = -1, end = -1;
            text->attributes(offset, &start, &end);
            QVERIFY2(start <= offset && offset < end, qPrintable(QStringLiteral("run %1-%2 at %3").arg(start).arg(end).arg(offset)));
            joinedStart = std::min(joinedStart, start);
            joinedEnd = std::max(joinedEnd, end);
        }
        QCOMPARE(text->text(joinedStart, joinedEnd), QStringLiteral("Lovelace"));
        // Selected whole, as Tab leaves it, it is said whole.
        last->selectAll();
        int start = -1, end = -1;
        text->selection(0, &start, &end);
        QCOMPARE(text->text(start, end), QStringLiteral("Lovelace"));
        // The reader's own edits still reach the field.
        QAccessible::queryAccessibleInterface(last)->editableTextInterface()->replaceText(4, 8, QStringLiteral("joy"));
        QCOMPARE(last->text(), QStringLiteral("Lovejoy"));
    }

    // Copy Reading changes nothing in sight: a note says it was done, and a
    // screen reader hears it as a notification.
    void copyIsConfirmed()
    {
        QPointer<OracleWindow> result = open(QStringLiteral("frmDominoOracleDisplay"));
        QVERIFY(result);
        auto *copy = result->findChild<QAction *>(QStringLiteral("mnuCopyReading"));
        QVERIFY(copy);
        copy->trigger();
        auto *note = result->findChild<QLabel *>(QStringLiteral("lblAnnouncement"));
        QVERIFY(note && note->isVisible());
        QCOMPARE(note->text(), QStringLiteral("Reading copied"));
        QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(note);
        QCOMPARE(heard->role(), QAccessible::Notification);
        QCOMPARE(heard->text(QAccessible::Name), QStringLiteral("Reading copied"));
        QVERIFY(result->rect().contains(note->geometry()));
    }

    // A menu item with a shortcut gives it in the form screen readers read as
    // a shortcut (mnemonic; key path; shortcut), so "Copy Reading, Ctrl+C" is said.
    void menuItemsSayTheirShortcuts()
    {
        QPointer<OracleWindow> result = open(QStringLiteral("frmDominoOracleDisplay"));
        QVERIFY(result);
        auto *copy = result->findChild<QAction *>(QStringLiteral("mnuCopyReading"));
        QVERIFY(copy && copy->associatedObjects().size() == 1);
        QAccessibleInterface *menu = QAccessible::queryAccessibleInterface(copy->associatedObjects().front());
        QAccessibleInterface *item = nullptr;
        for (int c = 0; c < menu->childCount() && !item; ++c)
            if (menu->child(c)->object() == copy)
                item = menu->child(c);
        QVERIFY(item && item->actionInterface());
        QCOMPARE(item->role(), QAccessible::MenuItem);
        QCOMPARE(item->text(QAccessible::Name), QStringLiteral("Copy Reading"));
        QCOMPARE(item->parent()->object(), copy->associatedObjects().front());
        QAccessibleActionInterface *actions = item->actionInterface();
        const QStringList binding =
            actions->keyBindingsForAction(actions->actionNames().value(0)).value(0).split(QLatin1Char(';'));
        QCOMPARE(binding.size(), 3);
        QCOMPARE(binding[2], copy->shortcut().toString(QKeySequence::NativeText));
        actions->doAction(actions->actionNames().value(0));
        QVERIFY(result->findChild<QLabel *>(QStringLiteral("lblAnnouncement"))->isVisible());
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
        // The text beside the list is named by the piece and all it says of it.
        const std::vector<LibraryEntry> entries = BuildLibraryEntries();
        const auto entry = std::find_if(entries.begin(), entries.end(),
                                        [&piece](const LibraryEntry &each) { return each.title == piece; });
        QVERIFY(entry != entries.end());
        const QString about = nameOf(in("frmOracleLibrary", "txtDetail"));
        QVERIFY2(about.startsWith(QStringLiteral("About %1. ").arg(piece)), qPrintable(about));
        for (const LibraryFact &fact : entry->facts)
            QVERIFY2(about.contains(fact.caption.simplified() + QStringLiteral(": ") + fact.value.simplified()),
                     qPrintable(fact.caption + QStringLiteral(" in ") + about));
        QVERIFY2(about.endsWith(entry->reading.simplified()) || about.endsWith(entry->reading.simplified() + u'.'),
                 qPrintable(about));
        // With nothing found, the field itself says so, and so does the line
        // that appears, told as a notification, which a reader says at once.
        QTest::keyClicks(search, QStringLiteral("qqqq"));
        QCOMPARE(QAccessible::queryAccessibleInterface(search)->text(QAccessible::Description),
                 QStringLiteral("No piece matches"));
        auto *noMatch = in("frmOracleLibrary", "lblNoMatch");
        QVERIFY(noMatch->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(noMatch)->role(), QAccessible::Notification);
        QCOMPARE(nameOf(noMatch), QStringLiteral("No piece matches"));
        expectNamed("frmOracleLibrary");
    }

    // A heading's text is named by the heading and what its oracle gives.
    void libraryHeadingIsNamed()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        auto *list = in<QTreeWidget>("frmOracleLibrary", "treEntries");
        list->setCurrentItem(list->findItems(QStringLiteral("Domino"), Qt::MatchExactly | Qt::MatchRecursive).value(0));
        QCOMPARE(nameOf(in("frmOracleLibrary", "txtDetail")),
                 QStringLiteral("About Domino. ") + OracleOverview(Domino).simplified());
    }

    // Each row of the Library's list is told as opened only if it is a
    // heading: a piece has nothing to open.
    void libraryPiecesAreNotOpened()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        auto *list = in<QTreeWidget>("frmOracleLibrary", "treEntries");
        // The rows as a screen reader has them, in the list's order: all are in sight.
        QList<QAccessibleInterface *> rows;
        QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(list);
        for (int c = 0; c < reader->childCount(); ++c)
            if (reader->child(c)->role() == QAccessible::TreeItem)
                rows << reader->child(c);
        int pieces = 0;
        QTreeWidgetItemIterator item(list);
        for (QAccessibleInterface *row : rows) {
            QVERIFY(*item);
            QCOMPARE(row->text(QAccessible::Name), (*item)->text(0));
            const bool heading = (*item)->childCount() > 0;
            pieces += heading ? 0 : 1;
            QVERIFY2(row->state().expandable == heading && row->state().expanded == heading,
                     qPrintable((*item)->text(0)));
            ++item;
        }
        QVERIFY(!*item);
        QCOMPARE(pieces, 162);
    }

    // The list tells screen readers the row the user is on as it takes the
    // focus and as the row moves under the arrows, never while a search
    // typed in the field moves it: the reader stays with the field.
    void libraryListTellsItsRowOnlyWithTheFocus()
    {
        if (!QAccessible::isActive())
            QSKIP("Qt tells screen readers nothing while none listens; tst_access@atspi runs this");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        auto *search = in("frmOracleLibrary", "txtSearch");
        auto *list = in<QTreeWidget>("frmOracleLibrary", "treEntries");
        Told told;
        QTest::keyClicks(search, QStringLiteral("oak"));
        QCOMPARE(list->currentItem()->text(0), QStringLiteral("The Oak Tree"));
        QCoreApplication::processEvents();
        QCOMPARE(told.rowsFocused(list), QStringList());

        QTest::keyClick(search, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
        QTRY_COMPARE(told.rowsFocused(list), QStringList{QStringLiteral("The Oak Tree")});
        // Told after whatever the toolkit tells of the list itself.
        const auto lastFocus = std::find_if(told.news.rbegin(), told.news.rend(),
                                            [](const Told::News &each) { return each.type == QAccessible::Focus; });
        QVERIFY(lastFocus != told.news.rend() && lastFocus->object == list && lastFocus->child >= 0);

        QStringList reached{list->currentItem()->text(0)};
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up}) {
            QTest::keyClick(list, key);
            reached << list->currentItem()->text(0);
        }
        QCOMPARE(told.rowsFocused(list), reached);

        // A search that hides every row leaves none to tell.
        QTest::keyClick(list, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClicks(search, QStringLiteral("qqqq"));
        QTest::keyClick(search, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list);
        QTest::qWait(50);
        QCOMPARE(told.rowsFocused(list), reached);
    }

    // Each tree box is heard as its label and its tree at once; the tree in
    // the present is a stop between them, heard the same way, and takes the
    // place of the box that held the tree put in the present.
    void libraryTreeBoxesSayTheirTree()
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        auto *list = in<QTreeWidget>("frmOracleLibrary", "treEntries");
        list->setCurrentItem(list->findItems(QStringLiteral("The Birch Tree"), Qt::MatchExactly | Qt::MatchRecursive)
                                 .value(0));
        auto *past = in<QComboBox>("frmOracleLibrary", "cboPast");
        auto *present = in("frmOracleLibrary", "lblPresentTree");
        auto *future = in<QComboBox>("frmOracleLibrary", "cboFuture");
        const auto tree = [past](int index) { return past->itemText(index).trimmed(); };

        // Tab order: the text, the past, the present, the future, the button.
        QVERIFY(tabTo(in("frmOracleLibrary", "txtDetail")));
        for (QWidget *next : {static_cast<QWidget *>(past), present, static_cast<QWidget *>(future),
                              in("frmOracleLibrary", "cmdRead")}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        for (QComboBox *box : {past, future}) {
            const QString label = box == past ? QStringLiteral("The Past:") : QStringLiteral("The Future:");
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(reader->role(), QAccessible::ComboBox);
            QCOMPARE(reader->text(QAccessible::Name), label + u' ' + tree(box->currentIndex()));
            // No label stands beside it, for a reader would say the label in the name's place.
            QVERIFY(reader->relations(QAccessible::Label).isEmpty());
            QVERIFY(reader->valueInterface());
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Down);
            QCOMPARE(reader->text(QAccessible::Name), label + u' ' + tree(box->currentIndex()));
            QCOMPARE(reader->valueInterface()->currentValue().toInt(),
                     reader->valueInterface()->minimumValue().toInt() + box->currentIndex());
            // A reader's own commands work as on any combo box.
            reader->valueInterface()->setCurrentValue(reader->valueInterface()->minimumValue().toInt() + 5);
            QCOMPARE(box->currentIndex(), 5);
            QVERIFY(!reader->state().expanded);
            reader->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
            QTRY_VERIFY(box->view()->isVisible());
            QVERIFY(reader->state().expandable && reader->state().expanded);
            QCOMPARE(reader->child(0)->object(), box->view());
            box->hidePopup();
        }
        // A reader takes a value it heard last, from any control, for no
        // change: no value of one box is a value of the other.
        QAccessibleValueInterface *pastValue = QAccessible::queryAccessibleInterface(past)->valueInterface();
        QAccessibleValueInterface *futureValue = QAccessible::queryAccessibleInterface(future)->valueInterface();
        QVERIFY(pastValue->maximumValue().toInt() < futureValue->minimumValue().toInt()
                || futureValue->maximumValue().toInt() < pastValue->minimumValue().toInt());
        QCOMPARE(pastValue->maximumValue().toInt() - pastValue->minimumValue().toInt(), past->count() - 1);

        QCOMPARE(nameOf(present), QStringLiteral("The Present: The Birch Tree"));
        const QString inThePast = tree(past->currentIndex());
        list->setCurrentItem(list->findItems(inThePast, Qt::MatchExactly | Qt::MatchRecursive).value(0));
        QCOMPARE(nameOf(present), QStringLiteral("The Present: ") + inThePast);
        QCOMPARE(nameOf(past), QStringLiteral("The Past: The Birch Tree"));
    }

    // A box tells screen readers that its name changed with each change of
    // tree, whoever makes it: a reader keeps a name it has read till then.
    void libraryTreeBoxesTellEachChange_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("byKey"); // else by putting its tree in the present
        QTest::newRow("past, by key") << QStringLiteral("cboPast") << true;
        QTest::newRow("future, by key") << QStringLiteral("cboFuture") << true;
        QTest::newRow("past, by the Library") << QStringLiteral("cboPast") << false;
        QTest::newRow("future, by the Library") << QStringLiteral("cboFuture") << false;
    }
    void libraryTreeBoxesTellEachChange()
    {
        if (!QAccessible::isActive())
            QSKIP("Qt tells screen readers nothing while none listens; tst_access@atspi runs this");
        QFETCH(QString, box);
        QFETCH(bool, byKey);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        auto *list = in<QTreeWidget>("frmOracleLibrary", "treEntries");
        list->setCurrentItem(list->findItems(QStringLiteral("The Birch Tree"), Qt::MatchExactly | Qt::MatchRecursive)
                                 .value(0));
        auto *chooser = in<QComboBox>("frmOracleLibrary", qPrintable(box));
        const int before = chooser->currentIndex();
        Told told;
        if (byKey) {
            chooser->setFocus();
            QTest::keyClick(chooser, Qt::Key_Down);
        } else {
            list->setCurrentItem(
                list->findItems(chooser->currentText().trimmed(), Qt::MatchExactly | Qt::MatchRecursive).value(0));
        }
        QVERIFY(chooser->currentIndex() != before);
        QCOMPARE(told.count(QAccessible::NameChanged, chooser), 1);
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
