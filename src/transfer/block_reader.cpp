#include "transfer/block_reader.h"

#include "clock/clock_link.h"
#include "clock/control_chars.h"

QByteArray BlockReader::readBlock()
{
    const QByteArray reply = m_link.SendCommand(m_acknowledged ? QByteArray(1, Ctl::ACK) : m_command);
    if (reply.size() == 1 && reply.at(0) == Ctl::ACK)
        m_acknowledged = true;
    else if (reply.size() == 1 && reply.at(0) == Ctl::EOT)
        m_acknowledged = false;
    return reply;
}
