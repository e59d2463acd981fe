#include "transfer/readout_guard.h"

#include "clock/control_chars.h"
#include "transfer/replies.h"

void ReadoutGuard::count(const QByteArray &reply)
{
    ++m_replies;
    if (reply.size() >= 2 && !IsFaultyReply(reply)) {
        m_faultsInARow = 0;
        return;
    }
    // ACK answers the readout's command once; a clock that answers the bare
    // ACKs after it with ACK sends nothing and would run to the reply limit.
    if (IsSingleByte(reply, Ctl::ACK) && !m_acknowledged) {
        m_acknowledged = true;
        return;
    }
    ++m_faultsInARow;
}
