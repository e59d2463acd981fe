#include "race_data/race_memory_readout.h"

#include "clock/clock_link.h"
#include "clock/control_chars.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"
#include "transfer/block_reader.h"
#include "transfer/readout_guard.h"
#include "transfer/replies.h"
#include "transfer/transfer_start.h"

namespace {

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
    if (!StartTransfer(context)) {
        readout.end = RaceReadout::End::NoClock;
        return readout;
    }
    context.progress.showProgress(QStringLiteral("Transferring Data..."), QString());

    BlockReader reader(context.link, RaceReadoutCommand);
    ReadoutGuard guard(RaceReadoutReplyLimit);
    for (bool first = true;; first = false) {
        if (guard.exhausted())
            return brokenOff(context, QStringLiteral("The clock did not finish sending the race data.") + CRLF
                                          + QStringLiteral("Race data not saved."));
        const QByteArray reply = reader.readBlock();
        // Silence to the first request is a clock without its module. Any
        // connection failure ends the readout: going on would only add
        // messages about a link that is gone, and the memory is not whole.
        if (first && reply == "E2")
            return brokenOff(context, QStringLiteral("No LMD Inserted"));
        if (IsLinkFailure(reply))
            return brokenOff(context, QStringLiteral("The race data could not be read from the memory module.") + CRLF
                                          + QStringLiteral("Race data not saved."));
        if (IsSingleByte(reply, Ctl::EOT))
            return readout;

        guard.count(reply);
        if (IsFaultyReply(reply))
            ++readout.faultyReplies;
        else if (reply.size() >= 2) {
            if (readout.blocks.size() < capacity)
                readout.blocks.append(reply);
            else
                ++readout.blocksLeftOut;
            const qsizetype received = readout.blocks.size() + readout.blocksLeftOut;
            context.progress.setSecondLine(QString::number(received) + QStringLiteral(" Blocks Transferred"));
        }
    }
}

std::optional<RaceReadout> ReadRaceMemoryToSave(TransferContext &context, int capacity,
                                                const QString &emptyMessage)
{
    RaceReadout readout = ReadRaceMemory(context, capacity);
    context.link.closePort();
    context.progress.closeProgress();
    if (readout.end != RaceReadout::End::Complete)
        return std::nullopt;
    if (readout.blocks.size() < 2) {
        context.prompter.inform(emptyMessage);
        return std::nullopt;
    }
    return readout;
}

QString ReadoutNotes(const RaceReadout &readout)
{
    QStringList notes;
    if (readout.blocksLeftOut > 0)
        notes.append(QString::number(readout.blocksLeftOut)
                     + QStringLiteral(" line(s) of the race memory did not fit in the race file and were left out."));
    if (readout.faultyReplies > 0)
        notes.append(QString::number(readout.faultyReplies)
                     + QStringLiteral(" reply(ies) of the clock were faulty;")
                     + QStringLiteral(" the race file may differ from the race memory."));
    return notes.join(CRLF + CRLF);
}
