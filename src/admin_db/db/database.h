#pragma once

// The administration database: the keyed file tamreldata.mdb in the program
// folder with its tables clubs, flyerlist, birds and orte.
//
// How windows use it. The main window makes one Database, runs
// PrepareDatabase at start-up and hands the object to every window by
// reference. A window uses the tables it works on, naming itself, and
// releases them when it ends:
//
//     Connection &birds = db.use(Table::birds, QStringLiteral("frmBirdInventory"));
//     Statement list = birds.prepare(QByteArray("SELECT * FROM birds WHERE BirdFlyerID = ? ")
//                                    + LookupSql::BirdOrder);
//     list.bind(1, flyerId);
//     while (list.next())
//         lines.append(list.text("bnumber"));
//     ...
//     db.release(Table::birds, QStringLiteral("frmBirdInventory"));
//
// Every table is served by one connection: the key is derived once, not once
// a table, and writes on one table never wait for a read on another. Read
// what the window needs into its own values and let the statement go. Every
// value goes in as a bound parameter (statement.h); the band and prefix
// lookups are spelled as lookups.h has them so that the indexes serve
// them. Failures are thrown as JetError (jet_error.h) with the engine's
// numbers. Compacting (maintenance.h) refuses while a data window holds a
// table.

#include "admin_db/db/connection.h"
#include "admin_db/records/bird_colors.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

class Folders;

enum class Table { clubs, flyerlist, birds, orte };
inline constexpr std::array<Table, 4> AllTables{Table::clubs, Table::flyerlist, Table::birds, Table::orte};

// The holder name of the main window's own start-up connection.
inline const QString MainWindowHolder = QStringLiteral("frmMain");

class Database {
public:
    // Where the file is and its key; set once, by PrepareDatabase.
    void setFile(QString path, QByteArray key);
    const QString &path() const { return m_path; }
    const QByteArray &key() const { return m_key; }

    // For connections opened from now on.
    void setBusyTimeout(int milliseconds) { m_busyTimeoutMs = milliseconds; }

    BirdColors &colors() { return m_colors; }
    const BirdColors &colors() const { return m_colors; }

    // The connection, opened when it is closed or when the file went missing
    // or was replaced (an old handle would keep the old file alive unseen and
    // take writes that vanish with it; opening says 3024 for a missing file).
    // Holds no table.
    // Throws JetError: 3024, 3031 (also a file without this program's
    // tables), 3051.
    Connection &connection();
    // The connection for a window at work on table; holder (a window name)
    // holds the table until it releases it. Throws as connection().
    Connection &use(Table table, const QString &holder);
    // Never fails; releasing what holder does not hold does nothing.
    void release(Table table, const QString &holder);
    bool isHeld(Table table) const { return !m_holders[size_t(table)].isEmpty(); }
    const QStringList &holders(Table table) const { return m_holders[size_t(table)]; }
    // Every holder of any table but the main window, once each.
    QStringList dataWindows() const;
    // Releases every table and closes the connection; at exit. Never fails.
    void closeAll();

private:
    QString m_path;
    QByteArray m_key;
    BirdColors m_colors;
    int m_busyTimeoutMs = Connection::DefaultBusyTimeoutMs;
    Connection m_connection;
    std::array<QStringList, AllTables.size()> m_holders;
};

// A window's hold on one table: taken with the first statement, released
// when the window ends.
class TableHold {
public:
    TableHold(Database &db, Table table, QString holder) : m_db(db), m_table(table), m_holder(std::move(holder)) {}

    // Throws JetError as Database::use.
    Connection &connection() { return m_db.use(m_table, m_holder); }
    // Never fails.
    void release() { m_db.release(m_table, m_holder); }

private:
    Database &m_db;
    Table m_table;
    QString m_holder;
};

// A table held for one call: released when the hold goes.
class CallHold : public TableHold {
public:
    using TableHold::TableHold;
    ~CallHold() { release(); }
    CallHold(const CallHold &) = delete;
    CallHold &operator=(const CallHold &) = delete;
};

// Start-up: the file in the program folder, its key, the colour table.
// Opens nothing.
void PrepareDatabase(Database &db, const Folders &folders);
