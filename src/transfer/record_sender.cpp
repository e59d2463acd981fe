#include "transfer/record_sender.h"

#include "clock/clock_link.h"
#include "clock/control_chars.h"
#include "common/line_breaks.h"
#include "transfer/replies.h"

namespace {

RecordReply sendRecord(ClockLink &link, const QByteArray &record)
{
    const QByteArray reply = link.SendCommand(record, ClockLink::Pace::Stored);
    if (IsLinkFailure(reply))
        return RecordReply::LinkFailed;
    if (IsSingleByte(reply, Ctl::ESC))
        return RecordReply::Refused;
    if (IsSingleByte(reply, Ctl::NAK))
        return RecordReply::NotReceived;
    // Only a lone ACK of its own says the module holds the record; any other
    // answer may belong to another exchange.
    return IsSingleByte(reply, Ctl::ACK) ? RecordReply::Taken : RecordReply::Unclear;
}

} // namespace

SentRecords SendRecords(ClockLink &link, const QList<QByteArray> &records, const std::function<void(int)> &counted)
{
    SentRecords run;
    for (const QByteArray &record : records) {
        run.stop = sendRecord(link, record);
        if (!run.complete())
            break;
        ++run.taken;
        if (counted)
            counted(run.taken);
    }
    return run;
}

QString StoppedMessage(const SentRecords &run, qsizetype meant, const QString &what, const QString &advice)
{
    QString text;
    if (run.stop == RecordReply::Refused)
        text = QStringLiteral("The memory module refused a record.") + CRLF + CRLF;
    else if (run.stop == RecordReply::NotReceived)
        text = QStringLiteral("The Tamrel could not read a record, twice.") + CRLF + CRLF;
    else if (run.stop == RecordReply::Unclear)
        text = QStringLiteral("The Tamrel's answer to a record could not be read.") + CRLF + CRLF;
    return text + QStringLiteral("Sending stopped after %1 of %2 ").arg(run.taken).arg(meant) + what
         + QStringLiteral(".") + CRLF + advice;
}
