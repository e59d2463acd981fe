#include "transfer/send_liberation_points.h"

#include "admin_db/records/liberation_race.h"
#include "clock/clock_link.h"
#include "common/latin1.h"
#include "common/line_breaks.h"
#include "common/progress_view.h"
#include "common/prompter.h"
#include "common/text_helpers.h"
#include "transfer/record_sender.h"
#include "transfer/transfer_context.h"
#include "transfer/transfer_start.h"

QByteArray LiberationCommand(const LiberationRace &race)
{
    const QByteArray date = toBytes(race.date);
    return "I0" + FixWidth(toBytes(race.number), 2, '0', false) + date.mid(2, 2) + date.mid(0, 2)
         + FixWidth(toBytes(race.name), 8, ' ', true) + toBytes(race.type);
}

void SendLiberationPoints(TransferContext &context, const QList<LiberationRace> &races)
{
    if (races.size() > MaxLiberationPoints) {
        context.prompter.inform(QStringLiteral("There are %1 liberation points; the memory module holds at most %2.")
                                    .arg(races.size())
                                    .arg(MaxLiberationPoints)
                                + CRLF + QStringLiteral("Please delete liberation points until %1 or fewer are left. "
                                                        "Nothing was sent.")
                                             .arg(MaxLiberationPoints));
        return;
    }
    if (!StartTransfer(context))
        return;
    if (races.isEmpty()) {
        context.link.closePort();
        return;
    }
    context.progress.showProgress(QStringLiteral("Transferring Data..."), QString());
    // The clock is asked again right before its liberation memory is
    // emptied: it may have changed while the window was opening.
    if (!StartTransfer(context)) {
        context.progress.closeProgress();
        return;
    }
    QList<QByteArray> commands;
    for (const LiberationRace &race : races)
        commands.append(LiberationCommand(race));
    SentRecords run = SendRecords(context.link, {QByteArrayLiteral("IC0")});
    if (run.complete())
        run = SendRecords(context.link, commands, [&context](int taken) {
            context.progress.setSecondLine(QString::number(taken) + QStringLiteral(" Races Transferred"));
        });
    else
        run.taken = 0;   // the clear command, no point
    EndTransfer(context);
    if (run.complete())
        context.prompter.inform(QStringLiteral("       Liberation points sent = ") + QString::number(run.taken));
    else
        context.prompter.inform(StoppedMessage(run, races.size(), QStringLiteral("liberation points"),
                                               QStringLiteral("The memory module may have lost its liberation points: "
                                                              "please send all liberation points again.")));
}
