// The Mahjong start and result windows, as the launcher opens them.
#include "fixture.h"
#include "language.h"
#include "look.h"
#include "mahjongpictures.h"
#include "modmajongoracle.h"
#include "oracletables.h"
#include "readingcommands.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
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
    const ReadingDescription &described() const
    {
        return *f->window(Result)->findChild<ReadingCommands *>()->reading();
    }
    // Everything a window says: its title, its labels' texts and names, and
    // the reading it describes.
    QStringList says(const char *className) const
    {
        OracleWindow *window = f->window(className);
        QStringList said{window->windowTitle()};
        for (const QLabel *label : window->findChildren<QLabel *>())
            said << label->objectName() << label->text() << label->accessibleName() << label->accessibleDescription();
        if (const ReadingCommands *commands = window->findChild<ReadingCommands *>(); commands && commands->reading()) {
            const ReadingDescription &reading = *commands->reading();
            said << reading.title() << reading.when.toString(Qt::ISODateWithMs);
            for (const ReadingPiece &piece : reading.pieces) {
                said << piece.heading << piece.name << piece.pictureName << piece.text;
                for (const ReadingField &field : piece.fields)
                    said << field.label << field.value;
            }
        }
        return said;
    }
    // The texts of a panel's labels named `prefix`..., left to right.
    QStringList panelTexts(const QString &panel, const QString &prefix) const
    {
        QStringList texts;
        const QRegularExpression name(QLatin1Char('^') + prefix);
        for (const QLabel *label : f->in(Result, qPrintable(panel))->findChildren<QLabel *>(name))
            texts << label->text();
        return texts;
    }
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

    // A reading on screen is told again in the language chosen: the same
    // tile and panel, the translated reading, names and attributes, the
    // panel headed as the reading names the attributes; then the very
    // English it had.
    void readingFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("panel");
        QTest::newRow("German, a wind") << QStringLiteral("de") << 39 << QStringLiteral("picWind");
        QTest::newRow("Spanish, a flower") << QStringLiteral("es") << 34 << QStringLiteral("picFlower");
        QTest::newRow("Chinese, a season") << QStringLiteral("zh_CN") << 36 << QStringLiteral("picSeason");
        QTest::newRow("German, a suit") << QStringLiteral("de") << 24 << QString();
    }
    void readingFollowsTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, row);
        QFETCH(QString, panel);
        if (!Language::available().contains(language))
            QSKIP("This build carries no catalogue of that language");
        f->t.random.values = {tile(row)};
        clickTiles();
        const QStringList english = says(Result);
        const QStringList englishStart = says(Start);
        const QString romanised = text("lblChineseCharacter");
        const QImage picture = f->in<QLabel>(Result, "picMajong")->pixmap().toImage();
        const QDateTime drawnAt = described().when;
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        const QString translated =
            readParagraphs(QStringLiteral(":/mahjong/readings_%1.txt").arg(language), MahjongTileCount).at(row - 1);
        f->t.clock.time = drawnAt.addSecs(3600); // the reading keeps the time it was drawn
        const auto backToEnglish = qScopeGuard([] { Language::apply(Language::English); });
        Language::apply(language);
        QTRY_COMPARE(text("lblDescription"), translated);
        const MahjongTile &tile = MahjongTiles(row);
        QCOMPARE(text("lblName"), tile.TileName);
        QCOMPARE(text("lblEnglishName"), tile.TileEnglishName);
        QCOMPARE(text("lblChineseCharacter"), romanised);
        QCOMPARE(f->in<QLabel>(Result, "picMajong")->pixmap().toImage(), picture);
        QCOMPARE(f->in(Result, "picMajong")->accessibleName(), MahjongTilePictureName(row));
        QCOMPARE(shownPanel(), panel);
        const ReadingDescription &reading = described();
        QCOMPARE(reading.when, drawnAt); // told again, not drawn again
        QCOMPARE(reading.pieces.size(), 1);
        const ReadingPiece &piece = reading.pieces[0];
        QCOMPARE(piece.name, tile.TileName);
        QCOMPARE(piece.pictureName, MahjongTilePictureName(row));
        QCOMPARE(piece.text, translated);
        QStringList captions, values;
        for (const ReadingField &field : piece.fields) {
            captions << field.label;
            values << field.value;
        }
        QCOMPARE(captions.mid(0, 2),
                 (QStringList{f->in<QLabel>(Result, "Label4")->text(), f->in<QLabel>(Result, "Label5")->text()}));
        QCOMPARE(values.mid(0, 2), (QStringList{tile.TileEnglishName, romanised}));
        if (!panel.isEmpty()) {
            const MahjongTileDetail *detail = MahjongDetail(row);
            QCOMPARE(values.mid(2), detail->attributes);
            QCOMPARE(panelTexts(panel, QStringLiteral("lbl")), detail->attributes);
            QCOMPARE(captions.mid(2), MahjongAttributeNames(detail->category));
            // The panel heads its values as the reading names them, but for
            // the flower's season, headed "Color" as it always was.
            const QStringList headings = panelTexts(panel, panel + QStringLiteral("Heading"));
            if (panel == QLatin1String("picFlower"))
                QCOMPARE(headings.first(), captions[2]);
            else
                QCOMPARE(headings, captions.mid(2));
        }
        QCOMPARE(QApplication::focusWidget(), focused);

        Language::apply(Language::English);
        QTRY_COMPARE(says(Result), english);
        QCOMPARE(says(Start), englishStart);
        QCOMPARE(QApplication::focusWidget(), focused);
    }

    // Every reading, in every language the program carries, can be read in
    // full in the result window's reading label.
    void everyReadingFits()
    {
        clickTiles();
        const QLabel *label = f->in<QLabel>(Result, "lblDescription");
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        const QStringList files = QDir(QStringLiteral(":/mahjong")).entryList({QStringLiteral("readings*.txt")});
        QVERIFY(files.size() > 1); // the English and its translations
        for (const QString &file : files) {
            const QStringList readings = readParagraphs(QStringLiteral(":/mahjong/") + file, MahjongTileCount);
            for (const QString &reading : readings) {
                const QRect needed = metrics.boundingRect(QRect(room.topLeft(), QSize(room.width(), 10000)),
                                                          Qt::TextWordWrap | label->alignment(), reading);
                QVERIFY2(needed.height() <= room.height(), qPrintable(file + QLatin1String(": ") + reading));
            }
        }
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
