#include "updatereminder.h"

#include "modhelp.h"
#include "scramble.h"
#include "services.h"
#include "settingsfile.h"

#include <QCoreApplication>
#include <cstdlib>

namespace {

QString reminderText()
{
    return QCoreApplication::translate("UpdateReminder", "There maybe an update to this software available") + QChar(13)
           + QCoreApplication::translate("UpdateReminder", "Do you want to check for an update?");
}
constexpr qint64 QuietDays = 14;

// The key as an INI file spells it: its scrambled characters percent-encoded.
QByteArray durationKey()
{
    return ScrambleText(QStringLiteral("Duration")).toLatin1().toPercentEncoding();
}

void storeDate(const QString &path, const QDateTime &when)
{
    SettingsFile::store(path, durationKey(), ScrambleText(when.toString(Qt::ISODate)).toUtf8());
}

}

void RemindOfUpdate(Services &services)
{
    const QString path = services.settings.filePath();
    const QDateTime last = QDateTime::fromString(UnscrambleText(QString::fromUtf8(SettingsFile::value(path, durationKey()))), Qt::ISODate);
    // A missing or unreadable date counts as a first run: otherwise a damaged
    // value would silence the reminder for good.
    if (!last.isValid()) {
        storeDate(path, services.clock.now());
        return;
    }
    if (std::abs(services.clock.now().date().daysTo(last.date())) <= QuietDays)
        return;
    // An answer that cannot be remembered would be asked for at every start.
    if (!SettingsFile::canStore(path))
        return;
    const bool yes = services.messages.ask(nullptr, reminderText(), Messages::Icon::Information);
    storeDate(path, services.clock.now()); // when answered: the question may stay open past midnight
    if (yes)
        OpenDownloadPage(services.urls);
}
