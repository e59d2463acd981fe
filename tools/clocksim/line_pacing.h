#pragma once

#include "faults.h"

#include <QtGlobal>
#include <deque>

// A byte and the moment (nanoseconds on the monotonic clock) it has crossed
// the line.
struct TimedByte {
    qint64 atNs;
    char byte;
};

// The time bytes take on a line of a given speed: ten bits a byte. Times are
// worked out from the start of each burst, never added up byte by byte, so
// they do not drift. Speed 0 is a line without delay.
class LinePacing {
public:
    explicit LinePacing(int baud) : m_baud(baud) {}

    // When a byte from the program, read at nowNs, has fully arrived.
    qint64 arrival(qint64 nowNs);

    // The bytes of a reply that starts at startNs, each at its deadline.
    std::deque<TimedByte> schedule(qint64 startNs, const TimedReply &reply) const;

private:
    qint64 bytesNs(qint64 count) const;

    int m_baud;
    qint64 m_burstStartNs = 0;
    qint64 m_burstBytes = 0;
    qint64 m_lineFreeNs = 0;
};
