#include "startup.h"

#include "frmmdi.h"
#include "language.h"
#include "languagemenu.h"
#include "look.h"
#include "services.h"
#include "singleinstance.h"
#include "updatereminder.h"

#include <QApplication>
#include <QTime>
#include <cstdio>
#include <cstdlib>

namespace {
QtMessageHandler toolkitHandler = nullptr;

void noDisplay(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtFatalMsg) {
        toolkitHandler(type, context, message);
        return;
    }
    std::fputs("Augurium needs a desktop session (X11 or Wayland) to show its windows, "
               "and none could be reached.\n",
               stderr);
    std::fflush(stderr);
    std::_Exit(1);
}
}

DesktopSessionRequired::DesktopSessionRequired()
    : m_previous(qInstallMessageHandler(noDisplay))
{
    toolkitHandler = m_previous;
}

DesktopSessionRequired::~DesktopSessionRequired()
{
    qInstallMessageHandler(m_previous);
}

int StartUp(QApplication &app, Services &services, const OracleRegistry &oracles)
{
    applyAuguriumLook(app);
    Language::apply(startLanguage(services));
    const SingleInstance instance;
    switch (instance.state()) {
    case SingleInstance::State::AnotherCopyRuns:
        services.messages.inform(nullptr, QCoreApplication::translate("StartUp", "Application is already running"),
                                 Messages::Icon::Information);
        return 0;
    case SingleInstance::State::Unguarded:
        // Better a second copy than none: say why and go on.
        qWarning("Augurium: %s; starting without the guard against a second copy.", qPrintable(instance.problem()));
        break;
    case SingleInstance::State::OnlyCopy:
        break;
    }
    services.random.seed(quint64(QTime::currentTime().msecsSinceStartOfDay()));
    RemindOfUpdate(services);
    frmMDI main(services, oracles);
    main.showMaximized();
    return app.exec();
}
