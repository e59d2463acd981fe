#include "transfer/send_birds.h"

#include "admin_db/birds/bird_store.h"
#include "admin_db/clubs/club_store.h"
#include "admin_db/db/jet_error.h"
#include "admin_db/editing/entry_messages.h"
#include "admin_db/records/clean_text.h"
#include "clock/clock_identity.h"
#include "clock/clock_link.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"
#include "transfer/admin_readout.h"
#include "transfer/admin_records.h"
#include "transfer/record_sender.h"
#include "transfer/send_checks.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_start.h"

#include <QScopeGuard>

#include <algorithm>

namespace {

using Then = BirdTransferEnd::Then;

const QString SendHolder = QStringLiteral("cmdSendBirds");

// What goes into the module, read in one go.
struct SendMaterial {
    QString flyerName;
    QList<QByteArray> headers;   // S1, S2, S3
    QList<BirdRecord> birds;
};

std::optional<SendMaterial> readMaterial(Database &db, const AdminHeaderSettings &settings,
                                         const BirdSendRequest &request)
{
    BirdStore birds(db, SendHolder);
    ClubStore clubs(db, SendHolder);
    CallHold flyers(db, Table::flyerlist, SendHolder);
    const auto release = qScopeGuard([&] {
        birds.close();
        clubs.close();
    });
    Statement flyer = flyers.connection().prepare("SELECT ClubID, Name FROM flyerlist WHERE FlyerID = ?");
    flyer.bind(1, request.flyerId);
    if (!flyer.next())
        return std::nullopt;
    const qint64 clubId = flyer.number(0);
    SendMaterial m;
    m.flyerName = flyer.text(1);
    const std::optional<Club> club = clubs.club(clubId);
    m.headers = {CombineRecord(settings.combineName, settings.nationalOrg),
                 ClubRecord(settings.combine, clubId, club ? toBytes(club->name) : QByteArray(), settings.concourse),
                 FlyerRecord(settings.combine, clubId, request.flyerId, toBytes(m.flyerName))};
    if (!request.onlySelected) {
        m.birds = birds.birdsOf(request.flyerId);
        return m;
    }
    for (qint64 key : request.selectedKeys) {
        // A bird deleted meanwhile is not sent.
        if (std::optional<BirdRecord> bird = birds.bird(key))
            m.birds.append(*bird);
    }
    return m;
}

bool sameFlyer(const QByteArray &moduleName, const QString &storedName)
{
    QString name = toText(moduleName);
    const QString asSent = name.trimmed();
    return asSent == storedName.trimmed() || CleanText(name) == storedName.trimmed();
}

// Both names are shown: the user decides knowing whose birds the module holds.
bool confirmOtherName(Prompter &prompter, const QByteArray &moduleName, const QString &sentName)
{
    return prompter.message(Message{QStringLiteral("The name in the memory module is different than the name being "
                                                   "sent.")
                                        + CRLF + QStringLiteral("Are you sure you want to send this data?") + CRLF
                                        + CRLF + QStringLiteral("In the memory module: ") + toText(moduleName).trimmed()
                                        + CRLF + QStringLiteral("Being sent: ") + sentName,
                                    QStringLiteral("Different Names Detected"), MsgIcon::None, MsgButtons::OkCancel,
                                    0, false})
        == MsgAnswer::Ok;
}

// The checks of what goes in; the message saying why not, or empty.
QString refusal(const QList<BirdRecord> &birds, const ClockIdentity &identity)
{
    int smallest = 199;
    int largest = 0;
    for (const BirdRecord &bird : birds) {
        smallest = std::min(smallest, YearFrom1900(bird.hatchYr));
        largest = std::max(largest, YearFrom1900(bird.hatchYr));
    }
    if (!HatchYearsSuit(smallest, largest, identity.LmdVersion))
        return QStringLiteral("There is at least one bird Hatch Year") + CRLF
             + QStringLiteral("not compatible with this clock firmware");
    const int limit = BirdLimit(identity.ModelCode);
    if (birds.size() > limit)
        return QString::number(limit) + QStringLiteral(" bird limit in LMD, please select ") + QString::number(limit)
             + QStringLiteral(" or less.");
    return {};
}

QList<QByteArray> birdRecords(const QList<BirdRecord> &birds, double lmdVersion)
{
    QList<QByteArray> records;
    for (const BirdRecord &bird : birds)
        records.append(BirdAdminRecord(bird, lmdVersion));
    return records;
}

// Sends the records; the closing message either way.
void sendAll(TransferContext &context, const SendMaterial &m, bool onlySelected)
{
    context.progress.setSecondLine(QStringLiteral("Connecting..."));
    const QString checkConnection = QStringLiteral("Check Connection to Tamrel");
    const SentRecords combine = SendRecords(context.link, m.headers.mid(0, 1));
    if (!combine.complete()) {
        context.progress.closeProgress();
        context.prompter.inform(combine.stop == RecordReply::LinkFailed
                                    ? checkConnection
                                    : StoppedMessage(combine, m.birds.size(), QStringLiteral("birds"), checkConnection));
        return;
    }
    SentRecords run = SendRecords(context.link, m.headers.mid(1));
    if (run.complete())
        run = SendRecords(context.link, birdRecords(m.birds, context.identity.LmdVersion), [&context](int taken) {
            context.progress.setSecondLine(QString::number(taken) + QStringLiteral(" Birds Transferred"));
        });
    else
        run.taken = 0;   // headers, no birds
    context.progress.closeProgress();
    if (!run.complete()) {
        context.prompter.inform(StoppedMessage(
            run, m.birds.size(), QStringLiteral("birds"),
            QStringLiteral("The memory module does not hold the whole bird list: please send the birds again.")));
        return;
    }
    context.prompter.inform(onlySelected ? QStringLiteral("  ") + QString::number(run.taken)
                                               + QStringLiteral(" selected birds sent")
                                         : QStringLiteral("       Birds sent = ") + QString::number(run.taken));
}

BirdTransferEnd sendChecked(TransferContext &context, Database &db, const AdminHeaderSettings &settings,
                            const BirdSendRequest &request)
{
    if (InRaceMode(context.identity.LmdState)) {
        context.prompter.inform(QStringLiteral("Transmission not possible, LMD is in race mode!"));
        return {};
    }
    std::optional<SendMaterial> material;
    try {
        material = readMaterial(db, settings, request);
    } catch (const JetError &e) {
        ShowUnexpectedError(context.prompter, e);
        return {};
    }
    if (!material) {
        context.prompter.inform(QStringLiteral("The flyer is no longer in the database."));
        return {Then::RefillFlyers, {}};
    }
    const FlyerRecordRead module = ReadFlyerRecord(context, QStringLiteral("No birds were sent."));
    if (module.end == FlyerRecordRead::End::BrokenOff)
        return {};
    if (module.end == FlyerRecordRead::End::Found
        && !sameFlyer(FlyerNameOf(module.record), material->flyerName)
        && !confirmOtherName(context.prompter, FlyerNameOf(module.record), material->flyerName))
        return {};

    // The progress window comes once the records are sure to go: none
    // behind a message that nothing will.
    if (material->birds.isEmpty()) {
        if (request.onlySelected && !request.selectedKeys.isEmpty())
            context.prompter.inform(QStringLiteral("The selected birds are no longer in the database."));
        else if (request.onlySelected)
            context.prompter.inform(QStringLiteral("No birds selected, please make a selection."));
        return {Then::RefreshBirds, {}};
    }
    const QString refused = refusal(material->birds, context.identity);
    if (!refused.isEmpty()) {
        context.prompter.inform(refused);
        return {Then::RefillFlyers, {}};
    }
    context.progress.showProgress(QStringLiteral("Transferring Data..."), QString());
    sendAll(context, *material, request.onlySelected);
    return {Then::RefreshBirds, {}};
}

} // namespace

BirdTransferEnd SendBirds(TransferContext &context, Database &db, const AdminHeaderSettings &settings,
                          const BirdSendRequest &request)
{
    if (!StartTransfer(context)) {
        context.prompter.inform(
            QStringLiteral("You may only use the database function until the Tamrel is properly connected"));
        return {};
    }
    const BirdTransferEnd end = sendChecked(context, db, settings, request);
    EndTransfer(context);
    return end;
}
