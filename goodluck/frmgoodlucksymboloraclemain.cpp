#include "frmgoodlucksymboloraclemain.h"
#include "ui_frmgoodlucksymboloraclemain.h"

#include "culturecheckbox.h"
#include "frmgoodlucksymboloracledisplay.h"
#include "modgoodlucksymbol.h"
#include "services.h"

#include <QAction>
#include <algorithm>

namespace {
// The highest the introduction's top may rise within its frame.
constexpr int IntroductionTop = 2;
}

frmGoodLuckSymbolOracleMain::frmGoodLuckSymbolOracleMain(OracleHost &host)
    : OracleWindow(host, GoodLuck)
    , ui(std::make_unique<Ui::frmGoodLuckSymbolOracleMain>())
{
    ui->setupUi(this);
    chkGoodLuck = {ui->chkGoodLuck_0, ui->chkGoodLuck_1, ui->chkGoodLuck_2, ui->chkGoodLuck_3,
                   ui->chkGoodLuck_4, ui->chkGoodLuck_5, ui->chkGoodLuck_6};
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmGoodLuckSymbolOracleMain::cmdNext_Click);
    //: The File menu's item, the same command as the window's button.
    addFileItem("mnuNext", QT_TR_NOOP("Find My Good luck Symbol"), &frmGoodLuckSymbolOracleMain::cmdNext_Click);
    m_introduction = ui->Label1->geometry();
    setCodeTexts();
    fitIntroduction();
}

frmGoodLuckSymbolOracleMain::~frmGoodLuckSymbolOracleMain() = default;

// The boxes read as the cultures' headings do, on the reading and in the Library.
void frmGoodLuckSymbolOracleMain::setCodeTexts()
{
    for (int culture = 0; culture < GoodLuckCultureCount; ++culture)
        chkGoodLuck[culture]->setHeading(GoodLuckHeading(culture));
}

void frmGoodLuckSymbolOracleMain::retranslate()
{
    ui->retranslateUi(this);
    setCodeTexts();
    fitIntroduction();
}

// The introduction grows upwards, into the room above it, when its words in
// some language take more lines than the English; it keeps its foot above
// the boxes.
void frmGoodLuckSymbolOracleMain::fitIntroduction()
{
    QLabel *introduction = ui->Label1;
    introduction->ensurePolished();
    const int bottom = m_introduction.bottom();
    const int room = bottom + 1 - IntroductionTop;
    const int height = std::clamp(introduction->heightForWidth(introduction->width()), m_introduction.height(),
                                  std::max(room, m_introduction.height()));
    introduction->setGeometry(m_introduction.x(), bottom + 1 - height, m_introduction.width(), height);
}

void frmGoodLuckSymbolOracleMain::cmdNext_Click()
{
    if (std::none_of(chkGoodLuck.begin(), chkGoodLuck.end(), [](const QCheckBox *box) { return box->isChecked(); })) {
        //: No culture is ticked.
        services().messages.inform(this, tr("Please Select A Type of Good Luck Symbol"), Messages::Icon::Information);
        return;
    }
    auto *display = OracleWindow::instance<frmGoodLuckSymbolOracleDisplay>(host());
    for (int culture = 0; culture < GoodLuckCultureCount; ++culture)
        if (chkGoodLuck[culture]->isChecked())
            display->showSymbol(culture, DrawGoodLuckSymbol(culture, services().random));
    showReading(*display);
}
