#pragma once

#include "admin_db/birds/bird_transfers.h"

// The bird window's clock commands, recorded; each answers with reply.
struct RecordingBirdTransfers : BirdTransfers {
    BirdTransferEnd sendBirds(const BirdSendRequest &request) override
    {
        sent.append(request);
        return reply;
    }
    BirdTransferEnd receiveBirds() override
    {
        ++receives;
        return reply;
    }

    BirdTransferEnd reply;
    QList<BirdSendRequest> sent;
    int receives = 0;
};
