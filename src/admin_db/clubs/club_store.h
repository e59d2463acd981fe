#pragma once

#include "admin_db/clubs/club.h"

#include <QList>
#include <QString>
#include <optional>

class Connection;
class Database;

// The statements on table clubs, on the clubs connection of the window named
// at construction, which the first call opens. Every call but close() throws
// JetError.
class ClubStore {
public:
    ClubStore(Database &db, QString window) : m_db(db), m_window(std::move(window)) {}

    // Never fails.
    void close();

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
    Connection &clubs();

    Database &m_db;
    QString m_window;
};
