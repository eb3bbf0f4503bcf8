#include "frmgoodlucksymboloracledisplay.h"
#include "ui_frmgoodlucksymboloracledisplay.h"

#include "culturebutton.h"
#include "goodluckpictures.h"
#include "modgoodlucksymbol.h"
#include "readingoutput.h"
#include "screenreader.h"

#include <QLabel>
#include <QSignalBlocker>

frmGoodLuckSymbolOracleDisplay::frmGoodLuckSymbolOracleDisplay(OracleHost &host)
    : OracleWindow(host, GoodLuck)
    , ui(std::make_unique<Ui::frmGoodLuckSymbolOracleDisplay>())
{
    ui->setupUi(this);
    cmdGoodLuck = {ui->cmdGoodLuck_0, ui->cmdGoodLuck_1, ui->cmdGoodLuck_2, ui->cmdGoodLuck_3,
                   ui->cmdGoodLuck_4, ui->cmdGoodLuck_5, ui->cmdGoodLuck_6};
    m_panels = {ui->fraIndian,  ui->fraChinese, ui->fraJapanese,      ui->fraEgyptian,
                ui->fraEnglish, ui->fraArabian, ui->fraNativeAmerican};
    for (GoodLuckPanel *panel : m_panels)
        panel->setUp();
    setCultureTexts();
    for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
        connect(cmdGoodLuck[culture], &QPushButton::clicked, this, [this, culture] { cmdGoodLuck_Click(culture); });
        // A screen reader's action checks the button without a click.
        connect(cmdGoodLuck[culture], &QPushButton::toggled, this, [this, culture](bool checked) {
            if (checked)
                cmdGoodLuck_Click(culture);
        });
    }
    connectBack(ui->cmdOK, &frmGoodLuckSymbolOracleDisplay::cmdOK_Click);
    connectExit(ui->cmdExit);
    offerReadingCommands();
}

frmGoodLuckSymbolOracleDisplay::~frmGoodLuckSymbolOracleDisplay() = default;

// The panels' headings and the buttons read as the selection's boxes do.
void frmGoodLuckSymbolOracleDisplay::setCultureTexts()
{
    for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
        m_panels[culture]->setHeading(GoodLuckHeading(culture));
        cmdGoodLuck[culture]->setHeading(GoodLuckHeading(culture));
    }
}

void frmGoodLuckSymbolOracleDisplay::showSymbol(int culture, int number)
{
    m_when = newReading().when;
    m_shown[culture] = number;
    renderSymbol(culture);
    cmdGoodLuck[culture]->setEnabled(true);
    bringToFront(culture);
}

void frmGoodLuckSymbolOracleDisplay::renderSymbol(int culture)
{
    const int number = m_shown[culture];
    const GoodLuckSymbol &symbol = GoodLuckSymbols(culture, number);
    m_panels[culture]->showSymbol(goodLuckPictures(culture).picture(number, devicePixelRatio()), symbol.name,
                                  symbol.description);
}

void frmGoodLuckSymbolOracleDisplay::retranslate()
{
    ui->retranslateUi(this);
    setCultureTexts();
    for (int culture = 0; culture < GoodLuckCultureCount; ++culture) {
        if (m_shown[culture] == 0)
            continue;
        renderSymbol(culture);
        // Those behind are named as they will be read when they come to the front.
        if (culture != m_front)
            m_panels[culture]->readingText()->setAccessibleName(spokenSymbol(culture));
    }
    if (m_front >= 0)
        setReading(describeReading()); // names the symbol in front
}

ReadingDescription frmGoodLuckSymbolOracleDisplay::describeReading() const
{
    ReadingDescription reading = newReading();
    reading.when = m_when;
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
    return reading;
}

// Only the symbol in front is in sight: it alone is read, under the heading
// its panel shows.
QString frmGoodLuckSymbolOracleDisplay::spokenText(const ReadingDescription &) const
{
    return spokenSymbol(m_front);
}

QString frmGoodLuckSymbolOracleDisplay::spokenSymbol(int culture) const
{
    const GoodLuckSymbol &symbol = GoodLuckSymbols(culture, m_shown[culture]);
    ReadingDescription one;
    one.pieces = {{GoodLuckHeading(culture), symbol.name, {}, {}, {}, symbol.description}};
    return spokenReading(one);
}

void frmGoodLuckSymbolOracleDisplay::cmdGoodLuck_Click(int index)
{
    if (index == m_front) // in front already: only the focus goes back to its symbol
        m_panels[index]->readingText()->setFocus(Qt::OtherFocusReason);
    else
        bringToFront(index);
}

// The panel in front is the only one shown: those behind it are hidden, to
// screen readers as well, not merely covered. Its description takes the
// focus, named by the symbol, so a switch is heard; it does so before the
// panel that had it hides, so the focus never passes through a control that
// is going away.
void frmGoodLuckSymbolOracleDisplay::bringToFront(int culture)
{
    m_front = culture;
    GoodLuckPanel *front = m_panels[culture];
    front->show();
    front->raise();
    showToScreenReaders(front);
    {
        const QSignalBlocker quiet(cmdGoodLuck[culture]); // the panel is in front already
        cmdGoodLuck[culture]->setChecked(true);
    }
    readAloudIn(front->readingText());
    setReading(describeReading());
    for (int other = 0; other < GoodLuckCultureCount; ++other)
        if (other != culture)
            m_panels[other]->hide();
}

void frmGoodLuckSymbolOracleDisplay::cmdOK_Click()
{
    backToStart();
}
