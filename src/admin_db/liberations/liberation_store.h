#pragma once

#include "admin_db/db/database.h"
#include "admin_db/records/liberation_race.h"

#include <QList>
#include <QString>
#include <optional>

class Connection;
class Database;

inline const QString LiberationWindowName = QStringLiteral("frmLiberations");

// The liberation window's statements on table orte, held in the window's
// name from the first call on. A database file that has gone missing fails
// with 3024 before anything is written. Every call but close() throws
// JetError.
class LiberationStore {
public:
    explicit LiberationStore(Database &db) : m_orte(db, Table::orte, LiberationWindowName) {}

    // Never fails.
    void close() { m_orte.release(); }

    // Table order.
    QList<LiberationRace> races();
    // nullopt when the race is no longer stored.
    std::optional<LiberationRace> race(qint64 key);
    qint64 count();
    void add(const LiberationRace &race);
    // 3021 when the race is no longer stored.
    void update(const LiberationRace &race);
    void remove(qint64 key);

private:
    Connection &orte() { return m_orte.connection(); }

    TableHold m_orte;
};
