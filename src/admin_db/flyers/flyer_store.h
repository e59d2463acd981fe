#pragma once

#include "admin_db/db/database.h"
#include "admin_db/db/lookups.h"
#include "admin_db/flyers/flyer_fields.h"

#include <QList>
#include <QString>
#include <optional>

class Connection;
class Database;

inline const QString FlyerWindowName = QStringLiteral("frmFlyerList");

// A line of the flyer list: the flyer's number beside the name it shows.
using FlyerLine = ListedName;

// The flyer window's statements on tables flyerlist and birds, holding
// flyerlist from the first call on. Every call but close() throws JetError.
class FlyerStore {
public:
    explicit FlyerStore(Database &db) : m_flyerlist(db, Table::flyerlist, FlyerWindowName) {}

    // Never fails.
    void close() { m_flyerlist.release(); }

    // Flyers whose name starts with prefix as typed, in table order; every
    // flyer for an empty prefix.
    QList<FlyerLine> flyers(const QString &prefix);
    // nullopt when the flyer is no longer stored.
    std::optional<Flyer> flyer(qint64 key);
    // Whether a flyer other than exceptKey has this name, in any case.
    bool nameTaken(const QString &name, qint64 exceptKey);
    // The new flyer's number.
    qint64 add(const Flyer &flyer);
    // 3021 when the flyer is no longer stored.
    void update(const Flyer &flyer);
    void moveToClub(qint64 key, qint64 clubId);
    // The flyer with all his birds, in one commit: a failure leaves both.
    void removeWithBirds(qint64 key);

private:
    Connection &flyerlist() { return m_flyerlist.connection(); }

    TableHold m_flyerlist;
};
