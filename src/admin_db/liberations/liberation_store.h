#pragma once

#include "admin_db/records/liberation_race.h"

#include <QList>
#include <QString>
#include <optional>

class Connection;
class Database;

inline const QString LiberationWindowName = QStringLiteral("frmLiberations");

// The liberation window's statements on table orte. A call opens the orte
// table connection in the window's name unless the window holds it already,
// and opens it again when the database file has gone missing, which fails
// with 3024 before anything is written into a file that no longer has a
// name. Every call throws JetError.
class LiberationStore {
public:
    explicit LiberationStore(Database &db) : m_db(db) {}

    // Never fails.
    void close();

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
    Connection &orte();

    Database &m_db;
};
