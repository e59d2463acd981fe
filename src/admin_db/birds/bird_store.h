#pragma once

#include "admin_db/records/bird_record.h"
#include "admin_db/db/database.h"

#include <QList>
#include <QString>
#include <optional>

inline const QString BirdWindowName = QStringLiteral("frmBirdInventory");

struct FlyerEntry {
    qint64 id = 0;
    QString name;
};

// The bird window's statements on tables flyerlist and birds, held by holder
// (the bird window unless named). Every call but close() throws JetError.
class BirdStore {
public:
    explicit BirdStore(Database &db, QString holder = BirdWindowName) : m_db(db), m_holder(std::move(holder)) {}

    // Holds the flyerlist, birds and clubs tables.
    void open();
    // Releases what the holder holds, leaving other windows theirs.
    void close();

    // Table order; every flyer for an empty prefix.
    QList<FlyerEntry> flyers(const QString &namePrefix);
    std::optional<qint64> flyerIdByName(const QString &name);
    // Display order.
    QList<BirdRecord> birdsOf(qint64 flyerId);
    std::optional<BirdRecord> bird(qint64 key);
    // Whether a bird other than the one with key except has the band, for
    // any flyer. Rowids start at 1, so 0 excepts none.
    bool bandTaken(const QByteArray &band, qint64 except = 0);
    // Returns the new bird's key; 0, storing nothing, when the bird's flyer
    // is no longer stored (another window may have deleted him).
    qint64 add(const BirdRecord &bird);
    // Everything but the ring, by key; false, storing nothing, when the
    // bird's flyer is no longer stored; 3021 when the bird is gone.
    bool replace(const BirdRecord &bird);
    // One commit for all.
    void remove(const QList<qint64> &keys);

    Connection &birds() { return table(Table::birds); }

private:
    Connection &table(Table t);
    bool flyerStored(qint64 flyerId);

    Database &m_db;
    QString m_holder;
};
