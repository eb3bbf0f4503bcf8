// The Mahjong start and result windows, as the launcher opens them.
#include "fixture.h"
#include "look.h"
#include "mahjongpictures.h"
#include "modmajongoracle.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {
constexpr char Start[] = "frmMahjongOracleMain";
constexpr char Result[] = "frmMahjongOracleDisplay";

// The value that draws row `row`.
double tile(int row)
{
    return (row - 0.5) / 42;
}

const QStringList Panels{QStringLiteral("picWind"), QStringLiteral("picFlower"), QStringLiteral("picSeason")};
}

class tst_MahjongWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;

    QWidget *start(const char *control) const { return f->in(Start, control); }
    QString text(const char *control) const { return f->in<QLabel>(Result, control)->text(); }
    void clickTiles() const { QTest::mouseClick(start("cmdFindMajong"), Qt::LeftButton); }
    QString shownPanel() const
    {
        QString shown;
        for (const QString &panel : Panels)
            if (!f->in(Result, qPrintable(panel))->isHidden())
                shown += panel;
        return shown;
    }

private slots:
    void init()
    {
        f = std::make_unique<OracleFixture>();
        QTest::mouseClick(f->child("cmdSelectOption_3"), Qt::LeftButton);
    }
    void cleanup() { f.reset(); }

    void startWindowAsLoaded()
    {
        OracleWindow *window = f->window(Start);
        QVERIFY(window && window->isShown());
        QCOMPARE(window->size(), QSize(438, 316));
        QCOMPARE(window->windowTitle(), QStringLiteral("Orin Mahjong Oracle"));
        QCOMPARE(f->in<QLabel>(Start, "Label5")->text(), QStringLiteral("Welcome to the Mahjong Oracle !"));
        QVERIFY(!start("cmdFindMajong")->isHidden());
        QVERIFY(start("picMessage")->isHidden());
        QVERIFY(!f->in<QLabel>(Start, "cmdFindMajong")->pixmap().isNull());
    }

    // While the user waits, the prompt stays in sight under the panel.
    void waitKeepsThePrompt()
    {
        f->t.clock.step = 2999;
        bool checked = false;
        QTimer::singleShot(0, this, [&] {
            checked = true;
            QVERIFY(start("cmdFindMajong")->isHidden());
            QVERIFY(start("picMessage")->isVisible());
            QVERIFY(start("lblClickMessage")->isVisible());
            QCOMPARE(f->in<QLabel>(Start, "lblClickMessage")->text(),
                     QStringLiteral("Take a Deep Breath And Click on the Mahjong Tile"));
        });
        clickTiles();
        QVERIFY(checked);
        QVERIFY(f->window(Result)->isShown());
    }

    void resultShowsTheTile_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QStringList>("values"); // the panel's, left to right
        QTest::newRow("wind, row 39") << 39 << QStringLiteral("picWind")
                                      << QStringList{QStringLiteral("Spring"), QStringLiteral("Green"),
                                                     QStringLiteral("Wood"), QStringLiteral("Dragon (5 Circles)")};
        QTest::newRow("flower, row 34") << 34 << QStringLiteral("picFlower")
                                        << QStringList{QStringLiteral("East Wind"), QStringLiteral("Spring")};
        QTest::newRow("season, row 36") << 36 << QStringLiteral("picSeason")
                                        << QStringList{QStringLiteral("East Wind"), QStringLiteral("Fisherman"),
                                                       QStringLiteral("Plum Blossom"), QStringLiteral("Green"),
                                                       QStringLiteral("Wood")};
        QTest::newRow("suit, row 5") << 5 << QString() << QStringList();
        QTest::newRow("flower, row 32") << 32 << QStringLiteral("picFlower")
                                        << QStringList{QStringLiteral("West Wind"), QStringLiteral("Autumn")};
        QTest::newRow("dragon, row 30") << 30 << QString() << QStringList();
    }
    void resultShowsTheTile()
    {
        QFETCH(int, row);
        QFETCH(QString, panel);
        QFETCH(QStringList, values);
        f->t.random.values = {tile(row)};
        clickTiles();

        OracleWindow *result = f->window(Result);
        QVERIFY(result && result->isShown());
        QVERIFY(!f->window(Start)->isShown());
        QVERIFY(!f->welcomeVisible());
        QCOMPARE(result->size(), QSize(680, 441));
        const MahjongTile &expected = MahjongTiles(row);
        QCOMPARE(text("lblName"), expected.TileName);
        QCOMPARE(text("lblEnglishName"), expected.TileEnglishName);
        QCOMPARE(text("lblChineseCharacter"), expected.TileChineseCharacter);
        QCOMPARE(text("lblDescription"), expected.TileDescription);
        const QImage picture = IMGMajong().picture(row, result->devicePixelRatio()).toImage();
        QCOMPARE(f->in<QLabel>(Result, "picMajong")->pixmap().toImage().convertToFormat(picture.format()), picture);
        QCOMPARE(shownPanel(), panel);
        if (panel.isEmpty())
            return;
        const QList<QLabel *> labels =
            f->in(Result, qPrintable(panel))->findChildren<QLabel *>(QRegularExpression(QStringLiteral("^lbl")));
        QStringList shown;
        for (const QLabel *label : labels)
            shown << label->text();
        QCOMPARE(shown, values);
        // Every value can be read in full.
        for (QLabel *label : labels)
            QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        // The flower panel heads its season "Color".
        if (panel == QLatin1String("picFlower"))
            QCOMPARE(f->in<QLabel>(Result, "picFlowerHeading1")->text(), QStringLiteral("Color"));
    }

    // A wind reading, Back, then a suit: no panel left over.
    void backGivesAFreshResult_data()
    {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("Back button") << false;
        QTest::newRow("File > Back") << true;
    }
    void backGivesAFreshResult()
    {
        QFETCH(bool, byMenu);
        f->t.random.values = {tile(39), tile(1)};
        clickTiles();
        QCOMPARE(shownPanel(), QStringLiteral("picWind"));
        if (byMenu)
            f->window(Result)->findChild<QAction *>(QStringLiteral("mnuFileBack"))->trigger();
        else
            QTest::mouseClick(f->in(Result, "cmdOK"), Qt::LeftButton);
        QVERIFY(f->window(Start)->isShown());
        QVERIFY(!start("cmdFindMajong")->isHidden());
        QVERIFY(start("picMessage")->isHidden());
        QVERIFY(!f->welcomeVisible());

        clickTiles();
        QCOMPARE(text("lblEnglishName"), QStringLiteral("Carp"));
        QCOMPARE(shownPanel(), QString());
    }

    // Back and Exit are bold, as the window's texts are, and their captions fit.
    void buttonsAreBoldAndFit()
    {
        clickTiles();
        for (const char *name : {"cmdOK", "cmdExit"}) {
            auto *button = f->in<QPushButton>(Result, name);
            QVERIFY2(button->font().bold(), name);
            const QString caption = QString(button->text()).remove(QLatin1Char('&'));
            QVERIFY2(button->fontMetrics().horizontalAdvance(caption) + 8 <= button->width(), name);
        }
    }

    void enterAndEscapeLeaveLikeExit_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }
    void enterAndEscapeLeaveLikeExit()
    {
        QFETCH(int, key);
        clickTiles();
        const QPointer<OracleWindow> result = f->window(Result);
        QTest::keyClick(result, Qt::Key(key));
        QVERIFY(!result || result->isClosed());
        QVERIFY(f->welcomeVisible());
        QVERIFY(!f->window(Start)->isShown());
    }

    void leavingDuringThePauseShowsNoReading()
    {
        f->t.clock.step = 1;
        const QPointer<OracleWindow> waiting = f->window(Start);
        QTimer::singleShot(20, this, [&] { OracleFixture::frame(waiting)->close(); });
        clickTiles();
        QVERIFY(!f->window(Result));
        QTRY_VERIFY(!waiting);
    }
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    tst_MahjongWindows test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_mahjongwindows.moc"
