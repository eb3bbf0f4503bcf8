#include "frmmysticcolororaclemain.h"
#include "ui_frmmysticcolororaclemain.h"

#include "language.h"
#include "modcolororacle.h"
#include "savedreading.h"
#include "screenreader.h"
#include "services.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <algorithm>
#include <limits>

namespace {
// The months as a saved reading writes them, whatever language the program speaks.
constexpr const char *SavedMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                       "July",    "August",   "September", "October", "November", "December"};

// 1 to 12 for a month as a saved reading writes it; 0 for any other text.
int savedMonthNumber(const QString &written)
{
    for (int month = 1; month <= 12; ++month)
        if (written == QLatin1String(SavedMonths[month - 1]))
            return month;
    return 0;
}

QString monthName(int month)
{
    return QLocale(Language::current()).standaloneMonthName(month, QLocale::LongFormat);
}

// The smallest share of its design size the reading's font may shrink to.
constexpr qreal SmallestReadingShare = 0.8;

enum class NameCharacter { Accepted, NotALetter, NotLatin };

// Letters A to Z and Backspace, as the names have always been typed. Another
// language lets its own letters of the Latin script in as well (ü, ß, é, ø);
// a letter of another script is asked for in Latin letters instead.
NameCharacter judgeNameCharacter(const QString &typed)
{
    const QList<uint> points = typed.toUcs4();
    if (points.size() != 1)
        return NameCharacter::NotALetter;
    const char32_t c = points.front();
    if ((c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') || c == U'\b')
        return NameCharacter::Accepted;
    if (Language::current() == Language::English || !QChar::isLetter(c))
        return NameCharacter::NotALetter;
    return QChar::script(c) == QChar::Script_Latin ? NameCharacter::Accepted : NameCharacter::NotLatin;
}
}

frmMysticColorOracleMain::frmMysticColorOracleMain(OracleHost &host)
    : OracleWindow(host, MysticalColor)
    , ui(std::make_unique<Ui::frmMysticColorOracleMain>())
{
    ui->setupUi(this);
    ui->lblResult_1->ensurePolished();
    m_readingFont = ui->lblResult_1->font();
    m_welcomeHeight = ui->lblLabel_2->height();
    showResult();
    fitWelcome();
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmMysticColorOracleMain::cmdNext_Click);
    connect(ui->cmdBack, &QPushButton::clicked, this, &frmMysticColorOracleMain::cmdBack_Click);
    connect(ui->cmdOpen, &QPushButton::clicked, this, &frmMysticColorOracleMain::cmdOpen_Click);
    for (QLineEdit *name : {ui->txtNameFirst, ui->txtNameLast}) {
        name->setMaxLength(std::numeric_limits<int>::max()); // no limit: the colour counts every letter
        name->installEventFilter(this);
        // Typing goes through key presses, where the rule sees it, not past it
        // through an input method.
        name->setAttribute(Qt::WA_InputMethodEnabled, false);
    }
    setCodeTexts();
    offerReadingCommands(); // for the result panel, while it is in front
    readAloudIn(ui->lblResult_1);
    showPanel(ui->Frame1); // Form_Load
}

frmMysticColorOracleMain::~frmMysticColorOracleMain() = default;

bool frmMysticColorOracleMain::ValidateNames()
{
    // The raw text: a field of blanks counts as filled.
    QLineEdit *empty = ui->txtNameFirst->text().isEmpty()  ? ui->txtNameFirst
                       : ui->txtNameLast->text().isEmpty() ? ui->txtNameLast
                                                           : nullptr;
    if (!empty)
        return true;
    empty->setFocus();
    services().messages.inform(
        this, empty == ui->txtNameFirst ? tr("Please Enter Your First Name") : tr("Please Enter Your Last Name"),
        Messages::Icon::Critical);
    return false;
}

void frmMysticColorOracleMain::cmdNext_Click()
{
    const QString first = ui->txtNameFirst->text();
    const QString last = ui->txtNameLast->text();
    if (!ValidateNames())
        return;
    m_colour = LuckyColorNumber(first, last);
    const int month = savedMonthShown();
    m_asked = Asked{first,
                    last,
                    month,
                    month ? QString() : ui->cboMonth->currentText(),
                    ui->cboDate->currentText(),
                    ui->cboYear->currentText()};
    m_when = newReading().when;
    showResult();
    setReading(describeReading());
    showPanel(ui->Frame2);
}

// The colour in the result panel; before the first, a stand-in that no one
// sees, since Ask replaces it.
void frmMysticColorOracleMain::showResult()
{
    if (m_colour == 0) {
        ui->lblResult_1->setText(ColorReadings(3).reading);
    } else {
        const ColorReading &colour = ColorReadings(m_colour);
        ui->lblResult_0->setText(colour.name);
        ui->lblResult_1->setText(colour.reading);
    }
    fitReading();
}

// A reading longer than its box, in some language, is written a little
// smaller rather than lose its last lines.
void frmMysticColorOracleMain::fitReading()
{
    QLabel *reading = ui->lblResult_1;
    QFont fitting = m_readingFont;
    const qreal smallest = fitting.pointSizeF() * SmallestReadingShare;
    if (reading->font() != fitting)
        reading->setFont(fitting);
    while (reading->heightForWidth(reading->width()) > reading->height() && fitting.pointSizeF() - 0.25 >= smallest) {
        fitting.setPointSizeF(fitting.pointSizeF() - 0.25);
        reading->setFont(fitting);
    }
}

// The welcome grows downwards, into the room above the first name, when its
// words in some language take more lines than the English.
void frmMysticColorOracleMain::fitWelcome()
{
    QLabel *welcome = ui->lblLabel_2;
    welcome->ensurePolished();
    const int room = ui->lblLabel_0->y() - welcome->y() - 2;
    welcome->resize(welcome->width(), std::clamp(welcome->heightForWidth(welcome->width()), m_welcomeHeight,
                                                 std::max(room, m_welcomeHeight)));
}

ReadingDescription frmMysticColorOracleMain::describeReading() const
{
    const ColorReading &colour = ColorReadings(m_colour);
    ReadingDescription reading = newReading();
    reading.when = m_when;
    //: The caption of the names in a copied or printed reading.
    reading.asked = {{tr("Name"),
                      //: A person's whole name: %1 is the first name, %2 the last name, both as typed.
                      tr("%1 %2").arg(m_asked->first, m_asked->last)}};
    QStringList birthDay{m_asked->month ? monthName(m_asked->month) : m_asked->monthText, m_asked->date, m_asked->year};
    birthDay.removeAll(QString());
    //: A whole birth day in a copied reading: %1 is the month's name, %2 the day, %3 the year.
    const QString whole = tr("%1 %2 %3");
    if (!birthDay.isEmpty())
        //: The caption of the birth day in a copied or printed reading.
        reading.asked.append({tr("Birth Day"), birthDay.size() == 3 ? whole.arg(birthDay[0], birthDay[1], birthDay[2])
                                                                    : birthDay.join(QLatin1Char(' '))});
    //: What the colour of a reading is, as a copied or printed reading heads it.
    reading.pieces = {{tr("Your lucky colour"), colour.name, {}, {}, {}, colour.reading}};
    return reading;
}

void frmMysticColorOracleMain::cmdBack_Click()
{
    ui->txtNameFirst->clear();
    ui->txtNameLast->clear();
    m_asked.reset();
    setReading(std::nullopt);
    showPanel(ui->Frame1);
    ui->txtNameFirst->setFocus();
}

// The panel in front is the only one shown: the other is hidden, to the
// keyboard and to screen readers as well, not merely covered. A result puts
// the focus on its reading before the input panel hides, so the focus never
// passes through a control that is going away.
void frmMysticColorOracleMain::showPanel(QWidget *panel)
{
    QWidget *other = panel == ui->Frame1 ? ui->Frame2 : ui->Frame1;
    panel->show();
    panel->raise();
    showToScreenReaders(panel);
    if (panel == ui->Frame2)
        ui->lblResult_1->setFocus(Qt::OtherFocusReason);
    other->hide();
}

void frmMysticColorOracleMain::cmdOpen_Click()
{
    //: The title of the dialog that opens a saved reading.
    const QString path = services().files.openFileName(this, tr("Select the source file"),
                                                       QStringLiteral("Tallymere (*.num)"), QStringLiteral("num"));
    if (path.isEmpty())
        return; // cancelled
    if (!IsSavedReadingName(path)) {
        //: The chosen file is not a saved reading (its name does not end in "num").
        services().messages.inform(this, tr("Please Check The File."), Messages::Icon::Critical);
        return;
    }
    const SavedBirthDay birthDay = ReadSavedReading(path);
    showSavedMonth(birthDay.month);
    ui->cboDate->setEditText(birthDay.date);
    ui->cboYear->setEditText(birthDay.year);
    cmdNext_Click();
}

// A month the file writes in English shows in the language in use, and
// follows it; any other text shows as written.
void frmMysticColorOracleMain::showSavedMonth(const QString &written)
{
    m_savedMonth = savedMonthNumber(written);
    m_savedMonthShown = m_savedMonth ? monthName(m_savedMonth) : written;
    ui->cboMonth->setEditText(m_savedMonthShown);
}

// The saved reading's month, while the box still shows it as it was given; 0
// once the user has written another.
int frmMysticColorOracleMain::savedMonthShown() const
{
    return m_savedMonth && ui->cboMonth->currentText() == m_savedMonthShown ? m_savedMonth : 0;
}

bool frmMysticColorOracleMain::txtName_KeyPress(QLineEdit *field, const QString &typed)
{
    const NameCharacter judged = judgeNameCharacter(typed);
    if (judged == NameCharacter::Accepted)
        return true;
    field->setFocus();
    //: A letter of another script than the Latin one was typed in a name.
    const QString notLatin = tr("Please type your name in Latin letters, as it is written in your passport.");
    //: A digit, a blank or a punctuation mark was typed in a name.
    const QString notALetter = tr("Please Enter Character Only");
    services().messages.inform(this, judged == NameCharacter::NotLatin ? notLatin : notALetter,
                               Messages::Icon::Critical);
    return false;
}

// The text boxes inside the drop-downs carry their captions too, or a screen
// reader would announce them without a name.
void frmMysticColorOracleMain::setCodeTexts()
{
    for (const auto &[part, caption] :
         {std::pair{ui->cboMonth, ui->Label6}, std::pair{ui->cboDate, ui->Label3}, std::pair{ui->cboYear, ui->Label7}})
        part->lineEdit()->setAccessibleName(caption->text());
}

void frmMysticColorOracleMain::retranslate()
{
    ui->retranslateUi(this);
    setCodeTexts();
    fitWelcome();
    showResult();
    const int month = savedMonthShown();
    if (month)
        showSavedMonth(QLatin1String(SavedMonths[month - 1]));
    if (m_asked)
        setReading(describeReading());
}

bool frmMysticColorOracleMain::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if ((field == ui->txtNameFirst || field == ui->txtNameLast) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Enter asks, as it would in a form.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            ui->cmdNext->click();
            return true;
        }
        // Esc, and an access key that no control of the window answers (Alt+B
        // while Back is hidden), do nothing: they must not type their letter.
        if (key->key() == Qt::Key_Escape
            || ((key->modifiers() & Qt::AltModifier) && !(key->modifiers() & Qt::ControlModifier)))
            return true;
        // Keys that type nothing (arrows, Home, End, Delete, Tab) and shortcuts
        // such as paste go on as usual: pasted text is not filtered.
        const bool typesNothing = key->text().isEmpty() || key->key() == Qt::Key_Delete || key->key() == Qt::Key_Tab
                                  || key->key() == Qt::Key_Backtab
                                  || (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier));
        if (!typesNothing && !txtName_KeyPress(field, key->text()))
            return true; // the character never reaches the field
    }
    return OracleWindow::eventFilter(watched, event);
}
