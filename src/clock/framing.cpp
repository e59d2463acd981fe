#include "clock/framing.h"

#include "clock/control_chars.h"

QByteArray FrameChecksum(const QByteArray &text)
{
    qint32 sum = 0;
    for (char c : text)
        sum += static_cast<unsigned char>(c);
    int low = sum & 255;
    int high = (sum >> 8) & 255;
    if (low < 32)
        low += 128;
    if (high < 32)
        high += 128;
    QByteArray out;
    out += char(low);
    out += char(high);
    return out;
}

QByteArray FrameCommand(const QByteArray &prefix, const QByteArray &command)
{
    if (command.isEmpty())
        return {};
    if (command.size() == 1 && (command.at(0) == Ctl::ACK || command.at(0) == Ctl::NAK
                                || command.at(0) == Ctl::EOT))
        return command;
    const QByteArray body = prefix + command;
    return Ctl::STX + body + FrameChecksum(body) + Ctl::ETX;
}

QByteArray FrameReply(const QByteArray &data)
{
    return Ctl::STX + data + FrameChecksum(data) + Ctl::ETX;
}
