#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSaveFile>

namespace {

// The file holds a few short lines; anything bigger was not written by us.
constexpr qint64 LargestSettingsFile = 4096;
const QByteArray Section = QByteArrayLiteral("[Settings]");

QList<QByteArray> readLines(const QString &path)
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
    QList<QByteArray> lines = content.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The line of `key` in the section, or -1.
qsizetype lineOf(const QList<QByteArray> &lines, const QByteArray &key)
{
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[')) {
            inSection = line == Section;
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (inSection && equals > 0 && line.left(equals).trimmed() == key)
            return i;
    }
    return -1;
}

}

QByteArray SettingsFile::value(const QString &path, const QByteArray &key)
{
    const QList<QByteArray> lines = readLines(path);
    const qsizetype at = lineOf(lines, key);
    if (at < 0)
        return {};
    const QByteArray line = lines[at].trimmed();
    return line.mid(line.indexOf('=') + 1).trimmed();
}

bool SettingsFile::canStore(const QString &path)
{
    const QFileInfo info(path);
    constexpr QFile::Permissions AnyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && !(info.isFile() && info.isWritable() && (info.permissions() & AnyWrite)))
        return false;
    const QString folder = info.absolutePath();
    return QDir().mkpath(folder) && QFileInfo(folder).isWritable();
}

bool SettingsFile::store(const QString &path, const QByteArray &key, const QByteArray &value)
{
    if (!canStore(path))
        return false;
    QList<QByteArray> lines = readLines(path);
    const QByteArray entry = key + '=' + value;
    const qsizetype at = lineOf(lines, key);
    if (at >= 0) {
        lines[at] = entry;
    } else {
        const qsizetype section = lines.indexOf(Section);
        if (section < 0)
            lines.prepend(Section);
        lines.insert(section < 0 ? 1 : section + 1, entry);
    }
    QSaveFile file(path);
    // Unbuffered, so a short write shows here: commit() would not see it.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    const QByteArray content = lines.join('\n') + '\n';
    return file.write(content) == content.size() && file.commit();
}
