#include "frmgoodlucksymboloraclemain.h"
#include "ui_frmgoodlucksymboloraclemain.h"

#include "frmgoodlucksymboloracledisplay.h"
#include "modgoodlucksymbol.h"
#include "services.h"

#include <algorithm>

frmGoodLuckSymbolOracleMain::frmGoodLuckSymbolOracleMain(OracleHost &host)
    : OracleWindow(host, GoodLuck)
    , ui(std::make_unique<Ui::frmGoodLuckSymbolOracleMain>())
{
    ui->setupUi(this);
    chkGoodLuck = {ui->chkGoodLuck_0, ui->chkGoodLuck_1, ui->chkGoodLuck_2, ui->chkGoodLuck_3,
                   ui->chkGoodLuck_4, ui->chkGoodLuck_5, ui->chkGoodLuck_6};
    connect(ui->cmdNext, &QPushButton::clicked, this, &frmGoodLuckSymbolOracleMain::cmdNext_Click);
    addFileItem("mnuNext", QT_TR_NOOP("Find My Good luck Symbol"), &frmGoodLuckSymbolOracleMain::cmdNext_Click);
}

frmGoodLuckSymbolOracleMain::~frmGoodLuckSymbolOracleMain() = default;

void frmGoodLuckSymbolOracleMain::cmdNext_Click()
{
    if (std::none_of(chkGoodLuck.begin(), chkGoodLuck.end(), [](const QCheckBox *box) { return box->isChecked(); })) {
        services().messages.inform(this, QStringLiteral("Please Select A Type of Good Luck Symbol"),
                                   Messages::Icon::Information);
        return;
    }
    auto *display = OracleWindow::instance<frmGoodLuckSymbolOracleDisplay>(host());
    for (int culture = 0; culture < GoodLuckCultureCount; ++culture)
        if (chkGoodLuck[culture]->isChecked())
            display->showSymbol(culture, DrawGoodLuckSymbol(culture, services().random));
    showReading(*display);
}
