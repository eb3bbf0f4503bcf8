#include "oracles.h"

#include "frmcelticoghamoraclemain.h"
#include "oraclewindow.h"

OracleRegistry AuguriumOracles()
{
    OracleRegistry oracles{};
    oracles[CelticOgham] = OracleWindow::instance<frmCelticOghamOracleMain>;
    return oracles;
}
