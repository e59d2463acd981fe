#include "transfer/receive_birds.h"

#include "admin_db/birds/received_birds.h"
#include "admin_db/clubs/club_store.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/editing/entry_messages.h"
#include "admin_db/records/admin_shared_state.h"
#include "admin_db/records/clean_text.h"
#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"
#include "transfer/admin_readout.h"
#include "transfer/admin_records.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_start.h"

#include <QScopeGuard>

namespace {

using Then = ReceiveEnd::Then;

const QString NothingStored = QStringLiteral("Nothing was stored.");

bool noClubs(Database &db)
{
    ClubStore clubs(db, QStringLiteral("cmdReceiveBirds"));
    const auto release = qScopeGuard([&clubs] { clubs.close(); });
    return clubs.count(QString()) == 0;
}

bool addFlyer(Prompter &prompter, const QString &name)
{
    return prompter.message(Message{QStringLiteral("Do you want to add this flyer and all their birds?"),
                                    name + QStringLiteral(" not in database"), MsgIcon::None, MsgButtons::YesNo, 0,
                                    false})
        == MsgAnswer::Yes;
}

// What the user should know about a readout that is not quite the module.
QString readoutNotes(const AdminReadout &readout)
{
    QString notes;
    const int unread = readout.faultyReplies + readout.unreadableBirds;
    if (unread > 0)
        notes += CRLF + CRLF + QString::number(unread)
               + QStringLiteral(" reply(ies) could not be read and were left out.");
    if (readout.birdsLeftOut > 0)
        notes += CRLF + CRLF + QString::number(readout.birdsLeftOut)
               + QStringLiteral(" bird record(s) beyond the first %1 were left out.").arg(MaxReadoutBirds);
    return notes;
}

ReceiveEnd merge(TransferContext &context, Database &db, AdminSharedState &shared, const AdminReadout &readout)
{
    const QByteArray moduleName = FlyerNameOf(readout.flyerRecord);
    if (moduleName.trimmed().isEmpty()) {
        context.progress.closeProgress();
        context.prompter.inform(readout.flyerRecord.isEmpty() && readout.birdRecords.isEmpty()
                                    ? QStringLiteral("There are no birds in the memory module.")
                                    : QStringLiteral("The memory module names no flyer.") + CRLF + NothingStored);
        return {};
    }
    shared.receivedRecords = readout.birdRecords;
    shared.receivedNotes = readoutNotes(readout);
    shared.receivedLmdVersion = context.identity.LmdVersion;
    const std::optional<FlyerEntry> flyer = FlyerOfModuleName(db, moduleName);
    if (!flyer) {
        context.progress.closeProgress();
        QString name = toText(moduleName);
        CleanText(name);
        if (!addFlyer(context.prompter, name.trimmed())) {
            shared.receivedRecords.clear();
            return {};
        }
        return {Then::EnterFlyer, name.trimmed()};
    }
    context.progress.showProgress(QStringLiteral("Updating list..."), QStringLiteral("Please wait"));
    const std::optional<MergeCounts> merged = InsertNewData(db, shared, flyer->id);
    context.progress.closeProgress();
    shared.receivedRecords.clear();
    if (!merged) {
        context.prompter.inform(QStringLiteral("The flyer is no longer in the database.") + CRLF + NothingStored);
        return {};
    }
    TellDuplicateRings(context.prompter, *merged);
    return {Then::ShowFlyer, flyer->name,
            QStringLiteral("Data successfully retrieved for ") + flyer->name + QLatin1Char('.') + CRLF
                + QStringLiteral("Birds Added = ") + QString::number(merged->added) + CRLF
                + QStringLiteral("Birds Updated = ") + QString::number(merged->updated) + CRLF
                + QStringLiteral("Assignments changed = ") + QString::number(merged->assignmentsChanged)
                + readoutNotes(readout)};
}

} // namespace

ReceiveEnd ReceiveBirds(TransferContext &context, Database &db, AdminSharedState &shared)
{
    try {
        if (noClubs(db)) {
            context.prompter.inform(QStringLiteral("No Clubs in Database.") + CRLF
                                    + QStringLiteral("Please add club first"));
            shared.noClubs = true;
            return {Then::EnterClub, {}};
        }
    } catch (const JetError &e) {
        ShowUnexpectedError(context.prompter, e);
        return {};
    }
    if (!StartTransfer(context))
        return {};
    context.progress.showProgress(QStringLiteral("Transferring Data..."), QString());
    const AdminReadout readout = ReadAdminData(context, NothingStored);
    context.link.closePort();
    if (readout.end == AdminReadout::End::BrokenOff)
        return {};
    ReceiveEnd end;
    try {
        end = merge(context, db, shared, readout);
    } catch (const JetError &e) {
        context.progress.closeProgress();
        shared.receivedRecords.clear();
        context.prompter.inform(QStringLiteral("The birds read from the clock were not stored: ") + e.description());
    }
    EndTransfer(context);
    return end;
}
