// Augurium: the production services and the five oracles, wired once.
#include "oracles.h"
#include "productionservices.h"
#include "startup.h"

#include <QApplication>
#include <optional>

int main(int argc, char **argv)
{
    std::optional<QApplication> app;
    {
        const DesktopSessionRequired session;
        app.emplace(argc, argv);
    }
    QApplication::setApplicationName(QStringLiteral("augurium"));
    QApplication::setOrganizationName(QStringLiteral("augurium"));
    // Lets the desktop match the windows to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("example.augurium.Augurium"));
    ProductionServices production;
    Services services = production.services();
    return StartUp(*app, services, AuguriumOracles());
}
