#include "singleinstance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    m_lock = std::make_unique<QLockFile>(folder + QStringLiteral("/augurium.lock"));
    // Age alone must never make a live copy's lock stale; a dead owner does.
    m_lock->setStaleLockTime(0);
    m_acquired = m_lock->tryLock(0);
}
