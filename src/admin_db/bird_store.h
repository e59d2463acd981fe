#pragma once

#include "admin_db/bird_record.h"
#include "admin_db/database.h"

#include <QList>
#include <QString>
#include <optional>

inline const QString BirdWindowName = QStringLiteral("frmBirdInventory");

struct FlyerEntry {
    qint64 id = 0;
    QString name;
};

// The bird window's statements on tables flyerlist and birds. It shares the
// program's table connections: a connection already open is used as it is,
// one that is closed, or whose file went missing, is opened afresh for the
// bird window (an old handle would keep a deleted file alive unseen and take
// writes that vanish with it; opening says 3024 instead). Every call but
// close() throws JetError.
class BirdStore {
public:
    explicit BirdStore(Database &db) : m_db(db) {}

    // The flyerlist, birds and clubs connections.
    void open();
    // Closes what the bird window holds, leaving other windows theirs.
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
    // Returns the new bird's key.
    qint64 add(const BirdRecord &bird);
    // Everything but the ring, by key; 3021 when the bird is gone.
    void replace(const BirdRecord &bird);
    // One commit for all.
    void remove(const QList<qint64> &keys);

    Connection &birds() { return table(Table::birds); }

private:
    Connection &table(Table t);

    Database &m_db;
};
