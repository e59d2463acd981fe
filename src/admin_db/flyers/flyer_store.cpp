#include "admin_db/flyers/flyer_store.h"

#include "admin_db/db/lookups.h"
#include "admin_db/db/transaction.h"

namespace {

// The statement with the flyer's fields bound to positions 1 to 8.
Statement withFields(Connection &c, const char *sql, const Flyer &flyer)
{
    const FlyerFields &f = flyer.fields;
    Statement s = c.prepare(sql);
    s.bind(1, flyer.clubId).bind(2, f.name).bind(3, f.address).bind(4, f.city).bind(5, f.phone).bind(6, f.email);
    s.bind(7, f.longitude).bind(8, f.latitude);
    return s;
}

} // namespace

QList<FlyerLine> FlyerStore::flyers(const QString &prefix)
{
    return ListedNames(flyerlist(), "SELECT FlyerID, Name FROM flyerlist", "Name", prefix, " ORDER BY FlyerID");
}

std::optional<Flyer> FlyerStore::flyer(qint64 key)
{
    Statement one = flyerlist().prepare("SELECT ClubID, Name, Address, CityStateZip, Phone, email, Longitude, "
                                        "Latitude FROM flyerlist WHERE FlyerID = ?");
    one.bind(1, key);
    if (!one.next())
        return std::nullopt;
    return Flyer{key, one.number(0),
                 FlyerFields{one.text(1), one.text(2), one.text(3), one.text(4), one.text(5), one.text(6),
                             one.text(7)}};
}

bool FlyerStore::nameTaken(const QString &name, qint64 exceptKey)
{
    Statement find = flyerlist().prepare("SELECT 1 FROM flyerlist WHERE Name = ? AND FlyerID <> ?");
    find.bind(1, name).bind(2, exceptKey);
    return find.next();
}

qint64 FlyerStore::add(const Flyer &flyer)
{
    Connection &c = flyerlist();
    withFields(c, "INSERT INTO flyerlist (ClubID, Name, Address, CityStateZip, Phone, email, Longitude, Latitude) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?, ?)", flyer).run();
    return c.lastInsertId();
}

void FlyerStore::update(const Flyer &flyer)
{
    Connection &c = flyerlist();
    withFields(c, "UPDATE flyerlist SET ClubID = ?, Name = ?, Address = ?, CityStateZip = ?, Phone = ?, email = ?, "
                  "Longitude = ?, Latitude = ? WHERE FlyerID = ?", flyer).bind(9, flyer.key).run();
    RequireChangedRow(c);
}

void FlyerStore::moveToClub(qint64 key, qint64 clubId)
{
    flyerlist().prepare("UPDATE flyerlist SET ClubID = ? WHERE FlyerID = ?").bind(1, clubId).bind(2, key).run();
}

void FlyerStore::removeWithBirds(qint64 key)
{
    Connection &c = flyerlist();
    Transaction transaction(c);
    c.prepare("DELETE FROM birds WHERE BirdFlyerID = ?").bind(1, key).run();
    c.prepare("DELETE FROM flyerlist WHERE FlyerID = ?").bind(1, key).run();
    transaction.commit();
}
