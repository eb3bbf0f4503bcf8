#include "frmdominooracledisplay.h"
#include "ui_frmdominooracledisplay.h"

#include "dominopictures.h"
#include "moddominooracle.h"

frmDominoOracleDisplay::frmDominoOracleDisplay(OracleHost &host)
    : OracleWindow(host, Domino)
    , ui(std::make_unique<Ui::frmDominoOracleDisplay>())
{
    ui->setupUi(this);
    connectBack(ui->cmdOK, &frmDominoOracleDisplay::cmdOK_Click);
    connectExit(ui->cmdExit);
    // Enter, pressed as soon as the reading shows, leaves it; it must not
    // reach a link first in the tab order.
    focusWhenShown(ui->cmdExit);
}

frmDominoOracleDisplay::~frmDominoOracleDisplay() = default;

void frmDominoOracleDisplay::showDomino(const DominoDraw &domino)
{
    const auto show = [this](QLabel *picture, int pips) {
        picture->setPixmap(IMGDomino().picture(DominoHalfPicture(pips), devicePixelRatio()));
        picture->setAccessibleName(DominoHalfName(pips));
        return pips == 0 ? QStringLiteral("Blank") : QString::number(pips);
    };
    const QString one = show(ui->picDominoOne, domino.DominoOne);
    const QString two = show(ui->picDominoTwo, domino.DominoTwo);
    ui->lblDominoMassage->setText(domino.DominoReading);
    ui->lblDominoNumber->setText(one + QLatin1Char('-') + two);
}

void frmDominoOracleDisplay::cmdOK_Click()
{
    backToStart();
}
