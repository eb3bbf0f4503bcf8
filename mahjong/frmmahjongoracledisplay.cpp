#include "frmmahjongoracledisplay.h"
#include "ui_frmmahjongoracledisplay.h"

#include "mahjongpictures.h"
#include "modmajongoracle.h"

frmMahjongOracleDisplay::frmMahjongOracleDisplay(OracleHost &host)
    : OracleWindow(host, Mahjong)
    , ui(std::make_unique<Ui::frmMahjongOracleDisplay>())
{
    ui->setupUi(this);
    connectBack(ui->cmdOK, &frmMahjongOracleDisplay::cmdOK_Click);
    connectExit(ui->cmdExit);
    offerReadingCommands();
    // The reading takes the focus when it shows, so a screen reader says it
    // at once; Enter pressed there still leaves, as Exit does.
    readAloudIn(ui->lblDescription);
}

frmMahjongOracleDisplay::~frmMahjongOracleDisplay() = default;

void frmMahjongOracleDisplay::showTile(const MahjongDraw &tile)
{
    ui->picMajong->setPixmap(IMGMajong().picture(tile.MahjongIndex, devicePixelRatio()));
    ui->picMajong->setAccessibleName(MahjongTilePictureName(tile.MahjongEnglishName));
    ui->lblName->setText(tile.MahjongName);
    ui->lblEnglishName->setText(tile.MahjongEnglishName);
    ui->lblChineseCharacter->setText(tile.MahjongChineseCharacter);
    ui->lblDescription->setText(tile.MahjongDescription);

    ReadingPiece piece{QStringLiteral("Your mahjong tile"),
                       tile.MahjongName,
                       {IMGMajong().pagePicture(tile.MahjongIndex)},
                       ui->picMajong->accessibleName(),
                       {{QStringLiteral("English Name"), tile.MahjongEnglishName},
                        {QStringLiteral("Chinese Character"), tile.MahjongChineseCharacter}},
                       tile.MahjongDescription};
    const auto describe = [this, &piece] {
        ReadingDescription reading = newReading();
        reading.pieces = {piece};
        setReading(reading);
    };

    const MahjongTileDetail *detail = MahjongDetail(tile.MahjongIndex);
    if (!detail)
        return describe(); // suits and dragons have no panel
    using Values = QList<QLabel *>;
    // The flower panel's second heading says "Color" over the flower's
    // season; a copy names it by the table.
    const QStringList names = MahjongAttributeNames(detail->category);
    const auto fill = [detail, &piece, &names](QWidget *panel, const Values &values) {
        for (qsizetype i = 0; i < values.size(); ++i) {
            values[i]->setText(detail->attributes.value(i));
            piece.fields.append({names.value(i), detail->attributes.value(i)});
        }
        panel->show();
    };
    switch (detail->category) {
    case MahjongTileDetail::Wind:
        fill(ui->picWind, Values{ui->lblWindSeason, ui->lblWindColor, ui->lblWindElement, ui->lblWindConstellation});
        break;
    case MahjongTileDetail::Flower:
        fill(ui->picFlower, Values{ui->lblFlowerPlayer, ui->lblFlowerSeason});
        break;
    case MahjongTileDetail::Season:
        fill(ui->picSeason, Values{ui->lblSeasonPlayer, ui->lblSeasonRepresentation, ui->lblSeasonFlower,
                                   ui->lblSeasonColor, ui->lblSeasonElement});
        break;
    }
    describe();
}

void frmMahjongOracleDisplay::cmdOK_Click()
{
    backToStart();
}
