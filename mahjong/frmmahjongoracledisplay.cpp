#include "frmmahjongoracledisplay.h"
#include "ui_frmmahjongoracledisplay.h"

#include "mahjongpictures.h"
#include "modmajongoracle.h"

frmMahjongOracleDisplay::frmMahjongOracleDisplay(OracleHost &host)
    : OracleWindow(host, Mahjong)
    , ui(std::make_unique<Ui::frmMahjongOracleDisplay>())
{
    ui->setupUi(this);
    headPanels();
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
    m_row = tile.MahjongIndex;
    m_drawnAt = newReading().when;
    showRow();
}

void frmMahjongOracleDisplay::retranslate()
{
    ui->retranslateUi(this);
    headPanels();
    if (m_row)
        showRow();
}

// The panels head their values with the table's names, as a copy of the
// reading and the Library do; the flower panel alone keeps the form's
// "Color" over the flower's season.
void frmMahjongOracleDisplay::headPanels()
{
    const auto head = [](const QList<QLabel *> &headings, MahjongTileDetail::Category category) {
        const QStringList names = MahjongAttributeNames(category);
        for (qsizetype i = 0; i < headings.size(); ++i)
            headings[i]->setText(names.value(i));
    };
    head({ui->picWindHeading0, ui->picWindHeading1, ui->picWindHeading2, ui->picWindHeading3}, MahjongTileDetail::Wind);
    head({ui->picFlowerHeading0}, MahjongTileDetail::Flower);
    head({ui->picSeasonHeading0, ui->picSeasonHeading1, ui->picSeasonHeading2, ui->picSeasonHeading3,
          ui->picSeasonHeading4},
         MahjongTileDetail::Season);
}

void frmMahjongOracleDisplay::showRow()
{
    const MahjongTile &tile = MahjongTiles(m_row);
    ui->picMajong->setPixmap(IMGMajong().picture(m_row, devicePixelRatio()));
    ui->picMajong->setAccessibleName(MahjongTilePictureName(m_row));
    ui->lblName->setText(tile.TileName);
    ui->lblEnglishName->setText(tile.TileEnglishName);
    ui->lblChineseCharacter->setText(tile.TileChineseCharacter);
    ui->lblDescription->setText(tile.TileDescription);

    //: Heads the tile drawn in a copied, saved or printed reading
    ReadingPiece piece{
        tr("Your mahjong tile"),
        tile.TileName,
        {IMGMajong().pagePicture(m_row)},
        MahjongTilePictureName(m_row),
        {{tr("English Name"), tile.TileEnglishName}, {tr("Chinese Character"), tile.TileChineseCharacter}},
        tile.TileDescription};
    const auto describe = [this, &piece] {
        ReadingDescription reading = newReading();
        reading.when = m_drawnAt;
        reading.pieces = {piece};
        setReading(reading);
    };

    const MahjongTileDetail *detail = MahjongDetail(m_row);
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
