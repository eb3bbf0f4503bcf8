// The main window's launcher, the welcome-panel protocol, the oracle-window
// conventions and the shared menus and links, with stand-in oracle windows.
#include "doubles.h"
#include "frmmdi.h"
#include "look.h"
#include "oraclewindow.h"
#include "promotions.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

QString page(const char *key)
{
    return QStringLiteral("http://augurium.example/augurium-2/ssd.php?page=") + QLatin1String(key);
}

// Stands in for an oracle's window: the shell knows windows only by name.
class StandIn : public OracleWindow {
    Q_OBJECT
public:
    StandIn(OracleHost &host, const char *name, QSize size, bool result = false)
        : OracleWindow(host, QStringLiteral(":/domino/icon.png"))
    {
        setObjectName(QLatin1String(name));
        setWindowTitle(QStringLiteral("Orin Stand-in Oracle"));
        resize(size);
        auto *back = new QAction(QStringLiteral("&Back"), this);
        back->setObjectName(QStringLiteral("mnuFileBack"));
        setMenuBar({MenuBarLook::UpdateCaption::CheckFor, QStringLiteral("mkmoney"),
                    result ? QList<QAction *>{back} : QList<QAction *>{}});
        if (result) {
            exit = new QPushButton(QStringLiteral("&Exit"), this);
            exit->setObjectName(QStringLiteral("cmdExit"));
            exit->setGeometry(10, 10, 84, 31);
            connect(exit, &QPushButton::clicked, this, &OracleWindow::closeWindow);
            makeDefaultAndCancel(exit);
        }
    }
    QPushButton *exit = nullptr;
};

StandIn *open(OracleHost &host, const char *name, QSize size = {438, 316}, bool result = false)
{
    if (auto *live = host.findOracleWindow(QLatin1String(name)))
        return static_cast<StandIn *>(live);
    auto *window = new StandIn(host, name, size, result);
    host.adopt(window);
    return window;
}

bool gone(const QPointer<OracleWindow> &window)
{
    return !window || window->isClosed();
}

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestServices> t;
    std::unique_ptr<Services> services;
    std::unique_ptr<frmMDI> mdi;

    QWidget *child(const char *name) { return mdi->findChild<QWidget *>(QLatin1String(name)); }
    QLabel *caption(int index)
    {
        return mdi->findChild<QLabel *>(QStringLiteral("lblCaption_%1").arg(index));
    }
    bool welcomeVisible() { return child("picMain")->isVisible(); }

    // The Mahjong reading as its oracle would show it: start window hidden, result shown.
    StandIn *mahjongReading()
    {
        mdi->LaunchOracle(Mahjong);
        StandIn *start = static_cast<StandIn *>(mdi->findOracleWindow(QStringLiteral("frmMahjongOracleMain")));
        StandIn *result = open(*mdi, "frmMahjongOracleDisplay", {680, 441}, true);
        start->hideWindow();
        result->showWindow();
        mdi->setWelcomeVisible(false);
        return result;
    }

private slots:
    void init()
    {
        t = std::make_unique<TestServices>();
        services = std::make_unique<Services>(t->services());
        OracleRegistry oracles;
        oracles[Domino] = [](OracleHost &host) { return open(host, "frmDominoOracleMain"); };
        oracles[Mahjong] = [](OracleHost &host) { return open(host, "frmMahjongOracleMain"); };
        mdi = std::make_unique<frmMDI>(*services, oracles);
        mdi->showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(mdi.get()));
    }
    void cleanup()
    {
        mdi.reset();
        services.reset();
        t.reset();
    }

    void layoutIsCentredOnTheScreen()
    {
        const int W = mdi->screen()->geometry().width();
        for (const char *name : {"lblStarloomBanner", "picButtonContainer", "lblCaption_1", "lblCaption_3"}) {
            QWidget *w = child(name);
            QVERIFY2(qAbs(w->x() - (W - w->width()) / 2) <= 1, name);
        }
        QCOMPARE(child("cmdMdiExit")->x(), W - (89 + 8));
        QCOMPARE(mdi->windowTitle(), QStringLiteral("Augurium v1.20"));
        // Oracles without a window yet are not offered.
        QVERIFY(!child("cmdSelectOption_0")->isEnabled());
        QVERIFY(child("cmdSelectOption_1")->isEnabled());
    }

    void launchDiscardsEveryOracleWindowAndPlacesTheNewOne()
    {
        const QPointer<OracleWindow> result = mahjongReading();
        const QPointer<OracleWindow> hiddenStart = mdi->findOracleWindow(QStringLiteral("frmMahjongOracleMain"));
        QVERIFY(hiddenStart && !hiddenStart->isShown());

        QTest::mouseClick(child("cmdSelectOption_1"), Qt::LeftButton);

        QVERIFY(gone(result));
        QVERIFY(gone(hiddenStart));
        QVERIFY(!welcomeVisible());
        OracleWindow *domino = mdi->findOracleWindow(QStringLiteral("frmDominoOracleMain"));
        QVERIFY(domino && domino->isShown());
        const QWidget *frame = domino->parentWidget();
        QCOMPARE(frame->y(), 0);
        QVERIFY(qAbs(frame->x() - (mdi->screen()->geometry().width() - frame->width()) / 2) <= 1);
    }

    void launchingTwiceGivesAFreshWindow()
    {
        mdi->LaunchOracle(Domino);
        const QPointer<OracleWindow> first = mdi->findOracleWindow(QStringLiteral("frmDominoOracleMain"));
        mdi->LaunchOracle(Domino);
        QVERIFY(gone(first));
        OracleWindow *second = mdi->findOracleWindow(QStringLiteral("frmDominoOracleMain"));
        QVERIFY(second && second != first);
    }

    void leavingAReadingShowsTheWelcomePanel()
    {
        StandIn *result = mahjongReading();
        QTest::keyClick(result, Qt::Key_Escape); // Exit is the cancel button
        QVERIFY(welcomeVisible());
        OracleWindow *start = mdi->findOracleWindow(QStringLiteral("frmMahjongOracleMain"));
        QVERIFY(start && !start->isShown()); // left alive, hidden, until the next launch
        QVERIFY(mdi->isVisible());
    }

    void welcomeLabelClicks_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("opens");
        QTest::newRow("heading") << 0 << QString();
        QTest::newRow("welcome text") << 1 << QString();
        QTest::newRow("programs heading") << 2 << QString();
        QTest::newRow("Domino title") << 4 << QStringLiteral("frmDominoOracleMain");
        QTest::newRow("Mahjong title") << 6 << QStringLiteral("frmMahjongOracleMain");
    }
    void welcomeLabelClicks()
    {
        QFETCH(int, index);
        QFETCH(QString, opens);
        QTest::keyClick(mahjongReading(), Qt::Key_Escape);
        const QPointer<OracleWindow> hiddenStart = mdi->findOracleWindow(QStringLiteral("frmMahjongOracleMain"));

        QTest::mouseClick(caption(index), Qt::LeftButton);

        if (opens != QLatin1String("frmMahjongOracleMain"))
            QVERIFY(gone(hiddenStart));
        QCOMPARE(welcomeVisible(), opens.isEmpty());
        if (!opens.isEmpty()) {
            OracleWindow *window = mdi->findOracleWindow(opens);
            QVERIFY(window && window->isShown() && window != hiddenStart);
        }
    }

    void hoverUnderlinesLinkTitlesOnly()
    {
        const auto move = [](QWidget *w, QPoint at = {5, 5}) {
            QMouseEvent event(QEvent::MouseMove, at, w->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &event);
        };
        move(caption(4));
        QVERIFY(caption(4)->font().underline());
        move(caption(0));
        QVERIFY(!caption(0)->font().underline());
        QVERIFY(caption(4)->font().underline()); // only the panel's background clears it
        move(child("Picture1"));
        QVERIFY(caption(4)->font().underline());
        move(child("picMain"));
        QVERIFY(!caption(4)->font().underline());
        move(caption(3)); // Celtic Ogham is not offered in this fixture
        QVERIFY(!caption(3)->font().underline());
    }

    void activeOracleWindowLendsItsMenus()
    {
        const QList<QAction *> own = mdi->menuBar()->actions();
        QCOMPARE(own.size(), 3);
        mdi->LaunchOracle(Domino);
        OracleWindow *domino = mdi->findOracleWindow(QStringLiteral("frmDominoOracleMain"));
        QCOMPARE(mdi->menuBar()->actions(), domino->menuBarActions());

        // "E&xit" of the oracle closes the oracle only.
        const QPointer<OracleWindow> alive(domino);
        QAction *exit = domino->findChild<QAction *>(QStringLiteral("mnuExit"));
        exit->trigger();
        QVERIFY(gone(alive));
        QVERIFY(mdi->isVisible());
        QVERIFY(welcomeVisible());
        QTRY_COMPARE(mdi->menuBar()->actions(), own);
    }

    void resultWindowMenusCarryTheirOwnItems()
    {
        StandIn *result = mahjongReading();
        QCOMPARE(mdi->menuBar()->actions(), result->menuBarActions());
        const QMenu *file = result->findChild<QMenu *>(QStringLiteral("mnuFile"));
        QStringList items;
        for (const QAction *a : file->actions())
            items << a->text();
        QCOMPARE(items, (QStringList{QStringLiteral("&Back"), QStringLiteral("E&xit")}));
    }

    void helpMenuAndLinksOpenTheirPages()
    {
        const QMenu *help = mdi->findChild<QMenu *>(QStringLiteral("mnuHelp"));
        QStringList items;
        for (const QAction *a : help->actions())
            items << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(items, (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"),
                                     QStringLiteral("-"), QStringLiteral("Check for Software &Update"),
                                     QStringLiteral("-"), QStringLiteral("&About Software")}));
        const QAction *makeMoney = mdi->findChild<QAction *>(QStringLiteral("mkmoney"));
        QVERIFY(makeMoney && !makeMoney->isEnabled());

        for (const char *name : {"mnuOnline", "mnuVisit", "mnuUpdate"})
            mdi->findChild<QAction *>(QLatin1String(name))->trigger();
        for (const char *name : {"Picture6", "lblStarloomBanner", "Label7"})
            QTest::mouseClick(child(name), Qt::LeftButton);
        QCOMPARE(t->urls.opened, (QStringList{page("help-web-page"), page("home-page"),
                                              page("download-web-page"), page("home-page"),
                                              page("home-page"), page("fully-branded")}));
        // The update item goes straight to the page: no reminder date is written.
        QVERIFY(t->settings.open()->allKeys().isEmpty());
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
        mdi->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(checked);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(t->urls.opened, (QStringList{page("home-page"), page("fully-branded")}));
    }

    void oracleWindowsAreFixedChildren()
    {
        mdi->LaunchOracle(Domino);
        OracleWindow *domino = mdi->findOracleWindow(QStringLiteral("frmDominoOracleMain"));
        auto *frame = qobject_cast<QMdiSubWindow *>(domino->parentWidget());
        QVERIFY(frame);
        QCOMPARE(domino->size(), QSize(438, 316));
        QCOMPARE(frame->minimumSize(), frame->maximumSize());
        const Qt::WindowFlags flags = frame->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!frame->windowIcon().isNull());
    }

    void promotionsShowOneOfTheTwoBrandLabels()
    {
        mdi->LaunchOracle(Domino);
        OracleWindow *window = mdi->findOracleWindow(QStringLiteral("frmDominoOracleMain"));
        PromotionLayout layout;
        layout.top = PromotionLayout::Strip{QRect(1, 0, 436, 41), Qt::black};
        layout.banner = QRect(0, 8, 436, 31);
        layout.bannerText = QColor(255, 128, 0);
        layout.bottom = PromotionLayout::Strip{QRect(1, 256, 436, 60), Qt::black};
        layout.brand = QRect(8, 11, 423, 41);
        layout.brandText = Qt::blue;
        layout.front = PromotionLayout::Front::CoBrand;
        placePromotions(window, *services, layout);
        auto *fullBrand = window->findChild<QLabel *>(QStringLiteral("lblFullBrand"));
        auto *coBrand = window->findChild<QLabel *>(QStringLiteral("lblCobrand"));
        QVERIFY(coBrand->isVisible());
        QVERIFY(!fullBrand->isVisible());
        QVERIFY(coBrand->text().contains(QStringLiteral("name &  link here. See \"Help\" for details.    Click Here")));
        QTest::mouseClick(window->findChild<QLabel *>(QStringLiteral("Label61")), Qt::LeftButton);
        QTest::mouseClick(coBrand, Qt::LeftButton);
        QCOMPARE(t->urls.opened, (QStringList{page("home-page"), page("co-brand")}));
    }

    void exitClosesOracleWindowsAndTheProgram()
    {
        const QPointer<OracleWindow> result = mahjongReading();
        QTest::mouseClick(child("cmdMdiExit"), Qt::LeftButton);
        QVERIFY(!mdi->isVisible());
        QVERIFY(gone(result));
        QVERIFY(t->messages.shown.isEmpty());
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
