#pragma once

#include "admin_db/db/lookups.h"
#include "admin_db/db/database.h"

#include <QList>
#include <QString>
#include <optional>

class Connection;
class Database;

// A club as the windows list it: its number and name.
using Club = ListedName;

// The statements on table clubs, held by the window named at construction
// from the first call on. Every call but close() throws JetError.
class ClubStore {
public:
    ClubStore(Database &db, QString window) : m_clubs(db, Table::clubs, std::move(window)) {}

    // Never fails.
    void close() { m_clubs.release(); }

    // Clubs whose name starts with prefix as typed, in table order; every
    // club for an empty prefix.
    QList<Club> clubs(const QString &prefix);
    qint64 count(const QString &prefix);
    // nullopt when the club is no longer stored.
    std::optional<Club> club(qint64 key);
    // The new club's number.
    qint64 add(const QString &name);
    // 3021 when the club is no longer stored.
    void rename(qint64 key, const QString &name);

private:
    Connection &clubs() { return m_clubs.connection(); }

    TableHold m_clubs;
};
