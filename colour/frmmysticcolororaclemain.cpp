#include "frmmysticcolororaclemain.h"
#include "ui_frmmysticcolororaclemain.h"

#include "modcolororacle.h"
#include "savedreading.h"
#include "screenreader.h"
#include "services.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <limits>

frmMysticColorOracleMain::frmMysticColorOracleMain(OracleHost &host)
    : OracleWindow(host, MysticalColor)
    , ui(std::make_unique<Ui::frmMysticColorOracleMain>())
{
    ui->setupUi(this);
    ui->lblResult_1->setText(ColorReadings(3).reading); // never seen: Ask replaces it
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
    // The text boxes inside the drop-downs carry their captions too, or a
    // screen reader would announce them without a name.
    for (const auto &[part, caption] : {std::pair{ui->cboMonth, ui->Label6}, std::pair{ui->cboDate, ui->Label3},
                                        std::pair{ui->cboYear, ui->Label7}})
        part->lineEdit()->setAccessibleName(caption->text());
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
    services().messages.inform(this,
                               empty == ui->txtNameFirst ? QStringLiteral("Please Enter Your First Name")
                                                         : QStringLiteral("Please Enter Your Last Name"),
                               Messages::Icon::Critical);
    return false;
}

void frmMysticColorOracleMain::cmdNext_Click()
{
    const QString first = ui->txtNameFirst->text();
    const QString last = ui->txtNameLast->text();
    if (!ValidateNames())
        return;
    const ColorReading &colour = ColorReadings(LuckyColorNumber(first, last));
    ui->lblResult_0->setText(colour.name);
    ui->lblResult_1->setText(colour.reading);
    ReadingDescription reading = newReading();
    reading.asked = {{QStringLiteral("Name"), first + QLatin1Char(' ') + last}};
    QStringList birthDay{ui->cboMonth->currentText(), ui->cboDate->currentText(), ui->cboYear->currentText()};
    birthDay.removeAll(QString());
    if (!birthDay.isEmpty())
        reading.asked.append({QStringLiteral("Birth Day"), birthDay.join(QLatin1Char(' '))});
    reading.pieces = {{QStringLiteral("Your lucky colour"), colour.name, {}, {}, {}, colour.reading}};
    setReading(reading);
    showPanel(ui->Frame2);
}

void frmMysticColorOracleMain::cmdBack_Click()
{
    ui->txtNameFirst->clear();
    ui->txtNameLast->clear();
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
    const QString path = services().files.openFileName(this, QStringLiteral("Select the source file"),
                                                       QStringLiteral("Tallymere (*.num)"), QStringLiteral("num"));
    if (path.isEmpty())
        return; // cancelled
    if (!IsSavedReadingName(path)) {
        services().messages.inform(this, QStringLiteral("Please Check The File."), Messages::Icon::Critical);
        return;
    }
    const SavedBirthDay birthDay = ReadSavedReading(path);
    ui->cboMonth->setEditText(birthDay.month);
    ui->cboDate->setEditText(birthDay.date);
    ui->cboYear->setEditText(birthDay.year);
    cmdNext_Click();
}

bool frmMysticColorOracleMain::txtName_KeyPress(QLineEdit *field, const QString &typed)
{
    const bool accepted =
        typed.size() == 1
        && ((typed[0] >= u'A' && typed[0] <= u'Z') || (typed[0] >= u'a' && typed[0] <= u'z') || typed[0] == u'\b');
    if (accepted)
        return true;
    field->setFocus();
    services().messages.inform(this, QStringLiteral("Please Enter Character Only"), Messages::Icon::Critical);
    return false;
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
