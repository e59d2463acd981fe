#pragma once

#include "admin_db/birds/bird_transfers.h"

// The bird window measured without the clock.
struct NoTransfers : BirdTransfers {
    BirdTransferEnd sendBirds(const BirdSendRequest &) override { return {}; }
    BirdTransferEnd receiveBirds() override { return {}; }
};
