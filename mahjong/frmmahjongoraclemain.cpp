#include "frmmahjongoraclemain.h"
#include "ui_frmmahjongoraclemain.h"

#include "clickable.h"
#include "frmmahjongoracledisplay.h"
#include "mahjongpictures.h"
#include "modmajongoracle.h"
#include "services.h"

frmMahjongOracleMain::frmMahjongOracleMain(OracleHost &host)
    : OracleWindow(host, Mahjong)
    , ui(std::make_unique<Ui::frmMahjongOracleMain>())
{
    ui->setupUi(this);
    ui->cmdFindMajong->setPixmap(MahjongStartPicture().picture(1, devicePixelRatio()));
    makeClickable(
        ui->cmdFindMajong, [this] { cmdFindMajong_Click(); }, Pointer::Hand);
    nameThePicture();
}

frmMahjongOracleMain::~frmMahjongOracleMain() = default;

void frmMahjongOracleMain::cmdFindMajong_Click()
{
    ui->picMessage->standInFor(ui->cmdFindMajong); // the prompt stays in sight beneath it
    if (!PauseSeconds(3))
        return; // closed while waiting: no reading
    const MahjongDraw tile = DrawMahjong(services().random);
    auto *display = OracleWindow::instance<frmMahjongOracleDisplay>(host());
    display->showTile(tile);
    showReading(*display);
}

void frmMahjongOracleMain::readyForAnotherReading()
{
    ui->picMessage->giveBackTo(ui->cmdFindMajong);
}

void frmMahjongOracleMain::retranslate()
{
    ui->retranslateUi(this);
    nameThePicture();
}

// The picture is the window's command: a screen reader names it by what it does.
void frmMahjongOracleMain::nameThePicture()
{
    //: The screen reader's name of the picture that draws a mahjong tile when clicked
    ui->cmdFindMajong->setAccessibleName(tr("Draw my tile"));
    ui->cmdFindMajong->setAccessibleDescription(tr("A picture of mahjong tiles"));
}
