#include "clock_responder.h"

#include "clock/control_chars.h"

TimedReply ClockResponder::answer(const Request &request)
{
    FaultKind applied = FaultKind::None;
    TimedReply reply;
    m_busyMs = 0;
    if (request.kind == Request::Kind::Broken) {
        reply = {{0, QByteArray(1, Ctl::NAK)}};
    } else {
        const FaultKind fault = m_faults.draw();
        // A request that a fault kept from the clock must not change the
        // module: the program sends it again.
        const bool reached = fault != FaultKind::Nak && fault != FaultKind::Silence;
        reply = m_faults.spoil(fault, reached ? m_commands.handle(request) : QByteArray(), &applied);
        if (reached && m_commands.stored())
            m_busyMs = m_faults.busyMs();
    }
    QByteArray sent;
    for (const ReplyPiece &piece : reply)
        sent += piece.bytes;
    m_log.write(request.raw, sent, applied);
    return reply;
}
