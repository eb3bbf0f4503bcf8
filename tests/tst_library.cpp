// The Oracle Library: its search, the readings it opens in the oracles' own
// result windows and the way Back comes to it, and its use by keyboard.
#include "fixture.h"
#include "language.h"
#include "librarycatalogue.h"
#include "librarypieces.h"
#include "modgoodlucksymbol.h"
#include "modoghamoracle.h"

#include <QAccessible>
#include <QFile>
#include <QTranslator>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSplitter>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

namespace {
constexpr char Library[] = "frmOracleLibrary";

// The titles of the pieces the list shows, in order.
QStringList shownPieces(const QTreeWidget *list)
{
    QStringList titles;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget *>(list)); *it; ++it) {
        bool shown = true;
        for (const QTreeWidgetItem *up = *it; up; up = up->parent())
            shown = shown && !up->isHidden();
        if (shown && (*it)->childCount() == 0 && (*it)->data(0, Qt::UserRole).toInt() >= 0)
            titles << (*it)->text(0);
    }
    return titles;
}


// Paragraph `n` (from 0) of a reading text, from the file of the language `code`.
QString paragraph(const QString &english, const QString &code, int n)
{
    QString name = english;
    name.insert(name.lastIndexOf(u'.'), u'_' + code);
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n').value(n);
}

QStringList words(std::initializer_list<const char *> texts)
{
    QStringList list;
    for (const char *text : texts)
        list << QString::fromUtf8(text);
    return list;
}

// Makes `code` the language in use and lets every window hear of it.
void speak(const QString &code)
{
    Language::apply(code);
    QCoreApplication::processEvents(); // the application hears of it, then its windows
    QCoreApplication::processEvents();
}

// A language that is English made longer by half, every text marked: the
// Library's own words, wherever they show, read «so ÿÿ».
constexpr const char *OwnContexts[] = {"frmOracleLibrary", "LibraryCatalogue", "TreeChooser", "OracleNames"};
class LongerEnglish : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        if (std::none_of(std::begin(OwnContexts), std::end(OwnContexts),
                         [context](const char *own) { return qstrcmp(context, own) == 0; }))
            return {};
        const QString text = QString::fromUtf8(source);
        return u'\u00ab' + text + u' ' + QString(std::max<qsizetype>(2, text.size() / 2), u'\u00ff') + u'\u00bb';
    }
    static bool marks(const QString &text) { return text.contains(u'\u00ab') && text.contains(u'\u00bb'); }
};
}

class tst_Library : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;

    template <class T = QWidget> T *lib(const char *control) const
    {
        T *widget = f->in<T>(Library, control);
        if (!widget)
            qFatal("no %s in the Library", control);
        return widget;
    }
    OracleWindow *library() const { return f->window(Library); }
    QTreeWidget *list() const { return lib<QTreeWidget>("treEntries"); }
    void openByKey() const { QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier); }
    void choose(const QString &title) const
    {
        const QList<QTreeWidgetItem *> found = list()->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
        QVERIFY2(found.size() == 1, qPrintable(title));
        list()->setCurrentItem(found.front());
    }
    // The past and the future of a tree reading; the tree on show is its present.
    void chooseTrees(int past, int future) const
    {
        lib<QComboBox>("cboPast")->setCurrentIndex(past - 1);
        lib<QComboBox>("cboFuture")->setCurrentIndex(future - 1);
    }
    QString label(const char *window, const char *control) const { return f->in<QLabel>(window, control)->text(); }

    // Everything the Library shows or tells a screen reader, and what is in sight.
    QStringList libraryTexts() const
    {
        QCoreApplication::processEvents(); // the list lays out its rows when it is next idle
        QStringList texts{library()->windowTitle()};
        for (const QWidget *w : library()->findChildren<QWidget *>()) {
            QString text;
            if (const auto *label = qobject_cast<const QLabel *>(w))
                text = label->text();
            else if (const auto *button = qobject_cast<const QAbstractButton *>(w))
                text = button->text();
            else if (const auto *field = qobject_cast<const QLineEdit *>(w))
                text = field->text() + u'|' + field->placeholderText();
            else if (const auto *detail = qobject_cast<const QTextBrowser *>(w))
                text = detail->toPlainText();
            else if (auto *box = qobject_cast<QComboBox *>(const_cast<QWidget *>(w))) {
                for (int i = 0; i < box->count(); ++i)
                    text += box->itemText(i) + u'|';
                text += QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
            }
            texts << w->objectName() + u'=' + text + u'|' + w->accessibleName() + u'|' + w->accessibleDescription()
                         + (w->isVisibleTo(library()) ? QStringLiteral("|shown") : QString());
        }
        for (QTreeWidgetItemIterator it(list()); *it; ++it)
            texts << (*it)->text(0) + ((*it)->isHidden() ? QStringLiteral("|hidden") : QString())
                         + ((*it)->isExpanded() ? QStringLiteral("|open") : QString())
                         + (*it == list()->currentItem() ? QStringLiteral("|current") : QString());
        return texts;
    }

    // The parts in sight that are smaller than they need to show all of themselves.
    QStringList squeezedParts() const
    {
        QCoreApplication::processEvents();
        QStringList squeezed;
        for (QWidget *w : library()->findChildren<QWidget *>()) {
            // The search field's clear button is drawn as an icon within the field.
            if (!w->isVisible() || qobject_cast<QLineEdit *>(w->parentWidget())
                || !(qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w)))
                continue;
            const QSize needed = w->minimumSizeHint();
            if (w->width() < needed.width() || w->height() < needed.height())
                squeezed << QStringLiteral("%1: %2x%3 for %4x%5")
                                .arg(w->objectName())
                                .arg(w->width())
                                .arg(w->height())
                                .arg(needed.width())
                                .arg(needed.height());
        }
        return squeezed;
    }

private slots:
    void init()
    {
        f = std::make_unique<OracleFixture>();
        openByKey();
        QVERIFY(library() && library()->isShown());
    }
    void cleanup()
    {
        // Whatever a test left behind, the next one starts in English.
        if (Language::current() != Language::English)
            speak(Language::English);
        f.reset();
    }

    // Nothing of it is made before the user asks; asked again, the same
    // window comes to the front.
    void opensOnceFromEveryHelpMenu()
    {
        f.reset();
        f = std::make_unique<OracleFixture>();
        QVERIFY(!library());
        openByKey();
        const QPointer<OracleWindow> first = library();
        QVERIFY(first && first->isShown());
        QCOMPARE(QApplication::focusWidget(), lib("txtSearch"));
        QVERIFY(!f->welcomeVisible());

        // From inside an oracle window its own Ctrl+L opens it: only the menu
        // bar in front holds a live one, so the key is never ambiguous.
        QTest::mouseClick(f->child("cmdSelectOption_1"), Qt::LeftButton);
        QVERIFY(f->window("frmDominoOracleMain")->isShown());
        QVERIFY(f->window("frmDominoOracleMain")->isAncestorOf(QApplication::focusWidget()));
        openByKey();
        QCOMPARE(library(), first.data());
        QCOMPARE(f->mdi->findChild<QMdiArea *>()->activeSubWindow(), OracleFixture::frame(first));
        QVERIFY(first->isAncestorOf(QApplication::focusWidget()));

        // Its own menus stand in the menu bar: File with Exit, Help ending with the Library and the languages.
        QCOMPARE(f->mdi->menuBar()->actions(), first->menuBarActions());
        const auto *file = first->findChild<QMenu *>(QStringLiteral("mnuFile"));
        QCOMPARE(file->actions().size(), 1);
        QCOMPARE(file->actions().front()->text(), QStringLiteral("E&xit"));
        const QList<QAction *> help = first->findChild<QMenu *>(QStringLiteral("mnuHelp"))->actions();
        QCOMPARE(help.value(help.size() - 2)->text(), QStringLiteral("Oracle &Library"));
        QVERIFY(help.last()->menu());

        // Closing it over the Domino window leaves the welcome panel away.
        file->actions().front()->trigger();
        QTRY_VERIFY(!first);
        QVERIFY(f->window("frmDominoOracleMain")->isShown());
        QVERIFY(!f->welcomeVisible());
        f->window("frmDominoOracleMain")->closeWindow();
        QVERIFY(f->welcomeVisible());
    }

    // It closes as the oracle windows do, and the main window's own menus and
    // welcome panel come back.
    void closesEveryWay_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"File > Exit", "close box", "Ctrl+F4", "Ctrl+W"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void closesEveryWay()
    {
        QFETCH(QString, how);
        const QPointer<OracleWindow> shown = library();
        QCOMPARE(f->mdi->menuBar()->actions(), shown->menuBarActions());
        if (how == QLatin1String("File > Exit"))
            shown->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        else if (how == QLatin1String("close box"))
            OracleFixture::frame(shown)->close();
        else
            QTest::keyClick(QApplication::focusWidget(), how.endsWith(u'W') ? Qt::Key_W : Qt::Key_F4,
                            Qt::ControlModifier);
        QVERIFY(!shown || shown->isClosed());
        QVERIFY(f->welcomeVisible());
        const auto *ownFile = f->mdi->findChild<QMenu *>(QStringLiteral("mnuFile"), Qt::FindDirectChildrenOnly);
        QCOMPARE(f->mdi->menuBar()->actions().value(0), ownFile->menuAction());
        QTRY_VERIFY(!shown);
    }

    // Unlike the oracle windows it can be resized, and it opens inside the
    // free area as far as it can, whatever the screen, its texts never cut.
    void resizableWithinTheArea()
    {
        QMdiSubWindow *frame = OracleFixture::frame(library());
        QVERIFY(frame->minimumSize() != frame->maximumSize());
        const QWidget *viewport = f->mdi->findChild<QMdiArea *>()->viewport();
        // Where the area is smaller than the window can be, it stands at its
        // smallest, and the area scrolls to the rest.
        const QSize least = library()->minimumSizeHint();
        QVERIFY(frame->x() >= 0 && frame->y() >= 0);
        QVERIFY2(frame->geometry().right() < viewport->width() || library()->width() == least.width(),
                 qPrintable(QStringLiteral("%1 wide in %2").arg(frame->width()).arg(viewport->width())));
        QVERIFY2(frame->geometry().bottom() < viewport->height() || library()->height() == least.height(),
                 qPrintable(QStringLiteral("%1 high in %2").arg(frame->height()).arg(viewport->height())));
        // Nothing is squeezed below what it needs to show all of itself.
        for (const char *piece :
             {"The Birch Tree", "5-3 and 3-5", "Seasons Summer", "Native American Good Luck Symbols"}) {
            choose(QString::fromLatin1(piece));
            const QStringList squeezed = squeezedParts();
            QVERIFY2(squeezed.isEmpty(), qPrintable(QString::fromLatin1(piece) + u' ' + squeezed.join(u',')));
        }
        const QSize before = library()->size();
        frame->resize(frame->size() - QSize(40, 30));
        QCOMPARE(library()->size(), before - QSize(40, 30));
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("shown");  // among the pieces shown
        QTest::addColumn<QStringList>("hidden"); // not among them
        QTest::addColumn<int>("count");          // how many are shown; -1: any
        const auto list = [](std::initializer_list<const char *> titles) {
            QStringList l;
            for (const char *t : titles)
                l << QString::fromUtf8(t);
            return l;
        };
        QTest::newRow("everything") << QString()
                                    << list({"The Birch Tree", "6-6", "Wind West", "Thunderbird", "Yellow"})
                                    << QStringList() << 162;
        QTest::newRow("case") << QStringLiteral("JUROJIN") << list({"Jurojin"}) << list({"Ebisu"}) << -1;
        QTest::newRow("accents dropped from the text")
            << QStringLiteral("chu") << list({"1 Circle (Pearl)", "Flowers Bamboo", "Flowers Chrysanthemum"})
            << list({"Flowers Orchid"}) << -1;
        QTest::newRow("accents dropped from the search")
            << QString::fromUtf8("CH\u00dc") << list({"1 Circle (Pearl)", "Flowers Bamboo", "Flowers Chrysanthemum"})
            << QStringList() << -1;
        QTest::newRow("a word, not inside one")
            << QStringLiteral("oak") << list({"The Oak Tree", "Acorn"}) << list({"The Hazel Tree"}) << 2;
        QTest::newRow("both orders of a domino")
            << QStringLiteral("6-4") << list({"6-4 and 4-6"}) << QStringList() << 1;
        QTest::newRow("a culture") << QStringLiteral("arabian") << list({"Dolphins", "Hamsa Hand"}) << QStringList()
                                   << 2;
        QTest::newRow("a plural") << QStringLiteral("rabbits") << list({"Rabbit's Foot"}) << QStringList() << -1;
        QTest::newRow("a hyphen") << QStringLiteral("three-legged") << list({"Three Legged Toad"}) << QStringList()
                                  << -1;
        QTest::newRow("a blank half") << QStringLiteral("1 blank") << list({"1-Blank and Blank-1"})
                                      << list({"1-1", "Blank-Blank"}) << 1;
        QTest::newRow("nothing") << QStringLiteral("zzyzx") << QStringList() << QStringList() << 0;
    }
    void search()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        QFETCH(int, count);
        QTest::keyClicks(lib("txtSearch"), typed);
        const QStringList pieces = shownPieces(list());
        for (const QString &title : shown)
            QVERIFY2(pieces.contains(title), qPrintable(title + QStringLiteral(" missing from ") + pieces.join(u',')));
        for (const QString &title : hidden)
            QVERIFY2(!pieces.contains(title), qPrintable(title));
        if (count >= 0)
            QCOMPARE(pieces.size(), count);
        QCOMPARE(lib("lblNoMatch")->isVisible(), pieces.isEmpty());
        QCOMPARE(lib<QLabel>("lblNoMatch")->text(), QStringLiteral("No piece matches"));
        // The piece in sight is one of those found.
        if (!pieces.isEmpty())
            QVERIFY(pieces.contains(lib<QLabel>("lblTitle")->text()));
        // Clearing the field brings every piece back.
        lib<QLineEdit>("txtSearch")->clear();
        QCOMPARE(shownPieces(list()).size(), 162);
        QVERIFY(!lib("lblNoMatch")->isVisible());
    }

    // Invisible characters pasted in with a word do not hide what it finds.
    void pastedInvisibleCharactersAreIgnored()
    {
        QGuiApplication::clipboard()->setText(QString::fromUtf8("\u200bja\u200dde\u0007"));
        lib<QLineEdit>("txtSearch")->paste();
        QVERIFY(!lib<QLineEdit>("txtSearch")->text().isEmpty());
        QVERIFY2(shownPieces(list()).contains(QStringLiteral("4 Circle (Jade)")),
                 qPrintable(shownPieces(list()).join(u',')));
    }

    // Each piece shows its pictures, named as the result window names them,
    // at the screen's density.
    void piecesShowTheirPictures_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("tree") << QStringLiteral("The Oak Tree") << QStringList{QStringLiteral("The Oak Tree")};
        QTest::newRow("domino") << QStringLiteral("4-Blank and Blank-4")
                                << QStringList{QStringLiteral("4 pips"), QStringLiteral("blank")};
        QTest::newRow("tile") << QStringLiteral("Wind East") << QStringList{QStringLiteral("Wind East tile")};
        QTest::newRow("symbol") << QStringLiteral("Scarab") << QStringList{QStringLiteral("Scarab")};
        QTest::newRow("colour") << QStringLiteral("Green") << QStringList{QStringLiteral("Green")};
    }
    void piecesShowTheirPictures()
    {
        QFETCH(QString, piece);
        QFETCH(QStringList, names);
        choose(piece);
        QStringList shown;
        for (const char *name : {"picPiece_0", "picPiece_1"}) {
            auto *picture = lib<QLabel>(name);
            if (!picture->isVisible())
                continue;
            QVERIFY(!picture->pixmap().isNull());
            QCOMPARE(picture->pixmap().devicePixelRatio(), library()->devicePixelRatio() > 1 ? 2.0 : 1.0);
            shown << picture->accessibleName();
        }
        QCOMPARE(shown, names);
        QCOMPARE(lib<QLabel>("lblTitle")->text(), piece);
    }

    // A wind tile shows its attributes, a tree its nine, each with its reading.
    void piecesShowTheirFactsAndReading()
    {
        choose(QStringLiteral("Wind North"));
        const QString tile = lib<QTextBrowser>("txtDetail")->toPlainText();
        for (const char *text : {"Chinese Character", "Pei", "Constellation", "Tortoise (7 Bamboo)"})
            QVERIFY2(tile.contains(QLatin1String(text)), text);
        choose(QStringLiteral("The Oak Tree"));
        const QString tree = lib<QTextBrowser>("txtDetail")->toPlainText();
        for (const char *text : {"Ruling Planet", "Jupiter", "Lucky Gemstone", "Diamond", "sacred tree of the Druids"})
            QVERIFY2(tree.contains(QLatin1String(text)), text);
        choose(QStringLiteral("Green"));
        QVERIFY(!lib("cmdRead")->isVisible()); // a colour comes from names, not from a piece
    }

    // "Read this one" opens the oracle's own result window with that piece, as
    // if drawn, and Back comes to the Library with the focus where it was.
    void readOpensTheResultWindow_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("Ogham") << QStringLiteral("The Rowan Tree") << QStringLiteral("frmCelticOghamOracleDisplay")
                               << QStringLiteral("lblTreeNameThree") << QStringLiteral("The Vine");
        QTest::newRow("Domino") << QStringLiteral("6-4 and 4-6") << QStringLiteral("frmDominoOracleDisplay")
                                << QStringLiteral("lblDominoNumber") << QStringLiteral("6-4");
        QTest::newRow("Domino with a blank")
            << QStringLiteral("4-Blank and Blank-4") << QStringLiteral("frmDominoOracleDisplay")
            << QStringLiteral("lblDominoNumber") << QStringLiteral("4-Blank");
        QTest::newRow("Mahjong") << QStringLiteral("1 Circle (Pearl)") << QStringLiteral("frmMahjongOracleDisplay")
                                 << QStringLiteral("lblChineseCharacter") << QStringLiteral("Chu ");
        QTest::newRow("Good Luck") << QStringLiteral("Jurojin") << QStringLiteral("frmGoodLuckSymbolOracleDisplay")
                                   << QStringLiteral("lblJapaneseName") << QStringLiteral("Jurojin");
    }
    void readOpensTheResultWindow()
    {
        QFETCH(QString, piece);
        QFETCH(QString, result);
        QFETCH(QString, control);
        QFETCH(QString, text);
        const QByteArray window = result.toLatin1();
        choose(piece);
        chooseTrees(7, 10); // the Oak in the past, the Vine in the future
        const int drawn = f->t.random.drawn;
        QTest::mouseClick(lib("cmdRead"), Qt::LeftButton);
        OracleWindow *shown = f->window(window.constData());
        QVERIFY(shown && shown->isShown());
        QVERIFY(!library()->isShown());
        QCOMPARE(label(window.constData(), control.toLatin1().constData()), text);
        QCOMPARE(f->t.random.drawn, drawn); // nothing drawn
        if (result == QLatin1String("frmCelticOghamOracleDisplay")) {
            QCOMPARE(label(window.constData(), "lblTreeNameOne"), QStringLiteral("The Oak Tree"));
            QCOMPARE(label(window.constData(), "lblTreeNameTwo"), QStringLiteral("The Rowan Tree"));
        }
        QTest::mouseClick(
            f->in(window.constData(), shown->findChild<QPushButton *>(QStringLiteral("cmdOK")) ? "cmdOK" : "cmdBack"),
            Qt::LeftButton);
        QVERIFY(!f->window(window.constData()));
        QVERIFY(library()->isShown());
        QCOMPARE(QApplication::focusWidget(), lib("cmdRead"));
        QVERIFY(!f->welcomeVisible());
        QCOMPARE(lib<QLabel>("lblTitle")->text(), piece);
    }

    // Two trees the same are no reading: the button waits, saying why, and
    // Enter on the list says so too.
    void oghamRefusesTheSameTreeTwice()
    {
        choose(QStringLiteral("The Ash Tree"));
        chooseTrees(5, 5);
        QVERIFY(!lib("cmdRead")->isEnabled());
        QVERIFY(lib("lblReadNote")->isVisible());
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Return);
        QCOMPARE(f->t.messages.shown.size(), 1);
        QCOMPARE(f->t.messages.shown.front().text, lib<QLabel>("lblReadNote")->text());
        QVERIFY(!f->window("frmCelticOghamOracleDisplay"));
        chooseTrees(5, 4);
        QVERIFY(lib("cmdRead")->isEnabled());
        QVERIFY(!lib("lblReadNote")->isVisible());
    }

    // A Good Luck reading drawn for several cultures gives way to the
    // Library's, which shows only the chosen symbol.
    void goodLuckReadingShowsOnlyTheChosenSymbol()
    {
        library()->closeWindow();
        QTest::mouseClick(f->child("cmdSelectOption_2"), Qt::LeftButton);
        for (const char *box : {"chkGoodLuck_0", "chkGoodLuck_4"})
            f->in<QCheckBox>("frmGoodLuckSymbolOracleMain", box)->setChecked(true);
        QTest::mouseClick(f->in("frmGoodLuckSymbolOracleMain", "cmdNext"), Qt::LeftButton);
        QVERIFY(f->window("frmGoodLuckSymbolOracleDisplay")->isShown());
        openByKey();
        choose(QStringLiteral("Jurojin"));
        f->t.messages.answer = true; // the drawn reading may go
        QTest::mouseClick(lib("cmdRead"), Qt::LeftButton);
        OracleWindow *reading = f->window("frmGoodLuckSymbolOracleDisplay");
        QVERIFY(reading->isShown());
        for (int culture = 0; culture < 7; ++culture)
            QCOMPARE(reading->findChild<QWidget *>(QStringLiteral("cmdGoodLuck_%1").arg(culture))->isEnabled(),
                     culture == 2);
        QVERIFY(f->in("frmGoodLuckSymbolOracleDisplay", "fraJapanese")->isVisible());
        // What the window copies is that one symbol too.
        reading->findChild<QAction *>(QStringLiteral("mnuCopyReading"))->trigger();
        const QString copied = QGuiApplication::clipboard()->text();
        QVERIFY2(copied.contains(QLatin1String("Japanese Good Luck Symbol: Jurojin"))
                     && !copied.contains(QLatin1String("Indian Good Luck Symbol"))
                     && !copied.contains(QLatin1String("English Good Luck Symbol")),
                 qPrintable(copied));
        QTest::mouseClick(f->in("frmGoodLuckSymbolOracleDisplay", "cmdOK"), Qt::LeftButton);
        QVERIFY(library()->isShown());
    }

    // While a Domino or Mahjong draw waits out its pause, Ctrl+L opens the
    // Library as the menu item does (the menus work then), but a piece of
    // that oracle cannot be read, and the Library says why: the draw would
    // put its reading over it a moment later. Other oracles' pieces can.
    void noReadingOfAnOracleDuringItsPause_data()
    {
        QTest::addColumn<QString>("launcher");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QString>("otherPiece");
        QTest::addColumn<QList<double>>("draw");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("drawn");
        QTest::newRow("Domino") << QStringLiteral("cmdSelectOption_1") << QStringLiteral("picProceed")
                                << QStringLiteral("6-4 and 4-6") << QStringLiteral("Wind East")
                                << QList<double>{2.5 / 7, 5.5 / 7} << QStringLiteral("lblDominoNumber")
                                << QStringLiteral("2-5");
        QTest::newRow("Mahjong") << QStringLiteral("cmdSelectOption_3") << QStringLiteral("cmdFindMajong")
                                 << QStringLiteral("Wind East") << QStringLiteral("6-4 and 4-6")
                                 << QList<double>{0.5 / 42} << QStringLiteral("lblEnglishName")
                                 << QStringLiteral("Carp");
    }
    void noReadingOfAnOracleDuringItsPause()
    {
        QFETCH(QString, launcher);
        QFETCH(QString, picture);
        QFETCH(QString, piece);
        QFETCH(QString, otherPiece);
        QFETCH(QList<double>, draw);
        QFETCH(QString, control);
        QFETCH(QString, drawn);
        const OracleWay *way = nullptr;
        for (const OracleWay &each : OracleWays)
            if (launcher == QLatin1String(each.launcher))
                way = &each;
        library()->closeWindow();
        QTest::mouseClick(f->child(qPrintable(launcher)), Qt::LeftButton);
        f->t.random.values.assign(draw.begin(), draw.end());
        f->t.clock.step = 2900; // a tenth of a second of real waiting
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(f->window(way->start)->isPausing());
            openByKey(); // on the "Please Wait" panel, which has the focus
            QVERIFY(library() && library()->isShown());
            choose(piece);
            QVERIFY(!lib("cmdRead")->isEnabled());
            QVERIFY(lib("lblReadNote")->isVisible());
            const QString why = lib<QLabel>("lblReadNote")->text();
            QVERIFY2(why.contains(QLatin1String(OracleName.at(piece == QLatin1String("Wind East") ? Mahjong : Domino))),
                     qPrintable(why));
            QCOMPARE(lib("cmdRead")->accessibleDescription(), why);
            // Enter on the list is refused too, with the same word.
            list()->setFocus();
            QTest::keyClick(list(), Qt::Key_Return);
            QCOMPARE(f->t.messages.shown.size(), 1);
            QCOMPARE(f->t.messages.shown.front().text, why);
            QVERIFY(!f->window(way->result));
            QVERIFY(library()->isShown());
            choose(otherPiece);
            QVERIFY(lib("cmdRead")->isEnabled());
            QVERIFY(!lib("lblReadNote")->isVisible());
            choose(piece);
            checked = true;
        });
        QTest::mouseClick(f->in(way->start, qPrintable(picture)), Qt::LeftButton);
        QVERIFY(checked);
        // The draw ends in its own reading, and the piece can be read again.
        QCOMPARE(label(way->result, qPrintable(control)), drawn);
        QVERIFY(f->window(way->result)->isShown());
        QVERIFY(lib("cmdRead")->isEnabled());
        QVERIFY(lib("lblReadNote")->isHidden());
        QTest::mouseClick(f->in(way->result, "cmdOK"), Qt::LeftButton);
        QVERIFY(f->window(way->start)->isShown());
    }

    // A reading the user drew is not thrown away without asking; one read
    // from here gives way at once.
    void drawnReadingGivesWayOnlyIfTheUserAgrees_data()
    {
        QTest::addColumn<bool>("agree");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void drawnReadingGivesWayOnlyIfTheUserAgrees()
    {
        QFETCH(bool, agree);
        library()->closeWindow();
        QTest::mouseClick(f->child("cmdSelectOption_1"), Qt::LeftButton);
        f->t.random.values = {2.5 / 7, 5.5 / 7}; // 2-5
        f->t.clock.step = 3000;                  // no real waiting
        QTest::mouseClick(f->in("frmDominoOracleMain", "picProceed"), Qt::LeftButton);
        QCOMPARE(label("frmDominoOracleDisplay", "lblDominoNumber"), QStringLiteral("2-5"));
        openByKey();
        choose(QStringLiteral("6-4 and 4-6"));
        f->t.messages.answer = agree;
        QTest::mouseClick(lib("cmdRead"), Qt::LeftButton);
        QCOMPARE(f->t.messages.shown.size(), 1);
        QVERIFY(f->t.messages.shown.front().question);
        QVERIFY2(f->t.messages.shown.front().text.contains(QLatin1String("Domino")),
                 qPrintable(f->t.messages.shown.front().text));
        OracleWindow *reading = f->window("frmDominoOracleDisplay");
        QVERIFY(reading);
        if (!agree) {
            QCOMPARE(label("frmDominoOracleDisplay", "lblDominoNumber"), QStringLiteral("2-5"));
            QVERIFY(library()->isShown());
            // Its Back still goes to the window it was drawn in.
            QTest::mouseClick(f->in("frmDominoOracleDisplay", "cmdOK"), Qt::LeftButton);
            QVERIFY(f->window("frmDominoOracleMain")->isShown());
            return;
        }
        QCOMPARE(label("frmDominoOracleDisplay", "lblDominoNumber"), QStringLiteral("6-4"));
        QVERIFY(reading->isShown());
        openByKey();
        choose(QStringLiteral("5-5"));
        QTest::mouseClick(lib("cmdRead"), Qt::LeftButton);
        QCOMPARE(f->t.messages.shown.size(), 1); // read from here: nothing to ask
        QCOMPARE(label("frmDominoOracleDisplay", "lblDominoNumber"), QStringLiteral("5-5"));
        QTest::mouseClick(f->in("frmDominoOracleDisplay", "cmdOK"), Qt::LeftButton);
        QVERIFY(library()->isShown());
    }

    // The tree on show is read in the present, the boxes holding the past
    // and the future; a box that held it takes the tree shown before, so
    // the three stay different.
    void treeOnShowIsReadInThePresent_data()
    {
        QTest::addColumn<int>("past"); // chosen while the Birch is on show
        QTest::addColumn<int>("future");
        QTest::addColumn<int>("pastRead"); // as read with the Holly on show
        QTest::addColumn<int>("futureRead");
        QTest::newRow("other trees in the boxes") << 7 << 10 << 7 << 10;
        QTest::newRow("the past held it") << 8 << 10 << 1 << 10;
        QTest::newRow("the future held it") << 7 << 8 << 7 << 1;
    }
    void treeOnShowIsReadInThePresent()
    {
        QFETCH(int, past);
        QFETCH(int, future);
        QFETCH(int, pastRead);
        QFETCH(int, futureRead);
        const auto tree = [this](int n) { return lib<QComboBox>("cboPast")->itemText(n - 1).trimmed(); };
        choose(QStringLiteral("The Birch Tree"));
        chooseTrees(past, future);
        choose(QStringLiteral("The Holly Tree"));
        QCOMPARE(lib<QLabel>("lblPresentTree")->text(), QStringLiteral("The Holly Tree"));
        QVERIFY(lib("lblPresentTree")->isVisible());
        QVERIFY(lib("cmdRead")->isEnabled());
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Return);
        QVERIFY(f->window("frmCelticOghamOracleDisplay")->isShown());
        QCOMPARE(label("frmCelticOghamOracleDisplay", "lblTreeNameOne").trimmed(), tree(pastRead));
        QCOMPARE(label("frmCelticOghamOracleDisplay", "lblTreeNameTwo").trimmed(), QStringLiteral("The Holly Tree"));
        QCOMPARE(label("frmCelticOghamOracleDisplay", "lblTreeNameThree").trimmed(), tree(futureRead));
    }

    // Typing in the list or in a tree box reaches a piece by its name, as a
    // person says it: "holly" for The Holly Tree.
    void typingReachesAPiece_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("reached");
        QTest::newRow("list: a tree") << QStringLiteral("treEntries") << QStringLiteral("holly")
                                      << QStringLiteral("The Holly Tree");
        QTest::newRow("list: a tree with The")
            << QStringLiteral("treEntries") << QStringLiteral("the oak") << QStringLiteral("The Oak Tree");
        QTest::newRow("list: a tile") << QStringLiteral("treEntries") << QStringLiteral("wind s")
                                      << QStringLiteral("Wind South");
        QTest::newRow("list: a symbol") << QStringLiteral("treEntries") << QStringLiteral("rabbit")
                                        << QStringLiteral("Rabbit's Foot");
        QTest::newRow("past box") << QStringLiteral("cboPast") << QStringLiteral("holly")
                                  << QStringLiteral("The Holly Tree");
        QTest::newRow("future box") << QStringLiteral("cboFuture") << QStringLiteral("vine")
                                    << QStringLiteral("The Vine");
    }
    void typingReachesAPiece()
    {
        QFETCH(QString, control);
        QFETCH(QString, typed);
        QFETCH(QString, reached);
        choose(QStringLiteral("The Birch Tree"));
        QWidget *w = lib(qPrintable(control));
        w->setFocus();
        QTest::keyClicks(w, typed);
        if (auto *box = qobject_cast<QComboBox *>(w))
            QCOMPARE(box->currentText().trimmed(), reached);
        else
            QCOMPARE(lib<QLabel>("lblTitle")->text(), reached);
    }

    // Alt and a letter is a command: where nothing in sight takes it, the
    // search does not take it as a letter either.
    void altAndALetterTypesNothing_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<int>("key");
        QTest::newRow("Alt+A with no past box") << QStringLiteral("Wind East") << int(Qt::Key_A);
        QTest::newRow("Alt+R with no Read button") << QStringLiteral("Green") << int(Qt::Key_R);
        QTest::newRow("Alt+Q, no access key") << QStringLiteral("The Oak Tree") << int(Qt::Key_Q);
        QTest::newRow("Alt+B, no access key") << QStringLiteral("Scarab") << int(Qt::Key_B);
    }
    void altAndALetterTypesNothing()
    {
        QFETCH(QString, piece);
        QFETCH(int, key);
        choose(piece);
        lib("txtSearch")->setFocus();
        QTest::keyClick(lib("txtSearch"), Qt::Key(key), Qt::AltModifier);
        QCOMPARE(lib<QLineEdit>("txtSearch")->text(), QString());
        QCOMPARE(lib<QLabel>("lblTitle")->text(), piece);
    }

    // Esc leaves the Library from any of its parts, as it leaves a reading.
    void escapeLeaves_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *control : {"txtSearch", "treEntries", "txtDetail", "cboPast", "lblPresentTree", "cmdRead"})
            QTest::newRow(control) << QString::fromLatin1(control);
    }
    void escapeLeaves()
    {
        QFETCH(QString, control);
        QTest::keyClicks(lib("txtSearch"), QStringLiteral("oak")); // a search under way is no reason to stay
        choose(QStringLiteral("The Oak Tree"));
        const QPointer<OracleWindow> shown = library();
        lib(qPrintable(control))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!shown || shown->isClosed());
        QVERIFY(f->welcomeVisible());
    }

    // Every part that takes the focus shows it plainly: the mark differs
    // strongly from what is under it, along at least one side of the part
    // (on the list, along the selected row).
    void everyPartShowsTheFocus_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *control :
             {"txtSearch", "treEntries", "txtDetail", "cboPast", "lblPresentTree", "cboFuture", "cmdRead"})
            QTest::newRow(control) << QString::fromLatin1(control);
    }
    void everyPartShowsTheFocus()
    {
        QFETCH(QString, control);
        choose(QStringLiteral("The Oak Tree"));
        QWidget *part = lib(qPrintable(control));
        QWidget *elsewhere = part == lib("cmdRead") ? lib("txtSearch") : lib("cmdRead");
        const auto look = [](QWidget *focused, QWidget *seen) {
            focused->setFocus(Qt::TabFocusReason);
            QCoreApplication::processEvents();
            return seen->grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        const QImage without = look(elsewhere, part);
        const QImage with = look(part, part);
        QCOMPARE(with.size(), without.size());
        int marked = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x) {
                const QRgb a = with.pixel(x, y);
                const QRgb b = without.pixel(x, y);
                if (std::max(
                        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))})
                    >= 96)
                    ++marked;
            }
        QVERIFY2(marked >= std::min(part->width(), part->height()) * with.devicePixelRatio(),
                 qPrintable(QStringLiteral("%1 pixels marked").arg(marked)));
    }

    // The list and the detail share the width through a splitter, the list
    // starting wide enough for its longest name.
    void listAndDetailShareTheWidth()
    {
        auto *splitter = qobject_cast<QSplitter *>(lib("stkDetail")->parentWidget());
        QVERIFY(splitter);
        QVERIFY(splitter->isAncestorOf(list()));
        const QFontMetrics metrics(list()->font());
        for (QTreeWidgetItemIterator it(list()); *it; ++it) {
            const QRect row = list()->visualItemRect(*it);
            const int needed = metrics.horizontalAdvance((*it)->text(0)) + row.left();
            QVERIFY2(
                needed <= list()->viewport()->width(),
                qPrintable(
                    QStringLiteral("%1: %2 of %3").arg((*it)->text(0)).arg(needed).arg(list()->viewport()->width())));
        }
        // Widening the list takes from the detail.
        const QList<int> before = splitter->sizes();
        splitter->setSizes({before[0] + 50, before[1] - 50});
        QCOMPARE(lib("stkDetail")->width(), before[1] - 50);
    }

    // However small the main window (as at a large scale) or made small
    // later, the Library stays inside its area, close box and all.
    void staysInsideTheArea_data()
    {
        QTest::addColumn<bool>("openedSmall");
        QTest::newRow("opened in a small main window") << true;
        QTest::newRow("main window made small") << false;
    }
    void staysInsideTheArea()
    {
        QFETCH(bool, openedSmall);
        const QSize small(853, 683); // a 1280 by 1024 screen at scale 1.5
        if (openedSmall) {
            library()->closeWindow();
            f->mdi->showNormal();
            f->mdi->resize(small);
            QCoreApplication::processEvents();
            openByKey();
        } else {
            f->mdi->showNormal();
            f->mdi->resize(small);
        }
        const QWidget *viewport = f->mdi->findChild<QMdiArea *>()->viewport();
        QTRY_VERIFY2(viewport->rect().contains(OracleFixture::frame(library())->geometry()),
                     qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                    .arg(OracleFixture::frame(library())->width())
                                    .arg(OracleFixture::frame(library())->height())
                                    .arg(viewport->width())
                                    .arg(viewport->height())));
    }

    // A colour shows its colour; a heading shows what its oracle gives.
    void colourShowsItsSwatch()
    {
        choose(QStringLiteral("Green"));
        const QImage swatch = lib<QLabel>("picPiece_0")->pixmap().toImage();
        const QColor middle = swatch.pixelColor(swatch.rect().center());
        QVERIFY2(middle.green() > 2 * middle.red() && middle.green() > 2 * middle.blue(), qPrintable(middle.name()));
    }
    void headingShowsAnOverview_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<int>("oracle");
        QTest::newRow("Celtic Ogham") << QStringLiteral("Celtic Ogham") << int(CelticOgham);
        QTest::newRow("Domino") << QStringLiteral("Domino") << int(Domino);
        QTest::newRow("Mahjong suit") << QStringLiteral("Flowers") << int(Mahjong);
        QTest::newRow("Good Luck culture") << GoodLuckHeading(Japanese) << int(GoodLuck);
        QTest::newRow("Mystical Color") << QStringLiteral("Mystical Color") << int(MysticalColor);
    }
    void headingShowsAnOverview()
    {
        QFETCH(QString, heading);
        QFETCH(int, oracle);
        choose(heading);
        const QString shown = lib<QTextBrowser>("txtDetail")->toPlainText();
        QVERIFY(lib("txtDetail")->isVisible());
        QVERIFY(!shown.isEmpty());
        QCOMPARE(shown, OracleOverview(OracleId(oracle)));
    }

    // Open with Ctrl+L, find a piece by typing, reach it with Tab, the arrows
    // and type-ahead, read it with Enter and come back with the keyboard.
    void keyboardOnly()
    {
        QCOMPARE(QApplication::focusWidget(), lib("txtSearch"));
        QTest::keyClicks(lib("txtSearch"), QStringLiteral("bamboo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), list());
        // Type-ahead within what the search left: "Flowers Bamboo".
        QTest::keyClicks(list(), QStringLiteral("flowers b"));
        QCOMPARE(lib<QLabel>("lblTitle")->text(), QStringLiteral("Flowers Bamboo"));
        QTest::keyClick(list(), Qt::Key_Up); // the suit's heading, which has no reading
        QCOMPARE(lib<QLabel>("lblTitle")->text(), QStringLiteral("Flowers"));
        QVERIFY(!lib("cmdRead")->isVisible());
        QTest::keyClick(list(), Qt::Key_Down);
        QTest::keyClick(list(), Qt::Key_Return);
        QVERIFY(f->window("frmMahjongOracleDisplay")->isShown());
        QCOMPARE(label("frmMahjongOracleDisplay", "lblEnglishName"), QStringLiteral("Flowers Bamboo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_B, Qt::AltModifier); // Back
        QTRY_VERIFY(library()->isShown());
        QCOMPARE(QApplication::focusWidget(), list());

        // The rest of the window, in Tab order.
        QTest::keyClick(list(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), lib("txtDetail"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), lib("cmdRead"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(f->window("frmMahjongOracleDisplay")->isShown());
    }

    // In another language the piece on show stays, read from that
    // language's text; the search and the trees chosen stay too, and the
    // piece's English name still finds it. Back in English, all is exactly
    // as it was.
    void readingFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("oracle");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("paragraph");
        QTest::newRow("a tree") << QStringLiteral("The Oak Tree") << QStringLiteral("oak") << int(CelticOgham) << 7 << 0
                                << QStringLiteral(":/ogham/characteristics.txt") << 6;
        QTest::newRow("a domino") << QStringLiteral("5-5") << QStringLiteral("5") << int(Domino) << 5 << 5
                                  << QStringLiteral(":/domino/readings.txt") << 25;
        QTest::newRow("a tile") << QStringLiteral("Wind North") << QStringLiteral("wind") << int(Mahjong) << 40 << 0
                                << QStringLiteral(":/mahjong/readings.txt") << 39;
        QTest::newRow("a symbol") << QStringLiteral("Jurojin") << QString() << int(GoodLuck) << int(Japanese) << 8
                                  << QStringLiteral(":/goodluck/japanese/descriptions.txt") << 7;
        QTest::newRow("a colour") << QStringLiteral("Green") << QStringLiteral("green") << int(MysticalColor) << 3 << 0
                                  << QStringLiteral(":/colour/readings.txt") << 2;
    }
    void readingFollowsTheLanguage()
    {
        QFETCH(QString, piece);
        QFETCH(QString, typed);
        QFETCH(int, oracle);
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(QString, text);
        QFETCH(int, paragraph);
        QTest::keyClicks(lib("txtSearch"), typed);
        choose(piece);
        chooseTrees(3, 11);
        const QStringList english = libraryTexts();

        speak(QStringLiteral("de"));
        const QString shown = lib<QTextBrowser>("txtDetail")->toPlainText().simplified();
        const QString spoken = lib("txtDetail")->accessibleName().simplified();
        const std::vector<LibraryEntry> entries = BuildLibraryEntries();
        const QString title = lib<QLabel>("lblTitle")->text();
        const QString search = lib<QLineEdit>("txtSearch")->text();
        const QStringList pieces = shownPieces(list());
        const int past = lib<QComboBox>("cboPast")->currentData().toInt();
        const int future = lib<QComboBox>("cboFuture")->currentData().toInt();
        const bool none = lib("lblNoMatch")->isVisible();
        speak(Language::English);

        const QString german = ::paragraph(text, QStringLiteral("de"), paragraph).simplified();
        QVERIFY(!german.isEmpty());
        QVERIFY2(shown.contains(german), qPrintable(shown));
        QVERIFY2(spoken.contains(german), qPrintable(spoken));
        const auto entry = std::find_if(entries.begin(), entries.end(), [&](const LibraryEntry &e) {
            return e.piece == pieceOf(oracle, first, second);
        });
        QVERIFY(entry != entries.end());
        QCOMPARE(title, entry->title);
        QCOMPARE(search, typed);
        QVERIFY2(pieces.contains(title), qPrintable(pieces.join(u',')));
        QVERIFY(!none);
        QCOMPARE(past, 3);
        QCOMPARE(future, 11);
        QCOMPARE(libraryTexts(), english);
    }

    // Every word of the Library's own changes with the language, in sight
    // or heard, and a language that is longer still fits; the piece or
    // heading on show, the search, the trees and the headings closed stay.
    void ownWordsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("marked"); // control.property
        QTest::newRow("a tree, two the same")
            << QStringLiteral("The Oak Tree") << QString()
            << words({"lblPlace.text", "lblOghamChoice.text", "lblPast.text", "lblPresent.text", "lblFuture.text",
                      "lblPresentTree.accessibleName", "cboPast.spokenName", "cboFuture.spokenName", "lblReadNote.text",
                      "cmdRead.text", "cmdRead.accessibleDescription", "txtDetail.accessibleName"});
        QTest::newRow("a tile") << QStringLiteral("Wind North") << QStringLiteral("wind")
                                << words({"lblPlace.text", "txtDetail.plainText", "txtDetail.accessibleName",
                                          "cmdRead.text"});
        QTest::newRow("a domino") << QStringLiteral("6-4 and 4-6") << QString()
                                  << words({"lblPlace.text", "lblTitle.text", "txtDetail.accessibleName"});
        QTest::newRow("a heading") << QStringLiteral("Domino") << QString()
                                   << words({"lblTitle.text", "txtDetail.plainText", "txtDetail.accessibleName"});
        QTest::newRow("a suit") << QStringLiteral("Flowers") << QString()
                                << words({"lblPlace.text", "lblTitle.text", "txtDetail.plainText"});
        QTest::newRow("nothing found") << QString() << QStringLiteral("zzyzx")
                                       << words({"lblNoMatch.text", "txtSearch.accessibleDescription"});
    }
    void ownWordsFollowTheLanguage()
    {
        QFETCH(QString, piece);
        QFETCH(QString, typed);
        QFETCH(QStringList, marked);
        QTest::keyClicks(lib("txtSearch"), typed);
        if (!piece.isEmpty())
            choose(piece);
        if (piece == QLatin1String("The Oak Tree"))
            chooseTrees(5, 5);
        list()->topLevelItem(4)->setExpanded(false); // the colours' section closed
        const QStringList english = libraryTexts();
        const QString title = lib<QLabel>("lblTitle")->text();

        LongerEnglish longer;
        QCoreApplication::installTranslator(&longer);
        QCoreApplication::processEvents();
        for (const QString &part :
             marked
                 + words({"frmOracleLibrary.windowTitle", "lblSearch.text", "txtSearch.placeholderText",
                          "txtSearch.accessibleName", "treEntries.accessibleName"})) {
            const QString control = part.section(u'.', 0, 0);
            const QByteArray property = part.section(u'.', 1).toLatin1();
            QWidget *w = control == QLatin1String(Library) ? library() : lib(qPrintable(control));
            const QString text = property == "spokenName"
                                     ? QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name)
                                     : w->property(property.constData()).toString();
            QVERIFY2(LongerEnglish::marks(text), qPrintable(part + u' ' + text));
        }
        for (QToolButton *clear : lib("txtSearch")->findChildren<QToolButton *>())
            QVERIFY2(LongerEnglish::marks(clear->accessibleName()), qPrintable(clear->accessibleName()));
        // The headings: the sections, and the suits.
        QCOMPARE(list()->topLevelItemCount(), 5);
        for (int s = 0; s < 5; ++s) {
            const QTreeWidgetItem *section = list()->topLevelItem(s);
            QVERIFY2(LongerEnglish::marks(section->text(0)), qPrintable(section->text(0)));
            QCOMPARE(section->isExpanded(), s != 4);
        }
        for (int g = 0; g < list()->topLevelItem(2)->childCount(); ++g)
            QVERIFY(LongerEnglish::marks(list()->topLevelItem(2)->child(g)->text(0)));
        // The same in sight: a piece named by its oracle's table keeps its name.
        if (!piece.isEmpty() && !marked.contains(QLatin1String("lblTitle.text")))
            QCOMPARE(lib<QLabel>("lblTitle")->text(), title);
        QCOMPARE(lib<QLineEdit>("txtSearch")->text(), typed);
        if (piece == QLatin1String("The Oak Tree")) {
            QCOMPARE(lib<QComboBox>("cboPast")->currentData().toInt(), 5);
            QCOMPARE(lib<QComboBox>("cboFuture")->currentData().toInt(), 5);
        }
        const QStringList squeezed = squeezedParts();
        QCoreApplication::removeTranslator(&longer);
        QCoreApplication::processEvents();

        QVERIFY2(squeezed.isEmpty(), qPrintable(squeezed.join(u',')));
        QCOMPARE(libraryTexts(), english);
    }
};

QTEST_MAIN(tst_Library)
#include "tst_library.moc"
