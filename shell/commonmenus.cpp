#include "commonmenus.h"

#include "frmabout.h"
#include "modhelp.h"
#include "services.h"

#include <QAction>
#include <QMenu>

namespace {
QAction *item(QMenu *menu, const char *name, const QString &text, std::function<void()> run)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, menu, std::move(run));
    return action;
}
}

QList<QAction *> buildCommonMenuBar(QWidget *owner, Services &services, const MenuBarLook &look,
                                    std::function<void()> onExit, std::function<void()> onLibrary)
{
    auto *file = new QMenu(QStringLiteral("&File"), owner);
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addActions(look.fileItems);
    if (!look.fileItems.isEmpty())
        file->addSeparator(); // Exit stands apart from the window's own commands
    item(file, "mnuExit", QStringLiteral("E&xit"), std::move(onExit));

    auto *help = new QMenu(QStringLiteral("&Help"), owner);
    help->setObjectName(QStringLiteral("mnuHelp"));
    item(help, "mnuOnline", QStringLiteral("&Online Help"), [&services] { OpenHelpPage(services.urls); });
    item(help, "mnuVisit", QStringLiteral("&Visit Us Online"), [&services] { OpenHomePage(services.urls); });
    help->addSeparator();
    item(help, "mnuUpdate",
         look.updateCaption == MenuBarLook::UpdateCaption::SoftwareUpdate
             ? QStringLiteral("Check for Software &Update")
             : QStringLiteral("&Check for Software Update"),
         [&services] { OpenDownloadPage(services.urls); });
    help->addSeparator();
    item(help, "mnuAbout", QStringLiteral("&About Software"),
         [&services, owner] { frmAbout::showModal(services, owner); });
    help->addSeparator();
    // Each window's own Ctrl+L: only the menu bar in front holds a live one.
    item(help, "mnuLibrary", QStringLiteral("Oracle &Library"), std::move(onLibrary))
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));

    // Declared but switched off: shown greyed and never run. Its access key
    // could never act, yet the menu bar would still claim Alt+O, and in the
    // colour window that made the Open button's Alt+O do nothing.
    auto *makeMoney = new QAction(QStringLiteral("Make Money Online"), owner);
    makeMoney->setObjectName(look.makeMoneyName);
    makeMoney->setEnabled(false);

    return {file->menuAction(), help->menuAction(), makeMoney};
}
