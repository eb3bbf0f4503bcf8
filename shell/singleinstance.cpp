#include "singleinstance.h"

#include "platform.h"

#include <QDir>

QString SingleInstance::lockFolder()
{
    return Platform::lockFolder();
}

SingleInstance::SingleInstance(const QString &folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("augurium.lock"));
    if (folder.isEmpty()) {
        m_problem = QStringLiteral("no private folder for the lock file was found");
        return;
    }
    m_lock = std::make_unique<QLockFile>(path);
    // Age alone must never make a live copy's lock stale; a dead owner does.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        m_state = State::OnlyCopy;
        return;
    }
    if (m_lock->error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, application;
        if (m_lock->getLockInfo(&pid, &host, &application)) {
            m_state = State::AnotherCopyRuns; // the toolkit has seen its owner alive
            return;
        }
        // Empty or garbled: no owner can be shown alive, so nobody holds it.
        if (m_lock->removeStaleLockFile() && m_lock->tryLock(0)) {
            m_state = State::OnlyCopy;
            return;
        }
    }
    m_problem = QStringLiteral("the lock file %1 cannot be created or replaced").arg(QDir::toNativeSeparators(path));
}
