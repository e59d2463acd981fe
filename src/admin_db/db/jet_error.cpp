#include "admin_db/db/jet_error.h"

#include "admin_db/db/sqlcipher.h"
#include "common/folders.h"

JetError::JetError(int number, QString description)
    : m_number(number), m_description(std::move(description)), m_what(m_description.toUtf8())
{
}

JetError SqliteError(int resultCode, sqlite3 *db, const QString &path)
{
    const QString file = Folders::native(path);
    const QString reason = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString::fromUtf8(sqlite3_errstr(resultCode));
    switch (resultCode & 0xff) {
    case SQLITE_NOTADB:
        return JetError(JetCode::WrongPassword,
                        QStringLiteral("The file '%1' is not a database of this program, or its password is wrong.")
                            .arg(file));
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return JetError(JetCode::FileLocked,
                        QStringLiteral("The file '%1' cannot be written, it is read-only or locked by another "
                                       "program (%2).")
                            .arg(file, reason));
    case SQLITE_FULL:
    case SQLITE_IOERR:
        return JetError(JetCode::EngineError,
                        QStringLiteral("The file '%1' could not be written: the disk may be full or failing. The "
                                       "change was not stored (%2).")
                            .arg(file, reason));
    default:
        break;
    }
    return JetError(JetCode::EngineError, QStringLiteral("Database error on '%1': %2").arg(file, reason));
}
