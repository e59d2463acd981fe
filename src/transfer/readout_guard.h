#pragma once

#include <QByteArray>

// Ends a readout that runs away: a clock that never sends its end, or that
// answers only with faults, must not hold the program for ever.
class ReadoutGuard {
public:
    static constexpr int FaultsInARow = 3;

    explicit ReadoutGuard(int replyLimit) : m_replyLimit(replyLimit) {}

    // Counts one reply of the readout.
    void count(const QByteArray &reply);
    // Whether the readout has to stop before the next request.
    bool exhausted() const { return m_replies >= m_replyLimit || m_faultsInARow >= FaultsInARow; }

private:
    int m_replyLimit;
    int m_replies = 0;
    int m_faultsInARow = 0;
    bool m_acknowledged = false;
};
