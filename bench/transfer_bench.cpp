#include "transfer_bench.h"

#include "admin_db/db/database.h"
#include "admin_db/flyers/flyer_logic.h"
#include "admin_db/records/admin_shared_state.h"
#include "bench_database.h"
#include "clock/clock_identity.h"
#include "clock_on_line.h"
#include "unseen_progress.h"
#include "transfer/receive_birds.h"
#include "transfer/send_birds.h"
#include "transfer/transfer_context.h"

#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Birds = 999;
const QByteArray BirdFields = "SELECT NatOrg||HatchYr||clubletters||bnumber||sex||elecnumber||color FROM birds "
                              "ORDER BY NatOrg, HatchYr, clubletters, bnumber";

QStringList birdsOf(Database &db)
{
    QStringList out;
    Statement rows = db.connection().prepare(BirdFields);
    while (rows.next())
        out.append(rows.text(0));
    return out;
}

} // namespace

int RunTransferBench(const QStringList &arguments)
{
    const std::optional<bool> pacing = PacedOf(arguments, "transfer");
    if (!pacing)
        return 2;
    const bool paced = *pacing;
    QTemporaryDir sendingFolder, receivingFolder;
    Database sending, receiving;
    if (!PrepareBenchDatabase(sending, sendingFolder) || !PrepareBenchDatabase(receiving, receivingFolder))
        return 1;
    FillFlyersAndBirds(sending, 1, Birds);
    receiving.connection().execute("INSERT INTO clubs (ClubName) VALUES ('Eastside')");
    Statement flyer = sending.connection().prepare("SELECT FlyerID, Name FROM flyerlist");
    if (!flyer.next())
        return 1;
    const BirdSendRequest request{flyer.number(0), flyer.text(1), false, {}};

    ClockOnLine line(paced, {QStringLiteral("--model"), QStringLiteral("talmi"), QStringLiteral("--lmd-version"),
                             QStringLiteral("3.60")});
    if (!line.isReady())
        return 1;
    ClockIdentity identity;
    UnseenProgress progress;
    TransferContext context{line.link(), identity, line.prompter(), progress, [] {}};

    const Stopwatch whole;
    const Stopwatch sendWatch;
    SendBirds(context, sending, {"Bench Combine", "US", "03", "0012"}, request);
    const double sendSeconds = sendWatch.elapsedSeconds();
    const double sendWire = line.wireSeconds();

    line.resetWireBytes();
    AdminSharedState shared;
    const Stopwatch receiveWatch;
    const ReceiveEnd end = ReceiveBirds(context, receiving, shared);
    const double receiveSeconds = receiveWatch.elapsedSeconds();
    const double receiveWire = line.wireSeconds();
    const double cpuRatio = whole.cpuSeconds() / whole.elapsedSeconds();

    FlyerLogic flyers(receiving, line.prompter(), shared, {});
    const double mergeMs = millisecondsOf([&] {
        flyers.load();
        flyers.enterReceivedFlyer(end.flyerName);
        flyers.save();
    });
    flyers.end();

    // The clock gets the link's whole second-byte wait after each record it
    // stores (three headers and the birds): the send cannot beat that.
    const double sendFloor = sendWire + (3 + Birds) * ClockLink::SecondByteWaitMs / 1000.0;
    const bool same = end.then == ReceiveEnd::Then::EnterFlyer && birdsOf(receiving) == birdsOf(sending)
                   && birdsOf(receiving).size() == Birds;
    std::printf("transfer: line=%s same=%s messages=%d\n", paced ? "9600" : "unpaced", same ? "yes" : "no",
                line.prompter().messages);
    std::printf("transfer: birds=%d send_s=%.2f send_wire_s=%.2f send_ratio=%.3f send_floor_s=%.2f "
                "send_floor_ratio=%.3f receive_ratio=%.3f merge_ms=%.1f cpu_ratio=%.4f\n",
                Birds, sendSeconds, sendWire, sendSeconds / sendWire, sendFloor, sendSeconds / sendFloor,
                receiveSeconds / receiveWire, mergeMs, cpuRatio);
    return same ? 0 : 1;
}
