#include "frmcelticoghamoraclemain.h"
#include "ui_frmcelticoghamoraclemain.h"

#include "clickable.h"
#include "frmcelticoghamoracledisplay.h"
#include "modoghamoracle.h"
#include "oghampictures.h"
#include "oracletables.h"
#include "services.h"

#include <QEvent>

frmCelticOghamOracleMain::frmCelticOghamOracleMain(OracleHost &host)
    : OracleWindow(host, CelticOgham)
    , ui(std::make_unique<Ui::frmCelticOghamOracleMain>())
{
    ui->setupUi(this);
    ui->txtQuestion->setPlainText(QStringLiteral("Enter Your Question Here\r\n"));
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
    display->FillOghamReading(reading);
    showReading(*display);
}

void frmCelticOghamOracleMain::txtQuestion_Click()
{
    ui->txtQuestion->selectAll();
}

bool frmCelticOghamOracleMain::eventFilter(QObject *watched, QEvent *event)
{
    // The click selects all once the box has placed its cursor.
    if (watched == ui->txtQuestion->viewport() && event->type() == QEvent::MouseButtonRelease)
        QMetaObject::invokeMethod(this, &frmCelticOghamOracleMain::txtQuestion_Click, Qt::QueuedConnection);
    return OracleWindow::eventFilter(watched, event);
}
