#pragma once
// The per-user settings file: a small INI file whose one [Settings] section
// holds a few entries. Reading it cannot block (a FIFO is not read) nor grow
// with the file; writing it keeps every other entry.
#include <QByteArray>
#include <QString>

namespace SettingsFile {
// The value stored under `key` as the file spells it; empty when the file is
// missing, is not a plain file, is too big or holds no such entry.
QByteArray value(const QString &path, const QByteArray &key);
// Whether the file can be written: a writable plain file, or none yet in a
// folder that exists or can be made. A file made read-only stays as it is.
bool canStore(const QString &path);
// Stores `value` under `key`, keeping the other entries. Writes a fresh file
// beside the old one and swaps them: a failed write leaves the old file whole.
bool store(const QString &path, const QByteArray &key, const QByteArray &value);
}
