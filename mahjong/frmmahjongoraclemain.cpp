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
    ui->cmdFindMajong->setAccessibleName(QStringLiteral("Draw my tile"));
    ui->cmdFindMajong->setAccessibleDescription(QStringLiteral("A picture of mahjong tiles"));
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
