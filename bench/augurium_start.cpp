// Augurium's own start-up, as main.cpp runs it, with its settings in a
// throw-away folder; it ends at its first paint.
#include "firstpaint.h"
#include "oracles.h"
#include "productionservices.h"
#include "startup.h"
#include "throwawaysettings.h"

#include <QApplication>
#include <optional>

int main(int argc, char **argv)
{
    std::optional<QApplication> app;
    {
        const DesktopSessionRequired session;
        app.emplace(argc, argv);
    }
    ProductionServices production;
    ThrowAwaySettings settings;
    Services services{production.random, production.clock, production.messages, production.urls,
                      settings,          production.files, production.printers};
    const FirstPaint painted;
    return StartUp(*app, services, AuguriumOracles());
}
