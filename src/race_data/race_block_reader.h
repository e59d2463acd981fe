#pragma once

#include <QByteArray>

class ClockLink;

// One request of a race memory readout and its reply. The clock either
// answers "W" with ACK, after which it wants bare ACKs until it sends EOT, or
// answers every "W" with a block directly.
class RaceBlockReader {
public:
    explicit RaceBlockReader(ClockLink &link) : m_link(link) {}

    QByteArray ReadRaceBlock();

private:
    ClockLink &m_link;
    bool m_acknowledged = false;
};
