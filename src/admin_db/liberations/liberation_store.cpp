#include "admin_db/liberations/liberation_store.h"

#include "admin_db/db/database.h"
#include "admin_db/db/jet_error.h"


namespace {

LiberationRace raceAt(const Statement &row, qint64 key)
{
    return {key, row.text("racenum"), row.text("racedate"), row.text("racename"), row.text("racetype")};
}

} // namespace

QList<LiberationRace> LiberationStore::races()
{
    Statement all = orte().prepare("SELECT rowid, racenum, racename, racedate, racetype FROM orte ORDER BY rowid");
    QList<LiberationRace> out;
    while (all.next())
        out.append(raceAt(all, all.number("rowid")));
    return out;
}

std::optional<LiberationRace> LiberationStore::race(qint64 key)
{
    Statement one = orte().prepare("SELECT racenum, racename, racedate, racetype FROM orte WHERE rowid = ?");
    one.bind(1, key);
    if (!one.next())
        return std::nullopt;
    return raceAt(one, key);
}

qint64 LiberationStore::count()
{
    Statement count = orte().prepare("SELECT count(*) FROM orte");
    count.next();
    return count.number(0);
}

void LiberationStore::add(const LiberationRace &race)
{
    Statement add = orte().prepare("INSERT INTO orte (racenum, racename, racedate, racetype) VALUES (?, ?, ?, ?)");
    add.bind(1, race.number).bind(2, race.name).bind(3, race.date).bind(4, race.type).run();
}

void LiberationStore::update(const LiberationRace &race)
{
    Connection &c = orte();
    Statement update = c.prepare("UPDATE orte SET racenum = ?, racename = ?, racedate = ?, racetype = ? "
                                 "WHERE rowid = ?");
    update.bind(1, race.number).bind(2, race.name).bind(3, race.date).bind(4, race.type).bind(5, race.key).run();
    Statement changed = c.prepare("SELECT changes()");
    changed.next();
    if (changed.number(0) == 0)
        throw JetError(JetCode::NoCurrentRecord, QStringLiteral("No current record."));
}

void LiberationStore::remove(qint64 key)
{
    Statement remove = orte().prepare("DELETE FROM orte WHERE rowid = ?");
    remove.bind(1, key).run();
}
