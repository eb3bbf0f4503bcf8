#include "updatereminder.h"

#include "modhelp.h"
#include "scramble.h"
#include "services.h"

#include <QSettings>
#include <cstdlib>

namespace {

const QString ReminderText = QStringLiteral("There maybe an update to this software available")
                             + QChar(13) + QStringLiteral("Do you want to check for an update?");
constexpr qint64 QuietDays = 14;

QString durationKey()
{
    return QStringLiteral("Settings/") + ScrambleText(QStringLiteral("Duration"));
}

void storeNow(QSettings &store, const QDateTime &now)
{
    store.setValue(durationKey(), ScrambleText(now.toString(Qt::ISODate)));
    store.sync(); // a store that cannot be written only loses the date
}

}

void RemindOfUpdate(Services &services)
{
    const std::unique_ptr<QSettings> store = services.settings.open();
    const QDateTime now = services.clock.now();
    const QDateTime last = QDateTime::fromString(
        UnscrambleText(store->value(durationKey()).toString()), Qt::ISODate);
    // A missing or unreadable date counts as a first run: otherwise a damaged
    // value would silence the reminder for good.
    if (!last.isValid()) {
        storeNow(*store, now);
        return;
    }
    if (std::abs(now.date().daysTo(last.date())) <= QuietDays)
        return;
    const bool yes = services.messages.ask(nullptr, ReminderText, Messages::Icon::Information);
    storeNow(*store, now);
    if (yes)
        OpenDownloadPage(services.urls);
}
