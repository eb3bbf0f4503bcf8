// Copying, saving and printing the reading on screen, in every window that
// shows one.
#include "captionbutton.h"
#include "dialoganswers.h"
#include "look.h"
#include "language.h"
#include "fixture.h"
#include "frmabout.h"
#include "modcolororacle.h"
#include "moddominooracle.h"
#include "modgoodlucksymbol.h"
#include "modmajongoracle.h"
#include "modoghamoracle.h"
#include "pleasewaitpanel.h"
#include "productionservices.h"
#include "readingcommands.h"
#include "readingoutput.h"
#include "savedreading.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTextLayout>
#include <QGlyphRun>
#include <QPushButton>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

Q_DECLARE_METATYPE(ReadingDescription)

namespace {
// Random values that draw row `n` of `count`.
double row(int n, int count)
{
    return (n - 0.5) / count;
}

int mahjongRow(const QString &englishName)
{
    for (int k = 1; k <= MahjongTileCount; ++k)
        if (MahjongTiles(k).TileEnglishName == englishName)
            return k;
    return 0;
}

ReadingPiece tree(const QString &heading, int n)
{
    const OghamTree &t = OghamTrees(n);
    return {heading,
            t.TreeName,
            {QImage()},
            t.TreeName,
            {{QStringLiteral("Keywords"), t.Keywords},
             {QStringLiteral("Ruling Planet"), t.RulingPlanet},
             {QStringLiteral("Ruling Animal"), t.RulingAnimal},
             {QStringLiteral("Ogham Term"), t.OghamTerm},
             {QStringLiteral("Lucky Color"), t.LuckyColor},
             {QStringLiteral("Lucky Month"), t.LuckyMonth},
             {QStringLiteral("Lucky Letter"), t.LuckyLetter},
             {QStringLiteral("Lucky Gemstone"), t.LuckyGemstone},
             {QStringLiteral("Lucky Flower"), t.LuckyFlower}},
            t.Characteristics};
}

ReadingPiece symbol(const QString &heading, int culture, int n)
{
    const GoodLuckSymbol &s = GoodLuckSymbols(culture, n);
    return {heading, s.name, {QImage()}, s.name, {}, s.description};
}

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30'000) || process.exitCode() != 0)
        return QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A reading with what escapes badly and what folds: markup, an umlaut, two
// lines; and the trailing blanks the tables have.
ReadingDescription awkwardReading()
{
    QImage half(80, 160, QImage::Format_ARGB32);
    half.fill(Qt::darkBlue);
    return {QStringLiteral("Domino"),
            QDateTime(QDate(2026, 12, 10), QTime(9, 5)),
            {{QStringLiteral("Question"), QStringLiteral("Will <Chü> & Co. last?")}},
            {{QStringLiteral("The Past"),
              QStringLiteral("6-4 "),
              {half, half},
              QStringLiteral("6 pips and 4 pips"),
              {{QStringLiteral("Element"), QStringLiteral("Wood & Fire  ")}},
              QStringLiteral("First line. \nSecond line. ")}}};
}

// While it lives, no file of this process grows past `bytes`: a full disk
// without root.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the program
        struct rlimit limit = m_before;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }

private:
    struct rlimit m_before { };
};

// An environment variable set for one test, as it was afterwards.
class ScopedVariable {
public:
    ScopedVariable(const char *name, const QString &value)
        : m_name(name)
        , m_was(qEnvironmentVariableIsSet(name))
        , m_before(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedVariable()
    {
        if (m_was)
            qputenv(m_name, m_before);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_was;
    QByteArray m_before;
};

// Fails the test unless the file has exactly `pages` pages of the A4 size.
void verifyPdfPages(const QString &path, int pages)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pages))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral(" pts (A4)\n")), qPrintable(info));
}
}

class tst_Readings : public QObject {
    Q_OBJECT

    std::unique_ptr<OracleFixture> f;
    std::unique_ptr<QTemporaryDir> dir;

    QString path(const QString &name) const { return dir->filePath(name); }

    // A reading of `oracle` done as a user does it, with the draws below;
    // the window that shows it.
    // The oracle's first window, opened from the main window's launcher.
    QWidget *ask(const QString &oracle)
    {
        static const std::map<QString, std::pair<const char *, const char *>> starts{
            {QStringLiteral("Celtic Ogham"), {"cmdSelectOption_0", "frmCelticOghamOracleMain"}},
            {QStringLiteral("Domino"), {"cmdSelectOption_1", "frmDominoOracleMain"}},
            {QStringLiteral("Good Luck Symbol"), {"cmdSelectOption_2", "frmGoodLuckSymbolOracleMain"}},
            {QStringLiteral("Mahjong"), {"cmdSelectOption_3", "frmMahjongOracleMain"}},
            {QStringLiteral("Mystical Color"), {"cmdSelectOption_4", "frmMysticColorOracleMain"}},
        };
        const auto &[option, window] = starts.at(oracle.startsWith(QLatin1String("Mystical")) ? QStringLiteral("Mystical Color") : oracle);
        QTest::mouseClick(f->child(option), Qt::LeftButton);
        return f->window(window);
    }
    OracleWindow *read(const QString &oracle)
    {
        ask(oracle);
        return answer(oracle);
    }
    // The reading of the oracle whose first window is open.
    OracleWindow *answer(const QString &oracle)
    {
        const auto click = [this](const char *window, const char *control) {
            QTest::mouseClick(f->in(window, control), Qt::LeftButton);
        };
        if (oracle == QLatin1String("Celtic Ogham")) {
            f->in<QTextEdit>("frmCelticOghamOracleMain", "txtQuestion")->setPlainText(QStringLiteral("Will it rain?"));
            f->t.random.values = {row(3, 13), row(9, 13), row(1, 13)};
            click("frmCelticOghamOracleMain", "picMainImage");
            return f->window("frmCelticOghamOracleDisplay");
        }
        if (oracle == QLatin1String("Domino")) {
            f->t.random.values = {row(7, 7), row(5, 7)}; // 6 and 4 pips
            click("frmDominoOracleMain", "picProceed");
            return f->window("frmDominoOracleDisplay");
        }
        if (oracle == QLatin1String("Mahjong")) {
            f->t.random.values = {row(mahjongRow(QStringLiteral("Wind East")), MahjongTileCount)};
            click("frmMahjongOracleMain", "cmdFindMajong");
            return f->window("frmMahjongOracleDisplay");
        }
        if (oracle == QLatin1String("Good Luck Symbol")) {
            f->in<QCheckBox>("frmGoodLuckSymbolOracleMain", "chkGoodLuck_2")->setChecked(true);
            f->in<QCheckBox>("frmGoodLuckSymbolOracleMain", "chkGoodLuck_0")->setChecked(true);
            f->t.random.values = {row(1, GoodLuckSymbolCount(Indian)), row(7, GoodLuckSymbolCount(Japanese))};
            click("frmGoodLuckSymbolOracleMain", "cmdNext");
            return f->window("frmGoodLuckSymbolOracleDisplay");
        }
        f->in<QLineEdit>("frmMysticColorOracleMain", "txtNameFirst")->setText(QStringLiteral("Ann"));
        f->in<QLineEdit>("frmMysticColorOracleMain", "txtNameLast")->setText(QStringLiteral("Lee"));
        if (oracle.endsWith(QLatin1String("saved"))) { // the birth day from a saved reading
            f->t.files.chosen = QFINDTESTDATA("fuzz/corpus/reading.num");
            click("frmMysticColorOracleMain", "cmdOpen");
        } else {
            click("frmMysticColorOracleMain", "cmdNext");
        }
        return f->window("frmMysticColorOracleMain");
    }
    // Every text the main window and its oracle windows show or tell a
    // screen reader.
    static QStringList textsOf(const QWidget *top)
    {
        QStringList texts;
        for (const QWidget *w : top->findChildren<QWidget *>()) {
            // Named by the widget, so that a difference says where it is.
            const QString where = QLatin1String(w->metaObject()->className()) + u' ' + w->objectName() + QStringLiteral(": ");
            texts << where + w->windowTitle() << where + w->toolTip() << where + w->accessibleName()
                  << where + w->accessibleDescription();
            if (const auto *label = qobject_cast<const QLabel *>(w))
                texts << label->text();
            if (const auto *button = qobject_cast<const QAbstractButton *>(w))
                texts << button->text();
            if (const auto *field = qobject_cast<const QLineEdit *>(w))
                texts << field->placeholderText();
        }
        for (const QAction *action : top->findChildren<QAction *>())
            texts << action->objectName() + QStringLiteral(": ") + action->text();
        texts.sort(); // the order of the widgets changes as windows come to the front
        return texts;
    }
    // Every label and button of `window` in sight: its text fits its box
    // and every character has a glyph in the fonts that draw it.
    static void verifyTextsFit(const QWidget *window)
    {
        const auto drawable = [](const QString &text, const QFont &font) {
            QTextLayout layout(text, font);
            layout.beginLayout();
            while (layout.createLine().isValid()) { }
            layout.endLayout();
            for (const QGlyphRun &run : layout.glyphRuns())
                for (const quint32 glyph : run.glyphIndexes())
                    if (glyph == 0)
                        return false;
            return true;
        };
        for (const QLabel *label : window->findChildren<QLabel *>()) {
            if (!label->isVisibleTo(window) || label->text().isEmpty() || !label->pixmap().isNull())
                continue;
            const QString where = label->objectName() + QStringLiteral(": ") + label->text();
            QVERIFY2(drawable(label->text(), label->font()), qPrintable(where));
            const QRect box = label->contentsRect();
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height() + 1, qPrintable(where));
            } else {
                const QRect needed = label->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), 0, label->text());
                QVERIFY2(needed.width() <= box.width() + 1, qPrintable(where));
            }
        }
        for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
            if (!button->isVisibleTo(window) || button->text().isEmpty())
                continue;
            const QString text = QString(button->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")));
            const QString where = button->objectName() + QStringLiteral(": ") + text;
            QVERIFY2(drawable(text, button->font()), qPrintable(where));
            if (qobject_cast<const CaptionButton *>(button)) { // its caption wraps inside its bevel
                const QRect caption = button->rect().adjusted(3, 2, -3, -2);
                const QRect needed = button->fontMetrics().boundingRect(
                    caption, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
                QVERIFY2(caption.contains(needed),
                         qPrintable(where + QStringLiteral(" needs %1x%2 of %3x%4").arg(needed.width()).arg(needed.height()).arg(caption.width()).arg(caption.height())));
                continue;
            }
            // The indicator of a box or a round button, or a push button's frame.
            const int beside = qobject_cast<const QPushButton *>(button) ? 4 : 18;
            int widest = 0;
            for (const QString &line : text.split(QLatin1Char('\n')))
                widest = std::max(widest, button->fontMetrics().horizontalAdvance(line));
            QVERIFY2(widest + beside <= button->width(), qPrintable(where));
        }
    }

    static const std::optional<ReadingDescription> &described(const OracleWindow *window)
    {
        return window->findChild<ReadingCommands *>()->reading();
    }
    static QAction *command(const OracleWindow *window, const char *name)
    {
        return window->findChild<QAction *>(QLatin1String(name));
    }
    // Keys go where the user's keys go: to the control with the focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

private slots:
    void init()
    {
        f = std::make_unique<OracleFixture>();
        dir = std::make_unique<QTemporaryDir>();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup()
    {
        Language::apply(Language::English);
        f.reset();
        dir.reset();
    }

    // Each window describes what it shows, field by field, in its order.
    void describesTheReadingShown_data()
    {
        QTest::addColumn<QString>("oracle");
        QTest::addColumn<ReadingDescription>("expected");
        const QDateTime now(QDate(2026, 12, 9), QTime(10, 30));
        const int east = mahjongRow(QStringLiteral("Wind East"));
        const MahjongTile &tile = MahjongTiles(east);
        const ColorReading &colour = ColorReadings(LuckyColorNumber(QStringLiteral("Ann"), QStringLiteral("Lee")));
        QTest::newRow("Celtic Ogham: the panels left to right, with the question")
            << QStringLiteral("Celtic Ogham")
            << ReadingDescription{QStringLiteral("Celtic Ogham"),
                                  now,
                                  {{QStringLiteral("Question"), QStringLiteral("Will it rain?")}},
                                  {tree(QStringLiteral("The Past"), 3), tree(QStringLiteral("The Future"), 1),
                                   tree(QStringLiteral("The Present"), 9)}};
        QTest::newRow("Domino: both halves") << QStringLiteral("Domino")
                                             << ReadingDescription{QStringLiteral("Domino"),
                                                                   now,
                                                                   {},
                                                                   {{QStringLiteral("Your domino"),
                                                                     QStringLiteral("6-4"),
                                                                     {QImage(), QImage()},
                                                                     QStringLiteral("6 pips and 4 pips"),
                                                                     {},
                                                                     DominoMessage(6 * 7 + 4)}}};
        QTest::newRow("Mahjong: a wind tile and its attributes")
            << QStringLiteral("Mahjong")
            << ReadingDescription{QStringLiteral("Mahjong"),
                                  now,
                                  {},
                                  {{QStringLiteral("Your mahjong tile"),
                                    tile.TileName,
                                    {QImage()},
                                    QStringLiteral("Wind East tile"),
                                    {{QStringLiteral("English Name"), tile.TileEnglishName},
                                     {QStringLiteral("Chinese Character"), tile.TileChineseCharacter},
                                     {QStringLiteral("Season"), QStringLiteral("Spring")},
                                     {QStringLiteral("Color"), QStringLiteral("Green")},
                                     {QStringLiteral("Element"), QStringLiteral("Wood")},
                                     {QStringLiteral("Constellation"), QStringLiteral("Dragon (5 Circles)")}},
                                    tile.TileDescription}}};
        QTest::newRow("Good Luck Symbol: the ticked cultures in button order")
            << QStringLiteral("Good Luck Symbol")
            << ReadingDescription{QStringLiteral("Good Luck Symbol"),
                                  now,
                                  {},
                                  {symbol(QStringLiteral("Indian Good Luck Symbol"), Indian, 1),
                                   symbol(QStringLiteral("Japanese Good Luck Symbol"), Japanese, 7)}};
        QTest::newRow("Mystical Color: the names and the colour, no picture")
            << QStringLiteral("Mystical Color")
            << ReadingDescription{QStringLiteral("Mystical Color"),
                                  now,
                                  {{QStringLiteral("Name"), QStringLiteral("Ann Lee")}},
                                  {{QStringLiteral("Your lucky colour"), colour.name, {}, {}, {}, colour.reading}}};
        QFile saved(QFINDTESTDATA("fuzz/corpus/reading.num"));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const SavedBirthDay born = ParseSavedReading(saved.readAll());
        QTest::newRow("Mystical Color: and the birth day of a saved reading")
            << QStringLiteral("Mystical Color saved")
            << ReadingDescription{
                   QStringLiteral("Mystical Color"),
                   now,
                   {{QStringLiteral("Name"), QStringLiteral("Ann Lee")},
                    {QStringLiteral("Birth Day"), QStringList{born.month, born.date, born.year}.join(u' ')}},
                   {{QStringLiteral("Your lucky colour"), colour.name, {}, {}, {}, colour.reading}}};
    }
    void describesTheReadingShown()
    {
        QFETCH(QString, oracle);
        QFETCH(ReadingDescription, expected);
        OracleWindow *window = read(oracle);
        QVERIFY(window && window->isShown());
        const std::optional<ReadingDescription> &actual = described(window);
        QVERIFY(actual);
        QCOMPARE(actual->title(), expected.oracle + QStringLiteral(" reading"));
        QCOMPARE(actual->when, expected.when);
        QCOMPARE(actual->asked.size(), expected.asked.size());
        for (qsizetype i = 0; i < expected.asked.size(); ++i) {
            QCOMPARE(actual->asked[i].label, expected.asked[i].label);
            QCOMPARE(actual->asked[i].value, expected.asked[i].value);
        }
        QCOMPARE(actual->pieces.size(), expected.pieces.size());
        for (qsizetype p = 0; p < expected.pieces.size(); ++p) {
            const ReadingPiece &a = actual->pieces[p];
            const ReadingPiece &e = expected.pieces[p];
            QCOMPARE(a.heading, e.heading);
            QCOMPARE(a.name, e.name);
            QCOMPARE(a.pictureName, e.pictureName);
            QCOMPARE(a.text, e.text);
            QCOMPARE(a.fields.size(), e.fields.size());
            for (qsizetype i = 0; i < e.fields.size(); ++i) {
                QCOMPARE(a.fields[i].label, e.fields[i].label);
                QCOMPARE(a.fields[i].value, e.fields[i].value);
            }
            // The pictures at twice their size on screen, whatever the screen.
            QCOMPARE(a.pictures.size(), e.pictures.size());
            for (const QImage &picture : a.pictures)
                QVERIFY(!picture.isNull() && picture.width() >= 80);
        }
        // The tables' trailing blanks stay in the windows, not in a copy.
        for (const QString &line : readingText(*actual).split(QLatin1Char('\n')))
            QVERIFY2(line.isEmpty() || !line.back().isSpace(), qPrintable(line));
        for (const char *name : {"mnuCopyReading", "mnuSaveReading", "mnuPrintReading"})
            QVERIFY(command(window, name)->isEnabled());
    }

    // The colour window offers its reading only while the result is in front.
    void colourCommandsFollowTheResultPanel()
    {
        OracleWindow *window = read(QStringLiteral("Mystical Color"));
        QVERIFY(command(window, "mnuSaveReading")->isEnabled());
        QTest::mouseClick(window->findChild<QWidget *>(QStringLiteral("cmdBack")), Qt::LeftButton);
        QVERIFY(!described(window));
        for (const char *name : {"mnuCopyReading", "mnuSaveReading", "mnuPrintReading"})
            QVERIFY(!command(window, name)->isEnabled());
        press(Qt::Key_C); // in the empty first-name field
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    }

    void textAndHtmlCarryEveryField()
    {
        const ReadingDescription reading = awkwardReading();
        QCOMPARE(readingText(reading), QStringLiteral("Domino reading\n10 December 2026, 09:05\n"
                                                      "Question: Will <Chü> & Co. last?\n\n"
                                                      "The Past: 6-4\nElement: Wood & Fire\n\n"
                                                      "First line.\nSecond line.\n"));
        const QString html = readingHtml(reading);
        for (const char *part : {"<h1 style=\"font-size: 16pt;\">Domino reading</h1>",
                                 "Will &lt;Chü&gt; &amp; Co. last?", "Wood &amp; Fire", "First line.<br>Second line.",
                                 "alt=\"6 pips and 4 pips\"", "width=\"40\" height=\"80\""})
            QVERIFY2(html.contains(QString::fromUtf8(part)), part);
        QCOMPARE(html.count(QStringLiteral("src=\"data:image/png;base64,")), 2);
    }

    // Save and Print to File offer one name; a later reading on the same day another.
    void suggestedNamesTellReadingsApart()
    {
        ReadingDescription reading = awkwardReading();
        QCOMPARE(suggestedReadingFileName(reading, ReadingFormat::Pdf),
                 QStringLiteral("Domino reading 2026-12-10 09.05.pdf"));
        QCOMPARE(suggestedReadingFileName(reading, ReadingFormat::Png),
                 QStringLiteral("Domino reading 2026-12-10 09.05.png"));
        reading.when = reading.when.addSecs(3 * 3600 + 60);
        QCOMPARE(suggestedReadingFileName(reading, ReadingFormat::Text),
                 QStringLiteral("Domino reading 2026-12-10 12.06.txt"));
    }

    // A saved, printed or copied page keeps its own colours on a dark
    // desktop: dark text on white, as on a light one.
    void pageKeepsItsColours_data()
    {
        QTest::addColumn<bool>("printed");
        QTest::newRow("the picture") << false;
        QTest::newRow("the PDF page") << true;
    }
    void pageKeepsItsColours()
    {
        QFETCH(bool, printed);
        ReadingDescription reading = awkwardReading();
        reading.pieces[0].pictures.clear(); // text alone
        const auto render = [&] {
            if (!printed)
                return readingImage(reading, 1).convertToFormat(QImage::Format_RGB32);
            const QString pdf = path(QStringLiteral("reading.pdf"));
            QString error;
            if (!writeReading(reading, pdf, ReadingFormat::Pdf, &error))
                return QImage();
            run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"),
                                             QStringLiteral("-singlefile"), pdf, path(QStringLiteral("page"))});
            return QImage(path(QStringLiteral("page.png"))).convertToFormat(QImage::Format_RGB32);
        };
        const QImage onLight = render();
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        for (const auto &[role, colour] : {std::pair{QPalette::Window, QColor(0x24, 0x24, 0x24)},
                                           {QPalette::Base, QColor(0x1e, 0x1e, 0x1e)},
                                           {QPalette::WindowText, QColor(0xee, 0xee, 0xee)},
                                           {QPalette::Text, QColor(0xff, 0xff, 0xff)},
                                           {QPalette::ButtonText, QColor(0xee, 0xee, 0xee)},
                                           {QPalette::Link, QColor(0x80, 0xb0, 0xff)}})
            dark.setColor(role, colour);
        QApplication::setPalette(dark);
        const QImage onDark = render();
        QApplication::setPalette(light);
        QVERIFY(!onDark.isNull());
        QCOMPARE(onDark.pixelColor(0, 0), QColor(Qt::white));
        int darkPixels = 0;
        for (int y = 0; y < onDark.height(); ++y)
            for (int x = 0; x < onDark.width(); ++x)
                darkPixels += qGray(onDark.pixel(x, y)) < 64;
        QVERIFY2(darkPixels > 500, qPrintable(QString::number(darkPixels)));
        QVERIFY(onDark == onLight);
    }

    // A question of any length copies and saves at once, in full in the text,
    // cut short on the picture and the page.
    void longQuestionStaysQuick_data()
    {
        QTest::addColumn<QString>("question");
        QTest::newRow("100,000 characters of words")
            << QStringLiteral("Will the long rain stop before the harvest? ").repeated(2273).left(100'000);
        QTest::newRow("one word of 100,000 letters") << QString(100'000, QLatin1Char('a'));
        QTest::newRow("50,000 lines") << QStringLiteral("?\n").repeated(50'000);
    }
    void longQuestionStaysQuick()
    {
        QFETCH(QString, question);
        ReadingDescription reading = awkwardReading();
        const QImage shortOne = readingImage(reading, 2);
        reading.asked[0].value = question;
        QElapsedTimer timer;
        timer.start();
        const std::unique_ptr<QMimeData> copied(readingMimeData(reading, 2));
        const QString pdf = path(QStringLiteral("reading.pdf"));
        QString error;
        QVERIFY2(writeReading(reading, pdf, ReadingFormat::Pdf, &error), qPrintable(error));
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY(copied->text().contains(question));
        const QImage picture = QImage::fromData(copied->data(QStringLiteral("image/png")), "PNG");
        QCOMPARE(picture.width(), shortOne.width());
        QVERIFY2(picture.height() < 2 * shortOne.height(), qPrintable(QString::number(picture.height())));
        verifyPdfPages(pdf, 1);
    }

    // The pieces' pictures stand on the page, without the backdrop of their
    // window; a tree's picture is a whole scene and stays as it is.
    void picturesStandOnThePage_data()
    {
        QTest::addColumn<QString>("oracle");
        QTest::addColumn<QColor>("backdrop");
        QTest::newRow("domino halves drawn on black") << QStringLiteral("Domino") << QColor(Qt::black);
        QTest::newRow("a tile drawn on black") << QStringLiteral("Mahjong") << QColor(Qt::black);
        QTest::newRow("medallions drawn on purple") << QStringLiteral("Good Luck Symbol") << QColor(0x80, 0x00, 0x80);
        QTest::newRow("trees: scenes") << QStringLiteral("Celtic Ogham") << QColor();
    }
    void picturesStandOnThePage()
    {
        QFETCH(QString, oracle);
        QFETCH(QColor, backdrop);
        const std::optional<ReadingDescription> &reading = described(read(oracle));
        QVERIFY(reading);
        for (const ReadingPiece &piece : reading->pieces) {
            for (const QImage &picture : piece.pictures) {
                QVERIFY(!picture.isNull());
                const QPoint centre = picture.rect().center();
                QCOMPARE(picture.pixelColor(centre).alpha(), 255); // the piece itself
                if (!backdrop.isValid()) {
                    QVERIFY(!picture.hasAlphaChannel()
                            || picture
                                   == picture.convertToFormat(QImage::Format_RGB32).convertToFormat(picture.format()));
                    continue;
                }
                QImage onWhite(picture.size(), QImage::Format_RGB32);
                onWhite.fill(Qt::white);
                QPainter(&onWhite).drawImage(0, 0, picture);
                const QRect edge = onWhite.rect();
                for (const QPoint &corner : {edge.topLeft(), edge.topRight(), edge.bottomLeft(), edge.bottomRight()})
                    QCOMPARE(onWhite.pixelColor(corner), QColor(Qt::white));
                // Round the edge, nothing of the backdrop is left: its colour,
                // give or take the JPEG's noise. (A domino's navy rim is
                // darker than that, and its own.)
                int kept = 0;
                for (int x = 0; x < edge.width(); ++x)
                    for (int y = 0; y < edge.height(); ++y) {
                        if (x > 3 && x < edge.width() - 4 && y > 3 && y < edge.height() - 4)
                            continue;
                        const QColor c = onWhite.pixelColor(x, y);
                        kept += std::max({std::abs(c.red() - backdrop.red()), std::abs(c.green() - backdrop.green()),
                                          std::abs(c.blue() - backdrop.blue())})
                                < 32;
                    }
                QVERIFY2(kept == 0, qPrintable(QStringLiteral("%1 pixels of the backdrop").arg(kept)));
            }
        }
    }

    // Real text in the PDF, in reading order, at a readable size, the
    // pictures sharp; a long reading runs on over pages, each with the
    // reading's title and its number in the footer.
    void pdfHasTheTextInReadingOrder_data()
    {
        QTest::addColumn<QString>("oracle");
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("pages");
        const QString english = Language::English;
        QTest::newRow("the longest: three trees") << QStringLiteral("Celtic Ogham") << english << 2;
        QTest::newRow("two pictures") << QStringLiteral("Domino") << english << 1;
        QTest::newRow("no picture") << QStringLiteral("Mystical Color") << english << 1;
        QTest::newRow("Chinese: a tile and its attributes") << QStringLiteral("Mahjong") << QStringLiteral("zh_CN") << 1;
        QTest::newRow("Chinese: two symbols") << QStringLiteral("Good Luck Symbol") << QStringLiteral("zh_CN") << 1;
        QTest::newRow("German: a tile and its attributes") << QStringLiteral("Mahjong") << QStringLiteral("de") << 1;
        QTest::newRow("Japanese: a tile and its attributes") << QStringLiteral("Mahjong") << QStringLiteral("ja") << 1;
        QTest::newRow("Japanese: two symbols") << QStringLiteral("Good Luck Symbol") << QStringLiteral("ja") << 1;
        QTest::newRow("French: two pictures") << QStringLiteral("Domino") << QStringLiteral("fr") << 1;
    }
    void pdfHasTheTextInReadingOrder()
    {
        QFETCH(QString, oracle);
        QFETCH(QString, language);
        QFETCH(int, pages);
        Language::apply(language);
        const ReadingDescription reading = *described(read(oracle));
        const QString pdf = path(QStringLiteral("reading.pdf"));
        QString error;
        QVERIFY2(writeReading(reading, pdf, ReadingFormat::Pdf, &error), qPrintable(error));
        verifyPdfPages(pdf, pages);
        if (QTest::currentTestFailed())
            return;
        // Words in the order the text gives them; the lines may break
        // elsewhere, a label stands apart from its value, letters may be set
        // as ligatures.
        const auto words = [](const QString &text) {
            QString folded = text.normalized(QString::NormalizationForm_KC);
            // Qt's PDF names a glyph by the first character that shows it:
            // a character that shares its glyph with another comes back as
            // that one (页 as the radical ⻚, 長 as ⻑, ・ as ‧), which NFKC
            // leaves alone.
            static const QString radicals = QStringLiteral("⺰⻅⻈⻉⻋⻐⻓⻔⻙⻚⻛⻜⻠⻢⻥⻦⻧⻨⻩⻪⻬⻮⻰⻳⻆⻌⺦⻑‧");
            static const QString characters = QStringLiteral("纟见讠贝车钅长门韦页风飞饣马鱼鸟卤麦黄黾齐齿龙龟角辶丬長・");
            for (qsizetype i = 0; i < radicals.size(); ++i)
                folded.replace(radicals[i], characters[i]);
            return folded.remove(QRegularExpression(QStringLiteral("[\\s:：]")));
        };
        QString extracted;
        for (int page = 1; page <= pages; ++page) {
            QStringList lines = run(QStringLiteral("pdftotext"),
                                    {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                     QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")})
                                    .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
                lines.removeLast();
            const QString footer = lines.isEmpty() ? QString() : lines.takeLast();
            QVERIFY2(words(footer).contains(words(reading.title())), qPrintable(footer));
            const QString pageOf = QCoreApplication::translate("ReadingOutput", "Page %1 of %2");
            QVERIFY2(words(footer).contains(words(pageOf.arg(page).arg(pages))), qPrintable(footer));
            extracted += words(lines.join(QLatin1Char('\n')));
        }
        qsizetype at = 0;
        for (const QString &line : readingText(reading).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            at = extracted.indexOf(words(line), at);
            QVERIFY2(at >= 0, qPrintable(line));
        }
        // Most words are the reading's, set at 10 points: their boxes, about
        // 1.16 times the size, stand 10 points high or more at 9 points.
        const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        QList<double> heights;
        static const QRegularExpression word(QStringLiteral("<word xMin=\"[^\"]+\" yMin=\"([^\"]+)\" "
                                                            "xMax=\"[^\"]+\" yMax=\"([^\"]+)\""));
        for (const QRegularExpressionMatch &box : word.globalMatch(boxes))
            heights << box.captured(2).toDouble() - box.captured(1).toDouble();
        // Chinese and Japanese set no blanks between words
        QVERIFY(heights.size() > (language == QLatin1String("zh_CN") || language == QLatin1String("ja") ? 5 : 20));
        std::sort(heights.begin(), heights.end());
        QVERIFY2(heights[heights.size() / 2] >= 10.4, qPrintable(QString::number(heights[heights.size() / 2])));
        for (const QString &image :
             run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split(QLatin1Char('\n')).mid(2)) {
            if (image.isEmpty())
                continue;
            const int ppi = image.split(QLatin1Char(' '), Qt::SkipEmptyParts).value(12).toInt();
            QVERIFY2(ppi >= 150, qPrintable(image));
        }
    }

    // A reading on screen follows a change of language with the same
    // pieces, and English brings back every text exactly as it was.
    void aReadingOnScreenFollowsTheLanguage_data()
    {
        QTest::addColumn<QString>("oracle");
        for (const char *oracle : {"Celtic Ogham", "Domino", "Mahjong", "Good Luck Symbol", "Mystical Color"})
            QTest::newRow(oracle) << QString::fromLatin1(oracle);
    }
    void aReadingOnScreenFollowsTheLanguage()
    {
        QFETCH(QString, oracle);
        OracleWindow *window = read(oracle);
        const QStringList english = textsOf(f->mdi.get());
        const QString englishReading = readingText(*described(window));
        QWidget *focused = QApplication::focusWidget();
        for (const char *language : {"de", "es", "zh_CN"}) {
            Language::apply(QLatin1String(language));
            QCoreApplication::processEvents();
            QVERIFY(window->isShown());
            QCOMPARE(QApplication::focusWidget(), focused);
            const ReadingDescription translated = *described(window);
            QCOMPARE(translated.pieces.size(), described(window)->pieces.size());
            QVERIFY2(readingText(translated) != englishReading, language);
            QVERIFY(textsOf(f->mdi.get()) != english);
        }
        Language::apply(Language::English);
        QCoreApplication::processEvents();
        QCOMPARE(textsOf(f->mdi.get()), english);
        QCOMPARE(readingText(*described(window)), englishReading);
    }

    // In every language, the main window, the About box, the pause, the
    // windows that ask and the windows that answer show every text whole and
    // every character drawn.
    void everyTextFitsInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("oracle");
        for (const QString &language : Language::available())
            for (const char *oracle : {"Celtic Ogham", "Domino", "Mahjong", "Good Luck Symbol", "Mystical Color"})
                QTest::addRow("%s: %s", qPrintable(language), oracle) << language << QString::fromLatin1(oracle);
    }
    void everyTextFitsInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, oracle);
        Language::apply(language);
        QCoreApplication::processEvents();
        verifyTextsFit(f->mdi.get());
        if (QTest::currentTestFailed())
            return;
        if (oracle == QLatin1String("Domino")) { // once a language
            frmAbout about(f->services, f->mdi.get());
            about.show();
            verifyTextsFit(&about);
            PleaseWaitPanel wait;
            wait.show();
            verifyTextsFit(&wait);
            if (QTest::currentTestFailed())
                return;
        }
        verifyTextsFit(ask(oracle));
        if (QTest::currentTestFailed())
            return;
        const OracleWindow *window = answer(oracle);
        verifyTextsFit(window);
        if (QTest::currentTestFailed() || !window->openedFrom(nullptr))
            return;
    }

    // In every language, no two commands of a window, of its menu bar or of
    // one of its menus share an access key.
    void accessKeysStayOneEachInEveryLanguage_data() { everyTextFitsInEveryLanguage_data(); }
    void accessKeysStayOneEachInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, oracle);
        Language::apply(language);
        QCoreApplication::processEvents();
        const OracleWindow *window = read(oracle);
        const auto verifyOneEach = [](const QString &where, const QStringList &texts) {
            QStringList seen;
            for (const QString &text : texts) {
                const QString key = QKeySequence::mnemonic(text).toString();
                if (key.isEmpty())
                    continue;
                QVERIFY2(!seen.contains(key), qPrintable(where + QStringLiteral(": ") + key + QStringLiteral(" twice, ")
                                                          + texts.join(QStringLiteral(" | "))));
                seen << key;
            }
        };
        QStringList commands, menuBar;
        for (const QAbstractButton *button : window->findChildren<QAbstractButton *>())
            if (button->isVisibleTo(window))
                commands << button->text();
        for (const QLabel *label : window->findChildren<QLabel *>())
            if (label->isVisibleTo(window) && label->buddy())
                commands << label->text();
        for (const QAction *action : window->menuBarActions()) {
            menuBar << action->text();
            if (const QMenu *menu = action->menu()) {
                QStringList items;
                for (const QAction *item : menu->actions())
                    items << item->text();
                verifyOneEach(menu->objectName(), items);
            }
        }
        QVERIFY(!menuBar.isEmpty());
        verifyOneEach(QStringLiteral("window"), commands);
        verifyOneEach(QStringLiteral("menu bar"), menuBar + commands);
    }

    // Ctrl+C: at once, text, HTML and a picture at twice the screen's size or more.
    void copyPutsTextHtmlAndPicture()
    {
        OracleWindow *window = read(QStringLiteral("Domino"));
        press(Qt::Key_C);
        const QMimeData *copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied->formats().contains(QStringLiteral("text/plain")));
        QVERIFY(copied->formats().contains(QStringLiteral("text/html")));
        QVERIFY(copied->formats().contains(QStringLiteral("image/png")));
        QCOMPARE(copied->text(), readingText(*described(window)));
        QCOMPARE(copied->html().count(QStringLiteral("data:image/png;base64,")), 2);
        const QImage picture = QImage::fromData(copied->data(QStringLiteral("image/png")), "PNG");
        const qreal scale = std::max<qreal>(window->devicePixelRatioF(), 2);
        QCOMPARE(picture.width(), qRound(scale * readingImage(*described(window), 1).width()));
    }

    // In a text field, or the colour result's birth-day boxes, Ctrl+C copies
    // the field's selection if it has one, and otherwise the reading.
    void copyInATextField_data()
    {
        QTest::addColumn<QString>("oracle");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("selection");
        QTest::newRow("paragraph, selected words: the words")
            << QStringLiteral("Celtic Ogham") << QStringLiteral("txtCharacteristicsOne") << true;
        QTest::newRow("paragraph, nothing selected: the reading")
            << QStringLiteral("Celtic Ogham") << QStringLiteral("txtCharacteristicsOne") << false;
        for (const char *box : {"cboMonth", "cboDate", "cboYear"}) {
            QTest::addRow("%s, nothing selected: the reading", box)
                << QStringLiteral("Mystical Color saved") << QString::fromLatin1(box) << false;
            QTest::addRow("%s, selected: the selection", box)
                << QStringLiteral("Mystical Color saved") << QString::fromLatin1(box) << true;
        }
    }
    void copyInATextField()
    {
        QFETCH(QString, oracle);
        QFETCH(QString, field);
        QFETCH(bool, selection);
        OracleWindow *window = read(oracle);
        auto *focused = window->findChild<QWidget *>(field);
        focused->setFocus();
        QString selected;
        if (auto *paragraph = qobject_cast<QPlainTextEdit *>(focused)) {
            QTextCursor cursor = paragraph->textCursor();
            cursor.setPosition(0);
            cursor.setPosition(selection ? 10 : 0, QTextCursor::KeepAnchor);
            paragraph->setTextCursor(cursor);
            selected = cursor.selectedText();
        } else {
            QLineEdit *box = qobject_cast<QComboBox *>(focused)->lineEdit();
            QVERIFY(!box->text().isEmpty());
            box->setSelection(0, selection ? 2 : 0);
            selected = box->selectedText();
        }
        QCOMPARE(selected.isEmpty(), !selection);
        press(Qt::Key_C);
        QCOMPARE(QGuiApplication::clipboard()->text(), selection ? selected : readingText(*described(window)));
    }

    // The typed extension chooses the format; without one, the filter does.
    void saveWritesTheChosenFormat_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("begins");
        const QString png = QStringLiteral("PNG picture (*.png)");
        const QString pdf = QStringLiteral("PDF document (*.pdf)");
        const QString text = QStringLiteral("Plain text (*.txt)");
        QTest::newRow("png typed") << QStringLiteral("mine.png") << text << QStringLiteral("mine.png")
                                   << QByteArray("\x89PNG");
        QTest::newRow("PDF typed in capitals")
            << QStringLiteral("mine.PDF") << png << QStringLiteral("mine.PDF") << QByteArray("%PDF");
        QTest::newRow("no extension, text filter: the name as it is")
            << QStringLiteral("mine") << text << QStringLiteral("mine") << QByteArray("Domino reading\n");
        QTest::newRow("a picture's extension, PDF filter: that picture")
            << QStringLiteral("mine.jpg") << pdf << QStringLiteral("mine.jpg") << QByteArray("\xFF\xD8\xFF");
        QTest::newRow("BMP typed") << QStringLiteral("mine.bmp") << png << QStringLiteral("mine.bmp")
                                   << QByteArray("BM");
    }
    void saveWritesTheChosenFormat()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, begins);
        read(QStringLiteral("Domino"));
        f->t.files.saved = path(typed);
        f->t.files.savedFilter = filter;
        press(Qt::Key_S);
        QCOMPARE(f->t.files.suggestedName, QStringLiteral("Domino reading 2026-12-09 10.30.png"));
        QVERIFY(f->t.files.filters.contains(filter));
        QCOMPARE(f->t.messages.shown.size(), 0);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{written});
        QFile file(path(written));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(begins.size()), begins);
    }

    // A save that fails says which file and why, and leaves nothing behind.
    void saveFailureSaysWhy_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only folder") << QStringLiteral("read-only") << QStringLiteral("Permission denied");
        QTest::newRow("a folder of that name")
            << QStringLiteral("folder") << QStringLiteral("Filename refers to a directory");
        QTest::newRow("full disk, an old file in the way")
            << QStringLiteral("full") << QStringLiteral("File too large");
        QTest::newRow("a FIFO of that name") << QStringLiteral("fifo") << QStringLiteral("not a plain file");
        QTest::newRow("an extension not offered")
            << QStringLiteral("docx") << QStringLiteral("\u201c.docx\u201d is not one of the kinds offered");
    }
    void saveFailureSaysWhy()
    {
        QFETCH(QString, how);
        QFETCH(QString, reason);
        read(QStringLiteral("Domino"));
        QString target = path(QStringLiteral("reading.png"));
        QByteArray old;
        struct rlimit limit { };
        getrlimit(RLIMIT_FSIZE, &limit);
        const struct rlimit unlimited = limit;
        if (how == QLatin1String("read-only")) {
            QDir(dir->path()).mkdir(QStringLiteral("locked"));
            QFile::setPermissions(path(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
            target = path(QStringLiteral("locked/reading.png"));
            if (::access(qPrintable(path(QStringLiteral("locked"))), W_OK) == 0) // root writes anywhere
                target = QStringLiteral("/sys/augurium-reading.png");
        } else if (how == QLatin1String("folder")) {
            QDir(dir->path()).mkdir(QStringLiteral("reading.png"));
        } else if (how == QLatin1String("fifo")) {
            QCOMPARE(mkfifo(QFile::encodeName(target).constData(), 0600), 0);
        } else if (how == QLatin1String("docx")) {
            target = path(QStringLiteral("reading.docx"));
        } else {
            old = QByteArrayLiteral("the reading saved yesterday");
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(old);
            file.close();
            std::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the program
            limit.rlim_cur = 4096;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        f->t.files.saved = target;
        press(Qt::Key_S);
        setrlimit(RLIMIT_FSIZE, &unlimited);
        QCOMPARE(f->t.messages.shown.size(), 1);
        const QString message = f->t.messages.shown[0].text;
        QVERIFY2(message.startsWith(QStringLiteral("The reading could not be saved as \u201c%1\u201d: ").arg(target)),
                 qPrintable(message));
        QVERIFY2(message.contains(reason), qPrintable(message));
        QCOMPARE(f->t.messages.shown[0].icon, Messages::Icon::Critical);
        QStringList left = QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden);
        if (how == QLatin1String("full")) {
            QCOMPARE(left, QStringList{QStringLiteral("reading.png")});
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), old);
        } else if (QFileInfo(target).path() != QLatin1String("/sys")) {
            QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
        }
        if (how == QLatin1String("fifo")) {
            struct stat status { };
            QCOMPARE(::stat(QFile::encodeName(target).constData(), &status), 0);
            QVERIFY(S_ISFIFO(status.st_mode));
        }
        QVERIFY(f->window("frmDominoOracleDisplay")->isShown());
    }

    // Out of space, nothing is cut short: an old file stays byte for byte, a
    // new name leaves nothing, and the message says which file and why.
    void fullDiskKeepsTheOldFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("printed"); // by Print to File rather than Save
        QTest::addColumn<bool>("old");
        for (const bool old : {true, false}) {
            const char *where = old ? "over an old file" : "a new name";
            QTest::addRow("PNG, %s", where) << QStringLiteral("reading.png") << false << old;
            QTest::addRow("JPEG, %s", where) << QStringLiteral("reading.jpg") << false << old;
            QTest::addRow("PDF, %s", where) << QStringLiteral("reading.pdf") << false << old;
            QTest::addRow("text, %s", where) << QStringLiteral("reading.txt") << false << old;
            QTest::addRow("Print to File, %s", where) << QStringLiteral("printed.pdf") << true << old;
        }
    }
    void fullDiskKeepsTheOldFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, printed);
        QFETCH(bool, old);
        read(QStringLiteral("Domino"));
        const QString target = path(name);
        const QByteArray yesterday = QByteArrayLiteral("the reading saved yesterday");
        if (old) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(yesterday);
        }
        f->t.files.saved = target;
        f->t.printers.pdf = target;
        {
            const FileSizeLimit full(100); // shorter than any format of the reading
            press(printed ? Qt::Key_P : Qt::Key_S);
        }
        QCOMPARE(f->t.messages.shown.size(), 1);
        const QString message = f->t.messages.shown[0].text;
        QVERIFY2(message.contains(QStringLiteral("\u201c%1\u201d").arg(QDir::toNativeSeparators(target))),
                 qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("File too large")), qPrintable(message));
        QCOMPARE(f->t.messages.shown[0].icon, Messages::Icon::Critical);
        const QStringList left = QDir(dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        QCOMPARE(left, old ? QStringList{name} : QStringList{});
        if (old) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), yesterday);
        }
    }

    // The save dialog refuses a name in double quotes, which Qt's own dialog
    // would read as a list of names and save under one of them.
    void saveDialogRefusesDoubleQuotes()
    {
        OracleWindow *window = read(QStringLiteral("Domino"));
        DialogFileChooser chooser;
        QStringList refusals;
        DialogAnswers answers([&](QWidget *dialog) {
            if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
                refusals << box->text();
                box->accept();
                return;
            }
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!name) {
                qobject_cast<QDialog *>(dialog)->reject();
                return;
            }
            name->setText(
                path(refusals.isEmpty() ? QStringLiteral("my \"best\" reading.png") : QStringLiteral("plain.png")));
            QTest::keyClick(name, Qt::Key_Return);
        });
        QString filter;
        const QString chosen =
            chooser.saveFileName(window, QStringLiteral("Save Reading As"), QStringLiteral("reading.png"),
                                 {QStringLiteral("PNG picture (*.png)")}, &filter);
        QCOMPARE(chosen, path(QStringLiteral("plain.png")));
        QCOMPARE(refusals.size(), 1);
        QVERIFY2(refusals[0].contains(QStringLiteral("double quotes")), qPrintable(refusals[0]));
    }

    // The toolkit's dialogs keep the desktop's look, modal and centred over
    // the main window, whatever the oracle window's style sheet.
    void toolkitDialogsKeepTheDesktopLook_data()
    {
        QTest::addColumn<QString>("oracle");
        QTest::addColumn<QString>("dialog");
        for (const char *dialog : {"message", "save", "open", "print"})
            QTest::addRow("Mahjong: %s", dialog) << QStringLiteral("Mahjong") << QString::fromLatin1(dialog);
        QTest::newRow("Domino: message") << QStringLiteral("Domino") << QStringLiteral("message");
        QTest::newRow("Good Luck Symbol: save") << QStringLiteral("Good Luck Symbol") << QStringLiteral("save");
    }
    void toolkitDialogsKeepTheDesktopLook()
    {
        QFETCH(QString, oracle);
        QFETCH(QString, dialog);
        OracleWindow *window = read(oracle);
        int labels = 0;
        QStringList styled;
        bool modal = false;
        QPoint offCentre;
        DialogAnswers answers([&](QWidget *shown) {
            modal = shown->isModal();
            offCentre = shown->frameGeometry().center() - f->mdi->frameGeometry().center();
            for (const QLabel *label : shown->findChildren<QLabel *>()) {
                if (!label->isVisibleTo(shown) || label->text().isEmpty())
                    continue;
                ++labels;
                if (label->font().bold()
                    || label->palette().color(QPalette::WindowText)
                           != QApplication::palette(label).color(QPalette::WindowText))
                    styled << label->text();
            }
            for (const QAbstractButton *button : shown->findChildren<QAbstractButton *>())
                if (button->isVisibleTo(shown) && button->font().bold())
                    styled << button->text();
            qobject_cast<QDialog *>(shown)->reject();
        });
        DialogFileChooser files;
        if (dialog == QLatin1String("message")) {
            DialogMessages().inform(window, QStringLiteral("The reading could not be printed."),
                                    Messages::Icon::Critical);
        } else if (dialog == QLatin1String("save")) {
            QString filter;
            files.saveFileName(window, QStringLiteral("Save Reading As"), QStringLiteral("reading.png"),
                               {QStringLiteral("PNG picture (*.png)")}, &filter);
        } else if (dialog == QLatin1String("open")) {
            files.openFileName(window, QStringLiteral("Select the source file"), QStringLiteral("Tallymere (*.num)"),
                               QStringLiteral("num"));
        } else {
            QPrinter printer;
            DialogPrinters(files).choose(window, printer, QStringLiteral("reading.pdf"));
        }
        QCOMPARE(answers.answered(), 1);
        QVERIFY(labels > 0);
        QVERIFY2(styled.isEmpty(), qPrintable(styled.join(QStringLiteral(" | "))));
        QVERIFY(modal);
        QVERIFY2(offCentre.manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1, %2").arg(offCentre.x()).arg(offCentre.y())));
    }

    // Open, save and Print to File start in the folder last used in this run,
    // else in Documents, else at home.
    void fileDialogsStartWhereTheUserWasLast_data()
    {
        QTest::addColumn<bool>("documents");
        QTest::newRow("a Documents folder") << true;
        QTest::newRow("no Documents folder: home") << false;
    }
    void fileDialogsStartWhereTheUserWasLast()
    {
        QFETCH(bool, documents);
        const QString home = path(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(documents ? home + QStringLiteral("/Documents") : home));
        const ScopedVariable homeVariable("HOME", home);
        const ScopedVariable configVariable("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
        for (const char *folder : {"there", "further"})
            QVERIFY(QDir(dir->path()).mkdir(QLatin1String(folder)));
        const QString saved = path(QStringLiteral("there/reading.num"));
        QFile file(saved);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();

        OracleWindow *window = read(QStringLiteral("Mystical Color"));
        DialogFileChooser files;
        DialogPrinters printers(files);
        QStringList startedIn;
        QStringList choices{saved, path(QStringLiteral("further/mine.png"))};
        QString printFile;
        DialogAnswers answers([&](QWidget *shown) {
            if (auto *chooser = qobject_cast<QFileDialog *>(shown)) {
                startedIn << chooser->directory().absolutePath();
                if (choices.isEmpty()) {
                    chooser->reject();
                    return;
                }
                auto *name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
                if (!name) {
                    chooser->reject();
                    return;
                }
                name->setText(choices.takeFirst());
                QTest::keyClick(name, Qt::Key_Return);
                return;
            }
            if (const auto *name = shown->findChild<QLineEdit *>(QStringLiteral("filename")))
                printFile = name->text();
            qobject_cast<QDialog *>(shown)->reject();
        });
        const QString first = documents ? home + QStringLiteral("/Documents") : home;
        const QString filter = QStringLiteral("Tallymere (*.num)");
        QCOMPARE(files.openFileName(window, QStringLiteral("Select the source file"), filter, QStringLiteral("num")),
                 saved);
        QString chosenFilter;
        QCOMPARE(files.saveFileName(window, QStringLiteral("Save Reading As"), QStringLiteral("reading.png"),
                                    {QStringLiteral("PNG picture (*.png)")}, &chosenFilter),
                 path(QStringLiteral("further/mine.png")));
        QVERIFY(files.openFileName(window, QStringLiteral("Select the source file"), filter, QStringLiteral("num"))
                    .isEmpty());
        QPrinter printer;
        QVERIFY(!printers.choose(window, printer, QStringLiteral("Domino reading 2026-12-09.pdf")));
        QCOMPARE(startedIn, (QStringList{first, path(QStringLiteral("there")), path(QStringLiteral("further"))}));
        QCOMPARE(printFile, path(QStringLiteral("further/Domino reading 2026-12-09.pdf")));
        // A new run starts afresh.
        startedIn.clear();
        QVERIFY(DialogFileChooser()
                    .openFileName(window, QStringLiteral("Select the source file"), filter, QStringLiteral("num"))
                    .isEmpty());
        QCOMPARE(startedIn, QStringList{first});
    }

    // Ctrl+P prints one page through the print dialog; a cancel prints nothing.
    void printGoesThroughTheDialog()
    {
        read(QStringLiteral("Mahjong"));
        press(Qt::Key_P); // cancelled
        QCOMPARE(f->t.messages.shown.size(), 0);
        // Print to File offers the name Save would.
        QCOMPARE(f->t.printers.suggestedName, QStringLiteral("Mahjong reading 2026-12-09 10.30.pdf"));
        const QString pdf = path(QStringLiteral("printed.pdf"));
        f->t.printers.pdf = pdf;
        press(Qt::Key_P);
        QCOMPARE(f->t.messages.shown.size(), 0);
        verifyPdfPages(pdf, 1);
        QVERIFY(
            run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}).contains(QStringLiteral("Mahjong reading")));
    }
};

// The program's own look: its fonts decide what fits.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    tst_Readings test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_readings.moc"
