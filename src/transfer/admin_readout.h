#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

struct TransferContext;

// A module's admin data read back, records exactly as they came.
struct AdminReadout {
    enum class End { Complete, BrokenOff };
    End end = End::Complete;
    QByteArray flyerRecord;            // S3; empty when the module has none
    QList<QByteArray> birdRecords;     // Z, at most MaxReadoutBirds
    int birdsLeftOut = 0;
    // Error codes and replies lost to a bad checksum: records missing.
    int faultyReplies = 0;
    // Bird records cut short or holding no readable bird, left out.
    int unreadableBirds = 0;
};

// The ACK to "X", three headers, a thousand birds and the end, with room
// for faults.
inline constexpr int AdminReadoutReplyLimit = 1100;
inline constexpr int MaxReadoutBirds = 1000;

// Reads the whole admin data of the inserted module, counting the bird
// records in the progress window. A readout that breaks off (no connection,
// a refusal, a clock that does not end, faults in a row) has told the user why,
// followed by consequence ("Nothing was stored.").
AdminReadout ReadAdminData(TransferContext &context, const QString &consequence);

// The admin data up to the flyer record, which is all a name check needs.
struct FlyerRecordRead {
    enum class End {
        Found,
        NoAdminData,   // the module holds none ("***"), or no flyer record
        BrokenOff,     // told as for ReadAdminData
    };
    End end = End::NoAdminData;
    QByteArray record;
};

// Reads up to the S3 record and ends the readout with EOT.
FlyerRecordRead ReadFlyerRecord(TransferContext &context, const QString &consequence);

// The same for a command that shows its progress: the blocks read are
// counted in the progress window. FlyerNameOf gives the flyer's name. Named
// as the clock system names it.
FlyerRecordRead ReadModuleFlyerName(TransferContext &context, const QString &consequence);
