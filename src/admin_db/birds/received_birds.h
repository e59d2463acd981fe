#pragma once

#include "admin_db/birds/bird_store.h"

#include <QByteArray>
#include <QList>
#include <optional>

class Connection;
class Database;
class Prompter;
struct AdminSharedState;

// What merging one readout's birds did.
struct MergeCounts {
    int added = 0;
    int updated = 0;
    int assignmentsChanged = 0;
    // Rings another bird already has, one a refused bird.
    QList<QByteArray> duplicateRings;
};

// Merges the bird records of one admin readout into the database for the
// flyer flyerId: a band already stored is updated (its ring and colour when
// the ring changed), a new band is added unless its ring belongs to another
// bird ("0000000000" is no ring). Records that hold no readable bird are
// left out; the readout has counted them. All of it in one transaction: on a
// JetError nothing is stored.
// nullopt, storing nothing, when the flyer is no longer stored.
std::optional<MergeCounts> MergeReceivedBirds(Connection &connection, qint64 flyerId,
                                              const QList<QByteArray> &records, double lmdVersion);

// The clock system's own routine: stores the birds last read from a module
// (shared.receivedRecords) for flyerId as MergeReceivedBirds does, holding
// the tables only for the call, so that it works whichever windows are open.
// Throws JetError.
std::optional<MergeCounts> InsertNewData(Database &db, const AdminSharedState &shared, qint64 flyerId);

// The flyer a module names: by the name as the module has it, blanks aside,
// and as the flyer window stores it (an apostrophe or a quote becomes a
// blank). nullopt when neither is stored. Throws JetError.
std::optional<FlyerEntry> FlyerOfModuleName(Database &db, const QByteArray &moduleName);

// "Duplicate electronic numbers (...) not allowed.", one message a refused
// bird.
void TellDuplicateRings(Prompter &prompter, const MergeCounts &counts);
