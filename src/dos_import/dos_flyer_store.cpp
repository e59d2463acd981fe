#include "dos_import/dos_flyer_store.h"

#include "admin_db/db/lookups.h"
#include "admin_db/db/transaction.h"
#include "admin_db/records/clean_text.h"
#include "common/latin1.h"

namespace {

const QByteArray Empty = "Empty";

} // namespace

DosFlyerStore::DosFlyerStore(Database &db) : m_db(db), m_clubs(db, ImportWindowName)
{
}

void DosFlyerStore::close()
{
    m_clubs.close();
    for (Table t : {Table::flyerlist, Table::birds})
        m_db.release(t, ImportWindowName);
}

QList<Club> DosFlyerStore::clubs()
{
    return m_clubs.clubs(QString());
}

int DosFlyerStore::flyersNamed(const QString &name)
{
    Statement count = m_db.use(Table::flyerlist, ImportWindowName).prepare("SELECT count(*) FROM flyerlist WHERE Name = ?");
    count.bind(1, name);
    count.next();
    return int(count.number(0));
}

Connection &DosFlyerStore::connection()
{
    m_db.use(Table::flyerlist, ImportWindowName);
    return m_db.use(Table::birds, ImportWindowName);
}

ImportedFlyer DosFlyerStore::store(qint64 clubId, const DosFlyer &flyer, const QString &name,
                                   const QList<BirdRecord> &birds)
{
    Connection &c = connection();
    ImportedFlyer imported;
    Transaction together(c);
    if (flyersNamed(name) > 0)
        return imported;
    c.prepare("INSERT INTO flyerlist (ClubID, Name, Address, CityStateZip, email, Longitude, Latitude, Phone) "
              "VALUES (?, ?, ?, ?, ?, ?, ?, ?)")
        .bind(1, clubId).bind(2, name).bind(3, Empty).bind(4, Empty).bind(5, Empty).bind(6, flyer.longitude)
        .bind(7, flyer.latitude).bind(8, Empty)
        .run();
    const qint64 flyerId = c.lastInsertId();
    Statement taken = c.prepare(QByteArray("SELECT 1 FROM birds WHERE ") + LookupSql::BandIs + " LIMIT 1");
    Statement insert = c.prepare("INSERT INTO birds (BirdFlyerID, NatOrg, HatchYr, clubletters, bnumber, sex, "
                                 "elecnumber, color, type) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (const BirdRecord &bird : birds) {
        taken.bind(1, bird.band());
        const bool duplicate = taken.next();
        taken.reset();
        if (duplicate) {
            imported.duplicateBands.append(bird.band());
            continue;
        }
        insert.bind(1, flyerId).bind(2, bird.natOrg).bind(3, bird.hatchYr).bind(4, bird.clubletters)
            .bind(5, bird.bnumber).bind(6, bird.sex).bind(7, bird.elecnumber).bind(8, bird.color).bind(9, bird.type)
            .run();
        insert.reset();
    }
    together.commit();
    imported.stored = true;
    return imported;
}

QString StoredFlyerName(const QByteArray &dosName)
{
    QString name = toText(dosName);
    return CleanText(name);
}
