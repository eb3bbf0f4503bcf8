#include "languagemenu.h"

#include "language.h"
#include "platform.h"
#include "services.h"
#include "settingsfile.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {
struct LanguageMenu {
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)
};

const QByteArray LanguageKey = QByteArrayLiteral("Language");

// The kept choice; empty for the desktop's language.
QString kept(Services &services)
{
    const QString code = QString::fromUtf8(SettingsFile::value(services.settings.filePath(), LanguageKey));
    return Language::available().contains(code) ? code : QString();
}

void choose(Services &services, const QString &code)
{
    SettingsFile::store(services.settings.filePath(), LanguageKey, code.toUtf8());
    Language::apply(code.isEmpty() ? Platform::desktopLanguage(Language::available()) : code);
}
}

QString startLanguage(Services &services)
{
    const QString code = kept(services);
    return code.isEmpty() ? Platform::desktopLanguage(Language::available()) : code;
}

QMenu *addLanguageMenu(QMenu *help, Services &services)
{
    auto *menu = help->addMenu(QString());
    menu->setObjectName(QStringLiteral("mnuLanguage"));
    // Filled as it opens: the names come from each language's own
    // translation, which need not be read at start-up.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, &services] {
        menu->clear();
        auto *group = new QActionGroup(menu);
        const QString chosen = kept(services);
        const auto add = [&](const QString &code, const QString &name) {
            QAction *action = menu->addAction(name);
            action->setCheckable(true);
            action->setChecked(code == chosen);
            action->setData(code);
            group->addAction(action);
            QObject::connect(action, &QAction::triggered, menu, [&services, code] { choose(services, code); });
        };
        add(QString(), LanguageMenu::tr("Desktop language"));
        menu->addSeparator();
        for (const QString &code : Language::available())
            add(code, Language::nativeName(code));
    });
    return menu;
}
