#include "admin_db/db/connection.h"

#include "admin_db/db/jet_error.h"
#include "admin_db/db/sqlcipher.h"
#include "common/folders.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace {

// An index of a write-ahead log that is gone holds nothing; left read-only
// by an earlier read-only episode it would refuse every later open.
void removeOrphanedLogIndex(const QString &path)
{
    if (!QFileInfo::exists(path + QStringLiteral("-wal")))
        QFile::remove(path + QStringLiteral("-shm"));
}

} // namespace

FileIdentity FileIdentity::of(const QString &path)
{
#ifdef Q_OS_WIN
    // An open database cannot be replaced there: its presence is all to know.
    return {QFileInfo(path).isFile(), 0, 0};
#else
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    return {true, quint64(status.st_dev), quint64(status.st_ino)};
#endif
}

void Connection::open(const QString &path, const QByteArray &key, int busyTimeoutMs)
{
    close();
    const QFileInfo file(path);
    if (!file.isFile())
        throw JetError(JetCode::FileNotFound,
                       QStringLiteral("Could not find file '%1'.").arg(Folders::native(path)));
    // Checked before the engine opens it: a read-only open would leave files
    // beside it that outlast the read-only mark.
    if (!file.isWritable())
        throw JetError(JetCode::FileLocked,
                       QStringLiteral("The file '%1' cannot be written, it is read-only.").arg(Folders::native(path)));
    // The real file, so that its journal lies beside it even behind a link.
    const QString real = file.canonicalFilePath();
    const QFileInfo folder(QFileInfo(real).absolutePath());
    if (!folder.isWritable())
        throw JetError(JetCode::FileLocked,
                       QStringLiteral("The folder '%1' cannot be written: Tamrel keeps a journal beside the database "
                                      "there while it stores a change.")
                           .arg(Folders::native(folder.filePath())));
    removeOrphanedLogIndex(real);
    sqlite3 *db = nullptr;
    // Without SQLITE_OPEN_CREATE a file that vanished meanwhile stays missing.
    int rc = sqlite3_open_v2(real.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_key(db, key.constData(), int(key.size()));
    if (rc == SQLITE_OK)
        rc = sqlite3_busy_timeout(db, busyTimeoutMs);
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK && sqlite3_db_readonly(db, "main") == 1)
        rc = SQLITE_READONLY;
    // The rollback journal works on network folders and leaves nothing
    // behind; files an earlier version left in log mode are turned back.
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "PRAGMA journal_mode=DELETE", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        const JetError error = SqliteError(rc, db, path);
        sqlite3_close_v2(db);
        throw error;
    }
    m_db = db;
    m_path = path;
    m_file = FileIdentity::of(path);
}

void Connection::copyInto(const QString &path, const QByteArray &key)
{
    sqlite3 *copy = nullptr;
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_key(copy, key.constData(), int(key.size()));
    if (rc == SQLITE_OK) {
        sqlite3_backup *backup = sqlite3_backup_init(copy, "main", m_db, "main");
        if (!backup) {
            rc = sqlite3_errcode(copy);
        } else {
            // All pages in one step, under one read lock of the source; a
            // writer elsewhere is waited for as long as any statement waits.
            constexpr int PauseMs = 50;
            for (int waited = 0;; waited += PauseMs) {
                rc = sqlite3_backup_step(backup, -1);
                if ((rc != SQLITE_BUSY && rc != SQLITE_LOCKED) || waited >= DefaultBusyTimeoutMs)
                    break;
                sqlite3_sleep(PauseMs);
            }
            const int finished = sqlite3_backup_finish(backup);
            rc = rc == SQLITE_DONE ? finished : rc;
        }
    }
    const JetError error = SqliteError(rc, copy, path);
    const int closed = sqlite3_close_v2(copy);
    if (rc != SQLITE_OK)
        throw error;
    if (closed != SQLITE_OK)
        throw SqliteError(closed, nullptr, path);
}

void Connection::close()
{
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

Statement Connection::prepare(const QByteArray &sql)
{
    if (!m_db)
        throw JetError(JetCode::ObjectInvalid, QStringLiteral("The database connection is not open."));
    sqlite3_stmt *statement = nullptr;
    const int rc = sqlite3_prepare_v2(m_db, sql.constData(), int(sql.size()), &statement, nullptr);
    if (rc != SQLITE_OK)
        throw SqliteError(rc, m_db, m_path);
    return Statement(statement, m_path);
}

qint64 Connection::lastInsertId() const
{
    return m_db ? sqlite3_last_insert_rowid(m_db) : 0;
}

bool Connection::inTransaction() const
{
    return m_db && sqlite3_get_autocommit(m_db) == 0;
}

bool Connection::inUse() const
{
    return inTransaction() || (m_db && sqlite3_next_stmt(m_db, nullptr) != nullptr);
}
