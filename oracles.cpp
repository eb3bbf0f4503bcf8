#include "oracles.h"

#include "frmcelticoghamoraclemain.h"
#include "frmdominooraclemain.h"
#include "frmgoodlucksymboloraclemain.h"
#include "frmmahjongoraclemain.h"
#include "frmmysticcolororaclemain.h"
#include "frmoraclelibrary.h"
#include "oraclewindow.h"

OracleRegistry AuguriumOracles()
{
    OracleRegistry oracles{};
    oracles[CelticOgham] = OracleWindow::instance<frmCelticOghamOracleMain>;
    oracles[Domino] = OracleWindow::instance<frmDominoOracleMain>;
    oracles[GoodLuck] = OracleWindow::instance<frmGoodLuckSymbolOracleMain>;
    oracles[Mahjong] = OracleWindow::instance<frmMahjongOracleMain>;
    oracles[MysticalColor] = OracleWindow::instance<frmMysticColorOracleMain>;
    oracles.library = OracleWindow::instance<frmOracleLibrary>;
    return oracles;
}
