#include "frmdominooraclemain.h"
#include "ui_frmdominooraclemain.h"

#include "clickable.h"
#include "dominopictures.h"
#include "frmdominooracledisplay.h"
#include "moddominooracle.h"
#include "services.h"

frmDominoOracleMain::frmDominoOracleMain(OracleHost &host)
    : OracleWindow(host, Domino)
    , ui(std::make_unique<Ui::frmDominoOracleMain>())
{
    ui->setupUi(this);
    ui->picProceed->setPixmap(DominoStartPicture().picture(1, devicePixelRatio()));
    makeClickable(
        ui->picProceed, [this] { picProceed_Click(); }, Pointer::Hand);
    nameThePicture();
}

frmDominoOracleMain::~frmDominoOracleMain() = default;

void frmDominoOracleMain::picProceed_Click()
{
    ui->picMessage->standInFor(ui->picProceed);
    ui->lblClickMessage->hide();
    if (!PauseSeconds(3))
        return; // closed while waiting: no reading
    const DominoDraw domino = DrawDomino(services().random);
    auto *display = OracleWindow::instance<frmDominoOracleDisplay>(host());
    display->showDomino(domino);
    showReading(*display);
}

void frmDominoOracleMain::readyForAnotherReading()
{
    ui->picMessage->giveBackTo(ui->picProceed);
    ui->lblClickMessage->show();
}

void frmDominoOracleMain::retranslate()
{
    ui->retranslateUi(this);
    nameThePicture();
}

// The picture is the window's command: a screen reader names it by what it does.
void frmDominoOracleMain::nameThePicture()
{
    //: The screen reader's name of the picture that draws a domino when clicked
    ui->picProceed->setAccessibleName(tr("Draw my domino"));
    ui->picProceed->setAccessibleDescription(tr("A picture of dominoes"));
}
