#include "admin_db/db/database_lock.h"

#include "common/folders.h"
#include "common/line_breaks.h"

#include <QFileInfo>

bool DatabaseLock::claim(const QString &databasePath)
{
    m_databasePath = databasePath;
    const QString real = QFileInfo(databasePath).canonicalFilePath();
    m_lock = std::make_unique<QLockFile>((real.isEmpty() ? databasePath : real) + QStringLiteral(".lock"));
    // The program holds it for its whole run, however long.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock() || m_lock->error() != QLockFile::LockFailedError;
}

QString DatabaseLock::refusal() const
{
    qint64 pid = 0;
    QString host;
    QString application;
    const bool known = m_lock && m_lock->getLockInfo(&pid, &host, &application);
    const QString who = known ? QStringLiteral(" (process %1 on computer %2)").arg(pid).arg(host) : QString();
    return QStringLiteral("The database '%1' is in use by another copy of Tamrel%2.")
               .arg(Folders::native(m_databasePath), who)
         + CRLF + CRLF + QStringLiteral("Close that copy first. If it is no longer running, delete the file '%1'.")
                             .arg(Folders::native(m_lock ? m_lock->fileName() : QString()));
}
