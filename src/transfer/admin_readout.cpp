#include "transfer/admin_readout.h"

#include "admin_db/records/bird_record.h"
#include "clock/clock_link.h"
#include "clock/control_chars.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"
#include "transfer/admin_records.h"
#include "transfer/block_reader.h"
#include "transfer/readout_guard.h"
#include "transfer/replies.h"
#include "transfer/transfer_context.h"

#include <functional>

namespace {

// A module without admin data answers with a block of stars.
bool isNoAdminDataMark(const QByteArray &reply)
{
    return reply.size() >= 5 && reply.mid(2, 3) == "***";
}

enum class Take { More, Enough };

// Runs the readout, handing every usable record to take until it has enough
// or the clock ends. false when it broke off, after telling the user.
bool runReadout(TransferContext &context, const QString &consequence, int &faultyReplies,
                const std::function<Take(const QByteArray &)> &take)
{
    BlockReader reader(context.link, AdminReadoutCommand);
    ReadoutGuard guard(AdminReadoutReplyLimit);
    QString failure;
    for (;;) {
        if (guard.exhausted()) {
            failure = QStringLiteral("The clock did not finish sending the admin data.");
            break;
        }
        const QByteArray reply = reader.readBlock();
        if (IsLinkFailure(reply)) {
            failure = QStringLiteral("The admin data could not be read from the memory module.");
            break;
        }
        if (IsSingleByte(reply, Ctl::ESC)) {
            failure = QStringLiteral("The memory module refused to give its admin data.");
            break;
        }
        if (IsSingleByte(reply, Ctl::EOT))
            return true;
        guard.count(reply);
        if (IsFaultyReply(reply))
            ++faultyReplies;
        else if (reply.size() >= 2 && take(reply) == Take::Enough)
            return true;
    }
    context.progress.closeProgress();
    context.prompter.inform(failure + CRLF + consequence);
    return false;
}

FlyerRecordRead readUpToFlyer(TransferContext &context, const QString &consequence,
                              const std::function<void(int blocks)> &counted)
{
    FlyerRecordRead read;
    int faulty = 0;
    int blocks = 0;
    const bool whole = runReadout(context, consequence, faulty, [&](const QByteArray &reply) {
        counted(++blocks);
        if (KindOf(reply) == AdminRecordKind::Flyer) {
            read.end = FlyerRecordRead::End::Found;
            read.record = reply;
        }
        return read.end == FlyerRecordRead::End::Found || isNoAdminDataMark(reply) ? Take::Enough : Take::More;
    });
    if (!whole)
        read.end = FlyerRecordRead::End::BrokenOff;
    return read;
}

} // namespace

AdminReadout ReadAdminData(TransferContext &context, const QString &consequence)
{
    AdminReadout readout;
    const bool whole = runReadout(context, consequence, readout.faultyReplies, [&](const QByteArray &reply) {
        switch (KindOf(reply)) {
        case AdminRecordKind::Flyer:
            readout.flyerRecord = reply;
            break;
        case AdminRecordKind::Bird:
            // Junk from the module is told in the closing message, never
            // stored as a bird.
            if (!ReceivedBird(reply, 0))
                ++readout.unreadableBirds;
            else if (readout.birdRecords.size() < MaxReadoutBirds)
                readout.birdRecords.append(reply);
            else
                ++readout.birdsLeftOut;
            context.progress.setSecondLine(
                QString::number(readout.birdRecords.size() + readout.birdsLeftOut)
                + QStringLiteral(" Blocks Transferred"));
            break;
        default:
            break;
        }
        return Take::More;
    });
    if (!whole)
        readout.end = AdminReadout::End::BrokenOff;
    return readout;
}

FlyerRecordRead ReadFlyerRecord(TransferContext &context, const QString &consequence)
{
    const FlyerRecordRead read = readUpToFlyer(context, consequence, [](int) {});
    if (read.end != FlyerRecordRead::End::BrokenOff)
        context.link.SendCommand(QByteArray(1, Ctl::EOT));
    return read;
}

FlyerRecordRead ReadModuleFlyerName(TransferContext &context, const QString &consequence)
{
    context.progress.showProgress(QStringLiteral("Transferring Data..."), QString());
    const FlyerRecordRead read = readUpToFlyer(context, consequence, [&](int blocks) {
        context.progress.setSecondLine(QString::number(blocks) + QStringLiteral(" Blocks Transferred"));
    });
    if (read.end == FlyerRecordRead::End::BrokenOff)
        return read;
    context.progress.closeProgress();
    // EOT ends the readout; a fresh "X" would leave the clock waiting in
    // a readout nobody continues.
    context.link.SendCommand(QByteArray(1, Ctl::EOT));
    return read;
}
