#include "admin_db/birds/bird_store.h"

#include "admin_db/db/jet_error.h"
#include "admin_db/db/lookups.h"
#include "admin_db/db/transaction.h"


namespace {

constexpr Table WindowTables[] = {Table::flyerlist, Table::birds, Table::clubs};

const char BirdColumns[] = "rowid, BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, elecnumber, color, type";

BirdRecord birdAt(const Statement &row)
{
    return {row.number(0), row.number(1), row.bytes(2), row.bytes(3), row.bytes(4), row.bytes(5),
            row.bytes(6),  row.bytes(7),  row.bytes(8), row.bytes(9)};
}

// Positions 1 to 8: everything but the ring, in the order of the add and the
// replace statements.
Statement &bindFields(Statement &statement, const BirdRecord &bird)
{
    return statement.bind(1, bird.flyerId).bind(2, bird.natOrg).bind(3, bird.hatchYr).bind(4, bird.clubletters)
        .bind(5, bird.bnumber).bind(6, bird.sex).bind(7, bird.color).bind(8, bird.type);
}

} // namespace

Connection &BirdStore::table(Table t)
{
    return m_db.use(t, m_holder);
}

void BirdStore::open()
{
    for (Table t : WindowTables)
        table(t);
}

void BirdStore::close()
{
    for (Table t : WindowTables)
        m_db.release(t, m_holder);
}

QList<FlyerEntry> BirdStore::flyers(const QString &namePrefix)
{
    Statement query = namePrefix.isEmpty()
        ? table(Table::flyerlist).prepare("SELECT FlyerID, Name FROM flyerlist ORDER BY FlyerID")
        : table(Table::flyerlist).prepare(QByteArray("SELECT FlyerID, Name FROM flyerlist WHERE Name ")
                                          + LookupSql::PrefixLike + " ORDER BY FlyerID");
    if (!namePrefix.isEmpty())
        query.bind(1, PrefixLikeText(namePrefix));
    QList<FlyerEntry> out;
    while (query.next())
        out.append({query.number(0), query.text(1)});
    return out;
}

std::optional<qint64> BirdStore::flyerIdByName(const QString &name)
{
    Statement query = table(Table::flyerlist).prepare("SELECT FlyerID FROM flyerlist WHERE Name = ? ORDER BY FlyerID");
    query.bind(1, name);
    if (!query.next())
        return std::nullopt;
    return query.number(0);
}

QList<BirdRecord> BirdStore::birdsOf(qint64 flyerId)
{
    Statement query = birds().prepare(QByteArray("SELECT ") + BirdColumns + " FROM birds WHERE BirdFlyerID = ? "
                                      + LookupSql::BirdOrder + ", rowid");
    query.bind(1, flyerId);
    QList<BirdRecord> out;
    while (query.next())
        out.append(birdAt(query));
    return out;
}

std::optional<BirdRecord> BirdStore::bird(qint64 key)
{
    Statement query = birds().prepare(QByteArray("SELECT ") + BirdColumns + " FROM birds WHERE rowid = ?");
    query.bind(1, key);
    if (!query.next())
        return std::nullopt;
    return birdAt(query);
}

bool BirdStore::bandTaken(const QByteArray &band, qint64 except)
{
    Statement query = birds().prepare(QByteArray("SELECT 1 FROM birds WHERE ") + LookupSql::BandIs
                                      + " AND rowid <> ? LIMIT 1");
    query.bind(1, band).bind(2, except);
    return query.next();
}

bool BirdStore::flyerStored(qint64 flyerId)
{
    Statement query = table(Table::flyerlist).prepare("SELECT 1 FROM flyerlist WHERE FlyerID = ?");
    query.bind(1, flyerId);
    return query.next();
}

qint64 BirdStore::add(const BirdRecord &bird)
{
    Connection &c = birds();
    // The flyer check and the write in one transaction: a bird stored under
    // a flyer that is gone would show nowhere and keep its band for ever.
    Transaction transaction(c);
    if (!flyerStored(bird.flyerId))
        return 0;
    Statement insert = c.prepare("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, color, "
                                 "type, elecnumber) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    bindFields(insert, bird).bind(9, bird.elecnumber).run();
    const qint64 key = c.lastInsertId();
    transaction.commit();
    return key;
}

bool BirdStore::replace(const BirdRecord &bird)
{
    Transaction transaction(birds());
    if (!flyerStored(bird.flyerId))
        return false;
    if (!this->bird(bird.key))
        throw JetError(JetCode::NoCurrentRecord, QStringLiteral("No current record."));
    // One statement in place: the bird is never missing between a delete and
    // an add, and keeps its ring as stored now.
    Statement update = birds().prepare("UPDATE birds SET BirdFlyerID = ?, NatOrg = ?, HatchYr = ?, clubletters = ?, "
                                       "bnumber = ?, sex = ?, color = ?, type = ? WHERE rowid = ?");
    bindFields(update, bird).bind(9, bird.key).run();
    transaction.commit();
    return true;
}

void BirdStore::remove(const QList<qint64> &keys)
{
    Connection &c = birds();
    Transaction transaction(c);
    Statement erase = c.prepare("DELETE FROM birds WHERE rowid = ?");
    for (qint64 key : keys) {
        erase.bind(1, key).run();
        erase.reset();
    }
    transaction.commit();
}
