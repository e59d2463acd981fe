#include "reports/owner_lookup.h"

namespace {

const QString Holder = QStringLiteral("frmRaceform");

} // namespace

QByteArray OwnerLookup::flyerQuery()
{
    return "SELECT Name FROM flyerlist WHERE FlyerID = ?";
}

OwnerLookup::OwnerLookup(Database &db)
    : m_birdsHold(db, Table::birds, Holder), m_flyersHold(db, Table::flyerlist, Holder)
{
    try {
        m_reading.emplace(m_birdsHold.connection());
        m_birds.emplace(m_birdsHold.connection());
        m_flyer.emplace(m_flyersHold.connection().prepare(flyerQuery()));
    } catch (const JetError &e) {
        m_failure = e;
    }
}

std::optional<QString> OwnerLookup::ownerOf(const QByteArray &band)
{
    if (m_failure)
        return std::nullopt;
    try {
        return lookUp(band);
    } catch (const JetError &e) {
        m_failure = e;
        return std::nullopt;
    }
}

std::optional<QString> OwnerLookup::lookUp(const QByteArray &band)
{
    const std::optional<BandLookup::Bird> bird = m_birds->find(band);
    if (!bird)
        return std::nullopt;
    m_flyer->reset();
    m_flyer->bind(1, bird->flyerId);
    if (!m_flyer->next())
        return std::nullopt;
    const QString name = m_flyer->text(0);
    m_flyer->reset();
    return name;
}
