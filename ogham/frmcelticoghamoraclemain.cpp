#include "frmcelticoghamoraclemain.h"
#include "ui_frmcelticoghamoraclemain.h"

#include "clickable.h"
#include "frmcelticoghamoracledisplay.h"
#include "modoghamoracle.h"
#include "oghampictures.h"
#include "oracletables.h"
#include "services.h"

#include <QFocusEvent>
#include <algorithm>

frmCelticOghamOracleMain::frmCelticOghamOracleMain(OracleHost &host)
    : OracleWindow(host, CelticOgham)
    , ui(std::make_unique<Ui::frmCelticOghamOracleMain>())
{
    ui->setupUi(this);
    m_instructionHeight = ui->lblInstruction->height();
    // Any change to the box but the window's own prompt is the user's question.
    connect(ui->txtQuestion, &QTextEdit::textChanged, this, [this] { m_showsPrompt = false; });
    showPrompt();
    ui->txtQuestion->installEventFilter(this);
    ui->txtQuestion->viewport()->installEventFilter(this);

    makeClickable(
        ui->picMainImage, [this] { picMainImage_Click(); }, Pointer::Hand);

    // Form_Load: a tree picture at random, independent of the trees a reading draws.
    const int tree = itemNumber(services().random.next(), OghamTreeCount);
    ui->picMainImage->setPixmap(IMGTree().picture(tree, devicePixelRatio()));
    setCodeTexts();
    fitInstruction();
}

frmCelticOghamOracleMain::~frmCelticOghamOracleMain() = default;

bool frmCelticOghamOracleMain::ValidateQuestion()
{
    // Only an empty box is refused: blanks and the prompt itself are a question.
    if (!ui->txtQuestion->toPlainText().isEmpty())
        return true;
    //: The question box is empty.
    services().messages.inform(this, tr("Plese Enter Your Question"), Messages::Icon::Information);
    ui->txtQuestion->setFocus();
    return false;
}

void frmCelticOghamOracleMain::picMainImage_Click()
{
    if (!ValidateQuestion())
        return;
    const OghamReading reading = DrawOghamTrees(services().random);
    auto *display = OracleWindow::instance<frmCelticOghamOracleDisplay>(host());
    // The prompt left in the box is no question worth keeping with the reading.
    const QString question = ui->txtQuestion->toPlainText().trimmed();
    display->FillOghamReading(reading, m_showsPrompt ? QString() : question);
    showReading(*display);
}

// While the box holds the prompt, a click selects it all, so that typing
// replaces it; in a question of the user's own, the click places the caret
// where it falls, so that a typo can be mended.
void frmCelticOghamOracleMain::txtQuestion_Click()
{
    selectWholePrompt();
}

void frmCelticOghamOracleMain::showPrompt()
{
    // The line break puts the caret, at the end, on a line of its own.
    //: The text the question box opens with; typing replaces it.
    ui->txtQuestion->setPlainText(tr("Enter Your Question Here") + QLatin1Char('\n'));
    m_showsPrompt = true;
}

void frmCelticOghamOracleMain::selectWholePrompt()
{
    if (m_showsPrompt)
        ui->txtQuestion->selectAll();
}

void frmCelticOghamOracleMain::setCodeTexts()
{
    //: What clicking the tree picture does, as a screen reader names the picture.
    ui->picMainImage->setAccessibleName(tr("Draw my three trees"));
    ui->picMainImage->setAccessibleDescription(tr("A picture of a tree"));
}

// One line as designed; a longer instruction wraps onto a second one below,
// in the free space above the frame's edge.
void frmCelticOghamOracleMain::fitInstruction()
{
    QLabel *instruction = ui->lblInstruction;
    instruction->ensurePolished();
    const int room = ui->fraName->height() - instruction->y();
    instruction->resize(instruction->width(),
                        std::clamp(instruction->heightForWidth(instruction->width()), m_instructionHeight, room));
}

void frmCelticOghamOracleMain::retranslate()
{
    ui->retranslateUi(this);
    setCodeTexts();
    fitInstruction();
    // A question of the user's own stays as typed; the prompt speaks the new language.
    if (m_showsPrompt) {
        const bool whole = ui->txtQuestion->textCursor().selectedText().size() >= ui->txtQuestion->toPlainText().size();
        showPrompt();
        if (whole)
            ui->txtQuestion->selectAll();
    }
}

bool frmCelticOghamOracleMain::eventFilter(QObject *watched, QEvent *event)
{
    // The click acts once the box has placed its cursor.
    if (watched == ui->txtQuestion->viewport() && event->type() == QEvent::MouseButtonRelease)
        QMetaObject::invokeMethod(this, &frmCelticOghamOracleMain::txtQuestion_Click, Qt::QueuedConnection);
    // Arriving by Tab, as in a line of a form, the whole text is taken; so is
    // the prompt when the window opens, so that typing at once replaces it.
    if (watched == ui->txtQuestion && event->type() == QEvent::FocusIn) {
        switch (static_cast<QFocusEvent *>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
            ui->txtQuestion->selectAll();
            break;
        case Qt::MouseFocusReason:        // the click decides
        case Qt::ActiveWindowFocusReason: // back from another window: as it was left
        case Qt::PopupFocusReason:
            break;
        default:
            selectWholePrompt();
            break;
        }
    }
    return OracleWindow::eventFilter(watched, event);
}
