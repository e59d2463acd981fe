#pragma once

#include "race_data/ventaro_records.h"

#include <QByteArray>
#include <QString>
#include <optional>

class Database;
class Prompter;

// The colours of clocked birds from the database. A flyer or bird that is
// not stored means the database does not match the module: the user is told
// once for each flyer, and from then on every colour reads "UNKN", so that
// no colour of this race file is trusted.
class ArrivalColors {
public:
    // flyerName: the module's own, for the message.
    ArrivalColors(Database &db, Prompter &prompter, double lmdVersion, QByteArray flyerName);

    // The race's flyer must be stored.
    void startRace(const RaceOwner &owner);
    QByteArray colorOf(const QByteArray &arrival);

private:
    void fail(const QString &description);

    Database &m_db;
    Prompter &m_prompter;
    double m_lmdVersion;
    QByteArray m_flyerName;
    RaceOwner m_owner;
    std::optional<QByteArray> m_flyerTold;
    bool m_failed = false;
};
