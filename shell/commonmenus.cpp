#include "commonmenus.h"

#include "frmabout.h"
#include "modhelp.h"
#include "language.h"
#include "languagemenu.h"
#include "services.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace {
struct CommonMenus {
    Q_DECLARE_TR_FUNCTIONS(CommonMenus)
};

QAction *item(QMenu *menu, const char *name, std::function<void()> run)
{
    QAction *action = menu->addAction(QString());
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, menu, std::move(run));
    return action;
}
}

QList<QAction *> buildCommonMenuBar(QWidget *owner, Services &services, const MenuBarLook &look,
                                    std::function<void()> onExit, std::function<void()> onLibrary)
{
    auto *file = new QMenu(owner);
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addActions(look.fileItems);
    if (!look.fileItems.isEmpty())
        file->addSeparator(); // Exit stands apart from the window's own commands
    QAction *exit = item(file, "mnuExit", std::move(onExit));

    auto *help = new QMenu(owner);
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *online = item(help, "mnuOnline", [&services] { OpenHelpPage(services.urls); });
    QAction *visit = item(help, "mnuVisit", [&services] { OpenHomePage(services.urls); });
    help->addSeparator();
    QAction *update = item(help, "mnuUpdate", [&services] { OpenDownloadPage(services.urls); });
    help->addSeparator();
    QAction *about = item(help, "mnuAbout", [&services, owner] { frmAbout::showModal(services, owner); });
    help->addSeparator();
    // Each window's own Ctrl+L: only the menu bar in front holds a live one.
    QAction *library = item(help, "mnuLibrary", std::move(onLibrary));
    library->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    QMenu *language = addLanguageMenu(help, services);

    // Declared but switched off: shown greyed and never run. Its access key
    // could never act, yet the menu bar would still claim Alt+O, and in the
    // colour window that made the Open button's Alt+O do nothing.
    auto *makeMoney = new QAction(owner);
    makeMoney->setObjectName(look.makeMoneyName);
    makeMoney->setEnabled(false);

    const bool softwareUpdate = look.updateCaption == MenuBarLook::UpdateCaption::SoftwareUpdate;
    Language::whenLanguageChanges(owner, [=] {
        file->setTitle(CommonMenus::tr("&File"));
        exit->setText(CommonMenus::tr("E&xit"));
        help->setTitle(CommonMenus::tr("&Help"));
        online->setText(CommonMenus::tr("&Online Help"));
        visit->setText(CommonMenus::tr("&Visit Us Online"));
        update->setText(softwareUpdate ? CommonMenus::tr("Check for Software &Update") : CommonMenus::tr("&Check for Software Update"));
        about->setText(CommonMenus::tr("&About Software"));
        library->setText(CommonMenus::tr("Oracle &Library"));
        language->setTitle(CommonMenus::tr("Lan&guage"));
        makeMoney->setText(CommonMenus::tr("Make Money Online"));
    });
    return {file->menuAction(), help->menuAction(), makeMoney};
}
