#pragma once

#include "clock/control_chars.h"
#include "fake_clock_peer.h"

#include <QMap>

// A clock on a fake port with a memory module that keeps admin data and
// liberation points: it identifies itself like FakeClockPeer, takes every
// record with ACK and reads its admin data out ("X", then bare ACKs, EOT at
// the end). Chosen records, numbered from 1 over everything but the
// identification and the readout, get another reply; after unplugAfter of
// them the clock is gone.
struct FakeModuleClock {
    FakeClockPeer identity;
    QList<QByteArray> adminData;      // what a readout gives
    QList<QByteArray> taken;          // the records the module took
    QMap<int, QByteArray> replyTo;    // record number -> reply byte
    int unplugAfter = -1;
    int records = 0;
    // A readout that never ends: every bare ACK gets another block.
    bool endless = false;
    // "X" is answered ESC.
    bool refusesReadout = false;
    // This block of the readout (from 0) never gets its ETX.
    int unendedBlock = -1;
    // Habits of real clocks: the reply comes after the frame's time on the
    // line; the ACK to record ackTwice comes twice, 10 ms apart; after each
    // ACK to a record the clock is busy storing for busyMs and drops what
    // arrives meanwhile (busyMs needs time).
    int replyAfterMs = 3;
    int ackTwice = -1;
    int busyMs = 0;
    const FakeClock *time = nullptr;

    // Identity payload for a model ("0150", "0216"), version ("0157") and
    // state.
    void identify(const QByteArray &version, const QByteArray &model, char state = '0')
    {
        identity.lmd = "v" + version + model + "000" + state + "12AB34CD";
    }

    QList<FakeSerialPort::Piece> operator()(const QByteArray &frame)
    {
        if (time && time->now < m_busyUntil)
            return {};
        if (frame == QByteArray(1, Ctl::ACK))
            return {{3, nextBlock()}};
        if (frame == QByteArray(1, Ctl::EOT)) {
            m_next = -1;
            return {{3, QByteArray(1, Ctl::ACK)}};
        }
        const QByteArray command = frame.mid(2, frame.size() - 5);
        if (command == "v" || !frame.startsWith(QByteArray("\x02") + ClockLink::ClockPrefix))
            return identity(frame);
        if (command == "X" && refusesReadout)
            return {{3, QByteArray(1, Ctl::ESC)}};
        if (command == "X") {
            m_next = 0;
            return {{3, QByteArray(1, Ctl::ACK)}};
        }
        if (++records > unplugAfter && unplugAfter >= 0)
            return {};
        const QByteArray reply = replyTo.value(records, QByteArray(1, Ctl::ACK));
        if (reply != QByteArray(1, Ctl::ACK))
            return {{replyAfterMs, reply}};
        taken.append(command);
        if (time)
            m_busyUntil = time->now + replyAfterMs + busyMs;
        if (records == ackTwice)
            return {{replyAfterMs, reply}, {replyAfterMs + 10, reply}};
        return {{replyAfterMs, reply}};
    }

private:
    QByteArray nextBlock()
    {
        if (endless && m_next >= 0)
            return SimFrame("#Z" + QByteArray::number(m_next++).rightJustified(26, '0'));
        if (m_next < 0 || m_next >= adminData.size()) {
            m_next = -1;
            return QByteArray(1, Ctl::EOT);
        }
        QByteArray block = SimFrame('#' + adminData.at(m_next));
        if (m_next++ == unendedBlock)
            block.chop(1);
        return block;
    }

    qsizetype m_next = -1;
    qint64 m_busyUntil = 0;
};
