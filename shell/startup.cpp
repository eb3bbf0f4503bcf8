#include "startup.h"

#include "frmmdi.h"
#include "look.h"
#include "services.h"
#include "singleinstance.h"
#include "updatereminder.h"

#include <QApplication>
#include <QTime>

int StartUp(QApplication &app, Services &services, const OracleRegistry &oracles)
{
    applyAuguriumLook(app);
    const SingleInstance instance;
    if (!instance.isOnlyCopy()) {
        services.messages.inform(nullptr, QStringLiteral("Application is already running"),
                                 Messages::Icon::Information);
        return 0;
    }
    services.random.seed(quint64(QTime::currentTime().msecsSinceStartOfDay()));
    RemindOfUpdate(services);
    frmMDI main(services, oracles);
    main.showMaximized();
    return app.exec();
}
