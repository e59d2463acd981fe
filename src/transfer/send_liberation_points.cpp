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
    RecordReply reply = SendRecord(context.link, QByteArrayLiteral("IC0"));
    int sent = 0;
    for (qsizetype i = 0; i < races.size() && reply == RecordReply::Taken; ++i) {
        reply = SendRecord(context.link, LiberationCommand(races.at(i)));
        if (reply != RecordReply::Taken)
            break;
        ++sent;
        context.progress.setSecondLine(QString::number(sent) + QStringLiteral(" Races Transferred"));
    }
    EndTransfer(context);
    if (reply == RecordReply::Taken)
        return;
    QString text = StopReason(reply);
    if (!text.isEmpty())
        text += CRLF + CRLF;
    context.prompter.inform(text + QStringLiteral("Sending stopped after %1 of %2 liberation points.")
                                       .arg(sent)
                                       .arg(races.size())
                            + CRLF
                            + QStringLiteral("The memory module may have lost its liberation points: please send "
                                             "all liberation points again."));
}
