#include "line_pacing.h"

qint64 LinePacing::bytesNs(qint64 count) const
{
    return m_baud > 0 ? count * 10 * 1'000'000'000LL / m_baud : 0;
}

qint64 LinePacing::arrival(qint64 nowNs)
{
    if (nowNs >= m_lineFreeNs) {
        m_burstStartNs = nowNs;
        m_burstBytes = 0;
    }
    m_lineFreeNs = m_burstStartNs + bytesNs(++m_burstBytes);
    return m_lineFreeNs;
}

std::deque<TimedByte> LinePacing::schedule(qint64 startNs, const TimedReply &reply) const
{
    std::deque<TimedByte> out;
    qint64 pausesNs = 0;
    qint64 sent = 0;
    for (const ReplyPiece &piece : reply) {
        pausesNs += qint64(piece.pauseMs) * 1'000'000;
        for (char b : piece.bytes)
            out.push_back({startNs + pausesNs + bytesNs(++sent), b});
    }
    return out;
}
