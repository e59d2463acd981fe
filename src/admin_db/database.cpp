#include "admin_db/database.h"

#include <QFileInfo>

#include "admin_db/database_key.h"
#include "admin_db/jet_error.h"
#include "common/folders.h"

void Database::setFile(QString path, QByteArray key)
{
    m_path = std::move(path);
    m_key = std::move(key);
}

namespace {

const char *tableName(Table table)
{
    switch (table) {
    case Table::clubs: return "clubs";
    case Table::flyerlist: return "flyerlist";
    case Table::birds: return "birds";
    case Table::orte: return "orte";
    }
    return "";
}

// A keyed file without the table is some other database, not this one.
void requireTable(Connection &connection, Table table, const QString &path)
{
    Statement find = connection.prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    find.bind(1, tableName(table));
    if (!find.next())
        throw JetError(JetCode::WrongPassword,
                       QStringLiteral("The file '%1' has no table %2: it is not a database of this program.")
                           .arg(Folders::native(path), QLatin1String(tableName(table))));
}

} // namespace

Connection &Database::open(Table table, const QString &holder)
{
    Slot &s = slot(table);
    s.holder.clear();
    s.connection.open(m_path, m_key);
    try {
        requireTable(s.connection, table, m_path);
        // Readers and writers on the other tables' connections must not lock
        // each other out, as they would with a rollback journal.
        s.connection.execute("PRAGMA journal_mode=WAL");
    } catch (const JetError &) {
        s.connection.close();
        throw;
    }
    s.holder = holder;
    return s.connection;
}

void Database::close(Table table)
{
    Slot &s = slot(table);
    s.connection.close();
    s.holder.clear();
}

Connection &Database::use(Table table, const QString &holder)
{
    if (!isOpen(table) || !QFileInfo(m_path).isFile())
        return open(table, holder);
    return connection(table);
}

void Database::release(Table table, const QString &holder)
{
    if (this->holder(table) == holder)
        close(table);
}

void PrepareDatabase(Database &db, const Folders &folders)
{
    db.setFile(folders.inProgramDir(QStringLiteral("tamreldata.mdb")), QByteArray(DatabasePassword));
    db.colors().BuildColorTable();
}
