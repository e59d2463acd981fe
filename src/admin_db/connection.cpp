#include "admin_db/connection.h"

#include "admin_db/jet_error.h"
#include "admin_db/sqlcipher.h"
#include "common/folders.h"

#include <QFileInfo>

void Connection::open(const QString &path, const QByteArray &key)
{
    close();
    if (!QFileInfo(path).isFile())
        throw JetError(JetCode::FileNotFound,
                       QStringLiteral("Could not find file '%1'.").arg(Folders::native(path)));
    sqlite3 *db = nullptr;
    // Without SQLITE_OPEN_CREATE a file that vanished meanwhile stays missing.
    int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                             SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_key(db, key.constData(), int(key.size()));
    if (rc == SQLITE_OK)
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK && sqlite3_db_readonly(db, "main") == 1)
        rc = SQLITE_READONLY;
    if (rc != SQLITE_OK) {
        const JetError error = SqliteError(rc, db, path);
        sqlite3_close_v2(db);
        throw error;
    }
    m_db = db;
    m_path = path;
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
