// Augurium's start-up up to its main window, with settings in a throw-away folder.
#include "firstpaint.h"
#include "frmmdi.h"
#include "look.h"
#include "productionservices.h"
#include "updatereminder.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

namespace {
class ThrowAwaySettings final : public SettingsLocation {
public:
    QTemporaryDir dir;
    std::unique_ptr<QSettings> open() const override
    {
        return std::make_unique<QSettings>(dir.filePath(QStringLiteral("a.conf")), QSettings::IniFormat);
    }
};
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    applyAuguriumLook(app);
    ProductionServices production;
    ThrowAwaySettings settings;
    Services services{production.random, production.clock, production.messages, production.urls, settings,
                      production.files};
    services.random.seed(1);
    RemindOfUpdate(services);
    frmMDI window(services, OracleRegistry{});
    FirstPaint painted(&window);
    window.showMaximized();
    return app.exec();
}
