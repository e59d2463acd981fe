#pragma once

// The administration database: the keyed file tamreldata.mdb in the program
// folder with its tables clubs, flyerlist, birds and orte.
//
// How windows use it. The main window makes one Database, runs
// PrepareDatabase at start-up and hands the object to every window by
// reference. A window opens the connections of the tables it works on when it
// loads, naming itself, and closes them when it ends:
//
//     Connection &birds = db.open(Table::birds, QStringLiteral("frmBirdInventory"));
//     Statement list = birds.prepare(QByteArray("SELECT * FROM birds WHERE BirdFlyerID = ? ")
//                                    + LookupSql::BirdOrder);
//     list.bind(1, flyerId);
//     while (list.next())
//         lines.append(list.text("bnumber"));
//     ...
//     db.close(Table::birds);
//
// Read what the window needs into its own values and let the statement go:
// while a statement stands on a row, its connection keeps seeing the file as
// it was when the statement began, not what other connections wrote since.
// Every value goes in as a bound parameter (statement.h); the band and prefix
// lookups are spelled as lookup_sql.h has them so that the indexes serve them.
// Failures are thrown as JetError (jet_error.h) with the engine's numbers.
// Compacting (maintenance.h) refuses while a window holds a connection.

#include "admin_db/bird_colors.h"
#include "admin_db/connection.h"

#include <QByteArray>
#include <QString>
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

    BirdColors &colors() { return m_colors; }
    const BirdColors &colors() const { return m_colors; }

    // The table's connection, opened afresh on its own handle by holder (a
    // window name). An open connection is replaced; references to it stay
    // valid. Throws JetError: 3024, 3031, 3051.
    Connection &open(Table table, const QString &holder);
    // Never fails; closing a closed connection does nothing.
    void close(Table table);

    // For a window at work: the open connection, whoever opened it, or a new
    // one held by holder. Opens anew when the file went missing: an old handle
    // would keep the deleted file alive unseen and take writes that vanish
    // with it; opening says 3024 instead.
    Connection &use(Table table, const QString &holder);
    // Closes the connection only when holder opened it, so a window going
    // leaves the others theirs. Never fails.
    void release(Table table, const QString &holder);
    bool isOpen(Table table) const { return slot(table).connection.isOpen(); }
    // Who opened the connection; empty while it is closed.
    const QString &holder(Table table) const { return slot(table).holder; }
    Connection &connection(Table table) { return slot(table).connection; }

private:
    struct Slot {
        Connection connection;
        QString holder;
    };
    Slot &slot(Table table) { return m_slots[size_t(table)]; }
    const Slot &slot(Table table) const { return m_slots[size_t(table)]; }

    QString m_path;
    QByteArray m_key;
    BirdColors m_colors;
    std::array<Slot, AllTables.size()> m_slots;
};

// Start-up: the file in the program folder, its key, the colour table.
// Opens nothing.
void PrepareDatabase(Database &db, const Folders &folders);
