#include "admin_db/birds/band_lookup.h"

#include "admin_db/db/connection.h"
#include "admin_db/db/lookups.h"
#include "common/field.h"

namespace {

QByteArray query(const char *where)
{
    return QByteArray("SELECT BirdFlyerID, color FROM birds WHERE ") + where + " LIMIT 1";
}

std::optional<BandLookup::Bird> firstRow(Statement &statement, const QByteArray &key)
{
    statement.reset();
    statement.bind(1, key);
    if (!statement.next())
        return std::nullopt;
    BandLookup::Bird bird{statement.number(0), statement.bytes(1)};
    statement.reset();
    return bird;
}

} // namespace

BandLookup::BandLookup(Connection &birds)
    : m_wholeBand(birds.prepare(query(LookupSql::BandIs))), m_clubAndSerial(birds.prepare(query(LookupSql::ClubBandIs)))
{
}

std::optional<BandLookup::Bird> BandLookup::find(const QByteArray &band)
{
    if (std::optional<Bird> bird = firstRow(m_wholeBand, band))
        return bird;
    return firstRow(m_clubAndSerial, Field(band, 5, 10));
}

QList<QByteArray> BandLookup::queries()
{
    return {query(LookupSql::BandIs), query(LookupSql::ClubBandIs)};
}
