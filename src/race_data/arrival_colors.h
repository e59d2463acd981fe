#pragma once

#include "admin_db/birds/band_lookup.h"
#include "admin_db/db/database.h"
#include "race_data/ventaro_records.h"

#include <QByteArray>
#include <QSet>
#include <QString>
#include <optional>

class Prompter;

// The colours of clocked birds from the database, each bird's own. A bird
// that is not stored, or the arrivals of a race whose flyer is not, read
// "UNKN"; the user is told once for each flyer, naming the first bird or the
// flyer not found. A database that cannot be read gives "UNKN" for every bird
// after.
class ArrivalColors {
public:
    // flyerName: the module's own, for the message.
    ArrivalColors(Database &db, Prompter &prompter, double lmdVersion, QByteArray flyerName);

    // The race's flyer must be stored.
    void startRace(const RaceOwner &owner);
    QByteArray colorOf(const QByteArray &arrival);

private:
    // Told once for each flyer key ("club/flyer"), and once for the database.
    void tell(const QByteArray &what, const QString &description);

    Database &m_db;
    Prompter &m_prompter;
    double m_lmdVersion;
    QByteArray m_flyerName;
    CallHold m_birdsHold;
    CallHold m_flyersHold;
    std::optional<BandLookup> m_birds;
    RaceOwner m_owner;
    bool m_flyerMissing = false;
    bool m_unreadable = false;
    QSet<QByteArray> m_told;
};
