// Augurium: the production services and the five oracles, wired once.
#include "frmcelticoghamoraclemain.h"
#include "productionservices.h"
#include "startup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("augurium"));
    QApplication::setOrganizationName(QStringLiteral("augurium"));
    ProductionServices production;
    Services services = production.services();
    OracleRegistry oracles{};
    oracles[CelticOgham] = OracleWindow::instance<frmCelticOghamOracleMain>;
    return StartUp(app, services, oracles);
}
