#include "oracles.h"

#include "frmcelticoghamoraclemain.h"
#include "frmdominooraclemain.h"
#include "oraclewindow.h"

OracleRegistry AuguriumOracles()
{
    OracleRegistry oracles{};
    oracles[CelticOgham] = OracleWindow::instance<frmCelticOghamOracleMain>;
    oracles[Domino] = OracleWindow::instance<frmDominoOracleMain>;
    return oracles;
}
