#include "race_data/arrival_colors.h"

#include "admin_db/db/database.h"
#include "admin_db/db/jet_error.h"
#include "common/field.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/prompter.h"
#include "common/text_helpers.h"

#include <optional>

namespace {

const QByteArray Unknown = "UNKN";
const QString Holder = QStringLiteral("mnuVentaro");

} // namespace

ArrivalColors::ArrivalColors(Database &db, Prompter &prompter, double lmdVersion, QByteArray flyerName)
    : m_db(db), m_prompter(prompter), m_lmdVersion(lmdVersion), m_flyerName(std::move(flyerName)),
      m_birdsHold(db, Table::birds, Holder), m_flyersHold(db, Table::flyerlist, Holder)
{
}

void ArrivalColors::startRace(const RaceOwner &owner)
{
    m_owner = owner;
    m_flyerMissing = false;
    if (m_unreadable)
        return;
    try {
        // The two numbers, not their texts joined: club 2 with flyer 17
        // is not club 21 with flyer 7.
        Statement find =
            m_flyersHold.connection().prepare("SELECT 1 FROM flyerlist WHERE ClubID = ? AND FlyerID = ?");
        find.bind(1, qint64(LenientNumber(owner.club))).bind(2, qint64(LenientNumber(owner.flyer)));
        m_flyerMissing = !find.next();
        if (m_flyerMissing)
            tell(owner.club + '/' + owner.flyer, QStringLiteral("The flyer of this race is not in the database."));
    } catch (const JetError &e) {
        m_unreadable = true;
        tell({}, e.description());
    }
}

QByteArray ArrivalColors::colorOf(const QByteArray &arrival)
{
    if (m_flyerMissing || m_unreadable)
        return Unknown;
    const QByteArray band = Field(arrival, 1, 14);
    std::optional<BandLookup::Bird> bird;
    try {
        if (!m_birds)
            m_birds.emplace(m_birdsHold.connection());
        bird = m_birds->find(band);
    } catch (const JetError &e) {
        m_unreadable = true;
        tell({}, e.description());
        return Unknown;
    }
    // "UNKN" for this bird alone: a known colour written as unknown would be
    // a wrong result.
    if (!bird || bird->color.isEmpty()) {
        tell(m_owner.club + '/' + m_owner.flyer, QStringLiteral("Bird ") + toText(band)
                       + (bird ? QStringLiteral(" has no colour in the database.")
                               : QStringLiteral(" is not in the database.")));
        return Unknown;
    }
    if (m_lmdVersion <= 3.37)
        return bird->color;
    return toBytes(m_db.colors().slot(uchar(bird->color.at(0))).abbreviation);
}

void ArrivalColors::tell(const QByteArray &what, const QString &description)
{
    if (m_told.contains(what))
        return;
    m_told.insert(what);
    m_prompter.inform(description + CRLF + QStringLiteral("Club #: ") + toText(m_owner.club)
                      + QStringLiteral(" Flyer #: ") + toText(m_owner.flyer) + QLatin1Char(' ')
                      + toText(FixWidth(m_flyerName, 20, ' ', true)) + QStringLiteral(" - Not found! ") + CRLF + CRLF
                      + QStringLiteral("The DataBase on this computer might not contain") + CRLF
                      + QStringLiteral("correct color information.") + CRLF + CRLF
                      + QStringLiteral("Color from this race file should not be transferred to Ventaro."));
}
