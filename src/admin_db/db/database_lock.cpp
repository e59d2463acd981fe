#include "admin_db/db/database_lock.h"

#include "admin_db/db/connection.h"
#include "common/folders.h"
#include "common/line_breaks.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// A lock named by the file's device and inode in the user's runtime folder;
// empty where the file has no such identity.
QString identityLockPath(const QString &file)
{
    const FileIdentity identity = FileIdentity::of(file);
    if (!identity.exists || identity.inode == 0)
        return {};
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder + QStringLiteral("/tamrel-database-%1-%2.lock").arg(identity.device).arg(identity.inode);
}

} // namespace

bool DatabaseLock::claim(const QString &databasePath)
{
    m_databasePath = databasePath;
    const QString real = QFileInfo(databasePath).canonicalFilePath();
    const QString file = real.isEmpty() ? databasePath : real;
    m_refusing = &m_besideFile;
    m_claim = m_besideFile.claim(file + QStringLiteral(".lock"));
    if (m_claim != FileLock::Claim::Held)
        return false;
    const QString identity = identityLockPath(file);
    // The runtime folder is the system's; only a copy that holds it refuses.
    if (!identity.isEmpty() && m_byIdentity.claim(identity) == FileLock::Claim::InUse) {
        m_refusing = &m_byIdentity;
        m_claim = FileLock::Claim::InUse;
        return false;
    }
    return true;
}

QString DatabaseLock::refusal() const
{
    const QString lockFile = Folders::native(m_refusing ? m_refusing->lockPath() : QString());
    if (m_claim == FileLock::Claim::Impossible) {
        return QStringLiteral("Tamrel cannot place its lock file '%1' in the folder of the database: %2.")
                   .arg(lockFile, m_refusing->cause())
             + CRLF + CRLF
             + QStringLiteral("Without it a second copy of Tamrel could change the database at the same time. "
                              "Free space on the disk or make the folder '%1' writable, then start Tamrel again.")
                   .arg(Folders::native(QFileInfo(m_databasePath).absolutePath()));
    }
    return QStringLiteral("The database '%1' is in use by another copy of Tamrel%2.")
               .arg(Folders::native(m_databasePath), m_refusing ? m_refusing->holder() : QString())
         + CRLF + CRLF + QStringLiteral("Close that copy first. If it is no longer running, delete the file '%1'.")
                             .arg(lockFile);
}
