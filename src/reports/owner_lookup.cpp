#include "reports/owner_lookup.h"

#include "admin_db/db/database.h"
#include "admin_db/db/lookups.h"

QByteArray OwnerLookup::birdQuery()
{
    return QByteArray("SELECT BirdFlyerID FROM birds WHERE ") + LookupSql::ClubBandIs;
}

QByteArray OwnerLookup::flyerQuery()
{
    return "SELECT Name FROM flyerlist WHERE FlyerID = ?";
}

OwnerLookup::OwnerLookup(const Database &db)
{
    try {
        m_connection.open(db.path(), db.key());
        m_bird.emplace(m_connection.prepare(birdQuery()));
        m_flyer.emplace(m_connection.prepare(flyerQuery()));
    } catch (const JetError &e) {
        m_failure = e;
    }
}

std::optional<QString> OwnerLookup::ownerOf(const QByteArray &clubLettersAndBand)
{
    if (m_failure)
        return std::nullopt;
    try {
        return lookUp(clubLettersAndBand);
    } catch (const JetError &e) {
        m_failure = e;
        return std::nullopt;
    }
}

namespace {

// Whether the query finds a row for the value; it then stands on it.
template <typename Value>
bool findsRow(Statement &query, const Value &value)
{
    query.reset();
    query.bind(1, value);
    return query.next();
}

} // namespace

std::optional<QString> OwnerLookup::lookUp(const QByteArray &clubLettersAndBand)
{
    if (!findsRow(*m_bird, clubLettersAndBand))
        return std::nullopt;
    const qint64 flyerId = m_bird->number(0);
    m_bird->reset();
    if (!findsRow(*m_flyer, flyerId))
        return std::nullopt;
    const QString name = m_flyer->text(0);
    m_flyer->reset();
    return name;
}
