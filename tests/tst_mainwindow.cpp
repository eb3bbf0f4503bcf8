// The main window with the real oracle windows: the launcher, the welcome
// panel, menus that follow the active window, the shared links and labels,
// the pause, and a layout that fits the screen it runs on (this test runs on
// several screen sizes).
#include "fixture.h"
#include "frmcelticoghamoraclemain.h"
#include "look.h"
#include "oraclewindowlooks.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

namespace {
constexpr char Question[] = "frmCelticOghamOracleMain";
constexpr char Reading[] = "frmCelticOghamOracleDisplay";

QString page(const char *key)
{
    return QStringLiteral("http://augurium.example/augurium-2/ssd.php?page=") + QLatin1String(key);
}

bool gone(const QPointer<OracleWindow> &window)
{
    return !window || window->isClosed();
}

QStringList texts(const QList<QAction *> &actions)
{
    QStringList result;
    for (const QAction *a : actions)
        result << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return result;
}

// The question window with its pause in reach of the test.
struct PausingQuestion : frmCelticOghamOracleMain {
    using frmCelticOghamOracleMain::frmCelticOghamOracleMain;
    using OracleWindow::PauseSeconds;
};
} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;

    QLabel *caption(int index) const
    {
        return f->child<QLabel>(qPrintable(QStringLiteral("lblCaption_%1").arg(index)));
    }

    // An Ogham reading: the question window hidden, the reading shown.
    OracleWindow *reading()
    {
        f->mdi->LaunchOracle(CelticOgham);
        QTest::mouseClick(f->in(Question, "picMainImage"), Qt::LeftButton);
        return f->window(Reading);
    }

    // Opens the window of that class as a user reaches it: the launcher for a
    // start window, the start window's command for a result window.
    OracleWindow *open(const QString &window)
    {
        const OracleWay *way = wayTo(window);
        if (!way)
            return nullptr;
        QTest::mouseClick(f->child(way->launcher), Qt::LeftButton);
        if (window == QLatin1String(way->start))
            return f->window(way->start);
        if (auto *box = f->in<QCheckBox>(way->start, "chkGoodLuck_0"))
            box->setChecked(true);
        QTest::mouseClick(f->in(way->start, way->command), Qt::LeftButton);
        return f->window(way->result);
    }

    bool showsOwnMenus() const
    {
        const QList<QAction *> bar = f->mdi->menuBar()->actions();
        return bar.size() == 3 && bar[0]->menu() && bar[0]->menu()->parent() == f->mdi.get()
               && f->mdi->menuBar()->isVisible() && f->mdi->menuBar()->height() > 0;
    }

    static void verifyLook(OracleWindow *window, const OracleWindowLook &look)
    {
        const PromotionLayout &p = look.promotions;
        const auto at = [window](const char *name) {
            QWidget *w = window->findChild<QWidget *>(QLatin1String(name));
            return QRect(w->mapTo(window, QPoint()), w->size());
        };
        const QPoint top = p.top ? p.top->rect.topLeft() : QPoint();
        const QPoint bottom = p.bottom ? p.bottom->rect.topLeft() : QPoint();
        QCOMPARE(at("Label61"), p.banner.translated(top));
        QCOMPARE(at("lblCobrand"), p.brand.translated(bottom));
        QCOMPARE(at("lblFullBrand"), p.brand.translated(bottom));
        const bool coBrandInFront = p.front == PromotionLayout::Front::CoBrand;
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblCobrand"))->isHidden(), !coBrandInFront);
        QCOMPARE(window->findChild<QLabel *>(QStringLiteral("lblFullBrand"))->isHidden(), coBrandInFront);
        QVERIFY(window->findChild<QAction *>(QLatin1String(look.makeMoney)));
        const QString update = look.updateCaption == MenuBarLook::UpdateCaption::SoftwareUpdate
                                   ? QStringLiteral("Check for Software &Update")
                                   : QStringLiteral("&Check for Software Update");
        QCOMPARE(window->findChild<QAction *>(QStringLiteral("mnuUpdate"))->text(), update);
        QStringList file = texts(window->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions());
        QCOMPARE(file.takeLast(), QStringLiteral("E&xit"));
        if (!file.isEmpty()) // the window's own items stand apart from Exit
            QCOMPARE(file.takeLast(), QStringLiteral("-"));
        if (look.back.name) {
            QCOMPARE(file.value(0), QLatin1String(look.back.text));
            QVERIFY(window->findChild<QAction *>(QLatin1String(look.back.name)));
        }
    }

private slots:
    void init() { f = std::make_unique<OracleFixture>(); }
    void cleanup() { f.reset(); }

    void layoutIsCentredOnTheScreen()
    {
        const int W = f->mdi->screen()->geometry().width();
        for (const char *name : {"lblStarloomBanner", "picButtonContainer", "lblCaption_1", "lblCaption_3"}) {
            QWidget *w = f->child(name);
            QVERIFY2(qAbs(w->x() - (W - w->width()) / 2) <= 1, name);
        }
        QCOMPARE(f->child("cmdMdiExit")->x(), W - (89 + 8));
        QCOMPARE(f->mdi->windowTitle(), QStringLiteral("Augurium v1.20"));
        QVERIFY(f->child("cmdSelectOption_0")->isEnabled());
    }

    // The bottom strip and its Exit button stay in sight; the welcome panel
    // gives up height instead.
    void fitsTheScreen()
    {
        const QRect available = f->mdi->screen()->availableGeometry();
        QVERIFY(f->mdi->frameGeometry().height() <= available.height());
        QWidget *client = f->mdi->centralWidget();
        QWidget *strip = f->child("PicCoBrand");
        QCOMPARE(strip->geometry().bottom(), client->height() - 1);
        QCOMPARE(strip->height(), 49);
        QWidget *exit = f->child("cmdMdiExit");
        QVERIFY(client->rect().contains(QRect(exit->mapTo(client, QPoint()), exit->size())));
        QVERIFY(f->child("picMain")->height() <= 576);
        QVERIFY(f->child("picMain")->height() > 0);

        f->mdi->showNormal();
        QTRY_COMPARE(client->size(), QSize(792, 546));
        QCOMPARE(f->child("PicCoBrand")->geometry().bottom(), 545);
    }

    // Restored or resized, the window lays its strips out on its own width:
    // the banner and the launcher buttons centred, the Exit button in sight,
    // and an oracle window centred in the area.
    void restoredWindowFollowsItsOwnSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("restored") << QSize();
        QTest::newRow("wider") << QSize(1100, 700);
        QTest::newRow("narrow") << QSize(780, 560);
    }
    void restoredWindowFollowsItsOwnSize()
    {
        QFETCH(QSize, size);
        QWidget *client = f->mdi->centralWidget();
        f->mdi->LaunchOracle(GoodLuck); // placed on the maximised window
        f->mdi->showNormal();
        QTRY_COMPARE(client->size(), QSize(792, 546));
        if (size.isValid()) {
            f->mdi->resize(size);
            QTRY_COMPARE(f->mdi->size(), size);
        }
        const int W = client->width();
        for (const char *name : {"lblStarloomBanner", "picButtonContainer", "lblCaption_1", "lblCaption_7"}) {
            QWidget *w = f->child(name);
            QVERIFY2(qAbs(w->x() - (W - w->width()) / 2) <= 1, name);
            QVERIFY2(client->rect().contains(QRect(w->mapTo(client, QPoint()), w->size())), name);
        }
        QWidget *exit = f->child("cmdMdiExit");
        QCOMPARE(exit->x(), W - (89 + 8));
        QVERIFY(client->rect().contains(QRect(exit->mapTo(client, QPoint()), exit->size())));
        // The oracle window already open is drawn in, not left cut off.
        const QWidget *open = OracleFixture::frame(f->window("frmGoodLuckSymbolOracleMain"));
        QTRY_VERIFY(open->geometry().right() < f->child<QMdiArea>("mdiArea")->viewport()->width());
        f->mdi->LaunchOracle(Domino);
        const QWidget *frame = OracleFixture::frame(f->window("frmDominoOracleMain"));
        QVERIFY(qAbs(frame->x() - (W - frame->width()) / 2) <= 1);

        f->mdi->showMaximized(); // and back as the design has it
        QTRY_COMPARE(f->child("cmdMdiExit")->x(), f->mdi->screen()->geometry().width() - (89 + 8));
    }

    // In a window larger than the area, the area scrolls to the control that
    // Tab reaches, so the keyboard can follow it.
    void focusedControlIsScrolledIntoView()
    {
        f->mdi->showNormal();
        f->mdi->resize(780, 560);
        QTRY_COMPARE(f->mdi->size(), QSize(780, 560));
        OracleWindow *shown = reading(); // 890 x 546, larger than the area
        auto *area = f->child<QMdiArea>("mdiArea");
        QWidget *back = f->in(Reading, "cmdBack");
        const auto inView = [area](QWidget *w) {
            return area->viewport()->rect().contains(QRect(w->mapTo(area->viewport(), QPoint()), w->size()));
        };
        QTRY_VERIFY(area->viewport()->height() > 100);
        QVERIFY(!inView(back));
        for (int presses = 0; presses < 40 && QApplication::focusWidget() != back; ++presses)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), back);
        QTRY_VERIFY(inView(back));
        // Back to the first control, the banner wider than the area: its start
        // comes into view.
        QWidget *banner = shown->findChild<QWidget *>(QStringLiteral("Label61"));
        banner->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(area->viewport()->rect().contains(banner->mapTo(area->viewport(), QPoint(0, 0))));
    }

    // A window narrower than the launcher row (a small screen, a large
    // scale) scrolls the row: each button is in sight when it takes the
    // focus, and a scroll bar brings the last one to the mouse.
    void launcherRowScrollsIntoSight()
    {
        f->mdi->showNormal();
        f->mdi->resize(560, 560);
        QTRY_COMPARE(f->mdi->size(), QSize(560, 560));
        const auto inSight = [](QWidget *w) { return w->isVisible() && w->visibleRegion() == QRegion(w->rect()); };
        QWidget *last = f->child("cmdSelectOption_4");
        QVERIFY(!inSight(last));

        const QList<QWidget *> row{f->child("cmdSelectOption_1"), f->child("cmdSelectOption_2"),
                                   f->child("cmdSelectOption_3"), f->child("cmdSelectOption_0"), last};
        row.front()->setFocus(Qt::TabFocusReason);
        for (QWidget *button : row) {
            QCOMPARE(QApplication::focusWidget(), button);
            QTRY_VERIFY2(inSight(button), qPrintable(button->objectName()));
            QTest::keyClick(button, Qt::Key_Tab);
        }
        for (QWidget *button : {row[4], row[3], row[2], row[1], row[0]}) { // back from the titles below
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(QApplication::focusWidget(), button);
            QTRY_VERIFY2(inSight(button), qPrintable(button->objectName()));
        }

        QScrollBar *bar = nullptr;
        for (QScrollBar *b : f->child("Picture1")->findChildren<QScrollBar *>())
            if (b->isVisible() && b->orientation() == Qt::Horizontal)
                bar = b;
        QVERIFY(bar);
        QTRY_VERIFY(inSight(bar));
        bar->setValue(bar->maximum());
        QTRY_VERIFY(inSight(last));
        QTest::mouseClick(last, Qt::LeftButton);
        QVERIFY(f->window("frmMysticColorOracleMain"));
    }

    void launchDiscardsEveryOracleWindowAndPlacesTheNewOne()
    {
        const QPointer<OracleWindow> shown = reading();
        const QPointer<OracleWindow> hiddenStart = f->window(Question);
        QVERIFY(hiddenStart && !hiddenStart->isShown());

        QTest::mouseClick(f->child("cmdSelectOption_0"), Qt::LeftButton);

        QVERIFY(gone(shown));
        QVERIFY(gone(hiddenStart));
        QVERIFY(!f->welcomeVisible());
        OracleWindow *fresh = f->window(Question);
        QVERIFY(fresh && fresh->isShown() && fresh != hiddenStart);
        const QWidget *frame = OracleFixture::frame(fresh);
        QCOMPARE(frame->y(), 0);
        QVERIFY(qAbs(frame->x() - (f->mdi->screen()->geometry().width() - frame->width()) / 2) <= 1);
    }

    // However a reading is left, the main window has its own menus back.
    void leavingAReadingGivesTheMenusBack_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("File > Exit") << QStringLiteral("menu");
        QTest::newRow("close box") << QStringLiteral("close box");
        QTest::newRow("keyboard Ctrl+F4") << QStringLiteral("keys");
    }
    void leavingAReadingGivesTheMenusBack()
    {
        QFETCH(QString, how);
        OracleWindow *shown = reading();
        QCOMPARE(f->mdi->menuBar()->actions(), shown->menuBarActions());
        QCOMPARE(texts(shown->findChild<QMenu *>(QStringLiteral("mnuFile"))->actions()),
                 (QStringList{QStringLiteral("Back"), QStringLiteral("-"), QStringLiteral("&Copy Reading"),
                              QStringLiteral("&Save Reading As\u2026"), QStringLiteral("&Print Reading\u2026"),
                              QStringLiteral("-"), QStringLiteral("E&xit")}));
        const QPointer<OracleWindow> alive(shown);
        if (how == QLatin1String("menu"))
            shown->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        else if (how == QLatin1String("close box"))
            OracleFixture::frame(shown)->close();
        else
            QTest::keyClick(OracleFixture::frame(shown), Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(gone(alive));
        QVERIFY(f->welcomeVisible());
        QVERIFY(!f->window(Question)->isShown()); // left alive, hidden, until the next launch
        QVERIFY(showsOwnMenus());
        QTRY_VERIFY(!alive);
        QVERIFY(showsOwnMenus());
        // The Exit of the main window's own File menu ends the program, not a reading.
        f->mdi->menuBar()->actions()[0]->menu()->actions().last()->trigger();
        QVERIFY(!f->mdi->isVisible());
    }

    // Every window, left every way a user can, gives the main window its own
    // menus back, or for Back the start window's.
    void everyWindowLeftEveryWay_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("way");
        for (const OracleWindowLook &look : OracleWindowLooks()) {
            const QString window = QLatin1String(look.window);
            QStringList ways{QStringLiteral("File > Exit"), QStringLiteral("close box"), QStringLiteral("close key")};
            if (look.back.name)
                ways << QStringLiteral("Back");
            if (window.endsWith(QLatin1String("Display")) && !window.contains(QLatin1String("Ogham")))
                ways << QStringLiteral("Exit button") << QStringLiteral("Esc");
            for (const QString &way : ways)
                QTest::newRow(qPrintable(window + QStringLiteral(", ") + way)) << window << way;
        }
    }
    void everyWindowLeftEveryWay()
    {
        QFETCH(QString, window);
        QFETCH(QString, way);
        OracleWindow *shown = open(window);
        QVERIFY(shown && shown->isShown());
        QCOMPARE(f->mdi->menuBar()->actions(), shown->menuBarActions());
        const QPointer<OracleWindow> alive(shown);
        if (way == QLatin1String("File > Exit"))
            shown->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        else if (way == QLatin1String("close box"))
            OracleFixture::frame(shown)->close();
        else if (way == QLatin1String("Exit button"))
            QTest::mouseClick(shown->findChild<QWidget *>(QStringLiteral("cmdExit")), Qt::LeftButton);
        else if (way == QLatin1String("close key")) // the desktop's key for it, where the keys are
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(QKeySequence::Close));
        else if (way == QLatin1String("Esc"))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            shown->findChild<QAction *>(QLatin1String(oracleWindowLook(qPrintable(window))->back.name))->trigger();
        QVERIFY(!alive || alive->isClosed());
        QVERIFY(f->mdi->isVisible());
        if (way == QLatin1String("Back")) {
            OracleWindow *start = nullptr;
            for (const OracleWindowLook &look : OracleWindowLooks())
                if (OracleWindow *w = f->window(look.window); w && w->isShown())
                    start = w;
            QVERIFY(start && !f->welcomeVisible());
            QCOMPARE(f->mdi->menuBar()->actions(), start->menuBarActions());
        } else {
            QVERIFY(f->welcomeVisible());
            QVERIFY(showsOwnMenus());
        }
    }

    // The Library closed over a reading, however it is closed, gives the keys
    // back to the reading: active, its menus in the bar, the focus where the
    // user left it, and Alt+E its own Exit, not the program's.
    void closingTheLibraryReturnsToTheWindowBelow_data()
    {
        QTest::addColumn<QString>("how");
        for (const char *how : {"close box", "Ctrl+W", "Ctrl+F4", "File > Exit"})
            QTest::newRow(how) << QString::fromLatin1(how);
    }
    void closingTheLibraryReturnsToTheWindowBelow()
    {
        QFETCH(QString, how);
        OracleWindow *below = open(QStringLiteral("frmDominoOracleDisplay"));
        QWidget *back = below->findChild<QWidget *>(QStringLiteral("cmdOK"));
        back->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
        const QPointer<OracleWindow> library = f->window("frmOracleLibrary");
        QVERIFY(library && library->isShown());
        QVERIFY(library->isAncestorOf(QApplication::focusWidget()));

        if (how == QLatin1String("close box"))
            OracleFixture::frame(library)->close();
        else if (how == QLatin1String("File > Exit"))
            library->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        else
            QTest::keyClick(QApplication::focusWidget(), how.endsWith(u'W') ? Qt::Key_W : Qt::Key_F4,
                            Qt::ControlModifier);
        QTRY_VERIFY(!library);

        QCOMPARE(f->child<QMdiArea>("mdiArea")->activeSubWindow(), OracleFixture::frame(below));
        QCOMPARE(f->mdi->menuBar()->actions(), below->menuBarActions());
        QCOMPARE(QApplication::focusWidget(), back);
        const QPointer<OracleWindow> alive(below);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(gone(alive)); // its own Exit button, pressed after a moment
        QVERIFY(f->mdi->isVisible());
    }

    void welcomeLabelClicks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("opens");
        QTest::newRow("heading") << 0 << false;
        QTest::newRow("welcome text") << 1 << false;
        QTest::newRow("programs heading") << 2 << false;
        QTest::newRow("Celtic Ogham title") << 3 << true;
    }
    void welcomeLabelClicks()
    {
        QFETCH(int, index);
        QFETCH(bool, opens);
        reading()->findChild<QAction *>(QStringLiteral("mnuExit"))->trigger();
        const QPointer<OracleWindow> hiddenStart = f->window(Question);

        QTest::mouseClick(caption(index), Qt::LeftButton);

        QVERIFY(gone(hiddenStart));
        QCOMPARE(f->welcomeVisible(), !opens);
        if (opens)
            QVERIFY(f->window(Question)->isShown());
    }

    void hoverUnderlinesLinkTitlesOnly()
    {
        const auto move = [](QWidget *w, QPoint at = {5, 5}) {
            QMouseEvent event(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &event);
        };
        move(caption(3));
        QVERIFY(caption(3)->font().underline());
        move(caption(0));
        QVERIFY(!caption(0)->font().underline());
        QVERIFY(caption(3)->font().underline()); // only the panel's background clears it
        move(f->child("Picture1"));
        QVERIFY(caption(3)->font().underline());
        move(f->child("picMain"));
        QVERIFY(!caption(3)->font().underline());
    }

    void helpMenuAndLinksOpenTheirPages()
    {
        const QMenu *help = f->mdi->findChild<QMenu *>(QStringLiteral("mnuHelp"));
        QCOMPARE(
            texts(help->actions()),
            (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"), QStringLiteral("-"),
                         QStringLiteral("Check for Software &Update"), QStringLiteral("-"),
                         QStringLiteral("&About Software"), QStringLiteral("-"), QStringLiteral("Oracle &Library"),
                         QStringLiteral("Lan&guage")}));
        const QAction *makeMoney = f->mdi->findChild<QAction *>(QStringLiteral("mkmoney"));
        QVERIFY(makeMoney && !makeMoney->isEnabled());

        for (const char *name : {"mnuOnline", "mnuVisit", "mnuUpdate"})
            f->mdi->findChild<QAction *>(QLatin1String(name))->trigger();
        for (const char *name : {"Picture6", "lblStarloomBanner", "Label7"})
            QTest::mouseClick(f->child(name), Qt::LeftButton);
        QCOMPARE(f->t.urls.opened, (QStringList{page("help-web-page"), page("home-page"), page("download-web-page"),
                                                page("home-page"), page("home-page"), page("fully-branded")}));
        // The update item goes straight to the page: no reminder date is written.
        QVERIFY(!QFile::exists(f->t.settings.filePath()));
    }

    void aboutBoxLinksAndCloses()
    {
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            QVERIFY(box);
            checked = true;
            QCOMPARE(box->objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(box->size(), QSize(454, 258));
            const auto *text = box->findChild<QLabel *>(QStringLiteral("Label1"));
            QVERIFY(text->text().startsWith(QStringLiteral("Oracles have always helped")));
            QTest::mouseClick(box->findChild<QLabel *>(QStringLiteral("lblHomePage")), Qt::LeftButton);
            QTest::mouseClick(box->findChild<QLabel *>(QStringLiteral("lblCoBrand")), Qt::LeftButton);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        f->mdi->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(checked);
        QCOMPARE(f->t.urls.opened, (QStringList{page("home-page"), page("fully-branded")}));
    }

    void oracleWindowsAreFixedChildrenWithTheirOracleIcon()
    {
        OracleWindow *shown = reading();
        for (OracleWindow *window : {f->window(Question), shown}) {
            QMdiSubWindow *frame = OracleFixture::frame(window);
            QCOMPARE(frame->minimumSize(), frame->maximumSize());
            const Qt::WindowFlags flags = frame->windowFlags();
            QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
            QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
            QVERIFY(flags & Qt::WindowCloseButtonHint);
            // The title bar shows the frame's icon: the oracle's, not the program's.
            QCOMPARE(frame->windowIcon().pixmap(32).toImage(),
                     QIcon(QLatin1String(OracleIcon[CelticOgham])).pixmap(32).toImage());
        }
        QCOMPARE(f->window(Question)->size(), QSize(496, 353));
        QCOMPARE(shown->size(), QSize(890, 546));
    }

    // Every control of every window can be reached, whatever the screen.
    void oracleWindowsCanBeScrolledIntoReach()
    {
        OracleWindow *shown = reading();
        auto *area = f->child<QMdiArea>("mdiArea");
        QMdiSubWindow *frame = OracleFixture::frame(shown);
        const auto inView = [area](QWidget *w, QPoint corner) {
            return area->viewport()->rect().contains(w->mapTo(area->viewport(), corner));
        };
        const auto scrollTo = [area](bool right, bool down) {
            QScrollBar *h = area->horizontalScrollBar();
            QScrollBar *v = area->verticalScrollBar();
            h->setValue(right ? h->maximum() : h->minimum());
            v->setValue(down ? v->maximum() : v->minimum());
        };
        QTRY_VERIFY(area->viewport()->height() > 100); // once the welcome panel has given its place
        scrollTo(false, false);
        QVERIFY(inView(frame, QPoint(0, 0)));
        scrollTo(true, false);
        QVERIFY(inView(frame, QPoint(frame->width() - 1, 0))); // the close box
        scrollTo(true, true);
        QWidget *back = f->in(Reading, "cmdBack");
        QVERIFY(inView(back, QPoint(back->width() - 1, back->height() - 1)));
    }

    // The promotional labels and menu variations of each window follow its look.
    void windowsFollowTheirLooks()
    {
        int checked = 0;
        const auto checkLiveWindows = [&] {
            for (const OracleWindowLook &look : OracleWindowLooks())
                if (OracleWindow *window = f->window(look.window)) {
                    ++checked;
                    verifyLook(window, look);
                }
        };
        reading();
        checkLiveWindows();
        f->mdi->LaunchOracle(Domino);
        QTest::mouseClick(f->in("frmDominoOracleMain", "picProceed"), Qt::LeftButton);
        checkLiveWindows();
        f->mdi->LaunchOracle(Mahjong);
        QTest::mouseClick(f->in("frmMahjongOracleMain", "cmdFindMajong"), Qt::LeftButton);
        checkLiveWindows();
        f->mdi->LaunchOracle(MysticalColor);
        checkLiveWindows();
        f->mdi->LaunchOracle(GoodLuck);
        f->in<QCheckBox>("frmGoodLuckSymbolOracleMain", "chkGoodLuck_0")->setChecked(true);
        QTest::mouseClick(f->in("frmGoodLuckSymbolOracleMain", "cmdNext"), Qt::LeftButton);
        checkLiveWindows();
        QCOMPARE(checked, 9); // all nine windows

        // The links lead where they say.
        QTest::mouseClick(f->in("frmGoodLuckSymbolOracleDisplay", "Label61"), Qt::LeftButton);
        QTest::mouseClick(f->in("frmGoodLuckSymbolOracleDisplay", "lblCobrand"), Qt::LeftButton);
        QCOMPARE(f->t.urls.opened, (QStringList{page("home-page"), page("co-brand")}));
        QVERIFY(f->in<QLabel>("frmGoodLuckSymbolOracleDisplay", "lblCobrand")
                    ->text()
                    .endsWith(QStringLiteral("See \"Help\" for details.    Click Here for more info on co-branding.")));
    }

    // The launcher finds a window by its class, whatever its object name says.
    void windowsAreFoundByClass()
    {
        f->mdi->LaunchOracle(CelticOgham);
        const QPointer<OracleWindow> first = f->window(Question);
        first->setObjectName(QStringLiteral("renamed"));
        f->mdi->LaunchOracle(CelticOgham);
        QVERIFY(gone(first));
    }

    // Only the buttons the design draws grey and raised look so; the message
    // boxes keep the desktop's own buttons.
    void graphicalLookOnlyWhereNamed()
    {
        const auto face = [](QWidget *button) {
            const QImage face = button->grab().toImage();
            return face.pixelColor(face.width() / 2, int(4 * face.devicePixelRatio())).rgb() & 0xFFFFFF;
        };
        QCOMPARE(face(f->child("cmdSelectOption_0")), 0xC0C0C0u);
        QMessageBox box(QMessageBox::Information, QStringLiteral("Augurium"), QStringLiteral("text"), QMessageBox::Ok);
        box.show();
        QVERIFY(face(box.button(QMessageBox::Ok)) != 0xC0C0C0u);
    }

    // Under a dark desktop theme the windows laid out in pixels keep the
    // colours they were drawn in: none of their controls takes a colour of
    // the theme, and texts on fixed backgrounds keep their own. The Library,
    // the menus and message boxes follow the theme.
    void designedColoursUnderADarkTheme_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("background"); // invalid: the system button colour, light
        QTest::newRow("main window's bottom link")
            << QString() << QStringLiteral("Label7") << QColor(Qt::black) << QColor(192, 192, 255);
        for (const char *caption : {"Label6", "Label3", "Label7"})
            QTest::addRow("colour window's %s", caption)
                << QStringLiteral("frmMysticColorOracleMain") << QString::fromLatin1(caption)
                << QColor(0x40, 0x40, 0x40) << QColor(Qt::white);
        // Every oracle window, by the link in front in its bottom strip.
        for (const OracleWindowLook &look : OracleWindowLooks()) {
            const PromotionLayout &p = look.promotions;
            QTest::addRow("%s's link", look.window)
                << QString::fromLatin1(look.window)
                << QString::fromLatin1(p.front == PromotionLayout::Front::CoBrand ? "lblCobrand" : "lblFullBrand")
                << p.brandText << p.brandBackground;
        }
    }
    void designedColoursUnderADarkTheme()
    {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QColor, text);
        QFETCH(QColor, background);
        const QPalette desktop = QApplication::palette();
        const auto restore = qScopeGuard([desktop] { QApplication::setPalette(desktop); });
        QPalette dark;
        const QList<std::pair<QPalette::ColorRole, QColor>> theme{
            {QPalette::Window, QColor(0x30, 0x30, 0x31)},       {QPalette::WindowText, QColor(0xdd, 0xdd, 0xde)},
            {QPalette::Base, QColor(0x2a, 0x2a, 0x2b)},         {QPalette::Text, QColor(0xdd, 0xdd, 0xdf)},
            {QPalette::Button, QColor(0x3a, 0x3a, 0x3b)},       {QPalette::ButtonText, QColor(0xdd, 0xdd, 0xe0)},
            {QPalette::AlternateBase, QColor(0x32, 0x32, 0x33)}};
        for (const auto &[role, colour] : theme)
            dark.setColor(role, colour);
        QApplication::setPalette(dark);
        f.reset();
        f = std::make_unique<OracleFixture>();

        OracleWindow *shown = window.isEmpty() ? nullptr : open(window);
        QWidget *designed = shown ? static_cast<QWidget *>(shown) : f->mdi->centralWidget();
        // A control shows its face and its text; a bare panel only its face.
        const auto themed = [&theme](const QWidget *w) {
            QList<QPalette::ColorRole> shown{w->backgroundRole()};
            const auto *frame = qobject_cast<const QFrame *>(w);
            if (!frame || frame->frameShape() != QFrame::NoFrame || qobject_cast<const QLabel *>(w))
                shown << w->foregroundRole();
            for (const auto &[role, colour] : theme)
                if (shown.contains(role) && w->palette().color(role).rgba() == colour.rgba())
                    return true;
            return false;
        };
        QList<QWidget *> controls = designed->findChildren<QWidget *>();
        // Not the menus' own windows, nor the main window's area between its strips.
        const QWidget *area = shown ? nullptr : f->child("mdiArea");
        controls.removeIf([area, designed](const QWidget *w) {
            return w->window() != designed->window() || (area && (w == area || area->isAncestorOf(w)));
        });
        for (QWidget *w : std::as_const(controls))
            QVERIFY2(!themed(w), qPrintable(QLatin1String(w->metaObject()->className()) + QLatin1Char(' ')
                                            + w->objectName() + QStringLiteral(" in ") + w->parentWidget()->objectName()
                                            + QStringLiteral(" takes the theme's colours")));
        auto *shownControl = designed->findChild<QWidget *>(control);
        QVERIFY(shownControl);
        QCOMPARE(shownControl->palette().color(shownControl->foregroundRole()), text);
        // The background as seen where the text does not reach.
        const QImage seen = shownControl->parentWidget()->grab(shownControl->geometry()).toImage();
        const QColor behind = seen.pixelColor(seen.width() - 2, seen.height() - 2);
        const auto near = [](const QColor &a, const QColor &b) {
            return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 12;
        };
        if (background.isValid())
            QVERIFY2(near(behind, background), qPrintable(behind.name()));
        else
            QVERIFY2(behind.lightness() >= 200, qPrintable(behind.name()));

        // What the design leaves to the desktop follows it.
        if (shown) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::ControlModifier);
            OracleWindow *library = f->window("frmOracleLibrary");
            QVERIFY(library);
            QCOMPARE(library->palette().color(QPalette::Window), dark.color(QPalette::Window));
            QCOMPARE(shown->findChild<QMenu *>(QStringLiteral("mnuFile"))->palette().color(QPalette::Window),
                     dark.color(QPalette::Window));
            QMessageBox box(QMessageBox::Information, QStringLiteral("Augurium"), QStringLiteral("text"),
                            QMessageBox::Ok, shown);
            QCOMPARE(box.palette().color(QPalette::Window), dark.color(QPalette::Window));
        }
    }

    // The desktop's text size reaches what the design does not lay out in
    // pixels (the Library, message boxes); the main window, the oracle
    // windows, their menus and the About box keep the design font.
    void desktopFontOutsideTheDesign()
    {
        const QFont original = desktopFont();
        const auto restore = qScopeGuard([original] {
            QApplication::setFont(original);
            applyAuguriumLook(*qApp);
        });
        QFont desktop(QStringLiteral("DejaVu Serif"));
        desktop.setPointSizeF(13);
        QApplication::setFont(desktop);
        applyAuguriumLook(*qApp); // the program starting on that desktop
        f.reset();
        f = std::make_unique<OracleFixture>();
        const auto hasFont = [](const QWidget *w, const QString &family, qreal size) {
            return w->font().family() == family && qFuzzyCompare(w->font().pointSizeF(), size);
        };
        const auto designed = [&hasFont](const QWidget *w) { return hasFont(w, QStringLiteral("DejaVu Sans"), 8.25); };
        const auto desktops = [&hasFont, &desktop](const QWidget *w) {
            return hasFont(w, desktop.family(), desktop.pointSizeF());
        };

        OracleWindow *shown = open(QStringLiteral("frmDominoOracleDisplay"));
        for (const QWidget *w : {f->child("Label7"), f->child("cmdSelectOption_0"), f->child("lblCaption_1"),
                                 static_cast<QWidget *>(f->mdi->menuBar()),
                                 f->mdi->findChild<QWidget *>(QStringLiteral("mnuHelp"), Qt::FindDirectChildrenOnly),
                                 shown->findChild<QWidget *>(QStringLiteral("cmdExit")),
                                 shown->findChild<QWidget *>(QStringLiteral("lblCobrand")),
                                 shown->findChild<QWidget *>(QStringLiteral("mnuFile"))})
            QVERIFY2(designed(w), qPrintable(w->objectName() + QLatin1Char(' ') + w->font().toString()));
        bool aboutDesigned = false;
        QTimer::singleShot(0, this, [&] {
            QWidget *box = QApplication::activeModalWidget();
            const QWidget *text = box ? box->findChild<QWidget *>(QStringLiteral("Label1")) : nullptr;
            aboutDesigned = text && designed(text);
            if (box)
                box->close();
        });
        shown->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(aboutDesigned);

        QMessageBox box(QMessageBox::Information, QStringLiteral("Augurium"), QStringLiteral("text"), QMessageBox::Ok,
                        shown);
        box.ensurePolished(); // as showing it does
        QVERIFY2(desktops(&box), qPrintable(box.font().toString()));
        shown->findChild<QAction *>(QStringLiteral("mnuLibrary"))->trigger();
        OracleWindow *library = f->window("frmOracleLibrary");
        QVERIFY(library);
        for (const QWidget *w :
             {static_cast<QWidget *>(library), library->findChild<QWidget *>(QStringLiteral("mnuFile"))})
            QVERIFY2(desktops(w), qPrintable(w->objectName() + QLatin1Char(' ') + w->font().toString()));
    }

    void exitClosesOracleWindowsAndTheProgram()
    {
        const QPointer<OracleWindow> shown = reading();
        QTest::mouseClick(f->child("cmdMdiExit"), Qt::LeftButton);
        QVERIFY(!f->mdi->isVisible());
        QVERIFY(gone(shown));
        QVERIFY(f->t.messages.shown.isEmpty());
    }

    // The pause waits on the monotonic clock, keeps events flowing, and ends
    // at once, with nothing left running, when its window goes.
    void pauseEndsOnTheClock()
    {
        auto *window = OracleWindow::instance<PausingQuestion>(*f->mdi);
        f->t.clock.step = 2999; // 1 ms of real waiting
        bool eventsFlowed = false;
        QTimer::singleShot(0, this, [&] { eventsFlowed = true; });
        QVERIFY(window->PauseSeconds(3));
        QVERIFY(eventsFlowed);
    }
    void pauseEndsWhenItsWindowGoes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("window closed") << QStringLiteral("close");
        QTest::newRow("another launch") << QStringLiteral("launch");
        QTest::newRow("main window closed") << QStringLiteral("main");
        QTest::newRow("second pause") << QStringLiteral("again");
    }
    void pauseEndsWhenItsWindowGoes()
    {
        QFETCH(QString, how);
        f->mdi->LaunchOracle(CelticOgham);
        f->window(Question)->closeWindow();
        auto *window = OracleWindow::instance<PausingQuestion>(*f->mdi);
        const QPointer<OracleWindow> alive(window);
        f->t.clock.step = 1; // three real seconds, unless cut short
        bool second = false;
        QTimer::singleShot(20, this, [&] {
            if (how == QLatin1String("close"))
                window->closeWindow();
            else if (how == QLatin1String("launch"))
                f->mdi->LaunchOracle(CelticOgham);
            else if (how == QLatin1String("main"))
                f->mdi->close();
            else {
                second = window->PauseSeconds(3);
                window->closeWindow();
            }
        });
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!window->PauseSeconds(3));
        QVERIFY(timer.elapsed() < 1000);
        QVERIFY(!second);
        QTRY_VERIFY(!alive);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    tst_MainWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mainwindow.moc"
