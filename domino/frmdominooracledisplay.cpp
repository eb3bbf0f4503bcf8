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
    offerReadingCommands();
    // The reading takes the focus when it shows, so a screen reader says it
    // at once; Enter pressed there still leaves, as Exit does.
    readAloudIn(ui->lblDominoMassage);
}

frmDominoOracleDisplay::~frmDominoOracleDisplay() = default;

void frmDominoOracleDisplay::showDomino(const DominoDraw &domino)
{
    ReadingPiece piece;
    const auto show = [this, &piece](QLabel *picture, int pips) {
        const int number = DominoHalfPicture(pips);
        picture->setPixmap(IMGDomino().picture(number, devicePixelRatio()));
        picture->setAccessibleName(DominoHalfName(pips));
        piece.pictures << IMGDomino().pagePicture(number);
        return DominoHalfNumber(pips);
    };
    const QString one = show(ui->picDominoOne, domino.DominoOne);
    const QString two = show(ui->picDominoTwo, domino.DominoTwo);
    ui->lblDominoMassage->setText(domino.DominoReading);
    ui->lblDominoNumber->setText(one + QLatin1Char('-') + two);

    piece.heading = QStringLiteral("Your domino");
    piece.name = ui->lblDominoNumber->text();
    piece.pictureName =
        ui->picDominoOne->accessibleName() + QStringLiteral(" and ") + ui->picDominoTwo->accessibleName();
    piece.text = domino.DominoReading;
    ReadingDescription reading = newReading();
    reading.pieces = {piece};
    setReading(reading);
}

void frmDominoOracleDisplay::cmdOK_Click()
{
    backToStart();
}
