#include "frmcelticoghamoraclemain.h"
#include "ui_frmcelticoghamoraclemain.h"

#include "clickable.h"
#include "frmcelticoghamoracledisplay.h"
#include "modoghamoracle.h"
#include "oghampictures.h"
#include "oracletables.h"
#include "services.h"

#include <QFocusEvent>

frmCelticOghamOracleMain::frmCelticOghamOracleMain(OracleHost &host)
    : OracleWindow(host, CelticOgham)
    , ui(std::make_unique<Ui::frmCelticOghamOracleMain>())
{
    ui->setupUi(this);
    ui->txtQuestion->setPlainText(QStringLiteral("Enter Your Question Here\r\n"));
    m_prompt = ui->txtQuestion->toPlainText();
    ui->txtQuestion->installEventFilter(this);
    ui->txtQuestion->viewport()->installEventFilter(this);

    makeClickable(
        ui->picMainImage, [this] { picMainImage_Click(); }, Pointer::Hand);

    // Form_Load: a tree picture at random, independent of the trees a reading draws.
    const int tree = itemNumber(services().random.next(), OghamTreeCount);
    ui->picMainImage->setPixmap(IMGTree().picture(tree, devicePixelRatio()));
    ui->picMainImage->setAccessibleName(QStringLiteral("Draw my three trees"));
    ui->picMainImage->setAccessibleDescription(QStringLiteral("A picture of a tree"));
}

frmCelticOghamOracleMain::~frmCelticOghamOracleMain() = default;

bool frmCelticOghamOracleMain::ValidateQuestion()
{
    // Only an empty box is refused: blanks and the prompt itself are a question.
    if (!ui->txtQuestion->toPlainText().isEmpty())
        return true;
    services().messages.inform(this, QStringLiteral("Plese Enter Your Question"), Messages::Icon::Information);
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
    display->FillOghamReading(reading, question == m_prompt.trimmed() ? QString() : question);
    showReading(*display);
}

// While the box holds the prompt, a click selects it all, so that typing
// replaces it; in a question of the user's own, the click places the caret
// where it falls, so that a typo can be mended.
void frmCelticOghamOracleMain::txtQuestion_Click()
{
    selectWholePrompt();
}

void frmCelticOghamOracleMain::selectWholePrompt()
{
    if (ui->txtQuestion->toPlainText() == m_prompt)
        ui->txtQuestion->selectAll();
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
