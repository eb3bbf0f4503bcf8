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
    m_halves = {domino.DominoOne, domino.DominoTwo};
    m_drawnAt = newReading().when;
    showHalves();
}

void frmDominoOracleDisplay::retranslate()
{
    ui->retranslateUi(this);
    if (m_halves)
        showHalves();
}

void frmDominoOracleDisplay::showHalves()
{
    const auto [one, two] = *m_halves;
    ReadingPiece piece;
    const auto show = [this, &piece](QLabel *picture, int pips) {
        const int number = DominoHalfPicture(pips);
        picture->setPixmap(IMGDomino().picture(number, devicePixelRatio()));
        picture->setAccessibleName(DominoHalfName(pips));
        piece.pictures << IMGDomino().pagePicture(number);
    };
    show(ui->picDominoOne, one);
    show(ui->picDominoTwo, two);
    const QString reading = DominoMessage(one * 7 + two); // the entry of key "one-two"
    const QString number = DominoHalfNumber(one) + QLatin1Char('-') + DominoHalfNumber(two);
    ui->lblDominoMassage->setText(reading);
    ui->lblDominoNumber->setText(number);

    //: Heads the domino drawn in a copied, saved or printed reading
    piece.heading = tr("Your domino");
    piece.name = number;
    //: A screen reader's name for the two halves of the domino drawn, such as "6 pips and 4 pips"
    piece.pictureName = tr("%1 and %2").arg(DominoHalfName(one), DominoHalfName(two));
    piece.text = reading;
    ReadingDescription description = newReading();
    description.when = m_drawnAt;
    description.pieces = {piece};
    setReading(description);
}

void frmDominoOracleDisplay::cmdOK_Click()
{
    backToStart();
}
