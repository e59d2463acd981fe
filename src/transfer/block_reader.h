#pragma once

#include <QByteArray>

class ClockLink;

// One request of a memory readout and its reply, for the race memory ("W")
// and the admin data ("X") alike. The clock either answers the command with
// ACK, after which it wants bare ACKs until it sends EOT, or answers every
// command with a block directly. A fresh reader starts with the command: a
// bare ACK would pick up an earlier readout mid-way.
class BlockReader {
public:
    BlockReader(ClockLink &link, QByteArray command) : m_link(link), m_command(std::move(command)) {}

    // The request and its reply; the link's result code when it failed.
    QByteArray readBlock();

private:
    ClockLink &m_link;
    QByteArray m_command;
    bool m_acknowledged = false;
};

inline const QByteArray RaceReadoutCommand = QByteArrayLiteral("W");
inline const QByteArray AdminReadoutCommand = QByteArrayLiteral("X");
