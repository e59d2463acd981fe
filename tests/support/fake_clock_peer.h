#pragma once

#include "clock/clock_link.h"
#include "sim_frames.h"
#include "fake_serial_port.h"

// A clock on a fake port that answers the identification commands with the
// given payloads; an empty payload, or any other command, gets no answer.
struct FakeClockPeer {
    QByteArray lmd = "v01570150000012AB34CD";
    QByteArray hcuVersion = "v0123";
    QByteArray hcuMemory = "e000A1B";

    QList<FakeSerialPort::Piece> operator()(const QByteArray &frame) const
    {
        QByteArray payload;
        if (frame == SimFrame(ClockLink::ClockPrefix + "v"))
            payload = lmd;
        else if (frame == SimFrame("v"))
            payload = hcuVersion;
        else if (frame == SimFrame("e00"))
            payload = hcuMemory;
        if (payload.isEmpty())
            return {};
        // The link drops the first data byte of every reply.
        return {{3, SimFrame('#' + payload)}};
    }
};
