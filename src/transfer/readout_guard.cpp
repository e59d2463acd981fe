#include "transfer/readout_guard.h"

#include "clock/control_chars.h"
#include "transfer/replies.h"

void ReadoutGuard::count(const QByteArray &reply)
{
    ++m_replies;
    if (reply.size() >= 2 && !IsFaultyReply(reply))
        m_faultsInARow = 0;
    else if (!IsSingleByte(reply, Ctl::ACK))
        ++m_faultsInARow;
}
