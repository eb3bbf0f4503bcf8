#pragma once
// The menu bar every window of the suite carries: "&File" (the window's own
// items, a separator, then "E&xit"), "&Help" (ending with "Oracle &Library") and the
// switched-off "Make Money Online".
#include <QList>
#include <QString>
#include <functional>

class QAction;
class QWidget;
struct Services;

struct MenuBarLook {
    enum class UpdateCaption {
        SoftwareUpdate,
        CheckFor
    }; // "Check for Software &Update" / "&Check for Software Update"
    UpdateCaption updateCaption = UpdateCaption::SoftwareUpdate;
    QString makeMoneyName = QStringLiteral("mkmoney");
    QList<QAction *> fileItems = {}; // placed before "E&xit", with a separator between
};

// Builds the menus as children of `owner` and returns the menu bar's top-level
// actions. `onExit` is what "E&xit" does in this window; `onLibrary` opens the
// Oracle Library.
QList<QAction *> buildCommonMenuBar(QWidget *owner, Services &services, const MenuBarLook &look,
                                    std::function<void()> onExit, std::function<void()> onLibrary);
