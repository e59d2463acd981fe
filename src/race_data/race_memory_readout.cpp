#include "race_data/race_memory_readout.h"

#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "clock/control_chars.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"
#include "transfer/block_reader.h"

namespace {

bool isSingle(const QByteArray &reply, char byte)
{
    return reply.size() == 1 && reply.at(0) == byte;
}

// The link's two-character failure codes, which a readout stores as blocks.
bool isResultCode(const QByteArray &reply)
{
    return reply.size() == 2 && reply.at(0) == 'E' && reply.at(1) >= '0' && reply.at(1) <= '9';
}

RaceReadout brokenOff(TransferContext &context, const QString &message)
{
    context.progress.closeProgress();
    context.prompter.inform(message);
    RaceReadout readout;
    readout.end = RaceReadout::End::BrokenOff;
    return readout;
}

} // namespace

RaceReadout ReadRaceMemory(TransferContext &context, int capacity)
{
    RaceReadout readout;
    context.link.setAddressPrefix(ClockLink::ClockPrefix);
    ReadClockInfo(context.link, context.identity);
    if (!context.identity.connected()) {
        readout.end = RaceReadout::End::NoClock;
        return readout;
    }
    context.showClockStatus();
    context.progress.showProgress(QStringLiteral("Transferring Data..."), QString());

    BlockReader reader(context.link, RaceReadoutCommand);
    int faultsInARow = 0;
    for (int replies = 0;; ++replies) {
        if (replies == ReadoutLimits::RunawayReplies || faultsInARow == ReadoutLimits::FaultsInARow)
            return brokenOff(context, QStringLiteral("The clock did not finish sending the race data.") + CRLF
                                          + QStringLiteral("Race data not saved."));
        const QByteArray reply = reader.readBlock();
        if (reply == "E2")
            return brokenOff(context, QStringLiteral("No LMD Inserted"));
        if (isSingle(reply, Ctl::EOT))
            return readout;

        const bool faulty = reply.isEmpty() || isResultCode(reply);
        if (faulty)
            ++readout.faultyReplies;
        if (reply.size() >= 2) {
            if (readout.blocks.size() < capacity)
                readout.blocks.append(reply);
            else
                ++readout.blocksLeftOut;
            const qsizetype received = readout.blocks.size() + readout.blocksLeftOut;
            context.progress.setSecondLine(QString::number(received) + QStringLiteral(" Blocks Transferred"));
        }
        if (reply.size() >= 2 && !faulty)
            faultsInARow = 0;
        else if (!isSingle(reply, Ctl::ACK))
            ++faultsInARow;
    }
}
