#include "sim_frames.h"

QByteArray SimChecksum(const QByteArray &body)
{
    quint16 total = 0;
    for (const char c : body)
        total = quint16(total + quint8(c));
    // Each byte of the sum is kept clear of the control characters.
    const auto visible = [](quint8 b) { return char(b < 0x20 ? b | 0x80 : b); };
    QByteArray out(2, '\0');
    out[0] = visible(quint8(total));
    out[1] = visible(quint8(total >> 8));
    return out;
}

QByteArray SimFrame(const QByteArray &body)
{
    return '\x02' + body + SimChecksum(body) + '\x03';
}
