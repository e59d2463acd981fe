#include "transfer/record_sender.h"

#include "clock/clock_link.h"
#include "clock/control_chars.h"
#include "transfer/replies.h"

RecordReply SendRecord(ClockLink &link, const QByteArray &record)
{
    const QByteArray reply = link.SendCommand(record);
    if (IsLinkFailure(reply))
        return RecordReply::LinkFailed;
    if (IsSingleByte(reply, Ctl::ESC))
        return RecordReply::Refused;
    if (IsSingleByte(reply, Ctl::NAK))
        return RecordReply::NotReceived;
    return RecordReply::Taken;
}

QString StopReason(RecordReply reply)
{
    switch (reply) {
    case RecordReply::Refused:
        return QStringLiteral("The memory module refused a record.");
    case RecordReply::NotReceived:
        return QStringLiteral("The Tamrel could not read a record, twice.");
    case RecordReply::Taken:
    case RecordReply::LinkFailed:
        break;
    }
    return {};
}
