#include "admin_db/db/database.h"

#include "admin_db/db/database_key.h"
#include "admin_db/db/jet_error.h"
#include "common/folders.h"


void Database::setFile(QString path, QByteArray key)
{
    m_path = std::move(path);
    m_key = std::move(key);
}

namespace {

// A keyed file without these tables is some other database, not this one.
void requireTables(Connection &connection, const QString &path)
{
    Statement find = connection.prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    for (const char *table : {"clubs", "flyerlist", "birds", "orte"}) {
        find.bind(1, table);
        if (!find.next())
            throw JetError(JetCode::WrongPassword,
                           QStringLiteral("The file '%1' has no table %2: it is not a database of this program.")
                               .arg(Folders::native(path), QLatin1String(table)));
        find.reset();
    }
}

} // namespace

Connection &Database::connection()
{
    if (m_connection.stillOnItsFile())
        return m_connection;
    // Half a change would go to the old file and the rest to the new one.
    if (m_connection.inUse())
        throw JetError(JetCode::FileLocked,
                       QStringLiteral("The file '%1' was replaced or removed while Tamrel was working on it. The "
                                      "change was not stored.")
                           .arg(Folders::native(m_path)));
    m_connection.open(m_path, m_key, m_busyTimeoutMs);
    try {
        requireTables(m_connection, m_path);
    } catch (const JetError &) {
        m_connection.close();
        throw;
    }
    return m_connection;
}

Connection &Database::use(Table table, const QString &holder)
{
    Connection &c = connection();
    QStringList &holders = m_holders[size_t(table)];
    if (!holders.contains(holder))
        holders.append(holder);
    return c;
}

void Database::release(Table table, const QString &holder)
{
    m_holders[size_t(table)].removeAll(holder);
}

QStringList Database::dataWindows() const
{
    QStringList windows;
    for (const QStringList &holders : m_holders)
        for (const QString &holder : holders)
            if (holder != MainWindowHolder && !windows.contains(holder))
                windows.append(holder);
    return windows;
}

void Database::closeAll()
{
    for (QStringList &holders : m_holders)
        holders.clear();
    m_connection.close();
}

void PrepareDatabase(Database &db, const Folders &folders)
{
    db.setFile(folders.inProgramDir(QStringLiteral("tamreldata.mdb")), QByteArray(DatabasePassword));
    db.colors().BuildColorTable();
}
