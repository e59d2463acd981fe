#include "admin_db/clubs/club_store.h"

#include "admin_db/db/lookups.h"

QList<Club> ClubStore::clubs(const QString &prefix)
{
    return ListedNames(clubs(), "SELECT ClubID, ClubName FROM clubs", "ClubName", prefix, " ORDER BY ClubID");
}

qint64 ClubStore::count(const QString &prefix)
{
    Statement count = SelectByNamePrefix(clubs(), "SELECT count(*) FROM clubs", "ClubName", prefix, "");
    count.next();
    return count.number(0);
}

std::optional<Club> ClubStore::club(qint64 key)
{
    Statement one = clubs().prepare("SELECT ClubName FROM clubs WHERE ClubID = ?");
    one.bind(1, key);
    if (!one.next())
        return std::nullopt;
    return Club{key, one.text(0)};
}

qint64 ClubStore::add(const QString &name)
{
    Connection &c = clubs();
    c.prepare("INSERT INTO clubs (ClubName) VALUES (?)").bind(1, name).run();
    return c.lastInsertId();
}

void ClubStore::rename(qint64 key, const QString &name)
{
    Connection &c = clubs();
    c.prepare("UPDATE clubs SET ClubName = ? WHERE ClubID = ?").bind(1, name).bind(2, key).run();
    RequireChangedRow(c);
}
