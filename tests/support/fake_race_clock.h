#pragma once

#include "clock/control_chars.h"
#include "fake_clock_peer.h"

#include <QMap>

// A clock on a fake port that identifies itself like FakeClockPeer and reads
// out its race memory: "W" gets ACK (with directData the first block), every
// bare ACK the next block, the end EOT. Chosen requests, numbered from 1 over
// the "W" and ACK requests, get a spoiled reply.
struct FakeRaceClock {
    enum class Spoil {
        None,
        Nak,        // the request never reached the clock
        Checksum,   // the block went out, damaged on the way
        NoEnd,      // the block went out without its ETX
        Silence,    // the request never reached the clock, no answer at all
        StxPause,   // the block pauses 150 ms after its STX
        StrayEnd,   // a byte of the block is damaged into ETX
        Ack,        // a bare ACK instead of the block
    };

    QList<QByteArray> blocks;
    bool directData = false;
    QMap<int, Spoil> spoiled;
    FakeClockPeer identity;
    int requests = 0;

    QList<FakeSerialPort::Piece> operator()(const QByteArray &frame)
    {
        const bool startsReadout = frame == SimFrame(ClockLink::ClockPrefix + "W");
        if (!startsReadout && frame != QByteArray(1, Ctl::ACK))
            return identity(frame);

        const Spoil spoil = spoiled.value(++requests, Spoil::None);
        if (spoil == Spoil::Nak)
            return {{3, QByteArray(1, Ctl::NAK)}};
        if (spoil == Spoil::Silence)
            return {};
        if (spoil == Spoil::Ack)
            return {{3, QByteArray(1, Ctl::ACK)}};
        QByteArray reply;
        if (startsReadout && !(directData && m_reading)) {
            m_reading = true;
            m_next = 0;
            reply = directData ? nextBlock() : QByteArray(1, Ctl::ACK);
        } else {
            reply = nextBlock();
        }
        if (spoil == Spoil::Checksum && reply.size() > 3)
            reply[reply.size() - 2] = char(reply.at(reply.size() - 2) ^ 0x01);
        if (spoil == Spoil::NoEnd)
            reply.chop(1);
        if (spoil == Spoil::StxPause)
            return {{3, reply.left(1)}, {153, reply.mid(1)}};
        if (spoil == Spoil::StrayEnd)
            return {{3, reply.left(4) + Ctl::ETX}, {5, reply.mid(5)}};
        return {{3, reply}};
    }

private:
    QByteArray nextBlock()
    {
        if (!m_reading || m_next >= blocks.size()) {
            m_reading = false;
            return QByteArray(1, Ctl::EOT);
        }
        return SimFrame('#' + blocks.at(m_next++));
    }

    bool m_reading = false;
    qsizetype m_next = 0;
};
