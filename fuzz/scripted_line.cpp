#include "scripted_line.h"

ScriptedLine::ScriptedLine(const uint8_t *data, size_t size)
{
    size_t at = 0;
    if (size > 0) {
        m_stuck = data[0] & 1;
        m_broken = data[0] & 2;
        m_refuseOpen = data[0] & 4;
        at = 1;
    }
    while (at + 2 <= size) {
        const uint8_t delay = data[at];
        const size_t length = std::min<size_t>(data[at + 1], size - at - 2);
        m_script.push_back({(delay & 0x7F) * 4, (delay & 0x80) != 0,
                            QByteArray(reinterpret_cast<const char *>(data + at + 2), qsizetype(length))});
        at += 2 + length;
    }
}

qint64 ScriptedLine::write(const QByteArray &bytes)
{
    ++m_writes;
    // The peer's reply to this request: pieces up to the one that ends it.
    while (!m_script.empty()) {
        ScriptPiece piece = std::move(m_script.front());
        m_script.pop_front();
        m_pending.push_back({m_now + piece.delayMs, std::move(piece.bytes)});
        if (piece.endsReply)
            break;
    }
    return bytes.size();
}

bool ScriptedLine::waitForBytesWritten(int ms)
{
    if (!m_stuck)
        return true;
    m_now += ms;
    return false;
}

bool ScriptedLine::waitForReadyRead(int ms)
{
    if (m_pending.empty() || m_pending.front().atMs > m_now + ms) {
        m_now += ms;
        return false;
    }
    m_now = std::max(m_now, m_pending.front().atMs);
    m_received += m_pending.front().bytes;
    m_delivered += m_pending.front().bytes.size();
    m_pending.pop_front();
    return true;
}
