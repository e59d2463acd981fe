#pragma once

#include "admin_db/birds/bird_transfers.h"

#include <QByteArray>

class Database;
struct TransferContext;

// The settings the header records carry.
struct AdminHeaderSettings {
    QByteArray combineName;
    QByteArray nationalOrg;
    QByteArray combine;
    QByteArray concourse;
};

// The bird window's "Send Birds": checks the clock, the module's flyer name,
// the hatch years and the bird limit before anything is written, then sends
// S1, S2, S3 and one Z record a bird. Stops at the first record the clock
// does not take and says how many birds went out.
BirdTransferEnd SendBirds(TransferContext &context, Database &db, const AdminHeaderSettings &settings,
                          const BirdSendRequest &request);
