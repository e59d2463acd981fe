#pragma once

#include "clock_responder.h"
#include "frame_parser.h"
#include "line_pacing.h"

#include <QString>
#include <deque>

// Serves the line until told to stop: bytes from the program reach the
// frame parser when the line would have delivered them, replies leave at
// their deadlines. Sleeps in the kernel between events, never spins.
class ServeLoop {
public:
    // stopFd: readable when it is time to stop (see StopSignals).
    ServeLoop(int masterFd, int stopFd, LinePacing &pacing, ClockResponder &responder);

    // False when the line failed for good.
    bool run(QString *error);

private:
    void deliverDueInput(qint64 nowNs);
    bool writeDueOutput(qint64 nowNs, QString *error);
    bool readInput(qint64 nowNs, QString *error);
    qint64 nextDeadlineNs() const;

    // Unread input beyond this stays in the kernel, which slows the writer
    // down instead of filling our memory.
    static constexpr std::size_t MaxPendingInput = 64 * 1024;

    int m_master;
    int m_stop;
    LinePacing &m_pacing;
    ClockResponder &m_responder;
    FrameParser m_parser;
    std::deque<TimedByte> m_input;
    std::deque<TimedByte> m_output;
    bool m_outputBlocked = false;
    qint64 m_busyUntilNs = 0;
};
