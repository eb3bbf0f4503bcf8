#include "frmgoodlucksymboloracledisplay.h"
#include "ui_frmgoodlucksymboloracledisplay.h"

#include "goodluckpictures.h"
#include "modgoodlucksymbol.h"

frmGoodLuckSymbolOracleDisplay::frmGoodLuckSymbolOracleDisplay(OracleHost &host)
    : OracleWindow(host, GoodLuck)
    , ui(std::make_unique<Ui::frmGoodLuckSymbolOracleDisplay>())
{
    ui->setupUi(this);
    cmdGoodLuck = {ui->cmdGoodLuck_0, ui->cmdGoodLuck_1, ui->cmdGoodLuck_2, ui->cmdGoodLuck_3,
                   ui->cmdGoodLuck_4, ui->cmdGoodLuck_5, ui->cmdGoodLuck_6};
    m_panels = {ui->fraIndian,  ui->fraChinese, ui->fraJapanese,      ui->fraEgyptian,
                ui->fraEnglish, ui->fraArabian, ui->fraNativeAmerican};
    for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
        m_panels[culture]->setUp(GoodLuckHeading(culture));
        connect(cmdGoodLuck[culture], &QPushButton::clicked, this, [this, culture] { cmdGoodLuck_Click(culture); });
    }
    connectBack(ui->cmdOK, &frmGoodLuckSymbolOracleDisplay::cmdOK_Click);
    connectExit(ui->cmdExit);
    offerReadingCommands();
}

frmGoodLuckSymbolOracleDisplay::~frmGoodLuckSymbolOracleDisplay() = default;

void frmGoodLuckSymbolOracleDisplay::showSymbol(int culture, int number)
{
    const GoodLuckSymbol &symbol = GoodLuckSymbols(culture, number);
    m_panels[culture]->showSymbol(goodLuckPictures(culture).picture(number, devicePixelRatio()), symbol.name,
                                  symbol.description);
    bringToFront(culture);
    // Drawn in culture order, the buttons of the drawn cultures thus take the
    // tab order from the last drawn to the first: they were made in that order.
    cmdGoodLuck[culture]->setEnabled(true);

    m_shown[culture] = number;
    ReadingDescription reading = newReading();
    for (int shown = 0; shown < GoodLuckCultureCount; ++shown) {
        if (m_shown[shown] == 0)
            continue;
        const GoodLuckSymbol &drawn = GoodLuckSymbols(shown, m_shown[shown]);
        // The culture's panel caption, said of the one symbol drawn.
        reading.pieces.append({GoodLuckSymbolHeading(shown),
                               drawn.name,
                               {goodLuckPictures(shown).pagePicture(m_shown[shown])},
                               drawn.name,
                               {},
                               drawn.description});
    }
    setReading(reading);
}

void frmGoodLuckSymbolOracleDisplay::cmdGoodLuck_Click(int index)
{
    bringToFront(index);
}

// The panel in front is the only one shown: those behind it are hidden, to
// screen readers as well, not merely covered.
void frmGoodLuckSymbolOracleDisplay::bringToFront(int culture)
{
    for (int other = 0; other < GoodLuckCultureCount; ++other)
        m_panels[other]->setVisible(other == culture);
    m_panels[culture]->raise();
}

void frmGoodLuckSymbolOracleDisplay::cmdOK_Click()
{
    backToStart();
}
