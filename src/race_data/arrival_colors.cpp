#include "race_data/arrival_colors.h"

#include "admin_db/db/database.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/db/lookups.h"
#include "common/field.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/prompter.h"
#include "common/text_helpers.h"

#include <optional>

namespace {

const QByteArray Unknown = "UNKN";
const QString Holder = QStringLiteral("mnuVentaro");

std::optional<QByteArray> storedColor(Connection &birds, const char *where, const QByteArray &key)
{
    Statement find = birds.prepare(QByteArray("SELECT color FROM birds WHERE ") + where + " LIMIT 1");
    find.bind(1, key);
    if (!find.next())
        return std::nullopt;
    return find.bytes(0);
}

} // namespace

ArrivalColors::ArrivalColors(Database &db, Prompter &prompter, double lmdVersion, QByteArray flyerName)
    : m_db(db), m_prompter(prompter), m_lmdVersion(lmdVersion), m_flyerName(std::move(flyerName))
{
}

void ArrivalColors::startRace(const RaceOwner &owner)
{
    m_owner = owner;
    try {
        CallHold flyers(m_db, Table::flyerlist, Holder);
        // The two numbers, not their texts joined: club 2 with flyer 17
        // is not club 21 with flyer 7.
        Statement find = flyers.connection().prepare("SELECT 1 FROM flyerlist WHERE ClubID = ? AND FlyerID = ?");
        find.bind(1, qint64(LenientNumber(owner.club))).bind(2, qint64(LenientNumber(owner.flyer)));
        if (!find.next())
            fail(QStringLiteral("The flyer of this race is not in the database."));
    } catch (const JetError &e) {
        fail(e.description());
    }
}

QByteArray ArrivalColors::colorOf(const QByteArray &arrival)
{
    if (m_failed)
        return Unknown;
    std::optional<QByteArray> color;
    try {
        CallHold birds(m_db, Table::birds, Holder);
        // The whole band first: two years may share club letters and serial.
        color = storedColor(birds.connection(), LookupSql::BandIs, Field(arrival, 1, 14));
        if (!color)
            color = storedColor(birds.connection(), LookupSql::ClubBandIs, Field(arrival, 5, 10));
    } catch (const JetError &e) {
        fail(e.description());
        return Unknown;
    }
    if (!color || color->isEmpty()) {
        fail(QStringLiteral("Bird ") + toText(Field(arrival, 1, 14))
             + (color ? QStringLiteral(" has no colour in the database.") : QStringLiteral(" is not in the database.")));
        return Unknown;
    }
    if (m_lmdVersion <= 3.37)
        return *color;
    return toBytes(m_db.colors().slot(uchar(color->at(0))).abbreviation);
}

void ArrivalColors::fail(const QString &description)
{
    m_failed = true;
    if (m_owner.flyer == m_flyerTold)
        return;
    m_flyerTold = m_owner.flyer;
    m_prompter.inform(description + CRLF + QStringLiteral("Club #: ") + toText(m_owner.club)
                      + QStringLiteral(" Flyer #: ") + toText(m_owner.flyer) + QLatin1Char(' ')
                      + toText(FixWidth(m_flyerName, 20, ' ', true)) + QStringLiteral(" - Not found! ") + CRLF + CRLF
                      + QStringLiteral("The DataBase on this computer might not contain") + CRLF
                      + QStringLiteral("correct color information.") + CRLF + CRLF
                      + QStringLiteral("Color from this race file should not be transferred to Ventaro."));
}
