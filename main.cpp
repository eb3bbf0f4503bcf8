// Augurium: the production services and the five oracles, wired once.
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
    const OracleRegistry oracles{};
    return StartUp(app, services, oracles);
}
