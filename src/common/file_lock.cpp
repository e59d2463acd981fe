#include "common/file_lock.h"

FileLock::Claim FileLock::claim(const QString &lockPath)
{
    m_lock = std::make_unique<QLockFile>(lockPath);
    // Held as long as the work lasts, however long a question waits.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock())
        return Claim::Held;
    return m_lock->error() == QLockFile::LockFailedError ? Claim::InUse : Claim::Impossible;
}

QString FileLock::holder() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (!m_lock || !m_lock->getLockInfo(&pid, &host, &application))
        return {};
    return QStringLiteral(" (process %1 on computer %2)").arg(pid).arg(host);
}

QString FileLock::cause() const
{
    if (m_lock && m_lock->error() == QLockFile::PermissionError)
        return QStringLiteral("the folder is read-only, or you may not write in it");
    return QStringLiteral("the disk may be full");
}
