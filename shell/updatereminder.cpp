#include "updatereminder.h"

#include "modhelp.h"
#include "scramble.h"
#include "services.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cstdlib>

namespace {

const QString ReminderText = QStringLiteral("There maybe an update to this software available") + QChar(13)
                             + QStringLiteral("Do you want to check for an update?");
constexpr qint64 QuietDays = 14;

// The file holds one short line; anything bigger was not written by us.
constexpr qint64 LargestSettingsFile = 4096;
const QByteArray Section = QByteArrayLiteral("[Settings]");

// The key as an INI file spells it: its scrambled characters percent-encoded.
QByteArray durationKey()
{
    return ScrambleText(QStringLiteral("Duration")).toLatin1().toPercentEncoding();
}

// The stored reminder date, still scrambled; empty when the file is missing,
// is not a plain file, is too big or holds no such entry. Reading it cannot
// block (a FIFO is not read) nor grow with the file.
QString readStoredDate(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > LargestSettingsFile)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.read(LargestSettingsFile + 1);
    if (content.size() > LargestSettingsFile)
        return {};
    bool inSection = false;
    for (QByteArray line : content.split('\n')) {
        line = line.trimmed();
        if (line.startsWith('[')) {
            inSection = line == Section;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inSection && equals > 0 && line.left(equals).trimmed() == durationKey())
            return QString::fromUtf8(line.mid(equals + 1).trimmed());
    }
    return {};
}

bool canStore(const QString &path)
{
    const QFileInfo info(path);
    // A file made read-only stays as it is, even for a user who could force it.
    constexpr QFile::Permissions AnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && !(info.isFile() && info.isWritable() && (info.permissions() & AnyWrite)))
        return false;
    const QString folder = info.absolutePath();
    return QDir().mkpath(folder) && QFileInfo(folder).isWritable();
}

// Writes a fresh file beside the old one and swaps them: no lock to wait
// for, and a failed write leaves the old date whole.
void storeDate(const QString &path, const QDateTime &when)
{
    if (!canStore(path))
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(Section + '\n' + durationKey() + '=' + ScrambleText(when.toString(Qt::ISODate)).toUtf8() + '\n');
    file.commit();
}

}

void RemindOfUpdate(Services &services)
{
    const QString path = services.settings.filePath();
    const QDateTime last = QDateTime::fromString(UnscrambleText(readStoredDate(path)), Qt::ISODate);
    // A missing or unreadable date counts as a first run: otherwise a damaged
    // value would silence the reminder for good.
    if (!last.isValid()) {
        storeDate(path, services.clock.now());
        return;
    }
    if (std::abs(services.clock.now().date().daysTo(last.date())) <= QuietDays)
        return;
    // An answer that cannot be remembered would be asked for at every start.
    if (!canStore(path))
        return;
    const bool yes = services.messages.ask(nullptr, ReminderText, Messages::Icon::Information);
    storeDate(path, services.clock.now()); // when answered: the question may stay open past midnight
    if (yes)
        OpenDownloadPage(services.urls);
}
